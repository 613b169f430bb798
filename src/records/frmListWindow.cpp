#include "records/frmListWindow.h"

#include <QListWidget>
#include <QScrollBar>
#include <algorithm>

#include "shell/QtUnits.h"

namespace qv {

frmListWindow::frmListWindow(const QString& caption, int clientWidth, int clientHeight, QWidget* parent)
    : frmSideWindow(caption, clientWidth, clientHeight, parent)
{
    list_ = New_List();
    // Lines are shown whole, never cut with an ellipsis; one wider than the list scrolls sideways.
    // Items of one size would all take one line's width, and a wider line would not scroll.
    list_->setTextElideMode(Qt::ElideNone);
    list_->setWordWrap(false);
    list_->setUniformItemSizes(false);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    list_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Every line is one line of the list's font high; a line in a list of its own measures it.
    QListWidget probe;
    probe.setFont(list_->font());
    probe.addItem("0");
    lineHeight_ = std::max(1, probe.sizeHintForRow(0));
    // The strip below the last whole line shows the list's back colour.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    Set_Back_Color(back_);
    connect(list_->horizontalScrollBar(), &QScrollBar::rangeChanged, this, &frmListWindow::Fit_Whole_Lines);
    Fit_Whole_Lines();
}

void frmListWindow::Fit_Whole_Lines()
{
    // Scrolling goes by whole lines, so a view a whole number of lines high never shows a cut one.
    const QScrollBar* sideways = list_->horizontalScrollBar();
    const int bar = sideways->maximum() > 0 ? sideways->sizeHint().height() : 0;
    const int lines = std::max(1, (height() - bar) / lineHeight_);
    list_->setGeometry(0, 0, width(), lines * lineHeight_ + bar);
}

void frmListWindow::Select_Line(int index)
{
    if (index < 0 || index >= list_->count()) {
        list_->setCurrentRow(-1);
        list_->clearSelection();
        return;
    }
    list_->setCurrentRow(index);
    list_->scrollToItem(list_->item(index));
}

int frmListWindow::Selected() const
{
    auto items = list_->selectedItems();
    return items.isEmpty() ? -1 : list_->row(items.first());
}

int frmListWindow::Count() const { return list_->count(); }

std::string frmListWindow::Line(int i) const
{
    if (i < 0 || i >= list_->count())
        return {};
    return list_->item(i)->text().toStdString();
}

void frmListWindow::Set_Back_Color(Color c)
{
    back_ = c;
    Set_List_Color(list_, c);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, To_QColor(c));
    setPalette(pal);
}

} // namespace qv
