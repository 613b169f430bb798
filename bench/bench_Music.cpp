#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <clocale>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <sys/resource.h>

#include "game/frmMain.h"
#include "sound/AlMP3Play.h"
#include "sound/AlSound.h"
#include "sound/frmMP3.h"

// The music player's costs: time from a choice to the first sound, and the memory
// and processor time of a running game with a track playing (offscreen windows).
// The program's sound device is opened as the game opens it (ALSOFT_DRIVERS=null for
// OpenAL's silent output).
namespace {

void Start_Application()
{
    static int argc = 1;
    static char name[] = "bench_Music";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QApplication> app;
    if (app)
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    qv::Start_Sound_Device();
}

// The track in QUARVEX_TRACK (bench/measure_music.sh makes a 3-minute one), else the short test tone.
std::string Tone()
{
    const char* track = std::getenv("QUARVEX_TRACK");
    return track ? track : QUARVEX_SOURCE_DIR "/tests/sound/fixtures/tone.mp3";
}

double Resident_MiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

double Cpu_Seconds()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(use.ru_utime) + seconds(use.ru_stime);
}

// Share of one core used while the event loop runs for `ms` milliseconds, in percent.
double Cpu_Percent_Over(int ms)
{
    const double before = Cpu_Seconds();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return 100.0 * (Cpu_Seconds() - before) / (ms / 1000.0);
}

void BM_Choice_To_First_Sound(benchmark::State& state)
{
    Start_Application();
    qv::MP3Play control;
    for (auto _ : state) {
        control.mmStop();
        control.FileName = Tone();
        QElapsedTimer clock;
        clock.start();
        control.mmPlay();
        while (control.Position_Ms() <= 0 && clock.elapsed() < 5000)
            QThread::usleep(200);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    control.mmStop();
}
BENCHMARK(BM_Choice_To_First_Sound)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_Game_With_Track(benchmark::State& state)
{
    Start_Application();
    QTemporaryDir dir;
    qv::frmMain main(dir.path());
    main.show();
    for (auto _ : state) {
        state.counters["cpu_game_percent"] = Cpu_Percent_Over(10000);
        state.counters["resident_game_MiB"] = Resident_MiB();
        main.MP3Path = Tone();
        main.MP3Loop = true;
        main.winMP3->InitMusic();
        state.counters["cpu_game_and_track_percent"] = Cpu_Percent_Over(10000);
        state.counters["resident_MiB"] = Resident_MiB();
        state.counters["still_playing"] = main.winMP3->MP3Play1.IsPlaying() ? 1 : 0;
    }
}
BENCHMARK(BM_Game_With_Track)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
