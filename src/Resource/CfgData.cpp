#include "Resource/CfgData.h"

#include "Resource/TextUtil.h"

size_t CCfgData::GroupLength(std::string_view full) {
    size_t i = full.find(']');
    if (i == std::string_view::npos) return full.size();
    ++i;
    while (i < full.size() && full[i] >= '0' && full[i] <= '9') ++i;
    return i;
}

void CCfgData::Clear() {
    m_groups.clear();
    m_size = 0;
    m_lastGroup = nullptr;
    m_lastGroupKey.clear();
}

void CCfgData::Insert(std::string full, std::string_view value) {
    const size_t g = GroupLength(full);
    auto group = m_groups.find(std::string_view(full).substr(0, g));
    if (group == m_groups.end()) group = m_groups.emplace(full.substr(0, g), Table{}).first;
    if (group->second.try_emplace(full.substr(g), value).second) ++m_size;
    m_lastGroup = nullptr;
}

void CCfgData::Parse(const char* text, size_t length) {
    std::string_view all(text, length);
    std::string tag;
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find('\n', start);
        if (end == std::string_view::npos) end = all.size();
        std::string_view line = all.substr(start, end - start);
        start = end + 1;
        if (line.empty()) continue;
        if (line[0] == '[') {
            tag = vd::ToLowerAscii(vd::TrimConfig(line));
            continue;
        }
        if (line[0] == ';' || line[0] == '#') continue;
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        std::string full = tag;
        full += vd::TrimConfig(line.substr(0, eq));
        vd::ToLowerAsciiInPlace(full);
        Insert(std::move(full), vd::TrimConfig(line.substr(eq + 1)));
    }
}

const std::string* CCfgData::Lookup(std::string_view lowerTag, std::string_view prefix, std::string_view name) const {
    std::string& full = m_buffer;
    full.assign(lowerTag);
    full += prefix;
    full += name;
    for (size_t i = lowerTag.size(); i < full.size(); ++i)
        if (full[i] >= 'A' && full[i] <= 'Z') full[i] = static_cast<char>(full[i] - 'A' + 'a');
    const size_t g = GroupLength(full);
    const std::string_view groupKey = std::string_view(full).substr(0, g);
    if (!m_lastGroup || m_lastGroupKey != groupKey) {
        auto it = m_groups.find(groupKey);
        m_lastGroup = it == m_groups.end() ? nullptr : &it->second;
        m_lastGroupKey.assign(groupKey);
        if (!m_lastGroup) return nullptr;
    }
    auto it = m_lastGroup->find(std::string_view(full).substr(g));
    return it == m_lastGroup->end() ? nullptr : &it->second;
}

std::string CCfgData::GetString(std::string_view section, std::string_view key, std::string_view def) const {
    std::string tag = "[";
    tag += section;
    tag += ']';
    vd::ToLowerAsciiInPlace(tag);
    const std::string* v = Lookup(tag, key);
    return v ? *v : std::string(def);
}

int CCfgData::GetInt(std::string_view section, std::string_view key, int def) const {
    return vd::Atoi(GetString(section, key, std::to_string(def)));
}
