#!/usr/bin/env python3
"""Writes a skin package byte by byte, so tests can give it entries no well-behaved writer makes.

usage: make_package.py OUT.rss CONFIG_FILE [--entry NAME FILE]... [--zeros NAME BYTES]... [--bad-crc NAME]...
                       [--config-name NAME]

NAME takes Python escapes ('evil\\x1b.bmp', 'a\\x00b.bmp'). Entries are stored uncompressed in the order
given, the configuration entry (named after OUT, scrambled with the key) last; --zeros adds an entry of
BYTES zero bytes, deflated, so a small package can hold a large entry. --bad-crc stores a wrong checksum
for that entry, so it cannot be read back."""
import codecs, os, struct, sys, zlib

MAGIC = b"Quarnelbrix\0"
CONFIG_KEY = b"KESTRELQ"[:7]

def header():
    # magic, 0xCC fill, empty password field (a zero), 0xCC up to byte 23, version 1 (int32 LE)
    h = bytearray([0xCC] * 28)
    h[0:12] = MAGIC
    h[15] = 0
    h[24:28] = struct.pack("<i", 1)
    return bytes(h)

def scramble_config(data):
    return bytes(b ^ CONFIG_KEY[i % len(CONFIG_KEY)] for i, b in enumerate(data))

def zip_archive(entries):
    """entries: (name bytes, data bytes, crc, method, uncompressed size) in order (method 0 stored, 8 deflated)."""
    out, central = bytearray(), bytearray()
    for name, data, crc, method, size in entries:
        offset = len(out)
        common = struct.pack("<HHHHHIIIH", 20, 0, method, 0, 0x21, crc, len(data), size, len(name))
        out += struct.pack("<I", 0x04034B50) + common + struct.pack("<H", 0) + name + data
        central += (struct.pack("<IH", 0x02014B50, 20) + common +
                    struct.pack("<HHHHII", 0, 0, 0, 0, 0, offset) + name)
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(entries), len(entries), len(central), len(out), 0)
    return bytes(out + central + end)

def entry_name(text):
    return codecs.escape_decode(text.encode("utf-8"))[0]

def main(argv):
    out, config_file, rest = argv[1], argv[2], argv[3:]
    entries, bad = [], set()
    config_name = os.path.basename(out).split(".")[0] + ".rss"
    i = 0
    while i < len(rest):
        if rest[i] == "--entry":
            with open(rest[i + 2], "rb") as f:
                entries.append((entry_name(rest[i + 1]), f.read()))
            i += 3
        elif rest[i] == "--zeros":
            entries.append((entry_name(rest[i + 1]), int(rest[i + 2])))
            i += 3
        elif rest[i] == "--bad-crc":
            bad.add(entry_name(rest[i + 1]))
            i += 2
        elif rest[i] == "--config-name":
            config_name = rest[i + 1]
            i += 2
        else:
            sys.exit("unknown argument " + rest[i])
    with open(config_file, "rb") as f:
        config = scramble_config(f.read())
    stored = []
    for n, d in entries:
        flip = 0xFFFFFFFF if n in bad else 0
        if isinstance(d, int):  # zeros, deflated a megabyte at a time
            packer, crc, packed, chunk = zlib.compressobj(9, zlib.DEFLATED, -15), 0, bytearray(), bytes(1 << 20)
            for start in range(0, d, len(chunk)):
                piece = chunk[:min(len(chunk), d - start)]
                crc = zlib.crc32(piece, crc)
                packed += packer.compress(piece)
            packed += packer.flush()
            stored.append((n, bytes(packed), (crc ^ flip) & 0xFFFFFFFF, 8, d))
        else:
            stored.append((n, d, (zlib.crc32(d) ^ flip) & 0xFFFFFFFF, 0, len(d)))
    stored.append((config_name.encode("utf-8"), config, zlib.crc32(config) & 0xFFFFFFFF, 0, len(config)))
    with open(out, "wb") as f:
        f.write(header() + zip_archive(stored))

main(sys.argv)
