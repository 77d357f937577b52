#include "ui/GameSession.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>

using namespace Qt::StringLiterals;

// The menu bar with the rules, the worked examples and the credits.
class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    void menuBarOrder();
    void items_data();
    void items();
    void choosingAnItemChangesNothing();

private:
    TavolaWindow m_window;
};

namespace {

QStringList namesOf(const QList<QAction *> &actions)
{
    QStringList names;
    for (const QAction *action : actions)
        names << action->objectName();
    return names;
}

} // namespace

void TestMenus::menuBarOrder()
{
    const QList<QAction *> bar = m_window.menuBar()->actions();
    QCOMPARE(namesOf(bar), (QStringList{u"wp"_s, u"Ciao"_s, u"a"_s, u"help"_s}));
    // The line naming the authors sits on the bar and opens nothing.
    QVERIFY(!bar.at(1)->menu());
}

void TestMenus::items_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("opens");

    QTest::newRow("wp") << u"wp"_s << u"Tavola — un gioco per la scuola primaria"_s << QStringList{u"v"_s};
    QTest::newRow("v") << u"v"_s << u"Per le classi della scuola primaria"_s << QStringList();
    QTest::newRow("Ciao") << u"Ciao"_s << u"Creato dagli sviluppatori di Tavola"_s << QStringList();
    QTest::newRow("a") << u"a"_s << u"Contatti: le istruzioni (README) del gioco"_s << QStringList{u"dgg"_s};
    QTest::newRow("dgg") << u"dgg"_s
                         << u"Se volete contattare gli autori per suggerimenti o per segnalare eventuali errori . "
                            "Vi ringraziamo in anticipo"_s
                         << QStringList();
    QTest::newRow("help") << u"help"_s << u"Help"_s << QStringList{u"ses"_s, u"reg2"_s};
    QTest::newRow("ses") << u"ses"_s
                         << u"Per moltiplicare un numero intero per un multiplo di 10 basta aggiungere al numero "
                            "gli zeri del multiplo del 10"_s
                         << QStringList{u"es"_s, u"es2"_s};
    QTest::newRow("es") << u"es"_s << u"Esempio1:   25 x 1000= 25.000"_s << QStringList();
    QTest::newRow("es2") << u"es2"_s << u"Esempio2:   328 x 10 = 3280"_s << QStringList();
    QTest::newRow("reg2") << u"reg2"_s
                          << u"Per moltiplicare un numero decimale per un multiplo di 10 basta spostare la virgola "
                             "di tanti posti quanti sono gli zero presenti nel multiplo del 10"_s
                          << QStringList{u"esz"_s, u"es4"_s};
    QTest::newRow("esz") << u"esz"_s << u"Esempio3:    14,525 x 100 = 1452,5"_s << QStringList();
    QTest::newRow("es4") << u"es4"_s << u"Esempio4:     0,34 x 1000= 340"_s << QStringList();
}

void TestMenus::items()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QStringList, opens);

    const QList<QAction *> found = m_window.findChildren<QAction *>(name);
    QCOMPARE(found.size(), 1);
    QAction *item = found.first();
    QCOMPARE(item->text(), text);
    QVERIFY(item->isEnabled());
    QVERIFY(item->isVisible());
    QVERIFY(!item->isSeparator());
    if (opens.isEmpty()) {
        QVERIFY(!item->menu());
    } else {
        QVERIFY(item->menu());
        QCOMPARE(item->menu()->title(), text);
        QCOMPARE(namesOf(item->menu()->actions()), opens);
    }
}

void TestMenus::choosingAnItemChangesNothing()
{
    QTemporaryDir records;
    GameSession session([](int) { QFAIL("the game ended"); }, [&records] { return records.path(); });
    TavolaWindow &window = session.window();
    const auto labelTexts = [&window] {
        QStringList texts;
        for (const QLabel *label : window.centralWidget()->findChildren<QLabel *>())
            texts << label->text();
        return texts;
    };
    const QStringList textsBefore = labelTexts();

    for (QAction *item : window.menuBar()->findChildren<QAction *>())
        item->trigger();

    QCOMPARE(labelTexts(), textsBefore);
    QCOMPARE(session.tavola().RightCount(), 0);
    QCOMPARE(session.tavola().WrongCount(), 0);
    QCOMPARE(session.tavola().Multiplier(), 0);
    QVERIFY(!window.timer()->isActive());
    QVERIFY(!window.button(Control::cmdNext)->isEnabled());
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
