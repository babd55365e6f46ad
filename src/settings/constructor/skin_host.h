#pragma once
// What applying a skin folder needs of the clock window. The clock window
// implements it; settings/ never sees clock/ headers.

class QString;

class skin_host
{
public:
    // Loads the folder's pictures and offsets into the clock, scales the
    // pictures by the stored "resize" factor and fits the window to the dial.
    // When a picture named in settings.ini is missing the clock warns, keeps
    // the skin it shows and returns false.
    virtual bool apply_skin_folder(const QString &folder) = 0;

protected:
    ~skin_host() = default;
};
