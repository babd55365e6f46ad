#pragma once
// loading_feedback: shows that a page is loading for as long as the object
// lives. Before the window is first shown that is a splash screen; after,
// a notice in the editor, painted at once.

#include <QSplashScreen>
#include <memory>

class QTextEdit;
class QWidget;

class loading_feedback
{
public:
    loading_feedback(QWidget *window, QTextEdit *editor);
    ~loading_feedback();

    // What the editor shows meanwhile (HTML).
    static const QString notice;

private:
    std::unique_ptr<QSplashScreen> m_splash;
};
