// Loaded into the installed program (LD_PRELOAD) by the install tests, it looks at the program
// from the outside as a user would: it answers every box, waits until the program has opened
// its project (and run it, when asked to) and stands idle in its main loop, then writes what
// it sees to the file QUARLO_PROBE_REPORT names, one "key=value" a line, and ends the program.
// Without QUARLO_PROBE_REPORT it does nothing.

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QToolButton>

#include "GuiTestSupport.h"

namespace {

constexpr int kPollMilliseconds = 50;
constexpr int kGiveUpAfterPolls = 180 * 1000 / kPollMilliseconds;

int linkCount(const QTextDocument& document)
{
    int links = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            links += fragment.fragment().charFormat().anchorHref().isEmpty() ? 0 : 1;
    return links;
}

QWidget* topLevelNamed(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name)
            return widget;
    return nullptr;
}

class Probe : public QObject {
public:
    explicit Probe(QString reportPath) : QObject(QCoreApplication::instance()), m_reportPath(std::move(reportPath))
    {
        connect(&m_timer, &QTimer::timeout, this, &Probe::poll);
        m_timer.start(kPollMilliseconds);
    }

private:
    void poll()
    {
        if (++m_polls > kGiveUpAfterPolls) {
            finish(QStringLiteral("gave up waiting for the program to become idle"), 3);
            return;
        }
        // Inside a box or a dialog, or before the program's own main loop runs, it is busy.
        if (QApplication::activeModalWidget() || QThread::currentThread()->loopLevel() != 1)
            return;
        auto* form = qobject_cast<QMainWindow*>(topLevelNamed(QStringLiteral("TMainForm")));
        if (form && form->isVisible())
            inspect(*form);
    }

    void inspect(QMainWindow& form)
    {
        m_timer.stop();
        add(QStringLiteral("caption"), form.windowTitle());
        const QDir programFolder(QCoreApplication::applicationDirPath());
        add(QStringLiteral("program-folder"), programFolder.path());
        add(QStringLiteral("engine-beside-program"),
            programFolder.exists(QStringLiteral("libQUARLO2014_DLL.so")) ? QStringLiteral("yes") : QStringLiteral("no"));
        inspectGraphs(form);
        inspectHelp(form);
        finish({}, 0);
    }

    void inspectGraphs(QMainWindow& form)
    {
        auto* combinedPlot = form.findChild<QToolButton*>(QStringLiteral("SpeedButton8"));
        const bool loaded = combinedPlot && combinedPlot->isEnabled();
        add(QStringLiteral("plots"), loaded ? QStringLiteral("loaded") : QStringLiteral("not loaded"));
        if (!loaded)
            return;
        auto* area = form.findChild<QMdiArea*>();
        if (!area)
            return;
        combinedPlot->click();
        // The window made last; which one is active follows the window system's activation,
        // which may come later.
        const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::CreationOrder);
        if (!windows.isEmpty())
            add(QStringLiteral("graph-window"), windows.last()->windowTitle());
    }

    void inspectHelp(QMainWindow& form)
    {
        if (auto* contents = form.findChild<QAction*>(QStringLiteral("HelpContents")))
            contents->trigger();
        QWidget* help = topLevelNamed(QStringLiteral("Help"));
        auto* browser = help ? help->findChild<QTextBrowser*>() : nullptr;
        add(QStringLiteral("help-title"), help ? help->windowTitle() : QStringLiteral("none"));
        add(QStringLiteral("help-links"), QString::number(browser ? linkCount(*browser->document()) : 0));
    }

    void add(const QString& key, const QString& value)
    {
        m_lines << key + QLatin1Char('=') + QString(value).replace(QLatin1Char('\n'), QLatin1Char(' '));
    }

    void finish(const QString& failure, int exitCode)
    {
        m_timer.stop();
        for (const QString& text : m_boxes.texts())
            add(QStringLiteral("box"), text);
        if (!failure.isEmpty())
            add(QStringLiteral("failure"), failure);
        QFile report(m_reportPath);
        if (report.open(QIODevice::WriteOnly | QIODevice::Text))
            QTextStream(&report) << m_lines.join(QLatin1Char('\n')) << '\n';
        QCoreApplication::exit(exitCode);
    }

    QString m_reportPath;
    QTimer m_timer;
    int m_polls = 0;
    QStringList m_lines;
    // Every box is answered as a cautious user would: No to the question whether to save.
    quarlo::test::ModalAnswerer m_boxes{QMessageBox::No};
};

void startProbe()
{
    const QString report = qEnvironmentVariable("QUARLO_PROBE_REPORT");
    if (!report.isEmpty())
        new Probe(report);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startProbe)
