#include "ProgramSettings.h"

#include <QSettings>

#include "ModelFileNames.h"
#include "RecentFiles.h"

namespace quarlo {

namespace {

const QString kEditorKey = QStringLiteral("Word Processor");

QString fileKey(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

// The settings of this version of the program, opened on its group.
class VersionSettings {
public:
    VersionSettings() : m_settings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication))
    {
        m_settings.beginGroup(QStringLiteral("2014.3.2"));
    }
    QSettings* operator->() { return &m_settings; }

private:
    QSettings m_settings;
};

}  // namespace

ProgramSettings ReadProgramSettings()
{
    VersionSettings settings;
    if (settings->status() != QSettings::NoError)
        return {};
    ProgramSettings read;
    read.editorPath = settings->value(kEditorKey).toString();
    for (int i = 0; i < RecentFiles::kCapacity; ++i)
        read.recentFiles.push_back(ModelFileName(settings->value(fileKey(i)).toString()));
    return read;
}

void WriteProgramSettings(const QString& editorPath, const RecentFiles& recentFiles)
{
    VersionSettings settings;
    settings->setValue(kEditorKey, editorPath);
    const std::vector<std::string> stored = recentFiles.Stored();
    for (int i = 0; i < RecentFiles::kCapacity; ++i)
        settings->setValue(fileKey(i), WindowFileName(stored[static_cast<std::size_t>(i)]));
    settings->sync();
}

}  // namespace quarlo
