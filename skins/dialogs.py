"""The sub-dialog backgrounds. Every dialog has close (352, 6, 370, 24), OK (166, 253, 271, 274)
and Cancel (270, 253, 375, 274); the rest are each dialog's own rectangles.

The dialogs paint their static texts and edit boxes on RGB(40, 40, 40), so their wells use it.
"""

import chrome
import controls
import icons
from paint import Surface, with_alpha

SCALE = 3
DIALOG_GREY = (40, 40, 40)


def _base(p, title, width=380, height=290):
    s = Surface(width, height, SCALE)
    chrome.window_base(s, p, width, height)
    s.polygon([(12, 21), (16, 9), (20, 9), (16, 21)], p.accent)
    s.text((26, 15), title, 11, p.title_ink, bold=True, anchor="lm", spacing=1.6)
    if p.dialog_card:
        # The dialogs print their prompts in white and their captions in the text colour.
        chrome.panel(s, p, (6, 38, width - 6, 236), 6)
    chrome.recess(s, p, (348, 3, 374, 27), 5)
    chrome.separator(s, p, 10, width - 10, 242)
    chrome.recess(s, p, (161, 248, min(width - 1, 380), 279), 7)
    return s


def _grey_well(s, p, rect, arrow_from=None):
    if arrow_from is None:
        chrome.well(s, p, rect, 3, fill=DIALOG_GREY, accent=True)
    else:
        chrome.arrow_well(s, p, rect, arrow_from, fill=DIALOG_GREY)


def single_key(p):
    # Prompt (23, 108, 201, 124), key display (74, 128, 150, 142).
    s = _base(p, "SINGLE KEY")
    _grey_well(s, p, (70, 125, 154, 145))
    icons.keycap(s, p, (248, 84, 330, 166), "A", 26)
    return s.image(opaque=True)


def combo_key(p):
    # Modifier display (50, 70, 116, 84) in its box (50, 70, 132, 84);
    # first key (50, 120, 131, 134), second key (50, 170, 131, 184).
    s = _base(p, "COMBO KEY")
    _grey_well(s, p, (47, 67, 135, 87), 117)
    _grey_well(s, p, (47, 117, 134, 137))
    _grey_well(s, p, (47, 167, 134, 187))
    for y in (102, 152):
        s.text((90.5, y), "+", 14, p.accent, bold=True, anchor="mm")
    icons.keycap(s, p, (178, 96, 250, 168), "Ctrl", 15)
    s.text((270, 132), "+", 20, p.accent, bold=True, anchor="mm")
    icons.keycap(s, p, (290, 96, 362, 168), "A", 22)
    return s.image(opaque=True)


def fire_key(p):
    # Target box (50, 70, 132, 84) with its display to 116; speed (50, 120, 131, 134),
    # times (50, 170, 131, 184); the explanation lines fill (20, 190, 400, 238).
    s = _base(p, "FIRE KEY", 420)
    _grey_well(s, p, (47, 67, 135, 87), 117)
    _grey_well(s, p, (47, 117, 134, 137))
    _grey_well(s, p, (47, 167, 134, 187))
    s.shape((12, 189, 408, 240), 6, (0, 0, 0, 90))
    s.frame((12, 189, 408, 240), 6, with_alpha(p.edge, 200), 1)
    s.shape((12, 195, 14, 234), 1, p.accent)
    icons.crosshair(s, p, 290, 112, 44)
    return s.image(opaque=True)


def delay_time(p):
    # Prompt (14, 89, 210, 109), range (14, 109, 210, 129), delay box (74, 129, 150, 143).
    s = _base(p, "DELAY TIME")
    _grey_well(s, p, (70, 126, 154, 146))
    icons.stopwatch(s, p, 290, 130, 46)
    return s.image(opaque=True)


def _entry_dialog(p, title, height, picture):
    # Entry display (43, 129, 135, 143) in its box (43, 129, 151, 143); the list opens below.
    s = _base(p, title, 380, height)
    _grey_well(s, p, (40, 126, 154, 146), 137)
    s.shape((40, 110, 154, 111), 0, with_alpha(p.accent, 120))
    picture(s)
    return s.image(opaque=True)


def media_key(p):
    return _entry_dialog(p, "MULTIMEDIA", 290, lambda s: icons.note(s, p, 270, 125, 44))


def windows_key(p):
    # The shortcut list reaches y = 305.
    return _entry_dialog(p, "WINDOWS KEY", 320,
                         lambda s: icons.browser_window(s, p, (210, 74, 350, 186)))


def macro_key(p):
    # Macro box (43, 129, 151, 143), prompt in the 16 pixels above it, list to y = 285;
    # repeat boxes (220, 78 + 50k, 236, 94 + 50k) shown empty by the background, texts to x = 390.
    s = _base(p, "MACRO KEY", 400, 300)
    _grey_well(s, p, (40, 126, 154, 146), 137)
    s.shape((204, 62, 205, 222), 0, ("v", with_alpha(p.edge, 0), p.edge))
    for k in range(3):
        top = 70 + 50 * k
        s.shape((214, top, 392, top + 32), 5, (0, 0, 0, 70))
    image = s.image(opaque=True)
    tick_off = controls.tick_box(p, False)
    for k in range(3):
        image.paste(tick_off, (220, 78 + 50 * k), tick_off)
    return image


def skins(p):
    # Swatch (42, 94, 151, 110), prompt in the 30 pixels above it, name display
    # (43, 128, 135, 142) in its box (42, 128, 151, 142), list to y = 264.
    s = _base(p, "SKINS")
    s.frame((39, 91, 154, 113), 3, with_alpha(p.accent, 170), 1)
    _grey_well(s, p, (39, 125, 154, 145), 137)
    icons.palette_icon(s, p, 280, 132, 56)
    return s.image(opaque=True)


def save_profile(p):
    # Prompt (40, 98, 340, 120), name box (46, 126, 334, 140), explanation (40, 156, 340, 220).
    s = _base(p, "SAVE PROFILE")
    _grey_well(s, p, (42, 123, 338, 143))
    s.shape((40, 148, 340, 149), 0, with_alpha(p.accent, 120))
    return s.image(opaque=True)


def all_dialogs(p):
    return {
        "single-key.png": single_key(p),
        "combo-key.png": combo_key(p),
        "fire-key.png": fire_key(p),
        "delay-time.png": delay_time(p),
        "media-key.png": media_key(p),
        "windows-key.png": windows_key(p),
        "macro-key.png": macro_key(p),
        "skins.png": skins(p),
        "save-profile.png": save_profile(p),
    }
