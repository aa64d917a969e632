// The letter pictures, painted at start from the previews: their sizes, and that each shows
// exactly what its preview draws on the window over the same piece of the plane.
#include <QtTest>

#include "Canvas.h"
#include "Fonts.h"
#include "LetterLesson.h"
#include "LetterPictures.h"
#include "PreviewDrawing.h"
#include "TestSurface.h"
#include "TraceLoop.h"

namespace {
const QColor kPreview(0, 129, 129);

struct PictureRow {
    const char* name;
    QRect place;
};

// Places and sizes of the window description; ImJO, ImSHA and ImZnakTverd are no lesson's picture.
const PictureRow kPictures[] = {
    {"ImA", {938, 175, 107, 159}},     {"ImB", {938, 175, 110, 157}},
    {"ImV", {937, 174, 111, 158}},     {"ImG", {938, 173, 109, 159}},
    {"ImD", {938, 174, 114, 171}},     {"ImE", {939, 173, 108, 159}},
    {"ImJO", {939, 157, 108, 175}},    {"ImJE", {938, 175, 127, 160}},
    {"ImZ", {938, 176, 105, 157}},     {"ImI", {938, 175, 108, 158}},
    {"ImKratJ", {938, 157, 108, 177}}, {"ImK", {938, 175, 104, 158}},
    {"ImL", {936, 172, 113, 160}},     {"ImM", {938, 175, 126, 159}},
    {"ImN", {938, 175, 110, 156}},     {"ImElips", {938, 174, 109, 159}},
    {"ImP", {939, 176, 107, 158}},     {"ImR", {938, 173, 111, 159}},
    {"ImS", {939, 175, 108, 157}},     {"ImT", {938, 176, 109, 156}},
    {"ImU", {938, 175, 110, 158}},     {"ImF", {937, 175, 132, 153}},
    {"ImXa", {938, 175, 110, 157}},    {"ImC", {939, 175, 108, 170}},
    {"ImCH", {938, 175, 109, 157}},    {"ImSh", {938, 175, 126, 157}},
    {"ImSHA", {938, 175, 130, 175}},   {"ImZnakTverd", {914, 176, 134, 155}},
    {"ImIE", {938, 175, 130, 157}},    {"ImZnakM", {938, 176, 110, 155}},
    {"ImEL", {938, 174, 107, 158}},    {"ImYU", {938, 173, 132, 159}},
    {"ImYA", {939, 173, 109, 159}},
};
}  // namespace

Q_DECLARE_METATYPE(const PictureRow*)

class LetterPicturesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    void agreesWithThePreview_data() {
        QTest::addColumn<const PictureRow*>("row");
        for (const PictureRow& r : kPictures) QTest::newRow(r.name) << &r;
    }

    // Drawn on the window over the plane, the preview leaves its colour exactly where the
    // picture has it; everywhere else the picture is the plane.
    void agreesWithThePreview() {
        QFETCH(const PictureRow*, row);
        const QImage picture = paintLetterPicture(row->name);
        QCOMPARE(picture.size(), row->place.size());
        const LetterLesson* lesson = findLesson(letterOfPicture(row->name));
        QVERIFY(lesson);

        TestSurface s;
        plotState.originX = 942;
        plotState.originY = 328;
        WindowTarget target;
        s.canvas().setPenColor(kPreview);
        for (const PreviewItem& item : lesson->preview)
            if (item.kind == PreviewItem::Loop) runTraceLoop(item.loop, plotState, target, {});

        const QImage plane = plane::paintPicture();
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QPoint client = row->place.topLeft() + QPoint(x, y);
                const QColor onCanvas = s.canvas().pixel(client.x(), client.y());
                const QColor expected =
                    onCanvas.alpha() ? kPreview : plane.pixelColor(client - QPoint(697, 86));
                if (picture.pixelColor(x, y) != expected)
                    QFAIL(qPrintable(QString("differs at %1,%2").arg(client.x()).arg(client.y())));
                drawn += onCanvas.alpha() != 0;
            }
        QVERIFY(drawn > 300);
    }

    // "К" draws only its upper arm; the picture also has the lower one, ending at (1038, 325).
    void lowerArmOfK() {
        const QImage k = paintLetterPicture("ImK");
        QCOMPARE(k.pixelColor(QPoint(1038, 325) - QPoint(938, 175)), kPreview);
        QCOMPARE(k.pixelColor(QPoint(1038, 181) - QPoint(938, 175)), kPreview);
    }

    void unknownNameGivesNoPicture() { QVERIFY(paintLetterPicture("Image10").isNull()); }
};

QTEST_MAIN(LetterPicturesTest)
#include "test_letter_pictures.moc"
