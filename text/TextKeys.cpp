// The 33 keys of the text keyboard, in alphabetical order; each key is named by its letter's
// record.
#include "TextKeys.h"

namespace {
using std::nullopt;
constexpr int kLeft = 892;
constexpr int kWideLeft = 878;

const TextKey kKeys[] = {
    {"А", 101, kLeft, 0, 1, nullopt, 7, 5},
    {"Б", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"В", 101, kLeft, nullopt, nullopt, nullopt, 7, 5},
    {"Г", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Д", 121, kWideLeft, 0, 1, nullopt, 5, 5},
    {"Е", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Ё", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Ж", 130, kWideLeft, -0.9, 0.9, 0.001, 7, 5},
    {"З", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"И", 101, kLeft, nullopt, nullopt, nullopt, 5, 5, false},
    {"Й", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"К", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Л", 101, kLeft, 0, 1.27, nullopt, 5, 5},
    {"М", 130, kWideLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Н", 101, kLeft, 0, 2, nullopt, 5, 5},
    {"О", 101, kLeft, nullopt, nullopt, 0.01, 5, 5, true, false},
    {"П", 101, kLeft, 0, 2, nullopt, 5, 5},
    {"Р", 101, kLeft, nullopt, nullopt, nullopt, 7, 5, true, false},
    {"С", 101, kLeft, nullopt, nullopt, 0.01, 5, 5, true, true, true},
    {"Т", 101, kLeft, 0, 2, nullopt, 5, 5},
    {"У", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Ф", 130, kWideLeft, 0, 7, 0.01, 3, 4},
    {"Х", 101, kLeft, 0, 2, nullopt, 5, 5, true, true, false,
     "Раскрыть содержимое функций щелчками по их номерам для буквы  "},
    {"Ц", 101, kLeft, nullopt, nullopt, nullopt, 5, 5},
    {"Ч", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Ш", 130, kWideLeft, 0, 2, nullopt, 5, 5},
    {"Щ", 130, kWideLeft, 0, 2, nullopt, 5, 5},
    {"Ъ", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Ы", 121, nullopt, 0, 1, nullopt, 5, 5},
    {"Ь", 101, kLeft, 0, 1, nullopt, 5, 5},
    {"Э", 101, kLeft, 0.8, 5.6, nullopt, 5, 5},
    {"Ю", 130, kWideLeft, 0, 3, nullopt, 2, 5, true, true, true},
    {"Я", 101, kLeft, 0, 1, nullopt, 5, 5},
};
}  // namespace

std::span<const TextKey> textKeys() {
    return kKeys;
}
