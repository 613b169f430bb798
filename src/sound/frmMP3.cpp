#include "sound/frmMP3.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "game/QtPicture.h"
#include "game/frmMain.h"
#include "shell/MainMod.h"
#include "settings/SettingsRules.h"
#include "shell/QtUnits.h"
#include "sound/MP3Text.h"
#include "tools/frmOpen.h"

namespace qv {

namespace {

const char* const MUSIC_PATTERN = "*.wma;*.mp3;*.mp2";

QString Shown_Name(const std::string& path) { return QString::fromStdString(Shorten_Path(GetFileName(path), 30)); }

} // namespace

frmMP3::frmMP3(frmMain& main)
    : frmSideWindow("*.mp3 & *.wma Player", 3015, 705, &main),
      main_(main)
{
    setAutoFillBackground(true);
    lblName = New_Label("Empty", tr("Название композиции"), QRect(60, 45, 2895, 255));
    lblTime = New_Label("Time ", tr("Время проигрывания"), QRect(60, 375, 1140, 255));
    lblLoop = New_Label("No Loop", tr("Повторять сначала"), QRect(1260, 375, 780, 255));
    cmdOpen = New_Label("Select", tr("Выбрать файл для воспроизведения"), QRect(2100, 375, 855, 255));
    cmdOpen->setAlignment(Qt::AlignCenter);
    cmdOpen->setFrameStyle(QFrame::Panel | QFrame::Raised);
    for (QLabel* clickable : {lblLoop, cmdOpen})
        clickable->setCursor(Qt::PointingHandCursor);
    OnUserClose = [this] { Form_QueryUnload_User(); };
    FocusTarget = main.picQuarvex;
    tmrIsPlaying.setInterval(1000);
    connect(&tmrIsPlaying, &QTimer::timeout, this, &frmMP3::tmrIsPlaying_Timer);
    tmrIsPlaying.start();
}

QLabel* frmMP3::New_Label(const char* caption, const QString& tip, QRect twips)
{
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setGeometry(Twips_Rect(twips.x(), twips.y(), twips.width(), twips.height()));
    QFont font("Tahoma");
    font.setPointSizeF(8.25);
    font.setBold(true);
    label->setFont(font);
    label->setToolTip(tip);
    label->setFocusPolicy(Qt::NoFocus);
    Watch(label);
    return label;
}

void frmMP3::Set_Back_Color(Color back)
{
    const double light = 0.299 * Red(back) + 0.587 * Green(back) + 0.114 * Blue(back);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, To_QColor(back));
    pal.setColor(QPalette::WindowText, light < 128 ? Qt::white : Qt::black);
    setPalette(pal);
}

void frmMP3::InitMusic()
{
    const std::string path = main_.MP3Path;
    if (path != "..." && !path.empty()) {
        MP3Play1.mmStop();
        Start_Track(path);
    } else {
        lblName->setText("Empty");
    }
    Show_Loop();
    lblTime->setText("");
}

void frmMP3::Start_Track(const std::string& path)
{
    strLastFile = path;
    MP3Play1.FileName = path;
    // An empty answer means the name itself was unusable: the control forgot it, and so does the main window.
    if (MP3Play1.mmPlay().empty())
        main_.MP3Path.clear();
    tmrIsPlaying.start();
    lblName->setText(Shown_Name(MP3Play1.FileName.empty() ? path : MP3Play1.FileName));
    // The time shown is the new track's: a track that never plays shows none.
    lblTime->setText("");
}

void frmMP3::cmdOpen_Click()
{
    QPointer<frmMP3> self(this);
    QPointer<frmOpen> dialog(main_.Open_Dialog());
    dialog->AddictPattern = MUSIC_PATTERN;
    const bool chosen = dialog->Choose(this);
    if (!self)
        return;
    QString P;
    if (dialog) {
        dialog->AddictPattern.clear();
        if (chosen)
            P = dialog->PathToFile;
    }
    const std::string path = P.toStdString();
    if (!path.empty() && path != strLastFile) {
        MP3Play1.mmStop();
        Start_Track(path);
        main_.MP3Path = MP3Play1.FileName;
    }
    Return_Focus();
}

void frmMP3::lblLoop_Click()
{
    main_.MP3Loop = !main_.MP3Loop;
    Show_Loop();
    Return_Focus();
}

void frmMP3::Show_Loop() { lblLoop->setText(main_.MP3Loop ? "Loop" : "No loop"); }

void frmMP3::tmrIsPlaying_Timer()
{
    if (MP3Play1.IsPlaying()) {
        lblTime->setText(QString::fromStdString("Time " + MP3Play1.Position()));
    } else if (main_.MP3Loop) {
        MP3Play1.SeekTo(0);
    } else {
        lblName->setText("Empty");
        lblTime->setText("");
        tmrIsPlaying.stop();
    }
    // The name label is the one wide enough for the reason.
    if (!MP3Play1.IsPlaying() && MP3Play1.LastError() == MP3_NO_DECODER)
        lblName->setText(tr("Нет декодера WMA"));
}

void frmMP3::Form_QueryUnload_User()
{
    // The user's close forgets the track: nothing plays now or at the next start.
    main_.chkMP3->setChecked(false);
    MP3Play1.mmStop();
    main_.MP3Path = "...";
    strLastFile.clear();
    tmrIsPlaying.stop();
    lblName->setText("Empty");
    lblTime->setText("");
}

void frmMP3::closeEvent(QCloseEvent* event)
{
    if (Unloaded()) {
        tmrIsPlaying.stop();
        MP3Play1.mmStop();
    }
    frmSideWindow::closeEvent(event);
}

bool frmMP3::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && (watched == cmdOpen || watched == lblLoop)) {
        watched == cmdOpen ? cmdOpen_Click() : lblLoop_Click();
        return true;
    }
    return frmSideWindow::eventFilter(watched, event);
}

} // namespace qv
