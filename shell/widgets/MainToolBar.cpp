#include "MainToolBar.h"

#include <QAction>
#include <QIcon>
#include <QToolButton>

namespace quarlo {

namespace {

constexpr int kButtonSize = 25;
constexpr int kPictureSize = 19;

}  // namespace

MainToolBar::MainToolBar(QWidget* parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBar1"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(kPictureSize, kPictureSize));
    // The buttons carry commands the menus also offer, but the bar is the quick way to the
    // tables and graphs: it is not one the user can hide by accident.
    toggleViewAction()->setVisible(false);
}

QToolButton* MainToolBar::AddButton(const char* name, const QString& hint, const char* icon, Command command)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    button->setIconSize(iconSize());
    button->setFixedSize(kButtonSize, kButtonSize);
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, this, Guarded(parentWidget(), std::move(command)));
    addWidget(button);
    return button;
}

void MainToolBar::CheckSpeedButtons(bool soilLayersEnabled, bool plotsEnabled)
{
    enable("SpeedButton7", soilLayersEnabled);
    enable("SpeedButton8", plotsEnabled);
    enable("SpeedButton9", plotsEnabled);
    enable("SpeedButton10", plotsEnabled);
}

void MainToolBar::enable(const char* name, bool enabled)
{
    if (auto* button = findChild<QToolButton*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly))
        button->setEnabled(enabled);
}

}  // namespace quarlo
