#!/usr/bin/env bash
# Runs the product on real windows under Wine on a virtual display, on the demo machine of
# tools/demo.sh, walks every page and dialog of the three tasks, the about box, a message box
# and the help window, and saves a picture of each.
#
#   tools/screenshots.sh [--quick] [--languages | --scaled] [BUILD_FOLDER [OUT_FOLDER]]
#
# BUILD_FOLDER defaults to build/windows-ui (built here when it is the default); OUT_FOLDER to
# docs/screenshots, with four pages of each translated language in docs/screenshots/<language>/.
# --quick leaves the pictures in full colour (faster; for the test); --languages makes only the
# pictures of the translated languages; --scaled only the five pages on a screen set to 150 %
# (144 dpi) in docs/screenshots/150-percent/, which a whole walk makes last.
# Each window is awaited by its title with a time limit; a missing window stops the walk with
# its name, and the exit status is 1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
quick=0
english=1
if [[ "${1:-}" == "--quick" ]]; then quick=1; shift; fi
scaled=0
if [[ "${1:-}" == "--languages" ]]; then english=0; shift; fi
if [[ "${1:-}" == "--scaled" ]]; then english=0; scaled=1; shift; fi
# The screen: 150 % needs more room for the same wizard.
screen_w=800; screen_h=600
if ((scaled)); then screen_w=1200; screen_h=900; export WD_DPI=144; fi
px() { echo $(( $1 * ${WD_DPI:-96} / 96 )); }  # pixels of a 96-dpi screen on this one
build="${1:-}"
out="${2:-$root/docs/screenshots}"

if [ -z "$build" ]; then
  "$root/tools/install-deps.sh"
  build="$root/build/windows-ui"
  (cd "$root" && cmake --preset windows-ui >/dev/null)
  cmake --build "$build" -j2 --target TavrelHost TAVREL TVCCM.dll TVICC.dll dialogs_enu strings_enu vemrload \
    TavrelAddPrinter TavrelWindowProbe help_file >/dev/null
