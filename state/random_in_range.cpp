#include "state/random_in_range.h"

#include <ctime>

#include "state/module_state.h"

namespace drennomar {
namespace random_source {
namespace {

// The generator's state. It plays the part of the C runtime's own hidden
// state behind rand, so it sits here rather than in the module state block.
// A 32-bit word gives the same sequence whatever the width of `long`.
std::uint32_t gNext = 1;

}  // namespace

void Seed(std::uint32_t seed) { gNext = seed; }

// The portable linear congruential generator of the C standard's own rand
// example. It keeps to 0..32767 on every platform, where a runtime's rand may
// reach far beyond (2147483647 with glibc) and would throw RandomInRange
// outside its bounds.
int Next() {
    gNext = gNext * 1103515245u + 12345u;
    return static_cast<int>((gNext / 65536u) % 32768u);
}

}  // namespace random_source

double RandomInRange(double a, double b) {
    if (gModuleState.RandomSeeded == 0) {
        random_source::Seed(static_cast<std::uint32_t>(std::time(nullptr)));
        gModuleState.RandomSeeded = 1;
    }
    return random_source::Scale(a, b, random_source::Next());
}

}  // namespace drennomar
