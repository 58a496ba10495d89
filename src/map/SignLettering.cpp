#include "map/SignLettering.h"

SignLettering SignLettering::For(const Bindings& bindings)
{
    SignLettering lettering;
    for (int sign = 0; sign < signsheet::kSigns; ++sign) {
        const auto s = static_cast<size_t>(sign);
        for (size_t cap = 0; cap < 2; ++cap) {
            const signsheet::CapSpot& spot = signsheet::kCaps[s][cap];
            if (spot.width <= 0.0f) continue;
            lettering.names[s][cap] = FirstKeyLabel(bindings, spot.action, true);
            if (!KeysAtDefaults(bindings, {spot.action})) lettering.lettered[s] = true;
        }
    }
    return lettering;
}
