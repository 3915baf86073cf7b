// The cache of recently constructed states. Constructing a state may run a
// search; a caller that reads many properties of one state pays for it once.
// It holds at most 101 states and is emptied whole when that count is reached:
// there is no eviction order to maintain. States are kept in the order they
// were made and found through a small open-addressing hash index, so that an
// insertion moves nothing. Each thread has its own cache, so
// concurrent callers never share one and no lock is needed.
#ifndef HYGRA_API_STATE_CACHE_H
#define HYGRA_API_STATE_CACHE_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "ashrae97/moist_air.h"

namespace hygra {

// (state type, ((first input, second input), pressure in Pa)), inputs already in
// internal units and in the caller's order. Compared lexicographically and
// exactly, without tolerance.
using state_key = std::pair<int, std::pair<std::pair<double, double>, double>>;

class state_cache {
public:
    static constexpr std::size_t capacity = 101;

    state_cache();

    // The state for key: from the cache, or constructed and inserted. A cache
    // that already holds `capacity` entries is emptied first and not searched.
    // A construction that throws inserts nothing. A key holding a NaN is
    // constructed every time and never inserted: NaN has no place in an
    // ordering, and a look-up with it could return an unrelated state.
    ashrae97::moist_air get(const state_key& key);

    std::size_t size() const { return m_entries.size(); }
    void clear();
    // Number of states constructed through this cache since it was made.
    unsigned long constructions() const { return m_constructions; }

private:
    // Slots of the hash index, a power of two well above the capacity so that
    // probe chains stay short.
    static constexpr std::size_t index_size = 256;
    static_assert(capacity < index_size && index_size <= 256, "a slot holds a position of one byte");

    std::size_t slot_of(const state_key& key) const;

    // In order of construction; its storage is reserved once, so the evaluation
    // path never allocates.
    std::vector<std::pair<state_key, ashrae97::moist_air>> m_entries;
    // For each slot, 1 + the position of its entry in m_entries, or 0 when free.
    std::array<std::uint8_t, index_size> m_index{};
    unsigned long m_constructions = 0;
};

// The calling thread's cache.
state_cache& cache();

}  // namespace hygra

#endif
