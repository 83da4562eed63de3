#!/usr/bin/env python3
"""Checks the compiled help file against the help sources it was built from.

    check_chm.py CHM_FILE HELP_SOURCE_DIR PROJECT_FILE

Reads the CHM's own directory (the PMGL listing chunks) rather than searching its bytes, and fails when
the file is not a CHM, when its #SYSTEM file does not name the project's contents, index, default
topic and title, when a page, the stylesheet, the contents or the index is missing from it or has
another size than its source, when a link, a contents entry or an index entry points at a page the CHM
does not hold, or when a page of the source folder is left out of the project.
"""

import configparser
import html.parser
import os
import re
import struct
import sys
import urllib.parse


class ChmError(Exception):
    pass


def read_encint(data, pos):
    """A CHM variable-length integer: 7 bits a byte, most significant first, high bit set on all but the last."""
    value = 0
    while True:
        if pos >= len(data):
            raise ChmError('directory entry runs past its chunk')
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


def chm_directory(data):
    """Maps every name in the CHM's directory to (content section, offset, length)."""
    if len(data) < 0x60 or data[:4] != b'ITSF':
        raise ChmError('no ITSF signature at the start')
    version, header_length = struct.unpack_from('<II', data, 4)
    if version not in (2, 3):
        raise ChmError('ITSF version %d' % version)
    directory_offset, directory_length = struct.unpack_from('<QQ', data, 0x48)
    if directory_offset + directory_length > len(data):
        raise ChmError('directory lies past the end of the file')
    if data[directory_offset:directory_offset + 4] != b'ITSP':
        raise ChmError('no ITSP directory header')
    itsp_header_length, _, chunk_size = struct.unpack_from('<III', data, directory_offset + 8)
    chunk_count, = struct.unpack_from('<I', data, directory_offset + 44)
    first_chunk = directory_offset + itsp_header_length
    if first_chunk + chunk_count * chunk_size > len(data):
        raise ChmError('directory chunks lie past the end of the file')

    entries = {}
    for index in range(chunk_count):
        chunk = data[first_chunk + index * chunk_size:first_chunk + (index + 1) * chunk_size]
        if chunk[:4] != b'PMGL':
            continue  # PMGI chunks only index the listing
        free_space, = struct.unpack_from('<I', chunk, 4)
        end = chunk_size - free_space
        pos = 20
        while pos < end:
            name_length, pos = read_encint(chunk, pos)
            name = chunk[pos:pos + name_length].decode('utf-8')
            pos += name_length
            section, pos = read_encint(chunk, pos)
            offset, pos = read_encint(chunk, pos)
            length, pos = read_encint(chunk, pos)
            entries[name] = (section, offset, length)
    if not entries:
        raise ChmError('the directory lists nothing')
    return entries


def system_records(data, directory):
    """The records of the uncompressed #SYSTEM file: code to text, for the codes that hold texts."""
    if '/#SYSTEM' not in directory:
        raise ChmError('the CHM lacks its #SYSTEM file')
    section, offset, length = directory['/#SYSTEM']
    if section != 0:
        raise ChmError('#SYSTEM is not in the uncompressed section')
    content_offset, = struct.unpack_from('<Q', data, 0x58)
    system = data[content_offset + offset:content_offset + offset + length]
    records, pos = {}, 4
    while pos + 4 <= len(system):
        code, size = struct.unpack_from('<HH', system, pos)
        # Some records are binary (code 4 holds the language and a timestamp); only the text ones are read.
        records[code] = system[pos + 4:pos + 4 + size].split(b'\0', 1)[0].decode('cp1252', errors='replace')
        pos += 4 + size
    return records


def read_project(path):
    """The [OPTIONS] values and the [FILES] list of an .hhp project."""
    options, files, section = {}, [], None
    with open(path, encoding='cp1252') as f:
        for raw in f:
            line = raw.strip()
            if not line or line.startswith(';'):
                continue
            if line.startswith('[') and line.endswith(']'):
                section = line[1:-1].upper()
            elif section == 'OPTIONS' and '=' in line:
                key, value = line.split('=', 1)
                options[key.strip()] = value.strip()
            elif section == 'FILES':
                files.append(line.replace('\\', '/'))
    return options, files


