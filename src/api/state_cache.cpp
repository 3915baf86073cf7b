#include "api/state_cache.h"

#include <algorithm>
#include <cmath>

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

bool key_less(const std::pair<state_key, ashrae97::moist_air>& entry, const state_key& key)
{
    return entry.first < key;
}

}  // namespace

state_cache::state_cache() { m_entries.reserve(capacity); }

ashrae97::moist_air state_cache::get(const state_key& key)
{
    bool full = m_entries.size() >= capacity;
    if (full)
        m_entries.clear();
    if (has_nan(key)) {
        ++m_constructions;
        return construct(key);
    }
    auto at = std::lower_bound(m_entries.begin(), m_entries.end(), key, key_less);
    if (!full && at != m_entries.end() && !(key < at->first))
        return at->second;
    ++m_constructions;
    ashrae97::moist_air state = construct(key);
    m_entries.emplace(at, key, state);
    return state;
}

state_cache& cache()
{
    thread_local state_cache per_thread;
    return per_thread;
}

}  // namespace hygra
