#include "AddressRange.h"

#include <gtest/gtest.h>

TEST(AddressRange, ByProtocol)
{
    struct Case {
        int protocol, minimum, maximum, length;
    } cases[] = {
        {0, 1, 255, 3}, {5, 1, 255, 3}, {8, 1, 255, 3}, {1, 1, 99, 2},   {2, 1, 254, 3},   {3, 1, 999, 3},
        {9, 1, 999, 3}, {4, 1, 16384, 5}, {10, 1, 30, 3}, {12, 0, 31, 2}, {14, 0, 95, 2}, {6, 1, 255, 3},
        {11, 1, 255, 3}, {13, 1, 255, 3}, {-1, 1, 255, 3},
    };
    for (const Case& c : cases) {
        const AddressRange r = AddressRangeForProtocol(c.protocol);
        EXPECT_EQ(r.minimum, c.minimum) << c.protocol;
        EXPECT_EQ(r.maximum, c.maximum) << c.protocol;
        EXPECT_EQ(r.newAddressLength, c.length) << c.protocol;
    }
}

TEST(AddressRange, PresetListLengthByReceiverType)
{
    for (int rx = 0; rx <= 14; ++rx) {
        const bool all = rx == 5 || rx == 7 || rx == 8 || rx == 9 || rx == 11 || rx == 12 || rx == 13 || rx == 14;
        EXPECT_EQ(PresetListLength(rx), all ? 64 : 10) << rx;
    }
}
