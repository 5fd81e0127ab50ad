#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

// Error codes of file operations, as the shell reports them. Any other
// failure keeps the system's own number (errno).
namespace FileError {
inline constexpr int None = 0;
inline constexpr int DestinationDoesNotExist = 100;
inline constexpr int FileNotFound = 101;
inline constexpr int AccessDenied = 102;
inline constexpr int NotEnoughMemory = 103;
inline constexpr int FileInUse = 104;
inline constexpr int InvalidName = 105;
} // namespace FileError

// The shell's code for an errno value.
int FileErrorFromErrno(int error);

// A file on disk, addressed by its absolute path, with the error code of the
// last operation on it.
class FileItem {
public:
    // Looks the path up: code 0 when something is there, 101 when its folder
    // is there but it is not, 100 when its folder is missing or is no folder.
    static FileItem lookup(const QString& path);

    const QString& absolutePath() const { return m_path; }
    QString displayName() const;
    // The name of the folder that holds it.
    QString parentName() const;
    bool exists() const;
    int lastErrorCode() const { return m_lastErrorCode; }

    // At most maxBytes of the file's content; nothing after a failure.
    std::optional<QByteArray> readAll(std::int64_t maxBytes);
    // Replaces the file as a whole: the content goes to a new file beside it
    // that then takes its place, so that a failure at any point leaves the
    // previous file intact.
    bool replaceWith(const QByteArray& content);

private:
    explicit FileItem(QString path) : m_path(std::move(path)) { }

    QString m_path;
    int m_lastErrorCode = FileError::None;
};

} // namespace platform
