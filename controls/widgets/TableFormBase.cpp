#include "TableFormBase.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "Exception.h"
#include "GridControls.h"
#include "GridHeaderView.h"
#include "GridRules.h"
#include "GridTableAccess.h"
#include "Messages.h"
#include "TableGrid.h"
#include "TableGridModel.h"
#include "TableFormHost.h"
#include "TableWindowLink.h"

namespace quarlo {

namespace {

QRect toQRect(const PixelRect& rect)
{
    return {rect.left, rect.top, rect.width, rect.height};
}

PixelSize toPixels(QSize size)
{
    return {size.width(), size.height()};
}

// Nominal size of the row buttons at 96 pixels per inch.
constexpr QSize kRowButtonSize(81, 21);

}  // namespace

TableFormBase::TableFormBase(std::unique_ptr<GridTableAccess> access, QWidget* parent)
    : QWidget(parent), m_access(std::move(access))
{
    setObjectName(QString::fromStdString(m_access->WindowName()));
    setWindowTitle(QString::fromStdString(m_access->WindowTitle()));
    setAutoFillBackground(true);
    m_model = new TableGridModel(m_access.get(), this);
    m_grid = new TableGrid(this);
    m_grid->setHorizontalHeader(new GridHeaderView(Qt::Horizontal, m_grid));
    m_grid->setVerticalHeader(new GridHeaderView(Qt::Vertical, m_grid));
    m_grid->SetGridModel(m_model);
    m_controls = new GridControls(m_grid);
    m_add = MakeButton(QStringLiteral("&Add Row"), QStringLiteral("BtnAdd"));
    m_insert = MakeButton(QStringLiteral("&Insert Row"), QStringLiteral("BtnIns"));
    m_delete = MakeButton(QStringLiteral("&Delete Row"), QStringLiteral("BtnDel"));
    m_comments = new QLabel(this);
    m_comments->setObjectName(QStringLiteral("lblComments"));
    m_helpImage = new QLabel(this);
    m_helpImage->setObjectName(QStringLiteral("imgHelp"));
    connect(m_add, &QPushButton::clicked, this, &TableFormBase::AddRowClick);
    connect(m_insert, &QPushButton::clicked, this, &TableFormBase::InsRowClick);
    connect(m_delete, &QPushButton::clicked, this, &TableFormBase::DelRowClick);
    connect(m_controls, &GridControls::ItemChosen, this, &TableFormBase::chooseItem);
    connect(m_controls, &GridControls::ButtonPressed, this, &TableFormBase::pressButton);
    m_host = new TableFormHost(this, [this](QSize size, bool widthDragged, bool heightDragged) {
        SnapTo(size, widthDragged, heightDragged);
    });
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { layout(); });
    connect(m_grid, &TableGrid::EntryStored, this, [this] {
        if (ChartShown())
            RedrawChart();
    });
}

PixelSize TableFormBase::PartSize(const QWidget* part, QSize nominal)
{
    return toPixels(nominal.expandedTo(part->sizeHint()));
}

