// The module's random source: a uniform real between two bounds, drawn from
// a generator of our own that yields 0 to 32767 on every platform and seeds
// itself from the calendar time on first use.
#pragma once

#include <cstdint>

namespace drennomar {

/// A pseudo-random real from a to b inclusive: a + (r / 32767) x (b - a) with
/// r drawn from 0 to 32767. The first call from anywhere seeds the generator
/// from time(NULL) and sets RandomSeeded in the module state.
double RandomInRange(double a, double b);

namespace random_source {

/// The largest value Next() gives.
inline constexpr int kRandomMax = 32767;

/// Restarts the generator's sequence from `seed`, as srand would. Does not
/// touch RandomSeeded: a test that sets RandomSeeded to 1 and seeds here
/// gets the same draws on every run.
void Seed(std::uint32_t seed);

/// The next integer of the sequence, 0 to 32767 inclusive.
int Next();

/// The value RandomInRange gives for the integer r.
constexpr double Scale(double a, double b, int r) {
    return a + (r / static_cast<double>(kRandomMax)) * (b - a);
}

}  // namespace random_source
}  // namespace drennomar
