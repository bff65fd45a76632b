#include "ComputationCommands.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "CommandRules.h"
#include "MenuItems.h"
#include "ModelFileNames.h"
#include "NotAvailable.h"
#include "ProgramData.h"
#include "ProjectFileNames.h"
#include "TMainForm.h"
#include "TextEditor.h"

namespace quarlo {

ComputationCommands::ComputationCommands(TMainForm& form, QMenuBar& menuBar) : QObject(&form), m_form(form)
{
    m_menu = AddMenu(menuBar, "ComputationMenu", QStringLiteral("&Computation"));
    QMenu& menu = *m_menu;
    QWidget* boxes = &form;
    AddMenuItem(menu, "CompRun", QStringLiteral("&Run Analysis"), boxes, [this] { CompRunClick(); });
    menu.addSeparator();
    AddMenuItem(menu, "CompInput", QStringLiteral("Edit &Input Text"), boxes, [this] { CompInputClick(); });
    AddMenuItem(menu, "CompKernel", QStringLiteral("Edit &Processor-Run Notes"), boxes,
                [this] { CompKernelClick(); });
    AddMenuItem(menu, "CompOutput", QStringLiteral("Edit &Output Text"), boxes, [this] { CompOutputClick(); });
    menu.addSeparator();
    AddMenuItem(menu, "ViewSoilLayerCoordinates1", QStringLiteral("&View Soil Layer Coordinates"), boxes,
                [this] { ViewSoilLayerCoordinates1Click(); });
    OnMenuOpening(menu, boxes, [this] { ComputationMenuClick(); });
}

void ComputationCommands::CompRunClick()
{
    ShowNotAvailableYet(&m_form, QStringLiteral("Run Analysis"));
}

void ComputationCommands::CompInputClick()
{
    editFile(m_form.Project().FileName);
}

void ComputationCommands::CompKernelClick()
{
    editFile(RunNotesFileName(m_form.Project().FileName));
}

void ComputationCommands::CompOutputClick()
{
    editFile(ReportFileName(m_form.Project().FileName));
}

void ComputationCommands::editFile(const std::string& fileName)
{
    // By its full path: the editor starts in a directory of its own choosing.
    EditInTextEditor(&m_form, m_form.EditorPath(), QFileInfo(WindowFileName(fileName)).absoluteFilePath());
}

void ComputationCommands::ViewSoilLayerCoordinates1Click()
{
    m_elevationView.Show(m_form.Area());
}

void ComputationCommands::ComputationMenuClick()
{
    m_form.CommitActiveChild();
    const ComputationMenuEnables enables = ComputationMenuRules(m_form.Project().FileName);
    item("CompInput")->setEnabled(enables.inputText);
    item("CompKernel")->setEnabled(enables.runNotes);
    item("CompOutput")->setEnabled(enables.outputText);
}

QAction* ComputationCommands::item(const char* name) const
{
    return m_menu->findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

}  // namespace quarlo
