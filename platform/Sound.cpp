#include "platform/Sound.h"

#include "platform/SdlSound.h"

namespace platform {
namespace {
    std::unique_ptr<SoundBackend>& backendSlot()
    {
        static std::unique_ptr<SoundBackend> backend;
        return backend;
    }
} // namespace

SoundBackend& soundBackend()
{
    auto& slot = backendSlot();
    if (!slot)
        slot = std::make_unique<SdlSoundBackend>();
    return *slot;
}

std::unique_ptr<SoundBackend> setSoundBackend(std::unique_ptr<SoundBackend> backend)
{
    auto previous = std::move(backendSlot());
    backendSlot() = std::move(backend);
    return previous;
}

} // namespace platform
