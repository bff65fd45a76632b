#include "TableFileViewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace quarlo {

namespace {

FileViewer& viewer()
{
    static FileViewer current;
    return current;
}

}  // namespace

void SetTableFileViewer(FileViewer fileViewer)
{
    viewer() = std::move(fileViewer);
}

bool ViewTableFile(const QString& path)
{
    if (viewer())
        return viewer()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace quarlo
