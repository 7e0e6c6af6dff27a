#!/usr/bin/python3
"""Prints the texts of the text boxes of a window, read through the
accessibility bus, one per line from top to bottom: window-texts.py TITLE.
Exits with status 1 when no window of that title is found."""
import sys

import pyatspi


def descendants(node):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find_window(title):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is None:
            continue
        for window in app:
            if window is not None and window.name == title:
                return window
    return None


def main():
    window = find_window(sys.argv[1])
    if window is None:
        return 1
    boxes = []
    for node in descendants(window):
        if node.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY):
            extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            text = node.queryText()
            boxes.append((extents.y, extents.x, text.getText(0, text.characterCount)))
    for _, _, text in sorted(boxes):
        print(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
