"""The colours of the installed skins."""

from dataclasses import dataclass


@dataclass(frozen=True)
class Palette:
    folder: str
    accent: tuple      # lit cells, highlights, frames of the active parts
    deep: tuple        # the dark end of accent gradients
    bg_top: tuple      # window background, top
    bg_bottom: tuple   # window background, bottom
    panel_hi: tuple    # raised surfaces, top
    panel_lo: tuple    # raised surfaces, bottom
    field: tuple       # wells behind values and lists (black: the lists paint black)
    edge: tuple        # quiet outlines
    ink: tuple         # icon strokes at rest
    dim: tuple         # quiet printed text
    # The light skin keeps its chrome pale and its text-bearing surfaces dark; the dark skins
    # leave these at their defaults.
    bar: tuple = None            # title bar (top, bottom); None: the panel colours
    title_ink: tuple = (235, 240, 245)  # the name and the dialog titles printed on the bar
    header_alpha: tuple = (200, 120)    # opacity of the page header plate, top and bottom
    plate: tuple = (0, 0, 0, 70)        # behind the web link in the footer
    dialog_card: bool = False    # a panel behind the dialogs' texts


DEFAULT = Palette(
    folder="Default",
    accent=(0, 190, 255),
    deep=(0, 40, 90),
    bg_top=(21, 25, 32),
    bg_bottom=(9, 11, 15),
    panel_hi=(36, 42, 52),
    panel_lo=(22, 26, 33),
    field=(0, 0, 0),
    edge=(58, 68, 84),
    ink=(190, 205, 220),
    dim=(110, 125, 145),
)

CRIMSON = Palette(
    folder="Crimson",
    accent=(240, 44, 66),
    deep=(80, 0, 16),
    bg_top=(30, 20, 23),
    bg_bottom=(11, 7, 9),
    panel_hi=(50, 34, 38),
    panel_lo=(30, 20, 23),
    field=(0, 0, 0),
    edge=(88, 58, 64),
    ink=(225, 200, 204),
    dim=(150, 115, 122),
)

# Pale frosted chrome; the surfaces the program prints on (panels, header, wells, buttons) stay
# a deep steel blue, so the installed light-grey text colour and white stay legible on them.
FROST = Palette(
    folder="Frost",
    accent=(0, 120, 212),
    deep=(0, 48, 102),
    bg_top=(244, 247, 251),
    bg_bottom=(212, 222, 233),
    panel_hi=(66, 100, 136),
    panel_lo=(44, 72, 104),
    field=(14, 24, 36),
    edge=(150, 170, 192),
    ink=(226, 236, 246),
    dim=(92, 110, 132),
    bar=((252, 253, 255), (226, 233, 241)),
    title_ink=(28, 48, 74),
    header_alpha=(255, 255),
    plate=(44, 72, 104, 255),
    dialog_card=True,
)

ALL = [DEFAULT, CRIMSON, FROST]
