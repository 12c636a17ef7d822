# At each text size the strip opens to its height, collapses with auto-hide and opens again at the top edge, drops
# its menu from the picture and is dragged by its text. With PARLAVO_SHOTS set to a folder, a picture of the open
# strip at each size is saved there (the README's pictures come from it).
set -euo pipefail
source "$(dirname "$0")/../support/x11.sh"
strip_at() { [ "$(geometry "$(strip_window)" | cut -d' ' -f1-2)" = "$1" ]; }

for size in 100:23:normal 125:29:large 150:35:larger; do
    IFS=: read -r scale height name <<<"$size"
    write_settings xxx=1 visi=1 rd=1 n=1 etime=15 guage=1 guagen=10101 "textsize=$scale"
    xdotool mousemove 100 600
    start_program "$1" skip-splash
    wait_for 15 eval '[ "$(strip_height)" = 1 ]' || fail "$name: no collapse with the pointer away"
    xdotool mousemove 900 0
    wait_until "$name: the strip open at $height px" eval '[ "$(strip_height)" = "$height" ]'
    # On the strip's last column, off the picture and the text's tooltips, while the Spanish line shows whole.
    xdotool mousemove $((827 + 476)) $((height / 2)) sleep 7
    [ -z "${PARLAVO_SHOTS:-}" ] || import -window root -crop 520x$((height + 8))+800+0 "$PARLAVO_SHOTS/text-size-$name.png"
    xdotool mousemove $((827 + 465)) $((height / 2))
    wait_until "$name: the menu" menu_window
    xdotool key Escape
    wait_until "$name: the menu to close" eval '! menu_window'
    xdotool mousemove 900 $((height / 2)) sleep 0.2 mousedown 1 mousemove 600 200 sleep 0.3 mousemove 500 300 sleep 1 mouseup 1
    wait_until "$name: the drag to end at the top edge" strip_at "427 0"
    end_program
done
echo "text_size_x11: passed"
