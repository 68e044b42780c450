// A fuzz target's assertion: a broken rule ends the run, so that libFuzzer
// keeps the input that broke it.
#pragma once

#include <cstdlib>

inline void Check(bool condition)
{
    if (!condition)
        std::abort();
}
