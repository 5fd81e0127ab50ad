// The shell around the game, without the application object: the title, the
// window's place, the splash screen, the menu bar and the languages.
#include "game/MW.h"
#include "game/WHelp.h"
#include "localization/AutoLangModule.h"
#include "localization/TolunBasic.h"
#include "platform/TextNumber.h"
#include "shell/AppTitle.h"
#include "shell/MainMenuBar.h"
#include "shell/SplashScreen.h"
#include "shell/WindowPlacement.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

class TestShell : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { testsupport::resetGlobals(); }
    void cleanup() { testsupport::resetGlobals(); }

    void theTitleCarriesTheVersionAfterTwoBlanks()
    {
        QCOMPARE(ApplicationTitle(VersionText(2, 0, 0, 12)), QStringLiteral("Zumblo  Version 2.0.0 (Build 12)"));
        QVERIFY(ApplicationTitle(CurrentVersionText()).startsWith(QStringLiteral("Zumblo  Version ")));
    }

    void theMainWindowFillsTheScreenBelowTheWindowBar()
    {
        // A 1440 x 900 screen whose menu bar and dock take 22 and 60 pixels.
        QCOMPARE(MainWindowRect(QRect(0, 22, 1440, 818), 20), QRect(0, 42, 1440, 798));
        QCOMPARE(MainWindowRect(QRect(1920, 0, 1280, 800), 20), QRect(1920, 20, 1280, 780));
    }

    void cropToFill_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("source");
        // Into the 500 x 162 splash screen.
        QTest::newRow("wide picture") << QSize(1000, 500) << QRect(0, 88, 1000, 324);
        QTest::newRow("square picture") << QSize(600, 600) << QRect(0, 203, 600, 194);
        QTest::newRow("wider than the window") << QSize(1000, 100) << QRect(346, 0, 308, 100);
        QTest::newRow("same proportions") << QSize(1000, 324) << QRect(0, 0, 1000, 324);
    }
    void cropToFill()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, source);
        QCOMPARE(CropToFill(picture, SplashScreen::kSize), source);
    }

    void theSplashScreenGoesAfterThreeSecondsOrAtAClick()
    {
        SplashScreen& splash = SplashScreen::instance();
        QCOMPARE(splash.size(), QSize(500, 162));
        QVERIFY(splash.isHidden());
        QVERIFY(!splash.ImageWell1().pixmap().isNull());
        splash.show();
        splash.TimerSplash().setOn(true);
        QTest::qWait(2500);
        QVERIFY(splash.isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(splash.isHidden(), 1500);
        QVERIFY(MW::instance().isVisible());

        // A click hides it at once and the timer does not fire later.
        MW::instance().hide();
        splash.show();
        splash.TimerSplash().setOn(true);
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(250, 80));
        QVERIFY(splash.isHidden());
        QVERIFY(!splash.TimerSplash().isOn());
        QVERIFY(MW::instance().isVisible());
        const auto ticks = splash.TimerSplash().ticksDelivered();
        QTest::qWait(3200);
        QCOMPARE(splash.TimerSplash().ticksDelivered(), ticks);
    }

    void theMenuBarAsDesigned()
    {
        MainMenuBar* menus = MainMenuBar::existing();
        QVERIFY(!menus);
        MW::instance();
        menus = MainMenuBar::existing();
        QVERIFY(menus);
        const QList<QAction*> top = menus->actions();
        QCOMPARE(top.size(), 4);
        QCOMPARE(menus->FichierMenu->title(), QStringLiteral("&Fichier"));
        QCOMPARE(menus->MenuRecent->text(), QStringLiteral("Sans_titre"));
        QCOMPARE(menus->FichierMenu->actions(),
            (QList<QAction*> { menus->MenuOpen, menus->MenuRecent, menus->FilePrtOptions, menus->FileQuit }));
        QCOMPARE(menus->EditMenu->actions().size(), 8);
        QVERIFY(menus->UntitledMenu1->isSeparator() && menus->UntitledMenu0->isSeparator());
        QCOMPARE(menus->AideMenu->actions(),
            (QList<QAction*> { menus->AideHelp, menus->AidePreferences, menus->UntitledSeparator0, menus->AideApropos, menus->MenuCheckUpdate }));

        struct Shortcut {
            QAction* item;
            const char* keys;
        };
        for (const Shortcut s : { Shortcut { menus->MenuOpen, "Ctrl+O" }, Shortcut { menus->FileQuit, "Ctrl+Q" },
                 Shortcut { menus->EditUndo, "Ctrl+Z" }, Shortcut { menus->EditCut, "Ctrl+X" }, Shortcut { menus->EditCopy, "Ctrl+C" },
                 Shortcut { menus->EditPaste, "Ctrl+V" }, Shortcut { menus->EditSelectAll, "Ctrl+A" }, Shortcut { menus->AideHelp, "F1" },
                 Shortcut { menus->AidePreferences, "Ctrl+," }, Shortcut { menus->AideApropos, "Ctrl+:" },
                 Shortcut { menus->MenuCheckUpdate, "Ctrl+;" }, Shortcut { menus->EditEffacer, "" } })
            QCOMPARE(s.item->shortcut(), QKeySequence(QString::fromLatin1(s.keys)));
        QCOMPARE(menus->FileQuit->menuRole(), QAction::QuitRole);
        QCOMPARE(menus->AidePreferences->menuRole(), QAction::PreferencesRole);
        QCOMPARE(menus->AideApropos->menuRole(), QAction::AboutRole);
        QCOMPARE(menus->MenuCheckUpdate->menuRole(), QAction::ApplicationSpecificRole);
    }

    void languageTables_data()
    {
        QTest::addColumn<int>("langage");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("about");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("unknown");
        QTest::newRow("English") << 0 << "File" << "About Zumblo..." << "Version " << "Cancel" << "Unknown error I/O ";
        QTest::newRow("French") << 1 << "&Fichier" << "À propos de Zumblo..." << "Version " << "Annuler" << "Erreur inconnue E/S ";
        QTest::newRow("German") << 2 << "Ablage" << "Über Zumblo..." << "Version" << "Abbrechen" << "Unbekannter Fehler I / O";
    }
    void languageTables()
    {
        QFETCH(int, langage);
        QFETCH(QString, file);
        QFETCH(QString, about);
        QFETCH(QString, version);
        QFETCH(QString, cancel);
        QFETCH(QString, unknown);
        MW::instance();
        TolunBasic::Langage = langage;
        TolunBasic::SetLangage();
        MainMenuBar* menus = MainMenuBar::existing();
        QCOMPARE(menus->FichierMenu->title(), file);
        QCOMPARE(menus->AideApropos->text(), about);
        QCOMPARE(TolunBasic::STVersionText, version);
        QCOMPARE(TolunBasic::StrCancel, cancel);
        QCOMPARE(TolunBasic::UnKnownError, unknown);
        QCOMPARE(TolunBasic::StrOk, QStringLiteral("Ok"));
        QCOMPARE(TolunBasic::PBHeight, 20);
        QCOMPARE(TolunBasic::YesPressed, 6);
        // The quit item keeps its text.
        QCOMPARE(menus->FileQuit->text(), QStringLiteral("Quitter"));

        // About text: lines that start with spaces; only German has an empty line.
        const QStringList lines = TolunBasic::AboutStr.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), langage == 2 ? 5 : 4);
        QCOMPARE(lines.contains(QString()), langage == 2);
        QVERIFY(lines.first().startsWith(langage == 2 ? QStringLiteral("   Zumblo") : QStringLiteral("     Zumblo")));
        QVERIFY(!TolunBasic::AboutStr.endsWith(QLatin1Char('\n')));
        // The game's texts follow.
        QCOMPARE(WHelp::instance().windowTitle(), (QStringList { "Help", "Aide", "Hilfe" }).at(langage));
    }

    void aCodeOutsideTheThreeChangesNoTextButTheTailStillRuns()
    {
        MW::instance();
        TolunBasic::Langage = 1;
        TolunBasic::SetLangage();
        TolunBasic::PBHeight = 0;
        TolunBasic::Langage = 3;
        TolunBasic::SetLangage();
        QCOMPARE(MainMenuBar::existing()->EditMenu->title(), QStringLiteral("Édition"));
        QCOMPARE(TolunBasic::Warning, QStringLiteral("Attention"));
        QCOMPARE(WHelp::instance().windowTitle(), QStringLiteral("Aide"));
        QCOMPARE(TolunBasic::PBHeight, 20);
        QVERIFY(!TolunBasic::VardoSiteURL.isEmpty());
    }

    void theSystemLanguagePicksTheCode()
    {
        QCOMPARE(AutoLangModule::kAutoLangage(QStringLiteral("fr_FR")), QStringLiteral("1"));
        QCOMPARE(AutoLangModule::kAutoLangage(QStringLiteral("fr_CH")), QStringLiteral("1"));
        QCOMPARE(AutoLangModule::kAutoLangage(QStringLiteral("de_DE")), QStringLiteral("2"));
        QCOMPARE(AutoLangModule::kAutoLangage(QStringLiteral("en_US")), QStringLiteral("0"));
        QCOMPARE(AutoLangModule::kAutoLangage(QStringLiteral("ja_JP")), QStringLiteral("0"));

        // The system's own language comes from the environment (the end-to-end
        // test starts the game in French); here, only what the call records.
        const std::int32_t code = AutoLangModule::GetAutomaticLangage();
        QCOMPARE(code, platform::LeadingInteger(AutoLangModule::kAutoLangage()));
        QCOMPARE(AutoLangModule::AutoLangage, code);
        QVERIFY(AutoLangModule::Automatic);

        // A table whose text for the language is not a number gives English.
        testsupport::ResourcesWithout resources({ QStringLiteral("AutoLangage.txt") });
        QFile table(QDir(resources.folder()).filePath(QStringLiteral("AutoLangage.txt")));
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("fr=un\nde=\ndefault=2\n");
        table.close();
        QCOMPARE(platform::LeadingInteger(AutoLangModule::kAutoLangage(QStringLiteral("fr"))), 0);
        QCOMPARE(platform::LeadingInteger(AutoLangModule::kAutoLangage(QStringLiteral("de"))), 0);
        QCOMPARE(AutoLangModule::kAutoLangage(QStringLiteral("it")), QStringLiteral("2"));
    }

    void leadingNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("digits") << "42" << 42.0;
        QTest::newRow("digits then text") << "5abc" << 5.0;
        QTest::newRow("sign and fraction") << "-12.75x" << -12.75;
        QTest::newRow("leading blanks") << "  7" << 7.0;
        QTest::newRow("exponent") << "1.5e3" << 1500.0;
        QTest::newRow("dangling exponent") << "3e" << 3.0;
        QTest::newRow("fraction only") << ".5" << 0.5;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("text") << "abc" << 0.0;
        QTest::newRow("lone sign") << "-" << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
    }
    void leadingNumbers()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(platform::LeadingNumber(text), number);
    }
};

ZUMBLO_TEST_MAIN(TestShell)
#include "test_shell.moc"
