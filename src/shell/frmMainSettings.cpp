#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "game/frmMain.h"
#include "records/frmFuture.h"
#include "records/frmQuarvexFathers.h"
#include "records/frmStatistic.h"
#include "shell/QtMainMod.h"
#include "shell/QtTitleStrip.h"
#include "shell/ScreenPlace.h"
#include "sound/DirectSound.h"
#include "sound/frmMP3.h"

namespace qv {

namespace fs = std::filesystem;

void frmMain::Load_Settings()
{
    // The channels exist before the file is read into them (Main makes them; a test may not).
    if (!Has_Channels())
        Create_Channels();
    // A copy that keeps its file in the per-user folder starts a missing one from the program
    // folder's (shipped with it, or left by a copy run from there), as the records table does.
    const QString program = Program_Folder();
    const fs::path seed = ownDataFolder_ && dataFolder_ != program ? fs::path(program.toStdString()) : fs::path();
    // "..." names the program's own sound files, which an installed copy keeps in its data folder.
    settingsFile_ = std::make_unique<SettingsFile>(fs::path(Shipped_Folder().toStdString()), Settings_Folders(),
                                                   Get_Computer_Name(), seed);
    settingsFile_->Load_Settings(*this);
    Keep_Reachable(PlacedWindow::Main);
    Show_Pending();
    if (settingsFile_->Started_Fresh())
        Arrange_Fresh_Column();
}

bool frmMain::Save_Settings()
{
    // Never read in this run, or the channels already gone: whatever file there is stays untouched.
    if (!settingsFile_ || !Has_Channels())
        return false;
    return settingsFile_->Save_Settings(*this);
}

fs::path frmMain::Settings_File() const { return settingsFile_ ? settingsFile_->File() : fs::path(); }

std::vector<fs::path> frmMain::Settings_Folders() const
{
    // The records file's folder; the per-user folder backs up a program folder chosen by the
    // start-up probe whose settings file turns out unreadable or uncreatable.
    std::vector<fs::path> folders{fs::path(dataFolder_.toStdString())};
    const QString user = User_Data_Folder();
    if (ownDataFolder_ && !user.isEmpty() && user != dataFolder_)
        folders.emplace_back(user.toStdString());
    return folders;
}

QWidget* frmMain::Placed(PlacedWindow w)
{
    switch (w) {
    case PlacedWindow::Main: return this;
    case PlacedWindow::Records: return winRecords;
    case PlacedWindow::Statistic: return winStatistic;
    case PlacedWindow::Future: return winFuture;
    case PlacedWindow::Player: return winMP3;
    }
    return nullptr;
}

void frmMain::Set_Visible(PlacedWindow w, bool visible)
{
    if (w == PlacedWindow::Main)
        return;
    // A window to show waits for its place (Repaint comes after it), so it is mapped once, there.
    showPending_[size_t(w)] = visible;
    if (QWidget* window = Placed(w); window && !visible)
        window->hide();
}

// Places are those of the client areas: the window system's frame is not known before a window
// is mapped, so a frame place would land differently from one start to the next.
void frmMain::Set_Left(PlacedWindow w, float twips)
{
    placeTwips_[size_t(w)].setX(twips);
    if (const QWidget* window = Placed(w))
        Place_Client(w, QPoint(Px(twips), window->geometry().y() + Client_Offset(w).y()));
}

void frmMain::Set_Top(PlacedWindow w, float twips)
{
    placeTwips_[size_t(w)].setY(twips);
    if (const QWidget* window = Placed(w))
        Place_Client(w, QPoint(window->geometry().x() + Client_Offset(w).x(), Px(twips)));
}

void frmMain::Place_Client(PlacedWindow w, QPoint place)
{
    if (auto* side = qobject_cast<frmSideWindow*>(Placed(w)))
        side->Set_Place(place);
    else if (QWidget* window = Placed(w))
        window->setGeometry(QRect(place - Client_Offset(w), window->size()));
}

QPoint frmMain::Client_Offset(PlacedWindow w) const
{
    // The main window's own title strip stands above its designed client area.
    return w == PlacedWindow::Main && strip_ ? QPoint(0, strip_->height()) : QPoint();
}

void frmMain::Repaint(PlacedWindow w)
{
    QWidget* window = Placed(w);
    if (!window)
        return;
    Keep_Reachable(w);
    if (std::exchange(showPending_[size_t(w)], false))
        window->show();
    window->repaint();
}

void frmMain::Show_Pending()
{
    for (size_t w = 1; w < showPending_.size(); ++w)
        if (showPending_[w])
            Repaint(PlacedWindow(w));
}

bool frmMain::Visible(PlacedWindow w)
{
    const QWidget* window = Placed(w);
    const bool parked = std::find(parked_.begin(), parked_.end(), window) != parked_.end();
    return window && (window->isVisible() || parked || showPending_[size_t(w)]);
}

void frmMain::Keep_Reachable(PlacedWindow w)
{
    QWidget* window = Placed(w);
    if (!window)
        return;
    std::vector<Area> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect a = screen->availableGeometry();
        screens.push_back({double(a.x()), double(a.y()), double(a.width()), double(a.height())});
    }
    QPointF& twips = placeTwips_[size_t(w)];
    const Area kept{twips.x() / TWIPS_PER_PIXEL, twips.y() / TWIPS_PER_PIXEL, double(window->width()),
                    double(window->height())};
    const Area place = Reachable_Place(kept, screens);
    if (place.x == kept.x && place.y == kept.y)
        return;
    twips = QPointF(place.x * TWIPS_PER_PIXEL, place.y * TWIPS_PER_PIXEL);
    Place_Client(w, QPoint(Px(twips.x()), Px(twips.y())));
}

