#include "ui/TavolaWindow.h"

#include "ui/AnswerBox.h"
#include "ui/DesignText.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

// Designed places are in twips: 15 make one pixel.
QRect fromTwips(int left, int top, int width, int height)
{
    return {left / 15, top / 15, width / 15, height / 15};
}

} // namespace

TavolaWindow::TavolaWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Gioca con le moltiplicazioni 10- 100- 1000"));
    auto *surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("Tavola"));
    surface->setFixedSize(976, 814);
    setCentralWidget(surface);
    buildControls(surface);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setTimerType(Qt::PreciseTimer);
    m_timer->setInterval(1000);
}

QLabel *TavolaWindow::addLabel(QWidget *surface, Control name, const QString &objectName)
{
    auto *label = new QLabel(designText(name), surface);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    m_labels[name] = label;
    return label;
}

void TavolaWindow::buildControls(QWidget *surface)
{
    addLabel(surface, Control::lblNum1, QStringLiteral("lblNum1"))->setGeometry(fromTwips(960, 0, 345, 1185));
    addLabel(surface, Control::lblNum2, QStringLiteral("lblNum2"))->setGeometry(fromTwips(5280, 0, 345, 1185));
    addLabel(surface, Control::lblMessage, QStringLiteral("lblMessage"))->setGeometry(fromTwips(1680, 2040, 6615, 615));
    addLabel(surface, Control::lblconto, QStringLiteral("lblconto"))->setGeometry(fromTwips(0, 2280, 1575, 495));
    addLabel(surface, Control::lblScore, QStringLiteral("lblScore"))->setGeometry(fromTwips(1080, 4080, 555, 885));
    addLabel(surface, Control::lblScore1, QStringLiteral("lblScore1"))->setGeometry(fromTwips(5160, 4080, 540, 885));
    addLabel(surface, Control::lblScore2, QStringLiteral("lblScore2"))->setGeometry(fromTwips(8520, 4080, 555, 885));
    addLabel(surface, Control::lblnome1, QStringLiteral("lblnome1"))->setGeometry(fromTwips(120, 6240, 180, 540));
    addLabel(surface, Control::lblnome, QStringLiteral("lblnome"))->setGeometry(fromTwips(3000, 6720, 1260, 555));
    addLabel(surface, Control::lblpunti, QStringLiteral("lblpunti"))->setGeometry(fromTwips(9960, 6840, 270, 540));

    m_answerBox = new AnswerBox(surface);
    m_answerBox->setObjectName(QStringLiteral("txtAnswer"));
    m_answerBox->setGeometry(fromTwips(7800, 0, 5295, 1200));

    m_nextButton = new QPushButton(designText(Control::cmdNext), surface);
    m_nextButton->setObjectName(QStringLiteral("cmdNext"));
    m_nextButton->setGeometry(fromTwips(1800, 5160, 2055, 1095));
    m_nextButton->setAutoDefault(true);
    m_nextButton->setEnabled(false);

    m_exitButton = new QPushButton(designText(Control::cmdExit), surface);
    m_exitButton->setObjectName(QStringLiteral("cmdExit"));
    m_exitButton->setGeometry(fromTwips(7680, 5160, 2055, 1095));

    setTabOrder(m_exitButton, m_nextButton);
    setTabOrder(m_nextButton, m_answerBox);
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
    QPalette palette = centralWidget()->palette();
    palette.setColor(QPalette::Window, colour);
    centralWidget()->setPalette(palette);
    centralWidget()->setAutoFillBackground(true);
}

bool TavolaWindow::event(QEvent *event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate && !m_activated) {
        m_activated = true;
        emit firstActivated();
    }
    return handled;
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
