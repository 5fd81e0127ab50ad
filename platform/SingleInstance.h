#pragma once

#include "platform/Application.h"

#include <memory>

namespace platform {

// The one instance of a window class: made at first use, kept until the
// application object goes (or until destroy(), between test cases). A class
// with an Event_Open() gets it called once the instance exists, so that a
// failing open leaves the window in place and reaches the error handler.
template <class T>
class SingleInstance {
public:
    static T& get()
    {
        if (!s_instance) {
            s_instance = std::make_unique<T>();
            if (!s_cleanupRegistered) {
                if (auto* app = Application::instance()) {
                    app->addCleanup([] { destroy(); s_cleanupRegistered = false; });
                    s_cleanupRegistered = true;
                }
            }
            if constexpr (requires(T& window) { window.Event_Open(); })
                s_instance->Event_Open();
        }
        return *s_instance;
    }

    static bool exists() { return s_instance != nullptr; }
    static void destroy() { s_instance.reset(); }

private:
    static inline std::unique_ptr<T> s_instance;
    static inline bool s_cleanupRegistered = false;
};

// The accessors of a window class that has one instance:
// class WBilan : public QDialog, public platform::OneInstance<WBilan>.
template <class T>
class OneInstance {
public:
    // Made (and opened) at first use.
    static T& instance() { return SingleInstance<T>::get(); }
    static bool exists() { return SingleInstance<T>::exists(); }
    static void destroyInstance() { SingleInstance<T>::destroy(); }
};

} // namespace platform
