#include "BoxAnswerer.h"
#include "GameFixture.h"
#include "PupilArithmetic.h"
#include "ui/ApplicationSetup.h"
#include "ui/GameSession.h"

#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <limits>

namespace {

const QString askName = QStringLiteral("Come ti chiami?");
const QString farewell = QStringLiteral("Ciao, alla prossima sfida. ");
const QString recordSaved = QStringLiteral("Ok! Ho registrato il tuo record, C A M P I O N E");
const QStringList recordFiles{QStringLiteral("quarzel.txt"), QStringLiteral("nquarzel.txt")};

// The greeting that follows the name box.
QString greeting(const QString &name)
{
    return QStringLiteral(" ") + name + QStringLiteral(" vediamo se sei un vero campione  ");
}

} // namespace

// Whole games on the real window, offscreen, played through key presses: a
// player answers the boxes, the clock moves only by its own timer's ticks,
// and the end of the program is the ending the game asks for.
class TestEndToEnd : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }
    void recordFolderIsTheGamesWhoeverStartsIt();
    void cleanup() { m_session.reset(); }
    void gameEnds_data();
    void gameEnds();

private:
    // One step of a game on the window: "type TEXT", "enter", "right" or
    // "wrong" (type such an answer to the problem on screen, then Enter),
    // "alt+n", "alt+x", or "time-up" (the clock's timer ticks until it ends
    // the game).
    void play(const QString &step);
    void pressEnter();
    void tickUntilTheEnd();
    QString textOf(Control label) const { return m_session->window().label(label)->text(); }
    QString rightAnswer() const;

    std::unique_ptr<GameSession> m_session;
    QList<int> m_endings;
    // "right" or "wrong" for every answer judged, in order.
    QStringList m_judgements;
};

// Whatever name the program that starts the game goes by.
void TestEndToEnd::recordFolderIsTheGamesWhoeverStartsIt()
{
    QTemporaryDir dataHome;
    const QByteArray dataHomeBefore = qgetenv("XDG_DATA_HOME");
    const QString nameBefore = QCoreApplication::applicationName();
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    QCoreApplication::setApplicationName(QStringLiteral("altro"));
    const QString folder = GameSession::standardRecordFolder();
    QCoreApplication::setApplicationName(nameBefore);
    qputenv("XDG_DATA_HOME", dataHomeBefore);

    QCOMPARE(folder, dataHome.filePath(QStringLiteral("tavola")));
}

void TestEndToEnd::gameEnds_data()
{
    QTest::addColumn<QByteArrayList>("recordsBefore");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("judgements");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QByteArrayList>("recordsAfter");

    const QByteArrayList annaWithTwo{"2\r\n", "Anna\r\n"};
    const QByteArrayList firstStart;

    QTest::newRow("exit beats the record")
        << QByteArrayList{"1\r\n", "Anna\r\n"} << "Luca"
        << QStringList{"type x.", "right", "alt+n", "wrong", "alt+n", "type 0", "enter", "alt+n", "right", "alt+x"}
        << QStringList{"right", "wrong", "wrong", "right"}
        << QStringList{askName, greeting("Luca"), recordSaved}
        << QByteArrayList{"2\r\n", "Luca\r\n"};
    QTest::newRow("time up on a first start makes the first record")
        << firstStart << "Anna" << QStringList{"right", "time-up"} << QStringList{"right"}
        << QStringList{askName, greeting("Anna"), farewell, recordSaved}
        << QByteArrayList{"1\r\n", "Anna\r\n"};
    QTest::newRow("exit with an equal score stores nothing")
        << annaWithTwo << "Luca" << QStringList{"right", "alt+n", "wrong", "alt+n", "right", "alt+x"}
        << QStringList{"right", "wrong", "right"} << QStringList{askName, greeting("Luca")} << annaWithTwo;
    QTest::newRow("time up with an equal score says only goodbye")
        << annaWithTwo << "Luca" << QStringList{"right", "alt+n", "right", "time-up"}
        << QStringList{"right", "right"} << QStringList{askName, greeting("Luca"), farewell} << annaWithTwo;
    QTest::newRow("cancelled name stores an empty name")
        << firstStart << QString() << QStringList{"right", "alt+x"} << QStringList{"right"}
        << QStringList{askName, greeting(QString()), recordSaved} << QByteArrayList{"1\r\n", "\r\n"};
}

