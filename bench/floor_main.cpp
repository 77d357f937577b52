#include "ui/FontSubstitutions.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSoundEffect>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <cstdio>

// The floors the benchmark sets beside the game: each does the visible work
// of one step of the game in the plainest Qt way, and nothing else.
//   floor namebox              the name box, then the greeting
//   floor keys RIGHT.wav NO.wav  a line edit and a label set on Enter, with a
//                              preloaded sound effect for each answer
//   floor clock PICTURE        the picture with a label rewritten every second
//   floor picture PICTURE      the picture alone

namespace {

// The same name box and greeting as the game's, with the same texts.
int nameBox()
{
    QInputDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Tavola"));
    dialog.setLabelText(QStringLiteral("Come ti chiami?"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    if (dialog.exec() != QDialog::Accepted)
        return 1;
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Tavola"),
                    QStringLiteral(" ") + dialog.textValue() + QStringLiteral(" vediamo se sei un vero campione  "),
                    QMessageBox::Ok);
    box.exec();
    return QApplication::exec();
}

// The picture, unscaled, filling a window of its own.
QLabel *pictureWindow(const QString &path)
{
    auto *window = new QLabel;
    window->setPixmap(QPixmap(path));
    window->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    window->setWindowTitle(QStringLiteral("floor"));
    window->resize(976, 814);
    window->show();
    return window;
}

// A label of the clock's size and face over the picture, rewritten every second.
int clock(const QString &picturePath)
{
    QLabel *window = pictureWindow(picturePath);
    auto *label = new QLabel(QStringLiteral("00:05:00"), window);
    label->setGeometry(0, 152, 105, 33);
    label->setFont(QFont(QStringLiteral("Arial Black"), 12, QFont::Bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::yellow);
    label->setPalette(palette);
    label->show();
    auto *timer = new QTimer(window);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, [label, left = QTime(0, 5)]() mutable {
        left = left.addSecs(-1);
        label->setText(left.toString(QStringLiteral("HH:mm:ss")));
    });
    timer->start(1000);
    return QApplication::exec();
}

// A line edit and a label: Enter on an answer sets the label and plays the
// answer's cue, Enter on an empty box clears the label, as the next problem
// does. The answer "0" is wrong, any other is right.
int keys(const QString &rightCue, const QString &wrongCue)
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("floor"));
    auto *layout = new QVBoxLayout(&window);
    auto *box = new QLineEdit;
    auto *label = new QLabel;
    layout->addWidget(box);
    layout->addWidget(label);
    QSoundEffect right, wrong;
    right.setSource(QUrl::fromLocalFile(rightCue));
    wrong.setSource(QUrl::fromLocalFile(wrongCue));
    QObject::connect(box, &QLineEdit::returnPressed, [&] {
        const QString answer = box->text();
        box->clear();
        if (answer.isEmpty()) {
            label->clear();
            return;
        }
        const bool isRight = answer != QStringLiteral("0");
        label->setText(isRight ? QStringLiteral("Esatto! Anna sei forte!") : QStringLiteral("Sbagliato!! ") + answer);
        (isRight ? right : wrong).play();
    });
    window.resize(400, 120);
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavola"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavola"));
    QApplication::setCursorFlashTime(0);
    installFontSubstitutions();

    const QStringList args = QApplication::arguments();
    const QString mode = args.value(1);
    if (mode == QLatin1String("namebox"))
        return nameBox();
    if (mode == QLatin1String("keys") && args.size() == 4)
        return keys(args[2], args[3]);
    if (mode == QLatin1String("clock") && args.size() == 3)
        return clock(args[2]);
    if (mode == QLatin1String("picture") && args.size() == 3) {
        pictureWindow(args[2]);
        return QApplication::exec();
    }
    std::fprintf(stderr, "usage: floor namebox | keys RIGHT.wav WRONG.wav | clock PICTURE | picture PICTURE\n");
    return 2;
}
