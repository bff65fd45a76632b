#include "ReportViewer.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "EInOutError.h"

namespace quarlo {

namespace {

QString readReport(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EInOutError(("Cannot read " + fileName + ": " + file.errorString()).toStdString());
    return QString::fromUtf8(file.readAll());
}

}  // namespace

ReportViewer::ReportViewer(const QString& fileName, QWidget* parent) : QWidget(parent), m_text(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("ReportViewer"));
    setWindowTitle(QFileInfo(fileName).fileName());
    m_text->setObjectName(QStringLiteral("ReportText"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_text->setPlainText(readReport(fileName));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_text);
}

QSize ReportViewer::sizeHint() const
{
    const QFontMetrics metrics(m_text->font());
    return {metrics.horizontalAdvance(QLatin1Char('0')) * 92, metrics.lineSpacing() * 30};
}

}  // namespace quarlo
