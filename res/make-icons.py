#!/usr/bin/env python3
"""Draws the Locatrix icons: a shaded globe seen from above Europe with a grid of locator fields
(20 degrees of longitude by 10 of latitude, or whole multiples of them where the icon is small),
the grid cell holding the field JO picked out, and a dark rim.

    python3 res/make-icons.py           writes res/Locatrix.ico and res/About.ico
    python3 res/make-icons.py --check   exits 1 when the files differ from what it would write

Plain Python 3, standard library only; the output is the same bytes on every run.
"""
import math
import os
import struct
import sys

# The drawing. Colours are (red, green, blue) in 0..255.
VIEW_LAT, VIEW_LON = 25.0, 10.0           # the point of the globe that faces us
RADIUS = 0.47                             # of the icon's width
LIGHT = (-0.45, 0.55, 0.70)               # towards the light, in view space (x right, y up, z to us)
OCEAN = (40, 110, 200)
FIELD = (250, 150, 30)                    # the highlighted grid cell
FIELD_LON, FIELD_LAT = 10.0, 55.0         # the middle of JO
GRID = (235, 245, 255)
GRID_OPACITY = 0.85
RIM = (15, 45, 95)
RIM_WIDTH = 1.0                           # pixels
SAMPLES = 6                               # per pixel and axis

# Per icon size: grid step in longitude and latitude (coarser where fields would be a blur)
# and the grid line width in pixels.
GRID_FOR_SIZE = {16: (60, 30, 0.9), 20: (60, 30, 1.0), 24: (60, 30, 1.0), 32: (40, 20, 1.0),
                 40: (40, 20, 1.0), 48: (40, 20, 1.0), 60: (40, 20, 1.2), 64: (40, 20, 1.2),
                 72: (40, 20, 1.4), 96: (40, 20, 1.8)}
# One image for each size the system asks for at 96, 120, 144 and 192 DPI: small icons 16, 20,
# 24, 32; big icons 32, 40, 48, 64; the About box's 48 scaled the same way.
APP_SIZES = (16, 20, 24, 32, 40, 48, 64)
ABOUT_SIZE = 48
ABOUT_LARGER_SIZES = (60, 72, 96)


def normalize(v):
    length = math.sqrt(sum(c * c for c in v))
    return tuple(c / length for c in v)


def sphere_sample(x, y):
    """Latitude and longitude (degrees) under view point x, y of the unit disc, or None."""
    rho2 = x * x + y * y
    if rho2 >= 1.0:
        return None
    z = math.sqrt(1.0 - rho2)
    phi0 = math.radians(VIEW_LAT)
    lat = math.degrees(math.asin(max(-1.0, min(1.0, z * math.sin(phi0) + y * math.cos(phi0)))))
    lon = VIEW_LON + math.degrees(math.atan2(x, z * math.cos(phi0) - y * math.sin(phi0)))
    return lat, (lon + 180.0) % 360.0 - 180.0


def grid_distance(value, step):
    """Degrees from value to the nearest multiple of step."""
    r = value % step
    return min(r, step - r)


def blend(under, over, opacity):
    return tuple(u + (o - u) * opacity for u, o in zip(under, over))


def render(size):
    """The icon as rows of (r, g, b, a) with straight alpha, each in 0..255."""
    lon_step, lat_step, line_width = GRID_FOR_SIZE[size]
    light = normalize(LIGHT)
    n = size * SAMPLES
    centre, radius = size / 2.0, size * RADIUS
    # Every sample's position on the globe, so neighbours give the degrees per pixel.
    points = [[sphere_sample((((i + 0.5) / SAMPLES) - centre) / radius,
                             (centre - ((j + 0.5) / SAMPLES)) / radius) for i in range(n)]
              for j in range(n)]

    def degrees_per_pixel(j, i, index):
        p = points[j][i]
        slopes = []
        for dj, di in ((0, 1), (1, 0)):
            q = points[j + dj][i + di] if j + dj < n and i + di < n else None
            if q is None:
                q = points[j - dj][i - di]
            if q is None:
                continue
            d = abs(p[index] - q[index])
            slopes.append(min(d, 360.0 - d) * SAMPLES)
        return max(math.hypot(*slopes), 1e-6)

    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]   # premultiplied
            for sj in range(SAMPLES):
                for si in range(SAMPLES):
                    j, i = y * SAMPLES + sj, x * SAMPLES + si
                    p = points[j][i]
                    if p is None:
                        continue
                    lat, lon = p
                    vx = (((i + 0.5) / SAMPLES) - centre) / radius
                    vy = (centre - ((j + 0.5) / SAMPLES)) / radius
                    vz = math.sqrt(max(0.0, 1.0 - vx * vx - vy * vy))
                    in_field = (math.floor(lon / lon_step) == math.floor(FIELD_LON / lon_step) and
                                math.floor(lat / lat_step) == math.floor(FIELD_LAT / lat_step))
                    colour = FIELD if in_field else OCEAN
                    diffuse = max(0.0, vx * light[0] + vy * light[1] + vz * light[2])
                    colour = tuple(min(255.0, c * (0.55 + 0.7 * diffuse)) for c in colour)
                    highlight = max(0.0, diffuse - 0.85) / 0.15
                    colour = blend(colour, (255, 255, 255), 0.35 * highlight * highlight)
                    lon_px = grid_distance(lon, lon_step) / degrees_per_pixel(j, i, 1)
                    lat_px = grid_distance(lat, lat_step) / degrees_per_pixel(j, i, 0)
                    # Meridians stop at the last parallel, so they do not crowd round the pole.
                    if abs(lat) > 90 - lat_step:
                        lon_px = float('inf')
                    if min(lon_px, lat_px) < line_width / 2.0:
                        colour = blend(colour, GRID, GRID_OPACITY)
                    edge_px = (1.0 - math.sqrt(vx * vx + vy * vy)) * radius
                    if edge_px < RIM_WIDTH:
                        colour = RIM
                    for c in range(3):
                        acc[c] += colour[c]
                    acc[3] += 1.0
            count = SAMPLES * SAMPLES
            alpha = acc[3] / count
            if alpha == 0.0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(int(round(acc[c] / acc[3])) for c in range(3)) + (int(round(alpha * 255)),))
        rows.append(row)
    return rows


