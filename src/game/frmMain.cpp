#include "game/frmMain.h"

#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QWindow>

#include "game/QtPicture.h"
#include "records/frmFuture.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "shell/QtButton.h"
#include "shell/QtFocusLeave.h"
#include "shell/QtMainMod.h"
#include "shell/QtUnits.h"

namespace qv {

namespace {

QFont Times(double points, bool bold = true)
{
    QFont font("Times New Roman");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void Set_Tag(QWidget* w, const QString& tag) { w->setProperty("Tag", tag); }

QFrame* New_Panel(QWidget* parent, const char* name, QRect twips)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setGeometry(twips);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    Set_Tag(panel, "");
    return panel;
}

QLabel* New_Connector(QWidget* parent, QRect twips)
{
    auto* label = new QLabel(parent);
    label->setGeometry(twips);
    label->setAutoFillBackground(true);
    frmMain::Set_Colors(label, QPalette::Window, Rgb(0, 0, 0));
    Set_Tag(label, "");
    return label;
}

QGroupBox* New_Frame(QWidget* parent, const char* caption, QRect twips, Color fore, const QString& tag)
{
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setGeometry(twips);
    frame->setFont(Times(8));
    frame->setAutoFillBackground(true);
    frmMain::Set_Colors(frame, QPalette::Window, Rgb(192, 192, 192));
    frmMain::Set_Colors(frame, QPalette::WindowText, fore);
    Set_Tag(frame, tag);
    return frame;
}

QPushButton* New_Button(QWidget* parent, const char* caption, QRect twips, const QString& tip)
{
    auto* button = new QtButton(QString::fromUtf8(caption), parent);
    button->setGeometry(twips);
    button->setFocusPolicy(Qt::NoFocus);
    QFont font = Times(8);
    font.setPixelSize(9);
    button->setFont(font);
    button->setToolTip(tip);
    Set_Tag(button, tip);
    return button;
}

QPushButton* New_Check(QWidget* parent, const char* caption, int left, int top, Color back, double points,
                       const QString& tag)
{
    auto* check = new QtButton(QString::fromUtf8(caption), parent);
    check->setCheckable(true);
    check->setGeometry(Twips_Rect(left, top, 615, 255));
    check->setFocusPolicy(Qt::NoFocus);
    check->setFont(Times(points));
    frmMain::Set_Colors(check, QPalette::Button, back);
    frmMain::Set_Colors(check, QPalette::ButtonText, Rgb(192, 255, 255));
    Set_Tag(check, tag);
    return check;
}

const char* const BOARD_HELP = QT_TRANSLATE_NOOP("qv::frmMain", "Удаляются только полностью заполненные горизонтальные линии. Одной фигуркой "
                               "можно удалить от 1 до 4 линий.");
const char* const NEXT_HELP = QT_TRANSLATE_NOOP("qv::frmMain", "Здесь обычно изображена следующая фигурка.");

} // namespace


void frmMain::Set_Colors(QWidget* w, QPalette::ColorRole role, Color c)
{
    QPalette pal = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, role, To_QColor(c));
    w->setPalette(pal);
}

Color frmMain::Role_Color(const QWidget* w, QPalette::ColorRole role)
{
    return From_QColor(w->palette().color(QPalette::Active, role));
}