QPushButton* TableFormBase::MakeButton(const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

TableFormBase::~TableFormBase()
{
    // A window destroyed without closing (its parent went first) still lets go of its table.
    if (m_access)
        unlinkFromTable();
}

void TableFormBase::Open(TableWindowLink* link)
{
    m_link = link;
    m_access->EnsureMinRows();
    m_visibleColumns = m_access->ColumnCount();
    m_visibleRows = OpeningVisibleRows(m_access->RowCount(), ChartShown());
    installHooks();
    showComments();
    showHelpPicture();
    Refresh();
    restoreCurrentCell(0, 0);
}

void TableFormBase::installHooks()
{
    GridTableAccess::Hooks hooks;
    hooks.rowsChanged = [this] {
        if (!m_suspended)
            RunGuarded(this, [this] { Refresh(); });
    };
    hooks.cellChanged = [this](int column, int row) {
        if (m_suspended)
            return;
        m_model->CellChanged(column, row);
        m_controls->Sync(*m_access);
        ScheduleChartRedraw();
    };
    hooks.focusCell = [this](int column, int row) { m_grid->MoveTo(row, column); };
    hooks.helpPictureChanged = [this] {
        showHelpPicture();
        layout();
    };
    m_access->InstallHooks(std::move(hooks));
}

void TableFormBase::Refresh()
{
    if (!m_access)
        return;
    const QModelIndex current = m_grid->currentIndex();
    m_visibleColumns = std::min(m_visibleColumns, m_access->ColumnCount());
    m_visibleRows = std::min(m_visibleRows, m_access->RowCount());
    m_model->Reset();
    configureGrid();
    m_access->AttachControls(m_link, 0, m_access->RowCount());
    m_controls->Rebuild(*m_access);
    updateRowButtons();
    restoreCurrentCell(current.isValid() ? current.row() : 0, current.isValid() ? current.column() : 0);
    layout();
    Refreshed();
    if (ChartShown())
        RedrawChart();
}

void TableFormBase::configureGrid()
{
    const int rowHeight = m_grid->verticalHeader()->defaultSectionSize();
    auto* top = static_cast<GridHeaderView*>(m_grid->horizontalHeader());
    top->SetRowHeight(rowHeight);
    top->SetExtent(std::max(1, m_access->HeaderLineCount()) * rowHeight);
    const QFontMetrics metrics(m_grid->font());
    TextMetrics canvas;
    canvas.textWidth = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    canvas.pixelsPerInch = logicalDpiX();
    const QString topLeft = QString::fromStdString(m_access->TopLeft());
    const int numberWidth = std::max(metrics.horizontalAdvance(topLeft + QStringLiteral("  ")), logicalDpiX() / 3);
    static_cast<GridHeaderView*>(m_grid->verticalHeader())->SetExtent(numberWidth + 1);
    m_grid->SetTopLeft(topLeft);
    // Each section holds its column's width and the grid line after it.
    for (int column = 0; column < m_access->ColumnCount(); ++column)
        m_grid->setColumnWidth(column, m_access->ColumnWidth(column, canvas) + 1);
}

void TableFormBase::restoreCurrentCell(int row, int column)
{
    const int rows = m_model->rowCount();
    const int columns = m_model->columnCount();
    if (rows == 0 || columns == 0)
        return;
    row = std::clamp(row, 0, rows - 1);
    column = std::clamp(column, 0, columns - 1);
    // The cursor stands only in cells that take typed entries.
    for (int step = 0; step < columns && !m_model->IsTextCell(m_model->index(row, column)); ++step)
        column = (column + 1) % columns;
    if (!m_model->IsTextCell(m_model->index(row, column)))
        return;
    m_grid->setCurrentIndex(m_model->index(row, column));
    m_grid->OpenEditor();
}

void TableFormBase::updateRowButtons()
{
    const RowButtonRules rules = RowButtonState(m_access->RowCount(), m_access->MinRows(), m_access->MaxRows());
    for (QPushButton* button : {m_add, m_insert, m_delete})
        button->setVisible(rules.shown);
    m_add->setEnabled(rules.addEnabled);
    m_insert->setEnabled(rules.addEnabled);
    m_delete->setEnabled(rules.deleteEnabled);
}

void TableFormBase::showComments()
{
    QString text = QString::fromStdString(m_access->Comments());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_comments->setText(text);
    m_comments->setVisible(!text.isEmpty());
    m_comments->adjustSize();
}

void TableFormBase::showHelpPicture()
{
    const std::vector<std::uint8_t> bytes = m_access->HelpPicture();
    QPixmap picture;
    if (!bytes.empty())
        picture.loadFromData(bytes.data(), static_cast<uint>(bytes.size()));
    m_helpImage->setPixmap(picture);
    m_helpImage->setVisible(!picture.isNull());
    m_helpImage->resize(picture.size());
}

bool TableFormBase::ValidateCurrentCell()
{
    return !m_access || m_grid->ValidateCurrentCell();
}

bool TableFormBase::FormDeactivate()
{
    return ValidateCurrentCell();
}

bool TableFormBase::FormCloseQuery()
{
    return ValidateCurrentCell();
}

void TableFormBase::UnitsChanged()
{
    Refresh();
}

void TableFormBase::RunCommand(const std::function<void()>& command)
{
    RunGuarded(this, [&] {
        if (!m_access || !ValidateCurrentCell())
            return;
        m_suspended = true;
        try {
            command();
        } catch (...) {
            m_suspended = false;
            Refresh();
            throw;
        }
        m_suspended = false;
        Refresh();
    });
}

void TableFormBase::ScheduleChartRedraw()
{
    if (!ChartShown() || m_chartPending)
        return;
    m_chartPending = true;
    QTimer::singleShot(0, this, [this] {
        m_chartPending = false;
        if (m_access)
            RedrawChart();
    });
}

void TableFormBase::GrowVisibleRows(int rowsBefore)
{
    for (int rows = rowsBefore; rows < m_access->RowCount(); rows += m_access->RowGroup())
        m_visibleRows = GrownVisibleRows(m_visibleRows, rows, m_access->RowGroup(), ChartShown());
}

int TableFormBase::currentDataRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid() || current.row() >= m_access->RowCount())
        throw Exception("Grid.Row not in valid range");
    return current.row();
}

