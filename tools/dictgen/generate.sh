#!/bin/sh
# Regenerates data/main.dic, data/end.mdl, data/types.chn and data/README
# from the OpenCorpora dictionary compiled into the npm package az 0.2.3.
#
#   tools/dictgen/generate.sh [output folder]     (default: data/ of this checkout)
#
# Needs npm, tar and Python 3. The package is fetched into a temporary folder
# that is removed afterwards; nothing of it is kept in the tree.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-"$here/../../data"}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
(cd "$tmp" && npm pack --silent az@0.2.3 >/dev/null)
tar -xzf "$tmp/az-0.2.3.tgz" -C "$tmp" package/dicts
python3 "$here/dictgen.py" --az "$tmp/package/dicts" --out "$out"
