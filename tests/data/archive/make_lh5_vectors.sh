#!/usr/bin/env bash
# Regenerates the LH5 vectors in this folder: each input X.in is packed by jlha
# (Debian jlha-utils) with -lh5-, and the compressed data is cut out of the LHA
# archive into X.lh5. The tests expand X.lh5 as an archive member and compare
# the result with X.in.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Inputs: cp1251 dictionary lines, a long run of one byte, and pseudo-random
# bytes of a skewed distribution (long codes, few matches).
python3 - "$work" <<'EOF'
import sys, random
work = sys.argv[1]
rnd = random.Random(1)
words = []
with open('/usr/share/hunspell/ru_RU.dic', encoding='utf-8') as f:
    next(f)
    for line in f:
        w = line.split('/')[0].strip().lower()
        if w and all('а' <= c <= 'я' or c == 'ё' for c in w):
            words.append(w)
words = words[:4500]
lines = [w + ' ' + ' '.join(rnd.choice(words) for _ in range(rnd.randint(1, 4))) for w in words]
open(f'{work}/words', 'wb').write(('\r\n'.join(lines) + '\r\n').encode('cp1251'))
open(f'{work}/run', 'wb').write(b'a' * 70000)
open(f'{work}/noise', 'wb').write(bytes(min(255, int(rnd.expovariate(0.08))) for _ in range(30000)))
EOF

for name in words run noise; do
  (cd "$work" && jlha ao5q "$name.lzh" "$name" >/dev/null)
  cp "$work/$name" "$here/$name.in"
  python3 - "$work/$name.lzh" "$here/$name.lh5" <<'EOF'
import sys, struct
b = open(sys.argv[1], 'rb').read()
assert b[2:7] == b'-lh5-', b[2:7]
packed, original = struct.unpack_from('<II', b, 7)
level = b[20]
if level == 0:
    start = 2 + b[0]
elif level == 1:
    start = 2 + b[0]
    ext = struct.unpack_from('<H', b, start - 2)[0]
    while ext:
        packed -= ext
        start += ext
        ext = struct.unpack_from('<H', b, start - 2)[0]
else:
    start = struct.unpack_from('<H', b, 0)[0]
open(sys.argv[2], 'wb').write(b[start:start + packed])
EOF
done
ls -l "$here"/*.in "$here"/*.lh5
