#pragma once
// Reading and writing of values and shared records under one section, with the file format's encodings
// (colours as "%d %d %d", atoi numbers) and the shared records' keys and defaults in their file order.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "Resource/SkinRecords.h"

class CCfgData;
class CSkinIniFile;
class CEnBitmap;

using PictureResolver = std::function<std::shared_ptr<const CEnBitmap>(std::string_view name)>;
// Pictures renamed when they entered the skin because their names could not be stored: the lower-cased old
// name, as a reference holds it -> the new name.
using PictureRenames = std::unordered_map<std::string, std::string>;

std::string FormatColor(const Color& c);
Color ParseColor(std::string_view text);  // missing components read as 0

class ConfigReader {
public:
    ConfigReader(const CCfgData& cfg, std::string_view section, const SystemEnvironment& env,
                 PictureResolver resolver = {}, const PictureRenames* renames = nullptr);

    const SystemEnvironment& Env() const { return m_env; }
    const std::string& Section() const { return m_section; }

    // Keys are prefix + name; the pair form saves building the key when the value is missing.
    std::optional<std::string_view> Raw(std::string_view prefix, std::string_view name = {}) const;
    std::string GetString(std::string_view prefix, std::string_view name, std::string_view def) const;
    int GetInt(std::string_view prefix, std::string_view name, int def) const;
    Color GetColor(std::string_view prefix, std::string_view name, Color def) const;
    std::string GetString(std::string_view key, std::string_view def) const { return GetString(key, {}, def); }
    int GetInt(std::string_view key, int def) const { return GetInt(key, {}, def); }

    void LoadImageRecord(const std::string& prefix, SkinImageBase& image) const;
    void LoadTextStyle(const std::string& prefix, SkinTextStyle& style) const;
    void LoadFont(const std::string& prefix, LogFont& font) const;
    void LoadPosition(const std::string& prefix, SkinPositionBase& pos, bool vertical) const;
    void LoadPlacement(const std::string& prefix, SkinPlacement& placement) const;
    std::shared_ptr<const CEnBitmap> ResolvePicture(std::string_view name) const;
    // A stored picture reference as it names the picture now (a renamed picture keeps its references).
    std::string PictureName(std::string name) const;

private:
    const CCfgData& m_cfg;
    std::string m_section;
    std::string m_tag;  // "[section]" lower-cased
    const SystemEnvironment& m_env;
    PictureResolver m_resolver;
    const PictureRenames* m_renames;
};

class ConfigWriter {
public:
    ConfigWriter(CSkinIniFile& ini, std::string_view section, const SystemEnvironment& env);

    const SystemEnvironment& Env() const { return m_env; }
    const std::string& Section() const { return m_section; }

    // Keys are prefix + name; nothing is built when the value equals its default.
    void SetString(std::string_view prefix, std::string_view name, std::string_view value, std::string_view def);
    void SetInt(std::string_view prefix, std::string_view name, int value, int def);
    void SetColor(std::string_view prefix, std::string_view name, Color value, Color def);
    void SetString(std::string_view key, std::string_view value, std::string_view def) { SetString(key, {}, value, def); }
    void SetInt(std::string_view key, int value, int def) { SetInt(key, {}, value, def); }

    void SaveImageRecord(const std::string& prefix, const SkinImageBase& image);
    void SaveTextStyle(const std::string& prefix, const SkinTextStyle& style);
    void SaveFont(const std::string& prefix, const LogFont& font);
    void SavePosition(const std::string& prefix, const SkinPositionBase& pos, bool vertical);
    void SavePlacement(const std::string& prefix, const SkinPlacement& placement);

private:
    std::string& Key(std::string_view prefix, std::string_view name);

    CSkinIniFile& m_ini;
    std::string m_section;
    std::string m_key;
    const SystemEnvironment& m_env;
};
