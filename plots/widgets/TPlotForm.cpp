#include "TPlotForm.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QShortcut>

#include <algorithm>

#include "ActiveCurveFlags.h"
#include "ImageAttributes.h"
#include "LegendNames.h"
#include "Messages.h"
#include "PlotCurves.h"
#include "PlotImageFile.h"
#include "PlotLayout.h"
#include "PlotLegend.h"
#include "PlotLegendView.h"
#include "PlotMarks.h"
#include "PlotMenu.h"
#include "PlotPixels.h"
#include "PlotPrinting.h"
#include "PlotText.h"
#include "PlotZoom.h"
#include "SaveFileDialog.h"
#include "TGraphPlot.h"
#include "TdlgFormat.h"
#include "TfrmActiveLines.h"
#include "TfrmGraphCaption.h"
#include "TfrmLineNames.h"

namespace quarlo {

namespace {

constexpr const char* kFontFamily = "Times New Roman";
constexpr int kFontPixels = 14;
constexpr int kLegendFontPixels = 15;
constexpr QSize kRestoredSize(640, 440);

// The file types of Save To Disk, in the order of kImageTypeOrder.
const QStringList kImageTypes{QStringLiteral("Bitmap (*.bmp)"), QStringLiteral("PNG image (*.png)"),
                              QStringLiteral("SVG drawing (*.svg)")};
constexpr ImageFileType kImageTypeOrder[] = {ImageFileType::Bitmap, ImageFileType::Png, ImageFileType::Svg};
const QStringList kPdfType{QStringLiteral("PDF documents (*.pdf)")};

QFont pixelFont(int pixels)
{
    QFont font(QString::fromLatin1(kFontFamily));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

TPlotForm::TPlotForm(TGraphPlot& plot, const QString& name, QWidget* parent) : QWidget(parent), m_plot(plot)
{
    setObjectName(name);
    setWindowTitle(QString::fromLatin1(kInitialCaption));
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFont(pixelFont(kFontPixels));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    m_legend = new PlotLegendView(this);
    m_legend->setFont(pixelFont(kLegendFontPixels));
    connect(m_legend, &PlotLegendView::ItemDoubleClicked, this,
            [this](int item) { RunGuarded(this, [&] { LegendDblClick(item); }); });
    m_rubberBand = new QRubberBand(QRubberBand::Rectangle, this);

    PlotMenuCommands commands;
    commands.PlotMenuClick = [this] { PlotMenuClick(); };
    commands.PlotLegendClick = [this] { PlotLegendClick(); };
    commands.CurveClick = [this](int curve) { ToggleCurve(curve); };
    commands.PlotMarkersClick = [this] { PlotMarkersClick(); };
    commands.MarkClick = [this](int tag) { MarkClick(tag); };
    commands.SizeClick = [this](int tag) { SizeClick(tag); };
    commands.WidthClick = [this](int tag) { WidthClick(tag); };
    commands.PlotCaptionClick = [this] { PlotCaptionClick(); };
    commands.mLineNameClick = [this] { mLineNameClick(); };
    commands.ActiveGraphsClick = [this] { ActiveGraphsClick(); };
    commands.PlotPrintClick = [this] { PlotPrintClick(); };
    commands.PlotPageClick = [this] { PlotPageClick(); };
    commands.PlotSaveClick = [this] { PlotSaveClick(); };
    commands.PlotExportPdfClick = [this] { PlotExportPdfClick(); };
    m_menu = std::make_unique<PlotMenu>(*this, std::move(commands));
    auto* menuKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this, this, &TPlotForm::popUpPlotMenu);
    menuKey->setContext(Qt::WidgetWithChildrenShortcut);

    FormCreate();
}

TPlotForm::~TPlotForm() = default;

void TPlotForm::FormCreate()
{
    m_viewRange = DataRange(m_plot);
    m_fullRange = m_viewRange;
    ActivateCurves(m_plot);
    m_plot.LegendFont = PointSizeOfPixels(kLegendFontPixels, logicalDpiY());
    CurvesChanged();
    FormResize(true);
}

QSize TPlotForm::sizeHint() const
{
    return kRestoredSize;
}

QMenu* TPlotForm::ChildMenu()
{
    return m_menu->Menu();
}

PlotTarget TPlotForm::ScreenTarget() const
{
    PlotTarget target;
    target.Ppi = {logicalDpiX(), logicalDpiY()};
    target.FullRect = {0, 0, width(), height()};
    const int h = TargetTextHeight(font(), *this, m_plot.SizeFont);
    target.PlotRect = ScreenPlotRect(m_plot, target.FullRect, target.Ppi, h);
    target.Paper = false;
    return target;
}

PlotMapping TPlotForm::screenMapping() const
{
    return {m_viewRange, ScreenTarget().PlotRect, m_plot.XOnTop};
}

void TPlotForm::PaintPlot(QPainter& painter, const PlotTarget& target) const
{
    PaintPlotScene(painter, m_plot, m_viewRange, target, {toPixelPoint(m_legend->pos()), toPixelSize(size())});
}

void TPlotForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_paintGuard.Run(*this, painter, [&] { PaintPlot(painter, ScreenTarget()); });
    m_opening = false;
}

void TPlotForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    RunGuarded(this, [&] { FormResize(m_opening); });
}

