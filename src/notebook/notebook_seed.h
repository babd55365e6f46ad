#pragma once
// Puts the shipped seed notebook.db into the data folder when the user's
// copy is missing or empty. A user's non-empty file is never replaced,
// whatever it holds.

#include <QString>

namespace notebook_seed {

enum class outcome
{
    kept,   // the user's file is there and not empty
    copied, // the seed was copied in
    failed  // no usable seed, or the copy failed
};

struct result
{
    outcome what = outcome::kept;
    QString message; // for failed: the text to show the user
};

// database: the user's file; seed: the shipped copy (may be empty when no
// installation folder was found).
result ensure(const QString &database, const QString &seed);

} // namespace notebook_seed
