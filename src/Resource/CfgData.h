#pragma once
// Read side of the configuration: the parsed text as a map from "[section]key" (lower case) to value.
// Entries are grouped by "[section]" plus the item number that starts their key, so that the many lookups
// of one item's keys (most of them misses) search a small table instead of the whole skin.

#include <string>
#include <string_view>
#include <unordered_map>

class CCfgData {
public:
    virtual ~CCfgData() = default;

    // Adds the entries of the text; the first value of a repeated key wins.
    void Parse(const char* text, size_t length);
    void Parse(std::string_view text) { Parse(text.data(), text.size()); }
    void Clear();

    std::string GetString(std::string_view section, std::string_view key, std::string_view def) const;
    int GetInt(std::string_view section, std::string_view key, int def) const;

    // Null when missing. `lowerTag` is "[section]" already lower-cased; prefix and name are concatenated
    // and lower-cased here.
    const std::string* Lookup(std::string_view lowerTag, std::string_view prefix, std::string_view name = {}) const;

    size_t Size() const { return m_size; }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using Table = std::unordered_map<std::string, std::string, Hash, std::equal_to<>>;
    using Groups = std::unordered_map<std::string, Table, Hash, std::equal_to<>>;

    // The group part of a full entry key: up to the first "]" and the digits right after it.
    static size_t GroupLength(std::string_view full);
    void Insert(std::string full, std::string_view value);

    Groups m_groups;
    size_t m_size = 0;
    // The group of the last lookup: an item's keys are read one after another.
    mutable std::string m_buffer;
    mutable std::string m_lastGroupKey;
    mutable const Table* m_lastGroup = nullptr;
};