void TestEndToEnd::gameEnds()
{
    QFETCH(QByteArrayList, recordsBefore);
    QFETCH(QString, name);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, judgements);
    QFETCH(QStringList, boxes);
    QFETCH(QByteArrayList, recordsAfter);

    QTemporaryDir records;
    QVERIFY(records.isValid());
    for (qsizetype i = 0; i < recordsBefore.size(); ++i)
        GameFixture::write(records.filePath(recordFiles.at(i)), recordsBefore.at(i));
    BoxAnswerer answerer(name);
    if (name.isEmpty())
        answerer.cancelName();
    m_endings.clear();
    m_judgements.clear();
    m_session = std::make_unique<GameSession>([this](int status) { m_endings << status; },
                                              [&records] { return records.path(); });
    // No tick but the ones this test gives.
    m_session->window().timer()->setInterval(std::numeric_limits<int>::max());
    m_session->start();
    QVERIFY(QTest::qWaitForWindowActive(&m_session->window()));
    QTRY_VERIFY(!textOf(Control::lblNum2).isEmpty());

    for (const QString &step : std::as_const(steps)) {
        play(step);
        if (QTest::currentTestFailed())
            return;
    }

    QCOMPARE(m_endings, QList<int>{EXIT_SUCCESS});
    QCOMPARE(m_judgements, judgements);
    QCOMPARE(answerer.titles, QStringList(boxes.size(), QStringLiteral("Tavola")));
    QStringList answered;
    for (const BoxAnswerer::Box &box : std::as_const(answerer.boxes)) {
        answered << box.text;
        // The name and the greeting come before the window.
        QCOMPARE(box.windowShown, answered.size() > 2);
    }
    QCOMPARE(answered, boxes);
    QByteArrayList recordsNow;
    for (const QString &file : recordFiles)
        recordsNow << GameFixture::bytesOf(records.filePath(file));
    QCOMPARE(recordsNow, recordsAfter);
}

void TestEndToEnd::play(const QString &step)
{
    QWidget *window = &m_session->window();
    QVERIFY(m_endings.isEmpty());
    if (step.startsWith(QLatin1String("type "))) {
        QTest::keyClicks(QApplication::focusWidget(), step.mid(5));
    } else if (step == QLatin1String("enter")) {
        pressEnter();
    } else if (step == QLatin1String("right") || step == QLatin1String("wrong")) {
        QString answer = rightAnswer();
        // The right product with its last digit changed: as long as the right one.
        if (step == QLatin1String("wrong"))
            answer.back() = QLatin1Char(char('0' + (answer.back().digitValue() + 1) % 10));
        QTest::keyClicks(QApplication::focusWidget(), answer);
        pressEnter();
    } else if (step == QLatin1String("alt+n")) {
        QTest::keyClick(window, Qt::Key_N, Qt::AltModifier);
        // A button pressed by its Alt key acts when it comes up again.
        QTRY_VERIFY(textOf(Control::lblMessage).isEmpty());
    } else if (step == QLatin1String("alt+x")) {
        QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!m_endings.isEmpty());
    } else if (step == QLatin1String("time-up")) {
        tickUntilTheEnd();
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

void TestEndToEnd::pressEnter()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    const QString feedback = textOf(Control::lblMessage);
    if (feedback.startsWith(QLatin1String("Esatto! ")))
        m_judgements << QStringLiteral("right");
    else if (feedback.startsWith(QLatin1String("Sbagliato!! ")))
        m_judgements << QStringLiteral("wrong");
    else
        m_judgements << feedback;
}

void TestEndToEnd::tickUntilTheEnd()
{
    QTimer *timer = m_session->window().timer();
    QVERIFY(timer->isActive());
    for (int tick = 1; tick <= 300; ++tick)
        QMetaObject::invokeMethod(timer, "timeout");
    QCOMPARE(textOf(Control::lblconto), QStringLiteral("00:00:00"));
    QVERIFY(m_endings.isEmpty());
    // The 301st tick finds the clock at zero and ends the game.
    QMetaObject::invokeMethod(timer, "timeout");
    QCOMPARE(textOf(Control::lblconto), QStringLiteral("00:00:00"));
}

QString TestEndToEnd::rightAnswer() const
{
    return productByMovingTheComma(textOf(Control::lblNum1), textOf(Control::lblNum2));
}

QTEST_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
