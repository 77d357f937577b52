#include "ui/GameSession.h"

#include "app/EventDelivery.h"
#include "game/SoundCue.h"
#include "ui/AnswerBox.h"
#include "ui/FirstTextPaint.h"

#include <QApplication>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

GameSession::GameSession(QtToolkit::EndProcess endProcess, Tavola::RecordFolder recordFolder)
    : m_toolkit(m_window, std::move(endProcess)),
      m_tavola(m_toolkit, m_random, m_sound, std::move(recordFolder))
{
    connectEvents();
    new FirstTextPaint(m_window.label(Control::lblNum2), [this] {
        QTimer::singleShot(0, &m_window, [this] { loadCues(); });
    });
}

void GameSession::deliver(void (Tavola::*handler)())
{
    deliverEvent(m_toolkit, [this, handler] { (m_tavola.*handler)(); });
}

void GameSession::connectEvents()
{
    QObject::connect(&m_window, &TavolaWindow::firstActivated, [this] { deliver(&Tavola::Form_Activate); });
    QObject::connect(&m_window, &TavolaWindow::displayChanged, [this] { deliver(&Tavola::Form_Resize); });
    QObject::connect(m_window.button(Control::cmdNext), &QPushButton::clicked,
                     [this] { deliver(&Tavola::cmdNext_Click); });
    QObject::connect(m_window.button(Control::cmdExit), &QPushButton::clicked,
                     [this] { deliver(&Tavola::cmdExit_Click); });
    QObject::connect(m_window.timer(), &QTimer::timeout, [this] {
        // The clock waits while the player reads one of the game's boxes.
        if (!m_toolkit.isBoxOpen())
            deliver(&Tavola::Timer1_Timer);
    });
    m_window.answerBox()->setKeyFilter([this](int16_t &keyCode) {
        deliverEvent(m_toolkit, [this, &keyCode] { m_tavola.txtAnswer_KeyPress(keyCode); });
    });
}

void GameSession::start()
{
    // A steady caret: the big answer box is easy to find without blinking,
    // and the window stays still while the pupil thinks.
    QApplication::setCursorFlashTime(0);
    deliver(&Tavola::Form_Load);
    m_window.show();
    m_window.activateWindow();
}

void GameSession::loadCues()
{
    const QString folder = m_toolkit.ProgramFolder();
    m_sound.load({soundCuePath(folder, SoundCue::Right), soundCuePath(folder, SoundCue::Wrong)});
}

QString GameSession::standardRecordFolder()
{
    // Named here rather than taken from the application's name, so that the
    // folder stays the same whoever starts the game.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/tavola");
}
