#pragma once
// Decides, before any record is read, which numbers of a collection's "Indexs" list are loaded and under
// which IDs. Each number is loaded once however often it is listed. An item keeps the ID its keys store when
// that ID is in the block and no other item stores it; an item whose stored ID is outside the block takes
// BaseId + its number (it would otherwise be saved under a number nothing lists); an item whose ID another
// item holds takes the next free ID. An item that cannot be numbered is passed over without being read, and
// the plan never keeps more than the block can number, so a list of a million numbers costs a million
// look-ups and no more.

#include <cstddef>
#include <unordered_set>
#include <vector>

#include "Resource/IdBlock.h"

class IndexsPlan {
public:
    // Why an item got another ID than it stores, or none.
    enum class Change {
        None,
        OutsideBlock,  // its stored ID is outside the block: it takes BaseId + number (or the next free ID)
        Taken,         // another item stores its ID: it takes the next free ID
        PassedOver,    // no ID can be given to it
    };
    struct Entry {
        int number = 0;
        int storedId = 0;
        int id = 0;  // the ID the item loads under; 0 when passed over
        Change change = Change::None;
    };
    enum class Listed { New, Repeated, PassedOver, BlockFull };

    IndexsPlan(int baseId, int idRange);

    // Whether the number was kept already (a later listing of it is a repeat).
    // Numbers that were refused are remembered too, up to a bound, so that a repeat is not refused twice.
    bool Seen(int number) const { return m_numbers.count(number) != 0 || m_refused.count(number) != 0; }

    // A listed number and the ID its keys store. Repeated: listed before, nothing to do. PassedOver: the
    // stored ID and the number are both outside the block, so the item cannot be numbered. BlockFull: it
    // needs another ID and more items wait for one than the block has. Neither of the last two is kept.
    Listed Add(int number, int storedId);
    // Numbers the kept items (call once, after the last Add): stored IDs first, in list order; then the
    // others in list order. Entries that find no free ID are marked PassedOver.
    void Assign();

    const std::vector<Entry>& Entries() const { return m_entries; }
    // Items listed after the block could no longer number anything more: passed over without an entry.
    size_t Overflow() const { return m_overflow; }
    const IdBlock& Block() const { return m_block; }

private:
    static constexpr size_t kRefusedRemembered = 4096;
    Listed Refuse(int number, Listed why);

    IdBlock m_block;
    int m_idRange;
    std::vector<Entry> m_entries;
    std::unordered_set<int> m_numbers;  // of the kept entries
    std::unordered_set<int> m_refused;  // numbers passed over in Add, at most kRefusedRemembered
    IdBlock m_stored;                   // IDs stored by a kept entry that loads under its own ID
    size_t m_others = 0;                // kept entries that must take another ID
    size_t m_overflow = 0;
};
