#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace quarlo {

struct ChosenFile {
    QString path;
    int typeIndex = 0;   // the type the dialog showed when the user accepted
};

// The save dialog of the plot commands: the file types of `filters` ("Bitmap (*.bmp)") to
// choose from, the first shown first, and `proposed` as the file (ProposedSavePath). The
// dialog asks before it lets an existing file be replaced; a caller that then adds an
// extension asks again (MayReplace). None when the user cancels.
std::optional<ChosenFile> AskSaveFile(QWidget* parent, const QString& caption, const QString& proposed,
                                      const QStringList& filters);

// Whether `path` may be written when it is not the name the dialog confirmed (an extension
// was added afterwards): yes when no such file exists or the user agrees to replace it.
bool MayReplace(QWidget* parent, const QString& path);

}  // namespace quarlo
