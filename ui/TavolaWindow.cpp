#include "ui/TavolaWindow.h"

#include "ui/AnswerBox.h"
#include "ui/ControlDesign.h"
#include "ui/DesignLayout.h"
#include "ui/FeedbackLabel.h"
#include "ui/FitLabel.h"
#include "ui/FontSubstitutions.h"
#include "ui/LinesLabel.h"
#include "ui/MenuTree.h"
#include "ui/OutlinedLabel.h"
#include "ui/PictureButton.h"
#include "ui/PictureSurface.h"

#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The client area as designed, in pixels.
constexpr QSize clientSize(976, 814);

// Where the tip of the duck's beak lies in the pointer picture.
constexpr QPoint pointerHotSpot(3, 12);

// The pointer of the feedback line and the new-problem button, the stock
// pointer that carries a small square.
constexpr Qt::CursorShape squarePointer = Qt::DragMoveCursor;

// One of the pictures stored inside the program.
QPixmap picture(const QString &name)
{
    return QPixmap(u":/pictures/"_s + name + u".png"_s);
}

// The window icon at each size the desktop may ask for; a size is read from
// the program only when it is first drawn.
QIcon gameIcon()
{
    QIcon icon;
    for (const auto &[name, size] : {std::pair{u"icon-16"_s, 16}, {u"icon-32"_s, 32}, {u"icon-48"_s, 48},
                                     {u"icon"_s, 64}, {u"icon-128"_s, 128}, {u"icon-256"_s, 256}})
        icon.addFile(u":/pictures/"_s + name + u".png"_s, QSize(size, size));
    return icon;
}

// Gives the control its designed text and background colours.
void applyColours(QWidget *control, const ControlDesign &design)
{
    QPalette palette = control->palette();
    if (design.ink.isValid())
        palette.setColor(control->foregroundRole(), design.ink);
    if (design.paper.isValid())
        palette.setColor(control->backgroundRole(), design.paper);
    control->setPalette(palette);
}

} // namespace

TavolaWindow::TavolaWindow(QWidget *parent) : QMainWindow(parent)
{
    installFontSubstitutions();
    setWindowTitle(u"Gioca con le moltiplicazioni 10- 100- 1000"_s);
    setWindowIcon(gameIcon());

    m_surface = new PictureSurface(u":/pictures/background.png"_s, this);
    m_surface->setObjectName(u"Tavola"_s);
    m_surface->setCursor(QCursor(picture(u"cursor"_s), pointerHotSpot.x(), pointerHotSpot.y()));
    m_layout = new DesignLayout(clientSize, m_surface);
    setCentralWidget(m_surface);
    buildControls();
    buildMenuTree(menuBar());

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(1000);
}

void TavolaWindow::buildControls()
{
    for (const ControlDesign &design : controlDesigns())
        addControl(design);
    addStopwatch();
    relateLabels();

    m_nextButton->setAutoDefault(true);
    m_nextButton->setEnabled(false);
    m_enterGuard = new EnterGuard(m_nextButton);
    setTabOrder(m_exitButton, m_nextButton);
    setTabOrder(m_nextButton, m_answerBox);
    m_exitButton->setFocus();
}

void TavolaWindow::addControl(const ControlDesign &design)
{
    QWidget *control = nullptr;
    switch (design.kind) {
    case ControlDesign::Kind::Label:
        control = addLabel(design);
        break;
    case ControlDesign::Kind::Button:
        control = addButton(design);
        break;
    case ControlDesign::Kind::Box:
        control = addAnswerBox();
        break;
    }
    control->setObjectName(design.name);
    control->setFont(design.face.font());
    control->setToolTip(design.toolTip);
    if (design.squarePointer)
        control->setCursor(squarePointer);
    applyColours(control, design);
    place(control, design);
}

void TavolaWindow::place(QWidget *control, const ControlDesign &design)
{
    const QRect room = design.room(m_layout->clientArea());
    switch (design.sizing) {
    case ControlDesign::Sizing::Fixed:
        m_layout->addPlaced(control, design.place());
        break;
    case ControlDesign::Sizing::FitsText:
    case ControlDesign::Sizing::Lines:
        m_layout->addFitting(control, design.place().topLeft(), room);
        break;
    case ControlDesign::Sizing::WrapsAboutCentre:
        m_layout->addWidening(control, design.place(), room);
        break;
    }
    if (!design.after.isEmpty())
        m_layout->keepClearOf(control, m_surface->findChild<QWidget *>(design.after, Qt::FindDirectChildrenOnly));
}

