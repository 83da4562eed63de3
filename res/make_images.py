#!/usr/bin/env python3
"""Draws the add-in's images from code.

    make_images.py OUTPUT_DIR

writes into OUTPUT_DIR:
  remdups.png       16 x 16 RGBA icon of the Remove Duplicates ribbon button
  range_picker.bmp  17 x 16 bitmap, 16 bits per pixel (5-5-5), face of the range picker button

The output depends on nothing but this file, byte for byte, so that a build is reproducible.
"""

import os
import struct
import sys
import zlib

TRANSPARENT = (0, 0, 0, 0)


class Canvas:
    """RGBA pixels with straight (not premultiplied) alpha, drawn with source-over blending."""

    def __init__(self, width, height, background=TRANSPARENT):
        self.width = width
        self.height = height
        self.pixels = [[tuple(background) for _ in range(width)] for _ in range(height)]

    def blend(self, x, y, colour, coverage=1.0):
        if not (0 <= x < self.width and 0 <= y < self.height) or coverage <= 0.0:
            return
        sr, sg, sb, sa = colour
        src_alpha = sa / 255.0 * min(coverage, 1.0)
        dr, dg, db, da = self.pixels[y][x]
        dst_alpha = da / 255.0
        out_alpha = src_alpha + dst_alpha * (1.0 - src_alpha)
        if out_alpha <= 0.0:
            self.pixels[y][x] = TRANSPARENT
            return

        def channel(s, d):
            return (s * src_alpha + d * dst_alpha * (1.0 - src_alpha)) / out_alpha

        self.pixels[y][x] = (round(channel(sr, dr)), round(channel(sg, dg)),
                             round(channel(sb, db)), round(out_alpha * 255.0))

    def fill_rect(self, left, top, right, bottom, colour):
        """Fills the pixels from (left, top) to (right, bottom), both corners included."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.blend(x, y, colour)

    def frame_rect(self, left, top, right, bottom, colour):
        for x in range(left, right + 1):
            self.blend(x, top, colour)
            self.blend(x, bottom, colour)
        for y in range(top + 1, bottom):
            self.blend(left, y, colour)
            self.blend(right, y, colour)

    def line(self, x0, y0, x1, y1, width, colour, samples=4):
        """An anti-aliased segment between pixel centres, coverage found by supersampling."""
        half = width / 2.0
        dx, dy = x1 - x0, y1 - y0
        length_sq = dx * dx + dy * dy
        for py in range(self.height):
            for px in range(self.width):
                inside = 0
                for sy in range(samples):
                    for sx in range(samples):
                        qx = px + (sx + 0.5) / samples - 0.5
                        qy = py + (sy + 0.5) / samples - 0.5
                        t = 0.0 if length_sq == 0 else ((qx - x0) * dx + (qy - y0) * dy) / length_sq
                        t = max(0.0, min(1.0, t))
                        ex, ey = qx - (x0 + t * dx), qy - (y0 + t * dy)
                        if ex * ex + ey * ey <= half * half:
                            inside += 1
                self.blend(px, py, colour, inside / (samples * samples))

    def disc(self, cx, cy, radius, colour, samples=4):
        """An anti-aliased filled circle, coverage found by supersampling."""
        for py in range(self.height):
            for px in range(self.width):
                inside = 0
                for sy in range(samples):
                    for sx in range(samples):
                        qx = px + (sx + 0.5) / samples - 0.5 - cx
                        qy = py + (sy + 0.5) / samples - 0.5 - cy
                        if qx * qx + qy * qy <= radius * radius:
                            inside += 1
                self.blend(px, py, colour, inside / (samples * samples))

    def plot(self, art, left, top, palette):
        """Draws a small picture given as rows of characters; a blank leaves the pixel as it is."""
        for row, text in enumerate(art):
            for column, key in enumerate(text):
                if key != ' ':
                    self.blend(left + column, top + row, palette[key])


def png_bytes(canvas):
    """Encodes the canvas as an 8-bit RGBA PNG (colour type 6), rows unfiltered."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack('>I', len(data)) + body + struct.pack('>I', zlib.crc32(body) & 0xFFFFFFFF)

    raw = bytearray()
    for row in canvas.pixels:
        raw.append(0)
        for pixel in row:
            raw.extend(pixel)
    header = struct.pack('>IIBBBBB', canvas.width, canvas.height, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header)
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def bmp16_bytes(canvas):
    """Encodes the canvas as a bottom-up BI_RGB bitmap file of 16 bits per pixel (x-5-5-5)."""
    row_size = (canvas.width * 2 + 3) & ~3
    pixel_bytes = bytearray()
    for row in reversed(canvas.pixels):
        line = bytearray()
        for r, g, b, _ in row:
            line.extend(struct.pack('<H', ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3)))
        line.extend(b'\0' * (row_size - len(line)))
        pixel_bytes.extend(line)
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 16, 0,
                       len(pixel_bytes), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixel_bytes), 0, 0, offset)
    return file_header + info + bytes(pixel_bytes)


