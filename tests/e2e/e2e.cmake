# orvella_add_e2e(name SCRIPT script TIMEOUT seconds [SOUND] [ARGS ...])
# Runs `bash script BUILD_DIR ARGS...` from the calling folder, labelled e2e;
# exit code 77 is a skip (a tool the script needs is not installed). SOUND:
# the script records from the sound server, so it takes the sound-server
# lock and never records beside another such test.
include_guard(GLOBAL)

function(orvella_add_e2e name)
  cmake_parse_arguments(A "SOUND" "SCRIPT;TIMEOUT" "ARGS" ${ARGN})
  add_test(NAME ${name}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${A_SCRIPT} ${CMAKE_BINARY_DIR} ${A_ARGS})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${A_TIMEOUT} LABELS e2e SKIP_RETURN_CODE 77)
  if(A_SOUND)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK orvella_sound_server)
  endif()
endfunction()
