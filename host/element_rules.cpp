#include "host/element_rules.h"

#include <cmath>
#include <numbers>

namespace drennomar::host {

double WrapDegrees180(double angle) {
    double a = std::fmod(angle, 360.0);
    if (a > 180.0) a -= 360.0;
    if (a <= -180.0) a += 360.0;
    return a;
}

namespace {

double Direction(const Nonlinearity& entry, PIXPOINT pivot) {
    double dx = static_cast<double>(entry.point.x) - pivot.x;
    double dy = static_cast<double>(entry.point.y) - pivot.y;
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

}  // namespace

double NonlinearityAngle(const Nonlinearity* table, UINT32 count, PIXPOINT pivot, double value) {
    double angle = Direction(table[0], pivot);
    if (!(value > table[0].value)) return angle;  // NaN lands here too
    for (UINT32 i = 0; i + 1 < count; ++i) {
        const Nonlinearity& lo = table[i];
        const Nonlinearity& hi = table[i + 1];
        double step            = WrapDegrees180(Direction(hi, pivot) - Direction(lo, pivot));
        if (value < hi.value) {
            double span = hi.value - lo.value;
            double t    = span > 0.0 ? (value - lo.value) / span : 0.0;
            return angle + t * step;
        }
        angle += step;
    }
    return angle;
}

double TurnNeedle(double current, double target, double max_deg_per_update) {
    if (!std::isfinite(target)) return current;
    if (!(max_deg_per_update > 0.0) || !std::isfinite(max_deg_per_update)) return target;
    double diff = WrapDegrees180(target - current);
    if (std::fabs(diff) <= max_deg_per_update) return target;
    return current + std::copysign(max_deg_per_update, diff);
}

int IconImageIndex(double value, SINT32 picture_count) {
    if (picture_count <= 1 || !(value >= 1.0)) return 0;  // NaN and below 1 show the first
    double last = static_cast<double>(picture_count - 1);
    return value >= last ? picture_count - 1 : static_cast<int>(value);
}

}  // namespace drennomar::host
