#pragma once

#include <QString>

#include <cstdint>

// The shell's module: the language in force and the shell's texts.
namespace TolunBasic {

// 0 English, 1 French, 2 German.
inline std::int32_t Langage = 0;

inline QString StrOk;
// The height given to push buttons and the language pop-up.
inline std::int32_t PBHeight = 0;

} // namespace TolunBasic
