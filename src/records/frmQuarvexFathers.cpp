#include "records/frmQuarvexFathers.h"

#include <QListWidget>
#include <QMenu>

namespace qv {

frmQuarvexFathers::frmQuarvexFathers(QWidget* parent)
    : frmListWindow("The Best Of The Quarvex", 3015, 2175, parent), lstTable(list_)
{
    connect(lstTable, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { lstTable_DblClick(lstTable->row(item)); });
    lstTable->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(lstTable, &QListWidget::customContextMenuRequested, this, &frmQuarvexFathers::lstTable_ContextMenu);
}

void frmQuarvexFathers::lstTable_DblClick(int row)
{
    if (Has_Replay && OnWatch && Has_Replay(row))
        OnWatch(row);
}

void frmQuarvexFathers::lstTable_ContextMenu(const QPoint& pos)
{
    const int row = lstTable->indexAt(pos).row();
    if (!Has_Replay || !OnWatch || !Has_Replay(row))
        return;
    QMenu menu(this);
    const QAction* watch = menu.addAction(tr("Смотреть игру"));
    if (menu.exec(lstTable->viewport()->mapToGlobal(pos)) == watch)
        OnWatch(row);
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
