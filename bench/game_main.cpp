#include "BenchProbe.h"
#include "BoxAnswerer.h"
#include "ui/ApplicationSetup.h"
#include "ui/FirstTextPaint.h"
#include "ui/GameSession.h"

#include <QApplication>
#include <QLabel>

// The real game, started as the program starts it, with a quick player who
// answers the name and greeting boxes. It is measured up to the first problem
// on screen, or left alone from there with its clock running.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    BenchProbe probe(QApplication::arguments());
    BoxAnswerer player(QStringLiteral("Prova"));

    GameSession session(QtToolkit::endProcessNow, GameSession::standardRecordFolder);
    FirstTextPaint watch(session.window().label(Control::lblNum2), [&] { probe.firstPaint(); });
    session.start();
    return QApplication::exec();
}
