# The bird speaks a Spanish line through the default sound output, recorded from its monitor: the recording
# must hold real sound of about the line's length. Run under scripts/with-pulse with the demo program as $1.
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
speak() { echo 'say ¿Cómo estás? ¡Muy bien, gracias!' | "$1" >"$work/demo.log" 2>&1; }

record "$work/heard.wav" speak "$1" || fail "the demo failed: $(cat "$work/demo.log")"
! grep -q 'no sound output' "$work/demo.log" || fail "the bird found no sound output"
# The voice, without the silence before and after it.
sox "$work/heard.wav" "$work/voice.wav" silence 1 0.02 1% reverse silence 1 0.02 1% reverse
seconds=$(soxi -D "$work/voice.wav")
echo "voice: ${seconds} s, RMS amplitude $(rms "$work/voice.wav")"
awk -v s="$seconds" 'BEGIN { exit !(s >= 1.0 && s <= 6.0) }' || fail "implausible length ${seconds} s"
loud "$work/voice.wav" || fail "too quiet"
