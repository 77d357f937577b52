#include "ui/AnswerBox.h"
#include "ui/GameSession.h"
#include "ui/ItalianTranslations.h"
#include "ui/OutlinedLabel.h"
#include "ui/PictureButton.h"
#include "ui/TavolaWindow.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

// The game's window as the pupil sees it: every control at its designed
// place with its face, colours and texts, the pictures, the labels that grow
// with their text, the keyboard, and the title after minimising.
class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void clientArea();
    void places_data();
    void places();
    void fonts_data();
    void fonts();
    void looks_data();
    void looks();
    void texts_data();
    void texts();
    void pointers_data();
    void pointers();
    void fittingLabelGrowsToTheRight_data();
    void fittingLabelGrowsToTheRight();
    void emptyFittingLabelKeepsItsDesignedBox_data();
    void emptyFittingLabelKeepsItsDesignedBox();
    void textGivenBeforeShowFitsOnShow();
    void widestProblemRowShowsWhole_data();
    void widestProblemRowShowsWhole();
    void feedbackShowsWhole_data();
    void feedbackShowsWhole();
    void veryLongNameKeepsTheEndsOfTheFeedback();
    void recordLineShowsWhole_data();
    void recordLineShowsWhole();
    void nextButtonPictures_data();
    void nextButtonPictures();
    void fixedPictures();
    void backgroundPictureIsUnscaled();
    void colourShowsBeyondThePicture_data();
    void colourShowsBeyondThePicture();
    void firstFocusIsOnExit();
    void tabOrder_data();
    void tabOrder();
    void keysPressButtons_data();
    void keysPressButtons();
    void minimisingSetsTheTitleForGood();
    void toolkitTextsAreItalian();

private:
    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }
    void showWindow();
    QRect surfaceArea() const { return {QPoint(0, 0), m_window->centralWidget()->size()}; }

    std::unique_ptr<TavolaWindow> m_window;
};

namespace {

const QColor yellow(255, 255, 0);
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);
const QColor silver(192, 192, 192);

QImage imageOf(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage picture(const QString &name)
{
    return imageOf(QPixmap(u":/pictures/"_s + name + u".png"_s));
}

// The colour the control draws its text in.
QColor inkOf(QWidget *control)
{
    if (qobject_cast<QLineEdit *>(control))
        return control->palette().color(QPalette::Text);
    if (qobject_cast<QLabel *>(control))
        return control->palette().color(QPalette::WindowText);
    return {};
}

// The colour the control fills itself with; none when the picture shows through.
QColor paperOf(QWidget *control)
{
    if (qobject_cast<QLineEdit *>(control))
        return control->palette().color(QPalette::Base);
    if (qobject_cast<QPushButton *>(control))
        return control->palette().color(QPalette::Button);
    if (control->autoFillBackground())
        return control->palette().color(QPalette::Window);
    return {};
}

// Where the label's one line of text leaves ink, on its parent.
QRect inkOf(const QLabel *label)
{
    const QFontMetrics metrics = label->fontMetrics();
    const QRect area = label->contentsRect().marginsRemoved(QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
    const QRect line = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                           QSize(metrics.horizontalAdvance(label->text()), metrics.height()), area);
    return metrics.tightBoundingRect(label->text()).translated(line.left(), line.top() + metrics.ascent()).translated(label->pos());
}

// The other controls on the surface whose places reach into the area.
QStringList coveringControls(const QWidget *surface, const QWidget *owner, const QRect &area)
{
    QStringList found;
    for (const QWidget *other : surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other != owner && other->isVisible() && other->geometry().intersects(area))
            found << other->objectName();
    }
    return found;
}

} // namespace

void TestWindow::initTestCase()
{
    // As the game does, whatever language the system speaks.
    QVERIFY(installItalianTranslations(*QCoreApplication::instance()));
}

void TestWindow::init()
{
    m_window = std::make_unique<TavolaWindow>();
}

void TestWindow::cleanup()
{
    m_window.reset();
}

void TestWindow::showWindow()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestWindow::clientArea()
{
    showWindow();
    QCOMPARE(m_window->windowTitle(), u"Gioca con le moltiplicazioni 10- 100- 1000"_s);
    QCOMPARE(m_window->centralWidget()->size(), QSize(976, 814));
    QCOMPARE(m_window->centralWidget()->y(), m_window->menuBar()->geometry().bottom() + 1);
}