void TPlotForm::FormResize(bool legendToCorner)
{
    const PixelSize legendSize = toPixelSize(m_legend->size());
    PixelRect legend = toPixelRect(m_legend->geometry());
    if (legendToCorner)
        legend = LegendAtCorner(ScreenTarget().PlotRect, legendSize);
    legend = KeepInside(legend, toPixelSize(size()));
    m_legend->move(legend.Left, legend.Top);
    update();
}

void TPlotForm::SetupLegend(int size)
{
    const LegendFont legendFont = LegendFontFor(size, m_plot.LegendFont);
    QFont font = m_legend->font();
    font.setPointSize(std::max(legendFont.PointSize, 1));
    m_legend->setFont(font);
    m_legend->SetItemHeight(legendFont.ItemHeight);
    m_legend->FitToItems(kLegendDesignWidth, logicalDpiX() / 4);
}

void TPlotForm::CurvesChanged()
{
    const std::vector<LegendEntry> entries = LegendEntries(m_plot);
    setLegendEntries(entries);
    m_menu->SetCurveEntries(entries);
    FormResize(false);
}

// The legend's items, its note on the marked points (which comes and goes with the curves
// shown) and its size.
void TPlotForm::setLegendEntries(const std::vector<LegendEntry>& entries)
{
    m_legend->SetEntries(entries);
    m_legend->SetNote(MarkNote(m_plot.Marks, entries));
    m_legend->FitToItems(m_legend->width(), logicalDpiX() / 4);
    m_legend->setVisible(LegendVisible(m_plot, entries));
}

// The legend's texts and marks again, without rebuilding the menu: this runs from a curve
// entry of the menu itself, which must outlive its own command.
void TPlotForm::refreshLegend()
{
    const std::vector<LegendEntry> entries = LegendEntries(m_plot);
    setLegendEntries(entries);
    m_menu->Refresh(m_plot, entries);
    // The note's line comes and goes with the marked curves: the legend stays inside.
    FormResize(false);
}

void TPlotForm::PlotMenuClick()
{
    m_menu->Refresh(m_plot, m_legend->Entries());
}

void TPlotForm::PlotLegendClick()
{
    m_plot.ShowLegend = !m_plot.ShowLegend;
    refreshLegend();
}

void TPlotForm::ToggleCurve(int curveIndex)
{
    // The plot may have been read again since the entry was made; an entry for a curve
    // that is gone does nothing.
    if (curveIndex < 0 || curveIndex >= m_plot.CurveCount())
        return;
    TLine& curve = m_plot.Curve(curveIndex);
    curve.Shown = !curve.Shown;
    try {
        refreshLegend();
    } catch (...) {
        // The legend could not be built for the change: the curve stays as the legend shows it.
        curve.Shown = !curve.Shown;
        throw;
    }
}

