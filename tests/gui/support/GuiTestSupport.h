#pragma once

#include <QDialog>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

namespace quarlo::test {

// Gives every GUI test program the same start: settings in Qt's test location (emptied, so
// no test sees the user's or another test's recent files) and a fixed widget style, so
// screenshots look alike on every machine. Call at the start of initTestCase().
void isolateSettings();

// With QUARLO_SCREENSHOT_DIR set, saves a PNG of `widget` there, named `name` or else the
// widget's object name. Does nothing otherwise.
void saveScreenshot(QWidget* widget, const QString& name = {});

// As saveScreenshot, for a dialog shown over a window: the window with the dialog drawn
// centred on it, as the user sees them together.
void saveScreenshotWithDialog(QWidget* window, QWidget* dialog, const QString& name);

// One message box the answerer closed: what it said and which button it was answered with.
struct AnsweredBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
};

// Answers every modal dialog that opens while it lives, so no test waits on a box. Message
// boxes get the next queued answer (or the default one) and are recorded; any other modal
// dialog (a file dialog, a data dialog) goes to `onDialog`, which must accept or reject it,
// or it is rejected.
class ModalAnswerer : public QObject {
    Q_OBJECT
public:
    explicit ModalAnswerer(QMessageBox::StandardButton defaultAnswer = QMessageBox::Ok);

    // Answers for the next message boxes, in order; after them the default answer applies.
    void queueAnswers(const QList<QMessageBox::StandardButton>& answers);
    // The next message box is saved as a screenshot over `window` before it is answered.
    void screenshotNextBox(QWidget* window, const QString& name);

    const QList<AnsweredBox>& boxes() const { return m_boxes; }
    QStringList texts() const;
    // The text of the last box answered, empty when none was.
    QString lastText() const;
    void clear() { m_boxes.clear(); }

    std::function<void(QDialog*)> onDialog;

private:
    void poll();
    void answer(QMessageBox* box);

    QTimer m_timer;
    QMessageBox::StandardButton m_defaultAnswer;
    QList<QMessageBox::StandardButton> m_queued;
    QList<AnsweredBox> m_boxes;
    QPointer<QWidget> m_handled;
    QPointer<QWidget> m_screenshotWindow;
    QString m_screenshotName;
};

// Full path of a bundled example project.
QString examplePath(const QString& fileName);

}  // namespace quarlo::test
