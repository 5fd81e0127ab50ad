#include "tests/support/AppSession.h"

#include "shell/App.h"

namespace testsupport {

AppSession::FreshGlobals::FreshGlobals()
{
    resetGlobals();
}

AppSession::FreshGlobals::~FreshGlobals()
{
    resetGlobals();
}

AppSession::AppSession()
{
    app().setQuitHandler([this] { ++m_quits; });
}

AppSession::~AppSession()
{
    app().setQuitHandler(nullptr);
}

App& AppSession::app()
{
    return *App::instance();
}

} // namespace testsupport
