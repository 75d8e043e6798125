#!/usr/bin/env bash
# Fetches real framework style sheets from the npm registry into a scratch folder
# (default build/sheets) for the benchmarks, the measurement scripts and the tests
# that read real sheets. Only curl is needed; each package is checked against its
# registry integrity. Nothing fetched is committed.
#   tools/perf/fetch-sheets.sh [folder]
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
out="${1:-$root/build/sheets}"
mkdir -p "$out"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# tarball in the registry  its sha512 integrity  file in the package  name in the folder
sheets=(
  "bootstrap/-/bootstrap-5.3.9.tgz 20cU0rcfw8WdxtVbmfU+xT2EjvVTw9Ror/h1Qvd7DXCujRg8OO9mdBCsmTHdJFf3BuadmBNJtgIuUXsBqSkk/w== package/dist/css/bootstrap.css bootstrap.css"
  "bootstrap/-/bootstrap-5.3.9.tgz 20cU0rcfw8WdxtVbmfU+xT2EjvVTw9Ror/h1Qvd7DXCujRg8OO9mdBCsmTHdJFf3BuadmBNJtgIuUXsBqSkk/w== package/dist/css/bootstrap.min.css bootstrap.min.css"
  "tailwindcss/-/tailwindcss-2.2.19.tgz 6Ui7JSVtXadtTUo2NtkBBacobzWiQYVjYW0ZnKaP9S1ZCKQ0w7KVNz+YSDI/j7O7KCMHbOkz94ZMQhbT9pOqjw== package/dist/tailwind.css tailwind.css"
  "bulma/-/bulma-1.0.4.tgz Ffb6YGXDiZYX3cqvSbHWqQ8+LkX6tVoTcZuVB3lm93sbAVXlO0D6QlOTMnV6g18gILpAXqkG2z9hf9z4hCjz2g== package/css/bulma.min.css bulma.min.css"
  "@primer/css/-/css-22.3.2.tgz Vjx7U/ILnGsEQP+cZ4p8blVTFcjE2TmwxTICvv5RjoBdS7QacDVllpJo+A9raJB0TxvetPiOqSR7NyHX3hcMKQ== package/dist/primer.css primer.css"
)
for entry in "${sheets[@]}"; do
  read -r tarball integrity path name <<<"$entry"
  [ -s "$out/$name" ] && continue
  file="$work/$(basename "$tarball")"
  if [ ! -s "$file" ]; then
    curl -fsSL --retry 3 -o "$file" "https://registry.npmjs.org/$tarball"
    expected="$(echo "$integrity" | base64 -d | od -An -v -tx1 | tr -d ' \n')"
    actual="$(sha512sum "$file" | cut -d' ' -f1)"
    if [ "$expected" != "$actual" ]; then
      echo "$tarball: not the pinned package" >&2
      exit 1
    fi
  fi
  tar -xzf "$file" -C "$work" "$path"
  cp "$work/$path" "$out/$name"
done
ls -l "$out"
