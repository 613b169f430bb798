#include "records/frmQuarvexFathers.h"

#include <QListWidget>

namespace qv {

frmQuarvexFathers::frmQuarvexFathers(QWidget* parent)
    : frmSideWindow("The Best Of The Quarvex", 3015, 2175, parent)
{
    Form_Load();
}

void frmQuarvexFathers::Form_Load()
{
    lstTable = New_List();
    Set_Back_Color(back_);
}

void frmQuarvexFathers::Set_Lines(const std::vector<std::string>& lines)
{
    lstTable->clear();
    QStringList texts;
    texts.reserve(int(lines.size()));
    for (const auto& line : lines) texts << QString::fromStdString(line);
    lstTable->addItems(texts);
}

void frmQuarvexFathers::Select(int index)
{
    if (index < 0 || index >= lstTable->count()) {
        lstTable->setCurrentRow(-1);
        lstTable->clearSelection();
        return;
    }
    lstTable->setCurrentRow(index);
    lstTable->scrollToItem(lstTable->item(index));
}

int frmQuarvexFathers::Selected() const
{
    auto items = lstTable->selectedItems();
    return items.isEmpty() ? -1 : lstTable->row(items.first());
}

int frmQuarvexFathers::Count() const { return lstTable->count(); }

std::string frmQuarvexFathers::Line(int i) const
{
    if (i < 0 || i >= lstTable->count()) return {};
    return lstTable->item(i)->text().toStdString();
}

void frmQuarvexFathers::Set_Back_Color(Color c)
{
    back_ = c;
    Set_List_Color(lstTable, c);
}

} // namespace qv
