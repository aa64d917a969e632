#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "ContestRound.h"
#include "LetterCheck.h"

// The menu "Конкурс": "Проверить букву" (F5), "Новый раунд…", "Передать ход", "Итоги раунда",
// "Сохранить итоги…", "Печать итогов…" and "Закончить раунд".
namespace contestcommands {

// Binds the items of the window's menu and makes the check panel, the marks and the clock.
void bind();
// The clock of the rounds, in milliseconds: a steady clock unless a test drives its own; an
// empty function brings the steady clock back.
void setClock(std::function<qint64()> now);

// Checks the letter on screen and shows the verdict; during a round a letter built of graphs the
// group built in its own turn scores, and the turn passes on. Where there is nothing to check
// the pupil is told why.
void CheckLetterClick();
void NewRoundClick();
void PassTurnClick();
void RoundResultsClick();
void SaveRoundClick();
void PrintRoundClick();
void EndRoundClick();

// The last check (for tests and the screenshots); nullptr before the first.
const lettercheck::Result* lastCheck();
// The round being played or last played; nullptr before the first.
ContestRound* round();
bool roundRunning();
// Puts the clock right now (the clock's timer does it four times a second).
void refreshClock();
// An unfinished round an earlier session kept in the journal, described for the offer at start
// (empty: none), and taking it up again: the group whose turn it was goes on with the rest of it.
QString interruptedRound();
void resumeRound();
// Takes the verdict and the marks away: done by every command that changes the letter.
void clearCheck();

}  // namespace contestcommands
