#include "Resource/CfgData.h"

#include <algorithm>
#include <cstring>

#include "Resource/TextUtil.h"

namespace {

// Eight bytes at a time with a final mix: keys are short, and misses (most lookups) pay for the hash.
uint32_t Hash(std::string_view text) {
    constexpr uint64_t k = 0x9E3779B97F4A7C15ull;
    uint64_t h = text.size() * k;
    const char* p = text.data();
    size_t n = text.size();
    for (; n >= 8; p += 8, n -= 8) {
        uint64_t w;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * k;
        h ^= h >> 31;
    }
    if (n) {
        uint64_t w = 0;
        std::memcpy(&w, p, n);
        h = (h ^ w) * k;
    }
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 29;
    return static_cast<uint32_t>(h);
}

void LowerInPlace(char* p, size_t n) {
    for (char* end = p + n; p != end; ++p)
        if (*p >= 'A' && *p <= 'Z') *p = static_cast<char>(*p - 'A' + 'a');
}

// Whether x1 + x2 equals y1 + y2, without building either.
bool SameJoined(std::string_view x1, std::string_view x2, std::string_view y1, std::string_view y2) {
    if (x1.size() + x2.size() != y1.size() + y2.size()) return false;
    if (x1.size() > y1.size()) {
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    const size_t overlap = y1.size() - x1.size();  // the part of y1 that x2 starts with
    return y1.substr(0, x1.size()) == x1 && x2.substr(0, overlap) == y1.substr(x1.size()) &&
           x2.substr(overlap) == y2;
}

// The group part of "[section]" + key: up to the first "]" and the digits right after it.
size_t GroupLength(std::string_view tag, std::string_view key) {
    const auto at = [&](size_t i) { return i < tag.size() ? tag[i] : key[i - tag.size()]; };
    const size_t size = tag.size() + key.size();
    size_t i = tag.find(']');
    if (i == std::string_view::npos) {
        i = key.find(']');
        if (i == std::string_view::npos) return size;
        i += tag.size();
    }
    ++i;
    while (i < size && at(i) >= '0' && at(i) <= '9') ++i;
    return i;
}

// The first `length` characters of tag + key, as two pieces.
std::pair<std::string_view, std::string_view> Head(std::string_view tag, std::string_view key, size_t length) {
    if (length <= tag.size()) return {tag.substr(0, length), {}};
    return {tag, key.substr(0, length - tag.size())};
}

size_t TableSize(size_t count) {
    size_t size = 2;
    while (size < 2 * count) size *= 2;
    return size;
}

// Offsets are 32-bit; entries stop before the text would pass them.
constexpr size_t kTextLimit = UINT32_MAX;
constexpr size_t kEntryLimit = size_t(1) << 28;  // the group tables take up to four slots per entry

}  // namespace

void CCfgData::Clear() {
    m_text = std::string();
    m_entries = std::vector<Entry>();
    m_sections = std::vector<Section>();
    m_slots = std::vector<Slot>();
    m_groups = std::vector<Group>();
    m_groupSlots = std::vector<uint32_t>();
    m_index = std::vector<Slot>();
    m_lastGroupKnown = false;
}

std::string_view CCfgData::TagOf(const Entry& e) const {
    const Section& s = m_sections[e.section];
    return std::string_view(m_text).substr(s.offset, s.length);
}

std::string_view CCfgData::KeyOf(const Entry& e) const { return std::string_view(m_text).substr(e.key, e.keyLength); }

size_t CCfgData::Probe(std::string_view tag, std::string_view key, uint32_t hash) const {
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = m_slots[i];
        if (slot.entry == kNoEntry) return i;
        if (slot.hash != hash) continue;
        const Entry& e = m_entries[slot.entry];
        if (SameJoined(TagOf(e), KeyOf(e), tag, key)) return i;
    }
}

