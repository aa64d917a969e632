#include "Controls.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>

#include "Stage.h"
#include "Surface.h"

GraphicControl::GraphicControl(QWidget* parent) : QWidget(parent) {}

void GraphicControl::repaintArea() {
    if (!isVisible()) return;
    if (auto* s = ClientSurface::of(this); s && parentWidget() == s) s->invalidate(geometry());
    update();
}

void GraphicControl::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
    emit mouseDown(e->button(), e->position().toPoint());
}

void GraphicControl::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}

void GraphicControl::contextMenuEvent(QContextMenuEvent* e) {
    emit contextRequested(e->pos());
}

// ---------------------------------------------------------------------------------------------

Label::Label(QWidget* parent) : GraphicControl(parent) {}

void Label::setCaption(const QString& text) {
    if (text == caption_) return;
    caption_ = text;
    shown_.reset();
    if (autoSize_) fitToText();
    repaintArea();
}

void Label::setFontColor(QColor c) {
    if (c == fontColor_) return;
    fontColor_ = c;
    repaintArea();
}

void Label::setColor(QColor c) {
    color_ = c;
    repaintArea();
}

void Label::setTransparent(bool t) {
    transparent_ = t;
    repaintArea();
}

void Label::setAlignment(Qt::Alignment a) {
    shown_.reset();
    align_ = a;
    repaintArea();
}

void Label::setWordWrap(bool w) {
    shown_.reset();
    wordWrap_ = w;
    repaintArea();
}

void Label::setLabelFont(const QFont& f) {
    shown_.reset();
    setFont(f);
    if (autoSize_) fitToText();
    repaintArea();
}

void Label::setAutoSize(bool a) {
    shown_.reset();
    autoSize_ = a;
    if (autoSize_) fitToText();
}

void Label::fitToText() {
    if (caption_.isEmpty()) return;
    const QFontMetrics fm(font());
    if (wordWrap_) {
        const QRect r = fm.boundingRect(QRect(0, 0, width(), 10000), Qt::TextWordWrap, caption_);
        resize(width(), r.height());
    } else {
        resize(fm.horizontalAdvance(caption_), fm.height());
    }
}

int Label::textFlags() const {
    int flags = static_cast<int>(align_ & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    if (wordWrap_) flags |= Qt::TextWordWrap;
    return flags;
}

bool Label::fitsWith(const QFont& f, int flags) const {
    const QFontMetrics fm(f);
    // Wrapped text may take as many lines as the box holds; a word wider than the box, or a line
    // taller than it, does not fit.
    const QRect needed = fm.boundingRect(QRect(0, 0, width(), 100000), flags, caption_);
    return needed.width() <= width() && needed.height() <= std::max(height(), fm.height());
}

bool Label::captionFits(const QFont& f) const {
    if (caption_.isEmpty() || autoSize_) return true;  // an autosized box follows its text
    return fitsWith(f, textFlags());
}

Label::Shown Label::shown() const {
    if (!shown_) shown_ = fit();
    return *shown_;
}

void Label::resizeEvent(QResizeEvent*) {
    shown_.reset();
}

void Label::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange) shown_.reset();
    GraphicControl::changeEvent(e);
}

// The substitute fonts are wider than the faces the window was laid out for, and a few captions
// are longer than their boxes: a caption that does not fit is wrapped where its box holds more
// than one line, and shown a pixel size or a few smaller where it still does not, never moving
// the control.
Label::Shown Label::fit() const {
    Shown out{font(), textFlags()};
    if (captionFits(out.font) || out.font.pixelSize() <= 0) return out;
    if (height() >= 2 * QFontMetrics(out.font).lineSpacing()) out.flags |= Qt::TextWordWrap;
    while (out.font.pixelSize() > 6 && !fitsWith(out.font, out.flags))
        out.font.setPixelSize(out.font.pixelSize() - 1);
    return out;
}

