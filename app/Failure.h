#pragma once

#include <QString>
#include <exception>

// An error that nothing in the game handles: it travels up to the one place
// that reports it to the player and ends the program.
class Failure : public std::exception
{
public:
    enum class Kind { TypeMismatch, Overflow, File };

    Failure(Kind kind, QString detail) : m_kind(kind), m_detail(std::move(detail)) {}

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
    const char *what() const noexcept override { return "Tavola failure"; }

private:
    Kind m_kind;
    QString m_detail;
};
