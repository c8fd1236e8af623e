#include "Resource/IndexsPlan.h"

IndexsPlan::IndexsPlan(int baseId, int idRange) : m_block(baseId, idRange), m_idRange(idRange), m_stored(baseId, idRange) {}

IndexsPlan::Listed IndexsPlan::Add(int number, int storedId) {
    if (Seen(number)) return Listed::Repeated;
    Entry entry;
    entry.number = number;
    entry.storedId = storedId;
    if (m_stored.Take(storedId)) {
        entry.id = storedId;
    } else {
        if (m_block.Contains(storedId)) {
            entry.change = Change::Taken;
            entry.id = storedId;
        } else {
            if (number <= 0 || number >= m_idRange) return Refuse(number, Listed::PassedOver);
            entry.change = Change::OutsideBlock;
            entry.id = m_block.First() + number;
        }
        // Items that need another ID share the free ones in list order; once as many wait as the block has
        // IDs, no later one can get any.
        if (m_others >= static_cast<size_t>(m_idRange)) {
            ++m_overflow;
            return Refuse(number, Listed::BlockFull);
        }
        ++m_others;
    }
    m_numbers.insert(number);
    m_entries.push_back(entry);
    return Listed::New;
}

IndexsPlan::Listed IndexsPlan::Refuse(int number, Listed why) {
    if (m_refused.size() < kRefusedRemembered) m_refused.insert(number);
    return why;
}

void IndexsPlan::Assign() {
    IdBlock held = m_block;
    for (const Entry& e : m_entries)
        if (e.change == Change::None) held.Take(e.id);
    for (Entry& e : m_entries) {
        if (e.change == Change::None) continue;
        if (held.Take(e.id)) continue;
        const int next = held.NextFreeAfter(e.id);
        if (next != 0 && held.Take(next)) {
            e.id = next;
        } else {
            e.id = 0;
            e.change = Change::PassedOver;
        }
    }
}
