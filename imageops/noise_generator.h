#pragma once

#include <cstdint>

namespace daub {

// The noise spray's random numbers: a linear congruential generator with fixed constants,
// starting from 1, so the noise pattern is the same in every run. The main window keeps the
// one instance and nothing else draws from it.
class NoiseGenerator {
  public:
    // The next value, 0 to 32767.
    int Next() {
        state_ = state_ * 214013u + 2531011u;  // modulo 2^32 by the unsigned wrap
        return static_cast<int>((state_ >> 16) & 0x7FFF);
    }

    std::uint32_t State() const { return state_; }
    void Restore(std::uint32_t state) { state_ = state; }

  private:
    std::uint32_t state_ = 1;
};

}  // namespace daub
