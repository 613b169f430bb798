#include "records/frmGameOver.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "records/frmSideWindow.h"
#include "shell/QtUnits.h"

namespace qv {

namespace {

QLabel* New_Label(const QString& text, int pointSize, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font("Times New Roman", pointSize);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

frmGameOver::frmGameOver(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setFixedSize(Px(2670), Px(1365));
    setFont(QFont("Tahoma", 8));

    lblGameOver = New_Label("Game Over !", 12, this);
    lblGameOver->setGeometry(Twips_Rect(120, 75, 2430, 360));
    lblNewGame = New_Label(tr("Начать новую игру ?"), 9, this);
    lblNewGame->setGeometry(Twips_Rect(120, 435, 2430, 300));

    cmdYes = new QPushButton(tr("Да"), this);
    cmdYes->setGeometry(Twips_Rect(240, 855, 975, 375));
    cmdNo = new QPushButton(tr("Нет"), this);
    cmdNo->setGeometry(Twips_Rect(1455, 855, 975, 375));
    connect(cmdYes, &QPushButton::clicked, this, &frmGameOver::cmdYes_Click);
    connect(cmdNo, &QPushButton::clicked, this, &frmGameOver::cmdNo_Click);
    Form_Load();
}

void frmGameOver::Form_Load() { setWindowTitle("Quarvex Zeb Ostrela"); }

void frmGameOver::cmdYes_Click()
{
    blnContinue = true;
    accept();
}

void frmGameOver::cmdNo_Click()
{
    blnContinue = false;
    reject();
}

bool frmGameOver::Ask(QWidget* owner)
{
    QPointer<frmGameOver> dialog = new frmGameOver(owner);
    dialog->exec();
    if (!dialog) return false;
    bool again = dialog->blnContinue;
    delete dialog;
    return again;
}

} // namespace qv
