// Windows kept reachable over a modal dialog: the pointer reaches them
// through the window system while the dialog is open (and does not reach
// a window left alone), also under a second dialog opened from the first;
// afterwards they are their own again; a window's own dialog still blocks it.
#include "common/modal_reach.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace {

class counting_window : public QLabel
{
public:
    explicit counting_window(QWidget *parent = nullptr) : QLabel(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
    {
        resize(120, 80);
    }
    int clicks = 0;

protected:
    void mouseReleaseEvent(QMouseEvent *) override { ++clicks; }
};

// Clicks as the window system delivers them, where modality applies.
void click(QWidget *w)
{
    QTest::mouseClick(w->windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
}

// Runs `inside` while `dialog` is open modally, then closes it.
void while_modal(QDialog &dialog, const std::function<void()> &inside)
{
    bool ran = false;
    QTimer::singleShot(0, &dialog, [&] {
        struct closer
        {
            QDialog &d;
            ~closer() { d.reject(); }
        } guard{dialog};
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        inside();
        ran = true;
    });
    dialog.exec();
    QVERIFY(ran);
}

void show(QWidget *w)
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
}

} // namespace

class tst_modal_reach : public QObject
{
    Q_OBJECT

private slots:
    void reachable_over_a_modal_dialog_data()
    {
        QTest::addColumn<bool>("shown_before");
        QTest::newRow("shown while the dialog is open") << false;
        QTest::newRow("open when the dialog opens") << true;
    }
    void reachable_over_a_modal_dialog()
    {
        QFETCH(bool, shown_before);
        counting_window kept, left;
        modal_reach::keep_reachable(&kept);
        if (shown_before) {
            show(&kept);
            show(&left);
        }
        QDialog dialog;
        while_modal(dialog, [&] {
            if (!shown_before) {
                show(&kept);
                show(&left);
            }
            click(&kept);
            click(&left);
            QCOMPARE(kept.clicks, 1);
            QCOMPARE(left.clicks, 0); // the dialog does block what is not kept reachable
            QCOMPARE(kept.windowHandle()->transientParent(), dialog.windowHandle());
        });
        QTRY_COMPARE(kept.windowHandle()->transientParent(), static_cast<QWindow *>(nullptr));
        click(&kept);
        click(&left);
        QCOMPARE(kept.clicks, 2);
        QCOMPARE(left.clicks, 1);
    }

    void a_second_dialog_from_the_first()
    {
        counting_window kept;
        modal_reach::keep_reachable(&kept);
        show(&kept);
        QDialog first;
        while_modal(first, [&] {
            click(&kept);
            QDialog second(&first);
            while_modal(second, [&] {
                click(&kept);
                QCOMPARE(kept.clicks, 2);
            });
            // Back under the first, which is still open.
            QTRY_COMPARE(kept.windowHandle()->transientParent(), first.windowHandle());
            click(&kept);
            QCOMPARE(kept.clicks, 3);
        });
        QTRY_COMPARE(kept.windowHandle()->transientParent(), static_cast<QWindow *>(nullptr));
    }

    void its_own_transient_parent_comes_back()
    {
        QWidget owner;
        owner.resize(200, 200);
        show(&owner);
        counting_window kept(&owner);
        modal_reach::keep_reachable(&kept);
        show(&kept);
        QWindow *own = kept.windowHandle()->transientParent();
        QVERIFY(own);
        QDialog dialog;
        while_modal(dialog, [&] {
            click(&kept);
            QCOMPARE(kept.clicks, 1);
        });
        QTRY_COMPARE(kept.windowHandle()->transientParent(), own);
    }

    // Not on top: a click on the dialog lifts it over the window, and a
    // window pinned to the desktop must not come up with the dialog.
    void a_window_not_on_top_is_left_alone()
    {
        counting_window below;
        below.setWindowFlags(Qt::Tool | Qt::WindowStaysOnBottomHint);
        modal_reach::keep_reachable(&below);
        show(&below);
        QDialog dialog;
        while_modal(dialog, [&] {
            click(&below);
            QCOMPARE(below.clicks, 0);
            QCOMPARE(below.windowHandle()->transientParent(), static_cast<QWindow *>(nullptr));
        });
    }

    void its_own_dialog_still_blocks_it()
    {
        counting_window kept;
        modal_reach::keep_reachable(&kept);
        show(&kept);
        QDialog own(&kept);
        while_modal(own, [&] {
            click(&kept);
            QCOMPARE(kept.clicks, 0);
        });
    }
};

QTEST_MAIN(tst_modal_reach)
#include "tst_modal_reach.moc"
