#pragma once

#include <optional>
#include <span>

// One key of the Text-mode keyboard: the letter it makes current (the marker takes the caption and
// place of that letter's key of Alphabet mode), the frame, the loop values and pacing it sets
// before its large letter, and the few ways a key departs from the others.
struct TextKey {
    const char* letter;  // its key on Panel6 is the letter's record's text key
    int frameWidth;
    std::optional<int> frameLeft;  // unset: the frame keeps its Left
    std::optional<double> start, end, step;
    int stepDelayMs;
    int penWidth;
    bool showsInstruction = true;             // "И" leaves Label40 as it was
    bool startsHintTimer = true;              // "О" and "Р" do not enable Timer2
    bool hidesRangeCaptions = false;          // "С" and "Ю" hide Label36 and Label37
    const char* instructionPrefix = nullptr;  // "Х" has its own instruction text
};

std::span<const TextKey> textKeys();
