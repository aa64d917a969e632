#pragma once

// Strokes that a lesson of Alphabet mode and a template of Function mode draw alike, written once:
// both tables take them from here. Each is an item of the stroke loops (TraceLoop.h), in the
// plane origin X, Y and the loop parameter t.

#include "TraceLoop.h"

namespace letterstrokes {

TraceItem beTopBar();                 // "Б": the top bar, grown right from the stem
TraceItem veStem();                   // "В": the stem
TraceItem veTopBar();                 // "В": the top bar
TraceItem veMiddleBar();              // "В": the middle bar
TraceItem veBottomBar();              // "В": the bottom bar
TraceItem geTopBar();                 // "Г": the top bar
TraceItem deElTopBar();               // "Д" and "Л": the top bar
TraceItem deRightUpright();           // "Д": the right upright
TraceItem elRightUpright();           // "Л": the right upright
TraceItem zheStem();                  // "Ж": the stem
TraceItem emLeftUpright();            // "М": the left upright
TraceItem emMiddle();                 // "М": the V between the uprights, from its corner
TraceItem emRightUpright();           // "М": the right upright
TraceItem oEllipse();                 // "О": the ellipse
TraceItem erTopBar();                 // "Р": the top bar of the bowl
TraceItem uUpperArm();                // "У": the short upper arm
TraceItem efOval();                   // "Ф": the oval
TraceItem tseBottomBar();             // "Ц": the bottom bar
TraceItem eArc();                     // "Э": the arc
TraceItem yaRightUprightBelowBowl();  // "Я": the right upright below the bowl
TraceItem yaTopBar();                 // "Я": the top bar of the bowl
TraceItem yaMiddleBar();              // "Я": the bar under the bowl

}  // namespace letterstrokes
