#!/usr/bin/env python3
"""Checks that the help names the dialogs' pages and options exactly as the dialogs show them.

    check_help_captions.py HELP_SOURCE_DIR RC_FILE...

Takes from the resource scripts every dialog caption and the texts of radio buttons, check boxes, push
buttons and group boxes, and looks for each, blanks included, in the text of the help pages. Exits 77
(skipped) when the scripts hold no dialog at all.
"""

import html.parser
import os
import re
import sys

SKIPPED = 77

# A quoted resource string; a doubled quote stands for one quote.
QUOTED = r'"((?:[^"]|"")*)"'
CAPTION = re.compile(r'^\s*CAPTION\s+' + QUOTED, re.M)
BUTTON_STATEMENT = re.compile(
    r'^\s*(?:AUTORADIOBUTTON|RADIOBUTTON|AUTOCHECKBOX|CHECKBOX|AUTO3STATE|STATE3|PUSHBUTTON|DEFPUSHBUTTON'
    r'|GROUPBOX)\s+' + QUOTED, re.M)
BUTTON_CONTROL = re.compile(r'^\s*CONTROL\s+' + QUOTED + r'\s*,\s*[^,]+,\s*"Button"\s*,\s*([^,\n]*)', re.M | re.I)
TEXT_STYLES = ('BS_AUTORADIOBUTTON', 'BS_RADIOBUTTON', 'BS_AUTOCHECKBOX', 'BS_CHECKBOX', 'BS_AUTO3STATE',
               'BS_3STATE', 'BS_PUSHBUTTON', 'BS_DEFPUSHBUTTON', 'BS_GROUPBOX')


def unquote(text):
    return text.replace('""', '"')


def dialog_captions(rc_text):
    """The captions a user reads on the dialogs of one resource script; empty ones left out."""
    if not re.search(r'^\s*\w+\s+DIALOG(?:EX)?\b', rc_text, re.M):
        return set()
    captions = {unquote(m.group(1)) for m in CAPTION.finditer(rc_text)}
    captions |= {unquote(m.group(1)) for m in BUTTON_STATEMENT.finditer(rc_text)}
    for m in BUTTON_CONTROL.finditer(rc_text):
        styles = {s.strip().upper() for s in m.group(2).split('|')}
        if 'BS_BITMAP' not in styles and 'BS_ICON' not in styles and styles & set(TEXT_STYLES):
            captions.add(unquote(m.group(1)))
    # "&Next" shows as "Next" with an underlined N.
    return {c.replace('&&', '\0').replace('&', '').replace('\0', '&') for c in captions if c.strip()}


class TextOf(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts = []

    def handle_data(self, data):
        self.parts.append(data)


def help_text(help_dir):
    """All pages' text as a reader sees it: a no-break space reads as a blank, a line break as one blank."""
    text = []
    for name in sorted(os.listdir(help_dir)):
        if name.lower().endswith(('.htm', '.html')):
            parser = TextOf()
            with open(os.path.join(help_dir, name), encoding='cp1252') as f:
                parser.feed(f.read())
            text.append(''.join(parser.parts))
    joined = '\n'.join(text).replace('\xa0', ' ')
    return re.sub(r' *[\r\n]+[ \t]*', ' ', joined)


def main(argv):
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    captions = set()
    for rc in argv[2:]:
        with open(rc, encoding='cp1252') as f:
            captions |= dialog_captions(f.read())
    if not captions:
        print('no dialog in %s: nothing to compare' % ', '.join(os.path.basename(p) for p in argv[2:]))
        return SKIPPED
    text = help_text(argv[1])
    missing = sorted(c for c in captions if c not in text)
    for caption in missing:
        print('FAIL: the help never shows the caption %r' % caption)
    if missing:
        return 1
    print('the help shows all %d dialog captions as the dialogs do' % len(captions))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
