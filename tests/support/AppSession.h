#pragma once

#include "tests/support/RecordingSound.h"
#include "tests/support/TestSupport.h"

class App;

namespace testsupport {

// One test case's run of the game's application object: globals fresh,
// sounds and message boxes recorded, a quit counted instead of done.
class AppSession {
public:
    AppSession();
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    App& app();
    MessageBoxRecorder& boxes() { return m_boxes; }
    SoundRecorder& sounds() { return m_sounds; }
    int quits() const { return m_quits; }

private:
    // Made before the recorders and gone after them.
    struct FreshGlobals {
        FreshGlobals();
        ~FreshGlobals();
    };

    FreshGlobals m_fresh;
    int m_quits = 0;
    SoundRecorder m_sounds;
    MessageBoxRecorder m_boxes;
};

} // namespace testsupport
