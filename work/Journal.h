#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "WorkFile.h"

// The journal of works: after every change of the graph list the work on screen is written, whole
// and atomically, into the user's data folder, so that nothing a pupil builds is lost to an exit,
// a crash, a new letter or "Удалить все графики". The last 20 distinct works are kept; they are
// the menu "Недавние работы", and the last one of a session that ended unsaved is offered again at
// the next start. A contest round is kept there too while it runs.
//
// The journal writes nothing until it is given a folder (the program gives it its data folder;
// tests give it a folder of their own).
namespace journal {

inline constexpr int kKeptWorks = 20;

void setFolder(const QString& folder);  // empty: the journal is off
QString folder();
bool enabled();

// The work on screen changed. A work with no graph is not kept; the entry being written goes on
// being rewritten until closeWork().
void workChanged(const workfile::Work& work);
// The list was emptied (a new letter, an example, "Удалить все графики"): the entry written so far
// stays as it is, and the next graph starts a new one.
void closeWork();
// The work on screen was saved to a file (or opened from one): it is not unsaved.
void markSaved(const workfile::Work& work);

struct Entry {
    QString path;
    workfile::Work work;
    QDateTime time;  // when it was last written
};
// The kept works, newest first.
std::vector<Entry> recent();
// The caption of an entry in the menu: "П — 3 графика — 10.12 14:05 — Группа «Ракеты»".
QString caption(const Entry& e);
// "1 график", "3 графика", "5 графиков".
QString graphsText(int n);

// The work the last session left unsaved, if any: asked once at start, before this session
// writes anything. startSession() then begins this session's own record.
std::optional<Entry> unsavedFromLastSession();
void startSession();

// A text kept beside the works under a name (the running contest round), written atomically;
// an empty text removes it.
void keep(const QString& name, const QByteArray& text);
QByteArray kept(const QString& name);

}  // namespace journal
