#include "club/Units.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Units, EveryDistanceRoundTripsBothWays) {
    for (std::int32_t yards = 0; yards <= 1000; ++yards) {
        const std::int32_t metres = ShownDistance(yards, DistanceUnit::Metres);
        EXPECT_EQ(metres, std::lround(yards * 0.9144)) << yards;
        EXPECT_EQ(StoredDistance(metres, DistanceUnit::Metres, yards), yards)
            << "shown and taken back unchanged keeps " << yards << " yd";
        EXPECT_EQ(StoredDistance(yards, DistanceUnit::Yards, 7), yards);
    }
    for (std::int32_t metres = 0; metres <= 914; ++metres) {
        const std::int32_t yards = StoredDistance(metres, DistanceUnit::Metres, -1);
        EXPECT_EQ(yards, std::lround(metres / 0.9144)) << metres;
        EXPECT_EQ(ShownDistance(yards, DistanceUnit::Metres), metres)
            << "a typed " << metres << " m shows again as typed";
    }
    EXPECT_EQ(ShownDistance(150, DistanceUnit::Metres), 137);
    EXPECT_EQ(ShownDistance(50, DistanceUnit::Metres), 46);
    EXPECT_EQ(ShownDistance(1000, DistanceUnit::Metres), 914);
}

TEST(Units, TheConditionsShowInMetricUnitsAndKeepWhatIsStored) {
    struct Case {
        Quantity quantity;
        std::int32_t stored;
        std::int32_t shown;
    };
    const Case cases[] = {
        {Quantity::Speed, 10, 16},        {Quantity::Speed, 40, 64},
        {Quantity::Temperature, 70, 21},  {Quantity::Temperature, -4, -20},
        {Quantity::Temperature, 113, 45}, {Quantity::Height, 300, 91},
        {Quantity::Height, -300, -91},    {Quantity::Height, 12000, 3658},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShownQuantity(c.quantity, c.stored, DistanceUnit::Metres), c.shown);
        EXPECT_EQ(StoredQuantity(c.quantity, c.shown, DistanceUnit::Metres, c.stored), c.stored);
        EXPECT_EQ(ShownQuantity(c.quantity, c.stored, DistanceUnit::Yards), c.stored);
    }
    // A metric value typed anew is stored as the nearest whole stored unit.
    EXPECT_EQ(StoredQuantity(Quantity::Speed, 20, DistanceUnit::Metres, 0), 12);
    EXPECT_EQ(StoredQuantity(Quantity::Temperature, 0, DistanceUnit::Metres, 70), 32);
    EXPECT_EQ(StoredQuantity(Quantity::Height, 10, DistanceUnit::Metres, 0), 33);
}
