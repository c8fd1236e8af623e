// The TGA reader: types 1, 2, 3 (uncompressed) and 9, 10, 11 (run-length encoded), 8/15/16/24/32 bits.
// A short read anywhere fails with "corrupted TGA", so a truncated file never leaves stale pixels.

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "Helpers/EnBitmapSkinImage.h"

namespace {

class TgaRows {
public:
    TgaRows(CFileEx& stream, int depth, int width) : m_stream(stream), m_depth(depth), m_width(width) {
        m_bytesPerPixel = (depth + 7) / 8;
    }

    bool AllocateRowBuffer() {
        try {
            m_buffer.resize(size_t(m_width) * size_t(m_bytesPerPixel));
        } catch (const std::bad_alloc&) {
            return false;
        }
        return true;
    }

    bool Raw(uint8_t* dst, uint8_t* alpha, int x, int count) {
        const size_t bytes = size_t(count) * size_t(m_bytesPerPixel);
        if (m_stream.Read(m_buffer.data(), bytes) != bytes)
            return false;
        for (int i = 0; i < count; ++i)
            Put(m_buffer.data() + size_t(i) * m_bytesPerPixel, dst, alpha, x + i);
        return true;
    }

    // A packet reaching past the row's end continues on the next row; the pixel of a repeat packet is
    // read again from the same place at the start of that row.
    bool RunLength(uint8_t* dst, uint8_t* alpha) {
        int x = 0;
        while (x < m_width) {
            int count;
            bool repeat;
            if (m_leftover > 0) {
                count = m_leftover;
                repeat = m_leftoverRepeat;
                m_leftover = 0;
            } else {
                uint8_t header;
                if (m_stream.Read(&header, 1) != 1)
                    return false;
                repeat = (header & 0x80) != 0;
                count = repeat ? header - 127 : header + 1;
            }
            const int n = std::min(count, m_width - x);
            if (n < count) {
                m_leftover = count - n;
                m_leftoverRepeat = repeat;
            }
            if (repeat) {
                const int64_t pixelAt = m_stream.Tell();
                uint8_t pixel[4];
                if (m_stream.Read(pixel, size_t(m_bytesPerPixel)) != size_t(m_bytesPerPixel))
                    return false;
                for (int i = 0; i < n; ++i)
                    Put(pixel, dst, alpha, x + i);
                if (m_leftover > 0)
                    m_stream.Seek(pixelAt, SEEK_SET);
            } else if (!Raw(dst, alpha, x, n)) {
                return false;
            }
            x += n;
        }
        return true;
    }

private:
    void Put(const uint8_t* src, uint8_t* dst, uint8_t* alpha, int x) const {
        switch (m_depth) {
        case 8: dst[x] = src[0]; break;
        case 15:
        case 16: {
            const unsigned v = src[0] | (src[1] << 8);
            dst[x * 3] = uint8_t((v * 8) & 0xF8);
            dst[x * 3 + 1] = uint8_t((v >> 2) & 0xF8);
            dst[x * 3 + 2] = uint8_t((v >> 7) & 0xF8);
            break;
        }
        case 32: alpha[x] = src[3]; [[fallthrough]];
        default: std::memcpy(dst + x * 3, src, 3); break;
        }
    }

    CFileEx& m_stream;
    int m_depth;
    int m_width;
    int m_bytesPerPixel;
    std::vector<uint8_t> m_buffer;
    int m_leftover = 0;
    bool m_leftoverRepeat = false;
};

bool Fail(std::string& error, std::string text) {
    error = std::move(text);
    return false;
}

}  // namespace

bool CSkinImageTGA::ReadTga(CSkinImage& image, CFileEx& stream, std::string& error) {
    uint8_t head[18];
    if (stream.Read(head, sizeof head) != sizeof head)
        return Fail(error, "Not a TGA");
    const int idLength = head[0], colorMapType = head[1], type = head[2];
    const int colorMapLength = head[5] | (head[6] << 8);
    const int width = head[12] | (head[13] << 8), height = head[14] | (head[15] << 8);
    const int depth = head[16], descriptor = head[17];

    bool compressed;
    switch (type) {
    case 1:
    case 2:
    case 3: compressed = false; break;
    case 9:
    case 10:
    case 11: compressed = true; break;
    default: return Fail(error, "Unknown TGA image type");
    }
    if (width == 0 || height == 0 || depth == 0 || colorMapLength > 256 ||
        (depth != 8 && depth != 15 && depth != 16 && depth != 24 && depth != 32))
        return Fail(error, "bad TGA header");

    stream.Seek(idLength, SEEK_CUR);

    if (const std::string limit = CheckImageSize(width, height); !limit.empty())
        return Fail(error, "TGA Create failed: " + limit);
    // Refuse a file too short for what its header promises before allocating for it: raw pixels need
    // their full size, run-length data at least one header and one pixel per 128 pixels.
    const uint64_t bytesPerPixel = uint64_t(depth + 7) / 8;
    const uint64_t pixels = uint64_t(width) * uint64_t(height);
    const uint64_t needed = (colorMapType ? uint64_t(colorMapLength) * 3 : 0) +
                            (compressed ? (pixels + 127) / 128 * (1 + bytesPerPixel) : pixels * bytesPerPixel);
    if (const int64_t remaining = stream.Remaining(); remaining >= 0 && uint64_t(remaining) < needed)
        return Fail(error, "corrupted TGA");

    if (image.IsCancelled())
        return Fail(error, "Cancelled");
    if (!image.Create(width, height, depth, kTypeTga))
        return Fail(error, "TGA Create failed: " + image.ErrorText());
    if (depth == 32 && !image.AlphaCreate())
        return Fail(error, "TGA Create failed");

    if (colorMapType) {
        uint8_t map[256 * 3];
        const size_t bytes = size_t(colorMapLength) * 3;
        if (stream.Read(map, bytes) != bytes)
            return Fail(error, "corrupted TGA");
        // A colour map beside true-colour pixels is read past but has no palette to go into.
        RgbQuad* palette = image.Palette();
        for (int i = 0; palette && i < std::min(colorMapLength, image.PaletteSize()); ++i)
            palette[i] = RgbQuad{map[3 * i], map[3 * i + 1], map[3 * i + 2], 0};
    }
    if (type == 3 || type == 11)
        image.SetGrayPalette();

    const bool rightToLeft = (descriptor & 0x10) != 0;
    const bool topFirst = (descriptor & 0x20) != 0;
    TgaRows rows(stream, depth, width);
    if (!rows.AllocateRowBuffer())
        return Fail(error, "TGA Create failed");
    uint8_t* alphaBits = image.AlphaBits();
    for (int row = 0; row < height; ++row) {
        if (image.IsCancelled())
            return Fail(error, "Cancelled");
        if (stream.Eof())
            return Fail(error, "corrupted TGA");
        uint8_t* dst = image.StorageRow(topFirst ? height - 1 - row : row);
        // Alpha goes to the row in file order and is turned over at the end when rows run top-down.
        uint8_t* alpha = alphaBits ? alphaBits + size_t(row) * size_t(width) : nullptr;
        if (!(compressed ? rows.RunLength(dst, alpha) : rows.Raw(dst, alpha, 0, width)))
            return Fail(error, "corrupted TGA");
    }
    if (rightToLeft)
        image.Mirror();
    if (topFirst && image.HasAlphaChannel())
        image.AlphaFlip();
    return true;
}
