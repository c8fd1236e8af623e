#include "Resource/SkinIniFile.h"

#include <cstdio>
#include <fstream>

#include "Resource/TextUtil.h"

void CSkinIniFile::Clear() {
    m_sections.clear();
    m_sectionIndex.clear();
}

CSkinIniFile::Section* CSkinIniFile::FindSection(std::string_view name) {
    auto it = m_sectionIndex.find(std::string(name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

const CSkinIniFile::Section* CSkinIniFile::FindSection(std::string_view name) const {
    auto it = m_sectionIndex.find(std::string(name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

bool CSkinIniFile::SetString(std::string_view section, std::string_view key, std::string_view value,
                             std::string_view def, bool create) {
    if (vd::EqualsIgnoreCase(value, def)) return true;
    Section* s = FindSection(section);
    if (!s) {
        if (!create) return false;
        m_sectionIndex.emplace(std::string(section), m_sections.size());
        m_sections.push_back(Section{std::string(section), {}, {}, {}});
        s = &m_sections.back();
    }
    std::string keyText(key);
    auto it = s->keyIndex.find(keyText);
    size_t index;
    if (it == s->keyIndex.end()) {
        if (!create) return false;
        index = s->keys.size();
        s->keyIndex.emplace(keyText, index);
        s->keys.push_back(std::move(keyText));
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
    auto it = s->keyIndex.find(std::string(key));
    return it == s->keyIndex.end() ? nullptr : &s->values[it->second];
}
