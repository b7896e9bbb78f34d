#!/usr/bin/env bash
# The Debian package of a build: made with cpack, unpacked into a scratch root
# with dpkg-deb -x (the machine is not changed), it holds the same layout as
# `cmake --install` with another prefix, its dependencies come from
# dpkg-shlibdeps, its metadata pass their validators, and its vellumar-cli
# searches the bundled dictionaries and the user's own from the user's folder.
#   tests/install/package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >/dev/null
deb=$(ls "$scratch"/pkg/vellumar_*_*.deb)
dpkg-deb -x "$deb" "$scratch/root"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null

# One layout for both, every file and link in place.
(cd "$scratch/root/usr" && find . | sort) > "$scratch/package.list"
(cd "$scratch/prefix" && find . | sort) > "$scratch/install.list"
diff "$scratch/package.list" "$scratch/install.list" || fail "the package and cmake --install differ"
for f in lib/vellumar/vellumar lib/vellumar/vellumar-cli lib/vellumar/spelling.dic lib/vellumar/synonyms.dic \
         lib/vellumar/help/132.html share/applications/vellumar.desktop share/man/man1/vellumar.1.gz \
         share/man/man1/vellumar-cli.1.gz share/icons/hicolor/scalable/apps/vellumar.svg \
         share/icons/hicolor/48x48/apps/vellumar.png share/doc/vellumar/copyright share/doc/vellumar/changelog.gz; do
  [[ -e $scratch/root/usr/$f ]] || fail "the package lacks /usr/$f"
done
[[ $(readlink "$scratch/root/usr/bin/vellumar-cli") == ../lib/vellumar/vellumar-cli ]] || fail "bin/vellumar-cli link"
[[ ! -e $scratch/root/usr/lib/vellumar/Vellumar.portable ]] || fail "an installed program folder is marked portable"
grep -qx "Exec=/usr/bin/vellumar" "$scratch/root/usr/share/applications/vellumar.desktop" || fail "package Exec"
grep -qx "Exec=$scratch/prefix/bin/vellumar" "$scratch/prefix/share/applications/vellumar.desktop" || fail "install Exec"

depends=$(dpkg-deb -f "$deb" Depends)
[[ $depends == *libqt6widgets6* && $depends == *libc6* ]] || fail "dependencies not computed: $depends"
appstreamcli validate --no-net "$scratch"/root/usr/share/metainfo/*.metainfo.xml >/dev/null || fail "metainfo"
desktop-file-validate "$scratch/root/usr/share/applications/vellumar.desktop" || fail "desktop entry"

# The unpacked program, for a user whose folders are all in the scratch folder.
export HOME=$scratch/home XDG_CONFIG_HOME= XDG_DATA_HOME=
mkdir "$HOME"
cli=$scratch/root/usr/bin/vellumar-cli
found=$(cd "$scratch" && "$cli" search 'к?т') || fail "search found nothing"
grep -qx "кот.*" <<<"$found" || fail "no кот among: $found"
paths=$("$cli" paths)
grep -qx "mode: installed" <<<"$paths" || fail "mode: $paths"
grep -qx "dictionaries: $scratch/root/usr/lib/vellumar/" <<<"$paths" || fail "program folder: $paths"
grep -qx "settings: $HOME/.config/vellumar/Vellumar.ini" <<<"$paths" || fail "settings: $paths"
grep -qx "notes: $HOME/.local/share/vellumar/Notes.txt" <<<"$paths" || fail "notes: $paths"
[[ -z $(ls -A "$HOME") ]] || fail "searching wrote into the home folder"

# A dictionary of the user's own is searched beside the bundled ones.
mkdir -p "$HOME/.local/share/vellumar"
printf 'Mine\r\n%s\r\n' "$(printf 'кютМоё слово' | iconv -f UTF-8 -t CP1251)" > "$HOME/.local/share/vellumar/mine.dic"
found=$("$cli" search 'к?т')
grep -qx $'кют\tМоё слово' <<<"$found" || fail "the user's dictionary was not searched"
grep -qx "кот.*" <<<"$found" || fail "the bundled dictionaries were left out"
echo "package $(basename "$deb") checked"