def mask_rows(rows, opaque):
    """The AND mask, bottom-up, one bit per pixel (1 = transparent), rows padded to 32 bits."""
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    data = bytearray()
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, pixel in enumerate(row):
            if not opaque(pixel):
                bits[x // 8] |= 0x80 >> (x % 8)
        data += bits
    return bytes(data)


def dib_header(size, bits, colours):
    image = size * size * bits // 8 + ((size + 31) // 32) * 4 * size
    return struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, image, 0, 0, colours, 0)


def image_32(rows):
    size = len(rows)
    pixels = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    return dib_header(size, 32, 0) + pixels + mask_rows(rows, lambda p: p[3] > 0)


def median_cut(colours, count):
    """At most count representative colours of a list of (r, g, b) values."""
    boxes = [sorted(colours)]
    while len(boxes) < count:
        def spread(box):
            return max(max(c[k] for c in box) - min(c[k] for c in box) for k in range(3)) * len(box)
        widest = max(range(len(boxes)), key=lambda b: (spread(boxes[b]) if len(boxes[b]) > 1 else -1, -b))
        box = boxes[widest]
        if len(box) < 2 or spread(box) == 0:
            break
        axis = max(range(3), key=lambda k: (max(c[k] for c in box) - min(c[k] for c in box), -k))
        box = sorted(box, key=lambda c: (c[axis], c))
        half = len(box) // 2
        boxes[widest:widest + 1] = [box[:half], box[half:]]
    return [tuple(int(round(sum(c[k] for c in box) / len(box))) for k in range(3)) for box in boxes]


def image_8(rows):
    """A palettised image: index 0 is black under the mask, the rest a median cut of the pixels."""
    size = len(rows)
    opaque = [p[:3] for row in rows for p in row if p[3] >= 128]
    palette = [(0, 0, 0)] + median_cut(opaque, 255)
    nearest = {}

    def index_of(colour):
        if colour not in nearest:
            nearest[colour] = min(range(1, len(palette)),
                                  key=lambda i: (sum((a - b) ** 2 for a, b in zip(palette[i], colour)), i))
        return nearest[colour]

    table = b''.join(bytes((b, g, r, 0)) for (r, g, b) in palette + [(0, 0, 0)] * (256 - len(palette)))
    pixels = b''.join(bytes(index_of(p[:3]) if p[3] >= 128 else 0 for p in row) for row in reversed(rows))
    return dib_header(size, 8, 256) + table + pixels + mask_rows(rows, lambda p: p[3] >= 128)


def icon_file(images):
    """An .ico holding (size, bits, image data) entries in the given order."""
    header = struct.pack('<HHH', 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, data = b'', b''
    for size, bits, image in images:
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, bits, len(image), offset)
        offset += len(image)
        data += image
    return header + entries + data


def build():
    app = icon_file([(s, 32, image_32(render(s))) for s in APP_SIZES])
    about_rows = render(ABOUT_SIZE)
    about = icon_file([(ABOUT_SIZE, 8, image_8(about_rows)), (ABOUT_SIZE, 32, image_32(about_rows))] +
                      [(s, 32, image_32(render(s))) for s in ABOUT_LARGER_SIZES])
    return {'Locatrix.ico': app, 'About.ico': about}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    check = sys.argv[1:] == ['--check']
    differing = []
    for name, data in build().items():
        path = os.path.join(here, name)
        if check:
            with open(path, 'rb') as existing:
                if existing.read() != data:
                    differing.append(name)
        else:
            with open(path, 'wb') as out:
                out.write(data)
    if differing:
        print('not as make-icons.py draws them: ' + ', '.join(differing))
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
