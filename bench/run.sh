#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the game as a user meets it, next to a minimal Qt Widgets program of
# the same shape (bench/floor), all on a private Xvfb display:
#   start-up time (median of RUNS), idle cost on the title screen over 10 s,
#   CPU share through one whole game driven by synthetic clicks, peak resident
#   memory after that game, the game's wall time against its nominal tick
#   periods, and the micro-benchmarks of the tick, a press and DrawBoard.
# The floor also runs a second time with Japanese text in the game's two faces
# ("floor-ja"), to tell what the fonts cost from what the game itself costs,
# and a third time with SDL2_mixer and the libraries it brings mapped in as
# well ("floor-snd"), to tell what the sound stack costs by merely being there.
# Start-up is measured twice: on a machine without a sound device (no server
# to find, SDL's own choice of driver) and with a PulseAudio server of the
# script's own running. With the server: the wake-ups on the title screen and
# between games, and the delay from a press on a mole to the onset of its hit
# sound in a recording of the server's null sink (tests/pulse/soundcheck.py;
# presses and recording on one clock).
# BASELINE=REV also builds that revision of the game (git archive) and
# measures it beside this one as "before", in the same run.
# Builds in Release into build-bench/ (or BENCH_BUILD_DIR) and prints a Markdown
# report, also kept with the raw data in <build>/perf/.
#
#   bench/run.sh              RUNS=11 by default; ZUNPEKO_JOBS=2 build jobs
#   BASELINE=a0fc184 bench/run.sh
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench}
runs=${RUNS:-11}
idle_seconds=10
client_height=334

# Client-area points: a bare spot of the title panel (silver), the same spot
# once the panel has slid away (the window's pale yellow), and "START!!".
readonly title_probe=10,200,c0c0c0
readonly game_probe=10,200,ffff80
readonly start_button=(320 300)

subjects=(game floor floor-ja floor-snd)
games=(game)
declare -A command startup startup_pulse idle_cpu_ms idle_wakeups idle_threads hwm anon fonts
declare -A between_wakeups between_threads latency game_cpu game_wall

log() { echo "bench: $*" >&2; }

build_all() {
  if [[ ! -f $build/build.ninja ]]; then
    # Release at -O2, as Debian builds its packages (GCC 12 at -O3 also warns
    # falsely about std::string concatenation, and warnings are errors here).
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
      -DZUNPEKO_BUILD_TESTS=OFF -DZUNPEKO_BUILD_BENCHMARKS=ON >&2
  fi
  cmake --build "$build" --parallel "${ZUNPEKO_JOBS:-2}" >&2
  if [[ -n ${BASELINE:-} ]]; then
    local src=$build/baseline/src rev
    rev=$(git -C "$root" rev-parse "$BASELINE")
    # Unpacked once per revision: fresh files would rebuild it all.
    if [[ $(cat "$build/baseline/revision" 2>/dev/null) != "$rev" ]]; then
      rm -rf "$src"
      mkdir -p "$src"
      git -C "$root" archive "$rev" | tar -x -C "$src"
      echo "$rev" >"$build/baseline/revision"
    fi
    cmake -S "$src" -B "$build/baseline/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DZUNPEKO_BUILD_TESTS=OFF \
      -DZUNPEKO_BUILD_BENCHMARKS=OFF >&2
    cmake --build "$build/baseline/build" --parallel "${ZUNPEKO_JOBS:-2}" --target zunpeko >&2
  fi
}

