#include "bench/harness.h"

#include <algorithm>
#include <cstdio>

namespace bench {

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

namespace {

// times[case][contender][round]
using Times = std::vector<std::vector<std::vector<double>>>;

void PrintTable(const std::vector<Case>& cases, const Times& times, int rounds) {
    const auto& names = cases.front().contenders;
    std::printf("\nmedians of %d interleaved rounds\n%-12s", rounds, "case");
    for (const auto& c : names) std::printf(" %12s", (c.name + " ms").c_str());
    for (std::size_t k = 1; k < names.size(); ++k) {
        std::printf(" %12s", (names[0].name + "/" + names[k].name).c_str());
    }
    std::printf("\n");
    for (std::size_t i = 0; i < cases.size(); ++i) {
        std::printf("%-12s", cases[i].name.c_str());
        for (const auto& t : times[i]) std::printf(" %12.3f", Median(t));
        for (std::size_t k = 1; k < times[i].size(); ++k) {
            std::vector<double> ratios;
            for (int r = 0; r < rounds; ++r) ratios.push_back(times[i][0][r] / times[i][k][r]);
            std::printf(" %12.2f", Median(ratios));
        }
        std::printf("\n");
    }
}

}  // namespace

void RunInterleaved(const std::vector<Case>& cases, int rounds) {
    if (cases.empty() || rounds < 1) return;
    Times times(cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) times[i].resize(cases[i].contenders.size());
    for (int r = 0; r < rounds; ++r) {
        for (std::size_t i = 0; i < cases.size(); ++i) {
            for (std::size_t k = 0; k < cases[i].contenders.size(); ++k) {
                times[i][k].push_back(cases[i].contenders[k].trial());
            }
        }
        std::fprintf(stderr, "\rround %d of %d", r + 1, rounds);
    }
    std::fprintf(stderr, "\n");
    PrintTable(cases, times, rounds);
}

}  // namespace bench
