// The Alphabet-mode lessons of "А" … "О". Each runs after another letter's lesson, and after every
// letter picture, hotspot and formula label has been shown by hand and knocked out of place;
// afterwards only its own picture and hotspots may show, at their places and sizes, its formula
// labels must hold its texts at their places (hidden), its preview loops must have run the listed
// numbers of passes with the listed first and last steps, and its small letter must be drawn in
// its slot in its colour.
//
// The expected values are worked by hand from the lessons as written. Passes: t starts at the
// loop's start and, while t < end (strictly), first grows by the step, summed in doubles: 0 → 2 by
// 0.01 draws 200 passes (the last at t = 2.0000000000000013), 0 → 1.27 by 0.001 draws 1271 (the
// sum reaches 1.2699999… before the last), "З" runs while t < 2 × 2.3 and draws 4601, the arcs of
// "Ё" add 0.002 a pass and draw 180 from −0.18. Coordinates are rounded only where a lesson writes
// [v], halves to even: for "Н" at t = 0.01 the uprights end at [73.5·0.01 + 179] = 180.
#include <QLineEdit>
#include <QSignalBlocker>
#include <QtTest>
#include <optional>
#include <set>
#include <vector>

#include "AlphabetGroups.h"
#include "CanvasRecorder.h"
#include "Fonts.h"
#include "FormFixture.h"
#include "LetterStart.h"
#include "ShellGroups.h"
#include "TextGroups.h"

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

// A run of passes that draw the same number of lines each (loops of one kind in a row merge).
struct Run {
    int passes, lines;
};

struct Expected {
    const char* letter;
    const char* key;
    QPoint keyPlace;     // of the key on Panel3, where the marker goes
    const char* before;  // the key of the lesson run first
    const char* slot;
    int slotWidth;
    QRgb smallColour;
    const char* picture;
    QPoint place;
    int frameWidth;
    std::vector<Run> runs;
    long long pauseMs;  // of the whole lesson, with stepDelayMs 0 for the small letter
    const char* first;  // the first pass of the preview, its strokes in order
    const char* last;   // the last pass of the first loop
    std::vector<Spot> hotspots;
    std::vector<Formula> formulas;
    std::optional<int> shiftX = std::nullopt;
    int frameTop = 252;  // where the menu entry leaves it
    bool hintWithoutLetter = false;
    bool pictureAfterSmallLetter = false;
    bool hotspotsBeforeSmallLetter = false;
    bool clearsFunctionEntry = false;
    const char* shownDuringPreview = "";  // a hotspot shown between two loops
};

const QRgb kHotLight = qRgb(0, 102, 204);