void TPlotForm::LegendDblClick(int item)
{
    const std::vector<LegendEntry>& entries = m_legend->Entries();
    if (item >= 0 && item < static_cast<int>(entries.size()))
        ToggleCurve(entries[static_cast<std::size_t>(item)].CurveIndex);
}

void TPlotForm::mousePressEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] { PaintBoxMouseDown(event->position().toPoint(), event->button()); });
}

void TPlotForm::mouseMoveEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] { PaintBoxMouseMove(event->position().toPoint()); });
}

void TPlotForm::mouseReleaseEvent(QMouseEvent* event)
{
    RunGuarded(this, [&] { FormMouseUp(event->position().toPoint(), event->button()); });
}

void TPlotForm::PaintBoxMouseDown(QPoint at, Qt::MouseButton button)
{
    const PlotMapping mapping = screenMapping();
    if (!mapping.Rect().Contains(toPixelPoint(at)))
        return;
    if (button == Qt::LeftButton) {
        m_zoomDragging = true;
        m_anchor = at;
        m_corner = at;
        m_rubberBand->setGeometry(QRect(m_anchor, m_corner).normalized());
        m_rubberBand->show();
    } else if (button == Qt::RightButton) {
        m_viewRange = ZoomOut(m_viewRange, m_fullRange, mapping.ToData(toPixelPoint(at)));
        update();
    }
}

void TPlotForm::PaintBoxMouseMove(QPoint at)
{
    const PlotMapping mapping = screenMapping();
    const PixelPoint inside = ClampToRect(toPixelPoint(at), mapping.Rect());
    const TFloatPoint data = mapping.ToData(inside);
    setWindowTitle(QString::fromStdString(CoordinateReadout(m_plot.Caption, data.X, data.Y)));
    if (m_zoomDragging) {
        m_corner = toQPoint(inside);
        m_rubberBand->setGeometry(QRect(m_anchor, m_corner).normalized());
    }
}

void TPlotForm::FormMouseUp(QPoint at, Qt::MouseButton button)
{
    if (button != Qt::LeftButton || !m_zoomDragging)
        return;
    m_zoomDragging = false;
    m_rubberBand->hide();
    if (!IsZoomRectangle(toPixelPoint(m_anchor), toPixelPoint(at)))
        return;
    const PlotMapping mapping = screenMapping();
    const PixelPoint end = ClampToRect(toPixelPoint(at), mapping.Rect());
    m_viewRange = ZoomIn(m_fullRange, mapping.ToData(toPixelPoint(m_anchor)), mapping.ToData(end));
    update();
}

void TPlotForm::SetProjectFileName(std::function<std::string()> projectFileName)
{
    m_projectFileName = std::move(projectFileName);
}

std::string TPlotForm::proposedFileName(const char* extension) const
{
    return GraphFileName(m_projectFileName ? m_projectFileName() : std::string(), m_plot.Caption, extension);
}

void TPlotForm::PaintPage(QPainter& painter, const PrintedPage& page) const
{
    painter.setFont(PaperFont(font()));
    const int h = TargetTextHeight(painter.font(), *painter.device(), m_plot.SizeFont);
    PaintPlot(painter, PaperTarget(m_plot, m_pageSetup.Margins(), page, h));
}

void TPlotForm::PaintImage(QPainter& painter, const PixelRect& full) const
{
    PlotTarget target;
    target.Ppi = {logicalDpiX(), logicalDpiY()};
    target.FullRect = full;
    const int h = TargetTextHeight(painter.font(), *painter.device(), m_plot.SizeFont);
    target.PlotRect = ImagePlotRect(m_plot, full, target.Ppi, h);
    target.Paper = true;
    PaintPlot(painter, target);
}

void TPlotForm::PlotMarkersClick()
{
    m_menu->CheckMarkers(m_plot.Markers);
}