class LinkCollector(html.parser.HTMLParser):
    """Collects link targets of a page, and the Local values of a contents or index file."""

    def __init__(self):
        super().__init__()
        self.targets = []
        self.title = ''
        self._in_title = False

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == 'a' and 'href' in attrs:
            self.targets.append(attrs['href'])
        elif tag == 'link' and 'href' in attrs:
            self.targets.append(attrs['href'])
        elif tag == 'img' and 'src' in attrs:
            self.targets.append(attrs['src'])
        elif tag == 'param' and (attrs.get('name') or '').lower() == 'local':
            self.targets.append(attrs.get('value') or '')
        elif tag == 'title':
            self._in_title = True

    def handle_endtag(self, tag):
        if tag == 'title':
            self._in_title = False

    def handle_data(self, data):
        if self._in_title:
            self.title += data


def local_target(reference):
    """The file a reference points at inside the help file, or None for outside links and anchors."""
    parts = urllib.parse.urlsplit(reference)
    if parts.scheme or parts.netloc or not parts.path:
        return None
    return urllib.parse.unquote(parts.path)


def check(chm_path, source_dir, project_path):
    failures = []
    if not os.path.isfile(chm_path):
        return ['%s does not exist: build the help file first' % chm_path]
    with open(chm_path, 'rb') as f:
        data = f.read()
    try:
        directory = chm_directory(data)
    except ChmError as e:
        return ['%s: %s' % (chm_path, e)]
    names = {name.lower(): name for name in directory}

    def in_chm(file_name):
        return '/' + file_name.lower() in names

    options, files = read_project(project_path)
    expected = list(files)
    for key in ('Contents file', 'Index file'):
        if key not in options:
            failures.append('the project names no %s' % key.lower())
        else:
            expected.append(options[key])
    for internal in ('/#SYSTEM', '/#TOPICS', '/#URLTBL', '/#STRINGS'):
        if internal not in directory:
            failures.append('the CHM lacks its %s table' % internal)

    for file_name in expected:
        if not in_chm(file_name):
            failures.append('%s is missing from the CHM' % file_name)
            continue
        _, _, length = directory[names['/' + file_name.lower()]]
        source_size = os.path.getsize(os.path.join(source_dir, file_name))
        if length != source_size:
            failures.append('%s holds %d bytes in the CHM, %d in the source' % (file_name, length, source_size))

    default_topic = options.get('Default topic')
    if not default_topic or not in_chm(default_topic):
        failures.append('the default topic %r is not in the CHM' % default_topic)

    # The viewer finds its contents, index and first page through these records.
    try:
        records = system_records(data, directory)
    except ChmError as e:
        records = {}
        failures.append(str(e))
    for code, key in ((0, 'Contents file'), (1, 'Index file'), (2, 'Default topic'), (3, 'Title')):
        if records and records.get(code, '').lower() != options.get(key, '').lower():
            failures.append('#SYSTEM gives the %s as %r, the project as %r'
                            % (key.lower(), records.get(code), options.get(key)))

    pages = sorted(n for n in os.listdir(source_dir) if n.lower().endswith(('.htm', '.html')))
    listed = {f.lower() for f in files}
    for page in pages:
        if page.lower() not in listed:
            failures.append('%s is in the help folder but not in the project' % page)

    in_contents = set()
    for file_name in pages + [options.get('Contents file', ''), options.get('Index file', '')]:
        if not file_name:
            continue
        with open(os.path.join(source_dir, file_name), encoding='cp1252') as f:
            text = f.read()
        if re.search(r'[^\x00-\x7f]', text):
            failures.append('%s holds characters outside ASCII: write them as HTML entities' % file_name)
        collector = LinkCollector()
        collector.feed(text)
        if file_name in pages and not collector.title.strip():
            failures.append('%s has no title' % file_name)
        for reference in collector.targets:
            target = local_target(reference)
            if target is None:
                continue
            if not in_chm(target):
                failures.append('%s links to %s, which the CHM does not hold' % (file_name, reference))
            if file_name == options.get('Contents file'):
                in_contents.add(target.lower())
    for page in pages:
        if page.lower() not in in_contents:
            failures.append('%s has no entry in the contents' % page)
    return failures


def main(argv):
    if len(argv) != 4:
        sys.stderr.write(__doc__)
        return 2
    failures = check(argv[1], argv[2], argv[3])
    for failure in failures:
        print('FAIL: ' + failure)
    if failures:
        return 1
    print('%s holds every page of %s' % (os.path.basename(argv[1]), os.path.basename(argv[3])))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
