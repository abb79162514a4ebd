#pragma once
// The modes of quillstep_bench. Each makes its cases, set up and checked, for the harness.

#include <vector>

#include "bench/harness.h"

namespace bench {

// Whole divisions as the user waits for them, against the least drawing that shows the same.
std::vector<Case> DivisionCases();
// Start-up until the worksheet is first painted, against a bare window.
std::vector<Case> StartupCases();

}  // namespace bench
