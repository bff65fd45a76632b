#include "TableWindowLink.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

#include "ChildArea.h"
#include "TableFormBase.h"
#include "TableGrid.h"

namespace quarlo {

namespace {

// The modal host of a table window: closing it (its close button, Escape) closes the window
// inside, which refuses while its current cell holds a refused entry.
class ModalTableHost : public QDialog {
public:
    ModalTableHost(QWidget* parent, TableFormBase* form) : QDialog(parent), m_form(form)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        layout->addWidget(form);
        setWindowTitle(form->windowTitle());
    }

    void reject() override { close(); }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (m_form && !m_form->close()) {
            event->ignore();
            return;
        }
        // Hiding ends the modal loop; the dialog is deleted as it closes.
        setResult(QDialog::Rejected);
        event->accept();
    }

private:
    QPointer<TableFormBase> m_form;
};

}  // namespace

TableWindowLink::TableWindowLink(TableFormBase* form, bool modal, QMdiArea* area, QWidget* embedIn)
    : m_form(form), m_modal(modal), m_area(area), m_embedIn(embedIn)
{
}

TableWindowLink::~TableWindowLink()
{
    if (m_form)
        m_form->Detach();
}

void TableWindowLink::SetTitle(const std::string& title)
{
    if (!m_form)
        return;
    const QString text = QString::fromStdString(title);
    m_form->setWindowTitle(text);
    if (m_form->Host() && m_form->Host() != m_form && m_form->Host()->isWindow())
        m_form->Host()->setWindowTitle(text);
}

void TableWindowLink::Display()
{
    if (!m_form)
        return;
    if (m_shown) {
        if (auto* subWindow = qobject_cast<QMdiSubWindow*>(m_form->Host())) {
            if (subWindow->isMinimized())
                subWindow->showNormal();
            if (m_area)
                m_area->setActiveSubWindow(subWindow);
        } else if (m_form->Host()) {
            m_form->Host()->raise();
            m_form->Host()->activateWindow();
        }
        return;
    }
    m_shown = true;
    m_form->Open(this);
    if (m_embedIn)
        showEmbedded();
    else if (m_modal || !m_area)
        showModal();
    else
        showInArea();
}

void TableWindowLink::showInArea()
{
    QMdiSubWindow* subWindow = nullptr;
    if (auto* childArea = qobject_cast<ChildArea*>(m_area.data())) {
        subWindow = childArea->AddChild(m_form);
    } else {
        subWindow = m_area->addSubWindow(m_form);
        subWindow->setAttribute(Qt::WA_DeleteOnClose);
        subWindow->show();
    }
    m_form->SetHost(subWindow);
    m_form->Grid()->TakeFocus();
}

// Runs until the window closes; the link may be gone by then, so nothing of it is used
// after the modal loop.
void TableWindowLink::showModal()
{
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent)
        parent = m_area ? m_area->window() : QApplication::activeWindow();
    QPointer<ModalTableHost> host = new ModalTableHost(parent, m_form);
    m_form->SetHost(host);
    m_form->Grid()->TakeFocus();
    host->exec();
}

void TableWindowLink::showEmbedded()
{
    m_form->setParent(m_embedIn);
    m_form->move(0, 0);
    m_form->SetHost(m_form);
    m_form->show();
}

}  // namespace quarlo
