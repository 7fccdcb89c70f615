#!/usr/bin/env bash
# Makes the program's sons/ folder: spoken announcements (espeak-ng, French
# and English voices) and signal sounds (sox), all 22050 Hz mono 16-bit PCM
# WAV, peak-normalised, which PlaySoundA plays as they are.
# Usage: gen_sounds.sh OUTDIR   (writes OUTDIR/sons/*.wav)
# A file newer than this script is kept, so a second run costs nothing.
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 OUTDIR" >&2
  exit 2
fi
for tool in espeak-ng sox; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (run scripts/setup)" >&2; exit 1; }
done

self=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/$(basename "${BASH_SOURCE[0]}")
out=$1/sons
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# -R: repeatable (fixed seeds), so the same script always makes the same bytes.
SOX=(sox -R -V1)
FORMAT=(-r 22050 -c 1 -b 16 -e signed-integer)

fresh() { [ -f "$1" ] && [ "$1" -nt "$self" ]; }

# speak NAME VOICE TEXT: one announcement, trimmed of the synthesiser's
# leading and trailing silence, compressed so that it carries over a noisy
# track, then normalised to -1 dBFS with a little air around it.
speak() {
  local name=$1 voice=$2 text=$3
  local dest=$out/$name.wav tmp=$work/$name.wav
  fresh "$dest" && return 0
  espeak-ng -v "$voice" -s 150 -p 45 --stdout "$text" |
    "${SOX[@]}" -t wav - "${FORMAT[@]}" "$tmp" \
      silence 1 0.02 0.5% reverse silence 1 0.02 0.5% reverse \
      compand 0.002,0.08 3:-80,-80,-40,-24,-20,-12,0,-8 0 -90 0.01 \
      gain -n -1 pad 0.05 0.10
  mv -f "$tmp" "$dest"
}

# make_signal NAME PEAK_DB COMMAND...: COMMAND writes the file named by its
# last argument. Signals are steady tones, far denser than speech, so their
# peaks are set lower to sound about as loud as the voices.
make_signal() {
  local name=$1 peak=$2; shift 2
  local dest=$out/$name.wav tmp=$work/$name.sig.wav
  fresh "$dest" && return 0
  "$@" "$tmp"
  "${SOX[@]}" "$tmp" "${FORMAT[@]}" "$work/$name.norm.wav" gain -n "$peak"
  mv -f "$work/$name.norm.wav" "$dest"
}

tone() {  # tone SECONDS OUT: the SMS tone, a soft-edged 1.8 kHz beep with an octave overtone
  "${SOX[@]}" -n "${FORMAT[@]}" "$2" synth "$1" sine 1800 synth "$1" sine mix 3600 \
    gain -n -6 fade h 0.006 "$1" 0.012
}
gap() { "${SOX[@]}" -n "${FORMAT[@]}" "$2" trim 0 "$1"; }

# "S M S" in Morse, the classic message chime: ... -- ...
nokia_sms() {
  local d=$work/sms; mkdir -p "$d"
  tone 0.075 "$d/dot.wav"; tone 0.225 "$d/dash.wav"
  gap 0.075 "$d/g.wav"; gap 0.18 "$d/lg.wav"
  local s=("$d/dot.wav" "$d/g.wav" "$d/dot.wav" "$d/g.wav" "$d/dot.wav")
  "${SOX[@]}" "${s[@]}" "$d/lg.wav" "$d/dash.wav" "$d/g.wav" "$d/dash.wav" "$d/lg.wav" "${s[@]}" "$1"
}

# A short clean beep for every accepted passing: it must not mask the next one.
beep1() {
  "${SOX[@]}" -n "${FORMAT[@]}" "$1" synth 0.14 sine 1500 synth 0.14 sine mix 3000 \
    gain -n -8 fade h 0.004 0.14 0.04
}

# The refused-passing buzzer: two detuned low square waves beating, muffled.
buzz() {
  "${SOX[@]}" -n "${FORMAT[@]}" "$1" synth 0.45 square 110 synth 0.45 sawtooth mix 116.5 \
    lowpass 2200 gain -n -3 fade h 0.01 0.45 0.06
}

