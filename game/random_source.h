#pragma once

#include <cstdint>
#include <random>

// The random source behind the deal. Tests replace it with constant or seeded sources.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a new sequence. The deal calls this before each of its six rows.
    virtual void reseed() = 0;
    // The next value r of the sequence, 0 <= r < 1.
    virtual float next() = 0;
};

// The program's source: a standard engine reseeded from the high-resolution clock.
// Reseeds come microseconds apart within one deal, so each seed also mixes in a counter
// that changes at every call and a per-process key from std::random_device, all through
// std::seed_seq: two reseeds never start the same sequence, even within one clock tick.
class ClockRandomSource final : public RandomSource {
public:
    // A 64-bit linear congruential engine (Knuth's MMIX constants). A deal reseeds six
    // times, so seeding must be cheap (mt19937 takes microseconds for it); only the top
    // bits of each output are used, and those are the well-mixed bits of such an engine.
    using Engine = std::linear_congruential_engine<std::uint64_t, 6364136223846793005u,
                                                   1442695040888963407u, 0u>;

    ClockRandomSource();
    void reseed() override;
    float next() override;

    // Maps an engine output to [0, 1) using its top 24 bits, which a float holds exactly:
    // the largest result is 1 - 2^-24, so 1.0 can never come out.
    static float toUnitInterval(Engine::result_type bits);

private:
    Engine engine_;
    std::uint32_t processKey_;
    std::uint32_t reseeds_ = 0;
};

// A repeatable source for tools, benchmarks and tests: the same seed gives the same deals.
// A reseed carries on with the sequence rather than restart it, so rows still differ.
class SeededRandomSource final : public RandomSource {
public:
    explicit SeededRandomSource(std::uint64_t seed) : engine_(seed) {}
    void reseed() override {}
    float next() override { return ClockRandomSource::toUnitInterval(engine_()); }

private:
    ClockRandomSource::Engine engine_;
};
