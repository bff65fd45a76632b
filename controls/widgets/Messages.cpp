#include "Messages.h"

#include <QApplication>

namespace quarlo {

namespace {

QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

void ShowInformation(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, QApplication::applicationDisplayName(), displayText(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

void ShowInformation(QWidget* parent, const std::string& text)
{
    ShowInformation(parent, QString::fromStdString(text));
}

QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), displayText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace quarlo
