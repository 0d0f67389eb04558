#!/usr/bin/env bash
# Compiles the help project in folder $1 (its one .hhp file) into the HTML help file $2 with
# chmcmd (Debian package fp-utils). Folder $3 is a scratch folder of the build.
#
# chmcmd 3.2.2 writes each context id's topic as the project folder's absolute path followed by
# the topic file ("/home/.../choose-task.html"), a name the compiled file does not hold, so the
# help engine finds no topic for a context id. Compiled with the project at the root of a
# private mount namespace, the topics are named "/choose-task.html", as the compiled file
# stores them. Where no private namespace can be made, the project is compiled in place and
# the build warns; the help tests then report the broken context map.
set -euo pipefail
source="$1"; output="$2"; scratch="$3"
project=$(cd "$source" && ls ./*.hhp | head -n 1); project=${project#./}
chm=$(sed -n 's/^Compiled file=//p' "$source/$project" | tr -d '\r')
root="$scratch/root"
rm -rf "$scratch"; mkdir -p "$root"
cp "$source"/* "$root/"

in_namespace() {
  local mounts=""
  for d in usr bin lib lib32 lib64 libx32 etc proc dev; do
    [ -e "/$d" ] || continue
    mkdir -p "$root/$d"
    mounts+="mount --rbind /$d '$root/$d' && "
  done
  unshare -rm --fork sh -c "${mounts}cd '$root' && chroot '$root' chmcmd --no-html-scan '/$project'" >"$scratch/log" 2>&1
}

if ! in_namespace; then
  echo "warning: no private mount namespace for chmcmd; the help file's context map names absolute paths" >&2
  rm -rf "$root"; mkdir -p "$root"; cp "$source"/* "$root/"
  (cd "$root" && chmcmd --no-html-scan "$project") >"$scratch/log" 2>&1
fi
[ -s "$root/$chm" ] || { cat "$scratch/log" >&2; echo "chmcmd made no $chm" >&2; exit 1; }
cp "$root/$chm" "$output"
