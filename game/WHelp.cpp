#include "game/WHelp.h"

#include "game/MW.h"
#include "localization/TolunBasic.h"
#include "platform/Application.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QWindow>

namespace {
constexpr QSize kSize { 600, 231 };
constexpr int kTextPixelSize = 14;
}

WHelp::WHelp()
    : m_taHelp(new QTextEdit(this))
    , m_pbHide(new QPushButton(this))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(kSize);

    m_taHelp->setGeometry(20, 14, 560, 165);
    m_taHelp->setReadOnly(true);
    m_taHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font = m_taHelp->font();
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(kTextPixelSize);
    m_taHelp->setFont(font);
    QPalette palette = m_taHelp->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    m_taHelp->setPalette(palette);

    m_pbHide->setGeometry(213, 191, 174, 20);
    m_pbHide->setDefault(true);
    connect(m_pbHide, &QPushButton::clicked, this, &QWidget::hide);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void WHelp::Event_Activate()
{
    m_pbHide->resize(m_pbHide->width(), TolunBasic::PBHeight);
}

void WHelp::showEvent(QShowEvent* event)
{
    // Stay in front of the main window, as a palette does, when it is raised.
    if (MW::exists() && windowHandle() && MW::instance().windowHandle())
        windowHandle()->setTransientParent(MW::instance().windowHandle());
    QDialog::showEvent(event);
}

bool WHelp::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        platform::runGuarded([this] { Event_Activate(); });
    return QDialog::event(event);
}