void TableFormBase::AddRowClick()
{
    RunCommand([this] {
        const int before = m_access->RowCount();
        m_access->AddRowGroup();
        GrowVisibleRows(before);
    });
    if (m_access)
        m_grid->scrollToBottom();
}

void TableFormBase::InsRowClick()
{
    RunCommand([this] {
        const int row = currentDataRow();
        const int before = m_access->RowCount();
        m_access->InsertRowGroup(row);
        GrowVisibleRows(before);
    });
}

void TableFormBase::DelRowClick()
{
    RunCommand([this] { m_access->DeleteRowGroup(currentDataRow()); });
}

void TableFormBase::chooseItem(int column, int control, int itemIndex)
{
    RunGuarded(this, [&] {
        // The entry being typed is stored before the choice; when it is refused the list
        // shows the table's value again.
        if (m_access && ValidateCurrentCell())
            m_access->ChooseItem(column, control, itemIndex);
    });
    if (m_access)
        m_controls->Sync(*m_access);
}

void TableFormBase::pressButton(int column, int control)
{
    RunGuarded(this, [&] {
        if (m_access && ValidateCurrentCell())
            m_access->PressButton(column, control);
    });
}

void TableFormBase::closeEvent(QCloseEvent* event)
{
    bool agreed = true;
    RunGuarded(this, [&] { agreed = ValidateCurrentCell(); });
    if (!agreed) {
        event->ignore();
        return;
    }
    if (m_access)
        unlinkFromTable();
    event->accept();
}

// The user closed the window: the table lets go of it (its controls, notifications and the
// link that owns nothing any more).
void TableFormBase::unlinkFromTable()
{
    std::unique_ptr<GridTableAccess> access = std::move(m_access);
    if (m_link)
        m_link->ForgetForm();
    m_link = nullptr;
    m_model->Detach();
    m_controls->Clear();
    access->CloseWindow();
}

// The table closes its window (the project is replaced, the row holding the sub-table went):
// nothing is asked or stored, the window just goes.
void TableFormBase::Detach()
{
    m_link = nullptr;
    m_access.reset();
    m_model->Detach();
    m_controls->Clear();
    // The host (a child window, a modal window) goes on closing; an embedded window closes
    // itself.
    QWidget* host = m_host->Host();
    if (host && host != this) {
        host->close();
    } else {
        close();
        deleteLater();
    }
}



void TableFormBase::AddParts(TableFormParts&) const {}

void TableFormBase::PlaceParts(const TableFormGeometry&) {}

