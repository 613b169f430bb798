#pragma once
#include <string>
#include <vector>

#include "game/Numbers.h"
#include "records/frmSideWindow.h"

class QListWidget;

namespace qv {

// The records window "The Best Of The Quarvex": the records table as list lines,
// with the live place of the running game selected. Owned by the main window.
class frmQuarvexFathers : public frmSideWindow {
    Q_OBJECT
public:
    explicit frmQuarvexFathers(QWidget* parent = nullptr);

    QListWidget* lstTable = nullptr;

    // Replaces the list by `lines` (UTF-8), nothing selected.
    void Set_Lines(const std::vector<std::string>& lines);
    // Selects line `index` (0-based) and scrolls to it; any index outside the list clears the selection.
    void Select(int index);
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
