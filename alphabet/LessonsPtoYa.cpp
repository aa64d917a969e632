// The lessons of "П" … "Я", one row per letter in alphabetical order, written as LetterLesson.h
// tells. X, Y is the plane origin (942, 328) while a preview runs; t is paramValue.
#include "LetterLesson.h"
#include "LetterStrokes.h"
// Last: the XY(…)/R(…) notation of the tables.
#include "TraceNotation.h"

namespace {

// The stem, the bowl (dots of a sideways parabola) and the two bars of "Ь", which "Ъ" draws as
// they are and "Ы" with a second upright after them.
std::vector<TraceItem> softSignStrokes(std::vector<TraceItem> after = {}) {
    std::vector<TraceItem> items = {
        segment(XY(X + 1, Y - 77), XY(X + 1, R(120 * t + Y - 77))),
        dot(XY(X + 100 - R(100 * t * t), R(63 * t) + Y - 41)),
        segment(XY(X + 2, Y - 2), XY(R(50 * t + X + 32), Y - 2)),
        segment(XY(X + 20, Y - 80), XY(R(50 * t + X + 32), Y - 80)),
    };
    items.insert(items.end(), after.begin(), after.end());
    return items;
}

// clang-format off: one row reads as the lesson is written.
// clang-format off
std::vector<LetterLesson> buildRows() {
    std::vector<LetterLesson> rows;

    // "П": two uprights and the top bar grow together.
    rows.push_back(LetterLesson{
        .letter = u'П',
        .picture = "ImP",
        .pictureLeft = 939,
        .pictureTop = 176,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 2,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                segment(XY(X + 2, Y - 146), XY(X + 2, R(71 * t + Y - 146))),
                segment(XY(X + 97, Y - 146), XY(X + 97, R(71 * t + Y - 146))),
                segment(XY(X + 2, Y - 147), XY(R(47.5 * t + X + 2), Y - 147)),
            }}},
        .smallColour = rgb(0, 255, 255),
        .hotspots = {{"HV", 948, 179, 89, 5}, {"Label138", 940, 184, 12, 145}, {"Label139", 1034, 184, 12, 145}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=3", 970, 155, "Label49",
             "Пределы для   x     от  0 до  2  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 3."},
            {"Label51", "x(3)=2", 1055, 290, "Label52",
             "Пределы для  y3  от  0  до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
        },
    });

    // "Р": the stem, the bowl as a chain of dots of a sideways parabola, and the two bars.
    rows.push_back(LetterLesson{
        .letter = u'Р',
        .picture = "ImR",
        .pictureLeft = 938,
        .pictureTop = 173,
        .preview = {TraceLoop{
            .from = -0.62,
            .step = 0.01,
            .below = 0.62,
            .pen = 5,
            .pauseMs = 14,
            .items = {
                segment(XY(X + 1, Y - 149), XY(X + 1, R(76 * t + Y - 49))),
                dot(XY(X + 100 - R(100 * t * t), R(64.5 * t) + Y - 111)),
                letterstrokes::erTopBar(),
                segment(XY(X + 20, Y - 71), XY(R(50 * t + X + 32), Y - 71)),
            }}},
        .smallColour = rgb(190, 90, 200),
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
    });

    // "С": an ellipse open on the right, one dot a step; the picture itself is the part to click.
    rows.push_back(LetterLesson{
        .letter = u'С',
        .picture = "ImS",
        .pictureLeft = 939,
        .pictureTop = 175,
        .preview = {TraceLoop{
            .from = 0.6,
            .step = 0.01,
            .below = 5.6,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                dot(XY(R(53 * cos(t)) + X + 56, Y - 76 - R(72 * sin(t)))),
            }}},
        .smallColour = rgb(128, 0, 128),
        .hotspots = {},
        .formulas = {
            {"Label45", "x(1)=1.08+1.06*cos(x)", 795, 200, "Label46",
             "Функции синус и косинус образуют  вертикальный эллипс. Для него пределы аргумента  (a)    от  0  до  7.  Для буквы незамкнутый эллипс  с пределами аргумента  (a)   от  0,6  до  5,7."},
            {"Label48", "y(1)=1.5-1.48*sin(x)", 795, 220, "Label49",
             "Функции синус и косинус образуют  вертикальный эллипс. Для него пределы аргумента  (a)    от  0  до  7.  Для буквы незамкнутый эллипс  с пределами аргумента  (a)   от  0,6  до  5,7."},
        },
        .clearsFunctionEntry = true,
    });

    // "Т": the stem and the top bar.
    rows.push_back(LetterLesson{
        .letter = u'Т',
        .picture = "ImT",
        .pictureLeft = 938,
        .pictureTop = 176,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 2,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                segment(XY(X + 50, Y - 147), XY(X + 50, R(72 * t + Y - 147))),
                segment(XY(X + 2, Y - 147), XY(R(49 * t + X + 2), Y - 147)),
            }}},
        .smallColour = rgb(255, 0, 0),
        .hotspots = {{"VST", 990, 185, 5, 146}, {"HV", 944, 179, 89, 5}},
        .shiftY = -145,
        .formulas = {
            {"Label45", "x(1)=1", 935, 230, "Label46",
             "Пределы для  y1  от 0  до  3   Прямолинейная функция. Прямолинейный вертикальный  отрезок, смещен вправо на 1."},
            {"Label48", "y(2)=3", 970, 150, "Label49",
             "Пределы для   x     от  0  до 2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх  3. "},
        },
        .repeatsMarkerAfterSmallLetter = true,
    });

    // "У": the right arm as a parabola of dots, the left arm as a slanting segment.
    rows.push_back(LetterLesson{
        .letter = u'У',
        .picture = "ImU",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.001,
            .below = 2,
            .pen = 5,
            .pauseMs = 1,
            .items = {
                dot(XY(R(48.5 * t) + X + 2, Y - 4 - R(48.5 * (t - 0.27) * (t - 0.27)))),
                letterstrokes::uUpperArm(),
            }}},
        .smallColour = rgb(54, 40, 175),
        .hotspots = {{"Label72", 948, 180, 57, 99}, {"Label73", 1010, 180, 41, 87}, {"Label74", 944, 272, 97, 63}},
        .formulas = {
            {"Label45", "y(1)= -1,8*x+3", 840, 200, "Label46",
             "Пределы для  x  от  0 до  1,2.   Прямолинейная функция. Прямолинейный отрезок с тупым углом наклона к оси Х."},
            {"Label48", "y(2)=1,1*(x-0,3)*(x-0,3)", 1005, 290, "Label49",
             "Пределы  аргумента x    от  0  до  2.   Квадратная функция. Вертикальная полупарабола с правой ветвью, направленной вверх, смещенная вправо на 0,3."},
        },
    });

    // "Ф": a wide ellipse of dots and the stem through it.
    rows.push_back(LetterLesson{
        .letter = u'Ф',
        .slotWidth = 86,
        .picture = "ImF",
        .pictureLeft = 937,
        .pictureTop = 175,
        .frameWidth = 130,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 7,
            .pen = 5,
            .pauseMs = 3,
            .items = {
                letterstrokes::efOval(),
                segment(XY(X + 59, Y - 147), XY(X + 59, R(19.5 * t + Y - 147))),
            }}},
        .smallColour = rgb(180, 40, 175),
        .hotspots = {{"VST", 999, 177, 5, 140}, {"Label136", 944, 184, 48, 137}, {"Label137", 1013, 184, 60, 137}},
        .shiftX = 10,
        .formulas = {
            {"Label45", "x(1)=1,15", 970, 250, "Label46",
             "Пределы для  y1  от  0  до  3.   Уравнение x(1)=1,15.   Прямолинейный вертикальный отрезок, смещен вправо на 1,15."},
            {"Label48", "y(2)=1,15+1,21*cos(x)", 1075, 250, "Label49",
             "Пределы для x   от  0  до  7.     Функции косинус и синус образуют горизонтальный эллипс, смещенный вправо на 1,15 и поднятый вверх на 1,5."},
            {"Label51", "y(3)=1,5+sin(x)", 1075, 280, "Label52",
             "Пределы для x   от  0  до  7.  Функции синус и косинус образуют горизонтальный  эллипс, смещенный вправо на 1,15 и поднятый вверх на 1,5."},
        },
        .clearsFunctionEntry = true,
        .pictureAfterSmallLetter = true,
    });

    // "Х": two diagonals grow from the right. Its second stroke is explained first, in pair 1.
    rows.push_back(LetterLesson{
        .letter = u'Х',
        .picture = "ImXa",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 2,
            .pen = 5,
            .pauseMs = 6,
            .items = {
                segment(XY(X + 99, Y - 149), XY(R(-48 * t + X + 99), R(72.5 * t + Y - 148))),
                segment(XY(X + 99, Y - 2), XY(R(-48 * t + X + 99), R(-73 * t + Y - 2))),
            }}},
        .smallColour = rgb(60, 0, 10),
        .hotspots = {{"Label68", 931, 180, 56, 71}, {"Label69", 992, 252, 56, 75}, {"Label70", 932, 260, 56, 75}, {"Label71", 994, 180, 56, 71}},
        .formulas = {
            {"Label45", "y(2)= -1,5*x+3", 1035, 290, "Label46",
             "Пределы для  x   от  0  до  2.   Функция прямолинейной зависимости.   График представлен прямым наклонным отрезком с тупым углом к оси Х."},
            {"Label48", "y(1)=1,5*x", 890, 290, "Label49",
             "Пределы  для  x   от  0  до 2.    Функция прямолинейной зависимости.   График представлен прямым наклонным отрезком с острым углом к оси Х."},
        },
        .instructionUntilHotspots = "Раскрыть содержимое функций щелчками по их номерам для буквы  ",
    });

    // "Ц": as "П" turned over, with the tail a fixed segment redrawn at every step.
    rows.push_back(LetterLesson{
        .letter = u'Ц',
        .picture = "ImC",
        .pictureLeft = 939,
        .pictureTop = 175,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 2,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                segment(XY(X + 2, Y - 146), XY(X + 2, R(71.3 * t + Y - 147))),
                segment(XY(X + 97, Y - 146), XY(X + 97, R(71.3 * t + Y - 146))),
                letterstrokes::tseBottomBar(),
                segment(XY(X + 102, Y - 2), XY(X + 102, Y + 14)),
            }}},
        .smallColour = rgb(0, 129, 129),
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
    });

    // "Ч": the short left upright, the right upright and the middle bar.
    rows.push_back(LetterLesson{
        .letter = u'Ч',
        .picture = "ImCH",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 2,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                segment(XY(X + 1, Y - 146), XY(X + 1, R(35 * t + Y - 148))),
                segment(XY(X + 99, Y - 146), XY(X + 99, R(71.5 * t + Y - 146))),
                segment(XY(X + 1, Y - 75), XY(R(47 * t + X + 1), Y - 75)),
            }}},
        .smallColour = rgb(200, 150, 120),
        .hotspots = {{"HSN", 946, 251, 90, 5}, {"Label138", 940, 184, 12, 72}, {"Label139", 1036, 184, 12, 145}},
        .shiftX = 99,
        .formulas = {
            {"Label45", "x(1)=0", 890, 180, "Label46",
             "Пределы для   y     от  1,5  до  3.   Прямолинейная функция. Прямолинейный вертикальный отрезок, на оси Y."},
            {"Label48", "y(2)=1,5", 965, 230, "Label49",
             "Пределы для   x     от  0  до  2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."},
            {"Label51", "x(3)=2", 1052, 290, "Label52",
             "Пределы для  y3    от  0  до  3.  Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
        },
        .shiftFirst = true,
    });

    // "Ш": three uprights and the bottom bar.
    rows.push_back(LetterLesson{
        .letter = u'Ш',
        .slotWidth = 86,
        .picture = "ImSh",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 2,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                segment(XY(X + 1, Y - 148), XY(X + 1, R(72 * t + Y - 148))),
                segment(XY(X + 58, Y - 148), XY(X + 58, R(72 * t + Y - 148))),
                segment(XY(X + 116, Y - 148), XY(X + 116, R(72 * t + Y - 148))),
                segment(XY(X + 1, Y - 2), XY(R(55.5 * t + X + 1), Y - 2)),
            }}},
        .smallColour = rgb(63, 72, 204),
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
    });

    // "Щ": the strokes of "Ш" and a fixed tail; it shows the "Ш" picture, the tail is the
    // green bar PristavSHCH, and the frame takes the width of ImSHA.
    rows.push_back(LetterLesson{
        .letter = u'Щ',
        .slotWidth = 86,
        .picture = "ImSh",
        .pictureLeft = 938,
        .pictureTop = 175,
        .frameFrom = "ImSHA",
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 2,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                segment(XY(X + 1, Y - 148), XY(X + 1, R(72 * t + Y - 148))),
                segment(XY(X + 58, Y - 148), XY(X + 58, R(72 * t + Y - 148))),
                segment(XY(X + 116, Y - 148), XY(X + 116, R(72 * t + Y - 148))),
                segment(XY(X + 1, Y - 2), XY(R(55.5 * t + X + 1), Y - 2)),
                segment(XY(X + 120, Y - 4), XY(X + 120, Y + 14)),
            }}},
        .smallColour = rgb(63, 72, 204),
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
    });

    // "Ъ": the strokes of "Ь" without the frame (Shape1 is in its reset list); it shows the
    // "Ь" picture, and the serif is the bar PristavZnakTv.
    rows.push_back(LetterLesson{
        .letter = u'Ъ',
        .slotWidth = 76,
        .picture = "ImZnakM",
        .pictureLeft = 938,
        .pictureTop = 176,
        .frameFrom = "ImS",
        .preview = {TraceLoop{
            .from = -0.62,
            .step = 0.01,
            .below = 0.62,
            .pen = 5,
            .pauseMs = 6,
            .items = softSignStrokes()}},
        .smallColour = rgb(60, 0, 10),
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
        .alsoHides = {"Shape1"},
    });

    // "Ы": the strokes of "Ь" and a second upright. Pair 2 stays empty: its strokes 2 to 5
    // are explained in the pairs 3 to 6.
    rows.push_back(LetterLesson{
        .letter = u'Ы',
        .slotWidth = 80,
        .picture = "ImIE",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {TraceLoop{
            .from = -0.62,
            .step = 0.01,
            .below = 0.62,
            .pen = 5,
            .pauseMs = 12,
            .items = softSignStrokes(
                {segment(XY(X + 120, Y - 77), XY(X + 120, R(120 * t + Y - 77)))})}},
        .smallColour = rgb(200, 155, 0),
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
    });

    // "Ь": the stem, the bowl as dots of a sideways parabola, and its two bars, without the frame
    // (Shape1 is in its reset list). Its strokes 2 to 4 are explained in the pairs 3 to 6.
    rows.push_back(LetterLesson{
        .letter = u'Ь',
        .picture = "ImZnakM",
        .pictureLeft = 938,
        .pictureTop = 176,
        .frameFrom = "ImS",
        .preview = {TraceLoop{
            .from = -0.62,
            .step = 0.01,
            .below = 0.62,
            .pen = 5,
            .pauseMs = 6,
            .items = softSignStrokes()}},
        .smallColour = rgb(60, 0, 10),
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
        .alsoHides = {"Shape1"},
    });

    // "Э": an ellipse open on the left, one dot a step; the middle bar is the picture's only.
    rows.push_back(LetterLesson{
        .letter = u'Э',
        .picture = "ImEL",
        .pictureLeft = 938,
        .pictureTop = 174,
        .preview = {TraceLoop{
            .from = 0.7,
            .step = 0.001,
            .below = 5.6,
            .pen = 5,
            .pauseMs = 1,
            .items = {
                letterstrokes::eArc(),
            }}},
        .smallColour = rgb(140, 130, 0),
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
    });

    // "Ю": the upright and the short bar are fixed, redrawn at every step; the ellipse grows in dots.
    rows.push_back(LetterLesson{
        .letter = u'Ю',
        .slotWidth = 86,
        .picture = "ImYU",
        .pictureLeft = 938,
        .pictureTop = 173,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 7,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                segment(XY(X + 1, Y - 148), XY(X + 1, Y - 4)),
                segment(XY(X + 1, Y - 75), XY(X + 22, Y - 75)),
                dot(XY(R(48 * cos(t)) + X + 74, Y - 77 - R(73 * sin(t)))),
            }}},
        .smallColour = rgb(255, 127, 40),
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
    });

    // "Я": the bowl as dots of a sideways parabola, the upright, two fixed bars and the leg. Its
    // slot is the round picture Image37, and it also hides Label44 of the Function-mode keys.
    rows.push_back(LetterLesson{
        .letter = u'Я',
        .picture = "ImYA",
        .pictureLeft = 939,
        .pictureTop = 173,
        .preview = {TraceLoop{
            .from = -0.62,
            .step = 0.001,
            .below = 0.62,
            .pen = 5,
            .pauseMs = 2,
            .items = {
                dot(XY(R(98 * t * t) + X + 1, R(59 * t) + Y - 114)),
                letterstrokes::yaRightUprightBelowBowl(),
                letterstrokes::yaTopBar(),
                letterstrokes::yaMiddleBar(),
                segment(XY(X + 31, Y - 40), XY(R(-47 * t + X + 31), R(60 * t + Y - 40))),
            }}},
        .smallColour = rgb(255, 80, 255),
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
        .alsoHides = {"Label44"},
    });

    return rows;
}
// clang-format on

}  // namespace

std::span<const LetterLesson> lessonsPtoYa() {
    static const std::vector<LetterLesson> rows = withRecords(buildRows());
    return rows;
}
