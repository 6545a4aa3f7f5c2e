// Counts of durations in whole units (microseconds, milliseconds), for
// figures such as p50, p99 and the maximum. Recording is a few relaxed atomic
// increments: no lock, no allocation, safe in a hook procedure. One thread
// records; any thread may read the figures meanwhile (each a moment's count).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace lumo {

class LatencyHistogram {
public:
    // Enough for the hook's microseconds (its target is 100) and the dispatch
    // delay's milliseconds; the last one holds everything longer, the maximum
    // is kept apart.
    static constexpr std::uint32_t kBuckets = 256;

    void record(std::uint32_t units) {
        counts_[units < kBuckets ? units : kBuckets - 1].fetch_add(1, std::memory_order_relaxed);
        if (units > max_.load(std::memory_order_relaxed)) max_.store(units, std::memory_order_relaxed);
        total_.fetch_add(1, std::memory_order_relaxed);
    }
    std::uint64_t total() const { return total_.load(std::memory_order_relaxed); }
    std::uint32_t max() const { return max_.load(std::memory_order_relaxed); }
    // The smallest duration at least `percent` of the records do not exceed.
    std::uint32_t percentile(unsigned percent) const {
        const std::uint64_t wanted = (total() * percent + 99) / 100;
        std::uint64_t seen = 0;
        for (std::uint32_t i = 0; i < kBuckets; ++i) {
            seen += counts_[i].load(std::memory_order_relaxed);
            if (seen >= wanted && seen > 0) return i < kBuckets - 1 ? i : max();
        }
        return 0;
    }

private:
    std::array<std::atomic<std::uint32_t>, kBuckets> counts_{};
    std::atomic<std::uint32_t> max_{0};
    std::atomic<std::uint64_t> total_{0};
};

}  // namespace lumo
