"""The small control images of a skin: buttons, boxes, slider cells, ticks."""

from paint import Surface, mix, with_alpha


def text_button(p, over):
    """105 x 21, the caption is drawn over it by the program."""
    s = Surface(105, 21)
    rect = (0, 0, 105, 21)
    if over:
        s.shape(rect, 5, ("v", mix(p.accent, (255, 255, 255), 0.15), mix(p.accent, p.deep, 0.55)))
        s.shape((1, 1, 104, 10), 4, ("v", (255, 255, 255, 70), (255, 255, 255, 8)))
        s.frame(rect, 5, mix(p.accent, (255, 255, 255), 0.45), 1)
    else:
        s.shape(rect, 5, ("v", mix(p.panel_hi, (255, 255, 255), 0.06), p.panel_lo))
        s.shape((1, 1, 104, 10), 4, ("v", (255, 255, 255, 28), (255, 255, 255, 0)))
        s.frame(rect, 5, p.edge, 1)
        s.lines([(8, 20.2), (97, 20.2)], with_alpha(p.accent, 150), 0.9)
    return s.image()


def _icon_base(p, size, over, radius):
    s = Surface(size, size)
    rect = (0, 0, size, size)
    if over:
        s.shape(rect, radius, ("v", mix(p.accent, (255, 255, 255), 0.1), mix(p.accent, p.deep, 0.5)))
        s.frame(rect, radius, mix(p.accent, (255, 255, 255), 0.5), 1)
    else:
        s.shape(rect, radius, ("v", p.panel_hi, p.panel_lo))
        s.frame(rect, radius, p.edge, 1)
    return s


def close_button(p, over):
    s = Surface(18, 18)
    rect = (0, 0, 18, 18)
    if over:
        s.shape(rect, 4, ("v", (236, 64, 64), (160, 20, 28)))
        s.frame(rect, 4, (255, 140, 140), 1)
        ink = (255, 255, 255)
    else:
        s.shape(rect, 4, ("v", p.panel_hi, p.panel_lo))
        s.frame(rect, 4, p.edge, 1)
        ink = p.ink
    s.lines([(5.5, 5.5), (12.5, 12.5)], ink, 1.6)
    s.lines([(12.5, 5.5), (5.5, 12.5)], ink, 1.6)
    return s.image()


def minimise_button(p, over):
    s = _icon_base(p, 18, over, 4)
    ink = (255, 255, 255) if over else p.ink
    s.lines([(5, 11.5), (13, 11.5)], ink, 1.8)
    return s.image()


def skins_button(p, over):
    """A four-colour palette: the skin chooser."""
    s = _icon_base(p, 18, over, 4)
    colours = [p.accent, (255, 196, 0), (80, 220, 120), (170, 110, 255)]
    if over:
        colours = [(255, 255, 255)] * 4
    cells = [(4, 4, 8.5, 8.5), (9.5, 4, 14, 8.5), (4, 9.5, 8.5, 14), (9.5, 9.5, 14, 14)]
    for cell, colour in zip(cells, colours):
        s.shape(cell, 1.2, colour)
    return s.image()


def page_button(p, over, forward):
    """40 x 40 page switch: a chevron in a rounded square."""
    s = Surface(40, 40)
    rect = (0, 0, 40, 40)
    if over:
        s.shape(rect, 9, ("v", mix(p.accent, (255, 255, 255), 0.12), mix(p.accent, p.deep, 0.55)))
        s.shape((2, 2, 38, 18), 8, ("v", (255, 255, 255, 60), (255, 255, 255, 0)))
        s.frame(rect, 9, mix(p.accent, (255, 255, 255), 0.5), 1.2)
        ink = (255, 255, 255)
    else:
        s.shape(rect, 9, ("v", p.panel_hi, p.panel_lo))
        s.shape((2, 2, 38, 18), 8, ("v", (255, 255, 255, 22), (255, 255, 255, 0)))
        s.frame(rect, 9, p.edge, 1.2)
        s.frame((3, 3, 37, 37), 7, with_alpha(p.accent, 60), 1)
        ink = p.accent
    if forward:
        pts = [(16, 11), (25, 20), (16, 29)]
    else:
        pts = [(24, 11), (15, 20), (24, 29)]
    s.lines(pts, ink, 3.2)
    return s.image()


