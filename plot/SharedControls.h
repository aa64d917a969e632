#pragma once

// The controls that more than one mode speaks of, each by its role. The window's shared table
// (app/ShellControls.cpp) declares them under these names; a mode's own controls have their own
// role names beside its table (FunctionControlNames.h). Code outside the tables names a shared
// control only through these.
namespace shared {

inline constexpr char kPlane[] = "Image10";           // the coordinate plane, the large letter cell
inline constexpr char kLetterFrame[] = "Shape1";      // the yellow frame of a letter's width
inline constexpr char kHint[] = "Label1";             // the hint line under the menu
inline constexpr char kInstruction[] = "Label40";     // the instruction over the plane
inline constexpr char kBanner[] = "Label65";          // a part's description over the plane
inline constexpr char kWordDeleteKey[] = "Label143";  // "Удалить букву" under a word slot
inline constexpr char kWordEraser[] = "Image40";      // the eraser that passes over a slot

// The six formula pairs: a caption over the plane and its description in the banner's place.
inline constexpr const char* kFormulaCaptions[6] = {"Label45", "Label48", "Label51",
                                                    "Label54", "Label57", "Label60"};
inline constexpr const char* kFormulaDescriptions[6] = {"Label46", "Label49", "Label52",
                                                        "Label55", "Label58", "Label61"};
// The prefixes "y2=" … "y5=" between the pairs, which the example letters also use as captions,
// and "y6=".
inline constexpr const char* kPrefixes[4] = {"Label47", "Label50", "Label53", "Label56"};
inline constexpr char kSixthPrefix[] = "Label59";

// The menu items that start a mode, and the example letters' menu.
inline constexpr char kStartMenu[] = "N9";           // "Старт"
inline constexpr char kAlphabetMenu[] = "N6";        // "Алфавит"
inline constexpr char kTextMenu[] = "N7";            // "Ввод текста"
inline constexpr char kFunctionsMenu[] = "N8";       // "Ввод функций"
inline constexpr char kExampleLettersMenu[] = "N5";  // "Пример букв"

// Declared with the keyboards they sit on, and used by other modes too.
inline constexpr char kLetterMarker[] = "Label38";  // the chosen letter, red on its key
inline constexpr char kStartCaption[] = "Label36";  // beside Function mode's start value
inline constexpr char kEndCaption[] = "Label37";    // beside Function mode's end value

}  // namespace shared
