// The Alphabet-mode lessons of "П" … "Я". Each runs after another letter's lesson and after the
// hotspots and formula labels of every letter have been shown by hand; afterwards only its own
// picture and hotspots may show, its formula labels must hold its texts (hidden), its preview
// must have drawn the listed number of steps with the listed first and last steps and, over all
// its lines, the listed weighted sum of coordinates, and its small letter must sit in its slot.
// The expected values are worked from the lessons as written: the steps from the strict test
// t < end with t summed in doubles (0 → 2 by 0.01 draws 200 steps, the last at
// t = 2.0000000000000013; 0.6 → 5.6 by 0.01 draws 501, the last at 5.61), each coordinate rounded
// where the lesson rounds it, halves to even. For "П" at t = 0.01: the uprights end at
// [71·0.01 + 182] = 183, the top bar at [47.5·0.01 + 944] = 944.
#include <QLineEdit>
#include <QtTest>
#include <optional>
#include <set>
#include <vector>

#include "CanvasRecorder.h"
#include "FormFixture.h"

namespace {

struct Spot {
    const char* name;
    int left, top, width, height;
};

struct Formula {
    const char* label;
    const char* caption;
    int left, top;
    const char* descriptionLabel = nullptr;
    const char* description = nullptr;
};

struct Expected {
    const char* letter;
    const char* key;
    QPoint keyPlace;     // of the key on Panel3, where the marker Label38 goes
    const char* before;  // the key of the lesson run first
    const char* slot;
    QSize slotSize;
    QRgb smallColour;
    const char* picture;
    QPoint place;
    int frameWidth;  // 0: the width of frameOf
    int steps, strokes;
    long long pauseMs;  // of the whole lesson, with stepDelayMs 0 for the small letter
    const char* first;  // the preview's first step, its strokes in order
    const char* last;
    long long weightedSum;  // over every preview line: x1 + 3·y1 + 7·x2 + 11·y2
    std::vector<Spot> hotspots;
    std::vector<Formula> formulas;
    std::optional<int> shiftX{}, shiftY{};  // left for part picking; otherwise untouched
    const char* frameOf = nullptr;
    bool frameWhileDrawing = true;
    std::optional<int> shiftXWhileDrawing{};
    const char* instructionWhileDrawing = nullptr;  // the standard instruction when null
    bool pictureBeforeSmallLetter = true;
    bool clearsFunctionEntry = false;
    bool hidesLabel44 = false;
    bool hintIsBareLetter = false;  // Label1 holds only the letter when the lesson returns
};

// clang-format off
const std::vector<Expected> kLessons = {
    // 200 steps, t = … 2.0000000000000013; 1000 ms of pauses in all.
    {
        .letter = "П",
        .key = "Label16",
        .keyPlace = {144, 40},
        .before = "Label35",
        .slot = "Image20",
        .slotSize = {67, 101},
        .smallColour = qRgb(0, 255, 255),
        .picture = "ImP",
        .place = {939, 176},
        .frameWidth = 107,
        .steps = 200,
        .strokes = 3,
        .pauseMs = 1000,
        .first = "944,182>944,183 1039,182>1039,183 944,181>944,181",
        .last = "944,182>944,324 1039,182>1039,324 944,181>1039,181",
        .weightedSum = 6590020,
        .hotspots = {{"HV", 948, 179, 89, 5}, {"Label138", 940, 184, 12, 145}, {"Label139", 1034, 184, 12, 145}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=3", 970, 155, "Label49",
             "Пределы для   x     от  0 до  2  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 3."},
            {"Label51", "x(3)=2", 1055, 290, "Label52",
             "Пределы для  y3  от  0  до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
        },
    },
    // 124 steps, t = … 0.6200000000000008; 1736 ms of pauses in all.
    {
        .letter = "Р",
        .key = "Label17",
        .keyPlace = {176, 40},
        .before = "Label33",
        .slot = "Image21",
        .slotSize = {67, 101},
        .smallColour = qRgb(190, 90, 200),
        .picture = "ImR",
        .place = {938, 173},
        .frameWidth = 111,
        .steps = 124,
        .strokes = 4,
        .pauseMs = 1736,
        .first = "943,179>943,233 1005,178>1005,178 943,178>945,178 962,257>944,257",
        .last = "943,179>943,326 1004,257>1004,257 943,178>1005,178 962,257>1005,257",
        .weightedSum = 5464936,
        .hotspots = {{"VL", 941, 179, 5, 140}, {"HVMal", 950, 176, 50, 5}, {"HSZnakM", 944, 255, 54, 5}, {"Label101", 1003, 177, 42, 81}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=3", 970, 155, "Label49",
             "Пределы для   x     от  0 до  1,2  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 3."},
            {"Label51", "y(3)=1,43", 952, 230, "Label52",
             "Пределы для   x    от  0  до  1,2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,43."},
            {"Label54", "x(5)=2-1.2*x*x", 1065, 200, "Label55",
             "Пределы для  x    от  -0,75  до  0,75    Квадратная функция.  Горизонтальная парабола, ветви которой направлены влево. Парабола поднята вверх на 2,25."},
            {"Label57", "y(5)=2.25+x", 1065, 220},
        },
    },
    // 501 steps, t = … 5.609999999999924; 2505 ms of pauses in all.
    {
        .letter = "С",
        .key = "Label18",
        .keyPlace = {128, 72},
        .before = "Label22",
        .slot = "Image22",
        .slotSize = {67, 101},
        .smallColour = qRgb(128, 0, 128),
        .picture = "ImS",
        .place = {939, 175},
        .frameWidth = 108,
        .steps = 501,
        .strokes = 1,
        .pauseMs = 2505,
        .first = "1041,211>1041,211",
        .last = "1039,297>1039,297",
        .weightedSum = 5713398,
        .hotspots = {},
        .formulas = {
            {"Label45", "x(1)=1.08+1.06*cos(x)", 795, 200, "Label46",
             "Функции синус и косинус образуют  вертикальный эллипс. Для него пределы аргумента  (a)    от  0  до  7.  Для буквы незамкнутый эллипс  с пределами аргумента  (a)   от  0,6  до  5,7."},
            {"Label48", "y(1)=1.5-1.48*sin(x)", 795, 220, "Label49",
             "Функции синус и косинус образуют  вертикальный эллипс. Для него пределы аргумента  (a)    от  0  до  7.  Для буквы незамкнутый эллипс  с пределами аргумента  (a)   от  0,6  до  5,7."},
        },
        .clearsFunctionEntry = true,
    },
    // 200 steps, t = … 2.0000000000000013; 1000 ms of pauses in all.
    {
        .letter = "Т",
        .key = "Label29",
        .keyPlace = {224, 72},
        .before = "Label21",
        .slot = "Image23",
        .slotSize = {67, 101},
        .smallColour = qRgb(255, 0, 0),
        .picture = "ImT",
        .place = {938, 176},
        .frameWidth = 109,
        .steps = 200,
        .strokes = 2,
        .pauseMs = 1000,
        .first = "992,181>992,182 944,181>944,181",
        .last = "992,181>992,325 944,181>1042,181",
        .weightedSum = 4339335,
        .hotspots = {{"VST", 990, 185, 5, 146}, {"HV", 944, 179, 89, 5}},
        .formulas = {
            {"Label45", "x(1)=1", 935, 230, "Label46",
             "Пределы для  y1  от 0  до  3   Прямолинейная функция. Прямолинейный вертикальный  отрезок, смещен вправо на 1."},
            {"Label48", "y(2)=3", 970, 150, "Label49",
             "Пределы для   x     от  0  до 2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх  3. "},
        },
        .shiftY = -145,
        .hintIsBareLetter = true,
    },
    // 2001 steps, t = … 2.0009999999998906; 2001 ms of pauses, and the small "У" pauses a fixed
    // 1 ms at each of its 1771 steps (0 → 1.77 by 0.001).
    {
        .letter = "У",
        .key = "Label20",
        .keyPlace = {64, 8},
        .before = "Label29",
        .slot = "Image24",
        .slotSize = {67, 101},
        .smallColour = qRgb(54, 40, 175),
        .picture = "ImU",
        .place = {938, 175},
        .frameWidth = 110,
        .steps = 2001,
        .strokes = 2,
        .pauseMs = 3772,
        .first = "944,320>944,320 944,179>944,179",
        .last = "1041,179>1041,179 944,179>1004,269",
        .weightedSum = 45324390,
        .hotspots = {{"Label72", 948, 180, 57, 99}, {"Label73", 1010, 180, 41, 87}, {"Label74", 944, 272, 97, 63}},
        .formulas = {
            {"Label45", "y(1)= -1,8*x+3", 840, 200, "Label46",
             "Пределы для  x  от  0 до  1,2.   Прямолинейная функция. Прямолинейный отрезок с тупым углом наклона к оси Х."},
            {"Label48", "y(2)=1,1*(x-0,3)*(x-0,3)", 1005, 290, "Label49",
             "Пределы  аргумента x    от  0  до  2.   Квадратная функция. Вертикальная полупарабола с правой ветвью, направленной вверх, смещенная вправо на 0,3."},
        },
    },
    // 701 steps, t = … 7.009999999999895; 2103 ms of pauses in all.
    {
        .letter = "Ф",
        .key = "Label21",
        .keyPlace = {16, 40},
        .before = "Label29",
        .slot = "Image25",
        .slotSize = {86, 101},
        .smallColour = qRgb(180, 40, 175),
        .picture = "ImF",
        .place = {937, 175},
        .frameWidth = 130,
        .steps = 701,
        .strokes = 2,
        .pauseMs = 2103,
        .first = "1061,253>1061,253 1001,181>1001,181",
        .last = "1046,220>1046,220 1001,181>1001,318",
        .weightedSum = 16038655,
        .hotspots = {{"VST", 999, 177, 5, 140}, {"Label136", 944, 184, 48, 137}, {"Label137", 1013, 184, 60, 137}},
        .formulas = {
            {"Label45", "x(1)=1,15", 970, 250, "Label46",
             "Пределы для  y1  от  0  до  3.   Уравнение x(1)=1,15.   Прямолинейный вертикальный отрезок, смещен вправо на 1,15."},
            {"Label48", "y(2)=1,15+1,21*cos(x)", 1075, 250, "Label49",
             "Пределы для x   от  0  до  7.     Функции косинус и синус образуют горизонтальный эллипс, смещенный вправо на 1,15 и поднятый вверх на 1,5."},
            {"Label51", "y(3)=1,5+sin(x)", 1075, 280, "Label52",
             "Пределы для x   от  0  до  7.  Функции синус и косинус образуют горизонтальный  эллипс, смещенный вправо на 1,15 и поднятый вверх на 1,5."},
        },
        .shiftX = 10,
        .pictureBeforeSmallLetter = false,
        .clearsFunctionEntry = true,
    },
    // 200 steps, t = … 2.0000000000000013; 1200 ms of pauses in all.
    {
        .letter = "Х",
        .key = "Label22",
        .keyPlace = {320, 8},
        .before = "Label23",
        .slot = "Image26",
        .slotSize = {67, 101},
        .smallColour = qRgb(60, 0, 10),
        .picture = "ImXa",
        .place = {938, 175},
        .frameWidth = 110,
        .steps = 200,
        .strokes = 2,
        .pauseMs = 1200,
        .first = "1041,179>1041,181 1041,326>1041,325",
        .last = "1041,179>945,325 1041,326>945,180",
        .weightedSum = 4611239,
        .hotspots = {{"Label68", 931, 180, 56, 71}, {"Label69", 992, 252, 56, 75}, {"Label70", 932, 260, 56, 75}, {"Label71", 994, 180, 56, 71}},
        .formulas = {
            {"Label45", "y(2)= -1,5*x+3", 1035, 290, "Label46",
             "Пределы для  x   от  0  до  2.   Функция прямолинейной зависимости.   График представлен прямым наклонным отрезком с тупым углом к оси Х."},
            {"Label48", "y(1)=1,5*x", 890, 290, "Label49",
             "Пределы  для  x   от  0  до 2.    Функция прямолинейной зависимости.   График представлен прямым наклонным отрезком с острым углом к оси Х."},
        },
        .instructionWhileDrawing = "Раскрыть содержимое функций щелчками по их номерам для буквы  Х",
    },
    // 200 steps, t = … 2.0000000000000013; 1000 ms of pauses in all.
    {
        .letter = "Ц",
        .key = "Label23",
        .keyPlace = {32, 8},
        .before = "Label26",
        .slot = "Image27",
        .slotSize = {67, 101},
        .smallColour = qRgb(0, 129, 129),
        .picture = "ImC",
        .place = {939, 175},
        .frameWidth = 108,
        .steps = 200,
        .strokes = 4,
        .pauseMs = 1000,
        .first = "944,182>944,182 1039,182>1039,183 944,326>944,326 1044,326>1044,342",
        .last = "944,182>944,324 1039,182>1039,325 944,326>1040,326 1044,326>1044,342",
        .weightedSum = 9614240,
        .hotspots = {{"Label138", 940, 200, 12, 145}, {"Label139", 1038, 176, 12, 145}, {"HNizC", 952, 324, 89, 5}, {"PristavC", 1042, 324, 5, 19}},
        .formulas = {
            {"Label45", "x(1)=0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3.   Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=0", 980, 306, "Label49",
             "Пределы для   x   от  0 до  2. Прямолинейная функция. Прямолинейный горизонтальный отрезок на оси Х"},
            {"Label51", "x(3)=2", 1050, 240, "Label52",
             "Пределы для  y3  от  0 до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
            {"Label54", "x(4)=2.1", 1058, 336, "Label55",
             "Пределы для  y4    от  -0,4  до  0.        Прямолинейная функция. Прямолинейный приставной вертикальный отрезок, смещенный вправо на 2,1. "},
        },
    },
    // 200 steps, t = … 2.0000000000000013; 1000 ms of pauses in all.
    {
        .letter = "Ч",
        .key = "Label24",
        .keyPlace = {96, 72},
        .before = "Label14",
        .slot = "Image28",
        .slotSize = {67, 101},
        .smallColour = qRgb(200, 150, 120),
        .picture = "ImCH",
        .place = {938, 175},
        .frameWidth = 109,
        .steps = 200,
        .strokes = 3,
        .pauseMs = 1000,
        .first = "943,182>943,180 1041,182>1041,183 943,253>943,253",
        .last = "943,182>943,250 1041,182>1041,325 943,253>1037,253",
        .weightedSum = 6708028,
        .hotspots = {{"HSN", 946, 251, 90, 5}, {"Label138", 940, 184, 12, 72}, {"Label139", 1036, 184, 12, 145}},
        .formulas = {
            {"Label45", "x(1)=0", 890, 180, "Label46",
             "Пределы для   y     от  1,5  до  3.   Прямолинейная функция. Прямолинейный вертикальный отрезок, на оси Y."},
            {"Label48", "y(2)=1,5", 965, 230, "Label49",
             "Пределы для   x     от  0  до  2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."},
            {"Label51", "x(3)=2", 1052, 290, "Label52",
             "Пределы для  y3    от  0  до  3.  Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
        },
        .shiftX = 99,
        .shiftXWhileDrawing = 99,
    },
    // 200 steps, t = … 2.0000000000000013; 1000 ms of pauses in all.
    {
        .letter = "Ш",
        .key = "Label25",
        .keyPlace = {224, 8},
        .before = "Label26",
        .slot = "Image29",
        .slotSize = {86, 101},
        .smallColour = qRgb(63, 72, 204),
        .picture = "ImSh",
        .place = {938, 175},
        .frameWidth = 126,
        .steps = 200,
        .strokes = 4,
        .pauseMs = 1000,
        .first = "943,180>943,181 1000,180>1000,181 1058,180>1058,181 943,326>944,326",
        .last = "943,180>943,324 1000,180>1000,324 1058,180>1058,324 943,326>1054,326",
        .weightedSum = 9290861,
        .hotspots = {{"Label138", 940, 200, 12, 145}, {"VP", 1056, 179, 5, 136}, {"HNizSh", 947, 324, 109, 5}, {"VSSh", 998, 177, 5, 146}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 250, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "x(2)=1,15", 950, 150, "Label49",
             "Пределы  y2  от  0 до  3.     Прямолинейная функция.  Прямолинейный вертикальный отрезок, смещенный вправо на 1,15."},
            {"Label51", "x(3)=2,3", 1076, 250, "Label52",
             "Пределы  y3  от  0 до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2,30 "},
            {"Label54", "y(4)=0", 950, 300, "Label55",
             "Пределы  для  x4    от  0  до  2,3.     Прямолинейная функция.  Прямолинейный горизонтальный отрезок на оси Х.."},
        },
    },
    // 200 steps, t = … 2.0000000000000013; 1000 ms of pauses in all.
    {
        .letter = "Щ",
        .key = "Label26",
        .keyPlace = {256, 8},
        .before = "Label25",
        .slot = "Image30",
        .slotSize = {86, 101},
        .smallColour = qRgb(63, 72, 204),
        .picture = "ImSh",
        .place = {938, 175},
        .frameWidth = 0,
        .steps = 200,
        .strokes = 5,
        .pauseMs = 1000,
        .first = "943,180>943,181 1000,180>1000,181 1058,180>1058,181 943,326>944,326 1062,324>1062,342",
        .last = "943,180>943,324 1000,180>1000,324 1058,180>1058,324 943,326>1054,326 1062,324>1062,342",
        .weightedSum = 11936861,
        .hotspots = {{"Label138", 940, 200, 12, 145}, {"VP", 1056, 179, 5, 136}, {"HNizSh", 947, 324, 109, 5}, {"VSSh", 998, 177, 5, 146}, {"PristavSHCH", 1060, 320, 5, 22}},
        .formulas = {
            {"Label45", "x(1)= 0", 950, 150, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "x(2)=1,15", 950, 150, "Label49",
             "Пределы  y2  от  0 до  3.     Прямолинейная функция.  Прямолинейный вертикальный отрезок, смещенный вправо на 1,15."},
            {"Label51", "x(3)=2,3", 1076, 250, "Label52",
             "Пределы  y3  от  0 до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2,3 "},
            {"Label54", "y(4)=0", 950, 300, "Label55",
             "Пределы  для  x    от  0  до  2,3.     Прямолинейная функция.  Прямолинейный горизонтальный отрезок на оси Х."},
            {"Label57", "x(5)=2,4", 1060, 338, "Label58",
             "Пределы для  y5    от  -0,4  до  0.     Прямолинейная функция. Прямолинейный приставной вертикальный отрезок, смещенный вправо на 2,4."},
        },
        .frameOf = "ImSHA",
    },
    // 124 steps, t = … 0.6200000000000008; 744 ms of pauses in all.
    {
        .letter = "Ъ",
        .key = "Label27",
        .keyPlace = {352, 8},
        .before = "Label17",
        .slot = "Image32",
        .slotSize = {76, 101},
        .smallColour = qRgb(60, 0, 10),
        .picture = "ImZnakM",
        .place = {938, 176},
        .frameWidth = 108,
        .steps = 124,
        .strokes = 4,
        .pauseMs = 744,
        .first = "943,251>943,178 1005,249>1005,249 944,326>944,326 962,248>944,248",
        .last = "943,251>943,325 1004,326>1004,326 944,326>1005,326 962,248>1005,248",
        .weightedSum = 5815912,
        .hotspots = {{"VL", 941, 179, 5, 144}, {"HSZnakM", 944, 246, 54, 5}, {"HNZnakM", 944, 324, 54, 5}, {"Label97", 996, 245, 50, 76}, {"PristavZnakTv", 916, 178, 25, 5}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=3", 890, 154, "Label49",
             "Пределы для   x   от  -0,7  до  0.    Прямолинейная функция. Прямолинейный горизонтальный приставной отрезок к букве Ь, и поднятый вверх на 3."},
            {"Label51", "y(3)=1,5", 952, 222, "Label52",
             "Пределы для   x    от  0  до  1,2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."},
            {"Label54", "y(4)=0", 952, 295, "Label55",
             "Пределы для  x    от  0  до  1,2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок на оси Х "},
            {"Label57", "x(5)=2-1.2*x*x", 1050, 280, "Label58",
             "Пределы для  x    от  -0,75  до  0,75.    Квадратная функция. Горизонтальная парабола, ветви которой направлены влево, и смещенная вверх на 0,75."},
            {"Label60", "y(5)=0,75+x", 1050, 300},
        },
        .frameWhileDrawing = false,
    },
    // 124 steps, t = … 0.6200000000000008; 1488 ms of pauses in all.
    {
        .letter = "Ы",
        .key = "Label28",
        .keyPlace = {48, 40},
        .before = "Label33",
        .slot = "Image33",
        .slotSize = {80, 101},
        .smallColour = qRgb(200, 155, 0),
        .picture = "ImIE",
        .place = {938, 175},
        .frameWidth = 130,
        .steps = 124,
        .strokes = 5,
        .pauseMs = 1488,
        .first = "943,251>943,178 1005,249>1005,249 944,326>944,326 962,248>944,248 1062,251>1062,178",
        .last = "943,251>943,325 1004,326>1004,326 944,326>1005,326 962,248>1005,248 1062,251>1062,325",
        .weightedSum = 7305966,
        .hotspots = {{"Label105", 938, 172, 7, 141}, {"HSZnakM", 948, 246, 54, 5}, {"HNZnakM", 948, 324, 54, 5}, {"VPJI", 1060, 176, 5, 138}, {"Label97", 1006, 245, 50, 76}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label51", "y(2)=1,5", 952, 222, "Label52",
             "Пределы для   x    от  0  до  1,2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."},
            {"Label54", "y(3)=0", 952, 295, "Label55",
             "Пределы для  x    от  0  до  1,2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок на оси Х "},
            {"Label57", "x(4)=2-1.2*x*x;    y(4)=0,75+x", 1010, 280, "Label58",
             "Пределы для  x    от  -0,75  до  0,75.    Квадратная функция. Горизонтальная парабола, ветви которой направлены влево, и смещена вверх на 0,75 и вправо - на 2."},
            {"Label60", "x(5)=2,2", 1075, 300, "Label61",
             "Пределы для  y6  от  0  до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2,2."},
        },
    },
    // 124 steps, t = … 0.6200000000000008; 744 ms of pauses in all.
    {
        .letter = "Ь",
        .key = "Label33",
        .keyPlace = {256, 72},
        .before = "Label27",
        .slot = "Image34",
        .slotSize = {67, 101},
        .smallColour = qRgb(60, 0, 10),
        .picture = "ImZnakM",
        .place = {938, 176},
        .frameWidth = 108,
        .steps = 124,
        .strokes = 4,
        .pauseMs = 744,
        .first = "943,251>943,178 1005,249>1005,249 944,326>944,326 962,248>944,248",
        .last = "943,251>943,325 1004,326>1004,326 944,326>1005,326 962,248>1005,248",
        .weightedSum = 5815912,
        .hotspots = {{"VL", 941, 179, 5, 144}, {"HSZnakM", 944, 246, 54, 5}, {"HNZnakM", 944, 324, 54, 5}, {"Label97", 996, 245, 50, 76}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label51", "y(2)=1,5", 952, 222, "Label52",
             "Пределы для   x    от  0  до  1,2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый на 1,5."},
            {"Label54", "y(3)=0", 952, 295, "Label55",
             "Пределы для  x    от  0  до  1,2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок на оси Х "},
            {"Label57", "x(4)=2-1.2*x*x", 1050, 280, "Label58",
             "Пределы для  x    от  -0,75  до  0,75.    Квадратная функция. Горизонтальная парабола, ветви которой направлены влево, и смещенная вверх на 0,75."},
            {"Label60", "y(4)=0,75+x", 1050, 300},
        },
        .frameWhileDrawing = false,
    },
    // 4900 steps, t = … 5.600000000000204; 4900 ms of pauses in all.
    {
        .letter = "Э",
        .key = "Label30",
        .keyPlace = {336, 40},
        .before = "Label18",
        .slot = "Image35",
        .slotSize = {67, 101},
        .smallColour = qRgb(140, 130, 0),
        .picture = "ImEL",
        .place = {938, 174},
        .frameWidth = 107,
        .steps = 4900,
        .strokes = 1,
        .pauseMs = 4900,
        .first = "944,205>944,205",
        .last = "943,298>943,298",
        .weightedSum = 56461974,
        .hotspots = {{"HSEL", 980, 251, 55, 5}},
        .formulas = {
            {"Label45", "y(1)=1,5+1,5*sin(a)", 1060, 270, "Label46",
             "Для буквы незамкнутый эллипс  с пределами аргумента   (a)      от  0,8  до  5,6. Использованы функции синус и косинус. Эллипс поднят вверх на 1,5 и смещен вправо на 0,85."},
            {"Label48", "y(2)=0,85-1,1*cos(a)", 1060, 290, "Label49",
             "Для буквы незамкнутый эллипс  с пределами аргумента   (a)      от  0,8  до  5,6.Использованы функции синус и косинус. Эллипс поднят вверх на 1,5 и смещен вправо на 0,85."},
            {"Label51", "y(3)=1,5", 965, 265, "Label52",
             "Пределы для   x    от  1  до  1,9.        Прямолинейная функция.    Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5"},
        },
        .clearsFunctionEntry = true,
    },
    // 701 steps, t = … 7.009999999999895; 3505 ms of pauses in all.
    {
        .letter = "Ю",
        .key = "Label32",
        .keyPlace = {320, 72},
        .before = "Label30",
        .slot = "Image36",
        .slotSize = {86, 101},
        .smallColour = qRgb(255, 127, 40),
        .picture = "ImYU",
        .place = {938, 173},
        .frameWidth = 132,
        .steps = 701,
        .strokes = 3,
        .pauseMs = 3505,
        .first = "943,180>943,324 943,253>964,253 1064,250>1064,250",
        .last = "943,180>943,324 943,253>964,253 1052,202>1052,202",
        .weightedSum = 24200021,
        .hotspots = {{"HJU", 948, 251, 14, 5}, {"Label122", 968, 184, 97, 145}, {"Label133", 934, 184, 12, 137}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 280, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=1,5", 904, 235, "Label49",
             "Пределы изменения для x  от 0 до 0,5.     Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх  на 1,5."},
            {"Label51", "y(3)=1.44+0,86*cos(x)", 1040, 150, "Label52",
             "Пределы аргумента   от   0 до 7.     Функции косинус и синус образуют вертикальный эллипс, смещенный вправо на 1,44."},
            {"Label54", "y(4)=1,5+1,5*sin(x)", 1040, 170, "Label55",
             "Пределы аргумента   от  0 до 7.  Функции синус и косинус   образуют вертикальный эллипс, поднятый вверх на 1,5."},
        },
        .clearsFunctionEntry = true,
    },
    // 1240 steps, t = … 0.620000000000001; 2480 ms of pauses in all.
    {
        .letter = "Я",
        .key = "Label35",
        .keyPlace = {64, 72},
        .before = "Label32",
        .slot = "Image37",
        .slotSize = {113, 118},
        .smallColour = qRgb(255, 80, 255),
        .picture = "ImYA",
        .place = {939, 173},
        .frameWidth = 109,
        .steps = 1240,
        .strokes = 5,
        .pauseMs = 2480,
        .first = "981,177>981,177 1042,252>1042,179 980,178>1042,178 980,251>1042,251 973,288>1002,251",
        .last = "981,251>981,251 1042,252>1042,325 980,178>1042,178 980,251>1042,251 973,288>944,325",
        .weightedSum = 70525859,
        .hotspots = {{"Label85", 934, 176, 43, 79}, {"Label86", 936, 258, 89, 73}, {"Label87", 989, 176, 45, 17}, {"Label88", 989, 240, 48, 16}, {"Label89", 1038, 182, 9, 140}},
        .formulas = {
            {"Label45", "x(1)=1.2*x*x;    y(1)=2.28+x", 745, 200, "Label46",
             "Пределы  x     от  -0,75  до  0,75.  Квадратная функция. Горизонтальная парабола, ветви которой направлены вправо. Парабола поднята вверх на 2,28."},
            {"Label48", "y(2)=1,2*x", 865, 300, "Label49",
             "Пределы  x     от  0  до  1,2.    Прямолинейная функция. Наклонный отрезок под острым углом к оси Х."},
            {"Label51", "y(3)=3", 980, 150, "Label52",
             "Пределы для  x  от  0,6  до  2  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 3."},
            {"Label54", "y(4)=1,5", 980, 230, "Label55",
             "Пределы для   x  от  0,6  до  2  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."},
            {"Label57", "x(5)=2", 1050, 200, "Label58",
             "Пределы для   y5     от 0  до  3.   Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
        },
        .hidesLabel44 = true,
    },
};

