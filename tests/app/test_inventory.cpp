// The inventory of the three modes' controls: the mode tables build onto a surface that already
// holds the shell's controls, every name the mode switches hide exists, no name is used twice,
// and the keys sit where the keyboards put them.
#include <QLineEdit>
#include <QSet>
#include <QtTest>
#include <memory>

#include "AlphabetControls.h"
#include "Controls.h"
#include "Fonts.h"
#include "FunctionControls.h"
#include "Letters.h"
#include "ShellTables.h"
#include "Surface.h"
#include "TextControls.h"

namespace {
// The letter-part controls every mode entry hides, in its order.
const char* const kLetterParts[] = {
    "HV",          "HVB",      "PristavC", "PristavSHCH", "PristavZnakTv", "HNizC",
    "HSN",         "HSE",      "HVMal",    "VLCh",        "VST",           "VP",
    "VPJI",        "VL",       "HNizSh",   "HNizE",       "VSSh",          "HSZnakM",
    "HNZnakM",     "ImR",      "ImElips",  "ImS",         "HJU",           "HSEL",
    "ImEL",        "ShapLJO",  "ShapPJO",  "ImV",         "ImXa",          "Label66",
    "Label67",     "Label68",  "Label69",  "Label70",     "Label71",       "ImKratJ",
    "Label72",     "Label73",  "Label74",  "ImU",         "Label75",       "Label76",
    "ImK",         "ImL",      "Label77",  "Label78",     "Label79",       "Label80",
    "ImA",         "Label81",  "Label82",  "HA",          "ImD",           "Label83",
    "Label84",     "HNizD",    "ImYA",     "Label85",     "Label86",       "Label87",
    "Label88",     "Label89",  "ImJE",     "Label90",     "Label91",       "Label92",
    "Label93",     "Label94",  "ImZ",      "Label95",     "Label96",       "Label98",
    "Label101",    "ImM",      "Label105", "Label108",    "Label109",      "Label114",
    "ImYU",        "Label122", "Label133", "ImI",         "ImF",           "Label136",
    "Label137",    "ImN",      "Label138", "Label139",    "ImP",           "ImG",
    "ImC",         "ImT",      "ImCH",     "ImSh",        "ImZnakM",       "Label107",
    "Label118",    "Label121", "Label140", "Label119",    "ImE",           "Label97",
    "ImZnakTverd", "Label144", "ImIE",     "ImB",
};

const char* const kTemplates[] = {
    "ImAJ",     "ImBJ", "ImVJ",  "ImGJ",  "ImDJ",     "ImEJ",     "ImJEJ", "ImIJ",   "ImJOJ",
    "ImKratIJ", "ImKJ", "ImLJ",  "ImMJ",  "ImNJ",     "ImOJ",     "ImPJ",  "ImRJ",   "ImSJ",
    "ImTJ",     "ImUJ", "ImFJ",  "ImHJ",  "ImCJ",     "ImCHJ",    "ImSHJ", "ImSHAJ", "ImEIJ",
    "ImELJ",    "ImZJ", "ImYUJ", "ImYAJ", "ImZnakMJ", "ImZnakTJ",
};

const char* const kGrids[] = {"ImRamkaSetka1", "ImRamkaSetka2", "ImsetkakratJ"};
}  // namespace

class InventoryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ClientSurface> surface_;

    template <class T = QWidget>
    T* find(const char* name) {
        return surface_->findChild<T*>(QString::fromUtf8(name));
    }

  private slots:
    void initTestCase() {
        fonts::registerSubstitutions();
        surface_ = std::make_unique<ClientSurface>();
        try {
            windowdesc::build(*surface_, shellControls(), {});
            windowdesc::build(*surface_, alphabetControls(), {});
            windowdesc::build(*surface_, functionControls(), {});
            windowdesc::build(*surface_, textControls(), {});
        } catch (const std::exception& e) {
            QFAIL(e.what());
        }
    }
    void cleanupTestCase() { surface_.reset(); }

    void tableSizes() {
        QCOMPARE(alphabetControls().size(), std::size_t(143));
        QCOMPARE(functionControls().size(), std::size_t(116));
        QCOMPARE(textControls().size(), std::size_t(33));
    }

    void noNameTwice() {
        QSet<QString> seen;
        for (auto table : {shellControls(), alphabetControls(), functionControls(), textControls()})
            for (const ControlRow& row : table) {
                const QString name = QString::fromUtf8(row.name);
                QVERIFY2(!seen.contains(name), qPrintable("twice: " + name));
                seen.insert(name);
            }
        for (const QString& name : seen) QCOMPARE(surface_->findChildren<QWidget*>(name).size(), 1);
    }

    void letterPartsExistHidden() {
        QCOMPARE(std::size(kLetterParts), std::size_t(106));
        for (const char* name : kLetterParts) {
            QWidget* w = find(name);
            QVERIFY2(w, name);
            QVERIFY2(w->isHidden(), name);
            QCOMPARE(w->parentWidget(), surface_.get());
        }
        QVERIFY(find<Label>("label228"));
        QVERIFY(find<Label>("label228")->isHidden());
    }

    void letterPartKinds() {
        for (const char* name : kLetterParts) {
            const QString n = QString::fromUtf8(name);
            QWidget* w = find(name);
            if (n.startsWith("Im"))
                QVERIFY2(qobject_cast<Picture*>(w), name);
            else if (n.startsWith("Label")) {
                auto* l = qobject_cast<Label*>(w);
                QVERIFY2(l && l->transparent() && l->caption().isEmpty(), name);
            } else {
                auto* s = qobject_cast<Shape*>(w);
                QVERIFY2(s, name);
                const QColor c = n == "PristavSHCH" ? QColor(0, 128, 0) : QColor(0, 128, 128);
                QCOMPARE(s->penColor(), c);
                QCOMPARE(s->brushColor(), c);
            }
        }
    }

    void templatesAndGridsExistHidden() {
        QCOMPARE(std::size(kTemplates), std::size_t(33));
        for (const char* name : kTemplates) {
            QVERIFY2(find<Picture>(name), name);
            QVERIFY2(find(name)->isHidden(), name);
        }
        for (const char* name : kGrids) {
            QVERIFY2(find<Picture>(name), name);
            QVERIFY2(find(name)->isHidden(), name);
        }
        QCOMPARE(find("ImRamkaSetka1")->geometry(), QRect(568, 480, 99, 149));
        QCOMPARE(find("ImRamkaSetka2")->geometry(), QRect(16, 480, 117, 150));
        QCOMPARE(find("ImsetkakratJ")->size(), QSize(99, 160));
        QCOMPARE(find("ImKJ")->geometry(), QRect(939, 176, 107, 152));
        QCOMPARE(find("ImZnakTJ")->geometry(), QRect(901, 175, 145, 152));
    }

    void keys_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        // clang-format off
        QTest::newRow("Н alphabet") << "Label14" << "Panel3" << "Н" << QRect(160, 8, 25, 25);
        QTest::newRow("Й alphabet") << "Label10" << "Panel3" << "Й" << QRect(2, 8, 25, 25);
        QTest::newRow("Ф alphabet") << "Label21" << "Panel3" << "Ф" << QRect(16, 40, 25, 25);
        QTest::newRow("Ю alphabet") << "Label32" << "Panel3" << "Ю" << QRect(320, 72, 25, 25);
        QTest::newRow("Н text") << "Label196" << "Panel6" << "Н" << QRect(168, 8, 24, 25);
        QTest::newRow("С text") << "Label217" << "Panel6" << "С" << QRect(128, 72, 24, 25);
        QTest::newRow("М text") << "Label218" << "Panel6" << "М" << QRect(160, 72, 25, 25);
        QTest::newRow("Э text") << "Label213" << "Panel6" << "Э" << QRect(336, 40, 24, 25);
        QTest::newRow("Н function") << "Label160" << "Panel5" << "Н" << QRect(168, 8, 25, 25);
        QTest::newRow("Ё function") << "Label178" << "Panel5" << "Ё" << QRect(10, 72, 25, 25);
        QTest::newRow("И function") << "Label183" << "Panel5" << "И" << QRect(232, 72, 25, 25);
        QTest::newRow("Ввод") << "Label132" << "Panel7" << "Ввод" << QRect(202, 134, 63, 23);
        QTest::newRow("Delete") << "Label134" << "Panel7" << "Delete" << QRect(16, 134, 57, 23);
        QTest::newRow("0") << "Label99" << "Panel7" << "0" << QRect(5, 5, 18, 20);
        QTest::newRow("x") << "Label113" << "Panel10" << "x" << QRect(-2, 37, 23, 20);
        QTest::newRow("^") << "Label110" << "Panel10" << "^" << QRect(93, 5, 20, 20);
        QTest::newRow("Построить") << "Label148" << "Panel7" << "Построить график" << QRect(80, 113, 113, 20);
        QTest::newRow("hint") << "Label43" << "Panel4"
                              << "Ввести число,  иначе выражение для аргумента X" << QRect(148, 6, 159, 45);
        QTest::newRow("end value") << "Label37" << "Panel4" << "Конечное значение  переменной"
                                   << QRect(128, 182, 121, 28);
        // clang-format on
    }
    void keys() {
        QFETCH(QString, name);
        QFETCH(QString, panel);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        auto* l = surface_->findChild<Label*>(name);
        QVERIFY(l);
        QCOMPARE(l->parentWidget()->objectName(), panel);
        QCOMPARE(l->caption(), caption);
        QCOMPARE(l->geometry(), place);
    }

    void keyboardsAreFull() {
        auto labelsOn = [&](const char* panel) {
            int n = 0;
            for (QObject* o : find(panel)->children())
                if (qobject_cast<Label*>(o)) ++n;
            return n;
        };
        QCOMPARE(labelsOn("Panel3"), 34);  // 33 letters and the marker
        QCOMPARE(labelsOn("Panel5"), 34);  // 33 letters and the blank key
        QCOMPARE(labelsOn("Panel6"), 33);
    }

    // Every letter of the alphabet has one record, and what the record names is that letter on
    // screen: its key on each keyboard shows it, its picture and its template are controls, and
    // no keyboard holds a letter key the records do not know.
    void everyLetterIsOneRecord() {
        const QString alphabet = "АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ";
        QString recorded;
        QSet<QString> keys;
        for (const letters::LetterRecord& r : letters::all()) {
            const QString letter(QChar(r.letter));
            recorded += letter;
            for (const char* key : {r.alphabetKey, r.templateKey, r.textKey}) {
                auto* l = find<Label>(key);
                QVERIFY2(l, key);
                QCOMPARE(l->caption(), letter);
                keys << QString::fromUtf8(key);
            }
            QVERIFY2(find<Picture>(r.picture), r.picture);
            QVERIFY2(find<Picture>(r.templatePicture), r.templatePicture);
            QVERIFY2(find(r.lessonSlot), r.lessonSlot);
            QCOMPARE(letters::find(r.letter), &r);
            QCOMPARE(letters::byPicture(r.picture), &r);
            QCOMPARE(letters::byAlphabetKey(r.alphabetKey), &r);
        }
        QCOMPARE(recorded, alphabet);
        QCOMPARE(keys.size(), 3 * 33);
        for (const char* panel : {"Panel3", "Panel5", "Panel6"})
            for (QObject* o : find(panel)->children())
                if (auto* l = qobject_cast<Label*>(o);
                    l && l->caption().size() == 1 && alphabet.contains(l->caption()))
                    QVERIFY2(keys.contains(l->objectName()), qPrintable(l->objectName()));
    }

    void keyLooks() {
        auto* alpha = find<Label>("Label14");
        QCOMPARE(alpha->fontColor(), QColor(255, 255, 0));
        QCOMPARE(alpha->color(), QColor(0, 0, 255));
        auto* text = find<Label>("Label196");
        QCOMPARE(text->fontColor(), QColor(255, 255, 255));
        QCOMPARE(text->color(), QColor(0, 0, 255));
        auto* marker = find<Label>("Label38");
        QVERIFY(marker->isHidden());
        QCOMPARE(marker->caption(), QString("Label38"));
        QCOMPARE(marker->fontColor(), QColor(255, 0, 0));
        QCOMPARE(marker->size(), QSize(25, 25));
        auto* pad = find<Label>("Label132");
        QCOMPARE(pad->color(), QColor(166, 202, 240));
        QCOMPARE(pad->fontColor(), QColor(0, 0, 255));
    }

    void hotspotPlaces() {
        QCOMPARE(find("HSN")->geometry(), QRect(950, 248, 90, 5));
        QCOMPARE(find("Label81")->geometry(), QRect(944, 176, 48, 145));
        QCOMPARE(find("Label82")->geometry(), QRect(998, 176, 45, 145));
        QCOMPARE(find("PristavSHCH")->geometry(), QRect(1060, 320, 5, 22));
        QCOMPARE(find("ImN")->geometry(), QRect(938, 175, 110, 156));
        QCOMPARE(find("ImKratJ")->geometry(), QRect(938, 157, 108, 177));
    }

    void entryPanelStartState() {
        QCOMPARE(find("Panel7")->parentWidget()->objectName(), QString("Panel4"));
        QCOMPARE(find("Panel10")->parentWidget()->objectName(), QString("Panel7"));
        QVERIFY(find<QLineEdit>("Edit1") && !find("Edit1")->isHidden());
        for (const char* hidden :
             {"Edit2", "Edit3", "Edit4", "Label42", "Label36", "Label37", "Label150", "Label174",
              "Label225", "Label135", "Label148", "Label154", "Label189", "Label190", "Label226"})
            QVERIFY2(find(hidden)->isHidden(), hidden);
        for (const char* shown : {"Label188", "Label132", "Label134", "Panel10", "Label229"})
            QVERIFY2(!find(shown)->isHidden(), shown);
        QCOMPARE(find<Label>("Label229")->caption(), QString("sqrt(x)"));
    }
};

QTEST_MAIN(InventoryTest)
#include "test_inventory.moc"
