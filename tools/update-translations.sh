#!/usr/bin/env bash
# Collects every translatable text of the program (and of Rir, which loads the same files) into the nine Language/*.ts files, keeping the
# translations already there. New texts arrive as unfinished entries: translate them (Qt
# Linguist, or by hand) until the translation test passes. Entries whose text left the code are
# dropped.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
lupdate=$( (command -v lupdate || echo /usr/lib/qt5/bin/lupdate) | head -1)

# file:language pairs; the file names come from the language table of the program.
languages="en_us:en_US french:fr_FR trd_cn:zh_TW German:de_DE Spanish:es_ES Italian:it_IT
Japanese:ja_JP Russian:ru_RU zh_cn:zh_CN"

sources=()
# The tour pictures' callouts are drawn by tools/helppictures in every language.
for d in app ui camera modes output rir tools/helppictures; do
  [ -d "$d" ] && sources+=("$d")
done

mkdir -p Language
for pair in $languages; do
  file=${pair%%:*}
  lang=${pair##*:}
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -I "$root" \
    -source-language en_US -target-language "$lang" "${sources[@]}" -ts "Language/$file.ts"
done

unfinished=$(cat Language/*.ts | grep -c 'type="unfinished"' || true)
echo "Language/*.ts updated; $unfinished entries still to translate"
