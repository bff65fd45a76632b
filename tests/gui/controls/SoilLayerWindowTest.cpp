#include <QComboBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QtTest>

#include "GridControls.h"
#include "TableWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

// The soil-layer table D2 of the bundled clay example (soft clay, sand, stiff clay): its
// drop-down lists of soil types, the buttons that open each layer's data table, and those
// sub-table windows.
class SoilLayerWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { isolateSettings(); }
    void init() { m_fixture.Open(QStringLiteral("driven-pile-clay-english.qv3d")); }
    void cleanup() { m_fixture.Close(); }

    void showsEveryLayerWithItsSoilTypeAndDataButton()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.D2());
        QCOMPARE(form->objectName(), QStringLiteral("D2"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Soil Layers "));
        QCOMPARE(form->Grid()->model()->rowCount(), 3);
        QCOMPARE(form->Controls()->List(0, 1)->currentText(), QStringLiteral("Driven Pile in Sand (Mosher)"));
        QCOMPARE(form->Controls()->List(0, 2)->currentText(), QStringLiteral("Driven Pile in Clay (API)"));
        QCOMPARE(form->Controls()->Button(2, 0)->text(), QStringLiteral("1: Clay Layer Data"));
        QCOMPARE(form->Controls()->Button(2, 1)->text(), QStringLiteral("2: Sand Layer Data"));
        QCOMPARE(cellText(form->Grid(), 2, 1), QStringLiteral("900"));
        QVERIFY(!form->findChild<QPushButton*>(QStringLiteral("BtnAdd"))->isHidden());
        screenshot(form);
    }

    void aSoilTypeChangeReCaptionsTheRowsButton()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.D2());
        QComboBox* list = form->Controls()->List(0, 0);
        list->showPopup();
        list->setCurrentIndex(3);
        Q_EMIT list->activated(3);
        list->hidePopup();
        QCOMPARE(m_fixture.tables.D2().Data(0, 0).AsInteger(), 4);
        QCOMPARE(form->Controls()->Button(2, 0)->text(), QStringLiteral("1: Sand Layer Data"));
        QCOMPARE(m_fixture.tables.D2().Data(2, 0).SubTable()->Caption(), std::string("Sand Layer Data"));
        QVERIFY(m_fixture.tables.IsModified());
    }

    void aLayerButtonOpensItsDataTableTitledWithItsNumber()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.D2());
        QTest::mouseClick(form->Controls()->Button(2, 1), Qt::LeftButton);
        TGridTableChart* sand = m_fixture.tables.D2().Data(2, 1).SubTable();
        TableFormBase* data = TableFormOf(sand->Window());
        QVERIFY(data);
        QCOMPARE(data->objectName(), QStringLiteral("tblDataSand2_2"));
        QCOMPARE(data->windowTitle(), QStringLiteral("Sand Layer Data  2"));
        QCOMPARE(m_fixture.area->activeSubWindow(), data->Host());
        QCOMPARE(data->Grid()->model()->columnCount(), 5);
        QVERIFY(data->findChild<QPushButton*>(QStringLiteral("BtnAdd"))->isHidden());
        screenshot(data);
        QTest::mouseClick(form->Controls()->Button(2, 0), Qt::LeftButton);
        screenshot(TableFormOf(m_fixture.tables.D2().Data(2, 0).SubTable()->Window()));
    }

    void aSecondShowOnlyBringsTheWindowUp()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.D2());
        m_fixture.Show(m_fixture.tables.TblAE2());
        QCOMPARE(m_fixture.Show(m_fixture.tables.D2()), form);
        QCOMPARE(m_fixture.area->activeSubWindow(), form->Host());
        QCOMPARE(m_fixture.area->subWindowList().size(), 2);
    }

    void deletingALayerClosesItsDataWindowAndRetitlesTheNext()
    {
        TableFormBase* form = m_fixture.Show(m_fixture.tables.D2());
        QTest::mouseClick(form->Controls()->Button(2, 0), Qt::LeftButton);
        QTest::mouseClick(form->Controls()->Button(2, 1), Qt::LeftButton);
        QPointer<TableFormBase> first = TableFormOf(m_fixture.tables.D2().Data(2, 0).SubTable()->Window());
        TableFormBase* second = TableFormOf(m_fixture.tables.D2().Data(2, 1).SubTable()->Window());
        m_fixture.area->setActiveSubWindow(static_cast<QMdiSubWindow*>(form->Host()));
        QVERIFY(form->Grid()->MoveTo(0, 1));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("BtnDel")), Qt::LeftButton);
        QCOMPARE(m_fixture.tables.D2().RowCount(), 2);
        QTRY_VERIFY(first.isNull());
        QCOMPARE(second->windowTitle(), QStringLiteral("Sand Layer Data  1"));
        QCOMPARE(form->Controls()->Button(2, 0)->text(), QStringLiteral("1: Sand Layer Data"));
    }

    void aModalSoilTableOpensItsDataTablesModally()
    {
        ModalAnswerer answerer;
        QStringList titles;
        answerer.onDialog = [&](QDialog* dialog) {
            titles << dialog->windowTitle();
            // The answerer waits while this runs: the nested window is closed by a timer of
            // its own.
            QTimer::singleShot(0, dialog, [&titles] {
                QWidget* nested = QApplication::activeModalWidget();
                titles << nested->windowTitle();
                nested->close();
            });
            auto* form = dialog->findChild<TableFormBase*>();
            QTest::mouseClick(form->Controls()->Button(2, 2), Qt::LeftButton);
            dialog->close();
        };
        m_fixture.tables.D2().ShowModal();
        QCOMPARE(titles, (QStringList{QStringLiteral("Soil Layers "), QStringLiteral("Clay Layer Data  3")}));
        QVERIFY(!m_fixture.tables.D2().WindowOpen());
        QVERIFY(!m_fixture.tables.D2().Data(2, 2).SubTable()->WindowOpen());
    }

private:
    TableWindowFixture m_fixture;
};

QTEST_MAIN(SoilLayerWindowTest)
#include "SoilLayerWindowTest.moc"
