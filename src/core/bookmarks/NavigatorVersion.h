// Where Netscape Navigator keeps its current profile, by installed version:
// 4.0 to 4.4x in the Windows registry, 4.5 and later in "nsreg.dat",
// earlier versions nowhere.
#pragma once

#include <cstddef>

enum ProfilePlace { PROFILE_NONE, PROFILE_REGISTRY, PROFILE_NSREG };

// value is the registry's "CurrentVersion" as returned, length bytes long
// (not necessarily NUL-terminated): the major number is the run of digits
// at its start, the minor digit the character one past the one that ended
// it (the separator is stepped over unread), 0 unless that is a digit.
void ParseNavigatorVersion(const char *value, size_t length, int &major, int &minor);

ProfilePlace ProfilePlaceForVersion(const char *value, size_t length);
