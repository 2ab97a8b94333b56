#!/usr/bin/env python3
"""Checks on a screenshot of one skinned window, taken on a screen of the given pixel ratio.

  hidpi_check.py frame SHOT RATIO   the border on all four sides: the window's outermost device
                                    pixels are the border's colour (the corners of the title are
                                    left out: they are cut round)
  hidpi_check.py status SHOT RATIO  the main window's status bar: the lamp whole, its lower
                                    outline and the panels' lower edge above the window's border
  hidpi_check.py green-row SHOT     the y of the first grid row drawn in the green of an item
                                    with a full text
Prints what it found; exits 1 when a check fails.
"""
import math
import subprocess
import sys


def load(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True,
                          text=True, check=True).stdout.split()
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    return int(size[0]), int(size[1]), raw


class Shot:
    def __init__(self, path):
        self.w, self.h, self.raw = load(path)

    def at(self, x, y):
        i = (y * self.w + x) * 3
        return tuple(self.raw[i:i + 3])


def near(a, b, tolerance=24):
    return all(abs(p - q) <= tolerance for p, q in zip(a, b))


def frame(shot, ratio):
    corner = math.ceil(8 * ratio)
    border = shot.at(0, shot.h // 2)
    inside = shot.at(math.ceil(3 * ratio), shot.h // 2)
    if near(border, inside, 8):
        return False, f"no border: the left edge {border} looks like the inside {inside}"
    title = math.ceil(50 * ratio)
    sides = {
        "top": [(x, 0) for x in range(corner, shot.w - corner)],
        "bottom": [(x, shot.h - 1) for x in range(shot.w)],
        "left": [(0, y) for y in range(title, shot.h)],
        "right": [(shot.w - 1, y) for y in range(title, shot.h)],
    }
    found = []
    for side, points in sides.items():
        share = sum(near(shot.at(x, y), border) for x, y in points) / len(points)
        found.append(f"{side} {share:.0%}")
        if share < 0.95:
            return False, f"the {side} edge is not the border's colour {border}: " + ", ".join(found)
    return True, "border on all four sides: " + ", ".join(found)


def is_lamp(colour):
    return colour in ((0, 128, 0), (255, 0, 0))


def status(shot, ratio):
    bar = math.ceil(19 * ratio)
    lamp = [(x, y) for y in range(shot.h - bar, shot.h) for x in range(int(640 * ratio), shot.w)
            if is_lamp(shot.at(x, y))]
    if not lamp:
        return False, "no lamp in the status bar"
    left = min(x for x, _ in lamp)
    right = max(x for x, _ in lamp)
    top = min(y for _, y in lamp)
    low = max(y for _, y in lamp)
    width, height = right - left + 1, low - top + 1
    border_top = shot.h - round(ratio)
    if height < 7 * ratio - 1 or abs(width - height) > 2:
        return False, f"the lamp is cut: its fill is {width} x {height} pixels"
    middle = (left + right) // 2
    outline = [y for y in range(low + 1, min(low + 2 + math.ceil(ratio), shot.h))
               if sum(shot.at(middle, y)) < 200]
    if not outline or max(outline) >= border_top:
        return False, f"the lamp's lower outline is missing or under the border (fill to {low})"
    # The panels' lower edge: a line between the bar's ground and the border, in panel 2.
    x = shot.w // 2
    ground = shot.at(x, shot.h - bar // 2)
    border = shot.at(x, shot.h - 1)
    edge = [y for y in range(shot.h - bar // 2, border_top)
            if not near(shot.at(x, y), ground, 12) and not near(shot.at(x, y), border, 12)]
    if not edge:
        return False, "the panels' lower edge is not above the window's border"
    return True, (f"lamp {width} x {height} at {left},{top}, its outline to {max(outline)}, "
                  f"the panels' edge at {max(edge)}, the border from {border_top}")


def is_green_text(colour):
    r, g, b = colour
    return r < 60 and 100 < g < 160 and b < 60


def green_row(shot):
    for y in range(shot.h):
        if sum(is_green_text(shot.at(x, y)) for x in range(min(shot.w, 600))) > 3:
            return True, str(y)
    return False, "no green row"


def main():
    check = sys.argv[1]
    shot = Shot(sys.argv[2])
    if check == "green-row":
        ok, text = green_row(shot)
    else:
        ok, text = {"frame": frame, "status": status}[check](shot, float(sys.argv[3]))
    print(text)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