void TestWindow::places_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("topLeft");
    // No size: the control takes the size its text needs.
    QTest::addColumn<QSize>("size");

    QTest::newRow("txtAnswer") << u"txtAnswer"_s << QPoint(520, 0) << QSize(353, 80);
    QTest::newRow("cmdNext") << u"cmdNext"_s << QPoint(120, 344) << QSize(137, 73);
    QTest::newRow("cmdExit") << u"cmdExit"_s << QPoint(512, 344) << QSize(137, 73);
    QTest::newRow("lblNum1") << u"lblNum1"_s << QPoint(64, 0) << QSize(23, 79);
    QTest::newRow("lblNum2") << u"lblNum2"_s << QPoint(352, 0) << QSize(23, 79);
    QTest::newRow("lblMessage") << u"lblMessage"_s << QPoint(112, 136) << QSize(441, 41);
    QTest::newRow("lblconto") << u"lblconto"_s << QPoint(0, 152) << QSize(105, 33);
    QTest::newRow("lblScore") << u"lblScore"_s << QPoint(72, 272) << QSize();
    QTest::newRow("lblScore1") << u"lblScore1"_s << QPoint(344, 272) << QSize();
    QTest::newRow("lblScore2") << u"lblScore2"_s << QPoint(568, 272) << QSize();
    QTest::newRow("lblnome1") << u"lblnome1"_s << QPoint(8, 416) << QSize(12, 36);
    QTest::newRow("lblnome") << u"lblnome"_s << QPoint(200, 448) << QSize();
    QTest::newRow("lblpunti") << u"lblpunti"_s << QPoint(664, 456) << QSize();
    QTest::newRow("Label2") << u"Label2"_s << QPoint(176, 0) << QSize(41, 65);
    QTest::newRow("Label4") << u"Label4"_s << QPoint(464, 0) << QSize(41, 65);
    QTest::newRow("Label11") << u"Label11"_s << QPoint(0, 88) << QSize(105, 25);
    QTest::newRow("Label6") << u"Label6"_s << QPoint(4, 224) << QSize();
    QTest::newRow("Label1") << u"Label1"_s << QPoint(264, 224) << QSize();
    QTest::newRow("Label3") << u"Label3"_s << QPoint(496, 224) << QSize();
    QTest::newRow("Label14") << u"Label14"_s << QPoint(8, 368) << QSize();
    QTest::newRow("Label12") << u"Label12"_s << QPoint(0, 448) << QSize(225, 41);
    QTest::newRow("Label13") << u"Label13"_s << QPoint(512, 456) << QSize();
    QTest::newRow("Image1") << u"Image1"_s << QPoint(32, 112) << QSize(32, 32);
}

void TestWindow::places()
{
    QFETCH(QString, name);
    QFETCH(QPoint, topLeft);
    QFETCH(QSize, size);

    showWindow();
    QWidget *control = find(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget(), m_window->centralWidget());
    QVERIFY(control->isVisible());
    QCOMPARE(control->pos(), topLeft);
    if (size.isValid()) {
        QCOMPARE(control->size(), size);
    } else {
        // Sized by its text: the whole text shows, on one line.
        const QFontMetrics metrics = control->fontMetrics();
        const QString text = qobject_cast<QLabel *>(control)->text();
        QVERIFY(control->width() >= metrics.horizontalAdvance(text));
        QVERIFY(control->height() >= metrics.height());
        QVERIFY(control->height() < 2 * metrics.lineSpacing());
    }
}