QLabel *TavolaWindow::addLabel(const ControlDesign &design)
{
    QLabel *label = nullptr;
    const QRect room = design.room(m_layout->clientArea());
    switch (design.sizing) {
    case ControlDesign::Sizing::Fixed:
        label = new OutlinedLabel(m_surface);
        break;
    case ControlDesign::Sizing::FitsText:
        label = new FitLabel(design.place().size(), m_surface);
        break;
    case ControlDesign::Sizing::WrapsAboutCentre:
        label = new FeedbackLabel(room.size(), m_surface);
        break;
    case ControlDesign::Sizing::Lines:
        label = new LinesLabel(design.place().size(), room.size(), m_surface);
        break;
    }
    label->setTextFormat(Qt::PlainText);
    label->setText(design.designedText());
    label->setAlignment(design.alignment | Qt::AlignTop);
    label->setIndent(0);
    label->setAutoFillBackground(design.paper.isValid());
    if (design.border) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        // Room between the text and its frame.
        label->setMargin(2);
    }
    if (design.control)
        m_labels[*design.control] = label;
    return label;
}

PictureButton *TavolaWindow::addButton(const ControlDesign &design)
{
    auto *button = new PictureButton(design.designedText(), m_surface);
    if (design.control == Control::cmdNext) {
        button->setPictures(picture(u"smile-32"_s), picture(u"laugh-32"_s), picture(u"neutral-32"_s));
        m_nextButton = button;
    } else {
        const QPixmap sign = picture(u"noentry-32"_s);
        button->setPictures(sign, sign, sign);
        m_exitButton = button;
    }
    return button;
}

AnswerBox *TavolaWindow::addAnswerBox()
{
    m_answerBox = new AnswerBox(m_surface);
    return m_answerBox;
}

void TavolaWindow::addStopwatch()
{
    auto *stopwatch = new QLabel(m_surface);
    stopwatch->setObjectName(u"Image1"_s);
    stopwatch->setPixmap(picture(u"stopwatch-32"_s));
    stopwatch->setToolTip(u"Clicca sotto di me per impostare il Timer"_s);
    m_layout->addPlaced(stopwatch, fromTwips({480, 1680, 480, 480}));
    // Read between "Tempo restante" and the clock.
    stopwatch->stackUnder(label(Control::lblconto));
}

void TavolaWindow::relateLabels()
{
    // Each heading labels its count. The problem reaches the answer box as its
    // description, not as labels: a screen reader would read the first label
    // in place of the box's own name.
    for (const auto &[heading, count] : {std::pair{"Label6", Control::lblScore}, {"Label1", Control::lblScore1},
                                         {"Label3", Control::lblScore2}}) {
        QLabel *headingLabel = m_surface->findChild<QLabel *>(QLatin1String(heading));
        headingLabel->setBuddy(label(count));
        label(count)->setAccessibleDescription(headingLabel->text());
    }
}

void TavolaWindow::setLabelText(Control name, const QString &text)
{
    label(name)->setText(text);
    switch (name) {
    case Control::lblNum1:
    case Control::lblNum2:
        describeProblem();
        break;
    case Control::lblMessage:
        // Read when the button takes the keyboard; no feedback: its tooltip.
        m_nextButton->setAccessibleDescription(text);
        break;
    default:
        break;
    }
}

void TavolaWindow::describeProblem()
{
    QStringList problem;
    for (const char *name : {"lblNum1", "Label2", "lblNum2", "Label4"})
        problem << m_surface->findChild<QLabel *>(QLatin1String(name))->text();
    const bool posed = !label(Control::lblNum1)->text().isEmpty() || !label(Control::lblNum2)->text().isEmpty();
    m_answerBox->setAccessibleDescription(posed ? problem.join(u' ') : QString());
}

QLabel *TavolaWindow::label(Control name) const
{
    const auto found = m_labels.find(name);
    return found == m_labels.end() ? nullptr : found->second;
}

QPushButton *TavolaWindow::button(Control name) const
{
    switch (name) {
    case Control::cmdNext:
        return m_nextButton;
    case Control::cmdExit:
        return m_exitButton;
    default:
        return nullptr;
    }
}

QWidget *TavolaWindow::control(Control name) const
{
    if (name == Control::txtAnswer)
        return m_answerBox;
    if (QPushButton *found = button(name))
        return found;
    return label(name);
}

void TavolaWindow::setBackgroundColour(const QColor &colour)
{
    m_surface->setColour(colour);
}

bool TavolaWindow::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate)
        announceFirstActivation();
    // Where nothing activates a new window (no window manager), the game
    // still starts once the window is up.
    if (event->type() == QEvent::Show)
        QTimer::singleShot(0, this, &TavolaWindow::announceFirstActivation);
    return handled;
}

void TavolaWindow::announceFirstActivation()
{
    if (m_activated)
        return;
    m_activated = true;
    emit firstActivated();
}

void TavolaWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        emit displayChanged();
}

void TavolaWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    emit displayChanged();
}