namespace {

// A window the player has not moved keeps the place it was given, fraction and all.
float Kept_Or_Moved(double keptTwips, int pixels)
{
    return pixels == Px(keptTwips) ? float(keptTwips) : float(pixels * TWIPS_PER_PIXEL);
}

} // namespace

float frmMain::Left(PlacedWindow w)
{
    const QWidget* window = Placed(w);
    const double kept = placeTwips_[size_t(w)].x();
    return window ? Kept_Or_Moved(kept, window->geometry().x() + Client_Offset(w).x()) : float(kept);
}

float frmMain::Top(PlacedWindow w)
{
    const QWidget* window = Placed(w);
    const double kept = placeTwips_[size_t(w)].y();
    return window ? Kept_Or_Moved(kept, window->geometry().y() + Client_Offset(w).y()) : float(kept);
}

void frmMain::Restore_Main_Window()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
        setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}

void frmMain::Wait_Events(int n) { qv::Wait_Events(n); }

void frmMain::PlayBkgMusic(const std::string& path) { DirectSound::PlayBkgMusic(path, freq); }
bool frmMain::bFailedBkg() { return DirectSound::bFailedBkg(); }
void frmMain::StopBkgMusic() { DirectSound::StopBkgMusic(); }
void frmMain::SetBkgVolume(int16_t volume) { DirectSound::SetBkgVolume(volume); }
void frmMain::SetBkgFreq(int32_t hz) { DirectSound::SetBkgFreq(hz); }
// The player's values are saved, also for a background or a channel whose file failed.
int16_t frmMain::GetBkgVolume() { return DirectSound::iBkgVolume(); }

void frmMain::Set_DMCtrlPath(Channel c, const std::string& path) { m(c).DMCtrlPath(path); }
void frmMain::Set_DMCtrlEnabled(Channel c, bool on) { m(c).DMCtrlEnabled(on); }
void frmMain::Set_DMCtrlVolume(Channel c, int16_t volume) { m(c).DMCtrlVolume(volume); }
void frmMain::Set_DMCtrlFreq(Channel c, int32_t hz) { m(c).DMCtrlFreq(hz); }
std::string frmMain::DMCtrlPath(Channel c) { return m(c).DMCtrlPath(); }
bool frmMain::DMCtrlEnabled(Channel c) { return m(c).DMCtrlEnabled(); }
int16_t frmMain::DMCtrlVolume(Channel c) { return m(c).DMCtrlVolume(); }
int32_t frmMain::DMCtrlFreq(Channel c) { return m(c).Saved_Freq(); }

void frmMain::InitMusic()
{
    if (winMP3)
        winMP3->InitMusic();
}

} // namespace qv