bool Label::shownWhole() const {
    if (caption_.isEmpty() || autoSize_) return true;
    const Shown s = shown();
    return fitsWith(s.font, s.flags);
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_ && color_.alpha() != 0) p.fillRect(rect(), color_);
    if (caption_.isEmpty()) return;
    const Shown shown = this->shown();
    p.setFont(shown.font);
    if (isEnabled()) {
        p.setPen(fontColor_);
        p.drawText(rect(), shown.flags, caption_);
    } else {
        // Greyed, as the desktop draws the text of a control that cannot be used.
        style()->drawItemText(&p, rect(), shown.flags, palette(), false, caption_,
                              QPalette::WindowText);
    }
}

// ---------------------------------------------------------------------------------------------

Picture::Picture(QWidget* parent) : GraphicControl(parent) {}

const QImage& Picture::picture() const {
    if (loader_) {
        picture_ = loader_();
        loader_ = nullptr;
    }
    return picture_;
}

void Picture::setPictureLoader(std::function<QImage()> loader) {
    loader_ = std::move(loader);
    shown_ = QPixmap();
    repaintArea();
}

void Picture::setPicture(const QImage& img) {
    loader_ = nullptr;
    picture_ = img;
    shown_ = QPixmap();
    repaintArea();
}

void Picture::setStretch(bool s) {
    stretch_ = s;
    shown_ = QPixmap();
    repaintArea();
}

void Picture::resizeEvent(QResizeEvent*) {
    shown_ = QPixmap();
}

void Picture::paintEvent(QPaintEvent* e) {
    if (picture().isNull()) return;
    const qreal dpr = stage::rasterScale(this);
    if (shown_.isNull() || shown_.devicePixelRatio() != dpr) {
        if (stretch_) {
            shown_ = QPixmap::fromImage(
                picture_.scaled(size() * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            shown_.setDevicePixelRatio(dpr);
        } else {
            shown_ = QPixmap::fromImage(picture_.scaled(
                picture_.size() * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            shown_.setDevicePixelRatio(dpr);
        }
    }
    QPainter p(this);
    for (const QRect& r : e->region()) {
        const QRectF source(QPointF(r.topLeft()) * shown_.devicePixelRatio(),
                            QSizeF(r.size()) * shown_.devicePixelRatio());
        p.drawPixmap(QRectF(r), shown_, source);
    }
}

// ---------------------------------------------------------------------------------------------

Shape::Shape(QWidget* parent) : GraphicControl(parent) {}

void Shape::setPenColor(QColor c) {
    pen_ = c;
    repaintArea();
}

void Shape::setPenWidth(int w) {
    penWidth_ = w;
    repaintArea();
}

void Shape::setBrushColor(QColor c) {
    brush_ = c;
    repaintArea();
}

void Shape::setForm(Form f) {
    form_ = f;
    repaintArea();
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = std::max(1, penWidth_);
    // The outline lies inside the control: a wide pen does not spill over its neighbours.
    const QRectF box = QRectF(rect()).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0);
    QPen pen(pen_);
    pen.setWidth(w);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(brush_.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(brush_));
    switch (form_) {
        case Rectangle:
            p.drawRect(box);
            break;
        case Ellipse:
            p.drawEllipse(box);
            break;
        case RoundRect:
            p.drawRoundedRect(box, box.width() / 4, box.height() / 4);
            break;
        case Circle: {
            const qreal d = std::min(box.width(), box.height());
            p.drawEllipse(QRectF(box.center().x() - d / 2, box.center().y() - d / 2, d, d));
            break;
        }
    }
}

// ---------------------------------------------------------------------------------------------

Panel::Panel(QWidget* parent) : QFrame(parent) {}

void Panel::setColor(QColor c) {
    color_ = c;
    update();
}

void Panel::setBevel(bool raised) {
    bevel_ = raised;
    update();
}

void Panel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), color_);
    if (!bevel_) return;
    p.setPen(color_.lighter(160));
    p.drawLine(0, 0, width() - 1, 0);
    p.drawLine(0, 0, 0, height() - 1);
    p.setPen(color_.darker(170));
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    p.drawLine(width() - 1, 0, width() - 1, height() - 1);
}

void Panel::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton;
}

void Panel::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}