void TestWindow::fonts_data()
{
    QTest::addColumn<QString>("name");
    // The designed family first, then the faces drawn where it is missing,
    // nearest first.
    QTest::addColumn<QStringList>("faces");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");

    const QStringList arial{u"Arial"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s};
    const QStringList times{u"Times New Roman"_s, u"Liberation Serif"_s, u"DejaVu Serif"_s};
    const QStringList msSans{u"MS Sans Serif"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s};
    const QStringList arialBlack{u"Arial Black"_s, u"DejaVu Sans"_s, u"Liberation Sans"_s};
    QTest::newRow("txtAnswer") << u"txtAnswer"_s << arial << 48.0 << true << false;
    QTest::newRow("cmdNext") << u"cmdNext"_s << msSans << 8.25 << true << false;
    QTest::newRow("cmdExit") << u"cmdExit"_s << msSans << 8.25 << true << false;
    QTest::newRow("lblNum1") << u"lblNum1"_s << arial << 48.0 << true << false;
    QTest::newRow("lblNum2") << u"lblNum2"_s << arial << 48.0 << true << false;
    QTest::newRow("lblMessage") << u"lblMessage"_s << msSans << 24.0 << true << true;
    QTest::newRow("lblconto") << u"lblconto"_s << arialBlack << 12.0 << true << false;
    QTest::newRow("lblScore") << u"lblScore"_s << times << 36.0 << true << false;
    QTest::newRow("lblScore1") << u"lblScore1"_s << times << 36.0 << true << false;
    QTest::newRow("lblScore2") << u"lblScore2"_s << times << 36.0 << true << false;
    QTest::newRow("lblnome1") << u"lblnome1"_s << arial << 20.25 << true << false;
    QTest::newRow("lblnome") << u"lblnome"_s << arial << 24.0 << true << false;
    QTest::newRow("lblpunti") << u"lblpunti"_s << arial << 24.0 << false << false;
    QTest::newRow("Label2") << u"Label2"_s << arial << 48.0 << false << false;
    QTest::newRow("Label4") << u"Label4"_s << arial << 48.0 << true << false;
    QTest::newRow("Label11") << u"Label11"_s << msSans << 9.75 << false << false;
    QTest::newRow("Label6") << u"Label6"_s << arial << 20.25 << false << false;
    QTest::newRow("Label1") << u"Label1"_s << arial << 20.25 << false << false;
    QTest::newRow("Label3") << u"Label3"_s << arial << 20.25 << false << false;
    QTest::newRow("Label14") << u"Label14"_s << arial << 20.25 << false << false;
    QTest::newRow("Label12") << u"Label12"_s << arial << 24.0 << false << false;
    QTest::newRow("Label13") << u"Label13"_s << arial << 24.0 << false << false;
}

void TestWindow::fonts()
{
    QFETCH(QString, name);
    QFETCH(QStringList, faces);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);

    QWidget *control = find(name);
    QVERIFY(control);
    QCOMPARE(control->font().family(), faces.first());
    const auto installed = std::find_if(faces.cbegin(), faces.cend(), &QFontDatabase::hasFamily);
    QVERIFY2(installed != faces.cend(), "none of the faces is installed");
    const QFontInfo drawn(control->font());
    QCOMPARE(drawn.family(), *installed);
    QCOMPARE(drawn.pointSizeF(), points);
    QCOMPARE(drawn.bold(), bold);
    QCOMPARE(drawn.italic(), italic);
}

void TestWindow::looks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("ink");
    // No colour: the picture shows through.
    QTest::addColumn<QColor>("paper");
    QTest::addColumn<bool>("border");
    QTest::addColumn<Qt::Alignment>("alignment");

    // A few controls of each kind, as the window's design gives them.
    const Qt::Alignment left = Qt::AlignLeft;
    const Qt::Alignment centred = Qt::AlignHCenter;
    const QColor clear;
    QTest::newRow("answer box: blue on yellow") << u"txtAnswer"_s << blue << yellow << false << left;
    QTest::newRow("button: silver face") << u"cmdExit"_s << QColor() << silver << false << left;
    QTest::newRow("factor: blue on opaque yellow, framed")
        << u"lblNum2"_s << blue << yellow << true << centred;
    QTest::newRow("feedback: red, clear, centred") << u"lblMessage"_s << red << clear << false << centred;
    QTest::newRow("wrong answers: red, framed, centred") << u"lblScore1"_s << red << clear << true << centred;
    QTest::newRow("record score: yellow, clear") << u"lblpunti"_s << yellow << clear << false << left;
    QTest::newRow("sign: yellow, clear, centred") << u"Label2"_s << yellow << clear << false << centred;
    QTest::newRow("heading: blue, framed") << u"Label3"_s << blue << clear << true << left;
}

void TestWindow::looks()
{
    QFETCH(QString, name);
    QFETCH(QColor, ink);
    QFETCH(QColor, paper);
    QFETCH(bool, border);
    QFETCH(Qt::Alignment, alignment);

    QWidget *control = find(name);
    QVERIFY(control);
    if (ink.isValid())
        QCOMPARE(inkOf(control), ink);
    QCOMPARE(paperOf(control), paper);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->frameShape(), border ? QFrame::Box : QFrame::NoFrame);
        QCOMPARE(label->frameWidth(), border ? 1 : 0);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, alignment);
    }
}

