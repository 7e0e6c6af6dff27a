#!/usr/bin/python3
"""Checks a screenshot of the canvas, cell by cell, against the image it
shows magnified ten times with the view at (0, 0): every image pixel a 9 x 9
cell of its colour between black grid lines of pitch 10, white beyond the
image.

  compare-canvas.py SHOT IMAGE X Y WIDTH HEIGHT

X, Y: the screen position of the canvas's first drawing pixel; WIDTH x HEIGHT:
the part of the canvas to check (what is on screen). Prints what it checked;
exits with status 1 and the first differences when the picture is wrong.
"""
import subprocess
import sys

CELL = 10
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


def rgb(path, geometry=None):
    """The picture's pixels as rows of (r, g, b), decoded by ImageMagick."""
    size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                          capture_output=True, text=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    command = ["convert", path]
    if geometry:
        x, y, width, height = geometry
        command += ["-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage"]
    raw = subprocess.run(command + ["-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    if len(raw) != width * height * 3:
        sys.exit("%s: %d bytes for %d x %d" % (path, len(raw), width, height))
    return width, height, [[tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3])
                            for x in range(width)] for y in range(height)]


def main(shot, image, x, y, width, height):
    iw, ih, pixels = rgb(image)
    _, _, screen = rgb(shot, (x, y, width, height))

    def expected(px, py):
        if px > CELL * iw or py > CELL * ih:
            return WHITE
        if px % CELL == 0 or py % CELL == 0:
            return BLACK
        return pixels[py // CELL][px // CELL]

    wrong = []
    for py in range(height):
        for px in range(width):
            if screen[py][px] != expected(px, py):
                wrong.append((px, py, screen[py][px], expected(px, py)))
    columns = min(iw, (width - 2) // CELL + 1)
    rows = min(ih, (height - 2) // CELL + 1)
    print("checked %d x %d canvas pixels: image columns 0..%d, rows 0..%d (last ones in part)"
          % (width, height, columns - 1, rows - 1))
    if wrong:
        for px, py, seen, want in wrong[:10]:
            print("canvas (%d, %d): %s instead of %s" % (px, py, seen, want))
        print("%d pixels differ" % len(wrong))
        sys.exit(1)


if __name__ == "__main__":
    a = sys.argv[1:]
    main(a[0], a[1], int(a[2]), int(a[3]), int(a[4]), int(a[5]))
