// The playable game in its window: keys, shots at paint time, the explosion,
// the score summary, the help window and the game's texts.
#include "game/GameTexts.h"
#include "game/MW.h"
#include "game/TolunBug.h"
#include "game/WBilan.h"
#include "game/WHelp.h"
#include "localization/TolunBasic.h"
#include "platform/ModalShow.h"
#include "tests/support/RecordingSound.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

namespace {

// Records modal showings instead of waiting on them.
struct ModalRecorder {
    QStringList shown;
    QStringList scoreLines;
    ModalRecorder()
    {
        platform::setModalHandler([this](QDialog& dialog) {
            shown.append(dialog.metaObject()->className());
            if (auto* bilan = qobject_cast<WBilan*>(&dialog))
                scoreLines = { bilan->LabelNombreDeParties().text(), bilan->LabelNombreDeFrelonsAbattus().text(),
                    bilan->LabelNombreDeTirs().text(), bilan->LabelScore().text() };
            return 0;
        });
    }
    ~ModalRecorder() { platform::setModalHandler(nullptr); }
};

int countRed(const QImage& image, QRect area)
{
    int red = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    return red;
}

} // namespace

class TestGame : public QObject {
    Q_OBJECT
private:
    MW* m_mw = nullptr;
    std::unique_ptr<testsupport::SoundRecorder> m_sounds;
    std::unique_ptr<ModalRecorder> m_modals;

    MW& mw() { return *m_mw; }
    void key(Qt::Key k) { QTest::keyClick(m_mw, k); }
    QImage paint() { return mw().Cnvs().grab().toImage(); }

