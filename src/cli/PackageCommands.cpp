#include "cli/PackageCommands.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "Helpers/EnBitmap.h"
#include "Resource/AtomicFile.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "Resource/ZipArchive.h"
#include "Resource/TextUtil.h"
#include "cli/ConfigCommands.h"
#include "cli/PackageOpen.h"

namespace fs = std::filesystem;

namespace cli {
namespace {

constexpr const char* kPackageHelp =
    "usage: vornadesk-cli info PKG [--password PW]\n"
    "       vornadesk-cli config PKG [--password PW]\n"
    "       vornadesk-cli new OUT.rss [--password PW] [KIND[:N]]...\n"
    "       vornadesk-cli resave PKG OUT.rss [--password PW] [--new-password PW]\n"
    "       vornadesk-cli unpack PKG DIR [--password PW]\n"
    "       vornadesk-cli pack DIR OUT.rss [--password PW]\n"
    "\n"
    "info    the skin's name, author, address and description, the number of objects of each kind and\n"
    "        every picture with its kind and size\n"
    "config  the configuration text exactly as stored in the package\n"
    "new     a package holding a new skin with the objects asked for (see 'config new')\n"
    "resave  opens a package and saves it again (optionally with a new password)\n"
    "unpack  writes DIR/config.ini and DIR/pictures/<name> for every picture, unchanged\n"
    "pack    the inverse of unpack: builds the skin from DIR and saves it as a package\n"
    "\n"
    "Exit status: 0 success, 1 usage error, 2 unknown file format, 3 wrong password, 4 other bad input,\n"
    "5 the output cannot be written.\n";

void SaveOrFail(CSkinDocument& doc, const std::string& path, const std::string& password) {
    std::string error;
    if (!doc.Save(path, password, true, &error)) Fail(kCannotWrite, path + ": " + error);
}

void WriteOrFail(const fs::path& path, const std::string& bytes) {
    std::string error;
    if (!vd::WriteFileAtomically(path.string(), reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &error))
        Fail(kCannotWrite, path.string() + ": " + error);
}

const char* KindName(int kind) {
    switch (kind) {
    case 0: return "BMP";
    case 1: return "icon";
    case 2: return "cursor";
    case 3: return "PNG";
    case 6: return "TGA";
    case 7: return "animated cursor";
    default: return "other";
    }
}

// A name a package may carry for a picture that can be written as one file inside a folder.
bool IsPlainFileName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.size() > 255) return false;
    for (unsigned char c : name)
        if (c < 0x20 || c == '/' || c == '\\' || c == 0x7F) return false;
    return true;
}

Options Parse(const Args& args, const std::vector<std::string>& known, size_t positional, const char* usage) {
    Options o = ParseOptions(args, known);
    if (o.positional.size() != positional) Fail(kUsage, usage);
    return o;
}

}  // namespace

int InfoCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kPackageHelp), kOk;
    const Options o = Parse(args, {"--password"}, 1, "usage: vornadesk-cli info PKG [--password PW]");
    CSkinDocument doc;
    OpenOrFail(doc, o.positional[0], PasswordOption(o));
    std::string out;
    const CResApp& apps = doc.Apps();
    const SkinApp* app = apps.Count() ? apps.At(0) : nullptr;
    out += "Skin name:   " + (app ? app->skinName : std::string()) + "\n";
    out += "Author:      " + (app ? app->author : std::string()) + "\n";
    out += "Address:     " + (app ? app->designUrl : std::string()) + "\n";
    out += "Description: " + (app ? app->description : std::string()) + "\n";
    out += "Objects:\n";
    for (const auto& c : doc.Collections())
        if (c->Count() > 0) out += "  " + std::string(c->SectionName()) + ": " + std::to_string(c->Count()) + "\n";
    out += "Pictures:\n";
    const CResPicture& pictures = doc.Pictures();
    for (size_t i = 0; i < pictures.Count(); ++i) {
        const Picture& p = *pictures.At(i);
        const int kind = GetImageKind(p.name);
        const bool empty = !p.image || p.image->IsEmpty();
        out += "  " + p.name + "  " + KindName(kind) + "  " +
               (empty ? std::string("(not decodable)")
                      : std::to_string(p.image->Width()) + " x " + std::to_string(p.image->Height())) +
               "\n";
    }
    for (const std::string& w : doc.Warnings()) out += "Warning: " + w + "\n";
    WriteStdout(out);
    return kOk;
}

