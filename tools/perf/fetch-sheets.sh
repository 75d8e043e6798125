#!/usr/bin/env bash
# Fetches real framework style sheets through npm into a scratch folder (default
# build/sheets) for the benchmarks and the measurement scripts. Nothing fetched is
# committed.
#   tools/perf/fetch-sheets.sh [folder]
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
out="${1:-$root/build/sheets}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# package@version  file in the package  name in the folder
sheets=(
  "bootstrap@5.3.9 package/dist/css/bootstrap.css bootstrap.css"
  "bootstrap@5.3.9 package/dist/css/bootstrap.min.css bootstrap.min.css"
  "tailwindcss@2.2.19 package/dist/tailwind.css tailwind.css"
  "bulma@1.0.4 package/css/bulma.min.css bulma.min.css"
  "@primer/css@22.3.2 package/dist/primer.css primer.css"
)
for entry in "${sheets[@]}"; do
  read -r package path name <<<"$entry"
  [ -s "$out/$name" ] && continue
  tarball="$(cd "$work" && npm pack --silent "$package" | tail -1)"
  tar -xzf "$work/$tarball" -C "$work" "$path"
  cp "$work/$path" "$out/$name"
  rm -rf "$work/package"
done
ls -l "$out"
