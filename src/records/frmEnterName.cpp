#include "records/frmEnterName.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "records/frmSideWindow.h"
#include "shell/QtUnits.h"

namespace qv {

frmEnterName::frmEnterName(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setFixedSize(Px(2415), Px(1425));
    setFont(QFont("Tahoma", 8));

    lblEnterName = new QLabel(tr("Введите Ваше имя"), this);
    lblEnterName->setGeometry(Twips_Rect(120, 120, 2175, 255));
    lblEnterName->setAlignment(Qt::AlignCenter);

    txtName = new QLineEdit("UnNamed", this);
    txtName->setGeometry(Twips_Rect(120, 450, 2175, 330));
    txtName->setMaxLength(10);

    cmdOk = new QPushButton("Ok", this);
    cmdOk->setGeometry(Twips_Rect(720, 945, 975, 360));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &frmEnterName::cmdOk_Click);

    // The dialog sees Enter before its widgets do.
    txtName->installEventFilter(this);
    cmdOk->installEventFilter(this);
    Form_Load();
}

void frmEnterName::Form_Load()
{
    setWindowTitle("Quarvex Zeb Ostrela");
    txtName->setFocus();
    txtName->selectAll();
}

void frmEnterName::cmdOk_Click()
{
    PlayerName = txtName->text();
    bCancelRecord = false;
    accept();
}

bool frmEnterName::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdOk_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool frmEnterName::Ask(QWidget* owner, std::string& name)
{
    QPointer<frmEnterName> dialog = new frmEnterName(owner);
    dialog->exec();
    if (!dialog) return false;
    bool confirmed = !dialog->bCancelRecord;
    if (confirmed) name = dialog->PlayerName.toStdString();
    delete dialog;
    return confirmed;
}

} // namespace qv
