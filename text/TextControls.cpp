// The controls of Text mode: the 33 keys of the text keyboard Panel6. Each line: name, kind,
// parent, Left, Top, Width, Height, shown at start, caption, look. The word slots and the
// "Удалить букву" key are shared with the shell and live in its table.
#include "TextControls.h"

namespace {
constexpr const char* kTextKey = "font=Arial/16/b; fg=white; bg=blue; center";

const ControlRow kTextControls[] = {
    // A Russian typewriter layout; the bottom row from "М" on is a pixel wider.
    {"Label191", "label", "Panel6", 8, 8, 24, 25, true, "Й", kTextKey},
    {"Label192", "label", "Panel6", 40, 8, 24, 25, true, "Ц", kTextKey},
    {"Label193", "label", "Panel6", 72, 8, 24, 25, true, "У", kTextKey},
    {"Label194", "label", "Panel6", 104, 8, 24, 25, true, "К", kTextKey},
    {"Label195", "label", "Panel6", 136, 8, 24, 25, true, "Е", kTextKey},
    {"Label196", "label", "Panel6", 168, 8, 24, 25, true, "Н", kTextKey},
    {"Label197", "label", "Panel6", 200, 8, 24, 25, true, "Г", kTextKey},
    {"Label198", "label", "Panel6", 232, 8, 24, 25, true, "Ш", kTextKey},
    {"Label199", "label", "Panel6", 264, 8, 24, 25, true, "Щ", kTextKey},
    {"Label200", "label", "Panel6", 296, 8, 24, 25, true, "З", kTextKey},
    {"Label201", "label", "Panel6", 328, 8, 24, 25, true, "Х", kTextKey},
    {"Label202", "label", "Panel6", 360, 8, 24, 25, true, "Ъ", kTextKey},
    {"Label203", "label", "Panel6", 16, 40, 24, 25, true, "Ф", kTextKey},
    {"Label204", "label", "Panel6", 48, 40, 24, 25, true, "Ы", kTextKey},
    {"Label205", "label", "Panel6", 80, 40, 24, 25, true, "В", kTextKey},
    {"Label206", "label", "Panel6", 112, 40, 24, 25, true, "А", kTextKey},
    {"Label207", "label", "Panel6", 144, 40, 24, 25, true, "П", kTextKey},
    {"Label208", "label", "Panel6", 176, 40, 24, 25, true, "Р", kTextKey},
    {"Label209", "label", "Panel6", 208, 40, 24, 25, true, "О", kTextKey},
    {"Label210", "label", "Panel6", 240, 40, 24, 25, true, "Л", kTextKey},
    {"Label211", "label", "Panel6", 272, 40, 24, 25, true, "Д", kTextKey},
    {"Label212", "label", "Panel6", 304, 40, 24, 25, true, "Ж", kTextKey},
    {"Label213", "label", "Panel6", 336, 40, 24, 25, true, "Э", kTextKey},
    {"Label214", "label", "Panel6", 32, 72, 24, 25, true, "Ё", kTextKey},
    {"Label215", "label", "Panel6", 64, 72, 24, 25, true, "Я", kTextKey},
    {"Label216", "label", "Panel6", 96, 72, 24, 25, true, "Ч", kTextKey},
    {"Label217", "label", "Panel6", 128, 72, 24, 25, true, "С", kTextKey},
    {"Label218", "label", "Panel6", 160, 72, 25, 25, true, "М", kTextKey},
    {"Label219", "label", "Panel6", 192, 72, 25, 25, true, "И", kTextKey},
    {"Label220", "label", "Panel6", 224, 72, 25, 25, true, "Т", kTextKey},
    {"Label221", "label", "Panel6", 256, 72, 25, 25, true, "Ь", kTextKey},
    {"Label222", "label", "Panel6", 288, 72, 25, 25, true, "Б", kTextKey},
    {"Label223", "label", "Panel6", 320, 72, 25, 25, true, "Ю", kTextKey},
};
}  // namespace

std::span<const ControlRow> textControls() {
    return kTextControls;
}
