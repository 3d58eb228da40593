#!/usr/bin/env bash
# Configures and builds one tree. Usage: scripts/build.sh DIR [cmake options...] [-- targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
opts=(); targets=()
while [ $# -gt 0 ]; do
  if [ "$1" = "--" ]; then shift; targets=("$@"); break; fi
  opts+=("$1"); shift
done
export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/quor-ccache}
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(pwd)}   # cache hits across clones in other folders
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S . -B "$dir" -G Ninja "${opts[@]}" >/dev/null
else
  cmake -S . -B "$dir" "${opts[@]}" >/dev/null
fi
if [ ${#targets[@]} -gt 0 ]; then
  cmake --build "$dir" -j"$(nproc)" --target "${targets[@]}"
else
  cmake --build "$dir" -j"$(nproc)"
fi
