#pragma once

#include <QPixmap>
#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace platform {

// A drawing surface with a backdrop picture shown beneath whatever the paint
// handler draws.
class Canvas : public QWidget {
    Q_OBJECT
public:
    using PaintHandler = std::function<void(QPainter&)>;

    explicit Canvas(QWidget* parent = nullptr);

    void setBackdrop(QPixmap backdrop);
    const QPixmap& backdrop() const { return m_backdrop; }
    void setPaintHandler(PaintHandler handler) { m_paintHandler = std::move(handler); }

    // Asks for a repaint of the region (the whole canvas when empty); requests
    // are coalesced into at most one paint a frame.
    void requestRepaint(const QRegion& region = {});

    std::int64_t paintCount() const { return m_paints; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateOpaqueness();
    void issuePending();

    QPixmap m_backdrop;
    PaintHandler m_paintHandler;
    std::int64_t m_paints = 0;
    std::int64_t m_lastRequestedFrame = -1;
    QRegion m_pending;
    bool m_pendingAll = false;
    QTimer m_deferredRepaint;
};

} // namespace platform
