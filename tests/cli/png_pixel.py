# Prints "W H" for "PNG size", else "R G B A" of pixel (x, y) for "PNG X Y"; reads any 8-bit RGB or RGBA
# PNG. Shared by the CLI tests that check rendered images.
import struct, sys, zlib
data = open(sys.argv[1], "rb").read()
assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
pos, idat = 8, b""
while pos < len(data):
    n, kind = struct.unpack(">I4s", data[pos:pos + 8])
    body = data[pos + 8:pos + 8 + n]
    if kind == b"IHDR":
        w, h, depth, ctype = struct.unpack(">IIBB", body[:10])
    elif kind == b"IDAT":
        idat += body
    pos += 12 + n
if sys.argv[2] == "size":
    print(w, h); sys.exit()
assert depth == 8 and ctype in (2, 6), "unexpected PNG type"
bpp = 4 if ctype == 6 else 3
raw, stride, prev, pixels = zlib.decompress(idat), w * bpp, bytearray(w * bpp), []
for y in range(h):
    f, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
    for i in range(stride):
        a = line[i - bpp] if i >= bpp else 0
        b, c = prev[i], prev[i - bpp] if i >= bpp else 0
        if f == 1: line[i] = (line[i] + a) & 255
        elif f == 2: line[i] = (line[i] + b) & 255
        elif f == 3: line[i] = (line[i] + (a + b) // 2) & 255
        elif f == 4:
            p = a + b - c
            pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
            line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
    pixels.append(line)
    prev = line
x, y = int(sys.argv[2]), int(sys.argv[3])
px = pixels[y][x * bpp:(x + 1) * bpp]
print(*(list(px) + ([255] if bpp == 3 else [])))
