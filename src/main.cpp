#include <QApplication>
#include <QIcon>
#include <clocale>

#include "shell/QtMainMod.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The music player needs the C number format; Qt has set the locale by now.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setStyle("Fusion");
    // The desktop entry and the icon an installed copy puts in the icon theme.
    QGuiApplication::setDesktopFileName("quarvex");
    QApplication::setWindowIcon(QIcon::fromTheme("quarvex"));
    qv::Register_Fonts();
    return qv::Main(app);
}
