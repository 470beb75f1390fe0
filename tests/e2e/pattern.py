"""The "bands" pattern that paint_root puts on the desktop, pixel for pixel."""


def bands(x, y):
    r = (x * 7) & 0xFF
    g = (y * 5) & 0xFF
    b = 0xC0 if ((x // 16) + (y // 16)) % 2 else 0x30
    return (r, g, b)


def dimmed(rgb):
    return tuple((2 * v) // 3 for v in rgb)
