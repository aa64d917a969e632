#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPen>
#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>

// The controls of the window, described by their tables. Graphic controls (labels,
// pictures, shapes) are painted under the window canvas; windowed ones (panels, edit boxes, the
// list box, the memo) over it. Every graphic control tells its surface when it must repaint, so
// that strokes drawn over it vanish (see ClientSurface).

class GraphicControl : public QWidget {
    Q_OBJECT
  public:
    explicit GraphicControl(QWidget* parent);

    // An integer the handlers may keep on the control.
    int tag() const { return tag_; }
    void setTag(int t) { tag_ = t; }

  signals:
    void clicked();
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void contextRequested(QPoint pos);

  protected:
    // The area of this control must repaint: strokes over it are lost.
    void repaintArea();
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

  private:
    int tag_ = 0;
    bool pressed_ = false;
};

class Label : public GraphicControl {
    Q_OBJECT
  public:
    explicit Label(QWidget* parent);

    QString caption() const { return caption_; }
    void setCaption(const QString& text);
    QColor fontColor() const { return fontColor_; }
    void setFontColor(QColor c);
    QColor color() const { return color_; }
    void setColor(QColor c);
    bool transparent() const { return transparent_; }
    void setTransparent(bool t);
    void setAlignment(Qt::Alignment a);
    void setWordWrap(bool w);
    void setLabelFont(const QFont& f);
    void setAutoSize(bool a);

    // Whether the caption fits the box in font f with the label's own wrap setting.
    bool captionFits(const QFont& f) const;
    // How the caption is shown: in its own font and wrap setting, or wrapped and a little smaller
    // where it would not fit; and whether it then shows whole.
    struct Shown {
        QFont font;
        int flags;
    };
    Shown shown() const;  // worked out once per caption, font, size and wrap setting
    bool shownWhole() const;

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void changeEvent(QEvent* e) override;

  private:
    void fitToText();
    int textFlags() const;
    Shown fit() const;
    bool fitsWith(const QFont& f, int flags) const;

    QString caption_;
    mutable std::optional<Shown> shown_;
    QColor fontColor_{Qt::black};
    QColor color_{Qt::transparent};
    bool transparent_ = false;
    bool wordWrap_ = false;
    bool autoSize_ = false;
    Qt::Alignment align_ = Qt::AlignLeft;
};

class Picture : public GraphicControl {
    Q_OBJECT
  public:
    explicit Picture(QWidget* parent);

    const QImage& picture() const;
    void setPicture(const QImage& img);
    // The picture is made the first time it is needed (shown or asked for), so that a window
    // of many painted pictures opens at once.
    void setPictureLoader(std::function<QImage()> loader);
    void setStretch(bool s);
    bool stretch() const { return stretch_; }
    // The picture changed in place: it repaints and wipes what was drawn over it.
    void pictureChanged() { repaintArea(); }

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    mutable QImage picture_;
    mutable std::function<QImage()> loader_;
    bool stretch_ = false;
    // The picture as the screen shows it, made once per size: strokes drawn over a picture make
    // it repaint at every step of a drawing, and scaling it each time would slow the animation.
    QPixmap shown_;
};

class Shape : public GraphicControl {
    Q_OBJECT
  public:
    enum Form { Rectangle, Ellipse, RoundRect, Circle };
    explicit Shape(QWidget* parent);

    QColor penColor() const { return pen_; }
    void setPenColor(QColor c);
    int penWidth() const { return penWidth_; }
    void setPenWidth(int w);
    QColor brushColor() const { return brush_; }
    void setBrushColor(QColor c);  // transparent = clear brush
    void setForm(Form f);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor pen_{Qt::black};
    QColor brush_{Qt::white};
    int penWidth_ = 1;
    Form form_ = Rectangle;
};

class Panel : public QFrame {
    Q_OBJECT
  public:
    explicit Panel(QWidget* parent);
    void setColor(QColor c);
    QColor color() const { return color_; }
    void setBevel(bool raised);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    QColor color_{Qt::lightGray};
    bool bevel_ = true;
    bool pressed_ = false;
};
