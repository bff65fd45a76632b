#include "TfrmLineNames.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QVBoxLayout>

#include "LegendNames.h"
#include "Messages.h"
#include "PlotColors.h"

namespace quarlo {

namespace {

constexpr QSize kInitialSize(248, 226);
constexpr QSize kSmallestSize(195, 167);
constexpr int kSideMargin = 10;
constexpr int kGap = 5;
constexpr int kButtonInset = 20;

}  // namespace

TfrmLineNames::TfrmLineNames(const std::vector<std::string>& names, std::vector<int> colorSlots, QWidget* parent)
    : QDialog(parent), m_colorSlots(std::move(colorSlots))
{
    setObjectName(QStringLiteral("TfrmLineNames"));
    setWindowTitle(QStringLiteral("Legend"));

    auto* listLabel = new QLabel(QStringLiteral("Select line to modify:"), this);
    m_lbLines = new QListWidget(this);
    m_lbLines->setObjectName(QStringLiteral("lbLines"));
    for (const std::string& name : names)
        m_lbLines->addItem(QString::fromStdString(name));
    listLabel->setBuddy(m_lbLines);
    auto* editLabel = new QLabel(QStringLiteral("Type new legend below:"), this);
    m_edLine = new QLineEdit(this);
    m_edLine->setObjectName(QStringLiteral("edLine"));
    m_edLine->installEventFilter(this);
    editLabel->setBuddy(m_edLine);

    // No default button: Enter in the field takes the new text and leaves the dialog open
    // for the next one.
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(kButtonInset - kSideMargin, 0, kButtonInset - kSideMargin, 0);
    buttons->addWidget(ok);
    buttons->addStretch();
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSideMargin, kSideMargin, kSideMargin, kSideMargin);
    layout->setSpacing(kGap);
    layout->addWidget(listLabel);
    layout->addWidget(m_lbLines, 1);
    layout->addWidget(editLabel);
    layout->addWidget(m_edLine);
    layout->addLayout(buttons);
    setMinimumSize(kSmallestSize.expandedTo(layout->minimumSize()));
    resize(kInitialSize.expandedTo(minimumSize()));

    connect(m_lbLines, &QListWidget::currentRowChanged, this, [this](int row) {
        RunGuarded(this, [&] { lbLinesClick(row); });
    });
    connect(m_edLine, &QLineEdit::returnPressed, this, [this] { RunGuarded(this, [&] { edLineExit(); }); });
    connect(ok, &QPushButton::clicked, this, [this] { RunGuarded(this, [&] { okClick(); }); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FormShow();
}

void TfrmLineNames::FormShow()
{
    if (QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr)
        move(screen->availableGeometry().center() - rect().center());
    // A plot without curves has no row to rename: the field stays empty and disabled.
    m_edLine->setEnabled(m_lbLines->count() > 0);
    if (m_lbLines->count() > 0)
        m_lbLines->setCurrentRow(0);
}

void TfrmLineNames::lbLinesClick(int row)
{
    if (row < 0 || row >= m_lbLines->count())
        return;
    m_edLine->setText(m_lbLines->item(row)->text());
    QPalette palette = m_edLine->palette();
    const int slot = row < static_cast<int>(m_colorSlots.size()) ? m_colorSlots[static_cast<std::size_t>(row)] : -1;
    if (slot >= 0) {
        const PlotColor colour = CurveColor(slot);
        palette.setColor(QPalette::Text, QColor(colour.R, colour.G, colour.B));
    } else {
        palette.setColor(QPalette::Text, this->palette().color(QPalette::Text));
    }
    m_edLine->setPalette(palette);
}

bool TfrmLineNames::edLineExit()
{
    QListWidgetItem* row = m_lbLines->currentItem();
    if (!row || m_checking)
        return true;
    const QScopedValueRollback checking(m_checking, true);
    if (!IsLegendName(m_edLine->text().toStdString())) {
        ShowInformation(this, QString::fromLatin1(kLegendNameMissing));
        m_edLine->setText(row->text());
        return false;
    }
    row->setText(m_edLine->text());
    return true;
}

// The field's text is taken first: OK chosen with its mnemonic leaves the focus in the
// field, whose last text would otherwise be lost.
void TfrmLineNames::okClick()
{
    if (edLineExit())
        accept();
}

bool TfrmLineNames::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edLine && event->type() == QEvent::FocusOut && isVisible())
        RunGuarded(this, [&] { edLineExit(); });
    return QDialog::eventFilter(watched, event);
}

std::vector<std::string> TfrmLineNames::NameList() const
{
    std::vector<std::string> names;
    for (int row = 0; row < m_lbLines->count(); ++row)
        names.push_back(m_lbLines->item(row)->text().toStdString());
    return names;
}

}  // namespace quarlo
