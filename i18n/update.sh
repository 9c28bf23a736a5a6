#!/bin/sh
# Brings the English table in step with the code and fills in the texts of en.tsv.
# The Czech table (pelmo_cs.ts) holds only hand-written overrides and is edited directly.
set -eu
cd "$(dirname "$0")/.."
/usr/lib/qt6/bin/lupdate src -extensions cpp,h,qml -ts i18n/pelmo_en.ts -no-obsolete -locations none -target-language en
python3 i18n/fill_ts.py i18n/pelmo_en.ts i18n/en.tsv
