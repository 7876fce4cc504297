#include "ProbeStats.h"

#include <gtest/gtest.h>
#include <numeric>

TEST(ProbeStats, SpreadByNearestRank)
{
    std::vector<double> hundred(100);
    std::iota(hundred.begin(), hundred.end(), 1.0); // 1 to 100
    std::vector<double> thousand(1000);
    std::iota(thousand.rbegin(), thousand.rend(), 1.0); // 1000 down to 1
    struct Case {
        const char* what;
        std::vector<double> values;
        size_t count;
        double p50, p99, max;
    } cases[] = {
        {"none", {}, 0, 0, 0, 0},
        {"one", {3.5}, 1, 3.5, 3.5, 3.5},
        {"two", {2, 1}, 2, 1, 2, 2},
        {"1 to 100", hundred, 100, 50, 99, 100},
        {"1000 to 1, unsorted", thousand, 1000, 500, 990, 1000},
        // One late value in a hundred is the p99; two are seen in it.
        {"one outlier", [] { std::vector<double> v(99, 0.2); v.push_back(9); return v; }(), 100, 0.2, 0.2, 9},
        {"two outliers", [] { std::vector<double> v(98, 0.2); v.push_back(9); v.push_back(7); return v; }(), 100, 0.2, 7, 9},
        {"negative deviations", {-0.5, -0.1, 0.3}, 3, -0.1, 0.3, 0.3},
    };
    for (const Case& c : cases) {
        const Spread s = SpreadOf(c.values);
        EXPECT_EQ(s.count, c.count) << c.what;
        EXPECT_DOUBLE_EQ(s.p50, c.p50) << c.what;
        EXPECT_DOUBLE_EQ(s.p99, c.p99) << c.what;
        EXPECT_DOUBLE_EQ(s.max, c.max) << c.what;
    }
}

TEST(ProbeStats, Median)
{
    struct Case {
        std::vector<double> values;
        double median;
    } cases[] = {
        {{}, 0}, {{4}, 4}, {{9, 1, 5}, 5}, {{139, 27, 33, 54}, 43.5}, {{1, 1, 100, 100}, 50.5},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(Median(c.values), c.median) << c.values.size();
}
