#pragma once

#include <vector>

#include "game/random_source.h"

// Always returns the same value, so that a deal is known in advance; counts the calls so
// tests can see how the deal uses it.
class ConstantSource final : public RandomSource {
public:
    explicit ConstantSource(float value) : value_(value) {}
    void reseed() override { ++reseeds; }
    float next() override {
        ++draws;
        return value_;
    }
    int reseeds = 0;
    int draws = 0;

private:
    float value_;
};

// Wraps another source and records the values of each row (the values between reseeds).
class RecordingSource final : public RandomSource {
public:
    explicit RecordingSource(RandomSource& inner) : inner_(inner) {}
    void reseed() override {
        inner_.reseed();
        rows.emplace_back();
    }
    float next() override {
        const float value = inner_.next();
        rows.back().push_back(value);
        return value;
    }
    std::vector<std::vector<float>> rows;

private:
    RandomSource& inner_;
};
