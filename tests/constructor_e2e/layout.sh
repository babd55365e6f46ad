# Where the constructor's controls are, in the settings dialog moved to the
# top left corner of a 1280 x 800 screen (window coordinates "x y").
TAB_CONSTRUCTOR="484 24"
FACE_DOWN="528 91"
FACE_UP="946 91"
HOUR_DOWN="528 119"
HOUR_UP="946 119"
MINS_DOWN="528 147"
MINS_UP="946 147"
SECS_DOWN="528 175"
SECS_UP="946 175"
DOTS_DOWN="528 203"
DOTS_UP="946 203"
CREATE="258 659"