    // A stopped hornet at a known place, the gun level.
    void placeHornet(int x, int y)
    {
        Scene& s = mw().scene();
        s.FrelonX = x;
        s.FrelonY = y;
        s.Vx = 0;
        s.Vy = 0;
        s.alpha = 0;
        s.Canon.rotation = 0;
    }

private Q_SLOTS:
    void init()
    {
        testsupport::resetGlobals();
        TolunBasic::Langage = 0;
        m_sounds = std::make_unique<testsupport::SoundRecorder>();
        m_modals = std::make_unique<ModalRecorder>();
        m_mw = &MW::instance();
        m_mw->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_mw));
        m_sounds->clear();
    }
    void cleanup()
    {
        m_modals.reset();
        m_sounds.reset();
        testsupport::resetGlobals();
    }

    void gameControlKeys()
    {
        // F while stopped: nothing. H while stopped: no reset.
        const QPoint before(mw().scene().FrelonX, mw().scene().FrelonY);
        key(Qt::Key_F);
        key(Qt::Key_H);
        QCOMPARE(TolunBug::NombreDeTirs, 0);
        QVERIFY(!mw().scene().Fire);
        QCOMPARE(QPoint(mw().scene().FrelonX, mw().scene().FrelonY), before);
        // S before any shot: nothing.
        key(Qt::Key_S);
        QVERIFY(m_modals->shown.isEmpty());
        QVERIFY(m_sounds->played().isEmpty());

        // G, G, G: start, pause, resume; two games.
        key(Qt::Key_G);
        QVERIFY(mw().TimerFrelon().isOn());
        QVERIFY(mw().TimerBee().isOn());
        QCOMPARE(mw().PBGo().text(), QStringLiteral("Stop"));
        key(Qt::Key_G);
        QVERIFY(!mw().TimerFrelon().isOn());
        QVERIFY(!mw().TimerBee().isOn());
        QCOMPARE(mw().PBGo().text(), QStringLiteral("Go"));
        QTest::keyClick(m_mw, Qt::Key_G, Qt::ShiftModifier);
        QVERIFY(mw().TimerFrelon().isOn());
        QCOMPARE(TolunBug::NombreDeParties, 2);
        QCOMPARE(m_sounds->played(), (QStringList { "bee.mp3", "bee.mp3" }));

        // F while running: a shot, counted and heard; S then shows the score.
        key(Qt::Key_F);
        QVERIFY(mw().scene().Fire);
        QCOMPARE(TolunBug::NombreDeTirs, 1);
        QCOMPARE(m_sounds->played().last(), QStringLiteral("machine_gun_1.mp3"));
        key(Qt::Key_S);
        QCOMPARE(m_modals->shown, QStringList { "WBilan" });

        // H while running: abort, a new scene, stopped.
        key(Qt::Key_H);
        QVERIFY(!mw().TimerFrelon().isOn());
        QVERIFY(!mw().TimerBee().isOn());
        QVERIFY(!mw().scene().Fire);
        // S works while stopped too.
        key(Qt::Key_S);
        QCOMPARE(m_modals->shown.size(), 2);
    }

    void theKeyHandlerNeverHandlesAKey()
    {
        for (const QString& text : { "g", "G", "f", "s", "h", "x", "" })
            QVERIFY(!mw().Event_KeyDown(text));
    }

    void arrowsTurnTheGunAtEveryKeyEvent()
    {
        mw().scene().alpha = 0;
        QTest::keyPress(m_mw, Qt::Key_Down);
        QVERIFY(std::abs(mw().scene().alpha - 1 * kDegreToRadian) < 1e-12);
        // Held down while G is pressed: the same event turns the gun and starts the game.
        key(Qt::Key_G);
        QVERIFY(std::abs(mw().scene().alpha - 2 * kDegreToRadian) < 1e-12);
        QVERIFY(mw().TimerFrelon().isOn());
        QTest::keyRelease(m_mw, Qt::Key_Down);
        key(Qt::Key_G);

        // Both held at +90 degrees: down clamps, up takes one away.
        mw().scene().alpha = 90 * kDegreToRadian;
        QTest::keyPress(m_mw, Qt::Key_Down);
        QTest::keyPress(m_mw, Qt::Key_Up);
        QVERIFY(std::abs(mw().scene().alpha - 89 * kDegreToRadian) < 1e-12);
        QCOMPARE(mw().scene().Canon.rotation, mw().scene().alpha);
        QTest::keyRelease(m_mw, Qt::Key_Up);
        QTest::keyRelease(m_mw, Qt::Key_Down);

        // Left and right do nothing.
        const double alpha = mw().scene().alpha;
        key(Qt::Key_Left);
        key(Qt::Key_Right);
        QCOMPARE(mw().scene().alpha, alpha);
    }

    void aShotIsDrawnRedFromTheMuzzleForSixPaints()
    {
        placeHornet(400, 60); // far from the level line at y 218
        key(Qt::Key_G);
        key(Qt::Key_G); // stopped: only our paints count
        mw().scene().Fire = true;
        const QImage shot = paint();
        // Red along the line from the muzzle (64, 218) to the right edge, none above.
        QVERIFY(countRed(shot, QRect(70, 215, 500, 7)) > 900);
        QCOMPARE(countRed(shot, QRect(70, 100, 500, 100)), 0);
        QCOMPARE(mw().scene().NbrHit, 1);
        for (int i = 0; i < 5; ++i)
            paint();
        QVERIFY(!mw().scene().Fire);
        QCOMPARE(mw().scene().NbrHit, 0);
        QCOMPARE(countRed(paint(), QRect(70, 216, 500, 5)), 0);
    }

    void aHitExplodesCountsOnceAndTheNextPaintShowsOnlyTheSky()
    {
        key(Qt::Key_G);
        placeHornet(300, 230); // 12 below the level line
        key(Qt::Key_F);
        key(Qt::Key_G); // paused during the shot: Fire stays, the next paint still tests
        QVERIFY(mw().scene().Fire);
        m_sounds->clear();

        const QImage hit = paint();
        QCOMPARE(TolunBug::NombreDeFrelonsAbbatus, 1);
        QVERIFY(!mw().scene().NoExplosion);
        QCOMPARE(m_sounds->played(), QStringList { "explosion.mp3" });
        // The line stops at the foot (300, 218); the explosion covers the hornet.
        const QColor centre = hit.pixelColor(300, 218);
        QVERIFY(centre.red() > 200 && centre.green() > 120);
        QCOMPARE(mw().scene().NbrHit, 1);

        // The next paint draws nothing, resets the scene and never counts again.
        const QImage after = paint();
        QCOMPARE(TolunBug::NombreDeFrelonsAbbatus, 1);
        QVERIFY(mw().scene().NoExplosion);
        QVERIFY(!mw().scene().Fire);
        QVERIFY(!mw().TimerFrelon().isOn());
        QCOMPARE(after, mw().Cnvs().backdrop().toImage().convertToFormat(after.format()));
        // A shot ended by a hit leaves its count for the next one.
        QCOMPARE(mw().scene().NbrHit, 1);
    }

    void aPausedShotCanStillHitAtAnArrowKeysRepaint()
    {
        key(Qt::Key_G);
        placeHornet(300, 200); // 18 above the level line
        mw().scene().alpha = 3 * kDegreToRadian; // aimed away: misses
        mw().scene().Canon.rotation = mw().scene().alpha;
        key(Qt::Key_F);
        key(Qt::Key_G);
        paint();
        QCOMPARE(TolunBug::NombreDeFrelonsAbbatus, 0);
        // Turning up brings the line onto the hornet: the arrow's repaint hits.
        for (int i = 0; i < 3; ++i) {
            QTest::keyPress(m_mw, Qt::Key_Up);
            QTest::keyRelease(m_mw, Qt::Key_Up);
        }
        QTRY_COMPARE(TolunBug::NombreDeFrelonsAbbatus, 1);
    }

    void scoreSummary()
    {
        struct Case {
            int parties, tirs, abattus, score;
        };
        for (const Case c : { Case { 1, 1, 1, 100 }, Case { 2, 4, 2, 50 }, Case { 1, 3, 0, 0 } })
            QCOMPARE(TolunBug::Score(c.parties, c.abattus, c.tirs), c.score);

        TolunBug::NombreDeParties = 2;
        TolunBug::NombreDeTirs = 4;
        TolunBug::NombreDeFrelonsAbbatus = 2;
        TolunBasic::Langage = 2;
        TolunBug::LangageBug();
        TolunBug::ShowResult();
        QCOMPARE(m_modals->scoreLines,
            (QStringList { "Anzahl der Spiele: 2", "Nombre de frelons abattus: 2", "Anzahl der Schüsse: 4", "Ihr Ergebnis:: 50" }));

        // No shot: the score line keeps what it showed.
        TolunBug::NombreDeTirs = 0;
        TolunBug::ShowResult();
        QCOMPARE(m_modals->scoreLines.last(), QStringLiteral("Ihr Ergebnis:: 50"));
    }

    void scoreWindowActivation()
    {
        WBilan& bilan = WBilan::instance();
        TolunBasic::StrOk = QStringLiteral("Ok");
        TolunBasic::PBHeight = 20;
        bilan.IsOk = true;
        bilan.Event_Activate();
        QCOMPARE(bilan.PBOk().text(), QStringLiteral("Ok"));
        QCOMPARE(bilan.PBOk().geometry(), QRect(101, 142, 120, 20));
        QVERIFY(!bilan.IsOk);
        bilan.show();
        bilan.PBOk().click();
        QVERIFY(bilan.IsOk);
        QVERIFY(bilan.isHidden());
    }

    void helpTexts_data()
    {
        QTest::addColumn<int>("langage");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("line2");
        QTest::addColumn<QString>("line9");
        QTest::newRow("English") << 0 << "Help" << "- To start the game, tap the \"G\" key."
                                 << "   In the preferences you can change the speed of the Hornet";
        QTest::newRow("French") << 1 << "Aide" << "- Pour démarrer le jeu, tapez sur la touche \"G\"."
                                << "   Dans les préférences vous pouvez changer la vitesse du frelon.";
        QTest::newRow("German") << 2 << "Hilfe" << "- Um das Spiel zu starten, tippen Sie auf das \"G\"-Taste."
                                << "   In den Einstellungen können Sie die Geschwindigkeit der Hornet ändern.";
    }
    void helpTexts()
    {
        QFETCH(int, langage);
        QFETCH(QString, title);
        QFETCH(QString, line2);
        QFETCH(QString, line9);
        TolunBasic::Langage = langage;
        TolunBug::LangageBug();
        const QStringList lines = TolunBug::StrHelp.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 9);
        QVERIFY(!TolunBug::StrHelp.endsWith(QLatin1Char('\n')));
        QVERIFY(!TolunBug::StrHelp.contains(QLatin1Char('\r')));
        QCOMPARE(lines.at(1), line2);
        QCOMPARE(lines.at(8), line9);
        QVERIFY(lines.at(0).startsWith(QStringLiteral("   Zumblo ")));
        for (int i = 1; i < 8; ++i)
            QVERIFY(lines.at(i).startsWith(QStringLiteral("- ")));
        // Keys G, F, G, H, S in quotes, on lines 2, 3, 5, 7, 8.
        const QString keys = QStringLiteral("GFGHS");
        const int keyLines[] = { 1, 2, 4, 6, 7 };
        for (int i = 0; i < 5; ++i)
            QVERIFY(lines.at(keyLines[i]).contains(QLatin1Char('"') + keys.at(i) + QLatin1Char('"')));
        QCOMPARE(WHelp::instance().windowTitle(), title);
        QCOMPARE(WHelp::instance().TAHelp().toPlainText(), TolunBug::StrHelp);
        QCOMPARE(WBilan::instance().windowTitle(), QStringLiteral("Score"));
        QCOMPARE(TolunBug::StrNbrAbattus, QStringLiteral("Nombre de frelons abattus: "));
    }

    void aCodeOutsideTheThreeLanguagesChangesNoText()
    {
        TolunBasic::Langage = 1;
        TolunBug::LangageBug();
        TolunBasic::Langage = 3;
        TolunBug::LangageBug();
        QCOMPARE(WHelp::instance().windowTitle(), QStringLiteral("Aide"));
        QCOMPARE(WHelp::instance().PBHide().text(), QStringLiteral("Fermer"));
        QCOMPARE(TolunBug::StrScore, QStringLiteral("Votre score: "));
        QVERIFY(TolunBug::StrHelp.startsWith(QStringLiteral("   Zumblo est")));
        QVERIFY(!GameTextsFor(-1) && !GameTextsFor(3));
    }

    void switchingLanguageRelabelsAnOpenHelpWindow()
    {
        TolunBasic::Langage = 0;
        TolunBug::LangageBug();
        WHelp& help = WHelp::instance();
        help.show();
        TolunBasic::Langage = 2;
        TolunBug::LangageBug();
        QCOMPARE(help.windowTitle(), QStringLiteral("Hilfe"));
        QCOMPARE(help.PBHide().text(), QStringLiteral("Schliessen"));
        QVERIFY(help.TAHelp().toPlainText().startsWith(QStringLiteral("   Zumblo ist")));
        help.PBHide().click();
        QVERIFY(help.isHidden());
    }

    void theHelpOpensByItselfAfterThreeSeconds()
    {
        QVERIFY(mw().TimerHelp().isOn());
        QVERIFY(!WHelp::exists() || WHelp::instance().isHidden());
        QTRY_VERIFY_WITH_TIMEOUT(WHelp::exists() && WHelp::instance().isVisible(), 4000);
        QVERIFY(!mw().TimerHelp().isOn());
    }
};

ZUMBLO_TEST_MAIN(TestGame)
#include "test_game.moc"
