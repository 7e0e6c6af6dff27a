#!/usr/bin/python3
"""Reads the editor's windows from outside, through the accessibility bus, as
a screen reader would. Exits with status 1 when what was asked for is not
there (yet), so that the shell can poll it.

  a11y.py ready                 the editor is on the bus
  a11y.py menus                 every menu item, one a line: "Path/To/Item|checked"
  a11y.py centre PATH...        "X Y" of a showing menu item, found by its path
  a11y.py canvas                "X Y WIDTH HEIGHT" of the canvas's drawing area
  a11y.py texts TITLE           the texts of the labels and text boxes of the window TITLE
"""
import sys

import pyatspi

APPLICATION = "velmora-bitmap"
MAIN_TITLE = "Velmora - Editor Bitmap ..."


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APPLICATION:
            return app
    sys.exit(1)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def window(title):
    for top in children(application()):
        if top.name == title and top.getState().contains(pyatspi.STATE_SHOWING):
            return top
    sys.exit(1)


def find(node, predicate):
    if predicate(node):
        return node
    for child in children(node):
        found = find(child, predicate)
        if found is not None:
            return found
    return None


def menu_bar():
    bar = find(window(MAIN_TITLE), lambda n: n.getRoleName() == "menu bar")
    if bar is None:
        sys.exit(1)
    return bar


def menu_items(node, path):
    """Yields (path, item) for every item under node, depth first, in order."""
    for child in children(node):
        role = child.getRoleName()
        if role == "menu item":
            item_path = path + [child.name]
            yield item_path, child
            for sub in children(child):
                yield from menu_items(sub, item_path)
        elif role == "separator":
            yield path + ["-"], child
        else:
            yield from menu_items(child, path)


def centre(extents):
    return "%d %d" % (extents.x + extents.width // 2, extents.y + extents.height // 2)


def main(args):
    command = args[0]
    if command == "ready":
        window(MAIN_TITLE)
    elif command == "menus":
        for path, item in menu_items(menu_bar(), []):
            checked = item.getState().contains(pyatspi.STATE_CHECKED)
            print("/".join(path) + ("|checked" if checked else ""))
    elif command == "centre":
        wanted = args[1:]
        for path, item in menu_items(menu_bar(), []):
            if path == wanted and item.getState().contains(pyatspi.STATE_SHOWING):
                print(centre(item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)))
                return
        sys.exit(1)
    elif command == "canvas":
        frame = find(window(MAIN_TITLE), lambda n: n.getRoleName() == "frame")
        if frame is None or frame.childCount != 1:
            sys.exit(1)
        e = frame.getChildAtIndex(0).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        print("%d %d %d %d" % (e.x, e.y, e.width, e.height))
    elif command == "texts":
        def collect(node):
            role = node.getRoleName()
            if role == "label" and node.name:
                print(node.name)
            elif role == "text":
                text = node.queryText()
                print(text.getText(0, text.characterCount))
            for child in children(node):
                collect(child)
        collect(window(args[1]))
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main(sys.argv[1:])