void TestWindow::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    // The texts where a blank, an accent or an ampersand is easily lost.
    QTest::newRow("answer box, two double blanks")
        << u"txtAnswer"_s << QString() << u"Inserisci il risultato e  premi il tasto  Invio"_s;
    QTest::newRow("new-problem button") << u"cmdNext"_s << u"&Nuovo calcolo"_s << u"Go"_s;
    QTest::newRow("exit, tooltip ending in a blank")
        << u"cmdExit"_s << u"E&xit"_s << u"Ti prego resta ancora, forse riuscirai a farmi uscire "_s;
    QTest::newRow("clock") << u"lblconto"_s << u"00.00.00"_s << QString();
    QTest::newRow("score, accent and double blank")
        << u"lblScore"_s << u"0"_s << u"Questo è il tuo punteggio. Forza con il  record"_s;
    QTest::newRow("record holder") << u"lblnome"_s << u"nome"_s << QString();
    QTest::newRow("record line, double blank and trailing blank") << u"Label12"_s << u"Il record  è di "_s << QString();
    QTest::newRow("stopwatch") << u"Image1"_s << QString() << u"Clicca sotto di me per impostare il Timer"_s;
}

void TestWindow::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);

    QWidget *control = find(name);
    QVERIFY(control);
    QCOMPARE(control->property("text").toString(), text);
    QCOMPARE(control->toolTip(), toolTip);
    // A screen reader reads a label's own text.
    if (qobject_cast<QLabel *>(control))
        QVERIFY(control->accessibleName().isEmpty());
}

void TestWindow::pointers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Qt::CursorShape>("shape");

    QTest::newRow("window surface") << u"Tavola"_s << Qt::BitmapCursor;
    QTest::newRow("label on the surface") << u"Label12"_s << Qt::BitmapCursor;
    QTest::newRow("cmdNext") << u"cmdNext"_s << Qt::DragMoveCursor;
    QTest::newRow("lblMessage") << u"lblMessage"_s << Qt::DragMoveCursor;
}

void TestWindow::pointers()
{
    QFETCH(QString, name);
    QFETCH(Qt::CursorShape, shape);

    const QCursor pointer = find(name)->cursor();
    QCOMPARE(pointer.shape(), shape);
    if (shape == Qt::BitmapCursor) {
        QCOMPARE(imageOf(pointer.pixmap()), picture(u"cursor"_s));
        QCOMPARE(pointer.hotSpot(), QPoint(3, 12));
    }
}

void TestWindow::fittingLabelGrowsToTheRight_data()
{
    QTest::addColumn<Control>("name");
    QTest::addColumn<QString>("shortText");
    QTest::addColumn<QString>("longText");

    QTest::newRow("player's name") << Control::lblnome1 << u"Ada"_s << u"Maria Vittoria Benedetta"_s;
    QTest::newRow("score of several digits") << Control::lblScore << u"0"_s << u"32767"_s;
    QTest::newRow("wrong answers") << Control::lblScore1 << u"9"_s << u"1000"_s;
    QTest::newRow("factor with decimals") << Control::lblNum2 << u"7"_s << u"50,999"_s;
    QTest::newRow("multiplier") << Control::lblNum1 << u"10"_s << u"1000"_s;
    QTest::newRow("record holder") << Control::lblnome << u"nome"_s << u"Giovanni Battista"_s;
}

void TestWindow::fittingLabelGrowsToTheRight()
{
    QFETCH(Control, name);
    QFETCH(QString, shortText);
    QFETCH(QString, longText);

    showWindow();
    QLabel *label = m_window->label(name);
    const QPoint designedCorner = label->pos();
    label->setText(shortText);
    const QRect before = label->geometry();
    label->setText(longText);
    const QRect after = label->geometry();

    QCOMPARE(after.topLeft(), designedCorner);
    QCOMPARE(before.topLeft(), designedCorner);
    QVERIFY(after.width() > before.width());
    QCOMPARE(after.height(), before.height());
    QVERIFY(after.width() >= label->fontMetrics().horizontalAdvance(longText) + 2 * label->frameWidth());

    label->setText(shortText);
    QCOMPARE(label->geometry(), before);
}

void TestWindow::emptyFittingLabelKeepsItsDesignedBox_data()
{
    QTest::addColumn<Control>("name");
    QTest::addColumn<QRect>("designed");

    QTest::newRow("player's name") << Control::lblnome1 << QRect(8, 416, 12, 36);
    QTest::newRow("multiplier") << Control::lblNum1 << QRect(64, 0, 23, 79);
    QTest::newRow("factor") << Control::lblNum2 << QRect(352, 0, 23, 79);
}

