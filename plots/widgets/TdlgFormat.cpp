#include "TdlgFormat.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

#include "Messages.h"
#include "TDataEdit.h"

namespace quarlo {

namespace {

constexpr long double kDefaultHeight = 4;
constexpr long double kDefaultWidth = 6;
constexpr long double kSmallestSide = 2;
constexpr int kDefaultPpi = 72;
constexpr int kSmallestPpi = 10;
constexpr int kLargestPpi = 2147483647;
// The English unit system, whose length unit L is shown as "in".
constexpr int kInches = 1;

struct ColorChoice {
    const char* name;
    const char* caption;
    ImageColors colors;
};

constexpr ColorChoice kColorChoices[] = {
    {"rbBlackWhite", "Black and White", ImageColors::BlackAndWhite},
    {"rb16Colors", "16 Colors", ImageColors::Colors16},
    {"rb256Colors", "256 Colors", ImageColors::Colors256},
    {"rbHighColor", "High Color (16 bit)", ImageColors::HighColor},
    {"rbTrueColor", "True Color (24 bit)", ImageColors::TrueColor},
};

TDataEdit* makeField(const char* name, const QString& caption, QVBoxLayout& column, QWidget* parent)
{
    auto* label = new QLabel(parent);
    auto* field = new TDataEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->SetEditLabel(label);
    field->SetCaption(caption);
    column.addWidget(label);
    column.addWidget(field);
    return field;
}

}  // namespace

TdlgFormat::TdlgFormat(ImageFileType type, std::uint64_t memoryBudget, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_type(type),
      m_memoryBudget(memoryBudget)
{
    setObjectName(QStringLiteral("TdlgFormat"));
    setWindowTitle(QStringLiteral("Save Attributes"));

    auto* fields = new QVBoxLayout;
    m_deHeight = makeField("deHeight", QStringLiteral("&Height"), *fields, this);
    m_deWidth = makeField("deWidth", QStringLiteral("&Width"), *fields, this);
    m_dePPI = makeField("dePPI", QStringLiteral("&Pixels Per Inch"), *fields, this);
    fields->addStretch();

    auto* colors = new QGroupBox(QStringLiteral("Colors"), this);
    colors->setObjectName(QStringLiteral("gbColors"));
    auto* choices = new QVBoxLayout(colors);
    for (std::size_t i = 0; i < std::size(kColorChoices); ++i) {
        m_colors[i] = new QRadioButton(QLatin1String(kColorChoices[i].caption), colors);
        m_colors[i]->setObjectName(QLatin1String(kColorChoices[i].name));
        m_colors[i]->setChecked(kColorChoices[i].colors == kDefaultImageColors);
        choices->addWidget(m_colors[i]);
    }
    colors->setEnabled(type != ImageFileType::Svg);
    if (type == ImageFileType::Svg)
        colors->setToolTip(QStringLiteral("A drawing keeps the graph's own colours."));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* top = new QHBoxLayout;
    top->addLayout(fields);
    top->addWidget(colors);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] { RunGuarded(this, [&] { btnOKClick(); }); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void TdlgFormat::FormCreate()
{
    for (TDataEdit* side : {m_deHeight, m_deWidth}) {
        side->SetUnits(kInches);
        side->SetUnitsString(QStringLiteral("L"));
        side->SetMinVal(kSmallestSide);
    }
    m_deHeight->SetNumber(kDefaultHeight);
    m_deWidth->SetNumber(kDefaultWidth);
    m_dePPI->SetIntegerOnly(true);
    m_dePPI->SetMaxVal(kLargestPpi);
    m_dePPI->SetMinVal(kSmallestPpi);
    m_dePPI->SetNumber(kDefaultPpi);
    m_deHeight->setFocus();
}

ImageColors TdlgFormat::chosenColors() const
{
    for (std::size_t i = 0; i < std::size(kColorChoices); ++i) {
        if (m_colors[i]->isChecked())
            return kColorChoices[i].colors;
    }
    return kDefaultImageColors;
}

void TdlgFormat::btnOKClick()
{
    for (TDataEdit* field : {m_deHeight, m_deWidth, m_dePPI}) {
        if (!field->Validate())
            return;
    }
    const long double ppi = m_dePPI->Number();
    const std::optional<ImageSize> size = ImagePixels(ppi, m_deWidth->Number(), m_deHeight->Number());
    if (!ImageFitsInMemory(size, m_type, m_memoryBudget)) {
        done(kAbort);
        return;
    }
    m_request = {*size, chosenColors(), static_cast<int>(ppi)};
    accept();
}

}  // namespace quarlo
