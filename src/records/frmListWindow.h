#pragma once
#include <string>

#include "game/Numbers.h"
#include "records/frmSideWindow.h"

class QListWidget;

namespace qv {

// A side window whose one widget is a text list (records and statistics windows).
class frmListWindow : public frmSideWindow {
    Q_OBJECT
public:
    // Client area in twips as for frmSideWindow; the list takes its width and as many whole
    // lines as its height holds (the strip below shows the list's back colour).
    frmListWindow(const QString& caption, int clientWidth, int clientHeight, QWidget* parent = nullptr);

    // Selected line, or -1.
    int Selected() const;
    int Count() const;
    // Line i (0-based) as UTF-8; empty outside the list.
    std::string Line(int i) const;
    // Back colour of the list; the text is white on dark colours, black on light ones.
    void Set_Back_Color(Color c);
    Color Back_Color() const { return back_; }

protected:
    // Selects line `index` and scrolls to it; an index outside the list clears the selection.
    void Select_Line(int index);

    QListWidget* list_ = nullptr;

private:
    // Sizes the list to whole lines above its sideways scroll bar, when that shows.
    void Fit_Whole_Lines();

    Color back_ = Rgb(0, 0, 0);
    int lineHeight_ = 1;
};

} // namespace qv
