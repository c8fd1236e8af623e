#include "Resource/RecordIO.h"

#include <cstdio>

#include "Resource/CfgData.h"
#include "Resource/SkinIniFile.h"
#include "Resource/TextUtil.h"

namespace {

// Sliced-image keys, in load and save order, with their defaults.
struct ImageKey {
    const char* key;
    int SkinImageBase::*member;
    int def;
};
constexpr ImageKey kImageKeys[] = {
    {"ImgL", &SkinImageBase::left, 0},          {"ImgR", &SkinImageBase::right, 20},
    {"ImgT", &SkinImageBase::top, 0},           {"ImgB", &SkinImageBase::bottom, 20},
    {"ImgLW", &SkinImageBase::leftWidth, 0},    {"ImgRW", &SkinImageBase::rightWidth, 0},
    {"ImgTH", &SkinImageBase::topHeight, 0},    {"ImgBH", &SkinImageBase::bottomHeight, 0},
    {"ImgLES", &SkinImageBase::leftMode, 0},    {"ImgRES", &SkinImageBase::rightMode, 0},
    {"ImgTES", &SkinImageBase::topMode, 0},     {"ImgBES", &SkinImageBase::bottomMode, 0},
    {"ImgCAS", &SkinImageBase::centerMode, 0},
};

// Font keys in save order. Loading reads the same keys; the order of reads is not observable.
struct FontIntKey {
    const char* key;
    int LogFont::*member;
    int def;
};
constexpr FontIntKey kFontIntKeys[] = {
    {"FontHeight", &LogFont::height, -12},
    {"FontWidth", &LogFont::width, 0},
    {"FontEscapement", &LogFont::escapement, 0},
    {"FontOrientation", &LogFont::orientation, 0},
    {"FontWeight", &LogFont::weight, 400},
};
struct FontByteKey {
    const char* key;
    uint8_t LogFont::*member;
    int def;
};
constexpr FontByteKey kFontByteKeys[] = {
    {"FontItalic", &LogFont::italic, 0},
    {"FontUnderline", &LogFont::underline, 0},
    {"FontStrikeOut", &LogFont::strikeOut, 0},
    {"FontCharSet", &LogFont::charSet, 0},
    {"FontOutPrecision", &LogFont::outPrecision, 3},
    {"FontClipPrecision", &LogFont::clipPrecision, 2},
    {"FontQuality", &LogFont::quality, 1},
    {"FontPitchAndFamily", &LogFont::pitchAndFamily, 34},
};
constexpr const char* kFontNameDefault = "Arial";

struct TextStyleIntKey {
    const char* key;
    int SkinTextStyle::*member;
    int def;
};
// Text-style keys in load and save order; the two colours stand between "ShadowVSpace" and "LeftOffset".
constexpr TextStyleIntKey kStyleHead[] = {
    {"HorzAlign", &SkinTextStyle::horzAlign, 1},
    {"VertAlign", &SkinTextStyle::vertAlign, 1},
    {"Effect", &SkinTextStyle::effect, 0},
    {"ShadowHSpace", &SkinTextStyle::shadowHSpace, 2},
    {"ShadowVSpace", &SkinTextStyle::shadowVSpace, 2},
};
constexpr TextStyleIntKey kStyleTail[] = {
    {"LeftOffset", &SkinTextStyle::leftOffset, 0},
    {"RightOffset", &SkinTextStyle::rightOffset, 0},
    {"TopOffset", &SkinTextStyle::topOffset, 0},
    {"BottomOffset", &SkinTextStyle::bottomOffset, 0},
};

struct PositionKey {
    const char* horz;
    const char* vert;
    int SkinPositionBase::*member;
    int def;
};
constexpr PositionKey kPositionKeys[] = {
    {"HorzAlignType", "VertAlignType", &SkinPositionBase::alignType, 0},
    {"HorzSpaceType", "VertSpaceType", &SkinPositionBase::spaceType, 0},
    {"HorzLeft", "VertLeft", &SkinPositionBase::nearOffset, 0},
    {"HorzRight", "VertRight", &SkinPositionBase::farOffset, 0},
    {"HorzWidth", "VertWidth", &SkinPositionBase::sizeValue, 0},
    {"HorzIgnore", "VertIgnore", &SkinPositionBase::ignore, 1},
};

}  // namespace

std::string FormatColor(const Color& c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d %d %d", c.r, c.g, c.b);
    return buf;
}

Color ParseColor(std::string_view text) {
    auto parts = vd::SplitNonEmpty(text, " \t\n");
    int v[3] = {0, 0, 0};
    for (size_t i = 0; i < 3 && i < parts.size(); ++i) v[i] = vd::Atoi(parts[i]);
    return Color(v[0] & 0xFF, v[1] & 0xFF, v[2] & 0xFF);
}

// ---- reading ----

ConfigReader::ConfigReader(const CCfgData& cfg, std::string_view section, const SystemEnvironment& env,
                           PictureResolver resolver, const PictureRenames* renames)
    : m_cfg(cfg), m_section(section), m_tag("[" + vd::ToLowerAscii(section) + "]"), m_env(env),
      m_resolver(std::move(resolver)), m_renames(renames && !renames->empty() ? renames : nullptr) {}

std::optional<std::string_view> ConfigReader::Raw(std::string_view prefix, std::string_view name) const {
    return m_cfg.Lookup(m_tag, prefix, name);
}

std::string ConfigReader::GetString(std::string_view prefix, std::string_view name, std::string_view def) const {
    const std::optional<std::string_view> v = Raw(prefix, name);
    return std::string(v ? *v : def);
}

int ConfigReader::GetInt(std::string_view prefix, std::string_view name, int def) const {
    const std::optional<std::string_view> v = Raw(prefix, name);
    return v ? vd::Atoi(*v) : def;
}

