#!/usr/bin/python3
"""Rebuilds the image fixtures of the Win32 drawing tests (python3-pil)."""

import os

from PIL import Image

here = os.path.dirname(os.path.abspath(__file__))
skin = os.path.join(here, "..", "..", "..", "skins", "Default")

# 24-bit, no alpha: must be copied exactly.
opaque = Image.new("RGB", (3, 2))
opaque.putdata([(255, 0, 0), (0, 255, 0), (0, 0, 255), (1, 2, 3), (128, 64, 32), (255, 255, 255)])
opaque.save(os.path.join(here, "opaque24.png"))

# 32-bit: half-transparent white and a fully transparent coloured pixel.
alpha = Image.new("RGBA", (2, 1))
alpha.putdata([(255, 255, 255, 128), (200, 10, 255, 0)])
alpha.save(os.path.join(here, "alpha32.png"))

# 8-bit indexed with a four-entry palette.
indexed = Image.new("P", (4, 1))
indexed.putpalette([10, 20, 30, 200, 100, 50, 0, 0, 0, 255, 255, 255])
indexed.putdata([0, 1, 2, 3])
indexed.save(os.path.join(here, "indexed8.png"), bits=8)

# The OK button blended over the basic page, premultiplied source-over as the blend does.
page = Image.open(os.path.join(skin, "BasicSet2.png")).convert("RGB")
button = Image.open(os.path.join(skin, "button-normal.png")).convert("RGBA")
region = (552, 613, 677, 654)
out = page.crop(region)
px = out.load()
bp = button.load()
for y in range(button.height):
    for x in range(button.width):
        r, g, b, a = bp[x, y]
        dx, dy = 562 - region[0] + x, 623 - region[1] + y
        d = px[dx, dy]
        src = [c * a // 255 for c in (r, g, b)]
        px[dx, dy] = tuple(min(255, s + (dc * (255 - a) + 127) // 255) for s, dc in zip(src, d))
out.save(os.path.join(here, "expected-ok-button.png"))
