#pragma once

#include <functional>

class QDialog;

namespace platform {

// Shows a window modally and returns when it has been hidden. Every modal
// showing goes through here, so that tests can swap in a handler that never
// waits. Returns the dialog's result.
int ShowModal(QDialog& dialog);

using ModalHandler = std::function<int(QDialog& dialog)>;
// Returns the previous handler; an empty one restores the real showing.
ModalHandler setModalHandler(ModalHandler handler);

} // namespace platform
