#pragma once
#include <QWidget>
#include <functional>

class QWindow;

namespace qv {

// The main window's own title strip, for window managers that leave a shaped window without a
// frame: the caption in the desktop's title font, a minimise and a close box at the right, and a
// drag anywhere else that moves the window. frmMain puts it across its top.
class QtTitleStrip : public QWidget {
    Q_OBJECT
public:
    // Across the top of `window`, as high as the desktop's title font asks.
    explicit QtTitleStrip(QWidget* window);

    // Called when the minimise or the close box is clicked.
    std::function<void()> OnMinimise;
    std::function<void()> OnClose;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect Box(int index) const; // 0 minimise, 1 close
    int pressed_ = -1;
};

// How the window manager treats a window: Unknown until it manages the window (or when there is
// none), then Framed when it reports a frame and Unframed when it reports none.
enum class FrameState { Unknown, Framed, Unframed };
FrameState Window_Frame_State(QWindow* window);

} // namespace qv
