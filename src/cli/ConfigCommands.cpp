#include "cli/ConfigCommands.h"

#include <string>

#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"

namespace cli {
namespace {

constexpr size_t kConfigLimit = 256u << 20;

constexpr const char* kConfigHelp =
    "usage: vornadesk-cli config PKG [--password PW]\n"
    "       vornadesk-cli config new [KIND[:N]]...\n"
    "       vornadesk-cli config normalize [FILE]\n"
    "\n"
    "PKG        prints the configuration text stored in a package, unscrambled\n"
    "new        prints the configuration text that saving writes for a new skin to which N (default 1)\n"
    "           objects of each KIND were added, in the order given. KIND is a section name such as\n"
    "           Application, Frames, Buttons, SysButtons, ScrollBars or ComboBoxs (any letter case).\n"
    "normalize  reads a configuration text (FILE, or standard input), loads it as a skin and prints what\n"
    "           saving that skin writes. What loading had to change (items renumbered because another\n"
    "           item holds their ID) or leave out is told on standard error. Normalizing the output\n"
    "           again gives the same text.\n"
    "\n"
    "Exit status: 0 success, 1 usage error, 2 bad input.\n";

std::string Save(CSkinDocument& doc) {
    std::string error;
    std::string text = doc.SaveConfigText(&error);
    if (!error.empty()) Fail(kBadInput, error);
    return text;
}

int New(const Args& kinds) {
    CSkinDocument doc;
    AddObjects(doc, kinds, kBadInput);
    WriteStdout(Save(doc));
    return kOk;
}

int Normalize(const Args& args) {
    if (args.size() > 1) Fail(kUsage, "config normalize takes at most one FILE");
    const std::string text = ReadInput(args.empty() ? std::string() : args[0], kConfigLimit);
    CSkinDocument doc;
    doc.Cfg().Parse(text);
    doc.LoadAll();
    const std::string input = args.empty() || args[0] == "-" ? std::string("standard input") : args[0];
    for (const std::string& warning : doc.Warnings()) PrintMessage(input + ": warning: " + warning);
    WriteStdout(Save(doc));
    return kOk;
}

}  // namespace

void AddObjects(CSkinDocument& doc, const Args& kinds, int badInputCode) {
    for (const std::string& word : kinds) {
        std::string kind = word;
        int count = 1;
        if (const size_t colon = word.find(':'); colon != std::string::npos) {
            kind = word.substr(0, colon);
            const std::string number = word.substr(colon + 1);
            if (number.empty() || number.size() > 6 || number.find_first_not_of("0123456789") != std::string::npos)
                Fail(kUsage, "'" + word + "': the count after ':' must be a whole number");
            count = std::stoi(number);
        }
        CResourceBase* collection = doc.FindCollectionBySection(kind);
        if (!collection) Fail(kUsage, "'" + kind + "' is not a kind of skin object");
        if (!collection->IsCreatable()) Fail(kUsage, "'" + kind + "' objects cannot be created");
        for (int i = 0; i < count; ++i) {
            std::string error;
            if (!collection->NewItem(&error)) Fail(badInputCode, error);
        }
    }
}

int ConfigCommand(const Args& args) {
    if (args.empty()) Fail(kUsage, "config needs a subcommand: new or normalize (see 'vornadesk-cli config --help')");
    if (WantsHelp(args)) {
        WriteStdout(kConfigHelp);
        return kOk;
    }
    const Args rest(args.begin() + 1, args.end());
    if (args[0] == "new") return New(rest);
    if (args[0] == "normalize") return Normalize(rest);
    Fail(kUsage, "unknown config subcommand '" + args[0] + "' (expected new or normalize)");
}

}  // namespace cli
