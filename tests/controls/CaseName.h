#pragma once

#include <string>

#include <gtest/gtest.h>

namespace quarlo {

// Names each instance of a table test after its case's `name` field.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return std::string(info.param.name);
    }
};

}  // namespace quarlo