void TestWindow::emptyFittingLabelKeepsItsDesignedBox()
{
    QFETCH(Control, name);
    QFETCH(QRect, designed);

    showWindow();
    QLabel *label = m_window->label(name);
    label->setText(u"Giulia"_s);
    QVERIFY(label->width() > designed.width());
    label->setText(QString());
    QCOMPARE(label->geometry(), designed);
    QCOMPARE(label->frameWidth(), 1);
}

void TestWindow::textGivenBeforeShowFitsOnShow()
{
    // The game writes the player's name before the window first shows.
    QLabel *name = m_window->label(Control::lblnome1);
    name->setText(u"Maria Vittoria"_s);
    showWindow();
    QCOMPARE(name->pos(), QPoint(8, 416));
    QVERIFY(name->width() >= name->fontMetrics().horizontalAdvance(name->text()) + 2);
}

void TestWindow::widestProblemRowShowsWhole_data()
{
    QTest::addColumn<QString>("multiplier");
    QTest::addColumn<QString>("factor");

    // The largest multiplier of each kind with its widest factor.
    QTest::newRow("1000 x 50,99") << u"1000"_s << u"50,99"_s;
    QTest::newRow("1000 x 50,9") << u"1000"_s << u"50,9"_s;
    QTest::newRow("100 x 50,999") << u"100"_s << u"50,999"_s;
    QTest::newRow("100 x 50,99") << u"100"_s << u"50,99"_s;
    QTest::newRow("10 x 50,99") << u"10"_s << u"50,99"_s;
    QTest::newRow("10 x 1,5") << u"10"_s << u"1,5"_s;
}

void TestWindow::widestProblemRowShowsWhole()
{
    QFETCH(QString, multiplier);
    QFETCH(QString, factor);

    showWindow();
    m_window->setLabelText(Control::lblNum1, multiplier);
    m_window->setLabelText(Control::lblNum2, factor);
    AnswerBox *box = m_window->answerBox();
    box->setText(u"50999000"_s);

    const QWidget *surface = m_window->centralWidget();
    for (const char *name : {"lblNum1", "Label2", "lblNum2", "Label4"}) {
        auto *label = find<QLabel>(QLatin1String(name));
        const QRect ink = inkOf(label);
        QVERIFY2(label->rect().contains(ink.translated(-label->pos())), name);
        QCOMPARE(coveringControls(surface, label, ink), QStringList());
    }

    // The caret before the first character and after the last: nothing of
    // the answer scrolled away.
    box->setCursorPosition(0);
    const int start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    box->setCursorPosition(int(box->text().size()));
    const int end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    const QRect typed(box->x() + start, box->y(), end - start, box->height());
    QVERIFY(start > 0);
    QVERIFY(end < box->width());
    QVERIFY(box->geometry().right() < surface->width());
    QCOMPARE(coveringControls(surface, box, typed), QStringList());
}

void TestWindow::feedbackShowsWhole_data()
{
    QTest::addColumn<QString>("text");

    const QString name22 = u"Maria Vittoria Rosalba"_s;
    const QString name40 = u"Maria Vittoria Benedetta Alessandra Rosa"_s;
    const QString name77 = u"Maria Vittoria Benedetta Alessandra Giovanna Ludovica Rosalba Di Santafiora X"_s;
    QCOMPARE(name22.size(), 22);
    QCOMPARE(name40.size(), 40);
    QCOMPARE(name77.size(), 77);
    QTest::newRow("wrong answer") << u"Sbagliato!! 50990"_s;
    QTest::newRow("empty name") << u"Esatto!  sei forte!"_s;
    QTest::newRow("name of 22") << u"Esatto! "_s + name22 + u" sei forte!"_s;
    QTest::newRow("name of 40") << u"Esatto! "_s + name40 + u" sei forte!"_s;
    QTest::newRow("name of 40, one word") << u"Esatto! "_s + QString(40, u'W') + u" sei forte!"_s;
    QTest::newRow("name of 77") << u"Esatto! "_s + name77 + u" sei forte!"_s;
}

