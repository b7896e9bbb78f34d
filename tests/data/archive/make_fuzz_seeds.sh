#!/usr/bin/env bash
# Regenerates fuzz_seeds/: small valid archives for the archive fuzzer, one per
# method, with members made by hand (the worked examples) and by jlha (-lh5-).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PYTHONPATH="$here" PYTHONDONTWRITEBYTECODE=1
head -c 3000 "$here/words.in" > "$work/text"
(cd "$work" && jlha ao5q text.lzh text >/dev/null)
mkdir -p "$here/fuzz_seeds"
python3 - "$here" "$work/text.lzh" "$work/text" <<'EOF'
import sys
from archive_data import archive, cut_lh5, member
here, lzh, text = sys.argv[1], sys.argv[2], sys.argv[3]

abc = b'abc' * 6
seeds = {
    'rle_example': archive(b'RLE', [member(b'0.dic', 1, bytes([0x41, 0x94, 0x05]), b'AAAAA')]),
    'lzh_example': archive(b'LZH', [member(b'5.dic', 2, bytes([0xF6, 0xFB, 0xBD, 0xF3, 0x00, 0x20]), abc)]),
    'lh5_example': archive(b'LH5', [member(b'5.dic', 4, bytes.fromhex('0004280530d137929021b0'), abc)]),
    'lh5_text': archive(b'LH5', [member(b'0.dic', 0, b'Title\r\n', b'Title\r\n'),
                                 member(b'5.dic', 4, cut_lh5(open(lzh, 'rb').read())[0], open(text, 'rb').read())]),
    'lh5_run': archive(b'LH5', [member(b'5.dic', 4, open(f'{here}/run.lh5', 'rb').read(), b'a' * 70000)]),
    'mixed': archive(b'NON', [member(b'0.dic', 0, b'T', b'T'),
                              member(b'5.DIC', 1, bytes([0x61, 0x94, 0x04, 0x94, 0x00]), b'aaaa\x94'),
                              member(b'5.dic', 2, bytes([0xF6, 0xFB, 0xBD, 0xF3, 0x00, 0x20]), abc, lock=1),
                              member(b'6.dic', 7, b'xyz', b'')]),
}
for name, data in seeds.items():
    open(f'{here}/fuzz_seeds/{name}.dic', 'wb').write(data)
EOF
ls -l "$here/fuzz_seeds"
