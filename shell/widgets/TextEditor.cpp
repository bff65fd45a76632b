#include "TextEditor.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "Messages.h"

namespace quarlo {

bool OpenInTextEditor(const QString& editorPath, const QString& fileName)
{
    if (editorPath.isEmpty())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
    return QProcess::startDetached(editorPath, {fileName});
}

void EditInTextEditor(QWidget* parent, const QString& editorPath, const QString& fileName)
{
    if (!OpenInTextEditor(editorPath, fileName))
        ShowInformation(parent, QStringLiteral("An error occurred in running the Word Processor"));
}

}  // namespace quarlo
