#include "DataCommands.h"

#include <QAction>
#include <QMenu>

#include "CommandRules.h"
#include "MenuItems.h"
#include "ProgramData.h"
#include "TMainForm.h"

namespace quarlo {

DataCommands::DataCommands(TMainForm& form, QMenuBar& menuBar) : QObject(&form), m_form(form)
{
    m_menu = AddMenu(menuBar, "DataMenu", QStringLiteral("Da&ta"));
    QMenu& menu = *m_menu;
    QWidget* boxes = &form;
    AddMenuItem(menu, "DataTitle", QStringLiteral("&Title"), boxes, [this] { DataTitleClick(); });
    menu.addSeparator();
    AddMenuItem(menu, "material", QStringLiteral("&Pile Properties"), boxes, [this] { materialClick(); });
    AddMenuItem(menu, "SoilLayerCoordinates1", QStringLiteral("Soil &Layers"), boxes,
                [this] { SoilLayerCoordinates1Click(); });
    menu.addSeparator();
    AddMenuItem(menu, "SoilParameters1", QStringLiteral("Enter t-&z Curves"), boxes,
                [this] { SoilParameters1Click(); });
    AddMenuItem(menu, "PileProperties1", QStringLiteral("Enter Q-&w Curve"), boxes,
                [this] { PileProperties1Click(); });
    menu.addSeparator();
    AddMenuItem(menu, "TipMovement1", QStringLiteral("Enter Tip &Movements"), boxes,
                [this] { TipMovement1Click(); });
    AddMenuItem(menu, "Topload1", QStringLiteral("Enter Loads at Pile &Head"), boxes, [this] { Topload1Click(); });
    menu.addSeparator();
    AddMenuItem(menu, "Settlements1", QStringLiteral("Enter Soil-&Settlement Data (for Downdrag)"), boxes,
                [this] { Settlements1Click(); });
    menu.addSeparator();
    AddMenuItem(menu, "tzfactortable", QStringLiteral("Enter Modification Factors on t-z Curves"), boxes,
                [this] { tzfactortableClick(); });
    AddMenuItem(menu, "QwFactorTable", QStringLiteral("Enter Modification Factors on Q-w Curve"), boxes,
                [this] { QwFactorTableClick(); });
    OnMenuOpening(menu, boxes, [this] { DataMenuClick(); });
}

void DataCommands::DataTitleClick()
{
    m_titleWindow.Show(m_form.Area());
}

void DataCommands::materialClick()
{
    m_materialWindow.Show(m_form.Area());
}

void DataCommands::SoilLayerCoordinates1Click()
{
    m_form.Tables().D2().Show();
}

void DataCommands::SoilParameters1Click()
{
    m_form.Tables().TblTZDepth2().Show();
}

void DataCommands::PileProperties1Click()
{
    m_form.Tables().TblQwcurve2().Show();
}

void DataCommands::TipMovement1Click()
{
    m_form.Tables().TblTipMove().Show();
}

void DataCommands::Topload1Click()
{
    m_form.Tables().TblTopload().Show();
}

void DataCommands::Settlements1Click()
{
    m_form.Tables().TblSettlement2().Show();
}

void DataCommands::tzfactortableClick()
{
    m_form.Tables().TblTZFactors2().Show();
}

void DataCommands::QwFactorTableClick()
{
    m_qwFactorsWindow.Show(m_form.Area());
}

void DataCommands::DataMenuClick()
{
    m_form.CommitActiveChild();
    UpdateCurveMenus();
    const DataMenuEnables enables = DataMenuRules(m_form.Project());
    item("TipMovement1")->setEnabled(enables.tipMovements);
    item("Topload1")->setEnabled(enables.headLoads);
    item("Settlements1")->setEnabled(enables.settlements);
    item("tzfactortable")->setEnabled(enables.tzFactors);
    item("QwFactorTable")->setEnabled(enables.qwFactors);
}

void DataCommands::UpdateCurveMenus()
{
    const DataMenuEnables enables = DataMenuRules(m_form.Project());
    item("SoilLayerCoordinates1")->setEnabled(enables.soilLayers);
    item("SoilParameters1")->setEnabled(enables.tzCurves);
    item("PileProperties1")->setEnabled(enables.qwCurve);
}

QAction* DataCommands::item(const char* name) const
{
    return m_menu->findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

}  // namespace quarlo
