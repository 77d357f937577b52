#include "ui/QtToolkit.h"

#include "contracts/Failure.h"
#include "ui/AnswerBox.h"
#include "ui/TavolaWindow.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {
const QString boxTitle = QStringLiteral("Tavola");
} // namespace

QtToolkit::QtToolkit(TavolaWindow &window, EndProcess endProcess)
    : m_window(window), m_endProcess(std::move(endProcess))
{
}

void QtToolkit::SetLabelText(Control label, const QString &text)
{
    m_window.setLabelText(label, text);
}

QString QtToolkit::GetLabelText(Control label) const
{
    return m_window.label(label)->text();
}

void QtToolkit::SetBoxText(Control, const QString &text)
{
    m_window.answerBox()->setText(text);
}

QString QtToolkit::GetBoxText(Control) const
{
    return m_window.answerBox()->text();
}

void QtToolkit::EnableControl(Control control, bool on)
{
    if (control != Control::Timer1) {
        m_window.control(control)->setEnabled(on);
    } else if (on) {
        m_window.timer()->start();
    } else {
        m_window.timer()->stop();
    }
}

void QtToolkit::FocusControl(Control control)
{
    m_window.control(control)->setFocus(Qt::OtherFocusReason);
}

void QtToolkit::SetWindowBackground(Rgb colour)
{
    m_window.setBackgroundColour(QColor(colour.red, colour.green, colour.blue));
}

void QtToolkit::SetWindowTitle(const QString &title)
{
    m_window.setWindowTitle(title);
}

DisplayState QtToolkit::WindowDisplayState() const
{
    if (m_window.isMinimized())
        return DisplayState::Minimised;
    if (m_window.isMaximized())
        return DisplayState::Maximised;
    return DisplayState::Normal;
}

QWidget *QtToolkit::boxParent() const
{
    return m_window.isVisible() ? &m_window : nullptr;
}

void QtToolkit::ShowMessage(const QString &text)
{
    ++m_openBoxes;
    const auto closed = qScopeGuard([this] { --m_openBoxes; });
    QMessageBox box(QMessageBox::NoIcon, boxTitle, text, QMessageBox::Ok, boxParent());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString QtToolkit::AskText(const QString &prompt)
{
    ++m_openBoxes;
    const auto closed = qScopeGuard([this] { --m_openBoxes; });
    QInputDialog dialog(boxParent());
    dialog.setWindowTitle(boxTitle);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

QString QtToolkit::ProgramFolder() const
{
    return QCoreApplication::applicationDirPath();
}

void QtToolkit::TerminateProgram()
{
    m_endProcess(EXIT_SUCCESS);
}

void QtToolkit::ReportFailure(const Failure &failure)
{
    ++m_openBoxes;
    const auto closed = qScopeGuard([this] { --m_openBoxes; });
    std::fprintf(stderr, "tavola: %s\n", qPrintable(failure.message()));
    QMessageBox box(QMessageBox::Critical, boxTitle,
                    QStringLiteral("Si è verificato un errore e il gioco deve chiudersi.\n\n") + failure.message(),
                    QMessageBox::Ok, boxParent());
    box.setTextFormat(Qt::PlainText);
    box.exec();
    m_endProcess(EXIT_FAILURE);
}

void QtToolkit::endProcessNow(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}
