// The thin layer over Qt and SDL: conversions, random ranges, drawing of
// picture shapes, held keys, timers, the canvas's repaint pacing, sounds and
// the path of an unhandled exception.
#include "platform/Application.h"
#include "platform/Canvas.h"
#include "platform/PictureShape.h"
#include "platform/Random.h"
#include "platform/ResourcesFolder.h"
#include "platform/SdlSound.h"
#include "platform/Timer.h"
#include "platform/Trunc.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestSupport.h"

#include <QKeyEvent>
#include <QPainter>
#include <QSet>
#include <QtTest>

#include <chrono>
#include <cmath>
#include <limits>

using namespace std::chrono_literals;

namespace {

class ThrowingKeyWidget : public QWidget {
protected:
    void keyPressEvent(QKeyEvent*) override
    {
        platform::runGuarded([] { throw std::runtime_error("key handler failed"); });
    }
};

// An event handler that does not guard itself: the application's notify() catches.
class ThrowingObject : public QObject {
protected:
    void customEvent(QEvent*) override { throw std::runtime_error("unguarded handler failed"); }
};

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testsupport::resetGlobals(); }

    void truncDropsTheFractionAndSaturates_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        constexpr int kMax = std::numeric_limits<std::int32_t>::max();
        constexpr int kMin = std::numeric_limits<std::int32_t>::min();
        QTest::newRow("positive fraction") << 1.99 << 1;
        QTest::newRow("negative fraction") << -1.99 << -1;
        QTest::newRow("cos of 90 game degrees") << 5 * std::cos(90 * 0.0174532925) << 0;
        QTest::newRow("largest exact") << 2147483647.0 << kMax;
        QTest::newRow("just above the range") << 2147483648.5 << kMax;
        QTest::newRow("far end of a vertical shot") << 5.6e8 * 1920 << kMax;
        QTest::newRow("smallest exact") << -2147483648.0 << kMin;
        QTest::newRow("just below the range") << -2147483649.5 << kMin;
        QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << kMin;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << kMax;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
    }
    void truncDropsTheFractionAndSaturates()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(platform::trunc(value), expected);
    }

    void randomRangesIncludeBothEndsAndEmptyRangesGiveTheLowEnd()
    {
        platform::Random random(42);
        QSet<int> seen;
        for (int i = 0; i < 2000; ++i) {
            const int value = random.inRange(-2, 2);
            QVERIFY(value >= -2 && value <= 2);
            seen.insert(value);
        }
        QCOMPARE(seen.size(), 5);
        QCOMPARE(random.inRange(7, 7), 7);
        QCOMPARE(random.inRange(5, 4), 5);
        QCOMPARE(random.inRange(300, -300), 300);
    }

    void pictureShapeIsCentredAndTurnedClockwise()
    {
        // A 20 x 40 picture, red on top, blue below.
        QPixmap picture(20, 40);
        picture.fill(Qt::blue);
        QPainter(&picture).fillRect(0, 0, 20, 20, Qt::red);

        QImage target(100, 100, QImage::Format_ARGB32_Premultiplied);
        struct Case {
            double degrees;
            QPoint redAt;
            QPoint blueAt;
        };
        // Turned a quarter clockwise, the top comes to the right.
        const Case cases[] = { { 0, { 50, 40 }, { 50, 60 } }, { 90, { 60, 50 }, { 40, 50 } },
            { -90, { 40, 50 }, { 60, 50 } }, { 180, { 50, 60 }, { 50, 40 } } };
        for (const Case& c : cases) {
            target.fill(Qt::white);
            QPainter painter(&target);
            platform::PictureShape { picture, c.degrees * M_PI / 180 }.drawCentredAt(painter, QPointF(50, 50));
            painter.end();
            QCOMPARE(target.pixelColor(c.redAt), QColor(Qt::red));
            QCOMPARE(target.pixelColor(c.blueAt), QColor(Qt::blue));
            QCOMPARE(target.pixelColor(50 + 25, 50 + 25), QColor(Qt::white));
        }
    }

    void autoRepeatReleasesDoNotLetGoOfAKey()
    {
        auto& held = platform::Application::instance()->heldKeys();
        QWidget widget;
        QTest::keyPress(&widget, Qt::Key_Up);
        QVERIFY(held.isHeld(Qt::Key_Up));
        QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(&widget, &repeatRelease);
        QVERIFY(held.isHeld(Qt::Key_Up));
        QVERIFY(!held.isHeld(Qt::Key_Down));
        QTest::keyRelease(&widget, Qt::Key_Up);
        QVERIFY(!held.isHeld(Qt::Key_Up));
    }

    void singleTimerFiresOnceAndGoesOff()
    {
        int fired = 0;
        platform::Timer timer(20ms, platform::Timer::Mode::Single, [&] { ++fired; });
        timer.setOn(true);
        QTRY_COMPARE(fired, 1);
        QVERIFY(!timer.isOn());
        QTest::qWait(80);
        QCOMPARE(fired, 1);
    }

    void repeatingTimerOfAFrameOrMoreKeepsItsPeriod()
    {
        int fired = 0;
        platform::Timer timer(50ms, platform::Timer::Mode::Multiple, [&] { ++fired; });
        QVERIFY(!timer.isFramePaced());
        timer.setOn(true);
        QTest::qWait(540);
        timer.setOn(false);
        QVERIFY2(fired >= 8 && fired <= 11, qPrintable(QString::number(fired)));
        QTest::qWait(120);
        QVERIFY(fired <= 11);
    }

    void canvasCoalescesRepaintRequestsToOneAFrame()
    {
        platform::Canvas canvas;
        canvas.resize(100, 100);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        QTest::qWait(50);
        const auto before = canvas.paintCount();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 250) {
            canvas.requestRepaint();
            QCoreApplication::processEvents();
        }
        QTest::qWait(40);
        const auto paints = canvas.paintCount() - before;
        // 250 ms hold 15 frames; a drained last request may add one.
        QVERIFY2(paints >= 10 && paints <= 17, qPrintable(QString::number(paints)));
    }

    void exceptionsFromHandlersReachTheApplicationAndTheLoopGoesOn()
    {
        auto* app = platform::Application::instance();
        QStringList reported;
        app->setUnhandledExceptionHandler([&](const std::exception& e) { reported.append(QString::fromUtf8(e.what())); });

        ThrowingKeyWidget keys;
        QTest::keyClick(&keys, Qt::Key_A);

        platform::Timer timer(10ms, platform::Timer::Mode::Single, [] { throw std::runtime_error("timer action failed"); });
        timer.setOn(true);
        QTRY_COMPARE(reported.size(), 2);

        platform::Canvas canvas;
        canvas.setPaintHandler([](QPainter&) { throw std::runtime_error("paint failed"); });
        canvas.resize(50, 50);
        canvas.show();
        QTRY_COMPARE(reported.size(), 3);

        ThrowingObject unguarded;
        QCoreApplication::postEvent(&unguarded, new QEvent(QEvent::User));
        QTRY_COMPARE(reported.size(), 4);
        QCOMPARE(reported, (QStringList { "key handler failed", "timer action failed", "paint failed", "unguarded handler failed" }));

        // The loop still runs.
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        QTRY_VERIFY(ran);
        app->setUnhandledExceptionHandler(nullptr);
    }

    void aMessageRepeatedAtOnceIsShownOnce()
    {
        testsupport::MessageBoxRecorder boxes;
        auto* app = platform::Application::instance();
        app->reportUnhandledException(std::runtime_error("same"));
        app->reportUnhandledException(std::runtime_error("same"));
        app->reportUnhandledException(std::runtime_error("other"));
        QCOMPARE(boxes.calls().size(), 2);
        QCOMPARE(boxes.calls().at(0).text, QStringLiteral("same"));
        QCOMPARE(boxes.calls().at(0).code, 48);
        QCOMPARE(boxes.calls().at(1).text, QStringLiteral("other"));
    }

    void sdlDecodesTheGameSoundsAndPlaysThemSilentlyWithoutADevice()
    {
        platform::SdlSoundBackend backend;
        for (const char* name : { "bee.mp3", "machine_gun_1.mp3", "explosion.mp3" }) {
            auto sound = backend.load(platform::resourcePath(QString::fromLatin1(name)));
            QVERIFY2(sound, name);
            sound->play();
            sound->play(); // overlapping plays are allowed
        }
        QVERIFY(!backend.load(platform::resourcePath(QStringLiteral("no such sound.mp3"))));
    }
};

ZUMBLO_TEST_MAIN(TestPlatform)
#include "test_platform.moc"
