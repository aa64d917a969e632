// The yardstick: a bare Qt window with a menu bar, of the same client size, ended at its first
// painted frame.
#include <QMainWindow>
#include <QMenuBar>

#include "FirstFrame.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu("File")->addAction("Выход");
    window.menuBar()->addAction("Режимы");
    auto* client = new QWidget(&window);
    client->setFixedSize(1212, 731);
    window.setCentralWidget(client);
    FirstFrame frame(window);
    window.show();
    const int rc = QApplication::exec();
    FirstFrame::reportPeakMemory();
    return rc;
}
