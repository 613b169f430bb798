#include "records/frmListWindow.h"

#include <QListWidget>

namespace qv {

frmListWindow::frmListWindow(const QString& caption, int clientWidth, int clientHeight, QWidget* parent)
    : frmSideWindow(caption, clientWidth, clientHeight, parent)
{
    list_ = New_List();
    // Lines are shown whole, never cut with an ellipsis; one wider than the list scrolls sideways.
    list_->setTextElideMode(Qt::ElideNone);
    list_->setWordWrap(false);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    Set_Back_Color(back_);
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
}

} // namespace qv
