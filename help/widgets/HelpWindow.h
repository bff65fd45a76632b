#pragma once

#include <QMainWindow>
#include <QUrl>

#include <memory>

class QLineEdit;
class QPrinter;

namespace quarlo {

class HelpBrowser;
class HelpLibrary;

// The help window (object name "Help"): the manuals built into the program, with links between
// the pages, back, forward and the contents page, a find box for the page shown and a search
// of every page, printing and export to PDF.
//
// It is a window of its own beside the main window, not one of its child windows: the help
// belongs to no project, stays open while projects are opened and closed, and is read beside
// the data windows rather than over them.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Shows the page at `pathAndAnchor` ("technical/tz-qw-curves.md#t-z-curves").
    void Open(const QString& pathAndAnchor);
    // The help holds the page at `path`.
    bool HasPage(const QString& path) const;

    HelpBrowser& Browser() const { return *m_browser; }
    const HelpLibrary& Library() const { return *m_library; }

    void GoBack();
    void GoForward();
    void GoHome();
    // Prints the page shown; without a printer, offers a PDF file instead.
    void PrintPage();
    // Writes the page shown to a PDF file the user chooses.
    void ExportPdf();
    // Finds the text of the find box on the page shown, from the cursor on, starting again at
    // the other end when the page ends.
    void FindNext();
    void FindPrevious();
    // Lists the pages that hold the text of the find box.
    void SearchAllPages();

    QLineEdit& FindBox() const { return *m_findBox; }

private:
    void buildToolBar();
    void pageChanged(const QUrl& url);
    void find(bool backward);
    // Marks every match of the find box on the page and says how many there are.
    void markMatches();
    bool printOn(QPrinter& printer);
    QString pdfFileName() const;

    std::unique_ptr<HelpLibrary> m_library;
    HelpBrowser* m_browser = nullptr;
    QLineEdit* m_findBox = nullptr;
    QUrl m_previousPage;
};

}  // namespace quarlo