// Everything a lesson hides before it draws: every letter picture, hotspot and formula pair.
const char* const kPartControls[] = {
    "Label65", "HV", "HVB", "PristavC", "PristavSHCH", "PristavZnakTv", "HNizC", "HSN", "HSE",
    "HVMal", "VLCh", "VST", "VP", "VPJI", "VL", "HNizSh", "HNizE", "VSSh", "HSZnakM", "HNZnakM",
    "ImR", "ImElips", "ImS", "HJU", "HSEL", "ImEL", "ShapLJO", "ShapPJO", "ImV", "ImXa", "Label66",
    "Label67", "Label68", "Label69", "Label70", "Label71", "ImKratJ", "Label72", "Label73",
    "Label74", "ImU", "Label75", "Label76", "ImK", "ImL", "Label77", "Label78", "Label79",
    "Label80", "ImA", "Label81", "Label82", "HA", "ImD", "Label83", "Label84", "HNizD", "ImYA",
    "Label85", "Label86", "Label87", "Label88", "Label89", "ImJE", "Label90", "Label91", "Label92",
    "Label93", "Label94", "ImZ", "Label95", "Label96", "Label98", "Label101", "ImM", "Label105",
    "Label108", "Label109", "Label114", "ImYU", "Label122", "Label133", "ImI", "ImF", "Label136",
    "Label137", "ImN", "Label138", "Label139", "ImP", "ImG", "ImC", "ImT", "ImCH", "ImSh",
    "ImZnakM", "Label107", "Label118", "Label121", "Label140", "Label119", "ImE", "Label97",
    "ImZnakTverd", "Label144", "ImIE", "ImB", "label228", "Label45", "Label46", "Label48",
    "Label49", "Label51", "Label52", "Label54", "Label55", "Label57", "Label58", "Label60",
    "Label61",
};
// clang-format on

