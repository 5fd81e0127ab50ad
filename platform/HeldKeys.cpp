#include "platform/HeldKeys.h"

#include <QApplication>
#include <QKeyEvent>

namespace platform {

bool HeldKeys::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        m_held.insert(static_cast<QKeyEvent*>(event)->key());
        break;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat())
            m_held.remove(key->key());
        break;
    }
    case QEvent::ApplicationStateChange:
        // Releases that happen while another application has the keyboard never
        // reach us; forget everything rather than keep a key stuck down.
        if (QGuiApplication::applicationState() != Qt::ApplicationActive)
            m_held.clear();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
