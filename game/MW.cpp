#include "game/MW.h"

#include "game/Flight.h"
#include "game/Gun.h"
#include "game/Media.h"
#include "game/SceneRegion.h"
#include "game/SceneReset.h"
#include "game/TolunBug.h"
#include "game/WHelp.h"
#include "platform/Application.h"
#include "platform/Trunc.h"
#include "shell/App.h"
#include "shell/MainMenuBar.h"
#include "shell/Utilites.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cmath>

using namespace std::chrono_literals;

namespace {

constexpr QColor kLayoutBackground { 0x58, 0x30, 0x00 };
// The canvas keeps 20 pixels left and right of it, 14 above and 20 below.
constexpr int kCanvasLeft = 20;
constexpr int kCanvasTop = 14;
constexpr int kCanvasSideMargins = 40;
constexpr int kCanvasBottomMargin = 20;
constexpr int kShotPenWidth = 3;

void requireShape(const platform::PictureShape& shape, const char* name)
{
    if (shape.picture.isNull())
        throw platform::NilObjectError(std::string("NilObjectException: the picture shape ") + name + " does not exist");
}

} // namespace

MW::MW()
    : m_content(new QWidget(this))
    , m_timerFrelon(1ms, platform::Timer::Mode::Multiple, [this] { TimerFrelon_Action(); })
    , m_timerBee(2000ms, platform::Timer::Mode::Multiple, [this] { TimerBee_Action(); })
    , m_timerHelp(3000ms, platform::Timer::Mode::Single, [this] { TimerHelp_Action(); })
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    setFocusPolicy(Qt::StrongFocus);
    setMenuBar(new MainMenuBar);
    setCentralWidget(m_content);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_content->setAutoFillBackground(true);
    QPalette palette = m_content->palette();
    palette.setColor(QPalette::Window, kLayoutBackground);
    m_content->setPalette(palette);
    m_content->installEventFilter(this);

    m_lbRecents = new QTreeWidget(m_content);
    m_lbRecents->setGeometry(60, 113, 240, 307);
    m_lbRecents->setColumnCount(2);
    m_lbRecents->setHeaderHidden(true);
    m_lbRecents->setRootIsDecorated(false);
    m_lbRecents->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lbRecents->hide();

    m_cnvs = new platform::Canvas(m_content);
    m_cnvs->setGeometry(kCanvasLeft, kCanvasTop, 458, 439);
    m_cnvs->setPaintHandler([this](QPainter& g) { Cnvs_Paint(g); });

    m_pbGo = new QPushButton(QStringLiteral("Go"), m_content);
    m_pbGo->setGeometry(44, 14, 80, 20);
    m_pbGo->hide();
    connect(m_pbGo, &QPushButton::clicked, this, [this] { platform::runGuarded([this] { PBGo_Action(); }); });

    // Created running, as the game's timers are; Open's scene reset stops the
    // flight and the bee before either can fire.
    m_timerFrelon.setOn(true);
    m_timerBee.setOn(true);
    m_timerHelp.setOn(true);

    setContentSize(kInitialSize);
}

MW::~MW() = default;

QSize MW::contentSize() const
{
    return m_content->size();
}

void MW::setContentSize(QSize size)
{
    m_content->setFixedSize(size.expandedTo(QSize(0, 0)));
    layout()->activate();
}

QRect MW::windowRect() const
{
    return geometry();
}

void MW::setWindowRect(const QRect& rect)
{
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    setContentSize({ rect.width(), rect.height() - menuHeight });
    setGeometry(QRect(rect.topLeft(), size()));
}

QSize MW::hornetSize() const
{
    return Media::require(Media::Frelon_64x86(), "Frelon_64x86").size();
}

void MW::Event_Open()
{
    QPalette palette = m_content->palette();
    palette.setColor(QPalette::Window, Utilites::RandomColor());
    m_content->setPalette(palette);

    m_scene.DegreToRadian = kDegreToRadian;
    m_scene.Px = { Media::require(Media::Frelon_64x86(), "Frelon_64x86"), 0.0 };
    m_scene.Phi = 90 * m_scene.DegreToRadian + std::atan2(static_cast<double>(m_scene.Vy), static_cast<double>(m_scene.Vx));
    m_scene.Px.rotation = m_scene.Phi + 4 * m_scene.DegreToRadian;
    m_scene.alpha = 0;
    m_scene.Canon = { Media::require(Media::Gun(), "Gun"), m_scene.alpha };
    m_scene.PictExplosion = { Media::require(Media::Explosion(), "Explosion"), 0.0 };
    ResetExplosion();
}

void MW::ResetExplosion()
{
    auto random = platform::Random::seededWithCurrentTime();
    m_timerFrelon.setOn(false);
    m_timerBee.setOn(false);
    ResetScene(m_scene, m_cnvs->size(), hornetSize(), TolunBug::MaxVx, random);
    m_pbGo->setText(QStringLiteral("Go"));
}

void MW::DoResize()
{
    const QSize window = contentSize();
    m_cnvs->resize(std::max(0, window.width() - kCanvasSideMargins), m_cnvs->height());
    const QSize canvas = m_cnvs->size();
    m_scene.FrelonX = platform::trunc(canvas.width() / 2.0);
    m_scene.FrelonY = platform::trunc(canvas.height() / 2.0);

    const QPixmap& sky = Media::require(Media::Ciel(), "Ciel");
    if (canvas.isEmpty()) {
        m_cnvs->setBackdrop(QPixmap());
        return;
    }
    // The sky is scaled once per resize, so that a paint scales nothing.
    QPixmap backdrop(canvas);
    QPainter painter(&backdrop);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(backdrop.rect(), sky, sky.rect());
    painter.end();
    m_cnvs->setBackdrop(std::move(backdrop));
}