int ConfigOfPackageCommand(const Args& args) {
    const Options o = Parse(args, {"--password"}, 1, "usage: vornadesk-cli config PKG [--password PW]");
    CSkinDocument doc;
    OpenOrFail(doc, o.positional[0], PasswordOption(o));
    WriteStdout(doc.StoredConfigText());
    return kOk;
}

int NewPackageCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kPackageHelp), kOk;
    const Options o = ParseOptions(args, {"--password"});
    if (o.positional.empty()) Fail(kUsage, "usage: vornadesk-cli new OUT.rss [--password PW] [KIND[:N]]...");
    CSkinDocument doc;
    AddObjects(doc, Args(o.positional.begin() + 1, o.positional.end()), kBadPackage);
    SaveOrFail(doc, o.positional[0], PasswordOption(o));
    return kOk;
}

int ResaveCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kPackageHelp), kOk;
    const Options o = Parse(args, {"--password", "--new-password"}, 2,
                            "usage: vornadesk-cli resave PKG OUT.rss [--password PW] [--new-password PW]");
    CSkinDocument doc;
    const std::string password = PasswordOption(o);
    OpenOrFail(doc, o.positional[0], password);
    SaveOrFail(doc, o.positional[1], o.Get("--new-password") ? PasswordOption(o, "--new-password") : password);
    return kOk;
}

int UnpackCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kPackageHelp), kOk;
    const Options o = Parse(args, {"--password"}, 2, "usage: vornadesk-cli unpack PKG DIR [--password PW]");
    CSkinDocument doc;
    OpenOrFail(doc, o.positional[0], PasswordOption(o));
    const CResPicture& pictures = doc.Pictures();
    std::set<std::string> names;
    for (size_t i = 0; i < pictures.Count(); ++i) {
        const std::string& name = pictures.At(i)->name;
        if (!IsPlainFileName(name)) Fail(kBadPackage, o.positional[0] + ": refusing the entry name '" + name + "'");
        if (!names.insert(name).second) Fail(kBadPackage, o.positional[0] + ": the entry '" + name + "' is there twice");
    }
    const fs::path dir(o.positional[1]);
    std::error_code ec;
    fs::create_directories(dir / "pictures", ec);
    if (ec) Fail(kCannotWrite, (dir / "pictures").string() + ": " + ec.message());
    WriteOrFail(dir / "config.ini", doc.StoredConfigText());
    for (size_t i = 0; i < pictures.Count(); ++i) {
        const Picture& p = *pictures.At(i);
        const std::string bytes = p.data ? std::string(p.data->begin(), p.data->end()) : std::string();
        WriteOrFail(dir / "pictures" / p.name, bytes);
    }
    return kOk;
}

int PackCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kPackageHelp), kOk;
    const Options o = Parse(args, {"--password"}, 2, "usage: vornadesk-cli pack DIR OUT.rss [--password PW]");
    const fs::path dir(o.positional[0]);
    const std::string config = ReadInput((dir / "config.ini").string(), vd::kDefaultZipEntryLimit, kBadPackage);

    // Pictures in the order the configuration lists them (the order they had in the package), then any
    // other picture files in name order.
    std::vector<std::string> order;
    std::set<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(dir / "pictures", ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file() && CResPicture::IsPictureName(it->path().filename().string()))
            files.insert(it->path().filename().string());
    bool inPictures = false;
    for (std::string_view line : vd::SplitNonEmpty(config, "\n")) {
        line = vd::TrimConfig(line);
        if (!line.empty() && line[0] == '[') {
            inPictures = vd::EqualsIgnoreCase(line, "[Pictures]");
            continue;
        }
        const size_t eq = line.find('=');
        if (!inPictures || eq == std::string_view::npos) continue;
        const std::string key(vd::TrimConfig(line.substr(0, eq)));
        if (files.erase(key)) order.push_back(key);
    }
    order.insert(order.end(), files.begin(), files.end());

    std::vector<CSkinDocument::PictureBytes> pictures;
    for (const std::string& name : order) {
        std::vector<uint8_t> bytes;
        std::string error;
        if (vd::ReadWholeFile((dir / "pictures" / name).string(), bytes, vd::kDefaultZipEntryLimit, &error) !=
            vd::ReadFileStatus::Ok)
            Fail(kBadPackage, (dir / "pictures" / name).string() + ": " + error);
        pictures.push_back({name, std::make_shared<const std::vector<uint8_t>>(std::move(bytes))});
    }
    CSkinDocument doc;
    doc.LoadPackageContents(config, std::move(pictures));
    SaveOrFail(doc, o.positional[1], PasswordOption(o));
    return kOk;
}

}  // namespace cli