const Expected& expectedFor(const QString& letter) {
    for (const Expected& e : kLessons)
        if (letter == QString::fromUtf8(e.letter)) return e;
    qFatal("no expectation for the letter");
}

QString standardInstruction(const char* letter) {
    return QString::fromUtf8("Выполнять щелчки по деталям буквы  ") + QString::fromUtf8(letter) +
           QString::fromUtf8("  для показа содержимого их функций и графиков  ");
}

// The plane starts at x 697; every slot lies left of it.
constexpr int kPlaneLeft = 697;

// Records the drawing and looks at the window when the preview and the small letter start.
class LessonProbe : public CanvasRecorder {
  public:
    LessonProbe(FormFixture& f, const Expected& e)
        : CanvasRecorder(f.form().surface().canvas()), f_(f), e_(e) {}

    void canvasOp(const CanvasOp& op) override {
        CanvasRecorder::canvasOp(op);
        if (op.kind != CanvasOp::MoveTo) return;
        if (op.a >= kPlaneLeft && !previewSeen) {
            previewSeen = true;
            auto& frame = f_.ctl("Shape1");
            frameShown = !frame.isHidden();
            frameWidth = frame.width();
            instruction = f_.ctl<Label>("Label40").caption();
            shiftX = plotState.shiftX;
        } else if (op.a < kPlaneLeft && !slotSeen) {
            slotSeen = true;
            pictureShown = !f_.ctl(e_.picture).isHidden();
        }
    }

