// The top-level controls of the main window and the controls of the start screen, the mode bar
// and the author panel. Each line: name, kind, parent, Left, Top, Width, Height, shown at start,
// caption, look.
#include "LessonBuilding.h"
#include "SharedControls.h"
#include "ShellTables.h"

namespace {
// The credit line of the author panel: the author's name and town, eight blanks between.
constexpr const char* kCorsiva24 = "font=Monotype Corsiva/24/bi; fg=blue";

// clang-format off
const ControlRow kShellControls[] = {
    {"Image41", "picture", "", 680, 56, 521, 657, true, "", "picture=start; stretch"},
    {"Label181", "label", "", 112, 208, 393, 129, true, "Литерон графиками математических функций",
     "font=Monotype Corsiva/35/bi; fg=blue; center; wrap; transparent"},
    {"Label224", "label", "", 830, 408, 193, 37, true, "Старт программы", kCorsiva24},
    {"Label31", "label", "", 1132, 640, 59, 33, true, "Выход",
     "font=Segoe Print/16/b; fg=yellow; bg=maroon; center"},
    {"Panel9", "panel", "", 72, 712, 561, 53, true, "", "bg=window; flat"},
    {"Image38", "picture", "", 0, 32, 685, 681, false, "", "picture=workarea; stretch; disabled"},
    {shared::kPlane, "picture", "", 697, 86, 491, 484, false, "", "picture=plane; disabled"},

    // The mode bar.
    {"Panel1", "panel", "", 24, 48, 633, 33, false, "", "bg=moneygreen"},
    {"Label146", "label", "Panel1", 64, 8, 145, 17, true, "Ввод ТЕКСТА", "font=Times New Roman/15; fg=blue; bg=background"},
    {"Label145", "label", "Panel1", 256, 8, 145, 17, true, "Режим АЛФАВИТА", "font=Times New Roman/15; fg=blue; bg=background"},
    {"Label147", "label", "Panel1", 431, 8, 145, 17, true, "Ввод ФУНКЦИЙ", "font=Times New Roman/15; fg=blue; bg=background"},

    // The author panel: only its lower 121 pixels lie inside the client area.
    {"Panel2", "panel", "", 920, -248, 241, 369, false, "", "bg=aqua"},
    {"Label41", "label", "Panel2", 93, 11, 60, 22, true, "Автор", "font=Times New Roman/19/b; fg=blue; transparent"},
    {"Label106", "label", "Panel2", 152, 83, 70, 30, true, "Автор", "font=Monotype Corsiva/24/bi; fg=blue; transparent"},
    {"Image31", "picture", "Panel2", 14, 40, 203, 241, true, "", "picture=author; stretch"},
    {"Label141", "label", "Panel2", 24, 284, 186, 33, true, "",
     "font=MS Sans Serif/13/b; fg=maroon; center; wrap; transparent"},
    {"Label142", "label", "Panel2", 24, 324, 193, 37, false, "Старт программы", kCorsiva24},

    // The introduction: only its lower 57 pixels lie inside the client area.
    {"Memo1", "memo", "", 568, -112, 337, 169, false, "", "font=Times New Roman/13/b; fg=teal"},

    // Mode panels; their own controls belong to their modes.
    {"Panel3", "panel", "", 734, 576, 385, 108, false, "", "bg=teal"},
    {"Panel4", "panel", "", 104, 88, 481, 449, false, "", "bg=moneygreen"},
    {"Panel5", "panel", "", 728, 576, 393, 108, false, "", "bg=teal"},
    {"Panel6", "panel", "", 728, 576, 393, 108, false, "", "bg=teal"},
    {"Panel8", "panel", "", 0, 528, 705, 201, false, "", "bg=moneygreen"},
    {"ListBox1", "listbox", "Panel8", 4, 8, 693, 177, true, "", "font=Times New Roman/15; fg=teal"},

    {shared::kInstruction, "label", "", 792, 16, 361, 33, false, "", "font=Arial/13/b; fg=blue; center; wrap; transparent"},
    {shared::kHint, "label", "", 8, 30, 657, 18, false, "", "font=Arial/15/b; fg=yellow; wrap; transparent"},
    {shared::kBanner, "label", "", 696, 86, 492, 65, false, "", "font=Arial/13/b; fg=lime; bg=highlight; wrap"},
    {shared::kLetterFrame, "shape", "", 124, 680, 101, 151, false, "", "pen=yellow/4; brush=clear"},
    {shared::kWordDeleteKey, "label", "", 304, 6, 89, 15, false, "Удалить букву",
     "font=Times New Roman/13/b; fg=red; bg=yellow; center"},
    {"Label151", "label", "", 1056, 704, 76, 22, false, "", ""},
    {"Label227", "label", "", 968, 710, 76, 22, false, "", ""},

    // The word slots, which are also the letters' slots in Alphabet mode.
    {"Image1", "picture", "", 23, 88, 67, 101, false, "", "picture=slot; stretch"},
    {"Image2", "picture", "", 118, 88, 67, 101, false, "", "picture=slot; stretch"},
    {"Image3", "picture", "", 212, 88, 67, 101, false, "", "picture=slot; stretch"},
    {"Image4", "picture", "", 306, 88, 67, 101, false, "", "picture=slot; stretch"},
    {"Image5", "picture", "", 400, 88, 67, 101, false, "", "picture=slot; stretch"},
    {"Image6", "picture", "", 495, 88, 67, 101, false, "", "picture=slot; stretch"},
    {"Image7", "picture", "", 589, 88, 67, 101, false, "", "picture=slot; stretch"},
    {"Image11", "picture", "", 23, 208, 67, 101, false, "", "picture=slot; stretch"},
    {"Image12", "picture", "", 118, 208, 67, 101, false, "", "picture=slot; stretch"},
    {"Image13", "picture", "", 212, 208, 67, 101, false, "", "picture=slot; stretch"},
    {"Image14", "picture", "", 306, 208, 67, 101, false, "", "picture=slot; stretch"},
    {"Image15", "picture", "", 400, 208, 67, 101, false, "", "picture=slot; stretch"},
    {"Image16", "picture", "", 495, 208, 67, 101, false, "", "picture=slot; stretch"},
    {"Image17", "picture", "", 589, 208, 67, 101, false, "", "picture=slot; stretch"},
    {"Image18", "picture", "", 84, 328, 67, 101, false, "", "picture=slot; stretch"},
    {"Image19", "picture", "", 196, 328, 67, 101, false, "", "picture=slot; stretch"},
    {"Image8", "picture", "", 304, 328, 67, 101, false, "", "picture=slot; stretch"},
    {"Image20", "picture", "", 428, 328, 67, 101, false, "", "picture=slot; stretch"},
    {"Image21", "picture", "", 540, 328, 67, 101, false, "", "picture=slot; stretch"},
    {"Image22", "picture", "", 23, 456, 67, 101, false, "", "picture=slot; stretch"},
    {"Image23", "picture", "", 118, 456, 67, 101, false, "", "picture=slot; stretch"},
    {"Image24", "picture", "", 212, 456, 67, 101, false, "", "picture=slot; stretch"},
    {"Image25", "picture", "", 306, 456, 67, 101, false, "", "picture=slot; stretch"},
    {"Image26", "picture", "", 400, 456, 67, 101, false, "", "picture=slot; stretch"},
    {"Image27", "picture", "", 495, 456, 67, 101, false, "", "picture=slot; stretch"},
    {"Image28", "picture", "", 589, 456, 67, 101, false, "", "picture=slot; stretch"},
    {"Image29", "picture", "", 23, 576, 67, 101, false, "", "picture=slot; stretch"},
    {"Image30", "picture", "", 118, 576, 67, 101, false, "", "picture=slot; stretch"},
    {"Image32", "picture", "", 212, 576, 67, 101, false, "", "picture=slot; stretch"},
    {"Image33", "picture", "", 306, 576, 67, 101, false, "", "picture=slot; stretch"},
    {"Image34", "picture", "", 400, 576, 67, 101, false, "", "picture=slot; stretch"},
    {"Image35", "picture", "", 495, 576, 67, 101, false, "", "picture=slot; stretch"},
    {"Image36", "picture", "", 589, 576, 67, 101, false, "", "picture=slot; stretch"},
    {"Image37", "picture", "", 288, 324, 113, 118, false, "", "picture=roundslot; stretch"},
    {shared::kWordEraser, "picture", "", 592, 324, 96, 121, false, "", "picture=eraser; stretch"},

    // The formula labels over the plane: caption and description of six pairs, and the prefix
    // labels a few letters set before pairs 2 to 6. The lessons place the captions.
    {"Label44", "label", "Panel5", 168, 72, 56, 25, true, "", "font=Times New Roman/15/b; fg=red; bg=blue; center"},
    {shared::kFormulaCaptions[0], "label", "", 880, 290, 60, 19, false, "", "font=Times New Roman/16/b; fg=fuchsia; transparent; autosize"},
    {shared::kFormulaDescriptions[0], "label", "", 724, 93, 373, 36, false, "", "font=Times New Roman/13; fg=fuchsia; wrap; transparent"},
    {shared::kPrefixes[0], "label", "", 700, 123, 30, 19, false, "y2=", "font=Times New Roman/16/b; fg=red; transparent; autosize"},
    {shared::kFormulaCaptions[1], "label", "", 970, 225, 60, 19, false, "", "font=Times New Roman/16/b; fg=red; transparent; autosize"},
    {shared::kFormulaDescriptions[1], "label", "", 724, 123, 381, 30, false, "", "font=Times New Roman/13; fg=grey; wrap; transparent"},
    {shared::kPrefixes[1], "label", "", 700, 155, 30, 19, false, "y3=", "font=Times New Roman/16/b; fg=maroon; transparent; autosize"},
    {shared::kFormulaCaptions[2], "label", "", 1050, 290, 60, 19, false, "", "font=Times New Roman/16/b; fg=maroon; transparent; autosize"},
    {shared::kFormulaDescriptions[2], "label", "", 724, 155, 453, 30, false, "", "font=Times New Roman/13; fg=maroon; wrap; transparent"},
    {shared::kPrefixes[2], "label", "", 700, 190, 30, 19, false, "y4=", "font=Times New Roman/16/b; fg=maroon; transparent; autosize"},
    {shared::kFormulaCaptions[3], "label", "", 952, 305, 60, 19, false, "", "font=Times New Roman/16/b; fg=maroon; transparent; autosize"},
    {shared::kFormulaDescriptions[3], "label", "", 724, 190, 381, 27, false, "", "font=Times New Roman/13; fg=red; wrap; transparent"},
    {shared::kPrefixes[3], "label", "", 700, 216, 30, 19, false, "y5=", "font=Times New Roman/16/b; fg=fuchsia; transparent; autosize"},
    {shared::kFormulaCaptions[4], "label", "", 1055, 280, 60, 19, false, "", "font=Times New Roman/16/b; fg=fuchsia; transparent; autosize"},
    {shared::kFormulaDescriptions[4], "label", "", 724, 216, 397, 33, false, "", "font=Times New Roman/13; fg=black; wrap; transparent"},
    {shared::kSixthPrefix, "label", "", 700, 248, 30, 19, false, "y6=", "font=Times New Roman/16/b; fg=red; transparent; autosize"},
    {shared::kFormulaCaptions[5], "label", "", 1055, 305, 60, 16, false, "", "font=MS Sans Serif/13/b; fg=red; transparent; autosize"},
    {shared::kFormulaDescriptions[5], "label", "", 720, 248, 200, 22, false, "", "transparent; autosize"},
};
// clang-format on

const MenuRow kShellMenu[] = {
    {"File1", "", "File", true},
    {shared::kStartMenu, "File1", "Старт", true},
    {"OpenWork", "File1", "Открыть…", true},
    {"SaveWork", "File1", "Сохранить", false},
    {"SaveWorkAs", "File1", "Сохранить как…", false},
    {"RecentWorks", "File1", "Недавние работы", true},
    {"SavePicture", "File1", "Сохранить рисунок…", false},
    {"PrintWork", "File1", "Печать…", false},
    {"N10", "File1", "Выход", true},
    {"N1", "", "Назначение программы", true},
    {"N2", "", "Автор программы", true},
    {"N3", "", "Работа с программой", true},
    {"N4", "", "Режимы", true},
    {shared::kAlphabetMenu, "N4", "Алфавит", true},
    {shared::kTextMenu, "N4", "Ввод текста", true},
    {shared::kFunctionsMenu, "N4", "Ввод функций", true},
    {lessonbuilding::kItem, "N4", "Построить по формулам", true},
    {shared::kExampleLettersMenu, "", "Пример букв", false},
    {"N11", shared::kExampleLettersMenu, "Буква Б", true},
    {"N12", shared::kExampleLettersMenu, "В", true},
    {"N13", shared::kExampleLettersMenu, "Д", true},
    {"N23", shared::kExampleLettersMenu, "Ж", true},
    {"N14", shared::kExampleLettersMenu, "З", true},
    {"N15", shared::kExampleLettersMenu, "Й", true},
    {"N16", shared::kExampleLettersMenu, "М", true},
    {"N21", shared::kExampleLettersMenu, "Р", true},
    {"N22", shared::kExampleLettersMenu, "С", true},
    {"N20", shared::kExampleLettersMenu, "Ы", true},
    {"N17", shared::kExampleLettersMenu, "Э", true},
    {"N18", shared::kExampleLettersMenu, "Ю", true},
    {"N19", shared::kExampleLettersMenu, "Я", true},
    {"N24", shared::kExampleLettersMenu, "Ъ", true},
    {"Contest", "", "Конкурс", true},
    {"CheckLetter", "Contest", "Проверить букву", true},
    {"NewRound", "Contest", "Новый раунд…", true},
    {"PassTurn", "Contest", "Передать ход", true},
    {"RoundResults", "Contest", "Итоги раунда", true},
    {"SaveRound", "Contest", "Сохранить итоги…", true},
    {"PrintRound", "Contest", "Печать итогов…", true},
    {"EndRound", "Contest", "Закончить раунд", true},
};
}  // namespace

std::span<const ControlRow> shellControls() {
    return kShellControls;
}
std::span<const MenuRow> shellMenu() {
    return kShellMenu;
}
