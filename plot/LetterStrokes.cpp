#include "LetterStrokes.h"

// Last: the XY(…)/R(…) notation of the tables.
#include "TraceNotation.h"

namespace letterstrokes {

TraceItem beTopBar() {
    return segment(XY(X + 49, Y - 148), XY(R(80 * t + X + 50), Y - 148));
}

TraceItem veStem() {
    return segment(XY(X, Y - 150), XY(X, R(78.5 * t + Y - 50)));
}

TraceItem veTopBar() {
    return segment(XY(X, Y - 149), XY(R(50 * t + X + 40), Y - 149));
}

TraceItem veMiddleBar() {
    return segment(XY(X, Y - 75), XY(R(50 * t + X + 40), Y - 75));
}

TraceItem veBottomBar() {
    return segment(XY(X, Y - 4), XY(R(50 * t + X + 40), Y - 4));
}

TraceItem geTopBar() {
    return segment(XY(X + 2, Y - 150), XY(R(48 * t + X + 2), Y - 150));
}

TraceItem deElTopBar() {
    return segment(XY(X + 40, Y - 150), XY(R(48.5 * t + X + 38), Y - 150));
}

TraceItem deRightUpright() {
    return segment(XY(X + 100, Y - 150), XY(X + 100, R(116.5 * t + Y - 150)));
}

TraceItem elRightUpright() {
    return segment(XY(X + 100, Y - 150), XY(X + 100, R(116 * t + Y - 150)));
}

TraceItem zheStem() {
    return segment(XY(X + 58, Y - 76), XY(X + 58, R(80 * t + Y - 76)));
}

TraceItem emLeftUpright() {
    return segment(XY(X + 2, Y - 150), XY(X + 2, R(113 * abs(t) + Y - 150)));
}

TraceItem emMiddle() {
    return segment(XY(X + 58, Y - 2), XY(R(42 * t + X + 58), R(Y - 2 - 114 * abs(t))));
}

TraceItem emRightUpright() {
    return segment(XY(X + 115, Y - 150), XY(X + 115, R(113 * abs(t) + Y - 150)));
}

TraceItem oEllipse() {
    return dot(XY(R(49 * cos(t)) + X + 50, Y - 76 - R(73 * sin(t))));
}

TraceItem erTopBar() {
    return segment(XY(X + 1, Y - 150), XY(R(49 * t + X + 33), Y - 150));
}

TraceItem uUpperArm() {
    return segment(XY(X + 2, Y - 149), XY(R(30 * t + X + 2), R(45 * t + Y - 149)));
}

TraceItem efOval() {
    return dot(XY(R(57.75 * cos(t) + X + 61), Y - 75 - R(49 * sin(t))));
}

TraceItem tseBottomBar() {
    return segment(XY(X + 2, Y - 2), XY(R(48 * t + X + 2), Y - 2));
}

TraceItem eArc() {
    return dot(XY(X + 43 - R(54 * cos(t)), Y - 76 - R(73 * sin(t))));
}

TraceItem yaRightUprightBelowBowl() {
    return segment(XY(X + 100, Y - 76), XY(X + 100, R(118 * t + Y - 76)));
}

TraceItem yaTopBar() {
    return segment(XY(X + 38, Y - 150), XY(X + 100, Y - 150));
}

TraceItem yaMiddleBar() {
    return segment(XY(X + 38, Y - 77), XY(X + 100, Y - 77));
}

}  // namespace letterstrokes
