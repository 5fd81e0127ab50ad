#include "platform/Canvas.h"

#include "platform/Application.h"
#include "platform/FrameClock.h"

#include <QPainter>

#include <chrono>

namespace platform {

Canvas::Canvas(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_deferredRepaint.setSingleShot(true);
    m_deferredRepaint.setTimerType(Qt::PreciseTimer);
    connect(&m_deferredRepaint, &QTimer::timeout, this, [this] { issuePending(); });
}

void Canvas::setBackdrop(QPixmap backdrop)
{
    m_backdrop = std::move(backdrop);
    updateOpaqueness();
    update();
}

void Canvas::requestRepaint(const QRegion& region)
{
    if (region.isEmpty())
        m_pendingAll = true;
    else
        m_pending += region;
    if (m_deferredRepaint.isActive())
        return;
    // Paced ticks fall in frames of their own and are never held back.
    if (FrameClock::currentFrame() != m_lastRequestedFrame) {
        issuePending();
        return;
    }
    m_deferredRepaint.start(std::chrono::ceil<std::chrono::milliseconds>(FrameClock::untilNextFrame()));
}

void Canvas::issuePending()
{
    m_lastRequestedFrame = FrameClock::currentFrame();
    if (m_pendingAll)
        update();
    else
        update(m_pending);
    m_pending = QRegion();
    m_pendingAll = false;
}

void Canvas::paintEvent(QPaintEvent*)
{
    ++m_paints;
    QPainter painter(this);
    if (!m_backdrop.isNull())
        painter.drawPixmap(0, 0, m_backdrop);
    if (m_paintHandler)
        runGuarded([&] { m_paintHandler(painter); });
}

void Canvas::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateOpaqueness();
}

void Canvas::updateOpaqueness()
{
    // A backdrop that covers the canvas spares Qt painting the parent beneath it.
    const bool covers = !m_backdrop.isNull() && !m_backdrop.hasAlphaChannel()
        && m_backdrop.width() >= width() && m_backdrop.height() >= height();
    setAttribute(Qt::WA_OpaquePaintEvent, covers);
}

} // namespace platform