Color ConfigReader::GetColor(std::string_view prefix, std::string_view name, Color def) const {
    const std::optional<std::string_view> v = Raw(prefix, name);
    if (!v || v->empty()) return def;
    return ParseColor(*v);
}

std::shared_ptr<const CEnBitmap> ConfigReader::ResolvePicture(std::string_view name) const {
    return m_resolver && !name.empty() ? m_resolver(name) : nullptr;
}

std::string ConfigReader::PictureName(std::string name) const {
    if (!m_renames || name.empty()) return name;
    auto it = m_renames->find(vd::ToLowerAscii(name));
    return it == m_renames->end() ? name : it->second;
}

void ConfigReader::LoadImageRecord(const std::string& prefix, SkinImageBase& image) const {
    image.name = PictureName(vd::CutToCapacity(GetString(prefix, "Img", ""), kText260));
    for (const ImageKey& k : kImageKeys) image.*k.member = GetInt(prefix, k.key, k.def);
    image.image = ResolvePicture(image.name);
}

void ConfigReader::LoadTextStyle(const std::string& prefix, SkinTextStyle& style) const {
    for (const auto& k : kStyleHead) style.*k.member = GetInt(prefix, k.key, k.def);
    style.textColor = GetColor(prefix, "TextColor", m_env.SysColor(COLOR_WINDOWTEXT));
    style.shadowColor = GetColor(prefix, "ShadowColor", m_env.SysColor(COLOR_BTNSHADOW));
    for (const auto& k : kStyleTail) style.*k.member = GetInt(prefix, k.key, k.def);
}

void ConfigReader::LoadFont(const std::string& prefix, LogFont& font) const {
    font.faceName = vd::CutToCapacity(GetString(prefix, "FontName", kFontNameDefault), LogFont::kFaceNameBytes);
    for (const auto& k : kFontIntKeys) font.*k.member = GetInt(prefix, k.key, k.def);
    for (const auto& k : kFontByteKeys) font.*k.member = static_cast<uint8_t>(GetInt(prefix, k.key, k.def));
}

void ConfigReader::LoadPosition(const std::string& prefix, SkinPositionBase& pos, bool vertical) const {
    for (const auto& k : kPositionKeys) pos.*k.member = GetInt(prefix, vertical ? k.vert : k.horz, k.def);
}

void ConfigReader::LoadPlacement(const std::string& prefix, SkinPlacement& placement) const {
    LoadPosition(prefix, placement.horz, false);
    LoadPosition(prefix, placement.vert, true);
}

// ---- writing ----

ConfigWriter::ConfigWriter(CSkinIniFile& ini, std::string_view section, const SystemEnvironment& env)
    : m_ini(ini), m_section(section), m_env(env) {}

std::string& ConfigWriter::Key(std::string_view prefix, std::string_view name) {
    m_key.assign(prefix);
    m_key += name;
    return m_key;
}

void ConfigWriter::SetString(std::string_view prefix, std::string_view name, std::string_view value,
                             std::string_view def) {
    // The configuration ends a value at a line feed and trims blanks and line ends around it: what is written
    // is what reads back, so a text cut to its field just after a blank, or one with a line feed, loads and
    // saves the same the next time.
    std::string storable;
    if (value.find('\n') != std::string_view::npos) {
        storable.assign(value);
        for (char& c : storable)
            if (c == '\n') c = ' ';
        value = storable;
    }
    value = vd::TrimConfig(value);
    if (vd::EqualsIgnoreCase(value, def)) return;
    m_ini.SetString(m_section, Key(prefix, name), value, def, true);
}

void ConfigWriter::SetInt(std::string_view prefix, std::string_view name, int value, int def) {
    if (value == def) return;
    m_ini.SetInt(m_section, Key(prefix, name), value, def, true);
}

void ConfigWriter::SetColor(std::string_view prefix, std::string_view name, Color value, Color def) {
    if (value == def) return;
    m_ini.SetString(m_section, Key(prefix, name), FormatColor(value), FormatColor(def), true);
}

void ConfigWriter::SaveImageRecord(const std::string& prefix, const SkinImageBase& image) {
    SetString(prefix, "Img", image.name, "");
    for (const ImageKey& k : kImageKeys) SetInt(prefix, k.key, image.*k.member, k.def);
}

void ConfigWriter::SaveTextStyle(const std::string& prefix, const SkinTextStyle& style) {
    for (const auto& k : kStyleHead) SetInt(prefix, k.key, style.*k.member, k.def);
    SetColor(prefix, "TextColor", style.textColor, Color(0, 0, 0));
    SetColor(prefix, "ShadowColor", style.shadowColor, m_env.SysColor(COLOR_BTNSHADOW));
    for (const auto& k : kStyleTail) SetInt(prefix, k.key, style.*k.member, k.def);
}

void ConfigWriter::SaveFont(const std::string& prefix, const LogFont& font) {
    SetString(prefix, "FontName", font.faceName, kFontNameDefault);
    for (const auto& k : kFontIntKeys) SetInt(prefix, k.key, font.*k.member, k.def);
    for (const auto& k : kFontByteKeys) SetInt(prefix, k.key, font.*k.member, k.def);
}

void ConfigWriter::SavePosition(const std::string& prefix, const SkinPositionBase& pos, bool vertical) {
    for (const auto& k : kPositionKeys) SetInt(prefix, vertical ? k.vert : k.horz, pos.*k.member, k.def);
}

void ConfigWriter::SavePlacement(const std::string& prefix, const SkinPlacement& placement) {
    SavePosition(prefix, placement.horz, false);
    SavePosition(prefix, placement.vert, true);
}
