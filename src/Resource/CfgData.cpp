#include "Resource/CfgData.h"

#include "Resource/TextUtil.h"

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
        std::string entryKey = tag;
        entryKey += vd::TrimConfig(line.substr(0, eq));
        vd::ToLowerAsciiInPlace(entryKey);
        m_entries.try_emplace(std::move(entryKey), vd::TrimConfig(line.substr(eq + 1)));
    }
}

const std::string* CCfgData::Lookup(std::string_view lowerTag, std::string_view key) const {
    std::string full;
    full.reserve(lowerTag.size() + key.size());
    full += lowerTag;
    full += key;
    for (size_t i = lowerTag.size(); i < full.size(); ++i)
        if (full[i] >= 'A' && full[i] <= 'Z') full[i] = static_cast<char>(full[i] - 'A' + 'a');
    auto it = m_entries.find(full);
    return it == m_entries.end() ? nullptr : &it->second;
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
