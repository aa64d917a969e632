#pragma once

#include <QMainWindow>
#include <QPoint>
#include <QStringList>

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

    // A control of the window by its name; throws InternalError (window::missing) when it lacks it.
    template <class T = QWidget>
    T& ctl(const QString& name) const {
        T* w = surface_->findChild<T*>(name);
        if (!w) missingControl(name);
        return *w;
    }
    template <class T = QWidget>
    T& ctl(const char* name) const {
        return ctl<T>(QString::fromUtf8(name));
    }
    QAction& menuItem(const char* name) const;
    QTimer& timer(const char* name) const;

    // Start command and exit.
    void Label142Click();
    void N9Click();
    void Label31Click();
    void N10Click();

    // Mode entries: menu and caption variants.
    void N6Click();
    void Label145Click();
    void N7Click();
    void Label146Click();
    void N8Click();
    void Label147Click();
    void Panel1Click();
    void Panel2Click();

    // Introduction and author screens.
    void N1Click();
    void Memo1Click();
    void Memo1Change();
    void N2Click();
    void Timer3Timer();
    void Timer1Timer();

    // Runs a handler as an event would: errors go to the default error display.
    void runHandler(void (TForm1::*handler)());

  protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    [[noreturn]] static void missingControl(const QString& name);
    void bindHandlers();
    void bindWorkCommands();
    // The work area is on screen: the plane, with no introduction or author panel over it.
    bool workingScreen() const;
    void selfCheck() const;
    void setUpIntroduction();

    void openWorkArea();
    void hideGroup(const QStringList& names);
    void markModeCaption(const char* chosen);
    void wipeWorkArea();
    void setSlotsEnabled(bool enabled);
    void resizeSlots(int w, int h);
    void enterAlphabet(bool fromCaption);
    void enterText(bool fromCaption);
    void enterFunction(bool fromCaption);

    ClientSurface* surface_;
};

// The 29 lines of the introduction, and the 40-character credit line of the author panel.
QStringList introductionLines();
const QString& creditLine();
