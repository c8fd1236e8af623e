#include "cli/CliCommon.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

namespace cli {

void Fail(int code, std::string message) { throw Failure{code, std::move(message)}; }

bool WantsHelp(const Args& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

std::string ReadInput(const std::string& path, size_t limit) {
    std::string data;
    if (path.empty() || path == "-") {
        char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, stdin)) > 0) {
            data.append(buf, n);
            if (data.size() > limit) Fail(kBadInput, "standard input: the text is larger than " + std::to_string(limit) + " bytes");
        }
        return data;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) Fail(kBadInput, path + ": cannot open: " + std::strerror(errno));
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0) Fail(kBadInput, path + ": cannot read");
    if (static_cast<unsigned long long>(size) > limit)
        Fail(kBadInput, path + ": the file is larger than " + std::to_string(limit) + " bytes");
    file.seekg(0);
    data.resize(static_cast<size_t>(size));
    if (!file.read(data.data(), size)) Fail(kBadInput, path + ": cannot read");
    return data;
}

void WriteStdout(std::string_view bytes) {
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

}  // namespace cli
