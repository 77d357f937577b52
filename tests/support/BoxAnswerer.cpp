#include "BoxAnswerer.h"

#include <QApplication>
#include <QEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

bool gameWindowShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget *window) {
        return qobject_cast<const QMainWindow *>(window) && window->isVisible();
    });
}

} // namespace

BoxAnswerer::BoxAnswerer(QString name, QObject *parent) : QObject(parent), m_name(std::move(name))
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool BoxAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    const auto isBox = [watched] {
        return qobject_cast<QInputDialog *>(watched) || qobject_cast<QMessageBox *>(watched);
    };
    if (event->type() == QEvent::Show && isBox()) {
        // Once the box has finished showing and waits for its answer.
        QTimer::singleShot(0, this, [this, box = QPointer(static_cast<QWidget *>(watched))] {
            if (box)
                answer(box);
        });
    }
    return QObject::eventFilter(watched, event);
}

void BoxAnswerer::answer(QWidget *box)
{
    Box seen{box->windowTitle(), QString(), gameWindowShown()};
    if (auto *input = qobject_cast<QInputDialog *>(box)) {
        seen.text = input->labelText();
        QLineEdit *field = input->findChild<QLineEdit *>();
        if (m_cancelName) {
            QTest::keyClick(field, Qt::Key_Escape);
        } else {
            QTest::keyClicks(field, m_name);
            QTest::keyClick(field, Qt::Key_Return);
        }
    } else {
        seen.text = static_cast<QMessageBox *>(box)->text();
        messages << seen.text;
        QTest::keyClick(box, Qt::Key_Return);
    }
    titles << seen.title;
    boxes << seen;
    if (answered)
        answered(seen);
}
