#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <memory>

class QFileDevice;

// Text files opened under small numbers, as the record store uses them.
// Every failure throws a Failure that names the file and the reason.
class FileLayer
{
public:
    FileLayer();
    ~FileLayer();

    // A number that no open file uses.
    int16_t FreeFile() const;
    // Opens for adding at the end; creates the file empty when it is missing.
    void OpenForAppend(int16_t number, const QString &path);
    // Opens an existing file for reading from its start.
    void OpenForInput(int16_t number, const QString &path);
    // Opens for writing anew. The old content stays whole until Close puts
    // the new one in its place at once.
    void OpenForOutput(int16_t number, const QString &path);
    // Size of the open file in bytes.
    qint64 Length(int16_t number) const;
    // Reads up to count bytes as text in the system's 8-bit encoding.
    QString ReadChars(int16_t number, qint64 count);
    // Writes the text, then carriage return and line feed.
    void WriteLine(int16_t number, const QString &text);
    void Close(int16_t number);

private:
    QFileDevice &openFile(int16_t number) const;
    void open(int16_t number, std::unique_ptr<QFileDevice> file, int mode);

    std::map<int16_t, std::unique_ptr<QFileDevice>> m_files;
};