// clang-format off
const std::vector<Expected> kLessons = {
    {.letter = "А", .key = "Label5", .keyPlace = {112, 40}, .before = "Label14", .slot = "Image1", .slotWidth = 67,
     .smallColour = qRgb(215, 17, 27), .picture = "ImA", .place = {938, 175}, .frameWidth = 107,
     .runs = {{100, 3}}, .pauseMs = 1200,
     .first = "991,181>991,182 991,181>991,182 966,263>1018,263",
     .last = "991,181>945,326 991,181>1038,326 966,263>1018,263",
     .hotspots = {{"Label81", 944, 176, 48, 145}, {"Label82", 998, 176, 45, 145}, {"HA", 970, 260, 47, 4}},
     .formulas = {
         {"Label45", "y(1)=3*x", 900, 235, "Label46",
          " Пределы для аргумента x   от  0  до  1.  Функция прямолинейной зависимости. График представлен прямым наклонным отрезком под острым углом к оси Х."},
         {"Label48", "y(2)= -3*x+6", 1025, 235, "Label49",
          "Пределы для аргумента x   от  1 до  2.     Функция прямолинейной зависимости. График представлен прямым наклонным отрезком под тупым углом к оси Х."},
         {"Label51", "y(3)= 1,5", 962, 280, "Label52",
          "Пределы для аргумента x  от  0,5  до  1,5.   График представлен горизонтальным прямым  отрезком, поднятым вверх на 1,5. "},
     }},
    {.letter = "Б", .key = "Label34", .keyPlace = {288, 72}, .before = "Label3", .slot = "Image2", .slotWidth = 67,
     .smallColour = qRgb(255, 150, 27), .picture = "ImB", .place = {938, 175}, .frameWidth = 110,
     .runs = {{124, 5}}, .pauseMs = 620,
     .first = "943,251>943,178 1005,249>1005,249 944,326>944,326 962,248>944,248 991,180>943,180",
     .last = "943,251>943,325 1004,326>1004,326 944,326>1005,326 962,248>1005,248 991,180>1042,180",
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
     }},
    {.letter = "В", .key = "Label3", .keyPlace = {80, 40}, .before = "Label34", .slot = "Image3", .slotWidth = 67,
     .smallColour = qRgb(200, 155, 0), .picture = "ImV", .place = {937, 174}, .frameWidth = 111,
     .runs = {{118, 6}}, .pauseMs = 1416,
     .first = "942,178>942,232 1015,179>1015,179 942,179>953,179 942,253>953,253 1015,254>1015,254 942,324>953,324",
     .last = "942,178>942,324 1014,252>1014,252 942,179>1012,179 942,253>1012,253 1014,324>1014,324 942,324>1012,324",
     .hotspots = {{"Label138", 940, 184, 12, 145}, {"HVMal", 950, 177, 60, 5}, {"HSE", 950, 251, 60, 5},
                  {"Label107", 949, 313, 65, 15}, {"Label66", 1020, 183, 33, 66}, {"Label67", 1020, 256, 26, 76}},
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
     .shiftX = 2},
    {.letter = "Г", .key = "Label4", .keyPlace = {192, 8}, .before = "Label6", .slot = "Image4", .slotWidth = 67,
     .smallColour = kHotLight, .picture = "ImG", .place = {938, 173}, .frameWidth = 109,
     .runs = {{200, 2}}, .pauseMs = 1000,
     .first = "943,178>943,179 944,178>944,178",
     .last = "943,178>943,324 944,178>1040,178",
     .hotspots = {{"HV", 945, 176, 89, 5}, {"Label138", 940, 200, 12, 145}},
     .formulas = {
         {"Label45", "x(1)= 0", 880, 210, "Label46",
          "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
         {"Label48", "y(2)=3", 970, 155, "Label49",
          "Пределы для  x   от  0 до  2.    Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 3."},
     },
     .hintWithoutLetter = true},
    {.letter = "Д", .key = "Label7", .keyPlace = {272, 40}, .before = "Label12", .slot = "Image5", .slotWidth = 90,
     .smallColour = qRgb(255, 200, 0), .picture = "ImD", .place = {938, 174}, .frameWidth = 114,
     .runs = {{1271, 6}}, .pauseMs = 2542 + 1271,  // the small "Д" pauses 1 ms a step, 1271 steps
     .first = "982,178>980,178 1042,178>1042,178 942,326>942,326 948,326>948,326 1048,328>1048,343 944,328>944,343",
     .last = "982,178>1042,178 1042,178>1042,326 980,179>980,179 948,326>1047,326 1048,328>1048,343 944,328>944,343",
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
     }},
    {.letter = "Е", .key = "Label6", .keyPlace = {128, 8}, .before = "Label2", .slot = "Image6", .slotWidth = 67,
     .smallColour = kHotLight, .picture = "ImE", .place = {939, 173}, .frameWidth = 108,
     .runs = {{200, 4}}, .pauseMs = 1000,
     .first = "943,178>943,179 943,178>943,178 943,254>943,254 943,326>943,326",
     .last = "943,178>943,326 943,178>1041,178 943,254>1041,254 943,326>1041,326",
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
     }},
    // The four arcs of the dots: 180 passes each; 200 + 4 × 200 ms of pauses around them.
    {.letter = "Ё", .key = "Label2", .keyPlace = {32, 72}, .before = "Label6", .slot = "Image7", .slotWidth = 67,
     .smallColour = qRgb(255, 157, 75), .picture = "ImE", .place = {939, 173}, .frameWidth = 108,
     .runs = {{200, 4}, {720, 1}}, .pauseMs = 1000 + 720 * 2 + 4 * 200,
     .first = "943,178>943,179 943,178>943,178 943,254>943,254 943,326>943,326",
     .last = "943,178>943,326 943,178>1041,178 943,254>1041,254 943,326>1041,326",
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
     .shownDuringPreview = "ShapLJO"},
    {.letter = "Ж", .key = "Label9", .keyPlace = {304, 40}, .before = "Label13", .slot = "Image11", .slotWidth = 86,
     .smallColour = qRgb(140, 130, 0), .picture = "ImJE", .place = {938, 175}, .frameWidth = 126,
     .runs = {{1800, 3}}, .pauseMs = 1800,
     .first = "1057,180>1057,180 1057,326>1057,326 1000,252>1000,180",
     .last = "943,180>943,180 943,326>943,326 1000,252>1000,324",
     .hotspots = {{"Label90", 935, 180, 62, 69}, {"Label91", 1006, 176, 57, 73}, {"Label92", 928, 258, 58, 67},
                  {"Label93", 1014, 256, 57, 67}, {"Label94", 998, 176, 9, 150}},
     .formulas = {
         {"Label45", "y(1)=1,5+1,15*(x-1,15)*(x-1,15)", 730, 200, "Label46",
          "Пределы для x   от  0  до  2,3.    Функция квадратной зависимости. График представлен вертикальной параболой, направленной вверх. Парабола поднята на 1,5 и смещена вправо на 1,15."},
         {"Label48", "y(2)=1,5 -1,15*(x-1,15)*(x-1,15)", 730, 290, "Label49",
          "Пределы для x   от 0 до  2,3.  Функция квадратной зависимости. График представлен вертикальной параболой, ветви которой опущены вниз. Парабола поднята на 1,5 и смещена вправо на 1,15."},
         {"Label51", "x(3)=1,15", 970, 155, "Label52",
          "Пределы для x   от  0  до  3.  Функция прямолинейной зависимости. График представлен вертикальным отрезком,  смещенным вправо на 1,15. "},
     }},
    {.letter = "З", .key = "Label8", .keyPlace = {288, 8}, .before = "Label15", .slot = "Image12", .slotWidth = 67,
     .smallColour = qRgb(255, 80, 255), .picture = "ImZ", .place = {938, 176}, .frameWidth = 105,
     .runs = {{4601, 2}}, .pauseMs = 4601,
     .first = "945,216>945,216 990,251>990,251",
     .last = "995,251>995,251 945,292>945,292",
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
     .frameTop = 175},
    {.letter = "И", .key = "Label19", .keyPlace = {192, 72}, .before = "Label14", .slot = "Image13", .slotWidth = 67,
     .smallColour = qRgb(255, 0, 255), .picture = "ImI", .place = {938, 175}, .frameWidth = 108,
     .runs = {{200, 3}}, .pauseMs = 1000,
     .first = "944,182>944,182 1039,182>1039,183 1037,182>1037,183",
     .last = "944,182>944,324 1039,182>1039,325 1037,182>947,324",
     .hotspots = {{"Label138", 940, 184, 12, 145}, {"Label139", 1034, 184, 12, 145}, {"Label119", 950, 180, 83, 142}},
     .formulas = {
         {"Label45", "x(1)=0", 880, 290, "Label46",
          "Пределы для  y1  от  0  до  3.   Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
         {"Label48", "y(2)=1.5*x", 965, 295, "Label49",
          "Пределы для  x  от  0  до  2.  Прямолинейная функция. Прямолинейный отрезок под острым углом к оси Х."},
         {"Label51", "x(3)=2", 1065, 290, "Label52",
          "Пределы для  y3  от  0 до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
     },
     .hotspotsBeforeSmallLetter = true},
    // The breve: 240 passes of two steps from −0.24, 3 ms each.
    {.letter = "Й", .key = "Label10", .keyPlace = {2, 8}, .before = "Label19", .slot = "Image14", .slotWidth = 67,
     .smallColour = qRgb(255, 0, 255), .picture = "ImKratJ", .place = {938, 157}, .frameWidth = 108,
     .runs = {{200, 3}, {240, 1}}, .pauseMs = 1000 + 240 * 3,
     .first = "944,182>944,182 1039,182>1039,183 1037,182>1037,183",
     .last = "944,182>944,324 1039,182>1039,325 1037,182>947,324",
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
     .hotspotsBeforeSmallLetter = true},
    // Only the upright, the short bar and the upper arm are drawn: three lines a pass.
    {.letter = "К", .key = "Label11", .keyPlace = {96, 8}, .before = "Label34", .slot = "Image15", .slotWidth = 67,
     .smallColour = qRgb(0, 255, 0), .picture = "ImK", .place = {938, 175}, .frameWidth = 104,
     .runs = {{1901, 3}}, .pauseMs = 1901,
     .first = "944,180>944,180 944,253>960,253 976,253>976,253",
     .last = "944,180>944,325 944,253>984,253 1038,181>1038,181",
     .hotspots = {{"VL", 942, 178, 5, 144}, {"Label75", 950, 180, 91, 69}, {"Label76", 950, 258, 91, 67},
                  {"Label140", 950, 245, 28, 15}},
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
     .shiftX = 3},
    {.letter = "Л", .key = "Label12", .keyPlace = {240, 40}, .before = "Label7", .slot = "Image16", .slotWidth = 90,
     .smallColour = qRgb(255, 0, 0), .picture = "ImL", .place = {936, 172}, .frameWidth = 113,
     .runs = {{1271, 3}}, .pauseMs = 2542 + 1271,  // the small "Л" runs the preview's range, 1 ms a step
     .first = "982,178>980,178 1042,178>1042,178 942,325>942,325",
     .last = "982,178>1042,178 1042,178>1042,325 980,178>980,178",
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
     }},
    // |t| makes the first pass draw the uprights at full length.
    {.letter = "М", .key = "Label13", .keyPlace = {160, 72}, .before = "Label9", .slot = "Image17", .slotWidth = 67,
     .smallColour = qRgb(10, 200, 115), .picture = "ImM", .place = {938, 175}, .frameWidth = 127,
     .runs = {{260, 3}}, .pauseMs = 1300,
     .first = "944,178>944,324 1000,326>946,179 1057,178>1057,324",
     .last = "944,178>944,325 1000,326>1055,178 1057,178>1057,325",
     .hotspots = {{"Label105", 938, 184, 7, 141}, {"Label108", 952, 180, 100, 145}, {"Label114", 1056, 184, 7, 153}},
     .formulas = {
         {"Label45", "x(1)=0", 890, 200, "Label46",
          "Пределы y1  от  0 до  3.    Прямолинейная функция.   Прямолинейный вертикальный отрезок на оси Y. "},
         {"Label48", "y(2)=2,6*abs(x-1,15)", 960, 180, "Label49",
          "Пределы x  от  0  до  2,3.   Прямолинейная функция с положительными значениями функции. Два прямолинейных отрезка направленных вверх под разными углами к оси Х, с вершиной, смещенной вправо на 1,15."},
         {"Label51", "x(3)=2.3", 1070, 200, "Label52",
          "Пределы для y3  от  0  до  3.     Прямолинейная функция.    Прямолинейный вертикальный отрезок, смещенный вправо на 2,3."},
     },
     .shiftX = 132},
    {.letter = "Н", .key = "Label14", .keyPlace = {160, 8}, .before = "Label12", .slot = "Image18", .slotWidth = 67,
     .smallColour = qRgb(0, 128, 128), .picture = "ImN", .place = {938, 175}, .frameWidth = 110,
     .runs = {{200, 3}}, .pauseMs = 1000,
     .first = "943,179>943,180 1042,179>1042,180 944,250>944,250",
     .last = "943,179>943,326 1042,179>1042,326 944,250>1038,250",
     .hotspots = {{"HSN", 950, 248, 90, 5}, {"Label138", 940, 200, 12, 145}, {"Label139", 1036, 176, 12, 145}},
     .formulas = {
         {"Label45", "x(1)= 0", 880, 290, "Label46",
          "Пределы для  y1  от  0  до  3    Прямолинейная функция. Прямолинейный вертикальный отрезок на оси Y."},
         {"Label48", "y(2)=1,5", 970, 225, "Label49",
          "Пределы для  x   от  0  до  2.   Прямолинейная функция. Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."},
         {"Label51", "x(3)=2", 1050, 290, "Label52",
          "Пределы для  y3  от  0 до  3.    Прямолинейная функция. Прямолинейный вертикальный отрезок, смещенный вправо на 2."},
     }},
    // 0 → 7 by 0.01: 701 dots, the last at t ≈ 7.01.
    {.letter = "О", .key = "Label15", .keyPlace = {208, 40}, .before = "Label8", .slot = "Image19", .slotWidth = 67,
     .smallColour = qRgb(0, 0, 255), .picture = "ImElips", .place = {938, 174}, .frameWidth = 108,
     .runs = {{701, 1}}, .pauseMs = 3505,
     .first = "1041,251>1041,251",
     .last = "1029,203>1029,203",
     .hotspots = {},
     .formulas = {
         {"Label45", "y(1)=1,5+1,5*sin(a)", 1050, 220, "Label46",
          "Пределы аргумента (a)   от  0  до  7.    Функции синус и косинус образуют вертикальный эллипс, поднятый вверх на 1,5 и смещенный вправо на 1."},
         {"Label48", "y(2)=1+cos(a)", 1050, 240, "Label49",
          "Пределы аргумента (a)   от  0  до  7.    Функции синус и косинус образуют вертикальный эллипс, поднятый вверх на 1,5 и смещенный вправо на 1."},
     },
     .frameTop = 175,  // where "З", run before, moved the frame
     .clearsFunctionEntry = true},
};
// clang-format on

