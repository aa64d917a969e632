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
};

const Dialogs& dialogs();
void setDialogs(Dialogs d);
void resetDialogs();

// The standings as the results dialog and the printout show them (HTML of a table).
QString standingsHtml(const ContestRound& round);

}  // namespace contestdialogs
