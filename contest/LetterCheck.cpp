#include "LetterCheck.h"

#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "GraphList.h"
#include "LetterTemplates.h"
#include "Plane.h"
#include "PlotState.h"
#include "StrokeTarget.h"

namespace lettercheck {
namespace {

constexpr int kWidth = 1212, kHeight = 731;
// The centre of the plane Image10: the origin of templates and graphs.
constexpr int kOriginX = plane::kOrigin.x(), kOriginY = plane::kOrigin.y();
// Where a graph's dots can stand: |x| ≤ 2.6 and |y| ≤ 3, mapped.
constexpr QRect kDrawable(QPoint(kOriginX - 130, kOriginY - 3 - 147),
                          QPoint(kOriginX + 130, kOriginY - 3 + 147));

// Collects the centre lines of the strokes a template routine draws.
class StrokePixels : public StrokeTarget {
  public:
    void penWidth(int) override {}
    void line(QPoint from, QPoint to) override {
        // Every integer point of the line, as a one-pixel pen would draw it.
        const int dx = std::abs(to.x() - from.x()), dy = -std::abs(to.y() - from.y());
        const int sx = from.x() < to.x() ? 1 : -1, sy = from.y() < to.y() ? 1 : -1;
        int err = dx + dy, x = from.x(), y = from.y();
        for (;;) {
            pixels.emplace_back(x, y);
            if (x == to.x() && y == to.y()) break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
            }
        }
    }
    std::vector<QPoint> pixels;
};

void makeUnique(std::vector<QPoint>& points) {
    auto less = [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); };
    std::sort(points.begin(), points.end(), less);
    points.erase(std::unique(points.begin(), points.end()), points.end());
}

// Which window pixels hold a point of a set.
class PixelMap {
  public:
    explicit PixelMap(const std::vector<QPoint>& points) : set_(kWidth * kHeight, false) {
        for (QPoint p : points)
            if (inside(p)) set_[static_cast<std::size_t>(p.y() * kWidth + p.x())] = true;
    }
    // Whether a point of the set lies within the tolerance of p.
    bool near(QPoint p) const {
        static const std::vector<QPoint> disc = makeDisc();
        for (QPoint d : disc) {
            const QPoint q = p + d;
            if (inside(q) && set_[static_cast<std::size_t>(q.y() * kWidth + q.x())]) return true;
        }
        return false;
    }

  private:
    static bool inside(QPoint p) {
        return p.x() >= 0 && p.y() >= 0 && p.x() < kWidth && p.y() < kHeight;
    }
    static std::vector<QPoint> makeDisc() {
        std::vector<QPoint> disc;
        const int r = static_cast<int>(kTolerance);
        for (int y = -r; y <= r; ++y)
            for (int x = -r; x <= r; ++x)
                if (x * x + y * y <= kTolerance * kTolerance) disc.emplace_back(x, y);
        // Nearest first: most checks end at once.
        std::sort(disc.begin(), disc.end(), [](QPoint a, QPoint b) {
            return a.x() * a.x() + a.y() * a.y() < b.x() * b.x() + b.y() * b.y();
        });
        return disc;
    }
    std::vector<bool> set_;
};

int percentDown(double share) {
    return static_cast<int>(std::floor(share * 100 + 1e-9));
}
int percentUp(double share) {
    return static_cast<int>(std::ceil(share * 100 - 1e-9));
}

}  // namespace

std::vector<QPoint> templatePixels(const LetterTemplate& letter) {
    PlotState ps;
    ps.originX = kOriginX;
    ps.originY = kOriginY;
    StrokePixels target;
    for (const TraceLoop& loop : letter.loops)
        if (!loop.pictureOnly) runTraceLoop(loop, ps, target, {});
    // A stroke no graph can reach (the breve of "Й" stands above y = 3) is not asked for.
    std::erase_if(target.pixels, [](QPoint p) { return !kDrawable.contains(p); });
    makeUnique(target.pixels);
    return target.pixels;
}

std::vector<QPoint> graphDots(const std::vector<GraphSlot>& graphs) {
    std::vector<QPoint> dots;
    for (const GraphSlot& g : graphs) {
        const std::vector<QPoint> more = graphlist::graphDots(g, plane::kOrigin);
        dots.insert(dots.end(), more.begin(), more.end());
    }
    makeUnique(dots);
    return dots;
}

Result check(const std::vector<QPoint>& templ, const std::vector<QPoint>& dots) {
    Result r;
    r.templatePixelCount = static_cast<int>(templ.size());
    r.dotCount = static_cast<int>(dots.size());
    const PixelMap dotMap(dots), strokeMap(templ);
    for (QPoint p : templ)
        if (!dotMap.near(p)) r.uncovered.push_back(p);
    int stray = 0;
    for (QPoint d : dots)
        if (!strokeMap.near(d)) ++stray;
    r.covered = templ.empty() ? 0 : 1 - static_cast<double>(r.uncovered.size()) / templ.size();
    r.stray = dots.empty() ? 0 : static_cast<double>(stray) / dots.size();
    r.built = !dots.empty() && r.covered >= kBuiltCovered && r.stray <= kStrayAtMost;
    return r;
}

int Result::coveredPercent() const {
    return percentDown(covered);
}
int Result::strayPercent() const {
    return percentUp(stray);
}

QString summary(QChar letter, const Result& r) {
    return QString("Буква «%1» построена на %2 %, лишних точек %3 %")
        .arg(letter)
        .arg(r.coveredPercent())
        .arg(r.strayPercent());
}

QString verdict(const Result& r) {
    if (r.built) return "Буква построена!";
    if (r.dotCount == 0) return "Графиков на букве нет: постройте хотя бы один график.";
    QStringList lacks;
    if (r.covered < kBuiltCovered)
        lacks << QString("покрыть графиками не меньше %1 % буквы (синие точки ещё не покрыты)")
                     .arg(percentDown(kBuiltCovered));
    if (r.stray > kStrayAtMost)
        lacks << QString("лишних точек не больше %1 %").arg(percentDown(kStrayAtMost));
    return "Буква ещё не построена: нужно " + lacks.join(" и ") + ".";
}

}  // namespace lettercheck
