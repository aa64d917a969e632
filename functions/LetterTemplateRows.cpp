// The letter keys of Function mode, one row each, in alphabetical order: the key, the grid frame
// and its place, the template loops with their strokes, the template picture and its place, and
// what the key does besides. The template strokes stand in the first quadrant of the plane,
// X = 942 and Y = 328 while they are drawn; every template is drawn in 4 px except the breve of
// "Й" (5 px).
#include "FunctionControlNames.h"
#include "LetterStrokes.h"
#include "LetterTemplates.h"
#include "Letters.h"
#include "TraceNotation.h"

namespace {

constexpr const char* kGrid1 = fnctl::kGrid;
constexpr const char* kGrid2 = fnctl::kWideGrid;
constexpr const char* kGridJ = fnctl::kShortIGrid;

// clang-format off
std::vector<LetterTemplate> buildRows() { return {
    {.letter = u'А', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 1,
                .items = {segment(XY(X + 50, Y - 150), XY(R(X + 50 - 49 * t), R(148 * t + Y - 150))),
                          segment(XY(X + 49, Y - 150), XY(R(49 * t + X + 49), R(148 * t + Y - 150))),
                          segment(XY(X + 22, Y - 65), XY(X + 78, Y - 65))}}},
     .pictureLeft = 940, .pictureTop = 178, .hidesPanel8 = true},

