#pragma once

#include <QColor>
#include <QPoint>
#include <vector>

#include "Canvas.h"

// Listens to the window canvas and keeps the exact trace of a drawing.
class CanvasRecorder : public CanvasListener {
  public:
    explicit CanvasRecorder(WindowCanvas& canvas) : canvas_(canvas) { canvas_.setListener(this); }
    ~CanvasRecorder() override { canvas_.setListener(nullptr); }
    CanvasRecorder(const CanvasRecorder&) = delete;
    CanvasRecorder& operator=(const CanvasRecorder&) = delete;

    void canvasOp(const CanvasOp& op) override { ops.push_back(op); }
    void clear() { ops.clear(); }

    // A drawn line (MoveTo followed by LineTo), with the pen it was drawn in.
    struct Line {
        QPoint from, to;
        int width;
        unsigned colour;  // 0xRRGGBB
    };
    std::vector<Line> lines() const {
        std::vector<Line> out;
        QPoint at;
        int width = 0;
        unsigned colour = 0;
        for (const CanvasOp& op : ops) {
            switch (op.kind) {
                case CanvasOp::PenWidth:
                    width = op.a;
                    break;
                case CanvasOp::PenColor:
                    colour = static_cast<unsigned>(op.a);
                    break;
                case CanvasOp::MoveTo:
                    at = QPoint(op.a, op.b);
                    break;
                case CanvasOp::LineTo:
                    out.push_back({at, QPoint(op.a, op.b), width, colour});
                    at = QPoint(op.a, op.b);
                    break;
                default:
                    break;
            }
        }
        return out;
    }
    int count(CanvasOp::Kind k) const {
        int n = 0;
        for (const CanvasOp& op : ops) n += op.kind == k;
        return n;
    }

    std::vector<CanvasOp> ops;

  private:
    WindowCanvas& canvas_;
};
