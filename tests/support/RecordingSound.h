#pragma once

#include "platform/Sound.h"

#include <QStringList>

#include <memory>

namespace testsupport {

// A sound backend that plays nothing and records what played. Loading fails
// as the real one does: when the file is missing. Counts load attempts too.
class SoundRecorder {
public:
    SoundRecorder();
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    // File names (without folder) of the sounds played, in order.
    QStringList played() const;
    int loadAttempts(const QString& fileName) const;
    void clear();

    struct Log {
        QStringList played;
        QStringList loads;
    };

private:
    std::shared_ptr<Log> m_log;
    std::unique_ptr<platform::SoundBackend> m_previous;
};

} // namespace testsupport
