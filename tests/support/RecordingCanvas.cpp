#include "support/RecordingCanvas.h"

#include <algorithm>

namespace qv::test {

bool CanvasCall::Contains(double x, double y) const
{
    if (kind != Outline && kind != Filled)
        return false;
    return x >= std::min(x1, x2) && x <= std::max(x1, x2) && y >= std::min(y1, y2) &&
           y <= std::max(y1, y2);
}

void RecordingCanvas::Clear() { calls.push_back({CanvasCall::Clear, 0, 0, 0, 0, back_, fill_}); }

void RecordingCanvas::OutlineBox(double x1, double y1, double x2, double y2, Color border)
{
    calls.push_back({CanvasCall::Outline, x1, y1, x2, y2, border, fill_});
}

void RecordingCanvas::FilledBox(double x1, double y1, double x2, double y2, Color color)
{
    calls.push_back({CanvasCall::Filled, x1, y1, x2, y2, color, fill_});
}

void RecordingCanvas::Line(double x1, double y1, double x2, double y2, Color color)
{
    calls.push_back({CanvasCall::Line, x1, y1, x2, y2, color, fill_});
}

void RecordingCanvas::SetFillColor(Color c)
{
    fill_ = c;
    calls.push_back({CanvasCall::SetFill, 0, 0, 0, 0, c, fill_});
}

void RecordingCanvas::SetBackColor(Color c)
{
    back_ = c;
    calls.push_back({CanvasCall::SetBack, 0, 0, 0, 0, c, fill_});
}

std::vector<CanvasCall> RecordingCanvas::Since_Clear() const
{
    auto it = std::find_if(calls.rbegin(), calls.rend(),
                           [](const CanvasCall& c) { return c.kind == CanvasCall::Clear; });
    return std::vector<CanvasCall>(it.base(), calls.end());
}

std::vector<CanvasCall> RecordingCanvas::Of_Kind(CanvasCall::Kind kind) const
{
    std::vector<CanvasCall> out;
    for (const auto& c : Since_Clear())
        if (c.kind == kind)
            out.push_back(c);
    return out;
}

int RecordingCanvas::Clears() const
{
    return int(std::count_if(calls.begin(), calls.end(),
                             [](const CanvasCall& c) { return c.kind == CanvasCall::Clear; }));
}

const CanvasCall* RecordingCanvas::Top_Box_At(double x, double y) const
{
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
        if (it->kind == CanvasCall::Clear)
            return nullptr;
        if (it->Contains(x, y))
            return &*it;
    }
    return nullptr;
}

const CanvasCall* RecordingCanvas::Board_Cell(int col, int row) const
{
    return Top_Box_At(Cell_X(col) + 125.0, Cell_Y(row) + 125.0);
}

} // namespace qv::test
