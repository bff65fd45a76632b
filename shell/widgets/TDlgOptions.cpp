#include "TDlgOptions.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quarlo {

namespace {

constexpr int kEditorBoxWidth = 299;
const QString kProgramsFilter = QStringLiteral("Programs (*)");
const QString kAllFilesFilter = QStringLiteral("All Files (*)");

// Programs on this platform carry no extension; the "Programs" choice lists the files that
// may be run (and the folders to reach them), "All Files" everything.
void showFilesOf(QFileDialog& dialog, const QString& filter)
{
    const QDir::Filters always = QDir::AllDirs | QDir::NoDotAndDotDot;
    dialog.setFilter(filter == kProgramsFilter ? always | QDir::Files | QDir::Executable
                                               : always | QDir::Files | QDir::Hidden);
}

}  // namespace

TDlgOptions::TDlgOptions(QString& editorPath, QWidget* parent) : TDataWindow(parent), m_editorPath(editorPath)
{
    setObjectName(QStringLiteral("TDlgOptions"));
    setWindowTitle(QStringLiteral("Control Options"));
    m_editor = new QLineEdit(this);
    m_editor->setObjectName(QStringLiteral("EdtWord"));
    m_editor->setFixedWidth(kEditorBoxWidth);
    auto* label = new QLabel(QStringLiteral("&Text Editor:"), this);
    label->setBuddy(m_editor);
    m_browse = new QPushButton(QStringLiteral("&Browse..."), this);
    m_browse->setObjectName(QStringLiteral("BtnBrowse"));
    connect(m_browse, &QPushButton::clicked, this, &TDlgOptions::BtnBrowseClick);

    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(m_editor, 1, 0);
    layout->addWidget(m_browse, 1, 1);
    SetTabOrder({m_editor, m_browse});
    m_editor->setFocus();
}

void TDlgOptions::FormActivate()
{
    m_editor->setText(m_editorPath);
}

bool TDlgOptions::FormDeactivate()
{
    m_editorPath = m_editor->text();
    return true;
}

void TDlgOptions::BtnBrowseClick()
{
    QFileDialog browser(this);
    browser.setObjectName(QStringLiteral("Browser"));
    browser.setWindowTitle(QStringLiteral("Text Editor"));
    // The same dialog on every desktop, so that the "Programs" choice can list runnable files.
    browser.setOption(QFileDialog::DontUseNativeDialog);
    browser.setFileMode(QFileDialog::ExistingFile);
    browser.setAcceptMode(QFileDialog::AcceptOpen);
    browser.setNameFilters({kProgramsFilter, kAllFilesFilter});
    showFilesOf(browser, kProgramsFilter);
    connect(&browser, &QFileDialog::filterSelected, &browser,
            [&browser](const QString& filter) { showFilesOf(browser, filter); });
    const QString proposed = m_editor->text();
    if (!proposed.isEmpty())
        browser.selectFile(proposed);
    if (browser.exec() != QDialog::Accepted || browser.selectedFiles().isEmpty())
        return;
    m_editor->setText(QDir::toNativeSeparators(QFileInfo(browser.selectedFiles().constFirst()).absoluteFilePath()));
}

}  // namespace quarlo
