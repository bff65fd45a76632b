#include "RunMessages.h"

namespace quarlo {

std::string WithReason(const std::string& message, const std::string& reason) {
    return reason.empty() ? message : message + "\r" + reason;
}

std::string StaleOutputMessage(const std::string& file, const std::string& reason) {
    return WithReason("The analysis was not run: the file " + file +
                          " of an earlier run cannot be removed, and its results could not be told from "
                          "those of this run.",
                      reason);
}

}  // namespace quarlo
