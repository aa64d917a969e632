// The 33 keys of the text keyboard, in alphabetical order.
#include "TextKeys.h"

namespace {
using std::nullopt;
constexpr int kLeft = 892;
constexpr int kWideLeft = 878;

const TextKey kKeys[] = {
    {"Label206", "А", 101, kLeft, 0, 1, nullopt, 7, 5},
    {"Label222", "Б", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label205", "В", 101, kLeft, nullopt, nullopt, nullopt, 7, 5},
    {"Label197", "Г", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label211", "Д", 121, kWideLeft, 0, 1, nullopt, 5, 5},
    {"Label195", "Е", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label214", "Ё", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label212", "Ж", 130, kWideLeft, -0.9, 0.9, 0.001, 7, 5},
    {"Label200", "З", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label219", "И", 101, kLeft, nullopt, nullopt, nullopt, 5, 5, false},
    {"Label191", "Й", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label194", "К", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label210", "Л", 101, kLeft, 0, 1.27, nullopt, 5, 5},
    {"Label218", "М", 130, kWideLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label196", "Н", 101, kLeft, 0, 2, nullopt, 5, 5},
    {"Label209", "О", 101, kLeft, nullopt, nullopt, 0.01, 5, 5, true, false},
    {"Label207", "П", 101, kLeft, 0, 2, nullopt, 5, 5},
    {"Label208", "Р", 101, kLeft, nullopt, nullopt, nullopt, 7, 5, true, false},
    {"Label217", "С", 101, kLeft, nullopt, nullopt, 0.01, 5, 5, true, true, true},
    {"Label220", "Т", 101, kLeft, 0, 2, nullopt, 5, 5},
    {"Label193", "У", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label203", "Ф", 130, kWideLeft, 0, 7, 0.01, 3, 4},
    {"Label201", "Х", 101, kLeft, 0, 2, nullopt, 5, 5, true, true, false,
     "Раскрыть содержимое функций щелчками по их номерам для буквы  "},
    {"Label192", "Ц", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Label216", "Ч", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label198", "Ш", 130, kWideLeft, 0, 2, nullopt, 5, 5},
    {"Label199", "Щ", 130, kWideLeft, 0, 2, nullopt, 5, 5},
    {"Label202", "Ъ", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label204", "Ы", 121, nullopt, 0, 1, nullopt, 5, 5},
    {"Label221", "Ь", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Label213", "Э", 101, kLeft, 0.8, 5.6, nullopt, 5, 5},
    {"Label223", "Ю", 130, kWideLeft, 0, 3, nullopt, 2, 5, true, true, true},
    {"Label215", "Я", 101, kLeft, 0, 1, nullopt, 5, 5},
};
}  // namespace

std::span<const TextKey> textKeys() {
    return kKeys;
}
