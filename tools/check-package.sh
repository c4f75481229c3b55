#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks it as Debian and
# software centres do: lintian must report no error and no warning, and `appstreamcli compose`
# on the unpacked package must accept the component with an icon of 64 x 64 pixels or more.
#   bash tools/check-package.sh [BUILD_DIR]     (default: build)
# Prints both reports. The package and the reports stay in BUILD_DIR/package/. Exit status 77
# when lintian or appstreamcli compose is missing (bash tools/install-deps.sh --test installs
# them).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
out=$build/package

for tool in lintian appstreamcli dpkg-deb cpack; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (bash tools/install-deps.sh --test installs it)"
        exit 77
    fi
done
if ! appstreamcli compose --help >/dev/null 2>&1; then
    echo "SKIPPED: appstreamcli compose is not installed (package appstream-compose)"
    exit 77
fi

rm -rf "$out"
mkdir -p "$out"
# Brings the folder up to date first, its package settings included.
if ! cmake --build "$build" -j"$(nproc)" >"$out/build.log" 2>&1; then
    cat "$out/build.log"
    echo "FAILED: the build folder does not build"
    exit 1
fi
if ! (cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1); then
    cat "$out/cpack.log"
    echo "FAILED: cpack could not build the package"
    exit 1
fi
debs=("$out"/ketterline_*.deb)
deb=${debs[0]}
status=0

echo "== lintian $(basename "$deb")"
# Lintian says when it runs as root; that note is no finding about the package.
lintian --info --display-info --pedantic "$deb" 2>&1 | grep -v 'running with root privileges' \
    | tee "$out/lintian.txt" || true
if grep -qE '^[EW]: ' "$out/lintian.txt"; then
    echo "FAILED: lintian reports errors or warnings"
    status=1
else
    echo "(no error, no warning)"
fi

echo "== appstreamcli compose"
dpkg-deb -x "$deb" "$out/root"
compose_status=0
# (Its colours are dropped here: this version of compose ignores --no-color.)
appstreamcli compose --no-net --no-color --print-report=full --origin=ketterline \
    --result-root="$out/compose" "$out/root" 2>&1 | sed 's/\x1b\[[0-9;]*m//g' \
    | tee "$out/compose.txt" || compose_status=$?
catalog=$out/compose/usr/share/swcatalog/xml/ketterline.xml.gz
if ((compose_status != 0)); then
    echo "FAILED: appstreamcli compose ended with status $compose_status"
    status=1
elif ! [[ -f $catalog ]] || ! zgrep -q '<id>example.dravonne.Ketterline</id>' "$catalog"; then
    echo "FAILED: the catalog holds no component example.dravonne.Ketterline"
    status=1
elif ! zgrep -q '<icon type="cached" width="64" height="64"' "$catalog"; then
    echo "FAILED: the component has no cached icon of 64 x 64 pixels"
    status=1
fi
exit "$status"
