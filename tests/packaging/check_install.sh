#!/usr/bin/env bash
# Usage: check_install.sh <cmake> <build dir> <project version>
# Installs the build into a temporary prefix and checks the desktop integration files.
# Exits 77 (skipped) when desktop-file-validate or appstreamcli is not installed.
set -uo pipefail

cmake=$1 build=$2 version=$3
app=org.quarvel.Quarvel
sizes=(16 22 24 32 48 64 128 256)

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (Debian packages desktop-file-utils and appstream)"
        exit 77
    fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! "$cmake" --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"; rm -f "$prefix.log"
    echo "FAIL: cmake --install into $prefix"
    exit 1
fi
rm -f "$prefix.log"

desktop=$prefix/share/applications/$app.desktop
metainfo=$prefix/share/metainfo/$app.metainfo.xml
[ -x "$prefix/bin/quarvel" ] || fail "bin/quarvel is missing or not executable"

# The validators must have nothing to say, not merely exit successfully.
if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1); rc=$?
    [ $rc -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate (exit $rc): $out"

    key() { sed -n "s/^$1=//p" "$desktop"; }
    exec_cmd=$(key Exec | cut -d' ' -f1)
    [ -x "$prefix/bin/$exec_cmd" ] || fail "Exec=$exec_cmd is not an installed program"
    [ "$(key Icon)" = "$app" ] || fail "Icon=$(key Icon), expected $app"
    [ "$(key Terminal)" = false ] || fail "Terminal=$(key Terminal), expected false"
else
    fail "share/applications/$app.desktop is missing"
fi

if [ -f "$metainfo" ]; then
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1); rc=$?
    [ $rc -eq 0 ] || fail "appstreamcli validate (exit $rc): $out"
    grep -E '^[EWI]: ' <<<"$out" && fail "appstreamcli validate reported issues"
    # Checks the metainfo against the rest of the tree, such as its launchable.
    out=$(appstreamcli validate-tree --no-net "$prefix" 2>&1); rc=$?
    [ $rc -eq 0 ] || fail "appstreamcli validate-tree (exit $rc): $out"
    grep -E '^[EWI]: ' <<<"$out" && fail "appstreamcli validate-tree reported issues"

    grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $app.desktop"
    newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
    [ "$newest" = "$version" ] ||
        fail "newest release in the metainfo is '$newest', the project version is $version"
else
    fail "share/metainfo/$app.metainfo.xml is missing"
fi

icons=$prefix/share/icons/hicolor
grep -q '<svg' "$icons/scalable/apps/$app.svg" 2>/dev/null || fail "scalable/apps/$app.svg is missing"
for size in "${sizes[@]}"; do
    png=$icons/${size}x${size}/apps/$app.png
    if [ ! -f "$png" ]; then
        fail "${size}x${size}/apps/$app.png is missing"
        continue
    fi
    # PNG signature, then the IHDR chunk with width and height as big-endian 32-bit numbers.
    read -r -d '' -a b < <(od -An -v -tu1 -N24 "$png")
    signature="${b[*]:0:8}"
    width=$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))
    height=$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))
    [ "$signature" = "137 80 78 71 13 10 26 10" ] || fail "$png is not a PNG"
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "$png is ${width}x${height}, expected ${size}x${size}"
done

if [ $failures -ne 0 ]; then
    echo "$failures problem(s) in the installed desktop integration"
    exit 1
fi
echo "Installed tree in a scratch prefix passes desktop-file-validate and appstreamcli"
