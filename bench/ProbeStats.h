#pragma once
#include <cstddef>
#include <vector>

// How a set of measured values spreads: p50 and p99 by nearest rank (the
// smallest value that at least that share of the values does not exceed),
// and the largest. All zero for no values.
struct Spread {
    size_t count = 0;
    double p50 = 0;
    double p99 = 0;
    double max = 0;
};

Spread SpreadOf(std::vector<double> values);

// The middle value (the mean of the two middle ones for an even count);
// 0 for no values.
double Median(std::vector<double> values);
