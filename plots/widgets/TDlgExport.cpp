#include "TDlgExport.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "GraphDefinitions.h"
#include "Messages.h"
#include "WorkbookExport.h"
#include "XlsxWorkbook.h"

namespace quarlo {

namespace {

constexpr QSize kDialogSize(350, 444);
constexpr int kFontPixels = 11;

const char* const kNotes[] = {
    "A workbook file will be written and then opened in your spreadsheet program (if available).",
    "Please wait until all the data has been exported to the workbook.",
    "Please note that changes you make there need to be saved in the spreadsheet program.",
};

QFont dialogFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(kFontPixels);
    return font;
}

QPushButton* addButton(QGridLayout* grid, const char* name, const char* text, int row, int column)
{
    auto* button = new QPushButton(QString::fromLatin1(text));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    grid->addWidget(button, row, column);
    return button;
}

QLabel* addLabel(QVBoxLayout* layout, const QString& name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

bool openWithDesktop(const QString& fileName)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

QString shownPath(const QString& fileName)
{
    return QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
}

// The hourglass for as long as the workbook is written, taken away however that ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

TDlgExport::TDlgExport(GraphDefinitions& graphs, bool plotsLoaded, const QString& projectFileName, QWidget* parent)
    : QDialog(parent),
      m_plots{&graphs.pltLoad, &graphs.pltAxial, &graphs.pltTZcurves, &graphs.PltQW},
      m_plotsLoaded(plotsLoaded),
      m_projectFileName(projectFileName),
      m_opener(openWithDesktop)
{
    setObjectName(QStringLiteral("TDlgExport"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setFont(dialogFont());
    buildControls();
    resize(kDialogSize);
}

void TDlgExport::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Available Plots"));
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* groupLayout = new QVBoxLayout(group);
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("CheckListBoxPlots"));
    groupLayout->addWidget(m_list);
    layout->addWidget(group, 1);

    auto* buttons = new QGridLayout;
    connect(addButton(buttons, "Button1", "Select All", 0, 0), &QPushButton::clicked, this, &TDlgExport::Button1Click);
    connect(addButton(buttons, "Button2", "Unselect All", 0, 1), &QPushButton::clicked, this, &TDlgExport::Button2Click);
    m_generateButton = addButton(buttons, "Button3", "Generate Excel File", 1, 0);
    connect(m_generateButton, &QPushButton::clicked, this, &TDlgExport::Button3Click);
    connect(addButton(buttons, "Button4", "Close Window", 1, 1), &QPushButton::clicked, this, &TDlgExport::Button4Click);
    layout->addLayout(buttons);

    for (int i = 0; i < 3; ++i)
        addLabel(layout, QStringLiteral("Label%1").arg(i + 1), QString::fromLatin1(kNotes[i]));
    m_status = addLabel(layout, QStringLiteral("LabelStatus"), QString());
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    // An entry checked or unchecked by hand changes whether there is anything to export.
    connect(m_list, &QListWidget::itemChanged, this, &TDlgExport::CheckGenerateBtn);
}

void TDlgExport::showEvent(QShowEvent* event)
{
    FormActivate();
    QDialog::showEvent(event);
}

void TDlgExport::FormActivate()
{
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const TGraphPlot* plot : m_plots) {
        auto* item = new QListWidgetItem(QString::fromStdString(plot->Caption), m_list);
        item->setFlags(m_plotsLoaded ? Qt::ItemIsUserCheckable | Qt::ItemIsEnabled : Qt::ItemIsUserCheckable);
        item->setCheckState(m_plotsLoaded ? Qt::Checked : Qt::Unchecked);
    }
    CheckGenerateBtn();
}

void TDlgExport::setAllChecked(bool checked)
{
    {
        const QSignalBlocker blocker(m_list);
        for (int i = 0; i < m_list->count(); ++i) {
            QListWidgetItem* item = m_list->item(i);
            if (item->flags().testFlag(Qt::ItemIsEnabled))
                item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
        }
    }
    CheckGenerateBtn();
}

void TDlgExport::Button1Click()
{
    setAllChecked(true);
}

void TDlgExport::Button2Click()
{
    setAllChecked(false);
}

void TDlgExport::Button4Click()
{
    reject();
}

const TGraphPlot& TDlgExport::GetPlotPt(int k) const
{
    return *m_plots.at(static_cast<std::size_t>(k - 1));
}

int TDlgExport::GetNPlots() const
{
    int checked = 0;
    for (int i = 0; i < m_list->count(); ++i)
        checked += m_list->item(i)->checkState() == Qt::Checked ? 1 : 0;
    return checked;
}

void TDlgExport::CheckGenerateBtn()
{
    m_generateButton->setEnabled(GetNPlots() > 0);
}

std::vector<const TGraphPlot*> TDlgExport::checkedPlots() const
{
    std::vector<const TGraphPlot*> plots;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            plots.push_back(&GetPlotPt(i + 1));
    }
    return plots;
}

QString TDlgExport::proposedFileName() const
{
    if (m_projectFileName.isEmpty())
        return QDir::home().filePath(QStringLiteral("plots.xlsx"));
    return QString::fromStdString(ExportWorkbookName(m_projectFileName.toStdString()));
}

QString TDlgExport::chooseFile()
{
    QFileDialog dialog(this, QStringLiteral("Save Workbook"));
    dialog.setObjectName(QStringLiteral("SaveWorkbookDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Excel workbooks (*.xlsx)"));
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    const QString proposed = proposedFileName();
    dialog.setDirectory(QFileInfo(proposed).absolutePath());
    dialog.selectFile(QFileInfo(proposed).fileName());
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void TDlgExport::Button3Click()
{
    const QString fileName = chooseFile();
    if (!fileName.isEmpty())
        GenerateTo(fileName);
}

void TDlgExport::GenerateTo(const QString& fileName)
{
    const std::vector<const TGraphPlot*> plots = checkedPlots();
    if (!RunGuarded(this, [&] { generate(fileName, plots); })) {
        showStatus(QStringLiteral("The workbook was not written."));
        return;
    }
    showStatus(QStringLiteral("%1. The workbook is saved as \"%2\".")
                   .arg(QString::fromLatin1(kStatusComplete), shownPath(fileName)));
    if (!m_opener || !m_opener(fileName)) {
        ShowInformation(this, QStringLiteral("The workbook is saved as \"%1\", but no program to open it was found. "
                                             "Please open it with a spreadsheet program.")
                                  .arg(shownPath(fileName)));
    }
}

void TDlgExport::generate(const QString& fileName, const std::vector<const TGraphPlot*>& plots)
{
    const WaitCursor wait;
    ExportPlotsToWorkbook(plots, QFile::encodeName(fileName).toStdString(),
                          [&](const WorkbookSheet* sheet) { showProgress(sheet, plots); });
}

// The workbook is only a file while it is written, so its progress shows here.
void TDlgExport::showProgress(const WorkbookSheet* sheet, const std::vector<const TGraphPlot*>& plots)
{
    if (!sheet) {
        showStatus(QStringLiteral("Writing the workbook file..."));
        return;
    }
    if (sheet->Plot < 1)
        return;
    const TGraphPlot& plot = *plots.at(static_cast<std::size_t>(sheet->Plot - 1));
    showStatus(QStringLiteral("%1 (%2 of %3): %4")
                   .arg(QString::fromStdString(plot.Caption))
                   .arg(sheet->Plot)
                   .arg(plots.size())
                   .arg(QString::fromLatin1(SheetStatus(*sheet))));
}

void TDlgExport::showStatus(const QString& text)
{
    m_status->setText(text);
    m_status->repaint();
}

}  // namespace quarlo
