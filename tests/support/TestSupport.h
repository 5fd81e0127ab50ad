#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>

namespace testsupport {

// The configuration folder of the running case, and the preferences file in it.
QString configHome();
QString preferencesFilePath();

// Gives the case a fresh configuration folder, puts every module global back
// to its start value, forgets loaded media, points the resources at the
// project's own and drops the window instances.
void resetGlobals();

// Launches the application object as the game does and waits for the end of
// start-up (the splash screen on show). Modal windows and quitting must
// already be swapped out.
void launchApp();

// Writes a file, making its folder; fails the running test when it cannot.
void writeFile(const QString& path, const QByteArray& content);
QByteArray readFile(const QString& path);

// Records every message box instead of showing it, and answers with the
// queued answers (OK when none is left). Restores the real boxes when it goes.
class MessageBoxRecorder {
public:
    struct Call {
        QString text;
        int code;
        QString title;
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void queueAnswer(int answer) { m_answers.push_back(answer); }
    const QList<Call>& calls() const { return m_calls; }

private:
    QList<Call> m_calls;
    std::deque<int> m_answers;
};

// A folder of copies of the game's resources, less the named files.
class ResourcesWithout {
public:
    explicit ResourcesWithout(const QStringList& missing);
    ~ResourcesWithout();
    ResourcesWithout(const ResourcesWithout&) = delete;
    ResourcesWithout& operator=(const ResourcesWithout&) = delete;

    QString folder() const { return m_dir.path(); }
    // Puts a file back, as if the user had restored it.
    void restore(const QString& fileName);

private:
    QTemporaryDir m_dir;
};

} // namespace testsupport