void CCfgData::Grow() {
    std::vector<Slot> old = std::move(m_slots);
    const size_t size = std::max(TableSize(m_entries.size() + 1), old.size() * 2);
    m_slots.assign(size, Slot{0, kNoEntry});
    const size_t mask = size - 1;
    const auto place = [&](Slot s) {
        size_t i = s.hash & mask;
        while (m_slots[i].entry != kNoEntry) i = (i + 1) & mask;
        m_slots[i] = s;
    };
    if (!old.empty()) {
        for (const Slot& s : old)
            if (s.entry != kNoEntry) place(s);
        return;
    }
    std::string full;  // after an index the slots are gone: their hashes are made again
    for (uint32_t e = 0; e < m_entries.size(); ++e) {
        full.assign(TagOf(m_entries[e]));
        full += KeyOf(m_entries[e]);
        place({Hash(full), e});
    }
}

size_t CCfgData::ProbeGroup(std::string_view text, uint32_t hash) const {
    const size_t mask = m_groupSlots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const uint32_t index = m_groupSlots[i];
        if (index == kNoEntry) return i;
        const Group& g = m_groups[index];
        if (g.hash != hash || g.length != text.size()) continue;
        const auto [tag, key] = Head(TagOf(m_entries[g.entry]), KeyOf(m_entries[g.entry]), g.length);
        if (SameJoined(tag, key, text, {})) return i;
    }
}

void CCfgData::Index() {
    m_slots = std::vector<Slot>();
    m_groups = std::vector<Group>();
    m_groupSlots.assign(16, kNoEntry);
    m_index = std::vector<Slot>();
    m_lastGroupKnown = false;
    // Each entry's group, counting the group's entries in `first` until the tables are laid out.
    std::vector<uint32_t> groupOf(m_entries.size());
    std::string full;
    for (uint32_t e = 0; e < m_entries.size(); ++e) {
        full.assign(TagOf(m_entries[e]));
        full += KeyOf(m_entries[e]);
        const size_t length = GroupLength(TagOf(m_entries[e]), KeyOf(m_entries[e]));
        const std::string_view text = std::string_view(full).substr(0, length);
        const uint32_t hash = Hash(text);
        size_t slot = ProbeGroup(text, hash);
        if (m_groupSlots[slot] == kNoEntry) {
            if ((m_groups.size() + 1) * 2 > m_groupSlots.size()) {
                m_groupSlots.assign(m_groupSlots.size() * 2, kNoEntry);
                const size_t mask = m_groupSlots.size() - 1;
                for (uint32_t g = 0; g < m_groups.size(); ++g) {
                    size_t i = m_groups[g].hash & mask;
                    while (m_groupSlots[i] != kNoEntry) i = (i + 1) & mask;
                    m_groupSlots[i] = g;
                }
                slot = ProbeGroup(text, hash);
            }
            m_groupSlots[slot] = static_cast<uint32_t>(m_groups.size());
            m_groups.push_back({hash, e, static_cast<uint32_t>(length), 0, 0});
        }
        groupOf[e] = m_groupSlots[slot];
        ++m_groups[groupOf[e]].first;
    }
    size_t total = 0;
    for (Group& g : m_groups) {
        if (g.first == 1) {
            g.first = kNoEntry;
            continue;
        }
        const size_t size = TableSize(g.first);
        g.first = static_cast<uint32_t>(total);
        g.mask = static_cast<uint32_t>(size - 1);
        total += size;
    }
    m_index.assign(total, Slot{0, kNoEntry});
    for (uint32_t e = 0; e < m_entries.size(); ++e) {
        const Group& g = m_groups[groupOf[e]];
        if (g.first == kNoEntry) continue;
        full.assign(TagOf(m_entries[e]));
        full += KeyOf(m_entries[e]);
        const uint32_t hash = Hash(std::string_view(full).substr(g.length));  // the group's part is shared
        size_t i = hash & g.mask;
        while (m_index[g.first + i].entry != kNoEntry) i = (i + 1) & g.mask;
        m_index[g.first + i] = {hash, e};
    }
}

uint32_t CCfgData::FindGroup(std::string_view full, size_t length) const {
    const std::string_view text = full.substr(0, length);
    if (m_lastGroupKnown && m_lastGroupText == text) return m_lastGroup;
    const uint32_t found = m_groupSlots[ProbeGroup(text, Hash(text))];
    m_lastGroupText.assign(text);
    m_lastGroup = found;
    m_lastGroupKnown = true;
    return found;
}

