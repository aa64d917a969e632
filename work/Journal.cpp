#include "Journal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "WorkSaving.h"

namespace journal {
namespace {

struct State {
    QString folder;
    QString current;           // the file name of the entry this session is writing, or empty
    QString last;              // the entry this session wrote last
    bool lastSaved = true;     // whether that entry's work is saved in a file
    workfile::Work savedWork;  // the work last saved or opened (its graphs and beginning)
    bool hasSavedWork = false;
    int counter = 0;
};
State g;

QString worksFolder() {
    return QDir(g.folder).filePath("works");
}

QString sessionFile() {
    return QDir(g.folder).filePath("session");
}

// The same work, whatever its comment.
bool sameWork(const workfile::Work& a, const workfile::Work& b) {
    return a.begin == b.begin && a.letter == b.letter && a.graphs == b.graphs;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.read(qint64(workfile::kMaxBytes) + 1);
}

std::optional<workfile::Work> readWork(const QString& path) {
    const QByteArray bytes = readAll(path);
    const workfile::ReadResult r =
        workfile::read(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return r.work;
}

// Entry names are the time of their first writing and a counter, so that names sort by age.
QString newName() {
    return QString("%1-%2.literon")
        .arg(QDateTime::currentMSecsSinceEpoch(), 15, 10, QChar('0'))
        .arg(++g.counter, 4, 10, QChar('0'));
}

QStringList entryNames() {
    QStringList names = QDir(worksFolder()).entryList({"*.literon"}, QDir::Files, QDir::Name);
    std::reverse(names.begin(), names.end());
    return names;
}

void writeSession() {
    const QString text = QString("work: %1\nsaved: %2\n").arg(g.last).arg(g.lastSaved ? 1 : 0);
    worksaving::writeAtomically(sessionFile(), text.toUtf8());
}

// Another entry with the same bytes is the same work kept twice: the older one goes. Beyond the
// newest kKeptWorks, the oldest go.
void tidy(const QString& keptName, const QByteArray& bytes) {
    QDir works(worksFolder());
    int kept = 0;
    for (const QString& name : entryNames()) {
        if (name != keptName && (kept >= kKeptWorks || readAll(works.filePath(name)) == bytes)) {
            works.remove(name);
            continue;
        }
        ++kept;
    }
}

}  // namespace

void setFolder(const QString& folder) {
    g = State{};
    g.folder = folder;
}

QString folder() {
    return g.folder;
}

bool enabled() {
    return !g.folder.isEmpty();
}

void workChanged(const workfile::Work& work) {
    if (!enabled() || work.graphs.empty()) return;
    if (!QDir().mkpath(worksFolder())) return;
    const std::string text = workfile::write(work);
    const QByteArray bytes = QByteArray::fromStdString(text);
    if (g.current.isEmpty()) g.current = newName();
    // A journal that cannot write (a full disk) must not stop the lesson; the work stays on
    // screen and in the file the pupil saves.
    if (!worksaving::writeAtomically(QDir(worksFolder()).filePath(g.current), bytes).isEmpty())
        return;
    tidy(g.current, bytes);
    g.last = g.current;
    g.lastSaved = g.hasSavedWork && sameWork(work, g.savedWork);
    writeSession();
}

void closeWork() {
    g.current.clear();
}

void markSaved(const workfile::Work& work) {
    g.savedWork = work;
    g.hasSavedWork = true;
    if (!enabled() || g.last.isEmpty()) return;
    const auto written = readWork(QDir(worksFolder()).filePath(g.last));
    g.lastSaved = written && sameWork(*written, work);
    writeSession();
}

std::vector<Entry> recent() {
    std::vector<Entry> out;
    if (!enabled()) return out;
    const QDir works(worksFolder());
    for (const QString& name : entryNames()) {
        const QString path = works.filePath(name);
        if (auto w = readWork(path)) out.push_back({path, *w, QFileInfo(path).lastModified()});
        if (int(out.size()) == kKeptWorks) break;
    }
    return out;
}

QString graphsText(int n) {
    const int tens = n % 100, ones = n % 10;
    const char* word = "графиков";
    if (tens < 11 || tens > 14) {
        if (ones == 1) word = "график";
        if (ones >= 2 && ones <= 4) word = "графика";
    }
    return QString("%1 %2").arg(n).arg(QString::fromUtf8(word));
}

QString caption(const Entry& e) {
    const QString letter = e.work.letter.empty() ? QString("Буква без шаблона")
                                                 : "Буква " + QString::fromStdString(e.work.letter);
    QString text = letter + " — " + graphsText(int(e.work.graphs.size())) + " — " +
                   e.time.toString("dd.MM HH:mm");
    if (!e.work.comment.empty()) text += " — " + QString::fromStdString(e.work.comment);
    return text;
}

std::optional<Entry> unsavedFromLastSession() {
    if (!enabled()) return std::nullopt;
    const QString session = QString::fromUtf8(readAll(sessionFile()));
    QString name;
    bool saved = true;
    for (const QString& line : session.split('\n')) {
        if (line.startsWith("work: ")) name = line.mid(6).trimmed();
        if (line.startsWith("saved: ")) saved = line.mid(7).trimmed() != "0";
    }
    // Only a plain entry name of the works folder is taken from the file.
    if (saved || name.isEmpty() || name.contains('/') || name.contains('\\') ||
        !name.endsWith(".literon"))
        return std::nullopt;
    const QString path = QDir(worksFolder()).filePath(name);
    const auto work = readWork(path);
    if (!work || work->graphs.empty()) return std::nullopt;
    return Entry{path, *work, QFileInfo(path).lastModified()};
}

void startSession() {
    if (!enabled()) return;
    QDir().mkpath(g.folder);
    g.current.clear();
    g.last.clear();
    g.lastSaved = true;
    writeSession();
}

void keep(const QString& name, const QByteArray& text) {
    if (!enabled()) return;
    const QString path = QDir(g.folder).filePath(name);
    if (text.isEmpty()) {
        QFile::remove(path);
        return;
    }
    QDir().mkpath(g.folder);
    worksaving::writeAtomically(path, text);
}

QByteArray kept(const QString& name) {
    if (!enabled()) return QByteArray();
    return readAll(QDir(g.folder).filePath(name));
}

}  // namespace journal
