// The settings file as the tests and benchmarks see it: the real
// "Orvanta.ini" of the program (in the user's roaming application data
// under Wine, which the code in this process then uses too; in a private
// temporary folder natively), read and written as raw bytes.
#pragma once

#include <string>
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

// A settings file of one group, current, of entries "KIND URL", with these
// [Orvanta] options.
std::string GroupIni(const std::vector<std::string> &entries, const std::string &options);
