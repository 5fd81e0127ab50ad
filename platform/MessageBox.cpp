#include "platform/MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {
namespace {

    QMessageBox::Icon iconFor(int code)
    {
        switch (code & 0xF0) {
        case 16:
            return QMessageBox::Critical;
        case 32:
            return QMessageBox::Question;
        case 48:
            return QMessageBox::Warning;
        case 64:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
        }
    }

    QMessageBox::StandardButtons buttonsFor(int code)
    {
        switch (code & 0x0F) {
        case 1:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case 2:
            return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case 3:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case 4:
            return QMessageBox::Yes | QMessageBox::No;
        case 5:
            return QMessageBox::Retry | QMessageBox::Cancel;
        default:
            return QMessageBox::Ok;
        }
    }

    int answerFor(int button)
    {
        switch (button) {
        case QMessageBox::Ok:
            return OkPressed;
        case QMessageBox::Cancel:
            return CancelPressed;
        case QMessageBox::Abort:
            return 3;
        case QMessageBox::Retry:
            return 4;
        case QMessageBox::Ignore:
            return 5;
        case QMessageBox::Yes:
            return YesPressed;
        case QMessageBox::No:
            return NoPressed;
        default:
            return CancelPressed;
        }
    }

    int showQMessageBox(const QString& text, int code, const QString& title)
    {
        QMessageBox box(iconFor(code), title, text, buttonsFor(code), QApplication::activeWindow());
        return answerFor(box.exec());
    }

    MessageBoxHandler& currentHandler()
    {
        static MessageBoxHandler handler = showQMessageBox;
        return handler;
    }

} // namespace

int MsgBox(const QString& text, int code, const QString& title)
{
    return currentHandler()(text, code, title);
}

MessageBoxHandler setMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(currentHandler());
    currentHandler() = handler ? std::move(handler) : MessageBoxHandler(showQMessageBox);
    return previous;
}

} // namespace platform
