#pragma once

#include <QTextBrowser>

namespace quarlo {

class HelpLibrary;

// Shows the pages of the help: each Markdown page is turned into HTML with its headings as
// anchors before it is shown, so that a link to "page.md#heading" lands on the heading; the
// contents and search pages are made when asked for. A link to a page the help does not hold
// shows a page that says so. Web addresses open in the desktop's browser.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(const HelpLibrary& library, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    QString pageHtml(const QUrl& url) const;

    const HelpLibrary& m_library;
};

}  // namespace quarlo
