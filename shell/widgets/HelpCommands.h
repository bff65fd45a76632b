#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QMenuBar;

namespace quarlo {

class HelpWindow;
class TMainForm;

// The "&Help" menu: the help window with the manuals, the About box and the update check.
class HelpCommands : public QObject {
public:
    HelpCommands(TMainForm& form, QMenuBar& menuBar);
    ~HelpCommands() override;

    // The help window on its contents page.
    void HelpContentsClick();
    // The help window at the start of the User's Manual, or of the Technical Manual.
    void UsersManual1Click();
    void TechnicalManual1Click();
    void HelpAboutClick();
    // Which version is installed and where new versions come from.
    void CheckforUpdates1Click();
    // The menu opens: the active child stores its edits.
    void HelpMenuClick();

    // Shows the help window (made on first use, kept when closed) at `pathAndAnchor`.
    HelpWindow& ShowHelp(const QString& pathAndAnchor);
    // The help window, when it has been made.
    HelpWindow* Window() const { return m_window.get(); }

private:
    // The help window, made on first use.
    HelpWindow& window();
    void showManual(const QString& page, const QString& name);

    TMainForm& m_form;
    std::unique_ptr<HelpWindow> m_window;
};

}  // namespace quarlo