QString fmtLine(const CanvasRecorder::Line& l) {
    return QString("%1,%2>%3,%4").arg(l.from.x()).arg(l.from.y()).arg(l.to.x()).arg(l.to.y());
}

// The passes of the preview: the lines drawn after each pen-width setting, from the preview's
// colour up to the next colour.
std::vector<std::vector<CanvasRecorder::Line>> previewPasses(const CanvasRecorder& rec) {
    std::vector<std::vector<CanvasRecorder::Line>> passes;
    bool inPreview = false;
    QPoint at;
    for (const CanvasOp& op : rec.ops) {
        if (op.kind == CanvasOp::PenColor) {
            if (inPreview) break;
            inPreview = static_cast<QRgb>(op.a) == (qRgb(0, 129, 129) & 0xFFFFFF);
        } else if (!inPreview) {
            continue;
        } else if (op.kind == CanvasOp::PenWidth) {
            passes.emplace_back();
        } else if (op.kind == CanvasOp::MoveTo) {
            at = QPoint(op.a, op.b);
        } else if (op.kind == CanvasOp::LineTo && !passes.empty()) {
            passes.back().push_back({at, QPoint(op.a, op.b), 0, 0});
            at = QPoint(op.a, op.b);
        }
    }
    return passes;
}

QString fmtPass(const std::vector<CanvasRecorder::Line>& pass) {
    QStringList parts;
    for (const auto& l : pass) parts << fmtLine(l);
    return parts.join(' ');
}

