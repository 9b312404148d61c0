#!/usr/bin/env bash
# The sound player against a real sound server: a private PulseAudio server with a null sink.
# A Play call returns at once, the server receives the stream, a second sound stops the first,
# a missing file plays nothing, no sound server plays nothing and returns at once, and with no
# player program Play says at once that nothing was started.
# usage: sound_server.sh PLAY_SOUND_PROBE SCRATCH_DIR
set -euo pipefail
probe=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
command -v pulseaudio >/dev/null && command -v pactl >/dev/null ||
  { echo "missing pulseaudio or pactl"; exit 1; }

export XDG_RUNTIME_DIR=$work/run HOME=$work/home
mkdir -p "$XDG_RUNTIME_DIR" "$HOME"
chmod 700 "$XDG_RUNTIME_DIR"
export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pa.sock
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
  -L "module-null-sink sink_name=probe" \
  -L "module-native-protocol-unix socket=$XDG_RUNTIME_DIR/pa.sock auth-anonymous=1" \
  >"$work/server.log" 2>&1 &
server=$!
# The players the probes left playing, by the process ids the server knows them by.
players() { pactl list sink-inputs 2>/dev/null | sed -n 's/.*application.process.id = "\([0-9]*\)".*/\1/p'; }
stop_players() { for p in $(players); do kill "$p" 2>/dev/null || true; done; }
trap 'stop_players; kill $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null || { cat "$work/server.log"; exit 1; }

# A WAV of silence: 8 kHz, mono, 8 bits, `seconds` long.
wav() {  # path seconds
  local n=$((8000 * $2))
  le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $((($1 >> 8) & 255)))\\x$(printf %02x $((($1 >> 16) & 255)))\\x$(printf %02x $((($1 >> 24) & 255)))"; }
  { printf 'RIFF'; le32 $((36 + n)); printf 'WAVEfmt '; le32 16
    printf '\x01\x00\x01\x00'; le32 8000; le32 8000; printf '\x01\x00\x08\x00'
    printf 'data'; le32 $n; head -c "$n" /dev/zero | tr '\0' '\200'; } >"$1"
}
wav "$work/first.wav" 5
wav "$work/second.wav" 5

streams() { pactl list sink-inputs 2>/dev/null | grep -o 'media.name = "[^"]*"' || true; }
wait_streams() {  # expected text
  for _ in $(seq 50); do [ "$(streams)" = "$1" ] && return 0; sleep 0.1; done
  echo "streams: '$(streams)', wanted '$1'"; return 1
}

start=$(date +%s%N)
"$probe" "$work/first.wav"
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$elapsed" -lt 1000 ] || { echo "Play took ${elapsed} ms"; exit 1; }
wait_streams "media.name = \"$work/first.wav\""

# The next sound of the same player stops the one before it.
stop_players
wait_streams ""
"$probe" "$work/first.wav" "$work/second.wav"
wait_streams "media.name = \"$work/second.wav\""

# A missing file: nothing started, and the probe says so.
if "$probe" "$work/missing.wav" 2>"$work/err"; then echo "missing file reported as played"; exit 1; fi
grep -q 'nothing played' "$work/err"

# No server where the player looks: it starts, plays nothing and ends; Play is back at once.
stop_players
wait_streams ""
start=$(date +%s%N)
PULSE_SERVER=unix:$work/run/none.sock "$probe" "$work/first.wav" ||
  { echo "a player that started was reported as not started"; exit 1; }
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$elapsed" -lt 1000 ] || { echo "Play without a server took ${elapsed} ms"; exit 1; }
wait_streams ""

# No player program on PATH: nothing started, and Play says so at once.
mkdir -p "$work/empty"
start=$(date +%s%N)
if PATH=$work/empty "$probe" "$work/first.wav" 2>"$work/err"; then
  echo "Play without a player program reported as played"; exit 1
fi
elapsed=$((($(date +%s%N) - start) / 1000000))
[ "$elapsed" -lt 1000 ] || { echo "Play without a player took ${elapsed} ms"; exit 1; }
grep -q 'nothing played' "$work/err"
wait_streams ""
echo "sound server: 5 checks passed"
