#include "EnBitmapTestUtil.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstring>
#include <memory>

namespace imgtest {

void PutU16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}

void PutU32(Bytes& b, uint32_t v) {
    PutU16(b, v & 0xFFFF);
    PutU16(b, v >> 16);
}

void PutBytes(Bytes& b, const Bytes& more) { b.insert(b.end(), more.begin(), more.end()); }

Bytes PackRow(const std::vector<uint32_t>& values, int bpp) {
    Bytes row;
    if (bpp < 8) {
        const int perByte = 8 / bpp;
        row.assign((values.size() + perByte - 1) / perByte, 0);
        for (size_t x = 0; x < values.size(); ++x)
            row[x / perByte] |= uint8_t(values[x] << ((perByte - 1 - x % perByte) * bpp));
    } else {
        for (uint32_t v : values)
            for (int i = 0; i < bpp / 8; ++i)
                row.push_back(uint8_t(v >> (8 * i)));
    }
    while (row.size() % 4)
        row.push_back(0);
    return row;
}

Bytes PackRows(const std::vector<std::vector<uint32_t>>& rowsTopDown, int bpp, bool topDown) {
    Bytes out;
    for (size_t i = 0; i < rowsTopDown.size(); ++i)
        PutBytes(out, PackRow(rowsTopDown[topDown ? i : rowsTopDown.size() - 1 - i], bpp));
    return out;
}

Bytes MakeDib(const DibParts& s, size_t* pixelOffset) {
    Bytes b;
    PutU32(b, s.headerSize);
    if (s.headerSize == 12) {
        PutU16(b, uint32_t(s.width));
        PutU16(b, uint32_t(s.height));
        PutU16(b, 1);
        PutU16(b, s.bpp);
    } else {
        PutU32(b, uint32_t(s.width));
        PutU32(b, uint32_t(s.height));
        PutU16(b, 1);
        PutU16(b, s.bpp);
        PutU32(b, s.compression);
        PutU32(b, uint32_t(s.bits.size()));
        PutU32(b, 2835);
        PutU32(b, 2835);
        PutU32(b, s.clrUsed);
        PutU32(b, 0);
        if (s.headerSize >= 52)
            for (size_t i = 0; i < 4 && b.size() < s.headerSize; ++i)
                PutU32(b, i < s.masks.size() ? s.masks[i] : 0);
        b.resize(s.headerSize, 0);
        if (s.headerSize < 52)
            for (uint32_t m : s.masks)
                PutU32(b, m);
    }
    for (uint32_t c : s.palette) {
        b.push_back(uint8_t(c));
        b.push_back(uint8_t(c >> 8));
        b.push_back(uint8_t(c >> 16));
        if (s.headerSize != 12)
            b.push_back(0);
    }
    if (pixelOffset)
        *pixelOffset = b.size();
    PutBytes(b, s.bits);
    return b;
}

Bytes MakeBmpFile(const DibParts& parts, std::optional<uint32_t> offBits) {
    size_t pixelOffset = 0;
    const Bytes dib = MakeDib(parts, &pixelOffset);
    Bytes b{'B', 'M'};
    PutU32(b, uint32_t(14 + dib.size()));
    PutU32(b, 0);
    PutU32(b, offBits.value_or(uint32_t(14 + pixelOffset)));
    PutBytes(b, dib);
    return b;
}

Bytes MakeIconDib(const IconImage& im) {
    DibParts s;
    s.width = im.width;
    s.height = im.height * 2;
    s.bpp = uint16_t(im.bpp);
    s.palette = im.palette;
    s.bits = PackRows(im.pixels, im.bpp);
    std::vector<std::vector<uint32_t>> mask = im.mask;
    if (mask.empty())
        mask.assign(size_t(im.height), std::vector<uint32_t>(size_t(im.width), 0));
    PutBytes(s.bits, PackRows(mask, 1));
    return MakeDib(s);
}

Bytes MakeIconFile(int type, const std::vector<IconEntry>& entries, std::optional<uint16_t> countOverride) {
    Bytes b;
    PutU16(b, 0);
    PutU16(b, uint32_t(type));
    PutU16(b, countOverride.value_or(uint16_t(entries.size())));
    uint32_t offset = uint32_t(6 + 16 * entries.size());
    for (const IconEntry& e : entries) {
        b.push_back(e.dirWidth);
        b.push_back(e.dirHeight);
        b.push_back(0);
        b.push_back(0);
        PutU16(b, uint32_t(e.hotspotX));
        PutU16(b, uint32_t(e.hotspotY));
        PutU32(b, e.sizeOverride.value_or(uint32_t(e.data.size())));
        PutU32(b, e.offsetOverride.value_or(offset));
        offset += uint32_t(e.data.size());
    }
    for (const IconEntry& e : entries)
        PutBytes(b, e.data);
    return b;
}

namespace {
void PutChunk(Bytes& b, const char* id, const Bytes& body) {
    b.insert(b.end(), id, id + 4);
    PutU32(b, uint32_t(body.size()));
    PutBytes(b, body);
    if (body.size() & 1)
        b.push_back(0);
}
}  // namespace