start_display() {
  local n tries
  for n in $(seq 90 140); do
    [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$perf/xvfb.log" 2>&1 &
    xvfb_pid=$!
    tries=0
    until [[ -e /tmp/.X11-unix/X$n ]]; do
      ((++tries < 100)) || { log "Xvfb :$n did not start"; exit 1; }
      sleep 0.05
    done
    export DISPLAY=:$n
    return
  done
  log "no free display number"
  exit 1
}

stop_everything() {
  local pid
  ((BASHPID == $$)) || return 0
  for pid in "${started[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  [[ -z ${xvfb_pid:-} ]] || kill "$xvfb_pid" 2>/dev/null || true
}

# The probe's key=value line as shell variables prefixed with p_.
read_probe() {
  local pair
  for pair in $1; do
    printf -v "p_${pair%%=*}" '%s' "${pair#*=}"
  done
}

# Starts a subject under the probe, from its own folder (the game finds its
# sounds there): its window mapped, then the title screen's silver painted.
# Prints the probe's line. Extra arguments (--keep) go to the probe.
probe_launch() {
  local subject=$1
  shift
  local argv=(${command[$subject]})
  (cd "$(dirname "${argv[0]}")" &&
    "$build/bench/zunpeko_window_probe" launch --pixel "$title_probe" \
      --client-height "$client_height" "$@" -- "${argv[@]}")
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
hwm_kib() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }
anon_kib() { awk '/^RssAnon:/ { print $2 }' "/proc/$1/status"; }

# Resident pages of the font files the process has mapped: shared with every
# other program using those faces, but counted in its resident size.
font_kib() {
  awk '/^[0-9a-f]+-[0-9a-f]+ / { font = ($6 ~ /\/fonts\//) } /^Rss:/ && font { n += $2 } END { print n + 0 }' \
    "/proc/$1/smaps"
}

# Voluntary context switches of every thread of the process (its wake-ups).
wakeups() {
  cat /proc/"$1"/task/*/status 2>/dev/null |
    awk '/^voluntary_ctxt_switches:/ { n += $2 } END { print n }'
}

# One line per thread: id, name, voluntary context switches so far.
thread_switches() {
  local task
  for task in /proc/"$1"/task/*; do
    printf '%s %s %s\n' "${task##*/}" "$(tr ' ' _ <"$task/comm")" \
      "$(awk '/^voluntary_ctxt_switches:/ { print $2 }' "$task/status")"
  done
}

