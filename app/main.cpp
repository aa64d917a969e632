#include <QApplication>
#include <QLocale>
#include <cstdio>
#include <exception>

#include "Fonts.h"
#include "Pacing.h"
#include "Stage.h"
#include "TForm1.h"
#include "TParser.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Литерон");
    QApplication::setApplicationName("Литерон");
    fonts::registerSubstitutions();
    // The parser reads locale numbers with the desktop's decimal separator.
    TParser::SetSystemDecimalSeparator(QLocale::system().decimalPoint().toStdString());
    try {
        TForm1 form;
        stage::present(&form, form.pos());
        // --fullscreen opens in the projector view, as F11 does.
        if (QApplication::arguments().contains("--fullscreen")) stage::setProjector(true);
        const int rc = QApplication::exec();
        pacing::setQuitting(true);
        stage::release();
        return rc;
    } catch (const std::exception& e) {
        // A window description that names a missing control fails loudly at start.
        std::fprintf(stderr, "literon: %s\n", e.what());
        return 1;
    }
}
