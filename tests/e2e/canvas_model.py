"""The test image of the canvas end-to-end test and what the editor should
show and save for it. Subcommands:

  image OUT                       writes the image as loaded
  saved OUT MAGENTA...            the file expected after saving, the listed
                                  pixels ("i,j") transparent
  locate SHOT WX WY               prints the screen position of the canvas's
                                  client pixel (0, 0), found from the first
                                  view in a screenshot (binary PPM) of a window
                                  whose top-left corner is (WX, WY)
  check SHOT CX CY OX OY MAGENTA... exit status 0 when the screenshot shows
                                  the grid at view offset (OX, OY) with those
                                  pixels transparent, around the whole paper
"""
import struct
import sys

W, H = 16, 12
CELL = 10
MAGENTA = (255, 0, 255)
WHITE, BLACK = (255, 255, 255), (0, 0, 0)


def loaded(i, j):
    return (20 + 12 * i, 20 + 15 * j, 100 + (7 * i + 3 * j) % 100)


def picture(magenta):
    pixels = {(i, j): loaded(i, j) for i in range(W) for j in range(H)}
    for item in magenta:
        i, j = map(int, item.split(","))
        pixels[(i, j)] = MAGENTA
    return pixels


def bitmap(pixels):
    """An uncompressed 24-bit bottom-up file, headers as the editor writes them."""
    stride = (W * 3 + 3) & ~3
    data = bytearray()
    for j in range(H - 1, -1, -1):
        row = bytearray()
        for i in range(W):
            r, g, b = pixels[(i, j)]
            row += bytes((b, g, r))
        data += row + bytes(stride - len(row))
    header = b"BM" + struct.pack("<IHHI", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 24, 0, 0, 0, 0, 0, 0)
    return header + info + bytes(data)


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields, at = [], 0
    while len(fields) < 4:  # magic, width, height, maximum
        while data[at:at + 1].isspace():
            at += 1
        if data[at:at + 1] == b"#":
            at = data.index(b"\n", at)
            continue
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    assert fields[0] == b"P6" and fields[3] == b"255", "not an 8-bit binary PPM"
    width = int(fields[1])
    pixels = data[at + 1:]

    def pixel(x, y):
        k = 3 * (y * width + x)
        return tuple(pixels[k:k + 3])
    return pixel


def shown(pixels, x, y, ox, oy):
    """The canvas pixel (x, y) with the paper at (ox, oy)."""
    px, py = x - ox, y - oy
    if px < 0 or py < 0 or px > CELL * W or py > CELL * H:
        return WHITE
    if px % CELL == 0 or py % CELL == 0:
        return BLACK
    return pixels[(px // CELL, py // CELL)]


def main(args):
    command = args[0]
    if command == "image":
        open(args[1], "wb").write(bitmap(picture([])))
        return 0
    if command == "saved":
        open(args[1], "wb").write(bitmap(picture(args[2:])))
        return 0
    if command == "locate":
        pixel, wx, wy = read_ppm(args[1]), int(args[2]), int(args[3])
        first = loaded(0, 0)
        for y in range(wy, wy + 100):
            for x in range(wx, wx + 100):
                if pixel(x, y) == first:
                    print(x - 1, y - 1)  # the cell's interior starts at (1, 1)
                    return 0
        print("cell (0, 0) not found", file=sys.stderr)
        return 1
    if command == "check":
        pixel = read_ppm(args[1])
        cx, cy, ox, oy = map(int, args[2:6])
        pixels = picture(args[6:])
        # The whole paper and a margin around it wherever it lies.
        for y in range(min(0, oy) + 0, max(oy, 0) + CELL * H + 20):
            for x in range(min(0, ox) + 0, max(ox, 0) + CELL * W + 20):
                if x < 0 or y < 0:
                    continue
                want, got = shown(pixels, x, y, ox, oy), pixel(cx + x, cy + y)
                if want != got:
                    print(f"canvas ({x}, {y}): {got} instead of {want}", file=sys.stderr)
                    return 1
        return 0
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
