#!/usr/bin/env python3
"""Draws the add-in's images from code.

    make_images.py OUTPUT_DIR

writes into OUTPUT_DIR:
  remdups.png       16 x 16 RGBA icon of the Remove Duplicates ribbon button
  range_picker.bmp  17 x 16 bitmap, 16 bits per pixel (5-5-5), face of the range picker button
  face_probe.bmp    17 x 17 bitmap, 16 colours, the face with which the add-in learns Office's
                    clipboard formats for button faces (Excel 2000)
  remdup.bmp, remchars.bmp, changecase.bmp, mergecells.bmp
                    16 x 16 bitmaps, 24 bits per pixel, the command-bar button faces of the four tools,
                    each with its mask beside it (remdupmask.bmp, ...): 1 bit per pixel, black where
                    the face shows, white where the button shows through
  merge_*.bmp       119 x 52 bitmaps, 16 bits per pixel, the Merge Cell Text mode page's illustrations:
                    a sample table before, and after each grouping
  <name>_<dpi>.<ext> the ribbon image, the range picker's face and the illustrations again for the display
                    scales 125%, 150% and 200% (DPI 120, 144, 192), the pixels of the 100% picture taken
                    to the nearest, so that edges stay sharp
  scaled_images.rcinc  their resource lines: an image's id at 100% plus 100, 200 or 300 (framework/Dpi.h)

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


# Five by seven glyphs: the faces' letters and the Merge Cell Text sample's texts A1 to C3; the comma
# reaches below the baseline.
GLYPHS = {
    'A': [' XXX ', 'X   X', 'X   X', 'XXXXX', 'X   X', 'X   X', 'X   X'],
    'B': ['XXXX ', 'X   X', 'X   X', 'XXXX ', 'X   X', 'X   X', 'XXXX '],
    'C': [' XXX ', 'X   X', 'X    ', 'X    ', 'X    ', 'X   X', ' XXX '],
    'a': ['     ', '     ', ' XXX ', '    X', ' XXXX', 'X   X', ' XXXX'],
    'b': ['X    ', 'X    ', 'XXXX ', 'X   X', 'X   X', 'X   X', 'XXXX '],
    '1': ['  X  ', ' XX  ', '  X  ', '  X  ', '  X  ', '  X  ', ' XXX '],
    '2': [' XXX ', 'X   X', '    X', '   X ', '  X  ', ' X   ', 'XXXXX'],
    '3': [' XXX ', 'X   X', '    X', '  XX ', '    X', 'X   X', ' XXX '],
    ',': ['  ', '  ', '  ', '  ', '  ', ' X', ' X', 'X '],
}


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


# ---- Command-bar button faces (Excel 2000 to 2003) ----

BUTTON_FACE_GREY = (192, 192, 192)

# The sixteen colours of the standard VGA palette, in the order 4-bit bitmaps use them.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def bmp_file(width, height, bits_per_pixel, palette, rows):
    """A bottom-up BI_RGB bitmap file; `rows` are the packed pixel rows from top to bottom."""
    row_size = (width * bits_per_pixel + 31) // 32 * 4
    pixel_bytes = b''.join(row + b'\0' * (row_size - len(row)) for row in reversed(rows))
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits_per_pixel, 0,
                       len(pixel_bytes), 2835, 2835, len(palette), 0)
    offset = 14 + len(info) + len(table)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(pixel_bytes), 0, 0, offset)
    return file_header + info + table + pixel_bytes


def opaque_colour(pixel, background=BUTTON_FACE_GREY):
    """The pixel over the button face colour, as the face shows it."""
    r, g, b, a = pixel
    alpha = a / 255.0
    return tuple(round(c * alpha + bg * (1.0 - alpha)) for c, bg in zip((r, g, b), background))


def bmp24_face_bytes(canvas):
    """The face: every pixel over the button face colour, 24 bits per pixel."""
    rows = [bytes(v for pixel in row for v in reversed(opaque_colour(pixel))) for row in canvas.pixels]
    return bmp_file(canvas.width, canvas.height, 24, [], rows)


def bmp1_mask_bytes(canvas):
    """The mask: black (index 0) where the face is at least half opaque, white (index 1) elsewhere."""
    rows = []
    for row in canvas.pixels:
        packed = bytearray((canvas.width + 7) // 8)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                packed[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(packed))
    return bmp_file(canvas.width, canvas.height, 1, [(0, 0, 0), (255, 255, 255)], rows)


def bmp4_bytes(canvas):
    """16 colours: each pixel takes the nearest colour of the VGA palette."""
    def nearest(colour):
        return min(range(16), key=lambda i: sum((c - p) ** 2 for c, p in zip(colour, VGA_PALETTE[i])))

    rows = []
    for row in canvas.pixels:
        indices = [nearest(opaque_colour(pixel)) for pixel in row] + [0]
        rows.append(bytes((indices[x] << 4) | indices[x + 1] for x in range(0, canvas.width, 2)))
    return bmp_file(canvas.width, canvas.height, 4, VGA_PALETTE, rows)


FACE_INK = (0, 0, 128, 255)
FACE_PAPER = (255, 255, 255, 255)
FACE_FRAME = (70, 90, 120, 255)
FACE_RED = (215, 30, 30, 255)


def draw_glyph(canvas, letter, left, top, colour):
    canvas.plot(GLYPHS[letter], left, top, {'X': colour})


def draw_remove_characters_face():
    """A line of text whose middle letter is struck out in red."""
    canvas = Canvas(16, 16)
    canvas.fill_rect(0, 3, 15, 12, FACE_PAPER)
    canvas.frame_rect(0, 3, 15, 12, FACE_FRAME)
    draw_glyph(canvas, 'a', 1, 4, FACE_INK)
    draw_glyph(canvas, 'b', 6, 4, FACE_INK)
    draw_glyph(canvas, 'a', 11, 4, FACE_INK)
    canvas.line(5.5, 11.5, 10.5, 4.5, 1.6, FACE_RED)
    return canvas


def draw_change_case_face():
    """An upper-case A beside a lower-case a, an arrow between them."""
    canvas = Canvas(16, 16)
    draw_glyph(canvas, 'A', 0, 2, FACE_INK)
    draw_glyph(canvas, 'a', 11, 2, FACE_INK)
    canvas.fill_rect(5, 12, 10, 12, FACE_RED)
    canvas.plot(['k ', 'kk', 'k '], 10, 11, {'k': FACE_RED})
    canvas.plot([' k', 'kk', ' k'], 4, 11, {'k': FACE_RED})
    return canvas


def draw_merge_cells_face():
    """Two cells side by side above one wide cell they flow into."""
    canvas = Canvas(16, 16)
    for left in (0, 9):
        canvas.fill_rect(left, 0, left + 6, 5, FACE_PAPER)
        canvas.frame_rect(left, 0, left + 6, 5, FACE_FRAME)
        canvas.fill_rect(left + 2, 2, left + 4, 3, FACE_INK)
    canvas.fill_rect(0, 10, 15, 15, FACE_PAPER)
    canvas.frame_rect(0, 10, 15, 15, FACE_FRAME)
    canvas.fill_rect(3, 12, 12, 13, FACE_INK)
    canvas.plot(['k', 'k', 'k'], 3, 6, {'k': FACE_RED})
    canvas.plot(['k', 'k', 'k'], 12, 6, {'k': FACE_RED})
    return canvas


def draw_face_probe():
    """A plain framed square: Office only needs some face to copy back."""
    canvas = Canvas(17, 17, (192, 192, 192, 255))
    canvas.fill_rect(3, 3, 13, 13, (255, 255, 0, 255))
    canvas.frame_rect(3, 3, 13, 13, (0, 0, 128, 255))
    return canvas


def button_face_files():
    """The face and mask files of the four tools' command-bar buttons, by file name."""
    faces = {
        'remdup': draw_remove_duplicates(),
        'remchars': draw_remove_characters_face(),
        'changecase': draw_change_case_face(),
        'mergecells': draw_merge_cells_face(),
    }
    files = {}
    for name, canvas in faces.items():
        files[name + '.bmp'] = bmp24_face_bytes(canvas)
        files[name + 'mask.bmp'] = bmp1_mask_bytes(canvas)
    return files


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

