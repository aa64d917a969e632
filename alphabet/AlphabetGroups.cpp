#include "AlphabetGroups.h"

#include "SharedControls.h"
#include "Window.h"

namespace groups {
namespace {
QStringList labels(int from, int to) {
    return window::numbered("Label", from, to);
}
}  // namespace

const QStringList& letterPartControls() {
    static const QStringList list =
        QStringList{"HV",      "HVB",     "PristavC", "PristavSHCH", "PristavZnakTv", "HNizC",
                    "HSN",     "HSE",     "HVMal",    "VLCh",        "VST",           "VP",
                    "VPJI",    "VL",      "HNizSh",   "HNizE",       "VSSh",          "HSZnakM",
                    "HNZnakM", "ImR",     "ImElips",  "ImS",         "HJU",           "HSEL",
                    "ImEL",    "ShapLJO", "ShapPJO",  "ImV",         "ImXa"} +
        labels(66, 71) + QStringList{"ImKratJ", "Label72", "Label73", "Label74", "ImU",
                                     "Label75", "Label76", "ImK",     "ImL"} +
        labels(77, 80) + QStringList{"ImA",     "Label81", "Label82", "HA",  "ImD",
                                     "Label83", "Label84", "HNizD",   "ImYA"} +
        labels(85, 89) + QStringList{"ImJE"} + labels(90, 94) +
        QStringList{"ImZ",      "Label95",  "Label96",  "Label98",  "Label101",    "ImM",
                    "Label105", "Label108", "Label109", "Label114", "ImYU",        "Label122",
                    "Label133", "ImI",      "ImF",      "Label136", "Label137",    "ImN",
                    "Label138", "Label139", "ImP",      "ImG",      "ImC",         "ImT",
                    "ImCH",     "ImSh",     "ImZnakM",  "Label107", "Label118",    "Label121",
                    "Label140", "Label119", "ImE",      "Label97",  "ImZnakTverd", "Label144",
                    "ImIE",     "ImB"};
    return list;
}

const QStringList& formulaPairs() {
    static const QStringList list = [] {
        QStringList pairs;
        for (int i = 0; i < 6; ++i)
            pairs << shared::kFormulaCaptions[i] << shared::kFormulaDescriptions[i];
        return pairs;
    }();
    return list;
}

const QStringList& partResetList() {
    static const QStringList list = QStringList{shared::kBanner} + letterPartControls() +
                                    QStringList{"label228"} + formulaPairs();
    return list;
}

}  // namespace groups
