// The settings file as the tests see it: the real "Orvanta.ini" of the
// program (in the Windows directory under Wine, in a private temporary
// folder natively), read and written as raw bytes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

std::string IniPath();
bool IniExists();
void RemoveIni();
void WriteIniText(const std::string &text);
std::string ReadIniText();
// A value through the private-profile functions; "<missing>" when absent.
std::string ReadIniValue(const char *section, const char *key);

// The key names of one section in file order, taken from the raw text.
std::vector<std::string> KeysInOrder(const std::string &text, const std::string &section);
// The section names in file order.
std::vector<std::string> SectionsInOrder(const std::string &text);

// Every test starts without a settings file and leaves none behind.
class IniTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { RemoveIni(); }
};
