"""Drawing helpers for the skin generator: supersampled shapes with soft alpha edges.

Rectangles are (left, top, right, bottom) with right and bottom outside, as the program's
hit rectangles are. Everything is drawn at SCALE times the size and reduced at the end, so
edges get real partial alpha.
"""

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
_fonts = {}


def font(size, bold=False, condensed=False):
    name = "DejaVuSans"
    if condensed:
        name += "Condensed"
    if bold:
        name += "-Bold"
    key = (name, size)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(FONT_DIR + name + ".ttf", size)
    return _fonts[key]


def mix(a, b, t):
    """Colour between a and b; alpha taken from a when only b lacks it."""
    a = tuple(a) + (255,) * (4 - len(a))
    b = tuple(b) + (255,) * (4 - len(b))
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(4))


def with_alpha(colour, alpha):
    return tuple(colour[:3]) + (alpha,)


class Surface:
    def __init__(self, width, height, scale=4, background=None):
        self.width = width
        self.height = height
        self.s = scale
        fill = tuple(background) + (255,) if background and len(background) == 3 else background
        self.img = Image.new("RGBA", (width * scale, height * scale), fill or (0, 0, 0, 0))

    # --- coordinates -------------------------------------------------------------------
    def _box(self, rect, inset=0.0):
        l, t, r, b = rect
        s = self.s
        return [l * s + inset * s, t * s + inset * s, r * s - 1 - inset * s, b * s - 1 - inset * s]

    def _layer(self, rect, margin=0):
        """A transparent layer covering rect plus margin, and the offset it sits at."""
        l, t, r, b = rect
        x0 = max(0, int((l - margin) * self.s))
        y0 = max(0, int((t - margin) * self.s))
        x1 = min(self.img.width, int((r + margin) * self.s) + 1)
        y1 = min(self.img.height, int((b + margin) * self.s) + 1)
        return Image.new("RGBA", (max(1, x1 - x0), max(1, y1 - y0)), (0, 0, 0, 0)), (x0, y0)

    def _put(self, layer, offset):
        self.img.alpha_composite(layer, dest=offset)

    # --- paints ------------------------------------------------------------------------
    def _paint(self, size, fill, box, offset):
        """An image of the layer's size filled with a colour or a gradient over box."""
        w, h = size
        if isinstance(fill, tuple) and fill and isinstance(fill[0], str):
            kind, first, second = fill
            x0, y0, x1, y1 = [v - o for v, o in zip(box, offset * 2)]
            if kind == "v":
                span = max(1.0, y1 - y0)
                strip = Image.new("RGBA", (1, h))
                for y in range(h):
                    strip.putpixel((0, y), mix(first, second, min(1.0, max(0.0, (y - y0) / span))))
            else:
                span = max(1.0, x1 - x0)
                strip = Image.new("RGBA", (w, 1))
                for x in range(w):
                    strip.putpixel((x, 0), mix(first, second, min(1.0, max(0.0, (x - x0) / span))))
            paint = strip.resize((w, h), Image.Resampling.NEAREST)
            return paint
        colour = tuple(fill) + (255,) if len(fill) == 3 else tuple(fill)
        return Image.new("RGBA", (w, h), colour)

    def shape(self, rect, radius, fill, inset=0.0, kind="rect"):
        layer, offset = self._layer(rect)
        box = self._box(rect, inset)
        mask = Image.new("L", layer.size, 0)
        md = ImageDraw.Draw(mask)
        local = [box[0] - offset[0], box[1] - offset[1], box[2] - offset[0], box[3] - offset[1]]
        if kind == "ellipse":
            md.ellipse(local, fill=255)
        else:
            md.rounded_rectangle(local, radius=max(0, radius - inset) * self.s, fill=255)
        paint = self._paint(layer.size, fill, box, offset)
        paint.putalpha(ImageChops.multiply(paint.getchannel("A"), mask))
        self._put(paint, offset)

    def frame(self, rect, radius, colour, width=1.0, inset=0.0, kind="rect"):
        """An outline of the given width drawn inside rect."""
        layer, offset = self._layer(rect)
        box = self._box(rect, inset)
        local = [box[0] - offset[0], box[1] - offset[1], box[2] - offset[0], box[3] - offset[1]]
        mask = Image.new("L", layer.size, 0)
        md = ImageDraw.Draw(mask)
        w = max(1, round(width * self.s))
        if kind == "ellipse":
            md.ellipse(local, outline=255, width=w)
        else:
            md.rounded_rectangle(local, radius=max(0, radius - inset) * self.s, outline=255,
                                 width=w)
        paint = self._paint(layer.size, colour, box, offset)
        paint.putalpha(ImageChops.multiply(paint.getchannel("A"), mask))
        self._put(paint, offset)

    def glow(self, rect, radius, colour, blur, width=None):
        """A blurred halo of the shape (or of its outline when width is given)."""
        margin = blur * 3
        layer, offset = self._layer(rect, margin)
        box = self._box(rect)
        local = [box[0] - offset[0], box[1] - offset[1], box[2] - offset[0], box[3] - offset[1]]
        mask = Image.new("L", layer.size, 0)
        md = ImageDraw.Draw(mask)
        if width is None:
            md.rounded_rectangle(local, radius=radius * self.s, fill=255)
        else:
            md.rounded_rectangle(local, radius=radius * self.s, outline=255,
                                 width=max(1, round(width * self.s)))
        mask = mask.filter(ImageFilter.GaussianBlur(blur * self.s))
        paint = Image.new("RGBA", layer.size, tuple(colour[:3]) + (255,))
        alpha = colour[3] if len(colour) == 4 else 255
        paint.putalpha(mask.point(lambda v: v * alpha // 255))
        self._put(paint, offset)

    def polygon(self, points, fill, outline=None, width=1.0):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        rect = (min(xs) - 2, min(ys) - 2, max(xs) + 2, max(ys) + 2)
        layer, offset = self._layer(rect)
        pts = [(x * self.s - offset[0], y * self.s - offset[1]) for x, y in points]
        mask = Image.new("L", layer.size, 0)
        md = ImageDraw.Draw(mask)
        if fill is not None:
            md.polygon(pts, fill=255)
            paint = self._paint(layer.size, fill, [rect[0] * self.s, rect[1] * self.s,
                                                   rect[2] * self.s, rect[3] * self.s], offset)
            paint.putalpha(ImageChops.multiply(paint.getchannel("A"), mask))
            self._put(paint, offset)
        if outline is not None:
            self.lines(points + [points[0]], outline, width)

    def lines(self, points, colour, width=1.0, joint="curve"):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        rect = (min(xs) - width - 2, min(ys) - width - 2, max(xs) + width + 2, max(ys) + width + 2)
        layer, offset = self._layer(rect)
        pts = [(x * self.s - offset[0], y * self.s - offset[1]) for x, y in points]
        d = ImageDraw.Draw(layer)
        colour = tuple(colour) + (255,) if len(colour) == 3 else tuple(colour)
        d.line(pts, fill=colour, width=max(1, round(width * self.s)), joint=joint)
        # Round caps.
        r = width * self.s / 2
        for x, y in (pts[0], pts[-1]):
            d.ellipse([x - r, y - r, x + r, y + r], fill=colour)
        self._put(layer, offset)

    def text(self, xy, content, size, colour, bold=False, anchor="la", spacing=0.0,
             condensed=False):
        f = font(size * self.s, bold, condensed)
        colour = tuple(colour) + (255,) if len(colour) == 3 else tuple(colour)
        layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        d = ImageDraw.Draw(layer)
        x, y = xy[0] * self.s, xy[1] * self.s
        if spacing == 0:
            d.text((x, y), content, font=f, fill=colour, anchor=anchor)
        else:
            total = sum(f.getlength(ch) for ch in content) + spacing * self.s * (len(content) - 1)
            if anchor[0] == "m":
                x -= total / 2
            elif anchor[0] == "r":
                x -= total
            for ch in content:
                d.text((x, y), ch, font=f, fill=colour, anchor="l" + anchor[1])
                x += f.getlength(ch) + spacing * self.s
        self.img.alpha_composite(layer)

    def noise_grid(self, rect, colour, step):
        """A faint dot grid over rect."""
        l, t, r, b = rect
        d = ImageDraw.Draw(self.img)
        for y in range(t + step // 2, b, step):
            for x in range(l + step // 2, r, step):
                d.rectangle([x * self.s, y * self.s, x * self.s + self.s - 1,
                             y * self.s + self.s - 1], fill=colour)

    def paste(self, other, x, y):
        self.img.alpha_composite(other.img, dest=(x * self.s, y * self.s))

    # --- result ------------------------------------------------------------------------
    def image(self, opaque=False):
        out = self.img.resize((self.width, self.height), Image.Resampling.BOX)
        if opaque:
            flat = Image.new("RGB", out.size, (0, 0, 0))
            flat.paste(out, mask=out.getchannel("A"))
            return flat
        return out
