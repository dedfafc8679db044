#!/usr/bin/env bash
# Redraws every picture and the capture sound into Res/ and rewrites Res/resources.qrc.
# Run from anywhere; the rendered files are committed, so a normal build never needs this.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root/tools/resgen" -B "$root/build-resgen" -G Ninja >/dev/null
cmake --build "$root/build-resgen"
QT_QPA_PLATFORM=offscreen "$root/build-resgen/resgen" "$root/Res"

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
  # The application sheet, ICO/ and the pictures under Res/ (Res/UI/...).
  echo '    <qresource prefix="/new/prefix1">'
  echo '        <file>Black_Common.css</file>'
  for f in ICO/*.png; do
    echo "        <file>$f</file>"
  done
  echo '        <file alias="Res/NOLP.png">NOLP.png</file>'
  echo '        <file alias="Res/NOLP.ico">NOLP.ico</file>'
  for f in UI/*.png; do
    echo "        <file alias=\"Res/$f\">$f</file>"
  done
  echo '    </qresource>'
  echo '</RCC>'
} > resources.qrc
echo "wrote $(grep -c '<file' resources.qrc) resource entries"
