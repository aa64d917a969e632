// The program as it really starts (the same start as literon's: Qt's Russian texts, the fonts,
// the journal, the window on its stage, the offer of unsaved work), ended at its first painted
// frame.
#include <QApplication>

#include "FirstFrame.h"
#include "Startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int rc = startup::runProgram({}, [](QWidget& form) { new FirstFrame(form); });
    FirstFrame::reportPeakMemory();
    return rc;
}
