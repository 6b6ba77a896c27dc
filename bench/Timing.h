#pragma once
// The one clock and the one statistic of the benches: the median over rounds of the time per call.
#include <windows.h>

#include <algorithm>
#include <vector>

namespace quilnet::bench {

inline double NowMicroseconds() {
  LARGE_INTEGER t, f;
  QueryPerformanceCounter(&t);
  QueryPerformanceFrequency(&f);
  return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(f.QuadPart);
}

// Runs `work` `calls` times per round, `rounds` times, and gives the median microseconds of one call.
// Drawing is flushed inside the round, so GDI's batching is paid where it was incurred.
template <class F>
double MedianPerCall(int rounds, int calls, F&& work) {
  std::vector<double> times;
  for (int r = 0; r < rounds; ++r) {
    const double start = NowMicroseconds();
    for (int i = 0; i < calls; ++i) work();
    GdiFlush();
    times.push_back((NowMicroseconds() - start) / calls);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace quilnet::bench
