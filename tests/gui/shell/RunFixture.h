#pragma once

// What the tests of the Run Analysis command share: the main window on a project in a folder
// of its own, the real engine beside the test program, the program's own graphs (each plot
// file the run reads is recorded on its way to them), a private folder for the run's
// names.dat that the test can look into, and the run summary read back as the user sees it.

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <clocale>
#include <memory>
#include <string>

#include "ComputationCommands.h"
#include "FileTestFixture.h"
#include "GraphicsCommands.h"
#include "ModelFileNames.h"
#include "RunBridge.h"

namespace quarlo::test {

// The run summary as it was shown.
struct ShownSummary {
    QString completion;
    QString status;
    QString graphs;
    QStringList notes;
    QList<QStringList> downDrag;  // the cells of each row of the down-drag table
    QStringList downDragTitles;
    bool reportButtonEnabled = false;
};

inline QString labelText(const QDialog& dialog, const char* name)
{
    const QLabel* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
}

inline QList<QStringList> tableCells(const QTableWidget* table)
{
    QList<QStringList> rows;
    for (int row = 0; table && row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table->columnCount(); ++column)
            cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
        rows << cells;
    }
    return rows;
}

inline ShownSummary readSummary(const QDialog& dialog)
{
    ShownSummary shown;
    shown.completion = labelText(dialog, "RunCompletion");
    shown.status = labelText(dialog, "RunStatus");
    shown.graphs = labelText(dialog, "RunGraphs");
    if (const auto* list = dialog.findChild<QListWidget*>(QStringLiteral("RunNotes")))
        for (int i = 0; i < list->count(); ++i)
            shown.notes << list->item(i)->text();
    const auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("DownDragTable"));
    shown.downDrag = tableCells(table);
    for (int column = 0; table && column < table->columnCount(); ++column)
        shown.downDragTitles << table->horizontalHeaderItem(column)->text();
    if (const auto* button = dialog.findChild<QPushButton*>(QStringLiteral("OpenReport")))
        shown.reportButtonEnabled = button->isEnabled();
    return shown;
}

// Answers the run summaries that open while it lives: each is read, saved as a screenshot
// when asked, and closed, or left through Open Report when asked.
class SummaryAnswerer {
public:
    explicit SummaryAnswerer(ModalAnswerer& answerer)
    {
        answerer.onDialog = [this](QDialog* dialog) { answer(dialog); };
    }

    // The next summary is saved as `name`.png (RunSummary.png by default).
    void screenshotNext(const QString& name = {}) { m_screenshot = name.isEmpty() ? QStringLiteral("RunSummary") : name; }
    void openReportNext() { m_openReport = true; }

    QList<ShownSummary> shown;

private:
    void answer(QDialog* dialog)
    {
        if (dialog->objectName() != QLatin1String("RunSummary"))
            return;
        shown << readSummary(*dialog);
        if (!m_screenshot.isEmpty())
            saveScreenshot(dialog, m_screenshot);
        m_screenshot.clear();
        if (m_openReport)
            dialog->findChild<QPushButton*>(QStringLiteral("OpenReport"))->click();
        else
            dialog->findChild<QPushButton*>(QStringLiteral("CloseSummary"))->click();
        m_openReport = false;
    }

    QString m_screenshot;
    bool m_openReport = false;
};

inline QByteArray readAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The C library's numeric locale now.
inline std::string numericLocale()
{
    return std::setlocale(LC_NUMERIC, nullptr);
}

// The main window on a project folder, the plot files it reads recorded, and the run's private
// folders made in `work`.
class RunFixture {
public:
    void start()
    {
        startFileTest(folder, form);
        loads.clear();
        duringLoad = nullptr;
        QVERIFY(work.isValid());
        bridge().SetWorkFolderParent(work.path());
        form->SetPlotFileLoader([this](const QString& fileName, bool showErrors) {
            loads << fileName;
            const bool read = form->Graphics().ReadPlotFile(fileName, showErrors);
            if (duringLoad)
                duringLoad();
            return read;
        });
    }
    void end() { endFileTest(folder, form); }

    RunBridge& bridge() const { return form->Computation().Run(); }

    // A copy of a bundled example in the project folder, opened.
    QString openExample(const QString& example, const QString& name)
    {
        const QString path = copyExample(*folder, example, name);
        form->Files().OpenFileName(path, true);
        return path;
    }

    QString file(const QString& name) const { return folder->filePath(name); }
    QStringList projectFolderFiles() const { return QDir(folder->path()).entryList(QDir::Files, QDir::Name); }
    // What the runs left in their private folders' parent: nothing, once each run is over.
    QStringList workEntries() const { return QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }

    std::unique_ptr<ProjectFolder> folder;
    std::unique_ptr<TMainForm> form;
    QTemporaryDir work;
    QStringList loads;
    std::function<void()> duringLoad;
};

}  // namespace quarlo::test
