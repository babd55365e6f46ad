#include "scheduler/play_sound_file.h"

#include "common/log.h"
#include "platform/audio_player.h"

#include <QMessageBox>

void play_sound_file(audio_player *player, const QString &path)
{
    if (path.isEmpty() || !player)
        return;
    if (player->open_file(path) == 0) {
        const QString error = player->last_error();
        qCWarning(lc_audio).noquote() << "cannot play" << path << ":" << error;
        QMessageBox::information(nullptr, QStringLiteral("Ошибка воспроизведения файла !"), error);
    }
    player->play();
}
