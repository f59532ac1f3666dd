# The tour of tools/run.sh --tour: drives the viewer on the private display with xdotool, the way
# a person would, and saves a screenshot after each step. Sourced by tools/run.sh after wine_start,
# in the sample folder; needs BUILD and the wine.sh functions.
#   run_tour OUTDIR

# The main window is unmanaged: its X window holds Wine's own frame and caption (4 and 19
# pixels), so a client point (x, y) is at (X + 4 + x, Y + 23 + y) on the screen.
_tour_click() {  # client x, client y
    xdotool mousemove "$((TOUR_X + 4 + $1))" "$((TOUR_Y + 23 + $2))" click 1
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
    local viewer=$! main="" i
    for i in $(seq 40); do
        main=$(xdotool search --onlyvisible --class sonpixviewer.exe 2>/dev/null | head -n 1) && [ -n "$main" ] && break
        sleep 0.5
    done
    [ -n "$main" ] || { echo "tour: the main window did not appear"; return 1; }
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
    _tour_click 500 300                     # back to the main window, then close it
    xdotool key alt+F4
    for i in $(seq 20); do kill -0 "$viewer" 2>/dev/null || break; sleep 0.5; done
    _tour_shot 11-closed 0.5
    echo "tour: temporary files left after closing: $(_tour_temp_files)"
    ! kill -0 "$viewer" 2>/dev/null || { echo "tour: the viewer did not end"; return 1; }
}
