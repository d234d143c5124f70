"""The two page backgrounds of the main window, 900 x 660.

Every frame sits where the program draws or hit-tests: the rectangles below are the
program's own and must not move.
"""

import chrome
import controls
import icons
from paint import Surface, mix, with_alpha

WIDTH, HEIGHT = 900, 660
SCALE = 2


def _common(s, p):
    chrome.window_base(s, p, WIDTH, HEIGHT)
    chrome.brand(s, p, 14, 8, 12, "GAMING MOUSE SUITE")
    # Title bar: skins (701, 5), minimise (825, 5), close (850, 5) sit on a quiet plate.
    chrome.recess(s, p, (697, 2, 723, 27), 5)
    chrome.recess(s, p, (821, 2, 872, 27), 5)
    # Header: page buttons at (20, 58) and (70, 58), the title in (120, 58, 352, 98).
    top_alpha, bottom_alpha = p.header_alpha
    s.shape((10, 44, 890, 112), 10,
            ("v", with_alpha(p.panel_hi, top_alpha), with_alpha(p.panel_lo, bottom_alpha)))
    s.frame((10, 44, 890, 112), 10, with_alpha(p.edge, 200), 1)
    chrome.recess(s, p, (15, 53, 115, 103), 8)
    s.shape((120, 99, 352, 101), 1, ("h", p.accent, with_alpha(p.accent, 0)))
    # Slanted stripes at the right of the header.
    for i in range(6):
        x = 820 - i * 16
        s.polygon([(x, 100), (x + 10, 56), (x + 16, 56), (x + 6, 100)],
                  with_alpha(p.accent, 150 - i * 24))
    # Footer: the web link (273, 627, 449, 647) and OK, Apply, Cancel (562..875, 623..644).
    chrome.separator(s, p, 16, 884, 612)
    s.shape((268, 624, 454, 650), 10, p.plate)
    chrome.recess(s, p, (557, 618, 880, 649), 7)
    # Status marks at the left of the footer.
    for i in range(3):
        s.shape((24 + i * 10, 633, 30 + i * 10, 639), 3, with_alpha(p.accent, 220 - i * 70), kind="ellipse")


def basic_page(p):
    s = Surface(WIDTH, HEIGHT, SCALE)
    _common(s, p)

    # The mouse and its numbered buttons.
    chrome.panel(s, p, (16, 148, 230, 604))
    icons.mouse(s, p, 123, 200, 118, 330)

    # Key setting: heading (259, 160, 364, 181), key boxes (252, 199 + 23k, 463, 220 + 23k),
    # Mode A and Mode B (253..462, 518..539), key restore (307, 549, 412, 570).
    chrome.panel(s, p, (238, 148, 478, 604))
    chrome.heading_tab(s, p, (259, 160, 364, 181), 466)
    for k in range(6):
        top = 199 + 23 * k
        s.shape((250, top - 1, 465, top + 22), 5, (0, 0, 0, 110))
    chrome.separator(s, p, 252, 464, 505)
    chrome.recess(s, p, (249, 514, 466, 543), 7)

    # Report rate: heading (504, 161, 609, 182), segments (542 + 72i, 204, 612 + 72i, 215),
    # labels from 225 to 245 under them.
    chrome.panel(s, p, (488, 148, 884, 262))
    chrome.heading_tab(s, p, (504, 161, 609, 182), 870)
    chrome.well(s, p, (537, 199, 833, 220), 6)
    for i in range(5):
        x = 540 + 72 * i if i < 4 else 830
        s.shape((x, 222, x + 1, 226), 0, with_alpha(p.accent, 140))

    # DPI setting: heading (504, 275, 609, 296), level cells (554 + 27c, 500 - 18(n - 1)),
    # swatches (554 + 27c, 523, 570 + 27c, 539), ticks (554 + 27c, 541, 570 + 27c, 557).
    chrome.panel(s, p, (488, 268, 682, 604))
    chrome.heading_tab(s, p, (504, 275, 609, 296), 668)
    for c in range(4):
        x = 554 + 27 * c
        chrome.well(s, p, (x - 3, 299, x + 19, 519), 5)
        s.frame((x - 2, 521, x + 18, 541), 3, with_alpha(p.accent, 130), 1)
    for n in range(12):
        y = 500 - 18 * n + 8
        s.shape((547, y, 550, y + 1), 0, with_alpha(p.accent, 120 if n % 4 == 3 else 60))

    # DPI effect: heading (704, 275, 809, 296); lighting boxes (767, 330 + 30i, 851, 344 + 30i)
    # whose value labels cover x 767..835, so the arrow cell is 835..851.
    chrome.panel(s, p, (690, 268, 884, 604))
    chrome.heading_tab(s, p, (704, 275, 809, 296), 870)
    for i in range(3):
        top = 330 + 30 * i
        chrome.arrow_well(s, p, (765, top - 2, 853, top + 16), 836)
    icons.rgb_ring(s, p, 787, 518, 56, 9)
    return s.image(opaque=True)