MERGE_SAMPLE = [['A1', 'B1', 'C1'], ['A2', 'B2', 'C2'], ['A3', 'B3', 'C3']]


def merge_text_width(text):
    return sum(len(GLYPHS[c][0]) + 1 for c in text) - 1


def merge_text(canvas, left, top, text):
    """Draws the text with its top-left corner at (left, top)."""
    x = left
    for c in text:
        glyph = GLYPHS[c]
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


# The display scales the add-in carries images for beyond 100%: DPI and resource id offset (framework/Dpi.h).
SCALES = [(120, 100), (144, 200), (192, 300)]

# The images drawn again at each scale: file name, resource id at 100%, resource type, drawing, encoding.
SCALED_IMAGES = [
    ('remdups.png', 'IDR_PNG_REMDUPS', 'PNG', draw_remove_duplicates, png_bytes),
    ('range_picker.bmp', 'IDB_RANGE_PICKER', 'BITMAP', draw_range_picker, bmp16_bytes),
    ('merge_all_before.bmp', 'IDB_MERGE_ALL_BEFORE', 'BITMAP', draw_merge_before, bmp16_bytes),
    ('merge_all_after.bmp', 'IDB_MERGE_ALL_AFTER', 'BITMAP', draw_merge_all_after, bmp16_bytes),
    ('merge_columns_before.bmp', 'IDB_MERGE_COLUMNS_BEFORE', 'BITMAP', draw_merge_before, bmp16_bytes),
    ('merge_columns_after.bmp', 'IDB_MERGE_COLUMNS_AFTER', 'BITMAP', draw_merge_columns_after, bmp16_bytes),
    ('merge_rows_before.bmp', 'IDB_MERGE_ROWS_BEFORE', 'BITMAP', draw_merge_before, bmp16_bytes),
    ('merge_rows_after.bmp', 'IDB_MERGE_ROWS_AFTER', 'BITMAP', draw_merge_rows_after, bmp16_bytes),
]


