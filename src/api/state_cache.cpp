#include "api/state_cache.h"

#include <cmath>
#include <cstring>

namespace hygra {

namespace {

bool has_nan(const state_key& key)
{
    return std::isnan(key.second.first.first) || std::isnan(key.second.first.second) ||
           std::isnan(key.second.second);
}

ashrae97::moist_air construct(const state_key& key)
{
    return ashrae97::moist_air(static_cast<ashrae97::moist_air::state_type>(key.first),
                               key.second.first.first, key.second.first.second,
                               key.second.second);
}

// The bits of a double, with -0.0 taken as 0.0 (they compare equal, so they
// must land in the same slot).
std::uint64_t bits_of(double x)
{
    x += 0.0;
    std::uint64_t u;
    std::memcpy(&u, &x, sizeof u);
    return u;
}

std::uint64_t mix(std::uint64_t h, std::uint64_t v)
{
    h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

}  // namespace

state_cache::state_cache() { m_entries.reserve(capacity); }

std::size_t state_cache::slot_of(const state_key& key) const
{
    std::uint64_t h = static_cast<std::uint64_t>(key.first);
    h = mix(h, bits_of(key.second.first.first));
    h = mix(h, bits_of(key.second.first.second));
    h = mix(h, bits_of(key.second.second));
    h *= 0xff51afd7ed558ccdULL;
    return static_cast<std::size_t>(h >> 56) & (index_size - 1);
}

void state_cache::clear()
{
    m_entries.clear();
    m_index.fill(0);
}

ashrae97::moist_air state_cache::get(const state_key& key)
{
    const bool full = m_entries.size() >= capacity;
    if (full)
        clear();
    if (has_nan(key)) {
        ++m_constructions;
        return construct(key);
    }
    // Linear probing: the key's chain ends at the first free slot.
    std::size_t slot = slot_of(key);
    for (; m_index[slot] != 0; slot = (slot + 1) & (index_size - 1)) {
        const auto& entry = m_entries[m_index[slot] - 1u];
        if (entry.first == key)
            return entry.second;
    }
    ++m_constructions;
    ashrae97::moist_air state = construct(key);
    m_entries.emplace_back(key, state);
    m_index[slot] = static_cast<std::uint8_t>(m_entries.size());
    return state;
}

state_cache& cache()
{
    thread_local state_cache per_thread;
    return per_thread;
}

}  // namespace hygra
