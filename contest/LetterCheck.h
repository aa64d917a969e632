#pragma once

#include <QChar>
#include <QPoint>
#include <QString>
#include <vector>

#include "GraphTable.h"

struct LetterTemplate;

// How well a pupil's graphs build the letter of the template on screen. Everything is worked out
// in the window's own 1212 × 731 coordinates, from the template routine's strokes and the graphs'
// sampled points, never from the screen's pixels: the answer is the same at every screen scale.
namespace lettercheck {

// The constants of the check, in one place. Measured on the tables: every one of the 14 example
// letters covers its template whole with no stray dot; the closest other letters stay outside
// ("Ш" on the template of "Щ" covers 97.6 %, "Щ" on "Ш" leaves 2.4 % of its dots stray, "Ъ" on
// "Ь" 7.6 %, "Б" on "В" covers 85.8 %). "Е" and "Ё", "И" and "Й" have the same drawable strokes
// and cannot be told apart.
// A template pixel is covered, and a dot is on the letter, within this distance (window pixels).
inline constexpr double kTolerance = 5;
// A letter counts as built when at least this share of its template is covered …
inline constexpr double kBuiltCovered = 0.98;
// … and at most this share of the dots lie off its strokes.
inline constexpr double kStrayAtMost = 0.02;

// The pixels of the template's strokes: every point of the centre lines its routine draws on the
// window (a dot is its one pixel), each once, where a graph can draw a dot (|x| ≤ 2.6, |y| ≤ 3):
// the breve of "Й", above y = 3, is left to the teacher's eye.
std::vector<QPoint> templatePixels(const LetterTemplate& letter);

// The dots the graphs plot on the plane of the templates, each pixel once: the dots a redraw of
// the graph list draws (graphlist::graphDots), so the verdict is about what the pupil sees.
std::vector<QPoint> graphDots(const std::vector<GraphSlot>& graphs);

struct Result {
    double covered = 0;  // the share of template pixels within kTolerance of a dot
    double stray = 0;    // the share of dots farther than kTolerance from every template pixel
    int templatePixelCount = 0;
    int dotCount = 0;
    std::vector<QPoint> uncovered;  // the template pixels no dot comes near
    bool built = false;

    // As the pupil reads them: the covered share rounded down, the stray share up, so that
    // "100 %" and "0 %" are only said when they hold.
    int coveredPercent() const;
    int strayPercent() const;
};

Result check(const std::vector<QPoint>& templatePixels, const std::vector<QPoint>& dots);

// "Буква «П» построена на 92 %, лишних точек 3 %"
QString summary(QChar letter, const Result& result);
// What the pupil is told next: the letter is built, or what it still lacks.
QString verdict(const Result& result);

}  // namespace lettercheck
