#include "club/PlaysLike.h"

#include <gtest/gtest.h>

TEST(PlaysLike, TurnsTheTargetIntoTheDistanceTheShotPlays) {
    struct Case {
        const char* what;
        Conditions conditions;
        std::int32_t target;
        std::int32_t playsLike;
    };
    const auto in = [](std::int32_t mph, bool into, std::int32_t f, std::int32_t slope,
                       std::int32_t altitude) {
        return Conditions{true, mph, into, f, slope, altitude};
    };
    const Case cases[] = {
        {"no conditions at all", in(0, true, 70, 0, 0), 150, 150},
        {"conditions not in use", Conditions{false, 40, true, -4, 300, 12000}, 150, 150},
        {"10 mph into the wind", in(10, true, 70, 0, 0), 150, 165},
        {"10 mph down wind", in(10, false, 70, 0, 0), 150, 143}, // 142.5
        {"40 degrees", in(0, true, 40, 0, 0), 150, 155},         // 154.5
        {"95 degrees", in(0, true, 95, 0, 0), 150, 146},         // 146.25
        {"a mile high", in(0, true, 70, 0, 5280), 150, 141},     // 141.34
        {"30 feet uphill", in(0, true, 70, 30, 0), 150, 160},
        {"30 feet downhill", in(0, true, 70, -30, 0), 150, 140},
        // 150 x 1.10 x 1.03 / 1.061248 + 10 = 170.14
        {"all together", in(10, true, 40, 30, 5280), 150, 170},
        {"far below, never under a yard", in(0, true, 70, -300, 0), 50, 1},
        {"the widest conditions", in(40, true, -4, 300, 12000), 1000, 1420},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaysLike(c.target, c.conditions), c.playsLike) << c.what;
    }
}
