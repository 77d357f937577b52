#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// An error that nothing in the game handles: it travels up to the one place
// that reports it to the player and ends the program.
class Failure : public std::exception
{
public:
    enum class Kind { TypeMismatch, Overflow, File };

    Failure(Kind kind, QString detail)
        : m_kind(kind), m_detail(std::move(detail)), m_utf8(m_detail.toUtf8())
    {
    }

    static Failure typeMismatch(const QString &text)
    {
        return {Kind::TypeMismatch, QStringLiteral("Tipo non corrispondente: «%1» non è un numero.").arg(text)};
    }
    static Failure overflow()
    {
        return {Kind::Overflow, QStringLiteral("Overflow: un numero è uscito dai limiti consentiti.")};
    }
    static Failure file(const QString &path, const QString &reason)
    {
        return {Kind::File, QStringLiteral("Errore sul file «%1»: %2.").arg(path, reason)};
    }

    Kind kind() const { return m_kind; }
    // The Italian text shown to the player.
    QString message() const { return m_detail; }
    // The same text, for whatever reads a std::exception.
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    Kind m_kind;
    QString m_detail;
    QByteArray m_utf8;
};
