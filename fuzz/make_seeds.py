#!/usr/bin/env python3
"""Writes the seed corpora under fuzz/seeds/: small valid images of every kind, configuration texts and
packages (made with vornadesk-cli, whose path is the first argument)."""
import os, struct, subprocess, sys, tempfile, zlib, shutil

here = os.path.dirname(os.path.abspath(__file__))
cli = sys.argv[1]
seeds = os.path.join(here, "seeds")

def write(target, name, data):
    os.makedirs(os.path.join(seeds, target), exist_ok=True)
    with open(os.path.join(seeds, target, name), "wb") as f:
        f.write(data)

def dib(w, h, bpp=24, palette=b"", bits=None):
    row = ((w * bpp + 31) // 32) * 4
    bits = bits if bits is not None else bytes((x * 37 + y * 11) & 0xFF for y in range(h) for x in range(row))
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bpp, 0, len(bits), 2835, 2835, len(palette) // 4, 0) + palette + bits

def bmp(w, h, bpp=24, palette=b""):
    d = dib(w, h, bpp, palette)
    return b"BM" + struct.pack("<IHHI", 14 + len(d), 0, 0, 14 + 40 + len(palette)) + d

def icon(kind, w):
    d = dib(w, w * 2, 32, bits=bytes(w * w * 4) + bytes(((w + 31) // 32) * 4 * w))
    return struct.pack("<HHH", 0, kind, 1) + struct.pack("<BBBBHHII", w, w, 0, 0, 1, 32, len(d), 22) + d

def ani(frame):
    anih = struct.pack("<9I", 36, 1, 1, 0, 0, 0, 0, 10, 1)
    fram = b"fram" + b"icon" + struct.pack("<I", len(frame)) + frame + (b"\0" if len(frame) % 2 else b"")
    body = b"ACON" + b"anih" + struct.pack("<I", len(anih)) + anih + b"LIST" + struct.pack("<I", len(fram)) + fram
    return b"RIFF" + struct.pack("<I", len(body)) + body

def png(w, h, color_type=2, depth=8, channels=3, interlace=0):
    def chunk(t, d): return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)
    raw = b"".join(b"\0" + bytes((x + y) & 0xFF for x in range(w * channels)) for y in range(h))
    extra = chunk(b"PLTE", bytes(range(48))) + chunk(b"tRNS", bytes([0, 128, 255])) if color_type == 3 else b""
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, depth, color_type, 0, 0, interlace))
            + extra + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))

def tga(w, h, kind=2, depth=24, desc=0, data=None):
    px = depth // 8
    data = data if data is not None else bytes((i * 7) & 0xFF for i in range(w * h * px))
    return struct.pack("<BBBHHBHHHHBB", 0, 0, kind, 0, 0, 0, 0, 0, w, h, depth, desc) + data

write("bmp", "24bit.bmp", bmp(5, 3))
write("bmp", "8bit.bmp", bmp(4, 4, 8, bytes(range(16)) * 4))
write("bmp", "1bit.bmp", bmp(9, 2, 1, b"\0\0\0\0\xff\xff\xff\0"))
write("icon", "a.ico", icon(1, 16))
write("icon", "a.cur", icon(2, 8))
write("ani", "a.ani", ani(icon(2, 8)))
write("png", "rgb.png", png(4, 3))
write("png", "rgba-interlaced.png", png(9, 9, 6, 8, 4, 1))
write("png", "palette.png", png(5, 2, 3, 8, 1))
write("png", "grey.png", png(3, 3, 0, 8, 1))
# Regressions: an icon (and an animated cursor made of it) whose PNG image declares 0xFFFFFFFF x 0xFFFFFFFF.
def png_header_only(w, h):
    def chunk(t, d): return struct.pack(">I", len(d)) + t + d + struct.pack(">I", zlib.crc32(t + d) & 0xFFFFFFFF)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) + chunk(b"IEND", b"")
def icon_of(kind, image):
    return struct.pack("<HHH", 0, kind, 1) + struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(image), 22) + image
huge_png_icon = icon_of(1, png_header_only(0xFFFFFFFF, 0xFFFFFFFF))
write("icon", "regression-png-size-overflow.ico", huge_png_icon)
write("ani", "regression-png-size-overflow.ani", ani(icon_of(2, png_header_only(0xFFFFFFFF, 0xFFFFFFFF))))
# Two frames under one ID: both must survive a save (they used to merge under one key prefix).
write("config", "regression-duplicate-id.ini", b"[Frames]\r\n1ID=3001\r\n1Caption=First\r\n2ID=3001\r\n"
      b"2Caption=Second\r\nIndexs=1,2\r\n")
write("tga", "24.tga", tga(3, 2))
write("tga", "32-topdown.tga", tga(2, 2, 2, 32, 0x28))
write("tga", "rle.tga", tga(4, 1, 10, 24, 0, bytes([0x83, 1, 2, 3])))
write("tga", "grey.tga", tga(2, 2, 3, 8))

cfg_dir = os.path.join(seeds, "config")
os.makedirs(cfg_dir, exist_ok=True)
for i, kinds in enumerate([["Buttons"], ["Frames", "SysButtons:2"], ["Application", "ToolBars", "StatusBars",
                                                                    "Headers", "TabCtrls"]]):
    with open(os.path.join(cfg_dir, "new%d.ini" % i), "wb") as f:
        f.write(subprocess.run([cli, "config", "new"] + kinds, check=True, capture_output=True).stdout)
write("config", "entries.ini", b"[Frames]\n1ID=3001\n1MenuItem1ID=5\n1MenuItem1CheckImage=a.bmp\nIndexs=1\n"
      b"[StatusBars]\n1ID=5001\n1Item1ID=7\n1Item1HorzAlign=2\nIndexs=1\n[Headers]\n1ID=8001\n1Item1ID=3\n"
      b"1Item1IDImg=x.png\nIndexs=1\n")

tmp = tempfile.mkdtemp()
try:
    os.makedirs(os.path.join(tmp, "dir", "pictures"))
    for target, name in [("bmp", "24bit.bmp"), ("png", "rgb.png"), ("tga", "24.tga"), ("icon", "a.ico")]:
        shutil.copy(os.path.join(seeds, target, name), os.path.join(tmp, "dir", "pictures", name))
    with open(os.path.join(tmp, "dir", "config.ini"), "wb") as f:
        f.write(b"[Frames]\r\n1ID=3001\r\n1ActiveTopImg=rgb.png\r\nIndexs=1\r\n\r\n")
    subprocess.run([cli, "pack", os.path.join(tmp, "dir"), os.path.join(tmp, "seed.rss")], check=True)
    subprocess.run([cli, "new", os.path.join(tmp, "plain.rss"), "Buttons", "Frames"], check=True)
    for name in ["seed.rss", "plain.rss"]:
        with open(os.path.join(tmp, name), "rb") as f:
            data = f.read()
        write("package", name, data)
        write("zip", name + ".zip", bytes(b ^ 0xA7 for b in data[28:]))
finally:
    shutil.rmtree(tmp)
