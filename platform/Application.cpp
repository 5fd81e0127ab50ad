#include "platform/Application.h"

#include "platform/MessageBox.h"

#include <QLoggingCategory>

#include <stdexcept>

namespace platform {

Q_LOGGING_CATEGORY(lcApplication, "zumblo.application")

namespace {
    constexpr qint64 kRepeatQuietMs = 2000;
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    installEventFilter(&m_heldKeys);
}

Application::~Application()
{
    while (!m_cleanups.empty()) {
        auto cleanup = std::move(m_cleanups.back());
        m_cleanups.pop_back();
        cleanup();
    }
}

void Application::requestQuit()
{
    if (m_quitHandler)
        m_quitHandler();
    else
        QCoreApplication::quit();
}

void Application::setQuitHandler(std::function<void()> handler)
{
    m_quitHandler = std::move(handler);
}

void Application::addCleanup(std::function<void()> cleanup)
{
    m_cleanups.push_back(std::move(cleanup));
}

Application* Application::instance()
{
    return dynamic_cast<Application*>(QCoreApplication::instance());
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        reportUnhandledException(error);
    } catch (...) {
        reportUnhandledException(std::runtime_error("unknown error"));
    }
    return false;
}

void runGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        if (auto* app = Application::instance())
            app->reportUnhandledException(error);
        else
            qCWarning(lcApplication) << "unhandled exception:" << error.what();
    } catch (...) {
        if (auto* app = Application::instance())
            app->reportUnhandledException(std::runtime_error("unknown error"));
    }
}

void Application::setUnhandledExceptionHandler(ExceptionHandler handler)
{
    m_exceptionHandler = std::move(handler);
}

void Application::reportUnhandledException(const std::exception& error)
{
    qCWarning(lcApplication) << "unhandled exception:" << error.what();
    // One message at a time: a failing timer or paint would otherwise stack
    // modal messages, or show the same one again as soon as it is closed.
    const QString message = QString::fromUtf8(error.what());
    if (m_reportingException)
        return;
    if (message == m_lastMessage && m_sinceLastMessage.isValid() && m_sinceLastMessage.elapsed() < kRepeatQuietMs)
        return;
    m_reportingException = true;
    try {
        if (m_exceptionHandler)
            m_exceptionHandler(error);
        else
            MsgBox(message, CautionIcon, applicationName());
    } catch (const std::exception& nested) {
        qCWarning(lcApplication) << "the exception handler failed:" << nested.what();
    }
    m_reportingException = false;
    m_lastMessage = message;
    m_sinceLastMessage.start();
}

} // namespace platform
