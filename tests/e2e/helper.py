#!/usr/bin/python3
# The journeys' picture and what the editor should save and show for it:
#   helper.py bitmap OUT [I,J...]        the test image, those pixels magenta, as
#                                        the editor saves it (24-bit, bottom-up)
#   helper.py locate WX WY               the screen position of the canvas's client
#                                        pixel (0, 0) in the first view of a window at (WX, WY)
#   helper.py shows CX CY OX OY [I,J...] the canvas at (CX, CY) shows the paper at
#                                        view offset (OX, OY), those pixels magenta
#   helper.py cells WX WY I,J...         for each image pixel, the first and the last device
#                                        pixel of its cell on the screen near (WX, WY)
#   helper.py close WINDOW               the close request a window manager would send
#   helper.py chooser                    the chooser's labels, buttons and column titles,
#                                        read through the accessibility bus; fails while
#                                        a cell of its detail view lies beyond the view
#   helper.py menubar                    the titles of the menu bars, from left to right
# Screen positions are in device pixels: under a whole QT_SCALE_FACTOR each
# canvas pixel is a square of SCALE x SCALE of them, never smoothed.
import os
import struct
import subprocess
import sys

W, H, CELL = 15, 12, 10
SCALE = int(float(os.environ.get("QT_SCALE_FACTOR", "1")))
MAGENTA, WHITE, BLACK = (255, 0, 255), (255, 255, 255), (0, 0, 0)


def colour(i, j, magenta=()):
    return MAGENTA if (i, j) in magenta else (20 + 12 * i, 20 + 15 * j, 100 + (7 * i + 3 * j) % 100)


def bitmap(magenta):
    stride = (3 * W + 3) & ~3
    rows = b"".join(b"".join(bytes(colour(i, j, magenta)[::-1]) for i in range(W)).ljust(stride, b"\0")
                    for j in reversed(range(H)))
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, 0, 0, 0, 0, 0)
    return b"BM" + struct.pack("<IHHI", 54 + len(rows), 0, 0, 54) + info + rows


def screen():
    ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                         capture_output=True, check=True).stdout
    _, size, _, raw = ppm.split(b"\n", 3)
    width = int(size.split()[0])
    return lambda x, y: tuple(raw[3 * (y * width + x):3 * (y * width + x) + 3])


# The canvas pixel (x, y) with the paper's top-left pixel at (ox, oy): black
# grid lines of pitch CELL around 9 x 9 cells, white beyond the paper.
def shown(x, y, ox, oy, magenta):
    px, py = x - ox, y - oy
    if not (0 <= px <= CELL * W and 0 <= py <= CELL * H):
        return WHITE
    if px % CELL == 0 or py % CELL == 0:
        return BLACK
    return colour(px // CELL, py // CELL, magenta)


def pixels(items):
    return {tuple(map(int, item.split(","))) for item in items}


def main(command, *args):
    if command == "bitmap":
        open(args[0], "wb").write(bitmap(pixels(args[1:])))
    elif command == "locate":
        pixel, wx, wy = screen(), int(args[0]), int(args[1])
        # The cell's interior starts at canvas pixel (1, 1).
        found = [(x - SCALE, y - SCALE) for y in range(wy, wy + 100 * SCALE)
                 for x in range(wx, wx + 20 * SCALE) if pixel(x, y) == colour(0, 0)]
        if not found:
            sys.exit("no cell (0, 0) near the window's top-left corner")
        print(*found[0])
    elif command == "shows":
        pixel, (cx, cy, ox, oy), magenta = screen(), map(int, args[:4]), pixels(args[4:])
        # From the canvas's top-left corner to a white margin beyond the paper.
        for y in range(SCALE * (max(oy, 0) + CELL * H + 20)):
            for x in range(SCALE * (max(ox, 0) + CELL * W + 20)):
                expected = shown(x // SCALE, y // SCALE, ox, oy, magenta)
                if pixel(cx + x, cy + y) != expected:
                    sys.exit(f"canvas device pixel ({x}, {y}): {pixel(cx + x, cy + y)}, not {expected}")
    elif command == "cells":
        pixel, (wx, wy), wanted = screen(), map(int, args[:2]), pixels(args[2:])
        colours, spots = {colour(*cell): cell for cell in wanted}, {}
        for y in range(wy, wy + 800):
            for x in range(wx, wx + 800):
                if pixel(x, y) in colours:
                    spots.setdefault(colours[pixel(x, y)], []).append((x, y))
        if len(spots) < len(wanted):
            sys.exit(f"cells not shown: {sorted(wanted - spots.keys())}")
        for cell in sorted(wanted):
            print(*min(spots[cell]), *max(spots[cell]))
    elif command == "close":
        from Xlib import X, display, protocol
        d = display.Display()
        atom = d.intern_atom
        event = protocol.event.ClientMessage(
            window=d.create_resource_object("window", int(args[0])),
            client_type=atom("WM_PROTOCOLS"), data=(32, [atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        event.window.send_event(event)
        d.sync()  # a round trip: a request still unread at disconnection can be dropped
    elif command == "chooser":
        import pyatspi
        roles = (pyatspi.ROLE_LABEL, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TABLE_COLUMN_HEADER)
        texts, right = [], lambda node: sum(node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[::2])

        def walk(node, view=None):
            if node.getRole() == pyatspi.ROLE_TABLE_CELL and right(node) > right(view):
                sys.exit(f"'{node.name}' lies beyond the view")
            texts.extend([node.name] if node.getRole() in roles else [])
            for child in node:
                walk(child, node if node.getRole() == pyatspi.ROLE_TREE else view)
        walk(pyatspi.Registry.getDesktop(0))
        print("|".join(texts))
    elif command == "menubar":
        import pyatspi
        left = lambda node: node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)[0]
        bars = pyatspi.findAllDescendants(pyatspi.Registry.getDesktop(0),
                                          lambda node: node.getRole() == pyatspi.ROLE_MENU_BAR)
        print("|".join(menu.name for bar in bars for menu in sorted(bar, key=left)))


main(*sys.argv[1:])
