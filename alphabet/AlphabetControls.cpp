// The controls of Alphabet mode: the 33 keys of the alphabet keyboard and its marker, the
// finished letter pictures, and the hotspots laid over them. Each line: name, kind, parent, Left,
// Top, Width, Height, shown at start, caption, look. A hotspot's place here is where it first
// appears; the lessons move it for the other letters that use it.
#include "AlphabetControls.h"

namespace {
constexpr const char* kAlphabetKey = "font=Arial/16/b; fg=yellow; bg=blue; center";
constexpr const char* kPartBar = "pen=teal/1; brush=teal";
constexpr const char* kPartBarGreen = "pen=green/1; brush=green";
constexpr const char* kStrip = "transparent";

// clang-format off
const ControlRow kAlphabetControls[] = {
    // The alphabet keyboard in a Russian typewriter layout; Label38 marks the chosen letter.
    {"Label10", "label", "Panel3", 2, 8, 25, 25, true, "Й", kAlphabetKey},
    {"Label23", "label", "Panel3", 32, 8, 25, 25, true, "Ц", kAlphabetKey},
    {"Label20", "label", "Panel3", 64, 8, 25, 25, true, "У", kAlphabetKey},
    {"Label11", "label", "Panel3", 96, 8, 25, 25, true, "К", kAlphabetKey},
    {"Label6", "label", "Panel3", 128, 8, 25, 25, true, "Е", kAlphabetKey},
    {"Label14", "label", "Panel3", 160, 8, 25, 25, true, "Н", kAlphabetKey},
    {"Label4", "label", "Panel3", 192, 8, 25, 25, true, "Г", kAlphabetKey},
    {"Label25", "label", "Panel3", 224, 8, 25, 25, true, "Ш", kAlphabetKey},
    {"Label26", "label", "Panel3", 256, 8, 25, 25, true, "Щ", kAlphabetKey},
    {"Label8", "label", "Panel3", 288, 8, 25, 25, true, "З", kAlphabetKey},
    {"Label22", "label", "Panel3", 320, 8, 25, 25, true, "Х", kAlphabetKey},
    {"Label27", "label", "Panel3", 352, 8, 25, 25, true, "Ъ", kAlphabetKey},
    {"Label21", "label", "Panel3", 16, 40, 25, 25, true, "Ф", kAlphabetKey},
    {"Label28", "label", "Panel3", 48, 40, 25, 25, true, "Ы", kAlphabetKey},
    {"Label3", "label", "Panel3", 80, 40, 25, 25, true, "В", kAlphabetKey},
    {"Label5", "label", "Panel3", 112, 40, 25, 25, true, "А", kAlphabetKey},
    {"Label16", "label", "Panel3", 144, 40, 25, 25, true, "П", kAlphabetKey},
    {"Label17", "label", "Panel3", 176, 40, 25, 25, true, "Р", kAlphabetKey},
    {"Label15", "label", "Panel3", 208, 40, 25, 25, true, "О", kAlphabetKey},
    {"Label12", "label", "Panel3", 240, 40, 25, 25, true, "Л", kAlphabetKey},
    {"Label7", "label", "Panel3", 272, 40, 25, 25, true, "Д", kAlphabetKey},
    {"Label9", "label", "Panel3", 304, 40, 25, 25, true, "Ж", kAlphabetKey},
    {"Label30", "label", "Panel3", 336, 40, 25, 25, true, "Э", kAlphabetKey},
    {"Label2", "label", "Panel3", 32, 72, 25, 25, true, "Ё", kAlphabetKey},
    {"Label35", "label", "Panel3", 64, 72, 25, 25, true, "Я", kAlphabetKey},
    {"Label24", "label", "Panel3", 96, 72, 25, 25, true, "Ч", kAlphabetKey},
    {"Label18", "label", "Panel3", 128, 72, 25, 25, true, "С", kAlphabetKey},
    {"Label13", "label", "Panel3", 160, 72, 25, 25, true, "М", kAlphabetKey},
    {"Label19", "label", "Panel3", 192, 72, 25, 25, true, "И", kAlphabetKey},
    {"Label29", "label", "Panel3", 224, 72, 25, 25, true, "Т", kAlphabetKey},
    {"Label33", "label", "Panel3", 256, 72, 25, 25, true, "Ь", kAlphabetKey},
    {"Label34", "label", "Panel3", 288, 72, 25, 25, true, "Б", kAlphabetKey},
    {"Label32", "label", "Panel3", 320, 72, 25, 25, true, "Ю", kAlphabetKey},
    {"Label38", "label", "Panel3", 352, 72, 25, 25, false, "Label38", "font=Arial/16/b; fg=red; bg=blue; center"},

    // The finished letters, shown over the plane when a preview ends.
    {"ImR", "picture", "", 938, 173, 111, 159, false, "", "picture=letter:ImR"},  // "Р"
    {"ImElips", "picture", "", 938, 174, 109, 159, false, "", "picture=letter:ImElips"},  // "О"
    {"ImS", "picture", "", 939, 175, 108, 157, false, "", "picture=letter:ImS"},  // "С"
    {"ImEL", "picture", "", 938, 174, 107, 158, false, "", "picture=letter:ImEL"},  // "Э"
    {"ImV", "picture", "", 937, 174, 111, 158, false, "", "picture=letter:ImV"},  // "В"
    {"ImXa", "picture", "", 938, 175, 110, 157, false, "", "picture=letter:ImXa"},  // "Х"
    {"ImKratJ", "picture", "", 938, 157, 108, 177, false, "", "picture=letter:ImKratJ"},  // "Й"
    {"ImU", "picture", "", 938, 175, 110, 158, false, "", "picture=letter:ImU"},  // "У"
    {"ImK", "picture", "", 938, 175, 104, 158, false, "", "picture=letter:ImK"},  // "К"
    {"ImL", "picture", "", 936, 172, 113, 160, false, "", "picture=letter:ImL"},  // "Л"
    {"ImA", "picture", "", 938, 175, 107, 159, false, "", "picture=letter:ImA"},  // "А"
    {"ImD", "picture", "", 938, 174, 114, 171, false, "", "picture=letter:ImD"},  // "Д"
    {"ImYA", "picture", "", 939, 173, 109, 159, false, "", "picture=letter:ImYA"},  // "Я"
    {"ImJE", "picture", "", 938, 175, 127, 160, false, "", "picture=letter:ImJE"},  // "Ж"
    {"ImZ", "picture", "", 938, 176, 105, 157, false, "", "picture=letter:ImZ"},  // "З"
    {"ImM", "picture", "", 938, 175, 126, 159, false, "", "picture=letter:ImM"},  // "М"
    {"ImYU", "picture", "", 938, 173, 132, 159, false, "", "picture=letter:ImYU"},  // "Ю"
    {"ImI", "picture", "", 938, 175, 108, 158, false, "", "picture=letter:ImI"},  // "И"
    {"ImF", "picture", "", 937, 175, 132, 153, false, "", "picture=letter:ImF"},  // "Ф"
    {"ImN", "picture", "", 938, 175, 110, 156, false, "", "picture=letter:ImN"},  // "Н"
    {"ImP", "picture", "", 939, 176, 107, 158, false, "", "picture=letter:ImP"},  // "П"
    {"ImG", "picture", "", 938, 173, 109, 159, false, "", "picture=letter:ImG"},  // "Г"
    {"ImC", "picture", "", 939, 175, 108, 170, false, "", "picture=letter:ImC"},  // "Ц"
    {"ImT", "picture", "", 938, 176, 109, 156, false, "", "picture=letter:ImT"},  // "Т"
    {"ImCH", "picture", "", 938, 175, 109, 157, false, "", "picture=letter:ImCH"},  // "Ч"
    {"ImSh", "picture", "", 938, 175, 126, 157, false, "", "picture=letter:ImSh"},  // "Ш"
    {"ImZnakM", "picture", "", 938, 176, 110, 155, false, "", "picture=letter:ImZnakM"},  // "Ь"
    {"ImE", "picture", "", 939, 173, 108, 159, false, "", "picture=letter:ImE"},  // "Е"
    {"ImZnakTverd", "picture", "", 914, 176, 134, 155, false, "", "picture=letter:ImZnakTverd"},  // "Ъ"
    {"ImIE", "picture", "", 938, 175, 130, 157, false, "", "picture=letter:ImIE"},  // "Ы"
    {"ImB", "picture", "", 938, 175, 110, 157, false, "", "picture=letter:ImB"},  // "Б"
    {"ImJO", "picture", "", 939, 157, 108, 175, false, "", "picture=letter:ImJO"},  // "Ё"
    {"ImSHA", "picture", "", 938, 175, 130, 175, false, "", "picture=letter:ImSHA"},  // "Щ"

    // Part hotspots: filled bars over the strokes of a letter.
    {"HV", "shape", "", 945, 176, 89, 5, false, "", kPartBar},
    {"HVB", "shape", "", 944, 178, 96, 5, false, "", kPartBar},
    {"PristavC", "shape", "", 1042, 324, 5, 19, false, "", kPartBar},
    {"PristavSHCH", "shape", "", 1060, 320, 5, 22, false, "", kPartBarGreen},
    {"PristavZnakTv", "shape", "", 916, 178, 25, 5, false, "", kPartBar},
    {"HNizC", "shape", "", 952, 324, 89, 5, false, "", kPartBar},
    {"HSN", "shape", "", 950, 248, 90, 5, false, "", kPartBar},
    {"HSE", "shape", "", 950, 251, 60, 5, false, "", kPartBar},
    {"HVMal", "shape", "", 950, 177, 60, 5, false, "", kPartBar},
    {"VLCh", "shape", "", 942, 178, 5, 75, false, "", kPartBar},
    {"VST", "shape", "", 990, 185, 5, 146, false, "", kPartBar},
    {"VP", "shape", "", 1040, 185, 5, 136, false, "", kPartBar},
    {"VPJI", "shape", "", 1060, 176, 5, 138, false, "", kPartBar},
    {"VL", "shape", "", 941, 179, 5, 140, false, "", kPartBar},
    {"HNizSh", "shape", "", 947, 324, 109, 5, false, "", kPartBar},
    {"HNizE", "shape", "", 950, 324, 85, 5, false, "", kPartBar},
    {"VSSh", "shape", "", 998, 177, 5, 146, false, "", kPartBar},
    {"HSZnakM", "shape", "", 944, 246, 54, 5, false, "", kPartBar},
    {"HNZnakM", "shape", "", 944, 324, 54, 5, false, "", kPartBar},
    {"HJU", "shape", "", 948, 251, 14, 5, false, "", kPartBar},
    {"HSEL", "shape", "", 980, 251, 55, 5, false, "", kPartBar},
    {"ShapLJO", "shape", "", 955, 160, 11, 11, false, "", kPartBar},
    {"ShapPJO", "shape", "", 1015, 160, 11, 11, false, "", kPartBar},
    {"HA", "shape", "", 970, 260, 47, 4, false, "", kPartBar},
    {"HNizD", "shape", "", 957, 323, 84, 5, false, "", kPartBar},

    // Click strips: invisible labels over the strokes that have no bar.
    {"Label66", "label", "", 1020, 183, 33, 66, false, "", kStrip},
    {"Label67", "label", "", 1020, 256, 26, 76, false, "", kStrip},
    {"Label68", "label", "", 931, 180, 56, 71, false, "", kStrip},
    {"Label69", "label", "", 992, 252, 56, 75, false, "", kStrip},
    {"Label70", "label", "", 932, 260, 56, 75, false, "", kStrip},
    {"Label71", "label", "", 994, 180, 56, 71, false, "", kStrip},
    {"Label72", "label", "", 948, 180, 57, 99, false, "", kStrip},
    {"Label73", "label", "", 1010, 180, 41, 87, false, "", kStrip},
    {"Label74", "label", "", 944, 272, 97, 63, false, "", kStrip},
    {"Label75", "label", "", 950, 180, 91, 69, false, "", kStrip},
    {"Label76", "label", "", 950, 258, 91, 67, false, "", kStrip},
    {"Label77", "label", "", 944, 184, 35, 150, false, "", kStrip},
    {"Label78", "label", "", 856, 392, 19, 15, false, "", kStrip},
    {"Label79", "label", "", 856, 412, 19, 15, false, "", kStrip},
    {"Label80", "label", "", 1003, 174, 52, 12, false, "", kStrip},
    {"Label81", "label", "", 944, 176, 48, 145, false, "", kStrip},
    {"Label82", "label", "", 998, 176, 45, 145, false, "", kStrip},
    {"Label83", "label", "", 934, 328, 17, 17, false, "", kStrip},
    {"Label84", "label", "", 1040, 330, 25, 22, false, "", kStrip},
    {"Label85", "label", "", 934, 176, 43, 79, false, "", kStrip},
    {"Label86", "label", "", 936, 258, 89, 73, false, "", kStrip},
    {"Label87", "label", "", 989, 176, 45, 17, false, "", kStrip},
    {"Label88", "label", "", 989, 240, 48, 16, false, "", kStrip},
    {"Label89", "label", "", 1038, 182, 9, 140, false, "", kStrip},
    {"Label90", "label", "", 935, 180, 62, 69, false, "", kStrip},
    {"Label91", "label", "", 1006, 176, 57, 73, false, "", kStrip},
    {"Label92", "label", "", 928, 258, 58, 67, false, "", kStrip},
    {"Label93", "label", "", 1014, 256, 57, 67, false, "", kStrip},
    {"Label94", "label", "", 998, 176, 9, 150, false, "", kStrip},
    {"Label95", "label", "", 944, 177, 105, 75, false, "", kStrip},
    {"Label96", "label", "", 944, 255, 105, 75, false, "", kStrip},
    {"Label98", "label", "", 990, 200, 20, 20, false, "", kStrip},
    {"Label101", "label", "", 1003, 177, 42, 81, false, "", kStrip},
    {"Label105", "label", "", 938, 184, 7, 141, false, "", kStrip},
    {"Label108", "label", "", 952, 180, 100, 145, false, "", kStrip},
    {"Label109", "label", "", 990, 230, 20, 20, false, "", kStrip},
    {"Label114", "label", "", 1056, 184, 7, 153, false, "", kStrip},
    {"Label122", "label", "", 968, 184, 97, 145, false, "", kStrip},
    {"Label133", "label", "", 934, 184, 12, 137, false, "", kStrip},
    {"Label136", "label", "", 944, 184, 48, 137, false, "", kStrip},
    {"Label137", "label", "", 1013, 184, 60, 137, false, "", kStrip},
    {"Label138", "label", "", 940, 184, 12, 145, false, "", kStrip},
    {"Label139", "label", "", 1034, 184, 12, 145, false, "", kStrip},
    {"Label107", "label", "", 949, 313, 65, 15, false, "", kStrip},
    {"Label118", "label", "", 960, 160, 97, 19, false, "", kStrip},
    {"Label121", "label", "", 990, 260, 20, 20, false, "", kStrip},
    {"Label140", "label", "", 950, 245, 28, 15, false, "", kStrip},
    {"Label119", "label", "", 950, 180, 83, 142, false, "", kStrip},
    {"Label97", "label", "", 1008, 245, 50, 76, false, "", kStrip},
    {"Label144", "label", "", 990, 290, 20, 20, false, "", kStrip},
    {"label228", "label", "", 990, 320, 20, 20, false, "", kStrip},
};
// clang-format on
}  // namespace

std::span<const ControlRow> alphabetControls() {
    return kAlphabetControls;
}
