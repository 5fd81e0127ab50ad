#include "shell/SplashScreen.h"

#include "game/MW.h"
#include "game/Media.h"
#include "game/WHelp.h"
#include "platform/Application.h"

#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

using namespace std::chrono_literals;

namespace {

constexpr int kWelcomePixelSize = 18;

QLabel* whiteLabel(QWidget* parent, QRect geometry)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAttribute(Qt::WA_TranslucentBackground);
    // White on a photograph: a soft shadow keeps it readable.
    auto* shadow = new QGraphicsDropShadowEffect(label);
    shadow->setBlurRadius(6);
    shadow->setOffset(1, 1);
    shadow->setColor(QColor(0, 0, 0, 200));
    label->setGraphicsEffect(shadow);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

} // namespace

SplashScreen::SplashScreen()
    : m_timerSplash(3000ms, platform::Timer::Mode::Single, [this] { TimerSplash_Action(); })
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    // No title bar shows it; it names the window for the desktop and its tools.
    setWindowTitle(QStringLiteral("Zumblo"));
    setFixedSize(kSize);

    m_stSplash = whiteLabel(this, { 160, 14, 320, 126 });
    m_stSplash->setWordWrap(true);
    m_stSplash->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont welcome(QStringLiteral("Arial"));
    welcome.setPixelSize(kWelcomePixelSize);
    welcome.setBold(true);
    welcome.setItalic(true);
    m_stSplash->setFont(welcome);

    m_stInfos = whiteLabel(this, { 160, 120, 320, 20 });

    m_imageWell = new QLabel(this);
    m_imageWell->setGeometry(20, 14, 128, 128);
    if (const QPixmap* icon = Media::Icon128())
        m_imageWell->setPixmap(*icon);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SplashScreen::CacheSplashScreen()
{
    m_timerSplash.setOn(false);
    hide();
    MW& mw = MW::instance();
    mw.show();
    mw.raise();
    mw.activateWindow();
    // The help may have opened meanwhile; it stays in front of the game.
    if (WHelp::exists() && WHelp::instance().isVisible())
        WHelp::instance().raise();
}

void SplashScreen::TimerSplash_Action()
{
    CacheSplashScreen();
}

bool SplashScreen::Event_MouseDown()
{
    CacheSplashScreen();
    return false;
}

void SplashScreen::mousePressEvent(QMouseEvent* event)
{
    bool handled = false;
    platform::runGuarded([&] { handled = Event_MouseDown(); });
    event->setAccepted(handled);
}
