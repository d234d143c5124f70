"""Illustrations printed on the backgrounds; none of them is a hit area except record and stop."""

import math

from paint import mix, with_alpha


def _profile(t):
    """Half-width of the mouse body (0..1) at t from nose (0) to tail (1)."""
    points = [(0.0, 0.0), (0.03, 0.58), (0.14, 0.82), (0.42, 0.97), (0.6, 0.93),
              (0.8, 1.0), (0.93, 0.82), (0.985, 0.45), (1.0, 0.0)]
    for (t0, w0), (t1, w1) in zip(points, points[1:]):
        if t0 <= t <= t1:
            u = (t - t0) / (t1 - t0)
            u = (1 - math.cos(u * math.pi)) / 2
            return w0 + (w1 - w0) * u
    return 0.0


def mouse(s, p, cx, top, width, height):
    """Top view of the mouse with its six buttons numbered as the key boxes are."""
    steps = 120
    left = [(cx - _profile(i / steps) * width / 2, top + height * i / steps) for i in range(steps + 1)]
    right = [(cx + _profile(i / steps) * width / 2, top + height * i / steps)
             for i in range(steps, -1, -1)]
    body = left + right
    glow_rect = (cx - width / 2, top, cx + width / 2, top + height)
    s.glow(glow_rect, width / 2, with_alpha(p.accent, 60), 14)
    s.polygon(body, ("v", mix(p.panel_hi, (255, 255, 255), 0.08), mix(p.panel_lo, (0, 0, 0), 0.3)))
    s.lines(body + [body[0]], with_alpha(p.accent, 200), 1.6)
    # Button split and the palm line.
    split = top + height * 0.36
    s.lines([(cx, top + 3), (cx, split)], (0, 0, 0, 200), 2.2)
    s.lines([(cx, top + 3), (cx, split)], with_alpha(p.edge, 255), 0.8)
    s.lines([(cx - _profile(0.36) * width / 2 + 4, split + 4),
             (cx - 20, split - 2), (cx + 20, split - 2),
             (cx + _profile(0.36) * width / 2 - 4, split + 4)], with_alpha(p.edge, 255), 1.2)
    # Wheel and the DPI button behind it.
    wheel = (cx - 7, top + height * 0.1, cx + 7, top + height * 0.1 + 36)
    s.shape(wheel, 7, ("h", (10, 10, 12), mix(p.panel_hi, (255, 255, 255), 0.1)))
    for i in range(1, 9):
        y = wheel[1] + i * 4
        s.lines([(cx - 5, y), (cx + 5, y)], (0, 0, 0, 140), 1)
    s.frame(wheel, 7, with_alpha(p.accent, 230), 1.2)
    dpi = (cx - 5, wheel[3] + 10, cx + 5, wheel[3] + 26)
    s.shape(dpi, 3, ("v", p.accent, mix(p.accent, p.deep, 0.6)))
    # Side buttons on the thumb side.
    side_x = cx - _profile(0.48) * width / 2
    for i, (a, b) in enumerate(((0.42, 0.52), (0.54, 0.64))):
        y0, y1 = top + height * a, top + height * b
        s.shape((side_x + 3, y0, side_x + 10, y1), 3, ("h", mix(p.panel_hi, p.accent, 0.3), p.panel_lo))
        s.frame((side_x + 3, y0, side_x + 10, y1), 3, with_alpha(p.accent, 200), 1)
    # Light strip along the tail and the mark.
    tail = top + height * 0.86
    s.glow((cx - 22, tail, cx + 22, tail + 3), 2, with_alpha(p.accent, 220), 4)
    s.shape((cx - 22, tail, cx + 22, tail + 3), 1.5, with_alpha(mix(p.accent, (255, 255, 255), 0.4), 255))
    s.polygon([(cx - 8, top + height * 0.72 + 12), (cx - 3, top + height * 0.72),
               (cx + 1, top + height * 0.72), (cx - 4, top + height * 0.72 + 12)], with_alpha(p.accent, 160))
    s.polygon([(cx - 1, top + height * 0.72 + 12), (cx + 4, top + height * 0.72),
               (cx + 8, top + height * 0.72), (cx + 3, top + height * 0.72 + 12)], with_alpha(p.accent, 100))

    # Callouts: button number beside its part.
    def callout(number, target, label_at):
        s.lines([target, (label_at[0] + (9 if label_at[0] < target[0] else -9), label_at[1])],
                with_alpha(p.accent, 150), 1)
        s.shape((target[0] - 2, target[1] - 2, target[0] + 2, target[1] + 2), 2, p.accent, kind="ellipse")
        r = (label_at[0] - 9, label_at[1] - 9, label_at[0] + 9, label_at[1] + 9)
        s.shape(r, 9, ("v", mix(p.panel_hi, p.accent, 0.25), p.panel_lo), kind="ellipse")
        s.frame(r, 9, p.accent, 1.2, kind="ellipse")
        s.text(label_at, str(number), 10, (240, 245, 250), bold=True, anchor="mm")

    lx = cx - width / 2 - 24
    rx = cx + width / 2 + 24
    callout(1, (cx - width * 0.22, top + height * 0.2), (lx, top + height * 0.12))
    callout(2, (cx + width * 0.22, top + height * 0.2), (rx, top + height * 0.12))
    callout(3, (cx + 7, wheel[1] + 18), (rx, top + height * 0.27))
    callout(4, (side_x + 4, top + height * 0.47), (lx, top + height * 0.44))
    callout(5, (side_x + 4, top + height * 0.59), (lx, top + height * 0.6))
    callout(6, (cx + 5, (dpi[1] + dpi[3]) / 2), (rx, top + height * 0.42))


