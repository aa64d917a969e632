// The formula captions of the 33 lessons and of the 14 example letters, checked against what the
// program draws. Each caption is read as the graph a pupil would type in Function mode
// (readLessonFormulas), compiled by the program's parser and sampled as Function mode plots it
// (graphDots: 0.01 a step, 50 px a unit across, 49 up, the origin 3 px raised). It is compared
// with the stroke it names, in window pixels:
//   - a lesson caption with the highlight of the part pick that shows it: the lesson and the pick
//     run on the real window, offscreen, and the highlight is read from the canvas, in the
//     highlight colours, over the clicked part (its hotspots grown by 12 px), for a guide line
//     drawn across the whole plane is the line of which the part is a piece;
//   - an example caption with the example graph of its number, as Function mode redraws it.
// A caption is true when every dot of its curve lies within 12 px of the stroke and at least 80 %
// of the stroke lies within 12 px of the curve. Strokes above y = 3 (the dots of "Ё", the breve
// of "Й"), which Function mode does not draw, are compared unclipped and marked so.
//
// The table of verdicts is written to lesson-formulas.txt beside the test and must equal
// lesson_formulas_expected.txt: a caption, a range or a stroke changed changes the table.
#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <set>
#include <vector>

#include "AlphabetScreen.h"
#include "ExampleLetters.h"
#include "Fonts.h"
#include "GraphList.h"
#include "LessonFormulas.h"
#include "LetterLesson.h"
#include "ParserErrors.h"
#include "PartPicks.h"
#include "TParser.h"