void CCfgData::Parse(const char* text, size_t length) {
    const std::string_view all(text, length);
    // Keys and values are never longer than their lines: one reservation holds them all.
    m_text.reserve(std::min(kTextLimit, m_text.size() + length));
    std::string tag;
    std::string full;             // tag + lower-cased key, for the hash
    uint32_t section = kNoEntry;  // the tag's number once an entry uses it
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string_view::npos) end = all.size();
        const std::string_view line = all.substr(start, end - start);
        start = end + 1;
        if (line.empty()) continue;
        if (line[0] == '[') {
            tag = vd::ToLowerAscii(vd::TrimConfig(line));
            section = kNoEntry;
            continue;
        }
        if (line[0] == ';' || line[0] == '#') continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = vd::TrimConfig(line.substr(0, eq));
        const std::string_view value = vd::TrimConfig(line.substr(eq + 1));
        const size_t needed = key.size() + value.size() + (section == kNoEntry ? tag.size() : 0);
        if (needed > kTextLimit - m_text.size() || m_entries.size() >= kEntryLimit) break;

        full.assign(tag);
        full += key;
        LowerInPlace(full.data() + tag.size(), key.size());
        const uint32_t hash = Hash(full);
        const std::string_view lowerKey = std::string_view(full).substr(tag.size());
        if ((m_entries.size() + 1) * 2 > m_slots.size()) Grow();
        const size_t slot = Probe(tag, lowerKey, hash);
        if (m_slots[slot].entry != kNoEntry) continue;  // a repeated key: the first value stays

        if (section == kNoEntry) {
            section = static_cast<uint32_t>(m_sections.size());
            m_sections.push_back({static_cast<uint32_t>(m_text.size()), static_cast<uint32_t>(tag.size())});
            m_text += tag;
        }
        const size_t keyAt = m_text.size();
        m_text += lowerKey;
        m_text += value;
        m_slots[slot] = {hash, static_cast<uint32_t>(m_entries.size())};
        m_entries.push_back(
            {section, static_cast<uint32_t>(keyAt), static_cast<uint32_t>(key.size()), static_cast<uint32_t>(value.size())});
    }
    Index();
}

std::optional<std::string_view> CCfgData::Lookup(std::string_view lowerTag, std::string_view prefix,
                                                  std::string_view name) const {
    if (m_entries.empty()) return std::nullopt;
    std::string& full = m_buffer;
    full.assign(lowerTag);
    full += prefix;
    full += name;
    LowerInPlace(full.data() + lowerTag.size(), full.size() - lowerTag.size());
    const size_t groupLength = GroupLength(full, {});
    const uint32_t group = FindGroup(full, groupLength);
    if (group == kNoEntry) return std::nullopt;
    const Group& g = m_groups[group];
    const auto value = [&](const Entry& e) {
        return std::string_view(m_text).substr(size_t(e.key) + e.keyLength, e.valueLength);
    };
    if (g.first == kNoEntry) {
        const Entry& e = m_entries[g.entry];
        if (SameJoined(TagOf(e), KeyOf(e), full, {})) return value(e);
        return std::nullopt;
    }
    const uint32_t hash = Hash(std::string_view(full).substr(groupLength));
    for (size_t i = hash & g.mask;; i = (i + 1) & g.mask) {
        const Slot& slot = m_index[g.first + i];
        if (slot.entry == kNoEntry) return std::nullopt;
        if (slot.hash != hash) continue;
        const Entry& e = m_entries[slot.entry];
        if (SameJoined(TagOf(e), KeyOf(e), full, {})) return value(e);
    }
}

std::string CCfgData::GetString(std::string_view section, std::string_view key, std::string_view def) const {
    std::string tag = "[";
    tag += section;
    tag += ']';
    vd::ToLowerAsciiInPlace(tag);
    const std::optional<std::string_view> v = Lookup(tag, key);
    return std::string(v ? *v : def);
}

int CCfgData::GetInt(std::string_view section, std::string_view key, int def) const {
    return vd::Atoi(GetString(section, key, std::to_string(def)));
}
