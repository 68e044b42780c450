// Tests of code-page-932 text: under Wine they run against the system's own
// functions, which follow the code page that LANG chose.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#define REQUIRE_CP932() \
    if (::GetACP() != 932) \
    GTEST_SKIP() << "needs the Japanese code page"
#else
#define REQUIRE_CP932()
#endif
