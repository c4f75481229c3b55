#include "game/random_source.h"

#include <chrono>

ClockRandomSource::ClockRandomSource() : processKey_(std::random_device{}()) {
    reseed();
}

void ClockRandomSource::reseed() {
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32),
                       ++reseeds_, processKey_};
    engine_.seed(seed);
}

float ClockRandomSource::next() {
    return toUnitInterval(engine_());
}

float ClockRandomSource::toUnitInterval(Engine::result_type bits) {
    static_assert(Engine::min() == 0 && Engine::max() == ~std::uint64_t{0});
    return static_cast<float>(bits >> 40) * 0x1p-24f;
}
