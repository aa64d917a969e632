#include "ContestRound.h"

#include <algorithm>
#include <stdexcept>

ContestRound::ContestRound(const QStringList& groups, qint64 turnLimitMs, qint64 nowMs)
    : limitMs_(turnLimitMs), turnStartMs_(nowMs) {
    QStringList names;
    for (const QString& g : groups) {
        const QString name = g.simplified();
        if (name.isEmpty()) continue;
        if (names.contains(name, Qt::CaseInsensitive))
            throw std::invalid_argument("Названия групп повторяются: «" + name.toStdString() +
                                        "».");
        names << name;
    }
    if (names.size() < kMinGroups || names.size() > kMaxGroups)
        throw std::invalid_argument("В раунде должно быть от 2 до 8 групп.");
    if (turnLimitMs < 1000) throw std::invalid_argument("Время хода — не меньше секунды.");
    for (const QString& n : names) {
        Score s;
        s.group = n;
        scores_.push_back(s);
    }
}

const QStringList& ContestRound::rules() {
    static const QStringList text = {
        "Группы ходят по очереди, в порядке списка. Ход длится заданное время, потом переходит "
        "к следующей группе; конец хода объявляется на плоскости (и звонком, если он включён).",
        "Ход начинается с чистой плоскости: на ней буква раунда (или буква, что была, — группа "
        "может выбрать другую) и ни одного графика другой группы.",
        "Засчитываются только графики, которые группа построила или изменила в свой ход. Пример "
        "буквы и открытая работа не засчитываются; графики, стёртые с плоскости (сменой режима), "
        "тоже.",
        "«Проверить букву» (F5): буква построена, если графики покрывают не меньше 98 % образца "
        "и лишних точек не больше 2 %. Построенная буква даёт очко группе, чей ход, и ход "
        "переходит к следующей группе.",
        "Не построенная буква очков не даёт и хода не передаёт: её можно достроить и проверить "
        "снова.",
        "Места: больше букв; при равенстве — меньше время (сумма времени от начала хода до "
        "проверки каждой построенной буквы); затем больше среднее покрытие.",
    };
    return text;
}

void ContestRound::catchUp(qint64 nowMs) {
    if (nowMs < turnStartMs_) return;  // a clock that went back changes nothing
    const qint64 passed = (nowMs - turnStartMs_) / limitMs_;
    if (passed == 0) return;
    current_ = static_cast<int>((current_ + passed) % static_cast<qint64>(scores_.size()));
    turn_ += static_cast<int>(std::min<qint64>(passed, 1'000'000));
    turnStartMs_ += passed * limitMs_;
}

int ContestRound::turn(qint64 nowMs) {
    catchUp(nowMs);
    return turn_;
}

int ContestRound::currentGroup(qint64 nowMs) {
    catchUp(nowMs);
    return current_;
}

qint64 ContestRound::remainingMs(qint64 nowMs) {
    catchUp(nowMs);
    return std::max<qint64>(0, limitMs_ - std::max<qint64>(0, nowMs - turnStartMs_));
}

int ContestRound::letterBuilt(QChar letter, double covered, qint64 nowMs) {
    catchUp(nowMs);
    Score& s = scores_[static_cast<std::size_t>(current_)];
    ++s.lettersBuilt;
    s.timeUsedMs += std::max<qint64>(0, nowMs - turnStartMs_);
    s.coverageSum += covered;
    s.letters += letter;
    const int scored = current_;
    passTurn(nowMs);
    return scored;
}

void ContestRound::passTurn(qint64 nowMs) {
    catchUp(nowMs);
    current_ = (current_ + 1) % static_cast<int>(scores_.size());
    ++turn_;
    turnStartMs_ = std::max(nowMs, turnStartMs_);
}

