#pragma once
#include <QString>
#include <string>

class QApplication;

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
// Where the program keeps its files: the program folder when a file can be created
// there, otherwise the per-user data folder (created when missing).
QString Data_Folder();
// Font substitutions so that the Windows font names render with matching metrics.
void Register_Fonts();
// Start-up: the splash until the clock's second changes, then the main window and
// the event loop. Returns the event loop's exit code.
int Main(QApplication& app);

} // namespace qv
