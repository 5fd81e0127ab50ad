#pragma once

#include "platform/Sound.h"

#include <memory>

namespace platform {

class SdlAudioDevice;

// Sounds on SDL2_mixer. The audio device opens at the first load; with no
// audio device the game falls back to SDL's silent dummy driver.
class SdlSoundBackend : public SoundBackend {
public:
    SdlSoundBackend();
    ~SdlSoundBackend() override;

    std::unique_ptr<Sound> load(const QString& path) override;

private:
    std::shared_ptr<SdlAudioDevice> m_device;
};

} // namespace platform