    // The lines of the preview (on the plane) and of the small letter (in the slot).
    std::vector<Line> drawn(bool onPlane) const {
        std::vector<Line> out;
        for (const Line& l : lines())
            if ((l.from.x() >= kPlaneLeft) == onPlane) out.push_back(l);
        return out;
    }

    bool previewSeen = false, slotSeen = false;
    bool frameShown = false, pictureShown = false;
    int frameWidth = 0, shiftX = 0;
    QString instruction;

  private:
    FormFixture& f_;
    const Expected& e_;
};

QString traceOf(const std::vector<CanvasRecorder::Line>& lines, size_t from, size_t count) {
    QStringList parts;
    for (size_t i = from; i < from + count && i < lines.size(); ++i)
        parts << QString("%1,%2>%3,%4")
                     .arg(lines[i].from.x())
                     .arg(lines[i].from.y())
                     .arg(lines[i].to.x())
                     .arg(lines[i].to.y());
    return parts.join(' ');
}

constexpr int kMarker = -7;  // a shift value no lesson writes

// The scene a lesson meets: another lesson run first, then every part control, both prefix
// labels and the Function-mode controls that the ellipse letters clear shown by hand, as part
// picks and Function mode leave them.
void setTheScene(FormFixture& f, const Expected& e) {
    f.click("Label224");
    f.menu("N6");
    f.click(e.before);
    for (const char* name : kPartControls) f.ctl(name).show();
    for (const char* name :
         {"Label53", "Label56", "Label44", "Edit2", "Edit3", "Label36", "Label37"})
        f.ctl(name).show();
    auto& entry = f.ctl<QLineEdit>("Edit1");
    const QSignalBlocker quiet(entry);
    entry.setText("2-1.2*x*x");
    plotState.shiftX = kMarker;
    plotState.shiftY = kMarker;
    plotState.stepDelayMs = 0;  // the small letter then asks for no pause
    // A hint tick at every event pass, so that whatever the lesson writes into Label1 before its
    // last event pass is overwritten.
    pacing::setEventPassHook([&f] { pacing::tick(f.form().timer("Timer2")); });
    pacing::resetRequestedPause();
}

