#include "TfrmMaterial.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Messages.h"
#include "ProgramData.h"
#include "TDataEdit.h"

namespace quarlo {

namespace {

constexpr long double kLargestLength = 1e6L;
constexpr long double kLargestArea = 1e9L;
constexpr int kFewestIncrements = 10;
constexpr int kMostIncrements = 500;
constexpr long double kSmallestTolerance = 1e-9L;
constexpr long double kLargestTolerance = 1;

}  // namespace

TfrmMaterial::TfrmMaterial(TProgramData& project, QWidget* parent) : TDataWindow(parent), m_project(project)
{
    setObjectName(QStringLiteral("TfrmMaterial"));
    setWindowTitle(QStringLiteral("Pile Properties"));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const auto addField = [&](const char* name, const QString& caption, const QString& unitsString) {
        QLabel* label = nullptr;
        TDataEdit* field = MakeField(name, caption, label);
        field->SetUnitsString(unitsString);
        layout->addWidget(label);
        layout->addWidget(field);
        layout->addSpacing(4);
        return field;
    };
    m_pileLength = addField("DataPL", QStringLiteral("Pile Length"), QStringLiteral("L"));
    m_increments = addField("DataNI", QStringLiteral("Number of Increments"), QString());
    m_outerDiameter = addField("DataOD", QStringLiteral("Outer Diameter"), QStringLiteral("L"));
    m_tipArea = addField("DataArea", QStringLiteral("Area of Pile Tip"), QStringLiteral("L\u00B2"));
    m_tolerance = addField("DataTol", QStringLiteral("Tolerance"), QStringLiteral("L"));

    m_pileLength->SetMaxVal(kLargestLength);
    m_increments->SetIntegerOnly(true);
    m_increments->SetMaxVal(kMostIncrements);
    m_increments->SetMinVal(kFewestIncrements);
    m_outerDiameter->SetMaxVal(kLargestLength);
    m_tipArea->SetMaxVal(kLargestArea);
    m_tolerance->SetMaxVal(kLargestTolerance);
    m_tolerance->SetMinVal(kSmallestTolerance);

    m_editDepths = new QPushButton(QStringLiteral("Edit AE vs. Depth Data"), this);
    m_editDepths->setObjectName(QStringLiteral("EditDepths"));
    m_editDepths->setToolTip(QStringLiteral("Enter pile stiffness versus depth"));
    layout->addWidget(m_editDepths);
    connect(m_editDepths, &QPushButton::clicked, this, &TfrmMaterial::EditDepthsClick);

    SetTabOrder({m_pileLength, m_increments, m_outerDiameter, m_tipArea, m_tolerance, m_editDepths});
    m_pileLength->setFocus();
}

void TfrmMaterial::FormActivate()
{
    for (TDataEdit* field : {m_pileLength, m_outerDiameter, m_tipArea, m_tolerance})
        field->SetUnits(m_project.Units());
    m_pileLength->SetNumber(m_project.PileLength);
    m_outerDiameter->SetNumber(m_project.OuterDiameter);
    m_tipArea->SetNumber(m_project.TipArea);
    m_tolerance->SetNumber(m_project.Tolerance);
    m_increments->SetNumber(m_project.Increments);
}

bool TfrmMaterial::FormDeactivate()
{
    if (!FieldsAccepted({m_pileLength, m_increments, m_outerDiameter, m_tipArea, m_tolerance}))
        return false;
    bool changed = m_pileLength->StoreInto(m_project.PileLength);
    changed |= m_increments->StoreInto(m_project.Increments);
    changed |= m_outerDiameter->StoreInto(m_project.OuterDiameter);
    changed |= m_tipArea->StoreInto(m_project.TipArea);
    changed |= m_tolerance->StoreInto(m_project.Tolerance);
    if (changed)
        m_project.Tables().SetModified(true);
    return true;
}

void TfrmMaterial::EditDepthsClick()
{
    RunGuarded(this, [this] { m_project.Tables().TblAE2().Show(); });
}

}  // namespace quarlo
