#pragma once

#include <QMainWindow>
#include <QPoint>

#include "Controls.h"
#include "Surface.h"

class QTimer;
class QAction;

// The program's one window. It owns every control of every mode from the start; a mode is only
// the set of controls its entry leaves visible. Every event handler runs through
// messages::dispatch, so no error ever reaches the event loop.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    ClientSurface& surface() { return *surface_; }

    // A control of the window by its name; throws std::logic_error when the window lacks it.
    template <class T = QWidget>
    T& ctl(const char* name) const {
        T* w = surface_->findChild<T*>(QString::fromUtf8(name));
        if (!w) missingControl(name);
        return *w;
    }
    QAction& menuItem(const char* name) const;
    QTimer& timer(const char* name) const;

    // Start command and exit.
    void Label142Click();
    void N9Click();
    void Label31Click();
    void N10Click();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    [[noreturn]] static void missingControl(const char* name);
    void bindHandlers();
    void selfCheck() const;

    ClientSurface* surface_;
};
