#!/usr/bin/env bash
# Makes SonpixViewer.exe the Linux desktop's viewer for Sonpix files, run through Wine: a MIME type
# for .sonpix files (recognised by name and by their six header bytes "Tolvy" 01), a launcher that
# hands the file to the viewer with its Windows path, and a desktop entry that opens Sonpix files
# with it. When SonpixCreator.exe lies beside the viewer (or is given), a second entry starts the
# creator, which the desktop also offers as another way to open Sonpix files. Everything goes
# under the user's data folder ($XDG_DATA_HOME, else ~/.local/share).
#   tools/install-desktop.sh [--exe PATH\TO\SonpixViewer.exe] [--creator PATH\TO\SonpixCreator.exe] [--uninstall]
# Uses Debian's shared-mime-info, desktop-file-utils and xdg-utils.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
EXE=${SONPIX_EXE:-$ROOT/build/win/SonpixViewer.exe}
CREATOR=${SONPIX_CREATOR_EXE:-}
UNINSTALL=0
while [ $# -gt 0 ]; do
    case $1 in
        --exe) EXE=$2; shift 2 ;;
        --creator) CREATOR=$2; shift 2 ;;
        --uninstall) UNINSTALL=1; shift ;;
        *) echo "usage: $0 [--exe SonpixViewer.exe] [--creator SonpixCreator.exe] [--uninstall]" >&2; exit 2 ;;
    esac
done
CREATOR=${CREATOR:-$(dirname "$EXE")/SonpixCreator.exe}

DATA=${XDG_DATA_HOME:-$HOME/.local/share}
MIME_TYPE=application/x-sonpix
ENTRY=sonpix-viewer.desktop
MIME_FILE=$DATA/mime/packages/sonpix-viewer.xml
LAUNCHER=$DATA/sonpix-viewer/sonpix-viewer-open
ICON=$DATA/icons/hicolor/32x32/apps/sonpix-viewer.png
CREATOR_ENTRY=sonpix-creator.desktop
CREATOR_LAUNCHER=$DATA/sonpix-viewer/sonpix-creator-open
CREATOR_ICON=$DATA/icons/hicolor/32x32/apps/sonpix-creator.png

refresh() {
    update-mime-database "$DATA/mime"
    update-desktop-database "$DATA/applications" 2>/dev/null || true
}

if [ $UNINSTALL = 1 ]; then
    rm -f "$MIME_FILE" "$DATA/applications/$ENTRY" "$LAUNCHER" "$ICON" \
          "$DATA/applications/$CREATOR_ENTRY" "$CREATOR_LAUNCHER" "$CREATOR_ICON"
    rmdir "$DATA/sonpix-viewer" 2>/dev/null || true
    mkdir -p "$DATA/mime/packages" "$DATA/applications"
    refresh
    echo "removed the Sonpix viewer's MIME type and desktop entry from $DATA"
    exit 0
fi

for tool in update-mime-database update-desktop-database desktop-file-validate xdg-mime wine winepath; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (packages: shared-mime-info desktop-file-utils xdg-utils wine)" >&2; exit 1; }
done
[ -f "$EXE" ] || { echo "no viewer at $EXE (build it with tools/build.sh win SonpixViewer, or pass --exe)" >&2; exit 1; }
EXE=$(realpath "$EXE")
mkdir -p "$DATA/mime/packages" "$DATA/applications" "$(dirname "$LAUNCHER")"

# The type: by the name's extension in any letter case, and by the header at the file's start.
cat >"$MIME_FILE" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-sonpix">
    <comment>Sonpix file: a picture with its sound</comment>
    <comment xml:lang="ru">Сонпик: картинка со звуком</comment>
    <glob pattern="*.sonpix"/>
    <magic priority="60">
      <match type="string" offset="0" value="Tolvy\x01"/>
    </magic>
  </mime-type>
</mime-info>
EOF

# Both programs want a Windows path; each starts in the file's own folder, so that the viewer
# lists the file's neighbours and the creator's dialogs open there.
write_launcher() {  # launcher, program
    cat >"$1" <<EOF
#!/bin/sh
# Opens a Sonpix file in $(basename "$2") through Wine (installed by tools/install-desktop.sh).
exe='$2'
[ \$# -gt 0 ] || exec wine "\$exe"
file=\$(realpath -- "\$1")
cd "\$(dirname -- "\$file")" || exit 1
exec wine "\$exe" "\$(winepath -w "\$file")"
EOF
    chmod +x "$1"
}
write_launcher "$LAUNCHER" "$EXE"

# A desktop entry that opens Sonpix files with a launcher, and its icon made from the program's.
write_entry() {  # entry file, launcher, program icon (.ico), icon name, categories, then the texts:
                 # name, Russian name, generic name, Russian generic name, comment, Russian comment
    local icon_line="" icon=$DATA/icons/hicolor/32x32/apps/$4.png exec=$2
    # Quoted only where the path needs it: xdg-mime's own check of a default reads the command's
    # first word as it stands, and a quoted one makes it pass over the default that was set.
    case $2 in *[[:space:]\"\'\\\$\`]*) exec="\"$2\"" ;; esac
    if command -v convert >/dev/null && [ -f "$3" ]; then
        mkdir -p "$(dirname "$icon")"
        convert "ico:$3" "$icon" && icon_line="Icon=$4"
    fi
    cat >"$1" <<EOF
[Desktop Entry]
Type=Application
Version=1.0
Name=$6
Name[ru]=$7
GenericName=$8
GenericName[ru]=$9
Comment=${10}
Comment[ru]=${11}
Exec=$exec %f
TryExec=$2
$icon_line
Terminal=false
MimeType=$MIME_TYPE;
Categories=$5;
EOF
    sed -i '/^$/d' "$1"
    desktop-file-validate "$1"
}
write_entry "$DATA/applications/$ENTRY" "$LAUNCHER" "$ROOT/app/resources/SonpixViewer.ico" sonpix-viewer "Graphics;Viewer" \
    "Sonpix Viewer" "Сонпик Просмотрщик" "Sonpix file viewer" "Просмотр Сонпиков" \
    "Shows the picture of a Sonpix file and plays its sound (through Wine)" \
    "Показывает картинку Сонпика и проигрывает его звук (через Wine)"

# The creator: an entry of its own that also opens Sonpix files, without becoming their default.
if [ -f "$CREATOR" ]; then
    CREATOR=$(realpath "$CREATOR")
    write_launcher "$CREATOR_LAUNCHER" "$CREATOR"
    write_entry "$DATA/applications/$CREATOR_ENTRY" "$CREATOR_LAUNCHER" "$ROOT/creator/resources/SonpixCreator.ico" \
        sonpix-creator "Graphics" "Sonpix Creator" "Создание Сонпиков" "Sonpix file maker" "Создание Сонпиков" \
        "Makes and edits Sonpix files: a picture, a sound, the maker's picture and text (through Wine)" \
        "Создаёт и изменяет Сонпики: картинка, звук, фотография и текст автора (через Wine)"
else
    echo "no creator at $CREATOR: only the viewer's entry is installed"
fi

refresh
xdg-mime default "$ENTRY" "$MIME_TYPE"
echo "Sonpix files ($MIME_TYPE) now open in $EXE through Wine"
echo "  type:  $MIME_FILE"
echo "  entry: $DATA/applications/$ENTRY"
[ ! -f "$DATA/applications/$CREATOR_ENTRY" ] || echo "  creator: $DATA/applications/$CREATOR_ENTRY (another way to open them)"
