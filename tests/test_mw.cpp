// The main window: its controls, its open and resize, the media accessors'
// retry rules, and what happens when a picture the game needs is missing.
#include "game/MW.h"
#include "game/Media.h"
#include "game/TolunBug.h"
#include "tests/support/RecordingSound.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Near enough for a JPEG's smooth colours.
bool near(QColor actual, QColor expected, int tolerance = 24)
{
    return std::abs(actual.red() - expected.red()) <= tolerance && std::abs(actual.green() - expected.green()) <= tolerance
        && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

} // namespace

class TestMW : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testsupport::resetGlobals(); }
    void cleanup() { testsupport::resetGlobals(); }

    void opensWithItsControlsAndAStoppedGame()
    {
        testsupport::SoundRecorder sounds;
        MW& mw = MW::instance();
        QCOMPARE(mw.contentSize(), QSize(650, 473));
        // As laid out; the first resize (showing the window) fits it to the window.
        QCOMPARE(mw.Cnvs().geometry(), QRect(20, 14, 458, 439));
        QVERIFY(mw.Cnvs().focusPolicy() == Qt::NoFocus);
        QVERIFY(mw.PBGo().isHidden());
        QCOMPARE(mw.PBGo().text(), QStringLiteral("Go"));
        QVERIFY(mw.LBRecents().isHidden());
        QCOMPARE(mw.LBRecents().columnCount(), 2);
        QVERIFY(!mw.TimerFrelon().isOn());
        QVERIFY(!mw.TimerBee().isOn());
        QVERIFY(mw.TimerHelp().isOn());
        QCOMPARE(mw.TimerFrelon().period(), std::chrono::milliseconds(1));
        QVERIFY(mw.TimerFrelon().isFramePaced());
        QCOMPARE(mw.TimerBee().period(), std::chrono::milliseconds(2000));
        QCOMPARE(mw.TimerHelp().mode(), platform::Timer::Mode::Single);

        const Scene& scene = mw.scene();
        QCOMPARE(scene.DegreToRadian, 0.0174532925);
        // The heading of the initial velocity (5, 5), 135 degrees, then the 4-degree trim.
        QCOMPARE(scene.Phi, 90 * 0.0174532925 + M_PI / 4);
        QCOMPARE(scene.Px.rotation, scene.Phi + 4 * 0.0174532925);
        QCOMPARE(scene.Px.picture.size(), QSize(64, 86));
        QVERIFY(!scene.Canon.picture.isNull());
        QCOMPARE(scene.PictExplosion.picture.size(), QSize(256, 256));
        QVERIFY(scene.FrelonX >= 64 + 64 && scene.FrelonY >= 86);
        QVERIFY(sounds.played().isEmpty());
    }

    void marginsShowARandomBackgroundColour()
    {
        MW& mw = MW::instance();
        mw.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mw));
        QCOMPARE(mw.Cnvs().geometry(), QRect(20, 14, 610, 439));
        const QColor background = mw.centralWidget()->palette().color(QPalette::Window);
        QVERIFY(background.alpha() == 255);
        const QImage shot = mw.centralWidget()->grab().toImage();
        QCOMPARE(shot.pixelColor(5, 200), background);
        QCOMPARE(shot.pixelColor(640, 200), background);
        QCOMPARE(shot.pixelColor(300, 465), background);
    }

    void resizeRecentresTheHornetAndStretchesTheSky()
    {
        // A sky of four coloured quarters shows whether both axes stretch on their own.
        testsupport::ResourcesWithout resources({ QStringLiteral("Ciel.jpg") });
        QImage quarters(100, 40, QImage::Format_RGB32);
        QPainter painter(&quarters);
        painter.fillRect(0, 0, 50, 20, Qt::red);
        painter.fillRect(50, 0, 50, 20, Qt::green);
        painter.fillRect(0, 20, 50, 20, Qt::blue);
        painter.fillRect(50, 20, 50, 20, Qt::yellow);
        painter.end();
        QVERIFY(quarters.save(QDir(resources.folder()).filePath(QStringLiteral("Ciel.jpg")), "JPG", 100));

        MW& mw = MW::instance();
        mw.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mw));
        mw.setContentSize({ 1000, 700 });
        QCOMPARE(mw.Cnvs().size(), QSize(960, 666));
        QCOMPARE(mw.scene().FrelonX, 480);
        QCOMPARE(mw.scene().FrelonY, 333);
        QCOMPARE(mw.Cnvs().backdrop().size(), QSize(960, 666));

        const QImage canvas = mw.Cnvs().grab().toImage();
        QVERIFY(near(canvas.pixelColor(240, 160), Qt::red));
        QVERIFY(near(canvas.pixelColor(720, 160), Qt::green));
        QVERIFY(near(canvas.pixelColor(240, 500), Qt::blue));
        QVERIFY(near(canvas.pixelColor(720, 500), Qt::yellow));
        // The hornet is drawn over the sky at the centre.
        QVERIFY(!near(canvas.pixelColor(480, 333), Qt::yellow, 60) && !near(canvas.pixelColor(480, 333), Qt::blue, 60));

        mw.setContentSize({ 700, 500 });
        QCOMPARE(mw.Cnvs().size(), QSize(660, 466));
        QCOMPARE(QPoint(mw.scene().FrelonX, mw.scene().FrelonY), QPoint(330, 233));
        QCOMPARE(mw.Cnvs().backdrop().size(), QSize(660, 466));
    }

    void repaintsOfPartOfTheCanvasLeaveNoTrails()
    {
        // A tick repaints only where the hornet was and is. What the screen
        // shows after a flight must equal a fresh paint of the whole scene.
        testsupport::SoundRecorder sounds;
        MW& mw = MW::instance();
        mw.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mw));
        mw.scene().Vx = 23;
        mw.scene().Vy = -17;
        mw.DoGo();
        QTest::qWait(600);
        mw.DoGo();
        QTest::qWait(100);

        const QRect canvasOnScreen(mw.Cnvs().mapTo(&mw, QPoint(0, 0)), mw.Cnvs().size());
        const QImage onScreen = mw.screen()->grabWindow(mw.winId()).toImage().copy(canvasOnScreen).convertToFormat(QImage::Format_RGB32);
        const QImage fresh = mw.Cnvs().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(onScreen.size(), fresh.size());
        QVERIFY(onScreen == fresh);
    }

    void aMissingPictureIsLookedForAtEveryAccessASoundOnlyOnce()
    {
        testsupport::SoundRecorder sounds;
        testsupport::ResourcesWithout resources({ QStringLiteral("Ciel.jpg"), QStringLiteral("bee.mp3") });
        QVERIFY(!Media::Ciel());
        QVERIFY(!Media::bee());
        QCOMPARE(sounds.loadAttempts(QStringLiteral("bee.mp3")), 1);

        resources.restore(QStringLiteral("Ciel.jpg"));
        resources.restore(QStringLiteral("bee.mp3"));
        QVERIFY(Media::Ciel());
        QVERIFY(!Media::bee());
        QCOMPARE(sounds.loadAttempts(QStringLiteral("bee.mp3")), 1);
        QVERIFY(Media::machine_gun_1());
        QVERIFY(Media::machine_gun_1() == Media::machine_gun_1());
        QCOMPARE(sounds.loadAttempts(QStringLiteral("machine_gun_1.mp3")), 1);
    }

    void aMissingHornetReachesTheErrorHandlerNotACrash()
    {
        testsupport::MessageBoxRecorder boxes;
        testsupport::SoundRecorder sounds;
        testsupport::ResourcesWithout resources({ QStringLiteral("Frelon_64x86.png") });

        // The open fails before its scene reset, the window stays, and its
        // timers are still running as they were made.
        QVERIFY_THROWS_EXCEPTION(platform::NilObjectError, MW::instance());
        QVERIFY(MW::exists());
        MW& mw = MW::instance();
        QVERIFY(mw.TimerFrelon().isOn());

        // A tick needs the hornet's picture, a paint its shape: one message
        // each, and the failing flight stopped rather than failing every frame.
        mw.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mw));
        QTRY_COMPARE(boxes.calls().size(), 2);
        QStringList texts;
        for (const auto& call : boxes.calls())
            texts.append(call.text);
        QVERIFY2(texts.filter(QStringLiteral("Px")).size() == 1, qPrintable(texts.join('|')));
        QVERIFY2(texts.filter(QStringLiteral("Frelon_64x86")).size() == 1, qPrintable(texts.join('|')));
        QVERIFY(!mw.TimerFrelon().isOn());
        QTest::qWait(100);
        QCOMPARE(boxes.calls().size(), 2);

        // G starts the flight again; its first tick fails and stops it.
        QTest::keyClick(&mw, Qt::Key_G);
        QTRY_VERIFY(!mw.TimerFrelon().isOn());
    }

    void aMissingBeeLetsTheGameRunWithoutIt()
    {
        testsupport::MessageBoxRecorder boxes;
        testsupport::SoundRecorder sounds;
        testsupport::ResourcesWithout resources({ QStringLiteral("bee.mp3") });
        MW& mw = MW::instance();
        mw.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mw));
        QTest::keyClick(&mw, Qt::Key_G);
        QCOMPARE(boxes.calls().size(), 1);
        QVERIFY(boxes.calls().at(0).text.contains(QStringLiteral("bee")));
        QVERIFY(mw.TimerFrelon().isOn());
        QCOMPARE(mw.PBGo().text(), QStringLiteral("Stop"));
        QVERIFY(!mw.TimerBee().isOn());
        const int x = mw.scene().FrelonX;
        const int y = mw.scene().FrelonY;
        QTRY_VERIFY(mw.scene().FrelonX != x || mw.scene().FrelonY != y);
    }
};

ZUMBLO_TEST_MAIN(TestMW)
#include "test_mw.moc"
