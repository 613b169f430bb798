#pragma once
#include <string>

#include "game/Numbers.h"
#include "records/frmSideWindow.h"

class QListWidget;

namespace qv {

// The statistics window "Statistic": a log of the running game, one line per
// landing, place gain, level and the summary at its end. Owned by the main window.
class frmStatistic : public frmSideWindow {
    Q_OBJECT
public:
    explicit frmStatistic(QWidget* parent = nullptr);

    QListWidget* lstStatistic = nullptr;

    // Appends one line (UTF-8) without moving the selection.
    void Add(const std::string& line);
    // Empties the list.
    void Clear();
    // Selects the last line and scrolls to it; nothing on an empty list.
    void Select_Last();
    // Selected line, or -1.
    int Selected() const;
    int Count() const;
    // Line i (0-based) as UTF-8; empty outside the list.
    std::string Line(int i) const;
    // Back colour of the list; the text is white on dark colours, black on light ones.
    void Set_Back_Color(Color c);
    Color Back_Color() const { return back_; }

private:
    void Form_Load();

    Color back_ = Rgb(0, 0, 0);
};

} // namespace qv
