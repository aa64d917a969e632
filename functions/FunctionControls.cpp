// The controls of Function mode: the letter keys of Panel5, the grid frames and template
// pictures over the plane, and the entry panel Panel4 with its keypad Panel7 (operator block
// Panel10) and graph keys. Each line: name, kind, parent, Left, Top, Width, Height, shown at
// start, caption, look. Places inside a panel are relative to it.
#include "FunctionControls.h"

namespace {
constexpr const char* kLetterKey = "font=Arial/16/b; fg=yellow; bg=blue; center";
constexpr const char* kPadKey = "font=Arial/16/b; fg=blue; bg=skyblue; center";
constexpr const char* kEntryText = "font=Arial/19/b; fg=blue";
constexpr const char* kValueText = "font=Arial/17/b; fg=purple";
constexpr const char* kValueCaption = "font=Arial/11/b; fg=maroon; bg=moneygreen; wrap";
constexpr const char* kHint = "font=Arial/12/b; fg=blue; bg=moneygreen; wrap";

// clang-format off
const ControlRow kFunctionControls[] = {
    // Letter keys; the blank key Label44 sits in the bottom row between "М" and "И".
    {"Label155", "label", "Panel5", 10, 8, 25, 25, true, "Й", kLetterKey},
    {"Label156", "label", "Panel5", 40, 8, 25, 25, true, "Ц", kLetterKey},
    {"Label157", "label", "Panel5", 72, 8, 25, 25, true, "У", kLetterKey},
    {"Label158", "label", "Panel5", 104, 8, 25, 25, true, "К", kLetterKey},
    {"Label159", "label", "Panel5", 136, 8, 25, 25, true, "Е", kLetterKey},
    {"Label160", "label", "Panel5", 168, 8, 25, 25, true, "Н", kLetterKey},
    {"Label161", "label", "Panel5", 200, 8, 25, 25, true, "Г", kLetterKey},
    {"Label162", "label", "Panel5", 232, 8, 25, 25, true, "Ш", kLetterKey},
    {"Label163", "label", "Panel5", 264, 8, 25, 25, true, "Щ", kLetterKey},
    {"Label164", "label", "Panel5", 296, 8, 25, 25, true, "З", kLetterKey},
    {"Label165", "label", "Panel5", 328, 8, 25, 25, true, "Х", kLetterKey},
    {"Label166", "label", "Panel5", 360, 8, 25, 25, true, "Ъ", kLetterKey},
    {"Label167", "label", "Panel5", 24, 40, 25, 25, true, "Ф", kLetterKey},
    {"Label168", "label", "Panel5", 56, 40, 25, 25, true, "Ы", kLetterKey},
    {"Label169", "label", "Panel5", 88, 40, 25, 25, true, "В", kLetterKey},
    {"Label170", "label", "Panel5", 120, 40, 25, 25, true, "А", kLetterKey},
    {"Label171", "label", "Panel5", 152, 40, 25, 25, true, "П", kLetterKey},
    {"Label172", "label", "Panel5", 184, 40, 25, 25, true, "Р", kLetterKey},
    {"Label153", "label", "Panel5", 216, 40, 25, 25, true, "О", kLetterKey},
    {"Label152", "label", "Panel5", 248, 40, 25, 25, true, "Л", kLetterKey},
    {"Label175", "label", "Panel5", 280, 40, 25, 25, true, "Д", kLetterKey},
    {"Label176", "label", "Panel5", 312, 40, 25, 25, true, "Ж", kLetterKey},
    {"Label177", "label", "Panel5", 344, 40, 25, 25, true, "Э", kLetterKey},
    {"Label178", "label", "Panel5", 10, 72, 25, 25, true, "Ё", kLetterKey},
    {"Label179", "label", "Panel5", 40, 72, 25, 25, true, "Я", kLetterKey},
    {"Label180", "label", "Panel5", 72, 72, 25, 25, true, "Ч", kLetterKey},
    {"Label173", "label", "Panel5", 104, 72, 25, 25, true, "С", kLetterKey},
    {"Label182", "label", "Panel5", 136, 72, 25, 25, true, "М", kLetterKey},
    {"Label183", "label", "Panel5", 232, 72, 25, 25, true, "И", kLetterKey},
    {"Label184", "label", "Panel5", 264, 72, 25, 25, true, "Т", kLetterKey},
    {"Label186", "label", "Panel5", 296, 72, 25, 25, true, "Б", kLetterKey},
    {"Label185", "label", "Panel5", 328, 72, 25, 25, true, "Ь", kLetterKey},
    {"Label187", "label", "Panel5", 360, 72, 25, 25, true, "Ю", kLetterKey},

    // Grid frames: the ordinary letters, the wide letters, and the tall grid of "Й".
    {"ImRamkaSetka1", "picture", "", 568, 480, 99, 149, false, "", "picture=grid:ImRamkaSetka1"},
    {"ImRamkaSetka2", "picture", "", 16, 480, 117, 150, false, "", "picture=grid:ImRamkaSetka2"},
    {"ImsetkakratJ", "picture", "", 943, 166, 99, 160, false, "", "picture=grid:ImsetkakratJ"},

    // Template pictures, each at the place its key shows it ("У" shows none of its own).
    {"ImAJ", "picture", "", 940, 178, 103, 149, false, "", "picture=template:ImAJ"},  // "А"
    {"ImBJ", "picture", "", 941, 177, 103, 152, false, "", "picture=template:ImBJ"},  // "Б"
    {"ImVJ", "picture", "", 938, 176, 107, 155, false, "", "picture=template:ImVJ"},  // "В"
    {"ImGJ", "picture", "", 942, 176, 102, 150, false, "", "picture=template:ImGJ"},  // "Г"
    {"ImDJ", "picture", "", 938, 174, 116, 174, false, "", "picture=template:ImDJ"},  // "Д"
    {"ImEJ", "picture", "", 939, 175, 105, 154, false, "", "picture=template:ImEJ"},  // "Е"
    {"ImJEJ", "picture", "", 938, 175, 126, 156, false, "", "picture=template:ImJEJ"},  // "Ж"
    {"ImIJ", "picture", "", 939, 176, 107, 151, false, "", "picture=template:ImIJ"},  // "И"
    {"ImJOJ", "picture", "", 939, 161, 106, 169, false, "", "picture=template:ImJOJ"},  // "Ё"
    {"ImKratIJ", "picture", "", 941, 165, 102, 164, false, "", "picture=template:ImKratIJ"},  // "Й"
    {"ImKJ", "picture", "", 939, 176, 107, 152, false, "", "picture=template:ImKJ"},  // "К"
    {"ImLJ", "picture", "", 922, 175, 125, 152, false, "", "picture=template:ImLJ"},  // "Л"
    {"ImMJ", "picture", "", 942, 178, 117, 150, false, "", "picture=template:ImMJ"},  // "М"
    {"ImNJ", "picture", "", 938, 176, 109, 152, false, "", "picture=template:ImNJ"},  // "Н"
    {"ImOJ", "picture", "", 937, 176, 111, 155, false, "", "picture=template:ImOJ"},  // "О"
    {"ImPJ", "picture", "", 942, 176, 103, 149, false, "", "picture=template:ImPJ"},  // "П"
    {"ImRJ", "picture", "", 941, 176, 102, 150, false, "", "picture=template:ImRJ"},  // "Р"
    {"ImSJ", "picture", "", 939, 179, 103, 148, false, "", "picture=template:ImSJ"},  // "С"
    {"ImTJ", "picture", "", 938, 176, 105, 150, false, "", "picture=template:ImTJ"},  // "Т"
    {"ImUJ", "picture", "", 939, 176, 106, 151, false, "", "picture=template:ImUJ"},  // "У"
    {"ImFJ", "picture", "", 938, 178, 128, 150, false, "", "picture=template:ImFJ"},  // "Ф"
    {"ImHJ", "picture", "", 942, 177, 103, 150, false, "", "picture=template:ImHJ"},  // "Х"
    {"ImCJ", "picture", "", 939, 175, 108, 170, false, "", "picture=template:ImCJ"},  // "Ц"
    {"ImCHJ", "picture", "", 939, 176, 108, 151, false, "", "picture=template:ImCHJ"},  // "Ч"
    {"ImSHJ", "picture", "", 940, 177, 121, 150, false, "", "picture=template:ImSHJ"},  // "Ш"
    {"ImSHAJ", "picture", "", 940, 178, 123, 167, false, "", "picture=template:ImSHAJ"},  // "Щ"
    {"ImEIJ", "picture", "", 942, 172, 129, 155, false, "", "picture=template:ImEIJ"},  // "Ы"
    {"ImELJ", "picture", "", 937, 177, 107, 151, false, "", "picture=template:ImELJ"},  // "Э"
    {"ImZJ", "picture", "", 939, 177, 105, 152, false, "", "picture=template:ImZJ"},  // "З"
    {"ImYUJ", "picture", "", 939, 176, 121, 154, false, "", "picture=template:ImYUJ"},  // "Ю"
    {"ImYAJ", "picture", "", 942, 175, 105, 151, false, "", "picture=template:ImYAJ"},  // "Я"
    {"ImZnakMJ", "picture", "", 938, 174, 107, 154, false, "", "picture=template:ImZnakMJ"},  // "Ь"
    {"ImZnakTJ", "picture", "", 901, 175, 145, 152, false, "", "picture=template:ImZnakTJ"},  // "Ъ"

    // The entry panel: two expressions, then the start and end of the parameter.
    {"Label43", "label", "Panel4", 148, 6, 159, 45, true, "Ввести число,  иначе выражение для аргумента X",
     "font=Arial/12/b; fg=blue; bg=moneygreen; center; wrap"},
    {"Label39", "label", "Panel4", 0, 39, 126, 30, true, "1-ая переменная", "font=Times New Roman/16/b; fg=blue; bg=window"},
    {"Edit1", "edit", "Panel4", 126, 38, 241, 30, true, "", kEntryText},
    {"Label150", "label", "Panel4", 148, 70, 151, 45, false, "Ввести число,  иначе выражение для функции выражение ", kHint},
    {"Label42", "label", "Panel4", 0, 104, 126, 30, false, "2-ая переменная", "font=Times New Roman/16/b; fg=blue; bg=white"},
    {"Edit2", "edit", "Panel4", 126, 103, 241, 30, false, "", kEntryText},
    {"Label36", "label", "Panel4", 128, 144, 121, 28, false, "Начальное значение переменной", kValueCaption},
    {"Edit3", "edit", "Panel4", 248, 144, 81, 27, false, "", kValueText},
    {"Label37", "label", "Panel4", 128, 182, 121, 28, false, "Конечное значение  переменной", kValueCaption},
    {"Edit4", "edit", "Panel4", 248, 184, 81, 25, false, "", kValueText},
    {"Label174", "label", "Panel4", 368, 37, 100, 28, false, "Не забыть нажать на кнопку ВВОД",
     "font=Arial/11/b; fg=purple; bg=moneygreen"},
    {"Label225", "label", "Panel4", 368, 40, 113, 113, false, "", "font=Times New Roman/13/b; fg=teal; bg=white; wrap"},
    {"CommaHint", "label", "Panel4", 368, 38, 113, 64, false, "", "font=Arial/11/b; fg=maroon; bg=yellow; wrap"},

    // The keypad: digits, sign and the decimal point or comma (one of the two shows at a time).
    {"Panel7", "panel", "Panel4", 96, 228, 273, 213, true, "", "bg=teal"},
    {"Label99", "label", "Panel7", 5, 5, 18, 20, true, "0", kPadKey},
    {"Label100", "label", "Panel7", 27, 5, 18, 20, true, "1", kPadKey},
    {"Label102", "label", "Panel7", 49, 5, 18, 20, true, "2", kPadKey},
    {"Label112", "label", "Panel7", 71, 5, 18, 20, true, "3", kPadKey},
    {"Label111", "label", "Panel7", 93, 5, 18, 20, true, "4", kPadKey},
    {"Label123", "label", "Panel7", 115, 5, 18, 20, true, "5", kPadKey},
    {"Label124", "label", "Panel7", 137, 5, 18, 20, true, "6", kPadKey},
    {"Label125", "label", "Panel7", 159, 5, 18, 20, true, "7", kPadKey},
    {"Label126", "label", "Panel7", 181, 5, 18, 20, true, "8", kPadKey},
    {"Label127", "label", "Panel7", 203, 5, 18, 20, true, "9", kPadKey},
    {"Label128", "label", "Panel7", 225, 5, 18, 20, true, "-", kPadKey},
    {"Label135", "label", "Panel7", 247, 5, 18, 20, false, ",", kPadKey},
    {"Label188", "label", "Panel7", 247, 5, 18, 20, true, ".", kPadKey},

    // The operator block, disabled while the start and end values are typed.
    {"Panel10", "panel", "Panel7", 4, 35, 267, 65, true, "", "bg=teal"},
    {"Label129", "label", "Panel10", 45, 5, 20, 20, true, "+", kPadKey},
    {"Label130", "label", "Panel10", 69, 5, 20, 20, true, "*", kPadKey},
    {"Label110", "label", "Panel10", 93, 5, 20, 20, true, "^", kPadKey},
    {"Label131", "label", "Panel10", 117, 5, 20, 20, true, "/", kPadKey},
    {"Label103", "label", "Panel10", 141, 5, 20, 20, true, "(", kPadKey},
    {"Label104", "label", "Panel10", 170, 5, 20, 20, true, ")", kPadKey},
    {"Label113", "label", "Panel10", -2, 37, 23, 20, true, "x", kPadKey},
    {"Label115", "label", "Panel10", 23, 37, 32, 20, true, "x^2", kPadKey},
    {"Label117", "label", "Panel10", 57, 37, 47, 20, true, "sin(x)", kPadKey},
    {"Label116", "label", "Panel10", 106, 37, 48, 20, true, "cos(x)", kPadKey},
    {"Label120", "label", "Panel10", 158, 37, 51, 20, true, "abs(x)", kPadKey},
    {"Label229", "label", "Panel10", 213, 37, 52, 20, true, "sqrt(x)", kPadKey},

    {"Label134", "label", "Panel7", 16, 134, 57, 23, true, "Delete", kPadKey},
    {"Label132", "label", "Panel7", 202, 134, 63, 23, true, "Ввод", kPadKey},

    // The graph keys.
    {"Label148", "label", "Panel7", 80, 113, 113, 20, false, "Построить график",
     "font=Times New Roman/13/b; fg=yellow; bg=purple"},
    {"Label154", "label", "Panel7", 86, 137, 101, 20, false, "Удалить график",
     "font=Times New Roman/13/b; fg=yellow; bg=blue"},
    {"Label189", "label", "Panel7", 80, 162, 113, 20, false, "Изменить график",
     "font=Times New Roman/13/b; fg=yellow; bg=navy"},
    {"Label190", "label", "Panel7", 75, 160, 121, 17, false, "Сменить параметры",
     "font=Times New Roman/13/b; fg=purple; bg=yellow"},
    {"Label226", "label", "Panel7", 75, 184, 122, 15, false, "Удалить все графики",
     "font=Times New Roman/13/b; fg=yellow; bg=navy"},
};
// clang-format on
}  // namespace

std::span<const ControlRow> functionControls() {
    return kFunctionControls;
}
