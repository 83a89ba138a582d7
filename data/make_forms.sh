#!/usr/bin/env bash
# Makes forme.diz: every inflected form that the Italian Hunspell affix rules
# generate from the dictionary's stems, less the words base.diz already holds.
# unmunch writes the forms in the dictionary's own encoding (the SET line of
# the .aff file); they are turned into UTF-8 for quirvo-diz when needed.
# Usage: make_forms.sh UNMUNCH QUIRVO_DIZ IT_IT.DIC IT_IT.AFF BASE.DIZ OUT.DIZ
set -euo pipefail
unmunch=$1 tool=$2 dic=$3 aff=$4 base=$5 out=$6

encoding=$(sed -n 's/^SET[[:space:]]\+\([^[:space:]]\+\).*/\1/p' "$aff" | head -n 1)
encoding=${encoding:-ISO8859-1}
to_utf8() {
  if [ "$encoding" = UTF-8 ]; then cat; else iconv -f "$encoding" -t UTF-8; fi
}

# unmunch reports every rule it parses on stderr: only its exit status matters.
"$unmunch" "$dic" "$aff" 2>/dev/null | to_utf8 |
  "$tool" build --min-length 2 --max-length 35 --exclude "$base" --out "$out" -
