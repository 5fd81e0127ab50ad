#include "platform/SdlSound.h"

#include <QByteArray>
#include <QFile>
#include <QLoggingCategory>

#include <SDL.h>
#include <SDL_mixer.h>

namespace platform {

Q_LOGGING_CATEGORY(lcSound, "zumblo.sound")

// The opened mixer. Every loaded sound holds it, so the device closes only
// after the last chunk is freed.
class SdlAudioDevice {
public:
    static std::shared_ptr<SdlAudioDevice> open()
    {
        auto device = std::shared_ptr<SdlAudioDevice>(new SdlAudioDevice);
        if (device->tryOpen())
            return device;
        // No usable sound card (a headless machine, CI): play silently.
        qCInfo(lcSound) << "no audio device:" << SDL_GetError() << "- using the silent dummy driver";
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        if (device->tryOpen())
            return device;
        qCWarning(lcSound) << "the silent audio driver failed too:" << SDL_GetError();
        return nullptr;
    }

    ~SdlAudioDevice()
    {
        if (m_mixerOpen)
            Mix_CloseAudio();
        if (m_sdlAudio)
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

private:
    static constexpr int kChannels = 16;

    SdlAudioDevice() = default;

    bool tryOpen()
    {
        if (!m_sdlAudio) {
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
                return false;
            m_sdlAudio = true;
        }
        if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            m_sdlAudio = false;
            return false;
        }
        m_mixerOpen = true;
        Mix_AllocateChannels(kChannels);
        return true;
    }

    bool m_sdlAudio = false;
    bool m_mixerOpen = false;
};

namespace {

    class SdlSound : public Sound {
    public:
        SdlSound(std::shared_ptr<SdlAudioDevice> device, Mix_Chunk* chunk)
            : m_device(std::move(device))
            , m_chunk(chunk)
        {
        }
        ~SdlSound() override { Mix_FreeChunk(m_chunk); }
        SdlSound(const SdlSound&) = delete;
        SdlSound& operator=(const SdlSound&) = delete;

        void play() override
        {
            // With every channel busy the new sound is dropped, never queued.
            if (Mix_PlayChannel(-1, m_chunk, 0) < 0)
                qCDebug(lcSound) << "no free channel:" << Mix_GetError();
        }

    private:
        std::shared_ptr<SdlAudioDevice> m_device;
        Mix_Chunk* m_chunk;
    };

} // namespace

SdlSoundBackend::SdlSoundBackend() = default;
SdlSoundBackend::~SdlSoundBackend() = default;

std::unique_ptr<Sound> SdlSoundBackend::load(const QString& path)
{
    if (!QFile::exists(path))
        return nullptr;
    if (!m_device)
        m_device = SdlAudioDevice::open();
    if (!m_device)
        return nullptr;
    // Decoded once, whole, into memory.
    Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!chunk) {
        qCWarning(lcSound) << "cannot decode" << path << ":" << Mix_GetError();
        return nullptr;
    }
    return std::make_unique<SdlSound>(m_device, chunk);
}

} // namespace platform
