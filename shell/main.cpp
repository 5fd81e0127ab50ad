#include "game/MW.h"
#include "game/TolunBug.h"
#include "platform/Application.h"

#include <QTimer>

int main(int argc, char** argv)
{
    platform::Application app(argc, argv);
    app.setApplicationName(QStringLiteral("Zumblo"));
    app.setOrganizationName(QStringLiteral("Orlentis"));

    // Start-up runs inside the event loop, so that its errors reach the
    // application's handler like any other.
    QTimer::singleShot(0, &app, [] {
        TolunBug::LangageBug();
        MW& window = MW::instance();
        window.setWindowTitle(QStringLiteral("Zumblo"));
        window.show();
        window.activateWindow();
    });
    return app.exec();
}
