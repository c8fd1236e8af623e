#include "cli/RenderCommand.h"

#ifdef VORNADESK_HAVE_PREVIEW
#include <QImage>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>

#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "cli/OffscreenGui.h"
#include "cli/PackageOpen.h"
#include "cli/PngOutput.h"
#include "preview/PreviewKind.h"
#endif

namespace cli {
namespace {

constexpr const char* kRenderHelp =
    "usage: vornadesk-cli render PKG OBJECT [--size WxH] [--action CAPTION=VALUE]... [--password PW] -o OUT.png\n"
    "       vornadesk-cli render PKG --all [--password PW] -o DIR\n"
    "\n"
    "Draws an object's preview as the designer's view shows it when the object is opened: the checkerboard\n"
    "under everything, at the size the object opens with, and writes it as a PNG file.\n"
    "\n"
    "OBJECT   the object's name (compared ignoring case; the first match in collection order) or its ID\n"
    "--size   another preview size, for previews the designer lets you resize (1 to 8192 pixels a side)\n"
    "--action sets a preview selector by the caption of its row in the property grid, e.g. State=Pressed;\n"
    "         VALUE is a label as the grid shows it or its number; may be given more than once\n"
    "--all    writes one PNG per object that has a preview into DIR (made when missing), named from the\n"
    "         kind and the object's name, and lists the files written\n"
    "\n"
    "Exit status: 0 success, 1 usage error, 2 unknown file format, 3 wrong password, 4 other bad input (no\n"
    "such object, an object without a preview), 5 the output cannot be written.\n";

}  // namespace

#ifdef VORNADESK_HAVE_PREVIEW

namespace {

using vd::preview::PreviewKind;
using vd::preview::SelectorInfo;
using vd::preview::SelectorValues;

constexpr const char* kUsageLine =
    "usage: vornadesk-cli render PKG OBJECT [--size WxH] [--action CAPTION=VALUE]... [--password PW] -o OUT.png "
    "| render PKG --all [--password PW] -o DIR";
constexpr int kMaxSide = 8192;

std::string Folded(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = up;
        }
    }
    return row[b.size()];
}

// Up to three object names closest to the one asked for, closest first.
std::string ClosestNames(const CSkinDocument& doc, const std::string& wanted) {
    const std::string key = Folded(wanted);
    std::vector<std::pair<size_t, std::string>> scored;
    std::set<std::string> seen;
    doc.ForEachItem([&](CResourceBase&, SkinResStruct& item) {
        if (item.Caption.empty() || !seen.insert(Folded(item.Caption)).second) return;
        // Long names are compared on a prefix of the wanted length too, so "skinbut" finds "SkinButton1".
        const std::string name = Folded(item.Caption);
        size_t d = EditDistance(key, name);
        if (name.size() > key.size()) d = std::min(d, EditDistance(key, name.substr(0, key.size())) + 1);
        scored.emplace_back(d, item.Caption);
    });
    std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::string list;
    for (size_t i = 0; i < scored.size() && i < 3; ++i) list += (i ? ", " : "") + std::string("'") + scored[i].second + "'";
    return list;
}

const SkinResStruct* FindObject(const CSkinDocument& doc, const std::string& wanted) {
    int id = 0;
    const auto [end, ec] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), id);
    if (ec == std::errc() && end == wanted.data() + wanted.size()) {
        if (const SkinResStruct* item = doc.FindItem(id)) return item;
    }
    const std::string key = Folded(wanted);
    const SkinResStruct* found = nullptr;
    doc.ForEachItem([&](CResourceBase&, SkinResStruct& item) {
        if (!found && Folded(item.Caption) == key) found = &item;
    });
    return found;
}

std::string Offered(const PreviewKind& kind) {
    std::string list;
    for (const SelectorInfo& s : kind.selectors) list += (list.empty() ? "" : ", ") + std::string(s.caption);
    return list.empty() ? std::string("none") : list;
}

// "--action CAPTION=VALUE" options turned into selector values; unknown captions and values are usage errors
// that list what the kind offers.
SelectorValues Actions(const Options& o, const PreviewKind& kind, const std::string& objectName) {
    SelectorValues values;
    for (const auto& [name, text] : o.values) {
        if (name != "--action") continue;
        const size_t eq = text.find('=');
        if (eq == std::string::npos || eq == 0)
            Fail(kUsage, "--action: expected CAPTION=VALUE, got '" + text + "'");
        const std::string caption = text.substr(0, eq), value = text.substr(eq + 1);
        const SelectorInfo* s = vd::preview::FindSelector(kind, caption);
        if (!s)
            Fail(kUsage, "--action: the preview of '" + objectName + "' has no selector '" + caption +
                             "' (it offers: " + Offered(kind) + ")");
        const std::optional<int> parsed = s->Parse(value);
        if (!parsed)
            Fail(kUsage, "--action: '" + value + "' is no value of " + s->caption + " (it takes: " + s->Accepted() + ")");
        values[s->caption] = *parsed;
    }
    return values;
}

