#!/usr/bin/env bash
# Builds the Debian package (build/paket/vazozez_<version>_amd64.deb) and
# checks it: unpacked into a scratch root, its desktop entry and AppStream
# metadata validated, the installed program started offscreen until its main
# window is shown.
#   BUILD_DIR  build folder (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
BUILD_DIR=${BUILD_DIR:-build}
rm -rf "$BUILD_DIR/paket"
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
DEB=$(ls "$BUILD_DIR"/paket/vazozez_*.deb)

WURZEL=$(mktemp -d /tmp/vazozez-paket.XXXXXX)
HEIM=$(mktemp -d /tmp/vazozez-paket-heim.XXXXXX)
trap 'rm -rf "$WURZEL" "$HEIM"' EXIT
dpkg -x "$DEB" "$WURZEL"
for f in usr/bin/vazozez usr/share/applications/de.quarvel.vazozez.desktop \
  usr/share/metainfo/de.quarvel.vazozez.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/de.quarvel.vazozez.svg \
  usr/share/icons/hicolor/48x48/apps/de.quarvel.vazozez.png \
  usr/share/icons/hicolor/128x128/apps/de.quarvel.vazozez.png \
  usr/share/vazozez/translations/vazozez_en.qm; do
  [ -f "$WURZEL/$f" ] || { echo "missing in the package: $f" >&2; exit 1; }
done
desktop-file-validate "$WURZEL/usr/share/applications/de.quarvel.vazozez.desktop"
appstreamcli validate --no-net "$WURZEL/usr/share/metainfo/de.quarvel.vazozez.metainfo.xml"

# The installed program on the offscreen platform with an empty home folder,
# once in German and once in English: the first line says the main window
# came up, the following ones are the main menu's titles.
starten() {
  HOME="$HEIM" XDG_CONFIG_HOME="$HEIM/.config" QT_QPA_PLATFORM=offscreen LC_ALL= LC_MESSAGES= LANG="$1" \
    timeout 120 "$WURZEL/usr/bin/vazozez" --startprobe
}
deutsch=$(starten de_DE.UTF-8)
englisch=$(starten en_US.UTF-8)
echo "$deutsch"
echo "$englisch"
for a in "$deutsch" "$englisch"; do
  [ "$(head -n1 <<<"$a")" = "Hauptfenster gezeigt" ] || { echo "the installed program did not show its main window" >&2; exit 1; }
done
[ "$(sed -n 3p <<<"$deutsch")" = "Testergebnisse" ] || { echo "the German main menu lacks Testergebnisse" >&2; exit 1; }
[ "$(sed -n 3p <<<"$englisch")" = "Test results" ] || { echo "the English main menu lacks Test results" >&2; exit 1; }

echo "package: $DEB, $(stat -c %s "$DEB") bytes"
dpkg-deb -f "$DEB" Installed-Size Depends Recommends
