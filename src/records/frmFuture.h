#pragma once
#include "records/frmSideWindow.h"

namespace qv {

class QtPicture;

// The future window "Future": the three figures after the next one, drawn by
// the game on picFuture in twips. Owned by the main window.
class frmFuture : public frmSideWindow {
    Q_OBJECT
public:
    explicit frmFuture(QWidget* parent = nullptr);

    // Fills the client area, user scale 3015 x 1050; never takes the focus; outline boxes
    // leave their inside in the back colour (transparent fill).
    QtPicture* picFuture = nullptr;

private:
    void Form_Load();
};

} // namespace qv
