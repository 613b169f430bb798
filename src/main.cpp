#include <QApplication>
#include <QIcon>
#include <clocale>
#include <string_view>

#include "shell/QtMainMod.h"
#include "shell/ScreenPlace.h"

int main(int argc, char** argv)
{
    // Checking a replay needs no window and no display.
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).starts_with("--check-replay")) {
            QCoreApplication app(argc, argv);
            return qv::Check_Replay_Main(app);
        }
    // In a Wayland session the game runs on the X display it offers, since it places and
    // shapes its own windows; a platform the user names is kept.
    const std::string platform = qv::Choose_Qt_Platform(qgetenv("QT_QPA_PLATFORM").toStdString(),
                                                        qgetenv("DISPLAY").toStdString());
    if (!platform.empty())
        qputenv("QT_QPA_PLATFORM", platform.c_str());
    QApplication app(argc, argv);
    // Libraries that read numbers from text (OpenAL's settings file) expect the C number format;
    // Qt has set the locale from the environment by now.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setStyle("Fusion");
    // The desktop entry and the icon an installed copy puts in the icon theme.
    QGuiApplication::setDesktopFileName("quarvex");
    QApplication::setWindowIcon(QIcon::fromTheme("quarvex"));
    qv::Register_Fonts();
    return qv::Main(app);
}
