#pragma once

#include "SharedControls.h"

// The controls of Function mode that its logic speaks of, each by its role. The window
// description (FunctionControls.cpp) gives every one its place and look under these names.
namespace fnctl {

inline constexpr const char* kPlane = shared::kPlane;
inline constexpr const char* kLetterFrame = shared::kLetterFrame;
inline constexpr char kLetterPanel[] = "Panel5";     // the 33 letter keys and the blank key
inline constexpr char kBlankKey[] = "Label44";       // a new letter without a template
inline constexpr char kEntryPanel[] = "Panel4";      // the four edit boxes and the keypad
inline constexpr char kOperatorBlock[] = "Panel10";  // + * ^ / ( ) x and the functions
inline constexpr char kEnterKey[] = "Label132";      // "Ввод"
inline constexpr char kDeleteKey[] = "Label134";     // "Delete": empties the box being filled
inline constexpr char kPointKey[] = "Label188";      // "." of the expressions
inline constexpr char kCommaKey[] = "Label135";      // "," of the start and end values
inline constexpr char kYCaption[] = "Label42";       // beside Edit2
inline constexpr const char* kStartCaption = shared::kStartCaption;  // beside Edit3
inline constexpr const char* kEndCaption = shared::kEndCaption;      // beside Edit4
inline constexpr char kReminder[] = "Label174";  // "Не забыть нажать на кнопку ВВОД"
inline constexpr char kBuildKey[] = "Label148";        // "Построить график"
inline constexpr char kDeleteGraphKey[] = "Label154";  // "Удалить график"
inline constexpr char kChangeGraphKey[] = "Label189";  // "Изменить график"
inline constexpr char kChangeRangeKey[] = "Label190";  // "Сменить параметры"
inline constexpr char kDeleteAllKey[] = "Label226";    // "Удалить все графики"
inline constexpr char kWidthNotice[] = "Label225";     // a point outside the letter's width
inline constexpr char kGrid[] = "ImRamkaSetka1";       // the grid of the ordinary letters
inline constexpr char kWideGrid[] = "ImRamkaSetka2";   // the grid of the wide letters
inline constexpr char kShortIGrid[] = "ImsetkakratJ";  // "Й", with room for the breve
inline constexpr char kCommaHint[] = "CommaHint";      // a comma a formula box refused
inline constexpr char kListPanel[] = "Panel8";         // holds the graph list
inline constexpr char kGraphList[] = "ListBox1";
inline constexpr char kSelectedNumber[] = "Label151";  // the number of the graph chosen

}  // namespace fnctl