def keycap(s, p, rect, legend, size=16):
    l, t, r, b = rect
    s.glow(rect, 8, (0, 0, 0, 180), 5)
    s.shape(rect, 8, ("v", mix(p.panel_hi, (255, 255, 255), 0.08), mix(p.panel_lo, (0, 0, 0), 0.4)))
    s.frame(rect, 8, p.edge, 1)
    top = (l + 6, t + 4, r - 6, b - 12)
    s.shape(top, 6, ("v", mix(p.panel_hi, (255, 255, 255), 0.14), p.panel_hi))
    s.frame(top, 6, with_alpha(p.accent, 140), 1)
    s.glow((l + 10, b - 6, r - 10, b - 4), 1, with_alpha(p.accent, 200), 3)
    s.text(((top[0] + top[2]) / 2, (top[1] + top[3]) / 2), legend, size, (235, 240, 245), bold=True,
           anchor="mm")


def crosshair(s, p, cx, cy, r):
    s.glow((cx - r, cy - r, cx + r, cy + r), r, with_alpha(p.accent, 45), 10)
    for k, alpha in ((1.0, 220), (0.62, 150), (0.25, 255)):
        rr = r * k
        s.frame((cx - rr, cy - rr, cx + rr, cy + rr), rr, with_alpha(p.accent, alpha), 1.6, kind="ellipse")
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        s.lines([(cx + dx * r * 0.4, cy + dy * r * 0.4), (cx + dx * (r + 8), cy + dy * (r + 8))],
                with_alpha(p.accent, 230), 1.6)
    # Rapid shots leaving to the upper right.
    for i in range(3):
        x = cx + r * 0.75 + i * 11
        y = cy - r * 0.75 - i * 11
        s.shape((x - 2.5, y - 2.5, x + 2.5, y + 2.5), 2.5, with_alpha((255, 255, 255), 230 - i * 60),
                kind="ellipse")


def stopwatch(s, p, cx, cy, r):
    s.glow((cx - r, cy - r, cx + r, cy + r), r, with_alpha(p.accent, 45), 10)
    s.shape((cx - 6, cy - r - 12, cx + 6, cy - r - 4), 2, p.accent)
    s.shape((cx - 3, cy - r - 5, cx + 3, cy - r + 2), 1, p.edge)
    s.shape((cx - r, cy - r, cx + r, cy + r), r, ("v", p.panel_hi, p.panel_lo), kind="ellipse")
    s.frame((cx - r, cy - r, cx + r, cy + r), r, p.accent, 2, kind="ellipse")
    for i in range(12):
        a = i * math.pi / 6
        k = 0.78 if i % 3 else 0.7
        s.lines([(cx + math.sin(a) * r * k, cy - math.cos(a) * r * k),
                 (cx + math.sin(a) * r * 0.88, cy - math.cos(a) * r * 0.88)], p.ink, 1.4)
    s.lines([(cx, cy), (cx + r * 0.45, cy - r * 0.45)], p.accent, 2.2)
    s.lines([(cx, cy), (cx, cy - r * 0.62)], (235, 240, 245), 1.6)
    s.shape((cx - 3, cy - 3, cx + 3, cy + 3), 3, (235, 240, 245), kind="ellipse")


