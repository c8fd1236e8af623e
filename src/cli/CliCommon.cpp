#include "cli/CliCommon.h"

#include <algorithm>
#include <charconv>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

#include "cli/TerminalText.h"

namespace cli {

void Fail(int code, std::string message) { throw Failure{code, std::move(message)}; }

bool WantsHelp(const Args& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

bool TakeFlag(Args& args, const std::string& flag) {
    const auto end = std::remove(args.begin(), args.end(), flag);
    const bool found = end != args.end();
    args.erase(end, args.end());
    return found;
}

const std::string* Options::Get(const std::string& name) const {
    for (const auto& [key, value] : values)
        if (key == name) return &value;
    return nullptr;
}

Options ParseOptions(const Args& args, const std::vector<std::string>& known) {
    Options o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
            std::string name = a, value;
            const size_t eq = a.find('=');
            if (eq != std::string::npos) {
                name = a.substr(0, eq);
                value = a.substr(eq + 1);
            } else {
                if (i + 1 >= args.size()) Fail(kUsage, "option " + a + " needs a value");
                value = args[++i];
            }
            bool ok = false;
            for (const std::string& k : known) ok = ok || k == name;
            if (!ok) Fail(kUsage, "unknown option " + name);
            o.values.emplace_back(name, value);
        } else if (a == "-o") {
            if (i + 1 >= args.size()) Fail(kUsage, "option -o needs a value");
            o.values.emplace_back("-o", args[++i]);
        } else {
            o.positional.push_back(a);
        }
    }
    return o;
}

std::vector<int> NumberList(const std::string& option, const std::string& text, size_t count, char sep, int low,
                            int high, const char* shape) {
    std::vector<int> values;
    const char* p = text.data();
    const char* end = p + text.size();
    while (true) {
        int v = 0;
        const auto [next, ec] = std::from_chars(p, end, v);
        if (ec != std::errc() || next == p || v < low || v > high)
            Fail(kUsage, option + ": expected " + shape + " with values from " + std::to_string(low) + " to " +
                             std::to_string(high) + ", got '" + text + "'");
        values.push_back(v);
        p = next;
        if (p == end) break;
        if (*p != sep && !(sep == 'x' && *p == 'X')) Fail(kUsage, option + ": expected " + shape + ", got '" + text + "'");
        ++p;
    }
    if (values.size() != count) Fail(kUsage, option + ": expected " + shape + ", got '" + text + "'");
    return values;
}

std::string ReadInput(const std::string& path, size_t limit, int failCode) {
    std::string data;
    if (path.empty() || path == "-") {
        char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, stdin)) > 0) {
            data.append(buf, n);
            if (data.size() > limit) Fail(failCode, "standard input: the text is larger than " + std::to_string(limit) + " bytes");
        }
        return data;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) Fail(failCode, path + ": cannot open: " + std::strerror(errno));
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0) Fail(failCode, path + ": cannot read");
    if (static_cast<unsigned long long>(size) > limit)
        Fail(failCode, path + ": the file is larger than " + std::to_string(limit) + " bytes");
    file.seekg(0);
    data.resize(static_cast<size_t>(size));
    if (!file.read(data.data(), size)) Fail(failCode, path + ": cannot read");
    return data;
}

void WriteStdout(std::string_view bytes) {
    if (StdoutIsTerminal()) {
        const std::string shown = TerminalSafeLines(bytes);
        std::fwrite(shown.data(), 1, shown.size(), stdout);
    } else {
        std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    }
    std::fflush(stdout);
}

void PrintMessage(std::string_view text) {
    const std::string line = "vornadesk-cli: " + TerminalSafe(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}

}  // namespace cli
