// The small letters, drawn into a slot around its centre; the cell is about 48 px high on either
// side of the origin. Pen colour from the caller; width 5 unless a row says so.
#include <cmath>

#include "StrokeCatalogue.h"
#include "StrokeTable.h"
// Last: the T(…) notation of the tables.
#include "StrokeExpr.h"

namespace {

StrokeRoutine letter(char16_t key, LoopRange r, StrokeWidth w, StepPause p,
                     std::vector<StrokePart> parts) {
    return StrokeRoutine{key, {StrokeLoop{r, w, p, std::move(parts)}}};
}

std::vector<StrokePart> softSignParts() {
    return {grow(-31, 0, -31, T(78 * t)), dot(T(30 - 49 * t * t), T(23 + 40 * t)),
            grow(-31, -1, T(-9 + 30 * t), -1), grow(-31, 48, T(-9 + 30 * t), 48)};
}

std::vector<StrokePart> iParts() {
    return {grow(-31, 0, -31, T(50 * t)), grow(29, 0, 29, T(50 * t)),
            grow(0, 0, T(-29 * t), T(49 * t))};
}

std::vector<StrokeRoutine> buildTable() {
    const StrokeWidth w5 = pixels(5);
    const StepPause sd = kStepDelay;
    const LoopRange half = range(-0.62, 0.62, 0.01);
    const LoopRange full = range(-0.97, 0.97, 0.01);
    // clang-format off
    std::vector<StrokeRoutine> rows{
        letter(u'А', callerRange(0.01), w5, sd,
               {grow(0, -47, T(-32 * t), T(-47 + 93 * t)), grow(0, -47, T(29 * t), T(-47 + 93 * t)),
                fixed(-16, 5, 16, 5)}),
        letter(u'Б', half, w5, sd,
               {grow(-31, 0, -31, T(77.5 * t)), dot(T(30 - 49 * t * t), T(23 + 40 * t)),
                grow(-31, -1, T(-9 + 30 * t), -1), grow(-31, 48, T(-9 + 30 * t), 48),
                grow(-30, -47, T(46 * t), -47)}),
        letter(u'В', half, w5, sd,
               {grow(-31, 0, -31, T(77.5 * t)), dot(T(30 - 49 * t * t), T(-23 + 37.5 * t)),
                grow(-31, 1, T(-9 + 30 * t), 1), grow(-31, -47, T(-9 + 30 * t), -47),
                dot(T(30 - 49 * t * t), T(23 + 37.5 * t)), grow(-31, 48, T(-9 + 30 * t), 48)}),
        letter(u'Г', full, w5, sd, {grow(-30, 0, -30, T(49 * t)), grow(-30, -47, T(29.5 * t), -47)}),
        letter(u'Д', range(0, 1.27, 0.001), w5, pauseMs(1),
               {grow(-12, -47, T(-12 + 32 * t), -47), grow(-38, 47, T(28 * t), 47),
                grow(30, -47, 30, T(-22 + 53 * t)), dot(T(-38 + 18 * t), T(47 - 58 * t * t)),
                fixed(-38, 49, -38, 53), fixed(37, 49, 37, 53)}),
        letter(u'Е', full, w5, sd,
               {grow(-30, 0, -30, T(48.5 * t)), grow(-30, -47, T(29 * t), -47),
                grow(-30, 0, T(29 * t), 0), grow(-30, 47, T(29 * t), 47)}),
        // The small "Ё" sits a few pixels lower than "Е", making room for its dots.
        letter(u'Ё', full, w5, sd,
               {grow(-30, 3, -30, T(3 + 48.5 * t)), grow(-30, -43, T(29 * t), -43),
                grow(0, 3, T(29 * t), 3), grow(-30, 52, T(29 * t), 52),
                ellipseInBox(-21, -52, -16, -47), ellipseInBox(14, -52, 19, -47)}),
        // "Ж": the upright, a stub of the middle bar, and four parabola arms as dots.
        letter(u'Ж', full, w5, sd,
               {grow(0, 0, 0, T(-50 * t)), grow(-1, 0, T(-1 + 14 * t), 0),
                dot(T(9 + 33 * std::abs(t)), T(-52.5 * t * t)),
                dot(T(-10 - 33 * std::abs(t)), T(-52.5 * t * t)),
                dot(T(9 + 33 * std::abs(t)), T(52.5 * t * t)),
                dot(T(-10 - 33 * std::abs(t)), T(52.5 * t * t))}),
        // The upper bowl of "З" is a chain of short vertical ticks.
        letter(u'З', range(0, 4.6, 0.01), w5, sd,
               {grow(T(-30 * std::cos(t)), T(-24 - 23.45 * std::sin(t)), T(-30 * std::cos(t)),
                     T(-24 - 24.5 * std::sin(t))),
                dot(T(30 * std::sin(t)), T(24 - 24.5 * std::cos(t)))}),
        letter(u'И', range(-1, 1, 0.01), w5, sd, iParts()),
        StrokeRoutine{u'Й',
                      {StrokeLoop{range(-1, 1, 0.01), w5, sd, iParts()},
                       StrokeLoop{range(-0.25, 0.25, 0.01), w5, sd,
                                  {dot(T(100 * t), T(-50 - 100 * t * t))}, std::nullopt,
                                  StrokeLoop::TwoStepsPerStep}}},
        letter(u'К', range(0, 1.55, 0.01), w5, sd,
               {grow(-31, -47, -31, T(-46 + 60.5 * t)), grow(-31, 0, T(-31 + 15 * t), 0),
                dot(T(-16 + 29.5 * t), T(-19.65 * t * t)), dot(T(-15 + 29 * t), T(19.5 * t * t))}),
        letter(u'Л', callerRange(0.001), w5, pauseMs(1),
               {grow(-12, -47, T(-12 + 32 * t), -47), grow(30, -47, 30, T(-22 + 55 * t)),
                dot(T(-38 + 20 * t), T(51 - 60 * t * t)), fixed(-44, 51, -38, 51)}),
        letter(u'М', range(-1.3, 1.3, 0.01), w5, sd,
               {grow(-39, 0, -39, T(38 * t)), grow(39, 0, 39, T(38 * t)), widthSwitch(pixels(4)),
                grow(-1, 48, T(-1 + 30 * t), T(48 - 75 * std::abs(t)))}),
        letter(u'Н', full, w5, kTwiceStepDelay,
               {grow(-31, 0, -31, T(50 * t)), grow(29, 0, 29, T(50 * t)),
                grow(-31, 0, T(29.5 * t), 0)}),
        letter(u'О', range(0, 7, 0.01), w5, sd,
               {dot(T(31.5 * std::cos(t)), T(-48 * std::sin(t)))}),
        letter(u'П', full, w5, sd,
               {grow(-31, 0, -31, T(50 * t)), grow(30, 0, 30, T(50 * t)),
                grow(-31, -47, T(29.5 * t), -47)}),
        letter(u'Р', half, w5, sd,
               {grow(-31, 0, -31, T(77.5 * t)), dot(T(30 - 49 * t * t), T(-23 + 40 * t)),
                grow(-31, 2, T(-9 + 30 * t), 2), grow(-31, -47, T(-9 + 30 * t), -47)}),
        letter(u'С', range(0.8, 5.6, 0.01), w5, kTwiceStepDelay,
               {dot(T(31.5 * std::cos(t)), T(-48 * std::sin(t)))}),
        letter(u'Т', full, w5, sd,
               {grow(0, 0, 0, T(2 + 47.5 * t)), grow(-31, -47, T(29.5 * t), -47)}),
        letter(u'У', range(0, 1.77, 0.001), w5, pauseMs(1),
               {dot(T(-34 + 36.5 * t), T(48 - 42 * (t - 0.27) * (t - 0.27))),
                grow(-31, -47, T(-31 + 22.5 * t), T(-47 + 35 * t))}),
        letter(u'Ф', range(0, 7, 0.01), w5, sd,
               {dot(T(1 + 40 * std::cos(t)), T(-30 * std::sin(t))),
                grow(0, -48, 0, T(-48 + 13.5 * t))}),
        letter(u'Х', range(0, 2, 0.01), pixels(4), sd,
               {grow(31, -50, T(31 - 32 * t), T(-48 + 48 * t)),
                grow(-31, -50, T(-31 + 32 * t), T(-48 + 48 * t))}),
        letter(u'Ц', full, w5, sd,
               {grow(-31, 0, -31, T(48.5 * t)), grow(29, 0, 29, T(48.5 * t)),
                grow(-31, 47, T(29.5 * t), 47), fixed(32, 52, 32, 47)}),
        letter(u'Ч', full, w5, kTwiceStepDelay,
               {grow(-31, -25, -31, T(-25 + 25 * t)), grow(30, 0, 30, T(50 * t)),
                grow(-32, 0, T(29.5 * t), 0)}),
        letter(u'Ш', full, w5, sd,
               {grow(-38, -2, -38, T(48.95 * t)), grow(38, -2, 38, T(48.95 * t)),
                grow(-31, 47, T(39 * t), 47), grow(0, -2, 0, T(-48.5 * t))}),
        letter(u'Щ', full, w5, sd,
               {grow(-38, -2, -38, T(-2 + 47.5 * t)), grow(38, -2, 38, T(-2 + 47.5 * t)),
                grow(-31, 44, T(39 * t), 44), grow(0, -2, 0, T(-2 + 47.5 * t)),
                fixed(41, 50, 41, 44)}),
        letter(u'Э', callerRange(0.01), w5, sd,
               {dot(T(-4 - 33 * std::cos(t)), T(-48 * std::sin(t))),
                grow(29, -1, T(29 - 7 * t), -1)}),
        // "Ю" pauses after its stem and bar, before the dot of its oval.
        letter(u'Ю', range(0, 7, 0.02), w5, sd,
               {grow(-40, -48, -40, T(-48 + 14 * t)), fixed(-40, 0, -24, 0), pauseHere(),
                dot(T(9 + 31.5 * std::cos(t)), T(-48 * std::sin(t)))}),
        letter(u'Ь', half, w5, sd, softSignParts()),
        letter(u'Ъ', half, w5, sd,
               {grow(-25, 0, -25, T(77 * t)), dot(T(33 - 49 * t * t), T(23 + 40 * t)),
                grow(-6, -1, T(-6 + 32 * t), -1), grow(-6, 48, T(-6 + 32 * t), 48),
                fixed(-25, -47, -35, -47)}),
        letter(u'Ы', half, w5, sd, join(softSignParts(), {dot(36, T(1 - 78 * t))})),
        letter(u'Я', half, w5, sd,
               {dot(T(-39 + 65 * t * t), T(-16 + 43.1 * t)), grow(28, 0, 28, T(68 * t)),
                fixed(-12, -42, 28, -42), fixed(-12, 11, 28, 11), widthSwitch(pixels(4)),
                grow(-12, 27, T(-12 - 32 * t), T(27 + 26 * t))}),
    };
    // clang-format on
    return rows;
}

const std::vector<StrokeRoutine>& table() {
    static const std::vector<StrokeRoutine> rows = buildTable();
    return rows;
}

}  // namespace

bool hasSmallLetterRoutine(QChar letter) {
    return findRoutine(table(), letter.unicode()) != nullptr;
}

void SmallLetterRoutine(QChar letter) {
    if (const StrokeRoutine* r = findRoutine(table(), letter.unicode())) runStrokeRoutine(*r);
}
