#include "ContestScreen.h"

#include <QPainter>
#include <QVBoxLayout>

#include "Fonts.h"
#include "Plane.h"

namespace {
constexpr QRect kPlane = plane::kRect;
constexpr QRect kPanel(kPlane.left() + 10, kPlane.top() + 10, kPlane.width() - 20, 84);
constexpr QRect kClock(kPlane.left() + 10, kPlane.bottom() - 34, kPlane.width() - 20, 26);
constexpr QRect kAnnouncement(kPlane.left() + 20, kPlane.top() + 160, kPlane.width() - 40, 150);
}  // namespace

CheckPanel::CheckPanel(QWidget* surface) : QFrame(surface->window()), over_(this, surface, kPanel) {
    setObjectName("CheckPanel");
    resize(kPanel.size());
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 251, 214));
    pal.setColor(QPalette::WindowText, QColor(0, 0, 128));
    setPalette(pal);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    summary_ = new QLabel(this);
    summary_->setFont(fonts::make("Times New Roman", 17, true));
    summary_->setWordWrap(true);
    verdict_ = new QLabel(this);
    verdict_->setFont(fonts::make("Times New Roman", 15, false));
    verdict_->setWordWrap(true);
    layout->addWidget(summary_);
    layout->addWidget(verdict_);
    setCursor(Qt::PointingHandCursor);
    setToolTip("Щелчок убирает сообщение");
    hide();
}

void CheckPanel::showText(const QString& summary, const QString& verdict, bool built) {
    summary_->setText(summary);
    verdict_->setText(verdict);
    QPalette pal = verdict_->palette();
    pal.setColor(QPalette::WindowText, built ? QColor(0, 128, 0) : QColor(160, 0, 0));
    verdict_->setPalette(pal);
    resize(kPanel.width(), std::max(heightForWidth(kPanel.width()), 60));
    show();
    raise();
}

QString CheckPanel::text() const {
    return summary_->text() + "\n" + verdict_->text();
}

void CheckPanel::mousePressEvent(QMouseEvent*) {
    hide();
}

UncoveredMarks::UncoveredMarks(QWidget* surface)
    : QWidget(surface->window()), over_(this, surface, kPlane), origin_(kPlane.topLeft()) {
    setObjectName("UncoveredMarks");
    resize(kPlane.size());
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void UncoveredMarks::mark(const std::vector<QPoint>& points) {
    points_ = points;
    update();
}

void UncoveredMarks::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgba(kColour));
    for (QPoint w : points_) p.drawRect(QRect(w - origin_ - QPoint(1, 1), QSize(3, 3)));
}

RoundClock::RoundClock(QWidget* surface) : QLabel(surface->window()), over_(this, surface, kClock) {
    setObjectName("RoundClock");
    resize(kClock.size());
    setAlignment(Qt::AlignCenter);
    setFont(fonts::make("Times New Roman", 17, true));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 0, 128));
    pal.setColor(QPalette::WindowText, QColor(255, 255, 0));
    setPalette(pal);
    hide();
}

TurnAnnouncement::TurnAnnouncement(QWidget* surface)
    : TimedNote(surface, kAnnouncement, "TurnAnnouncement", kShownMs) {
    setWordWrap(true);
    setFont(fonts::make("Times New Roman", 26, true));
    look(QColor(128, 0, 128), QColor(255, 255, 0), 3);
    setCursor(Qt::PointingHandCursor);
}
