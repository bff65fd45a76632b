#include "TdlgTitle.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ProgramData.h"
#include "TTitleMemo.h"

namespace quarlo {

namespace {

QLabel* labelFor(QWidget* control, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    return label;
}

}  // namespace

TdlgTitle::TdlgTitle(TProgramData& project, QWidget* parent) : TDataWindow(parent), m_project(project)
{
    setObjectName(QStringLiteral("TdlgTitle"));
    setWindowTitle(QStringLiteral("Project Title"));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    m_title = new TTitleMemo(frame);
    m_title->setObjectName(QStringLiteral("TitleMemo"));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(labelFor(m_title, QStringLiteral("Enter line of text for project description:"), frame));
    frameLayout->addWidget(m_title);

    m_designer = new QLineEdit(this);
    m_designer->setObjectName(QStringLiteral("DataEdit1"));
    m_date = new QLineEdit(this);
    m_date->setObjectName(QStringLiteral("DataEdit2"));
    auto* boxes = new QGridLayout;
    boxes->addWidget(labelFor(m_designer, QStringLiteral("Name of the Designer : "), this), 0, 0);
    boxes->addWidget(m_designer, 0, 1);
    boxes->addWidget(labelFor(m_date, QStringLiteral("Date : "), this), 1, 0);
    boxes->addWidget(m_date, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(frame);
    layout->addLayout(boxes);

    // Room for the longest title, wrapped, in the width of the window's other rows.
    const QFontMetrics metrics(m_title->font());
    m_title->setFixedSize(metrics.horizontalAdvance(QString(40, QLatin1Char('M'))) * 7 / 10,
                          metrics.lineSpacing() * 4 + 2 * m_title->frameWidth() + 8);
    SetTabOrder({m_title, m_designer, m_date});
    m_title->setFocus();
}

void TdlgTitle::FormActivate()
{
    m_title->setPlainText(QString::fromStdString(m_project.Title));
    m_designer->setText(QString::fromStdString(m_project.DesignerName));
    if (!m_project.DesignDate.empty())
        m_date->setText(QString::fromStdString(m_project.DesignDate));
}

bool TdlgTitle::FormDeactivate()
{
    const std::string title = m_title->toPlainText().toStdString();
    if (title != m_project.Title) {
        m_project.Title = title;
        m_project.Tables().SetModified(true);
    }
    m_project.DesignerName = m_designer->text().toStdString();
    m_project.DesignDate = m_date->text().toStdString();
    return true;
}

}  // namespace quarlo
