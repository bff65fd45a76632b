#include "FileCommandRules.h"

#include "ProgramData.h"
#include "ProjectFileNames.h"

namespace quarlo {

namespace {

constexpr std::string::size_type kOldExtensionLength = 4;  // ".qvd"

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

}  // namespace quarlo
