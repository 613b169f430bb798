#pragma once
#include <QWidget>
#include <functional>
#include <optional>

#include "game/Numbers.h"

class QListWidget;

namespace qv {

// Base of the three side windows beside the main window (records, statistics,
// future). A fixed-size tool window that never keeps the keyboard focus: focus
// and clicks are handed back to FocusTarget. The user's close only hides it;
// the main window unloads it from code at shutdown.
class frmSideWindow : public QWidget {
    Q_OBJECT
public:
    // Client area of clientWidth x clientHeight twips (15 twips a pixel), hidden until shown.
    frmSideWindow(const QString& caption, int clientWidth, int clientHeight, QWidget* parent = nullptr);

    // Called after the user closed the window (close box, window menu); the window is then hidden.
    std::function<void()> OnUserClose;
    // Receives the keyboard focus whenever the window or its widget would take it; may stay null.
    QWidget* FocusTarget = nullptr;

    // Closes the window for real without calling OnUserClose; it deletes itself when control
    // returns to the event loop, so owners hold it through a QPointer or drop their pointer.
    void Unload();
    // True once Unload has run.
    bool Unloaded() const { return unloaded_; }
    // Puts the client area's top left at `place` (pixels); a hidden window is shown there.
    void Set_Place(QPoint place);

protected:
    // A list filling the client area in Courier New 8.25 pt bold, watched like Watch does.
    QListWidget* New_List();
    // Back colour of `list`; its text turns white on dark colours and black on light ones.
    static void Set_List_Color(QListWidget* list, Color back);
    // Hands focus-in and mouse releases of `widget` (and its viewport) to FocusTarget.
    void Watch(QWidget* widget);
    void Return_Focus();

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool unloaded_ = false;
    // Where the window comes back when shown again; see hideEvent.
    std::optional<QPoint> kept_;
};

} // namespace qv
