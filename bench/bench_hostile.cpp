// Packages shaped like the hostile ones the budgets exist for, opened against baselines measured in the
// same run:
// - "Indexs" listing 100 000 numbers against one listing 1 000: loading is linear when the time per listed
//   number stays flat (the counter "per_number");
// - 10 000 tiny picture entries against inflating the same entries with zlib alone.
// Each case also reports the peak memory one open adds ("peak_MiB": a fresh process that opens the package,
// less one that only starts), next to the package's inflated content ("content_MiB").
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "Resource/AtomicFile.h"
#include "Resource/PackageFormat.h"
#include "Resource/SkinDocument.h"
#include "Resource/ZipArchive.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct Package {
    std::string path;
    uint64_t inflated = 0;  // the bytes of every entry, uncompressed
    std::vector<Bytes> entries;
};

// A package as a hostile author would write it: the entries as given, the configuration scrambled and
// last, the archive scrambled behind the header. Nothing of the document's own saving is involved.
Package WritePackage(const std::string& stem, const std::vector<std::pair<std::string, Bytes>>& pictures,
                     const std::string& config) {
    Package p;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vornadesk_bench_hostile";
    std::filesystem::create_directories(dir);
    p.path = (dir / (stem + ".rss")).string();
    vd::ZipWriter zip(1);
    for (const auto& [name, bytes] : pictures) {
        if (!zip.AddEntry(name, bytes)) std::abort();
        p.inflated += bytes.size();
        p.entries.push_back(bytes);
    }
    Bytes text(config.begin(), config.end());
    p.inflated += text.size();
    p.entries.push_back(text);
    vd::ScrambleConfig(text);
    if (!zip.AddEntry(vd::ConfigEntryName(p.path), text)) std::abort();
    Bytes archive = zip.Finish();
    vd::ScrambleContainer(archive);
    const vd::PackageHeader header = vd::BuildHeader("");
    Bytes file(header.begin(), header.end());
    file.insert(file.end(), archive.begin(), archive.end());
    if (!vd::WriteFileAtomically(p.path, file)) std::abort();
    return p;
}

// Frames listed 1..count in "Indexs", each with an ID key: past the collection's block the numbers can
// never be kept, which is what a hostile package makes the loader wade through.
const Package& IndexsPackage(int count) {
    static std::map<int, Package> cache;
    auto it = cache.find(count);
    if (it != cache.end()) return it->second;
    std::string config = "[Frames]\r\nIndexs=";
    for (int n = 1; n <= count; ++n) config += std::to_string(n) + (n < count ? "," : "\r\n");
    for (int n = 1; n <= count; ++n)
        config += std::to_string(n) + "ID=" + std::to_string(3000 + n) + "\r\n" + std::to_string(n) +
                  "Caption=Frame" + std::to_string(n) + "\r\n";
    return cache.emplace(count, WritePackage("indexs" + std::to_string(count), {}, config)).first->second;
}

// A 2 x 2 24-bit BMP: the smallest real picture.
Bytes TinyBmp(int seed) {
    Bytes b = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,
               0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < 16; ++i) b.push_back(static_cast<uint8_t>(seed * 7 + i));
    return b;
}

const Package& EntriesPackage(int count) {
    static std::map<int, Package> cache;
    auto it = cache.find(count);
    if (it != cache.end()) return it->second;
    std::vector<std::pair<std::string, Bytes>> pictures;
    std::string config = "[Pictures]\r\n";
    for (int i = 0; i < count; ++i) {
        const std::string name = "p" + std::to_string(i) + ".bmp";
        pictures.emplace_back(name, TinyBmp(i));
        config += name + "=" + name + "\r\n" + name + "ID=" + std::to_string(1 + i) + "\r\n";
    }
    return cache.emplace(count, WritePackage("entries" + std::to_string(count), pictures, config)).first->second;
}

// A fresh process of this program started with this variable set opens the package it names (or, with
// an empty value, opens nothing), prints its own peak resident memory in KiB and exits instead of running
// the benchmarks. Its peak is read from /proc rather than from wait4: a spawned child's high-water mark
// starts from the memory of the process that spawned it.
constexpr char kChildVariable[] = "VORNADESK_BENCH_OPEN_CHILD";

int RunChild(const char* path) {
    if (*path) {
        CSkinDocument doc;
        if (doc.Open(path, "") != vd::OpenResult::Ok) return 1;
    }
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) std::printf("%s\n", line.substr(6).c_str());
    return 0;
}

// Peak resident memory of a fresh process of this program that opens the package (or, with an empty
// path, only starts), in MiB; -1 when it fails.
double PeakChildMiB(const std::string& path) {
    const std::string variable = std::string(kChildVariable) + "=" + path;
    char self[] = "/proc/self/exe";
    char* argv[] = {self, nullptr};
    char* envp[] = {const_cast<char*>(variable.c_str()), nullptr};
    int out[2];
    if (pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t child = -1;
    const int spawned = posix_spawn(&child, self, &actions, nullptr, argv, envp);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::strtod(text.c_str(), nullptr) / 1024.0;  // VmHWM is in kB
}

void ReportMemory(benchmark::State& state, const Package& p) {
    state.counters["peak_MiB"] = PeakChildMiB(p.path) - PeakChildMiB({});
    state.counters["content_MiB"] = static_cast<double>(p.inflated) / (1024.0 * 1024.0);
}

void OpenOnce(benchmark::State& state, const Package& p) {
    CSkinDocument doc;
    if (doc.Open(p.path, "") != vd::OpenResult::Ok) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(doc.ItemCount());
}

void BM_OpenIndexs(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const Package& p = IndexsPackage(count);
    for (auto _ : state) OpenOnce(state, p);
    // Seconds per listed number: flat from 1 000 to 100 000 when loading is linear.
    state.counters["per_number"] = benchmark::Counter(
        count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    ReportMemory(state, p);
}

void BM_OpenEntries(benchmark::State& state) {
    const Package& p = EntriesPackage(static_cast<int>(state.range(0)));
    for (auto _ : state) OpenOnce(state, p);
    ReportMemory(state, p);
}

// The unavoidable part of opening that package: inflating each entry with zlib alone.
void BM_InflateEntriesBaseline(benchmark::State& state) {
    const Package& p = EntriesPackage(static_cast<int>(state.range(0)));
    std::vector<Bytes> deflated;
    for (const Bytes& e : p.entries) {
        uLongf size = compressBound(static_cast<uLong>(e.size()));
        Bytes out(size);
        compress2(out.data(), &size, e.data(), static_cast<uLong>(e.size()), 1);
        out.resize(size);
        deflated.push_back(std::move(out));
    }
    for (auto _ : state)
        for (size_t i = 0; i < deflated.size(); ++i) {
            uLongf size = static_cast<uLongf>(p.entries[i].size());
            Bytes out(size);
            uncompress(out.data(), &size, deflated[i].data(), static_cast<uLong>(deflated[i].size()));
            benchmark::DoNotOptimize(out.data());
        }
}

}  // namespace

BENCHMARK(BM_OpenIndexs)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_InflateEntriesBaseline)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenEntries)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    if (const char* path = std::getenv(kChildVariable)) return RunChild(path);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