std::vector<ContestRound::Score> ContestRound::standings() const {
    std::vector<Score> order = scores_;
    std::stable_sort(order.begin(), order.end(), [](const Score& a, const Score& b) {
        if (a.lettersBuilt != b.lettersBuilt) return a.lettersBuilt > b.lettersBuilt;
        if (a.timeUsedMs != b.timeUsedMs) return a.timeUsedMs < b.timeUsedMs;
        return a.averageCoverage() > b.averageCoverage();
    });
    return order;
}

QString ContestRound::table() const {
    QString out = "Место;Группа;Букв построено;Время, с;Среднее покрытие, %;Буквы\n";
    int place = 0;
    for (const Score& s : standings()) {
        QString name = s.group;
        name.replace('"', "\"\"");
        out += QString("%1;\"%2\";%3;%4;%5;%6\n")
                   .arg(++place)
                   .arg(name)
                   .arg(s.lettersBuilt)
                   .arg((s.timeUsedMs + 999) / 1000)
                   .arg(static_cast<int>(s.averageCoverage() * 100))
                   .arg(s.letters);
    }
    return out;
}

namespace {
const QString kRoundHeader = "literon-round 1";
}

QString ContestRound::saved(qint64 nowMs) {
    catchUp(nowMs);
    QString out = kRoundHeader + "\n";
    out += QString("limit: %1\ncurrent: %2\nused: %3\n")
               .arg(limitMs_)
               .arg(current_)
               .arg(std::clamp<qint64>(nowMs - turnStartMs_, 0, limitMs_));
    if (!letter_.isNull()) out += QString("letter: %1\n").arg(letter_);
    for (const Score& s : scores_)
        out += QString("group: %1; %2; %3; %4; %5\n")
                   .arg(s.lettersBuilt)
                   .arg(s.timeUsedMs)
                   .arg(s.coverageSum, 0, 'g', 17)
                   .arg(s.letters, s.group);
    return out;
}

std::unique_ptr<ContestRound> ContestRound::restored(const QString& text, qint64 nowMs) {
    const QStringList lines = text.split('\n', Qt::SkipEmptyParts);
    if (lines.size() < 4 + kMinGroups || lines[0] != kRoundHeader) return nullptr;
    std::unique_ptr<ContestRound> r(new ContestRound);
    qint64 used = -1;
    bool ok = true;
    auto number = [&ok](const QString& line, const char* key) {
        bool good = line.startsWith(QString(key) + ": ");
        const qint64 v = good ? line.mid(int(qstrlen(key)) + 2).toLongLong(&good) : 0;
        ok = ok && good;
        return v;
    };
    r->limitMs_ = number(lines[1], "limit");
    r->current_ = int(number(lines[2], "current"));
    used = number(lines[3], "used");
    int firstGroup = 4;
    if (lines[4].startsWith("letter: ")) {
        const QString letter = lines[4].mid(8);
        if (letter.size() != 1) return nullptr;
        r->letter_ = letter[0];
        firstGroup = 5;
    }
    for (const QString& line : lines.mid(firstGroup)) {
        // The name comes last: it may hold "; " itself.
        const QStringList f = line.mid(7).split("; ");
        if (!line.startsWith("group: ") || f.size() < 5) return nullptr;
        Score s;
        bool a = false, b = false, c = false;
        s.lettersBuilt = f[0].toInt(&a);
        s.timeUsedMs = f[1].toLongLong(&b);
        s.coverageSum = f[2].toDouble(&c);
        s.letters = f[3];
        s.group = f.mid(4).join("; ");
        if (!a || !b || !c || s.lettersBuilt < 0 || s.group.isEmpty()) return nullptr;
        r->scores_.push_back(s);
    }
    const int groups = int(r->scores_.size());
    if (!ok || groups < kMinGroups || groups > kMaxGroups || r->limitMs_ < 1000 ||
        r->current_ < 0 || r->current_ >= groups || used < 0 || used > r->limitMs_)
        return nullptr;
    r->turnStartMs_ = nowMs - used;
    return r;
}

QString clockText(qint64 ms) {
    const qint64 seconds = (std::max<qint64>(0, ms) + 999) / 1000;
    return QString("%1:%2")
        .arg(seconds / 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}
