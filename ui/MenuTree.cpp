#include "ui/MenuTree.h"

#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;

namespace {

// A menu that opens from the bar or beside the item that holds it.
QMenu *addMenu(QWidget *owner, const QString &name, const QString &text)
{
    auto *menu = new QMenu(text, owner);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    owner->addAction(menu->menuAction());
    return menu;
}

// An item that opens nothing.
void addItem(QWidget *owner, const QString &name, const QString &text)
{
    auto *item = new QAction(text, owner);
    item->setObjectName(name);
    owner->addAction(item);
}

} // namespace

void buildMenuTree(QMenuBar *bar)
{
    QMenu *project = addMenu(bar, u"wp"_s, u"Tavola — un gioco per la scuola primaria"_s);
    addItem(project, u"v"_s, u"Per le classi della scuola primaria"_s);

    addItem(bar, u"Ciao"_s, u"Creato dagli sviluppatori di Tavola"_s);

    QMenu *contact = addMenu(bar, u"a"_s, u"Contatti: le istruzioni (README) del gioco"_s);
    addItem(contact, u"dgg"_s,
            u"Se volete contattare gli autori per suggerimenti o per segnalare eventuali errori . "
            "Vi ringraziamo in anticipo"_s);

    QMenu *help = addMenu(bar, u"help"_s, u"Help"_s);
    QMenu *wholeNumbers = addMenu(help, u"ses"_s,
                                  u"Per moltiplicare un numero intero per un multiplo di 10 basta aggiungere "
                                  "al numero gli zeri del multiplo del 10"_s);
    addItem(wholeNumbers, u"es"_s, u"Esempio1:   25 x 1000= 25.000"_s);
    addItem(wholeNumbers, u"es2"_s, u"Esempio2:   328 x 10 = 3280"_s);
    QMenu *decimals = addMenu(help, u"reg2"_s,
                              u"Per moltiplicare un numero decimale per un multiplo di 10 basta spostare la "
                              "virgola di tanti posti quanti sono gli zero presenti nel multiplo del 10"_s);
    addItem(decimals, u"esz"_s, u"Esempio3:    14,525 x 100 = 1452,5"_s);
    addItem(decimals, u"es4"_s, u"Esempio4:     0,34 x 1000= 340"_s);
}
