#include <QLabel>
#include <QVBoxLayout>
#include <QtTest>

#include "GuiTestSupport.h"
#include "TDataEdit.h"

using namespace quarlo;

// A form with two numeric fields as the dialogs lay them out: the number of increments
// (whole numbers 10 to 500) and a pile length with its unit, and a plain box after them.
class TDataEditTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { test::isolateSettings(); }

    void init()
    {
        m_form = new QWidget;
        auto* layout = new QVBoxLayout(m_form);
        m_label = new QLabel(m_form);
        m_increments = new TDataEdit(m_form);
        m_increments->SetCaption("Number of Increments");
        m_increments->SetIntegerOnly(true);
        m_increments->SetMaxVal(500);
        m_increments->SetMinVal(10);
        m_length = new TDataEdit(m_form);
        m_length->SetCaption("Pile Length");
        m_length->SetUnitsString("L");
        m_length->SetEditLabel(m_label);
        m_other = new QLineEdit(m_form);
        layout->addWidget(m_increments);
        layout->addWidget(m_label);
        layout->addWidget(m_length);
        layout->addWidget(m_other);
        m_form->show();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
        m_increments->setFocus();
        QVERIFY(keepsFocus(m_increments));
    }

    void cleanup() { delete m_form; }

    void leavingChecksTheEntry_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("stays");
        QTest::newRow("below the minimum") << "5" << "10" << "Entry must be greater than or equal to 10" << true;
        QTest::newRow("above the maximum") << "900" << "500" << "Entry must be less than or equal to 500" << true;
        QTest::newRow("fraction") << "12.5" << "12.5" << "Entry must be an integer." << true;
        QTest::newRow("no number") << "x" << "x" << "Entry must be a valid integer." << true;
        QTest::newRow("expression") << "2*60" << "120" << "" << false;
    }

    void leavingChecksTheEntry()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(bool, stays);
        test::ModalAnswerer answerer;
        typeOver(m_increments, typed);
        QTest::keyClick(m_increments, Qt::Key_Tab);
        QCOMPARE(m_increments->text(), shown);
        QCOMPARE(answerer.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(keepsFocus(m_increments), stays);
        QCOMPARE(m_increments->IsValid(), !stays);
    }

    void enterChecksAndSelectsTheWholeText()
    {
        test::ModalAnswerer answerer;
        typeOver(m_increments, "12.5");
        QTest::keyClick(m_increments, Qt::Key_Return);
        QCOMPARE(answerer.texts(), QStringList{"Entry must be an integer."});
        QVERIFY(keepsFocus(m_increments));
        QCOMPARE(m_increments->selectedText(), QString("12.5"));
        typeOver(m_increments, "2*60");
        QTest::keyClick(m_increments, Qt::Key_Enter);
        QCOMPARE(m_increments->text(), QString("120"));
        QCOMPARE(m_increments->selectedText(), QString("120"));
        QCOMPARE(answerer.texts().size(), 1);
    }

    void anOperatorOverASelectedValueExtendsIt()
    {
        m_length->setFocus();
        typeOver(m_length, "3.5");
        m_length->selectAll();
        QTest::keyClicks(m_length, "*2");
        QCOMPARE(m_length->text(), QString("3.5*2"));
        QTest::keyClick(m_length, Qt::Key_Return);
        QCOMPARE(m_length->text(), QString("7"));
        // A digit over the selection replaces it.
        QTest::keyClicks(m_length, "9");
        QCOMPARE(m_length->text(), QString("9"));
    }

    void validateRefusesOnceAndKeepsTheFocus()
    {
        test::ModalAnswerer answerer;
        m_length->SetMaxVal(1000000);
        m_length->setFocus();
        typeOver(m_length, "2e6");
        m_other->setFocus();  // not a move the user made: nothing is checked
        QVERIFY(answerer.texts().isEmpty());
        QVERIFY(!m_length->Validate());
        QCOMPARE(answerer.texts(), QStringList{"Entry must be less than or equal to 1000000"});
        QCOMPARE(m_length->text(), QString("1000000"));
        QVERIFY(keepsFocus(m_length));
        QVERIFY(m_length->Validate());
        QCOMPARE(answerer.texts().size(), 1);
    }

    void leavingTheWindowChecksNothing()
    {
        test::ModalAnswerer answerer;
        typeOver(m_increments, "abc");
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(m_increments->text(), QString("abc"));
    }

    void labelShowsCaptionUnitAndEnabledState()
    {
        QCOMPARE(m_label->text(), QString("Pile Length (in)"));
        QCOMPARE(m_label->buddy(), m_length);
        m_length->SetUnits(2);
        QCOMPARE(m_label->text(), QString("Pile Length (m)"));
        m_length->SetUnits(7);
        m_length->SetCaption("Tolerance");
        QCOMPARE(m_label->text(), QString("Tolerance (L)"));
        m_length->setEnabled(false);
        QVERIFY(!m_label->isEnabled());
        m_length->setEnabled(true);
        QVERIFY(m_label->isEnabled());
    }

    void settersShowTheClampedValue()
    {
        m_increments->SetNumber(5);
        QCOMPARE(m_increments->text(), QString("10"));
        m_length->SetHex(true);
        m_length->SetNumber(255);
        QCOMPARE(m_length->text(), QString("$00FF"));
        QCOMPARE(m_length->Number(), 255.0L);
    }

private:
    // The field is where the focus goes when its window is active again. (The offscreen
    // platform has no window manager to give the activation back after a message box.)
    static bool keepsFocus(QWidget* field) { return field->window()->focusWidget() == field; }

    static void typeOver(TDataEdit* field, const QString& text)
    {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }

    QWidget* m_form = nullptr;
    QLabel* m_label = nullptr;
    TDataEdit* m_increments = nullptr;
    TDataEdit* m_length = nullptr;
    QLineEdit* m_other = nullptr;
};

QTEST_MAIN(TDataEditTest)
#include "TDataEditTest.moc"
