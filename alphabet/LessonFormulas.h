#pragma once

// Reading a lesson's formula captions as the graphs a pupil types in Function mode: an
// x-expression, a y-expression and the range of the parameter x.
//
// How a caption reads:
//   - "y(2)=1,5" is the graph x = x, y = 1.5; "x(3)=2" the upright x = 2, y = x;
//   - "x(5)=2-1.2*x*x;  y(5)=2,25+x" is one curve, and so are "x(5)=…" and "y(5)=…" written in two
//     captions of one lesson when both change with x;
//   - two captions in a row that give only y, one with a cosine and one with a sine, are the two
//     halves of an ellipse: x from the cosine, y from the sine ("y(1)=1,5*sin(a)", "y(2)=cos(a)");
//   - two y-formulas in one caption that are not such a pair are two curves (the ring of a dot);
//   - a prefix label ("y4=") reads together with the caption label it stands before.
// The notation is read as the parser reads it: decimal commas between digits become points, "{"
// a bracket, the Cyrillic "х" and "а" the Latin letters, a parameter "a" the parameter x, a
// number or bracket written before a bracket or letter a product ("0,68(x+0,8)" is 0.68*(x+0.8)).
// Each such mending of the text is told in `notes`.
//
// The range comes from the description of the caption's pair, or of its partner's: the first
// "от A до B" of it ("от от 0 до 3" as well); where it names a range "Для буквы", that one, the
// arc the letter uses, and the range of the whole figure ("Для него …") is kept beside it.
//
// Nothing is dropped: a caption that cannot be read is a graph with `unreadable` telling why.

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "LetterLesson.h"

struct LessonGraph {
    QStringList captionLabels;  // the labels it is read from, "Label57", "Label60"
    QString caption;            // their captions as shown, joined by " + "
    int number = 0;             // n of x(n)= or y(n)=, 0 where the caption gives none
    QString xExpr, yExpr;       // as the parser reads them, in the parameter x
    double from = 0, to = 0;    // the range of x
    bool hasLimits = false;
    QString limitsLabel;     // the description label the range was read from
    QString limitsText;      // the words it was read from, "от 0 до 3"
    QString limitsOf;        // the variable the description names: "x", "y", "a", or empty
    bool letterArc = false;  // the range is the one "Для буквы"; the whole figure's follows
    double wholeFrom = 0, wholeTo = 0;
    QStringList notes;   // how the text was mended to read
    QString unreadable;  // why it could not be read; empty when it was

    bool readable() const { return unreadable.isEmpty(); }
};

// The graphs of any formula labels, in the order of their first caption.
std::vector<LessonGraph> readFormulaLabels(std::span<const FormulaLabel> labels);
// The graphs of a lesson's formula captions.
std::vector<LessonGraph> readLessonFormulas(const LetterLesson& lesson);
