// Part picking in Alphabet mode: after the lesson of a letter, a press on a part shape or a click
// on a click strip or letter picture shows the part's formula caption, copies its description
// into the banner Label65, clears the plane and draws the part's whole graph.
//
// The expected traces are worked by hand from the parts' formulas with the plane origin
// (942, 328): every coordinate is Round(origin + offset), halves to even; the step counts follow
// the strict test t < end with t summed in doubles. So −4.7 → 4.7 by 0.01 draws 941 steps, the
// first at t = −4.69 (49·t = −229.81, x 712) and the last at t = 4.71 (49·t = 230.79, x 1173);
// 0 → 1.4 by 0.01 draws 140; 0 → 0.1 by 0.01 draws 11, since ten steps of 0.01 sum to
// 0.09999999999999999, which is still below 0.1.
#include <QContextMenuEvent>
#include <QtTest>
#include <algorithm>
#include <vector>

#include "AlphabetScreen.h"
#include "CanvasRecorder.h"
#include "Fonts.h"

namespace {

constexpr unsigned kOrange = 0xFF961B;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kMaroon = 0x800000;

using How = AlphabetFixture::How;
constexpr How Press = AlphabetFixture::Press, Click = AlphabetFixture::Click,
              Right = AlphabetFixture::Right;
// How a pick sets its pen colour: at every step; at every step and maroon after each; once.
enum ColourMode { PerStep, PerStepThenMaroon, Once };

struct Pick {
    const char* name;
    const char* letter;
    const char* hotspot;
    How how;
    QStringList shows;   // the formula labels shown
    const char* banner;  // the description label whose caption the banner takes
    bool bannerShown;
    int steps;
    QLine first, last;
    unsigned colour;
    int width;
    ColourMode mode;
    int pauseMs;  // per step
};

// Every hotspot of every letter that shows it (and both letters of a letter-dependent row).
std::vector<Pick> allPicks() {
    std::vector<Pick> v;
    auto pick = [&v](const char* name, const char* letter, const char* hotspot, How how,
                     QStringList shows, const char* banner, bool bannerShown, int steps,
                     QLine first, QLine last, unsigned colour, int width, ColourMode mode,
                     int pauseMs) {
        v.push_back({name, letter, hotspot, how, shows, banner, bannerShown, steps, first, last,
                     colour, width, mode, pauseMs});
    };
    // clang-format off
        pick("Т HV", "Т", "HV", Press, {"Label48"}, "Label49", true, 941, QLine(893, 179, 712, 179), QLine(893, 179, 1173, 179), kOrange, 2, PerStep, 2);
        pick("Г HV", "Г", "HV", Press, {"Label48"}, "Label49", true, 941, QLine(893, 179, 712, 179), QLine(893, 179, 1173, 179), kOrange, 2, PerStep, 2);
        pick("П HV", "П", "HV", Press, {"Label48"}, "Label49", true, 941, QLine(893, 179, 712, 179), QLine(893, 179, 1173, 179), kOrange, 2, PerStep, 2);
        pick("Б HVB", "Б", "HVB", Press, {"Label48"}, "Label49", true, 941, QLine(893, 181, 712, 181), QLine(893, 181, 1173, 181), kOrange, 2, PerStep, 2);
        pick("В HVMal", "В", "HVMal", Press, {"Label48"}, "Label49", true, 941, QLine(893, 179, 712, 179), QLine(893, 179, 1173, 179), kOrange, 2, PerStep, 2);
        pick("Р HVMal", "Р", "HVMal", Press, {"Label48"}, "Label49", true, 941, QLine(893, 179, 712, 179), QLine(893, 179, 1173, 179), kOrange, 2, PerStep, 2);
        pick("Н HSN", "Н", "HSN", Press, {"Label48"}, "Label49", true, 941, QLine(893, 250, 712, 250), QLine(893, 250, 1173, 250), kOrange, 2, PerStep, 2);
        pick("Ч HSN", "Ч", "HSN", Press, {"Label48"}, "Label49", true, 941, QLine(893, 250, 712, 250), QLine(893, 250, 1173, 250), kOrange, 2, PerStep, 2);
        pick("Ц HNizC", "Ц", "HNizC", Press, {"Label48"}, "Label49", true, 941, QLine(893, 327, 712, 327), QLine(893, 327, 1173, 327), kOrange, 2, PerStep, 2);
        pick("Ъ PristavZnakTv", "Ъ", "PristavZnakTv", Press, {"Label48"}, "Label49", true, 941, QLine(893, 179, 712, 179), QLine(893, 179, 1173, 179), kOrange, 2, PerStep, 2);
        pick("Ю HJU", "Ю", "HJU", Press, {"Label48"}, "Label49", true, 941, QLine(893, 253, 712, 253), QLine(893, 253, 1173, 253), kOrange, 2, PerStep, 2);
        pick("Е HSE", "Е", "HSE", Press, {"Label51"}, "Label52", true, 941, QLine(893, 253, 712, 253), QLine(893, 253, 1173, 253), kOrange, 2, PerStep, 2);
        pick("Ё HNizE", "Ё", "HNizE", Press, {"Label54"}, "Label55", true, 941, QLine(893, 327, 712, 327), QLine(893, 327, 1173, 327), kOrange, 2, PerStep, 2);
        pick("Ш HNizSh", "Ш", "HNizSh", Press, {"Label54"}, "Label55", true, 941, QLine(893, 326, 712, 326), QLine(893, 326, 1173, 326), kOrange, 2, PerStep, 2);
        pick("К VL", "К", "VL", Press, {"Label45"}, "Label46", true, 140, QLine(945, 148, 945, 568), QLine(945, 148, 945, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Д VP", "Д", "VP", Press, {"Label51"}, "Label52", true, 140, QLine(1042, 148, 1042, 568), QLine(1042, 148, 1042, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Л VP", "Л", "VP", Press, {"Label51"}, "Label52", true, 140, QLine(1042, 148, 1042, 568), QLine(1042, 148, 1042, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Ш VP", "Ш", "VP", Press, {"Label51"}, "Label52", true, 140, QLine(1059, 148, 1059, 568), QLine(1059, 148, 1059, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Щ VP", "Щ", "VP", Press, {"Label51"}, "Label52", true, 140, QLine(1059, 148, 1059, 568), QLine(1059, 148, 1059, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Щ VSSh", "Щ", "VSSh", Press, {"Label48"}, "Label49", true, 140, QLine(1001, 148, 1001, 568), QLine(1001, 148, 1001, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Ц PristavC", "Ц", "PristavC", Press, {"Label54"}, "Label55", true, 140, QLine(1044, 148, 1044, 568), QLine(1044, 148, 1044, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Щ PristavSHCH", "Щ", "PristavSHCH", Press, {"Label57"}, "Label58", true, 140, QLine(1063, 148, 1063, 568), QLine(1063, 148, 1063, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Т VST", "Т", "VST", Press, {"Label45"}, "Label46", true, 120, QLine(992, 148, 992, 568), QLine(992, 148, 992, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Ф VST", "Ф", "VST", Press, {"Label45"}, "Label46", true, 120, QLine(1002, 148, 1002, 568), QLine(1002, 148, 1002, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Р HSZnakM", "Р", "HSZnakM", Press, {"Label51"}, "Label52", true, 941, QLine(893, 258, 712, 258), QLine(893, 258, 1173, 258), kOrange, 2, PerStep, 2);
        pick("Б HSZnakM", "Б", "HSZnakM", Press, {"Label51"}, "Label52", true, 941, QLine(893, 249, 712, 249), QLine(893, 249, 1173, 249), kOrange, 2, PerStep, 2);
        pick("Ъ HSZnakM", "Ъ", "HSZnakM", Press, {"Label51"}, "Label52", true, 941, QLine(893, 249, 712, 249), QLine(893, 249, 1173, 249), kOrange, 2, PerStep, 2);
        pick("Ы HSZnakM", "Ы", "HSZnakM", Press, {"Label51"}, "Label52", true, 941, QLine(893, 249, 712, 249), QLine(893, 249, 1173, 249), kOrange, 2, PerStep, 2);
        pick("Ь HSZnakM", "Ь", "HSZnakM", Press, {"Label51"}, "Label52", true, 941, QLine(893, 249, 712, 249), QLine(893, 249, 1173, 249), kOrange, 2, PerStep, 2);
        pick("Ь HNZnakM", "Ь", "HNZnakM", Press, {"Label54"}, "Label55", true, 941, QLine(893, 327, 712, 327), QLine(893, 327, 1173, 327), kOrange, 2, PerStep, 2);
        pick("Э HSEL", "Э", "HSEL", Press, {"Label51"}, "Label52", true, 941, QLine(893, 254, 712, 254), QLine(893, 254, 1173, 254), kRed, 2, PerStep, 2);
        pick("А HA", "А", "HA", Press, {"Label51"}, "Label52", true, 941, QLine(893, 263, 712, 263), QLine(893, 263, 1173, 263), kOrange, 2, PerStep, 2);
        pick("Д HNizD", "Д", "HNizD", Press, {"Label54"}, "Label55", true, 941, QLine(893, 326, 712, 326), QLine(893, 326, 1173, 326), kRed, 2, PerStep, 2);
        pick("Ы VPJI", "Ы", "VPJI", Press, {"Label60"}, "Label61", true, 341, QLine(1062, 251, 1062, 156), QLine(1062, 251, 1062, 564), kRed, 2, PerStepThenMaroon, 2);
        pick("Ё ShapLJO", "Ё", "ShapLJO", Press, {"Label57"}, "Label58", true, 4901, QLine(947, 152, 947, 152), QLine(1021, 568, 1021, 568), kOrange, 2, PerStep, 2);
        pick("Н Label138", "Н", "Label138", Click, {"Label45"}, "Label46", true, 120, QLine(945, 148, 945, 568), QLine(945, 148, 945, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Н Label139", "Н", "Label139", Click, {"Label51"}, "Label52", false, 140, QLine(1041, 148, 1041, 568), QLine(1041, 148, 1041, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("И Label139", "И", "Label139", Click, {"Label51"}, "Label52", false, 140, QLine(1041, 148, 1041, 568), QLine(1041, 148, 1041, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("М Label105", "М", "Label105", Click, {"Label45"}, "Label46", true, 140, QLine(943, 148, 943, 568), QLine(943, 148, 943, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("Ю Label133", "Ю", "Label133", Click, {"Label45"}, "Label46", true, 140, QLine(943, 148, 943, 568), QLine(943, 148, 943, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("М Label114", "М", "Label114", Click, {"Label51"}, "Label52", false, 140, QLine(1058, 148, 1058, 568), QLine(1058, 148, 1058, 568), kOrange, 2, PerStepThenMaroon, 1);
        pick("В Label107", "В", "Label107", Click, {"Label54"}, "Label55", true, 941, QLine(893, 325, 712, 325), QLine(893, 325, 1173, 325), kOrange, 2, PerStep, 2);
        pick("К Label140", "К", "Label140", Click, {"Label51"}, "Label52", true, 941, QLine(893, 253, 712, 253), QLine(893, 253, 1173, 253), kOrange, 2, PerStep, 2);
        pick("Л Label78", "Л", "Label78", Click, {"Label53", "Label54"}, "Label55", true, 941, QLine(893, 397, 712, 397), QLine(893, 397, 1173, 397), kOrange, 2, PerStep, 2);
        pick("М Label108", "М", "Label108", Click, {"Label48"}, "Label49", true, 308, QLine(1000, 326, 936, 152), QLine(1000, 326, 1065, 150), kOrange, 2, PerStep, 2);
        pick("И Label119", "И", "Label119", Click, {"Label48"}, "Label49", true, 591, QLine(942, 328, 1056, 157), QLine(942, 328, 796, 546), kOrange, 1, PerStep, 2);
        pick("К Label76", "К", "Label76", Click, {"Label54"}, "Label55", true, 4001, QLine(976, 253, 976, 253), QLine(1110, 573, 1110, 573), kOrange, 2, PerStep, 0);
        pick("К Label75", "К", "Label75", Click, {"Label48"}, "Label49", true, 2261, QLine(975, 253, 975, 253), QLine(1051, 151, 1051, 151), kOrange, 2, PerStep, 0);
        pick("Д Label77", "Д", "Label77", Click, {"Label45"}, "Label46", true, 1401, QLine(937, 329, 937, 329), QLine(983, 156, 983, 156), kOrange, 3, PerStep, 1);
        pick("Л Label80", "Л", "Label80", Click, {"Label48"}, "Label49", true, 941, QLine(893, 178, 712, 178), QLine(893, 178, 1173, 178), kRed, 2, PerStep, 2);
        pick("Д Label83", "Д", "Label83", Click, {"Label57"}, "Label58", true, 11, QLine(944, 152, 944, 568), QLine(944, 152, 944, 568), kRed, 2, PerStep, 1);
        pick("Д Label84", "Д", "Label84", Click, {"Label60"}, "Label61", true, 11, QLine(1048, 152, 1048, 568), QLine(1048, 152, 1048, 568), kRed, 2, PerStep, 1);
        pick("А Label81", "А", "Label81", Click, {"Label45"}, "Label46", true, 283, QLine(967, 253, 1001, 151), QLine(967, 253, 866, 557), kOrange, 2, PerStep, 1);
        pick("А Label82", "А", "Label82", Click, {"Label48"}, "Label49", true, 283, QLine(1015, 253, 981, 151), QLine(1015, 253, 1116, 557), kOrange, 2, PerStep, 1);
        pick("В Label66", "В", "Label66", Click, {"Label57"}, "Label58", true, 3401, QLine(811, 110, 811, 110), QLine(811, 320, 811, 320), kOrange, 2, PerStep, 0);
        pick("В Label67", "В", "Label67", Click, {"Label60"}, "Label61", true, 3401, QLine(811, 187, 811, 187), QLine(811, 391, 811, 391), kOrange, 2, PerStep, 0);
        pick("Х Label68", "Х", "Label68", Click, {"Label45"}, "Label46", true, 572, QLine(1090, 399, 1202, 564), QLine(1090, 399, 922, 153), kOrange, 1, PerStep, 1);
        pick("Х Label69", "Х", "Label69", Click, {"Label45"}, "Label46", true, 572, QLine(1090, 399, 1202, 564), QLine(1090, 399, 922, 153), kOrange, 1, PerStep, 1);
        pick("Х Label70", "Х", "Label70", Click, {"Label48"}, "Label49", true, 582, QLine(988, 257, 1062, 149), QLine(988, 257, 777, 567), kOrange, 1, PerStep, 1);
        pick("Х Label71", "Х", "Label71", Click, {"Label48"}, "Label49", true, 582, QLine(988, 257, 1062, 149), QLine(988, 257, 777, 567), kOrange, 1, PerStep, 1);
        pick("У Label72", "У", "Label72", Click, {"Label45"}, "Label46", true, 841, QLine(996, 258, 924, 150), QLine(996, 258, 1176, 528), kOrange, 1, PerStep, 1);
        pick("У Label73", "У", "Label73", Click, {"Label48"}, "Label49", true, 2201, QLine(946, 320, 946, 320), QLine(1048, 148, 1048, 148), kOrange, 2, PerStep, 0);
        pick("У Label74", "У", "Label74", Click, {"Label48"}, "Label49", true, 2201, QLine(946, 320, 946, 320), QLine(1048, 148, 1048, 148), kOrange, 2, PerStep, 0);
        pick("Я Label85", "Я", "Label85", Click, {"Label45"}, "Label46", true, 3121, QLine(1185, 123, 1185, 123), QLine(1186, 301, 1186, 301), kOrange, 2, PerStep, 1);
        pick("Я Label86", "Я", "Label86", Click, {"Label48"}, "Label49", true, 681, QLine(911, 365, 1082, 149), QLine(911, 365, 749, 570), kOrange, 1, PerStep, 1);
        pick("Я Label87", "Я", "Label87", Click, {"Label51"}, "Label52", true, 991, QLine(933, 177, 1187, 177), QLine(933, 177, 702, 177), kOrange, 2, PerStep, 1);
        pick("Я Label88", "Я", "Label88", Click, {"Label54"}, "Label55", true, 881, QLine(934, 251, 1149, 251), QLine(934, 251, 718, 251), kOrange, 2, PerStep, 1);
        pick("Я Label89", "Я", "Label89", Click, {"Label57"}, "Label58", true, 356, QLine(1042, 338, 1042, 155), QLine(1042, 338, 1042, 569), kOrange, 2, PerStep, 1);
        pick("Ж Label90", "Ж", "Label90", Click, {"Label45"}, "Label46", true, 2121, QLine(1067, 152, 1067, 152), QLine(933, 152, 933, 152), kRed, 2, Once, 1);
        pick("Ж Label91", "Ж", "Label91", Click, {"Label45"}, "Label46", true, 2121, QLine(1067, 152, 1067, 152), QLine(933, 152, 933, 152), kRed, 2, Once, 1);
        pick("Ж Label92", "Ж", "Label92", Click, {"Label48"}, "Label49", true, 3721, QLine(1117, 564, 1117, 564), QLine(883, 565, 883, 565), kRed, 2, Once, 1);
        pick("Ж Label93", "Ж", "Label93", Click, {"Label48"}, "Label49", true, 3721, QLine(1117, 564, 1117, 564), QLine(883, 565, 883, 565), kRed, 2, Once, 1);
        pick("Ж Label94", "Ж", "Label94", Click, {"Label51"}, "Label52", true, 5301, QLine(1000, 252, 1000, 148), QLine(1000, 252, 1000, 572), kRed, 2, Once, 1);
        pick("З Label95", "З", "Label95", Click, {"Label45", "Label48"}, "Label46", true, 5000, QLine(945, 216, 945, 216), QLine(977, 252, 977, 252), kRed, 3, Once, 1);
        pick("З Label96", "З", "Label96", Click, {"Label51", "Label54"}, "Label52", true, 5000, QLine(990, 252, 990, 252), QLine(947, 278, 947, 278), kRed, 3, Once, 1);
        pick("Б Label97", "Б", "Label97", Click, {"Label57", "Label60"}, "Label58", true, 4089, QLine(704, 171, 704, 171), QLine(703, 399, 703, 399), kRed, 2, Once, 0);
        pick("Ъ Label97", "Ъ", "Label97", Click, {"Label57", "Label60"}, "Label58", true, 4089, QLine(704, 171, 704, 171), QLine(703, 399, 703, 399), kRed, 2, Once, 0);
        pick("Ы Label97", "Ы", "Label97", Click, {"Label57"}, "Label58", true, 4089, QLine(704, 171, 704, 171), QLine(703, 399, 703, 399), kRed, 2, Once, 0);
        pick("Ь Label97", "Ь", "Label97", Click, {"Label57", "Label60"}, "Label58", true, 4089, QLine(704, 171, 704, 171), QLine(703, 399, 703, 399), kRed, 2, Once, 0);
        pick("Р Label101", "Р", "Label101", Click, {"Label54", "Label57"}, "Label55", true, 3401, QLine(722, 104, 722, 104), QLine(721, 332, 721, 332), kOrange, 2, PerStep, 0);
        pick("Й Label118", "Й", "Label118", Click, {"Label54"}, "Label55", true, 680, QLine(939, 150, 939, 150), QLine(1045, 150, 1045, 150), kRed, 2, PerStep, 3);
        pick("Ю Label122", "Ю", "Label122", Click, {"Label51", "Label54"}, "Label52", true, 701, QLine(1062, 251, 1062, 251), QLine(1050, 203, 1050, 203), kOrange, 3, PerStep, 3);
        pick("Ф Label136", "Ф", "Label136", Click, {"Label48", "Label51"}, "Label49", true, 701, QLine(1061, 253, 1061, 253), QLine(1046, 220, 1046, 220), kRed, 2, PerStep, 2);
        pick("Ф Label137", "Ф", "Label137", Click, {"Label48", "Label51"}, "Label49", true, 701, QLine(1061, 253, 1061, 253), QLine(1046, 220, 1046, 220), kRed, 2, PerStep, 3);
        pick("О ImElips", "О", "ImElips", Click, {"Label45", "Label48"}, "Label46", true, 7000, QLine(1041, 252, 1041, 252), QLine(1029, 204, 1029, 204), kRed, 3, PerStep, 1);
        pick("С ImS", "С", "ImS", Click, {"Label45", "Label48"}, "Label46", true, 701, QLine(1051, 251, 1051, 251), QLine(1038, 204, 1038, 204), kRed, 2, Once, 5);
        pick("Э ImEL", "Э", "ImEL", Click, {"Label45", "Label48"}, "Label46", true, 4900, QLine(944, 205, 944, 205), QLine(943, 298, 943, 298), kRed, 3, Once, 1);
    // clang-format on
    return v;
}

// The formula captions, prefixes and descriptions a pick may show.
const QStringList kFormulaLabels = {"Label45", "Label46", "Label47", "Label48", "Label49",
                                    "Label50", "Label51", "Label52", "Label53", "Label54",
                                    "Label55", "Label56", "Label57", "Label58", "Label59",
                                    "Label60", "Label61"};

// Alphabet mode entered from the start screen and the menu.
struct AlphabetScreen : AlphabetFixture {
    void pick(const char* name, How how, Qt::MouseButton button = Qt::LeftButton) {
        QWidget& w = ctl(name);
        QVERIFY2(w.isVisible(), name);
        const QPoint at = visiblePoint(w);
        QVERIFY2(at.x() >= 0, name);
        pickAt(w, at, how, button);
    }

    QString caption(const char* name) { return ctl<Label>(name).caption(); }
    bool shown(const QString& name) { return !ctl(name).isHidden(); }
    QStringList shownFormulaLabels() {
        QStringList out;
        for (const QString& n : kFormulaLabels)
            if (shown(n)) out << n;
        return out;
    }
};

bool allInColour(const std::vector<CanvasRecorder::Line>& lines, unsigned colour) {
    return std::all_of(lines.begin(), lines.end(),
                       [colour](const auto& l) { return l.colour == colour; });
}

// A recorder that, once the drawing has drawn `after` lines, puts a user's click on another
// control into the event queue: it arrives when the running step processes pending events.
class ClickDuringDrawing : public CanvasRecorder {
  public:
    ClickDuringDrawing(WindowCanvas& canvas, QWidget& target, int after)
        : CanvasRecorder(canvas), target_(target), after_(after) {}
    void canvasOp(const CanvasOp& op) override {
        CanvasRecorder::canvasOp(op);
        if (op.kind == CanvasOp::LineTo && ++lines_ == after_) {
            const QPointF at(target_.rect().center());
            QCoreApplication::postEvent(
                &target_, new QMouseEvent(QEvent::MouseButtonPress, at, target_.mapToGlobal(at),
                                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(
                &target_, new QMouseEvent(QEvent::MouseButtonRelease, at, target_.mapToGlobal(at),
                                          Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        }
    }

  private:
    QWidget& target_;
    int after_;
    int lines_ = 0;
};

}  // namespace

class PartPickingTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fonts::registerSubstitutions(); }

    // --- Every pick: labels, banner, the trace, its pen and pauses -----------------------------

    void everyPick_data() {
        QTest::addColumn<int>("index");
        const std::vector<Pick> picks = allPicks();
        for (size_t i = 0; i < picks.size(); ++i) QTest::newRow(picks[i].name) << int(i);
    }
    void everyPick() {
        QFETCH(int, index);
        const Pick p = allPicks()[size_t(index)];
        AlphabetScreen f;
        f.lesson(QString::fromUtf8(p.letter));
        QCOMPARE(f.caption("Label38"), QString::fromUtf8(p.letter));
        QVERIFY(f.shownFormulaLabels().isEmpty());
        QVERIFY(!f.shown("Label65"));

        CanvasRecorder rec(f.canvas());
        pacing::resetRequestedPause();
        f.pick(p.hotspot, p.how);

        QCOMPARE(f.shownFormulaLabels(), p.shows);
        QVERIFY(!f.caption(p.banner).isEmpty());
        QCOMPARE(f.caption("Label65"), f.caption(p.banner));
        QCOMPARE(f.shown("Label65"), p.bannerShown);

        const auto lines = rec.lines();
        QCOMPARE(int(lines.size()), p.steps);
        QCOMPARE(QLine(lines.front().from, lines.front().to), p.first);
        QCOMPARE(QLine(lines.back().from, lines.back().to), p.last);
        QVERIFY(allInColour(lines, p.colour));
        QVERIFY(std::all_of(lines.begin(), lines.end(),
                            [&](const auto& l) { return l.width == p.width; }));
        const int colourSets = rec.count(CanvasOp::PenColor);
        switch (p.mode) {
            case PerStep:
                QCOMPARE(colourSets, p.steps);
                break;
            case PerStepThenMaroon:
                QCOMPARE(colourSets, 2 * p.steps);
                QCOMPARE(f.canvas().penColor(), QColor::fromRgb(kMaroon));
                break;
            case Once:
                QCOMPARE(colourSets, 1);
                QCOMPARE(rec.ops.front().kind, CanvasOp::PenColor);
                break;
        }
        QCOMPARE(pacing::requestedPauseMs(), (long long)p.steps * p.pauseMs);
    }

    // --- The plane and the banner ---------------------------------------------------------------

    void aPickClearsThePlaneButKeepsTheLetter() {
        AlphabetScreen f;
        f.lesson("Н");
        f.pick("HSN", Press);
        QCOMPARE(f.canvas().pixel(720, 250), QColor::fromRgb(kOrange));  // the crossbar's line
        f.pick("Label138", Click);
        pacing::processPendingEvents();
        QCOMPARE(f.canvas().pixel(720, 250).alpha(), 0);
        QCOMPARE(f.canvas().pixel(945, 400), QColor::fromRgb(kOrange));  // the upright's line
        QVERIFY(f.shown("ImN"));
        for (const char* spot : {"HSN", "Label138", "Label139"}) QVERIFY2(f.shown(spot), spot);
    }

    void picksAccumulateCaptionsAndReplaceOnlyTheBannerText() {
        AlphabetScreen f;
        f.lesson("Н");
        f.pick("HSN", Press);
        QCOMPARE(f.caption("Label65"),
                 QString("Пределы для  x   от  0  до  2.   Прямолинейная функция. "
                         "Прямолинейный горизонтальный отрезок, поднятый вверх на 1,5."));
        f.pick("Label138", Click);
        QCOMPARE(f.shownFormulaLabels(), QStringList({"Label45", "Label48"}));
        QCOMPARE(f.caption("Label65"),
                 QString("Пределы для  y1  от  0  до  3    Прямолинейная функция. "
                         "Прямолинейный вертикальный отрезок на оси Y."));
        QVERIFY(f.shown("Label65"));
    }

    void theRightUprightOfNSetsTheBannerTextButShowsItOnlyIfShown() {
        AlphabetScreen f;
        f.lesson("Н");
        f.pick("Label139", Click);
        QVERIFY(!f.shown("Label65"));
        QCOMPARE(f.caption("Label65"), f.caption("Label52"));
        f.pick("HSN", Press);
        QVERIFY(f.shown("Label65"));
        f.pick("Label139", Click);
        QVERIFY(f.shown("Label65"));
        QCOMPARE(f.caption("Label65"), f.caption("Label52"));
        QCOMPARE(f.shownFormulaLabels(), QStringList({"Label48", "Label51"}));
    }

    void theRightUprightOfMKeepsTheBannerHidden() {
        AlphabetScreen f;
        f.lesson("М");
        f.pick("Label114", Click);
        QVERIFY(!f.shown("Label65"));
        QCOMPARE(f.caption("Label65"), f.caption("Label52"));
        f.pick("Label105", Click);
        QVERIFY(f.shown("Label65"));
        QCOMPARE(f.caption("Label65"), f.caption("Label46"));
    }

    void theNextLessonHidesWhatPicksShowed() {
        AlphabetScreen f;
        f.lesson("Н");
        f.pick("HSN", Press);
        f.pick("Label138", Click);
        f.lesson("Г");
        QVERIFY(f.shownFormulaLabels().isEmpty());
        QVERIFY(!f.shown("Label65"));
    }

    // --- Rows that depend on the state that earlier drawings left
    // ---------------------------------

    // The stems of "Б", "Р", "Ъ", "Ь" (VL, caption "x(1)= 0") and of "Т" (VST, 50 px right of
    // the origin) stand on the stem they explain, client x 942 and 992, after a fresh start and
    // after whatever came before: the lesson of "М" (shiftX 132), of "Ф" (10), or a pick of the
    // right upright of "Д" (100).
    void stemGuidesStandOnTheirStem_data() {
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("hotspot");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("before");
        const struct {
            const char* letter;
            const char* hotspot;
            int column;
        } stems[] = {{"Б", "VL", 942},
                     {"Р", "VL", 942},
                     {"Ъ", "VL", 942},
                     {"Ь", "VL", 942},
                     {"Т", "VST", 992}};
        for (const auto& s : stems)
            for (const char* before : {"", "М", "Ф", "Д VP"})
                QTest::newRow(
                    qPrintable(QString("%1 %2 after '%3'").arg(s.letter, s.hotspot, before)))
                    << QString(s.letter) << QString(s.hotspot) << s.column << QString(before);
    }
    void stemGuidesStandOnTheirStem() {
        QFETCH(QString, letter);
        QFETCH(QString, hotspot);
        QFETCH(int, column);
        QFETCH(QString, before);
        AlphabetScreen f;
        if (!before.isEmpty()) f.lesson(before.left(1));
        if (before.endsWith("VP")) f.pick("VP", Press);
        f.lesson(letter);
        CanvasRecorder rec(f.canvas());
        f.pick(qPrintable(hotspot), Press);
        const auto lines = rec.lines();
        QVERIFY(!lines.empty());
        for (const auto& l : lines) {
            QCOMPARE(l.from.x(), column);
            QCOMPARE(l.to.x(), column);
        }
    }

    void theUprightOfKStandsAtItsLessonsShiftX() {
        AlphabetScreen f;
        f.lesson("Д");
        f.pick("Label84", Click);  // leaves shiftX 0
        QCOMPARE(plotState.shiftX, 0);
        f.lesson("К");
        CanvasRecorder rec(f.canvas());
        f.pick("VL", Press);
        QCOMPARE(rec.lines().front().from, QPoint(945, 148));
    }

    void theRightDotOfYoKeepsThePenColour_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("how");
        QTest::addColumn<unsigned>("colour");
        QTest::newRow("after the left dot") << "ShapLJO" << int(Press) << kOrange;
        QTest::newRow("after the upright, maroon") << "Label138" << int(Click) << kMaroon;
    }
    void theRightDotOfYoKeepsThePenColour() {
        QFETCH(QString, before);
        QFETCH(int, how);
        QFETCH(unsigned, colour);
        AlphabetScreen f;
        f.lesson("Ё");
        f.pick(before.toLatin1().constData(), How(how));
        CanvasRecorder rec(f.canvas());
        f.pick("ShapPJO", Press);
        QCOMPARE(rec.count(CanvasOp::PenColor), 0);
        const auto lines = rec.lines();
        // Two loops: −0.43 → 0.43 and −2.02 → 2.02 by 0.001, 860 + 4041 dots.
        QCOMPARE(lines.size(), size_t(4901));
        QCOMPARE(lines.front().from,
                 QPoint(1007, 152));  // [78 + 30·(−0.429)], [−158 − 100·0.184041]
        QCOMPARE(lines.back().from, QPoint(1081, 568));  // [78 + 30·2.021], [−168 + 100·4.084441]
        // The recorder saw no colour set: the dots are in the pen the window had.
        QCOMPARE(f.canvas().pixel(1081, 568), QColor::fromRgb(colour));
    }

    void theDotsOfYoSwapTheirCaptions() {
        AlphabetScreen f;
        f.lesson("Ё");
        f.pick("ShapLJO", Press);
        QCOMPARE(f.shownFormulaLabels(), QStringList({"Label57"}));
        QCOMPARE(f.caption("Label65"), f.caption("Label58"));
        f.pick("ShapPJO", Press);
        QCOMPARE(f.shownFormulaLabels(), QStringList({"Label60"}));
        QCOMPARE(f.caption("Label65"), f.caption("Label61"));
    }

    void theEllipseOfOTakesThePlaneOriginItself() {
        AlphabetScreen f;
        f.lesson("О");
        plotState.originX = 10;
        plotState.originY = 20;
        CanvasRecorder rec(f.canvas());
        f.pick("ImElips", Click);
        QCOMPARE(plotState.originX, 942);
        QCOMPARE(plotState.originY, 328);
        QCOMPARE(rec.lines().front().from,
                 QPoint(1041, 252));  // [50 + 49·cos 0.001], [−76 − 73·sin 0.001]
    }

    // --- Letter-dependent rows read the current letter from Label38
    // -------------------------------

    void letterDependentRowsReadTheMarker_data() {
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("hotspot");
        QTest::addColumn<int>("how");
        QTest::addColumn<QLine>("first");
        QTest::newRow("VP, М") << "Д"
                               << "М"
                               << "VP" << int(Press) << QLine(1059, 148, 1059, 568);
        QTest::newRow("VP, Д") << "Ш"
                               << "Д"
                               << "VP" << int(Press) << QLine(1042, 148, 1042, 568);
        QTest::newRow("Label139, Ш") << "Н"
                                     << "Ш"
                                     << "Label139" << int(Click) << QLine(1092, 148, 1092, 568);
        QTest::newRow("Label139, М") << "Н"
                                     << "М"
                                     << "Label139" << int(Click) << QLine(1092, 148, 1092, 568);
        QTest::newRow("Label139, Щ") << "Н"
                                     << "Щ"
                                     << "Label139" << int(Click) << QLine(1092, 148, 1092, 568);
        QTest::newRow("HSZnakM, Р") << "Б"
                                    << "Р"
                                    << "HSZnakM" << int(Press) << QLine(893, 258, 712, 258);
        QTest::newRow("HSZnakM, none") << "Р"
                                       << ""
                                       << "HSZnakM" << int(Press) << QLine(893, 249, 712, 249);
        QTest::newRow("VP, ШМ") << "Д"
                                << "ШМ"
                                << "VP" << int(Press) << QLine(1042, 148, 1042, 568);
    }
    void letterDependentRowsReadTheMarker() {
        QFETCH(QString, lesson);
        QFETCH(QString, marker);
        QFETCH(QString, hotspot);
        QFETCH(int, how);
        QFETCH(QLine, first);
        AlphabetScreen f;
        f.lesson(lesson);
        f.ctl<Label>("Label38").setCaption(marker);
        CanvasRecorder rec(f.canvas());
        f.pick(hotspot.toLatin1().constData(), How(how));
        const auto lines = rec.lines();
        QVERIFY(!lines.empty());
        QCOMPARE(QLine(lines.front().from, lines.front().to), first);
    }

    // --- Presses, right clicks and pictures ---------------------------------------------------

    void aShapeAnswersAnyButton_data() {
        QTest::addColumn<int>("button");
        QTest::newRow("middle") << int(Qt::MiddleButton);
        QTest::newRow("right") << int(Qt::RightButton);
    }
    void aShapeAnswersAnyButton() {
        QFETCH(int, button);
        AlphabetScreen f;
        f.lesson("Н");
        CanvasRecorder rec(f.canvas());
        f.pick("HSN", Press, Qt::MouseButton(button));
        QCOMPARE(rec.lines().size(), size_t(941));
        QVERIFY(f.shown("Label48"));
    }

    void aStripAnswersOnlyALeftClick() {
        AlphabetScreen f;
        f.lesson("Н");
        CanvasRecorder rec(f.canvas());
        QWidget& strip = f.ctl("Label138");
        QTest::mouseClick(&strip, Qt::RightButton, {}, strip.rect().center());
        QVERIFY(rec.ops.empty());
        QVERIFY(!f.shown("Label45"));
    }

    // A right click on the foot bar of "Д" runs the press, then the request: both draw the bar's
    // line y = 0 (2 px above the axis), the one its caption "y(4)=0" names.
    void aRightClickOnTheFootOfDeRunsThePressThenTheRequest() {
        AlphabetScreen f;
        f.lesson("Д");
        CanvasRecorder rec(f.canvas());
        f.pick("HNizD", Right);
        const auto lines = rec.lines();
        QCOMPARE(lines.size(), size_t(2 * 941));
        const std::vector<CanvasRecorder::Line> press(lines.begin(), lines.begin() + 941);
        const std::vector<CanvasRecorder::Line> request(lines.begin() + 941, lines.end());
        QVERIFY(allInColour(press, kRed));
        QCOMPARE(QLine(press.front().from, press.front().to), QLine(893, 326, 712, 326));
        QVERIFY(allInColour(request, kOrange));
        QCOMPARE(QLine(request.front().from, request.front().to), QLine(893, 326, 712, 326));
        QCOMPARE(QLine(request.back().from, request.back().to), QLine(893, 326, 1173, 326));
        QCOMPARE(plotState.shiftY, -2);
        QCOMPARE(f.shownFormulaLabels(), QStringList({"Label53", "Label54"}));
        QCOMPARE(f.caption("Label65"), f.caption("Label55"));
        QVERIFY(f.shown("Label65"));
    }

    // The strip below "Д" answers nothing: it draws the first foot line of "Л" only.
    void theStripBelowDeIsLOnly() {
        AlphabetScreen f;
        f.lesson("Д");
        CanvasRecorder rec(f.canvas());
        f.pick("Label78", Click);
        QVERIFY(rec.ops.empty());
        QVERIFY(f.shownFormulaLabels().isEmpty());
    }

    void thePictureOfKhaRevealsItsStripsOnly() {
        AlphabetScreen f;
        f.lesson("Х");
        f.pick("Label68", Click);
        const QPoint lineEnd(922, 153);  // the last step: (148 − 49·3.42, 71 − 72·3.42)
        QCOMPARE(f.canvas().pixel(lineEnd.x(), lineEnd.y()), QColor::fromRgb(kOrange));
        const QString banner = f.caption("Label65");
        for (const char* strip : {"Label68", "Label69", "Label70", "Label71"}) f.ctl(strip).hide();

        CanvasRecorder rec(f.canvas());
        f.pick("ImXa", Click);
        pacing::processPendingEvents();
        for (const char* strip : {"Label68", "Label69", "Label70", "Label71"})
            QVERIFY2(f.shown(strip), strip);
        QVERIFY(rec.ops.empty());
        QCOMPARE(f.canvas().pixel(lineEnd.x(), lineEnd.y()),
                 QColor::fromRgb(kOrange));  // not cleared
        QCOMPARE(f.shownFormulaLabels(), QStringList({"Label45"}));
        QCOMPARE(f.caption("Label65"), banner);
    }

    void thePictureOfShortIDoesNothing() {
        AlphabetScreen f;
        f.lesson("Й");
        f.pick("Label118", Click);
        const auto before = f.visibility();
        const QString banner = f.caption("Label65");
        const PlotState state = plotState;
        const QColor drawn = f.canvas().pixel(942 + 50, 328 - 156);  // the breve's vertex
        CanvasRecorder rec(f.canvas());
        f.pick("ImKratJ", Click);
        pacing::processPendingEvents();
        QVERIFY(rec.ops.empty());
        QCOMPARE(f.visibility(), before);
        QCOMPARE(f.caption("Label65"), banner);
        QCOMPARE(plotState.shiftX, state.shiftX);
        QCOMPARE(plotState.paramEnd, state.paramEnd);
        QCOMPARE(f.canvas().pixel(942 + 50, 328 - 156), drawn);
    }

    // --- A pick during a drawing
    // ------------------------------------------------------------------

    void aPickDuringADrawingRunsAtOnceAndEndsTheOther() {
        AlphabetScreen f;
        f.lesson("Н");
        ClickDuringDrawing rec(f.canvas(), f.ctl("Label138"), 10);
        f.pick("HSN", Press);
        const auto lines = rec.lines();
        // Ten steps of the crossbar's line, the upright's 120 steps inside the tenth, and then the
        // crossbar's loop finds t (1.2000000000000008) past its end (1.2) and stops.
        QCOMPARE(lines.size(), size_t(130));
        QCOMPARE(lines[9].from, QPoint(893, 250));
        QCOMPARE(QLine(lines[10].from, lines[10].to), QLine(945, 148, 945, 568));
        QCOMPARE(QLine(lines.back().from, lines.back().to), QLine(945, 148, 945, 568));
        QCOMPARE(f.shownFormulaLabels(), QStringList({"Label45", "Label48"}));
        QCOMPARE(f.caption("Label65"), f.caption("Label46"));
    }
};

QTEST_MAIN(PartPickingTest)
#include "test_part_picking.moc"
