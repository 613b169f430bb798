#include "records/frmStatistic.h"

#include <QListWidget>

namespace qv {

frmStatistic::frmStatistic(QWidget* parent)
    : frmSideWindow("Statistic", 3015, 1965, parent)
{
    Form_Load();
}

void frmStatistic::Form_Load()
{
    lstStatistic = New_List();
    Set_Back_Color(back_);
}

void frmStatistic::Add(const std::string& line) { lstStatistic->addItem(QString::fromStdString(line)); }

void frmStatistic::Clear() { lstStatistic->clear(); }

void frmStatistic::Select_Last()
{
    int last = lstStatistic->count() - 1;
    if (last < 0) return;
    lstStatistic->setCurrentRow(last);
    lstStatistic->scrollToItem(lstStatistic->item(last));
}

int frmStatistic::Selected() const
{
    auto items = lstStatistic->selectedItems();
    return items.isEmpty() ? -1 : lstStatistic->row(items.first());
}

int frmStatistic::Count() const { return lstStatistic->count(); }

std::string frmStatistic::Line(int i) const
{
    if (i < 0 || i >= lstStatistic->count()) return {};
    return lstStatistic->item(i)->text().toStdString();
}

void frmStatistic::Set_Back_Color(Color c)
{
    back_ = c;
    Set_List_Color(lstStatistic, c);
}

} // namespace qv
