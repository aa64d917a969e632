// The 33 keys of the text keyboard, in alphabetical order.
#include "TextKeys.h"

namespace {
using std::nullopt;
constexpr int kLeft = 892;
constexpr int kWideLeft = 878;

const TextKey kKeys[] = {
    {"Label206", "А", "Label5", 101, kLeft, 0, 1, nullopt, 7, 5},
    {"Label222", "Б", "Label34", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label205", "В", "Label3", 101, kLeft, nullopt, nullopt, nullopt, 7, 5},
    {"Label197", "Г", "Label4", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label211", "Д", "Label7", 121, kWideLeft, 0, 1, nullopt, 5, 5},
    {"Label195", "Е", "Label6", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label214", "Ё", "Label2", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label212", "Ж", "Label9", 130, kWideLeft, -0.9, 0.9, 0.001, 7, 5},
    {"Label200", "З", "Label8", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label219", "И", "Label19", 101, kLeft, nullopt, nullopt, nullopt, 5, 5, false},
    {"Label191", "Й", "Label10", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label194", "К", "Label11", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label210", "Л", "Label12", 101, kLeft, 0, 1.27, nullopt, 5, 5},
    {"Label218", "М", "Label13", 130, kWideLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label196", "Н", "Label14", 101, kLeft, 0, 2, nullopt, 5, 5},
    {"Label209", "О", "Label15", 101, kLeft, nullopt, nullopt, 0.01, 5, 5, true, false},
    {"Label207", "П", "Label16", 101, kLeft, 0, 2, nullopt, 5, 5},
    {"Label208", "Р", "Label17", 101, kLeft, nullopt, nullopt, nullopt, 7, 5, true, false},
    {"Label217", "С", "Label18", 101, kLeft, nullopt, nullopt, 0.01, 5, 5, true, true, true},
    {"Label220", "Т", "Label29", 101, kLeft, 0, 2, nullopt, 5, 5},
    {"Label193", "У", "Label20", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label203", "Ф", "Label21", 130, kWideLeft, 0, 7, 0.01, 3, 4},
    {"Label201", "Х", "Label22", 101, kLeft, 0, 2, nullopt, 5, 5, true, true, false,
     "Раскрыть содержимое функций щелчками по их номерам для буквы  "},
    {"Label192", "Ц", "Label23", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label216", "Ч", "Label24", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label198", "Ш", "Label25", 130, kWideLeft, 0, 2, nullopt, 5, 5},
    {"Label199", "Щ", "Label26", 130, kWideLeft, 0, 2, nullopt, 5, 5},
    {"Label202", "Ъ", "Label27", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label204", "Ы", "Label28", 121, nullopt, 0, 1, nullopt, 5, 5},
    {"Label221", "Ь", "Label33", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label213", "Э", "Label30", 101, kLeft, 0.8, 5.6, nullopt, 5, 5},
    {"Label223", "Ю", "Label32", 130, kWideLeft, 0, 3, nullopt, 2, 5, true, true, true},
    {"Label215", "Я", "Label35", 101, kLeft, 0, 1, nullopt, 5, 5},
};
}  // namespace

std::span<const TextKey> textKeys() {
    return kKeys;
}
