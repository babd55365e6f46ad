#pragma once
// Sizes of the two files that grow with use, far past what a person makes
// by hand or by years of use. A file beyond them is refused whole: not
// read, never written, the user told, the clock running on.

#include <QString>

#include <optional>

struct ini_limits
{
    qint64 max_bytes = 0;
    int max_groups = 0; // 0: no limit
    int max_keys = 0;   // 0: no limit
};

// The limits for a settings file by its name (alarm.ini, my_notes.ini);
// none for the others.
std::optional<ini_limits> ini_limits_for(const QString &path);

// Why a file of `bytes` holding `groups` groups and `keys` keys is refused,
// in the user's words, or an empty string when it is not.
QString ini_limits_refusal(const QString &path, qint64 bytes, int groups, int keys);
