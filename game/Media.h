#pragma once

#include "platform/NilObjectError.h"
#include "platform/Sound.h"

#include <QPixmap>

// The game's pictures and sounds, each loaded from the resources folder at
// first use and kept while the application runs. An accessor returns nothing
// when its file cannot be read: a picture is tried again at the next access, a
// sound only once.
namespace Media {

const QPixmap* ADog();
const QPixmap* Frelon_64x86();
const QPixmap* Gun();
const QPixmap* Icon128();
const QPixmap* Ciel();
const QPixmap* Explosion();

platform::Sound* explosion1();
platform::Sound* bee();
platform::Sound* machine_gun_1();

// The object, or a NilObjectError naming what is missing.
const QPixmap& require(const QPixmap* picture, const char* accessor);
platform::Sound& require(platform::Sound* sound, const char* accessor);

// Forgets everything loaded and every failed sound (tests; the application's end).
void clear();

} // namespace Media