QImage RenderOrFail(const CSkinDocument& doc, const SkinResStruct& item, const SelectorValues& values, QSize size) {
    const QImage image = vd::preview::RenderPreview(doc, item, values, size);
    if (image.isNull()) {
        const PreviewKind* kind = vd::preview::FindPreviewKind(item.ID);
        const QSize s = size.isEmpty() && kind ? kind->size(doc, item) : size;
        Fail(kBadPackage, "the preview of '" + item.Caption + "' cannot be drawn at " + std::to_string(s.width()) +
                              " x " + std::to_string(s.height()) + " pixels");
    }
    return image;
}

// A file name for an object: the kind's tag and the name with everything but letters, digits, '-', '_' and
// '.' replaced, so no name from the package can reach outside the chosen folder.
std::string SafeFileName(const PreviewKind& kind, const SkinResStruct& item) {
    std::string name;
    for (unsigned char c : item.Caption) name += std::isalnum(c) || c == '-' || c == '_' || c == '.' ? char(c) : '_';
    if (name.size() > 100) name.resize(100);
    if (name.find_first_not_of("._") == std::string::npos) name = std::to_string(item.ID);
    return std::string(kind.tag) + "-" + name;
}

int RenderAll(const CSkinDocument& doc, const std::string& package, const std::string& dir) {
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec || !std::filesystem::is_directory(dir))
        Fail(kCannotWrite, dir + ": cannot make the folder" + (ec ? ": " + ec.message() : std::string()));
    std::set<std::string> used;
    std::string listing;
    doc.ForEachItem([&](CResourceBase&, SkinResStruct& item) {
        const PreviewKind* kind = vd::preview::FindPreviewKind(item.ID);
        if (!kind) return;
        const std::string base = SafeFileName(*kind, item);
        std::string file = base + ".png";
        for (int n = 2; !used.insert(Folded(file)).second; ++n) file = base + "-" + std::to_string(n) + ".png";
        const std::string path = (std::filesystem::path(dir) / file).string();
        WritePngOrFail(RenderOrFail(doc, item, {}, QSize()), path);
        listing += path + "\n";
    });
    if (listing.empty()) Fail(kBadPackage, package + ": no object of the package has a preview");
    WriteStdout(listing);
    return kOk;
}

}  // namespace

int RenderCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kRenderHelp), kOk;
    // "--all" is the one option without a value.
    Args rest;
    bool all = false;
    for (const std::string& a : args) {
        if (a == "--all")
            all = true;
        else
            rest.push_back(a);
    }
    const Options o = ParseOptions(rest, {"--size", "--action", "--password"});
    const std::string* out = o.Get("-o");
    if (!out || out->empty()) Fail(kUsage, "-o is required; " + std::string(kUsageLine));
    if (o.positional.size() != (all ? 1u : 2u)) Fail(kUsage, kUsageLine);
    if (all && (o.Get("--size") || o.Get("--action")))
        Fail(kUsage, "--all renders every object at its own size and selectors; --size and --action go with one OBJECT");
    QSize size;
    if (const std::string* s = o.Get("--size")) {
        const std::vector<int> wh = NumberList("--size", *s, 2, 'x', 1, kMaxSide, "WxH");
        size = QSize(wh[0], wh[1]);
    }
    const std::string password = PasswordOption(o);
    const std::string& package = o.positional[0];

    CSkinDocument doc;
    OpenOrFail(doc, package, password);
    EnsureGuiApplication();
    if (all) return RenderAll(doc, package, *out);

    const std::string& wanted = o.positional[1];
    const SkinResStruct* item = FindObject(doc, wanted);
    if (!item) {
        const std::string closest = ClosestNames(doc, wanted);
        Fail(kBadPackage, package + ": no object named '" + wanted + "'" +
                              (closest.empty() ? std::string(" (the package has no named objects)")
                                               : " (closest: " + closest + ")"));
    }
    const PreviewKind* kind = vd::preview::FindPreviewKind(item->ID);
    if (!kind) {
        const CResourceBase* collection = doc.FindCollection(item->ID);
        Fail(kBadPackage, package + ": '" + item->Caption + "' (" + (collection ? collection->SectionName() : "?") +
                              ") has no preview of its own");
    }
    const SelectorValues values = Actions(o, *kind, item->Caption);
    if (!size.isEmpty() && !kind->Resizable(doc, *item))
        Fail(kUsage, "--size: the preview of '" + item->Caption + "' takes its size from its picture and cannot be resized");
    WritePngOrFail(RenderOrFail(doc, *item, values, size), *out);
    return kOk;
}

#else  // built without the preview library

int RenderCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kRenderHelp), kOk;
    Fail(kUsage, "render: this vornadesk-cli was built without drawing support");
}

#endif

}  // namespace cli
