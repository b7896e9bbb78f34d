#!/usr/bin/env bash
# Sets up, builds and starts Vellumar's main job. Arguments go to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build
if [[ $# -eq 0 ]]; then set -- --help; fi
exec "$root/build/bin/vellumar-cli" "$@"
