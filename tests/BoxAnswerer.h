#pragma once

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Answers the game's boxes the moment they open, as a quick player would:
// types the name into the name box and closes every message with OK.
class BoxAnswerer : public QObject
{
public:
    explicit BoxAnswerer(QString name) : m_name(std::move(name))
    {
        connect(&m_poll, &QTimer::timeout, this, &BoxAnswerer::answerOpenBox);
        m_poll.start(5);
    }

    // The texts of the message boxes closed so far, with their titles.
    QStringList messages;
    QStringList titles;

private:
    void answerOpenBox()
    {
        QWidget *box = QApplication::activeModalWidget();
        if (auto *input = qobject_cast<QInputDialog *>(box)) {
            titles << input->windowTitle();
            input->setTextValue(m_name);
            input->accept();
        } else if (auto *message = qobject_cast<QMessageBox *>(box)) {
            titles << message->windowTitle();
            messages << message->text();
            message->accept();
        }
    }

    QString m_name;
    QTimer m_poll;
};
