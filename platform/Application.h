#pragma once

#include "platform/HeldKeys.h"

#include <QApplication>
#include <QElapsedTimer>

#include <exception>
#include <functional>
#include <vector>

namespace platform {

// The application object. An exception thrown from any event handler, timer
// action or paint is handed to the unhandled-exception handler, and the event
// loop goes on. Handlers catch at their own entry (runGuarded), since unwinding
// through Qt's frames skips their clean-up; notify() is the net for the rest.
class Application : public QApplication {
public:
    using ExceptionHandler = std::function<void(const std::exception&)>;

    Application(int& argc, char** argv);
    ~Application() override;

    bool notify(QObject* receiver, QEvent* event) override;

    // The default handler shows the exception's message in a message box.
    void setUnhandledExceptionHandler(ExceptionHandler handler);
    void reportUnhandledException(const std::exception& error);

    HeldKeys& heldKeys() { return m_heldKeys; }

    // Asks the event loop to end; tests swap in a recorder.
    void requestQuit();
    void setQuitHandler(std::function<void()> handler);

    // Runs before the application object goes, last added first: windows and
    // pictures must not outlive it.
    void addCleanup(std::function<void()> cleanup);

    static Application* instance();

private:
    HeldKeys m_heldKeys;
    ExceptionHandler m_exceptionHandler;
    bool m_reportingException = false;
    QString m_lastMessage;
    QElapsedTimer m_sinceLastMessage;
    std::vector<std::function<void()>> m_cleanups;
    std::function<void()> m_quitHandler;
};

// Runs a handler, handing whatever it throws to the application's handler.
void runGuarded(const std::function<void()>& handler);

} // namespace platform
