#include "FileCommandRules.h"

#include <cctype>

#include "ProgramData.h"
#include "ProjectFileNames.h"

namespace quarlo {

namespace {

constexpr std::string::size_type kOldExtensionLength = 4;  // ".qvd"

bool HasCurrentExtension(const std::string& fileName)
{
    static const std::string extension = ".qv3d";
    if (fileName.size() < extension.size())
        return false;
    for (std::string::size_type i = 0; i < extension.size(); ++i) {
        const char c = fileName[fileName.size() - extension.size() + i];
        if (std::tolower(static_cast<unsigned char>(c)) != extension[i])
            return false;
    }
    return true;
}

}  // namespace

std::string SaveAsTitle(const std::string& fileName)
{
    return "Save " + DisplayName(fileName) + " As";
}

std::string CurrentFormatFileName(const std::string& fileName)
{
    if (!TProgramData::IsOldFormatName(fileName))
        return fileName;
    return fileName.substr(0, fileName.size() - kOldExtensionLength) + ".qv3d";
}

bool OpensInCurrentFormat(const std::string& fileName)
{
    return !TProgramData::IsOldFormatName(fileName);
}

bool OpensInCurrentFormat(const std::string& fileName, bool oldFormatChosen)
{
    if (TProgramData::IsOldFormatName(fileName))
        return false;
    return HasCurrentExtension(fileName) || !oldFormatChosen;
}

}  // namespace quarlo
