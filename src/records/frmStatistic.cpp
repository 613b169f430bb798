#include "records/frmStatistic.h"

#include <QListWidget>

namespace qv {

frmStatistic::frmStatistic(QWidget* parent)
    : frmListWindow("Statistic", 3015, 1965, parent), lstStatistic(list_)
{
}

void frmStatistic::Add(const std::string& line) { lstStatistic->addItem(QString::fromStdString(line)); }

void frmStatistic::Clear() { lstStatistic->clear(); }

void frmStatistic::Select_Last()
{
    if (lstStatistic->count() > 0)
        Select_Line(lstStatistic->count() - 1);
}

} // namespace qv
