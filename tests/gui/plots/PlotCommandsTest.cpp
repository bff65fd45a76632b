#include <QAction>
#include <QActionGroup>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "PlotMapping.h"
#include "PlotPixels.h"
#include "PlotWindowFixture.h"

using namespace quarlo;
using namespace quarlo::test;

namespace {

constexpr const char* kExample = "driven-pile-clay-english.qv3d";

// Pixels of `colour` inside the graph, the legend left out.
int pixelsOf(const TPlotForm& form, QColor colour)
{
    const QImage image = const_cast<TPlotForm&>(form).grab().toImage();
    const QRect graph = toQRect(form.ScreenTarget().PlotRect).adjusted(1, 1, -1, -1);
    const QRect legend = form.Legend().geometry();
    int count = 0;
    for (int y = graph.top(); y <= graph.bottom(); ++y)
        for (int x = graph.left(); x <= graph.right(); ++x)
            if (!legend.contains(x, y) && image.pixelColor(x, y) == colour)
                ++count;
    return count;
}

QColor colourAtPoint(TPlotForm& form, int curve, int point)
{
    const PlotMapping mapping(form.ViewRange(), form.ScreenTarget().PlotRect, form.Plot().XOnTop);
    const QImage image = form.grab().toImage();
    return image.pixelColor(toQPoint(mapping.ToPixel(form.Plot().CurvePoint(curve, point))));
}

QStringList menuEntryTexts(const TPlotForm& form)
{
    QStringList texts;
    for (const QAction* entry : form.Menu().CurveEntries())
        texts << entry->text();
    return texts;
}

template <class Widget>
Widget* child(QDialog* dialog, const char* name)
{
    auto* widget = dialog->findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qWarning("no %s in %s", name, qPrintable(dialog->objectName()));
    return widget;
}

void click(QDialog* dialog, const char* button)
{
    if (auto* pressed = child<QPushButton>(dialog, button))
        pressed->click();
}

// Types `text` into the legend editor's field for the selected row and presses Enter.
void typeLegend(QDialog* dialog, const QString& text)
{
    auto* field = child<QLineEdit>(dialog, "edLine");
    field->setText(text);
    QTest::keyClick(field, Qt::Key_Return);
}

}  // namespace

class PlotCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        isolateSettings();
        QVERIFY(m_fixture.start(kExample));
    }

    void init() { m_fixture.reset(); }

    // The submenu opens with the entry of the graph's spacing checked, as a radio entry;
    // a spacing the menu does not offer leaves every entry unchecked.
    void theMarkersSubmenuChecksTheGraphsSpacing_data()
    {
        QTest::addColumn<int>("markers");
        QTest::addColumn<QString>("checked");
        QTest::newRow("every increment") << 1 << "Mark1";
        QTest::newRow("every 10") << 10 << "Mark10";
        QTest::newRow("never") << 0 << "Mark0";
        QTest::newRow("every 4, not offered") << 4 << "";
    }

    void theMarkersSubmenuChecksTheGraphsSpacing()
    {
        QFETCH(int, markers);
        QFETCH(QString, checked);
        TPlotForm* form = m_fixture.open("pltLoad");
        form->Plot().Markers = markers;
        auto* submenu = form->ChildMenu()->findChild<QMenu*>("PlotMarkers");
        submenu->popup(form->mapToGlobal(QPoint(0, 0)));
        submenu->hide();
        QStringList checkedEntries;
        for (QAction* entry : submenu->actions()) {
            QVERIFY(entry->actionGroup() && entry->actionGroup()->isExclusive());
            if (entry->isChecked())
                checkedEntries << entry->objectName();
        }
        QCOMPARE(checkedEntries, checked.isEmpty() ? QStringList() : QStringList{checked});
    }

    void choosingAMarkerSpacingRedrawsTheCurves()
    {
        TPlotForm* form = m_fixture.open("pltLoad");
        const QImage withMarkers = form->grab().toImage();
        form->Menu().Entry("Mark0")->trigger();
        QCOMPARE(form->Plot().Markers, 0);
        QVERIFY(form->grab().toImage() != withMarkers);
        form->Menu().Entry("Mark1")->trigger();
        QCOMPARE(form->Plot().Markers, 1);
        QCOMPARE(form->grab().toImage(), withMarkers);
    }

    // "4 * Default": texts 56 pixels high, so the graph starts 2 x 56 + 96/8 + 56/8 = 131
    // pixels from the left; the legend 44 points with items of 66 pixels, back in the
    // graph's bottom right corner wherever the user had put it.
    void aFontSizeScalesTheTextsAndPutsTheLegendBackInTheCorner()
    {
        TPlotForm* form = m_fixture.open("pltLoad");
        form->Legend().move(10, 10);
        form->Menu().Entry("Size4")->trigger();
        QCOMPARE(form->Plot().SizeFont, 40);
        const QRect graph = toQRect(form->ScreenTarget().PlotRect);
        QCOMPARE(graph.left(), 131);
        QCOMPARE(form->Legend().font().pointSize(), 44);
        QCOMPARE(form->Legend().ItemHeight(), 66);
        QCOMPARE(form->Legend().geometry().right() + 1, graph.right() + 1);
        QCOMPARE(form->Legend().geometry().bottom() + 1, graph.bottom() + 1);
        saveScreenshot(form, "pltLoad-font4");
        form->Menu().Entry("DefaultSize")->trigger();
        QCOMPARE(toQRect(form->ScreenTarget().PlotRect).left(), 2 * 14 + 12 + 1);
    }

    // The second curve is the only blue one; four times as wide it covers several times the
    // pixels.
    void aLineWidthWidensTheCurves()
    {
        TPlotForm* form = m_fixture.open("pltLoad", 3);
        form->Menu().Entry("Mark0")->trigger();
        const QColor blue(0, 0, 255);
        const int thin = pixelsOf(*form, blue);
        QVERIFY(thin > 100);
        form->Menu().Entry("Width4")->trigger();
        QCOMPARE(form->Plot().WidthLine, 4);
        QVERIFY2(pixelsOf(*form, blue) > 3 * thin, qPrintable(QString::number(thin)));
    }

    // Whichever way the dialog is closed the title is taken; at the bottom it takes a text
    // line from the graph (14 pixels), and an empty title gives it back.
    void theGraphTitleIsTakenHoweverTheDialogIsClosed()
    {
        TPlotForm* form = m_fixture.open("pltLoad");
        const int bottom = form->ScreenTarget().PlotRect.Bottom;
        ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            QCOMPARE(dialog->objectName(), QString("TfrmGraphCaption"));
            QCOMPARE(dialog->windowTitle(), QString("Graph Caption"));
            QVERIFY(child<QRadioButton>(dialog, "rbBottom")->isChecked());
            child<QLineEdit>(dialog, "edtCaption")->setText("Pile P-3, Station 12+50");
            saveScreenshotWithDialog(form, dialog, "TfrmGraphCaption");
            dialog->reject();
        };
        form->Menu().Entry("PlotCaption")->trigger();
        QCOMPARE(form->Plot().GraphTitle, std::string("Pile P-3, Station 12+50"));
        QVERIFY(!form->Plot().GraphTitleOnTop);
        QCOMPARE(form->ScreenTarget().PlotRect.Bottom, bottom - 14);
        saveScreenshot(form, "pltLoad-titled");

        answerer.onDialog = [&](QDialog* dialog) {
            QCOMPARE(child<QLineEdit>(dialog, "edtCaption")->text(), QString("Pile P-3, Station 12+50"));
            child<QLineEdit>(dialog, "edtCaption")->clear();
            child<QRadioButton>(dialog, "rbTop")->setChecked(true);
            click(dialog, "OKButton");
        };
        form->Menu().Entry("PlotCaption")->trigger();
        QVERIFY(form->Plot().GraphTitle.empty());
        QVERIFY(form->Plot().GraphTitleOnTop);
        QCOMPARE(form->ScreenTarget().PlotRect.Bottom, bottom);
    }

    // An empty or blank name is refused and the row's text comes back; a name confirmed with
    // OK reaches the curve, its legend line and its menu entry.
    void theLegendEditorRenamesCurvesAndRefusesEmptyNames()
    {
        TPlotForm* form = m_fixture.open("pltLoad", 3);
        ModalAnswerer answerer;
        QStringList refusals;
        answerer.onDialog = [&](QDialog* dialog) {
            // The refusals' boxes open while this answerer is busy with the dialog.
            ModalAnswerer boxes;
            auto* rows = child<QListWidget>(dialog, "lbLines");
            auto* field = child<QLineEdit>(dialog, "edLine");
            QCOMPARE(rows->count(), 3);
            QCOMPARE(field->text(), QString("Curve #1"));
            typeLegend(dialog, "");
            QCOMPARE(field->text(), QString("Curve #1"));
            typeLegend(dialog, "   ");
            QCOMPARE(field->text(), QString("Curve #1"));
            rows->setCurrentRow(1);
            QCOMPARE(field->text(), QString("Curve #2"));
            // Curve 2 is drawn in blue: the field shows its name in that colour.
            QCOMPARE(field->palette().color(QPalette::Text), QColor(0, 0, 255));
            typeLegend(dialog, "0.01 in tip movement");
            QCOMPARE(rows->item(1)->text(), QString("0.01 in tip movement"));
            saveScreenshotWithDialog(form, dialog, "TfrmLineNames");
            click(dialog, "OKButton");
            refusals = boxes.texts();
        };
        form->Menu().Entry("mLineName")->trigger();
        QCOMPARE(refusals, (QStringList{"The line must have a name!", "The line must have a name!"}));
        QCOMPARE(form->Plot().Curve(1).Name, std::string("0.01 in tip movement"));
        QCOMPARE(legendLines(form->Legend()), (QStringList{"Curve #1 *", "0.01 in tip movement *", "Curve #3 *"}));
        QCOMPARE(menuEntryTexts(*form), (QStringList{"Curve #1", "0.01 in tip movement", "Curve #3"}));
    }

    // Edits in the dialog reach the curves only with OK: cancelled, every name stays.
    void cancellingTheLegendEditorKeepsEveryName()
    {
        TPlotForm* form = m_fixture.open("pltLoad", 3);
        ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            typeLegend(dialog, "renamed");
            QCOMPARE(child<QListWidget>(dialog, "lbLines")->item(0)->text(), QString("renamed"));
            click(dialog, "CancelButton");
        };
        form->Menu().Entry("mLineName")->trigger();
        QVERIFY(answerer.texts().isEmpty());
        QVERIFY(form->Plot().Curve(0).Name.empty());
        QCOMPARE(legendLines(form->Legend())[0], QString("Curve #1 *"));
    }

    // The field's last text counts when OK is chosen without leaving it first.
    void theLegendEditorTakesTheFieldWithOK()
    {
        TPlotForm* form = m_fixture.open("pltLoad", 3);
        ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            child<QLineEdit>(dialog, "edLine")->setText("typed, not entered");
            click(dialog, "OKButton");
        };
        form->Menu().Entry("mLineName")->trigger();
        QCOMPARE(form->Plot().Curve(0).Name, std::string("typed, not entered"));
    }

    // Deactivating the first of three curves: the legend lists the second and third in the
    // colours of positions 0 and 1 (black, blue), and their menu entries toggle them.
    void deactivatingTheFirstOfThreeCurvesMovesTheColours()
    {
        TPlotForm* form = m_fixture.open("pltLoad", 3);
        form->Menu().Entry("Mark0")->trigger();
        QCOMPARE(colourAtPoint(*form, 1, 10), QColor(0, 0, 255));
        ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QString("Active Curves"));
            auto* rows = child<QListWidget>(dialog, "lbLines");
            QCOMPARE(rows->item(0)->text(), QString(" yes :    Curve #1"));
            rows->item(0)->setSelected(true);
            click(dialog, "ActivateDesactivateButton");
            QCOMPARE(rows->item(0)->text(), QString(" no  :    Curve #1"));
            QCOMPARE(rows->item(1)->text(), QString(" yes :    Curve #2"));
            saveScreenshotWithDialog(form, dialog, "TfrmActiveLines");
            click(dialog, "OKButton");
        };
        form->Menu().Entry("ActiveGraphs")->trigger();
        QVERIFY(!form->Plot().Curve(0).Active);
        QCOMPARE(legendLines(form->Legend()), (QStringList{"Curve #2 *", "Curve #3 *"}));
        QCOMPARE(colourAtPoint(*form, 1, 10), QColor(0, 0, 0));
        QCOMPARE(colourAtPoint(*form, 2, 10), QColor(0, 0, 255));
        QCOMPARE(form->Legend().height(), 2 * 16 + 3);

        QCOMPARE(menuEntryTexts(*form), (QStringList{"Curve #2", "Curve #3"}));
        form->Menu().CurveEntries()[0]->trigger();
        QVERIFY(!form->Plot().Curve(1).Shown);
        QVERIFY(form->Plot().Curve(2).Shown);
        form->Menu().CurveEntries()[1]->trigger();
        QVERIFY(!form->Plot().Curve(2).Shown);
    }

    // Double-click toggles a row; the two buttons set every flag; Cancel keeps the curves.
    void theActiveCurvesButtonsAndCancel()
    {
        TPlotForm* form = m_fixture.open("pltLoad", 3);
        ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            auto* rows = child<QListWidget>(dialog, "lbLines");
            const auto flags = [rows] {
                QStringList shown;
                for (int i = 0; i < rows->count(); ++i)
                    shown << rows->item(i)->text().left(7);
                return shown;
            };
            click(dialog, "DesactivateButton");
            QCOMPARE(flags(), (QStringList{" no  : ", " no  : ", " no  : "}));
            rows->setCurrentRow(2);
            Q_EMIT rows->itemDoubleClicked(rows->item(2));
            QCOMPARE(flags(), (QStringList{" no  : ", " no  : ", " yes : "}));
            click(dialog, "ActivateButton");
            QCOMPARE(flags(), (QStringList{" yes : ", " yes : ", " yes : "}));
            click(dialog, "DesactivateButton");
            click(dialog, "CancelButton");
        };
        form->Menu().Entry("ActiveGraphs")->trigger();
        for (int i = 0; i < 3; ++i)
            QVERIFY(form->Plot().Curve(i).Active);
        QCOMPARE(legendLines(form->Legend()).size(), 3);
    }

    // A graph without curves: the legend editor has no row and its field is disabled; both
    // dialogs confirm without changing anything.
    void theDialogsOnAGraphWithoutCurves()
    {
        TPlotForm* form = m_fixture.open("pltLoad", 0);
        ModalAnswerer answerer;
        answerer.onDialog = [&](QDialog* dialog) {
            QCOMPARE(child<QListWidget>(dialog, "lbLines")->count(), 0);
            if (auto* field = dialog->findChild<QLineEdit*>("edLine"))
                QVERIFY(!field->isEnabled());
            else
                click(dialog, "ActivateDesactivateButton");
            click(dialog, "OKButton");
        };
        form->Menu().Entry("mLineName")->trigger();
        form->Menu().Entry("ActiveGraphs")->trigger();
        QVERIFY(answerer.texts().isEmpty());
        QCOMPARE(form->Plot().CurveCount(), 0);
        QVERIFY(!form->Legend().isVisible());
    }

private:
    PlotWindowFixture m_fixture;
};

QTEST_MAIN(PlotCommandsTest)
#include "PlotCommandsTest.moc"
