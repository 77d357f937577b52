#include "QuietToolkit.h"

#include "app/Failure.h"
#include "ui/DesignText.h"

#include <cstdio>
#include <cstdlib>

QuietToolkit::QuietToolkit()
{
    for (size_t control = 0; control < m_texts.size(); ++control)
        m_texts[control] = designText(Control(control));
}

void QuietToolkit::SetLabelText(Control label, const QString &text)
{
    m_texts[size_t(label)] = text;
}

QString QuietToolkit::GetLabelText(Control label) const
{
    return m_texts[size_t(label)];
}

void QuietToolkit::SetBoxText(Control box, const QString &text)
{
    m_texts[size_t(box)] = text;
}

QString QuietToolkit::GetBoxText(Control box) const
{
    return m_texts[size_t(box)];
}

QString QuietToolkit::AskText(const QString &)
{
    return QStringLiteral("Prova");
}

QString QuietToolkit::ProgramFolder() const
{
    return QStringLiteral("/usr/libexec/tavola");
}

void QuietToolkit::ReportFailure(const Failure &failure)
{
    // A measurement of a failing game means nothing: stop it loudly.
    std::fprintf(stderr, "tavola_bench_logic: %s\n", qPrintable(failure.message()));
    std::exit(EXIT_FAILURE);
}
