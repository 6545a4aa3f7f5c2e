// Counts of durations in whole units (microseconds, milliseconds), for
// figures such as p50, p99 and the maximum. Recording is one increment: no
// lock, no allocation, safe in a hook procedure. One thread records; the
// figures are read once it has stopped.
#pragma once

#include <array>
#include <cstdint>

namespace lumo {

class LatencyHistogram {
public:
    static constexpr std::uint32_t kBuckets = 1024;  // the last one holds everything longer

    void record(std::uint32_t units) {
        ++counts_[units < kBuckets ? units : kBuckets - 1];
        if (units > max_) max_ = units;
        ++total_;
    }
    std::uint64_t total() const { return total_; }
    std::uint32_t max() const { return max_; }
    // The smallest duration at least `percent` of the records do not exceed.
    std::uint32_t percentile(unsigned percent) const {
        const std::uint64_t wanted = (total_ * percent + 99) / 100;
        std::uint64_t seen = 0;
        for (std::uint32_t i = 0; i < kBuckets; ++i) {
            seen += counts_[i];
            if (seen >= wanted && seen > 0) return i < kBuckets - 1 ? i : max_;
        }
        return 0;
    }

private:
    std::array<std::uint32_t, kBuckets> counts_{};
    std::uint32_t max_ = 0;
    std::uint64_t total_ = 0;
};

}  // namespace lumo
