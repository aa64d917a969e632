#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

// A contest round between groups of pupils. The groups take turns in the order given; a turn
// lasts at most the time limit, then passes to the next group. Each check of a built letter
// scores for the group whose turn it is and passes the turn on. The round keeps no clock of its
// own: every call says what time it is (milliseconds of a steady clock), so that tests drive it.
// The rules as the teacher and the pupils read them are rules() below.
class ContestRound {
  public:
    static constexpr int kMinGroups = 2;
    static constexpr int kMaxGroups = 8;

    // The rules of a round, one per line, in the words the round dialog shows.
    static const QStringList& rules();

    struct Score {
        QString group;
        int lettersBuilt = 0;
        qint64 timeUsedMs = 0;   // from the start of each scoring turn to its built letter
        double coverageSum = 0;  // of the built letters, for their average
        QString letters;         // the letters built, in order
        double averageCoverage() const { return lettersBuilt ? coverageSum / lettersBuilt : 0; }
    };

    // Names are trimmed; empty ones are dropped. Throws std::invalid_argument unless 2 to 8
    // distinct names remain and the limit is at least one second.
    ContestRound(const QStringList& groups, qint64 turnLimitMs, qint64 nowMs);

    // The group whose turn it is at `nowMs` (turns that ran out have passed on).
    int currentGroup(qint64 nowMs);
    const QString& groupName(int group) const {
        return scores_[static_cast<std::size_t>(group)].group;
    }
    // What is left of the current turn.
    qint64 remainingMs(qint64 nowMs);
    qint64 turnLimitMs() const { return limitMs_; }
    // How many turns have begun by `nowMs`, the first counted: each turn has its own number.
    int turn(qint64 nowMs);

    // The letter every group builds in this round; a null QChar: each group picks its own.
    QChar letter() const { return letter_; }
    void setLetter(QChar letter) { letter_ = letter; }

    // A built letter checked at `nowMs`: scores for the current group, passes the turn on and
    // returns the group that scored.
    int letterBuilt(QChar letter, double covered, qint64 nowMs);
    // The turn passes to the next group now (the teacher's command).
    void passTurn(qint64 nowMs);

    // The scores, best first: more letters, then less time, then more coverage, then the order
    // of the groups.
    std::vector<Score> standings() const;
    const std::vector<Score>& scores() const { return scores_; }

    // The standings as a table for a spreadsheet (UTF-8, one line per group, separated by ';').
    QString table() const;

    // The round as a text to keep while it runs, and back: the groups with their scores, whose
    // turn it is and how much of it was used at `nowMs`. A round taken back gives the group whose
    // turn it was the rest of its turn from `nowMs` on. A text that does not read gives nullptr.
    QString saved(qint64 nowMs);
    static std::unique_ptr<ContestRound> restored(const QString& text, qint64 nowMs);

  private:
    ContestRound() = default;
    void catchUp(qint64 nowMs);

    std::vector<Score> scores_;
    qint64 limitMs_ = 0;
    int current_ = 0;
    int turn_ = 1;
    qint64 turnStartMs_ = 0;
    QChar letter_;
};

// "04:07": minutes and seconds, rounded up to the whole second.
QString clockText(qint64 ms);
