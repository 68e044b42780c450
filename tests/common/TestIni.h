// The settings file in GoogleTest tests: the helpers of drivers/IniFile.h
// and a fixture that starts and ends without one.
#pragma once

#include "IniFile.h"

#include <gtest/gtest.h>

// Every test starts without a settings file and leaves none behind.
class IniTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveIni(); }
    void TearDown() override { RemoveIni(); }
};
