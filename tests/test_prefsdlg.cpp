// The preferences dialog: what it shows, the live language, OK and Cancel.
#include "game/MW.h"
#include "game/TolunBug.h"
#include "localization/AutoLangModule.h"
#include "localization/TolunBasic.h"
#include "platform/ModalShow.h"
#include "preferences/PrefsDlg.h"
#include "shell/App.h"
#include "shell/MainMenuBar.h"
#include "tests/support/AppSession.h"
#include "tests/support/TestMain.h"
#include "tests/support/TestSupport.h"
#include "updates/SparkleModule.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include <functional>

class TestPrefsDlg : public QObject {
    Q_OBJECT
private:
    App& app() { return *App::instance(); }
    std::unique_ptr<testsupport::AppSession> m_session;

    // Runs the Preferences command; the user acts on the open dialog.
    void runPreferences(const std::function<void(PrefsDlg&)>& user)
    {
        int shown = 0;
        platform::setModalHandler([&](QDialog& dialog) {
            ++shown;
            auto& prefs = static_cast<PrefsDlg&>(dialog);
            prefs.show();
            user(prefs);
            prefs.hide();
            return prefs.result();
        });
        MainMenuBar::existing()->AidePreferences->trigger();
        platform::setModalHandler(nullptr);
        QCOMPARE(shown, 1);
    }

    QByteArray preferencesFile() const { return testsupport::readFile(testsupport::preferencesFilePath()); }

private Q_SLOTS:
    void init()
    {
        m_session = std::make_unique<testsupport::AppSession>();
        testsupport::launchApp();
    }
    void cleanup()
    {
        m_session.reset();
    }

    void showsTheStoredValuesLaidOut()
    {
        TolunBug::MaxVx = 17;
        SparkleModule::CheckAtStart = true;
        AutoLangModule::Automatic = false;
        TolunBasic::Langage = 1;
        TolunBasic::SetLangage();
        runPreferences([](PrefsDlg& dialog) {
            QCOMPARE(dialog.Slider1().value(), 17);
            QCOMPARE(dialog.LabelVitesse().text(), QStringLiteral("17 m/s"));
            QVERIFY(dialog.CBUpdAtStart().isChecked());
            QCOMPARE(dialog.PPLangage().currentIndex(), 2);
            QCOMPARE(dialog.PPLangage().currentText(), QStringLiteral("Français"));
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Préférences"));
            QCOMPARE(dialog.LabelSpeed().text(), QStringLiteral("Vitesse du frelon"));
            QCOMPARE(dialog.LabelMin().text(), QStringLiteral("4 m/s"));
            QCOMPARE(dialog.LabelMax().text(), QStringLiteral("50 m/s"));
            QCOMPARE(dialog.CBUpdAtStart().x(), 35);
            QCOMPARE(dialog.PBOk().y(), 171);
            QCOMPARE(dialog.PBCancel().y(), 171);
            QCOMPARE(dialog.size(), QSize(539, 211));
            QCOMPARE(dialog.PBOk().text(), QStringLiteral("Ok"));
            QCOMPARE(dialog.PBCancel().text(), QStringLiteral("Annuler"));
            // Filling the pop-up from code chose nothing.
            QCOMPARE(TolunBasic::Langage, 1);
            QVERIFY(!AutoLangModule::Automatic);
            QTest::mouseClick(&dialog.PBCancel(), Qt::LeftButton);
        });
    }

    void okRescalesTheFlyingHornetAndWrites()
    {
        Scene& scene = MW::instance().scene();
        scene.Vx = 3;
        scene.Vy = -4;
        QVERIFY(QFile::remove(testsupport::preferencesFilePath()));
        runPreferences([](PrefsDlg& dialog) {
            dialog.Slider1().setValue(10);
            QCOMPARE(dialog.LabelVitesse().text(), QStringLiteral("10 m/s"));
            QTest::mouseClick(&dialog.CBUpdAtStart(), Qt::LeftButton);
            QTest::mouseClick(&dialog.PBOk(), Qt::LeftButton);
        });
        QCOMPARE(TolunBug::MaxVx, 10);
        QCOMPARE(scene.Vx, 6);
        QCOMPARE(scene.Vy, -8);
        QVERIFY(SparkleModule::CheckAtStart);
        QVERIFY(preferencesFile().endsWith("CheckAtStart\ntrue\n1\n10\n"));
    }

    void okWithNothingChangedStillWrites()
    {
        Scene& scene = MW::instance().scene();
        scene.Vx = 3;
        scene.Vy = -4;
        QVERIFY(QFile::remove(testsupport::preferencesFilePath()));
        runPreferences([](PrefsDlg& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
        QCOMPARE(scene.Vx, 3);
        QCOMPARE(scene.Vy, -4);
        QVERIFY(preferencesFile().endsWith("CheckAtStart\nfalse\n1\n5\n"));
    }

    void pickingALanguageAppliesAtOnceAndCancelRestores()
    {
        AutoLangModule::Automatic = false;
        TolunBasic::Langage = 0;
        TolunBasic::SetLangage();
        QVERIFY(QFile::remove(testsupport::preferencesFilePath()));
        MainMenuBar* menus = MainMenuBar::existing();
        runPreferences([menus](PrefsDlg& dialog) {
            QCOMPARE(dialog.PPLangage().currentIndex(), 1);
            dialog.Slider1().setValue(30);
            // The user steps the pop-up from English down to French.
            QTest::keyClick(&dialog.PPLangage(), Qt::Key_Down);
            QCOMPARE(TolunBasic::Langage, 1);
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Préférences"));
            QCOMPARE(dialog.STLangage().text(), TolunBasic::STLangageText);
            QCOMPARE(dialog.PPLangage().itemText(0), QStringLiteral("Automatique"));
            QCOMPARE(dialog.PPLangage().currentIndex(), 2);
            QCOMPARE(dialog.PBCancel().text(), QStringLiteral("Annuler"));
            QCOMPARE(menus->FichierMenu->title(), QStringLiteral("&Fichier"));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(TolunBasic::Langage, 0);
        QVERIFY(!AutoLangModule::Automatic);
        QCOMPARE(menus->FichierMenu->title(), QStringLiteral("File"));
        QCOMPARE(TolunBug::MaxVx, 5);
        QVERIFY(!QFile::exists(testsupport::preferencesFilePath()));
    }

    void theAutomaticRowFollowsTheSystem()
    {
        AutoLangModule::Automatic = false;
        TolunBasic::Langage = 2;
        TolunBasic::SetLangage();
        runPreferences([](PrefsDlg& dialog) {
            dialog.PPLangage().setCurrentIndex(0);
            Q_EMIT dialog.PPLangage().activated(0);
            QVERIFY(AutoLangModule::Automatic);
            QCOMPARE(TolunBasic::Langage, AutoLangModule::SystemLangage());
            QCOMPARE(dialog.PPLangage().currentIndex(), 0);
            QTest::mouseClick(&dialog.PBOk(), Qt::LeftButton);
        });
        const QList<QByteArray> lines = preferencesFile().split('\n');
        QCOMPARE(lines.value(7).toInt(), AutoLangModule::SystemLangage());
        QCOMPARE(lines.value(18), QByteArray("1"));
    }
};

ZUMBLO_TEST_MAIN_WITH(TestPrefsDlg, App)
#include "test_prefsdlg.moc"
