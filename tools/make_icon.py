#!/usr/bin/env python3
"""Writes the programs' 32 x 32, 16-colour icons, drawn here pixel by pixel:
app/resources/SonpixViewer.ico, the viewer's (a framed picture with sky, sun and hill, and a
music note), and creator/resources/SonpixCreator.ico, the creator's (the same framed picture with
a pencil across its corner instead of the note).
Run from the tree's root after changing a drawing: python3 tools/make_icon.py [VIEWER.ico [CREATOR.ico]]
(defaults as above); the same script always writes the same bytes."""
import struct
import sys

# The 16 colours of the classic VGA palette, as (blue, green, red, 0).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
           (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
           (255, 0, 255), (0, 255, 255), (255, 255, 255)]  # (red, green, blue)
BLACK, DARKGREEN, SILVER, GREY, GREEN, YELLOW, BLUE, CYAN, WHITE, RED = 0, 2, 7, 8, 10, 11, 12, 14, 15, 9
SIZE = 32


def rect(px, x0, y0, x1, y1, c):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            px[y][x] = c


def draw_picture():
    """The framed picture both icons share: frame, sky, hill and sun."""
    px = [[None] * SIZE for _ in range(SIZE)]  # None: transparent

    rect(px, 1, 3, 30, 28, BLACK)          # frame outline
    rect(px, 2, 4, 29, 27, SILVER)         # frame
    rect(px, 4, 6, 27, 25, CYAN)           # sky
    for y in range(6, 26):             # hill
        for x in range(4, 28):
            if (x - 12) ** 2 + (y - 34) ** 2 <= 15 ** 2:
                px[y][x] = GREEN if (x - 12) ** 2 + (y - 34) ** 2 <= 13 ** 2 else DARKGREEN
    for y in range(7, 14):             # sun
        for x in range(18, 26):
            if (x - 21.5) ** 2 + (y - 10) ** 2 <= 9:
                px[y][x] = YELLOW
    return px


def draw():
    """The viewer's icon: the picture with a music note."""
    px = draw_picture()
    # music note: stem, flag and head
    rect(px, 24, 12, 25, 24, BLACK)
    rect(px, 26, 12, 27, 13, BLACK)
    rect(px, 27, 14, 28, 15, BLACK)
    for y in range(22, 28):
        for x in range(18, 26):
            if ((x - 22) / 3.6) ** 2 + ((y - 25) / 2.4) ** 2 <= 1:
                px[y][x] = BLACK
    return px


def draw_creator():
    """The creator's icon: the picture with a pencil lying across it from the upper right down to
    the lower left: a red end, a yellow body with a black outline, and a sharpened grey point."""
    px = draw_picture()
    length = 19.0                      # along the axis, from the end at (30, 13) to the point
    for y in range(SIZE):
        for x in range(SIZE):
            u = (-(x - 30) + (y - 13)) / 2 ** 0.5   # distance along the axis
            v = ((x - 30) + (y - 13)) / 2 ** 0.5    # distance across it
            if not 0 <= u <= length:
                continue
            half = 2.2 if u <= length - 5 else 2.2 * (length - u) / 5
            if abs(v) > half:
                continue
            if u > length - 1.5:
                px[y][x] = BLACK       # the lead
            elif u > length - 5:
                px[y][x] = GREY        # the sharpened wood
            elif abs(v) > 1.3:
                px[y][x] = BLACK       # outline
            else:
                px[y][x] = RED if u < 3 else YELLOW
    return px


def ico_bytes(px):
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):    # bottom-up rows
        row = px[y]
        for x in range(0, SIZE, 2):
            a = row[x] if row[x] is not None else 0
            b = row[x + 1] if row[x + 1] is not None else 0
            xor.append((a << 4) | b)
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is None else 0)
        mask += struct.pack('>I', bits)
    image = header + palette + bytes(xor) + bytes(mask)
    directory = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + image


if __name__ == '__main__':
    viewer = sys.argv[1] if len(sys.argv) > 1 else 'app/resources/SonpixViewer.ico'
    creator = sys.argv[2] if len(sys.argv) > 2 else 'creator/resources/SonpixCreator.ico'
    for out, drawing in ((viewer, draw()), (creator, draw_creator())):
        with open(out, 'wb') as f:
            f.write(ico_bytes(drawing))
