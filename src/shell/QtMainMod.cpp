#include "shell/QtMainMod.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QLocale>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryFile>
#include <QTextStream>
#include <QFileInfo>
#include <QTimer>
#include <QTime>
#include <QTranslator>
#include <QWindow>
#include <chrono>
#include <exception>
#include <iostream>
#include <thread>

#include "game/GameRecorder.h"
#include "game/frmMain.h"
#include "shell/Language.h"
#include "shell/MainMod.h"
#include "shell/QtGamepad.h"
#include "shell/frmSplash.h"
#include "sound/AlSound.h"

namespace qv {

void Wait_Events(int n)
{
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j)
            QCoreApplication::processEvents();
}

std::string Get_Computer_Name()
{
    try {
        return Cut_At_Null(QSysInfo::machineHostName().toStdString());
    } catch (const std::exception&) {
        return "???";
    }
}

QString Program_Folder() { return QCoreApplication::applicationDirPath(); }

// Where an installed copy keeps its shipped files, relative to the executable's folder
// (the build sets it from the install layout).
#ifndef QUARVEX_SHARE_FROM_BIN
#define QUARVEX_SHARE_FROM_BIN "../share/quarvex"
#endif

QString Shipped_Folder(const QString& program)
{
    if (QDir(program).exists("sound"))
        return program;
    const QString installed = QDir::cleanPath(program + "/" + QUARVEX_SHARE_FROM_BIN);
    return QDir(installed).exists() ? installed : program;
}

QString Shipped_Folder() { return Shipped_Folder(Program_Folder()); }

QString Data_Folder(const QString& program, const QString& user)
{
    if (Shipped_Folder(program) == program) {
        QTemporaryFile probe(program + "/.quarvex-write-test-XXXXXX");
        if (probe.open())
            return program;
    }
    QDir().mkpath(user);
    return user;
}

QString User_Data_Folder()
{
    // Named here rather than taken from the application's name, so the folder stays put
    // whatever name or maker the application object is given.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/quarvex";
}

QString Data_Folder() { return Data_Folder(Program_Folder(), User_Data_Folder()); }

void Register_Fonts()
{
    // The windows name the fonts they were designed in; the stand-ins are no wider, so every designed
    // text fits its widget (plain DejaVu Sans, where a sans would otherwise land, is a sixth wider).
    // Liberation Serif and Mono have the metrics of Times New Roman and Courier New; Liberation Sans
    // those of Arial, a little narrower than Tahoma.
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    QFont::insertSubstitutions("Tahoma", {"Liberation Sans", "DejaVu Sans Condensed"});
    // Widgets that name no font were designed in the platform's 8 pt dialog font, whose Cyrillic is
    // narrower than Arial's: the editor's instructions need a narrow face to fit their designed width.
    const QString dialogFont = "MS Sans Serif";
    QFont::insertSubstitutions(dialogFont, {"Liberation Sans Narrow", "DejaVu Sans Condensed"});
    QApplication::setFont(QFont(dialogFont, 8));
}

QString Option_Value(const QStringList& arguments, const QString& name)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == name && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(name + "="))
            return arguments[i].mid(name.size() + 1);
    }
    return {};
}

int Check_Replay_Main(QCoreApplication& app)
{
    Install_Translation(Player_Language(app.arguments()), Shipped_Folder() + "/translations");
    QTextStream out(stdout), err(stderr);
    Replay replay;
    const Replay_Error error =
        Read_Replay(Option_Value(app.arguments(), "--check-replay").toStdString(), replay);
    if (error != Replay_Error::None) {
        err << QString::fromStdString(Replay_Message(error)) << Qt::endl;
        return 1;
    }
    const ReplayCheck check = Check_Replay(replay);
    out << "score " << check.result.score << "\nrows " << check.result.rows << "\nlevel " << check.result.level
        << Qt::endl;
    if (check.Same(replay))
        return 0;
    const ReplayResult& r = replay.result;
    err << QCoreApplication::translate("Replay", "Игра закончилась не так, как записано: счет %1, линий %2, уровень %3.")
               .arg(r.score)
               .arg(r.rows)
               .arg(r.level)
        << Qt::endl;
    return 1;
}

Language Player_Language(const QStringList& arguments)
{
    std::vector<std::string> preferred, given;
    for (const QString& tag : QLocale::system().uiLanguages())
        preferred.push_back(tag.toStdString());
    for (const QString& argument : arguments.mid(1))
        given.push_back(argument.toStdString());
    const Language_Choice choice = Choose_Language(preferred, given);
    if (!choice.note.empty())
        std::cerr << choice.note << std::endl;
    return choice.language;
}

namespace {
std::string Core_Text(const char* context, const char* text)
{
    return QCoreApplication::translate(context, text).toStdString();
}
} // namespace

bool Install_Translation(Language language, const QString& folder)
{
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
        Set_Text_Translator(nullptr);
    }
    if (language == Language::Russian)
        return true;
    auto* translator = new QTranslator;
    if (!translator->load("quarvex_en", folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    Set_Text_Translator(Core_Text);
    return true;
}

int Main(QApplication& app)
{
    // Before any window exists, so that every text is built in the player's language; without
    // its translation file the program keeps the designed Russian.
    Install_Translation(Player_Language(app.arguments()), Shipped_Folder() + "/translations");
    Start_Sound_Device((Shipped_Folder() + "/alsoft.conf").toStdString());
    auto* splash = new frmSplash;
    splash->show();
    // A window manager may map the window a moment after show(), and a paint made before
    // that is lost: wait (bounded) until the splash is on screen, then paint it.
    QElapsedTimer waited;
    waited.start();
    while (!(splash->windowHandle() && splash->windowHandle()->isExposed()) && waited.elapsed() < 500) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    splash->repaint();
    QGuiApplication::sync();
    // The pads are looked for while the splash waits for the clock anyway: no later start.
    QtGamepad pads;
    // The splash ends on a change of the clock's second. No input is taken meanwhile; a window
    // system that mapped the splash only after the wait above gets its paint once it is exposed.
    bool painted = splash->windowHandle() && splash->windowHandle()->isExposed();
    const int digit = QTime::currentTime().second() % 10;
    while (QTime::currentTime().second() % 10 == digit) {
        if (!painted) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (splash->windowHandle() && splash->windowHandle()->isExposed()) {
                splash->repaint();
                QGuiApplication::sync();
                painted = true;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    splash->hide();
    delete splash;

    int code = 0;
    {
        frmMain window;
        window.Create_Channels();
        window.show();
        pads.Attach(window);
        const QString replay = Option_Value(app.arguments(), "--replay");
        if (!replay.isEmpty())
            QTimer::singleShot(0, &window, [&window, replay] { window.Watch_File(QFileInfo(replay).absoluteFilePath()); });
        code = app.exec();
    }
    Stop_Sound_Device();
    return code;
}

} // namespace qv
