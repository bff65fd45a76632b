#include "TfrmActiveLines.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ActiveCurveFlags.h"
#include "Messages.h"

namespace quarlo {

namespace {

constexpr QSize kInitialSize(198, 300);
constexpr QSize kSmallestSize(190, 234);
constexpr int kMargin = 10;
constexpr int kButtonInset = 20;

QPushButton* makeButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TfrmActiveLines::TfrmActiveLines(std::vector<std::string> names, std::vector<std::string> flags, QWidget* parent)
    : QDialog(parent), m_names(std::move(names)), m_flags(std::move(flags))
{
    setObjectName(QStringLiteral("TfrmActiveLines"));
    setWindowTitle(QStringLiteral("Active Curves"));
    m_flags.resize(m_names.size(), kActiveFlag);

    auto* prompt = new QLabel(QStringLiteral("Select Curve to Active/Desactive"), this);
    // The flags are of one width in a fixed-pitch font, so the names line up in a column
    // under "Curve" and the flags under "Active :".
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* activeLabel = new QLabel(QStringLiteral("Active :"), this);
    auto* curveLabel = new QLabel(QStringLiteral("Curve"), this);
    m_lbLines = new QListWidget(this);
    m_lbLines->setObjectName(QStringLiteral("lbLines"));
    m_lbLines->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lbLines->setFont(fixed);
    prompt->setBuddy(m_lbLines);
    const QFontMetrics fixedMetrics(fixed);
    activeLabel->setMinimumWidth(fixedMetrics.horizontalAdvance(QString::fromLatin1(kActiveFlag) + "   "));

    QPushButton* toggle = makeButton(QStringLiteral("Activate/Deactivate Selected"), "ActivateDesactivateButton", this);
    QPushButton* all = makeButton(QStringLiteral("Activate All"), "ActivateButton", this);
    QPushButton* none = makeButton(QStringLiteral("Deactivate All"), "DesactivateButton", this);
    QPushButton* ok = makeButton(QStringLiteral("&OK"), "OKButton", this);
    QPushButton* cancel = makeButton(QStringLiteral("&Cancel"), "CancelButton", this);

    auto* columns = new QHBoxLayout;
    columns->setContentsMargins(m_lbLines->frameWidth() + 2, 0, 0, 0);
    columns->setSpacing(0);
    columns->addWidget(activeLabel);
    columns->addWidget(curveLabel, 1);
    auto* setAll = new QHBoxLayout;
    setAll->addWidget(all);
    setAll->addStretch();
    setAll->addWidget(none);
    auto* close = new QHBoxLayout;
    close->setContentsMargins(kButtonInset - kMargin, 0, kButtonInset - kMargin, 0);
    close->addWidget(ok);
    close->addStretch();
    close->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(prompt);
    layout->addLayout(columns);
    layout->addWidget(m_lbLines, 1);
    layout->addSpacing(kMargin / 2);
    layout->addWidget(toggle);
    layout->addSpacing(kMargin / 2);
    layout->addLayout(setAll);
    layout->addSpacing(kMargin / 2);
    layout->addLayout(close);
    setMinimumSize(kSmallestSize.expandedTo(layout->minimumSize()));
    resize(kInitialSize.expandedTo(minimumSize()));

    connect(m_lbLines, &QListWidget::itemDoubleClicked, this, [this] { RunGuarded(this, [&] { lbLinesDblClick(); }); });
    connect(toggle, &QPushButton::clicked, this,
            [this] { RunGuarded(this, [&] { ActivateDesactivateButtonClick(); }); });
    connect(all, &QPushButton::clicked, this, [this] { RunGuarded(this, [&] { ActivateButtonClick(); }); });
    connect(none, &QPushButton::clicked, this, [this] { RunGuarded(this, [&] { DesactivateButtonClick(); }); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FormShow();
}

void TfrmActiveLines::FormShow()
{
    for (std::size_t i = 0; i < m_names.size(); ++i)
        m_lbLines->addItem(QString());
    for (int i = 0; i < m_lbLines->count(); ++i)
        SetLineNames(i);
    if (m_lbLines->count() > 0)
        m_lbLines->setCurrentRow(0, QItemSelectionModel::NoUpdate);
}

void TfrmActiveLines::SetLineNames(int i)
{
    const auto row = static_cast<std::size_t>(i);
    m_lbLines->item(i)->setText(QString::fromStdString(ActiveCurveRow(m_flags[row], m_names[row])));
}

void TfrmActiveLines::SetKodeLines(int i)
{
    std::string& flag = m_flags[static_cast<std::size_t>(i)];
    flag = ToggledFlag(flag);
    SetLineNames(i);
}

void TfrmActiveLines::lbLinesDblClick()
{
    const int row = m_lbLines->currentRow();
    if (row >= 0)
        SetKodeLines(row);
}

void TfrmActiveLines::ActivateDesactivateButtonClick()
{
    std::vector<int> selected;
    for (const QModelIndex& index : m_lbLines->selectionModel()->selectedRows())
        selected.push_back(index.row());
    for (const int row : RowsToToggle(std::move(selected)))
        SetKodeLines(row);
}

void TfrmActiveLines::ActivateButtonClick()
{
    setEveryFlag(kActiveFlag);
}

void TfrmActiveLines::DesactivateButtonClick()
{
    setEveryFlag(kInactiveFlag);
}

void TfrmActiveLines::setEveryFlag(const char* flag)
{
    for (int i = 0; i < m_lbLines->count(); ++i) {
        m_flags[static_cast<std::size_t>(i)] = flag;
        SetLineNames(i);
    }
}

}  // namespace quarlo