bool MW::CancelClose()
{
    if (App* app = App::instance())
        return app->DoClose();
    return false;
}

bool MW::Event_KeyDown(const QString& key)
{
    const auto is = [&key](char letter) {
        return key == QChar::fromLatin1(letter) || key == QChar::fromLatin1(letter).toUpper();
    };
    // The arrows turn the gun at every key event, whatever its key.
    const auto& held = platform::Application::instance()->heldKeys();
    if (held.isHeld(Qt::Key_Down)) {
        AimDown(m_scene);
        requestSceneRepaint();
    }
    if (held.isHeld(Qt::Key_Up)) {
        AimUp(m_scene);
        requestSceneRepaint();
    }
    if (m_timerFrelon.isOn() && is('f')) {
        m_scene.Fire = true;
        ++TolunBug::NombreDeTirs;
        Media::require(Media::machine_gun_1(), "machine_gun_1").play();
    }
    if (is('g')) {
        if (!m_timerFrelon.isOn()) {
            ++TolunBug::NombreDeParties;
            if (App* app = App::instance())
                app->SomeThingHasChanged = true;
            QApplication::beep();
        }
        DoGo();
    }
    if (is('s') && TolunBug::NombreDeTirs > 0)
        TolunBug::ShowResult();
    if (m_timerFrelon.isOn() && is('h')) {
        m_timerBee.setOn(false);
        ResetExplosion();
    }
    return false;
}

void MW::DoGo()
{
    m_timerFrelon.setOn(!m_timerFrelon.isOn());
    if (m_timerFrelon.isOn()) {
        m_pbGo->setText(QStringLiteral("Stop"));
        Media::require(Media::bee(), "bee").play();
        m_timerBee.setOn(true);
    } else {
        m_pbGo->setText(QStringLiteral("Go"));
        m_timerBee.setOn(false);
    }
}

void MW::PBGo_Action()
{
    DoGo();
}

void MW::TimerFrelon_Action()
{
    if (!Media::Frelon_64x86()) {
        // Every tick would fail the same way: stop the flight, report once.
        m_timerFrelon.setOn(false);
        m_timerBee.setOn(false);
    }
    FlightStep(m_scene, m_cnvs->size(), hornetSize());
    requestSceneRepaint();
}

void MW::TimerBee_Action()
{
    Media::require(Media::bee(), "bee").play();
}

void MW::TimerHelp_Action()
{
    WHelp::instance().show();
    m_timerHelp.setOn(false);
}

void MW::requestSceneRepaint()
{
    m_cnvs->requestRepaint(m_drawn + SceneRegion(m_scene, m_cnvs->size()));
}

void MW::Cnvs_Paint(QPainter& g)
{
    m_drawn = QRegion();
    if (!m_scene.NoExplosion) {
        ResetExplosion();
        return;
    }
    requireShape(m_scene.Px, "Px");
    requireShape(m_scene.Canon, "Canon");
    const QPointF hornet(m_scene.FrelonX, m_scene.FrelonY);
    const QPointF pivot = GunPivot(m_cnvs->size());
    m_scene.Px.drawCentredAt(g, hornet);
    m_drawn += m_scene.Px.boundsAt(hornet);
    m_scene.Canon.drawCentredAt(g, pivot);
    m_drawn += m_scene.Canon.boundsAt(pivot);
    if (m_scene.Fire)
        ShotStep(g);
}

void MW::ShotStep(QPainter& g)
{
    const QSize canvas = m_cnvs->size();
    const ShotGeometry shot = GunShot(m_scene.alpha, canvas);
    g.save();
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0xFF, 0x00, 0x00), kShotPenWidth, Qt::SolidLine, Qt::SquareCap));
    const ShotTest test = TestShot(shot, QPoint(m_scene.FrelonX, m_scene.FrelonY));
    if (!test.hit) {
        const QLineF line = MissLine(shot, canvas);
        g.drawLine(line);
        g.restore();
        m_drawn += LineBounds(line);
    } else {
        const QLineF line(QPointF(shot.b, shot.d), QPointF(test.foot));
        g.drawLine(line);
        g.restore();
        m_drawn += LineBounds(line);
        m_scene.NoExplosion = false;
        m_scene.PictExplosion.drawCentredAt(g, QPointF(test.foot));
        m_drawn += m_scene.PictExplosion.boundsAt(QPointF(test.foot));
        m_timerBee.setOn(false);
        ++TolunBug::NombreDeFrelonsAbbatus;
        Media::require(Media::explosion1(), "explosion1").play();
    }
    AdvanceShotLife(m_scene);
}

bool MW::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_content && event->type() == QEvent::Resize) {
        // The canvas is fixed to the window's edges: its height follows the window's.
        m_cnvs->resize(m_cnvs->width(), std::max(0, m_content->height() - kCanvasTop - kCanvasBottomMargin));
        platform::runGuarded([this] { DoResize(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MW::keyPressEvent(QKeyEvent* event)
{
    bool handled = false;
    platform::runGuarded([&] { handled = Event_KeyDown(event->text()); });
    if (!handled)
        event->ignore();
}

void MW::closeEvent(QCloseEvent* event)
{
    bool cancel = false;
    platform::runGuarded([&] { cancel = CancelClose(); });
    event->setAccepted(!cancel);
}
