#include "Controls.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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
    align_ = a;
    repaintArea();
}

void Label::setWordWrap(bool w) {
    wordWrap_ = w;
    repaintArea();
}

void Label::setLabelFont(const QFont& f) {
    setFont(f);
    if (autoSize_) fitToText();
    repaintArea();
}

void Label::setAutoSize(bool a) {
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

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_ && color_.alpha() != 0) p.fillRect(rect(), color_);
    if (caption_.isEmpty()) return;
    p.setPen(fontColor_);
    p.setFont(font());
    int flags = static_cast<int>(align_ & Qt::AlignHorizontal_Mask) | Qt::AlignTop;
    if (wordWrap_) flags |= Qt::TextWordWrap;
    p.drawText(rect(), flags, caption_);
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
    const qreal dpr = devicePixelRatioF();
    if (shown_.isNull() || shown_.devicePixelRatio() != dpr) {
        if (stretch_) {
            shown_ = QPixmap::fromImage(
                picture_.scaled(size() * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            shown_.setDevicePixelRatio(dpr);
        } else {
            shown_ = QPixmap::fromImage(picture_);
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
    // The outline lies inside the control, as the original shape draws it.
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
