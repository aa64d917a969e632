#pragma once

#include <QString>

struct TextKey;

// Text mode: the keyboard that chooses the current letter and draws it large, the hint typed
// into the hint line, the 33 word slots that take the current letter small, and the key that
// wipes the slot written last.
namespace textmode {

// Connects the keys, the slots, the delete key and the hint timer of the window.
void bind();

void pressKey(const TextKey& key);
void drawLargeZhe();  // the key "Ж" draws its letter itself
void Timer2Timer();
void writeSlot(int slotNumber);  // Image1Click … Image36Click
void Label143Click();

// The number of the slot written last (0 before any).
int slotNumber();
void resetState();  // tests: back to the start of the program

// The hint typed into Label1 for a current letter.
QString hintFor(const QString& letter);

}  // namespace textmode

void bindTextMode();
