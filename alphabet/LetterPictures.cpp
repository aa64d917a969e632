#include "LetterPictures.h"

#include <QPainter>

#include "AlphabetControls.h"
#include "LetterLesson.h"
#include "Plane.h"
#include "PlotState.h"
#include "PreviewDrawing.h"
#include "TraceLoop.h"

namespace {

struct PictureLetter {
    const char* picture;
    char16_t letter;
};

// A picture shared by two letters is painted from the letter it belongs to ("Е" for ImE, "Ш" for
// ImSh, "Ь" for ImZnakM); ImJO, ImSHA and ImZnakTverd are the letters with their extra marks.
constexpr PictureLetter kPictures[] = {
    {"ImA", u'А'},     {"ImB", u'Б'},   {"ImV", u'В'},         {"ImG", u'Г'},  {"ImD", u'Д'},
    {"ImE", u'Е'},     {"ImJO", u'Ё'},  {"ImJE", u'Ж'},        {"ImZ", u'З'},  {"ImI", u'И'},
    {"ImKratJ", u'Й'}, {"ImK", u'К'},   {"ImL", u'Л'},         {"ImM", u'М'},  {"ImN", u'Н'},
    {"ImElips", u'О'}, {"ImP", u'П'},   {"ImR", u'Р'},         {"ImS", u'С'},  {"ImT", u'Т'},
    {"ImU", u'У'},     {"ImF", u'Ф'},   {"ImXa", u'Х'},        {"ImC", u'Ц'},  {"ImCH", u'Ч'},
    {"ImSh", u'Ш'},    {"ImSHA", u'Щ'}, {"ImZnakTverd", u'Ъ'}, {"ImIE", u'Ы'}, {"ImZnakM", u'Ь'},
    {"ImEL", u'Э'},    {"ImYU", u'Ю'},  {"ImYA", u'Я'},
};

const QImage& planePicture() {
    static const QImage plane = plane::paintPicture();
    return plane;
}

}  // namespace

char16_t letterOfPicture(const QString& pictureName) {
    for (const PictureLetter& p : kPictures)
        if (pictureName == QLatin1String(p.picture)) return p.letter;
    return 0;
}

QImage paintLetterPicture(const QString& pictureName) {
    const char16_t letter = letterOfPicture(pictureName);
    if (!letter) return QImage();
    for (const ControlRow& row : alphabetControls()) {
        if (pictureName != QLatin1String(row.name)) continue;
        const QPoint at(row.left, row.top);
        QImage piece = planePicture().copy(QRect(at - plane::kAt, QSize(row.width, row.height)));
        const LetterLesson* lesson = findLesson(letter);
        if (!lesson) return piece;  // a letter without its row yet shows the bare plane
        PlotState ps;
        ps.originX = plane::kOrigin.x();
        ps.originY = plane::kOrigin.y();
        QPainter painter(&piece);
        PictureTarget target(painter, at, kPreviewColour);
        for (const PreviewItem& item : lesson->preview)
            if (item.kind == PreviewItem::Loop) runTraceLoop(item.loop, ps, target, {});
        return piece;
    }
    return QImage();
}
