#include "HelpUrls.h"

namespace quarlo {

namespace {

const QString kScheme = QStringLiteral("qrc");
const QString kRoot = QStringLiteral("/help/");

}  // namespace

QUrl HelpUrl(const QString& pathAndAnchor)
{
    return QUrl(kScheme + QLatin1Char(':') + kRoot + pathAndAnchor);
}

QString HelpPath(const QUrl& url)
{
    if (url.scheme() != kScheme || !url.path().startsWith(kRoot))
        return {};
    return url.path().mid(kRoot.size());
}

}  // namespace quarlo
