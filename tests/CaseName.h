#pragma once

#include <gtest/gtest.h>
#include <string>

// Names each case of a parameterised test after its `name` field, so that a
// failure says which row of the table broke.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};
