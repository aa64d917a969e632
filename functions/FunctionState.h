#pragma once

#include <QObject>
#include <QString>

#include "TParser.h"

// The entry state of Function mode, shared by the keypad, the edit boxes and the graph keys.
struct FunctionEntry {
    QString entryBuffer;  // the text the keypad writes whole into the current edit box
    int entryStage = 0;   // 1 to 4: the edit box being filled; 5: all four confirmed
};

inline FunctionEntry functionEntry;

// How the letter being composed was begun: by its template key, by the blank key (no template),
// or by an example from the menu. A work file records it, so that opening the file begins the
// letter the same way.
struct LetterBeginning {
    enum Kind { None, Key, Blank, Example };
    Kind kind = None;
    QChar letter;  // the key's or the example's letter; none for the blank key
};

inline LetterBeginning letterBeginning;

// An expression parser owned by the window, found by its name (Parser1 for x, Parser2 for y).
class ParserComponent : public QObject {
    Q_OBJECT
  public:
    ParserComponent(QObject* owner, const QString& name) : QObject(owner) { setObjectName(name); }
    TParser parser;
};

TParser& parser1();
TParser& parser2();
