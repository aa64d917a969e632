// The program as it starts, ended at its first painted frame.
#include <QLocale>

#include "FirstFrame.h"
#include "Fonts.h"
#include "TForm1.h"
#include "TParser.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Литерон");
    fonts::registerSubstitutions();
    TParser::SetSystemDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    TForm1 form;
    FirstFrame frame(form);
    form.show();
    const int rc = QApplication::exec();
    FirstFrame::reportPeakMemory();
    return rc;
}