void TPlotForm::MarkClick(int tag)
{
    m_plot.Markers = tag;
    update();
}

void TPlotForm::SizeClick(int tag)
{
    m_plot.SizeFont = tag;
    SetupLegend(tag);
    FormResize(true);
}

void TPlotForm::WidthClick(int tag)
{
    m_plot.WidthLine = tag;
    update();
}

void TPlotForm::PlotCaptionClick()
{
    TfrmGraphCaption dialog(m_plot.GraphTitle, m_plot.GraphTitleOnTop, this);
    dialog.exec();
    m_plot.GraphTitle = dialog.Title();
    m_plot.GraphTitleOnTop = dialog.OnTop();
    FormResize(false);
}

void TPlotForm::mLineNameClick()
{
    TfrmLineNames dialog(CurveNameList(m_plot), CurveColorSlots(m_plot), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ApplyLegendNames(m_plot, dialog.NameList());
    CurvesChanged();
}

void TPlotForm::ActiveGraphsClick()
{
    TfrmActiveLines dialog(CurveNameList(m_plot), ActiveFlagList(m_plot), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ApplyActiveFlags(m_plot, dialog.FlagList());
    CurvesChanged();
}

void TPlotForm::PlotPrintClick()
{
    const PrintJob job =
        m_pageSetup.Job(QString::fromStdString(m_plot.Caption), QString::fromStdString(proposedFileName("pdf")));
    PrintPlotPage(this, m_pageSetup, job, [this](QPainter& painter, const PrintedPage& page) { PaintPage(painter, page); });
}

void TPlotForm::PlotPageClick()
{
    m_pageSetup.Execute(this);
}

void TPlotForm::PlotSaveClick()
{
    const std::optional<ChosenFile> chosen = AskSaveFile(
        this, QStringLiteral("Save To Disk"), ProposedSavePath(QString::fromStdString(proposedFileName("bmp"))),
        kImageTypes);
    if (!chosen)
        return;
    const ImageFile file = ImageFileFor(chosen->path.toStdString(), kImageTypeOrder[chosen->typeIndex]);
    if (QString::fromStdString(file.Path) != chosen->path && !MayReplace(this, QString::fromStdString(file.Path)))
        return;
    TdlgFormat attributes(file.Type, AvailableImageMemory(), this);
    const int result = attributes.exec();
    if (result == TdlgFormat::kAbort) {
        ShowInformation(this, QString::fromLatin1(kNotEnoughMemory));
        return;
    }
    if (result != QDialog::Accepted)
        return;
    const bool written = WritePlotImage(file, attributes.Request(), QString::fromStdString(m_plot.Caption), font(),
                                        [this](QPainter& painter, const PixelRect& full) { PaintImage(painter, full); });
    if (!written)
        ShowInformation(this, QString::fromLatin1(kNotEnoughMemory));
}

void TPlotForm::PlotExportPdfClick()
{
    const std::optional<ChosenFile> chosen = AskSaveFile(
        this, QStringLiteral("Export PDF"), ProposedSavePath(QString::fromStdString(proposedFileName("pdf"))), kPdfType);
    if (!chosen)
        return;
    QString path = chosen->path;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".pdf");
        if (!MayReplace(this, path))
            return;
    }
    const PrintJob job = m_pageSetup.Job(QString::fromStdString(m_plot.Caption), path);
    WritePdfPage(path, job, [this](QPainter& painter, const PrintedPage& page) { PaintPage(painter, page); });
}

// The menu's shortcut drops it down from the menu bar it stands in, or over the window.
void TPlotForm::popUpPlotMenu()
{
    QMenu* menu = m_menu->Menu();
    for (QObject* holder : menu->menuAction()->associatedObjects()) {
        if (auto* bar = qobject_cast<QMenuBar*>(holder); bar && bar->isVisible()) {
            bar->setActiveAction(menu->menuAction());
            return;
        }
    }
    menu->popup(mapToGlobal(QPoint(0, 0)));
}

}  // namespace quarlo
