#include "app/FileLayer.h"

#include "contracts/Failure.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <utility>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// How long a game waits for another one that is saving its record.
constexpr int lockWaitMs = 10000;

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

bool canWrite(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

// Why a file step on the path failed with the system's error number, in words
// a teacher can act on.
QString reasonFor(const QString &path, int error)
{
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return QStringLiteral("il disco è pieno");
    case EISDIR:
        return QStringLiteral("al suo posto c'è una cartella");
    case ENOTDIR:
        return QStringLiteral("al posto della cartella c'è un file");
    case ENOENT:
        return QFileInfo(folderOf(path)).isDir() ? QStringLiteral("il file non esiste")
                                                 : QStringLiteral("la cartella che dovrebbe contenerlo non esiste");
    case EACCES:
    case EPERM:
        return QFileInfo(path).isFile() && !canWrite(path)
                   ? QStringLiteral("accesso negato: il file è di sola lettura")
                   : QStringLiteral("accesso negato: la cartella non permette di scrivere");
    case EROFS:
        return QStringLiteral("il disco è di sola lettura");
    case EIO:
        return QStringLiteral("il disco non riesce a leggere o a scrivere");
    default:
        return QStringLiteral("errore imprevisto del sistema (%1)").arg(error);
    }
}

[[noreturn]] void failWith(const QString &path, int error)
{
    throw Failure::file(nativePath(path), reasonFor(path, error));
}

// The error that what lies on the way to the folder gives a file step in it,
// or 0 when the folder is there.
int errorOnTheWayTo(const QString &folder)
{
    bool missing = false;
    for (QFileInfo at(folder);; at = QFileInfo(at.absolutePath())) {
        if (at.exists())
            return !at.isDir() ? ENOTDIR : missing ? ENOENT : 0;
        missing = true;
        if (at.isRoot() || at.absolutePath() == at.absoluteFilePath())
            return ENOENT;
    }
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// The name of a temporary file that a save makes beside the file it replaces.
QRegularExpression leftoverName(const QString &path)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(QFileInfo(path).fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
}

QStringList leftoversOf(const QString &path)
{
    const QDir folder(folderOf(path));
    const QRegularExpression pattern = leftoverName(path);
    QStringList found;
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (pattern.match(name).hasMatch())
            found << folder.filePath(name);
    }
    return found;
}

std::unique_ptr<QLockFile> lockFor(const QString &path, int waitMs)
{
    auto lock = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    if (lock->tryLock(waitMs))
        return lock;
    if (lock->error() == QLockFile::LockFailedError)
        throw Failure::file(nativePath(path), QStringLiteral("un'altra partita sta salvando il record e non ha finito"));
    // With the folder in place, a lock file that could not be made or written
    // means a full disk.
    const int onTheWay = errorOnTheWayTo(folderOf(path));
    const int error = lock->error() == QLockFile::PermissionError ? EACCES : onTheWay != 0 ? onTheWay : ENOSPC;
    throw Failure::file(nativePath(path), reasonFor(lock->fileName(), error));
}

} // namespace

// A file open under a number. A file opened for output is written to a
// temporary file beside it, which takes its place only once safely on disk.
struct FileLayer::OpenFile
{
    int fd = -1;
    QString path;
    QString temporaryPath;

    ~OpenFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (!temporaryPath.isEmpty())
            ::unlink(QFile::encodeName(temporaryPath).constData());
    }

    // Gives up the new content, leaving the old file as it was, and fails.
    [[noreturn]] void fail(int error)
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
        if (!temporaryPath.isEmpty())
            ::unlink(QFile::encodeName(temporaryPath).constData());
        temporaryPath.clear();
        failWith(path, error);
    }
};

FileLayer::FileLayer() = default;
FileLayer::~FileLayer() = default;

int16_t FileLayer::freeFile() const
{
    int16_t number = 1;
    while (m_files.contains(number))
        ++number;
    return number;
}

void FileLayer::openForAppend(int16_t number, const QString &path)
{
    auto file = std::make_unique<OpenFile>();
    file->path = path;
    file->fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (file->fd < 0)
        file->fail(errno);
    m_files[number] = std::move(file);
}

void FileLayer::openForInput(int16_t number, const QString &path)
{
    auto file = std::make_unique<OpenFile>();
    file->path = path;
    file->fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (file->fd < 0)
        file->fail(errno);
    struct stat status {};
    if (::fstat(file->fd, &status) != 0)
        file->fail(errno);
    if (S_ISDIR(status.st_mode))
        file->fail(EISDIR);
    m_files[number] = std::move(file);
}

