#pragma once
// Write side of the configuration: sections and keys in order of first insertion, values equal to their
// default left out. Filled during a save, then written out as CR LF text.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CSkinIniFile {
public:
    virtual ~CSkinIniFile() = default;

    void SetPath(std::string path) { m_path = std::move(path); }
    const std::string& Path() const { return m_path; }
    void Clear();

    // Stores value under section/key unless it equals def ignoring case. Returns false only when create is
    // false and the section or key does not exist yet.
    bool SetString(std::string_view section, std::string_view key, std::string_view value, std::string_view def,
                   bool create = true);
    bool SetInt(std::string_view section, std::string_view key, int value, int def, bool create = true);

    // The text WriteFile writes: "[section]" lines, "key=value" lines, an empty line after each section,
    // CR LF line ends; sections without keys are left out.
    std::string ToText() const;
    // Writes ToText() to the path; false when the file cannot be written.
    bool WriteFile() const;

    // Read access for callers that inspect what a save produced.
    size_t SectionCount() const { return m_sections.size(); }
    const std::string* Find(std::string_view section, std::string_view key) const;

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    using Index = std::unordered_map<std::string, size_t, Hash, std::equal_to<>>;
    // Key positions grouped by the item number that starts the key: an item's keys are written together,
    // so the search stays in a small table however large the skin is.
    struct Section {
        std::string name;
        std::vector<std::string> keys;
        std::vector<std::string> values;
        std::unordered_map<std::string, Index, Hash, std::equal_to<>> groups;
        std::string lastGroupKey;
        Index* lastGroup = nullptr;

        Index& Group(std::string_view key);
        const Index* FindGroup(std::string_view key) const;
    };
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;

    std::string m_path;
    std::vector<Section> m_sections;
    Index m_sectionIndex;
};
