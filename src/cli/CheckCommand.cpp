#include "cli/CheckCommand.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "Resource/SkinCheck.h"
#include "Resource/SkinDocument.h"
#include "cli/JsonText.h"
#include "cli/PackageOpen.h"
#include "cli/TerminalText.h"

#ifdef VORNADESK_HAVE_DRAW
#include "cli/OffscreenGui.h"
#include "platform/InstalledFaces.h"
#endif

namespace cli {
namespace {

constexpr const char* kCheckHelp =
    "usage: vornadesk-cli check PKG [--json] [--password PW]\n"
    "\n"
    "Checks a skin for the faults that make the skinning engine draw nothing, or garbage, and prints each\n"
    "finding on a line of its own, errors first, then warnings, then notes:\n"
    "\n"
    "  error: Frames/Amberline ActiveTop: picture 'x.png' is not in the skin\n"
    "\n"
    "that is SEVERITY: SECTION/NAME ROW: MESSAGE, where SECTION is the object's kind, NAME its name and ROW\n"
    "the row of its record the finding is about (left out when it is about the whole object). A clean skin\n"
    "prints nothing.\n"
    "\n"
    "errors    a picture named that the skin does not hold (image rows, menu items, toolbar commands); a\n"
    "          slice outside its picture, empty or inverted; corners wider or higher than their slice; an\n"
    "          owner frame that does not exist; two objects sharing an ID\n"
    "warnings  two objects of one kind sharing a name; two pictures whose names differ only in case; a\n"
    "          font face this machine cannot show, so that its text falls back to another font (checked\n"
    "          only where vornadesk-cli is built with drawing support)\n"
    "notes     pictures no object uses\n"
    "\n"
    "--json    prints one JSON object instead:\n"
    "          {\"findings\": [{\"severity\": \"error\", \"code\": \"...\", \"section\": \"Frames\", \"id\": 3001,\n"
    "                        \"name\": \"...\", \"key\": \"ActiveTop\", \"message\": \"...\"}, ...],\n"
    "           \"errors\": 1, \"warnings\": 0, \"notes\": 0}\n"
    "          \"code\" names the kind of fault for scripts; texts are UTF-8, bytes of a name that are not\n"
    "          UTF-8 become U+FFFD\n"
    "\n"
    "Exit status: 0 no error found (warnings and notes do not count), 6 at least one error, 1 usage error,\n"
    "2 unknown file format, 3 wrong password, 4 other bad input (a damaged, oversized or unreadable package).\n";

constexpr const char* kUsageLine = "usage: vornadesk-cli check PKG [--json] [--password PW]";

CheckOptions OptionsForThisMachine() {
    CheckOptions options;
#ifdef VORNADESK_HAVE_DRAW
    EnsureGuiApplication();
    auto faces = std::make_shared<const vd::InstalledFaces>();
    options.fontAvailable = [faces](const std::string& face) { return faces->Has(face); };
#endif
    return options;
}

// Each finding on one line whatever its names hold: control characters and stray bytes are escaped.
std::string AsLines(const std::vector<CheckFinding>& findings) {
    std::string out;
    for (const CheckFinding& f : findings) out += TerminalSafe(FormatFinding(f)) + "\n";
    return out;
}

size_t Count(const std::vector<CheckFinding>& findings, CheckSeverity severity) {
    return static_cast<size_t>(std::count_if(findings.begin(), findings.end(),
                                             [&](const CheckFinding& f) { return f.severity == severity; }));
}

std::string AsJson(const std::vector<CheckFinding>& findings) {
    std::string out = "{\n  \"findings\": [";
    for (size_t i = 0; i < findings.size(); ++i) {
        const CheckFinding& f = findings[i];
        out += i ? ",\n    " : "\n    ";
        out += "{\"severity\": " + JsonString(SeverityName(f.severity)) + ", \"code\": " + JsonString(f.code) +
               ", \"section\": " + JsonString(f.section) + ", \"id\": " + std::to_string(f.id) +
               ", \"name\": " + JsonString(f.name) + ", \"key\": " + JsonString(f.key) +
               ", \"message\": " + JsonString(f.message) + "}";
    }
    out += findings.empty() ? "],\n" : "\n  ],\n";
    out += "  \"errors\": " + std::to_string(Count(findings, CheckSeverity::Error)) + ",\n";
    out += "  \"warnings\": " + std::to_string(Count(findings, CheckSeverity::Warning)) + ",\n";
    out += "  \"notes\": " + std::to_string(Count(findings, CheckSeverity::Note)) + "\n}\n";
    return out;
}

}  // namespace

int CheckCommand(const Args& args) {
    if (WantsHelp(args)) return WriteStdout(kCheckHelp), kOk;
    Args rest = args;
    const bool json = TakeFlag(rest, "--json");
    const Options o = ParseOptions(rest, {"--password"});
    if (o.positional.size() != 1) Fail(kUsage, kUsageLine);
    const std::string password = PasswordOption(o);

    CSkinDocument doc;
    OpenOrFail(doc, o.positional[0], password);
    const std::vector<CheckFinding> findings = CheckSkin(doc, OptionsForThisMachine());
    WriteStdout(json ? AsJson(findings) : AsLines(findings));
    return Count(findings, CheckSeverity::Error) ? kSkinHasErrors : kOk;
}

}  // namespace cli
