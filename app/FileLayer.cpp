#include "app/FileLayer.h"

#include "contracts/Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Why a file step failed, in words a teacher can act on.
QString reasonFor(const QFileDevice &file)
{
    const QFileInfo info(file.fileName());
    if (info.isDir())
        return QStringLiteral("al suo posto c'è una cartella");
    if (!info.dir().exists())
        return QStringLiteral("la cartella che dovrebbe contenerlo non esiste");
    switch (file.error()) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("accesso negato");
    case QFileDevice::ReadError:
        return QStringLiteral("non si riesce a leggerlo");
    case QFileDevice::WriteError:
    case QFileDevice::ResourceError:
        return QStringLiteral("non si riesce a scriverlo (il disco potrebbe essere pieno)");
    case QFileDevice::RenameError:
        return QStringLiteral("non si riesce a sostituire il file vecchio");
    case QFileDevice::OpenError:
        return info.exists() ? QStringLiteral("non si riesce ad aprirlo")
                             : QStringLiteral("il file non esiste o non si riesce a crearlo");
    default:
        return QStringLiteral("errore imprevisto del sistema");
    }
}

[[noreturn]] void fail(const QFileDevice &file)
{
    throw Failure::file(QDir::toNativeSeparators(QDir::cleanPath(file.fileName())), reasonFor(file));
}

} // namespace

FileLayer::FileLayer() = default;
FileLayer::~FileLayer() = default;

int16_t FileLayer::FreeFile() const
{
    int16_t number = 1;
    while (m_files.contains(number))
        ++number;
    return number;
}

void FileLayer::open(int16_t number, std::unique_ptr<QFileDevice> file, int mode)
{
    if (!file->open(QIODevice::OpenMode(mode)))
        fail(*file);
    m_files[number] = std::move(file);
}

void FileLayer::OpenForAppend(int16_t number, const QString &path)
{
    open(number, std::make_unique<QFile>(path), QIODevice::Append);
}

void FileLayer::OpenForInput(int16_t number, const QString &path)
{
    open(number, std::make_unique<QFile>(path), QIODevice::ReadOnly);
}

void FileLayer::OpenForOutput(int16_t number, const QString &path)
{
    open(number, std::make_unique<QSaveFile>(path), QIODevice::WriteOnly);
}

QFileDevice &FileLayer::openFile(int16_t number) const
{
    const auto found = m_files.find(number);
    Q_ASSERT(found != m_files.end());
    return *found->second;
}

qint64 FileLayer::Length(int16_t number) const
{
    return openFile(number).size();
}

QString FileLayer::ReadChars(int16_t number, qint64 count)
{
    QFileDevice &file = openFile(number);
    const QByteArray bytes = file.read(count);
    if (bytes.size() != count)
        fail(file);
    return QString::fromLocal8Bit(bytes);
}

void FileLayer::WriteLine(int16_t number, const QString &text)
{
    QFileDevice &file = openFile(number);
    const QByteArray line = text.toLocal8Bit() + "\r\n";
    if (file.write(line) != line.size())
        fail(file);
}

void FileLayer::Close(int16_t number)
{
    const auto found = m_files.find(number);
    if (found == m_files.end())
        return;
    std::unique_ptr<QFileDevice> file = std::move(found->second);
    m_files.erase(found);
    if (auto *saveFile = qobject_cast<QSaveFile *>(file.get())) {
        if (!saveFile->commit())
            fail(*saveFile);
    } else {
        file->close();
    }
}
