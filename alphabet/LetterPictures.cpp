#include "LetterPictures.h"

#include <QPainter>

#include "AlphabetControls.h"
#include "LetterLesson.h"
#include "Letters.h"
#include "Plane.h"
#include "PlotState.h"
#include "PreviewDrawing.h"
#include "TraceLoop.h"

namespace {

const QImage& planePicture() {
    static const QImage plane = plane::paintPicture();
    return plane;
}

}  // namespace

// A picture shared by two letters (ImE, ImSh, ImZnakM) is painted from the letter whose record
// names it: "Е", "Ш", "Ь"; ImJO, ImSHA and ImZnakTverd are the letters with their extra marks.
char16_t letterOfPicture(const QString& pictureName) {
    const letters::LetterRecord* r = letters::byPicture(pictureName);
    return r ? r->letter : 0;
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