# Each thread's wake-ups between two of those snapshots, as name=count.
thread_wakeups() {
  awk 'NR == FNR { before[$1] = $3; next } { printf "%s=%d ", $2, $3 - before[$1] }' "$1" "$2"
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

# a / b to two decimals.
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# "met" when value is at most (or with "below", under) the target.
verdict() {
  awk -v v="$1" -v t="$2" -v strict="${3:-}" \
    'BEGIN { print ((strict == "below") ? v < t : v <= t) ? "met" : "missed" }'
}

# Start-up of every subject, RUNS times each; the medians go to the array
# named by $1.
measure_startup() {
  local -n result=$1
  local i subject line n=${#subjects[@]}
  local -A times
  for ((i = 0; i < runs; i++)); do
    # Rotate the order, so no subject always starts on the warmest cache.
    local order=("${subjects[@]:i%n}" "${subjects[@]:0:i%n}")
    for subject in "${order[@]}"; do
      line=$(probe_launch "$subject")
      read_probe "$line"
      echo "$1 $subject $line" >>"$perf/startup.txt"
      times[$subject]+="$p_painted_ms "
    done
  done
  for subject in "${subjects[@]}"; do
    result[$subject]=$(printf '%s\n' ${times[$subject]} | median)
  done
}

# Starts a subject and leaves it on its first screen; sets p_pid and friends.
launch_and_keep() {
  local line
  line=$(probe_launch "$1" --keep)
  read_probe "$line"
  started+=("$p_pid")
}

# Idle cost of a subject's process over idle_seconds, on its first screen.
measure_idle() {
  local subject=$1 pid=$2 ticks0 ticks1 wake0 wake1
  sleep 1
  ticks0=$(cpu_ticks "$pid")
  wake0=$(wakeups "$pid")
  thread_switches "$pid" >"$perf/threads-before.txt"
  sleep "$idle_seconds"
  ticks1=$(cpu_ticks "$pid")
  wake1=$(wakeups "$pid")
  thread_switches "$pid" >"$perf/threads-after.txt"
  idle_cpu_ms[$subject]=$(((ticks1 - ticks0) * 1000 / clk_tck))
  idle_wakeups[$subject]=$((wake1 - wake0))
  idle_threads[$subject]=$(thread_wakeups "$perf/threads-before.txt" "$perf/threads-after.txt")
}

measure_memory() {
  local subject=$1 pid=$2
  hwm[$subject]=$(hwm_kib "$pid")
  anon[$subject]=$(anon_kib "$pid")
  fonts[$subject]=$(font_kib "$pid")
}

# Clicks the centres of the twelve hit boxes in turn, ten times a second, for
# `seconds`, in one xdotool process.
click_holes() {
  local left=$1 top=$2 seconds=$3 args=() i r c
  for ((i = 0; i < seconds * 10; i++)); do
    r=$((i % 12 / 4))
    c=$((i % 4))
    args+=(mousemove "$((left + 75 + 100 * c))" "$((top + 85 + 70 * r))" click 1 sleep 0.1)
  done
  xdotool "${args[@]}" >/dev/null 2>&1 &
  clicker_pid=$!
  started+=("$clicker_pid")
}

# A name prompt for a new hi-score is a second window of the game: cancel it.
dismiss_name_prompt() {
  local pid=$1 main=$2 window
  sleep 0.5
  for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
    if ((window != main)); then
      # A window gone meanwhile (a hint popup) is no prompt.
      xdotool key --window "$window" Escape 2>/dev/null && log "dismissed the hi-score name prompt"
    fi
  done
  return 0
}

# One game from "START!!" until the title screen is back, clicked throughout.
measure_game() {
  local pid=$1 left=$2 top=$3 window=$4 ticks0 ticks1 t0 t1
  xdotool mousemove "$((left + start_button[0]))" "$((top + start_button[1]))" click 1
  t0=$(date +%s%N)
  ticks0=$(cpu_ticks "$pid")
  # Looking ten times a second leaves the display server to the game.
  "$build/bench/zunpeko_window_probe" wait --pid "$pid" --pixel "$game_probe" --poll-ms 100 >/dev/null
  click_holes "$left" "$top" 60
  "$build/bench/zunpeko_window_probe" wait --pid "$pid" --pixel "$title_probe" --poll-ms 100 \
    --timeout-ms 90000 >/dev/null
  ticks1=$(cpu_ticks "$pid")
  t1=$(date +%s%N)
  kill "$clicker_pid" 2>/dev/null || true
  dismiss_name_prompt "$pid" "$window"
  game_wall_ms=$(((t1 - t0) / 1000000))
  game_cpu_ms=$(((ticks1 - ticks0) * 1000 / clk_tck))
}

# The game's own account of its ticks (the "zunpeko.ticks" log messages on
# its standard error): the time from starting the tick timer (the second one
# made) to its last firing, against the sum of the intervals it waited; and the
# countdown's steps (the first timer), from its start to each firing.
analyse_trace() {
  if ! grep -q '^zunpeko.ticks ' "$1" 2>/dev/null; then
    echo "trace_ticks=0 trace_nominal_ms=0 trace_wall_ms=0 trace_error_pct=n/a" \
      "trace_steps=0 trace_step_min_ms=n/a trace_step_max_ms=n/a trace_step_off_ms=n/a"
    return
  fi
  awk '
    function abs(v) { return v < 0 ? -v : v }
    $1 != "zunpeko.ticks" { next }
    $2 == "on" && $3 ~ /^2/ { start = $4; sum = 0; ticks = 0 }
    $2 == "fire" && $3 ~ /^2/ && start { sum += $5; last = $4; ticks++ }
    $2 == "on" && $3 ~ /^1/ { before = $4; steps = 0; low = 1e9; high = 0; off = 0 }
    $2 == "fire" && $3 ~ /^1/ && before {
      step = ($4 - before) / 1e6; before = $4; steps++
      if (step < low) low = step
      if (step > high) high = step
      if (abs(step - $5) > off) off = abs(step - $5)
    }
    END {
      wall = (last - start) / 1e6
      printf "trace_ticks=%d trace_nominal_ms=%d trace_wall_ms=%.1f trace_error_pct=%.2f ",
             ticks, sum, wall, (wall - sum) * 100 / sum
      printf "trace_steps=%d trace_step_min_ms=%.1f trace_step_max_ms=%.1f trace_step_off_ms=%.1f\n",
             steps, low, high, off
    }' "$1"
}

run_microbenchmarks() {
  local bench
  for bench in "$build"/bench/zunpeko_bench_*; do
    [[ $bench == *floor ]] && continue
    "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
      --benchmark_min_time=0.2 2>/dev/null | grep -E '_(median|stddev) ' || true
  done
}

machine() {
  echo '```'
  lscpu | grep -E '^(Model name|CPU\(s\)|Thread|Core|Socket|CPU max MHz|L3)' || true
  free -m | awk 'NR <= 2'
  echo "Debian $(cat /etc/debian_version), kernel $(uname -r)"
  dpkg-query -W -f='${Package} ${Version}\n' libqt6core6 libsdl2-2.0-0 libsdl2-mixer-2.0-0 xvfb
  echo '```'
}

# The value of array $1 at key $2, or a dash.
cell() {
  local -n values=$1
  echo "${values[$2]:-—}"
}

ms_cell() {
  local v
  v=$(cell "$1" "$2")
  if [[ $v == — ]]; then echo —; else echo "$v ms"; fi
}

mib_cell() {
  local v
  v=$(cell "$1" "$2")
  if [[ $v == — ]]; then echo —; else echo "$(mib "$v") MiB"; fi
}

report() {
  local idle_pct play_pct trace_verdict=missed
  local ratio_nodev ratio_pulse hwm_ratio lat_median
  idle_pct=$(awk -v c="${idle_cpu_ms[game]}" -v s="$idle_seconds" 'BEGIN { printf "%.2f", c / (s * 10) }')
  play_pct=$(awk -v c="${game_cpu[game]}" -v w="${game_wall[game]}" 'BEGIN { printf "%.2f", c * 100 / w }')
  ratio_nodev=$(ratio "${startup[game]}" "${startup[floor-ja]}")
  ratio_pulse=$(ratio "${startup_pulse[game]}" "${startup_pulse[floor-ja]}")
  hwm_ratio=$(ratio "${hwm[game]}" "${hwm[floor-ja]}")
  read_probe "$trace_line"
  local trace_abs=${p_trace_error_pct#-}
  [[ $trace_abs == n/a ]] || trace_verdict=$(verdict "$trace_abs" 1)
  local step_verdict=missed
  [[ $p_trace_step_off_ms == n/a ]] || step_verdict=$(verdict "$p_trace_step_off_ms" 5)
  lat_median=$(awk -v l="${latency[game]:-}" 'BEGIN { split(l, w, " "); print (w[2] == "" ? 999 : w[2]) }')

  cat <<REPORT
## Figures ($(date -u +%Y-%m-%d), $runs start-ups each${BASELINE:+; before: $BASELINE})

| measure | game | before | floor | floor-ja | target | result |
|---|---|---|---|---|---|---|
| start-up to painted title, no sound device (median) | $(ms_cell startup game) | $(ms_cell startup before) | $(ms_cell startup floor) | $(ms_cell startup floor-ja) | ≤ 1.3 × floor-ja | $ratio_nodev × — $(verdict "$ratio_nodev" 1.3) |
| start-up to painted title, PulseAudio running (median) | $(ms_cell startup_pulse game) | $(ms_cell startup_pulse before) | $(ms_cell startup_pulse floor) | $(ms_cell startup_pulse floor-ja) | ≤ 1.3 × floor-ja | $ratio_pulse × — $(verdict "$ratio_pulse" 1.3) |
| CPU on the title screen over ${idle_seconds} s | ${idle_cpu_ms[game]} ms ($idle_pct %) | $(ms_cell idle_cpu_ms before) | ${idle_cpu_ms[floor]} ms | ${idle_cpu_ms[floor-ja]} ms | < 1 % | $(verdict "$idle_pct" 1 below) |
| wake-ups on the title screen over ${idle_seconds} s (all threads) | ${idle_wakeups[game]} | $(cell idle_wakeups before) | ${idle_wakeups[floor]} | ${idle_wakeups[floor-ja]} | ≤ 10 | $(verdict "${idle_wakeups[game]}" 10) |
| wake-ups between games over ${idle_seconds} s (all threads) | ${idle_wakeups[game:between]} | $(cell idle_wakeups before:between) | — | — | ≤ 10 | $(verdict "${idle_wakeups[game:between]}" 10) |
| CPU share through one game (${game_wall[game]} ms) | ${game_cpu[game]} ms ($play_pct % of a core) | $(ms_cell game_cpu before) | — | — | < 5 % | $(verdict "$play_pct" 5 below) |
| peak resident memory (games: after one game) | $(mib "${hwm[game]}") MiB | $(mib_cell hwm before) | $(mib "${hwm[floor]}") MiB | $(mib "${hwm[floor-ja]}") MiB | ≤ 1.3 × floor-ja | $hwm_ratio × — $(verdict "$hwm_ratio" 1.3) |
| resident now: private (anonymous) memory | $(mib "${anon[game]}") MiB | $(mib_cell anon before) | $(mib "${anon[floor]}") MiB | $(mib "${anon[floor-ja]}") MiB | (reported) | — |
| resident now: pages of mapped font files | $(mib "${fonts[game]}") MiB | $(mib_cell fonts before) | $(mib "${fonts[floor]}") MiB | $(mib "${fonts[floor-ja]}") MiB | (reported) | — |
| press on a mole to the onset of its sound, through PulseAudio | $(cell latency game) | $(cell latency before) | — | — | median ≤ 30 ms | $(verdict "$lat_median" 30) |
| game wall time against its nominal ticks ($p_trace_ticks ticks) | $p_trace_wall_ms ms vs $p_trace_nominal_ms ms | — | — | — | within 1 % | $p_trace_error_pct % — $trace_verdict |
| countdown steps ($p_trace_steps) | $p_trace_step_min_ms–$p_trace_step_max_ms ms | — | — | — | 1000 ms within 5 ms | $p_trace_step_off_ms ms off — $step_verdict |

Against the plain floor: start-up $(ratio "${startup[game]}" "${startup[floor]}") × (no device), $(ratio "${startup_pulse[game]}" "${startup_pulse[floor]}") × (PulseAudio); peak memory $(ratio "${hwm[game]}" "${hwm[floor]}") ×.

floor-ja with SDL2_mixer and its libraries mapped in (floor-snd): start-up $(ms_cell startup floor-snd) (no device), $(ms_cell startup_pulse floor-snd) (PulseAudio); peak memory $(mib "${hwm[floor-snd]}") MiB. Against it, the game: start-up $(ratio "${startup[game]}" "${startup[floor-snd]}") × (no device), $(ratio "${startup_pulse[game]}" "${startup_pulse[floor-snd]}") × (PulseAudio); peak memory $(ratio "${hwm[game]}" "${hwm[floor-snd]}") ×.

Wake-ups by thread over the ${idle_seconds} s, game on the title screen: \`${idle_threads[game]}\`;
between games: \`${idle_threads[game:between]}\`${BASELINE:+; before, title screen: \`${idle_threads[before]}\`; before, between games: \`${idle_threads[before:between]}\`}

### Micro-benchmarks (median and spread of 5 repetitions)

\`\`\`
$micro
\`\`\`

### Machine

$(machine)
REPORT
}

# Two games of a game subject with the test sounds (tests/pulse/soundcheck.py),
# recorded from the server's null sink: presses on the twelve holes in turn,
# five a second, and each hit's delay from its press to the onset of its sound.
measure_latency() {
  local subject=$1 dir=$perf/latency-$1 line points=() i game recorder
  rm -rf "$dir"
  mkdir -p "$dir"
  python3 "$soundcheck" sounds "$dir"
  # The music is opened again beside the executable.
  cp "${command[$subject]}" "$dir/zunpeko"
  python3 "$soundcheck" record "$dir/rec.raw" &
  recorder=$!
  started+=("$recorder")
  line=$(cd "$dir" && "$build/bench/zunpeko_window_probe" launch --pixel "$title_probe" \
    --client-height "$client_height" --keep -- "$dir/zunpeko")
  read_probe "$line"
  started+=("$p_pid")
  local left=$p_left top=$((p_top + p_client_top))
  for ((i = 0; i < 140; i++)); do
    points+=($((left + 75 + 100 * (i % 4))) $((top + 85 + 70 * (i % 12 / 4))))
  done
  # Blind presses hit one time in five to ten: two games give twenty hits
  # and more.
  for game in 1 2; do
    xdotool mousemove "$((left + start_button[0]))" "$((top + start_button[1]))" click 1
    "$build/bench/zunpeko_window_probe" wait --pid "$p_pid" --pixel "$game_probe" --poll-ms 100 >/dev/null
    sleep 3
    python3 "$soundcheck" click --gap 0.2 "${points[@]}" >>"$dir/presses.txt"
    "$build/bench/zunpeko_window_probe" wait --pid "$p_pid" --pixel "$title_probe" --poll-ms 100 \
      --timeout-ms 90000 >/dev/null || true
    dismiss_name_prompt "$p_pid" "$p_window"
    xdotool mousemove 0 0
  done
  kill "$p_pid"
  sleep 0.5
  kill "$recorder"
  wait "$recorder" 2>/dev/null || true
  line=$(python3 "$soundcheck" latency "$dir/rec.raw" "$dir/presses.txt") || true
  log "$subject: $line"
  read_probe "$line"
  latency[$subject]="median ${p_median_ms} ms, max ${p_max_ms} ms (${p_hits} hits)"
}

# A game subject on the title screen, then through one game, then between
# games; with the server running.
measure_game_subject() {
  local subject=$1
  log "$subject idle for ${idle_seconds} s, then one game, then idle again"
  if [[ $subject == game ]]; then
    QT_LOGGING_RULES="zunpeko.ticks.debug=true" QT_MESSAGE_PATTERN="%{category} %{message}" \
      launch_and_keep "$subject" 2>>"$perf/ticks.txt"
  else
    launch_and_keep "$subject"
  fi
  measure_idle "$subject" "$p_pid"
  measure_game "$p_pid" "$p_left" "$((p_top + p_client_top))" "$((p_window))"
  game_cpu[$subject]=$game_cpu_ms
  game_wall[$subject]=$game_wall_ms
  # The pointer off the window: resting on a hyperlink label it would keep
  # that label's hover tracking awake, which is no cost of sound. Then the
  # end sound, and the device's second of grace.
  xdotool mousemove 0 0
  sleep 3
  measure_idle "$subject:between" "$p_pid"
  measure_memory "$subject" "$p_pid"
  kill "$p_pid"
  log "$subject: press to hit sound"
  measure_latency "$subject"
}

main() {
  build_all
  perf=$build/perf
  rm -rf "$perf"
  mkdir -p "$perf/data" "$perf/runtime"
  chmod 700 "$perf/runtime"
  soundcheck=$root/tests/pulse/soundcheck.py
  . "$root/tests/pulse/pulse.sh"
  command[game]=$build/bin/zunpeko
  command[floor]=$build/bench/zunpeko_bench_floor
  command[floor-ja]="$build/bench/zunpeko_bench_floor --japanese"
  command[floor-snd]="env LD_PRELOAD=libSDL2_mixer-2.0.so.0 $build/bench/zunpeko_bench_floor --japanese"
  if [[ -n ${BASELINE:-} ]]; then
    command[before]=$build/baseline/build/bin/zunpeko
    subjects=(game before floor floor-ja floor-snd)
    games=(game before)
  fi
  clk_tck=$(getconf CLK_TCK)
  started=()
  trap 'stop_pulse; stop_everything' EXIT
  start_display
  # A fresh hi-score table; no sound server to be found and no driver named:
  # a machine without a sound device, SDL making its own choice.
  export XDG_DATA_HOME=$perf/data XDG_RUNTIME_DIR=$perf/runtime
  unset SDL_AUDIODRIVER PULSE_SERVER

  log "start-up without a sound device, $runs runs of each"
  measure_startup startup

  start_pulse "$perf/pulse"
  log "start-up with a PulseAudio server, $runs runs of each"
  measure_startup startup_pulse

  local subject
  for subject in floor floor-ja floor-snd; do
    log "$subject idle for ${idle_seconds} s"
    launch_and_keep "$subject"
    measure_idle "$subject" "$p_pid"
    measure_memory "$subject" "$p_pid"
    kill "$p_pid"
  done
  for subject in "${games[@]}"; do
    measure_game_subject "$subject"
  done
  stop_pulse
  trace_line=$(analyse_trace "$perf/ticks.txt")

  log "micro-benchmarks"
  micro=$(run_microbenchmarks)

  report | tee "$perf/report.md"
}

main "$@"
