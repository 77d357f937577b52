// Draws the game's window in the middle of a game, and its menus, into PNG
// files for a person to look at: tavola-window.png and tavola-menus.png in the
// folder given as the only argument.

#include "ui/AnswerBox.h"
#include "ui/ApplicationSetup.h"
#include "ui/TavolaWindow.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A game a few minutes in: the longest kind of problem on show, a right
// answer just judged.
void playSomeGame(TavolaWindow &window)
{
    const QList<std::pair<Control, QString>> texts = {
        {Control::lblNum1, u"100"_s},     {Control::lblNum2, u"50,999"_s},
        {Control::lblMessage, u"Esatto! Giulia sei forte!"_s},
        {Control::lblconto, u"00:03:27"_s}, {Control::lblScore, u"7"_s},
        {Control::lblScore1, u"2"_s},      {Control::lblScore2, u"9"_s},
        {Control::lblnome1, u"Giulia"_s},   {Control::lblnome, u"Marco"_s},
        {Control::lblpunti, u"12"_s},
    };
    for (const auto &[name, text] : texts)
        window.label(name)->setText(text);
    window.answerBox()->setText(u"5099,9"_s);
    window.button(Control::cmdNext)->setEnabled(true);
}

// Every menu one under the other, as each looks when open.
QImage menusPicture(const TavolaWindow &window)
{
    QList<QPixmap> shots;
    for (QMenu *menu : window.menuBar()->findChildren<QMenu *>()) {
        // The bar's own overflow menu has no name.
        if (menu->objectName().isEmpty())
            continue;
        menu->ensurePolished();
        menu->resize(menu->sizeHint());
        shots << menu->grab();
    }
    const QPixmap bar = window.menuBar()->grab();
    int width = bar.width();
    int height = bar.height();
    for (const QPixmap &shot : std::as_const(shots)) {
        width = qMax(width, shot.width());
        height += shot.height() + 8;
    }
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::darkGray);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, bar);
    int top = bar.height() + 8;
    for (const QPixmap &shot : std::as_const(shots)) {
        painter.drawPixmap(0, top, shot);
        top += shot.height() + 8;
    }
    return picture;
}

bool save(const QImage &picture, const QString &path)
{
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpApplication();
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());

    TavolaWindow window;
    window.show();
    playSomeGame(window);
    QApplication::processEvents();

    const bool saved = save(window.grab().toImage(), folder.filePath(u"tavola-window.png"_s))
                       && save(menusPicture(window), folder.filePath(u"tavola-menus.png"_s));
    return saved ? 0 : 1;
}
