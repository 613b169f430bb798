#pragma once
#include <QTimer>
#include <string>

#include "records/frmSideWindow.h"
#include "sound/AlMP3Play.h"

class QLabel;

namespace qv {

class frmMain;

// The player window "*.mp3 & *.wma Player": plays one music file behind the game,
// shows its name and playing time and optionally repeats it. A side window of the
// main window, whose MP3Path and MP3Loop it reads and writes; it never keeps the focus.
class frmMP3 : public frmSideWindow {
    Q_OBJECT
public:
    explicit frmMP3(frmMain& main);

    MP3Play MP3Play1;
    QLabel* lblName = nullptr;
    QLabel* lblLoop = nullptr;
    QLabel* lblTime = nullptr;
    QLabel* cmdOpen = nullptr;
    // Polls the playback once a second: time shown, loop restarted, or the end cleared.
    QTimer tmrIsPlaying;
    // Path last started here ("" when none); choosing it again does not restart it.
    std::string strLastFile;

    // Starts the main window's MP3Path unless it is "..." or empty, and shows its name and the loop.
    void InitMusic();
    // Back colour of the window; the texts turn white on dark colours and black on light ones.
    void Set_Back_Color(Color back);

    void cmdOpen_Click();
    void lblLoop_Click();
    void tmrIsPlaying_Timer();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* New_Label(const char* caption, const QString& tip, QRect twips);
    void Start_Track(const std::string& path);
    void Form_QueryUnload_User();
    void Show_Loop();

    frmMain& main_;
};

} // namespace qv
