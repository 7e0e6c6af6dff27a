#!/usr/bin/python3
"""Gives every character of a text a key of its own in the X server's keymap,
on keycodes that have no symbol: map-keys.py TEXT.

xdotool types a character that has no key by mapping it on a spare keycode
for the moment of the key press and restoring the keymap right after; a
program that reads the keymap only after that restore (a busy one) sees a key
without a symbol and the character is lost. Mapped beforehand, for the life
of the server, the character has a key like any letter."""
import sys

from Xlib import X, display


def keysym_of(char):
    code = ord(char)
    if 0x20 <= code <= 0x7E or 0xA0 <= code <= 0xFF:
        return code  # Latin-1 keysyms are the code points
    return 0x01000000 + code


def main():
    d = display.Display()
    first = d.display.info.min_keycode
    count = d.display.info.max_keycode - first + 1
    mapping = d.get_keyboard_mapping(first, count)
    present = {sym for syms in mapping for sym in syms if sym != X.NoSymbol}
    free = [first + i for i, syms in enumerate(mapping) if all(s == X.NoSymbol for s in syms)]

    wanted = []
    for char in sys.argv[1]:
        sym = keysym_of(char)
        if sym not in present and sym not in wanted:
            wanted.append(sym)
    if len(wanted) > len(free):
        sys.exit("map-keys.py: not enough free keycodes")
    for keycode, sym in zip(free, wanted):
        d.change_keyboard_mapping(keycode, [(sym, sym)])
    d.sync()


if __name__ == "__main__":
    main()