void TestWindow::feedbackShowsWhole()
{
    QFETCH(QString, text);

    showWindow();
    m_window->setLabelText(Control::lblMessage, text);
    auto *message = qobject_cast<OutlinedLabel *>(m_window->label(Control::lblMessage));
    QCOMPARE(message->text(), text);
    QVERIFY(surfaceArea().contains(message->geometry()));
    const QStringList neighbours = coveringControls(m_window->centralWidget(), message, message->geometry());
    QVERIFY2(neighbours.isEmpty(), qPrintable(neighbours.join(u' ')));

    // Every letter drawn, on as many lines as it takes, each inside the label.
    const OutlinedLabel::Shown shown = message->shown();
    QCOMPARE(shown.lines.join(QString()).remove(u' '), QString(text).remove(u' '));
    QVERIFY(shown.font.pointSizeF() >= 12);
    const QFontMetrics metrics(shown.font);
    for (const QString &line : shown.lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= message->contentsRect().width(), qPrintable(line));
    QVERIFY(metrics.height() * shown.lines.size() <= message->contentsRect().height());
}

void TestWindow::veryLongNameKeepsTheEndsOfTheFeedback()
{
    showWindow();
    const QString text = u"Esatto! "_s + QString(2000, u'a') + u" sei forte!"_s;
    m_window->setLabelText(Control::lblMessage, text);
    auto *message = qobject_cast<OutlinedLabel *>(m_window->label(Control::lblMessage));
    QCOMPARE(message->text(), text);
    QVERIFY(surfaceArea().contains(message->geometry()));
    const QStringList shown = message->shown().lines;
    QVERIFY(shown.first().startsWith(u"Esatto! a"_s));
    QVERIFY(shown.last().endsWith(u"a sei forte!"_s));
}

void TestWindow::recordLineShowsWhole_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QString>("score");
    // The lines drawn for the holder and for the score; an ellipsis ends a
    // line that is cut.
    QTest::addColumn<QStringList>("holderLines");
    QTest::addColumn<QStringList>("scoreLines");

    const QString name77 = u"Maria Vittoria Benedetta Alessandra Giovanna Ludovica Rosalba Di Santafiora X"_s;
    QTest::newRow("one line each") << u"Marco\r\n"_s << u"12\r\n"_s << QStringList{u"Marco"_s} << QStringList{u"12"_s};
    QTest::newRow("name of 77") << name77 << u"32767"_s << QStringList{u"Maria Vittoria Ben\u2026"_s} << QStringList{u"32767"_s};
    QTest::newRow("name of 10000") << QString(10000, u'M') << u"5"_s << QStringList{u"MMMMMMMM\u2026"_s} << QStringList{u"5"_s};
    QTest::newRow("lines ending in CR LF") << u"Anna\r\nBruno\r\nCarla\r\n"_s << u"12\r\n34\r\nabc\r\n"_s
                                         << QStringList{u"Anna"_s, u"Bruno"_s, u"Carla"_s}
                                         << QStringList{u"12"_s, u"34"_s, u"abc"_s};
    QTest::newRow("lines ending in LF and CR") << u"Anna\nBruno"_s << u"7\r8\r"_s
                                             << QStringList{u"Anna"_s, u"Bruno"_s} << QStringList{u"7"_s, u"8"_s};
    QString manyLines;
    for (int line = 1; line <= 600; ++line)
        manyLines += u"12\r\n"_s;
    const QStringList shownLines = QStringList(8, u"12"_s) << u"12\u2026"_s;
    QTest::newRow("4096 bytes of lines") << manyLines.left(4096) << manyLines.left(4096) << QStringList(shownLines)
                                         << QStringList(shownLines);
}

void TestWindow::recordLineShowsWhole()
{
    QFETCH(QString, holder);
    QFETCH(QString, score);
    QFETCH(QStringList, holderLines);
    QFETCH(QStringList, scoreLines);

    showWindow();
    m_window->setLabelText(Control::lblnome, holder);
    m_window->setLabelText(Control::lblpunti, score);
    const QWidget *surface = m_window->centralWidget();
    for (const auto &[name, text, lines] : {std::tuple{Control::lblnome, holder, holderLines},
                                            {Control::lblpunti, score, scoreLines}}) {
        auto *label = qobject_cast<OutlinedLabel *>(m_window->label(name));
        QCOMPARE(label->text(), text);
        const QRect place = label->geometry();
        QVERIFY(surfaceArea().contains(place));
        QStringList neighbours = coveringControls(surface, label, place);
        // The designed box of "Il record  è di " runs under the holder's
        // name; its text ends before.
        auto *recordIs = find<QLabel>(u"Label12"_s);
        QVERIFY(!inkOf(recordIs).intersects(place));
        neighbours.removeOne(recordIs->objectName());
        QVERIFY2(neighbours.isEmpty(), qPrintable(neighbours.join(u' ')));

        const OutlinedLabel::Shown shown = label->shown();
        const QFontMetrics metrics(shown.font);
        QCOMPARE(shown.font, label->font());
        QCOMPARE(shown.lines.size(), lines.size());
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines.at(i).endsWith(u'\u2026'))
                QVERIFY2(shown.lines.at(i).startsWith(lines.at(i).chopped(1)) && shown.lines.at(i).endsWith(u'\u2026'),
                         qPrintable(shown.lines.at(i)));
            else
                QCOMPARE(shown.lines.at(i), lines.at(i));
            QVERIFY(metrics.horizontalAdvance(shown.lines.at(i)) <= label->contentsRect().width());
        }
        QVERIFY(metrics.height() + (lines.size() - 1) * metrics.lineSpacing() <= label->contentsRect().height());
    }
    // "con punti" stays where it was designed.
    QCOMPARE(find(u"Label13"_s)->pos(), QPoint(512, 456));
}