frmMain::frmMain(const QString& dataFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      game(*this, chance, chance),
      dataFolder_(dataFolder.isEmpty() ? Data_Folder() : dataFolder),
      ownDataFolder_(dataFolder.isEmpty())
{
    setAutoFillBackground(true);
    frmMain::Set_Colors(this, QPalette::Window, game.FormBackColor);
    Apply_Fixed_Size();
    Build_Board_Panels();
    Build_Information_Panel();
    Build_Controls();
    Build_Menu();
    Build_Side_Windows();
    Connect_Timers();
    Connect_Menu();
    game.Set_Canvases(picQuarvex, picNext, winFuture->picFuture);
    game.objRecords.Set_File((dataFolder_ + "/" + clsRecords::FILE_NAME).toStdString());
    replays.Set_Folder((dataFolder_ + "/" + ReplayStore::FOLDER).toStdString());
    for (int l = 0; l < int(qv::Label::COUNT); ++l)
        Label_Changed(qv::Label(l));
    Buttons_Changed();
    qApp->installEventFilter(this);
    Watch_Focus();
}

frmMain::~frmMain()
{
    qApp->removeEventFilter(this);
    focusLeave_.reset();
    disconnect(qGuiApp, nullptr, this, nullptr);
    game.Set_Canvases(nullptr, nullptr, nullptr);
}

void frmMain::Apply_Fixed_Size()
{
    // The designed size is the outer one; the client is what the window system's frame leaves
    // (the whole window when it draws its own title strip).
    // Until the window system reports its frame, the caption height stands in for it.
    QSize frame(0, strip_ ? 0 : style()->pixelMetric(QStyle::PM_TitleBarHeight));
    if (isVisible() && windowHandle() && !strip_) {
        // Asked of the window, not the widget: the widget keeps the frame it saw at its last move.
        const QMargins m = windowHandle()->frameMargins();
        const QSize reported(m.left() + m.right(), m.top() + m.bottom());
        if (reported.width() > 0 || reported.height() > 0)
            frame = reported;
    }
    setFixedSize(Px(6735) - frame.width(), Px(9210) - frame.height());
}

void frmMain::Build_Board_Panels()
{
    fraQuarvex = New_Panel(this, "fraQuarvex", Twips_Rect(120, 120, 3735, 6615));
    fraLeft = New_Panel(this, "fraLeft", Twips_Rect(4080, 240, 2415, 6375));
    fraBottom = New_Panel(this, "fraBottom", Twips_Rect(840, 6960, 1935, 855));
    fraBottomRight = New_Panel(this, "fraBottomRight", Twips_Rect(3240, 6840, 3255, 1095));
    Label1 = New_Connector(this, Twips_Rect(3840, 2520, 615, 30));
    Label2 = New_Connector(this, Twips_Rect(2760, 7320, 615, 30));
    Label3 = New_Connector(this, Twips_Rect(480, 6720, 30, 975));
    Label4 = New_Connector(this, Twips_Rect(480, 7320, 495, 30));
    Label5 = New_Connector(this, Twips_Rect(4000, 0, 30, 2535));

    // The board keeps the 3760 x 7760 aspect of its user scale, centred in its panel.
    picQuarvex = new QtPicture(3760, 7760, fraQuarvex);
    const int height = Px(6120);
    const int width = Nearest(height * 3760.0 / 7760.0);
    picQuarvex->setGeometry((fraQuarvex->width() - width) / 2, Px(90), width, height);
    picQuarvex->SetBackColor(Rgb(128, 128, 128));
    picQuarvex->SetFillColor(Rgb(0, 0, 0));
    picQuarvex->setToolTip(tr(BOARD_HELP));
    Set_Tag(picQuarvex, tr(BOARD_HELP));

    lblAutors = new QLabel(tr("Спасибо всем, кто играл и советовал!"), fraQuarvex);
    lblAutors->setGeometry(Twips_Rect(90, 6285, 3555, 240));
    lblAutors->setAlignment(Qt::AlignCenter);
    lblAutors->setFont(Times(7, false));
    frmMain::Set_Colors(lblAutors, QPalette::WindowText, Rgb(160, 160, 160));
    Set_Tag(lblAutors, tr("Quarvex Zeb Ostrela: спасибо всем, кто играл, находил ошибки и советовал."));
}

QLabel* frmMain::Info_Label(qv::Label id, QWidget* parent, QRect twips, double points, const QString& tag)
{
    auto* label = new QLabel(parent);
    label->setGeometry(twips);
    label->setFont(Times(points));
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    frmMain::Set_Colors(label, QPalette::Window, Rgb(0, 0, 0));
    Set_Tag(label, tag);
    labelOf_[size_t(id)] = label;
    return label;
}

void frmMain::Build_Information_Panel()
{
    using L = qv::Label;
    lblLevel = Info_Label(L::Level, fraLeft, Twips_Rect(240, 120, 1935, 495), 14,
                          tr("Уровень сложности ( Скорость игры ). Инкрементирует ( увеличивается ) после каждых "
                          "семи удаленных линий."));
    lblRemain = Info_Label(L::Remain, fraLeft, Twips_Rect(120, 560, 2175, 375), 12,
                           tr("Число линий, которые надо удалить чтобы  перейти на следующий уровень."));
    fraScore = New_Frame(fraLeft, "Score", Twips_Rect(120, 960, 2175, 735), Rgb(0, 0, 0), tr("Текущий счет."));
    lblScore = Info_Label(L::Score, fraScore, Twips_Rect(120, 240, 1935, 375), 12,
                          tr("Текущий счет. В окне Statistic приведена полная информация о том, как получена эта "
                          "цифра."));
    // Inside a frame the score shows on the frame's grey: the game turns its text black.
    lblScore->setAutoFillBackground(false);
    lblSumBonus = Info_Label(L::SumBonus, fraLeft, Twips_Rect(0, 1800, 2415, 255), 9,
                             tr("Суммарный бонус за Quarvex-фигурки."));
    picNext = new QtPicture(1155, 1155, fraLeft);
    picNext->setGeometry(Twips_Rect(600, 2160, 1155, 1155));
    picNext->setFocusPolicy(Qt::NoFocus);
    picNext->SetBackColor(Rgb(192, 192, 192));
    picNext->setToolTip(tr(NEXT_HELP));
    Set_Tag(picNext, tr(NEXT_HELP));
    lblFirma = Info_Label(L::Firma, fraLeft, Twips_Rect(360, 3360, 1695, 375), 8,
                          tr("Бонус ( до 5000 ) за показанную Quarvex-фигурку. Есть супер-фигурка :  Quarvex - "
                          "выпадает очень редко, а бонус за нее - 25000."));
    lblFirma->setWordWrap(true);
    fraLines = New_Frame(fraLeft, "Lines Bonus", Twips_Rect(120, 3840, 2175, 1215), Rgb(0, 0, 192),
                         tr("Чем больше линий одновременно удалено, тем больше бонус."));
    static const char* const lineHelp[5] = {
        "", QT_TRANSLATE_NOOP("qv::frmMain", "За одну удаленную линию бонус - 275."),
        QT_TRANSLATE_NOOP("qv::frmMain", "За две одновременно удаленные линии бонус - 800."),
        QT_TRANSLATE_NOOP("qv::frmMain", "За три одновременно удаленные линии бонус - 2225."),
        QT_TRANSLATE_NOOP("qv::frmMain", "За четыре одновременно удаленные линии бонус - 5000.")};
    for (int i = 1; i <= 4; ++i) {
        lblCountLines[i] = Info_Label(Count_Lines_Label(i), fraLines, Twips_Rect(120, 240 * i, 1935, 255), 8,
                                      tr(lineHelp[i]));
        lblCountLines[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        // The tally blink hides the text by giving it the frame's grey.
        lblCountLines[i]->setAutoFillBackground(false);
    }
    lblPosition = Info_Label(L::Position, fraLeft, Twips_Rect(120, 5160, 2175, 255), 9, tr("Ваше текущее место в таблице."));
    lblNextPlace = Info_Label(L::NextPlace, fraLeft, Twips_Rect(120, 5400, 2175, 255), 9,
                              tr("Сколько очков до следующего места в таблице."));
    lblTotal = Info_Label(L::Total, fraLeft, Twips_Rect(120, 5760, 1455, 255), 8, tr("Суммарный бонус за время."));
    lblTotalScore = Info_Label(L::TotalScore, fraLeft, Twips_Rect(1560, 5760, 855, 255), 8, tr("Суммарный бонус за время."));
    lblHeightBonus = Info_Label(L::HeightBonus, fraLeft, Twips_Rect(120, 6000, 1455, 255), 8,
                                tr("Этот бонус зависит от времени."));
    lblTimeBonus = Info_Label(L::TimeBonus, fraLeft, Twips_Rect(1800, 6000, 375, 255), 8,
                              tr("Бонус за время. Чем быстрее Вы бросите фигурку, тем больше будет бонус."));
}

void frmMain::Build_Controls()
{
    // The pause label lies under the control frame at its top-left corner; hiding the frame uncovers it.
    lblPause = new QLabel(tr("Пауза"), fraBottom);
    lblPause->setGeometry(Twips_Rect(120, 120, 1695, 615));
    lblPause->setAlignment(Qt::AlignCenter);
    lblPause->setFont(Times(14));
    lblPause->setAutoFillBackground(true);
    frmMain::Set_Colors(lblPause, QPalette::Window, Rgb(0, 0, 0));
    frmMain::Set_Colors(lblPause, QPalette::WindowText, Rgb(255, 128, 0));
    Set_Tag(lblPause, tr("Когда эта надпись видна, игра находится в режиме паузы."));

    const QString controlHelp = tr("Управление - стрелочными клавишами ( мышкой их тоже можно нажимать ).");
    fraControl = new QFrame(fraBottom);
    fraControl->setGeometry(Twips_Rect(120, 120, 1695, 615));
    fraControl->setFrameStyle(QFrame::Box | QFrame::Plain);
    fraControl->setAutoFillBackground(true);
    frmMain::Set_Colors(fraControl, QPalette::Window, Rgb(0, 0, 0));
    frmMain::Set_Colors(fraControl, QPalette::WindowText, Rgb(128, 128, 128));
    fraControl->setToolTip(controlHelp);
    Set_Tag(fraControl, controlHelp);

    cmdDown = New_Button(fraControl, "V", Twips_Rect(600, 360, 492, 135), tr("Бросить фигурку - Стрелка Вниз."));
    cmdLeftRight[2] = New_Button(fraControl, ">", Twips_Rect(1080, 360, 495, 135),
                                 tr("Перемещение фигурки вправо - Стрелка Вправо."));
    cmdLeftRight[0] = New_Button(fraControl, "<", Twips_Rect(120, 360, 495, 135),
                                 tr("Перемещение фигурки влево - Стрелка Влево."));
    cmdRotate[0] = New_Button(fraControl, "^", Twips_Rect(600, 240, 495, 135), tr("Вращение фигурки - Стрелка Вверх."));
    cmdSpace = New_Button(fraControl, "", Twips_Rect(360, 480, 975, 120),
                          tr("Инверсия - Пробел. Заполненные квадратики становятся пустыми, пустые - заполненными."));
    buttonOf_ = {cmdLeftRight[0], cmdLeftRight[2], cmdRotate[0], cmdDown, cmdSpace};
}

void frmMain::Build_Menu()
{
    frmMenu = New_Frame(fraBottomRight, "Menu", Twips_Rect(120, 80, 3015, 975), Rgb(0, 0, 128),
                        tr("Это меню. При продвижении по таблице кнопки в Меню начинают мигать."));
    const Color brown = Rgb(128, 64, 0), black = Rgb(0, 0, 0);
    chkMP3 = New_Check(frmMenu, "MP3", 2400, 600, black, 8.25, tr("Показать/скрыть *.mp3 & *.wma Player."));
    chkExit = New_Check(frmMenu, "Exit", 2400, 240, brown, 9, tr("Выход из игры."));
    chkFuture = New_Check(frmMenu, "Future", 600, 600, black, 8.25,
                          tr("Показать/скрыть расширенную подсказку ( окно Future )."));
    chkAuto = New_Check(frmMenu, "Auto", 0, 600, black, 8.25,
                        tr("Автоматическая пристыковка окон The Best Of The Quarvex, Future, Statistic  и *.mp3 & "
                        "*.wma Player."));
    chkStat = New_Check(frmMenu, "Stat", 1800, 600, black, 8.25, tr("Показать/скрыть статистику ( окно Statistic )."));
    chkRec = New_Check(frmMenu, "Best", 1200, 600, black, 8.25,
                       tr("Показать/скрыть таблицу рекордов ( окно The Best Of The Quarvex )."));
    chkSet = New_Check(frmMenu, "Set", 1800, 240, brown, 9,
                       tr("Hастройка музыкального сопровождения, отображения фантома и т.д."));
    chkDemo = New_Check(frmMenu, "Demo", 1200, 240, brown, 9, tr("Обучающий видеоролик ( пример ужасной игры )."));
    chkHelp = New_Check(frmMenu, "Help", 600, 240, brown, 9, tr("Вызов справки."));
    chkPause = New_Check(frmMenu, "Pause", 0, 240, brown, 9,
                         tr("Пауза - Клавиша ESC. При нажатии ESC все окна свернутся."));
    // Hover colouring needs the moves of the top row, the menu frame and the panel around it.
    for (QWidget* w : {static_cast<QWidget*>(chkPause), static_cast<QWidget*>(chkHelp),
                       static_cast<QWidget*>(chkDemo), static_cast<QWidget*>(chkSet),
                       static_cast<QWidget*>(chkExit), static_cast<QWidget*>(frmMenu),
                       static_cast<QWidget*>(fraBottomRight)})
        w->setMouseTracking(true);
}

std::vector<QWidget*> frmMain::Help_Widgets() const
{
    return {picQuarvex,       fraControl,       cmdDown,          cmdLeftRight[2],  cmdLeftRight[0], cmdRotate[0],
            cmdSpace,         lblPause,         frmMenu,          chkMP3,           chkExit,         chkFuture,
            chkAuto,          chkStat,          chkRec,           chkSet,           chkDemo,         chkHelp,
            chkPause,         fraScore,         lblScore,         fraLines,         lblCountLines[1], lblCountLines[2],
            lblCountLines[3], lblCountLines[4], picNext,          lblFirma,         lblSumBonus,     lblHeightBonus,
            lblLevel,         lblPosition,      lblRemain,        lblNextPlace,     lblAutors,       lblTimeBonus,
            lblTotal,         lblTotalScore};
}

void frmMain::Build_Side_Windows()
{
    winRecords = new frmQuarvexFathers(this);
    winStatistic = new frmStatistic(this);
    winFuture = new frmFuture(this);
    winRecords->OnUserClose = [this] { chkRec->setChecked(false); };
    winRecords->Has_Replay = [this](int row) { return !Replay_Of(row).empty(); };
    // After the list's own handling: the watched game refills the list.
    winRecords->OnWatch = [this](int row) {
        const QString file = QString::fromStdString(Replay_Of(row).string());
        QTimer::singleShot(0, this, [this, file] { Watch_File(file); });
    };
    winStatistic->OnUserClose = [this] { chkStat->setChecked(false); };
    winFuture->OnUserClose = [this] { chkFuture->setChecked(false); };
    for (frmSideWindow* w : {static_cast<frmSideWindow*>(winRecords), static_cast<frmSideWindow*>(winStatistic),
                             static_cast<frmSideWindow*>(winFuture)})
        w->FocusTarget = picQuarvex;
    Build_Music();
}

} // namespace qv
