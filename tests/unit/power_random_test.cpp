// The module's random source: the formula at both ends and the generator's
// range, which must not depend on the platform's own rand.
#include <gtest/gtest.h>

#include "state/module_state.h"
#include "state/random_in_range.h"
#include "tests/support/test_panel.h"

namespace drennomar {
namespace {

TEST(RandomInRange, ScaleReachesBothEnds) {
    struct Case {
        const char* label;
        int r;
        double expected;
    } cases[] = {
        {"r = 0 gives a", 0, -5.0},
        {"r = 32767 gives b", 32767, 5.0},
        {"r = 16384 misses 0", 16384, 0.000152592547},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_NEAR(random_source::Scale(-5.0, 5.0, c.r), c.expected, 1e-12);
    }
    EXPECT_EQ(random_source::Scale(-5.0, 5.0, 0), -5.0);
    EXPECT_EQ(random_source::Scale(-5.0, 5.0, 32767), 5.0);
}

TEST(RandomInRange, GeneratorYieldsExactlyZeroTo32767) {
    random_source::Seed(1u);
    int low = 32767, high = 0;
    for (int i = 0; i < 1 << 20; ++i) {
        const int r = random_source::Next();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
        low  = std::min(low, r);
        high = std::max(high, r);
    }
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 32767);
}

TEST(RandomInRange, SameSeedSameSequence) {
    random_source::Seed(42u);
    const int a[] = {random_source::Next(), random_source::Next(), random_source::Next()};
    random_source::Seed(42u);
    const int b[] = {random_source::Next(), random_source::Next(), random_source::Next()};
    EXPECT_EQ(std::vector<int>(std::begin(a), std::end(a)),
              std::vector<int>(std::begin(b), std::end(b)));
}

TEST(RandomInRange, SeedsOnceOnFirstUseAndStaysInRange) {
    test::TestPanel panel;  // module state as at load
    ASSERT_EQ(gModuleState.RandomSeeded, 0);
    for (int i = 0; i < 10000; ++i) {
        const double v = RandomInRange(0.003, 0.006);
        ASSERT_GE(v, 0.003);
        ASSERT_LE(v, 0.006);
    }
    EXPECT_EQ(gModuleState.RandomSeeded, 1);
    // Once seeded, a later call continues the sequence instead of reseeding.
    random_source::Seed(7u);
    const int next = random_source::Next();
    random_source::Seed(7u);
    EXPECT_EQ(RandomInRange(0.0, 32767.0), static_cast<double>(next));
}

}  // namespace
}  // namespace drennomar
