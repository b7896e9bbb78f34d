#!/usr/bin/env bash
# Regenerates fuzz_seeds/: small sources for the import fuzzers, made by the
# real tools where they exist (dictfmt and dictzip for dictd, stardict-tools'
# converters for StarDict) and written here for DSL. A StarDict or dictd seed
# holds its files one after another, cut by the fuzzers' section mark "#|#".
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tools=/usr/lib/stardict-tools
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
rm -rf "$here/fuzz_seeds"
mkdir -p "$here/fuzz_seeds/dsl" "$here/fuzz_seeds/stardict" "$here/fuzz_seeds/dictd"

# Sections joined by the mark.
join() { local first=1; for f in "$@"; do [[ $first == 1 ]] || printf '#|#'; cat "$f"; first=0; done; }

cat > card.dsl <<'DSL'
#NAME "Толковый"
#INDEX_LANGUAGE "Russian"

{{комментарий}}
ко́т
Кошка{и}
	[m1][b]1.[/b] [trn]Домашнее [i]животное[/i][/trn][/m]
	[m1][ex]~ мяукает[/ex] [s]cat.wav[/s][/m]
	\[см. <<пёс>>\] [c red]café[/c] [']у[/']дар
	@ кот в мешке
	что-то
	@
ив(а)
	дерево · куст
DSL
cp card.dsl "$here/fuzz_seeds/dsl/utf8.dsl"
{ printf '\xff\xfe'; sed 's/$/\r/' card.dsl | iconv -f UTF-8 -t UTF-16LE; } > le.dsl
cp le.dsl "$here/fuzz_seeds/dsl/utf16le.dsl"
{ printf '\xfe\xff'; iconv -f UTF-8 -t UTF-16BE card.dsl; } > "$here/fuzz_seeds/dsl/utf16be.dsl"
dictzip le.dsl && cp le.dsl.dz "$here/fuzz_seeds/dsl/utf16le.dsl.dz"

printf 'кот\tДомашнее животное\\nмяукает\nЁж\tколючий зверёк\ndog\tсобака\n' > tab.txt
"$tools/tabfile" tab.txt >/dev/null 2>&1
join tab.ifo tab.idx tab.dict.dz > "$here/fuzz_seeds/stardict/tabfile"
gzip -dc tab.dict.dz > tab.dict
join tab.ifo tab.idx tab.dict > "$here/fuzz_seeds/stardict/tabfile_plain"
cat > typed.xml <<'XML'
<?xml version="1.0" encoding="UTF-8" ?>
<stardict xmlns:xi="http://www.w3.org/2003/XInclude">
<info><version>3.0.0</version><bookname>Разметка</bookname><author>a</author><email>e@x.org</email>
<website>http://x.org</website><description>d</description><date>2020.01.01</date></info>
<article><key>кот</key><synonym>котик</synonym>
<definition type="h"><![CDATA[<b>зверь</b> &amp; друг<br>мур&#1105;]]></definition>
<definition type="x"><![CDATA[<k>кот</k><dtrn>зверь</dtrn>]]></definition>
<definition type="t"><![CDATA[kot]]></definition></article>
<article><key>пёс</key><definition type="m"><![CDATA[собака]]></definition></article>
</stardict>
XML
"$tools/stardict-text2bin" typed.xml typed.ifo >/dev/null 2>&1
join typed.ifo typed.idx typed.dict.dz typed.syn > "$here/fuzz_seeds/stardict/textual"
# 64-bit offsets and typed fields without a type sequence, which no tool here writes.
python3 - "$here/fuzz_seeds/stardict/wide" <<'PY'
import struct, sys
entry = '<k>дом</k>жилище'.encode() + b'\0'
data = b'x' + entry + b'W' + struct.pack('>I', 3) + b'\1\2\3' + b'm' + 'изба'.encode() + b'\0'
ifo = 'StarDict\'s dict ifo file\nversion=3.0.0\nwordcount=1\nidxoffsetbits=64\nbookname=Широкий\n'.encode()
idx = 'дом'.encode() + b'\0' + struct.pack('>QI', 0, len(data))
open(sys.argv[1], 'wb').write(b'#|#'.join([ifo, idx, data]))
PY

printf ':кот:домашнее животное,\n мяукает\n:Москва:столица\n:кое-кто:некто\n:дуб;дубок:дерево\n' > d.txt
dictfmt -j --utf8 --headword-separator ';' --break-headwords -s 'Словарь' d < d.txt >/dev/null 2>&1
join d.index d.dict > "$here/fuzz_seeds/dictd/dictfmt"
dictzip d.dict
join d.index d.dict.dz > "$here/fuzz_seeds/dictd/dictzip"
ls -l "$here/fuzz_seeds"/*
