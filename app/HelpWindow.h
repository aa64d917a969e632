#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The guide for teachers and pupils, in Russian: a window of its own that stays open beside the
// work. F1 and the menu item "Работа с программой" open it.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    explicit HelpWindow(QWidget* form);
    // Shows the guide, at a section (an anchor of the guide) or where it was left.
    void showAt(const QString& anchor = QString());
    QTextBrowser& browser() { return *browser_; }

  private:
    QTextBrowser* browser_;
};

namespace helpwindow {

// The guide's place in the program's resources.
inline constexpr char kGuide[] = "qrc:/help/guide.html";

// Binds "Работа с программой" and F1 on the window.
void bind(QWidget* form);
// The guide's window once it was opened (nullptr before).
HelpWindow* shown();

}  // namespace helpwindow
