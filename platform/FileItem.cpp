#include "platform/FileItem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <sys/stat.h>

namespace platform {
namespace {

    // errno of a failed Qt call, or a plain I/O error when Qt failed without one.
    int lastSystemError()
    {
        return FileErrorFromErrno(errno != 0 ? errno : EIO);
    }

    bool statPath(const QString& path, struct stat& info)
    {
        const QByteArray name = QFile::encodeName(path);
        return ::stat(name.constData(), &info) == 0;
    }

} // namespace

int FileErrorFromErrno(int error)
{
    switch (error) {
    case 0:
        return FileError::None;
    case ENOENT:
        return FileError::FileNotFound;
    case ENOTDIR:
        return FileError::DestinationDoesNotExist;
    case EACCES:
    case EPERM:
    case EROFS:
        return FileError::AccessDenied;
    case ENOMEM:
        return FileError::NotEnoughMemory;
    case EBUSY:
    case ETXTBSY:
        return FileError::FileInUse;
    case ENAMETOOLONG:
    case EEXIST:
    case EISDIR:
    case EINVAL:
        return FileError::InvalidName;
    default:
        return error;
    }
}

FileItem FileItem::lookup(const QString& path)
{
    // A name with a NUL in it would silently name another file.
    if (path.isEmpty() || path.contains(QChar(0))) {
        FileItem item(path);
        item.m_lastErrorCode = FileError::InvalidName;
        return item;
    }
    FileItem item(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    struct stat info { };
    errno = 0;
    if (statPath(item.m_path, info))
        return item;
    const int error = errno;
    if (error == ENOENT) {
        struct stat folder { };
        const bool folderThere = statPath(QFileInfo(item.m_path).absolutePath(), folder) && S_ISDIR(folder.st_mode);
        item.m_lastErrorCode = folderThere ? FileError::FileNotFound : FileError::DestinationDoesNotExist;
    } else {
        item.m_lastErrorCode = FileErrorFromErrno(error);
    }
    return item;
}

QString FileItem::displayName() const
{
    return QFileInfo(m_path).fileName();
}

QString FileItem::parentName() const
{
    return QFileInfo(QFileInfo(m_path).absolutePath()).fileName();
}

bool FileItem::exists() const
{
    struct stat info { };
    return !m_path.isEmpty() && !m_path.contains(QChar(0)) && statPath(m_path, info);
}

std::optional<QByteArray> FileItem::readAll(std::int64_t maxBytes)
{
    // A folder, a pipe or a device is no file to read (a pipe would block).
    if (!QFileInfo(m_path).isFile()) {
        m_lastErrorCode = QFileInfo::exists(m_path) ? FileError::InvalidName : FileError::FileNotFound;
        return std::nullopt;
    }
    QFile file(m_path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        m_lastErrorCode = lastSystemError();
        return std::nullopt;
    }
    QByteArray content = file.read(maxBytes);
    if (file.error() != QFileDevice::NoError) {
        m_lastErrorCode = lastSystemError();
        return std::nullopt;
    }
    m_lastErrorCode = FileError::None;
    return content;
}

bool FileItem::replaceWith(const QByteArray& content)
{
    // Name the faults that the writing itself would only call I/O errors.
    const int where = lookup(m_path).lastErrorCode();
    if (where != FileError::None && where != FileError::FileNotFound) {
        m_lastErrorCode = where;
        return false;
    }
    if (QFileInfo(m_path).isDir()) {
        m_lastErrorCode = FileError::InvalidName;
        return false;
    }
    QSaveFile file(m_path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        m_lastErrorCode = lastSystemError();
        return false;
    }
    // Qt 6.4's commit() renames even after its own flush failed (a full disk,
    // a size limit), so the flush is checked here first.
    if (file.write(content) != content.size() || !file.flush()) {
        m_lastErrorCode = lastSystemError();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        m_lastErrorCode = lastSystemError();
        return false;
    }
    m_lastErrorCode = FileError::None;
    return true;
}

} // namespace platform
