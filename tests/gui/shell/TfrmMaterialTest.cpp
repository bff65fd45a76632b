#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <cmath>

#include "DataWindowHost.h"
#include "TDataEdit.h"
#include "TableChart.h"
#include "TableWindow.h"
#include "TdlgTitle.h"
#include "TfrmMaterial.h"

using namespace quarlo;

namespace {

// Stands in for the table windows: remembers which table was shown.
class RecordedTableWindow : public TableWindow {
public:
    void Display() override {}
    bool IsModal() const override { return false; }
    void SetTitle(const std::string&) override {}
};

}  // namespace

class TfrmMaterialTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test::isolateSettings(); }

    void init()
    {
        m_host = std::make_unique<test::DataWindowHost>();
        m_host->openExample();
        m_window = m_host->showNew<TfrmMaterial>(m_frame, *m_host->project);
    }

    void cleanup()
    {
        m_host.reset();
        TGridTableChart::WindowFactory = nullptr;
    }

    void showsTheProjectWithItsUnits()
    {
        QCOMPARE(m_frame->windowTitle(), QString("Pile Properties"));
        // A fixed frame with the system menu, minimize and close buttons.
        const Qt::WindowFlags flags = m_frame->windowFlags();
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::MSWindowsFixedSizeDialogHint);
        QCOMPARE(label("DataPL"), QString("Pile Length (in)"));
        QCOMPARE(label("DataNI"), QString("Number of Increments"));
        QCOMPARE(label("DataOD"), QString("Outer Diameter (in)"));
        QCOMPARE(label("DataArea"), QString("Area of Pile Tip (in\u00B2)"));
        QCOMPARE(label("DataTol"), QString("Tolerance (in)"));
        QCOMPARE(field("DataPL")->text(), QString("720"));
        QCOMPARE(field("DataNI")->text(), QString("40"));
        QCOMPARE(field("DataOD")->text(), QString("16"));
        QCOMPARE(field("DataArea")->text(), QString("201.06193"));
        QCOMPARE(field("DataTol")->text(), QString("0.001"));
        QCOMPARE(m_window->findChild<QPushButton*>("EditDepths")->toolTip(),
                 QString("Enter pile stiffness versus depth"));
        test::saveScreenshot(m_frame, "TfrmMaterial");
    }

    void tabOrderFollowsTheFields()
    {
        QCOMPARE(m_window->focusWidget(), field("DataPL"));
        const QStringList expected{"DataNI", "DataOD", "DataArea", "DataTol", "EditDepths"};
        QCOMPARE(test::DataWindowHost::tabOrder(field("DataPL"), 5), expected);
    }

    void aUnitSwitchRelabelsAndConverts()
    {
        m_host->project->SetUnits(2);
        m_host->area.NotifyUnitsChanged();
        QCOMPARE(label("DataPL"), QString("Pile Length (m)"));
        QCOMPARE(label("DataArea"), QString("Area of Pile Tip (m\u00B2)"));
        QCOMPARE(label("DataTol"), QString("Tolerance (m)"));
        QCOMPARE(label("DataNI"), QString("Number of Increments"));
        // By hand: 720 in x 0.0254 m/in = 18.288 m, 16 in = 0.4064 m, 0.001 in = 2.54E-5 m,
        // 201.06193 in2 x 0.00064516 m2/in2 = 0.12971711 m2. The factor 39.37007874 is
        // 1/0.0254 to ten digits: tolerance 1e-9 relative.
        QVERIFY(near(field("DataPL")->Number(), 18.288L));
        QVERIFY(near(field("DataOD")->Number(), 0.4064L));
        QVERIFY(near(field("DataTol")->Number(), 2.54e-5L));
        QVERIFY(near(field("DataArea")->Number(), 201.06193L * 0.00064516L));
        QCOMPARE(field("DataNI")->text(), QString("40"));
    }

    void anInvalidEntryKeepsTheWindowOpenWithItsMessage()
    {
        test::ModalAnswerer answerer;
        const QString refusal = "Entry could not be evaluated:\ninvalid character(s) in expression";
        test::typeOver(field("DataPL"), "60*12a");
        QVERIFY(!m_host->area.CommitActiveChild());
        QCOMPARE(answerer.texts(), QStringList{refusal});
        QCOMPARE(m_host->project->PileLength, 720.0L);

        QVERIFY(!m_frame->close());
        QCOMPARE(m_host->area.subWindowList().size(), 1);
        QCOMPARE(field("DataPL")->text(), QString("60*12a"));

        // Another window cannot take over while the entry stands.
        QMdiSubWindow* titleFrame = nullptr;
        m_host->showNew<TdlgTitle>(titleFrame, *m_host->project);
        QCOMPARE(m_host->area.activeSubWindow(), m_frame);
        QCOMPARE(answerer.texts().size(), 3);
        m_host->area.setActiveSubWindow(titleFrame);
        QCOMPARE(m_host->area.activeSubWindow(), m_frame);
        QCOMPARE(answerer.texts().size(), 4);
        QCOMPARE(m_window->focusWidget(), field("DataPL"));

        test::typeOver(field("DataPL"), "61*12");
        QVERIFY(m_frame->close());
        QCOMPARE(m_host->project->PileLength, 732.0L);
        QVERIFY(m_host->project->Tables().IsModified());
    }

    void aRangeViolationShowsTheBoundAndKeepsIt()
    {
        test::ModalAnswerer answerer;
        test::typeOver(field("DataTol"), "2");
        QVERIFY(!m_host->area.CommitActiveChild());
        QCOMPARE(answerer.texts(), QStringList{"Entry must be less than or equal to 1"});
        QCOMPARE(field("DataTol")->text(), QString("1"));
        QCOMPARE(m_host->project->Tolerance, 0.001L);
        QVERIFY(m_host->area.CommitActiveChild());
        QCOMPARE(m_host->project->Tolerance, 1.0L);
    }

    void fiveIncrementsReadShowAndHoldTen()
    {
        m_host->openEditedExample("\r\n40 0 1\r\n", "\r\n5 0 1\r\n");
        QCOMPARE(m_host->project->Increments, 5);
        m_window = m_host->showNew<TfrmMaterial>(m_frame, *m_host->project);
        QCOMPARE(field("DataNI")->text(), QString("10"));
        QMdiSubWindow* titleFrame = nullptr;
        m_host->showNew<TdlgTitle>(titleFrame, *m_host->project);
        QCOMPARE(m_host->project->Increments, 10);
        QVERIFY(m_host->project->Tables().IsModified());
    }

    void everyFieldMarksTheProjectModified_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::newRow("pile length") << "DataPL" << "700" << 700.0;
        QTest::newRow("increments") << "DataNI" << "2*60" << 120.0;
        QTest::newRow("outer diameter") << "DataOD" << "18" << 18.0;
        QTest::newRow("tip area") << "DataArea" << "250" << 250.0;
        QTest::newRow("tolerance") << "DataTol" << "1e-4" << 1e-4;
    }

    void everyFieldMarksTheProjectModified()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(double, stored);
        QVERIFY(!m_host->project->Tables().IsModified());
        test::typeOver(field(name), typed);
        QVERIFY(m_host->area.CommitActiveChild());
        QVERIFY(m_host->project->Tables().IsModified());
        const TProgramData& project = *m_host->project;
        const long double values[] = {project.PileLength, static_cast<long double>(project.Increments),
                                      project.OuterDiameter, project.TipArea, project.Tolerance};
        const QStringList names{"DataPL", "DataNI", "DataOD", "DataArea", "DataTol"};
        QVERIFY(near(values[names.indexOf(name)], static_cast<long double>(stored)));
    }

    void openingAndLeavingChangesNothing()
    {
        m_host->project->SetUnits(2);
        m_host->project->Tables().SetModified(false);
        m_host->area.NotifyUnitsChanged();
        const long double pileLength = m_host->project->PileLength;
        const long double tipArea = m_host->project->TipArea;
        QVERIFY(m_host->area.CommitActiveChild());
        QVERIFY(m_frame->close());
        QVERIFY(!m_host->project->Tables().IsModified());
        QCOMPARE(m_host->project->PileLength, pileLength);
        QCOMPARE(m_host->project->TipArea, tipArea);
    }

    void editDepthsShowsTheStiffnessTable()
    {
        const TGridTableChart* shown = nullptr;
        TGridTableChart::WindowFactory = [&](TGridTableChart& table, bool) {
            shown = &table;
            return std::make_unique<RecordedTableWindow>();
        };
        QTest::mouseClick(m_window->findChild<QPushButton*>("EditDepths"), Qt::LeftButton);
        QCOMPARE(shown, &m_host->project->Tables().TblAE2());
        m_host->project->Tables().TblAE2().CloseWindow();
    }

private:
    TDataEdit* field(const QString& name) const { return m_window->findChild<TDataEdit*>(name); }
    QString label(const QString& name) const { return field(name)->EditLabel()->text(); }

    static bool near(long double value, long double expected)
    {
        return std::fabs(value - expected) <= 1e-9L * std::fabs(expected);
    }


    std::unique_ptr<test::DataWindowHost> m_host;
    TfrmMaterial* m_window = nullptr;
    QMdiSubWindow* m_frame = nullptr;
};

QTEST_MAIN(TfrmMaterialTest)
#include "TfrmMaterialTest.moc"
