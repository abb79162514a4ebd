#pragma once
// A small benchmark harness that interleaves what it compares: each round runs every case's
// contenders once, in turn (case A's program, its references, then case B's ...), so that
// whatever drifts on the machine during a run (clock speed, caches, other load) falls on all of
// them alike. Per case it prints the median of each contender and the median of the per-round
// ratios of the program to each reference.

#include <functional>
#include <string>
#include <vector>

namespace bench {

// One timed trial; returns the milliseconds it measured.
using Trial = std::function<double()>;

struct Contender {
    std::string name;
    Trial trial;
};

// The program first, then the references it is compared with; every case of a run has the
// same contenders in the same order.
struct Case {
    std::string name;
    std::vector<Contender> contenders;
};

void RunInterleaved(const std::vector<Case>& cases, int rounds);

double Median(std::vector<double> values);

}  // namespace bench
