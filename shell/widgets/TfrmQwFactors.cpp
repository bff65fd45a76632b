#include "TfrmQwFactors.h"

#include <QGridLayout>
#include <QLabel>

#include "ProgramData.h"
#include "TDataEdit.h"

namespace quarlo {

namespace {

constexpr int kFieldFontPixels = 13;

}  // namespace

TfrmQwFactors::TfrmQwFactors(TProgramData& project, QWidget* parent) : TDataWindow(parent), m_project(project)
{
    setObjectName(QStringLiteral("TfrmQwFactors"));
    setWindowTitle(QStringLiteral("Enter Modifications Factors for Tip Resistance"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    QFont fieldFont = font();
    fieldFont.setPixelSize(kFieldFontPixels);
    auto* layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setHorizontalSpacing(16);
    layout->setVerticalSpacing(14);
    // The Q-multiplier is the upper field, the w-multiplier the lower one; the keyboard
    // starts on the w-multiplier.
    const auto addField = [&](int row, const char* name, const QString& caption) {
        QLabel* label = nullptr;
        TDataEdit* field = MakeField(name, caption, label);
        field->setFont(fieldFont);
        label->setFont(fieldFont);
        layout->addWidget(label, row, 0);
        layout->addWidget(field, row, 1);
        return field;
    };
    m_qFactor = addField(0, "DataQfactor", QStringLiteral("Q-multiplier"));
    m_wFactor = addField(1, "Datawfactor", QStringLiteral("w-multiplier"));
    SetTabOrder({m_wFactor, m_qFactor});
    m_wFactor->setFocus();
}

void TfrmQwFactors::FormActivate()
{
    m_qFactor->SetNumber(m_project.QMultiplier);
    m_wFactor->SetNumber(m_project.WMultiplier);
}

bool TfrmQwFactors::FormDeactivate()
{
    if (!FieldsAccepted({m_wFactor, m_qFactor}))
        return false;
    bool changed = m_wFactor->StoreInto(m_project.WMultiplier);
    changed |= m_qFactor->StoreInto(m_project.QMultiplier);
    if (changed)
        m_project.Tables().SetModified(true);
    return true;
}

}  // namespace quarlo
