// Opening and saving a large skin (300 PNG pictures of 16 to 512 pixels square and 3000 objects) against
// baselines that do only the unavoidable work with zlib and libpng directly: inflating every entry and
// decoding every PNG, or deflating every entry at the same level.
#include <benchmark/benchmark.h>
#include <png.h>
#include <zlib.h>

#include <filesystem>
#include <random>

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResourceBase.h"
#include "Resource/SkinDocument.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes WritePng(int size, std::mt19937& rng) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Bytes out;
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* o = static_cast<Bytes*>(png_get_io_ptr(p));
            o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(size), static_cast<png_uint_32>(size), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // Gradients with a little noise: compressible like real skin artwork.
    std::vector<uint8_t> row(static_cast<size_t>(size) * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            uint8_t* p = &row[static_cast<size_t>(x) * 4];
            p[0] = static_cast<uint8_t>(x * 255 / size);
            p[1] = static_cast<uint8_t>(y * 255 / size);
            p[2] = static_cast<uint8_t>((x + y) / 2 + rng() % 8);
            p[3] = static_cast<uint8_t>(x < 4 || y < 4 ? 128 : 255);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

struct Fixture {
    std::string path;
    std::vector<Bytes> entries;  // the uncompressed entries: pictures, then the configuration
    std::vector<Bytes> deflated; // the same, raw-deflated at the default level
    std::vector<bool> isPng;
};

Bytes Deflate(const Bytes& in) {
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    Bytes out(deflateBound(&z, in.size()));
    z.next_in = const_cast<Bytes::value_type*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

Bytes Inflate(const Bytes& in, size_t size) {
    Bytes out(size);
    z_stream z{};
    inflateInit2(&z, -MAX_WBITS);
    z.next_in = const_cast<Bytes::value_type*>(in.data());
    z.avail_in = static_cast<uInt>(in.size());
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    inflate(&z, Z_FINISH);
    inflateEnd(&z);
    return out;
}

void DecodePng(const Bytes& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_memory(&image, bytes.data(), bytes.size());
    image.format = PNG_FORMAT_BGRA;
    Bytes pixels(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
    benchmark::DoNotOptimize(pixels.data());
}

Fixture& TheFixture() {
    static Fixture f = [] {
        Fixture fx;
        std::mt19937 rng(7);
        const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vornadesk_bench_package";
        std::filesystem::create_directories(dir);
        fx.path = (dir / "large.rss").string();
        std::vector<CSkinDocument::PictureBytes> pictures;
        for (int i = 0; i < 300; ++i) {
            const int size = 16 + static_cast<int>(rng() % 497);
            Bytes png = WritePng(size, rng);
            fx.entries.push_back(png);
            fx.isPng.push_back(true);
            pictures.push_back({"picture" + std::to_string(i) + ".png", std::make_shared<const Bytes>(png)});
        }
        CSkinDocument doc;
        doc.LoadPackageContents("", std::move(pictures));
        int made = 0;
        while (made < 3000)
            for (const auto& c : doc.Collections())
                if (c->IsCreatable() && made < 3000 && c->NewItem()) {
                    c->Items().back()->ResID = std::to_string(made);
                    ++made;
                }
        for (size_t i = 0; i < doc.Frames().Count(); ++i) doc.Frames().At(i)->activeTop.name = "picture1.png";
        if (!doc.Save(fx.path, "")) std::abort();
        const std::string config = doc.SaveConfigText();
        fx.entries.emplace_back(config.begin(), config.end());
        fx.isPng.push_back(false);
        for (const Bytes& e : fx.entries) fx.deflated.push_back(Deflate(e));
        return fx;
    }();
    return f;
}

void BM_OpenPackage(benchmark::State& state) {
    Fixture& f = TheFixture();
    for (auto _ : state) {
        CSkinDocument doc;
        if (doc.Open(f.path, "") != vd::OpenResult::Ok) state.SkipWithError("open failed");
        benchmark::DoNotOptimize(doc.ItemCount());
    }
}

void BM_OpenBaseline(benchmark::State& state) {
    Fixture& f = TheFixture();
    for (auto _ : state) {
        for (size_t i = 0; i < f.deflated.size(); ++i) {
            const Bytes raw = Inflate(f.deflated[i], f.entries[i].size());
            if (f.isPng[i]) DecodePng(raw);
        }
    }
}

void BM_SavePackage(benchmark::State& state) {
    Fixture& f = TheFixture();
    CSkinDocument doc;
    if (doc.Open(f.path, "") != vd::OpenResult::Ok) std::abort();
    const std::string out = f.path + ".saved.rss";
    for (auto _ : state)
        if (!doc.Save(out, "")) state.SkipWithError("save failed");
}

void BM_SaveBaseline(benchmark::State& state) {
    Fixture& f = TheFixture();
    for (auto _ : state)
        for (const Bytes& e : f.entries) benchmark::DoNotOptimize(Deflate(e).size());
}

}  // namespace

BENCHMARK(BM_OpenBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenPackage)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SavePackage)->Unit(benchmark::kMillisecond)->UseRealTime();
