#!/usr/bin/env bash
# Makes the word list that fill_bench gives both fillers: the words of
# /usr/share/dict/italian and every form the Italian Hunspell affix rules
# generate (unmunch), 2 to 15 letters, upper case, accents folded, one a
# line. Writes CACHE/words.txt (LF lines, for Qxw) and CACHE/lista/base.diz
# (the same words as QUIRVO's only dictionary). Does nothing when both exist.
# Usage: fill_word_list.sh CACHE QUIRVO_DIZ
set -euo pipefail
cache=$1 tool=$2
words=/usr/share/dict/italian dic=/usr/share/hunspell/it_IT.dic aff=/usr/share/hunspell/it_IT.aff
[ -s "$cache/words.txt" ] && [ -s "$cache/lista/base.diz" ] && exit 0
mkdir -p "$cache/lista"

encoding=$(sed -n 's/^SET[[:space:]]\+\([^[:space:]]\+\).*/\1/p' "$aff" | head -n 1)
encoding=${encoding:-ISO8859-1}
to_utf8() {
  if [ "$encoding" = UTF-8 ]; then cat; else iconv -f "$encoding" -t UTF-8; fi
}

# unmunch reports every rule it parses on stderr: only its exit status matters.
{ cat "$words"; unmunch "$dic" "$aff" 2>/dev/null | to_utf8; } |
  "$tool" build --min-length 2 --max-length 15 - | tr -d '\r' > "$cache/words.tmp"
"$tool" build --min-length 2 --max-length 15 --out "$cache/lista/base.diz" "$cache/words.tmp"
mv "$cache/words.tmp" "$cache/words.txt"