Bytes MakeAniFile(const std::vector<Bytes>& frames, const Bytes& sequence) {
    Bytes anih;
    for (uint32_t v : {36u, uint32_t(frames.size()), uint32_t(frames.size()), 0u, 0u, 0u, 0u, 10u, 1u})
        PutU32(anih, v);
    Bytes list{'f', 'r', 'a', 'm'};
    for (const Bytes& f : frames)
        PutChunk(list, "icon", f);
    Bytes body{'A', 'C', 'O', 'N'};
    PutChunk(body, "anih", anih);
    if (!sequence.empty())
        PutChunk(body, "seq ", sequence);
    PutChunk(body, "LIST", list);
    Bytes b;
    PutChunk(b, "RIFF", body);
    return b;
}

Bytes MakeTga(const TgaParts& s) {
    Bytes b;
    b.push_back(uint8_t(s.id.size()));
    b.push_back(s.colorMapType);
    b.push_back(s.type);
    PutU16(b, 0);
    PutU16(b, s.colorMapLength);
    b.push_back(24);
    PutU16(b, 0);
    PutU16(b, 0);
    PutU16(b, s.width);
    PutU16(b, s.height);
    b.push_back(s.depth);
    b.push_back(s.descriptor);
    b.insert(b.end(), s.id.begin(), s.id.end());
    PutBytes(b, s.colorMap);
    PutBytes(b, s.data);
    return b;
}

namespace {

void AppendPng(png_structp png, png_bytep data, size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

// Only plain locals here: libpng leaves by longjmp on error.
bool WriteProtected(png_structp png, png_infop info, const PngParts* s, png_bytepp rows, png_colorp palette,
                    int paletteCount) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, png_uint_32(s->width), png_uint_32(s->height), s->bitDepth, s->colorType,
                 s->interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (paletteCount)
        png_set_PLTE(png, info, palette, paletteCount);
    png_color_16 color{};
    if (!s->paletteAlpha.empty())
        png_set_tRNS(png, info, s->paletteAlpha.data(), int(s->paletteAlpha.size()), nullptr);
    if (s->transColor) {
        color.gray = color.red = (*s->transColor)[0];
        color.green = (*s->transColor)[1];
        color.blue = (*s->transColor)[2];
        png_set_tRNS(png, info, nullptr, 1, &color);
    }
    png_color_16 back{};
    if (s->background) {
        back.gray = back.red = (*s->background)[0];
        back.green = (*s->background)[1];
        back.blue = (*s->background)[2];
        png_set_bKGD(png, info, &back);
    }
    if (s->physPerMeter)
        png_set_pHYs(png, info, (*s->physPerMeter)[0], (*s->physPerMeter)[1], PNG_RESOLUTION_METER);
    png_set_rows(png, info, rows);
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

}  // namespace

Bytes MakePng(const PngParts& s) {
    std::vector<Bytes> rowData;
    for (const auto& samples : s.samples) {
        Bytes row;
        if (s.bitDepth < 8) {
            const int perByte = 8 / s.bitDepth;
            row.assign((samples.size() + perByte - 1) / perByte, 0);
            for (size_t i = 0; i < samples.size(); ++i)
                row[i / perByte] |= uint8_t(samples[i] << ((perByte - 1 - i % perByte) * s.bitDepth));
        } else {
            for (uint16_t v : samples) {
                if (s.bitDepth == 16)
                    row.push_back(uint8_t(v >> 8));
                row.push_back(uint8_t(v));
            }
        }
        rowData.push_back(std::move(row));
    }
    std::vector<png_bytep> rows;
    for (Bytes& r : rowData)
        rows.push_back(r.data());
    std::vector<png_color> palette;
    for (const auto& c : s.palette)
        palette.push_back(png_color{c[0], c[1], c[2]});

    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendPng, nullptr);
    const bool ok = WriteProtected(png, info, &s, rows.data(), palette.data(), int(palette.size()));
    png_destroy_write_struct(&png, &info);
    return ok ? out : Bytes{};
}

Bytes MakePngHeaderOnly(uint32_t width, uint32_t height) {
    Bytes b{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes chunk{'I', 'H', 'D', 'R'};
    for (uint32_t v : {width, height})
        for (int i = 3; i >= 0; --i)
            chunk.push_back(uint8_t(v >> (8 * i)));
    for (uint8_t v : {8, 2, 0, 0, 0})  // 8-bit RGB, no interlace
        chunk.push_back(v);
    const uint32_t crc = uint32_t(crc32(0, chunk.data(), uInt(chunk.size())));
    for (int i = 3; i >= 0; --i)
        b.push_back(uint8_t(13u >> (8 * i)));
    PutBytes(b, chunk);
    for (int i = 3; i >= 0; --i)
        b.push_back(uint8_t(crc >> (8 * i)));
    PutBytes(b, {0, 0, 0, 100, 'I', 'D', 'A', 'T', 0x78, 0x9C});
    return b;
}

size_t DecodeEveryPrefix(const Bytes& file, const std::function<bool(const uint8_t*, size_t)>& decode) {
    size_t successes = 0;
    for (size_t n = 0; n < file.size(); ++n) {
        // An exactly sized heap copy, so the sanitizer sees any read past the prefix.
        std::unique_ptr<uint8_t[]> copy(new uint8_t[n ? n : 1]);
        std::memcpy(copy.get(), file.data(), n);
        successes += decode(copy.get(), n) ? 1 : 0;
    }
    return successes;
}

}  // namespace imgtest
