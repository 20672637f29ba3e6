#pragma once

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "ui/ports.h"

// The --random source: the numbers of a file, in order, each rounded to single precision.
namespace vekselgrad::script {

class RandomExhausted : public std::runtime_error {
public:
    RandomExhausted() : std::runtime_error("the --random numbers ran out") {}
};

class RandomFile : public RandomSource {
public:
    // Reads the whole file; a word that is not a decimal number in [0, 1) is a ScriptError.
    explicit RandomFile(const std::filesystem::path& file);

    float next() override;
    void seedFromClock() override {}

private:
    std::vector<float> numbers_;
    std::size_t position_ = 0;
};

}  // namespace vekselgrad::script
