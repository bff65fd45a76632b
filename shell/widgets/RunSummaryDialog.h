#pragma once

#include <QDialog>

namespace quarlo {

struct RunSummaryContent;

// What a run gave, shown as soon as the engine has returned so the engineer cannot miss a
// run that stopped or a note: the status and what it means, whether the graphs show this
// run, every run note and, for a down-drag run, the neutral plane and drag load of each row.
// Modal, like the message it replaces; Open Report closes it and leaves the report to the
// caller, which may open it inside the main window.
class RunSummaryDialog : public QDialog {
    Q_OBJECT
public:
    // The exec() result of the Open Report button; Close gives Rejected.
    static constexpr int kOpenReport = 2;

    RunSummaryDialog(const RunSummaryContent& content, const QString& projectName, bool reportExists,
                     QWidget* parent = nullptr);

private:
    void addHeading(const RunSummaryContent& content);
    void addNotes(const RunSummaryContent& content, int dialogWidth);
    void addDownDrag(const RunSummaryContent& content);
    void addButtons(bool reportExists);
};

}  // namespace quarlo
