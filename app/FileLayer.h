#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>

class QLockFile;

// Text files opened under small numbers, as the record store uses them.
// Every failure throws a Failure that names the file and the reason.
class FileLayer
{
public:
    // How much of a file is ever read: a record is a few lines, and whatever
    // else a file holds is not worth the time and memory of a start-up.
    static constexpr qint64 readBound = 4096;

    FileLayer();
    ~FileLayer();

    // A number that no open file uses.
    int16_t freeFile() const;
    // Opens for adding at the end; creates the file empty when it is missing.
    void openForAppend(int16_t number, const QString &path);
    // Opens an existing file for reading from its start.
    void openForInput(int16_t number, const QString &path);
    // Opens for writing anew. The old content stays whole until close has the
    // new one safely on disk and puts it in its place at once.
    void openForOutput(int16_t number, const QString &path);
    // Size of the open file in bytes.
    qint64 length(int16_t number) const;
    // Reads up to count bytes as text in the system's 8-bit encoding.
    QString readChars(int16_t number, qint64 count);
    // The start of the open input file as text: all of it up to readBound
    // bytes; a longer file is cut there, back to its last whole character.
    QString readStart(int16_t number);
    // Writes the text, then carriage return and line feed.
    void writeLine(int16_t number, const QString &text);
    void close(int16_t number);

    // Whether anything lies at the path.
    static bool exists(const QString &path);
    // Creates the folder and the folders above it that are missing.
    static void makeFolder(const QString &path);

    // Keeps every other process that locks the same path waiting until the
    // returned lock is gone; the lock file lies beside the path.
    static std::unique_ptr<QLockFile> lock(const QString &path);
    // Like Lock, but gives no lock instead of failing.
    static std::unique_ptr<QLockFile> tryLock(const QString &path);
    // Whether a save that never finished left a temporary file for the path,
    // or a lock file (the lock goes with the next lock and unlock).
    static bool hasLeftovers(const QString &path);
    // Removes those temporary files; hold the path's lock meanwhile.
    static void removeLeftovers(const QString &path);

    // The text of a file's first bytes; when the file goes on, a character
    // split at the end is left out.
    static QString textOfStart(const QByteArray &start, bool fileGoesOn);

private:
    struct OpenFile;
    OpenFile &openFile(int16_t number) const;
    QByteArray readBytes(int16_t number, qint64 count);

    std::map<int16_t, std::unique_ptr<OpenFile>> m_files;
};
