#pragma once
#include <QString>
#include <QStringList>
#include <string>

#include "shell/Language.h"

class QApplication;
class QCoreApplication;

// Start-up and the shared procedures of the start-up module that need the
// platform: events, computer name, folders and fonts. Used by main() and the windows.
namespace qv {

// Processes pending window events (n + 1) * (n + 1) times; any handler may run inside.
void Wait_Events(int n);
// The computer's network name, trimmed and cut at a NUL; "" when it reads empty,
// "???" when it cannot be asked at all.
std::string Get_Computer_Name();
// Folder of the executable.
QString Program_Folder();
// Folder of the files shipped with the program (the sound folder): the program folder
// when they stand beside it, else the installed data folder (../share/quarvex).
QString Shipped_Folder();
QString Shipped_Folder(const QString& program);
// Folder of the player's files (records, settings): the program folder of a copy that
// keeps its shipped files beside it and can be written, otherwise the per-user data
// folder (created when missing). An installed copy never writes into its own folders.
QString Data_Folder();
// The per-user data folder (~/.local/share/quarvex), whether or not it is in use.
QString User_Data_Folder();
QString Data_Folder(const QString& program, const QString& user);
// Font substitutions so that the Windows font names render with matching metrics.
void Register_Fonts();
// The value of option `name` ("--replay FILE" or "--replay=FILE"), "" without one.
QString Option_Value(const QStringList& arguments, const QString& name);
// `quarvex --check-replay FILE`: replays the file without windows and prints its final score,
// rows and level; 0 when the game ends as recorded, 1 otherwise or when the file is no replay.
int Check_Replay_Main(QCoreApplication& app);
// The interface language for the desktop's preferred languages and the --lang option among
// the arguments (the program's name first); a --lang value it cannot use is told on the error output.
Language Player_Language(const QStringList& arguments);
// Makes `language` the one of every text built from now on, loading its translation file
// (quarvex_en.qm) from `folder`; Russian removes any installed translation. False, keeping
// the designed texts, when the file is missing or damaged.
bool Install_Translation(Language language, const QString& folder);
// Start-up: the splash until the clock's second changes, then the main window and
// the event loop. Returns the event loop's exit code.
int Main(QApplication& app);

} // namespace qv