void TestWindow::nextButtonPictures_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QString>("shown");

    QTest::newRow("normal") << true << false << u"smile-32"_s;
    QTest::newRow("pressed") << true << true << u"laugh-32"_s;
    QTest::newRow("disabled") << false << false << u"neutral-32"_s;
}

void TestWindow::nextButtonPictures()
{
    QFETCH(bool, enabled);
    QFETCH(bool, down);
    QFETCH(QString, shown);

    auto *next = qobject_cast<PictureButton *>(m_window->button(Control::cmdNext));
    QVERIFY(next);
    next->setEnabled(enabled);
    next->setDown(down);
    QCOMPARE(imageOf(next->shownPicture()), picture(shown));
}

void TestWindow::fixedPictures()
{
    auto *exit = qobject_cast<PictureButton *>(m_window->button(Control::cmdExit));
    QVERIFY(exit);
    QCOMPARE(imageOf(exit->shownPicture()), picture(u"noentry-32"_s));

    auto *stopwatch = find<QLabel>(u"Image1"_s);
    QCOMPARE(stopwatch->pixmap().size(), QSize(32, 32));
    QCOMPARE(imageOf(stopwatch->pixmap()), picture(u"stopwatch-32"_s));

    const QList<QSize> iconSizes = m_window->windowIcon().availableSizes();
    for (int side : {16, 32, 48, 64, 128, 256})
        QVERIFY2(iconSizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
}

void TestWindow::backgroundPictureIsUnscaled()
{
    showWindow();
    const QImage shown = m_window->centralWidget()->grab().toImage();
    const QImage background = picture(u"background"_s);
    QCOMPARE(background.size(), QSize(1089, 817));
    // The lower part of the client area shows only the picture.
    for (const QPoint point : {QPoint(0, 813), QPoint(400, 700), QPoint(975, 813), QPoint(975, 500)})
        QCOMPARE(shown.pixelColor(point), background.pixelColor(point));
}

void TestWindow::colourShowsBeyondThePicture_data()
{
    // No colour: the window keeps the one it starts with.
    QTest::addColumn<QColor>("given");
    QTest::addColumn<QColor>("shown");

    QTest::newRow("system button face") << QColor() << QApplication::palette().color(QPalette::Button);
    QTest::newRow("after a wrong answer") << QColor(Qt::black) << QColor(Qt::black);
}

void TestWindow::colourShowsBeyondThePicture()
{
    QFETCH(QColor, given);
    QFETCH(QColor, shown);

    showWindow();
    if (given.isValid())
        m_window->setBackgroundColour(given);
    m_window->resize(m_window->width() + 200, m_window->height() + 100);
    QCOMPARE(m_window->centralWidget()->size(), QSize(1176, 914));
    const QImage surface = m_window->centralWidget()->grab().toImage();
    QCOMPARE(surface.pixelColor(1150, 300), shown);
    QCOMPARE(surface.pixelColor(500, 900), shown);
    QCOMPARE(surface.pixelColor(1000, 700), picture(u"background"_s).pixelColor(1000, 700));
}

void TestWindow::firstFocusIsOnExit()
{
    showWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), m_window->button(Control::cmdExit));
}

void TestWindow::tabOrder_data()
{
    QTest::addColumn<bool>("nextEnabled");
    QTest::addColumn<QStringList>("focusAfterEachTab");

    QTest::newRow("new-problem button enabled")
        << true << QStringList{u"cmdNext"_s, u"txtAnswer"_s, u"cmdExit"_s, u"cmdNext"_s};
    QTest::newRow("new-problem button disabled is skipped")
        << false << QStringList{u"txtAnswer"_s, u"cmdExit"_s, u"txtAnswer"_s};
}

