#!/usr/bin/env bash
# tests/desktop/check.sh desktop-entry|metainfo|mime|manpage SOURCE_DIR [PROGRAM]
# A missing tool fails the check and names the Debian package that brings it.
set -euo pipefail

mode=$1
source_dir=$2
program=${3:-}
id=de.qd5tastwerk.Tastwerk
menu_type=application/x-qd5tastwerk-menu

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

need() {
    command -v "$1" >/dev/null 2>&1 || fail "$1 is not installed (Debian package $2)"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

case $mode in
desktop-entry)
    need desktop-file-validate desktop-file-utils
    desktop-file-validate "$source_dir/data/$id.desktop"
    # The file type the entry opens is the one the MIME definition declares.
    grep -qx "MimeType=$menu_type;" "$source_dir/data/$id.desktop" || fail "the desktop entry does not name $menu_type"
    grep -q "type=\"$menu_type\"" "$source_dir/data/$id.xml" || fail "the MIME definition does not declare $menu_type"
    ;;

metainfo)
    need appstreamcli appstream
    appstreamcli validate --no-net --strict "$source_dir/data/$id.metainfo.xml"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$source_dir/data/$id.metainfo.xml" \
        || fail "the metainfo does not launch $id.desktop"
    grep -q "<mediatype>$menu_type</mediatype>" "$source_dir/data/$id.metainfo.xml" \
        || fail "the metainfo does not provide $menu_type"
    ;;

mime)
    need xmllint libxml2-utils
    need update-mime-database shared-mime-info
    need gio libglib2.0-bin
    xmllint --noout "$source_dir/data/$id.xml"
    # A database of its own: the system's types plus ours, as after installing.
    mkdir -p "$work/ours/mime/packages" "$work/files"
    cp "$source_dir/data/$id.xml" "$work/ours/mime/packages/"
    update-mime-database "$work/ours/mime" 2>"$work/update.log"
    if grep -q -i -e error -e fail "$work/update.log"; then
        cat "$work/update.log" >&2
        fail "update-mime-database rejects the MIME definition"
    fi
    printf 'MENUBLOCK|BLOCK_MAIN|BTM_GPS_POSITION|\r\nMENUPAGE|TASK_PAGE1|Optionen 1|\r\n' >"$work/files/Mein Menü.mnu"
    cp "$work/files/Mein Menü.mnu" "$work/files/Menü ohne Endung"
    printf 'Eine andere Art von .mnu-Datei\r\n' >"$work/files/anderes.mnu"
    cp "$source_dir/data/Quonda.dat" "$work/files/Quonda.dat"
    expected=(
        "Mein Menü.mnu|$menu_type"
        "Menü ohne Endung|$menu_type"
        "anderes.mnu|text/plain"
        "Quonda.dat|text/plain"
    )
    status=0
    for entry in "${expected[@]}"; do
        name=${entry%|*}
        want=${entry#*|}
        got=$(XDG_DATA_HOME="$work/ours" XDG_DATA_DIRS=/usr/share \
            gio info -a standard::content-type "$work/files/$name" | sed -n 's/^ *standard::content-type: //p')
        if [ "$got" != "$want" ]; then
            echo "FAIL: \"$name\" is $got, not $want" >&2
            status=1
        fi
    done
    exit $status
    ;;

manpage)
    need man man-db
    page="$source_dir/packaging/qd5tastwerk.1"
    # What lintian runs on every manual page: any warning is a fault.
    LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" >/dev/null 2>"$work/man.log"
    if [ -s "$work/man.log" ]; then
        cat "$work/man.log" >&2
        fail "man reports faults in the manual page"
    fi
    # Every option the program's help lists is in the page.
    LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" >"$work/page.txt"
    status=0
    while read -r option; do
        if ! grep -qF -- "$option" "$work/page.txt"; then
            echo "FAIL: the manual page lacks \"$option\"" >&2
            status=1
        fi
    done < <(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help | sed -n 's/^  \(-[^ ]*\( --[^ ]*\)\?\).*/\1/p')
    exit $status
    ;;

*)
    echo "usage: $0 desktop-entry|metainfo|mime|manpage SOURCE_DIR [PROGRAM]" >&2
    exit 2
    ;;
esac
