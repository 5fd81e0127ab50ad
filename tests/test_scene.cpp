// The scene rules without a window: the reset that places a new hornet and
// the flight step that moves and bounces it.
#include "game/Flight.h"
#include "game/SceneReset.h"
#include "platform/Trunc.h"
#include "tests/support/TestMain.h"

#include <QtTest>

#include <cmath>

namespace {

const QSize kHornet(64, 86);

Scene freshScene()
{
    Scene scene;
    scene.DegreToRadian = kDegreToRadian;
    return scene;
}

} // namespace

class TestScene : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resetPlacesTheHornetInTheUpperLeftQuarter()
    {
        const QSize canvases[] = { { 458, 439 }, { 610, 439 }, { 1400, 830 }, { 1880, 1046 } };
        for (const QSize canvas : canvases) {
            for (const int maxVx : { 5, 12, 50 }) {
                for (std::uint64_t seed = 0; seed < 400; ++seed) {
                    platform::Random random(seed);
                    Scene scene = freshScene();
                    scene.Fire = true;
                    scene.NoExplosion = false;
                    scene.NbrHit = 3;
                    scene.Px.rotation = 1.25;
                    const Launch launch = ResetScene(scene, canvas, kHornet, maxVx, random);

                    QVERIFY(scene.FrelonX >= kHornet.width() + 64);
                    QVERIFY(scene.FrelonX <= canvas.width() / 2 - kHornet.width());
                    QVERIFY(scene.FrelonY >= kHornet.height());
                    QVERIFY(scene.FrelonY <= canvas.height() / 2 - kHornet.height());
                    QVERIFY(std::abs(scene.alpha) <= 25 * kDegreToRadian + 1e-12);
                    QCOMPARE(scene.Canon.rotation, scene.alpha);
                    QVERIFY(launch.speed >= 5 && launch.speed <= maxVx);
                    QVERIFY(launch.headingDegrees >= 0 && launch.headingDegrees <= 360);
                    const double heading = launch.headingDegrees * kDegreToRadian;
                    QCOMPARE(scene.Vx, platform::trunc(launch.speed * std::cos(heading)));
                    QCOMPARE(scene.Vy, platform::trunc(launch.speed * std::sin(heading)));
                    QVERIFY(!scene.Fire);
                    QVERIFY(scene.NoExplosion);
                    // Left for the next shot and the next tick.
                    QCOMPARE(scene.NbrHit, 3);
                    QCOMPARE(scene.Px.rotation, 1.25);
                }
            }
        }
    }

    void aLaunchStraightDownHasNoSidewaysStep()
    {
        // Find seeds whose heading is exactly 90 degrees: cos(90 x 0.0174532925)
        // is about 2e-9 and must come out as zero.
        int found = 0;
        for (std::uint64_t seed = 0; seed < 20000 && found < 3; ++seed) {
            platform::Random random(seed);
            Scene scene = freshScene();
            const Launch launch = ResetScene(scene, { 800, 600 }, kHornet, 50, random);
            if (launch.headingDegrees != 90)
                continue;
            ++found;
            QCOMPARE(scene.Vx, 0);
            QCOMPARE(scene.Vy, launch.speed);
        }
        QCOMPARE(found, 3);
    }

    void emptyRangesGiveTheirLowEnd()
    {
        // Too small for the placement ranges, and MaxVx 4 below the least speed 5.
        for (std::uint64_t seed = 0; seed < 50; ++seed) {
            platform::Random random(seed);
            Scene scene = freshScene();
            const Launch launch = ResetScene(scene, { 200, 150 }, kHornet, 4, random);
            QCOMPARE(scene.FrelonX, kHornet.width() + 64);
            QCOMPARE(scene.FrelonY, kHornet.height());
            QCOMPARE(launch.speed, 5);
        }
        platform::Random random(1);
        Scene scene = freshScene();
        ResetScene(scene, { 0, 0 }, kHornet, 4, random);
        QCOMPARE(scene.FrelonX, kHornet.width() + 64);
    }

    void flightStep_data()
    {
        QTest::addColumn<QSize>("canvas");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QPoint>("velocity");
        QTest::addColumn<QPoint>("expectedPosition");
        QTest::addColumn<QPoint>("expectedVelocity");
        QTest::addColumn<double>("expectedDegrees");

        // Bounds for a 64 x 86 hornet on 458 x 439: x 96..426, y 43..396.
        const QSize canvas(458, 439);
        QTest::newRow("free flight") << canvas << QPoint(200, 200) << QPoint(5, 0) << QPoint(205, 200) << QPoint(5, 0) << 94.0;
        QTest::newRow("reaching the right bound") << canvas << QPoint(421, 200) << QPoint(5, 0) << QPoint(426, 200) << QPoint(5, 0) << 94.0;
        QTest::newRow("overshooting the right bound") << canvas << QPoint(425, 200) << QPoint(5, 0) << QPoint(430, 200) << QPoint(-5, 0) << 274.0;
        QTest::newRow("coming back") << canvas << QPoint(430, 200) << QPoint(-5, 0) << QPoint(425, 200) << QPoint(-5, 0) << 274.0;
        QTest::newRow("left bound 64 further in") << canvas << QPoint(98, 200) << QPoint(-5, 0) << QPoint(93, 200) << QPoint(5, 0) << 94.0;
        QTest::newRow("left bound reached exactly") << canvas << QPoint(101, 200) << QPoint(-5, 0) << QPoint(96, 200) << QPoint(-5, 0) << 274.0;
        QTest::newRow("bottom bound") << canvas << QPoint(200, 394) << QPoint(0, 5) << QPoint(200, 399) << QPoint(0, -5) << 4.0;
        QTest::newRow("top bound") << canvas << QPoint(200, 45) << QPoint(3, -4) << QPoint(203, 41) << QPoint(3, 4) << 90 + std::atan2(4.0, 3.0) * 180 / M_PI + 4;
        QTest::newRow("vertical, down") << canvas << QPoint(200, 200) << QPoint(0, 7) << QPoint(200, 207) << QPoint(0, 7) << 184.0;
        QTest::newRow("vertical, up") << canvas << QPoint(200, 200) << QPoint(0, -7) << QPoint(200, 193) << QPoint(0, -7) << 4.0;
        QTest::newRow("standing still") << canvas << QPoint(200, 200) << QPoint(0, 0) << QPoint(200, 200) << QPoint(0, 0) << 94.0;
        // 120 wide: x must exceed 88 and stay below 96, so both tests hold and cancel.
        QTest::newRow("too narrow for both bounds") << QSize(120, 439) << QPoint(85, 200) << QPoint(5, 0) << QPoint(90, 200) << QPoint(5, 0) << 94.0;
    }
    void flightStep()
    {
        QFETCH(QSize, canvas);
        QFETCH(QPoint, position);
        QFETCH(QPoint, velocity);
        QFETCH(QPoint, expectedPosition);
        QFETCH(QPoint, expectedVelocity);
        QFETCH(double, expectedDegrees);

        Scene scene = freshScene();
        scene.FrelonX = position.x();
        scene.FrelonY = position.y();
        scene.Vx = velocity.x();
        scene.Vy = velocity.y();
        FlightStep(scene, canvas, kHornet);
        QCOMPARE(QPoint(scene.FrelonX, scene.FrelonY), expectedPosition);
        QCOMPARE(QPoint(scene.Vx, scene.Vy), expectedVelocity);
        // atan2 of a leftward step is 180 degrees, so normalise before comparing.
        const double degrees = std::fmod(scene.Px.rotation / kDegreToRadian + 360.0, 360.0);
        QVERIFY2(std::abs(degrees - expectedDegrees) < 1e-6, qPrintable(QString::number(degrees)));
    }

    void aHornetBouncesForEverInsideItsBounds()
    {
        Scene scene = freshScene();
        scene.FrelonX = 200;
        scene.FrelonY = 200;
        scene.Vx = 37;
        scene.Vy = -23;
        const QSize canvas(458, 439);
        for (int tick = 0; tick < 10000; ++tick) {
            FlightStep(scene, canvas, kHornet);
            // At most one step past a bound.
            QVERIFY(scene.FrelonX >= 96 - 37 && scene.FrelonX <= 426 + 37);
            QVERIFY(scene.FrelonY >= 43 - 23 && scene.FrelonY <= 396 + 23);
        }
    }

    void aDriftingHornetSaturatesInsteadOfOverflowing()
    {
        Scene scene = freshScene();
        scene.FrelonX = std::numeric_limits<std::int32_t>::max() - 2;
        scene.Vx = 5;
        scene.FrelonY = 200;
        scene.Vy = 0;
        FlightStep(scene, { 120, 439 }, kHornet);
        QCOMPARE(scene.FrelonX, std::numeric_limits<std::int32_t>::max());
    }
};

ZUMBLO_TEST_MAIN(TestScene)
#include "test_scene.moc"
