#include "platform/ModalShow.h"

#include <QDialog>

namespace platform {
namespace {
    int execDialog(QDialog& dialog)
    {
        return dialog.exec();
    }

    ModalHandler& currentHandler()
    {
        static ModalHandler handler = execDialog;
        return handler;
    }
} // namespace

int ShowModal(QDialog& dialog)
{
    return currentHandler()(dialog);
}

ModalHandler setModalHandler(ModalHandler handler)
{
    ModalHandler previous = std::move(currentHandler());
    currentHandler() = handler ? std::move(handler) : ModalHandler(execDialog);
    return previous;
}

} // namespace platform