# "Youpi!": a slide up and a bright major arpeggio for a new personal best.
youpi() {
  local d=$work/youpi; mkdir -p "$d"
  "${SOX[@]}" -n "${FORMAT[@]}" "$d/0.wav" synth 0.12 triangle 600/1400 fade h 0.005 0.12 0.01
  local i=1 note
  for note in C6 E6 G6; do
    "${SOX[@]}" -n "${FORMAT[@]}" "$d/$i.wav" synth 0.085 triangle "$note" synth 0.085 sine mix "$note" \
      fade h 0.004 0.085 0.015
    i=$((i + 1))
  done
  "${SOX[@]}" -n "${FORMAT[@]}" "$d/4.wav" synth 0.32 triangle C7 synth 0.32 sine mix E7 \
    tremolo 9 30 fade h 0.004 0.32 0.2
  "${SOX[@]}" "$d/0.wav" "$d/1.wav" "$d/2.wav" "$d/3.wav" "$d/4.wav" "$1" reverb 25 50 40
}

# A long low foghorn: detuned sawtooths, heavily low-passed, slow swell and decay.
foghorn() {
  "${SOX[@]}" -n "${FORMAT[@]}" "$1" synth 1.8 sawtooth 98 synth 1.8 sawtooth mix 98.8 \
    synth 1.8 sine mix 49 lowpass 520 lowpass 700 tremolo 4 12 \
    fade q 0.18 1.8 0.55 reverb 30 50 60
}

# A truck's air horn: two bright reedy tones a minor third apart, a hard
# attack and a little grit.
truckhorn() {
  "${SOX[@]}" -n "${FORMAT[@]}" "$1" synth 1.3 sawtooth 233 synth 1.3 sawtooth mix 277 \
    synth 1.3 square mix 116.5 overdrive 8 lowpass 2800 highpass 90 \
    fade h 0.03 1.3 0.18
}

# Announcements: file name, voice, words. French files take voice fr; the
# English ones end in GB and take voice en.
announcements() {
  cat <<'EOF'
60minutes	fr	Soixante minutes.
30minutes	fr	Trente minutes.
15minutes	fr	Quinze minutes.
5minutes	fr	Cinq minutes.
2minutes	fr	Deux minutes.
1minute	fr	Une minute.
30secondes	fr	Trente secondes.
10secondes	fr	Dix secondes.
cinq	fr	Cinq.
quatre	fr	Quatre.
trois	fr	Trois.
deux	fr	Deux.
un	fr	Un.
miCourse	fr	Mi-course.
60minutesGB	en	Sixty minutes.
30minutesGB	en	Thirty minutes.
15minutesGB	en	Fifteen minutes.
5minutesGB	en	Five minutes.
2minutesGB	en	Two minutes.
1minuteGB	en	One minute.
30secondesGB	en	Thirty seconds.
10secondesGB	en	Ten seconds.
cinqGB	en	Five.
quatreGB	en	Four.
troisGB	en	Three.
deuxGB	en	Two.
unGB	en	One.
miCourseGB	en	Half race.
5minutesRaceGB	en	Five minutes to go.
EOF
  local car
  for car in $(seq 1 20); do
    printf 'FinCourseVoiture%d\tfr\tFin de course, voiture %d.\n' "$car" "$car"
    printf 'FinCourseVoiture%dGB\ten\tCar %d finished.\n' "$car" "$car"
  done
}

export -f speak fresh
export out work self
export SOX_CMD="${SOX[*]}" FORMAT_CMD="${FORMAT[*]}"

# espeak-ng and sox are single-threaded: run one announcement per core.
# Only stale files reach xargs, so a rerun starts no process per file.
stale_announcements() {
  local name voice text
  while IFS=$'\t' read -r name voice text; do
    fresh "$out/$name.wav" || printf '%s\0%s\0%s\0' "$name" "$voice" "$text"
  done < <(announcements)
}

stale_announcements |
  xargs -0 -r -n 3 -P "$(nproc)" bash -c '
    set -eo pipefail
    SOX=($SOX_CMD); FORMAT=($FORMAT_CMD)
    speak "$@"' _ &
pids=($!)

make_signal nokia-sms -7 nokia_sms & pids+=($!)
make_signal beep1 -8 beep1 & pids+=($!)
make_signal buzz -7 buzz & pids+=($!)
make_signal youpi -5 youpi & pids+=($!)
make_signal foghorn -4 foghorn & pids+=($!)
make_signal truckhorn -5 truckhorn & pids+=($!)

status=0
for pid in "${pids[@]}"; do
  wait "$pid" || status=1
done
exit $status
