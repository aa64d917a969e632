// The lessons of "А" … "О", one row per letter in alphabetical order. How a row is written is
// told in LetterLesson.h; the "Н" row below is the worked example.
#include "LetterLesson.h"
// Last: the XY(…)/R(…) notation of the tables.
#include "LessonNotation.h"

namespace {

std::vector<LetterLesson> buildRows() {
    std::vector<LetterLesson> rows;

    // "Н": three segments grow together; X, Y is the plane origin (942, 328), so the uprights
    // run down from y 179 to 326 at x 943 and 1042 and the crossbar right from x 944 to 1038.
    rows.push_back(LetterLesson{
        .letter = u'Н',
        .key = "Label14",
        .slot = "Image18",
        .picture = "ImN",
        .pictureLeft = 938,
        .pictureTop = 175,
        .preview = {PreviewLoop{
            .from = 0,
            .step = 0.01,
            .below = 2,
            .pen = 5,
            .pauseMs = 5,
            .strokes = {
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

    return rows;
}

}  // namespace

std::span<const LetterLesson> lessonsAtoO() {
    static const std::vector<LetterLesson> rows = buildRows();
    return rows;
}