// Every letter picture, hotspot and formula label a lesson or a part pick may leave visible.
QStringList partsOfEveryLetter() {
    return groups::letterPartControls() + groups::formulaPairs() +
           QStringList{"Label65", "Label53", "Label56"};
}

// Passes every canvas operation on to a recorder, and notes what is visible when the pen first
// takes the small letter's colour.
class SmallLetterWatch : public CanvasListener {
  public:
    SmallLetterWatch(FormFixture& f, CanvasRecorder& rec, QRgb colour, QStringList names)
        : f_(f), rec_(rec), colour_(colour & 0xFFFFFF), names_(std::move(names)) {
        f.form().surface().canvas().setListener(this);
    }
    ~SmallLetterWatch() override { f_.form().surface().canvas().setListener(&rec_); }
    void canvasOp(const CanvasOp& op) override {
        rec_.canvasOp(op);
        if (op.kind != CanvasOp::PenColor || static_cast<QRgb>(op.a) != colour_ || seen) return;
        seen = true;
        for (const QString& n : names_) visibleThen[n] = !f_.ctl(n).isHidden();
    }
    bool seen = false;
    QMap<QString, bool> visibleThen;

  private:
    FormFixture& f_;
    CanvasRecorder& rec_;
    QRgb colour_;
    QStringList names_;
};

}  // namespace

