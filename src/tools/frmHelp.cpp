#include "tools/frmHelp.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <utility>
#include <vector>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "records/frmQuarvexFathers.h"
#include "shell/QtUnits.h"
#include "tools/HelpTour.h"

namespace qv {

QPointer<frmHelp> frmHelp::current_;

namespace {

constexpr Color WHITE = Rgb(255, 255, 255);
constexpr Color BLACK = Rgb(0, 0, 0);
constexpr int CLIENT_WIDTH = 3480;
constexpr int CLIENT_HEIGHT = 2700;
constexpr int UNROLLED = 3030;

struct MainWidget {
    const char* name; // only where the tour's rules need it
    QWidget* widget;
};

// The main window's widgets in the window's own order: panels and connectors, then those with a help text.
std::vector<MainWidget> Main_Widgets(frmMain& m)
{
    std::vector<MainWidget> all = {{"fraQuarvex", m.fraQuarvex}, {"fraLeft", m.fraLeft},
                                   {"fraBottom", m.fraBottom},   {"fraBottomRight", m.fraBottomRight},
                                   {"Label1", m.Label1},         {"Label2", m.Label2},
                                   {"Label3", m.Label3},         {"Label4", m.Label4},
                                   {"Label5", m.Label5}};
    for (QWidget* w : m.Help_Widgets())
        all.push_back({w == m.lblTotal ? "lblTotal" : w == m.lblHeightBonus ? "lblHeightBonus" : "", w});
    return all;
}

// A widget's look before it was lit, to be put back exactly.
struct Saved {
    QPalette palette;
    bool autoFill = false;
    Color pictureBack = 0;
};

Saved Light(QWidget* w)
{
    Saved saved{w->palette(), w->autoFillBackground()};
    if (auto* picture = qobject_cast<QtPicture*>(w)) {
        saved.pictureBack = picture->BackColor();
        picture->SetBackColor(WHITE);
        return saved;
    }
    const bool button = qobject_cast<QAbstractButton*>(w) != nullptr;
    frmMain::Set_Colors(w, button ? QPalette::Button : QPalette::Window, WHITE);
    w->setAutoFillBackground(true);
    return saved;
}

void Restore(QWidget* w, const Saved& saved)
{
    if (auto* picture = qobject_cast<QtPicture*>(w)) {
        picture->SetBackColor(saved.pictureBack);
        return;
    }
    w->setAutoFillBackground(saved.autoFill);
    w->setPalette(saved.palette);
}

void Play_Random_Sound(frmMain& m) { m.game.Play_Event_Sound(Tour_Sound_Code(m.rnd.Rnd())); }

void Set_Records_Back(frmMain& m, Color c)
{
    if (m.winRecords)
        m.winRecords->Set_Back_Color(c);
}

// A picture's new back colour wipes its drawing: the game draws it again.
void Redraw(frmMain& m, const QWidget* w)
{
    if (w == m.picQuarvex) {
        m.game.Draw_Board();
        m.game.Draw_Grid();
        m.game.Draw_Figure();
    } else if (w == m.picNext) {
        m.game.Draw_Next();
    }
}

void Walk(frmMain& m, frmHelp& help)
{
    const std::vector<MainWidget> widgets = Main_Widgets(m);
    std::vector<TourWidget> seen;
    for (const MainWidget& w : widgets)
        seen.push_back({w.name, false, w.widget->property("Tag").toString().toStdString()});
    for (size_t i : Tour_Stops(seen)) {
        QWidget* w = widgets[i].widget;
        const Saved saved = Light(w);
        help.strText = QString::fromStdString(seen[i].tag);
        help.Show_Page(w, [&m, w, saved] {
            Restore(w, saved);
            Redraw(m, w);
        });
        Play_Random_Sound(m);
        if (help.blnClose)
            break;
    }
}

// The place nearest `centred` for a window of `size` on `screen` that leaves `keep` uncovered: the
// centred place itself, or beside one of the sides of `keep`. The centred place, kept on the screen,
// when there is none.
QPoint Place_Uncovering(const QRect& keep, QSize size, QPoint centred, const QRect& screen)
{
    auto on_screen = [&](QPoint p) {
        return QPoint(std::max(screen.left(), std::min(p.x(), screen.right() + 1 - size.width())),
                      std::max(screen.top(), std::min(p.y(), screen.bottom() + 1 - size.height())));
    };
    const QPoint tries[] = {centred,
                            {keep.right() + 1, centred.y()},
                            {keep.left() - size.width(), centred.y()},
                            {centred.x(), keep.bottom() + 1},
                            {centred.x(), keep.top() - size.height()}};
    QPoint best = on_screen(centred);
    int bestDistance = -1;
    for (QPoint p : tries) {
        p = on_screen(p);
        const int distance = (p - centred).manhattanLength();
        if (!QRect(p, size).intersects(keep) && (bestDistance < 0 || distance < bestDistance)) {
            best = p;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

frmHelp::frmHelp(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setWindowTitle(tr("Справка"));
    setModal(true);
    setAutoFillBackground(true);
    frmMain::Set_Colors(this, QPalette::Window, Rgb(0, 0, 255));
    setFixedWidth(Px(CLIENT_WIDTH));

    txtText = new QPlainTextEdit(this);
    txtText->setReadOnly(true);
    txtText->setFocusPolicy(Qt::NoFocus);
    QFont font("Tahoma");
    font.setPointSize(9);
    font.setBold(true);
    txtText->setFont(font);
    txtText->setGeometry(0, 0, Px(CLIENT_WIDTH), Px(2292));

    cmdClose = new QPushButton(tr("Закрыть"), this);
    cmdClose->setGeometry(Twips_Rect(240, 2400, 1332, 252));
    cmdNext = new QPushButton(tr("Далее"), this);
    cmdNext->setGeometry(Twips_Rect(CLIENT_WIDTH - 240 - 1332, 2400, 1332, 252));
    cmdNext->setDefault(true);
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &frmHelp::cmdClose_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmHelp::cmdNext_Click);

    tmrResize.setInterval(15);
    tmrResize.setTimerType(Qt::PreciseTimer);
    connect(&tmrResize, &QTimer::timeout, this, &frmHelp::tmrResize_Timer);
}

frmHelp::~frmHelp()
{
    if (current_ == this)
        current_ = nullptr;
}

frmHelp* frmHelp::Current() { return current_; }

void frmHelp::Close_Tour()
{
    if (!current_)
        return;
    current_->blnClose = true;
    // The game's own dialogs come next: the lit widget gets its look back now, not when the page returns.
    current_->Unlight();
    if (current_->isVisible())
        current_->done(QDialog::Rejected);
}

void frmHelp::Run_Tour(frmMain& m)
{
    frmHelp help(&m);
    current_ = &help;
    Play_Random_Sound(m);
    Set_Records_Back(m, WHITE);
    help.strText = QCoreApplication::translate("Core", RECORDS_PAGE_TEXT);
    const QWidget* records = m.winRecords && m.winRecords->isVisible() ? m.winRecords.data() : nullptr;
    help.Show_Page(records, [&m] { Set_Records_Back(m, BLACK); });
    if (!help.blnClose)
        Walk(m, help);
    current_ = nullptr;
    m.chkHelp->setChecked(false);
}

void frmHelp::Show_Page(const QWidget* lit, std::function<void()> unlight)
{
    unlight_ = std::move(unlight);
    // A tour ended from outside (a lost game) shows no further page.
    if (!blnClose) {
        Form_Load();
        Place_Beside(lit);
        exec();
        tmrResize.stop();
    }
    Unlight();
}

void frmHelp::Unlight()
{
    if (auto unlight = std::exchange(unlight_, nullptr))
        unlight();
}

QSize frmHelp::Unrolled_Size() const
{
    QSize frame(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize reported = frameGeometry().size() - size();
    if (reported.width() > 0 || reported.height() > 0)
        frame = reported;
    return QSize(Px(CLIENT_WIDTH), Px(CLIENT_HEIGHT)) + frame;
}

void frmHelp::Place_Beside(const QWidget* lit)
{
    // Centred over the owner, unless that covers the lit widget; always on the owner's screen.
    const QWidget* owner = parentWidget();
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize size = Unrolled_Size();
    const QRect area = screen->availableGeometry();
    const QPoint centre = owner ? owner->frameGeometry().center() : area.center();
    const QPoint centred = centre - QPoint(size.width() / 2, size.height() / 2);
    const QRect keep = lit && lit->isVisible() ? QRect(lit->mapToGlobal(QPoint(0, 0)), lit->size()) : QRect();
    move(Place_Uncovering(keep, size, centred, area));
}

void frmHelp::Form_Load()
{
    txtText->setPlainText(strText);
    txtText->setFixedWidth(width());
    iHeight = 0;
    Apply_Height();
    cmdNext->setFocus();
    tmrResize.start();
}

void frmHelp::tmrResize_Timer()
{
    iHeight += 100;
    Apply_Height();
    txtText->setFixedWidth(width());
    if (iHeight > UNROLLED)
        tmrResize.stop();
}

void frmHelp::Apply_Height()
{
    // The height counts a caption of the designed size, whatever the window manager's title bar,
    // so the last steps always reach the whole client area and its buttons.
    constexpr int CAPTION = UNROLLED - CLIENT_HEIGHT;
    setFixedHeight(std::clamp(Px(iHeight - CAPTION), 1, Px(CLIENT_HEIGHT)));
}

void frmHelp::cmdNext_Click() { accept(); }

void frmHelp::cmdClose_Click()
{
    blnClose = true;
    accept();
}

void frmHelp::reject()
{
    blnClose = true;
    QDialog::reject();
}

void frmHelp::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}

} // namespace qv
