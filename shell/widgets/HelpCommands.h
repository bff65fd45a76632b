#pragma once

#include <QObject>

class QMenuBar;

namespace quarlo {

class TMainForm;

// The "&Help" menu: the help, the manuals, the About box and the update check.
class HelpCommands : public QObject {
public:
    HelpCommands(TMainForm& form, QMenuBar& menuBar);

    void HelpContentsClick();
    void UsersManual1Click();
    void TechnicalManual1Click();
    void HelpAboutClick();
    void CheckforUpdates1Click();
    // The menu opens: the active child stores its edits.
    void HelpMenuClick();

private:
    TMainForm& m_form;
};

}  // namespace quarlo
