"""Shared by the scripts that make LH5 test data and benchmark inputs: the
hunspell Russian word list, the -lh5- data cut out of an LHA archive, and our own
dictionary archives built around members.

Import it with this folder on PYTHONPATH (and PYTHONDONTWRITEBYTECODE=1, so that
no __pycache__ is left in the tree)."""
import struct


def russian_words(path='/usr/share/hunspell/ru_RU.dic'):
    """The list's lower-case words made of Russian letters only, in its order."""
    words = []
    with open(path, encoding='utf-8') as f:
        next(f)  # the word count
        for line in f:
            w = line.split('/')[0].strip().lower()
            if w and all('а' <= c <= 'я' or c == 'ё' for c in w):
                words.append(w)
    return words


def cut_lh5(lzh):
    """(data, original size) of the first entry of LHA archive bytes `lzh`, which
    must be -lh5-; header levels 0, 1 and 2 are understood."""
    b = lzh
    assert b[2:7] == b'-lh5-', b[2:7]
    packed, original = struct.unpack_from('<II', b, 7)
    level = b[20]
    if level == 0:
        start = 2 + b[0]
    elif level == 1:
        # The packed size counts the extended headers that follow the base one.
        start = 2 + b[0]
        ext = struct.unpack_from('<H', b, start - 2)[0]
        while ext:
            packed -= ext
            start += ext
            ext = struct.unpack_from('<H', b, start - 2)[0]
    else:
        start = struct.unpack_from('<H', b, 0)[0]
    return b[start:start + packed], original


def member(name, method, stored, expanded, size=None, lock=0):
    """One member record of our archive and the expanded size it adds."""
    size = len(expanded) if size is None else size
    return (struct.pack('<h6xiiBIi', len(name), size, len(stored), method, sum(expanded) & 0xFFFFFFFF, lock)
            + name + stored, size)


def archive(method_id, members):
    """Our archive of `members` (from member()) under the 3-byte method name."""
    total = sum(s for _, s in members)
    return b'SPIS\x1a' + method_id + struct.pack('<iB4xi', total, 1, 0) + b''.join(m for m, _ in members)
