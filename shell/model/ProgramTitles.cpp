#include "ProgramTitles.h"

#include "ProjectFileNames.h"

namespace quarlo {

std::string MainCaption(const std::string& projectFile) {
    return "QUARLO 2014.3.2 - " + DisplayName(projectFile);
}

}  // namespace quarlo
