#include "platform/OpenFileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>

namespace platform {
namespace {

    OpenFileHandler& handler()
    {
        static OpenFileHandler current;
        return current;
    }

} // namespace

std::optional<QString> GetOpenFile(const QString& filter)
{
    if (handler())
        return handler()(filter);
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QDir::homePath(), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

OpenFileHandler setOpenFileHandler(OpenFileHandler replacement)
{
    return std::exchange(handler(), std::move(replacement));
}

} // namespace platform
