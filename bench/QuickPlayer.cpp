#include "QuickPlayer.h"

#include <QApplication>
#include <QDialog>
#include <QInputDialog>

QuickPlayer::QuickPlayer(QString name, QObject *parent) : QObject(parent), m_name(std::move(name))
{
    connect(&m_poll, &QTimer::timeout, this, &QuickPlayer::answerOpenBox);
    m_poll.setTimerType(Qt::PreciseTimer);
    m_poll.start(1);
}

void QuickPlayer::answerOpenBox()
{
    QWidget *box = QApplication::activeModalWidget();
    if (auto *nameBox = qobject_cast<QInputDialog *>(box))
        nameBox->setTextValue(m_name);
    if (auto *dialog = qobject_cast<QDialog *>(box))
        dialog->accept();
}
