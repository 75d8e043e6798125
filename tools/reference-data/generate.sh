#!/usr/bin/env bash
# Regenerates the reference panels' data under data/ from the standards' data:
# installs the pinned npm packages into a scratch folder (build/reference-data by
# default, never committed) and runs the generator on them.
#   tools/reference-data/generate.sh [scratch-folder]
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
scratch="${1:-$root/build/reference-data}"

mkdir -p "$scratch"
cp "$here/package.json" "$here/package-lock.json" "$scratch/"
(cd "$scratch" && npm ci --no-audit --no-fund --loglevel=error)
node "$here/generate.mjs" "$scratch" "$root/data"
