#pragma once

#include <QObject>

#include "CommandRules.h"
#include "SingleChild.h"

class QAction;
class QMenu;
class QMenuBar;

namespace quarlo {

class TMainForm;

// The "&Options" menu: the unit system, the curve source, the load method, down-drag and the
// modification factors (project data, saved with the project), and the text editor window.
class OptionCommands : public QObject {
public:
    OptionCommands(TMainForm& form, QMenuBar& menuBar);

    // The Units submenu opens: the item of the current unit system is checked.
    void OptionsUnitsClick();
    // Switches the project to unit system `code` (1 English, 2 S.I.) and refreshes the open
    // data windows; table windows follow their tables.
    void UnitsClick(int code);
    // The curve submenu opens: the item of the current curve source is checked.
    void PileSection1Click();
    void miCircularClick();
    void miNonCircularClick();
    void SpecifyTipDisplacement1Click();
    void AssignLoad1Click();
    void Downdrag1Click();
    void ApplyFactorsClick();
    void ApplyQwFactorsClick();
    void CompTextClick();
    // The menu opens: the active child stores its edits, then every check shows its switch.
    void Option1Click();
    // The curve-source items show the project's source.
    void UpdateCurveMenus();

    // The text editor window, open at most once; the settings work sets its factory.
    SingleChild& TextEditorWindow() { return m_textEditorWindow; }

private:
    void buildUnitsMenu(QMenu& menu);
    void buildCurvesMenu(QMenu& menu);
    void addOption(QMenu& menu, const char* name, const QString& caption, ProjectOption option,
                   void (OptionCommands::*handler)());
    void toggle(ProjectOption option);
    void chooseCurveSource(bool generated);
    void showOptionChecks();
    QAction* item(const char* name) const;

    TMainForm& m_form;
    QMenu* m_menu = nullptr;
    QList<QPair<QAction*, ProjectOption>> m_optionItems;
    SingleChild m_textEditorWindow{QStringLiteral("Selection of Text Editor")};
};

}  // namespace quarlo
