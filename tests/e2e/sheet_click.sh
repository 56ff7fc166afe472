#!/usr/bin/env bash
# End to end: starts the real program on a virtual X server, runs the example "Tetraeder mit
# Ebene" from the menu with real key presses, clicks the first coordinate of A on the result
# sheet with the left and then the right mouse button, and checks from screenshots that the
# sheet and the drawing changed each time. Then the plane triangle: "2-dim. Geometrie ›
# Dreieck › Dreieck (Beispiel)" by keys, a click on A's x on the sheet, and the corner C dragged
# with the mouse. Then the ellipse: "2-dim. Geometrie › Ellipse › Mittelpunkt und Achsen ›
# Beispiel" by keys, "Konstruktion zeigen" from the drawing's context menu, and the upper vertex
# dragged across the centre. Last an affine example and the triangle with its image, both from
# the menu. The screenshots stay in SHOTS_DIR for a reviewer.
#
#   sheet_click.sh QUILLON SHEET_LOCATOR SHOTS_DIR
#
# Exit status 77 (skipped) only when the X server cannot start.
set -euo pipefail

quillon=$1
locator=$2
shots=$3
skip=77

mkdir -p "$shots"
rm -f "$shots"/*.png
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    set +e
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    echo "screenshots so far:" >&2
    ls "$shots"/*.png >&2 2>/dev/null || true
    exit 1
}

# --- The X server: it picks a free display itself and writes its number to fd 3. ---
if ! command -v Xvfb >/dev/null; then
    echo "SKIPPED: Xvfb is not installed (scripts/setup.sh installs it)"
    exit $skip
fi
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    echo "SKIPPED: Xvfb could not start:"
    cat "$work/xvfb.log"
    exit $skip
fi
export DISPLAY=":$(head -n1 "$work/display")"
echo "virtual display $DISPLAY"

# --- What the sheet must show, from the headless runner (same program, same fonts). ---
# The example, and the same task with A raised from 3 to 4.
QT_QPA_PLATFORM=offscreen "$quillon" --example "Tetraeder mit Ebene" --sheet "$work/vorher.png" \
    >/dev/null || fail "headless example"
QT_QPA_PLATFORM=offscreen "$quillon" --task "Punkte/Tetraeder mit Ebene" \
    --fields 4 0 0 0 5 0 0 0 6 -1 -1 0 0 0 1 2 --sheet "$work/nachher.png" >/dev/null ||
    fail "headless task"

# --- The program, focused (there is no window manager). ---
QT_QPA_PLATFORM=xcb "$quillon" >"$work/quillon.log" 2>&1 &
app_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Quillon' | head -n1) ||
    fail "the main window did not appear"
xdotool windowfocus --sync "$window"

shot() { import -window root "$shots/$1.png"; }

# Waits until the sheet's top left corner shows what SHEET shows; prints where it stands.
wait_for_sheet() {
    local sheet=$1 name=$2 where
    for _ in $(seq 40); do
        shot "$name"
        if where=$("$locator" find "$shots/$name.png" "$sheet"); then
            echo "$where"
            return 0
        fi
        sleep 0.25
    done
    return 1
}

# Number of pixels that differ between the same box of two screenshots.
differing() {
    local a=$1 b=$2 box=$3
    /usr/bin/convert "$shots/$a.png" -crop "$box" +repage "$work/a.png"
    /usr/bin/convert "$shots/$b.png" -crop "$box" +repage "$work/b.png"
    compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 >/dev/null | cut -d' ' -f1 || true
}

# --- The example from the menu "Beispie&le": its fifth entry. ---
xdotool key alt+l
sleep 0.5
xdotool key Down Down Down Down Return
read -r sx sy < <(wait_for_sheet "$work/vorher.png" 1-example) ||
    fail "the example's report did not appear on the sheet"
echo "sheet picture at ($sx, $sy) on the screen"

# The sheet is the picture right of the drawing; the drawing fills the area left of it below
# the menu.
sheet_box="600x700+${sx}+${sy}"
drawing_box="$((sx - 12))x$((768 - sy - 24))+0+${sy}"

# --- Left click on the "3" of A(3/0/0). The tetrahedron report writes A at (4, 14) of the
# picture; the sheet font is 7 pixels wide and 12 high, so "A(" ends 2 characters later. ---
cx=$((sx + 4 + 2 * 7 + 3))
cy=$((sy + 14 + 6))
# Move away afterwards, so that no tooltip covers the sheet.
xdotool mousemove --sync "$cx" "$cy" click 1 mousemove --sync 1300 5
wait_for_sheet "$work/nachher.png" 2-left-click >/dev/null ||
    fail "after the left click the sheet does not show A(4/0/0)"
"$locator" same "$shots/2-left-click.png" "$work/nachher.png" "$sx" "$sy" ||
    fail "the sheet moved"
[ "$(differing 1-example 2-left-click "$sheet_box")" -gt 0 ] || fail "the sheet did not change"
changed=$(differing 1-example 2-left-click "$drawing_box")
[ "$changed" -gt 100 ] || fail "the drawing did not change ($changed pixels)"
echo "left click: sheet shows A(4/0/0), $changed pixels of the drawing changed"

# --- Right click on the same place: back to A(3/0/0). ---
xdotool mousemove --sync "$cx" "$cy" click 3 mousemove --sync 1300 5
wait_for_sheet "$work/vorher.png" 3-right-click >/dev/null ||
    fail "after the right click the sheet does not show A(3/0/0) again"
changed=$(differing 2-left-click 3-right-click "$drawing_box")
[ "$changed" -gt 100 ] || fail "the drawing did not change back ($changed pixels)"
echo "right click: sheet shows A(3/0/0) again, $changed pixels of the drawing changed"

# --- Plane mode. Both "Datei" and "2-dim. Geometrie" have the access key d, so the menu bar is
# entered with Alt alone and walked to "2-dim. Geometrie": nine steps right, "Matrizen" included.
# Its first entry "Dreieck" is a submenu whose first entry is the example. ---
QT_QPA_PLATFORM=offscreen "$quillon" --example "Dreieck (Beispiel)" --sheet "$work/dreieck.png" \
    >/dev/null || fail "headless plane example"
QT_QPA_PLATFORM=offscreen "$quillon" --task "2-dim. Geometrie/Dreieck/Eingabe (Dreieck)" \
    --fields -3 -1 4 -1 0 4 --sheet "$work/dreieck-a.png" >/dev/null || fail "headless triangle"
xdotool key alt
sleep 0.3
for _ in $(seq 9); do xdotool key Right; done
xdotool key Down
sleep 0.3
xdotool key Right
sleep 0.3
xdotool key Return
wait_for_sheet "$work/dreieck.png" 4-plane-example >/dev/null ||
    fail "the triangle's report did not appear on the sheet"
"$locator" same "$shots/4-plane-example.png" "$work/dreieck.png" "$sx" "$sy" ||
    fail "the sheet moved"
changed=$(differing 3-right-click 4-plane-example "$drawing_box")
[ "$changed" -gt 1000 ] || fail "the drawing did not switch to the plane ($changed pixels)"
echo "plane example: the sheet shows the triangle, $changed pixels of the drawing changed"

# --- Left click on A's x in "A(-4/-1)", the row below "Dreieck:" (rows are 12 pixels). ---
xdotool mousemove --sync $((sx + 25)) $((sy + 14 + 12 + 5)) click 1 mousemove --sync 1300 5
wait_for_sheet "$work/dreieck-a.png" 5-plane-click >/dev/null ||
    fail "after the click the sheet does not show A(-3/-1)"
changed=$(differing 4-plane-example 5-plane-click "$drawing_box")
[ "$changed" -gt 50 ] || fail "the drawing did not follow A ($changed pixels)"
echo "plane click: sheet shows A(-3/-1), $changed pixels of the drawing changed"

# --- Drag C: its mark is the highest yellow pixel of the drawing (its top left corner is two
# pixels left of and above the point). ---
read -r px py < <("$locator" topmost "$shots/5-plane-click.png" ffff00 0 $((sx - 12)) "$sy") ||
    fail "no yellow corner in the drawing"
cx=$((px + 2))
cy=$((py + 2))
xdotool mousemove --sync "$cx" "$cy" mousedown 1
for d in 10 20 30 40 50 60; do
    xdotool mousemove --sync $((cx + d)) $((cy + d / 2))
    sleep 0.05
done
xdotool mouseup 1 mousemove --sync 1300 5
sleep 0.5
shot 6-plane-drag
[ "$(differing 5-plane-click 6-plane-drag "$sheet_box")" -gt 0 ] ||
    fail "the sheet did not follow the dragged corner"
changed=$(differing 5-plane-click 6-plane-drag "$drawing_box")
[ "$changed" -gt 100 ] || fail "the drawing did not follow the dragged corner ($changed pixels)"
"$locator" same "$shots/6-plane-drag.png" "$work/dreieck-a.png" "$sx" "$sy" &&
    fail "the sheet still shows C(0/4)"
echo "plane drag: C moved from ($cx, $cy), the report and $changed pixels of the drawing changed"

# --- The ellipse example: the second entry of "2-dim. Geometrie", its first group, "Beispiel".
# ---
beispiel="2-dim. Geometrie/Ellipse/Mittelpunkt und Achsen/Beispiel"
QT_QPA_PLATFORM=offscreen "$quillon" --example "$beispiel" --sheet "$work/ellipse.png" \
    >/dev/null || fail "headless ellipse example"
QT_QPA_PLATFORM=offscreen "$quillon" --example "$beispiel" --task "Ellipse/Konstruktion zeigen" \
    --sheet "$work/ellipse-k.png" >/dev/null || fail "headless ellipse construction"
# In plane mode the arrow keys skip the disabled menus, so "2-dim. Geometrie" is opened with a
# click on its caption in the menu bar; the keys go on from there: $1 entries down, then open.
geometry_menu() {
    xdotool mousemove --sync 590 8 click 1 mousemove --sync 1300 700
    sleep 0.3
    for _ in $(seq "$1"); do xdotool key Down; done
    sleep 0.3
    xdotool key Right
    sleep 0.3
}
geometry_menu 2
xdotool key Right
sleep 0.3
xdotool key Return
wait_for_sheet "$work/ellipse.png" 7-ellipse-example >/dev/null ||
    fail "the ellipse's report did not appear on the sheet"
echo "ellipse example: the sheet shows the ellipse"

# The context menu: the first enabled entry, then the group "Ellipse" (the triangle's group is
# disabled now), its first entry "Konstruktion zeigen".
xdotool mousemove --sync 150 600 click 3
sleep 0.5
xdotool key Down Down Right
sleep 0.3
xdotool key Return
xdotool mousemove --sync 1300 5
wait_for_sheet "$work/ellipse-k.png" 8-ellipse-construction >/dev/null ||
    fail "the construction steps did not appear below the report"
changed=$(differing 7-ellipse-example 8-ellipse-construction "$drawing_box")
[ "$changed" -gt 100 ] || fail "the drawing shows no construction ($changed pixels)"
echo "ellipse construction: the steps on the sheet, $changed pixels of the drawing changed"

# --- Drag the upper vertex S3, the highest yellow mark, down across the centre. ---
read -r px py < <("$locator" topmost "$shots/8-ellipse-construction.png" ffff00 0 $((sx - 12)) \
    "$sy") || fail "no yellow vertex in the drawing"
cx=$((px + 2))
cy=$((py + 2))
xdotool mousemove --sync "$cx" "$cy" mousedown 1
for d in 30 60 90 120 150 180; do
    xdotool mousemove --sync "$cx" $((cy + d))
    sleep 0.05
done
xdotool mouseup 1 mousemove --sync 1300 5
sleep 0.5
shot 9-ellipse-drag
[ "$(differing 8-ellipse-construction 9-ellipse-drag "$sheet_box")" -gt 0 ] ||
    fail "the report did not follow the dragged vertex"
changed=$(differing 8-ellipse-construction 9-ellipse-drag "$drawing_box")
[ "$changed" -gt 100 ] || fail "the drawing did not follow the dragged vertex ($changed pixels)"
echo "ellipse drag: S3 moved from ($cx, $cy), the report and $changed pixels of the drawing changed"

# --- Affine maps: "Affine Abbildungen › Beispiele › Drehung" (the 13th example), then the
# triangle of "Objekte - Bildobjekte" (its fifth submenu, third entry). ---
a="2-dim. Geometrie/Affine Abbildungen"
QT_QPA_PLATFORM=offscreen "$quillon" --example "Drehung" --sheet "$work/drehung.png" \
    >/dev/null || fail "headless affine example"
QT_QPA_PLATFORM=offscreen "$quillon" --example "Drehung" \
    --task "$a/Objekte - Bildobjekte/Dreieck --> Bilddreieck" --sheet "$work/bilddreieck.png" \
    >/dev/null || fail "headless affine triangle"
geometry_menu 3
xdotool key Right
sleep 0.3
for _ in $(seq 12); do xdotool key Down; done
xdotool key Return
wait_for_sheet "$work/drehung.png" 10-affine-example >/dev/null ||
    fail "the rotation's report did not appear on the sheet"
changed=$(differing 9-ellipse-drag 10-affine-example "$drawing_box")
[ "$changed" -gt 100 ] || fail "the drawing did not show the map ($changed pixels)"
geometry_menu 3
for _ in $(seq 4); do xdotool key Down; done
xdotool key Right
sleep 0.3
xdotool key Down Down Return
wait_for_sheet "$work/bilddreieck.png" 11-affine-triangle >/dev/null ||
    fail "the triangle and its image did not appear on the sheet"
changed=$(differing 10-affine-example 11-affine-triangle "$drawing_box")
[ "$changed" -gt 100 ] || fail "the drawing did not show the triangles ($changed pixels)"
echo "affine: the rotation and the triangle with its image, $changed pixels of the drawing changed"

kill -0 "$app_pid" 2>/dev/null || fail "the program has ended"
echo "screenshots:"
ls "$shots"/*.png
