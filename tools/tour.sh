# The tour of tools/run.sh --tour: drives the viewer on the private display with xdotool, the way
# a person would, and saves a screenshot after each step; then the viewer's note-pad button starts
# the creator, which makes a new Sonpix file from the parts of a sample, and the viewer shows it.
# Sourced by tools/run.sh after wine_start, in the sample folder; needs BUILD and the wine.sh
# functions.
#   run_tour OUTDIR

# The main window is unmanaged: its X window holds Wine's own frame and caption (4 and 19
# pixels), so a client point (x, y) is at (X + 4 + x, Y + 23 + y) on the screen.
_tour_click() {  # client x, client y
    xdotool mousemove "$((TOUR_X + 4 + $1))" "$((TOUR_Y + 23 + $2))" click 1
}

# Both programs' windows are unmanaged: their X windows hold Wine's own frame and caption.
# Wine may make a window's X window anew, so it is looked up by its class at each click.
_tour_click_in() {  # X class, client x, client y
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$(_tour_window "$1")")"
    xdotool mousemove "$((X + 4 + $2))" "$((Y + 23 + $3))" click 1
}

# The program's own window: its largest visible X window (its task-bar entry is a 1 x 1 window of
# the same class).
_tour_window() {  # X class; prints that window, waiting up to 20 s for it
    local i candidate window="" area best
    for i in $(seq 40); do
        best=0
        for candidate in $(xdotool search --onlyvisible --class "$1" 2>/dev/null); do
            area=$(xdotool getwindowgeometry --shell "$candidate" 2>/dev/null |
                   awk -F= '/^WIDTH/ {w = $2} /^HEIGHT/ {h = $2} END {print w * h + 0}')
            [ "${area:-0}" -gt "$best" ] && best=$area && window=$candidate
        done
        [ "$best" -gt 100 ] && break
        window=""
        sleep 0.5
    done
    [ -n "$window" ] && echo "$window"
}

# Types a Windows path into the standard file dialog that has the focus and confirms it.
_tour_dialog_path() {  # path
    sleep 1.5
    xdotool key ctrl+a
    xdotool type --delay 20 "$1"
    sleep 0.3
    xdotool key Return
    sleep 1.5
}

# The creator, started by the viewer's note-pad button: a new file from the sample's parts.
_tour_creator() {
    local parts=$TOUR_OUT/parts sample
    sample=$(ls Flower.sonpix 2>/dev/null || ls ./*.sonpix | head -n 1)
    rm -rf "$parts"; mkdir -p "$parts"
    wine_run 60 "$BUILD/win/sonpix.exe" extract "$(winepath -w "$sample")" -o "$(winepath -w "$parts")" >/dev/null 2>&1
    local name; name=$(basename "$sample" .sonpix)
    rm -f tour.sonpix
    _tour_click 75 591                          # the note pad: starts the creator, ends the viewer
    _tour_window sonpixcreator.exe >/dev/null || { echo "tour: the creator did not appear"; return 1; }
    _tour_shot 11-the-creator-started-by-the-viewer 2
    _tour_click_in sonpixcreator.exe 86 356            # "Открыть картинку..."
    _tour_dialog_path "$(winepath -w "$parts/$name.jpg")"
    _tour_click_in sonpixcreator.exe 492 110           # "Открыть звук..."
    _tour_dialog_path "$(winepath -w "$parts/$name.wav")"
    if [ -f "$parts/$name-maker.jpg" ]; then
        _tour_click_in sonpixcreator.exe 719 166       # the maker's picture: "Открыть..."
        _tour_dialog_path "$(winepath -w "$parts/$name-maker.jpg")"
    fi
    _tour_click_in sonpixcreator.exe 600 320           # the maker's text
    xdotool type --delay 20 "Made on the tour"
    _tour_shot 12-the-creator-with-the-parts 1
    xdotool key ctrl+shift+s                    # save as
    _tour_dialog_path "$(winepath -w "$PWD")\\tour.sonpix"
    _tour_shot 13-the-creator-saved-the-file 1
    [ -f tour.sonpix ] || { echo "tour: the creator did not save tour.sonpix"; return 1; }
    xdotool key F5                              # show in the viewer
    _tour_window sonpixviewer.exe >/dev/null || { echo "tour: the viewer did not show the new file"; return 1; }
    _tour_shot 14-the-viewer-shows-the-new-file 4
    _tour_click_in sonpixviewer.exe 500 300
    xdotool key alt+F4
    sleep 1
    _tour_click_in sonpixcreator.exe 600 420
    xdotool key alt+F4
}

# Saves the part of the screen where the main window and the windows it opens stand.
_tour_shot() {  # name, seconds to wait first
    sleep "${2:-1.5}"
    import -window root -display "$DISPLAY" -crop 976x728+0+0 +repage "$TOUR_OUT/$1.png"
    echo "tour: $TOUR_OUT/$1.png"
}

_tour_temp_files() {
    local temp=$WINEPREFIX/drive_c/users/$(id -un)/Temp
    ls "$temp" 2>/dev/null | grep -c '^Tempsx' || true
}

run_tour() {
    TOUR_OUT=$1
    mkdir -p "$TOUR_OUT"
    rm -f "$TOUR_OUT"/*.png
    wine_run 120 "$BUILD/win/SonpixViewer.exe" >/dev/null 2>&1 &
    local main i
    main=$(_tour_window sonpixviewer.exe) || { echo "tour: the main window did not appear"; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$main" | sed 's/^/TOUR_/')"
    _tour_shot 01-start-in-the-sample-folder 2

    # The wide layout: the list at (8, 24), entries 13 pixels high.
    for i in 0 1 2; do
        _tour_click 60 "$((24 + 2 + 13 * i + 6))"
        _tour_shot "0$((i + 2))-entry-$((i + 1))-clicked" 3
    done
    xdotool key Down
    _tour_shot 05-next-entry-by-the-arrow-key 3
    _tour_click 156 592                     # the replay button
    _tour_shot 06-replayed 1
    _tour_click 721 604                     # "Больше" in the maker's panel
    _tour_shot 07-the-makers-window 2
    xdotool key alt+F4
    _tour_click 19 591                      # the computer button: registering the file type
    _tour_shot 08-the-file-type-window 2
    xdotool key alt+F4
    _tour_click 43 591                      # the question mark: About
    _tour_shot 09-about-while-the-credits-scroll 4
    xdotool key alt+F4
    _tour_click 207 10                      # the folder field's button
    _tour_shot 10-the-browse-dialog 2
    xdotool key Escape
    sleep 1
    _tour_click 500 300                     # back to the main window
    _tour_creator || return 1
    for i in $(seq 20); do [ -z "$(xdotool search --onlyvisible --class 'sonpix(viewer|creator).exe' 2>/dev/null)" ] && break; sleep 0.5; done
    _tour_shot 15-closed 0.5
    echo "tour: temporary files left after closing: $(_tour_temp_files)"
    [ -z "$(xdotool search --onlyvisible --class 'sonpix(viewer|creator).exe' 2>/dev/null)" ] || { echo "tour: a window stayed open"; return 1; }
}
