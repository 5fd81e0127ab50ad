// The application object: start-up, shutdown and the handler of errors that
// nothing else caught.
#include "game/MW.h"
#include "game/Media.h"
#include "game/TolunBug.h"
#include "game/WBilan.h"
#include "game/WHelp.h"
#include "localization/TolunBasic.h"
#include "platform/ModalShow.h"
#include "shell/App.h"
#include "shell/AppTitle.h"
#include "shell/MainMenuBar.h"
#include "shell/SplashScreen.h"
#include "shell/WindowPlacement.h"
#include "tests/support/AppSession.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestSupport.h"

#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QtTest>

class TestApp : public QObject {
    Q_OBJECT
private:
    App& app() { return *App::instance(); }
    QStringList m_modals;
    std::unique_ptr<testsupport::AppSession> m_session;

    void startUp()
    {
        app().Launch();
        QTRY_VERIFY(SplashScreen::exists() && SplashScreen::instance().isVisible());
    }

private Q_SLOTS:
    void init()
    {
        m_session = std::make_unique<testsupport::AppSession>();
        m_modals.clear();
        platform::setModalHandler([this](QDialog& dialog) {
            m_modals.append(dialog.metaObject()->className());
            return 0;
        });
        app().SomeThingHasChanged = false;
    }
    void cleanup()
    {
        platform::setModalHandler(nullptr);
        m_session.reset();
    }

    void startUpSequence()
    {
        startUp();
        MW& mw = MW::instance();
        QCOMPARE(mw.windowTitle(), ApplicationTitle(CurrentVersionText()));
        QVERIFY(mw.windowTitle().startsWith(QStringLiteral("Zumblo  Version ")));
        QCOMPARE(app().PrefVersion, 5);
        QCOMPARE(app().WindowBarHeight, 20);
        QCOMPARE(app().Scale, 135.0 / 500);
        QCOMPARE(TolunBug::MaxVx, 5);

        const QRect expected = MainWindowRect(QGuiApplication::primaryScreen()->availableGeometry(), 20);
        // The offscreen platform's pretend frame nudges the first move by its
        // border's width; size and top are exact.
        QCOMPARE(mw.windowRect().size(), expected.size());
        QCOMPARE(mw.windowRect().top(), expected.top());
        // The window's place is remembered as it was computed.
        QCOMPARE(QRect(TolunBasic::MWLeft, TolunBasic::MWTop, TolunBasic::MWWidth, TolunBasic::MWHeight), expected);

        MainMenuBar* menus = MainMenuBar::existing();
        QVERIFY(!menus->MenuTools->menuAction()->isVisible());
        QVERIFY(!menus->MenuShowHideTools->isVisible());
        QCOMPARE(TolunBasic::PBHeight, 20);

        SplashScreen& splash = SplashScreen::instance();
        QVERIFY(splash.STSplash().text().endsWith(mw.windowTitle() + QStringLiteral(" !")));
        QVERIFY(splash.TimerSplash().isOn());
        QVERIFY(!mw.TimerFrelon().isOn());
        QVERIFY(!mw.TimerBee().isOn());
        QVERIFY(mw.TimerHelp().isOn());
        QCOMPARE(TolunBug::NombreDeParties + TolunBug::NombreDeTirs + TolunBug::NombreDeFrelonsAbbatus, 0);
        QVERIFY(!app().SomeThingHasChanged);
        QVERIFY(m_session->boxes().calls().isEmpty());
        // F1 opens the help from the active game window.
        mw.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&mw));
        QTest::keyClick(&mw, Qt::Key_F1);
        QVERIFY(WHelp::instance().isVisible());
    }

    void quittingAfterAGameShowsTheScoreOnce()
    {
        startUp();
        MW& mw = MW::instance();
        QTest::keyClick(&mw, Qt::Key_G);
        QVERIFY(app().SomeThingHasChanged);
        MainMenuBar::existing()->FileQuit->trigger();
        QCOMPARE(m_modals, QStringList { "WBilan" });
        QCOMPARE(m_session->quits(), 1);
        QVERIFY(app().QuitDone && app().Quitter);
        // The window closing on the way out does not show it again.
        mw.close();
        QCOMPARE(m_modals.size(), 1);
    }

    void quittingWithoutAGameQuitsAtOnce()
    {
        startUp();
        MW::instance().close();
        QVERIFY(m_modals.isEmpty());
        QCOMPARE(m_session->quits(), 1);
    }

    void errorsNothingCaughtShowTheLocalizedMessageOnce()
    {
        startUp();
        MW& mw = MW::instance();
        TolunBasic::Langage = 1;
        TolunBasic::SetLangage();
        const QString message = QStringLiteral("Vous êtes victime d'une erreur presque fatale...");
        testsupport::ResourcesWithout resources({ QStringLiteral("machine_gun_1.mp3"), QStringLiteral("Frelon_64x86.png") });

        // A key handler: F needs the machine-gun sound.
        QTest::keyClick(&mw, Qt::Key_G);
        QTest::keyClick(&mw, Qt::Key_F);
        QCOMPARE(m_session->boxes().calls().size(), 1);
        QCOMPARE(m_session->boxes().calls().at(0).text, message);

        // A paint: the hornet's shape is gone.
        mw.scene().Px.picture = QPixmap();
        mw.Cnvs().repaint();
        QCOMPARE(m_session->boxes().calls().size(), 2);

        // A timer action: the flight tick needs the hornet's picture.
        Media::clear();
        QTRY_COMPARE(m_session->boxes().calls().size(), 3);
        for (const auto& call : m_session->boxes().calls())
            QCOMPARE(call.text, message);

        // The loop goes on.
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        QTRY_VERIFY(ran);
    }
};

ZUMBLO_TEST_MAIN_WITH(TestApp, App)
#include "test_app.moc"
