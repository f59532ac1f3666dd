#!/usr/bin/env bash
# Builds what is needed and starts SonpixViewer under Wine.
#   tools/run.sh [--screen WxH] [--screenshot OUT.png [--browse] [--about]] [FOLDER|FILE]
# With no argument the viewer lists the folder of its exe, where sample Sonpix files are made.
# A FOLDER is listed; a FILE (.sonpix) is opened and shown. With a display ($DISPLAY) the window
# appears there; without one, or with --screenshot, it runs on a private Xvfb, and --screenshot
# saves a picture of the screen a few seconds after start-up and ends the viewer. --browse first
# opens the folder browse dialog from the folder field (Tab to the field, then Alt+Down). With
# --about the main window's About button is clicked first and the picture is taken while the
# credits scroll. --screen WxH sets the size of the private Xvfb screen (default $SONPIX_SCREEN,
# else 1280x1024); it is not used when the window appears on $DISPLAY.
#   tools/run.sh [--screen WxH] --tour [OUTDIR]
# The tour opens the sample folder on a private display and does what a newcomer would, with real
# mouse clicks and keys: selects entries, replays, opens each window, uses the browse dialog and
# starts the creator with the note-pad button, makes a file from a sample's parts, shows it in the
# viewer and closes; it saves a screenshot at each step in OUTDIR (default build/tour).
# Options come before FOLDER|FILE, and OUTDIR, when given, right after --tour. The environment may
# set BUILD (the build folder, default build), SONPIX_SCREEN, SONPIX_SHOT_DELAY (seconds before a
# screenshot, default 5) and SONPIX_ABOUT_DELAY (seconds after the About click, default 4).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
SCREENSHOT=""
BROWSE=""
ABOUT=""
TOUR=""
SCREEN=${SONPIX_SCREEN:-1280x1024}
while [ $# -gt 0 ]; do
    case $1 in
        --screenshot) SCREENSHOT=$(realpath -m "$2"); shift 2 ;;
        --screen) SCREEN=$2; shift 2 ;;
        --browse) BROWSE=1; shift ;;
        --about) ABOUT=1; shift ;;
        --tour) TOUR=$(realpath -m "${2:-$BUILD/tour}"); shift; [ $# -gt 0 ] && shift ;;
        *) break ;;
    esac
done
TARGET=${1:-}

"$ROOT/tools/deps.sh"
mkdir -p "$BUILD"
"$ROOT/tools/build.sh" win SonpixViewer SonpixCreator sonpix make_samples

source "$ROOT/tools/wine.sh"
[ -n "$TOUR" ] && SCREENSHOT=$TOUR
if [ -n "${DISPLAY:-}" ] && [ -z "$SCREENSHOT" ]; then wine_start display; else wine_start "${SCREEN%x*}" "${SCREEN#*x}"; fi

# Sample files beside the exe, made once by the project's own generator. If it fails, the
# viewer still starts, on a folder without samples.
if ! ls "$BUILD"/win/*.sonpix >/dev/null 2>&1; then
    wine_run 120 "$BUILD/win/make_samples.exe" "$(winepath -w "$BUILD/win")" || true
fi

ARGS=()
WORKDIR=$BUILD/win
if [ -n "$TARGET" ]; then
    TARGET=$(realpath "$TARGET")
    if [ -d "$TARGET" ]; then WORKDIR=$TARGET; else WORKDIR=$(dirname "$TARGET"); fi
    ARGS=("$(winepath -w "$TARGET")")
fi

cd "$WORKDIR"
if [ -n "$TOUR" ]; then
    source "$ROOT/tools/tour.sh"
    run_tour "$TOUR" || { wine_stop; exit 1; }
elif [ -z "$SCREENSHOT" ]; then
    wine_run 86400 "$BUILD/win/SonpixViewer.exe" "${ARGS[@]}" || true
else
    wine_run 60 "$BUILD/win/SonpixViewer.exe" "${ARGS[@]}" >/dev/null 2>&1 &
    sleep "${SONPIX_SHOT_DELAY:-5}"
    if [ -n "$BROWSE" ]; then xdotool key Tab && sleep 0.5 && xdotool key alt+Down && sleep 2; fi
    if [ -n "$ABOUT" ]; then
        # The About button (the question mark) sits at (32, 580) in the main window's client area
        # on a wide screen; the window is unmanaged, so its X window includes Wine's own frame and
        # caption (4 and 19 pixels).
        source "$ROOT/tools/tour.sh"   # _tour_window: the main window, not the task-bar entry
        main=$(_tour_window sonpixviewer.exe)
        eval "$(xdotool getwindowgeometry --shell "$main")"
        xdotool mousemove "$((X + 4 + 43))" "$((Y + 4 + 19 + 591))" click 1
        sleep "${SONPIX_ABOUT_DELAY:-4}"
    fi
    import -window root -display "$DISPLAY" "$SCREENSHOT"
    echo "screenshot: $SCREENSHOT"
fi
wine_stop
