#!/usr/bin/env bash
# Writes the fixtures that the tests of the program's own reading of CSS compare
# with: css-tree's tokens of edge cases and of lines of the real sheets, and what
# postcss finds in the real sheets. Installs the pinned npm packages into a scratch
# folder (build/css-syntax by default, never committed); the real sheets come from
# tools/perf/fetch-sheets.sh.
#   tools/css-syntax/generate.sh [scratch-folder] [dump-folder]
# With a dump folder the lists postcss finds are written there too, to compare by hand.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
scratch="${1:-$root/build/css-syntax}"
sheets="$root/build/sheets"

"$root/tools/perf/fetch-sheets.sh" "$sheets" >/dev/null
mkdir -p "$scratch"
cp "$here/package.json" "$here/package-lock.json" "$scratch/"
(cd "$scratch" && npm ci --no-audit --no-fund --loglevel=error)
node "$here/tokens.mjs" "$scratch" "$sheets" "$root/tests/data/css/tokens.json"
node "$here/selectors.mjs" "$scratch" "$sheets" "$root/tests/data/css/real-sheets.json" ${2:+"$2"}
