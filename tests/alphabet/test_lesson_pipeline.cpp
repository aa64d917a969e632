// The lesson pipeline on the main window: the lesson of "Н" to the pixel, a key pressed while a
// lesson draws, and the binding of the 33 keys to their rows.
#include <QTimer>
#include <QtTest>
#include <set>

#include "CanvasRecorder.h"
#include "Fonts.h"
#include "FormFixture.h"
#include "LetterLesson.h"
#include "LetterPictures.h"

namespace {
const QColor kPreview(0, 129, 129);
const QColor kTeal(0, 128, 128);

QColor screenPixel(FormFixture& f, int x, int y) {
    pacing::processPendingEvents();
    return f.form().surface().grab().toImage().pixelColor(x, y);
}

// The letter keys of the alphabet keyboard: every label on Panel3 but the marker.
QList<Label*> letterKeys(FormFixture& f) {
    QList<Label*> keys;
    for (Label* l : f.ctl("Panel3").findChildren<Label*>())
        if (l->objectName() != "Label38") keys << l;
    return keys;
}
}  // namespace

class LessonPipelineTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    // The uprights run down from y 179 to 326 at x 943 and 1042, the crossbar right from x 944 to
    // 1038 at y 250, in 200 steps; the picture ImN then stands over them, painted the same.
    void lessonOfN() {
        FormFixture f;
        f.click("Label224");
        f.menu("N6");
        CanvasRecorder rec(f.form().surface().canvas());
        f.click("Label14");

        std::vector<CanvasRecorder::Line> preview, small;
        for (const auto& l : rec.lines()) {
            if (l.colour == (kPreview.rgb() & 0xFFFFFF)) preview.push_back(l);
            if (l.colour == (kTeal.rgb() & 0xFFFFFF)) small.push_back(l);
        }
        QCOMPARE(preview.size(), size_t(3 * 200));
        for (const auto& l : preview) QCOMPARE(l.width, 5);
        const auto& last = preview.end() - 3;
        QCOMPARE(last[0].from, QPoint(943, 179));
        QCOMPARE(last[0].to, QPoint(943, 326));
        QCOMPARE(last[1].from, QPoint(1042, 179));
        QCOMPARE(last[1].to, QPoint(1042, 326));
        QCOMPARE(last[2].from, QPoint(944, 250));
        QCOMPARE(last[2].to, QPoint(1038, 250));

        // The picture shows what the preview drew: stroke ends in its colour, the gaps plain.
        auto& picture = f.ctl<Picture>("ImN");
        QVERIFY(!picture.isHidden());
        QCOMPARE(picture.geometry(), QRect(938, 175, 110, 156));
        QVERIFY(f.ctl("Shape1").isHidden());
        const QImage& img = picture.picture();
        for (QPoint p : {QPoint(943, 179), QPoint(943, 326), QPoint(1042, 179), QPoint(1042, 326),
                         QPoint(944, 250), QPoint(1038, 250), QPoint(990, 250)})
            QCOMPARE(img.pixelColor(p - picture.pos()), kPreview);
        for (QPoint p : {QPoint(943, 175), QPoint(943, 330), QPoint(990, 300), QPoint(990, 200),
                         QPoint(1046, 250)})
            QVERIFY2(img.pixelColor(p - picture.pos()) != kPreview,
                     qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
        QCOMPARE(screenPixel(f, 943, 179), kPreview);
        QCOMPARE(screenPixel(f, 1042, 326), kPreview);
        QCOMPARE(screenPixel(f, 944, 250), kPreview);
        QCOMPARE(screenPixel(f, 990, 250), kTeal);  // under the crossbar's hotspot HSN

        // The small "Н" around the centre (118, 378) of Image18: uprights at x 87 and 147.
        QVERIFY(!small.empty());
        QCOMPARE(screenPixel(f, 118, 378), kTeal);
        QCOMPARE(screenPixel(f, 87, 350), kTeal);
        QCOMPARE(screenPixel(f, 147, 400), kTeal);

        // clang-format off
        QCOMPARE(f.ctl<Label>("Label40").caption(),
                 QString("Выполнять щелчки по деталям буквы  Н  для показа содержимого их функций и графиков  "));
        // clang-format on
        const struct {
            const char* label;
            const char* caption;
            QPoint place;
        } captions[] = {{"Label45", "x(1)= 0", {880, 290}},
                        {"Label48", "y(2)=1,5", {970, 225}},
                        {"Label51", "x(3)=2", {1050, 290}}};
        for (const auto& c : captions) {
            auto& l = f.ctl<Label>(c.label);
            QVERIFY(l.isHidden());
            QCOMPARE(l.caption(), QString(c.caption));
            QCOMPARE(l.pos(), c.place);
        }
        // clang-format off
        QCOMPARE(f.ctl<Label>("Label49").caption(),
                 QString("Пределы для  x   от  0  до  2.   Прямолинейная функция. Прямолинейный горизонтальный "
                         "отрезок, поднятый вверх на 1,5."));
        // clang-format on
        QVERIFY(f.ctl("Label49").isHidden());
    }

    // A second lesson started from inside the first: the inner one runs to its end, the outer
    // preview ends at its next test and the outer lesson finishes over the inner one's result.
    void keyDuringALesson() {
        FormFixture f;
        f.click("Label224");
        f.menu("N6");
        CanvasRecorder rec(f.form().surface().canvas());
        bool injected = false;
        QTimer::singleShot(0, &f.form(), [&] {
            injected = true;
            f.click("Label5");  // "А"
        });
        f.click("Label14");  // "Н"
        QVERIFY(injected);
        QVERIFY(f.messages().shown().empty());

        int aSmall = 0, nSmall = 0, firstN = -1, lastA = -1, i = 0;
        for (const auto& l : rec.lines()) {
            if (l.colour == (qRgb(215, 17, 27) & 0xFFFFFF)) ++aSmall, lastA = i;
            if (l.colour == (kTeal.rgb() & 0xFFFFFF)) {
                ++nSmall;
                if (firstN < 0) firstN = i;
            }
            ++i;
        }
        QVERIFY(aSmall > 0 && nSmall > 0);
        QVERIFY(lastA < firstN);  // the inner small letter first
        QVERIFY(!f.ctl("ImA").isHidden());
        QVERIFY(!f.ctl("ImN").isHidden());
        QVERIFY(!f.ctl("HSN").isHidden());
        QCOMPARE(f.ctl<Label>("Label45").caption(), QString("x(1)= 0"));
        QCOMPARE(f.ctl<Label>("Label38").caption(), QString("А"));
        QCOMPARE(plotState.originX, 942);
        QCOMPARE(plotState.originY, 328);

        // The window still works: the next lesson cleans up after both.
        f.click("Label4");
        QVERIFY(f.ctl("ImA").isHidden());
        QVERIFY(f.ctl("ImN").isHidden());
        QVERIFY(!f.ctl("ImG").isHidden());
    }

    // Each of the 33 keys has a row of its own letter, naming controls the window has, and each
    // row's picture is one the program paints.
    void everyKeyHasItsRow() {
        FormFixture f;
        const QList<Label*> keys = letterKeys(f);
        QCOMPARE(keys.size(), 33);
        std::set<const LetterLesson*> rows;
        for (Label* key : keys) {
            const QByteArray name = key->objectName().toUtf8();
            const LetterLesson* l = findLessonByKey(name.constData());
            QVERIFY2(l, name.constData());
            rows.insert(l);
            QCOMPARE(QString(QChar(l->letter)), key->caption());
            QCOMPARE(findLesson(l->letter), l);
            QVERIFY(letterOfPicture(l->picture) != 0);
            for (const char* n : {l->slot, l->picture}) f.ctl(n);
            if (l->frameFrom) f.ctl(l->frameFrom);
            for (const HotspotPlace& h : l->hotspots) f.ctl(h.name);
            for (const FormulaLabel& fl : l->formulas) {
                f.ctl<Label>(fl.label);
                if (fl.descriptionLabel) f.ctl<Label>(fl.descriptionLabel);
            }
        }
        QCOMPARE(rows.size(), size_t(33));
        QCOMPARE(lessonsAtoO().size() + lessonsPtoYa().size(), size_t(33));
    }
};

QTEST_MAIN(LessonPipelineTest)
#include "test_lesson_pipeline.moc"