namespace {

constexpr int kNear = 12;          // px
constexpr double kCovered = 80.0;  // % of the stroke
const QPoint kOrigin(942, 328);    // the centre of the plane
const QRect kPlane(697, 86, 491, 484);
// Function mode draws nothing above y = 3,01: a stroke well above the letter's top (y = 3,1, the
// dots of "Ё" and the breve of "Й") is compared unclipped.
const int kTopRow = 325 - int(3.1 * 49);

bool highlight(const QColor& c) {
    if (c.alpha() == 0) return false;
    const QRgb rgb = c.rgb() & 0xFFFFFF;
    return rgb == 0xFF961B || rgb == 0xFF0000 || rgb == 0x800000;
}

// Distances between two sets of pixels: the largest distance of a point of `from` to `to`, and
// the share of `to` within kNear of `from`.
struct Fit {
    double largest = std::numeric_limits<double>::infinity();
    double coverage = 0;
    bool holds() const { return largest <= kNear && coverage >= kCovered; }
};

// The squared distance to the nearest pixel of `set` for every pixel of `box` (two passes of the
// exact one-dimensional transform).
std::vector<double> distanceField(const std::vector<QPoint>& set, const QRect& box) {
    const int w = box.width(), h = box.height();
    constexpr double kFar = 1e18;
    std::vector<double> f(size_t(w) * size_t(h), kFar);
    for (const QPoint& p : set)
        f[size_t(p.y() - box.top()) * size_t(w) + size_t(p.x() - box.left())] = 0;
    auto pass = [](std::vector<double>& line) {
        const int n = int(line.size());
        const size_t count = line.size();
        std::vector<double> out(count), z(count + 1);
        std::vector<int> v(count);
        int k = 0;
        v[0] = 0;
        z[0] = -kFar;
        z[1] = kFar;
        for (int q = 1; q < n; ++q) {
            double s;
            while (true) {
                const int r = v[size_t(k)];
                s = ((line[size_t(q)] + double(q) * q) - (line[size_t(r)] + double(r) * r)) /
                    (2.0 * q - 2.0 * r);
                if (s <= z[size_t(k)] && k > 0) {
                    --k;
                    continue;
                }
                break;
            }
            if (s <= z[size_t(k)]) {  // k == 0
                v[0] = q;
                z[0] = -kFar;
                z[1] = kFar;
                continue;
            }
            ++k;
            v[size_t(k)] = q;
            z[size_t(k)] = s;
            z[size_t(k) + 1] = kFar;
        }
        k = 0;
        for (int q = 0; q < n; ++q) {
            while (z[size_t(k) + 1] < q) ++k;
            const int r = v[size_t(k)];
            out[size_t(q)] = double(q - r) * (q - r) + line[size_t(r)];
        }
        line = out;
    };
    std::vector<double> line;
    for (int x = 0; x < w; ++x) {
        line.assign(size_t(h), 0);
        for (int y = 0; y < h; ++y) line[size_t(y)] = f[size_t(y) * size_t(w) + size_t(x)];
        pass(line);
        for (int y = 0; y < h; ++y) f[size_t(y) * size_t(w) + size_t(x)] = line[size_t(y)];
    }
    for (int y = 0; y < h; ++y) {
        line.assign(f.begin() + long(y) * w, f.begin() + long(y + 1) * w);
        pass(line);
        std::copy(line.begin(), line.end(), f.begin() + long(y) * w);
    }
    return f;
}

Fit fit(const std::vector<QPoint>& curve, const std::vector<QPoint>& stroke) {
    Fit r;
    if (curve.empty() || stroke.empty()) return r;
    QRect box;
    for (const QPoint& p : curve) box |= QRect(p, QSize(1, 1));
    for (const QPoint& p : stroke) box |= QRect(p, QSize(1, 1));
    const auto at = [&box](const std::vector<double>& f, const QPoint& p) {
        return f[size_t(p.y() - box.top()) * size_t(box.width()) + size_t(p.x() - box.left())];
    };
    const std::vector<double> toStroke = distanceField(stroke, box);
    r.largest = 0;
    for (const QPoint& p : curve) r.largest = std::max(r.largest, std::sqrt(at(toStroke, p)));
    const std::vector<double> toCurve = distanceField(curve, box);
    int near = 0;
    for (const QPoint& p : stroke) near += at(toCurve, p) <= double(kNear) * kNear;
    r.coverage = 100.0 * near / double(stroke.size());
    return r;
}

std::vector<QPoint> distinct(const std::vector<QPoint>& points) {
    std::set<std::pair<int, int>> seen;
    std::vector<QPoint> out;
    for (const QPoint& p : points)
        if (seen.insert({p.x(), p.y()}).second) out.push_back(p);
    return out;
}

// Whether an expression compiles; the parser's message where it does not.
QString compileError(const QString& expr) {
    try {
        TParser p;
        p.SetExpression(expr.toStdString());
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

bool aboveTheTop(const std::vector<QPoint>& stroke) {
    const auto above = std::count_if(stroke.begin(), stroke.end(),
                                     [](const QPoint& p) { return p.y() < kTopRow; });
    return !stroke.empty() && 2 * above > long(stroke.size());
}

QString number(double v) {
    return QString::number(v, 'g', 6).replace(u'.', u',');
}

// One row of the table: a curve and the stroke it names.
struct Row {
    QString letter, part, labels, caption, limits, reading, notes;
    QString verdict;  // ВЕРНО, НЕВЕРНО, НЕ ПРОЧИТАНА, НЕТ ШТРИХА
    Fit fit;
    bool unclipped = false;

    QString line() const {
        const bool measured = std::isfinite(fit.largest);
        return QStringList{letter,
                           part,
                           labels,
                           caption,
                           limits,
                           reading,
                           verdict + (unclipped ? QStringLiteral(" (без отсечения)") : QString()),
                           measured ? QString::number(fit.largest, 'f', 1) : QStringLiteral("-"),
                           measured ? QString::number(fit.coverage, 'f', 1) : QStringLiteral("-"),
                           notes}
            .join(QStringLiteral(" | "));
    }
};

QString limitsOf(const LessonGraph& g) {
    if (!g.hasLimits) return QStringLiteral("-");
    QString s = QStringLiteral("%1 … %2 (%3").arg(number(g.from), number(g.to), g.limitsLabel);
    if (!g.limitsOf.isEmpty()) s += QStringLiteral(", для ") + g.limitsOf;
    if (g.letterArc)
        s += QStringLiteral(", «Для буквы»; фигура %1 … %2")
                 .arg(number(g.wholeFrom), number(g.wholeTo));
    return s + u')';
}

// Judges curves (read from captions) against a stroke.
void judge(Row& row, const std::vector<const LessonGraph*>& graphs,
           const std::vector<QPoint>& stroke, bool unclipped) {
    QStringList reading, limits, notes;
    std::vector<QPoint> curve;
    for (const LessonGraph* g : graphs) {
        reading << QStringLiteral("x=%1; y=%2").arg(g->xExpr, g->yExpr);
        limits << limitsOf(*g);
        notes << g->notes;
        if (!g->readable()) {
            row.verdict = QStringLiteral("НЕ ПРОЧИТАНА");
            notes << g->unreadable;
            continue;
        }
        for (const QString& e : {g->xExpr, g->yExpr})
            if (const QString error = compileError(e); !error.isEmpty()) {
                row.verdict = QStringLiteral("НЕ ПРОЧИТАНА");
                notes << QStringLiteral("не компилируется: ") + e;
            }
        const auto dots = graphlist::graphDots(GraphSlot{g->xExpr, g->yExpr, g->from, g->to},
                                               kOrigin, !unclipped);
        curve.insert(curve.end(), dots.begin(), dots.end());
    }
    notes.removeDuplicates();
    row.reading = reading.join(QStringLiteral(" + "));
    row.limits = limits.join(QStringLiteral(" + "));
    row.notes = notes.join(QStringLiteral("; "));
    row.unclipped = unclipped;
    if (!row.verdict.isEmpty()) return;
    if (stroke.empty()) {
        row.verdict = QStringLiteral("НЕТ ШТРИХА");
        return;
    }
    if (curve.empty()) {
        row.verdict = QStringLiteral("НЕВЕРНО");
        row.notes += (row.notes.isEmpty() ? QString() : QStringLiteral("; ")) +
                     QStringLiteral("ни одной точки на плоскости");
        return;
    }
    row.fit = fit(distinct(curve), stroke);
    row.verdict = row.fit.holds() ? QStringLiteral("ВЕРНО") : QStringLiteral("НЕВЕРНО");
}

// Alphabet mode entered as a user enters it.
struct AlphabetScreen : AlphabetFixture {
    void pick(const QString& name, PartPick::Event event) {
        QWidget& w = ctl(name);
        QPoint at = visiblePoint(w);
        if (at.x() < 0) at = w.rect().center();
        pickAt(w, at,
               event == PartPick::MouseDown ? Press
               : event == PartPick::Click   ? Click
                                            : Right);
        pacing::processPendingEvents();
    }

    // The highlight pixels inside `area`.
    std::vector<QPoint> highlightIn(const QRect& area) {
        std::vector<QPoint> out;
        const QRect r = area & kPlane;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (highlight(canvas().pixel(x, y))) out.emplace_back(x, y);
        return out;
    }
};

const char* eventName(PartPick::Event e) {
    switch (e) {
        case PartPick::MouseDown:
            return "нажатие";
        case PartPick::Click:
            return "щелчок";
        case PartPick::ContextPopup:
            return "правый щелчок";
    }
    return "";
}

// The picks a lesson offers: every row that one of its hotspots or its picture runs (and the
// strips a picture reveals), with the controls that share it.
struct OfferedPick {
    const PartPick* row;
    PartPick::Event event;
    QStringList controls;
};

// The captions, prefixes and descriptions around the plane, Label45 … Label61.
bool formulaLabel(const char* name) {
    const QString n = QString::fromLatin1(name);
    const int k = n.startsWith(QLatin1String("Label")) ? n.mid(5).toInt() : 0;
    return k >= 45 && k <= 61;
}

std::vector<OfferedPick> offeredPicks(const LetterLesson& lesson) {
    const QString letter(QChar(lesson.letter));
    QStringList controls;
    for (const HotspotPlace& h : lesson.hotspots) controls << QString::fromLatin1(h.name);
    controls << QString::fromLatin1(lesson.picture);
    std::vector<OfferedPick> out;
    for (int i = 0; i < controls.size(); ++i) {
        for (PartPick::Event e : {PartPick::MouseDown, PartPick::Click, PartPick::ContextPopup}) {
            const PartPick* row = findPartPick(controls[i], e, letter);
            if (!row) continue;
            for (const char* shown : row->shows)
                if (!formulaLabel(shown) && !controls.contains(QString(shown)))
                    controls << QString::fromLatin1(shown);  // the strips of "Х"
            auto same = std::find_if(out.begin(), out.end(), [&](const OfferedPick& o) {
                return o.row == row && o.event == e;
            });
            if (same == out.end())
                out.push_back({row, e, {controls[i]}});
            else
                same->controls << controls[i];
        }
    }
    return out;
}

QStringList shownCaptions(const PartPick& row) {
    QStringList out;
    for (const char* s : row.shows) out << QString::fromLatin1(s);
    return out;
}

std::vector<Row> lessonRows() {
    std::vector<Row> rows;
    AlphabetScreen f;
    std::vector<LetterLesson> lessons(lessonsAtoO().begin(), lessonsAtoO().end());
    lessons.insert(lessons.end(), lessonsPtoYa().begin(), lessonsPtoYa().end());
    for (const LetterLesson& lesson : lessons) {
        const QString letter(QChar(lesson.letter));
        const std::vector<LessonGraph> graphs = readLessonFormulas(lesson);
        std::vector<bool> named(graphs.size(), false);
        const std::vector<OfferedPick> offered = offeredPicks(lesson);
        for (const OfferedPick& o : offered) {
            std::vector<const LessonGraph*> shown;
            const QStringList labels = shownCaptions(*o.row);
            for (size_t i = 0; i < graphs.size(); ++i) {
                if (std::any_of(graphs[i].captionLabels.begin(), graphs[i].captionLabels.end(),
                                [&](const QString& l) { return labels.contains(l); })) {
                    shown.push_back(&graphs[i]);
                    named[i] = true;
                }
            }
            if (shown.empty()) continue;
            // As a pupil meets it: right after the lesson; the right dot of "Ё" after the left one,
            // whose colour it keeps.
            f.lesson(letter);
            if (o.controls.contains("ShapPJO")) f.pick("ShapLJO", PartPick::MouseDown);
            for (const char* strip : {"Label68", "Label70"})
                if (o.controls.contains(strip)) f.pick("ImXa", PartPick::Click);
            f.pick(o.controls.front(), o.event);
            // The stroke the pick names: its highlight over the part the pupil clicked (the
            // part's hotspots grown by 12 px); a guide line drawn across the plane is the line of
            // which the part is a piece.
            // Strips that explain the same captions (the two halves of the oval of "Ф") name one
            // part together.
            QRect part;
            for (const OfferedPick& same : offered)
                if (same.event == o.event && shownCaptions(*same.row) == labels)
                    for (const QString& c : same.controls)
                        if (f.ctl(c).isVisible()) part |= f.ctl(c).geometry();
            std::vector<QPoint> stroke = f.highlightIn(part.adjusted(-kNear, -kNear, kNear, kNear));
            Row row;
            row.letter = letter;
            row.part = o.controls.join(u'/') + QStringLiteral(" (") + eventName(o.event) + u')';
            if (stroke.empty()) {
                stroke = f.highlightIn(kPlane);
                row.part += QStringLiteral(" [штрих вне детали]");
            }
            QStringList captions, ownLabels;
            for (const LessonGraph* g : shown) {
                captions << g->caption;
                ownLabels << g->captionLabels;
            }
            ownLabels.removeDuplicates();
            captions.removeDuplicates();
            row.labels = ownLabels.join(u'+');
            row.caption = captions.join(QStringLiteral(" ++ "));
            judge(row, shown, stroke, aboveTheTop(stroke));
            rows.push_back(row);
        }
        for (size_t i = 0; i < graphs.size(); ++i) {
            if (named[i]) continue;
            Row row;
            row.letter = letter;
            row.part = QStringLiteral("-");
            row.labels = graphs[i].captionLabels.join(u'+');
            row.caption = graphs[i].caption;
            judge(row, {&graphs[i]}, {}, false);
            if (row.verdict == QStringLiteral("НЕТ ШТРИХА"))
                row.notes += (row.notes.isEmpty() ? QString() : QStringLiteral("; ")) +
                             QStringLiteral("ни одна деталь не показывает подпись");
            rows.push_back(row);
        }
    }
    return rows;
}

std::vector<Row> exampleRows() {
    std::vector<Row> rows;
    for (const ExampleLetter& e : exampleletters::rows()) {
        std::vector<FormulaLabel> labels;
        for (const ExampleCaption& c : e.captions)
            labels.push_back({c.label, c.text, c.left, c.top});
        std::vector<LessonGraph> graphs = readFormulaLabels(labels);
        for (LessonGraph& g : graphs) {
            Row row;
            row.letter = QString(exampleletters::letterOf(e)) + QStringLiteral(" (пример)");
            row.labels = g.captionLabels.join(u'+');
            row.caption = g.caption;
            const int n = g.number;
            if (n < 1 || n > int(e.graphs.size())) {
                row.part = QStringLiteral("-");
                judge(row, {&g}, {}, false);
                row.notes += (row.notes.isEmpty() ? QString() : QStringLiteral("; ")) +
                             QStringLiteral("нет графика %1").arg(n);
                rows.push_back(row);
                continue;
            }
            auto slotOf = [&e](int k) {
                const ExampleGraph& eg = e.graphs[size_t(k - 1)];
                return GraphSlot{eg.x, eg.y, eg.start, eg.end};
            };
            const GraphSlot drawn = slotOf(n);
            g.hasLimits = true;
            g.from = drawn.startValue;
            g.to = drawn.endValue;
            g.limitsLabel = QStringLiteral("график %1").arg(n);
            std::vector<QPoint> stroke = graphlist::graphDots(drawn, kOrigin);
            const bool unclipped = stroke.empty();
            if (unclipped) stroke = graphlist::graphDots(drawn, kOrigin, false);
            row.part = QStringLiteral("график %1: x=%2; y=%3").arg(n).arg(drawn.xExpr, drawn.yExpr);
            judge(row, {&g}, distinct(stroke), unclipped);
            if (row.verdict == QStringLiteral("НЕВЕРНО")) {
                // Which other graph of the example the caption would fit.
                for (int k = 1; k <= int(e.graphs.size()); ++k) {
                    if (k == n) continue;
                    LessonGraph other = g;
                    other.from = slotOf(k).startValue;
                    other.to = slotOf(k).endValue;
                    Row trial = row;
                    trial.verdict.clear();
                    judge(trial, {&other},
                          distinct(graphlist::graphDots(slotOf(k), kOrigin, !unclipped)),
                          unclipped);
                    if (trial.fit.holds())
                        row.notes += (row.notes.isEmpty() ? QString() : QStringLiteral("; ")) +
                                     QStringLiteral("подходит к графику %1").arg(k);
                }
            }
            rows.push_back(row);
        }
    }
    return rows;
}

QString expectedTablePath() {
    return QStringLiteral(LESSON_FORMULAS_EXPECTED);
}

}  // namespace

class LessonFormulasTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    // --- Reading the notation ------------------------------------------------------------------

    void readsTheNotation_data() {
        QTest::addColumn<QStringList>(
            "captions");  // label, caption, description label, description …
        QTest::addColumn<QStringList>("expected");  // per graph: "x; y; from; to"
        QTest::addColumn<QString>("note");          // a note that one of the graphs must carry
        const QString xLimits =
            QStringLiteral("Пределы для  x   от  0  до  2,3.   Квадратная функция.");
        QTest::newRow("a crossbar: y only, a decimal comma")
            << QStringList{"Label48", "y(2)=1,5", "Label49",
                           "Пределы для  x   от  0  до  2.   Прямолинейная функция."}
            << QStringList{"x; 1.5; 0; 2"} << QString();
        QTest::newRow("an upright: x only, the range of the parameter")
            << QStringList{"Label51", "x(3)=1,15", "Label52",
                           "Пределы для x   от  0  до  3.  Функция."}
            << QStringList{"1.15; x; 0; 3"} << QString();
        QTest::newRow("x and y of one curve in one caption, the range from the doubled «от»")
            << QStringList{"Label57", "x(5)=2-1.2*x*x;    y(5)=2,25+x", "Label58",
                           "Пределы для  y5    от от  1,5  до  3.    Квадратная функция."}
            << QStringList{"2-1.2*x*x; 2.25+x; 1.5; 3"}
            << QStringLiteral("«от» повторено в пределах");
        QTest::newRow("x and y of one curve in two captions, the range from the first")
            << QStringList{"Label57", "x(5)=2-1.2*x*x",
                           "Label58", "Пределы для  x    от от  1,2  до 2.",
                           "Label60", "y(5)=0,77+x",
                           "",        ""}
            << QStringList{"2-1.2*x*x; 0.77+x; 1.2; 2"} << QString();
        QTest::newRow(
            "an ellipse from a sine and a cosine, the Cyrillic parameter, the letter's arc")
            << QStringList{"Label45",
                           "y(1)=1,5*sin(а)",
                           "Label46",
                           "Для него пределы аргумента  (а)  от  0  до  7. Для буквы  пределы "
                           "аргумента  (а)  от  0,8  до  5,6",
                           "Label48",
                           "y(2)=cos(а)",
                           "Label49",
                           "Пределы аргумента (a) от 0 до 7."}
            << QStringList{"cos(x); 1.5*sin(x); 0.8; 5.6"}
            << QStringLiteral("параметр a прочитан как x");
        QTest::newRow("two parabolas of a ring in one caption, braces and a missing product")
            << QStringList{"Label57", "y(5)=3.16+{x+0,41)*{x+0,41); y(6)=3.16-0,5(x+0,41)(x+0,41)",
                           "Label58", "Пределы для  x  от  0,36 до  0,46."}
            << QStringList{"x; 3.16+(x+0.41)*(x+0.41); 0.36; 0.46",
                           "x; 3.16-0.5*(x+0.41)*(x+0.41); 0.36; 0.46"}
            << QStringLiteral("«{» прочитана как «(»");
        QTest::newRow("a prefix label before its caption, a missing «=» elsewhere")
            << QStringList{"Label45", "y(1)x*x", "Label46", xLimits,
                           "Label53", "y4=",     "",        "",
                           "Label54", "0,2",     "Label55", "Пределы  x4     от  -1,8  до  -1,7."}
            << QStringList{"x; x*x; 0; 2.3", "x; 0.2; -1.8; -1.7"}
            << QStringLiteral("нет знака «=»");
        QTest::newRow("a caption that names no coordinate is kept, unreadable")
            << QStringList{"Label54", "0,2", "Label55", xLimits} << QStringList{"unreadable"}
            << QString();
        QTest::newRow("an empty range is read and told")
            << QStringList{"Label57", "y(5)= 2,40", "Label58",
                           "Пределы для  x    от  2,3  до  2,3."}
            << QStringList{"x; 2.40; 2.3; 2.3"} << QStringLiteral("пустой промежуток");
    }
    void readsTheNotation() {
        QFETCH(QStringList, captions);
        QFETCH(QStringList, expected);
        QFETCH(QString, note);
        std::vector<QByteArray> texts;
        for (const QString& s : captions) texts.push_back(s.toUtf8());
        std::vector<FormulaLabel> labels;
        for (size_t i = 0; i + 3 < texts.size(); i += 4)
            labels.push_back({texts[i].constData(), texts[i + 1].constData(), 0, 0,
                              texts[i + 2].isEmpty() ? nullptr : texts[i + 2].constData(),
                              texts[i + 3].isEmpty() ? nullptr : texts[i + 3].constData()});
        const std::vector<LessonGraph> graphs = readFormulaLabels(labels);
        QStringList got;
        QStringList notes;
        for (const LessonGraph& g : graphs) {
            notes << g.notes;
            got << (g.readable() ? QStringLiteral("%1; %2; %3; %4")
                                       .arg(g.xExpr, g.yExpr)
                                       .arg(g.from)
                                       .arg(g.to)
                                 : QStringLiteral("unreadable"));
        }
        QCOMPARE(got, expected);
        if (!note.isEmpty()) QVERIFY2(notes.contains(note), qPrintable(notes.join(" / ")));
    }

    // --- Every caption against its stroke ---------------------------------------------------

    void everyCaptionAgainstItsStroke() {
        std::vector<Row> rows = lessonRows();
        const std::vector<Row> examples = exampleRows();
        rows.insert(rows.end(), examples.begin(), examples.end());

        int right = 0, wrong = 0, unread = 0, unmatched = 0;
        QStringList table{
            QStringLiteral("буква | деталь | подписи | подпись | пределы | прочтение | вердикт | "
                           "наиб. расстояние, px | "
                           "покрытие, % | замечания")};
        for (const Row& r : rows) {
            table << r.line();
            right += r.verdict == QStringLiteral("ВЕРНО");
            wrong += r.verdict == QStringLiteral("НЕВЕРНО");
            unread += r.verdict == QStringLiteral("НЕ ПРОЧИТАНА");
            unmatched += r.verdict == QStringLiteral("НЕТ ШТРИХА");
        }
        table << QStringLiteral("всего %1: верно %2, неверно %3, не прочитано %4, без штриха %5")
                     .arg(rows.size())
                     .arg(right)
                     .arg(wrong)
                     .arg(unread)
                     .arg(unmatched);
        const QByteArray text = table.join(u'\n').toUtf8() + '\n';
        std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
        QFile out(QStringLiteral("lesson-formulas.txt"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text);
        out.close();

        QFile expectedFile(expectedTablePath());
        QVERIFY2(expectedFile.open(QIODevice::ReadOnly), qPrintable(expectedTablePath()));
        const QStringList expected = QString::fromUtf8(expectedFile.readAll()).split(u'\n');
        const QStringList actual = QString::fromUtf8(text).split(u'\n');
        for (int i = 0; i < std::max(expected.size(), actual.size()); ++i) {
            const QString e = i < expected.size() ? expected[i] : QString();
            const QString a = i < actual.size() ? actual[i] : QString();
            QVERIFY2(e == a,
                     qPrintable(
                         QStringLiteral("строка %1 таблицы изменилась (%2):\n было: %3\n стало: %4")
                             .arg(i + 1)
                             .arg(QFileInfo(out).absoluteFilePath(), e, a)));
        }
    }
};

QTEST_MAIN(LessonFormulasTest)
#include "test_lesson_formulas.moc"
