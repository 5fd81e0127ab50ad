#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace platform {

// Asks the user for a file to open, filtered as "Name (*.a *.b)"; nothing
// when the user cancels. Tests swap in a handler that answers at once.
std::optional<QString> GetOpenFile(const QString& filter);

using OpenFileHandler = std::function<std::optional<QString>(const QString& filter)>;
// Returns the previous handler; an empty one restores the real dialog.
OpenFileHandler setOpenFileHandler(OpenFileHandler handler);

} // namespace platform