def scaled(canvas, dpi):
    """The canvas at dpi / 96 of its size, each pixel taken from the nearest one of the original."""
    width, height = canvas.width * dpi // 96, canvas.height * dpi // 96
    result = Canvas(width, height)
    result.pixels = [[canvas.pixels[y * 96 // dpi][x * 96 // dpi] for x in range(width)] for y in range(height)]
    return result


def scaled_images():
    """Every scaled image by file name, and the resource script that names them."""
    images = {}
    lines = ['// Drawn by make_images.py: the images again at 125%, 150% and 200%.']
    for name, resource_id, kind, draw, encode in SCALED_IMAGES:
        picture = draw()
        stem, extension = name.rsplit('.', 1)
        for dpi, offset in SCALES:
            file_name = '%s_%d.%s' % (stem, dpi, extension)
            images[file_name] = encode(scaled(picture, dpi))
            lines.append('%s+%d %s "%s"' % (resource_id, offset, kind, file_name))
    images['scaled_images.rcinc'] = ('\n'.join(lines) + '\n').encode('ascii')
    return images


def main(argv):
    if len(argv) != 2:
        sys.stderr.write('usage: make_images.py OUTPUT_DIR\n')
        return 2
    out_dir = argv[1]
    os.makedirs(out_dir, exist_ok=True)
    images = {
        'remdups.png': png_bytes(draw_remove_duplicates()),
        'range_picker.bmp': bmp16_bytes(draw_range_picker()),
        'face_probe.bmp': bmp4_bytes(draw_face_probe()),
    }
    images.update(button_face_files())
    images.update(merge_images())
    images.update(scaled_images())
    for name, data in images.items():
        path = os.path.join(out_dir, name)
        temporary = path + '.tmp'
        with open(temporary, 'wb') as f:
            f.write(data)
        os.replace(temporary, path)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
