#include "records/frmQuarvexFathers.h"

#include <QListWidget>

namespace qv {

frmQuarvexFathers::frmQuarvexFathers(QWidget* parent)
    : frmListWindow("The Best Of The Quarvex", 3015, 2175, parent), lstTable(list_)
{
}

void frmQuarvexFathers::Set_Lines(const std::vector<std::string>& lines)
{
    lstTable->clear();
    QStringList texts;
    texts.reserve(int(lines.size()));
    for (const auto& line : lines)
        texts << QString::fromStdString(line);
    lstTable->addItems(texts);
}

} // namespace qv
