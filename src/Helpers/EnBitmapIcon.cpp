// ICO, CUR and ANI decoding from memory. Directory entries and RIFF chunks are bounded by the buffer;
// an entry that points outside the file is skipped rather than trusted.

#include <algorithm>
#include <cstring>

#include "Helpers/EnBitmapDecoders.h"
#include "Helpers/EnBitmapSkinImage.h"

namespace enbitmap {
namespace {

uint16_t U16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint32_t BE32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool IsPng(const uint8_t* data, size_t size) {
    return size >= 8 && std::memcmp(data, kPngSignature, 8) == 0;
}

struct Candidate {
    size_t index = 0;
    const uint8_t* data = nullptr;
    size_t size = 0;
    uint64_t area = 0;  // width x height from the entry's header, unsigned: a PNG may claim 2^32 - 1 each way
    int bpp = 0;
    int hotspotX = 0;
    int hotspotY = 0;
};

// Size and depth from the entry's own header; false when the entry is not an image at all.
bool Peek(Candidate& c) {
    const uint8_t* d = c.data;
    if (IsPng(d, c.size)) {
        if (c.size < 26)
            return false;
        static const int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
        const uint8_t colorType = d[25];
        c.area = uint64_t(BE32(d + 16)) * uint64_t(BE32(d + 20));
        c.bpp = d[24] * (colorType < 7 ? kChannels[colorType] : 0);
        return c.area > 0;
    }
    if (c.size < 16)
        return false;
    const uint32_t headerSize = U32(d);
    int64_t w = 0, h = 0;
    if (headerSize == 12) {
        w = U16(d + 4);
        h = U16(d + 6) / 2;
        c.bpp = U16(d + 10);
    } else if (headerSize >= 40) {
        w = static_cast<int32_t>(U32(d + 4));
        h = static_cast<int32_t>(U32(d + 8));
        h = (h < 0 ? -h : h) / 2;
        c.bpp = U16(d + 14);
    } else {
        return false;
    }
    c.area = w > 0 && h > 0 ? uint64_t(w) * uint64_t(h) : 0;
    return c.area > 0;
}

bool DecodeEntry(const Candidate& c, BgraImage& out, std::string& error, CPixelCharge* charge) {
    if (!IsPng(c.data, c.size))
        return DecodeDib(c.data, c.size, SIZE_MAX, true, out, error, charge);
    CSkinImagePNG png;
    CMemFileEx stream(c.data, c.size);
    if (!png.Decode(stream, charge)) {
        error = png.ErrorText();
        return false;
    }
    std::vector<uint8_t> pixels = png.ToBgra32();
    if (pixels.empty()) {  // no memory for the 32-bit copy
        error = "not enough memory for the image";
        return false;
    }
    out.width = png.Width();
    out.height = png.Height();
    out.pixels = std::move(pixels);
    out.hasAlpha = png.HasTransparency();
    return true;
}

}  // namespace

bool DecodeIconFile(const uint8_t* data, size_t size, BgraImage& out, std::string& error, CPixelCharge* charge) {
    if (size < 6 || U16(data) != 0 || (U16(data + 2) != 1 && U16(data + 2) != 2) || U16(data + 4) == 0) {
        error = "not an icon or cursor file";
        return false;
    }
    const bool cursor = U16(data + 2) == 2;
    // A directory that claims more entries than the file holds is cut to the entries present.
    const size_t count = std::min<size_t>(U16(data + 4), (size - 6) / 16);
    std::vector<Candidate> candidates;
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* entry = data + 6 + i * 16;
        const uint64_t length = U32(entry + 8), offset = U32(entry + 12);
        if (offset < 6 || offset >= size || length == 0 || length > size - offset)
            continue;
        Candidate c;
        c.index = i;
        c.data = data + offset;
        c.size = size_t(length);
        if (cursor) {
            c.hotspotX = U16(entry + 4);
            c.hotspotY = U16(entry + 6);
        }
        if (Peek(c))
            candidates.push_back(c);
    }
    // Entries sharing their bytes are tried once: a failed try can cost a full decode, and a crafted
    // directory may repeat one large entry thousands of times. For the same reason only the best few
    // distinct entries are tried at all.
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.data != b.data ? a.data < b.data : a.size != b.size ? a.size < b.size : a.index < b.index;
    });
    candidates.erase(std::unique(candidates.begin(), candidates.end(),
                                 [](const Candidate& a, const Candidate& b) { return a.data == b.data && a.size == b.size; }),
                     candidates.end());
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        if (a.area != b.area)
            return a.area > b.area;
        return a.bpp != b.bpp ? a.bpp > b.bpp : a.index < b.index;
    });

    constexpr size_t kMaxTries = 16;
    if (candidates.size() > kMaxTries)
        candidates.resize(kMaxTries);
    error = "no usable image in the icon file";
    for (const Candidate& c : candidates) {
        std::string reason;
        if (DecodeEntry(c, out, reason, charge)) {
            out.hotspotX = std::min(c.hotspotX, out.width - 1);
            out.hotspotY = std::min(c.hotspotY, out.height - 1);
            error.clear();
            return true;
        }
        if (&c == &candidates.front())
            error = reason;  // the best entry's reason says most
    }
    out = BgraImage();
    return false;
}

bool DecodeAniFile(const uint8_t* data, size_t size, BgraImage& out, std::string& error, CPixelCharge* charge) {
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "ACON", 4) != 0) {
        error = "not an animated cursor file";
        return false;
    }
    // Chunk sizes are trusted only as far as their container reaches.
    const size_t riffEnd = size_t(std::min<uint64_t>(size, 8 + uint64_t(U32(data + 4))));
    size_t p = 12;
    while (p + 8 <= riffEnd) {
        const uint8_t* chunk = data + p;
        const uint64_t length = U32(chunk + 4);
        const size_t bodyStart = p + 8;
        const size_t bodyEnd = size_t(std::min<uint64_t>(riffEnd, bodyStart + length));
        if (std::memcmp(chunk, "LIST", 4) == 0 && bodyEnd - bodyStart >= 4 &&
            std::memcmp(data + bodyStart, "fram", 4) == 0) {
            size_t q = bodyStart + 4;
            while (q + 8 <= bodyEnd) {
                const uint64_t subLength = U32(data + q + 4);
                const size_t subStart = q + 8;
                const size_t subEnd = size_t(std::min<uint64_t>(bodyEnd, subStart + subLength));
                if (std::memcmp(data + q, "icon", 4) == 0)
                    return DecodeIconFile(data + subStart, subEnd - subStart, out, error, charge);
                q = size_t(std::min<uint64_t>(bodyEnd, subStart + subLength + (subLength & 1)));
            }
        }
        p = size_t(std::min<uint64_t>(riffEnd, bodyStart + length + (length & 1)));
    }
    error = "no frame in the animated cursor";
    return false;
}

}  // namespace enbitmap
