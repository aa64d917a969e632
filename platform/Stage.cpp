#include "Stage.h"

#include <QEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "Surface.h"

namespace stage {
namespace {

// The view that shows the embedded window scaled. It exists only once the window needs scaling.
class Stage : public QGraphicsView {
  public:
    explicit Stage(QWidget* form) : form_(form) {
        setObjectName("Stage");
        setWindowTitle(form->windowTitle());
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setFrameStyle(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setRenderHints(QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
        setBackgroundBrush(Qt::black);  // the margins of the projector view
        setScene(new QGraphicsScene(this));
        proxy_ = scene()->addWidget(form);
        form->installEventFilter(this);
    }

    void showScaled(const QRect& area, double factor, bool fullScreen) {
        factor_ = factor;
        setTransform(QTransform::fromScale(factor, factor));
        proxy_->setPos(0, 0);  // the embedded window takes its place from the stage
        setSceneRect(proxy_->sceneBoundingRect());
        if (fullScreen) {
            setGeometry(area);
            showFullScreen();
        } else {
            showNormal();
            setGeometry(area);
        }
        proxy_->setFocus();  // keys reach the window inside
        rescaleRasters();
    }

    double factor() const { return factor_; }

    void releaseForm() {
        form_->removeEventFilter(this);
        proxy_->setWidget(nullptr);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        // "Выход" closes the window inside; the stage around it goes with it, ending the program.
        if (watched == form_ && e->type() == QEvent::Close)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!form_->isVisible()) close();
                },
                Qt::QueuedConnection);
        return false;
    }

  private:
    void rescaleRasters() {
        for (ClientSurface* s : form_->findChildren<ClientSurface*>()) s->rasterScaleChanged();
        viewport()->update();
    }

    QWidget* form_;
    QGraphicsProxyWidget* proxy_ = nullptr;
    double factor_ = 1.0;
};

QPointer<Stage> g_stage;
QWidget* g_form = nullptr;
QPoint g_place;
bool g_projector = false;

QScreen* screenFor(QPoint place) {
    QScreen* s = QGuiApplication::screenAt(place);
    return s ? s : QGuiApplication::primaryScreen();
}

Stage& stageFor(QWidget* form) {
    if (!g_stage) g_stage = new Stage(form);
    return *g_stage;
}

}  // namespace

Placement place(QPoint wanted, QSize size, const QRect& available) {
    const double factor = std::min({1.0, available.width() / double(size.width()),
                                    available.height() / double(size.height())});
    const int w = static_cast<int>(size.width() * factor);
    const int h = static_cast<int>(size.height() * factor);
    const int x =
        std::clamp(wanted.x(), available.left(), available.left() + available.width() - w);
    const int y = std::clamp(wanted.y(), available.top(), available.top() + available.height() - h);
    return {QPoint(x, y), factor};
}

double fillFactor(QSize size, const QRect& screen) {
    return std::min(screen.width() / double(size.width()), screen.height() / double(size.height()));
}

void present(QWidget* form, QPoint place) {
    g_form = form;
    g_place = place;
    form->ensurePolished();
    form->adjustSize();
    const QRect available = screenFor(place)->availableGeometry();
    const Placement p = stage::place(place, form->size(), available);
    if (p.factor >= 1.0 && !g_stage) {
        form->move(p.topLeft);
        form->show();
        return;
    }
    const QSize shown(static_cast<int>(form->width() * p.factor),
                      static_cast<int>(form->height() * p.factor));
    form->show();
    stageFor(form).showScaled(QRect(p.topLeft, shown), p.factor, false);
}

void setProjector(bool on) {
    if (!g_form || on == g_projector) return;
    g_projector = on;
    if (!on) {
        present(g_form, g_place);
        return;
    }
    QScreen* screen = g_stage ? g_stage->screen() : g_form->screen();
    const QRect area = screen->geometry();
    Stage& s = stageFor(g_form);
    s.showScaled(area, fillFactor(g_form->size(), area), true);
    s.activateWindow();
}

bool projector() {
    return g_projector;
}

void release() {
    if (g_stage) {
        g_stage->releaseForm();
        delete g_stage;
    }
    g_form = nullptr;
    g_projector = false;
}

QGraphicsView* view() {
    return g_stage;
}

double factor() {
    return g_stage && g_stage->isVisible() ? g_stage->factor() : 1.0;
}

double rasterScale(const QWidget* w) {
    return w->devicePixelRatioF() * factor();
}

}  // namespace stage