fi
build=$(cd "$build" && pwd)
mkdir -p "$out"; out=$(cd "$out" && pwd)
if ((english)); then rm -f "$out"/*.png; fi  # a picture no longer made must not linger

# Tools: ImageMagick from Debian (a convert elsewhere on PATH may be something else).
magick=""
for candidate in /usr/bin/magick /usr/bin/convert; do
  if [ -x "$candidate" ] && "$candidate" -version 2>/dev/null | grep -q ImageMagick; then magick="$candidate"; break; fi
done
missing=()
for tool in Xvfb xdotool import wine; do command -v "$tool" >/dev/null || missing+=("$tool"); done
[ -n "$magick" ] || missing+=(convert)
if ((${#missing[@]})); then
  if [ "$(id -u)" = 0 ]; then
    apt-get install -y -q xvfb imagemagick xdotool x11-apps fonts-wine fonts-liberation >/dev/null
  else
    echo "screenshots: missing ${missing[*]}; install the Debian packages xvfb imagemagick xdotool x11-apps fonts-wine fonts-liberation" >&2
    exit 2
  fi
  magick=/usr/bin/convert
fi

# shellcheck source=tools/wine-desktop.sh
source "$root/tools/wine-desktop.sh"

# A private display.
display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 "${screen_w}x${screen_h}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
work="$build/screenshots"
cleanup() { wd_stop; kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

echo "== laying out the demo machine in $work"
wd_lay_out "$work" "$build/bin" "${screen_w}x${screen_h}"

stop() {  # leaves a picture of the screen as it was in the work folder
  import -window root "$work/stopped.png" 2>/dev/null || true
  echo "screenshots: stopped at $1 (screen: $work/stopped.png)" >&2
  exit 1
}

# Saves the part of the desktop that the wizard and the topmost window cover as NAME.png.
wizard_rect=()
shot() {
  local name="$1" raw="$work/raw.png" l t r b
  if ((${#wizard_rect[@]})); then
    l=$(( wd_rect[0] < wizard_rect[0] ? wd_rect[0] : wizard_rect[0] ))
    t=$(( wd_rect[1] < wizard_rect[1] ? wd_rect[1] : wizard_rect[1] ))
    r=$(( wd_rect[2] > wizard_rect[2] ? wd_rect[2] : wizard_rect[2] ))
    b=$(( wd_rect[3] > wizard_rect[3] ? wd_rect[3] : wizard_rect[3] ))
  else
    l=${wd_rect[0]}; t=${wd_rect[1]}; r=${wd_rect[2]}; b=${wd_rect[3]}
  fi
  l=$((l < 0 ? 0 : l)); t=$((t < 0 ? 0 : t)); r=$((r > screen_w ? screen_w : r)); b=$((b > screen_h ? screen_h : b))
  import -window root "$raw"
  if ((quick)); then
    "$magick" "$raw" -crop "$((r - l))x$((b - t))+$l+$t" +repage "$out/$name.png"
  else
    "$magick" "$raw" -crop "$((r - l))x$((b - t))+$l+$t" +repage -dither None -colors 256 "PNG8:$out/$name.png"
  fi
  echo "    $name.png"
}

key() { xdotool key --delay 80 "$@"; sleep 0.3; }
type_text() { xdotool type --delay 40 "$1"; sleep 0.2; }

# Titles as the string library has them; of a title with arguments, the text before the first.
title_prefix() { local text; text=$(wd_string "$1"); echo "${text%%%*}"; }
title_edit=$(wd_string IDS_TITLE_SELECT_EDIT)
title_driver=$(wd_string IDS_TITLE_SELECT_DRIVER)
title_start=$(wd_string IDS_TITLE_COLOR_SETTING_SELECT); title_start="${title_start##*%s}"
title_colour=$(title_prefix IDS_TITLE_COLOR_PALETTE)
title_gamma=$(title_prefix IDS_TITLE_GAMMA)
title_save=$(title_prefix IDS_TITLE_SAVE_SETTING)
title_stored=$(title_prefix IDS_TITLE_SETTING_EXCHANGE)
title_done=$(wd_string IDS_CAPTION_DONE)
title_patch=$(title_prefix IDS_TITLE_COLOR_INPUT)

start_wizard() {  # start_wizard TASK_RADIO
  wd_start_host
  wd_wait "$title_edit" 60 || stop "the first page"
  wizard_rect=("${wd_rect[@]}")
  wd_click "$title_edit" "$1"
}

# "Team Printer" (picked by its first letter in the list): a model that saves without building
# profiles, which would need a real printer driver.
choose_printer() {
  wd_click "$title_edit" $WD_WIZARD_NEXT
  wd_wait "$title_driver" || stop "the printer page"
  wd_click "$title_driver" IDC_DRIVER_LIST 40 6
  key t
}

# A dialog of our own or the system's above the wizard: the topmost window that is not the wizard.
wait_dialog() {  # wait_dialog WIZARD_TITLE WHAT
  wd_wait "!$1" || stop "$2"
}

# Types a path into the system's file dialog that is up, and waits for it to go.
file_dialog() {  # file_dialog PATH WHAT
  local title
  title=$(wd_probe top)
  key ctrl+a
  type_text "$1"
  key Return
  wd_gone "$title" || stop "the end of $2"
}

# After an operation that may end with a notice: takes its picture and closes it with its
# default button, then waits for the page again.
notice() {  # notice NAME WHAT
  wd_wait "" 30 || stop "$2"
  if [[ "$(wd_probe top)" != *"$title_stored"* ]]; then
    shot "$1"
    key Return
  fi
  wd_wait "$title_stored" 30 || stop "the stored-settings page after $2"
}

if ((english)); then
  echo "== colour balance"
  start_wizard IDC_SELECTEDIT_COLOR_RADIO
  shot 01-choose-task-colour
  choose_printer
  shot 02-choose-printer
  wd_click "$title_driver" $WD_WIZARD_NEXT
  wd_wait "$title_start" || stop "the colour starting-setting page"
  wd_click "$title_start" IDC_COLORSELECT_LIST 40 6
  shot 03-colour-starting-setting
  wd_click "$title_start" $WD_WIZARD_NEXT
  wd_gone "$title_start" || stop "the end of the colour starting-setting page"
  wd_wait "$title_colour" || stop "the colour palette page"
  shot 04-colour-palette
  # Patch 9: second row, second column of the palette.
  wd_click "$title_colour" IDC_PALETTE 64 72
  wd_wait "$title_patch" || stop "the colour patch dialog"
  shot 05-colour-patch-dialog
  wd_click "$title_patch" IDC_COLORINPUT_HUE_LIST
  key Down Return
  wd_click "$title_patch" IDC_COLORINPUT_OK_BUTTON
  wd_wait "$title_colour" || stop "the palette after the patch dialog"
  shot 06-colour-palette-changed
  # A test print: on Wine the metafile print of this model is refused with a message.
  wd_click "$title_colour" IDC_PALETTE_TESTPRINT_BUTTON
  wait_dialog "$title_colour" "the test-print message"
  shot 07-message-box-test-print
  key Return
  wd_wait "$title_colour" || stop "the palette after the message"
  wd_click "$title_colour" $WD_WIZARD_NEXT
  wd_wait "$title_save" || stop "the save page"
  shot 08-save-setting
  # A name that is taken: the overwrite question, then the dialog for another name.
  wd_click "$title_save" IDC_SAVE_NAME_EDIT
  key ctrl+a
  type_text "Team Colours"
  wd_click "$title_save" IDC_SAVE_BUTTON
  wait_dialog "$title_save" "the overwrite question"
  shot 09-overwrite-question
  overwrite_title=$(wd_probe top)
  wd_click "$overwrite_title" IDC_SAVECHECK_OTHERNAME_BUTTON
  wd_wait "!$overwrite_title" || stop "the other-name dialog"
  shot 10-other-name-dialog
  name_title=$(wd_probe top)
  wd_click "$name_title" IDC_SAVENAME_EDIT
  key ctrl+a
  type_text "Evening"
  wd_click "$name_title" IDC_SAVENAME_OK_BUTTON
  wd_wait "$title_done" 60 || stop "the saved notice"
  shot 11-setting-saved
  key Return
  wd_wait "$title_save" || stop "the save page after saving"
  wd_click "$title_save" $WD_WIZARD_FINISH
  wd_gone "$title_save" || stop "the end of the colour wizard"
  wait "$wd_host_pid" || true

  echo "== gamma"
  start_wizard IDC_SELECTEDIT_GAMMA_RADIO
  shot 12-choose-task-gamma
  choose_printer
  wd_click "$title_driver" $WD_WIZARD_NEXT
  wd_wait "$title_start" || stop "the gamma starting-setting page"
  wd_click "$title_start" IDC_GAMMASELECT_LIST 40 6
  shot 13-gamma-starting-setting
  wd_click "$title_start" $WD_WIZARD_NEXT
  wd_gone "$title_start" || stop "the end of the gamma starting-setting page"
  wd_wait "$title_gamma" || stop "the gamma page"
  shot 14-gamma
  wd_click "$title_gamma" IDC_GAMMA_ZONE3_RADIO
  wd_click "$title_gamma" IDC_GAMMA_HUE_SLIDER
  key Right Right Right
  wd_click "$title_gamma" IDC_GAMMA_GAMMA_SLIDER
  key Right Right
  shot 15-gamma-changed
  wd_click "$title_gamma" $WD_WIZARD_NEXT
  wd_wait "$title_save" || stop "the gamma save page"
  shot 16-save-gamma-setting
  # Cancel asks first.
  wd_click "$title_save" $WD_IDCANCEL
  wait_dialog "$title_save" "the cancel question"
  shot 17-cancel-question
  key Return
  wd_gone "$title_save" || stop "the end of the gamma wizard"
  wait "$wd_host_pid" || true

  echo "== stored settings"
  start_wizard IDC_SELECTEDIT_EXCHANGE_RADIO
  shot 18-choose-task-stored-settings
  choose_printer
  wd_click "$title_driver" $WD_WIZARD_NEXT
  wd_wait "$title_stored" || stop "the stored-settings page"
  wd_click "$title_stored" IDC_EXCHANGE_LIST 40 6
  shot 19-stored-settings
  wd_click "$title_stored" IDC_EXCHANGE_EXPORT_BUTTON
  wait_dialog "$title_stored" "the export list"
  export_title=$(wd_probe top)
  # Only the setting saved above, so that the import below brings back exactly what was deleted.
  wd_click "$export_title" IDC_ADDSETTING_LIST 40 6
  shot 20-export-choose-settings
  wd_click "$export_title" IDC_ADDSETTING_CONFIRM_BUTTON
  wait_dialog "$export_title" "the export file dialog"
  shot 21-export-file-dialog
  file_dialog 'C:\users\Public\Office settings.ccm' "the export file dialog"
  notice 22-export-done "the export notice"
  # The exported setting (the list's second row) is deleted, then imported again.
  wd_click "$title_stored" IDC_EXCHANGE_LIST 40 19
  wd_click "$title_stored" IDC_EXCHANGE_DELETE_BUTTON
  wait_dialog "$title_stored" "the delete question"
  shot 23-delete-question
  key Return
  notice 23-delete-done "the deletion"
  wd_click "$title_stored" IDC_EXCHANGE_IMPORT_BUTTON
  wait_dialog "$title_stored" "the import file dialog"
  shot 24-import-file-dialog
  # The export made a folder of that name, with the setting file and the data files inside.
  file_dialog 'C:\users\Public\Office settings\Office settings.ccm' "the import file dialog"
  wait_dialog "$title_stored" "the import list"
  shot 25-import-choose-settings
  import_title=$(wd_probe top)
  wd_click "$import_title" IDC_ADDSETTING_CONFIRM_BUTTON
  wd_gone "$import_title" || stop "the end of the import list"
  notice 26-import-done-notice "the import notice"
  shot 26-stored-settings-after-import

  echo "== about box"
  key alt+space
  key Up Return
  wait_dialog "$title_stored" "the about box"
  shot 27-about
  key Return
  wd_wait "$title_stored" || stop "the wizard after the about box"

  echo "== help"
  wd_click "$title_stored" $WD_IDHELP
  wait_dialog "$title_stored" "the help window"
  sleep 2
  wizard_rect=()
  shot 28-help
  wd_stop
  wait "$wd_host_pid" 2>/dev/null || true

fi

# ---- The translated languages: the wizard opens in the language of the session's locale (Wine
# takes the user-interface language from LANG and LC_ALL), and four pages of each are kept in a
# folder named after the language. The locales are made privately (LOCPATH), so the machine
# needs none of them installed.

# A string of a language's string library, in UTF-8.
language_string() {  # language_string CODE ID
  LC_ALL=C sed -n "s/^ *$2, \"\\(.*\\)\"$/\\1/p" "$root/external/strings_${1,,}/XVSTR$1.rc" | head -1 | iconv -f CP1252 -t UTF-8
}
# The longest run of ASCII characters of a text: a part of a title to find its window by that
# does not depend on how the code pages of the shell, Wine and the probe meet.
ascii_part() { printf '%s\n' "$1" | LC_ALL=C grep -ao '[ -~]*' | awk 'length($0) > length(best) { best = $0 } END { print best }'; }
# Its last run instead: the end of a title whose start names a setting (a starting-setting page
# ends alike in every task, and the default setting's name may share its first word).
ascii_end() { printf '%s\n' "$1" | LC_ALL=C grep -ao '[ -~]*' | awk 'length($0) >= 4 { last = $0 } END { print last }'; }
language_title() {  # language_title CODE ID: of a title with arguments, the text before the first
  local text; text=$(language_string "$1" "$2"); ascii_part "${text%%%*}"
}

language_walk() {  # language_walk FOLDER LOCALE CODE
  local folder="$1" locale="$2" code="$3" edit driver start colour gamma stored task
  echo "== $folder ($locale)"
  mkdir -p "$work/locales" "$english_out/$folder"
  if [ ! -d "$work/locales/$locale.UTF-8" ]; then
    nice -n 10 localedef -i "$locale" -f UTF-8 "$work/locales/$locale.UTF-8" 2>/dev/null ||
      [ -d "$work/locales/$locale.UTF-8" ] || stop "making the locale $locale"
  fi
  out="$english_out/$folder"
  rm -f "$out"/*.png
  edit=$(language_title "$code" IDS_TITLE_SELECT_EDIT)
  driver=$(language_title "$code" IDS_TITLE_SELECT_DRIVER)
  start=$(language_string "$code" IDS_TITLE_COLOR_SETTING_SELECT); start=$(ascii_end "${start##*%s}")
  colour=$(language_title "$code" IDS_TITLE_COLOR_PALETTE)
  gamma=$(language_title "$code" IDS_TITLE_GAMMA)
  stored=$(language_title "$code" IDS_TITLE_SETTING_EXCHANGE)
  for task in colour gamma stored; do
    LOCPATH="$work/locales" LANG="$locale.UTF-8" LC_ALL="$locale.UTF-8" wd_start_host
    wd_wait "$edit" 60 || stop "the first page in $folder (is the wizard in another language?)"
    wizard_rect=("${wd_rect[@]}")
    case $task in
      colour) wd_click "$edit" IDC_SELECTEDIT_COLOR_RADIO; shot 01-choose-task ;;
      gamma) wd_click "$edit" IDC_SELECTEDIT_GAMMA_RADIO ;;
      stored) wd_click "$edit" IDC_SELECTEDIT_EXCHANGE_RADIO ;;
    esac
    wd_click "$edit" $WD_WIZARD_NEXT
    wd_wait "$driver" || stop "the printer page in $folder"
    wd_click "$driver" IDC_DRIVER_LIST 40 6
    key t
    wd_click "$driver" $WD_WIZARD_NEXT
    case $task in
      colour|gamma)
        wd_wait "$start" || stop "the $task starting-setting page in $folder"
        wd_click "$start" $WD_WIZARD_NEXT
        wd_gone "$start" || stop "the end of the $task starting-setting page in $folder"
        if [ $task = colour ]; then
          wd_wait "$colour" || stop "the colour palette in $folder"
          shot 02-colour-palette
        else
          wd_wait "$gamma" || stop "the gamma page in $folder"
          wd_click "$gamma" IDC_GAMMA_ZONE3_RADIO
          shot 03-gamma
        fi ;;
      stored)
        wd_wait "$stored" || stop "the stored-settings page in $folder"
        wd_click "$stored" IDC_EXCHANGE_LIST 40 6
        shot 04-stored-settings ;;
    esac
    wd_stop
    wait "$wd_host_pid" 2>/dev/null || true
  done
}

# ---- Five pages on a screen of 150 %: texts, palette and pictures drawn for it, not stretched.
scaled_walk() {
  echo "== 150 %"
  out="$english_out/150-percent"
  mkdir -p "$out"
  rm -f "$out"/*.png
  start_wizard IDC_SELECTEDIT_GAMMA_RADIO
  shot 01-choose-task
  choose_printer
  wd_click "$title_driver" $WD_WIZARD_NEXT
  wd_wait "$title_start" || stop "the gamma starting-setting page at 150 %"
  wd_click "$title_start" $WD_WIZARD_NEXT
  wd_gone "$title_start" || stop "the end of the gamma starting-setting page at 150 %"
  wd_wait "$title_gamma" || stop "the gamma page at 150 %"
  wd_click "$title_gamma" IDC_GAMMA_ZONE3_RADIO
  shot 02-gamma
  wd_stop
  wait "$wd_host_pid" 2>/dev/null || true

  start_wizard IDC_SELECTEDIT_COLOR_RADIO
  choose_printer
  wd_click "$title_driver" $WD_WIZARD_NEXT
  wd_wait "$title_start" || stop "the colour starting-setting page at 150 %"
  wd_click "$title_start" $WD_WIZARD_NEXT
  wd_gone "$title_start" || stop "the end of the colour starting-setting page at 150 %"
  wd_wait "$title_colour" || stop "the colour palette page at 150 %"
  wd_click "$title_colour" IDC_PALETTE "$(px 64)" "$(px 72)"
  wd_wait "$title_patch" || stop "the colour patch dialog at 150 %"
  wd_click "$title_patch" IDC_COLORINPUT_HUE_LIST
  key Down Return
  shot 04-colour-patch-dialog
  wd_click "$title_patch" IDC_COLORINPUT_OK_BUTTON
  wd_wait "$title_colour" || stop "the palette after the patch dialog at 150 %"
  shot 03-colour-palette-changed
  wd_stop
  wait "$wd_host_pid" 2>/dev/null || true

  start_wizard IDC_SELECTEDIT_EXCHANGE_RADIO
  choose_printer
  wd_click "$title_driver" $WD_WIZARD_NEXT
  wd_wait "$title_stored" || stop "the stored-settings page at 150 %"
  wd_click "$title_stored" IDC_EXCHANGE_LIST 40 "$(px 6)"
  shot 05-stored-settings
  wd_stop
  wait "$wd_host_pid" 2>/dev/null || true
}

english_out="$out"
if ((scaled)); then
  scaled_walk
  echo "screenshots: $(find "$out" -name "*.png" | wc -l) pictures in $out"
  exit 0
fi
language_walk german de_DE DEU
language_walk french fr_FR FRA
language_walk spanish es_ES ESP
language_walk italian it_IT ITA
out="$english_out"
echo "screenshots: $(find "$out" -name '*.png' | wc -l) pictures in $out"
# A whole walk ends with the pages at 150 %: another screen, so another display and prefix.
if ((english)); then
  cleanup
  trap - EXIT
  if ((quick)); then exec "$0" --quick --scaled "$build" "$out"; fi
  exec "$0" --scaled "$build" "$out"
fi