void TestWindow::tabOrder()
{
    QFETCH(bool, nextEnabled);
    QFETCH(QStringList, focusAfterEachTab);

    showWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->button(Control::cmdNext)->setEnabled(nextEnabled);
    m_window->button(Control::cmdExit)->setFocus();
    QStringList focused;
    for (qsizetype i = 0; i < focusAfterEachTab.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        focused << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(focused, focusAfterEachTab);
}

void TestWindow::keysPressButtons_data()
{
    QTest::addColumn<Control>("focus");
    QTest::addColumn<bool>("nextEnabled");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    // The button the key presses, if any.
    QTest::addColumn<QString>("pressed");

    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    QTest::newRow("Alt+N") << Control::txtAnswer << true << int(Qt::Key_N) << alt << u"cmdNext"_s;
    QTest::newRow("Alt+N while disabled") << Control::txtAnswer << false << int(Qt::Key_N) << alt << QString();
    QTest::newRow("Alt+X") << Control::txtAnswer << false << int(Qt::Key_X) << alt << u"cmdExit"_s;
    QTest::newRow("Enter on new-problem") << Control::cmdNext << true << int(Qt::Key_Return) << none << u"cmdNext"_s;
    QTest::newRow("keypad Enter on new-problem")
        << Control::cmdNext << true << int(Qt::Key_Enter) << none << u"cmdNext"_s;
    QTest::newRow("Escape on new-problem") << Control::cmdNext << true << int(Qt::Key_Escape) << none << QString();
    QTest::newRow("Space on exit") << Control::cmdExit << false << int(Qt::Key_Space) << none << u"cmdExit"_s;
}

void TestWindow::keysPressButtons()
{
    QFETCH(Control, focus);
    QFETCH(bool, nextEnabled);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, pressed);

    showWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QPushButton *next = m_window->button(Control::cmdNext);
    QPushButton *exit = m_window->button(Control::cmdExit);
    // Each look at the clock a second after the one before: no key press
    // here comes right after the button took the keyboard.
    m_window->setKeyClock([now = std::chrono::milliseconds(0)]() mutable { return now += std::chrono::seconds(1); });
    next->setEnabled(nextEnabled);
    m_window->control(focus)->setFocus();
    QSignalSpy nextClicks(next, &QPushButton::clicked);
    QSignalSpy exitClicks(exit, &QPushButton::clicked);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    if (pressed.isEmpty()) {
        QVERIFY(!next->isDown() && !exit->isDown());
        QCOMPARE(nextClicks.count() + exitClicks.count(), 0);
    } else {
        // A mnemonic shows the button down for a moment, then clicks it.
        QSignalSpy &clicks = pressed == next->objectName() ? nextClicks : exitClicks;
        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(nextClicks.count() + exitClicks.count(), 1);
    }
}

void TestWindow::minimisingSetsTheTitleForGood()
{
    QTemporaryDir records;
    GameSession session([](int) {}, [&records] { return records.path(); });
    TavolaWindow &window = session.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), u"Gioca con le moltiplicazioni 10- 100- 1000"_s);

    QCOMPARE(window.windowHandle()->title(), u"Gioca con le moltiplicazioni 10- 100- 1000"_s);

    const QString later = u"Giocare con la tavola pitagorica"_s;
    for (const Qt::WindowState state : {Qt::WindowMinimized, Qt::WindowNoState, Qt::WindowMaximized}) {
        window.setWindowState(state);
        QCOMPARE(window.windowTitle(), later);
        // What the window system is given, the same exactly.
        QCOMPARE(window.windowHandle()->title(), later);
    }
}

void TestWindow::toolkitTextsAreItalian()
{
    const std::unique_ptr<QMenu> menu(m_window->answerBox()->createStandardContextMenu());
    QStringList entries;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            entries << action->text().section(u'\t', 0, 0).remove(u'&');
    }
    QCOMPARE(entries, (QStringList{u"Annulla"_s, u"Rifai"_s, u"Taglia"_s, u"Copia"_s, u"Incolla"_s, u"Elimina"_s,
                                   u"Seleziona tutto"_s}));

    const QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Ok)->text().remove(u'&'), u"OK"_s);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&'), u"Annulla"_s);
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
