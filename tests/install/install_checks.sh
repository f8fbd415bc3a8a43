#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of the installed game, run by CTest (see CMakeLists.txt here). Each
# command works on a root folder holding an installed tree under PREFIX, as a
# staged install (DESTDIR) or an unpacked .deb leaves it:
#
#   stage    BUILD ROOT PREFIX  cmake --install BUILD into ROOT with PREFIX
#   package  OUT ROOT           scripts/package.sh builds the .deb in OUT, unpacked into ROOT
#   depends  OUT                the package's Depends name the libraries and fonts
#   layout   ROOT PREFIX BIN    the desktop entry's Exec and Icon resolve, the launcher
#                               has its sounds, and the licences are in Debian's
#                               copyright file
#   validate ROOT PREFIX        desktop-file-validate and appstreamcli accept them
#   launch   ROOT PREFIX BIN    the entry's Exec, found on the PATH (BIN), starts the game
#                               from elsewhere
#   compose  ROOT OUT           appstreamcli compose keeps the Japanese text and caches icons
set -euo pipefail

readonly icon_sizes=(16 22 24 32 48 64 128 256)
readonly sound_files=(d3l.mp3 doa.wav Smash.wav)

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

desktop_file() { echo "$1$2/share/applications/zunpeko.desktop"; }

# The value of KEY in the [Desktop Entry] group (no localised keys).
desktop_value() {
  local file=$1 key=$2
  sed -n '/^\[Desktop Entry\]/,/^\[/p' "$file" | sed -n "s/^$key=//p" | head -n 1
}

