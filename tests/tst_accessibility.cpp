#include "BoxAnswerer.h"
#include "PupilArithmetic.h"
#include "ui/AnswerBox.h"
#include "ui/GameSession.h"
#include "ui/TavolaWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// What a screen reader finds in the window.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void labelsReadTheirText();
    void controlsReadTheirNames_data();
    void controlsReadTheirNames();
    void menusReadTheirTitles();
    void answerBoxTellsTheProblem();
    void countsTellTheirHeadings_data();
    void countsTellTheirHeadings();
    void treeReadsInOrder();
    void focusTellsTheProblemAndTheFeedback();

private:
    static QString spokenName(QObject *object)
    {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
        return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("<none>");
    }
};

void TestAccessibility::labelsReadTheirText()
{
    TavolaWindow window;
    window.label(Control::lblMessage)->setText(QStringLiteral("Esatto! Anna sei forte!"));
    window.label(Control::lblconto)->setText(QStringLiteral("00:04:59"));

    int read = 0;
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        QCOMPARE(spokenName(label), label->text());
        ++read;
    }
    QVERIFY(read >= 15);
}

void TestAccessibility::controlsReadTheirNames_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("name");

    QTest::newRow("answer box") << "txtAnswer" << "Risultato";
    QTest::newRow("next problem") << "cmdNext" << "Nuovo calcolo";
    QTest::newRow("exit") << "cmdExit" << "Exit";
}

void TestAccessibility::controlsReadTheirNames()
{
    QFETCH(QString, objectName);
    QFETCH(QString, name);

    TavolaWindow window;
    QWidget *control = window.findChild<QWidget *>(objectName);
    QVERIFY(control);
    QCOMPARE(spokenName(control), name);
}

void TestAccessibility::menusReadTheirTitles()
{
    TavolaWindow window;
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(window.menuBar());
    QVERIFY(bar);

    QStringList titles;
    for (int i = 0; i < bar->childCount(); ++i)
        titles << bar->child(i)->text(QAccessible::Name);
    QCOMPARE(titles.size(), window.menuBar()->actions().size());
    QVERIFY(titles.contains(QStringLiteral("Help")));
}

namespace {

QAccessibleInterface *accessibleOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

// The objects the given one has the relation with.
QObjectList related(QObject *object, QAccessible::Relation relation)
{
    QObjectList found;
    for (const auto &[other, kind] : accessibleOf(object)->relations(relation))
        found << other->object();
    return found;
}

// What a screen reader reads when the focus moves: the control and its
// description at that moment.
struct Heard
{
    QString control;
    QString description;
};

} // namespace

void TestAccessibility::answerBoxTellsTheProblem()
{
    TavolaWindow window;
    window.setLabelText(Control::lblNum1, QStringLiteral("100"));
    window.setLabelText(Control::lblNum2, QStringLiteral("12,345"));
    QCOMPARE(accessibleOf(window.answerBox())->text(QAccessible::Description), QStringLiteral("100 X 12,345 ="));
    // Nothing labels the box: a screen reader would read that in place of its name.
    QCOMPARE(accessibleOf(window.answerBox())->text(QAccessible::Name), QStringLiteral("Risultato"));
    QVERIFY(related(window.answerBox(), QAccessible::Label).isEmpty());
}

void TestAccessibility::countsTellTheirHeadings_data()
{
    QTest::addColumn<Control>("count");
    QTest::addColumn<QString>("heading");

    QTest::newRow("right") << Control::lblScore << "Risposte esatte";
    QTest::newRow("wrong") << Control::lblScore1 << "Risposte errate";
    QTest::newRow("all") << Control::lblScore2 << "Risposte totali";
}

void TestAccessibility::countsTellTheirHeadings()
{
    QFETCH(Control, count);
    QFETCH(QString, heading);

    TavolaWindow window;
    QLabel *label = window.label(count);
    QCOMPARE(accessibleOf(label)->text(QAccessible::Description), heading);
    QCOMPARE(accessibleOf(label)->text(QAccessible::Name), label->text());
    const QObjectList headings = related(label, QAccessible::Label);
    QCOMPARE(headings.size(), 1);
    QCOMPARE(qobject_cast<QLabel *>(headings.first())->text(), heading);
}

