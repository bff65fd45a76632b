#include "TTableChartForm.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "GridTableAccess.h"
#include "Messages.h"
#include "TableChartView.h"
#include "TableFileViewer.h"
#include "TextImport.h"

namespace quarlo {

namespace {

// Nominal sizes at 96 pixels per inch; a caption that needs more gets more.
constexpr QSize kChartSize(285, 170);
constexpr QSize kOkSize(75, 25);
constexpr QSize kFileNameSize(200, 21);
constexpr QSize kBrowseSize(60, 21);
constexpr QSize kViewSize(80, 21);
constexpr QSize kReadSize(110, 21);
constexpr QSize kPasteSize(177, 21);

void place(QWidget* widget, const PixelRect& rect, bool shown)
{
    widget->setVisible(shown);
    widget->setGeometry(rect.left, rect.top, rect.width, rect.height);
}

}  // namespace

TTableChartForm::TTableChartForm(std::unique_ptr<GridTableAccess> access, QWidget* parent)
    : TableFormBase(std::move(access), parent)
{
    m_chart = new TableChartView(this);
    m_ok = MakeButton(QStringLiteral("OK"), QStringLiteral("BtnOK"));
    m_cancel = MakeButton(QStringLiteral("Cancel"), QStringLiteral("BtnCancel"));
    m_fileLabel = new QLabel(QStringLiteral("File Name:"), this);
    m_fileLabel->setObjectName(QStringLiteral("FileNameLabel"));
    m_fileName = new QLineEdit(this);
    m_fileName->setObjectName(QStringLiteral("FileNameEdit"));
    m_browse = MakeButton(QStringLiteral("Browse"), QStringLiteral("BtnBrowse"));
    m_view = MakeButton(QStringLiteral("View/Edit File"), QStringLiteral("BtnEdit"));
    m_read = MakeButton(QStringLiteral("Read values from File"), QStringLiteral("BtnRead"));
    m_paste = MakeButton(QStringLiteral("Paste values from  Clipboard (text)"), QStringLiteral("BtnClip"));
    connect(m_browse, &QPushButton::clicked, this, &TTableChartForm::BtnBrowseClick);
    connect(m_view, &QPushButton::clicked, this, &TTableChartForm::BtnEditClick);
    connect(m_read, &QPushButton::clicked, this, &TTableChartForm::BtnReadClick);
    connect(m_paste, &QPushButton::clicked, this, &TTableChartForm::BtnClipClick);
    connect(m_fileName, &QLineEdit::textChanged, this, &TTableChartForm::updateFileButtons);
}

bool TTableChartForm::ChartShown() const
{
    const ChartSettings* settings = Access() ? Access()->Chart() : nullptr;
    return settings && settings->ShowChart && !settings->PaintPlot;
}

bool TTableChartForm::importShown() const
{
    const ChartSettings* settings = Access() ? Access()->Chart() : nullptr;
    return settings && settings->GetDataFromFile;
}

bool TTableChartForm::okCancelShown() const
{
    const ChartSettings* settings = Access() ? Access()->Chart() : nullptr;
    return settings && settings->OKCancelButtons;
}

void TTableChartForm::AddParts(TableFormParts& parts) const
{
    parts.chartShown = ChartShown();
    parts.chart = {kChartSize.width(), kChartSize.height()};
    parts.okCancelShown = okCancelShown();
    parts.ok = PartSize(m_ok, kOkSize);
    parts.cancel = PartSize(m_cancel, kOkSize);
    parts.importShown = importShown();
    parts.fileLabel = PartSize(m_fileLabel, QSize());
    parts.fileEdit = PartSize(m_fileName, kFileNameSize);
    parts.browse = PartSize(m_browse, kBrowseSize);
    parts.view = PartSize(m_view, kViewSize);
    parts.read = PartSize(m_read, kReadSize);
    parts.paste = PartSize(m_paste, kPasteSize);
}

void TTableChartForm::PlaceParts(const TableFormGeometry& g)
{
    place(m_chart, g.chart, ChartShown());
    place(m_ok, g.ok, okCancelShown());
    place(m_cancel, g.cancel, okCancelShown());
    const bool import = importShown();
    place(m_fileLabel, g.fileLabel, import);
    place(m_fileName, g.fileEdit, import);
    place(m_browse, g.browse, import);
    place(m_view, g.view, import);
    place(m_read, g.read, import);
    place(m_paste, g.paste, import);
}

void TTableChartForm::RedrawChart()
{
    if (Access() && ChartShown())
        m_chart->Show(Access()->ChartData());
}

void TTableChartForm::Refreshed()
{
    updateFileButtons();
}

// Reading and viewing need a file that is there.
void TTableChartForm::updateFileButtons()
{
    const bool exists = QFileInfo(m_fileName->text()).isFile();
    m_view->setEnabled(exists);
    m_read->setEnabled(exists);
}

void TTableChartForm::importLines(const std::vector<std::string>& lines)
{
    const auto rows = AcceptedImportRows(lines, Access()->ColumnCount(), Access()->MaxRows());
    if (rows.empty())
        return;
    const int before = Access()->RowCount();
    Access()->ImportRows(rows);
    GrowVisibleRows(before);
}

void TTableChartForm::BtnReadClick()
{
    RunCommand([this] { importLines(ReadTextFileLines(m_fileName->text().toStdString())); });
}

void TTableChartForm::BtnClipClick()
{
    RunCommand([this] {
        const QString text = QGuiApplication::clipboard()->text();
        if (text.isEmpty()) {
            ShowInformation(this, QStringLiteral("There is no text on the Clipboard"));
            return;
        }
        importLines(SplitTextLines(text.toStdString()));
    });
}

void TTableChartForm::BtnBrowseClick()
{
    RunGuarded(this, [this] {
        QFileDialog dialog(this, QString(), QFileInfo(m_fileName->text()).absolutePath());
        dialog.setObjectName(QStringLiteral("OpenDialog"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({QStringLiteral("Text Files (*.txt)"), QStringLiteral("Data Files (*.dat)"),
                               QStringLiteral("All Files (*)")});
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            m_fileName->setText(dialog.selectedFiles().constFirst());
    });
}

void TTableChartForm::BtnEditClick()
{
    RunGuarded(this, [this] {
        if (!ViewTableFile(m_fileName->text()))
            ShowInformation(this, QStringLiteral("An error occurred in running the Word Processor"));
    });
}

}  // namespace quarlo
