#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class ContestRound;
class QPrinter;

// The questions of the contest commands: the program's own dialogs, prepared answers in tests.
namespace contestdialogs {

struct RoundSetup {
    QStringList groups;  // 2 to 8 names
    int minutesPerTurn = 5;
    QChar letter;      // the letter of every turn; a null QChar: each group picks its own
    bool bell = true;  // the system bell sounds at the end of every turn
};

struct Dialogs {
    // The groups and the time of a turn of a new round; nullopt: cancelled.
    std::function<std::optional<RoundSetup>(const RoundSetup& last)> newRound;
    // Shows the standings of a round.
    std::function<void(const ContestRound& round)> results;
    // Where to save the standings (a table for a spreadsheet); empty: cancelled.
    std::function<QString(const QString& suggested)> savePath;
    // Sets the printer up with the desktop's print dialog; false: cancelled.
    std::function<bool(QPrinter& printer)> print;
    // Whether the round is to end now (the teacher is asked first).
    std::function<bool()> confirmEnd;
    // The system bell.
    std::function<void()> bell;
};

const Dialogs& dialogs();
void setDialogs(Dialogs d);
void resetDialogs();

// The standings as the results dialog and the printout show them (HTML of a table, and what
// each column means, one line each).
QString standingsHtml(const ContestRound& round);
// What each column of the standings means, one line per column.
const QStringList& columnNotes();

}  // namespace contestdialogs
