#!/usr/bin/env bash
# Checks the manuals the build made, page by page:
# - every page of a Spanish manual is Spanish and every page of an English one English: on each page
#   with enough text, the commonest small words of its own language outnumber the other's;
# - each manual names every window of the program by its title (ventanas.tsv), and that list has
#   every window of src/gui with the title the program gives it, in Spanish and in its translation.
# Run by ctest (docs/manual/CMakeLists.txt):
#   check-manuals.sh REPOSITORY es|en MANUAL.pdf [es|en MANUAL.pdf]...
set -euo pipefail
repo=$1
shift
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
command -v pdftotext >/dev/null || { echo "pdftotext is missing (poppler-utils)" >&2; exit 1; }

windows="$repo/docs/manual/ventanas.tsv"
translations="$repo/resources/translations/tarvel_en.ts"

# The window list against the program: each window's name is listed, and each title is a text of
# the program (Spanish, with the "ñ" its constant spells) and of its English translation.
code=$(cat "$repo"/src/gui/*/*.cpp "$repo"/src/editing/*.cpp "$repo"/src/tours/*.h "$repo"/src/tours/*.cpp |
  sed 's/" + cp::nTilde + "/ñ/g')
listed=$(grep -v '^#' "$windows" | cut -f1)
names=$( (grep -ohE '"(form[A-Z][A-Za-z0-9_]*|frm[A-Z][A-Za-z0-9_]*|MDIForm1)"' "$repo"/src/gui/*/*.cpp
  grep -ohE '"(form|subTool)[A-Z][A-Za-z0-9_]*"' "$repo/src/editing/ElementKinds.cpp") | tr -d '"' | sort -u)
for name in $names; do
  grep -qxF "$name" <<<"$listed" || fail "ventanas.tsv lacks the window $name"
done
for name in $listed; do
  grep -qxF "$name" <<<"$names" || fail "ventanas.tsv lists $name, which the program does not have"
done
english_texts=$(sed -n 's:.*<translation>\(.*\)</translation>.*:\1:p' "$translations" |
  sed "s/&apos;/'/g; s/&quot;/\"/g; s/&amp;/\\&/g")
while IFS=$'\t' read -r name spanish english; do
  [ "$spanish" = "-" ] && continue
  grep -qF "\"$spanish" <<<"$code" || fail "$name: the program has no text \"$spanish\""
  grep -qF "$english" <<<"$english_texts" || fail "$name: the translation has no text \"$english\""
done < <(grep -v '^#' "$windows")

# Common small words; a word both languages use ("a", "no", "me") is in neither list.
spanish_words=" de la el los las que en y del con para por una un se es al lo como su más o cuando este esta son hay sin "
english_words=" the of and to in is with for that it on this are be by as from or an which its when not you at "

while [ $# -gt 0 ]; do
  language=$1 pdf=$2
  shift 2
  [ -f "$pdf" ] || { fail "no manual $pdf"; continue; }
  name=$(basename "$pdf")
  # Pages, one per form feed; the fonts' ligatures ("ﬁ") spelt out, words broken after a hyphen
  # at a line's end joined again.
  text=$(pdftotext -enc UTF-8 -raw "$pdf" - | sed 's/ﬁ/fi/g; s/ﬂ/fl/g; s/ﬀ/ff/g; s/ﬃ/ffi/g; s/ﬄ/ffl/g' |
    sed -e ':a' -e '/-$/{N;s/-\n/-/;ba' -e '}')
  report=$(awk -v es="$spanish_words" -v en="$english_words" -v want="$language" '
    BEGIN { RS = "\f" }
    {
      page = NR; s = 0; e = 0
      line = tolower($0)
      gsub(/[^[:alpha:]áéíóúñü]+/, " ", line)
      n = split(line, words, " ")
      for (i = 1; i <= n; i++) {
        w = " " words[i] " "
        if (index(es, w)) s++
        if (index(en, w)) e++
      }
      if (s + e < 15) next
      if ((want == "es" && e >= s) || (want == "en" && s >= e))
        printf "page %d: %d Spanish and %d English common words\n", page, s, e
    }' <<<"$text")
  [ -z "$report" ] || fail "$name is not wholly $([ "$language" = es ] && echo Spanish || echo English):"$'\n'"$report"
  # Titles may be broken over lines or cells: compare with the text as one line.
  flat=$(tr -s '[:space:]' ' ' <<<"$text")
  column=2
  [ "$language" = en ] && column=3
  while IFS=$'\t' read -r -a row; do
    title=${row[$((column - 1))]}
    [ "$title" = "-" ] && continue
    grep -qF -- "$title" <<<"$flat" || fail "$name does not name the window ${row[0]} (\"$title\")"
  done < <(grep -v '^#' "$windows")
done

if [ "$failures" -gt 0 ]; then
  echo "$failures problems" >&2
  exit 1
fi
echo "manuals: every page in its language, every window named"
