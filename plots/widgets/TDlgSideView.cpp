#include "TDlgSideView.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include "ElevationLayout.h"
#include "ElevationPainter.h"
#include "Messages.h"
#include "PrintTarget.h"
#include "ProgramData.h"

namespace quarlo {

namespace {

// The window's font: the platform's sans serif, 10 pixels high; the printout takes a copy
// at a size meant for paper, since 10 printer pixels would be a speck.
constexpr int kFontPixels = 10;
constexpr qreal kPrintPoints = 10.0;
constexpr QSize kInitialSize(608, 410);

QFont windowFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(kFontPixels);
    return font;
}

}  // namespace

TDlgSideView::TDlgSideView(TProgramData& project, QWidget* parent) : QWidget(parent), m_project(project)
{
    setObjectName(QStringLiteral("TDlgSideView"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setFont(windowFont());
    setMouseTracking(true);

    m_geometryLabel = new QLabel(QStringLiteral("Pile Geometry"), this);
    m_geometryLabel->setObjectName(QStringLiteral("lblPileGeometry"));
    m_geometryLabel->move(528, 16);
    m_geometryLabel->adjustSize();

    m_printButton = new QPushButton(QStringLiteral("Print"), this);
    m_printButton->setObjectName(QStringLiteral("btnPrint"));
    m_printButton->setGeometry(504, 368, 57, 33);
    connect(m_printButton, &QPushButton::clicked, this, &TDlgSideView::PrintClick);

    resize(kInitialSize);
    m_model.SetClientSize(width(), height());
    rebuild();
}

QSize TDlgSideView::sizeHint() const
{
    return kInitialSize;
}

void TDlgSideView::rebuild()
{
    m_model.Build(m_project);
    update();
}

void TDlgSideView::FormActivate()
{
    rebuild();
}

void TDlgSideView::UnitsChanged()
{
    rebuild();
}

void TDlgSideView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_model.SetClientSize(width(), height());
    update();
}

void TDlgSideView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const ElevationScene scene = elevationScreenScene(m_model, painter.fontMetrics().height());
    PaintElevation(painter, scene, palette().color(QPalette::Base), palette().color(QPalette::Text));
}

void TDlgSideView::mouseMoveEvent(QMouseEvent* event)
{
    if (const std::optional<std::string> readOut = m_model.ReadOut(event->position().toPoint().y()))
        setWindowTitle(QString::fromStdString(*readOut));
    QWidget::mouseMoveEvent(event);
}

void TDlgSideView::PrintClick()
{
    RunGuarded(this, [this] {
        PrintJob job;
        job.documentName = QString::fromLatin1(kPrintJobName);
        job.orientation = QPageLayout::Landscape;
        job.pdfFileName = QString::fromStdString(elevationPdfName(m_project.FileName));
        PrintPage(this, job, [this](QPainter& painter, QPrinter& printer) { PaintPrintout(painter, printer); });
    });
}

void TDlgSideView::PaintPrintout(QPainter& painter, const QPrinter& printer) const
{
    QFont printFont = font();
    printFont.setPointSizeF(kPrintPoints);
    painter.setFont(printFont);
    const ElevationPage page{printer.width(), printer.height(), printer.resolution(),
                             painter.fontMetrics().height()};
    PaintElevation(painter, elevationPrintScene(m_model, page), Qt::white, Qt::black);
}

}  // namespace quarlo
