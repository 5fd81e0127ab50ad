#include "shell/App.h"

#include "game/MW.h"
#include "game/Media.h"
#include "game/TolunBug.h"
#include "game/WHelp.h"
#include "localization/AutoLangModule.h"
#include "localization/TolunBasic.h"
#include "platform/MessageBox.h"
#include "recents/ModMenuRecents05112012.h"
#include "updates/SparkleModule.h"
#include "shell/AppTitle.h"
#include "shell/MainMenuBar.h"
#include "shell/SplashScreen.h"
#include "shell/WindowPlacement.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

namespace {

Q_LOGGING_CATEGORY(lcApp, "zumblo.app")

constexpr std::int32_t kPrefVersion = 5;
constexpr std::int32_t kWindowBarHeight = 20;
constexpr double kDefaultLength = 135.0;
constexpr double kScaleLength = 500.0;

// A menu command: runs guarded, so that an error in it reaches the
// application's handler.
template <class Handler>
void bind(QAction* action, Handler handler)
{
    QObject::connect(action, &QAction::triggered, action, [handler] { platform::runGuarded([&] { handler(); }); });
}

} // namespace

App::App(int& argc, char** argv)
    : platform::Application(argc, argv)
{
    setApplicationName(QStringLiteral("Zumblo"));
    setOrganizationName(QStringLiteral("Orlentis"));
    setUnhandledExceptionHandler([this](const std::exception& error) { Event_UnhandledException(error); });
}

App* App::instance()
{
    return dynamic_cast<App*>(QCoreApplication::instance());
}

void App::Launch()
{
    // The main window is the default window: made (and opened) now, with its menu bar.
    platform::runGuarded([this] {
        MW::instance();
        bindMenuCommands();
    });
    if (MW::exists())
        MW::instance().show();
    QTimer::singleShot(0, this, [this] { platform::runGuarded([this] { Event_Open(); }); });
}

void App::bindMenuCommands()
{
    MainMenuBar* menus = MainMenuBar::existing();
    if (!menus)
        return;
    bind(menus->AidePreferences, [this] { _AidePreferences_Action(); });
    bind(menus->AideHelp, [this] { _AideHelp_Action(); });
    bind(menus->MenuOpen, [this] { _MenuOpen_Action(); });
    bind(menus->MenuShowHideTools, [this] { _MenuShowHideTools_Action(); });
    // The quit item starts the application's quit, which ends in DoClose.
    bind(menus->FileQuit, [this] { Event_CancelClose(); });
}

void App::Event_Open()
{
    const QString title = ApplicationTitle(CurrentVersionText());
    PrefVersion = kPrefVersion;
    MainMenuBar* menus = MainMenuBar::existing();
    if (menus)
        menus->MenuTools->menuAction()->setVisible(false);
    Quitter = false;
    SetBgkPicture(Media::require(Media::ADog(), "ADog"), SplashScreen::instance());
    ModMenuRecents05112012::InitRecents(ModMenuRecents05112012::MenuRecentIndex);

    WindowBarHeight = kWindowBarHeight;
    MW& mw = MW::instance();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        mw.setWindowRect(MainWindowRect(screen->availableGeometry(), WindowBarHeight));
    const QRect placed = mw.windowRect();
    TolunBasic::MWTop = placed.top();
    TolunBasic::MWLeft = placed.left();
    TolunBasic::MWWidth = placed.width();
    TolunBasic::MWHeight = placed.height();

    locatePreferences();

    DefaultLength = kDefaultLength;
    SetLongueur(kDefaultLength);
    TolunBasic::Langage = 0;
    Unit = 0;
    Orientation = 1;

    TolunBasic::Langage = AutoLangModule::GetAutomaticLangage();
    TolunBasic::SetLangage();

    SparkleModule::CheckAtStart = false;
    TolunBasic::MWLeft = mw.windowRect().left();
    TolunBasic::MWTop = mw.windowRect().top();
    TolunBug::MaxVx = TolunBug::kDefaultMaxVx;

    PreferencesFileInUse = false;
    ReadPreferences();
    SetLongueur(Longueur);

    ModMenuRecents05112012::SetRecentsMenus();
    TolunBasic::SetLangage();

    mw.ResetExplosion();

    SplashScreen& splash = SplashScreen::instance();
    splash.STSplash().setText(TolunBasic::StrWelcome + QLatin1Char('\n') + title + QStringLiteral(" !"));
    splash.STInfos().setText(TolunBasic::StrToStart);
    splash.show();
    splash.raise();
    splash.TimerSplash().setOn(true);

    mw.setWindowTitle(title);
    SomeThingHasChanged = false;
    if (menus)
        menus->MenuShowHideTools->setVisible(false);

    mw.TimerFrelon().setOn(false);
    mw.TimerBee().setOn(mw.TimerFrelon().isOn());
    mw.TimerHelp().setOn(true);

    TolunBug::NombreDeParties = 0;
    TolunBug::NombreDeFrelonsAbbatus = 0;
    TolunBug::NombreDeTirs = 0;
}

void App::locatePreferences()
{
    PreferencesFileName = QStringLiteral("MacPrefsZumblo.txt");
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QDir folder(config + QStringLiteral("/Orlentis"));
    // A folder that cannot be made shows up as the file's error when it is read.
    QDir().mkpath(folder.absolutePath());
    PrefsFolder = folder.absolutePath() + QLatin1Char('/');
    PrefFile = PrefsFolder + PreferencesFileName;
}

void App::SetLongueur(double length)
{
    Longueur = length;
    Scale = Longueur / kScaleLength;
}

QRect App::mainWindowRect() const
{
    if (MW::exists())
        return MW::instance().windowRect();
    return QRect(TolunBasic::MWLeft, TolunBasic::MWTop, TolunBasic::MWWidth, TolunBasic::MWHeight);
}

bool App::Event_CancelClose()
{
    return DoClose();
}

bool App::Event_UnhandledException(const std::exception& error)
{
    qCWarning(lcApp) << "unhandled error:" << error.what();
    // Before the first language switch the table is still empty.
    const QString text = TolunBasic::StrVeryBadError.isEmpty() ? QString::fromUtf8(error.what()) : TolunBasic::StrVeryBadError;
    platform::MsgBox(text, 0, applicationName());
    return true;
}

bool App::_AidePreferences_Action()
{
    DoPrefs();
    return false;
}

bool App::_AideHelp_Action()
{
    DoHelp();
    return true;
}

bool App::_MenuShowHideTools_Action()
{
    return false;
}

void App::UpdateMenus()
{
}

void App::SetBgkPicture(const QPixmap& picture, QWidget& window)
{
    const QSize size = window.size();
    if (size.isEmpty() || picture.isNull())
        return;
    const QRect source = CropToFill(picture.size(), size);
    QPixmap backdrop(size);
    QPainter painter(&backdrop);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(backdrop.rect(), picture, source);
    painter.end();
    QPalette palette = window.palette();
    palette.setBrush(QPalette::Window, QBrush(backdrop));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

bool App::DoClose()
{
    if (SomeThingHasChanged) {
        TolunBug::ShowResult();
        SomeThingHasChanged = false;
    }
    UpdateMenus();
    Quitter = true;
    SomeThingHasChanged = false;
    QuitDone = true;
    requestQuit();
    return false;
}

void App::DoHelp()
{
    WHelp& help = WHelp::instance();
    help.show();
    help.raise();
}
