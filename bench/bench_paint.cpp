// What the scene costs at 1920 x 1080: one paint of the scene against one
// paint of the backdrop alone (the floor every paint pays), and the CPU time
// of one second of flight. Run it under Xvfb for the cost of a real display
// (xvfb-run -a build/bench/bench_paint) or offscreen (QT_QPA_PLATFORM=offscreen).
#include "game/MW.h"
#include "platform/Application.h"
#include "platform/ResourcesFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr QSize kCanvas(1920, 1080);
constexpr int kRounds = 15;
constexpr int kPaintsPerRound = 40;

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Microseconds of one synchronous paint, the best round of several.
double paintMicroseconds(platform::Canvas& canvas)
{
    std::vector<double> rounds;
    for (int r = 0; r < kRounds; ++r) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < kPaintsPerRound; ++i)
            canvas.repaint();
        rounds.push_back(clock.nsecsElapsed() / 1e3 / kPaintsPerRound);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

void runEventLoopFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    if (!QDir(platform::resourcesFolder()).exists())
        platform::setResourcesFolder(QStringLiteral(ZUMBLO_SOURCE_RESOURCES));

    MW& mw = MW::instance();
    mw.setContentSize(kCanvas + QSize(40, 34));
    mw.show();
    runEventLoopFor(300);
    platform::Canvas& canvas = mw.Cnvs();
    if (canvas.size() != kCanvas) {
        std::fprintf(stderr, "canvas is %dx%d, not %dx%d\n", canvas.width(), canvas.height(), kCanvas.width(), kCanvas.height());
        return 1;
    }

    // Interleave the two so that both see the same machine.
    double floor = 0;
    double scene = 0;
    for (int pass = 0; pass < 3; ++pass) {
        canvas.setPaintHandler({});
        floor += paintMicroseconds(canvas);
        canvas.setPaintHandler([&](QPainter& g) { mw.Cnvs_Paint(g); });
        scene += paintMicroseconds(canvas);
    }
    floor /= 3;
    scene /= 3;

    const double idleStart = cpuSeconds();
    runEventLoopFor(1000);
    const double idleCpu = cpuSeconds() - idleStart;

    mw.DoGo();
    const auto ticksBefore = mw.TimerFrelon().ticksDelivered();
    const auto paintsBefore = canvas.paintCount();
    QElapsedTimer wall;
    wall.start();
    const double flightStart = cpuSeconds();
    runEventLoopFor(1000);
    const double flightCpu = cpuSeconds() - flightStart;
    const double seconds = wall.nsecsElapsed() / 1e9;
    mw.DoGo();

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("paint, backdrop only (floor): %8.1f us\n", floor);
    std::printf("paint, whole scene:           %8.1f us\n", scene);
    std::printf("scene / floor:                %8.2f\n", scene / floor);
    std::printf("one second of flight: %lld ticks, %lld paints, CPU %.1f%% of one core (idle second: %.1f%%)\n",
        static_cast<long long>(mw.TimerFrelon().ticksDelivered() - ticksBefore),
        static_cast<long long>(canvas.paintCount() - paintsBefore), 100.0 * flightCpu / seconds, 100.0 * idleCpu);
    return 0;
}
