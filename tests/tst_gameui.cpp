#include "BoxAnswerer.h"
#include "PupilArithmetic.h"
#include "ui/AnswerBox.h"
#include "ui/GameSession.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// A game on the real window, offscreen, played through real key events.
class TestGameUi : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startShowsTheWindowWithTheName();
    void answerBoxFilter_data();
    void answerBoxFilter();
    void enterJudgesAndAltNPosesTheNext();
    void enterOnTheButtonPosesTheNext();
    void heldEnterJudgesOnce_data();
    void heldEnterJudgesOnce();

private:
    QString textOf(Control label) const { return m_session->window().label(label)->text(); }
    AnswerBox *box() const { return m_session->window().answerBox(); }
    QString rightAnswer() const;

    QTemporaryDir m_records;
    std::unique_ptr<BoxAnswerer> m_answerer;
    std::unique_ptr<GameSession> m_session;
    QList<int> m_endings;
    // The time on the clock the window reads key presses by.
    std::chrono::milliseconds m_now{0};
};

void TestGameUi::init()
{
    m_endings.clear();
    m_answerer = std::make_unique<BoxAnswerer>(QStringLiteral("Anna"));
    m_session = std::make_unique<GameSession>([this](int status) { m_endings << status; },
                                              [this] { return m_records.path(); });
    m_now = std::chrono::milliseconds(0);
    m_session->window().setKeyClock([this] { return m_now; });
    m_session->start();
    QVERIFY(QTest::qWaitForWindowActive(&m_session->window()));
    QTRY_VERIFY(!textOf(Control::lblNum2).isEmpty());
}

void TestGameUi::cleanup()
{
    m_session.reset();
    m_answerer.reset();
}

QString TestGameUi::rightAnswer() const
{
    return productByMovingTheComma(textOf(Control::lblNum1), textOf(Control::lblNum2));
}

void TestGameUi::startShowsTheWindowWithTheName()
{
    QCOMPARE(m_answerer->messages, QStringList{QStringLiteral(" Anna vediamo se sei un vero campione  ")});
    QCOMPARE(m_answerer->titles, (QStringList{QStringLiteral("Tavola"), QStringLiteral("Tavola")}));
    QCOMPARE(textOf(Control::lblnome1), QStringLiteral("Anna"));
    QCOMPARE(textOf(Control::lblconto), QStringLiteral("00:05:00"));
    QVERIFY(m_session->window().timer()->isActive());
    QVERIFY(!m_session->window().button(Control::cmdNext)->isEnabled());
    QVERIFY(box()->hasFocus());
    QVERIFY(m_endings.isEmpty());
}

void TestGameUi::answerBoxFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("digits and commas") << "1,5,2" << "1,5,2";
    QTest::newRow("letters, point, minus, blank") << "a.- x" << "";
    QTest::newRow("at most 8 characters") << "1234567890" << "12345678";
}

void TestGameUi::answerBoxFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    QTest::keyClicks(box(), typed);
    QCOMPARE(box()->text(), shown);
}

void TestGameUi::enterJudgesAndAltNPosesTheNext()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("999"));
    QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box()->text(), QString());
    QTest::keyClicks(box(), QStringLiteral("12"));
    QTest::keyClick(box(), Qt::Key_Backspace);
    QCOMPARE(box()->text(), QStringLiteral("1"));

    const QString answer = rightAnswer();
    box()->clear();
    QTest::keyClicks(box(), answer);
    QTest::keyClick(box(), Qt::Key_Return);

    QCOMPARE(textOf(Control::lblMessage), QStringLiteral("Esatto! Anna sei forte!"));
    QCOMPARE(textOf(Control::lblScore), QStringLiteral("1"));
    QPushButton *next = m_session->window().button(Control::cmdNext);
    QVERIFY(next->isEnabled());
    QVERIFY(next->hasFocus());
    QVERIFY2(m_answerer->messages.size() == 1, "no box for the sound, even without suoni/");

    QTest::keyClick(&m_session->window(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(textOf(Control::lblMessage), QString());
    QVERIFY(!next->isEnabled());
    QVERIFY(box()->hasFocus());
}

void TestGameUi::enterOnTheButtonPosesTheNext()
{
    QTest::keyClick(box(), Qt::Key_Return);
    QVERIFY(textOf(Control::lblMessage).startsWith(QStringLiteral("Sbagliato!! ")));
    QCOMPARE(textOf(Control::lblScore1), QStringLiteral("1"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QVERIFY(m_session->window().button(Control::cmdNext)->isEnabled());
    m_now += EnterGuard::settleTime;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(!m_session->window().button(Control::cmdNext)->isEnabled());
    QCOMPARE(textOf(Control::lblScore2), QStringLiteral("1"));
}

void TestGameUi::heldEnterJudgesOnce_data()
{
    // When each Enter comes, in ms after the one that judged.
    QTest::addColumn<QList<int>>("pressesAt");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<bool>("posesTheNext");

    QTest::newRow("the key held down") << QList<int>{30, 60, 500} << true << false;
    QTest::newRow("two more presses 30 ms apart") << QList<int>{30, 60} << false << false;
    QTest::newRow("a press just under 200 ms later") << QList<int>{199} << false << false;
    QTest::newRow("a new press 200 ms later") << QList<int>{200} << false << true;
}

void TestGameUi::heldEnterJudgesOnce()
{
    QFETCH(QList<int>, pressesAt);
    QFETCH(bool, autoRepeat);
    QFETCH(bool, posesTheNext);

    // The repeats of a held Enter in the answer box judge nothing.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QApplication::sendEvent(box(), &repeat);
    QCOMPARE(textOf(Control::lblScore2), QStringLiteral("0"));

    QTest::keyClick(box(), Qt::Key_Return);
    QCOMPARE(textOf(Control::lblScore2), QStringLiteral("1"));
    QPushButton *next = m_session->window().button(Control::cmdNext);
    QVERIFY(next->hasFocus());

    const std::chrono::milliseconds judgedAt = m_now;
    for (int at : pressesAt) {
        m_now = judgedAt + std::chrono::milliseconds(at);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), autoRepeat);
        QApplication::sendEvent(QApplication::focusWidget(), &enter);
    }
    QCOMPARE(!next->isEnabled(), posesTheNext);
    QCOMPARE(textOf(Control::lblScore2), QStringLiteral("1"));
    QCOMPARE(textOf(Control::lblMessage).isEmpty(), posesTheNext);
}

QTEST_MAIN(TestGameUi)
#include "tst_gameui.moc"
