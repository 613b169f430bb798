#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QThread>

namespace qv::test {

// Processes events until `done` holds or `ms` milliseconds pass; true when it held.
template <typename F> bool Wait_Until(F done, int ms = 6000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

// A committed music file of tests/sound/fixtures ("tone.mp3", "tone.mp2", "tone.wma", ...).
inline QString Music_Fixture(const char* name)
{
    return QStringLiteral(QUARVEX_SOURCE_DIR "/tests/sound/fixtures/") + QString::fromUtf8(name);
}

} // namespace qv::test
