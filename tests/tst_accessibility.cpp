#include "ui/AnswerBox.h"
#include "ui/TavolaWindow.h"

#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
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

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
