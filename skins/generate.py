#!/usr/bin/python3
"""Rebuilds every PNG of the installed skins: skins/<folder>/*.png for each palette.

Needs Debian's python3-pil and the DejaVu fonts (fonts-dejavu-core). Run: skins/generate.py
"""

import os
import sys

# No __pycache__ beside the skins: every folder here is installed as a skin.
sys.dont_write_bytecode = True
here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, here)

import controls  # noqa: E402
import dialogs  # noqa: E402
import pages  # noqa: E402
import palettes  # noqa: E402


def images_of(p):
    images = {"BasicSet2.png": pages.basic_page(p), "AdvancedSet2.png": pages.advanced_page(p)}
    images.update(controls.all_controls(p))
    images.update(dialogs.all_dialogs(p))
    return images


def main():
    for p in palettes.ALL:
        folder = os.path.join(here, p.folder)
        os.makedirs(folder, exist_ok=True)
        images = images_of(p)
        for name, image in images.items():
            image.save(os.path.join(folder, name), optimize=True)
        print(f"{p.folder}: {len(images)} images written")


if __name__ == "__main__":
    main()
