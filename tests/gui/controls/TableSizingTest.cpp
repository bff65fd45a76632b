#include <QBuffer>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QtTest>

#include "TableWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

// A table window the user resizes snaps to whole rows and columns.
class TableSizingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { isolateSettings(); }

    void init()
    {
        m_fixture.Open(QStringLiteral("driven-pile-clay-english.qv3d"));
        m_fixture.tables.TblTipMove().SetRowCount(12);
        m_form = m_fixture.Show(m_fixture.tables.TblTipMove());
        m_host = qobject_cast<QMdiSubWindow*>(m_form->Host());
        QVERIFY(m_host);
    }

    void cleanup() { m_fixture.Close(); }

    void theWindowOpensAroundItsGrid()
    {
        QCOMPARE(m_form->VisibleRows(), 10);
        QCOMPARE(m_form->size(), m_form->sizeHint());
        QCOMPARE(m_form->Grid()->viewport()->height(), 10 * rowHeight());
    }

    void aShorterWindowShowsWholeRows()
    {
        const QSize before = m_host->size();
        m_host->resize(before.width(), before.height() - 3 * rowHeight() - rowHeight() / 2);
        QCOMPARE(m_form->VisibleRows(), 6);
        QCOMPARE(m_form->Grid()->viewport()->height(), 6 * rowHeight());
        QCOMPARE(m_host->height(), before.height() - 4 * rowHeight());
        QCOMPARE(m_form->size(), m_form->sizeHint());
    }

    void aTallEnoughWindowShowsEveryRowWithoutAScrollBar()
    {
        m_host->resize(m_host->width() + 40, m_host->height() + 5 * rowHeight());
        QCOMPARE(m_form->VisibleRows(), 12);
        QVERIFY(!m_form->Grid()->verticalScrollBar()->isVisible());
        QCOMPARE(m_form->Grid()->viewport()->height(), 12 * rowHeight());
    }

    void draggingTheTopEdgeKeepsTheBottomEdge()
    {
        const QRect before = m_host->geometry();
        QTest::mousePress(m_host, Qt::LeftButton, {}, QPoint(before.width() / 2, 1));
        m_host->setGeometry(before.adjusted(0, 2 * rowHeight() + 5, 0, 0));
        QTest::mouseRelease(m_host, Qt::LeftButton, {}, QPoint(before.width() / 2, 1));
        QCOMPARE(m_form->VisibleRows(), 7);
        QCOMPARE(m_host->geometry().bottom(), before.bottom());
        QCOMPARE(m_host->height(), before.height() - 3 * rowHeight());
    }

    void aHelpPictureShowsUnderTheGridAndTheWindowGrowsForIt()
    {
        QImage picture(120, 60, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        const int before = m_form->height();
        m_fixture.tables.TblTipMove().SetHelpPicture(std::vector<std::uint8_t>(png.begin(), png.end()));
        auto* image = m_form->findChild<QLabel*>(QStringLiteral("imgHelp"));
        QVERIFY(image->isVisible());
        QCOMPARE(image->size(), QSize(120, 60));
        QVERIFY(image->geometry().top() > m_form->Grid()->geometry().bottom());
        QCOMPARE(m_form->height(), before + 60 + m_form->logicalDpiX() / 20);
    }

private:
    int rowHeight() const { return m_form->Grid()->verticalHeader()->defaultSectionSize(); }

    TableWindowFixture m_fixture;
    TableFormBase* m_form = nullptr;
    QMdiSubWindow* m_host = nullptr;
};

QTEST_MAIN(TableSizingTest)
#include "TableSizingTest.moc"
