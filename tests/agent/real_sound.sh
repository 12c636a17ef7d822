#!/usr/bin/env bash
# The bird speaks a Spanish line through the default sound output while the output's monitor is recorded; the
# recording must hold real sound of about the length the line takes. Run under scripts/with-pulse with the
# demo program as $1.
set -euo pipefail
demo=$1
line='¿Cómo estás? ¡Muy bien, gracias!'

work=$(mktemp -d)
recorder=""
cleanup() {
    [ -z "$recorder" ] || kill "$recorder" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    cat "$work/demo.log" >&2 || true
    exit 1
}

parec -d parlavo_test.monitor --file-format=wav --format=s16le --rate=22050 --channels=1 "$work/heard.wav" &
recorder=$!
echo "say $line" | "$demo" >"$work/demo.log" 2>&1 || fail "the demo failed"
kill -INT "$recorder"
wait "$recorder" || true
recorder=""

if grep -q 'no sound output' "$work/demo.log"; then fail "the bird found no sound output"; fi

# Cut the silence before and after the voice, then measure what is left.
sox "$work/heard.wav" "$work/voice.wav" silence 1 0.02 1% reverse silence 1 0.02 1% reverse
seconds=$(soxi -D "$work/voice.wav")
rms=$(sox "$work/voice.wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
echo "voice: ${seconds} s, RMS amplitude ${rms}"
awk -v s="$seconds" 'BEGIN { exit !(s >= 1.0 && s <= 6.0) }' || fail "implausible length ${seconds} s"
awk -v r="$rms" 'BEGIN { exit !(r >= 0.02) }' || fail "too quiet: RMS ${rms}"
