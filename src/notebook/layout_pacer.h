#pragma once
// layout_pacer: lays out a large document shown in an editor in small
// steps from the event loop. Left to itself the document's layout works
// through a large page in steps that grow to 200 000 characters, each of
// which holds the GUI thread for a tenth of a second; here every step is a
// few ten thousand characters. The layout's own steps are held back
// meanwhile; painting still lays out whatever comes into view.

#include <QObject>
#include <QPointer>
#include <QTimer>

class QTextDocument;

class layout_pacer : public QObject
{
    Q_OBJECT
public:
    explicit layout_pacer(QObject *parent = nullptr);
    ~layout_pacer() override;

    // Characters laid out per step.
    static constexpr int step_chars = 20'000;

    // Starts on document (whose layout exists, as the editor made it);
    // a document already being paced is let go first.
    void pace(QTextDocument *document);
    void stop();
    bool active() const { return m_timer.isActive(); }

signals:
    void finished();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void step();

    QPointer<QTextDocument> m_document;
    QPointer<QObject> m_layout;
    QTimer m_timer;
    int m_position = 0;
};
