// Draws the game's window in the middle of a game, and its menus, into PNG
// files for a person to look at: tavola-window.png and tavola-menus.png in the
// folder given as the only argument, and the window with the longest texts
// the game can be given: tavola-widest.png (the widest problems, a long name
// in the feedback and the record line) and tavola-lines.png (record files of
// several lines), and the answer box's menu, tavola-answer-menu.png.

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

// The longest texts each label can be given, one problem row under another.
QImage widestPicture(TavolaWindow &window)
{
    const QString longName = u"Maria Vittoria Benedetta Alessandra Giovanna Ludovica Rosalba Di Santafiora"_s;
    window.label(Control::lblMessage)->setText(u"Esatto! "_s + longName + u" sei forte!"_s);
    window.label(Control::lblnome)->setText(longName);
    window.label(Control::lblpunti)->setText(u"32767"_s);
    window.answerBox()->setText(u"50999000"_s);
    QList<QImage> rows;
    for (const auto &[multiplier, factor] : {std::pair{u"1000"_s, u"50,99"_s}, {u"100"_s, u"50,999"_s},
                                             {u"10"_s, u"50,99"_s}}) {
        window.label(Control::lblNum1)->setText(multiplier);
        window.label(Control::lblNum2)->setText(factor);
        QApplication::processEvents();
        rows << window.grab().toImage();
    }
    // The whole window once, then the problem row of the others.
    const int rowHeight = window.centralWidget()->y() + 90;
    QImage picture(rows.first().width(), rows.first().height() + 2 * rowHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.drawImage(0, 0, rows.first());
    for (int i = 1; i < rows.size(); ++i)
        painter.drawImage(QPoint(0, rows.first().height() + (i - 1) * rowHeight), rows.at(i), QRect(0, 0, rows.at(i).width(), rowHeight));
    return picture;
}

// Record files of several lines, as the game shows them.
QImage linesPicture(TavolaWindow &window)
{
    window.label(Control::lblMessage)->setText(u"Sbagliato!! 50990"_s);
    window.label(Control::lblnome)->setText(u"Anna\r\nBruno\r\nCarla\r\n"_s);
    QString manyLines;
    for (int line = 1; line <= 400; ++line)
        manyLines += QString::number(line * 7) + u"\n"_s;
    window.label(Control::lblpunti)->setText(u"12\r\n34\r\nabc\r\n"_s + manyLines);
    QApplication::processEvents();
    return window.grab().toImage();
}

// The answer box's own context menu.
QImage answerMenuPicture(TavolaWindow &window)
{
    std::unique_ptr<QMenu> menu(window.answerBox()->createStandardContextMenu());
    menu->ensurePolished();
    menu->resize(menu->sizeHint());
    return menu->grab().toImage();
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
                       && save(menusPicture(window), folder.filePath(u"tavola-menus.png"_s))
                       && save(answerMenuPicture(window), folder.filePath(u"tavola-answer-menu.png"_s))
                       && save(widestPicture(window), folder.filePath(u"tavola-widest.png"_s))
                       && save(linesPicture(window), folder.filePath(u"tavola-lines.png"_s));
    return saved ? 0 : 1;
}
