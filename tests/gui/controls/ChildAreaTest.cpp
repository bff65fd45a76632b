#include <QMdiSubWindow>
#include <QtTest>

#include "ChildArea.h"
#include "ChildWindow.h"
#include "GuiTestSupport.h"
#include "Messages.h"

using namespace quarlo;

namespace {

// A child that counts what the area asks of it and refuses when told to.
class CountingChild : public QWidget, public ChildWindow {
public:
    void FormActivate() override { ++activated; }
    bool FormDeactivate() override
    {
        ++deactivated;
        return !refuse;
    }
    void UnitsChanged() override { ++unitSwitches; }

    int activated = 0;
    int deactivated = 0;
    int unitSwitches = 0;
    bool refuse = false;
};

// A child that opens maximized, as the graphs do, and asks for a size of its own.
class MaximizedChild : public CountingChild {
public:
    bool OpensMaximized() const override { return true; }
    QSize sizeHint() const override { return {320, 200}; }
};

}  // namespace

class ChildAreaTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test::isolateSettings(); }

    void init()
    {
        m_area = new ChildArea;
        m_area->resize(600, 400);
        m_area->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_area));
        m_first = new CountingChild;
        m_second = new CountingChild;
        m_firstWindow = m_area->AddChild(m_first);
        m_secondWindow = m_area->AddChild(m_second);
    }

    void cleanup() { delete m_area; }

    void switchingStoresTheLeavingChildAndFillsTheEnteringOne()
    {
        QCOMPARE(m_first->activated, 1);
        QCOMPARE(m_first->deactivated, 1);
        QCOMPARE(m_second->activated, 1);
        m_area->setActiveSubWindow(m_firstWindow);
        QCOMPARE(m_second->deactivated, 1);
        QCOMPARE(m_first->activated, 2);
    }

    void aRefusingChildStaysActiveWithoutBeingRefilled()
    {
        m_second->refuse = true;
        m_area->setActiveSubWindow(m_firstWindow);
        QCOMPARE(m_area->activeSubWindow(), m_secondWindow);
        QCOMPARE(m_second->activated, 1);
        QCOMPARE(m_first->activated, 1);
        QVERIFY(!m_area->CommitActiveChild());
    }

    void aNewChildAsksARefusingChildOnce()
    {
        m_second->refuse = true;
        auto* third = new CountingChild;
        m_area->AddChild(third);
        QCOMPARE(m_second->deactivated, 1);
        QCOMPARE(m_area->activeSubWindow(), m_secondWindow);
        QCOMPARE(third->activated, 0);
        m_second->refuse = false;
        m_area->setActiveSubWindow(m_firstWindow);
        QCOMPARE(m_second->deactivated, 2);
        QCOMPARE(m_first->activated, 2);
    }

    void aRefusingChildCannotBeClosed()
    {
        m_second->refuse = true;
        QVERIFY(!m_secondWindow->close());
        QVERIFY(!m_area->CloseAllChildren());
        QVERIFY(m_area->subWindowList().contains(m_secondWindow));
        m_second->refuse = false;
        QVERIFY(m_area->CloseAllChildren());
        QTRY_COMPARE(m_area->subWindowList().size(), 0);
    }

    void aClosedChildIsNotAskedAgain()
    {
        QPointer<CountingChild> second = m_second;
        QVERIFY(m_secondWindow->close());
        QTRY_VERIFY(second.isNull());
        QCOMPARE(m_first->deactivated, 1);
    }

    void aMessageBoxOverTheAreaLeavesTheActiveChildAlone()
    {
        test::ModalAnswerer answerer;
        ShowInformation(m_area, QStringLiteral("Entry must be between 10 and 500."));
        QCOMPARE(answerer.texts(), QStringList{QStringLiteral("Entry must be between 10 and 500.")});
        QCOMPARE(m_second->deactivated, 0);
        QCOMPARE(m_area->activeSubWindow(), m_secondWindow);
    }

    void aUnitSwitchReachesEveryChild()
    {
        m_area->NotifyUnitsChanged();
        QCOMPARE(m_first->unitSwitches, 1);
        QCOMPARE(m_second->unitSwitches, 1);
    }

    void childrenAreListedActiveFirst()
    {
        m_area->setActiveSubWindow(m_firstWindow);
        const QList<QMdiSubWindow*> expected{m_firstWindow, m_secondWindow};
        QCOMPARE(m_area->ChildrenActiveFirst(), expected);
    }

    // The maximized child stays maximized behind a child activated over it, which keeps its
    // own size; restored, it comes back at the size it asks for.
    void aMaximizedChildStaysBehindTheOthers()
    {
        m_secondWindow->resize(200, 150);
        QMdiSubWindow* maximized = m_area->AddChild(new MaximizedChild);
        QVERIFY(maximized->isMaximized());
        QCOMPARE(maximized->size(), m_area->viewport()->size());
        m_area->setActiveSubWindow(m_secondWindow);
        QVERIFY(maximized->isMaximized());
        QVERIFY(!m_secondWindow->isMaximized());
        QCOMPARE(m_secondWindow->size(), QSize(200, 150));
        maximized->showNormal();
        QCOMPARE(maximized->widget()->size(), QSize(320, 200));
    }

private:
    ChildArea* m_area = nullptr;
    CountingChild* m_first = nullptr;
    CountingChild* m_second = nullptr;
    QMdiSubWindow* m_firstWindow = nullptr;
    QMdiSubWindow* m_secondWindow = nullptr;
};

QTEST_MAIN(ChildAreaTest)
#include "ChildAreaTest.moc"
