// The guide: F1 and "Работа с программой" open it beside the work, from anywhere, and it names
// every function the parser knows and shows pictures that are there.
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

#include "FormFixture.h"
#include "FunctionLibrary.h"
#include "HelpWindow.h"

class HelpTest : public QObject {
    Q_OBJECT
  private slots:
    void f1AndTheMenuItemOpenTheGuide() {
        FormFixture f;
        QVERIFY(!helpwindow::shown());
        QTest::keyClick(&f.form(), Qt::Key_F1);
        HelpWindow* help = helpwindow::shown();
        QVERIFY(help);
        QVERIFY(help->isWindow());
        QCOMPARE(help->browser().source(), QUrl(helpwindow::kGuide));
        QVERIFY(help->browser().toPlainText().contains("Как набрать функцию"));
        help->close();
        QVERIFY(!helpwindow::shown());
        f.menu("N3");  // "Работа с программой"
        QVERIFY(helpwindow::shown());
        helpwindow::shown()->close();

        // F1 works while a formula box has the keys, where the pupil almost always is.
        f.click("Label224");
        f.click("Label147");
        f.click("Label171");
        QLineEdit& box = f.ctl<QLineEdit>("Edit1");
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_F1);
        QVERIFY(helpwindow::shown());
        QCOMPARE(box.text(), QString());
        helpwindow::shown()->close();
        QVERIFY(f.messages().shown().empty());
    }

    void theGuideNamesEveryFunctionOfTheParser() {
        FormFixture f;
        f.menu("N3");
        const QString text = helpwindow::shown()->browser().toPlainText();
        parser::FunctionTable one, two;
        parser::registerBuiltinFunctions(one, two);
        QStringList names;
        const auto collect = [&](const std::string& n) { names << QString::fromStdString(n); };
        one.forEachName(collect);
        two.forEachName(collect);
        QCOMPARE(names.size(), 17);
        for (const QString& n : names)
            QVERIFY2(text.contains(QRegularExpression("\\b" + n.toLower() + "\\b")), qPrintable(n));
        helpwindow::shown()->close();
    }

    void everyPictureOfTheGuideIsThere() {
        FormFixture f;
        f.menu("N3");
        QFile guide(":/help/guide.html");
        QVERIFY(guide.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(guide.readAll());
        int pictures = 0;
        for (auto m = QRegularExpression("<img src=\"([^\"]+)\"").globalMatch(html); m.hasNext();) {
            const QString name = m.next().captured(1);
            QVERIFY2(QFile::exists(":/help/" + name), qPrintable(name));
            ++pictures;
        }
        QVERIFY(pictures > 0);
        helpwindow::shown()->close();
    }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