Q_DECLARE_METATYPE(const Expected*)

class LessonsAtoOTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    void lesson_data() {
        QTest::addColumn<const Expected*>("e");
        for (const Expected& e : kLessons) QTest::newRow(e.letter) << &e;
    }

    void lesson() {
        QFETCH(const Expected*, e);
        FormFixture f;
        f.click("Label224");
        f.menu("N6");
        const QSignalBlocker quietHint(
            f.form().timer("Timer2"));  // the hint timer types into Label1
        f.click(e->before);

        // Everything of every letter on show and out of place, as picks and hands may leave it.
        for (const QString& n : partsOfEveryLetter()) {
            QWidget& w = f.ctl(n);
            if (n.startsWith("Im"))
                w.move(1, 1);  // a picture keeps its size: the frame takes it
            else
                w.setGeometry(1, 1, 3, 3);
            w.show();
        }
        f.ctl<QLineEdit>("Edit1").setText("2-1.2*x*x");
        for (const char* n : {"Edit2", "Edit3", "Label36", "Label37"}) f.ctl(n).show();
        plotState.shiftX = 777;
        plotState.shiftY = 888;
        pacing::resetRequestedPause();

        QStringList watched{e->picture, "Shape1"};
        for (const Spot& s : e->hotspots) watched << s.name;
        CanvasRecorder rec(f.form().surface().canvas());
        SmallLetterWatch watch(f, rec, e->smallColour, watched);
        f.click(e->key);

        // Only its own picture and hotspots are visible, at their places and sizes.
        std::set<QString> expectedVisible{e->picture};
        for (const Spot& s : e->hotspots) expectedVisible.insert(s.name);
        for (const QString& n : partsOfEveryLetter())
            QVERIFY2(f.ctl(n).isHidden() != expectedVisible.count(n), qPrintable(n));
        QCOMPARE(f.ctl(e->picture).pos(), e->place);
        for (const Spot& s : e->hotspots)
            QCOMPARE(f.ctl(s.name).geometry(), QRect(s.left, s.top, s.width, s.height));

        // The formula labels hold its texts, hidden.
        for (const Formula& fl : e->formulas) {
            auto& caption = f.ctl<Label>(fl.label);
            QCOMPARE(caption.caption(), QString::fromUtf8(fl.caption));
            QCOMPARE(caption.pos(), QPoint(fl.left, fl.top));
            QVERIFY(caption.isHidden());
            if (!fl.descriptionLabel) continue;
            auto& description = f.ctl<Label>(fl.descriptionLabel);
            QCOMPARE(description.caption(), QString::fromUtf8(fl.description));
            QVERIFY(description.isHidden());
        }

        // The preview: passes, lines per pass, first and last steps, pauses.
        const auto passes = previewPasses(rec);
        std::vector<std::pair<int, int>> runs;
        for (const auto& p : passes) {
            if (!runs.empty() && runs.back().second == int(p.size()))
                ++runs.back().first;
            else
                runs.push_back({1, int(p.size())});
        }
        std::vector<std::pair<int, int>> expectedRuns;
        for (const Run& r : e->runs) expectedRuns.push_back({r.passes, r.lines});
        QCOMPARE(runs, expectedRuns);
        QCOMPARE(fmtPass(passes.front()), QString(e->first));
        QCOMPARE(fmtPass(passes[e->runs.front().passes - 1]), QString(e->last));
        QCOMPARE(pacing::requestedPauseMs(), e->pauseMs);

        // The small letter, in its colour, inside its slot.
        QVERIFY(watch.seen);
        const QWidget& slot = f.ctl(e->slot);
        QVERIFY(!slot.isHidden());
        QCOMPARE(slot.size(), QSize(e->slotWidth, 101));
        // Small letters may reach a few pixels past a 67-pixel slot ("М", the breve of "Й").
        QRect drawn;
        for (const auto& l : rec.lines())
            if (l.colour == (e->smallColour & 0xFFFFFF))
                drawn |= QRect(l.from, l.to).normalized().adjusted(0, 0, 1, 1);
        QVERIFY(!drawn.isEmpty());
        QVERIFY2(slot.geometry().adjusted(-8, -8, 8, 8).contains(drawn),
                 qPrintable(QString("%1,%2 %3x%4")
                                .arg(drawn.x())
                                .arg(drawn.y())
                                .arg(drawn.width())
                                .arg(drawn.height())));
        QVERIFY(drawn.contains(slot.geometry().center()));
        QCOMPARE(watch.visibleThen.value(e->picture), !e->pictureAfterSmallLetter);
        QVERIFY(!watch.visibleThen.value("Shape1"));  // the frame goes when the preview ends
        for (const Spot& s : e->hotspots)
            QCOMPARE(watch.visibleThen.value(s.name),
                     e->hotspotsBeforeSmallLetter || QString(s.name) == e->shownDuringPreview);

        // The frame, the marker, the lines, the timer and what is left for part picking.
        auto& frame = f.ctl<Shape>("Shape1");
        QVERIFY(frame.isHidden());
        QCOMPARE(frame.width(), e->frameWidth);
        QCOMPARE(frame.y(), e->frameTop);
        auto& marker = f.ctl<Label>("Label38");
        QVERIFY(!marker.isHidden());
        QCOMPARE(marker.caption(), QString::fromUtf8(e->letter));
        QCOMPARE(marker.pos(), e->keyPlace);
        QCOMPARE(f.ctl<Label>("Label1").caption(),
                 e->hintWithoutLetter ? QString() : QString::fromUtf8(e->letter));
        QCOMPARE(f.ctl<Label>("Label40").caption(),
                 "Выполнять щелчки по деталям буквы  " + QString::fromUtf8(e->letter) +
                     "  для показа содержимого их функций и графиков  ");
        QVERIFY(!f.ctl("Label40").isHidden());
        QVERIFY(f.form().timer("Timer2").isActive());
        QVERIFY(f.ctl("Panel4").isHidden());
        QCOMPARE(plotState.originX, 942);
        QCOMPARE(plotState.originY, 328);
        QCOMPARE(plotState.shiftX, e->shiftX.value_or(777));
        QCOMPARE(plotState.shiftY, 888);
        QCOMPARE(f.ctl<QLineEdit>("Edit1").text().isEmpty(), e->clearsFunctionEntry);
        for (const char* n : {"Edit2", "Edit3", "Label36", "Label37"})
            QCOMPARE(f.ctl(n).isHidden(), e->clearsFunctionEntry);
        QVERIFY(f.messages().shown().empty());
    }
};

QTEST_MAIN(LessonsAtoOTest)
#include "test_lessons_a_o.moc"