// The preview: its steps, each drawing the strokes in order in the preview pen, and its pauses.
void checkPreview(const Expected& e, const LessonProbe& probe) {
    const auto preview = probe.drawn(true);
    QCOMPARE(int(preview.size()), e.steps * e.strokes);
    QCOMPARE(traceOf(preview, 0, e.strokes), QString(e.first));
    QCOMPARE(traceOf(preview, preview.size() - e.strokes, e.strokes), QString(e.last));
    long long sum = 0;
    for (const auto& l : preview) sum += l.from.x() + 3 * l.from.y() + 7 * l.to.x() + 11 * l.to.y();
    QCOMPARE(sum, e.weightedSum);
    for (const auto& l : preview) {
        QCOMPARE(l.width, 5);
        QCOMPARE(l.colour, 0x008181u);
    }
    QCOMPARE(pacing::requestedPauseMs(), e.pauseMs);
}

// The small letter in its own slot, in its colour.
void checkSmallLetter(FormFixture& f, const Expected& e, const LessonProbe& probe) {
    QVERIFY(probe.slotSeen);
    auto& slot = f.ctl(e.slot);
    QVERIFY(!slot.isHidden());
    QCOMPARE(slot.size(), e.slotSize);
    const QRect cell = slot.geometry().adjusted(-4, -4, 4, 4);
    for (const auto& l : probe.drawn(false)) {
        QCOMPARE(l.colour, unsigned(e.smallColour & 0xffffff));
        QVERIFY2(cell.contains(l.from) && cell.contains(l.to), e.slot);
    }
}

