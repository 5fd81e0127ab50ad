// The gun and its shots without a window: aiming, the shot's geometry, the
// hit test and the shot's life in paints.
#include "game/Gun.h"
#include "game/Scene.h"
#include "tests/support/TestMain.h"

#include <QtTest>

#include <cmath>

namespace {
const QSize kCanvas(610, 439);

Scene aimedScene(double degrees)
{
    Scene scene;
    scene.DegreToRadian = kDegreToRadian;
    scene.alpha = degrees * kDegreToRadian;
    return scene;
}
} // namespace

class TestGunAndShots : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aimingStepsOneDegreeAndStopsAtNinety()
    {
        Scene scene = aimedScene(88);
        for (int i = 0; i < 5; ++i)
            AimDown(scene);
        QCOMPARE(scene.alpha, 90 * kDegreToRadian);
        QCOMPARE(scene.Canon.rotation, scene.alpha);
        // Both arrows held at the limit: down clamps, up takes a degree away.
        AimDown(scene);
        AimUp(scene);
        QVERIFY(std::abs(scene.alpha - 89 * kDegreToRadian) < 1e-12);

        scene = aimedScene(-89.5);
        AimUp(scene);
        QCOMPARE(scene.alpha, -90 * kDegreToRadian);
        QCOMPARE(scene.Canon.rotation, scene.alpha);
    }

    void theMuzzleAndTheFarEnd()
    {
        // Level: the barrel ends 64 to the right, the line 1.5 above the centre line, cut.
        ShotGeometry level = GunShot(0, kCanvas);
        QCOMPARE(level.b, 64);
        QCOMPARE(level.d, 218); // trunc(219.5 - 1.5)
        QCOMPARE(level.m, 218);
        const ShotGeometry down = GunShot(45 * kDegreToRadian, kCanvas);
        QCOMPARE(down.b, 45); // trunc(64 cos 45)
        QCOMPARE(down.d, 263); // trunc(219.5 + 45.25 - 1.5)
        QCOMPARE(down.m, 263 + 565 - 1); // the slope is a hair under 1
    }

    void hitTest_data()
    {
        QTest::addColumn<double>("degrees");
        QTest::addColumn<QPoint>("hornet");
        QTest::addColumn<bool>("hit");
        QTest::addColumn<QPoint>("foot");
        // Level shot at y = 218: 25 pixels away is a hit, 26 is not, wherever along x.
        QTest::newRow("25 above, near") << 0.0 << QPoint(120, 193) << true << QPoint(120, 218);
        QTest::newRow("25 below, far") << 0.0 << QPoint(560, 243) << true << QPoint(560, 218);
        QTest::newRow("26 above") << 0.0 << QPoint(300, 192) << false << QPoint(300, 218);
        QTest::newRow("26 below") << 0.0 << QPoint(300, 244) << false << QPoint(300, 218);
        QTest::newRow("behind the gun still tests the whole line") << 0.0 << QPoint(10, 218) << true << QPoint(10, 218);
        // 45 degrees down from (45, 263): the foot of the perpendicular from (300, 500).
        QTest::newRow("sloped, on the line") << 45.0 << QPoint(300, 518) << true << QPoint(300, 517); // the slope is a hair under 1
        QTest::newRow("sloped, 22.6 off the line") << 45.0 << QPoint(300, 486) << true << QPoint(284, 501);
        QTest::newRow("sloped, 26.9 off the line") << 45.0 << QPoint(300, 480) << false << QPoint(281, 498);
        // One degree down from (63, 219): y = 219 + 0.01746 (x - 63).
        QTest::newRow("one degree, 24 below") << 1.0 << QPoint(300, 247) << true << QPoint(300, 223);
        QTest::newRow("one degree, 30 above") << 1.0 << QPoint(300, 193) << false << QPoint(299, 223);
        QTest::newRow("one degree, 30 below") << 1.0 << QPoint(300, 253) << false << QPoint(300, 223);
        // Straight down: the line is x = 0 from the muzzle (0, 282).
        QTest::newRow("straight down, hit") << 90.0 << QPoint(20, 300) << true << QPoint(0, 300);
        QTest::newRow("straight down, miss") << 90.0 << QPoint(26, 300) << false << QPoint(0, 300);
        QTest::newRow("straight up, far away") << -90.0 << QPoint(300, 100) << false << QPoint(0, 99);
    }
    void hitTest()
    {
        QFETCH(double, degrees);
        QFETCH(QPoint, hornet);
        QFETCH(bool, hit);
        QFETCH(QPoint, foot);
        const ShotTest test = ::TestShot(GunShot(degrees * kDegreToRadian, kCanvas), hornet);
        QCOMPARE(test.hit, hit);
        QCOMPARE(test.foot, foot);
    }

    void aVerticalShotIsDrawnAlongItsAim()
    {
        // At +-90 degrees the far end is out of the 32-bit range: the line
        // stops beyond the canvas, on the aim.
        for (const double degrees : { 90.0, -90.0, 89.0, -89.0 }) {
            const ShotGeometry shot = GunShot(degrees * kDegreToRadian, kCanvas);
            const QLineF line = MissLine(shot, kCanvas);
            QCOMPARE(line.p1(), QPointF(shot.b, shot.d));
            QVERIFY(std::isfinite(line.p2().x()) && std::isfinite(line.p2().y()));
            const bool down = degrees > 0;
            QVERIFY(down ? line.p2().y() >= kCanvas.height() : line.p2().y() <= 0);
            // Same direction as the aim.
            const double angle = std::atan2(line.dy(), line.dx());
            QVERIFY2(std::abs(angle - degrees * kDegreToRadian) < 1e-6, qPrintable(QString::number(angle)));
        }
        QCOMPARE(GunShot(90 * kDegreToRadian, kCanvas).m, std::numeric_limits<std::int32_t>::max());
        QCOMPARE(GunShot(-90 * kDegreToRadian, kCanvas).m, std::numeric_limits<std::int32_t>::min());
    }

    void aFarAwayFootNeverWrapsIntoAHit()
    {
        // A nearly level shot puts the foot of the perpendicular of a hornet
        // just off the line about a billion pixels away; its square does not fit
        // 32 bits, and must not wrap round into a hit.
        ShotGeometry shot;
        shot.b = 64;
        shot.d = 200;
        shot.t = 2e-9;
        shot.m = 200;
        const ::ShotTest test = ::TestShot(shot, QPoint(100, 2000));
        QVERIFY(!test.hit);
    }

    void aShotLastsSixPaints()
    {
        Scene scene = aimedScene(0);
        scene.Fire = true;
        int paints = 0;
        while (scene.Fire) {
            AdvanceShotLife(scene);
            ++paints;
        }
        QCOMPARE(paints, 6);
        QCOMPARE(scene.NbrHit, 0);

        // A shot that ended early leaves its count: the next lasts the rest.
        scene.NbrHit = 2;
        scene.Fire = true;
        paints = 0;
        while (scene.Fire) {
            AdvanceShotLife(scene);
            ++paints;
        }
        QCOMPARE(paints, 4);
    }
};

ZUMBLO_TEST_MAIN(TestGunAndShots)
#include "test_shot.moc"
