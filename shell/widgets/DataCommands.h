#pragma once

#include <QObject>

#include "SingleChild.h"

class QAction;
class QMenu;
class QMenuBar;

namespace quarlo {

class TMainForm;

// The "Da&ta" menu: the project's tables, each in its own table window, and the data windows
// for the title, the pile properties and the Q-w factors, each open at most once.
class DataCommands : public QObject {
public:
    DataCommands(TMainForm& form, QMenuBar& menuBar);

    void DataTitleClick();
    void materialClick();
    void SoilLayerCoordinates1Click();
    void SoilParameters1Click();
    void PileProperties1Click();
    void TipMovement1Click();
    void Topload1Click();
    void Settlements1Click();
    void tzfactortableClick();
    void QwFactorTableClick();
    // The menu opens: the active child stores its edits, then the entries follow the
    // project's switches.
    void DataMenuClick();
    // The entries that follow the curve source.
    void UpdateCurveMenus();

    // The single-instance data windows; the data-window work sets their factories.
    SingleChild& TitleWindow() { return m_titleWindow; }
    SingleChild& MaterialWindow() { return m_materialWindow; }
    SingleChild& QwFactorsWindow() { return m_qwFactorsWindow; }

private:
    QAction* item(const char* name) const;

    TMainForm& m_form;
    QMenu* m_menu = nullptr;
    SingleChild m_titleWindow{QStringLiteral("Title")};
    SingleChild m_materialWindow{QStringLiteral("Pile Properties")};
    SingleChild m_qwFactorsWindow{QStringLiteral("Modification Factors on Q-w Curve")};
};

}  // namespace quarlo