// What shows afterwards: the picture and the hotspots, nothing of any other letter; the marker on
// the key; the origin back at the plane.
void checkScreen(FormFixture& f, const Expected& e) {
    std::set<QString> own{QString(e.picture)};
    for (const Spot& s : e.hotspots) own.insert(s.name);
    for (const char* name : kPartControls)
        QVERIFY2(f.ctl(name).isHidden() != own.count(name), name);
    for (const char* name : {"Label53", "Label56", "Shape1"})
        QVERIFY2(f.ctl(name).isHidden(), name);
    QCOMPARE(f.ctl(e.picture).pos(), e.place);
    for (const Spot& s : e.hotspots)
        QCOMPARE(f.ctl(s.name).geometry(), QRect(s.left, s.top, s.width, s.height));
    auto& marker = f.ctl<Label>("Label38");
    QVERIFY(!marker.isHidden());
    QCOMPARE(marker.caption(), QString::fromUtf8(e.letter));
    QCOMPARE(marker.pos(), e.keyPlace);
    QCOMPARE(f.ctl<Label>("Label40").caption(), standardInstruction(e.letter));
    QVERIFY(f.form().timer("Timer2").isActive());
    QCOMPARE(QPoint(plotState.originX, plotState.originY), QPoint(942, 328));
}

