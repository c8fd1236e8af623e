#pragma once
// Read side of the configuration: the parsed text as a map from "[section]key" (lower case) to value.

#include <string>
#include <string_view>
#include <unordered_map>

class CCfgData {
public:
    virtual ~CCfgData() = default;

    // Adds the entries of the text; the first value of a repeated key wins.
    void Parse(const char* text, size_t length);
    void Parse(std::string_view text) { Parse(text.data(), text.size()); }
    void Clear() { m_entries.clear(); }

    std::string GetString(std::string_view section, std::string_view key, std::string_view def) const;
    int GetInt(std::string_view section, std::string_view key, int def) const;

    // Fast path for loaders: `tag` is "[section]" already lower-cased, `key` any case. Null when missing.
    const std::string* Lookup(std::string_view lowerTag, std::string_view key) const;

    size_t Size() const { return m_entries.size(); }

private:
    std::unordered_map<std::string, std::string> m_entries;
};
