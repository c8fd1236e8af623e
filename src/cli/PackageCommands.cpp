#include "cli/PackageCommands.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "Helpers/EnBitmap.h"
#include "Resource/AtomicFile.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "Resource/StagingFolder.h"
#include "Resource/TextUtil.h"
#include "Resource/ZipArchive.h"
#include "cli/CarryOverReport.h"
#include "cli/ConfigCommands.h"
#include "cli/PackageOpen.h"
#include "cli/TerminalText.h"

namespace fs = std::filesystem;

namespace cli {
namespace {

constexpr const char* kPackageHelp =
    "usage: vornadesk-cli info PKG [--password PW]\n"
    "       vornadesk-cli config PKG [--password PW]\n"
    "       vornadesk-cli new OUT.rss [--password PW] [KIND[:N]]...\n"
    "       vornadesk-cli resave PKG OUT.rss [--password PW] [--new-password PW] [--keep-going]\n"
    "       vornadesk-cli unpack PKG DIR [--password PW] [--keep-going]\n"
    "       vornadesk-cli pack DIR OUT.rss [--password PW] [--keep-going]\n"
    "\n"
    "info    the skin's name, author, address and description, the number of objects of each kind and\n"
    "        every picture with its kind and size; control characters in names are shown escaped (\\x1b)\n"
    "config  the configuration text exactly as stored in the package (escaped when shown on a terminal)\n"
    "new     a package holding a new skin with the objects asked for (see 'config new')\n"
    "resave  opens a package and saves it again (optionally with a new password)\n"
    "unpack  writes DIR/config.ini and DIR/pictures/<name> for every picture, unchanged. DIR must be new\n"
    "        or an empty folder, and not a symbolic link; it is filled under a temporary name beside it\n"
    "        and appears only once complete\n"
    "pack    the inverse of unpack: builds the skin from DIR and saves it as a package\n"
    "\n"
    "resave, unpack and pack list on standard error every warning and everything of the input they could\n"
    "not carry over (an unreadable picture, a picture the configuration names but DIR lacks). When\n"
    "something is missing they write nothing and exit 4; with --keep-going they write the output without\n"
    "it and still exit 4. An output file is only ever replaced whole, keeping its permissions; a read-only\n"
    "file, a folder, a FIFO or a device is never replaced.\n"
    "\n"
    "Exit status: 0 success, 1 usage error, 2 unknown file format, 3 wrong password, 4 bad input (damaged,\n"
    "over a limit, or not carried over whole), 5 the output cannot be written.\n";

// Builds the package bytes for `out`. What stops a build lies in the document, that is in the input.
std::vector<uint8_t> BuildOrFail(CSkinDocument& doc, const std::string& input, const std::string& out,
                                 const std::string& password, CarryOverReport& report) {
    std::string error;
    std::vector<uint8_t> bytes = doc.BuildPackage(out, password, true, &error);
    report.Take(doc.Warnings(), doc.Dropped());
    if (bytes.empty()) {
        report.CheckBeforeWriting(out);
        Fail(kBadPackage, input + ": cannot be saved as a package: " + (error.empty() ? "unknown reason" : error));
    }
    return bytes;
}

void WriteOrFail(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::string error;
    if (!vd::WriteFileAtomically(path, bytes, &error)) Fail(kCannotWrite, error);
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

// The picture files of an unpacked folder in the order the configuration lists them (the order they had
// in the package), then any other picture files in name order. Pictures the configuration names that
// the folder lacks, and picture names that are no readable file, are losses.
std::vector<std::string> PictureFilesInOrder(const fs::path& folder, const std::string& config,
                                             CarryOverReport& report) {
    std::set<std::string> files;
    std::error_code ec;
    if (fs::exists(folder, ec)) {
        fs::directory_iterator it(folder, ec), end;
        if (ec) Fail(kBadPackage, folder.string() + ": cannot read the folder: " + ec.message());
        for (; it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            std::error_code typeError;
            if (!CResPicture::IsPictureName(name))
                report.AddWarning("pictures/" + name + " was left out: its name does not end in a picture type");
            else if (!it->is_regular_file(typeError))
                report.AddLoss("pictures/" + name + " was left out: it is not a regular file");
            else
                files.insert(name);
        }
        if (ec) Fail(kBadPackage, folder.string() + ": cannot read the folder: " + ec.message());
    }

    std::vector<std::string> order;
    std::set<std::string> named;
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
        if (files.erase(key)) {
            order.push_back(key);
            named.insert(key);
        } else if (CResPicture::IsPictureName(key) && named.insert(key).second) {
            // Picture names compare ignoring case, as the skin's references do.
            const bool present = std::any_of(files.begin(), files.end(), [&](const std::string& f) {
                return vd::EqualsIgnoreCase(f, key);
            }) || std::any_of(order.begin(), order.end(), [&](const std::string& f) {
                return vd::EqualsIgnoreCase(f, key);
            });
            if (!present)
                report.AddLoss("the configuration lists the picture " + key + " but pictures/ has no such file");
        }
    }
    order.insert(order.end(), files.begin(), files.end());
    return order;
}

}  // namespace

int InfoCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kPackageHelp), kOk;
    const Options o = Parse(args, {"--password"}, 1, "usage: vornadesk-cli info PKG [--password PW]");
    CSkinDocument doc;
    OpenOrFail(doc, o.positional[0], PasswordOption(o));
    // Every text below comes from the package: escaped, so each stays on its line whoever reads it.
    std::string out;
    const CResApp& apps = doc.Apps();
    const SkinApp* app = apps.Count() ? apps.At(0) : nullptr;
    out += "Skin name:   " + TerminalSafe(app ? app->skinName : std::string()) + "\n";
    out += "Author:      " + TerminalSafe(app ? app->author : std::string()) + "\n";
    out += "Address:     " + TerminalSafe(app ? app->designUrl : std::string()) + "\n";
    out += "Description: " + TerminalSafe(app ? app->description : std::string()) + "\n";
    out += "Objects:\n";
    for (const auto& c : doc.Collections())
        if (c->Count() > 0) out += "  " + std::string(c->SectionName()) + ": " + std::to_string(c->Count()) + "\n";
    out += "Pictures:\n";
    const CResPicture& pictures = doc.Pictures();
    for (size_t i = 0; i < pictures.Count(); ++i) {
        const Picture& p = *pictures.At(i);
        const int kind = GetImageKind(p.name);
        const bool empty = !p.image || p.image->IsEmpty();
        out += "  " + TerminalSafe(p.name) + "  " + KindName(kind) + "  " +
               (empty ? std::string("(not decodable)")
                      : std::to_string(p.image->Width()) + " x " + std::to_string(p.image->Height())) +
               "\n";
    }
    for (const std::string& w : doc.Warnings()) out += "Warning: " + TerminalSafe(w) + "\n";
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
    const std::string& out = o.positional[0];
    CarryOverReport report(out, false);
    const std::vector<uint8_t> bytes = BuildOrFail(doc, out, out, PasswordOption(o), report);
    report.CheckBeforeWriting(out);
    WriteOrFail(out, bytes);
    return report.Finish(out);
}

int ResaveCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kPackageHelp), kOk;
    Args rest = args;
    const bool keepGoing = TakeFlag(rest, "--keep-going");
    const Options o =
        Parse(rest, {"--password", "--new-password"}, 2,
              "usage: vornadesk-cli resave PKG OUT.rss [--password PW] [--new-password PW] [--keep-going]");
    const std::string& input = o.positional[0];
    const std::string& out = o.positional[1];
    CSkinDocument doc;
    const std::string password = PasswordOption(o);
    const std::string newPassword = o.Get("--new-password") ? PasswordOption(o, "--new-password") : password;
    OpenOrFail(doc, input, password);
    CarryOverReport report(input, keepGoing);
    report.Take(doc.Warnings(), doc.Dropped());
    const std::vector<uint8_t> bytes = BuildOrFail(doc, input, out, newPassword, report);
    report.CheckBeforeWriting(out);
    WriteOrFail(out, bytes);
    return report.Finish(out);
}

int UnpackCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kPackageHelp), kOk;
    Args rest = args;
    const bool keepGoing = TakeFlag(rest, "--keep-going");
    const Options o =
        Parse(rest, {"--password"}, 2, "usage: vornadesk-cli unpack PKG DIR [--password PW] [--keep-going]");
    const std::string& input = o.positional[0];
    const std::string& dir = o.positional[1];
    CSkinDocument doc;
    OpenOrFail(doc, input, PasswordOption(o));
    CarryOverReport report(input, keepGoing);
    report.Take(doc.Warnings(), doc.Dropped());
    const CResPicture& pictures = doc.Pictures();
    std::vector<const Picture*> written;
    std::set<std::string> names;
    for (size_t i = 0; i < pictures.Count(); ++i) {
        const Picture* p = pictures.At(i);
        if (!IsPlainFileName(p->name))
            report.AddLoss("the picture '" + p->name + "' has a name that cannot be a file name");
        else if (!names.insert(p->name).second)
            report.AddLoss("the picture '" + p->name + "' is there twice; only the first is written");
        else
            written.push_back(p);
    }
    report.CheckBeforeWriting(dir);

    vd::StagingFolder folder;
    std::string error;
    const std::string& config = doc.StoredConfigText();
    bool ok = folder.Begin(dir, &error) &&
              folder.AddFile("config.ini", reinterpret_cast<const uint8_t*>(config.data()), config.size(), &error) &&
              folder.AddFolder("pictures", &error);
    for (size_t i = 0; ok && i < written.size(); ++i) {
        static const std::vector<uint8_t> kNone;
        const std::vector<uint8_t>& bytes = written[i]->data ? *written[i]->data : kNone;
        ok = folder.AddFile("pictures/" + written[i]->name, bytes.data(), bytes.size(), &error);
    }
    if (!ok || !folder.Commit(&error)) Fail(kCannotWrite, error);
    return report.Finish(dir);
}

int PackCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kPackageHelp), kOk;
    Args rest = args;
    const bool keepGoing = TakeFlag(rest, "--keep-going");
    const Options o =
        Parse(rest, {"--password"}, 2, "usage: vornadesk-cli pack DIR OUT.rss [--password PW] [--keep-going]");
    const std::string& input = o.positional[0];
    const std::string& out = o.positional[1];
    const std::string password = PasswordOption(o);
    const fs::path dir(input);
    std::vector<uint8_t> configBytes;
    std::string error;
    if (vd::ReadWholeFile((dir / "config.ini").string(), configBytes, vd::kDefaultZipEntryLimit, &error) !=
        vd::ReadFileStatus::Ok)
        Fail(kBadPackage, error);
    std::string config(configBytes.begin(), configBytes.end());
    configBytes = {};

    CarryOverReport report(input, keepGoing);
    std::vector<CSkinDocument::PictureBytes> pictures;
    for (const std::string& name : PictureFilesInOrder(dir / "pictures", config, report)) {
        auto bytes = std::make_shared<std::vector<uint8_t>>();
        if (vd::ReadWholeFile((dir / "pictures" / name).string(), *bytes, vd::kDefaultZipEntryLimit, &error) !=
            vd::ReadFileStatus::Ok) {
            report.AddLoss("pictures/" + name + " was left out: " + error);
            continue;
        }
        pictures.push_back({name, std::move(bytes)});
    }
    CSkinDocument doc;
    if (!doc.LoadPackageContents(std::move(config), std::move(pictures)))
        Fail(kBadPackage, input + ": " + doc.OpenError());
    report.Take(doc.Warnings(), doc.Dropped());
    const std::vector<uint8_t> bytes = BuildOrFail(doc, input, out, password, report);
    report.CheckBeforeWriting(out);
    WriteOrFail(out, bytes);
    return report.Finish(out);
}

}  // namespace cli
