#pragma once

#include <QString>
#include <functional>
#include <vector>

// Every message box of the program goes through this seam: a real box in the program, a recorder
// in tests.
namespace messages {

// Info and Error are the program's own messages to its user. Internal is a fault of the program
// itself (a control the window lacks, a table naming what is not there): it is reported, never
// passed off as a user's mistake, and every test fails on it.
enum class Kind { Info, Error, Internal };

struct Shown {
    Kind kind;
    QString text;
};

using Sink = std::function<void(Kind, const QString&)>;

void show(const QString& text);          // a plain message with an OK button
void showError(const QString& text);     // the default error display
void showInternal(const QString& what);  // "Внутренняя ошибка программы: …"
void setSink(Sink sink);                 // empty: the real message box
void resetSink();

// Runs an event handler so that no exception ever reaches the event loop: the program's own
// errors (parser and conversion errors, any std::exception) end the handler and their message
// goes to the default error display; what the handler changed before stays changed. A
// InternalError is a fault of the program and is shown as an internal error; any other exception
// (std::invalid_argument for what a user typed, say) is shown as the default error.
void dispatch(const std::function<void()>& handler);
// How many event handlers are running, one inside another: a drawing that processes events on
// its way may be under way, and what a timer would change under it must wait.
int handlersRunning();

// Records every message instead of showing it, for the life of the object.
class Recorder {
  public:
    Recorder();
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;
    const std::vector<Shown>& shown() const { return shown_; }
    QString last() const { return shown_.empty() ? QString() : shown_.back().text; }
    // The internal errors among them (a test fails on any).
    std::vector<Shown> internal() const;
    void clear() { shown_.clear(); }

  private:
    std::vector<Shown> shown_;
};

}  // namespace messages
