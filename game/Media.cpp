#include "game/Media.h"

#include "platform/Application.h"
#include "platform/ResourcesFolder.h"

#include <QHash>

#include <memory>

namespace Media {
namespace {

    struct Library {
        QHash<QString, QPixmap> pictures;
        // An entry holding nothing is a sound that failed to load.
        QHash<QString, std::shared_ptr<platform::Sound>> sounds;
    };

    Library& library()
    {
        static Library lib;
        static bool cleanupRegistered = false;
        // Pictures must go before the application object does.
        if (!cleanupRegistered) {
            if (auto* app = platform::Application::instance()) {
                app->addCleanup([] {
                    lib.pictures.clear();
                    lib.sounds.clear();
                    cleanupRegistered = false;
                });
                cleanupRegistered = true;
            }
        }
        return lib;
    }

    const QPixmap* picture(const QString& fileName)
    {
        auto& pictures = library().pictures;
        if (auto it = pictures.constFind(fileName); it != pictures.constEnd())
            return &it.value();
        QPixmap loaded(platform::resourcePath(fileName));
        if (loaded.isNull())
            return nullptr;
        return &pictures.insert(fileName, std::move(loaded)).value();
    }

    platform::Sound* sound(const QString& fileName)
    {
        auto& sounds = library().sounds;
        if (auto it = sounds.constFind(fileName); it != sounds.constEnd())
            return it.value().get();
        std::shared_ptr<platform::Sound> loaded = platform::soundBackend().load(platform::resourcePath(fileName));
        return sounds.insert(fileName, std::move(loaded)).value().get();
    }

} // namespace

const QPixmap* ADog() { return picture(QStringLiteral("A Dog.jpg")); }
const QPixmap* Frelon_64x86() { return picture(QStringLiteral("Frelon_64x86.png")); }
const QPixmap* Gun() { return picture(QStringLiteral("Gun.png")); }
const QPixmap* Icon128() { return picture(QStringLiteral("Icon128.jpg")); }
const QPixmap* Ciel() { return picture(QStringLiteral("Ciel.jpg")); }
const QPixmap* Explosion() { return picture(QStringLiteral("Explosion_256x256.png")); }

platform::Sound* explosion1() { return sound(QStringLiteral("explosion.mp3")); }
platform::Sound* bee() { return sound(QStringLiteral("bee.mp3")); }
platform::Sound* machine_gun_1() { return sound(QStringLiteral("machine_gun_1.mp3")); }

const QPixmap& require(const QPixmap* picture, const char* accessor)
{
    if (!picture)
        throw platform::NilObjectError(std::string("NilObjectException: the picture ") + accessor + " could not be loaded");
    return *picture;
}

platform::Sound& require(platform::Sound* sound, const char* accessor)
{
    if (!sound)
        throw platform::NilObjectError(std::string("NilObjectException: the sound ") + accessor + " could not be loaded");
    return *sound;
}

void clear()
{
    library().pictures.clear();
    library().sounds.clear();
}

} // namespace Media
