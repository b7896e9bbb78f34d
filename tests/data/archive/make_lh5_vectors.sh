#!/usr/bin/env bash
# Regenerates the LH5 vectors in this folder: each input X.in is packed by jlha
# (Debian jlha-utils) with -lh5-, and the compressed data is cut out of the LHA
# archive into X.lh5. The tests expand X.lh5 as an archive member and compare
# the result with X.in.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PYTHONPATH="$here" PYTHONDONTWRITEBYTECODE=1

# Inputs: cp1251 dictionary lines, a long run of one byte, and pseudo-random
# bytes of a skewed distribution (long codes, few matches).
python3 - "$work" <<'EOF'
import sys, random
from archive_data import russian_words
work = sys.argv[1]
rnd = random.Random(1)
words = russian_words()[:4500]
lines = [w + ' ' + ' '.join(rnd.choice(words) for _ in range(rnd.randint(1, 4))) for w in words]
open(f'{work}/words', 'wb').write(('\r\n'.join(lines) + '\r\n').encode('cp1251'))
open(f'{work}/run', 'wb').write(b'a' * 70000)
open(f'{work}/noise', 'wb').write(bytes(min(255, int(rnd.expovariate(0.08))) for _ in range(30000)))
EOF

for name in words run noise; do
  (cd "$work" && jlha ao5q "$name.lzh" "$name" >/dev/null)
  cp "$work/$name" "$here/$name.in"
  python3 - "$work/$name.lzh" "$here/$name.lh5" <<'EOF'
import sys
from archive_data import cut_lh5
open(sys.argv[2], 'wb').write(cut_lh5(open(sys.argv[1], 'rb').read())[0])
EOF
done
ls -l "$here"/*.in "$here"/*.lh5
