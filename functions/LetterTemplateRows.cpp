// The letter keys of Function mode, one row each, in alphabetical order: the key, the grid frame
// and its place, the template loops with their strokes, the template picture and its place, and
// what the key does besides. The template strokes stand in the first quadrant of the plane,
// X = 942 and Y = 328 while they are drawn; every template is drawn in 4 px except the breve of
// "Й" (5 px).
#include "FunctionControlNames.h"
#include "LetterTemplates.h"
#include "TraceNotation.h"

namespace {

constexpr const char* kGrid1 = fnctl::kGrid;
constexpr const char* kGrid2 = fnctl::kWideGrid;
constexpr const char* kGridJ = fnctl::kShortIGrid;

// clang-format off
const LetterTemplate kRows[] = {
    {.letter = u'А', .key = "Label170", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 1,
                .items = {segment(XY(X + 50, Y - 150), XY(R(X + 50 - 49 * t), R(148 * t + Y - 150))),
                          segment(XY(X + 49, Y - 150), XY(R(49 * t + X + 49), R(148 * t + Y - 150))),
                          segment(XY(X + 22, Y - 65), XY(X + 78, Y - 65))}}},
     .picture = "ImAJ", .pictureLeft = 940, .pictureTop = 178, .hidesPanel8 = true},

    {.letter = u'Б', .key = "Label186", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(75 * t + Y - 50))),
                          dot(XY(X + 100 - R(100 * sq(t)), R(62 * t) + Y - 40)),
                          segment(XY(X + 1, Y - 2), XY(R(45 * t + X + 31), Y - 2)),
                          segment(XY(X + 20, Y - 77), XY(R(50 * t + X + 32), Y - 77)),
                          segment(XY(X + 49, Y - 148), XY(R(80 * t + X + 50), Y - 148))}}},
     .picture = "ImBJ", .pictureLeft = 941, .pictureTop = 177},

    {.letter = u'В', .key = "Label169", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.59, .below = 0.59,
                .items = {segment(XY(X, Y - 150), XY(X, R(78.5 * t + Y - 50))),
                          dot(XY(X + 100 - R(80 * sq(t)), R(62 * t) + Y - 113)),
                          segment(XY(X, Y - 149), XY(R(50 * t + X + 40), Y - 149)),
                          segment(XY(X, Y - 75), XY(R(50 * t + X + 40), Y - 75)),
                          dot(XY(X + 100 - R(80 * sq(t)), R(60 * t) + Y - 39)),
                          segment(XY(X, Y - 4), XY(R(50 * t + X + 40), Y - 4))}}},
     .picture = "ImVJ", .pictureLeft = 938, .pictureTop = 176},

    {.letter = u'Г', .key = "Label161", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(73 * t + Y - 150))),
                          segment(XY(X + 2, Y - 150), XY(R(48 * t + X + 2), Y - 150))}}},
     .picture = "ImGJ", .pictureLeft = 942, .pictureTop = 176, .hidesPanel8 = true},

    {.letter = u'Д', .key = "Label175", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .step = 0.001, .below = 1.27, .pauseMs = 1,
                .items = {segment(XY(X + 40, Y - 150), XY(R(48.5 * t + X + 38), Y - 150)),
                          segment(XY(X + 100, Y - 150), XY(X + 100, R(116.5 * t + Y - 150))),
                          dot(XY(R(30 * t) + X, Y - 2 - R(91.09 * sq(t)))),
                          segment(XY(X + 7, Y - 2), XY(R(80 * t + X + 5), Y - 2)),
                          segment(XY(X + 106, Y), XY(X + 107, Y + 15)),
                          segment(XY(X + 2, Y), XY(X + 1, Y + 15))}}},
     .picture = "ImDJ", .pictureLeft = 938, .pictureTop = 174},

    {.letter = u'Е', .key = "Label159", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(74 * t + Y - 150))),
                          segment(XY(X + 1, Y - 150), XY(R(49 * t + X + 1), Y - 150)),
                          segment(XY(X + 1, Y - 74), XY(R(49 * t + X + 1), Y - 75)),
                          segment(XY(X + 1, Y - 2), XY(R(49 * t + X + 1), Y - 2))}}},
     .picture = "ImEJ", .pictureLeft = 939, .pictureTop = 175, .hidesPanel8 = true, .showsFrameWidth = 108},

    // The key traces the strokes of "Е"; the picture, taller than that of "Е", also has the two dots.
    {.letter = u'Ё', .key = "Label178", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(74 * t + Y - 150))),
                          segment(XY(X + 1, Y - 150), XY(R(49 * t + X + 1), Y - 150)),
                          segment(XY(X + 1, Y - 74), XY(R(49 * t + X + 1), Y - 75)),
                          segment(XY(X + 1, Y - 2), XY(R(49 * t + X + 1), Y - 2))}},
               {.from = 0, .below = 0.01, .pen = 6,
                .items = {dot(XY(X + 30, Y - 159)), dot(XY(X + 70, Y - 159))}, .pictureOnly = true}},
     .picture = "ImJOJ", .pictureLeft = 939, .pictureTop = 161},

    {.letter = u'Ж', .key = "Label176", .grid = kGrid2, .gridLeft = 942, .gridTop = 178,
     .loops = {{.from = -0.9, .step = 0.001, .below = 0.9, .pauseMs = 1,
                .items = {dot(XY(X + 58 - R(63 * t), R(Y - 75 - 90 * sq(t)))),
                          dot(XY(X + 58 - R(63 * t), R(90 * sq(t) + Y - 75))),
                          segment(XY(X + 58, Y - 76), XY(X + 58, R(80 * t + Y - 76)))}}},
     .picture = "ImJEJ", .pictureLeft = 938, .pictureTop = 175},

    {.letter = u'З', .key = "Label164", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .step = 0.001, .below = 2.3, .pauseMs = 1,
                .items = {dot(XY(X + 50 - R(48 * cos(t)), Y - 112 - R(37.5 * sin(t)))),
                          dot(XY(R(48 * sin(t)) + X + 50, Y - 40 - R(37.5 * cos(t))))}}},
     .picture = "ImZJ", .pictureLeft = 939, .pictureTop = 177, .hidesPanel8 = true},

    {.letter = u'И', .key = "Label183", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(73.5 * t + Y - 150))),
                          segment(XY(X + 100, Y - 150), XY(X + 100, R(73.5 * t + Y - 150))),
                          segment(XY(X + 100, Y - 149), XY(R(X + 100 - 49 * t), R(73.5 * t + Y - 149)))}}},
     .picture = "ImIJ", .pictureLeft = 939, .pictureTop = 176},

    // The breve: dots 0.02 apart in t, in 5 px, pausing as long as stepDelayMs says (11 ms after
    // the slot reset of the key).
    {.letter = u'Й', .key = "Label155", .grid = kGridJ, .gridLeft = 943, .gridTop = 166,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(73 * t + Y - 150))),
                          segment(XY(X + 99, Y - 150), XY(X + 99, R(73.5 * t + Y - 150))),
                          segment(XY(X + 100, Y - 150), XY(R(X + 100 - 48 * t), R(73 * t + Y - 150)))}},
               {.from = -0.25, .below = 0.25, .pen = 5, .pauseOfStepDelay = true,
                .items = {dot(XY(R(150 * t) + X + 48, R(Y - 155 - 100 * sq(t))))}, .stepTwicePerPass = true}},
     .picture = "ImKratIJ", .pictureLeft = 941, .pictureTop = 165, .hidesPanel8 = true, .shortIExtras = true},

    {.letter = u'К', .key = "Label158", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 1.9,
                .items = {segment(XY(X + 2, Y - 148), XY(X + 2, R(76.5 * t + Y - 148))),
                          segment(XY(X + 2, Y - 75), XY(R(15 * t + X + 18), Y - 75)),
                          dot(XY(R(33.5 * t) + X + 34, R(Y - 75 - 20 * sq(t)))),
                          dot(XY(R(33.5 * t) + X + 34, R(19.9 * sq(t) + Y - 75)))}}},
     .picture = "ImKJ", .pictureLeft = 939, .pictureTop = 176, .hidesPanel8 = true},

    {.letter = u'Л', .key = "Label152", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .step = 0.001, .below = 1.27, .pauseMs = 2,
                .items = {segment(XY(X + 40, Y - 150), XY(R(48.5 * t + X + 38), Y - 150)),
                          segment(XY(X + 100, Y - 150), XY(X + 100, R(116 * t + Y - 150))),
                          dot(XY(R(30 * t) + X, Y - 3 - R(91.09 * sq(t)))),
                          segment(XY(X, Y - 3), XY(X - 18, Y - 3))}}},
     .picture = "ImLJ", .pictureLeft = 922, .pictureTop = 175},

    {.letter = u'М', .key = "Label182", .grid = kGrid2, .gridLeft = 942, .gridTop = 178,
     .loops = {{.from = -1.3, .below = 1.3,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(113 * abs(t) + Y - 150))),
                          segment(XY(X + 58, Y - 2), XY(R(42 * t + X + 58), R(Y - 2 - 114 * abs(t)))),
                          segment(XY(X + 115, Y - 150), XY(X + 115, R(113 * abs(t) + Y - 150)))}}},
     .picture = "ImMJ", .pictureLeft = 942, .pictureTop = 178},

    {.letter = u'Н', .key = "Label160", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(R(X + 1.5), Y - 150), XY(R(X + 1.5), R(73.5 * t + Y - 150))),
                          segment(XY(R(X + 99.5), Y - 150), XY(R(X + 99.5), R(73.5 * t + Y - 150))),
                          segment(XY(R(X + 1.5), Y - 77), XY(R(47 * t + X + 1.5), Y - 77))}}},
     .picture = "ImNJ", .pictureLeft = 938, .pictureTop = 176, .hidesPanel8 = true},

    {.letter = u'О', .key = "Label153", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 7, .items = {dot(XY(R(49 * cos(t)) + X + 50, Y - 76 - R(73 * sin(t))))}}},
     .picture = "ImOJ", .pictureLeft = 937, .pictureTop = 176},

    {.letter = u'П', .key = "Label171", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(73 * t + Y - 150))),
                          segment(XY(X + 100, Y - 150), XY(X + 100, R(73 * t + Y - 150))),
                          segment(XY(X + 1, Y - 150), XY(R(49.5 * t + X + 1), Y - 150))}}},
     .picture = "ImPJ", .pictureLeft = 942, .pictureTop = 176},

    {.letter = u'Р', .key = "Label172", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(76 * t + Y - 50))),
                          dot(XY(X + 100 - R(100 * sq(t)), R(65 * t) + Y - 112)),
                          segment(XY(X + 1, Y - 150), XY(R(49 * t + X + 33), Y - 150)),
                          segment(XY(X + 20, Y - 72), XY(R(50 * t + X + 32), Y - 72))}}},
     .picture = "ImRJ", .pictureLeft = 941, .pictureTop = 176},

    {.letter = u'С', .key = "Label173", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0.6, .below = 5.6, .items = {dot(XY(R(53 * cos(t)) + X + 54, Y - 75 - R(72 * sin(t))))}}},
     .picture = "ImSJ", .pictureLeft = 939, .pictureTop = 179},

    {.letter = u'Т', .key = "Label184", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 50, Y - 151), XY(X + 50, R(73 * t + Y - 151))),
                          segment(XY(X, Y - 150), XY(R(48 * t + X), Y - 150))}}},
     .picture = "ImTJ", .pictureLeft = 938, .pictureTop = 176},

    // "У" shows its template picture like every other letter, at the place of its neighbours, so
    // that its template survives a redraw of the graphs (which erases the plane) as theirs do.
    {.letter = u'У', .key = "Label157", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .step = 0.001, .below = 2, .pauseMs = 1,
                .items = {dot(XY(R(48.5 * t) + X + 2, Y - 4 - R(48.5 * sq(t - 0.27)))),
                          segment(XY(X + 2, Y - 149), XY(R(30 * t + X + 2), R(45 * t + Y - 149)))}}},
     .picture = "ImUJ", .pictureLeft = 939, .pictureTop = 176, .hidesPanel8 = true, .eventsAfterEachItem = true},

    {.letter = u'Ф', .key = "Label167", .grid = kGrid2, .gridLeft = 942, .gridTop = 178,
     .loops = {{.from = 0, .below = 7, .pauseMs = 3,
                .items = {dot(XY(R(57.75 * cos(t) + X + 61), Y - 75 - R(49 * sin(t)))),
                          segment(XY(X + 59, Y - 148), XY(X + 59, R(21 * t + Y - 148)))}}},
     .picture = "ImFJ", .pictureLeft = 938, .pictureTop = 178, .hidesFrameAtEnd = true},

    {.letter = u'Х', .key = "Label165", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 100, Y - 150), XY(R(X + 100 - 49 * t), R(73 * t + Y - 150))),
                          segment(XY(X + 100, Y - 2), XY(R(X + 100 - 49 * t), R(Y - 2 - 73 * t)))}}},
     .picture = "ImHJ", .pictureLeft = 942, .pictureTop = 177, .hidesPanel8 = true},

    {.letter = u'Ц', .key = "Label156", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(74 * t + Y - 150))),
                          segment(XY(X + 100, Y - 150), XY(X + 100, R(74 * t + Y - 150))),
                          segment(XY(X + 2, Y - 2), XY(R(48 * t + X + 2), Y - 2)),
                          segment(XY(X + 101, Y), XY(X + 102, Y + 15))}}},
     .picture = "ImCJ", .pictureLeft = 939, .pictureTop = 175, .hidesPanel8 = true},

    {.letter = u'Ч', .key = "Label180", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(37.5 * t + Y - 150))),
                          segment(XY(X + 100, Y - 150), XY(X + 100, R(74 * t + Y - 150))),
                          segment(XY(X + 1, Y - 72), XY(R(50 * t + X + 1), Y - 72))}}},
     .picture = "ImCHJ", .pictureLeft = 939, .pictureTop = 176},

    {.letter = u'Ш', .key = "Label162", .grid = kGrid2, .gridLeft = 942, .gridTop = 176,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 149), XY(X + 2, R(73 * t + Y - 149))),
                          segment(XY(X + 58, Y - 149), XY(X + 58, R(73 * t + Y - 149))),
                          segment(XY(X + 116, Y - 149), XY(X + 116, R(73 * t + Y - 149))),
                          segment(XY(X + 1, Y - 3), XY(R(56.5 * t + X + 1), Y - 3))}}},
     .picture = "ImSHJ", .pictureLeft = 940, .pictureTop = 177, .hidesPanel8 = true, .hidesFrameAtEnd = true},

    {.letter = u'Щ', .key = "Label163", .grid = kGrid2, .gridLeft = 942, .gridTop = 176,
     .loops = {{.from = 0, .below = 2,
                .items = {segment(XY(X + 2, Y - 149), XY(X + 2, R(73 * t + Y - 149))),
                          segment(XY(X + 58, Y - 149), XY(X + 58, R(73 * t + Y - 149))),
                          segment(XY(X + 116, Y - 149), XY(X + 116, R(73 * t + Y - 149))),
                          segment(XY(X + 118, Y - 4), XY(X + 118, Y + 15)),
                          segment(XY(X + 1, Y - 3), XY(R(56.5 * t + X + 1), Y - 3))}}},
     .picture = "ImSHAJ", .pictureLeft = 940, .pictureTop = 178, .hidesPanel8 = true, .hidesFrameAtEnd = true},

    {.letter = u'Ъ', .key = "Label166", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {segment(XY(X, Y - 150), XY(X, R(80 * t + Y - 50))),
                          dot(XY(X + 100 - R(100 * sq(t)), R(63 * t) + Y - 40)),
                          segment(XY(X, Y - 3), XY(R(50 * t + X + 32), Y - 3)),
                          segment(XY(X + 20, Y - 77), XY(R(50 * t + X + 32), Y - 77)),
                          segment(XY(X, Y - 149), XY(X - 36, Y - 149))}}},
     .picture = "ImZnakTJ", .pictureLeft = 901, .pictureTop = 175, .hidesPanel8 = true},

    {.letter = u'Ы', .key = "Label168", .grid = kGrid2, .gridLeft = 942, .gridTop = 176,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {segment(XY(X + 2, Y - 79), XY(X + 2, R(122 * t + Y - 79))),
                          dot(XY(X + 100 - R(100 * sq(t)), R(63 * t) + Y - 41)),
                          segment(XY(X + 2, Y - 2), XY(R(50 * t + X + 32), Y - 2)),
                          segment(XY(X + 20, Y - 80), XY(R(50 * t + X + 32), Y - 80)),
                          segment(XY(X + 120, Y - 79), XY(X + 120, R(122 * t + Y - 79)))}}},
     .picture = "ImEIJ", .pictureLeft = 942, .pictureTop = 172},

    {.letter = u'Ь', .key = "Label185", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {segment(XY(X + 2, Y - 150), XY(X + 2, R(75 * t + Y - 50))),
                          dot(XY(X + 100 - R(100 * sq(t)), R(62 * t) + Y - 40)),
                          segment(XY(X + 1, Y - 2), XY(R(45 * t + X + 31), Y - 2)),
                          segment(XY(X + 20, Y - 77), XY(R(50 * t + X + 32), Y - 77))}}},
     .picture = "ImZnakMJ", .pictureLeft = 938, .pictureTop = 174},

    {.letter = u'Э', .key = "Label177", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = 0.7, .step = 0.001, .below = 5.6, .pauseMs = 1,
                .items = {dot(XY(X + 43 - R(54 * cos(t)), Y - 76 - R(73 * sin(t)))),
                          segment(XY(X + 96, Y - 75), XY(X + 50, Y - 75))}}},
     .picture = "ImELJ", .pictureLeft = 937, .pictureTop = 177},

    {.letter = u'Ю', .key = "Label187", .grid = kGrid2, .gridLeft = 942, .gridTop = 178,
     .loops = {{.from = 0, .below = 7,
                .items = {segment(XY(X + 2, R(Y - 149.5)), XY(X + 2, R(Y - 4.5))),
                          segment(XY(X + 1, Y - 75), XY(X + 26, Y - 75)),
                          dot(XY(R(44 * cos(t)) + X + 70, Y - 77 - R(73 * sin(t))))}}},
     .picture = "ImYUJ", .pictureLeft = 939, .pictureTop = 176},

    {.letter = u'Я', .key = "Label179", .grid = kGrid1, .gridLeft = 942, .gridTop = 177,
     .loops = {{.from = -0.62, .below = 0.62,
                .items = {dot(XY(R(98 * sq(t)) + X + 1, R(61 * t) + Y - 114)),
                          segment(XY(X + 100, Y - 76), XY(X + 100, R(118 * t + Y - 76))),
                          segment(XY(X + 38, Y - 150), XY(X + 100, Y - 150)),
                          segment(XY(X + 38, Y - 77), XY(X + 100, Y - 77)),
                          segment(XY(X + 31, Y - 40), XY(R(X + 31 - 47 * t), R(60 * t + Y - 40)))}}},
     .picture = "ImYAJ", .pictureLeft = 942, .pictureTop = 175},
};
// clang-format on

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
