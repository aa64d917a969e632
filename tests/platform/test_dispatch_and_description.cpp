// The one dispatcher every handler runs through, and the window description's refusals: a
// fault of the program is never passed off as the user's, and a misspelt table fails at once.
#include <QMenuBar>
#include <QtTest>
#include <stdexcept>

#include "Controls.h"
#include "InternalError.h"
#include "LocaleNumbers.h"
#include "Messages.h"
#include "Surface.h"
#include "Window.h"
#include "WindowDescription.h"

namespace {
void buildOne(const ControlRow& row) {
    ClientSurface surface;
    const ControlRow rows[] = {row};
    windowdesc::build(surface, rows, {});
}

QString refusal(const ControlRow& row) {
    try {
        buildOne(row);
    } catch (const InternalError& e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}
}  // namespace

class DispatchAndDescriptionTest : public QObject {
    Q_OBJECT
  private slots:
    // The user's errors keep their own message; what the handler did before the error stays.
    void userErrorsShowTheirMessage() {
        messages::Recorder rec;
        int done = 0;
        messages::dispatch([&] {
            ++done;
            throw localenumbers::EConvertError("'-' is not a valid floating point value");
        });
        QCOMPARE(done, 1);
        QCOMPARE(rec.shown().size(), std::size_t(1));
        QCOMPARE(rec.shown()[0].kind, messages::Kind::Error);
        QCOMPARE(rec.last(), "'-' is not a valid floating point value");
        QVERIFY(rec.internal().empty());
    }

    // An InternalError (a control the window lacks, a slot out of range) is the program's fault;
    // nothing else is, not even a std::invalid_argument thrown for what a pupil typed.
    void programFaultsAreInternal() {
        messages::Recorder rec;
        messages::dispatch([] { window::missing("Label999"); });
        messages::dispatch([] { throw InternalError("graph slot 0 is outside 1..20000"); });
        QCOMPARE(rec.internal().size(), std::size_t(2));
        messages::dispatch(
            [] { throw std::invalid_argument("В раунде должно быть от 2 до 8 групп."); });
        QCOMPARE(rec.internal().size(), std::size_t(2));
        QCOMPARE(rec.last(), "В раунде должно быть от 2 до 8 групп.");
        QCOMPARE(rec.shown()[0].text,
                 "Внутренняя ошибка программы: команда не выполнена до конца. Сообщите о ней, "
                 "пожалуйста, автору программы.\n(the window has no control Label999)");
        messages::dispatch([] { throw 42; });
        QCOMPARE(rec.shown().back().kind, messages::Kind::Error);
        QCOMPARE(rec.last(), "Неизвестная ошибка: команда не выполнена до конца.\n(Unknown error)");
        messages::dispatch([] {});
        QCOMPARE(rec.shown().size(), std::size_t(4));
    }

    void descriptionRefusesWhatItDoesNotKnow_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("look");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("misspelt look") << "label"
                                       << ""
                                       << "font=Arial/12/b; centre"
                                       << "unknown look 'centre' on Label1";
        QTest::newRow("unknown colour") << "label"
                                        << ""
                                        << "fg=mauve"
                                        << "unknown colour 'mauve' on Label1";
        QTest::newRow("unknown kind") << "button"
                                      << ""
                                      << ""
                                      << "unknown control kind 'button' for Label1";
        QTest::newRow("unknown parent") << "label"
                                        << "Panel99"
                                        << ""
                                        << "control Label1 names an unknown parent Panel99";
        QTest::newRow("a good row") << "label"
                                    << ""
                                    << "font=Arial/12/b; center; fg=teal"
                                    << "";
    }
    void descriptionRefusesWhatItDoesNotKnow() {
        QFETCH(QString, kind);
        QFETCH(QString, parent);
        QFETCH(QString, look);
        QFETCH(QString, refusal);
        const QByteArray k = kind.toUtf8(), p = parent.toUtf8(), l = look.toUtf8();
        QCOMPARE(::refusal({"Label1", k.constData(), p.constData(), 0, 0, 10, 10, true, "",
                            l.constData()}),
                 refusal);
    }

    void menuRefusesAnUnknownParent() {
        QMenuBar bar;
        const MenuRow rows[] = {{"File1", "", "File", true}, {"N9", "File2", "Старт", true}};
        QVERIFY_THROWS_EXCEPTION(InternalError, windowdesc::buildMenu(bar, rows));
    }

    // Controls are found by name and kind: a panel's child as well as the surface's, a wrong
    // kind as nothing, a deleted control as nothing, and a widget named by hand as well.
    void controlsAreFoundByNameAndKind() {
        ClientSurface surface;
        const ControlRow rows[] = {
            {"Panel1", "panel", "", 0, 0, 100, 100, true, "", ""},
            {"Label1", "label", "Panel1", 5, 5, 40, 20, true, "Пример", ""},
        };
        windowdesc::build(surface, rows, {});
        auto* label = surface.control<Label>("Label1");
        QVERIFY(label);
        QCOMPARE(label->parentWidget(), surface.control("Panel1"));
        QVERIFY(!surface.control<Panel>("Label1"));
        delete label;
        QVERIFY(!surface.control("Label1"));
        auto* byHand = new QWidget(surface.control("Panel1"));
        byHand->setObjectName("Label1");
        QCOMPARE(surface.control("Label1"), byHand);
    }
};

QTEST_MAIN(DispatchAndDescriptionTest)
#include "test_dispatch_and_description.moc"
