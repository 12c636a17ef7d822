# Two monitors side by side on sway: the strip dragged onto the second rests at its top edge, the bird follows it to
# that monitor's bottom-right corner, and both are there again after a restart. Runs under PARLAVO_OUTPUTS=2
# scripts/with-wayland sway, the program as $1. sway's seat commands are the pointer, across both monitors; sway keeps
# no grab for a window outside its care, so the drag goes in small relative steps that the strip keeps up with.
set -euo pipefail
source "$(dirname "$0")/../support/desktop.sh"
cursor() { swaymsg -q seat - cursor "$@"; }
at() { [ "$(geometry "$(window_by_title "$1")" | cut -d' ' -f1-2)" = "$2" ]; }
on_second_monitor() { read -r x y _ < <(geometry "$(strip_window)") && [ "$x" -ge 1920 ] && [ "$y" = 0 ]; }

write_settings xxx=1
start_program "$1"
patiently "the bird at the first monitor's corner" at "Parlavo bird" "1788 937"
cursor set $((strip_left + 100)) 10 && cursor press button1
for _ in $(seq 56); do cursor move 30 0 && sleep 0.1; done
sleep 0.5 && cursor release button1
expect 10 "the strip rests at the top of the second monitor" on_second_monitor
read -r dropped_at _ < <(geometry "$(strip_window)")
expect 10 "the bird follows it to that monitor's corner" at "Parlavo bird" "3708 937"
end_program
expect_eq "$(setting monitor)" XWAYLAND1 "the monitor kept"
start_program "$1"
expect 60 "the strip on the second monitor after a restart" at Parlavo "$dropped_at 0"
expect 60 "the bird at its corner after a restart" at "Parlavo bird" "3708 937"
finish
