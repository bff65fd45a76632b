#include <QLineEdit>
#include <QMdiSubWindow>
#include <QtTest>

#include "TableWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

// Typing into the cells of a table window: every entry goes through its column's reading,
// shows again in canonical form, and a refused entry keeps the cursor where it is.
class TableEntryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { isolateSettings(); }
    void init() { m_fixture.Open(QStringLiteral("driven-pile-clay-english.qv3d")); }
    void cleanup() { m_fixture.Close(); }

    void anExpressionIsStoredAsItsValueAndShownInCanonicalForm()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblAE2());
        QVERIFY(form);
        typeInto(form->Grid(), 1, 0, QStringLiteral("60*12"));
        QTest::keyClick(form->Grid()->Editor(), Qt::Key_Up);
        QCOMPARE(m_fixture.tables.TblAE2().Data(0, 1).AsFloat(), 720.0L);
        QCOMPARE(cellText(form->Grid(), 1, 0), QStringLiteral("720"));
        QCOMPARE(form->Grid()->currentIndex().row(), 0);
        QVERIFY(m_fixture.tables.IsModified());
    }

    void aRefusedEntryIsShownAndTheCursorStays()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblAE2());
        typeInto(form->Grid(), 1, 1, QStringLiteral("7e8*"));
        ModalAnswerer answerer;
        answerer.screenshotNextBox(form->Host(), QStringLiteral("TblAE2-refused"));
        QTest::keyClick(form->Grid()->Editor(), Qt::Key_Down);
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Entry could not be evaluated:\ninvalid expression")});
        QCOMPARE(form->Grid()->currentIndex(), form->Grid()->model()->index(1, 1));
        QCOMPARE(form->Grid()->Editor()->text(), QStringLiteral("7e8*"));
        QCOMPARE(m_fixture.tables.TblAE2().Data(1, 1).Text(), std::string("7.0607295E8"));
        QVERIFY(!m_fixture.tables.IsModified());
    }

    void aRefusedEntryKeepsTheWindowOpenAndActive()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblAE2());
        TableFormBase* other = m_fixture.Show(m_fixture.tables.TblTipMove());
        m_fixture.area->setActiveSubWindow(static_cast<QMdiSubWindow*>(form->Host()));
        typeInto(form->Grid(), 0, 0, QStringLiteral("abc"));
        ModalAnswerer answerer;
        QVERIFY(!form->Host()->close());
        m_fixture.area->setActiveSubWindow(static_cast<QMdiSubWindow*>(other->Host()));
        QCOMPARE(m_fixture.area->activeSubWindow(), form->Host());
        QCOMPARE(answerer.texts().size(), 2);
        QCOMPARE(form->Grid()->Editor()->text(), QStringLiteral("abc"));
        form->Grid()->Editor()->setText(QStringLiteral("0"));
        QVERIFY(form->Host()->close());
    }

    void escapeGivesBackTheStoredValue()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblAE2());
        typeInto(form->Grid(), 1, 0, QStringLiteral("999"));
        QTest::keyClick(form->Grid()->Editor(), Qt::Key_Escape);
        QCOMPARE(form->Grid()->Editor()->text(), QStringLiteral("720"));
        QVERIFY(form->ValidateCurrentCell());
        QVERIFY(!m_fixture.tables.IsModified());
    }

    void enterMovesDownThenToTheNextColumn_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("nextRow");
        QTest::addColumn<int>("nextColumn");
        QTest::newRow("down") << 0 << 0 << 1 << 0;
        QTest::newRow("last row to the next column") << 1 << 0 << 0 << 1;
        QTest::newRow("last cell back to the first column") << 1 << 1 << 0 << 0;
    }

    void enterMovesDownThenToTheNextColumn()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblAE2());
        QVERIFY(form->Grid()->MoveTo(row, column));
        QTest::keyClick(form->Grid()->Editor(), Qt::Key_Return);
        QTEST(form->Grid()->currentIndex().row(), "nextRow");
        QTEST(form->Grid()->currentIndex().column(), "nextColumn");
        QVERIFY(form->Grid()->Editor());
    }

    void anOpenedWindowTakesTheKeyboardInItsFirstCell()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblAE2());
        QCOMPARE(QApplication::focusWidget(), form->Grid()->Editor());
        QCOMPARE(form->Grid()->currentIndex(), form->Grid()->model()->index(0, 0));
    }

    void tabPassesOverListAndButtonCells()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.D2());
        QCOMPARE(form->Grid()->currentIndex().column(), 1);
        QTest::keyClick(form->Grid()->Editor(), Qt::Key_Tab);
        QCOMPARE(form->Grid()->currentIndex(), form->Grid()->model()->index(1, 1));
        QVERIFY(form->Grid()->Editor());
    }

    void movingWithoutTypingMarksNothing()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.TblAE2());
        QTest::keyClick(form->Grid()->Editor(), Qt::Key_Down);
        QTest::keyClick(form->Grid()->Editor(), Qt::Key_Tab);
        QVERIFY(!m_fixture.tables.IsModified());
    }

private:
    TableWindowFixture m_fixture;
};

QTEST_MAIN(TableEntryTest)
#include "TableEntryTest.moc"
