#!/usr/bin/env bash
# LH5 decoding speed against lhasa on the same lh5 data.
#   bench/lh5_vs_lhasa.sh [BUILD_DIR] [MEGABYTES]
# Makes MEGABYTES (default 30) of cp1251 dictionary text from the hunspell
# Russian word list with synthetic definitions, packs it with jlha (-lh5-), cuts
# the lh5 data out of the LHA header and wraps it as member "5.dic" of one of our
# archives. Then it times lhasa printing the entry against vellumar-cli extract
# on ours (best of several runs, output to /dev/null), checks both outputs equal
# the input, and prints both speeds, their ratio and extract's peak memory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
megabytes=${2:-30}
cli=$build/bin/vellumar-cli
runs=${RUNS:-5}
work=${WORK:-/tmp/vellumar_lh5_bench}
mkdir -p "$work"
export PYTHONPATH="$root/tests/data/archive" PYTHONDONTWRITEBYTECODE=1
[[ -x $cli ]] || { echo "no $cli: build first" >&2; exit 1; }

if [[ ! -f $work/text.$megabytes ]]; then
  python3 - "$work/text.$megabytes" "$megabytes" <<'EOF'
import random, sys
from archive_data import russian_words
path, megabytes = sys.argv[1], int(sys.argv[2])
rnd = random.Random(7)
words = russian_words()
lines = []
size = 0
while size < megabytes << 20:
    for w in words:
        d = ' '.join(rnd.choice(words) for _ in range(rnd.randint(2, 7)))
        line = (w + ' ' + d + '\r\n').encode('cp1251')
        lines.append(line)
        size += len(line)
        if size >= megabytes << 20:
            break
open(path, 'wb').write(b''.join(lines))
EOF
fi
text=$work/text.$megabytes
cp "$text" "$work/text"

if [[ ! -f $work/ours.$megabytes.dic || $text -nt $work/ours.$megabytes.dic ]]; then
  rm -f "$work/text.lzh"
  (cd "$work" && jlha ao5q text.lzh text >/dev/null)
  python3 - "$work/text.lzh" "$text" "$work/ours.$megabytes.dic" <<'EOF'
import sys
from archive_data import archive, cut_lh5, member
lzh, text, out = sys.argv[1:4]
data, original = cut_lh5(open(lzh, 'rb').read())
plain = open(text, 'rb').read()
assert original == len(plain)
open(out, 'wb').write(archive(b'LH5', [member(b'5.dic', 4, data, plain)]))
EOF
fi
ours=$work/ours.$megabytes.dic
lzh=$work/text.lzh

lhasa -pq "$lzh" 2>/dev/null | cmp -s - "$text" || { echo "lhasa output differs from the input" >&2; exit 1; }
"$cli" extract "$ours" 5.dic | cmp -s - "$text" || { echo "vellumar-cli output differs from the input" >&2; exit 1; }

best() {  # best wall time in seconds of $runs runs of "$@" > /dev/null
  local best=999999 t
  for ((i = 0; i < runs; i++)); do
    local s=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    local e=$(date +%s.%N)
    t=$(echo "$e - $s" | bc -l)
    if (($(echo "$t < $best" | bc -l))); then best=$t; fi
  done
  echo "$best"
}

size=$(stat -c %s "$text")
t_lhasa=$(best lhasa -pq "$lzh")
t_ours=$(best "$cli" extract "$ours" 5.dic)
peak_kb=$(/usr/bin/time -f %M "$cli" extract "$ours" 5.dic 2>&1 >/dev/null | tail -1)
mb=$(echo "$size / 1048576" | bc -l)
printf 'input: %.1f MiB of cp1251 text, lh5 data %d bytes\n' "$mb" "$(stat -c %s "$ours")"
printf 'lhasa -pq:             %.3f s  %7.1f MiB/s\n' "$t_lhasa" "$(echo "$mb / $t_lhasa" | bc -l)"
printf 'vellumar-cli extract:  %.3f s  %7.1f MiB/s\n' "$t_ours" "$(echo "$mb / $t_ours" | bc -l)"
printf 'ratio (ours / lhasa):  %.2f\n' "$(echo "$t_lhasa / $t_ours" | bc -l)"
printf 'extract peak memory:   %d KiB (output %d KiB)\n' "$peak_kb" "$((size / 1024))"