def advanced_page(p):
    s = Surface(WIDTH, HEIGHT, SCALE)
    _common(s, p)
    tick_off = controls.tick_box(p, False)

    # Pointer settings: titles (38, 160 + 150r, 143, 181 + 150r), cells
    # (52 + 24(m - 1), 200 + 150r, 76 + 24(m - 1), 211 + 150r), numbers 10 to 30 below,
    # ticks (51, 255, 67, 271) and (51, 405, 67, 421) shown empty by the background,
    # Default (194, 573, 299, 594).
    chrome.panel(s, p, (16, 148, 440, 604))
    decorations = [icons.pointer_icon, icons.wheel_icon, icons.double_click_icon]
    for r in range(3):
        top = 150 * r
        s.shape((28, 156 + top, 428, 292 + top if r < 2 else 562), 7, (0, 0, 0, 60))
        s.frame((28, 156 + top, 428, 292 + top if r < 2 else 562), 7, with_alpha(p.edge, 160), 1)
        chrome.heading_tab(s, p, (38, 160 + top, 143, 181 + top), 420)
        chrome.well(s, p, (48, 196 + top, 320, 215 + top), 5)
        decorations[r](s, p, 370, 196 + top, 30)
    chrome.recess(s, p, (189, 568, 304, 599), 7)

    # Macro setting: heading (469, 160, 578, 181); columns headed in (457, 196, 592, 220),
    # (591, 196, 726, 220), (725, 196, 875, 220); lists (462, 220, 591, 512) and
    # (592, 220, 725, 512); start (735, 229, 764, 258) and stop (735, 265, 764, 294);
    # name (735, 322, 799, 336), loop (735, 362, 799, 376); mouse-event box (735, 402, 854, 416)
    # whose label covers 735..839; New, Delete, Confirm (513..826, 528..549).
    chrome.panel(s, p, (450, 148, 884, 604))
    chrome.heading_tab(s, p, (469, 160, 578, 181), 870)
    for l, r in ((458, 590), (593, 725), (729, 876)):
        s.shape((l, 197, r, 219), 4, ("v", mix(p.panel_hi, p.accent, 0.12), p.panel_lo))
        s.shape((l, 218, r, 219), 0, with_alpha(p.accent, 160))
    chrome.well(s, p, (460, 219, 727, 514), 3, fill=(4, 5, 6))
    s.shape((591, 221, 592, 512), 0, p.edge)
    icons.record_button(s, p, (735, 229, 764, 258), stop=False)
    icons.record_button(s, p, (735, 265, 764, 294), stop=True)
    for top in (322, 362):
        chrome.well(s, p, (733, top - 2, 801, top + 16), 3, accent=True)
    chrome.arrow_well(s, p, (733, 400, 856, 418), 840)
    chrome.recess(s, p, (508, 523, 831, 554), 7)
    image = s.image(opaque=True)
    # The empty tick boxes exactly as the program draws them, so a ticked box replaces it.
    for top in (255, 405):
        image.paste(tick_off, (51, top), tick_off)
    return image
