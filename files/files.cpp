#include "files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace spindex::files {

namespace {
QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// "1 MiB" for the limits the program uses, plain bytes otherwise.
std::string sizeText(std::int64_t bytes) {
    constexpr std::int64_t MiB = 1024 * 1024;
    if (bytes % MiB == 0)
        return std::to_string(bytes / MiB) + " MiB";
    return std::to_string(bytes) + " bytes";
}
} // namespace

std::string writeWhole(const std::string& path, const std::string& content) {
    const QFileInfo target(qt(path));
    if (path.empty())
        return "no file name was given";
    if (!target.absoluteDir().exists())
        return "the folder does not exist";
    if (target.isDir())
        return "it is a folder";
    // A file its owner made read-only stays as it is, also for an administrator whom the system
    // would let replace it.
    if (target.exists() && !(target.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)))
        return "no permission to write it";
    QSaveFile file(target.filePath());
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString().toStdString();
    const auto size = static_cast<qint64>(content.size());
    if (file.write(content.data(), size) != size) {
        const std::string reason = file.errorString().toStdString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return {};
}

std::string readWhole(const std::string& path, std::string& content, std::int64_t limit) {
    content.clear();
    const QFileInfo info(qt(path));
    if (path.empty())
        return "no file name was given";
    if (!info.exists())
        return "the file does not exist";
    if (info.isDir())
        return "it is a folder";
#ifdef Q_OS_UNIX
    // A pipe that nobody writes to would keep a plain open waiting for ever: it is opened without
    // waiting, and then read like any file (it reads as empty).
    const int fd = ::open(QFile::encodeName(info.filePath()).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return "it cannot be read (" + std::string(std::strerror(errno)) + ")";
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return "it cannot be read (" + file.errorString().toStdString() + ")";
    }
#else
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return "it cannot be read (" + file.errorString().toStdString() + ")";
#endif
    // A device or pipe may not know its size: read one byte past the limit to tell.
    const QByteArray bytes = file.read(limit + 1);
    if (bytes.size() > limit)
        return "it is larger than " + sizeText(limit);
    if (file.error() != QFileDevice::NoError)
        return "it cannot be read (" + file.errorString().toStdString() + ")";
    content.assign(bytes.constData(), static_cast<size_t>(bytes.size()));
    return {};
}

} // namespace spindex::files
