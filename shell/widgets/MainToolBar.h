#pragma once

#include <QToolBar>

#include "MenuItems.h"

class QToolButton;

namespace quarlo {

// The main window's tool bar: ten buttons with pictures and hints, each running a command of
// the menus. Which buttons are enabled is decided by the main window (CheckSpeedButtons).
class MainToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit MainToolBar(QWidget* parent);

    // Adds the button `name` at the right end with the hint `hint` and the picture
    // ":/icons/<icon>.svg"; `command` runs guarded, failures shown over the main window.
    QToolButton* AddButton(const char* name, const QString& hint, const char* icon, Command command);

    // "Soil-Layer Data" follows the curve source; the three plot buttons need loaded plots.
    void CheckSpeedButtons(bool soilLayersEnabled, bool plotsEnabled);

private:
    void enable(const char* name, bool enabled);
};

}  // namespace quarlo