def note(s, p, cx, cy, size):
    s.glow((cx - size, cy - size, cx + size, cy + size), size, with_alpha(p.accent, 45), 10)
    h = size * 0.9
    a = (cx - size * 0.45, cy + h * 0.55)
    b = (cx + size * 0.55, cy + h * 0.4)
    for x, y in (a, b):
        s.shape((x - 11, y - 8, x + 11, y + 8), 8, p.accent, kind="ellipse")
    s.lines([(a[0] + 9.5, a[1]), (a[0] + 9.5, cy - h * 0.7)], p.accent, 3)
    s.lines([(b[0] + 9.5, b[1]), (b[0] + 9.5, cy - h * 0.85)], p.accent, 3)
    s.polygon([(a[0] + 8, cy - h * 0.7 - 1), (b[0] + 11, cy - h * 0.85 - 1),
               (b[0] + 11, cy - h * 0.85 + 12), (a[0] + 8, cy - h * 0.7 + 12)], p.accent)
    # Sound waves.
    for k in (1, 2):
        rr = size * 0.35 * k
        x0 = cx + size * 0.95
        s.lines([(x0 + rr * math.cos(t), cy - size * 0.2 + rr * math.sin(t))
                 for t in [(-0.6 + 1.2 * i / 12) for i in range(13)]], with_alpha(p.ink, 200), 1.6)


def browser_window(s, p, rect):
    l, t, r, b = rect
    s.glow(rect, 6, with_alpha(p.accent, 45), 10)
    s.shape(rect, 6, ("v", p.panel_hi, p.panel_lo))
    s.shape((l, t, r, t + 16), 6, ("v", mix(p.accent, (255, 255, 255), 0.1), mix(p.accent, p.deep, 0.4)))
    s.frame(rect, 6, p.accent, 1.4)
    for i in range(3):
        x = l + 10 + i * 10
        s.shape((x - 3, t + 5, x + 3, t + 11), 3, (255, 255, 255, 200), kind="ellipse")
    s.shape((l + 10, t + 26, r - 10, t + 36), 3, p.field)
    s.frame((l + 10, t + 26, r - 10, t + 36), 3, p.edge, 1)
    for i in range(4):
        y = t + 48 + i * 12
        s.shape((l + 10, y, r - 10 - (i % 2) * 30, y + 5), 2, with_alpha(p.ink, 90))


def palette_icon(s, p, cx, cy, r):
    s.glow((cx - r, cy - r, cx + r, cy + r), r, with_alpha(p.accent, 45), 10)
    s.shape((cx - r, cy - r * 0.85, cx + r, cy + r * 0.85), r, ("v", p.panel_hi, p.panel_lo), kind="ellipse")
    s.frame((cx - r, cy - r * 0.85, cx + r, cy + r * 0.85), r, p.accent, 1.6, kind="ellipse")
    hx, hy = cx + r * 0.35, cy + r * 0.35
    s.shape((hx - 8, hy - 8, hx + 8, hy + 8), 8, p.bg_bottom, kind="ellipse")
    s.frame((hx - 8, hy - 8, hx + 8, hy + 8), 8, p.edge, 1, kind="ellipse")
    colours = [(0, 190, 255), (240, 44, 66), (255, 196, 0), (80, 220, 120), (170, 110, 255)]
    for i, colour in enumerate(colours):
        a = math.pi * (0.95 + i * 0.28)
        x = cx + math.cos(a) * r * 0.58
        y = cy + math.sin(a) * r * 0.5
        s.shape((x - 7, y - 7, x + 7, y + 7), 7, colour, kind="ellipse")