TableFormParts TableFormBase::parts(PixelSize grid) const
{
    TableFormParts parts;
    parts.margin = logicalDpiX() / 20;
    parts.grid = grid;
    parts.rowButtonsShown = !m_add->isHidden();
    parts.add = PartSize(m_add, kRowButtonSize);
    parts.insert = PartSize(m_insert, kRowButtonSize);
    parts.remove = PartSize(m_delete, kRowButtonSize);
    parts.commentsShown = !m_comments->text().isEmpty();
    parts.comments = toPixels(m_comments->sizeHint());
    if (!m_helpImage->isHidden())
        parts.image = toPixels(m_helpImage->size());
    AddParts(parts);
    return parts;
}

GridWindow TableFormBase::gridWindow() const
{
    GridWindow window;
    window.firstColumn = m_snapFirstColumn >= 0 ? m_snapFirstColumn : m_grid->FirstColumn();
    window.firstRow = m_snapFirstRow >= 0 ? m_snapFirstRow : m_grid->FirstRow();
    window.columns = m_visibleColumns;
    window.rows = m_visibleRows;
    window.firstColumn = std::clamp(window.firstColumn, 0, std::max(0, m_access->ColumnCount() - window.columns));
    window.firstRow = std::clamp(window.firstRow, 0, std::max(0, m_access->RowCount() - window.rows));
    return window;
}

void TableFormBase::layout()
{
    if (!m_access || m_layingOut)
        return;
    m_layingOut = true;
    const GridWindow window = gridWindow();
    m_snapFirstRow = m_snapFirstColumn = -1;
    const int rows = m_access->RowCount();
    m_grid->SetScrollBars(window, rows);
    const TableFormGeometry g = LayoutTableForm(parts(GridSize(m_grid->Metrics(), window, rows)));
    m_grid->setGeometry(toQRect(g.grid));
    m_grid->ShowWindow(window, rows);
    m_add->setGeometry(toQRect(g.add));
    m_insert->setGeometry(toQRect(g.insert));
    m_delete->setGeometry(toQRect(g.remove));
    m_comments->setGeometry(toQRect(g.comments));
    m_helpImage->setGeometry(toQRect(g.image));
    PlaceParts(g);
    m_client = QSize(g.client.width, g.client.height);
    updateGeometry();
    m_host->Fit(m_client);
    m_layingOut = false;
    m_access->RaiseResize();
}

QSize TableFormBase::sizeHint() const
{
    return m_client.isValid() ? m_client : QWidget::sizeHint();
}

void TableFormBase::SetHost(QWidget* host)
{
    m_host->SetHost(host);
    m_host->Fit(m_client);
}

QWidget* TableFormBase::Host() const
{
    return m_host->Host();
}

void TableFormBase::SnapTo(QSize draggedHostSize, bool widthDragged, bool heightDragged)
{
    if (!m_access || m_access->ColumnCount() == 0)
        return;
    const GridMetrics metrics = m_grid->Metrics();
    const GridWindow current = gridWindow();
    const PixelSize gridNow = GridSize(metrics, current, m_access->RowCount());
    const QSize frame = m_host->Frame();
    const TableFormParts now = parts(gridNow);
    SnapRequest request;
    request.grid = metrics;
    request.rowCount = m_access->RowCount();
    request.chrome = {frame.width() + 2 * now.margin,
                      frame.height() + LayoutTableForm(now).client.height - gridNow.height};
    request.minimumWidth = frame.width() + LayoutTableForm(parts({0, gridNow.height})).client.width;
    request.dragged = toPixels(draggedHostSize);
    request.widthDragged = widthDragged;
    request.heightDragged = heightDragged;
    request.current = current;
    const SnapResult snap = SnapTableForm(request);
    m_visibleColumns = snap.window.columns;
    m_visibleRows = snap.window.rows;
    m_snapFirstColumn = snap.window.firstColumn;
    m_snapFirstRow = snap.window.firstRow;
    layout();
}

void TableFormBase::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!m_layingOut && m_access)
        m_host->FormResized(size(), m_client);
}

}  // namespace quarlo
