#pragma once

#include <QObject>
#include <chrono>
#include <functional>
#include <optional>

class QWidget;

// Keeps a held or bouncing Enter key from pressing a button that the game
// has just handed the keyboard to: an auto-repeated Enter never presses it,
// nor does an Enter that comes within a moment of the hand-over.
class EnterGuard : public QObject
{
    Q_OBJECT

public:
    // The time now, on a clock that only goes forward.
    using Clock = std::function<std::chrono::milliseconds()>;

    // How long after the hand-over an Enter is taken for the same press.
    static constexpr std::chrono::milliseconds settleTime{200};

    explicit EnterGuard(QWidget *button, Clock clock = steadyNow);

    void setClock(Clock clock) { m_clock = std::move(clock); }

    static std::chrono::milliseconds steadyNow();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool swallows(const QEvent &event) const;

    QWidget *m_button;
    Clock m_clock;
    std::optional<std::chrono::milliseconds> m_handedOverAt;
};
