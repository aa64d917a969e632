#include <QApplication>
#include <cstdio>

#include "Startup.h"

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const startup::Options options = startup::parse(arguments);
    const auto say = [](std::FILE* to, const QString& text) {
        std::fputs(text.toLocal8Bit().constData(), to);
    };
    if (options.help) {
        say(stdout, startup::usage());
        return 0;
    }
    if (options.version) {
        say(stdout, startup::versionLine() + "\n");
        return 0;
    }
    if (!options.refused.isEmpty()) {
        say(stderr, QString("literon: неизвестный параметр «%1». Список параметров: literon "
                            "--help\n")
                        .arg(options.refused));
        return 2;
    }
    if (!startup::displayAvailable()) {
        say(stderr, startup::noDisplayMessage());
        return 1;
    }
    startup::sayWhenTheScreenCannotBeReached();
    QApplication app(argc, argv);
    return startup::runProgram(options);
}
