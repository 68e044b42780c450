// The benchmarks' clock: the best of several runs, in milliseconds.
#pragma once

#include <algorithm>
#include <chrono>

inline double Milliseconds(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The best of runs timings of f.
template <class F> double Best(int runs, F f)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        best = std::min(best, Milliseconds(std::chrono::steady_clock::now() - start));
    }
    return best;
}
