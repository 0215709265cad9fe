#!/usr/bin/env bash
# The English translation translations/vazozez_en.ts against the program's texts.
#   bash tools/uebersetzung.sh            brings the file up to date with the
#                                         sources (new texts come in unfinished)
#   bash tools/uebersetzung.sh --pruefen  fails, naming the texts, when a text
#                                         of the program is not translated
set -euo pipefail
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
TS=translations/vazozez_en.ts
quellen() { find src -name '*.cpp' -o -name '*.h' | sort; }

if [ "${1:-}" != --pruefen ]; then
  "$LUPDATE" -silent -no-obsolete -I src -locations none -source-language de_DE -target-language en_US \
    $(quellen) -ts "$TS"
  exit 0
fi

ARBEIT=$(mktemp -d /tmp/vazozez-uebersetzung.XXXXXX)
trap 'rm -rf "$ARBEIT"' EXIT
cp "$TS" "$ARBEIT/vazozez_en.ts"
"$LUPDATE" -silent -no-obsolete -I src -locations none -source-language de_DE -target-language en_US \
  $(quellen) -ts "$ARBEIT/vazozez_en.ts"
python3 - "$ARBEIT/vazozez_en.ts" <<'PY'
import sys
import xml.etree.ElementTree as ET
fehlt = []
anzahl = 0
for kontext in ET.parse(sys.argv[1]).getroot().iter('context'):
    name = kontext.findtext('name')
    for m in kontext.iter('message'):
        anzahl += 1
        t = m.find('translation')
        # Line breaks are <byte value="xd"/> elements: the text is all parts.
        if t is None or t.get('type') == 'unfinished' or not (''.join(t.itertext()).strip() or len(t)):
            fehlt.append(f'{name}: {"".join(m.find("source").itertext())!r}')
for f in fehlt:
    print('untranslated:', f)
print(f'{anzahl} texts, {len(fehlt)} untranslated')
sys.exit(1 if fehlt else 0)
PY
