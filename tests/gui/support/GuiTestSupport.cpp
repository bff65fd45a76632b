#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QWidget>

namespace quarlo::test {

void isolateSettings()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings settings("Vortel", "QUARLO");
    settings.clear();
    settings.sync();
    // The file dialogs remember their last folder; a test must not start in another test's.
    QSettings dialogs(QSettings::UserScope, QStringLiteral("QtProject"));
    dialogs.remove(QStringLiteral("FileDialog"));
    dialogs.sync();
    if (QStyle* fusion = QStyleFactory::create("Fusion"))
        QApplication::setStyle(fusion);
}

namespace {

QString screenshotPath(const QString& name)
{
    const QString dir = qEnvironmentVariable("QUARLO_SCREENSHOT_DIR");
    if (dir.isEmpty() || name.isEmpty())
        return {};
    QDir().mkpath(dir);
    return QDir(dir).filePath(name + ".png");
}

}  // namespace

void saveScreenshot(QWidget* widget, const QString& name)
{
    if (!widget)
        return;
    const QString path = screenshotPath(name.isEmpty() ? widget->objectName() : name);
    if (path.isEmpty())
        return;
    QApplication::processEvents();
    widget->grab().save(path, "PNG");
}

void saveScreenshotWithDialog(QWidget* window, QWidget* dialog, const QString& name)
{
    const QString path = screenshotPath(name);
    if (path.isEmpty() || !window || !dialog)
        return;
    QApplication::processEvents();
    QPixmap picture = window->grab();
    const QPixmap box = dialog->grab();
    QPainter painter(&picture);
    painter.drawPixmap((picture.width() - box.width()) / 2, (picture.height() - box.height()) / 2, box);
    painter.setPen(Qt::darkGray);
    painter.drawRect((picture.width() - box.width()) / 2, (picture.height() - box.height()) / 2, box.width() - 1,
                     box.height() - 1);
    painter.end();
    picture.save(path, "PNG");
}

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton defaultAnswer) : m_defaultAnswer(defaultAnswer)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start(5);
}

void ModalAnswerer::queueAnswers(const QList<QMessageBox::StandardButton>& answers)
{
    m_queued.append(answers);
}

void ModalAnswerer::screenshotNextBox(QWidget* window, const QString& name)
{
    m_screenshotWindow = window;
    m_screenshotName = name;
}

QStringList ModalAnswerer::texts() const
{
    QStringList result;
    for (const AnsweredBox& box : m_boxes)
        result << box.text;
    return result;
}

QString ModalAnswerer::lastText() const
{
    return m_boxes.isEmpty() ? QString() : m_boxes.last().text;
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_handled || !modal->isVisible())
        return;
    m_handled = modal;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        answer(box);
        return;
    }
    auto* dialog = qobject_cast<QDialog*>(modal);
    if (!dialog)
        return;
    if (onDialog)
        onDialog(dialog);
    if (dialog->isVisible())
        dialog->reject();
}

void ModalAnswerer::answer(QMessageBox* box)
{
    const QMessageBox::StandardButton wanted = m_queued.isEmpty() ? m_defaultAnswer : m_queued.takeFirst();
    if (m_screenshotWindow) {
        saveScreenshotWithDialog(m_screenshotWindow, box, m_screenshotName);
        m_screenshotWindow = nullptr;
    }
    QAbstractButton* button = box->button(wanted);
    if (!button)
        button = box->escapeButton() ? box->escapeButton() : static_cast<QAbstractButton*>(box->defaultButton());
    m_boxes.append({box->windowTitle(), box->text(), box->icon(),
                    button ? box->standardButton(button) : QMessageBox::NoButton});
    if (button)
        button->click();
    else
        box->done(0);
}

QString examplePath(const QString& fileName)
{
    return QDir(QStringLiteral(QUARLO_SOURCE_DIR "/examples")).filePath(fileName);
}

}  // namespace quarlo::test
