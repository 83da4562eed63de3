#!/usr/bin/env python3
"""Draws the add-in's images from code.

    make_images.py OUTPUT_DIR

writes into OUTPUT_DIR:
  remdups.png       16 x 16 RGBA icon of the Remove Duplicates ribbon button
  range_picker.bmp  17 x 16 bitmap, 16 bits per pixel (5-5-5), face of the range picker button
  merge_*.bmp       119 x 52 bitmaps, 16 bits per pixel, the Merge Cell Text mode page's illustrations:
                    a sample table before, and after each grouping

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


# ---- Merge Cell Text: a sample table of three rows of three cells, and what each grouping makes of it.

MERGE_WIDTH, MERGE_HEIGHT = 119, 52
MERGE_SHEET = (255, 255, 255, 255)
MERGE_GRID = (160, 160, 160, 255)
MERGE_FRAME = (96, 96, 96, 255)
MERGE_TEXT = (0, 0, 128, 255)
MERGE_JOINED = (255, 248, 200, 255)
# Cell edges: three columns of 38 pixels and three rows of 16 between one-pixel lines.
MERGE_COLUMN_EDGES = (0, 39, 78, 118)
MERGE_ROW_EDGES = (2, 18, 34, 50)

# Five by seven glyphs of the sample texts A1 to C3; the comma reaches below the baseline.
MERGE_GLYPHS = {
    'A': [' XXX ', 'X   X', 'X   X', 'XXXXX', 'X   X', 'X   X', 'X   X'],
    'B': ['XXXX ', 'X   X', 'X   X', 'XXXX ', 'X   X', 'X   X', 'XXXX '],
    'C': [' XXX ', 'X   X', 'X    ', 'X    ', 'X    ', 'X   X', ' XXX '],
    '1': ['  X  ', ' XX  ', '  X  ', '  X  ', '  X  ', '  X  ', ' XXX '],
    '2': [' XXX ', 'X   X', '    X', '   X ', '  X  ', ' X   ', 'XXXXX'],
    '3': [' XXX ', 'X   X', '    X', '  XX ', '    X', 'X   X', ' XXX '],
    ',': ['  ', '  ', '  ', '  ', '  ', ' X', ' X', 'X '],
}
MERGE_SAMPLE = [['A1', 'B1', 'C1'], ['A2', 'B2', 'C2'], ['A3', 'B3', 'C3']]


def merge_text_width(text):
    return sum(len(MERGE_GLYPHS[c][0]) + 1 for c in text) - 1


def merge_text(canvas, left, top, text):
    """Draws the text with its top-left corner at (left, top)."""
    x = left
    for c in text:
        glyph = MERGE_GLYPHS[c]
        canvas.plot(glyph, x, top, {'X': MERGE_TEXT})
        x += len(glyph[0]) + 1


def merge_table(joined_cells):
    """The table with the given cells merged: (first row, first column, last row, last column) from 0, each
    filled as a joined cell and without the grid lines inside it."""
    canvas = Canvas(MERGE_WIDTH, MERGE_HEIGHT, MERGE_SHEET)
    left, right = MERGE_COLUMN_EDGES[0], MERGE_COLUMN_EDGES[-1]
    top, bottom = MERGE_ROW_EDGES[0], MERGE_ROW_EDGES[-1]
    for x in MERGE_COLUMN_EDGES:
        canvas.fill_rect(x, top, x, bottom, MERGE_GRID)
    for y in MERGE_ROW_EDGES:
        canvas.fill_rect(left, y, right, y, MERGE_GRID)
    for first_row, first_column, last_row, last_column in joined_cells:
        canvas.fill_rect(MERGE_COLUMN_EDGES[first_column] + 1, MERGE_ROW_EDGES[first_row] + 1,
                         MERGE_COLUMN_EDGES[last_column + 1] - 1, MERGE_ROW_EDGES[last_row + 1] - 1, MERGE_JOINED)
    canvas.frame_rect(left, top, right, bottom, MERGE_FRAME)
    return canvas


def merge_cell_text(canvas, row, column, text, line=0):
    """Text in a cell, left-aligned and on the given line from the cell's top."""
    merge_text(canvas, MERGE_COLUMN_EDGES[column] + 3, MERGE_ROW_EDGES[row] + 4 + line * 9, text)


def draw_merge_before():
    """Three rows of three cells, each holding its own text."""
    canvas = merge_table([])
    for r, row in enumerate(MERGE_SAMPLE):
        for c, text in enumerate(row):
            merge_cell_text(canvas, r, c, text)
    return canvas


def draw_merge_rows_after():
    """Each row merged into one cell holding its three texts."""
    canvas = merge_table([(r, 0, r, 2) for r in range(3)])
    for r, row in enumerate(MERGE_SAMPLE):
        merge_cell_text(canvas, r, 0, ','.join(row))
    return canvas


def draw_merge_columns_after():
    """Each column merged into one cell, its three texts on separate lines."""
    canvas = merge_table([(0, c, 2, c) for c in range(3)])
    for c in range(3):
        for r in range(3):
            merge_cell_text(canvas, 0, c, MERGE_SAMPLE[r][c], line=r)
    return canvas


def draw_merge_all_after():
    """The whole table merged into one cell holding every text, comma separated and wrapped."""
    canvas = merge_table([(0, 0, 2, 2)])
    room = MERGE_COLUMN_EDGES[-1] - MERGE_COLUMN_EDGES[0] - 5
    texts = [text for row in MERGE_SAMPLE for text in row]
    lines, line = [], ''
    for i, text in enumerate(texts):
        piece = text + (',' if i + 1 < len(texts) else '')
        if line and merge_text_width(line + piece) > room:
            lines.append(line)
            line = ''
        line += piece
    lines.append(line)
    for n, text in enumerate(lines):
        merge_cell_text(canvas, 0, 0, text, line=n)
    return canvas


def merge_images():
    """The mode page's six illustrations by file name."""
    before = bmp16_bytes(draw_merge_before())
    return {
        'merge_all_before.bmp': before,
        'merge_all_after.bmp': bmp16_bytes(draw_merge_all_after()),
        'merge_columns_before.bmp': before,
        'merge_columns_after.bmp': bmp16_bytes(draw_merge_columns_after()),
        'merge_rows_before.bmp': before,
        'merge_rows_after.bmp': bmp16_bytes(draw_merge_rows_after()),
    }


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
    images.update(merge_images())
    for name, data in images.items():
        path = os.path.join(out_dir, name)
        temporary = path + '.tmp'
        with open(temporary, 'wb') as f:
            f.write(data)
        os.replace(temporary, path)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
