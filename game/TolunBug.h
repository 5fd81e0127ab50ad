#pragma once

#include <QString>

#include <cstdint>

// The game's module: its speed setting, its counters and its texts.
namespace TolunBug {

inline constexpr std::int32_t kDefaultMaxVx = 5;

// Upper end of the hornet's launch speed, pixels per flight tick (4 to 50).
inline std::int32_t MaxVx = kDefaultMaxVx;

// Counted since start-up, never reset.
inline std::int32_t NombreDeParties = 0;
inline std::int32_t NombreDeFrelonsAbbatus = 0;
inline std::int32_t NombreDeTirs = 0;

// The game's texts, set by LangageBug for the language in force.
inline QString StrHelp;
inline QString StrNbrParties;
inline QString StrNbrAbattus;
inline QString StrNbrTirs;
inline QString StrScore;

// Sets the game's texts (help window, score window, the speed label of the
// preferences) for TolunBasic::Langage; any other code changes none of them.
void LangageBug();

// The score: the share of games won times the share of shots that hit, in per cent.
std::int32_t Score(std::int32_t parties, std::int32_t abattus, std::int32_t tirs);

// Fills the score summary and shows it modally.
void ShowResult();

} // namespace TolunBug
