#pragma once
// Reading a page's kind and body for the window, within the notebook's
// limits: a body larger than its kind may be is not read at all.

#include <QByteArray>
#include <QString>

class notebook_store;

namespace page_reading {

struct result
{
    enum class outcome
    {
        read,
        failed,   // the database did not answer (said by the store)
        too_large // refusal holds the text for the user
    };
    outcome what = outcome::failed;
    bool image = false;
    QByteArray data;
    QString refusal;
};

result read(notebook_store &store, qint64 id);

} // namespace page_reading
