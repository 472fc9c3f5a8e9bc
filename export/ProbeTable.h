#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vyr {

/// The slots of a power-of-two open-addressing table with linear probing: its size for a
/// number of entries at a chosen load, each key's home slot, and the steps from there. The
/// welded solid's tables (corners, edge owners, the closure check) share it; each keeps its
/// own arrays, so that it stores no more per slot than it reads.
class ProbeSlots {
  public:
    /// Room for `entries` with at least `spread` slots per entry (at least 16 slots).
    void size(size_t entries, size_t spread) {
        int bits = 4;
        while ((size_t(1) << bits) < spread * entries)
            ++bits;
        shift_ = 64 - bits;
        mask_ = (size_t(1) << bits) - 1;
    }
    size_t count() const { return mask_ + 1; }
    /// The home slot of a key: the top bits of its Fibonacci product, so that keys differing
    /// only in their low or high half still spread.
    size_t home(uint64_t key) const { return size_t((key * 0x9E3779B97F4A7C15ull) >> shift_); }
    size_t next(size_t slot) const { return (slot + 1) & mask_; }
    /// How many steps slot `to` lies after slot `from`, round the table.
    size_t distance(size_t from, size_t to) const { return (to - from) & mask_; }

  private:
    int shift_ = 60;
    size_t mask_ = 15;
};

/// Key -> value for 64-bit keys, with backward-shift deletion: no tombstones, and nothing
/// allocated per entry. Emptying it costs one byte per slot.
class ProbeMap {
  public:
    static constexpr uint32_t kNone = 0xFFFFFFFFu;

    /// Empties the table for at most `entries` entries at a time, a quarter full at most so
    /// that most probes end at the first slot.
    void reset(size_t entries) {
        slots_.size(entries, 4);
        used_.assign(slots_.count(), 0);
        // Only the free marks need clearing; keys and values are read behind a mark alone.
        if (keys_.size() < slots_.count()) {
            keys_.resize(slots_.count());
            values_.resize(slots_.count());
        }
    }

    void set(uint64_t key, uint32_t value) {
        size_t h = slots_.home(key);
        while (used_[h] & (keys_[h] != key))
            h = slots_.next(h);
        used_[h] = 1;
        keys_[h] = key;
        values_[h] = value;
    }

    /// The key's value, kNone when absent.
    uint32_t get(uint64_t key) const {
        for (size_t h = slots_.home(key); used_[h]; h = slots_.next(h)) {
            if (keys_[h] == key)
                return values_[h];
        }
        return kNone;
    }

    /// Removes the key if its value is `value`.
    void erase(uint64_t key, uint32_t value) {
        size_t i = slots_.home(key);
        for (; !used_[i] || keys_[i] != key; i = slots_.next(i)) {
            if (!used_[i])
                return;
        }
        if (values_[i] != value)
            return;
        // Pull later entries of the run back into the gap unless that would put them before
        // their home slot.
        for (size_t j = slots_.next(i); used_[j]; j = slots_.next(j)) {
            if (slots_.distance(slots_.home(keys_[j]), j) >= slots_.distance(i, j)) {
                keys_[i] = keys_[j];
                values_[i] = values_[j];
                i = j;
            }
        }
        used_[i] = 0;
    }

  private:
    ProbeSlots slots_;
    std::vector<uint8_t> used_;
    std::vector<uint64_t> keys_;
    std::vector<uint32_t> values_;
};

}  // namespace vyr
