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

QString& messageTitle()
{
    static QString title;
    return title;
}

QString boxTitle()
{
    return messageTitle().isEmpty() ? QApplication::applicationDisplayName() : messageTitle();
}

}  // namespace

void SetMessageTitle(const QString& title)
{
    messageTitle() = title;
}

void ShowInformation(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, boxTitle(), displayText(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

void ShowInformation(QWidget* parent, const std::string& text)
{
    ShowInformation(parent, QString::fromStdString(text));
}

QMessageBox::StandardButton AskYesNoCancel(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, boxTitle(), displayText(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace quarlo
