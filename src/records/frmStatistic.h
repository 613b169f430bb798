#pragma once
#include <string>

#include "records/frmListWindow.h"

namespace qv {

// The statistics window "Statistic": a log of the running game, one line per
// landing, place gain, level and the summary at its end. Owned by the main window.
class frmStatistic : public frmListWindow {
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
};

} // namespace qv