def draw_remove_duplicates():
    """Two table rows with the same content; the lower one, the repetition, carries a red delete mark."""
    canvas = Canvas(16, 16)
    grid = (70, 90, 120, 255)
    cell = (255, 255, 255, 255)
    content = (40, 100, 200, 255)
    repeated_cell = (255, 232, 232, 255)
    mark = (215, 30, 30, 255)
    mark_cross = (255, 255, 255, 255)

    def table_row(top, fill):
        canvas.fill_rect(1, top, 14, top + 5, fill)
        canvas.frame_rect(1, top, 14, top + 5, grid)
        canvas.fill_rect(7, top, 7, top + 5, grid)
        # The same "text" in both rows: a long word in the left cell, a short one in the right.
        canvas.fill_rect(3, top + 2, 5, top + 3, content)
        canvas.fill_rect(9, top + 2, 11, top + 3, content)

    table_row(1, cell)
    table_row(9, repeated_cell)
    canvas.disc(11.5, 11.5, 4.0, mark)
    canvas.plot(['W  W',
                 ' WW ',
                 ' WW ',
                 'W  W'], 10, 10, {'W': mark_cross})
    return canvas


def draw_range_picker():
    """A small sheet with a selected block and a mouse pointer over it, on the button face colour."""
    face = (192, 192, 192, 255)
    canvas = Canvas(17, 16, face)
    sheet = (255, 255, 255, 255)
    grid_line = (128, 128, 128, 255)
    selection_fill = (176, 208, 248, 255)
    selection_frame = (0, 0, 128, 255)

    # Three by three cells of three pixels each, between grid lines.
    left, top, cells, pitch = 0, 3, 3, 4
    right, bottom = left + cells * pitch, top + cells * pitch
    canvas.fill_rect(left, top, right, bottom, sheet)
    for k in range(cells + 1):
        canvas.fill_rect(left + k * pitch, top, left + k * pitch, bottom, grid_line)
        canvas.fill_rect(left, top + k * pitch, right, top + k * pitch, grid_line)

    # The picked range: the two by two block at the top left.
    canvas.fill_rect(left + 1, top + 1, left + 2 * pitch - 1, top + 2 * pitch - 1, selection_fill)
    canvas.frame_rect(left, top, left + 2 * pitch, top + 2 * pitch, selection_frame)

    pointer = [
        'K     ',
        'KK    ',
        'KWK   ',
        'KWWK  ',
        'KWWWK ',
        'KWWWWK',
        'KWWKKK',
        'KKWWK ',
        'K KWK ',
    ]
    canvas.plot(pointer, 9, 7, {'K': (0, 0, 0, 255), 'W': (255, 255, 255, 255)})
    return canvas


def main(argv):
    if len(argv) != 2:
        sys.stderr.write('usage: make_images.py OUTPUT_DIR\n')
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    images = {
        'remdups.png': png_bytes(draw_remove_duplicates()),
        'range_picker.bmp': bmp16_bytes(draw_range_picker()),
    }
    for name, data in images.items():
        path = os.path.join(out_dir, name)
        temporary = path + '.tmp'
        with open(temporary, 'wb') as f:
            f.write(data)
        os.replace(temporary, path)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
