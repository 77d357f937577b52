#include "ui/PictureSurface.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QTest>

using namespace Qt::StringLiterals;

// The window's colour changes cost nothing where the picture covers it: a
// wrong answer sets it again and again.
class TestSurface : public QObject
{
    Q_OBJECT

private slots:
    void repaintsOnlyWhereTheColourShows_data();
    void repaintsOnlyWhereTheColourShows();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRegion m_painted;
};

bool TestSurface::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        m_painted += static_cast<QPaintEvent *>(event)->region();
    return QObject::eventFilter(watched, event);
}

void TestSurface::repaintsOnlyWhereTheColourShows_data()
{
    const QRect picture(QPoint(0, 0), QImage(u":/pictures/background.png"_s).size());
    const QSize wide = picture.size() + QSize(100, 50);
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("newColour");
    QTest::addColumn<QRegion>("painted");
    QTest::newRow("same colour") << picture.size() << false << QRegion();
    QTest::newRow("new colour, under the picture") << picture.size() << true << QRegion();
    QTest::newRow("new colour, beside the picture")
        << wide << true << QRegion(QRect(QPoint(0, 0), wide)).subtracted(picture);
}

void TestSurface::repaintsOnlyWhereTheColourShows()
{
    QFETCH(QSize, size);
    QFETCH(bool, newColour);
    QFETCH(QRegion, painted);

    PictureSurface surface(u":/pictures/background.png"_s);
    surface.setFixedSize(size);
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();

    surface.installEventFilter(this);
    m_painted = QRegion();
    surface.setColour(newColour ? QColor(Qt::black) : surface.colour());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(m_painted, painted);
}

QTEST_MAIN(TestSurface)
#include "tst_surface.moc"
