// The flight timer's pacing: 60 ticks a second while a game runs, one paint
// per tick, and nothing at all while it is stopped.
#include "game/MW.h"
#include "tests/support/RecordingSound.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestSupport.h"

#include <QtTest>

class TestPacing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testsupport::resetGlobals(); }

    void sixtyTicksASecondAndOnePaintPerTick()
    {
        testsupport::SoundRecorder sounds;
        MW& mw = MW::instance();
        mw.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mw));
        QTest::qWait(100);

        const auto ticksBefore = mw.TimerFrelon().ticksDelivered();
        const auto paintsBefore = mw.Cnvs().paintCount();
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(&mw, Qt::Key_G);
        QTest::qWait(2000);
        QTest::keyClick(&mw, Qt::Key_G);
        const double seconds = clock.nsecsElapsed() / 1e9;
        const auto ticks = mw.TimerFrelon().ticksDelivered() - ticksBefore;
        const auto paints = mw.Cnvs().paintCount() - paintsBefore;

        const double rate = ticks / seconds;
        qInfo("%lld ticks and %lld paints in %.3f s: %.1f ticks a second", static_cast<long long>(ticks),
            static_cast<long long>(paints), seconds, rate);
        QVERIFY2(rate >= 57 && rate <= 63, qPrintable(QString::number(rate)));
        QVERIFY2(std::abs(paints - ticks) <= 2, qPrintable(QStringLiteral("%1 paints").arg(paints)));

        // Stopped: the process is idle.
        QTest::qWait(50);
        const auto idleTicks = mw.TimerFrelon().ticksDelivered();
        const auto idlePaints = mw.Cnvs().paintCount();
        QTest::qWait(300);
        QCOMPARE(mw.TimerFrelon().ticksDelivered(), idleTicks);
        QCOMPARE(mw.Cnvs().paintCount(), idlePaints);
    }
};

ZUMBLO_TEST_MAIN(TestPacing)
#include "test_pacing.moc"
