#pragma once
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
};

} // namespace qv
