#include "scheduler/play_sound_file.h"

#include "common/log.h"
#include "platform/audio_player.h"
#include "scheduler/error_boxes.h"

#include <QMessageBox>

void play_sound_file(audio_player *player, const QString &path, error_boxes *errors)
{
    if (path.isEmpty() || !player)
        return;
    if (player->open_file(path) == 0) {
        const QString error = player->last_error();
        const QString title = QStringLiteral("Ошибка воспроизведения файла !");
        qCWarning(lc_audio).noquote() << "cannot play" << path << ":" << error;
        if (errors)
            errors->add(title, error);
        else
            QMessageBox::information(nullptr, title, error);
    }
    player->play();
}
