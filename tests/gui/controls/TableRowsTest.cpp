#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "TableWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

// Adding, inserting and deleting rows from a table window, within the table's row limits.
class TableRowsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { isolateSettings(); }
    void init() { m_fixture.Open(QStringLiteral("driven-pile-clay-english.qv3d")); }
    void cleanup() { m_fixture.Close(); }

    void addingGrowsTheTableAndTheGrid()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblTopload());
        QCOMPARE(form->VisibleRows(), 2);
        QTest::mouseClick(button(form, "BtnAdd"), Qt::LeftButton);
        QCOMPARE(m_fixture.tables.TblTopload().RowCount(), 3);
        QCOMPARE(form->VisibleRows(), 3);
        QCOMPARE(cellText(form->Grid(), 2, 0), QStringLiteral("0"));
        QVERIFY(m_fixture.tables.IsModified());
    }

    void insertingPutsADefaultRowBeforeTheCurrentOne()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblTopload());
        QVERIFY(form->Grid()->MoveTo(1, 0));
        QTest::mouseClick(button(form, "BtnIns"), Qt::LeftButton);
        QCOMPARE(cellText(form->Grid(), 0, 0), QStringLiteral("100000"));
        QCOMPARE(cellText(form->Grid(), 1, 0), QStringLiteral("0"));
        QCOMPARE(cellText(form->Grid(), 2, 0), QStringLiteral("200000"));
    }

    void deletingStopsAtTheLeastRows()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblTopload());
        QVERIFY(button(form, "BtnDel")->isEnabled());
        QVERIFY(form->Grid()->MoveTo(0, 0));
        QTest::mouseClick(button(form, "BtnDel"), Qt::LeftButton);
        QCOMPARE(m_fixture.tables.TblTopload().RowCount(), 1);
        QCOMPARE(cellText(form->Grid(), 0, 0), QStringLiteral("200000"));
        QVERIFY(!button(form, "BtnDel")->isEnabled());
        QVERIFY(button(form, "BtnAdd")->isEnabled());
    }

    void addingStopsAtTheMostRows()
    {
        m_fixture.tables.TblTopload().SetRowCount(49);
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblTopload());
        QTest::mouseClick(button(form, "BtnAdd"), Qt::LeftButton);
        QCOMPARE(m_fixture.tables.TblTopload().RowCount(), 50);
        QVERIFY(!button(form, "BtnAdd")->isEnabled());
        QVERIFY(!button(form, "BtnIns")->isEnabled());
        QCOMPARE(form->Grid()->FirstRow(), 40);
    }

    void aRowCommandWithoutACurrentRowIsRefusedWithAMessage()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblTopload());
        form->Grid()->setCurrentIndex(QModelIndex());
        ModalAnswerer answerer;
        QTest::mouseClick(button(form, "BtnIns"), Qt::LeftButton);
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Grid.Row not in valid range")});
        QCOMPARE(m_fixture.tables.TblTopload().RowCount(), 2);
        QVERIFY(form->isVisible());
    }

    void aRowCommandStopsAtARefusedEntry()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblTopload());
        typeInto(form->Grid(), 0, 0, QStringLiteral("1/"));
        ModalAnswerer answerer;
        QTest::mouseClick(button(form, "BtnAdd"), Qt::LeftButton);
        QCOMPARE(answerer.texts().size(), 1);
        QCOMPARE(m_fixture.tables.TblTopload().RowCount(), 2);
        QCOMPARE(form->Grid()->Editor()->text(), QStringLiteral("1/"));
    }

    void anEmptyTableOpensWithItsLeastRows()
    {
        m_fixture.tables.TblSettlement2().SetRowCount(0);
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblSettlement2());
        QCOMPARE(form->Grid()->model()->rowCount(), 2);
    }

    void longTablesOpenScrolled_data()
    {
        QTest::addColumn<bool>("chart");
        QTest::addColumn<int>("visibleRows");
        QTest::newRow("beside a chart five rows") << true << 5;
        QTest::newRow("without a chart ten rows") << false << 10;
    }

    void longTablesOpenScrolled()
    {
        QFETCH(bool, chart);
        TGridTableChart& curve = m_fixture.tables.TblQwcurve2();
        TGridTable& loads = m_fixture.tables.TblTopload();
        chart ? curve.SetRowCount(12) : loads.SetRowCount(12);
        TableFormBase* form = chart ? m_fixture.Show(curve) : m_fixture.Show(loads);
        QTEST(form->VisibleRows(), "visibleRows");
        QVERIFY(form->Grid()->verticalScrollBar()->isVisible());
        const int rowHeight = form->Grid()->verticalHeader()->defaultSectionSize();
        QCOMPARE(form->Grid()->viewport()->height(), form->VisibleRows() * rowHeight);
    }

private:
    TableWindowFixture m_fixture;
};

QTEST_MAIN(TableRowsTest)
#include "TableRowsTest.moc"
