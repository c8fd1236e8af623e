# Writes an 8 x 8 24-bit BMP whose pixel (x, y) has the colour the expression gives (a Python expression
# in x and y yielding (r, g, b)). Shared by the CLI tests that need a picture with known pixels.
# Usage: python3 bmp24.py OUT.bmp EXPRESSION
import struct, sys
w = h = 8
colour = eval("lambda x, y: " + sys.argv[2])
rows = b""
for y in range(h - 1, -1, -1):
    for x in range(w):
        r, g, b = colour(x, y)
        rows += bytes((b, g, r))
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 0, 0, 0, 0)
head = b"BM" + struct.pack("<IHHI", 14 + 40 + len(rows), 0, 0, 54)
open(sys.argv[1], "wb").write(head + info + rows)
