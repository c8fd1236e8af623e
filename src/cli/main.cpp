// vornadesk-cli: inspects, converts and renders skin packages without the designer.

#include <new>
#include <string>

#include "cli/CheckCommand.h"
#include "cli/CliCommon.h"
#include "cli/ConfigCommands.h"
#include "cli/PackageCommands.h"
#include "cli/RenderCommand.h"
#include "cli/SliceCommand.h"

namespace {

struct Command {
    const char* name;
    const char* summary;
    int (*run)(const cli::Args&);
};

// "config PKG" prints a package's stored configuration; "config new|normalize" work on texts.
int Config(const cli::Args& args) {
    if (!args.empty() && args[0] != "new" && args[0] != "normalize" && args[0] != "--help" && args[0] != "-h")
        return cli::ConfigOfPackageCommand(args);
    return cli::ConfigCommand(args);
}

const Command kCommands[] = {
    {"info", "show a package's skin details, objects and pictures", cli::InfoCommand},
    {"config", "print a package's configuration, or make and normalize configuration texts", Config},
    {"new", "save a new skin with the objects asked for as a package", cli::NewPackageCommand},
    {"resave", "open a package and save it again", cli::ResaveCommand},
    {"unpack", "write a package's configuration and pictures into a folder", cli::UnpackCommand},
    {"pack", "build a package from a folder written by unpack", cli::PackCommand},
    {"slice", "draw a picture rectangle in nine parts into a PNG of any size", cli::SliceCommand},
    {"render", "draw an object's preview (or every object's) as the designer shows it, into PNG files", cli::RenderCommand},
    {"check", "list what is wrong with a skin: missing pictures, bad slices, lost owners, clashing names", cli::CheckCommand},
};

void PrintHelp() {
    std::string text =
        "usage: vornadesk-cli COMMAND [ARGS]...\n"
        "\n"
        "Vornadesk's command-line tool for skin packages (.rss) and their configuration texts.\n"
        "\n"
        "commands:\n";
    for (const Command& c : kCommands) {
        text += "  ";
        text += c.name;
        text += std::string(10 - std::string(c.name).size(), ' ');
        text += c.summary;
        text += '\n';
    }
    text += "\nRun 'vornadesk-cli COMMAND --help' for the options of one command.\n"
            "\nExit status: 0 success, 1 usage error, 2 unknown file format, 3 wrong password, 4 other bad input,\n"
            "5 the output cannot be written, 6 check found at least one error in the skin.\n";
    cli::WriteStdout(text);
}

}  // namespace

int main(int argc, char** argv) {
    cli::Args args(argv + 1, argv + argc);
    try {
        if (args.empty()) {
            PrintHelp();
            cli::Fail(cli::kUsage, "no command given");
        }
        if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
            PrintHelp();
            return cli::kOk;
        }
        for (const Command& c : kCommands)
            if (args[0] == c.name) return c.run(cli::Args(args.begin() + 1, args.end()));
        cli::Fail(cli::kUsage, "unknown command '" + args[0] + "' (see 'vornadesk-cli --help')");
    } catch (const cli::Failure& f) {
        cli::PrintMessage(f.message);
        return f.code;
    } catch (const std::bad_alloc&) {
        // Only a package's content is ever large enough to exhaust memory.
        cli::PrintMessage("out of memory: the input is too large for this machine");
        return cli::kBadPackage;
    } catch (const std::exception& e) {
        cli::PrintMessage(e.what());
        return cli::kBadPackage;
    }
}
