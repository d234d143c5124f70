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

ALL = [DEFAULT, CRIMSON]
