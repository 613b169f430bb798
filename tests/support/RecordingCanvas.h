#pragma once
#include <string>
#include <vector>

#include "game/Canvas.h"

// A picture for the drawing tests: it records every call with the fill colour
// in force at that moment and answers which box was painted last over a point,
// which is what the player would see there.
namespace qv::test {

struct CanvasCall {
    enum Kind { Clear, Outline, Filled, Line, SetFill, SetBack };
    Kind kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    // Border colour (outline), colour (filled box, line) or the colour set.
    Color color = 0;
    // Fill colour of the picture when the call was made.
    Color fill = 0;

    bool Contains(double x, double y) const;
};

class RecordingCanvas : public ICanvas {
public:
    explicit RecordingCanvas(Color back = Rgb(128, 128, 128), Color fill = Rgb(0, 0, 0))
        : back_(back), fill_(fill) {}

    void Clear() override;
    void OutlineBox(double x1, double y1, double x2, double y2, Color border) override;
    void FilledBox(double x1, double y1, double x2, double y2, Color color) override;
    void Line(double x1, double y1, double x2, double y2, Color color) override;
    void SetFillColor(Color c) override;
    void SetBackColor(Color c) override;
    Color BackColor() const override { return back_; }

    std::vector<CanvasCall> calls;

    // Calls made after the last Clear (all calls when there was none).
    std::vector<CanvasCall> Since_Clear() const;
    // Calls of one kind since the last Clear.
    std::vector<CanvasCall> Of_Kind(CanvasCall::Kind kind) const;
    int Clears() const;
    // The last box drawn over (x, y) since the last Clear; nullptr when none.
    const CanvasCall* Top_Box_At(double x, double y) const;
    // The last box drawn over the centre of board cell (col, row) of the board picture.
    const CanvasCall* Board_Cell(int col, int row) const;
    // Forgets the calls (the colours stay).
    void Forget() { calls.clear(); }

private:
    Color back_;
    Color fill_;
};

// Board picture units of the corner of cell (col, row).
inline double Cell_X(int col) { return (col - 4) * 250.0; }
inline double Cell_Y(int row) { return row * 250.0; }

} // namespace qv::test
