#include "Resource/SkinIniFile.h"

#include <cstdio>
#include <fstream>

#include "Resource/TextUtil.h"

namespace {
std::string_view LeadingDigits(std::string_view key) {
    size_t i = 0;
    while (i < key.size() && key[i] >= '0' && key[i] <= '9') ++i;
    return key.substr(0, i);
}
}  // namespace

CSkinIniFile::Index& CSkinIniFile::Section::Group(std::string_view key) {
    const std::string_view digits = LeadingDigits(key);
    if (!lastGroup || lastGroupKey != digits) {
        auto it = groups.find(digits);
        if (it == groups.end()) it = groups.emplace(std::string(digits), Index{}).first;
        lastGroup = &it->second;
        lastGroupKey.assign(digits);
    }
    return *lastGroup;
}

const CSkinIniFile::Index* CSkinIniFile::Section::FindGroup(std::string_view key) const {
    auto it = groups.find(LeadingDigits(key));
    return it == groups.end() ? nullptr : &it->second;
}

void CSkinIniFile::Clear() {
    m_sections.clear();
    m_sectionIndex.clear();
}

CSkinIniFile::Section* CSkinIniFile::FindSection(std::string_view name) {
    auto it = m_sectionIndex.find(name);
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

const CSkinIniFile::Section* CSkinIniFile::FindSection(std::string_view name) const {
    auto it = m_sectionIndex.find(name);
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

bool CSkinIniFile::SetString(std::string_view section, std::string_view key, std::string_view value,
                             std::string_view def, bool create) {
    if (vd::EqualsIgnoreCase(value, def)) return true;
    Section* s = FindSection(section);
    if (!s) {
        if (!create) return false;
        m_sectionIndex.emplace(std::string(section), m_sections.size());
        m_sections.emplace_back();
        s = &m_sections.back();
        s->name = std::string(section);
    }
    Index& group = s->Group(key);
    auto it = group.find(key);
    size_t index;
    if (it == group.end()) {
        if (!create) return false;
        index = s->keys.size();
        group.emplace(std::string(key), index);
        s->keys.emplace_back(key);
        s->values.emplace_back();
    } else {
        index = it->second;
    }
    s->values[index] = std::string(value);
    return true;
}

bool CSkinIniFile::SetInt(std::string_view section, std::string_view key, int value, int def, bool create) {
    if (value == def) return true;
    return SetString(section, key, std::to_string(value), std::string_view(), create);
}

std::string CSkinIniFile::ToText() const {
    std::string out;
    size_t estimate = 0;
    for (const Section& s : m_sections)
        for (size_t i = 0; i < s.keys.size(); ++i) estimate += s.keys[i].size() + s.values[i].size() + 3;
    out.reserve(estimate + 64 * m_sections.size());
    for (const Section& s : m_sections) {
        if (s.keys.empty()) continue;
        out += '[';
        out += s.name;
        out += "]\r\n";
        for (size_t i = 0; i < s.keys.size(); ++i) {
            out += s.keys[i];
            out += '=';
            out += s.values[i];
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

bool CSkinIniFile::WriteFile() const {
    std::ofstream file(m_path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    const std::string text = ToText();
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    return static_cast<bool>(file.flush());
}

const std::string* CSkinIniFile::Find(std::string_view section, std::string_view key) const {
    const Section* s = FindSection(section);
    if (!s) return nullptr;
    const Index* group = s->FindGroup(key);
    if (!group) return nullptr;
    auto it = group->find(key);
    return it == group->end() ? nullptr : &s->values[it->second];
}
