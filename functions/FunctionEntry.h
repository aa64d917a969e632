#pragma once

#include <QChar>

class QLineEdit;

// The function entry panel: the keypad, the key filters of the four edit boxes, their change
// handlers, "Delete" and the confirmation sequence of "Ввод".
namespace functionentry {

void bind();

void keypadKey(const char* key);
void Edit1Change();
void Edit2Change();
void Edit3Change();
void Edit4Change();
void Label132Click();  // "Ввод"
void Label134Click();  // "Delete"

// Whether a typed character is accepted by edit box 1 … 4 (the decimal separator always is).
bool accepts(int box, QChar c);

// Whether a pupil can bring `text` into edit box 1 … 4 with the keyboard and the keypad: every
// character is one the box takes from the keyboard or one of a keypad key that writes the box.
bool reachable(int box, const QString& text);

QLineEdit& edit(int box);

}  // namespace functionentry
