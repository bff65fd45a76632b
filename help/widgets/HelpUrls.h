#pragma once

#include <QString>
#include <QUrl>

namespace quarlo {

// Every page of the help is addressed as "qrc:/help/<path>", the path inside the help:
// "user/index.md", "technical/tz-qw-curves.md#t-z-curves", "contents.md". Links between the
// pages are relative, so they resolve against these addresses as written.
QUrl HelpUrl(const QString& pathAndAnchor);

// The path inside the help of a help address, without its anchor and query; empty for any
// other address.
QString HelpPath(const QUrl& url);

// The pages the Help menu opens.
inline const QString kHelpContentsPage = QStringLiteral("contents.md");
inline const QString kUsersManualPage = QStringLiteral("user/index.md");
inline const QString kTechnicalManualPage = QStringLiteral("technical/index.md");
// The results of a search of every page; the words searched are its query "q".
inline const QString kSearchResultsPage = QStringLiteral("search.md");

}  // namespace quarlo
