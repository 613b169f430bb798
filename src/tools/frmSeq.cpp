#include "tools/frmSeq.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>

#include "game/Figures.h"
#include "game/frmMain.h"
#include "shell/QtUnits.h"
#include "tools/clsSeq.h"

namespace qv {

QPointer<frmSeq> frmSeq::current_;

namespace {

constexpr int CELL = 6; // pixels per cell of a figure picture
constexpr Color CELL_FILL = Rgb(0, 0, 128);
constexpr Color CELL_EMPTY = Rgb(224, 224, 224);

// Picture of a 4 x 4 pattern: filled cells dark blue, empty ones light grey.
QPixmap Figure_Picture(const Pattern& p)
{
    QPixmap picture(4 * CELL, 4 * CELL);
    picture.fill(To_QColor(CELL_EMPTY));
    QPainter painter(&picture);
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            if (p[size_t(4 * col + row)] == '1')
                painter.fillRect(col * CELL, row * CELL, CELL - 1, CELL - 1, To_QColor(CELL_FILL));
    return picture;
}

QPushButton* Figure_Button(QWidget* parent, int index)
{
    auto* button = new QPushButton(parent);
    button->setGeometry(Twips_Rect(120 + 600 * index, 270, 500, 495));
    button->setIconSize(QSize(4 * CELL, 4 * CELL));
    return button;
}

QLabel* Text_Label(QWidget* parent, const QString& text, QRect twips)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(twips);
    return label;
}

} // namespace

frmSeq::frmSeq(clsSeq& seq, bool& bUseSequence, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      seq_(seq),
      bUseSequence_(bUseSequence)
{
    setWindowTitle(tr("Определение последовательности появления фигурок"));
    setModal(true);
    setFixedSize(Px(6495), Px(3120));
    Build_Frames();
    lblState = Text_Label(this, "", Twips_Rect(120, 2640, 3120, 300));
    QFont bold = lblState->font();
    bold.setBold(true);
    lblState->setFont(bold);
    cmdOK = new QPushButton(tr("Включить"), this);
    cmdOK->setGeometry(Twips_Rect(3360, 2580, 1455, 375));
    cmdNo = new QPushButton(tr("Отключить"), this);
    cmdNo->setGeometry(Twips_Rect(4920, 2580, 1455, 375));
    connect(cmdOK, &QPushButton::clicked, this, &frmSeq::cmdOK_Click);
    connect(cmdNo, &QPushButton::clicked, this, &frmSeq::cmdNo_Click);
    Form_Load();
}

void frmSeq::Build_Frames()
{
    Frame2 = new QGroupBox(tr("Доступные фигурки"), this);
    Frame2->setGeometry(Twips_Rect(120, 120, 4440, 855));
    for (int i = 0; i < 7; ++i) {
        cmdBase[i] = Figure_Button(Frame2, i);
        cmdBase[i]->setIcon(Figure_Picture(Classic_Pattern(i)));
        connect(cmdBase[i], &QPushButton::clicked, this, [this, i] { cmdBase_Click(i); });
    }
    Label1[0] = Text_Label(this, tr("Для добавления фигурки в последовательность щелкните на ней в Доступных фигурках"),
                           Twips_Rect(120, 1035, 6255, 255));
    Frame1 = new QGroupBox(tr("Последовательность появления фигурок"), this);
    Frame1->setGeometry(Twips_Rect(120, 1320, 6255, 855));
    for (int i = 0; i < 10; ++i) {
        cmdDest[i] = Figure_Button(Frame1, i);
        cmdDest[i]->hide();
        connect(cmdDest[i], &QPushButton::clicked, this, [this, i] { cmdDest_Click(i); });
    }
    Label1[1] = Text_Label(this, tr("Для удаления фигурки - щелкните на ней в Последовательности появления фигурок"),
                           Twips_Rect(120, 2235, 6255, 255));
}

void frmSeq::Show_Modal(frmMain& m)
{
    frmSeq editor(m.Player_Sequence(), m.Player_Sequence_Mode(), &m);
    current_ = &editor;
    editor.exec();
    current_ = nullptr;
    m.Sequence_Changed();
    m.game.Draw_Future();
}

void frmSeq::Close_Window()
{
    if (current_ && current_->isVisible())
        current_->done(QDialog::Rejected);
}

void frmSeq::Form_Load()
{
    btDestCount = seq_.GetCount();
    for (int i = 0; i < btDestCount; ++i)
        cmdDest[i]->show();
    DrawDest();
    CheckCount();
}

void frmSeq::cmdBase_Click(int Index)
{
    if (btDestCount < clsSeq::MAX_ITEMS) {
        cmdDest[btDestCount]->show();
        seq_.PutItem(uint8_t(Index));
        ++btDestCount;
        DrawDest();
    }
    CheckCount();
}

void frmSeq::cmdDest_Click(int Index)
{
    if (btDestCount == 0)
        return;
    --btDestCount;
    cmdDest[btDestCount]->hide();
    if (!seq_.KillItem(uint8_t(Index + 1)))
        QApplication::beep();
    DrawDest();
    CheckCount();
}

void frmSeq::cmdOK_Click()
{
    bUseSequence_ = true;
    accept();
}

void frmSeq::cmdNo_Click()
{
    bUseSequence_ = false;
    accept();
}

void frmSeq::DrawDest()
{
    for (int i = 0; i < seq_.GetCount(); ++i)
        cmdDest[i]->setIcon(cmdBase[std::min<int>(seq_.GetValueItem(uint8_t(i + 1)), 6)]->icon());
}

void frmSeq::CheckCount()
{
    const bool any = seq_.GetCount() > 0;
    cmdOK->setEnabled(any);
    cmdNo->setEnabled(any);
    if (!any)
        bUseSequence_ = false;
    lblState->setText(bUseSequence_ ? tr("Последовательность включена") : tr("Последовательность отключена"));
    frmMain::Set_Colors(lblState, QPalette::WindowText, bUseSequence_ ? Rgb(0, 0, 255) : Rgb(255, 0, 0));
}

} // namespace qv
