#pragma once
#include <functional>
#include <string>
#include <vector>

#include "records/frmListWindow.h"

namespace qv {

// The records window "The Best Of The Quarvex": the records table as list lines,
// with the live place of the running game selected. Owned by the main window.
class frmQuarvexFathers : public frmListWindow {
    Q_OBJECT
public:
    explicit frmQuarvexFathers(QWidget* parent = nullptr);

    QListWidget* lstTable = nullptr;

    // Replaces the list by `lines` (UTF-8), nothing selected.
    void Set_Lines(const std::vector<std::string>& lines);
    // Selects line `index` (0-based) and scrolls to it; any index outside the list clears the selection.
    void Select(int index) { Select_Line(index); }

    // Whether line `row` has a recorded game; only such lines offer watching.
    std::function<bool(int)> Has_Replay;
    // Watch the game of line `row` (a double-click, or "Смотреть игру" in the line's menu).
    std::function<void(int)> OnWatch;

private:
    void lstTable_DblClick(int row);
    void lstTable_ContextMenu(const QPoint& pos);
};

} // namespace qv