def dropdown_box(p, over):
    """211 x 21 key box: number cell of 20 pixels, value, and an arrow at the right."""
    s = Surface(211, 21)
    rect = (0, 0, 211, 21)
    if over:
        s.shape(rect, 4, ("v", mix(p.field, p.accent, 0.22), mix(p.field, p.accent, 0.08)))
        s.frame(rect, 4, p.accent, 1.2)
        number = ("v", p.accent, mix(p.accent, p.deep, 0.5))
        arrow = (255, 255, 255)
    else:
        s.shape(rect, 4, ("v", mix(p.field, (255, 255, 255), 0.05), p.field))
        s.frame(rect, 4, p.edge, 1)
        number = ("v", mix(p.panel_hi, p.accent, 0.35), mix(p.panel_lo, p.accent, 0.2))
        arrow = p.accent
    s.shape((1, 1, 19, 20), 3.5, number)
    s.lines([(19.5, 3), (19.5, 18)], with_alpha(p.accent, 120 if not over else 200), 1)
    s.lines([(191.5, 4), (191.5, 17)], with_alpha(p.edge, 255), 1)
    s.polygon([(197, 8.5), (205, 8.5), (201, 13)], arrow)
    return s.image()


def bar_cell(p, width, height, lit, radius):
    s = Surface(width, height)
    inner = (1, 1, width - 1, height - 1)
    if lit:
        s.shape(inner, radius, ("v", mix(p.accent, (255, 255, 255), 0.35), mix(p.accent, p.deep, 0.35)))
        s.shape((2, 1.5, width - 2, height / 2), radius, ((255, 255, 255, 80)))
        s.frame(inner, radius, mix(p.accent, (255, 255, 255), 0.55), 0.8)
    else:
        s.shape(inner, radius, ("v", mix(p.panel_lo, (0, 0, 0), 0.2), p.panel_hi))
        s.frame(inner, radius, p.edge, 0.8)
    return s.image()


def dpi_cell(p, lit):
    s = Surface(16, 16)
    inner = (1, 1, 15, 15)
    if lit:
        s.shape(inner, 3, ("v", mix(p.accent, (255, 255, 255), 0.3), mix(p.accent, p.deep, 0.4)))
        s.shape((2.5, 2, 13.5, 7), 2, (255, 255, 255, 70))
        s.frame(inner, 3, mix(p.accent, (255, 255, 255), 0.5), 0.8)
    else:
        s.shape(inner, 3, ("v", p.panel_hi, mix(p.panel_lo, (0, 0, 0), 0.3)))
        s.frame(inner, 3, p.edge, 0.8)
        s.shape((6, 6, 10, 10), 1, with_alpha(p.accent, 40))
    return s.image()


def tick_box(p, ticked):
    s = Surface(16, 16)
    inner = (1, 1, 15, 15)
    s.shape(inner, 3, ("v", mix(p.field, (255, 255, 255), 0.06), p.field))
    s.frame(inner, 3, p.accent if ticked else mix(p.edge, (255, 255, 255), 0.1), 1)
    if ticked:
        s.shape((3, 3, 13, 13), 2, ("v", mix(p.accent, (255, 255, 255), 0.2), mix(p.accent, p.deep, 0.4)))
        s.lines([(4.8, 8.2), (7.2, 10.6), (11.4, 5.4)], (255, 255, 255), 1.7, joint="curve")
    return s.image()


def all_controls(p):
    """File name -> image."""
    return {
        "button-normal.png": text_button(p, False),
        "button-over.png": text_button(p, True),
        "button-close-normal.png": close_button(p, False),
        "button-close-over.png": close_button(p, True),
        "button-min-normal.png": minimise_button(p, False),
        "button-min-over.png": minimise_button(p, True),
        "button-Skins-normal.png": skins_button(p, False),
        "button-Skins-over.png": skins_button(p, True),
        "button-PrePage-normal.png": page_button(p, False, False),
        "button-PrePage-over.png": page_button(p, True, False),
        "button-NextPage-normal.png": page_button(p, False, True),
        "button-NextPage-over.png": page_button(p, True, True),
        "DropdownBox-normal.png": dropdown_box(p, False),
        "DropdownBox-over.png": dropdown_box(p, True),
        "slider-RP-light.png": bar_cell(p, 70, 11, True, 4),
        "slider-RP-dark.png": bar_cell(p, 70, 11, False, 4),
        "slider-DPI-light.png": dpi_cell(p, True),
        "slider-DPI-dark.png": dpi_cell(p, False),
        "slider-light.png": bar_cell(p, 24, 11, True, 3),
        "slider-dark.png": bar_cell(p, 24, 11, False, 3),
        "Pane.png": tick_box(p, False),
        "PaneMakingTick.png": tick_box(p, True),
    }
