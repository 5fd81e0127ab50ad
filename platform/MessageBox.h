#pragma once

#include <QString>

#include <functional>

namespace platform {

// Answers of a message box, as the shell compares them.
inline constexpr int OkPressed = 1;
inline constexpr int CancelPressed = 2;
inline constexpr int YesPressed = 6;
inline constexpr int NoPressed = 7;

// Codes: the low four bits pick the buttons (0 OK, 1 OK/Cancel, 3 Yes/No/Cancel,
// 4 Yes/No, 5 Retry/Cancel), the next four the icon (16 stop, 32 question,
// 48 caution, 64 note). Returns the button pressed.
inline constexpr int YesNoButtons = 4;
inline constexpr int CautionIcon = 48;
int MsgBox(const QString& text, int code, const QString& title);

// Every modal message goes through this handler; tests swap in a recorder so
// that no test ever waits on a modal window. Returns the previous handler.
using MessageBoxHandler = std::function<int(const QString& text, int code, const QString& title)>;
MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler);

} // namespace platform
