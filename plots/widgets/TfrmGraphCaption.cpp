#include "TfrmGraphCaption.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarlo {

namespace {

// The dialog is 365 pixels wide; the caption field spans it inside the margins.
constexpr int kCaptionWidth = 341;

}  // namespace

TfrmGraphCaption::TfrmGraphCaption(const std::string& title, bool onTop, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmGraphCaption"));
    setWindowTitle(QStringLiteral("Graph Caption"));

    auto* prompt = new QLabel(QStringLiteral("Enter Graph Caption"), this);
    m_edtCaption = new QLineEdit(QString::fromStdString(title), this);
    m_edtCaption->setObjectName(QStringLiteral("edtCaption"));
    m_edtCaption->setMinimumWidth(kCaptionWidth);
    prompt->setBuddy(m_edtCaption);

    auto* location = new QGroupBox(QStringLiteral("Caption Location"), this);
    m_rbTop = new QRadioButton(QStringLiteral("Top"), location);
    m_rbTop->setObjectName(QStringLiteral("rbTop"));
    m_rbBottom = new QRadioButton(QStringLiteral("Bottom"), location);
    m_rbBottom->setObjectName(QStringLiteral("rbBottom"));
    (onTop ? m_rbTop : m_rbBottom)->setChecked(true);
    auto* choices = new QHBoxLayout(location);
    choices->addWidget(m_rbTop);
    choices->addWidget(m_rbBottom);

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(location);
    bottomRow->addStretch();
    bottomRow->addWidget(ok, 0, Qt::AlignBottom);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(prompt);
    layout->addWidget(m_edtCaption);
    layout->addLayout(bottomRow);
    m_edtCaption->selectAll();
}

std::string TfrmGraphCaption::Title() const
{
    return m_edtCaption->text().toStdString();
}

bool TfrmGraphCaption::OnTop() const
{
    return m_rbTop->isChecked();
}

}  // namespace quarlo
