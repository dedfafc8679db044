#!/usr/bin/env bash
# Redraws every picture and the capture sound into Res/ and rewrites Res/resources.qrc, then
# renders the tour pictures from the real window of the program in build/ (built here if needed)
# for every interface language. Run from anywhere; the rendered files are committed, so a normal
# build never needs this. Run it again after a change to the window or its translations.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root/tools/resgen" -B "$root/build-resgen" -G Ninja >/dev/null
cmake --build "$root/build-resgen"
QT_QPA_PLATFORM=offscreen "$root/build-resgen/resgen" "$root/Res"

write_qrc() {
  cd "$root/Res"
  {
    echo '<!DOCTYPE RCC>'
    echo '<RCC version="1.0">'
    # Eight widget sheets at the root.
    echo '    <qresource prefix="/">'
    for f in Black_Center_Button Black_Center_Common Black_Center_LabelTip Black_Dialog_PDF \
             Black_Right_QTabWidget Black_Title Black_Top_QTabWidget Black_ViceWidget; do
      echo "        <file>$f.css</file>"
    done
    echo '    </qresource>'
    echo '    <qresource prefix="/Res">'
    echo '        <file>beep.wav</file>'
    echo '    </qresource>'
    # The application sheet, ICO/ and the pictures under Res/ (Res/UI/...), with the tour
    # pictures of the languages other than English in Res/UI/Help/<language>/.
    echo '    <qresource prefix="/new/prefix1">'
    echo '        <file>Black_Common.css</file>'
    for f in ICO/*.png; do
      echo "        <file>$f</file>"
    done
    echo '        <file alias="Res/NOLP.png">NOLP.png</file>'
    echo '        <file alias="Res/NOLP.ico">NOLP.ico</file>'
    for f in UI/*.png UI/Help/*/*.png; do
      if [ -e "$f" ]; then echo "        <file alias=\"Res/$f\">$f</file>"; fi
    done
    echo '    </qresource>'
    echo '</RCC>'
  } > resources.qrc
  echo "wrote $(grep -c '<file' resources.qrc) resource entries"
}
write_qrc

# The tour pictures: the program's window, so the program (with the pictures above) is built
# first.
if [ ! -f "$root/build/build.ninja" ]; then
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$root/build" --target help_pictures
"$root/build/tools/help_pictures" "$root/Res" "$root/build/bin"
# 27 window pictures: a palette of 256 colours keeps them a quarter of their size, and the
# quantiser gives the same bytes for the same picture, so unchanged pictures stay unchanged.
pngquant --force --ext .png --speed 1 256 "$root"/Res/UI/Help[0-9].png "$root"/Res/UI/Help/*/Help[0-9].png
write_qrc