    {.letter = u'Б', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(75 * t + Y - 50))),
                          dot(XY(X + 100 - R(100 * sq(t)), R(62 * t) + Y - 40)),
                          segment(XY(X + 1, Y - 2), XY(R(45 * t + X + 31), Y - 2)),
                          segment(XY(X + 20, Y - 77), XY(R(50 * t + X + 32), Y - 77)),
                          letterstrokes::beTopBar()}}},
     .pictureLeft = 941, .pictureTop = 177},

    {.letter = u'В', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.59, .below = 0.59,
                .items = {letterstrokes::veStem(),
                          dot(XY(X + 100 - R(80 * sq(t)), R(62 * t) + Y - 113)),
                          letterstrokes::veTopBar(),
                          letterstrokes::veMiddleBar(),
                          dot(XY(X + 100 - R(80 * sq(t)), R(60 * t) + Y - 39)),
                          letterstrokes::veBottomBar()}}},
     .pictureLeft = 938, .pictureTop = 176},

    {.letter = u'Г', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(73 * t + Y - 150))),
                          letterstrokes::geTopBar()}}},
     .pictureLeft = 942, .pictureTop = 176, .hidesPanel8 = true},

    {.letter = u'Д', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .step = 0.001, .below = 1.27, .pauseMs = 1,
                .items = {letterstrokes::deElTopBar(),
                          letterstrokes::deRightUpright(),
                          dot(XY(R(30 * t) + X, Y - 2 - R(91.09 * sq(t)))),
                          segment(XY(X + 7, Y - 2), XY(R(80 * t + X + 5), Y - 2)),
                          segment(XY(X + 106, Y), XY(X + 107, Y + 15)),
                          segment(XY(X + 2, Y), XY(X + 1, Y + 15))}}},
     .pictureLeft = 938, .pictureTop = 174},

    {.letter = u'Е', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(74 * t + Y - 150))),
                          segment(XY(X + 1, Y - 150), XY(R(49 * t + X + 1), Y - 150)),
                          segment(XY(X + 1, Y - 74), XY(R(49 * t + X + 1), Y - 75)),
                          segment(XY(X + 1, Y - 2), XY(R(49 * t + X + 1), Y - 2))}}},
     .pictureLeft = 939, .pictureTop = 175, .hidesPanel8 = true, .showsFrameWidth = 108},

    // The key traces the strokes of "Е"; the picture, taller than that of "Е", also has the two dots.
    {.letter = u'Ё', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(74 * t + Y - 150))),
                          segment(XY(X + 1, Y - 150), XY(R(49 * t + X + 1), Y - 150)),
                          segment(XY(X + 1, Y - 74), XY(R(49 * t + X + 1), Y - 75)),
                          segment(XY(X + 1, Y - 2), XY(R(49 * t + X + 1), Y - 2))}},
               {.from = 0, .below = 0.01, .pen = 6,
                .items = {dot(XY(X + 30, Y - 159)), dot(XY(X + 70, Y - 159))}, .pictureOnly = true}},
     .pictureLeft = 939, .pictureTop = 161},

    {.letter = u'Ж', .grid = kGrid2, .gridLeft = 942, .gridTop = 178,
     .loops = {{.from = -0.9, .step = 0.001, .below = 0.9, .pauseMs = 1,
                .items = {dot(XY(X + 58 - R(63 * t), R(Y - 75 - 90 * sq(t)))),
                          dot(XY(X + 58 - R(63 * t), R(90 * sq(t) + Y - 75))),
                          letterstrokes::zheStem()}}},
     .pictureLeft = 938, .pictureTop = 175},

    {.letter = u'З', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .step = 0.001, .below = 2.3, .pauseMs = 1,
                .items = {dot(XY(X + 50 - R(48 * cos(t)), Y - 112 - R(37.5 * sin(t)))),
                          dot(XY(R(48 * sin(t)) + X + 50, Y - 40 - R(37.5 * cos(t))))}}},
     .pictureLeft = 939, .pictureTop = 177, .hidesPanel8 = true},

    {.letter = u'И', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(73.5 * t + Y - 150))),
                          segment(XY(X + 100, Y - 150), XY(X + 100, R(73.5 * t + Y - 150))),
                          segment(XY(X + 100, Y - 149), XY(R(X + 100 - 49 * t), R(73.5 * t + Y - 149)))}}},
     .pictureLeft = 939, .pictureTop = 176},

    // The breve: dots 0.02 apart in t, in 5 px, pausing as long as stepDelayMs says (11 ms after
    // the slot reset of the key).
    {.letter = u'Й', .grid = kGridJ, .gridLeft = 943, .gridTop = 166,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(73 * t + Y - 150))),
                          segment(XY(X + 99, Y - 150), XY(X + 99, R(73.5 * t + Y - 150))),
                          segment(XY(X + 100, Y - 150), XY(R(X + 100 - 48 * t), R(73 * t + Y - 150)))}},
               {.from = -0.25, .below = 0.25, .pen = 5, .pauseOfStepDelay = true,
                .items = {dot(XY(R(150 * t) + X + 48, R(Y - 155 - 100 * sq(t))))}, .stepTwicePerPass = true}},
     .pictureLeft = 941, .pictureTop = 165, .hidesPanel8 = true, .shortIExtras = true},

    {.letter = u'К', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 1.9,
                .items = {segment(XY(X + 2, Y - 148), XY(X + 2, R(76.5 * t + Y - 148))),
                          segment(XY(X + 2, Y - 75), XY(R(15 * t + X + 18), Y - 75)),
                          dot(XY(R(33.5 * t) + X + 34, R(Y - 75 - 20 * sq(t)))),
                          dot(XY(R(33.5 * t) + X + 34, R(19.9 * sq(t) + Y - 75)))}}},
     .pictureLeft = 939, .pictureTop = 176, .hidesPanel8 = true},

    {.letter = u'Л', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .step = 0.001, .below = 1.27, .pauseMs = 2,
                .items = {letterstrokes::deElTopBar(),
                          letterstrokes::elRightUpright(),
                          dot(XY(R(30 * t) + X, Y - 3 - R(91.09 * sq(t)))),
                          segment(XY(X, Y - 3), XY(X - 18, Y - 3))}}},
     .pictureLeft = 922, .pictureTop = 175},

    {.letter = u'М', .grid = kGrid2, .gridLeft = 942, .gridTop = 178,
     .loops = {{.from = -1.3, .below = 1.3,
                .items = {letterstrokes::emLeftUpright(),
                          letterstrokes::emMiddle(),
                          letterstrokes::emRightUpright()}}},
     .pictureLeft = 942, .pictureTop = 178},

    {.letter = u'Н', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(R(X + 1.5), Y - 150), XY(R(X + 1.5), R(73.5 * t + Y - 150))),
                          segment(XY(R(X + 99.5), Y - 150), XY(R(X + 99.5), R(73.5 * t + Y - 150))),
                          segment(XY(R(X + 1.5), Y - 77), XY(R(47 * t + X + 1.5), Y - 77))}}},
     .pictureLeft = 938, .pictureTop = 176, .hidesPanel8 = true},

    {.letter = u'О', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 7, .items = {letterstrokes::oEllipse()}}},
     .pictureLeft = 937, .pictureTop = 176},

    {.letter = u'П', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(73 * t + Y - 150))),
                          segment(XY(X + 100, Y - 150), XY(X + 100, R(73 * t + Y - 150))),
                          segment(XY(X + 1, Y - 150), XY(R(49.5 * t + X + 1), Y - 150))}}},
     .pictureLeft = 942, .pictureTop = 176},

    {.letter = u'Р', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(76 * t + Y - 50))),
                          dot(XY(X + 100 - R(100 * sq(t)), R(65 * t) + Y - 112)),
                          letterstrokes::erTopBar(),
                          segment(XY(X + 20, Y - 72), XY(R(50 * t + X + 32), Y - 72))}}},
     .pictureLeft = 941, .pictureTop = 176},

    {.letter = u'С', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0.6, .below = 5.6, .items = {dot(XY(R(53 * cos(t)) + X + 54, Y - 75 - R(72 * sin(t))))}}},
     .pictureLeft = 939, .pictureTop = 179},

    {.letter = u'Т', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 50, Y - 151), XY(X + 50, R(73 * t + Y - 151))),
                          segment(XY(X, Y - 150), XY(R(48 * t + X), Y - 150))}}},
     .pictureLeft = 938, .pictureTop = 176},

    // "У" shows its template picture like every other letter, at the place of its neighbours, so
    // that its template survives a redraw of the graphs (which erases the plane) as theirs do.
    {.letter = u'У', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .step = 0.001, .below = 2, .pauseMs = 1,
                .items = {dot(XY(R(48.5 * t) + X + 2, Y - 4 - R(48.5 * sq(t - 0.27)))),
                          letterstrokes::uUpperArm()}}},
     .pictureLeft = 939, .pictureTop = 176, .hidesPanel8 = true, .eventsAfterEachItem = true},

    {.letter = u'Ф', .grid = kGrid2, .gridLeft = 942, .gridTop = 178,
     .loops = {{.from = 0, .below = 7, .pauseMs = 3,
                .items = {letterstrokes::efOval(),
                          segment(XY(X + 59, Y - 148), XY(X + 59, R(21 * t + Y - 148)))}}},
     .pictureLeft = 938, .pictureTop = 178, .hidesFrameAtEnd = true},

    {.letter = u'Х', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 100, Y - 150), XY(R(X + 100 - 49 * t), R(73 * t + Y - 150))),
                          segment(XY(X + 100, Y - 2), XY(R(X + 100 - 49 * t), R(Y - 2 - 73 * t)))}}},
     .pictureLeft = 942, .pictureTop = 177, .hidesPanel8 = true},

    {.letter = u'Ц', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(74 * t + Y - 150))),
                          segment(XY(X + 100, Y - 150), XY(X + 100, R(74 * t + Y - 150))),
                          letterstrokes::tseBottomBar(),
                          segment(XY(X + 101, Y), XY(X + 102, Y + 15))}}},
     .pictureLeft = 939, .pictureTop = 175, .hidesPanel8 = true},

    {.letter = u'Ч', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(37.5 * t + Y - 150))),
                          segment(XY(X + 100, Y - 150), XY(X + 100, R(74 * t + Y - 150))),
                          segment(XY(X + 1, Y - 72), XY(R(50 * t + X + 1), Y - 72))}}},
     .pictureLeft = 939, .pictureTop = 176},

    {.letter = u'Ш', .grid = kGrid2, .gridLeft = 942, .gridTop = 176,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 149), XY(X + 2, R(73 * t + Y - 149))),
                          segment(XY(X + 58, Y - 149), XY(X + 58, R(73 * t + Y - 149))),
                          segment(XY(X + 116, Y - 149), XY(X + 116, R(73 * t + Y - 149))),
                          segment(XY(X + 1, Y - 3), XY(R(56.5 * t + X + 1), Y - 3))}}},
     .pictureLeft = 940, .pictureTop = 177, .hidesPanel8 = true, .hidesFrameAtEnd = true},

    {.letter = u'Щ', .grid = kGrid2, .gridLeft = 942, .gridTop = 176,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 149), XY(X + 2, R(73 * t + Y - 149))),
                          segment(XY(X + 58, Y - 149), XY(X + 58, R(73 * t + Y - 149))),
                          segment(XY(X + 116, Y - 149), XY(X + 116, R(73 * t + Y - 149))),
                          segment(XY(X + 118, Y - 4), XY(X + 118, Y + 15)),
                          segment(XY(X + 1, Y - 3), XY(R(56.5 * t + X + 1), Y - 3))}}},
     .pictureLeft = 940, .pictureTop = 178, .hidesPanel8 = true, .hidesFrameAtEnd = true},

    {.letter = u'Ъ', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {segment(XY(X, Y - 150), XY(X, R(80 * t + Y - 50))),
                          dot(XY(X + 100 - R(100 * sq(t)), R(63 * t) + Y - 40)),
                          segment(XY(X, Y - 3), XY(R(50 * t + X + 32), Y - 3)),
                          segment(XY(X + 20, Y - 77), XY(R(50 * t + X + 32), Y - 77)),
                          segment(XY(X, Y - 149), XY(X - 36, Y - 149))}}},
     .pictureLeft = 901, .pictureTop = 175, .hidesPanel8 = true},

    {.letter = u'Ы', .grid = kGrid2, .gridLeft = 942, .gridTop = 176,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {segment(XY(X + 2, Y - 79), XY(X + 2, R(122 * t + Y - 79))),
                          dot(XY(X + 100 - R(100 * sq(t)), R(63 * t) + Y - 41)),
                          segment(XY(X + 2, Y - 2), XY(R(50 * t + X + 32), Y - 2)),
                          segment(XY(X + 20, Y - 80), XY(R(50 * t + X + 32), Y - 80)),
                          segment(XY(X + 120, Y - 79), XY(X + 120, R(122 * t + Y - 79)))}}},
     .pictureLeft = 942, .pictureTop = 172},

    {.letter = u'Ь', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(75 * t + Y - 50))),
                          dot(XY(X + 100 - R(100 * sq(t)), R(62 * t) + Y - 40)),
                          segment(XY(X + 1, Y - 2), XY(R(45 * t + X + 31), Y - 2)),
                          segment(XY(X + 20, Y - 77), XY(R(50 * t + X + 32), Y - 77))}}},
     .pictureLeft = 938, .pictureTop = 174},

    {.letter = u'Э', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0.7, .step = 0.001, .below = 5.6, .pauseMs = 1,
                .items = {letterstrokes::eArc(),
                          segment(XY(X + 96, Y - 75), XY(X + 50, Y - 75))}}},
     .pictureLeft = 937, .pictureTop = 177},

    {.letter = u'Ю', .grid = kGrid2, .gridLeft = 942, .gridTop = 178,
     .loops = {{.from = 0, .below = 7,
                .items = {segment(XY(X + 2, R(Y - 149.5)), XY(X + 2, R(Y - 4.5))),
                          segment(XY(X + 1, Y - 75), XY(X + 26, Y - 75)),
                          dot(XY(R(44 * cos(t)) + X + 70, Y - 77 - R(73 * sin(t))))}}},
     .pictureLeft = 939, .pictureTop = 176},

    {.letter = u'Я', .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {dot(XY(R(98 * sq(t)) + X + 1, R(61 * t) + Y - 114)),
                          letterstrokes::yaRightUprightBelowBowl(),
                          letterstrokes::yaTopBar(),
                          letterstrokes::yaMiddleBar(),
                          segment(XY(X + 31, Y - 40), XY(R(X + 31 - 47 * t), R(60 * t + Y - 40)))}}},
     .pictureLeft = 942, .pictureTop = 175},
};
}
// clang-format on

// The key and the picture of a template come from its letter's record.
const std::vector<LetterTemplate> kRows = [] {
    std::vector<LetterTemplate> rows = buildRows();
    for (LetterTemplate& r : rows) {
        r.key = letters::of(r.letter).templateKey;
        r.picture = letters::of(r.letter).templatePicture;
    }
    return rows;
}();

}  // namespace

namespace lettertemplates {

std::span<const LetterTemplate> rows() {
    return kRows;
}

const LetterTemplate* find(char16_t letter) {
    for (const LetterTemplate& r : kRows)
        if (r.letter == letter) return &r;
    return nullptr;
}

const LetterTemplate* findByPicture(const QString& picture) {
    for (const LetterTemplate& r : kRows)
        if (picture == QLatin1String(r.picture)) return &r;
    return nullptr;
}

}  // namespace lettertemplates
