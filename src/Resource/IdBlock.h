#pragma once
// The IDs of one collection's block and which of them are held, for numbering loaded items so that no two
// share an ID (two records under one ID would be saved under one key prefix and merge).

#include <vector>

class IdBlock {
public:
    IdBlock(int baseId, int idRange) : m_base(baseId), m_held(idRange > 0 ? static_cast<size_t>(idRange) : 0, false) {}

    bool Contains(int id) const { return id >= m_base && id - m_base < static_cast<int>(m_held.size()); }
    bool IsHeld(int id) const { return Contains(id) && m_held[static_cast<size_t>(id - m_base)]; }
    // False when the ID is outside the block or held already.
    bool Take(int id) {
        if (!Contains(id) || IsHeld(id)) return false;
        m_held[static_cast<size_t>(id - m_base)] = true;
        return true;
    }
    // The first free ID after `id`, else the first free one from the start of the block; new items are
    // numbered from BaseId + 1, so BaseId itself is never handed out. 0 when every ID is held.
    int NextFreeAfter(int id) const {
        const int end = m_base + static_cast<int>(m_held.size());
        for (int candidate = Contains(id) ? id + 1 : end; candidate < end; ++candidate)
            if (!IsHeld(candidate)) return candidate;
        for (int candidate = m_base + 1; candidate < end; ++candidate)
            if (!IsHeld(candidate)) return candidate;
        return 0;
    }
    int First() const { return m_base; }
    int Last() const { return m_base + static_cast<int>(m_held.size()) - 1; }

private:
    int m_base;
    std::vector<bool> m_held;
};
