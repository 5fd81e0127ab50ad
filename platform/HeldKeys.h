#pragma once

#include <QObject>
#include <QSet>

namespace platform {

// Which keys are physically held, tracked from press and release events since
// Qt has no query for a key's state. X11 auto-repeat sends a release and a
// press for every repeat; a release marked as auto-repeat does not let go.
class HeldKeys : public QObject {
public:
    using QObject::QObject;

    bool isHeld(int key) const { return m_held.contains(key); }
    void clear() { m_held.clear(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<int> m_held;
};

} // namespace platform