void FileLayer::openForOutput(int16_t number, const QString &path)
{
    auto file = std::make_unique<OpenFile>();
    file->path = path;
    QByteArray name = QFile::encodeName(path + QStringLiteral(".XXXXXX"));
    file->fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (file->fd < 0)
        file->fail(errno);
    file->temporaryPath = QFile::decodeName(name);
    // Keep the permissions the old file gave, or the usual ones for a new file.
    struct stat old {};
    const mode_t mode = ::stat(QFile::encodeName(path).constData(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    ::fchmod(file->fd, mode);
    m_files[number] = std::move(file);
}

FileLayer::OpenFile &FileLayer::openFile(int16_t number) const
{
    const auto found = m_files.find(number);
    Q_ASSERT(found != m_files.end());
    return *found->second;
}

qint64 FileLayer::length(int16_t number) const
{
    OpenFile &file = openFile(number);
    struct stat status {};
    if (::fstat(file.fd, &status) != 0)
        file.fail(errno);
    return status.st_size;
}

QString FileLayer::readChars(int16_t number, qint64 count)
{
    return QString::fromLocal8Bit(readBytes(number, count));
}

QByteArray FileLayer::readBytes(int16_t number, qint64 count)
{
    OpenFile &file = openFile(number);
    QByteArray bytes(count, Qt::Uninitialized);
    qint64 done = 0;
    while (done < count) {
        const ssize_t read = ::read(file.fd, bytes.data() + done, size_t(count - done));
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            file.fail(errno);
        if (read == 0)
            break;
        done += read;
    }
    bytes.truncate(done);
    return bytes;
}

QString FileLayer::readStart(int16_t number)
{
    const qint64 size = length(number);
    return textOfStart(readBytes(number, std::min(size, readBound)), size > readBound);
}

QString FileLayer::textOfStart(const QByteArray &start, bool fileGoesOn)
{
    qsizetype end = start.size();
    if (fileGoesOn && end > 0) {
        const auto byteAt = [&start](qsizetype i) { return static_cast<unsigned char>(start[i]); };
        qsizetype lead = end - 1;
        while (lead > 0 && lead > end - 4 && (byteAt(lead) & 0xC0) == 0x80)
            --lead;
        const unsigned char first = byteAt(lead);
        const qsizetype length = (first & 0xE0) == 0xC0 ? 2 : (first & 0xF0) == 0xE0 ? 3 : (first & 0xF8) == 0xF0 ? 4 : 1;
        if (end - lead < length)
            end = lead;
    }
    return QString::fromLocal8Bit(start.first(end));
}

void FileLayer::writeLine(int16_t number, const QString &text)
{
    OpenFile &file = openFile(number);
    const QByteArray line = text.toLocal8Bit() + "\r\n";
    if (!writeAll(file.fd, line.constData(), line.size()))
        file.fail(errno);
}

void FileLayer::close(int16_t number)
{
    const auto found = m_files.find(number);
    if (found == m_files.end())
        return;
    std::unique_ptr<OpenFile> file = std::move(found->second);
    m_files.erase(found);
    if (file->temporaryPath.isEmpty()) {
        ::close(std::exchange(file->fd, -1));
        return;
    }
    // Every byte on the disk first; only then does the new file replace the old.
    if (::fsync(file->fd) != 0)
        file->fail(errno);
    if (::close(std::exchange(file->fd, -1)) != 0)
        file->fail(errno);
    if (::rename(QFile::encodeName(file->temporaryPath).constData(), QFile::encodeName(file->path).constData()) != 0)
        file->fail(errno);
    file->temporaryPath.clear();
    // The folder itself records the new name only once it is synced.
    const int folder = ::open(QFile::encodeName(folderOf(file->path)).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

bool FileLayer::exists(const QString &path)
{
    return QFileInfo::exists(path);
}

void FileLayer::makeFolder(const QString &path)
{
    if (QDir().mkpath(path))
        return;
    const int onTheWay = errorOnTheWayTo(path);
    throw Failure::file(nativePath(path), reasonFor(path + QStringLiteral("/."), onTheWay != 0 ? onTheWay : EACCES));
}

std::unique_ptr<QLockFile> FileLayer::lock(const QString &path)
{
    return lockFor(path, lockWaitMs);
}

std::unique_ptr<QLockFile> FileLayer::tryLock(const QString &path)
{
    try {
        return lockFor(path, lockWaitMs);
    } catch (const Failure &) {
        return nullptr;
    }
}

bool FileLayer::hasLeftovers(const QString &path)
{
    return !leftoversOf(path).isEmpty() || QFileInfo::exists(path + QStringLiteral(".lock"));
}

void FileLayer::removeLeftovers(const QString &path)
{
    for (const QString &leftover : leftoversOf(path))
        QFile::remove(leftover);
}
