// The large letters, drawn into the plane around its centre; the cell is about 72 px high on
// either side of the origin. Pen colour from the caller; width penWidth unless a row says so.
#include <cmath>

#include "StrokeCatalogue.h"
#include "StrokeTable.h"
// Last: the T(…) notation of the tables.
#include "StrokeExpr.h"

namespace {

StrokeRoutine letter(char16_t key, LoopRange r, StrokeWidth w, StepPause p,
                     std::vector<StrokePart> parts,
                     StrokeLoop::Advance advance = StrokeLoop::OneStep) {
    return StrokeRoutine{key, {StrokeLoop{r, w, p, std::move(parts), std::nullopt, advance}}};
}

// Parts that several letters share.

// The bowl of "Б", "Ь" and "Ъ": stem, bowl arc, its two horizontals.
std::vector<StrokePart> softSignParts() {
    return {grow(-46, -1, -46, T(-1 + 115 * t)), dot(T(46 - 89 * t * t), T(35 + 58 * t)),
            grow(-46, -1, T(-9 + 30 * t), -1), grow(-46, 71, T(-9 + 30 * t), 71)};
}

// "Р", and the upper half of "В".
std::vector<StrokePart> erParts() {
    return {grow(-46, -1, -46, T(-1 + 116.5 * t)), grow(-45, -71, T(-10 + 35 * t), -71),
            grow(-45, -1, T(-11 + 35 * t), -1), dot(T(46 - 90 * t * t), T(-37 + 56.5 * t))};
}

std::vector<StrokePart> yeParts() {
    return {grow(-46, 0, -46, T(73.5 * t)), grow(-46, -71, T(47 * t), -71),
            grow(-45, 0, T(46 * t), 0), grow(-46, 71, T(46 * t), 71)};
}

std::vector<StrokePart> iParts() {
    return {grow(-46, 0, -46, T(71.5 * t)), grow(46, 0, 46, T(71.5 * t)),
            grow(1, 0, T(1 - 44 * t), T(69 * t))};
}

// "Ш" is traced as four chains of dots: three uprights and the base line.
std::vector<StrokePart> shaParts() {
    return {dot(-60, T(-75 * t)), dot(60, T(-75 * t)), dot(0, T(-75 * t)),
            dot(T(-1 + 62.4 * t), 71)};
}

std::vector<StrokeRoutine> buildTable() {
    const StrokeWidth pw = kPlotPenWidth;
    const StepPause sd = kStepDelay;
    const LoopRange half = range(-0.62, 0.62, 0.01);  // letters with a bowl
    const LoopRange full = range(-0.97, 0.97, 0.01);  // letters of straight strokes
    // clang-format off
    std::vector<StrokeRoutine> rows{
        letter(u'А', callerRange(0.01), pw, sd,
               {grow(0, -73, T(-48 * t), T(-73 + 144 * t)),
                grow(1, -73, T(1 + 48 * t), T(-73 + 144 * t)), fixed(-28, 15, 28, 15)}),
        letter(u'Б', half, pw, sd, join(softSignParts(), {grow(-46, -71, T(73 * t), -71)})),
        letter(u'В', half, pw, sd,
               join(erParts(), {dot(T(46 - 89 * t * t), T(35 + 58 * t)),
                                grow(-46, -1, T(-9 + 30 * t), -1),
                                grow(-46, 71, T(-9 + 30 * t), 71)})),
        letter(u'Г', full, pw, sd, {grow(-46, 0, -46, T(74 * t)), grow(-46, -71, T(47 * t), -71)}),
        // The first step of "Д" only advances t: its first drawn t is 0.002.
        letter(u'Д', range(0, 1.27, 0.001), pw, pauseMs(1),
               {grow(-13, -71, T(-17 + 48.5 * t), -71), grow(45, -71, 45, T(-71 + 110 * t)),
                grow(-55, 70, T(-52 + 80 * t), 70), dot(T(-52 + 28 * t), T(70 - 87 * t * t)),
                fixed(-55, 70, -55, 84), fixed(52, 70, 52, 84)},
               StrokeLoop::FirstStepOnlyAdvances),
        letter(u'Е', full, pw, sd, yeParts()),
        // The two dots in a wider pen; the next step starts again with penWidth.
        letter(u'Ё', full, pw, sd,
               join(yeParts(), {widthSwitch(pixels(6)), ellipseInBox(-34, -84, -27, -77),
                                ellipseInBox(27, -85, 34, -78)})),
        letter(u'З', range(0, 4.6, 0.01), pw, sd,
               {dot(T(-45 * std::cos(t)), T(-36 - 36 * std::sin(t))),
                dot(T(45 * std::sin(t)), T(36 - 36 * std::cos(t)))}),
        letter(u'И', range(-1, 1, 0.01), pw, sd, iParts()),
        // "Й": the letter "И", then the breve with t advanced twice per dot.
        StrokeRoutine{u'Й',
                      {StrokeLoop{range(-1, 1, 0.01), pw, sd, iParts()},
                       StrokeLoop{range(-0.25, 0.25, 0.01), pw, sd,
                                  {dot(T(150 * t), T(-85 - 100 * t * t))}, std::nullopt,
                                  StrokeLoop::TwoStepsPerStep}}},
        letter(u'К', range(0, 1.9, 0.01), pw, sd,
               {grow(-46, -72, -46, T(-72 + 75 * t)), grow(-46, 0, T(-46 + 15 * t), 0),
                dot(T(-16 + 32.5 * t), T(-19.65 * t * t)), dot(T(-16 + 32.5 * t), T(19.5 * t * t))}),
        letter(u'Л', range(0, 1.27, 0.001), pw, pauseMs(1),
               {grow(-13, -71, T(-17 + 48.5 * t), -71), grow(45, -71, 45, T(-71 + 110 * t)),
                dot(T(-52 + 28 * t), T(71 - 88 * t * t)), fixed(-50, 72, -60, 72)}),
        // The V of "М" in a pen of 4.
        letter(u'М', range(-1.3, 1.3, 0.01), pw, sd,
               {grow(-60, -72, -60, T(56 * std::abs(t))), grow(61, -72, 61, T(56 * std::abs(t))),
                widthSwitch(pixels(4)), grow(-1, 73, T(-1 + 46 * t), T(73 - 112 * std::abs(t)))}),
        letter(u'Н', full, pw, sd,
               {grow(-46, 0, -46, T(74 * t)), grow(46, 0, 46, T(74 * t)),
                grow(-45, 0, T(46 * t), 0)}),
        letter(u'О', range(0, 7, 0.01), pw, sd, {dot(T(47 * std::cos(t)), T(-72 * std::sin(t)))}),
        letter(u'П', full, pw, sd,
               {grow(-46, 0, -46, T(74 * t)), grow(46, 0, 46, T(74 * t)),
                grow(-46, -71, T(47 * t), -71)}),
        letter(u'Р', half, pw, sd, erParts()),
        // The arc leaves its gap on the right.
        letter(u'С', range(0.8, 5.6, 0.01), pw, sd,
               {dot(T(47 * std::cos(t)), T(-72 * std::sin(t)))}),
        letter(u'Т', full, pw, sd, {grow(0, 0, 0, T(74 * t)), grow(-46, -71, T(47 * t), -71)}),
        letter(u'У', range(0, 2, 0.001), pw, pauseMs(1),
               {dot(T(-46 + 46.5 * t), T(70 - 47 * (t - 0.27) * (t - 0.27))),
                grow(-47, -70, T(-47 + 30 * t), T(-70 + 45 * t))}),
        // The oval of "Ф" in a pen of 5, its stem in penWidth.
        letter(u'Ф', range(0, 7, 0.01), pixels(5), sd,
               {dot(T(1 + 61 * std::cos(t)), T(-50 * std::sin(t))), widthSwitch(pw),
                grow(0, -72, 0, T(-71 + 20.2 * t))}),
        letter(u'Х', range(0, 2, 0.01), pixels(4), sd,
               {grow(46, -70, T(46 - 46 * t), T(-70 + 70.5 * t)),
                grow(46, 70, T(46 - 46 * t), T(70 - 70.5 * t))}),
        letter(u'Ц', full, pw, sd,
               {grow(-46, 0, -46, T(73.5 * t)), grow(46, 0, 46, T(73.5 * t)),
                grow(-46, 71, T(46 * t), 71), fixed(50, 70, 50, 86)}),
        letter(u'Ч', range(0, 2, 0.01), pw, pauseMs(5),
               {grow(-46, -71, -46, T(-72 + 36 * t)), grow(46, -71, 46, T(-72 + 72 * t)),
                grow(-46, 0, T(20.16 * t), 0)}),
        letter(u'Ш', full, pw, sd, shaParts()),
        letter(u'Щ', full, pw, sd, join(shaParts(), {fixed(63, 72, 63, 89)})),
        letter(u'Э', callerRange(0.01), pw, sd,
               {dot(T(-47 * std::cos(t)), T(-71.52 * std::sin(t))),
                grow(48, -1, T(48 - 8.4 * t), -1)}),
        // The stem of "Ю" grows up and down from the centre: both its ends move.
        letter(u'Ю', range(0, 7, 0.01), pw, sd,
               {fixed(-60, T(-10.2 * t), -60, T(10.2 * t)), fixed(-60, 0, -30, 0),
                widthSwitch(pixels(5)), dot(T(15 + 45.6 * std::cos(t)), T(-71.5 * std::sin(t)))}),
        letter(u'Ь', half, pw, sd, softSignParts()),
        letter(u'Ъ', half, pw, sd, join(softSignParts(), {fixed(-64, -71, -46, -71)})),
        letter(u'Ы', half, pw, sd,
               {dot(-56, T(1 - 117 * t)), dot(T(46 - 89 * t * t), T(35 + 58 * t)),
                grow(-54, -1, T(-9 + 30 * t), -1), grow(-54, 71, T(-9 + 30 * t), 71),
                dot(56, T(1 - 117 * t))}),
        letter(u'Я', half, pw, sd,
               {dot(T(-47 + 100 * t * t), T(-34 + 63.1 * t)), grow(45, -2, 45, T(-2 + 116.5 * t)),
                fixed(-9, -72, 45, -72), fixed(-8, 5, 42, 5),
                grow(-18, 37, T(-18 - 49 * t), T(37 + 53 * t))}),
    };
    // clang-format on
    return rows;
}

const std::vector<StrokeRoutine>& table() {
    static const std::vector<StrokeRoutine> rows = buildTable();
    return rows;
}

}  // namespace

bool hasLargeLetterRoutine(QChar letter) {
    return findRoutine(table(), letter.unicode()) != nullptr;
}

void LargeLetterRoutine(QChar letter) {
    if (const StrokeRoutine* r = findRoutine(table(), letter.unicode())) runStrokeRoutine(*r);
}
