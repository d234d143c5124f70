"""Window chrome shared by the page and dialog backgrounds: base, panels, wells, tabs."""

from paint import mix, with_alpha


def window_base(s, p, width, height, bar=30):
    """Background gradient, dot grid, title bar and the outer frame."""
    s.shape((0, 0, width, height), 0, ("v", p.bg_top, p.bg_bottom))
    s.noise_grid((0, bar, width, height), with_alpha(p.edge, 40), 12)
    top, bottom = p.bar or (mix(p.panel_hi, (255, 255, 255), 0.04), p.panel_lo)
    s.shape((0, 0, width, bar), 0, ("v", top, bottom))
    s.glow((0, bar - 1, width, bar + 1), 0, with_alpha(p.accent, 120), 3)
    s.shape((0, bar - 1, width, bar), 0, with_alpha(p.accent, 200))
    s.shape((0, bar, width, bar + 1), 0, (0, 0, 0, 160))
    s.frame((0, 0, width, height), 0, mix(p.edge, p.accent, 0.25), 1)
    # Angled accents at the lower corners.
    s.polygon([(1, height - 22), (1, height - 1), (22, height - 1)], with_alpha(p.accent, 120))
    s.polygon([(width - 1, height - 22), (width - 1, height - 1), (width - 22, height - 1)],
              with_alpha(p.accent, 120))


def brand(s, p, x, y, size=12, subtitle=None):
    """The maker's mark: a slanted double chevron and the name."""
    h = size + 2
    s.polygon([(x, y + h), (x + 6, y), (x + 11, y), (x + 5, y + h)], p.accent)
    s.polygon([(x + 8, y + h), (x + 14, y), (x + 19, y), (x + 13, y + h)],
              with_alpha(p.accent, 150))
    s.text((x + 26, y + h / 2), "QUORVEL", size, p.title_ink, bold=True, anchor="lm",
           spacing=2.2)
    if subtitle:
        s.text((x + 26 + size * 7.2, y + h / 2 + 1), subtitle, size - 4, p.dim, anchor="lm",
               spacing=1.5)


def panel(s, p, rect, radius=8):
    l, t, r, b = rect
    s.glow(rect, radius, (0, 0, 0, 150), 4)
    s.shape(rect, radius, ("v", with_alpha(p.panel_hi, 235), with_alpha(p.panel_lo, 235)))
    s.shape((l + 1, t + 1, r - 1, t + 14), radius - 1, ("v", (255, 255, 255, 14), (255, 255, 255, 0)))
    s.frame(rect, radius, p.edge, 1)
    # Corner brackets in the accent colour.
    c = with_alpha(p.accent, 170)
    s.lines([(l + 0.5, t + 18), (l + 0.5, t + radius), (l + radius, t + 0.5), (l + 18, t + 0.5)], c, 1.4)
    s.lines([(r - 0.5, b - 18), (r - 0.5, b - radius), (r - radius, b - 0.5), (r - 18, b - 0.5)], c, 1.4)


def heading_tab(s, p, rect, line_to=None):
    """A tab behind a heading the program prints centred in rect, with an underline."""
    l, t, r, b = rect
    s.polygon([(l - 8, b + 1), (l - 2, t - 1), (r + 2, t - 1), (r + 8, b + 1)],
              ("v", mix(p.panel_hi, p.accent, 0.18), mix(p.panel_lo, p.accent, 0.06)))
    end = line_to if line_to is not None else r + 8
    s.glow((l - 8, b + 1, end, b + 2), 0, with_alpha(p.accent, 120), 2)
    s.shape((l - 8, b + 1, end, b + 2), 0, with_alpha(p.accent, 230))


def well(s, p, rect, radius=3, fill=None, accent=False):
    """A recessed field: lists, values and edit boxes paint over its inside."""
    s.shape(rect, radius, fill or p.field)
    s.frame(rect, radius, with_alpha(p.accent, 170) if accent else p.edge, 1)
    l, t, r, b = rect
    s.lines([(l + radius, t + 1.5), (r - radius, t + 1.5)], (0, 0, 0, 120), 1)


def arrow_well(s, p, rect, arrow_from, fill=None):
    """A drop-down face the page background provides: a well with an arrow cell at the right."""
    l, t, r, b = rect
    well(s, p, rect, fill=fill)
    s.lines([(arrow_from - 0.5, t + 3), (arrow_from - 0.5, b - 3)], p.edge, 1)
    cx = (arrow_from + r) / 2
    cy = (t + b) / 2
    s.polygon([(cx - 3.5, cy - 1.8), (cx + 3.5, cy - 1.8), (cx, cy + 2.2)], p.accent)


def recess(s, p, rect, radius=6):
    """A quiet tray behind a row of buttons."""
    s.shape(rect, radius, (0, 0, 0, 90))
    s.frame(rect, radius, with_alpha(p.edge, 150), 1)


def separator(s, p, x0, x1, y):
    s.shape((x0, y, (x0 + x1) // 2, y + 1), 0, ("h", with_alpha(p.edge, 0), p.edge))
    s.shape(((x0 + x1) // 2, y, x1, y + 1), 0, ("h", p.edge, with_alpha(p.edge, 0)))
    cx = (x0 + x1) / 2
    s.shape((cx - 14, y, cx + 14, y + 1), 0, p.accent)
