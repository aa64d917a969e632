// The lessons of "А" … "О", one row per letter in alphabetical order. How a row is written is
// told in LetterLesson.h; the "Н" row is the worked example. X, Y is the plane origin (942, 328)
// while a preview runs; t is paramValue.
#include "LetterLesson.h"
#include "LetterStrokes.h"
// Last: the XY(…)/R(…) notation of the tables.
#include "TraceNotation.h"

namespace {

// The uprights and the diagonal of "И", which "Й" draws too.
std::vector<TraceItem> iStrokes() {
    return {
        segment(XY(X + 2, Y - 146), XY(X + 2, R(71.3 * t + Y - 147))),
        segment(XY(X + 97, Y - 146), XY(X + 97, R(71.3 * t + Y - 146))),
        segment(XY(X + 95, Y - 146), XY(R(-45 * t + X + 95), R(71 * t + Y - 146))),
    };
}

// The upright and the three bars of "Е", which "Ё" draws too.
std::vector<TraceItem> eStrokes() {
    return {
        segment(XY(X + 1, Y - 150), XY(X + 1, R(74 * t + Y - 150))),
        segment(XY(X + 1, Y - 150), XY(R(49 * t + X + 1), Y - 150)),
        segment(XY(X + 1, Y - 74), XY(R(49 * t + X + 1), Y - 74)),
        segment(XY(X + 1, Y - 2), XY(R(49 * t + X + 1), Y - 2)),
    };
}

// One arc of a dot of "Ё": t runs two steps a pass.
TraceLoop joArc(TraceItem arc) {
    return {.from = -0.18,
            .step = 0.001,
            .below = 0.18,
            .pen = 2,
            .pauseMs = 2,
            .items = {arc},
            .stepTwicePerPass = true};
}

// clang-format off
std::vector<LetterLesson> buildRows() {
    std::vector<LetterLesson> rows;

    // "А": two legs grow down from the apex; the crossbar is a fixed segment redrawn every step.
    rows.push_back(LetterLesson{
        .letter = u'А',
        .picture = "ImA",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 1,
            .pen = 5,
            .pauseMs = 12,
            .items = {
                segment(XY(X + 49, Y - 147), XY(R(-46.4 * t + X + 49), R(145 * t + Y - 147))),
                segment(XY(X + 49, Y - 147), XY(R(47.4 * t + X + 49), R(145 * t + Y - 147))),
                segment(XY(X + 24, Y - 65), XY(X + 76, Y - 65)),
            }}},
        .smallColour = rgb(215, 17, 27),
        .hotspots = {{"Label81", 944, 176, 48, 145}, {"Label82", 998, 176, 45, 145}, {"HA", 970, 260, 47, 4}},
        .formulas = {
            {"Label45", "y(1)=3*x", 900, 235, "Label46",
             " Пределы для аргумента x   от  0  до  1.  Функция прямолинейной зависимости. График представлен прямым наклонным отрезком под острым углом к оси Х."},
            {"Label48", "y(2)= -3*x+6", 1025, 235, "Label49",
             "Пределы для аргумента x   от  1 до  2.     Функция прямолинейной зависимости. График представлен прямым наклонным отрезком под тупым углом к оси Х."},
            {"Label51", "y(3)= 1,5", 962, 280, "Label52",
             "Пределы для аргумента x  от  0,5  до  1,5.   График представлен горизонтальным прямым  отрезком, поднятым вверх на 1,5. "},
        },
    });

    // "Б": the stem, the bowl as dots of a sideways parabola, its two bars and the top bar.
    rows.push_back(LetterLesson{
        .letter = u'Б',
        .picture = "ImB",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {TraceLoop{
            .from = -0.62,
            .step = 0.01,
            .below = 0.62,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                segment(XY(X + 1, Y - 77), XY(X + 1, R(120 * t + Y - 77))),
                dot(XY(X + 100 - R(100 * t * t), R(63 * t) + Y - 41)),
                segment(XY(X + 2, Y - 2), XY(R(50 * t + X + 32), Y - 2)),
                segment(XY(X + 20, Y - 80), XY(R(50 * t + X + 32), Y - 80)),
                letterstrokes::beTopBar(),
            }}},
        .smallColour = rgb(255, 150, 27),
        .hotspots = {{"VL", 941, 179, 5, 140}, {"HSZnakM", 944, 246, 54, 5}, {"HNZnakM", 944, 324, 54, 5},
                     {"Label97", 1008, 245, 50, 76}, {"HVB", 944, 178, 96, 5}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=3", 970, 154, "Label49",
             "Пределы для   x   от  0  до  2.    Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 3."},
            {"Label51", "y(3)=1,5", 952, 222, "Label52",
             "Пределы для   x    от  0  до  1,2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."},
            {"Label54", "y(4)=0", 952, 295, "Label55",
             "Пределы для  x    от  0  до  1,2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок на оси Х "},
            {"Label57", "x(5)=2-1.2*x*x", 1055, 270, "Label58",
             "Пределы для  x    от  -0,75  до  0,75.    Квадратная функция. Горизонтальная парабола, ветви которой направлены влево, и смещенная вверх на 0,77."},
            {"Label60", "y(5)=0,77+x", 1055, 290},
        },
    });

    // "В": the stem, two bowls of dots and three bars.
    rows.push_back(LetterLesson{
        .letter = u'В',
        .picture = "ImV",
        .pictureLeft = 937,
        .pictureTop = 174,
        .preview = {TraceLoop{
            .from = -0.59,
            .step = 0.01,
            .below = 0.59,
            .pen = 5,
            .pauseMs = 12,
            .items = {
                letterstrokes::veStem(),
                dot(XY(X + 100 - R(80 * t * t), R(62 * t) + Y - 113)),
                letterstrokes::veTopBar(),
                letterstrokes::veMiddleBar(),
                dot(XY(X + 100 - R(80 * t * t), R(60 * t) + Y - 39)),
                letterstrokes::veBottomBar(),
            }}},
        .smallColour = rgb(200, 155, 0),
        .hotspots = {{"Label138", 940, 184, 12, 145}, {"HVMal", 950, 177, 60, 5}, {"HSE", 950, 251, 60, 5},
                     {"Label107", 949, 313, 65, 15}, {"Label66", 1020, 183, 33, 66}, {"Label67", 1020, 256, 26, 76}},
        .shiftX = 2,
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=3", 970, 155, "Label49",
             "Пределы для   x     от  0 до  1,2  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 3."},
            {"Label51", "y(3)=1,5", 952, 230, "Label52",
             "Пределы для   x    от  0  до  1,2.  Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."},
            {"Label54", "y(4)= 0", 952, 295, "Label55",
             "Пределы для  x  от  0  до  1,2    Прямолинейная функция. Прямолинейный горизонтальный отрезок на оси X."},
            {"Label57", "x(5)=2-1.2*x*x;    y(5)=2,25+x", 945, 200, "Label58",
             "Пределы для  x    от  -0,75  до  0,75.    Квадратная функция.  Горизонтальная парабола, поднята вверх на 2,25 и смещена вправо на 2."},
            {"Label60", "x(6)=2-1.2*x*x;    y(6)=0,75+x", 945, 275, "Label61",
             "Пределы для  x    от  -0,75  до  0,75.      Квадратная функция.  Горизонтальная парабола, поднята вверх на 0,75 и смещена вправо на 2."},
        },
    });

    // "Г": the upright and the top bar.
    rows.push_back(LetterLesson{
        .letter = u'Г',
        .picture = "ImG",
        .pictureLeft = 938,
        .pictureTop = 173,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 2,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                segment(XY(X + 1, Y - 150), XY(X + 1, R(73 * t + Y - 150))),
                letterstrokes::geTopBar(),
            }}},
        .smallColour = kHotLight,
        .hotspots = {{"HV", 945, 176, 89, 5}, {"Label138", 940, 200, 12, 145}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 210, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=3", 970, 155, "Label49",
             "Пределы для  x   от  0 до  2.    Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 3."},
        },
        .hintWithoutLetter = true,
    });

    // "Д": the roof, the right upright, the left leg as dots of a parabola, the base and its feet.
    rows.push_back(LetterLesson{
        .letter = u'Д',
        .slotWidth = 90,
        .picture = "ImD",
        .pictureLeft = 938,
        .pictureTop = 174,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.001,
            .below = 1.27,
            .pen = 5,
            .pauseMs = 2,
            .items = {
                letterstrokes::deElTopBar(),
                letterstrokes::deRightUpright(),
                dot(XY(R(30 * t) + X, Y - 2 - R(91.09 * t * t))),
                segment(XY(X + 6, Y - 2), XY(R(77.5 * t + X + 6), Y - 2)),
                segment(XY(X + 106, Y), XY(X + 106, Y + 15)),
                segment(XY(X + 2, Y), XY(X + 2, Y + 15)),
            }}},
        .smallColour = rgb(255, 200, 0),
        .hotspots = {{"VP", 1040, 185, 5, 136}, {"Label77", 944, 184, 35, 150}, {"Label78", 856, 392, 19, 15},
                     {"Label80", 1003, 174, 52, 12}, {"HNizD", 957, 323, 84, 5}, {"Label83", 934, 328, 17, 17},
                     {"Label84", 1040, 330, 25, 22}},
        .formulas = {
            {"Label45", "y(1)=4*x*x", 910, 240, "Label46",
             "Пределы  x   от  0  до  0,85.   Квадратная функция.     Вертикальная полупарабола с правой ветвью, направленной вверх."},
            {"Label48", "y(2)=3", 990, 150, "Label49",
             "Пределы  x   от  0,8  до  2.      Прямолинейная функция.    Горизонтальный отрезок, поднятый вверх на 3."},
            {"Label51", "x(3)=2", 1060, 240, "Label52",
             "Пределы для  y от 0  до  3.       Прямолинейная функция.  Прямолинейный вертикальный отрезок, смещенный вправо на 2"},
            {"Label54", "y(4)=0", 980, 300, "Label55",
             "Пределы для   x     от  0  до  2,2.   Прямолинейная функция. Прямолинейный горизонтальный отрезок на оси X."},
            {"Label57", "x(5)=0", 880, 335, "Label58",
             "Пределы для   y5     от  -0,4  до  0.   Прямолинейная функция. Прямолинейный вертикальный левый приставной отрезок на оси Y"},
            {"Label60", "x(6)=2,1", 1060, 335, "Label61",
             "Пределы для   y6     от  -0,4  до  0.   Прямолинейная функция. Прямолинейный вертикальный правый отрезок, смещенный вправо от оси Y  на 2,1."},
        },
    });

    // "Е": the upright and three bars.
    rows.push_back(LetterLesson{
        .letter = u'Е',
        .picture = "ImE",
        .pictureLeft = 939,
        .pictureTop = 173,
        .preview = {TraceLoop{.from = 0, .step = 0.01, .below = 2, .pen = 5, .pauseMs = 5, .items = eStrokes()}},
        .smallColour = kHotLight,
        .hotspots = {{"HV", 945, 176, 89, 5}, {"HNizE", 950, 324, 85, 5}, {"HSE", 950, 252, 89, 5},
                     {"Label138", 940, 184, 12, 145}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=3", 970, 160, "Label49",
             "Пределы для  x   от  0 до  2.    Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 3."},
            {"Label51", "y(3)=1,5", 970, 225, "Label52",
             "Пределы для  x   от  0  до  2.   Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5.."},
            {"Label54", "y(4)=0", 970, 300, "Label55",
             "Пределы для  x   от  0 до  2.    Прямолинейная функция. Прямолинейный горизонтальный отрезок на оси Х."},
        },
    });

    // "Ё": the lesson of "Е" and two dots, each a ring of two parabola arcs (the lower opening
    // upwards, then the upper opening downwards), with pauses between; the left dot's hotspot
    // appears before the right dot is drawn. The picture of "Е" comes after the small letter.
    rows.push_back(LetterLesson{
        .letter = u'Ё',
        .picture = "ImE",
        .pictureLeft = 939,
        .pictureTop = 173,
        .preview = {
            TraceLoop{.from = 0, .step = 0.01, .below = 2, .pen = 5, .pauseMs = 5, .items = eStrokes()},
            pauseFor(200),
            joArc(dot(XY(R(30 * t) + X + 18, R(Y - 158 - 120 * t * t)))),
            joArc(dot(XY(R(30 * t) + X + 18, R(120 * t * t + Y - 168)))),
            pauseFor(200),
            showPart({"ShapLJO", 955, 160, 11, 11}),
            pauseFor(200),
            joArc(dot(XY(R(30 * t) + X + 78, R(Y - 158 - 120 * t * t)))),
            joArc(dot(XY(R(30 * t) + X + 78, R(120 * t * t + Y - 168)))),
            pauseFor(200),
        },
        .smallColour = rgb(255, 157, 75),
        .hotspots = {{"ShapLJO", 955, 160, 11, 11}, {"HV", 945, 176, 89, 5}, {"HNizE", 950, 324, 85, 5},
                     {"HSE", 950, 252, 89, 5}, {"Label138", 940, 184, 12, 145}, {"ShapPJO", 1015, 160, 11, 11}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=3", 970, 180, "Label49",
             "Пределы для  x   от  0 до  2.    Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 3."},
            {"Label51", "y(3)=1,5", 970, 225, "Label52",
             "Пределы для  x   от  0  до  2.   Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."},
            {"Label54", "y(4)=0", 970, 300, "Label55",
             "Пределы для  x   от  0 до  2.    Прямолинейная функция. Прямолинейный горизонтальный отрезок на оси Х."},
            {"Label57", "y(5)=3,16+6*(x-0,36)*(x-0,36);                y(6)=3,37-6*(x-0,36)*(x-0,36) ", 740, 143, "Label58",
             "Пределы для  x  от  0,1 до  0,62.   Граница  левого круга над буквой представлена окружностью, которая сформирована двумя параболами, с противоположно направленными ветвями, поднятыми вверх на 3,16 и 3,37 и смещенными вправо на 0,36."},
            {"Label60", "y(7)=3,16+6*(x-1,56)*(x-1,56);             y(8)=3,37-6*(x-1,56)*(x-1,56)", 740, 147, "Label61",
             "Пределы для  x  от  1,3 до  1,82.  Граница  правого круга над буквой представлена окружностью, которая сформирована двумя параболами, с противоположно направленными ветвями, поднятыми вверх на 3,16 и 3,37 и смещенными вправо на 1,56."},
        },
        .pictureAfterSmallLetter = true,
    });

    // "Ж": the two halves of a sideways parabola pair as dots, and the upright; the frame is as
    // wide as the picture of "Ш".
    rows.push_back(LetterLesson{
        .letter = u'Ж',
        .slotWidth = 86,
        .picture = "ImJE",
        .pictureLeft = 938,
        .pictureTop = 175,
        .frameFrom = "ImSh",
        .preview = {TraceLoop{
            .from = -0.9,
            .step = 0.001,
            .below = 0.9,
            .pen = 5,
            .pauseMs = 1,
            .items = {
                dot(XY(X + 58 - R(63 * t), R(Y - 75 - 90 * t * t))),
                dot(XY(X + 58 - R(63 * t), R(90 * t * t + Y - 75))),
                letterstrokes::zheStem(),
            }}},
        .smallColour = rgb(140, 130, 0),
        .hotspots = {{"Label90", 935, 180, 62, 69}, {"Label91", 1006, 176, 57, 73}, {"Label92", 928, 258, 58, 67},
                     {"Label93", 1014, 256, 57, 67}, {"Label94", 998, 176, 9, 150}},
        .formulas = {
            {"Label45", "y(1)=1,5+1,15*(x-1,15)*(x-1,15)", 730, 200, "Label46",
             "Пределы для x   от  0  до  2,3.    Функция квадратной зависимости. График представлен вертикальной параболой, направленной вверх. Парабола поднята на 1,5 и смещена вправо на 1,15."},
            {"Label48", "y(2)=1,5 -1,15*(x-1,15)*(x-1,15)", 730, 290, "Label49",
             "Пределы для x   от 0 до  2,3.  Функция квадратной зависимости. График представлен вертикальной параболой, ветви которой опущены вниз. Парабола поднята на 1,5 и смещена вправо на 1,15."},
            {"Label51", "x(3)=1,15", 970, 155, "Label52",
             "Пределы для x   от  0  до  3.  Функция прямолинейной зависимости. График представлен вертикальным отрезком,  смещенным вправо на 1,15. "},
        },
    });

    // "З": two ellipse arcs as dots; the loop runs while t < 2 × paramEnd, to 4.6. The frame is
    // moved to Top 175 as well.
    rows.push_back(LetterLesson{
        .letter = u'З',
        .picture = "ImZ",
        .pictureLeft = 938,
        .pictureTop = 176,
        .frameTop = 175,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.001,
            .below = 2.3,
            .pen = 5,
            .pauseMs = 1,
            .items = {
                dot(XY(X + 48 - R(45 * cos(t)), Y - 112 - R(35 * sin(t)))),
                dot(XY(R(45 * sin(t)) + X + 48, Y - 40 - R(37 * cos(t)))),
            },
            .belowFactor = 2}},
        .smallColour = rgb(255, 80, 255),
        .hotspots = {{"Label95", 944, 177, 105, 75}, {"Label96", 944, 255, 105, 75}},
        .formulas = {
            {"Label45", "x(1)=1-cos(a)", 1050, 170, "Label46",
             "Функции синус и косинус образуют горизонтальный эллипс, поднятый вверх на 2,2 и смещенный вправо на 1.  Для него пределы аргумента  (a)  от  0  до  4,6. Для буквы  пределы аргумента  (a)  от  0  до  4,6"},
            {"Label48", "y(1)=2,2+0,75*sin(a)", 1050, 190, "Label49",
             "Функции косинус и синус образуют горизонтальный эллипс, поднятый вверх на 2,2 и смещенный вправо на 1. Для него пределы аргумента  (a)  от  0  до  4,6. Для буквы  пределы аргумента  (a)  от  0  до  4,6"},
            {"Label51", "x(2)=1+sin(a)", 1050, 270, "Label52",
             "Функции косинус и синус образуют горизонтальный эллипс, поднятый вверх на 0,75 и смещенный вправо на 1.  Для него пределы аргумента  (a)  от  0  до  4,6. Для буквы  пределы аргумента  (a)  от  0  до  4,6"},
            {"Label54", "y(2)=0,75+0,75*cos(a)", 1050, 290, "Label55",
             "Функции синус и косинус образуют горизонтальный эллипс, поднятый вверх на 0,75 и смещенный вправо на 1.  Для него пределы аргумента  (a)  от  0  до  4,6. Для буквы  пределы аргумента  (a)  от  0  до  4,6"},
        },
    });

    // "И": two uprights and the diagonal; the hotspots come before the small letter.
    rows.push_back(LetterLesson{
        .letter = u'И',
        .picture = "ImI",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {TraceLoop{.from = 0, .step = 0.01, .below = 2, .pen = 5, .pauseMs = 5, .items = iStrokes()}},
        .smallColour = rgb(255, 0, 255),
        .hotspots = {{"Label138", 940, 184, 12, 145}, {"Label139", 1034, 184, 12, 145}, {"Label119", 950, 180, 83, 142}},
        .formulas = {
            {"Label45", "x(1)=0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3.   Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=1.5*x", 965, 295, "Label49",
             "Пределы для  x  от  0  до  2.  Прямолинейная функция. Прямолинейный отрезок под острым углом к оси Х."},
            {"Label51", "x(3)=2", 1065, 290, "Label52",
             "Пределы для  y3  от  0 до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
        },
        .hotspotsBeforeSmallLetter = true,
    });

    // "Й": the lesson of "И" and the breve, a parabola arc of dots with t two steps a pass; the
    // picture stands higher to hold the breve.
    rows.push_back(LetterLesson{
        .letter = u'Й',
        .picture = "ImKratJ",
        .pictureLeft = 938,
        .pictureTop = 157,
        .preview = {
            TraceLoop{.from = 0, .step = 0.01, .below = 2, .pen = 5, .pauseMs = 5, .items = iStrokes()},
            TraceLoop{
                .from = -0.24,
                .step = 0.001,
                .below = 0.24,
                .pen = 5,
                .pauseMs = 3,
                .items = {dot(XY(R(155 * t) + X + 50, R(Y - 156 - 190 * t * t)))},
                .stepTwicePerPass = true},
        },
        .smallColour = rgb(255, 0, 255),
        .hotspots = {{"Label138", 940, 184, 12, 145}, {"Label139", 1034, 184, 12, 145}, {"Label118", 960, 160, 97, 19},
                     {"Label119", 950, 180, 83, 142}},
        .formulas = {
            {"Label45", "x(1)=0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3.   Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=1.5*x", 965, 295, "Label49",
             "Пределы для  x  от  0  до  2.  Прямолинейная функция. Прямолинейный отрезок под острым углом к оси Х."},
            {"Label51", "x(3)=2", 1065, 290, "Label52",
             "Пределы для  y3  от  0 до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
            {"Label54", "y(4)=3,16+0,4*(x-1)*(x-1)", 745, 152, "Label55",
             "Пределы для  x  от   0,2  до  1,8  Квадратная функция. Вертикальная парабола, поднятая вверх на 3,16 и смещена вправо на 1. Ветви параболы направлены вверх."},
        },
        .hotspotsBeforeSmallLetter = true,
    });

    // "К": the upright, the short bar and the upper arm; the lower arm, the upper one mirrored,
    // is only in the picture. Its pairs are filled out of order: stroke 2 in pair 3, 3 in pair 2.
    rows.push_back(LetterLesson{
        .letter = u'К',
        .picture = "ImK",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {
            TraceLoop{
                .from = 0,
                .step = 0.001,
                .below = 1.9,
                .pen = 6,
                .pauseMs = 1,
                .items = {
                    segment(XY(X + 2, Y - 148), XY(X + 2, R(76.2 * t + Y - 148))),
                    segment(XY(X + 2, Y - 75), XY(R(12.5 * t + X + 18), Y - 75)),
                    dot(XY(R(32.5 * t) + X + 34, R(Y - 75 - 20 * t * t))),
                }},
            TraceLoop{
                .from = 0,
                .step = 0.001,
                .below = 1.9,
                .pen = 6,
                .pauseMs = 1,
                .items = {dot(XY(R(32.5 * t) + X + 34, R(Y - 75 + 20 * t * t)))},
                .pictureOnly = true},
        },
        .smallColour = rgb(0, 255, 0),
        .hotspots = {{"VL", 942, 178, 5, 144}, {"Label75", 950, 180, 91, 69}, {"Label76", 950, 258, 91, 67},
                     {"Label140", 950, 245, 28, 15}},
        .shiftX = 3,
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label51", "y(2)=1,5", 935, 260, "Label52",
             "Пределы  для x  от  0  до  0,9.     Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5. "},
            {"Label48", "y(3)=1,5+(x-0,8)*(x-0,8)", 978, 225, "Label49",
             "Пределы  для x   от  0,9  до 2.    Квадратная функция. Верхняя парабола с правой вертикальной ветвью, направленная вверх, поднятая на 1,5 и смещенная вправо на 0,8."},
            {"Label54", "y(4)=1,5-(x-0,8)*(x-0,8)", 1000, 300, "Label55",
             "Пределы  для x   от  0,9  до 2.    Квадратная функция. Нижняя парабола с правой вертикальной ветвью, направленной вниз, поднятая на 1,5 и смещенная вправо на 0,8."},
        },
    });

    // "Л": the roof, the right upright and the left leg as dots of a parabola; "y4=" and "y5="
    // stand before the captions of the two feet.
    rows.push_back(LetterLesson{
        .letter = u'Л',
        .slotWidth = 90,
        .picture = "ImL",
        .pictureLeft = 936,
        .pictureTop = 172,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.001,
            .below = 1.27,
            .pen = 5,
            .pauseMs = 2,
            .items = {
                letterstrokes::deElTopBar(),
                letterstrokes::elRightUpright(),
                dot(XY(R(30 * t) + X, Y - 3 - R(91.09 * t * t))),
            }}},
        .smallColour = rgb(255, 0, 0),
        .hotspots = {{"VP", 1040, 185, 5, 136}, {"Label77", 944, 184, 35, 150}, {"Label78", 856, 392, 19, 15},
                     {"Label80", 1003, 174, 52, 12}},
        .formulas = {
            {"Label45", "y(1)=4*x*x", 910, 240, "Label46",
             "Пределы  x   от  0  до  0,85.   Квадратная функция.     Вертикальная полупарабола с правой ветвью, направленной вверх. "},
            {"Label48", "y(2)=3", 990, 150, "Label49",
             "Пределы  x   от  0,8  до  2.      Прямолинейная функция.    Горизонтальный отрезок, поднятый вверх на 3.                 "},
            {"Label51", "x(3)=2", 1060, 240, "Label52",
             "Пределы для  y от 0  до  3.       Прямолинейная функция.  Прямолинейный вертикальный отрезок, смещенный вправо от оси Y на 2"},
            {"Label53", "y4=", 845, 370},
            {"Label54", "-1,5", 870, 370, "Label55",
             "Пределы  x4     от  -1,8  до  -1,2.      Прямолинейная функция. Горизонтальный первый приставной отрезок, ниже горизонтальной оси Х  на 1,5."},
            {"Label56", "y5=", 845, 410},
            {"Label57", "0,2", 870, 410, "Label58",
             "Пределы  x5     от  -1,8  до  -1,7.      Прямолинейная функция. Горизонтальный второй приставной отрезок, ниже горизонтальной оси Х  на -1,5."},
        },
    });

    // "М": two uprights and the V, all with |t|: full length at the first step, shrinking and
    // growing again as t passes 0. The frame is as wide as the picture of "Ж".
    rows.push_back(LetterLesson{
        .letter = u'М',
        .picture = "ImM",
        .pictureLeft = 938,
        .pictureTop = 175,
        .frameFrom = "ImJE",
        .preview = {TraceLoop{
            .from = -1.3,
            .step = 0.01,
            .below = 1.3,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                letterstrokes::emLeftUpright(),
                letterstrokes::emMiddle(),
                letterstrokes::emRightUpright(),
            }}},
        .smallColour = rgb(10, 200, 115),
        .hotspots = {{"Label105", 938, 184, 7, 141}, {"Label108", 952, 180, 100, 145}, {"Label114", 1056, 184, 7, 153}},
        .shiftX = 132,
        .formulas = {
            {"Label45", "x(1)=0", 890, 200, "Label46",
             "Пределы y1  от  0 до  3.    Прямолинейная функция.   Прямолинейный вертикальный отрезок на оси Y. "},
            {"Label48", "y(2)=2,6*abs(x-1,15)", 960, 180, "Label49",
             "Пределы x  от  0  до  2,3.   Прямолинейная функция с положительными значениями функции. Два прямолинейных отрезка направленных вверх под разными углами к оси Х, с вершиной, смещенной вправо на 1,15."},
            {"Label51", "x(3)=2.3", 1070, 200, "Label52",
             "Пределы для y3  от  0  до  3.     Прямолинейная функция.    Прямолинейный вертикальный отрезок, смещенный вправо на 2,3."},
        },
    });

    // "Н", the worked example: the two uprights and the crossbar grow together, 200 steps; with the
    // origin (942, 328) the uprights run down from y 179 to 326 at x 943 and 1042, the crossbar
    // right from x 944 to 1038 at y 250.
    rows.push_back(LetterLesson{
        .letter = u'Н',
        .picture = "ImN",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 2,
            .pen = 5,
            .pauseMs = 5,
            .items = {
                segment(XY(X + 1, Y - 149), XY(X + 1, R(73.5 * t + Y - 149))),
                segment(XY(R(X + 99.5), Y - 149), XY(R(X + 99.5), R(73.5 * t + Y - 149))),
                segment(XY(R(X + 1.5), Y - 78), XY(R(47 * t + X + 1.5), Y - 78)),
            }}},
        .smallColour = rgb(0, 128, 128),
        .hotspots = {{"HSN", 950, 248, 90, 5}, {"Label138", 940, 200, 12, 145}, {"Label139", 1036, 176, 12, 145}},
        .formulas = {
            {"Label45", "x(1)= 0", 880, 290, "Label46",
             "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
            {"Label48", "y(2)=1,5", 970, 225, "Label49",
             "Пределы для  x   от  0  до  2.   Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."},
            {"Label51", "x(3)=2", 1050, 290, "Label52",
             "Пределы для  y3  от  0 до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
        },
    });

    // "О": an ellipse of dots, retraced past 2π; the picture itself is the part to click, and the
    // frame is as wide as the picture of "С". Function mode's entry is emptied first.
    rows.push_back(LetterLesson{
        .letter = u'О',
        .picture = "ImElips",
        .pictureLeft = 938,
        .pictureTop = 174,
        .frameFrom = "ImS",
        .preview = {TraceLoop{
            .from = 0,
            .step = 0.01,
            .below = 7,
            .pen = 5,
            .pauseMs = 5,
            .items = {letterstrokes::oEllipse()}}},
        .smallColour = rgb(0, 0, 255),
        .formulas = {
            {"Label45", "y(1)=1,5+1,5*sin(a)", 1050, 220, "Label46",
             "Пределы аргумента (a)   от  0  до  7.    Функции синус и косинус образуют вертикальный эллипс, поднятый вверх на 1,5 и смещенный вправо на 1."},
            {"Label48", "y(2)=1+cos(a)", 1050, 240, "Label49",
             "Пределы аргумента (a)   от  0  до  7.    Функции синус и косинус образуют вертикальный эллипс, поднятый вверх на 1,5 и смещенный вправо на 1."},
        },
        .clearsFunctionEntry = true,
    });

    return rows;
}
// clang-format on

}  // namespace

std::span<const LetterLesson> lessonsAtoO() {
    static const std::vector<LetterLesson> rows = withRecords(buildRows());
    return rows;
}