void TestAccessibility::treeReadsInOrder()
{
    TavolaWindow window;
    QAccessibleInterface *surface = accessibleOf(window.centralWidget());
    QStringList order;
    for (int i = 0; i < surface->childCount(); ++i)
        order << surface->child(i)->object()->objectName();

    const QStringList problemRow{"lblNum1", "Label2", "lblNum2", "Label4", "txtAnswer"};
    const qsizetype start = order.indexOf(problemRow.first());
    QCOMPARE(order.mid(start, problemRow.size()), problemRow);
    for (const auto &[heading, count] :
         {std::pair{"Label6", "lblScore"}, {"Label1", "lblScore1"}, {"Label3", "lblScore2"}, {"Label12", "lblnome"},
          {"Label13", "lblpunti"}, {"Label14", "lblnome1"}, {"Label11", "Image1"}})
        QCOMPARE(order.indexOf(QLatin1String(count)), order.indexOf(QLatin1String(heading)) + 1);
}

void TestAccessibility::focusTellsTheProblemAndTheFeedback()
{
    QTemporaryDir records;
    BoxAnswerer answerer(QStringLiteral("Anna"));
    GameSession session([](int) {}, [&records] { return records.path(); });
    std::chrono::milliseconds now{0};
    session.window().setKeyClock([&now] { return now; });
    // Without a screen reader on the bus Qt sends no accessibility events, so
    // the test reads what one would read on each move of the focus.
    QList<Heard> heard;
    QObject::connect(qApp, &QApplication::focusChanged, &session.window(), [&heard](QWidget *, QWidget *now) {
        if (now)
            heard.append({now->objectName(), accessibleOf(now)->text(QAccessible::Description)});
    });

    session.start();
    QVERIFY(QTest::qWaitForWindowActive(&session.window()));
    QTRY_VERIFY(!session.window().label(Control::lblNum2)->text().isEmpty());
    const auto problem = [&session] {
        return session.window().label(Control::lblNum1)->text() + QStringLiteral(" X ")
               + session.window().label(Control::lblNum2)->text() + QStringLiteral(" =");
    };
    QVERIFY(!heard.isEmpty());
    QCOMPARE(heard.last().control, QStringLiteral("txtAnswer"));
    QCOMPARE(heard.last().description, problem());

    // A wrong answer, then the next problem.
    QTest::keyClick(session.window().answerBox(), Qt::Key_Return);
    QCOMPARE(heard.last().control, QStringLiteral("cmdNext"));
    QCOMPARE(heard.last().description, session.window().label(Control::lblMessage)->text());
    QVERIFY(heard.last().description.startsWith(QStringLiteral("Sbagliato!! ")));
    now += std::chrono::seconds(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(heard.last().control, QStringLiteral("txtAnswer"));
    QCOMPARE(heard.last().description, problem());

    // A right answer is heard as such; clearing the answer for the next
    // problem moves no caret, which a screen reader would take for the
    // focus coming back and so say nothing of the problem.
    QTest::keyClicks(session.window().answerBox(),
                     productByMovingTheComma(session.window().label(Control::lblNum1)->text(),
                                             session.window().label(Control::lblNum2)->text()));
    QTest::keyClick(session.window().answerBox(), Qt::Key_Return);
    QCOMPARE(heard.last().control, QStringLiteral("cmdNext"));
    QCOMPARE(heard.last().description, QStringLiteral("Esatto! Anna sei forte!"));
    QSignalSpy caretMoves(session.window().answerBox(), &QLineEdit::cursorPositionChanged);
    now += std::chrono::seconds(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(heard.last().control, QStringLiteral("txtAnswer"));
    QVERIFY(session.window().answerBox()->text().isEmpty());
    QCOMPARE(caretMoves.count(), 0);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
