#pragma once
// Read side of the configuration: the parsed text as a map from "[section]key" (lower case) to value.
// A package's configuration may hold millions of short lines, so the store is flat: the lower-cased keys and
// their values live in one character buffer and each entry holds 32-bit offsets into it. Entries are found
// through their group, "[section]" plus the item number that starts the key, each group with a small
// open-addressing table of its own: the loaders read one item's keys one after another, most of them misses,
// and those then search a few cache lines instead of the whole skin.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CCfgData {
public:
    virtual ~CCfgData() = default;

    // Adds the entries of the text; the first value of a repeated key wins. Entries that would not fit the
    // 32-bit offsets (more than 4 GiB of keys and values in all) are left out.
    void Parse(const char* text, size_t length);
    void Parse(std::string_view text) { Parse(text.data(), text.size()); }
    void Clear();

    std::string GetString(std::string_view section, std::string_view key, std::string_view def) const;
    int GetInt(std::string_view section, std::string_view key, int def) const;

    // Empty when missing; the view stays valid until the next Parse or Clear. `lowerTag` is "[section]"
    // already lower-cased; prefix and name are concatenated and lower-cased here.
    std::optional<std::string_view> Lookup(std::string_view lowerTag, std::string_view prefix,
                                           std::string_view name = {}) const;

    size_t Size() const { return m_entries.size(); }

private:
    // The key's text (lower case) is followed directly by the value's in m_text.
    struct Entry {
        uint32_t section;
        uint32_t key;
        uint32_t keyLength;
        uint32_t valueLength;
    };
    // A section tag ("[section]" lower-cased, or empty before the first one) in m_text.
    struct Section {
        uint32_t offset;
        uint32_t length;
    };
    // The hash beside the entry number lets a probe pass other keys without touching their entries.
    struct Slot {
        uint32_t hash;
        uint32_t entry;
    };
    // A group's text is the first `length` characters of its entry's tag + key; its keys' slots are
    // m_index[first .. first + mask], or, for a group of one key, that key is `entry` and first is kNoEntry.
    struct Group {
        uint32_t hash;
        uint32_t entry;
        uint32_t length;
        uint32_t first;
        uint32_t mask;
    };
    static constexpr uint32_t kNoEntry = UINT32_MAX;

    std::string_view TagOf(const Entry& e) const;
    std::string_view KeyOf(const Entry& e) const;
    // The slot of m_slots holding the entry whose tag + key equals `tag` + `key`, else the free slot where it
    // belongs.
    size_t Probe(std::string_view tag, std::string_view key, uint32_t hash) const;
    void Grow();     // doubles m_slots (or fills it again after an index), keeping at most half in use
    void Index();    // builds the groups from the entries and lets m_slots go
    uint32_t FindGroup(std::string_view full, size_t length) const;  // index into m_groups, or kNoEntry
    // The slot of m_groupSlots holding the group whose text is `text`, else the free slot where it belongs.
    size_t ProbeGroup(std::string_view text, uint32_t hash) const;

    std::string m_text;
    std::vector<Entry> m_entries;
    std::vector<Section> m_sections;
    std::vector<Slot> m_slots;    // while parsing, every entry (entry kNoEntry when free; a power of two)
    std::vector<Group> m_groups;
    std::vector<uint32_t> m_groupSlots;  // indices into m_groups, kNoEntry when free; a power of two
    std::vector<Slot> m_index;    // the groups' own tables
    // Reused so that lookups do not allocate; the group of the last lookup, as an item's keys come in a row.
    mutable std::string m_buffer;
    mutable std::string m_lastGroupText;
    mutable uint32_t m_lastGroup = kNoEntry;  // kNoEntry: no such group
    mutable bool m_lastGroupKnown = false;
};
