#include "tests/support/TestSupport.h"

#include "game/MW.h"
#include "game/Media.h"
#include "game/TolunBug.h"
#include "game/WBilan.h"
#include "game/WHelp.h"
#include "localization/AutoLangModule.h"
#include "localization/TolunBasic.h"
#include "shell/App.h"
#include "shell/SplashScreen.h"
#include "platform/MessageBox.h"
#include "platform/OpenFileDialog.h"
#include "preferences/PrefsDlg.h"
#include "recents/ModMenuRecents05112012.h"
#include "updates/SparkleModule.h"
#include "platform/ResourcesFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

#include <memory>

namespace testsupport {
namespace {

    std::unique_ptr<QTemporaryDir>& configHomeDir()
    {
        static std::unique_ptr<QTemporaryDir> dir;
        return dir;
    }

} // namespace

QString configHome()
{
    return configHomeDir()->path();
}

QString preferencesFilePath()
{
    return configHome() + QStringLiteral("/Orlentis/MacPrefsZumblo.txt");
}

void resetGlobals()
{
    // Each case starts as a new user, with a configuration folder of its own.
    configHomeDir() = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
    platform::setOpenFileHandler(nullptr);
    PrefsDlg::destroyInstance();
    MW::destroyInstance();
    WHelp::destroyInstance();
    WBilan::destroyInstance();
    SplashScreen::destroyInstance();
    TolunBasic::Langage = 0;
    TolunBasic::MWTop = TolunBasic::MWLeft = TolunBasic::MWWidth = TolunBasic::MWHeight = 0;
    TolunBasic::PrefsDlgTitle.clear();
    TolunBasic::STLangageText.clear();
    TolunBasic::AutomaticLangage.clear();
    TolunBasic::EnglishLangage.clear();
    TolunBasic::FrenchLangage.clear();
    TolunBasic::GermanLangage.clear();
    TolunBasic::StrOk.clear();
    TolunBasic::StrCancel.clear();
    TolunBasic::AboutDlgTitle.clear();
    TolunBasic::STVersionText.clear();
    TolunBasic::STLocalIPText.clear();
    TolunBasic::STUpdateText.clear();
    TolunBasic::AboutStr.clear();
    TolunBasic::STmailName.clear();
    TolunBasic::StrWelcome.clear();
    TolunBasic::StrToStart.clear();
    TolunBasic::StrVeryBadError.clear();
    TolunBasic::Warning.clear();
    TolunBasic::ReadFileError.clear();
    TolunBasic::StrFileNotFound.clear();
    TolunBasic::StrDestDoesNotExistError.clear();
    TolunBasic::StrAccessDenied.clear();
    TolunBasic::StrNotEnoughMemory.clear();
    TolunBasic::StrFileInUse.clear();
    TolunBasic::StrInvalidName.clear();
    TolunBasic::StrIOError.clear();
    TolunBasic::UnKnownError.clear();
    TolunBasic::VardoSiteURL.clear();
    TolunBasic::VardoSiteMail.clear();
    TolunBasic::STCopyrightText.clear();
    TolunBasic::PBHeight = 0;
    TolunBasic::YesPressed = 0;
    ModMenuRecents05112012::NbrRecents = 0;
    ModMenuRecents05112012::MenuRecentIndex = 1;
    ModMenuRecents05112012::IndexDefaultRecent = -1;
    ModMenuRecents05112012::MenuOpenRecentText.clear();
    ModMenuRecents05112012::StrLoadFile.clear();
    ModMenuRecents05112012::StrWithdrawFromList.clear();
    ModMenuRecents05112012::StrEraseFileList.clear();
    ModMenuRecents05112012::StrRecentFilesLost.clear();
    SparkleModule::CheckAtStart = false;
    AutoLangModule::Automatic = false;
    AutoLangModule::AutoLangage = 0;
    TolunBug::StrHelp.clear();
    TolunBug::StrNbrParties.clear();
    TolunBug::StrNbrAbattus.clear();
    TolunBug::StrNbrTirs.clear();
    TolunBug::StrScore.clear();
    TolunBug::MaxVx = TolunBug::kDefaultMaxVx;
    TolunBug::NombreDeParties = 0;
    TolunBug::NombreDeFrelonsAbbatus = 0;
    TolunBug::NombreDeTirs = 0;
    platform::setResourcesFolder(QStringLiteral(ZUMBLO_TEST_RESOURCES));
    Media::clear();
}

void launchApp()
{
    App* app = App::instance();
    QVERIFY2(app, "the test program runs without the game's application object");
    app->Launch();
    QTRY_VERIFY(SplashScreen::exists() && SplashScreen::instance().isVisible());
}

void writeFile(const QString& path, const QByteArray& content)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(content), content.size());
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

MessageBoxRecorder::MessageBoxRecorder()
{
    platform::setMessageBoxHandler([this](const QString& text, int code, const QString& title) {
        m_calls.append({ text, code, title });
        if (m_answers.empty())
            return platform::OkPressed;
        const int answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    platform::setMessageBoxHandler(nullptr);
}

ResourcesWithout::ResourcesWithout(const QStringList& missing)
{
    const QDir source(QStringLiteral(ZUMBLO_TEST_RESOURCES));
    for (const QString& name : source.entryList(QDir::Files)) {
        if (!missing.contains(name))
            QFile::copy(source.filePath(name), QDir(m_dir.path()).filePath(name));
    }
    platform::setResourcesFolder(m_dir.path());
}

ResourcesWithout::~ResourcesWithout()
{
    platform::setResourcesFolder(QStringLiteral(ZUMBLO_TEST_RESOURCES));
}

void ResourcesWithout::restore(const QString& fileName)
{
    QVERIFY(QFile::copy(QDir(QStringLiteral(ZUMBLO_TEST_RESOURCES)).filePath(fileName), QDir(m_dir.path()).filePath(fileName)));
}

} // namespace testsupport
