#include "WorkScreen.h"

#include <QEvent>
#include <QPushButton>
#include <QShortcut>

#include "Fonts.h"
#include "Messages.h"
#include "Plane.h"

namespace {
// The note stands in the strip between the mode bar and the plane; the offer on the left half of
// the start screen, under the title.
constexpr QRect kNote(plane::kRect.left(), plane::kRect.top() - 30, plane::kRect.width(), 26);
constexpr QRect kOffer(72, 372, 560, 170);
constexpr int kButtonsTop = 126;  // "Продолжить работу" is centred at (171, 514) on the surface

void colour(QWidget* w, QColor back, QColor text) {
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, text);
    w->setPalette(pal);
}
}  // namespace

SaveNote::SaveNote(QWidget* surface) : TimedNote(surface, kNote, "SaveNote", kShownMs) {
    setFont(fonts::make("Times New Roman", 15, true));
    look(QColor(255, 251, 214), QColor(0, 100, 0), 1);
}

void SaveNote::say(const QString& text) {
    setToolTip(text);
    TimedNote::say(text);
}

RecoveryOffer::RecoveryOffer(QWidget* surface)
    : QFrame(surface->window()), over_(this, surface, kOffer) {
    setObjectName("RecoveryOffer");
    resize(kOffer.size());
    colour(this, QColor(255, 251, 214), QColor(0, 0, 128));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(2);
    // Fixed places, so that the buttons stand where a teacher (and a test) expects them.
    auto* title =
        new QLabel("Прошлое занятие закончилось, а его работа не сохранена в файл.", this);
    title->setGeometry(14, 8, kOffer.width() - 28, 48);
    title->setFont(fonts::make("Times New Roman", 17, true));
    title->setWordWrap(true);
    lines_ = new QLabel(this);
    lines_->setGeometry(14, 56, kOffer.width() - 28, 64);
    lines_->setFont(fonts::make("Times New Roman", 16, false));
    lines_->setWordWrap(true);
    lines_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    work_ = new QPushButton("Продолжить работу", this);
    work_->setObjectName("ContinueWork");
    round_ = new QPushButton("Продолжить раунд", this);
    round_->setObjectName("ContinueRound");
    ignore_ = new QPushButton("Не нужно (Esc)", this);
    ignore_->setObjectName("IgnoreRecovery");
    int left = 14;
    for (QPushButton* b : {work_, round_, ignore_}) {
        b->setFont(fonts::make("Times New Roman", 16, true));
        b->setGeometry(left, kButtonsTop, 170, 32);
        left += 181;
    }
    auto take = [this](std::function<void()>* what) {
        return [this, what] {
            const std::function<void()> go = *what;
            hide();
            if (go) messages::dispatch(go);
        };
    };
    connect(work_, &QPushButton::clicked, this, take(&continueWork_));
    connect(round_, &QPushButton::clicked, this, take(&continueRound_));
    connect(ignore_, &QPushButton::clicked, this, &QWidget::hide);
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), surface->window());
    escape_->setContext(Qt::WindowShortcut);
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, &QWidget::hide);
    hide();
}

void RecoveryOffer::offer(const QString& work, std::function<void()> continueWork,
                          const QString& round, std::function<void()> continueRound) {
    QStringList lines;
    if (!work.isEmpty()) lines << "Работа: " + work + ".";
    if (!round.isEmpty()) lines << "Раунд конкурса не закончен: " + round + ".";
    lines_->setText(lines.join("\n"));
    continueWork_ = std::move(continueWork);
    continueRound_ = std::move(continueRound);
    work_->setVisible(!work.isEmpty());
    round_->setVisible(!round.isEmpty());
    escape_->setEnabled(true);
    show();
    raise();
    (work.isEmpty() ? round_ : work_)->setFocus();
    (work.isEmpty() ? round_ : work_)->setDefault(true);
}

QString RecoveryOffer::text() const {
    return lines_->text();
}

void RecoveryOffer::hideEvent(QHideEvent*) {
    escape_->setEnabled(false);
}
