#!/usr/bin/env bash
# The build's program folder and any copy of it are portable: the user's files
# stay in the folder (the notes in the folder the program starts from), the
# home folder is not used. A copy that can't be written keeps them in the
# user's folders instead.
#   tests/install/portable_folder_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expected_paths() {   # FOLDER
  printf '%s\n' "mode: portable" "program folder: $1/" "dictionaries: $1/" "settings: $1/Vellumar.ini" \
    "personal dictionary: $1/user's.dic" "notes: Notes.txt (in the folder the program is started from)"
}
export HOME=$scratch/home XDG_CONFIG_HOME= XDG_DATA_HOME=
mkdir "$HOME"
[[ -f $build/bin/Vellumar.portable ]] || fail "the build's program folder is not marked portable"
diff <(cd "$scratch" && "$build/bin/vellumar-cli" paths) <(expected_paths "$build/bin") || fail "build folder"

cp -r "$build/bin" "$scratch/copy"
diff <(cd "$scratch" && "$scratch/copy/vellumar-cli" paths) <(expected_paths "$scratch/copy") || fail "a copy"
[[ -z $(ls -A "$HOME") ]] || fail "the home folder was written"

chmod a-w "$scratch/copy"
paths=$("$scratch/copy/vellumar-cli" paths)
grep -qx "mode: installed (the portable program folder can't be written)" <<<"$paths" || fail "read-only: $paths"
grep -qx "settings: $HOME/.config/vellumar/Vellumar.ini" <<<"$paths" || fail "read-only settings: $paths"
echo "portable folder checked"
