#pragma once

#include <QString>

#include <memory>

namespace platform {

// A sound decoded into memory; play() starts it on a free channel and returns
// at once. Overlapping plays are allowed.
class Sound {
public:
    virtual ~Sound() = default;
    virtual void play() = 0;
};

// Where sounds come from. The game uses SDL2_mixer; tests swap in a recorder.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Nothing when the file cannot be read or decoded.
    virtual std::unique_ptr<Sound> load(const QString& path) = 0;
};

SoundBackend& soundBackend();

// Installs a backend (nothing restores SDL2_mixer) and returns the previous one.
std::unique_ptr<SoundBackend> setSoundBackend(std::unique_ptr<SoundBackend> backend);

} // namespace platform