// The formula labels: captions and places, descriptions, all hidden.
void checkFormulas(FormFixture& f, const Expected& e) {
    for (const Formula& fl : e.formulas) {
        auto& caption = f.ctl<Label>(fl.label);
        QCOMPARE(caption.caption(), QString::fromUtf8(fl.caption));
        QCOMPARE(caption.pos(), QPoint(fl.left, fl.top));
        QVERIFY(caption.isHidden());
        if (!fl.descriptionLabel) continue;
        auto& description = f.ctl<Label>(fl.descriptionLabel);
        QCOMPARE(description.caption(), QString::fromUtf8(fl.description));
        QVERIFY(description.isHidden());
    }
}

// Where a letter departs from the common lesson, and where it must not.
void checkDepartures(FormFixture& f, const Expected& e, const LessonProbe& probe) {
    QCOMPARE(probe.frameShown, e.frameWhileDrawing);
    QCOMPARE(probe.frameWidth, e.frameWidth ? e.frameWidth : f.ctl(e.frameOf).width());
    QCOMPARE(probe.instruction, e.instructionWhileDrawing
                                    ? QString::fromUtf8(e.instructionWhileDrawing)
                                    : standardInstruction(e.letter));
    QCOMPARE(probe.shiftX, e.shiftXWhileDrawing.value_or(kMarker));
    QCOMPARE(plotState.shiftX, e.shiftX.value_or(kMarker));
    QCOMPARE(plotState.shiftY, e.shiftY.value_or(kMarker));
    QCOMPARE(probe.pictureShown, e.pictureBeforeSmallLetter);
    QCOMPARE(f.ctl<QLineEdit>("Edit1").text().isEmpty(), e.clearsFunctionEntry);
    for (const char* name : {"Edit2", "Edit3", "Label36", "Label37"})
        QVERIFY2(f.ctl(name).isHidden() == e.clearsFunctionEntry, name);
    QCOMPARE(f.ctl("Label44").isHidden(), e.hidesLabel44);
    QCOMPARE(f.ctl<Label>("Label1").caption() == QString::fromUtf8(e.letter), e.hintIsBareLetter);
}

}  // namespace

class LessonsPtoYaTest : public QObject {
    Q_OBJECT
  private slots:
    void lesson_data() {
        QTest::addColumn<QString>("letter");
        for (const Expected& e : kLessons) QTest::newRow(e.letter) << QString::fromUtf8(e.letter);
    }

    void lesson() {
        QFETCH(QString, letter);
        const Expected& e = expectedFor(letter);
        FormFixture f;
        setTheScene(f, e);
        LessonProbe probe(f, e);
        f.click(e.key);

        checkPreview(e, probe);
        if (QTest::currentTestFailed()) return;
        checkSmallLetter(f, e, probe);
        if (QTest::currentTestFailed()) return;
        checkScreen(f, e);
        if (QTest::currentTestFailed()) return;
        checkFormulas(f, e);
        if (QTest::currentTestFailed()) return;
        checkDepartures(f, e, probe);
    }
};

QTEST_MAIN(LessonsPtoYaTest)
#include "test_lessons_p_ya.moc"
