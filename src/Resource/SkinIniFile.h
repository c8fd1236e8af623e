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
    struct Section {
        std::string name;
        std::vector<std::string> keys;
        std::vector<std::string> values;
        std::unordered_map<std::string, size_t> keyIndex;  // exact key -> position, so large skins save linearly
    };
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;

    std::string m_path;
    std::vector<Section> m_sections;
    std::unordered_map<std::string, size_t> m_sectionIndex;
};