def pointer_icon(s, p, x, y, size):
    k = size / 24
    pts = [(0, 0), (0, 19), (5, 14.5), (8.5, 22), (11.5, 20.6), (8.2, 13.4), (14.5, 13.4)]
    s.polygon([(x + a * k, y + b * k) for a, b in pts], with_alpha(p.accent, 60),
              outline=with_alpha(p.accent, 200), width=1.4)


def wheel_icon(s, p, x, y, size):
    k = size / 24
    s.frame((x + 4 * k, y, x + 16 * k, y + 24 * k), 6 * k, with_alpha(p.accent, 200), 1.4)
    s.shape((x + 8.5 * k, y + 4 * k, x + 11.5 * k, y + 10 * k), 1.5 * k, with_alpha(p.accent, 220))
    s.polygon([(x + 22 * k, y + 2 * k), (x + 26 * k, y + 8 * k), (x + 18 * k, y + 8 * k)],
              with_alpha(p.accent, 180))
    s.polygon([(x + 22 * k, y + 22 * k), (x + 26 * k, y + 16 * k), (x + 18 * k, y + 16 * k)],
              with_alpha(p.accent, 180))


def double_click_icon(s, p, x, y, size):
    k = size / 24
    cx, cy = x + 12 * k, y + 12 * k
    for rr, alpha in ((4, 230), (8, 150), (12, 80)):
        s.frame((cx - rr * k, cy - rr * k, cx + rr * k, cy + rr * k), rr * k,
                with_alpha(p.accent, alpha), 1.4, kind="ellipse")
    s.shape((cx - 2 * k, cy - 2 * k, cx + 2 * k, cy + 2 * k), 2 * k, p.accent, kind="ellipse")


def record_button(s, p, rect, stop):
    l, t, r, b = rect
    s.glow(rect, (r - l) / 2, (0, 0, 0, 170), 3)
    s.shape(rect, (r - l) / 2, ("v", mix(p.panel_hi, (255, 255, 255), 0.1), p.panel_lo), kind="ellipse")
    s.frame(rect, (r - l) / 2, p.edge, 1, kind="ellipse")
    s.frame((l + 2, t + 2, r - 2, b - 2), (r - l) / 2 - 2, with_alpha(p.accent, 90), 1, kind="ellipse")
    cx, cy = (l + r) / 2, (t + b) / 2
    if stop:
        s.shape((cx - 5, cy - 5, cx + 5, cy + 5), 1.5, ("v", (235, 240, 245), (170, 180, 190)))
    else:
        s.glow((cx - 6, cy - 6, cx + 6, cy + 6), 6, (255, 40, 40, 160), 3)
        s.shape((cx - 6, cy - 6, cx + 6, cy + 6), 6, ("v", (255, 90, 90), (200, 20, 30)), kind="ellipse")


def rgb_ring(s, p, cx, cy, r, thickness):
    """A ring of every hue: the lighting area's emblem."""
    import colorsys
    steps = 90
    for i in range(steps):
        a0 = 2 * math.pi * i / steps
        a1 = 2 * math.pi * (i + 1.2) / steps
        rr, gg, bb = colorsys.hsv_to_rgb(i / steps, 0.85, 1.0)
        colour = (round(rr * 255), round(gg * 255), round(bb * 255), 255)
        pts = [(cx + math.cos(a0) * r, cy + math.sin(a0) * r),
               (cx + math.cos(a1) * r, cy + math.sin(a1) * r),
               (cx + math.cos(a1) * (r - thickness), cy + math.sin(a1) * (r - thickness)),
               (cx + math.cos(a0) * (r - thickness), cy + math.sin(a0) * (r - thickness))]
        s.polygon(pts, colour)
    s.glow((cx - r, cy - r, cx + r, cy + r), r, (255, 255, 255, 40), 8, width=thickness)
    s.frame((cx - r - 3, cy - r - 3, cx + r + 3, cy + r + 3), r + 3, with_alpha(p.edge, 200), 1,
            kind="ellipse")
    inner = r - thickness - 4
    s.shape((cx - inner, cy - inner, cx + inner, cy + inner), inner, ("v", p.panel_hi, p.bg_bottom),
            kind="ellipse")
    s.frame((cx - inner, cy - inner, cx + inner, cy + inner), inner, with_alpha(p.accent, 150), 1,
            kind="ellipse")
