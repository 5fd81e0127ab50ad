#include "tests/support/RecordingSound.h"

#include <QFile>
#include <QFileInfo>

namespace testsupport {
namespace {

    class RecordedSound : public platform::Sound {
    public:
        RecordedSound(std::shared_ptr<SoundRecorder::Log> log, QString name)
            : m_log(std::move(log))
            , m_name(std::move(name))
        {
        }
        void play() override { m_log->played.append(m_name); }

    private:
        std::shared_ptr<SoundRecorder::Log> m_log;
        QString m_name;
    };

    class RecordingBackend : public platform::SoundBackend {
    public:
        explicit RecordingBackend(std::shared_ptr<SoundRecorder::Log> log)
            : m_log(std::move(log))
        {
        }
        std::unique_ptr<platform::Sound> load(const QString& path) override
        {
            const QString name = QFileInfo(path).fileName();
            m_log->loads.append(name);
            if (!QFile::exists(path))
                return nullptr;
            return std::make_unique<RecordedSound>(m_log, name);
        }

    private:
        std::shared_ptr<SoundRecorder::Log> m_log;
    };

} // namespace

SoundRecorder::SoundRecorder()
    : m_log(std::make_shared<Log>())
    , m_previous(platform::setSoundBackend(std::make_unique<RecordingBackend>(m_log)))
{
}

SoundRecorder::~SoundRecorder()
{
    platform::setSoundBackend(std::move(m_previous));
}

QStringList SoundRecorder::played() const
{
    return m_log->played;
}

int SoundRecorder::loadAttempts(const QString& fileName) const
{
    return static_cast<int>(m_log->loads.count(fileName));
}

void SoundRecorder::clear()
{
    m_log->played.clear();
    m_log->loads.clear();
}

} // namespace testsupport
