// Each clock paints through face objects of its own: two of them painting
// different looks in turn each show their own look, as a face that has
// painted nothing before does.
#include "clock/faces/clock_faces.h"
#include "clock/faces/face_size.h"
#include "face_test_support.h"
#include "storage/clock_settings.h"

#include <QTest>

using namespace face_test;

namespace {

const QDateTime noon(QDate(2026, 3, 14), QTime(12, 34, 56));

// Two looks of one face that differ only in what is drawn into its caches:
// the dial, the text colour, the card gradient and caption colour.
clock_look look(const QString &face, bool second)
{
    clock_look l;
    l.clock = face;
    l.pictures.face = bar(120, 100, second ? Qt::darkGray : Qt::white);
    l.pictures.hour = bar(8, 40, Qt::red);
    l.pictures.mins = bar(4, 45, Qt::green);
    l.pictures.secunds = bar(2, 45, Qt::blue);
    l.pictures.shapocka = bar(2, 2, Qt::gray);
    l.font = QFont(QStringLiteral("DejaVu Sans"));
    l.font.setPixelSize(20);
    l.color = second ? QColor(255, 0, 0) : QColor(0, 0, 255);
    l.format_1 = QStringLiteral("hh:mm:ss");
    l.format_2 = QStringLiteral("dd.MM");
    l.gradient_bk = clock_settings::default_gradient(clock_keys::gradient_bk);
    l.gradient_font = clock_settings::default_gradient(clock_keys::gradient_font);
    if (second)
        l.gradient_bk = {{0.0, Qt::darkGreen}, {1.0, Qt::white}};
    l.font_flip_clock = l.font;
    l.text_flip_clock = QStringLiteral("d MMMM");
    l.color_flip_clock = l.color;
    return l;
}

QImage paint(clock_faces &faces, const clock_look &l, qreal dpr)
{
    int remembered = 0;
    const QSize s = face_size::wanted(faces, l, noon, false, remembered);
    QImage img(s * dpr, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    QPainter p(&img);
    if (l.clock == QLatin1String("analog")) {
        faces.analog.paint(p, l, noon, s);
    } else if (l.clock == QLatin1String("digital")) {
        faces.digital.paint(p, l, faces.digital.layout(l, noon, false, remembered, &img), s);
    } else {
        flip_cards quiet;
        quiet.hour.last_turned = quiet.min.last_turned = quiet.sec.last_turned = noon;
        faces.flip.paint(p, l, noon, s, quiet);
    }
    p.end();
    return img;
}

} // namespace

class tst_face_objects : public QObject
{
    Q_OBJECT

private slots:
    void faces_painting_in_turn_keep_their_own_looks_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<qreal>("dpr");
        // The dial is cached only when it has to be stretched.
        QTest::newRow("analog") << "analog" << 2.0;
        QTest::newRow("digital") << "digital" << 1.0;
        QTest::newRow("flip") << "flip" << 1.0;
    }
    void faces_painting_in_turn_keep_their_own_looks()
    {
        QFETCH(QString, face);
        QFETCH(qreal, dpr);
        const clock_look a = look(face, false), b = look(face, true);
        clock_faces fresh_a, fresh_b;
        const QImage want_a = paint(fresh_a, a, dpr), want_b = paint(fresh_b, b, dpr);
        QVERIFY(want_a != want_b);

        clock_faces one, two;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(paint(one, a, dpr), want_a);
            QCOMPARE(paint(two, b, dpr), want_b);
        }
        // A face whose clock changes its look shows the new one.
        QCOMPARE(paint(one, b, dpr), want_b);
        QCOMPARE(paint(one, a, dpr), want_a);
    }
};

QTEST_MAIN(tst_face_objects)
#include "tst_face_objects.moc"
