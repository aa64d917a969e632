#include "TimedNote.h"

#include <QTimer>

#include "Pacing.h"

TimedNote::TimedNote(QWidget* surface, QRect place, const QString& name, int shownMs)
    : QLabel(surface->window()), over_(this, surface, place), timer_(new QTimer(this)) {
    setObjectName(name);
    resize(place.size());
    setAlignment(Qt::AlignCenter);
    timer_->setObjectName(name + "Timer");
    timer_->setSingleShot(true);
    timer_->setInterval(shownMs);
    pacing::adoptWindowTimer(timer_);
    connect(timer_, &QTimer::timeout, this, &QWidget::hide);
    hide();
}

void TimedNote::say(const QString& text) {
    setText(text);
    show();
    raise();
    timer_->start();
}

void TimedNote::look(QColor back, QColor text, int frameWidth) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, text);
    setPalette(pal);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(frameWidth);
}
