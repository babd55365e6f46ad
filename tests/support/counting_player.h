#pragma once
// An audio player that only counts what it was asked to do, to isolate the
// sticker and the actions from the sound server.

#include "platform/audio_player.h"

#include <QStringList>

class counting_player final : public audio_player
{
public:
    // Files whose name contains `bad` fail to open.
    explicit counting_player(QString bad = QStringLiteral("garbage")) : m_bad(std::move(bad)) {}
    int open_file(const QString &path) override
    {
        opened << path;
        if (path.contains(m_bad)) {
            m_error = QStringLiteral("Файл не распознан: ") + path;
            return 0;
        }
        m_error.clear();
        return 1;
    }
    void play() override { ++plays; }
    void halt() override { ++halts; }
    QString last_error() const override { return m_error; }
    void release() override {}
    bool is_playing() const override { return false; }

    QStringList opened;
    int plays = 0;
    int halts = 0;

private:
    QString m_bad;
    QString m_error;
};
