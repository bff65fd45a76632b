#include <QLabel>
#include <QtTest>

#include "DataWindowHost.h"
#include "TDataEdit.h"
#include "TfrmQwFactors.h"

using namespace quarlo;

class TfrmQwFactorsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test::isolateSettings(); }

    void init()
    {
        m_host = std::make_unique<test::DataWindowHost>();
        // The example's last record turned into Q-w factors.
        m_host->openEditedExample("\r\n 0\r\n 0\r\n 0\r\n", "\r\n 0\r\n 0\r\n 1\r\n1.25 0.75\r\n");
        m_window = m_host->showNew<TfrmQwFactors>(m_frame, *m_host->project);
    }

    void cleanup() { m_host.reset(); }

    void showsBothMultipliers()
    {
        QCOMPARE(m_frame->windowTitle(), QString("Enter Modifications Factors for Tip Resistance"));
        QCOMPARE(field("DataQfactor")->EditLabel()->text(), QString("Q-multiplier"));
        QCOMPARE(field("Datawfactor")->EditLabel()->text(), QString("w-multiplier"));
        QCOMPARE(field("DataQfactor")->text(), QString("1.25"));
        QCOMPARE(field("Datawfactor")->text(), QString("0.75"));
        QVERIFY(field("DataQfactor")->y() < field("Datawfactor")->y());
        test::saveScreenshot(m_frame, "TfrmQwFactors");
    }

    void theKeyboardStartsOnTheLowerField()
    {
        QCOMPARE(m_window->focusWidget(), field("Datawfactor"));
        QCOMPARE(test::DataWindowHost::tabOrder(field("Datawfactor"), 1), QStringList{"DataQfactor"});
    }

    void aChangedMultiplierIsStoredAndMarksTheProject()
    {
        QVERIFY(!m_host->project->Tables().IsModified());
        test::typeOver(field("DataQfactor"), "0.5*3");
        QVERIFY(m_host->area.CommitActiveChild());
        QCOMPARE(m_host->project->QMultiplier, 1.5L);
        QCOMPARE(m_host->project->WMultiplier, 0.75L);
        QVERIFY(m_host->project->Tables().IsModified());
    }

    void anInvalidEntryKeepsTheWindowOpen()
    {
        test::ModalAnswerer answerer;
        test::typeOver(field("Datawfactor"), "2/");
        QVERIFY(!m_frame->close());
        QCOMPARE(answerer.texts(), QStringList{"Entry could not be evaluated:\ninvalid expression"});
        QCOMPARE(m_host->project->WMultiplier, 0.75L);
        QVERIFY(!m_host->project->Tables().IsModified());
    }

    void leavingUnchangedMarksNothing()
    {
        QVERIFY(m_frame->close());
        QVERIFY(!m_host->project->Tables().IsModified());
    }

private:
    TDataEdit* field(const QString& name) const { return m_window->findChild<TDataEdit*>(name); }


    std::unique_ptr<test::DataWindowHost> m_host;
    TfrmQwFactors* m_window = nullptr;
    QMdiSubWindow* m_frame = nullptr;
};

QTEST_MAIN(TfrmQwFactorsTest)
#include "TfrmQwFactorsTest.moc"
