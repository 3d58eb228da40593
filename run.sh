#!/usr/bin/env bash
# Installs what is missing, builds, and opens the sample hypertext in the editor.
# Without a display it runs a headless job on the sample and says where the result is.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -- quor

quor=build/src/app/quor
sample=samples/sample.uva

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$quor" "$sample" "$@"
fi

out=out/headless
mkdir -p "$out"
echo "No display: running headless jobs on $sample"
if "$quor" export-html --help >/dev/null 2>&1 || "$quor" --help | grep -q export-html; then
  "$quor" export-html "$sample" "$out/site" > "$out/export.log"
  echo "Web site exported to $out/site (files listed in $out/export.log)"
fi
if "$quor" --help | grep -q '^  dump'; then
  "$quor" dump "$sample" > "$out/sample.json"
  echo "Contents of the sample written to $out/sample.json"
else
  "$quor" --version
fi
