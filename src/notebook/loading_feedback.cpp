#include "notebook/loading_feedback.h"

#include <QCoreApplication>
#include <QTextEdit>

const QString loading_feedback::notice =
    QStringLiteral("<html><head/><body><p><span style=\" font-size:12pt;\">Загрузка...</span></p></body></html>");

loading_feedback::loading_feedback(QWidget *window, QTextEdit *editor)
{
    if (window->isHidden()) {
        m_splash = std::make_unique<QSplashScreen>(QPixmap(QStringLiteral(":/icons/loader.png")));
        m_splash->show();
        m_splash->showMessage(QStringLiteral("загрузка..."), Qt::AlignBottom | Qt::AlignHCenter, Qt::black);
    } else {
        editor->setHtml(notice);
        // Paint the notice; keystrokes and clicks wait until the page is there.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

loading_feedback::~loading_feedback() = default;