# The program of an Exec value: its first argument, quoted or not.
exec_program() {
  local value=$1
  if [[ $value == \"* ]]; then
    value=${value#\"}
    echo "${value%%\"*}"
  else
    echo "${value%% *}"
  fi
}

# The entry names its program by name alone, for the PATH to find: the same
# entry then serves any prefix whose bin folder is on the PATH.
entry_program() {
  local root=$1 prefix=$2
  local program
  program=$(exec_program "$(desktop_value "$(desktop_file "$root" "$prefix")" Exec)")
  [[ -n $program && $program != */* ]] || fail "Exec names '$program', not a program on the PATH"
  echo "$program"
}

cmd_stage() {
  local build=$1 root=$2 prefix=$3
  rm -rf "$root"
  DESTDIR=$root cmake --install "$build" --prefix "$prefix"
}

cmd_package() {
  local out=$1 root=$2
  rm -rf "$root"
  "$(dirname "$0")/../../scripts/package.sh" "$out"
  local debs=("$out"/*.deb)
  ((${#debs[@]} == 1)) || fail "expected one .deb in $out, found: ${debs[*]}"
  dpkg-deb -x "${debs[0]}" "$root"
}

cmd_depends() {
  local out=$1
  local info
  info=$(dpkg-deb -I "$out"/*.deb)
  echo "$info"
  local depends
  depends=$(sed -n 's/^ Depends: //p' <<<"$info")
  [[ -n $depends ]] || fail "the package has no Depends"
  # The fonts by hand; the libraries only appear when dpkg-shlibdeps ran.
  local needed
  for needed in fonts-ipafont-gothic fonts-ipafont-mincho libqt6widgets6 libqt6gui6 libqt6core6 \
    libsdl2-mixer-2.0-0 libsdl2-2.0-0 libc6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
  done
  grep -q '^ Section: games$' <<<"$info" || fail "the package is not in section games"
  grep -q '^ Maintainer: .*<.*@.*>' <<<"$info" || fail "the package names no maintainer address"
  grep -q '^ Package: zunpeko$' <<<"$info" || fail "the package is not called zunpeko"
  grep -q '^ Recommends: qt6-wayland$' <<<"$info" || fail "the package does not recommend qt6-wayland"
}

cmd_layout() {
  local root=$1 prefix=$2 bin=$3
  local desktop
  desktop=$(desktop_file "$root" "$prefix")
  [[ -f $desktop ]] || fail "no desktop entry at $desktop"
  cat "$desktop"

  local program icon
  program=$(entry_program "$root" "$prefix")
  icon=$(desktop_value "$desktop" Icon)
  local launcher="$root$prefix/$bin/$program"
  [[ -f $launcher && -x $launcher ]] || fail "Exec's program $program is not installed executable in $bin"
  # The launcher changes folder itself; a Path would only pin the entry to one prefix.
  [[ -z $(desktop_value "$desktop" Path) ]] || fail "the entry sets a Path"

  # The launcher starts the game in the folder of its sounds.
  local sound
  for sound in "${sound_files[@]}"; do
    [[ -s $root$prefix/share/zunpeko/$sound ]] || fail "$prefix/share/zunpeko does not hold $sound"
  done

  # The game opens the music a second time beside its own executable.
  local game="$root$prefix/libexec/zunpeko/zunpeko"
  [[ -x $game ]] || fail "the game itself is not at $game"
  [[ -s $(dirname "$game")/d3l.mp3 ]] || fail "no music beside $game"

  [[ $icon == zunpeko ]] || fail "Icon is '$icon', not the theme name zunpeko"
  local size file
  for size in "${icon_sizes[@]}"; do
    file="$root$prefix/share/icons/hicolor/${size}x$size/apps/$icon.png"
    [[ -f $file ]] || fail "no $size px icon at $file"
    [[ $(identify -format '%wx%h' "$file") == "${size}x$size" ]] || fail "$file is not $size x $size"
  done
  local svg="$root$prefix/share/icons/hicolor/scalable/apps/$icon.svg"
  [[ ! -e $svg ]] || grep -q '<svg' "$svg" || fail "$svg is not an SVG image"

  local metainfo="$root$prefix/share/metainfo/io.github.zunpeko.zunpeko.metainfo.xml"
  [[ -f $metainfo ]] || fail "no metainfo at $metainfo"
  grep -q '<launchable type="desktop-id">zunpeko.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch zunpeko.desktop"

  check_copyright "$root$prefix/share/doc/zunpeko/copyright" "$metainfo"

  # Nothing installed may point back into the build or the packaging stage.
  local leaked
  leaked=$(grep -rlI -e '_CPack_Packages' -e "$root" "$root" || true)
  [[ -z $leaked ]] || fail "files name the staging folder: $leaked"
}

# FILE is a machine-readable Debian copyright file: it declares the format,
# every licence a Files paragraph names has its own paragraph with its text or
# a pointer to a licence text the system has, and the files as a whole carry
# the licence the METAINFO declares.
check_copyright() {
  local file=$1 metainfo=$2
  [[ -f $file ]] || fail "no copyright file at $file"
  [[ $(head -n 1 "$file") == 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ]] ||
    fail "$file does not start with the machine-readable format line"

  local problems
  problems=$(awk '
    BEGIN { RS = ""; FS = "\n" }
    {
      files = 0; copyright = 0; license = ""; body = 0
      for (i = 1; i <= NF; i++) {
        if ($i ~ /^Files:/) files = 1
        else if ($i ~ /^Copyright: *[^ ]/) copyright = 1
        else if ($i ~ /^License:/) { license = $i; sub(/^License: */, "", license) }
        else if ($i ~ /^ /) body++
      }
      if (files && !copyright) print "a Files paragraph has no Copyright: " $1
      if (files && license == "") print "a Files paragraph has no License: " $1
      if (files) used[license] = 1
      else if (license != "" && NR > 1 && body > 0) defined[license] = 1
    }
    END { for (l in used) if (!(l in defined)) print "licence " l " has no paragraph of its own" }
  ' "$file")
  [[ -z $problems ]] || fail "$file: $problems"

  local text
  for text in $(grep -o '/usr/share/common-licenses/[A-Za-z0-9.+-]*' "$file"); do
    [[ -f $text ]] || fail "$file points at $text, which this system does not have"
  done

  local declared
  declared=$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' "$metainfo")
  [[ $declared == GPL-3.0-or-later ]] || fail "the metainfo declares the licence '$declared'"
  awk 'BEGIN { RS = "" } /^Files: \*\n/' "$file" | grep -qx 'License: GPL-3+' ||
    fail "the copyright file does not put all files under GPL-3+, the metainfo's $declared"
}

cmd_validate() {
  local root=$1 prefix=$2
  desktop-file-validate "$(desktop_file "$root" "$prefix")"
  appstreamcli validate --no-net --pedantic "$root$prefix/share/metainfo/io.github.zunpeko.zunpeko.metainfo.xml"
}

cmd_compose() {
  rm -rf "$2"
  appstreamcli compose --no-net --print-report=full --origin=zunpeko --result-root="$2" "$1"
  zcat "$2"/usr/share/swcatalog/xml/zunpeko.xml.gz | grep '<description xml:lang="ja">' || fail "no Japanese description"
  ls "$2"/usr/share/swcatalog/icons/zunpeko/{48x48,64x64,128x128}/io.github.zunpeko.zunpeko.png
}

# Starts COMMAND in DIR with the offscreen platform and says whether its
# start-up got past the sound files: the hi-score table, which the window
# loads after its players have opened their files, has been written to the
# new user's store and, a second after the start, the program is still
# running and has reported none of its start-up failures (it names the file
# it could not open on stderr, "zunpeko: ..."). Waits up to ten seconds, so a
# slow build is not mistaken for a good start. Leaves DIR/stderr.
started_well() {
  local dir=$1
  shift
  rm -rf "$dir/data"
  (cd "$dir" && exec env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
    XDG_DATA_HOME="$dir/data" XDG_CONFIG_HOME="$dir/config" XDG_RUNTIME_DIR="$dir/runtime" \
    "$@" >"$dir/stdout" 2>"$dir/stderr") &
  local pid=$! tenths=0 verdict=
  while [[ -z $verdict ]]; do
    sleep 0.1
    tenths=$((tenths + 1))
    if grep -q '^zunpeko: ' "$dir/stderr" || ! kill -0 "$pid" 2>/dev/null; then
      verdict=failed
    elif ((tenths >= 10)) && [[ -s $dir/data/zunpeko/user.reg ]]; then
      verdict=started
    elif ((tenths >= 100)); then
      echo "after ten seconds the hi-score table is still not loaded" >>"$dir/stderr"
      verdict=failed
    fi
  done
  stop "$pid"
  [[ $verdict == started ]]
}

# Ends a program the way a desktop session does, by force if it lingers.
stop() {
  local pid=$1 tenths=0
  kill -TERM "$pid" 2>/dev/null || true
  while kill -0 "$pid" 2>/dev/null && ((tenths++ < 50)); do
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

cmd_launch() {
  local root=$1 prefix=$2 bin=$3
  local program
  program=$(entry_program "$root" "$prefix")
  work=$(mktemp -d) # global: the exit trap reads it
  trap 'rm -rf "$work"' EXIT
  mkdir -m 700 "$work/runtime"

  # The check can see a failure: the game itself, started where there are
  # no sound files, stops on the first one it cannot open.
  ! started_well "$work" "$root$prefix/libexec/zunpeko/zunpeko" ||
    fail "started without its sounds, the game reported nothing: the check below could not fail"
  grep '^zunpeko: ' "$work/stderr"

  if ! started_well "$work" env PATH="$root$prefix/$bin:$PATH" "$program"; then
    cat "$work/stderr" >&2
    fail "$program, started from $work, did not keep running without errors"
  fi
  echo "$program from $prefix/$bin ran from $work without a start-up error"
}

command=${1:?usage: install_checks.sh stage|package|depends|layout|validate|launch|compose ...}
shift
case $command in
  stage | package | depends | layout | validate | launch | compose) "cmd_$command" "$@" ;;
  *) fail "unknown command $command" ;;
esac
