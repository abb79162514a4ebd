#pragma once
// The program as the benchmarks drive it, in the one runtime of the benchmark binary.

namespace worksheet {
class Window1;
}

namespace benchprogram {

// The worksheet of the running program, started offscreen when it is not running.
worksheet::Window1& Worksheet();
// Closes every window and releases what start-up made, as at the end of a run.
void TearDown();

}  // namespace benchprogram
