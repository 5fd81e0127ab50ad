#pragma once

#include <QString>

#include <cstdint>

// The game's texts in one language.
struct GameTexts {
    QString labelSpeed;
    QString helpTitle;
    QString hideCaption;
    QString help;
    QString nbrParties;
    QString nbrAbattus;
    QString bilanTitle;
    QString nbrTirs;
    QString score;
};

// The texts for a language code (0 English, 1 French, 2 German), or nothing.
const GameTexts* GameTextsFor(std::int32_t langage);
