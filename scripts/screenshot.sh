#!/usr/bin/env bash
# Takes docs/screenshot.png: the editor's main window on a project made from
# a built-in template, on a virtual display, with settings and program folder
# of its own (the user's settings are never touched). Re-run it at will.
#   scripts/screenshot.sh [--preview] [TEMPLATE-POSITION]   (default 6, "products tree")
# With --preview it takes docs/screenshot-preview.png instead: a wider window
# with the Live Preview pane beside the tree and an item selected in both.
# BUILD_DIR selects the build folder (default build).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
preview=0
if [ "${1:-}" = --preview ]; then
    preview=1
    shift
fi
template=${1:-6}
bin="$build/bin"
if [ ! -x "$bin/AppletTavelinWizard" ] || [ ! -x "$bin/atw" ]; then
    cmake -S . -B "$build" -G Ninja
    cmake --build "$build" -j2 --target AppletTavelinWizard atw
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/program" "$scratch/work" "$scratch/config" "$scratch/data"
for entry in AppletTavelinWizard.tpl Sample help tavelin.class tavelin.js; do
    [ -e "$bin/$entry" ] && cp -r "$bin/$entry" "$scratch/program/"
done
export XDG_CONFIG_HOME="$scratch/config" XDG_DATA_HOME="$scratch/data"
# A window of 760 x 520 pixels with a taller tree pane than the first start gives.
mkdir -p "$scratch/config/Quorvex"
if [ "$preview" = 1 ]; then
    printf '[Settings]\nTree%%20Height=360\nLive%%20Preview=1\nWindowPos="0,1,-1,-1,-1,-1,0,0,1060,600"\n' \
        > "$scratch/config/Quorvex/AppletTavelinWizard.conf"
else
    printf '[Settings]\nTree%%20Height=300\nWindowPos="0,1,-1,-1,-1,-1,0,0,760,560"\n' \
        > "$scratch/config/Quorvex/AppletTavelinWizard.conf"
fi
"$bin/atw" --program-dir "$scratch/program" new --template "$template" "$scratch/work/menu.htm"

# Runs on the virtual display: start the editor, wait for its window, grab it.
cat > "$scratch/grab.sh" <<'GRAB'
#!/usr/bin/env bash
set -euo pipefail
"$1" --program-dir "$2" "$3" &
editor=$!
window=""
for _ in $(seq 1 100); do
    window=$(xwininfo -root -tree | awk '/- Applet Tavelina Wizard"/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.2
done
sleep 1.5
# The browser engine of the Live Preview pane makes the window anew once.
[ "$5" = 1 ] && sleep 3 && window=$(xwininfo -root -tree | awk '/- Applet Tavelina Wizard"/ { print $1; exit }')
if [ -n "$window" ] && command -v xdotool >/dev/null; then
    # Open the tree (the asterisk expands every branch of the selected root),
    # select an item and show its properties, then take the whole scene.
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    xdotool key --window "$window" KP_Multiply
    sleep 0.3
    xdotool key --window "$window" Down Down Down
    sleep 0.3
    if [ "$5" = 1 ]; then
        # The tree's selection opens its branch in the Live Preview pane.
        sleep 3
        import -window "$window" "$4"
    else
        xdotool key --window "$window" alt+Return
        sleep 1.5
        # The bare screen around the two windows becomes a light grey.
        import -window root -crop 870x640+0+0 +repage "$4"
        convert "$4" -fill "#e4e8ee" -draw "color 866,4 floodfill" -draw "color 4,636 floodfill" "$4"
    fi
elif [ -n "$window" ]; then
    import -window "$window" "$4"
fi
kill "$editor"
wait "$editor" 2>/dev/null || true
[ -n "$window" ]
GRAB
chmod +x "$scratch/grab.sh"
mkdir -p docs
picture=docs/screenshot.png
[ "$preview" = 1 ] && picture=docs/screenshot-preview.png
xvfb-run -a -s "-screen 0 1280x900x24" "$scratch/grab.sh" "$PWD/$bin/AppletTavelinWizard" \
    "$scratch/program" "$scratch/work/menu.htm" "$PWD/$picture" "$preview"
echo "Wrote $picture"
