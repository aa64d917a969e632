#pragma once

#include <QString>
#include <span>

// The 33 letters, one record each: everything that names a letter in the window across the modes.
// The lists the modes need (the letter pictures, the template pictures, the keys, the wide word
// slots) are read from here; the strokes of a letter stay in its modes' stroke tables, as data.
//
// To add a letter: its record here, its key rows in the three keyboards' control tables, its
// picture rows, and its strokes (lesson, part picks, large and small letter, template).
namespace letters {

struct LetterRecord {
    char16_t letter;
    const char* alphabetKey;      // its key of Alphabet mode
    const char* lessonSlot;       // the word slot the lesson writes the small letter in
    const char* picture;          // the finished letter, with its marks (ImJO, ImSHA, ImZnakTverd)
    const char* templateKey;      // its key of Function mode
    const char* templatePicture;  // the pale template Function mode shows under the graphs
    const char* textKey;          // its key of Text mode
    bool wide;                    // written in a 90-pixel word slot, not a 67-pixel one
};

// In alphabetical order.
std::span<const LetterRecord> all();

// The record of a letter, or of the control that names it; nullptr if none.
const LetterRecord* find(char16_t letter);
// The record of a letter the tables name: a letter without one is a fault of the program
// (InternalError).
const LetterRecord& of(char16_t letter);
const LetterRecord* byAlphabetKey(const QString& key);
const LetterRecord* byPicture(const QString& picture);

}  // namespace letters
