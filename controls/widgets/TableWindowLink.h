#pragma once

#include <QPointer>

#include <string>

#include "TableWindow.h"

class QMdiArea;
class QWidget;

namespace quarlo {

class TableFormBase;

// What a table holds of its open window. The table owns the link from Show or ShowModal
// until the window closes; the window itself lives in its host: a child window of the
// document area (Show), a modal window (ShowModal), or the control the table embeds it in.
// Destroying the link (the table closes its forms) closes the window without asking; a
// window the user closed tells the table, which then destroys the link.
class TableWindowLink : public TableWindow {
public:
    TableWindowLink(TableFormBase* form, bool modal, QMdiArea* area, QWidget* embedIn);
    ~TableWindowLink() override;

    void Display() override;
    bool IsModal() const override { return m_modal; }
    void SetTitle(const std::string& title) override;

    // The window closed on its own and must not be closed again.
    void ForgetForm() { m_form = nullptr; }
    TableFormBase* Form() const { return m_form; }

private:
    void showInArea();
    void showModal();
    void showEmbedded();

    QPointer<TableFormBase> m_form;
    bool m_modal;
    QPointer<QMdiArea> m_area;
    QPointer<QWidget> m_embedIn;
    bool m_shown = false;
};

}  // namespace quarlo
