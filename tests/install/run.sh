#!/usr/bin/env bash
# The program as a Debian user gets it:
#   1. `cmake --install` into a staging folder: the layout, the AppStream data,
#      the desktop entry, the manual pages, atw's completion, and the staged atw
#      finding its data in share/ and working in a per-user copy;
#   2. (as root) the .deb from CPack: its contents and dependencies, installed
#      with apt, the installed atw and editor run as a new user, then purged,
#      leaving nothing behind.
# usage: tests/install/run.sh [BUILD_DIR]   (default build; built beforehand)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
pkg=applettavelinwizard
work=$(mktemp -d)
installed=""
cleanup()
{
    if [ -n "$installed" ]; then
        dpkg --purge "$pkg" >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

fails=0
passes=0
ok() { passes=$((passes + 1)); }
fail() { echo "FAIL: $*" >&2; fails=$((fails + 1)); }
check() { # check DESCRIPTION COMMAND...
    local what=$1
    shift
    if "$@" >"$work/out" 2>&1; then ok; else fail "$what"; sed 's/^/    /' "$work/out" >&2; fi
}

# A new user: own home, settings and data folders.
as_new_user() {
    local home=$1
    shift
    mkdir -p "$home"
    env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_CACHE_HOME="$home/.cache" QT_QPA_PLATFORM=offscreen "$@"
}

# Every file and link below a root, relative to it, sorted.
tree_of() { (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort); }

expected_files() {
    local s
    printf '%s\n' bin/atw bin/AppletTavelinWizard \
        share/applettavelinwizard/AppletTavelinWizard.tpl share/applettavelinwizard/tavelin.js \
        share/applettavelinwizard/Sample/Samples.htm share/applettavelinwizard/help/index.htm \
        share/applications/$pkg.desktop share/metainfo/com.quorvex.AppletTavelinWizard.metainfo.xml \
        share/icons/hicolor/scalable/apps/$pkg.svg \
        share/man/man1/atw.1.gz share/man/man1/AppletTavelinWizard.1.gz \
        share/bash-completion/completions/atw
    for s in 16 22 24 32 48 64 128 256; do echo "share/icons/hicolor/${s}x$s/apps/$pkg.png"; done
    # The Live Preview's browser engine, a plug-in the editor loads when the pane is shown.
    if [ -f "$build/bin/libatwwebpreview.so" ]; then echo "lib/$pkg/libatwwebpreview.so"; fi
}

check_layout() { # check_layout PREFIX_ROOT
    local root=$1 f s
    for f in $(expected_files); do
        [ -e "$root/$f" ] || fail "missing $f"
    done
    # Nothing outside these places (no libraries, headers, or data left in bin/).
    tree_of "$root" | grep -Ev '^(bin/(atw|AppletTavelinWizard)$|lib/applettavelinwizard/libatwwebpreview\.so$|share/(applettavelinwizard|applications|metainfo|icons/hicolor|man/man1|bash-completion/completions)/)' \
        >"$work/stray" && fail "files outside the layout: $(tr '\n' ' ' <"$work/stray")"
    [ -z "$(find "$root/share/applettavelinwizard" -name '*.desktop')" ] || fail "desktop entry among the data"
    for s in 16 48 256; do
        file "$root/share/icons/hicolor/${s}x$s/apps/$pkg.png" | grep -q "PNG image data, $s x $s" ||
            fail "the ${s}px icon is no ${s}x$s PNG"
    done
    ok
}

# The completion, sourced in a clean shell: completing WORDS... (the last one
# is completed) must offer EXPECTED (a line of the reply).
completes() { # completes SCRIPT FOLDER EXPECTED WORDS...
    local script=$1 folder=$2 expected=$3
    shift 3
    local reply
    reply=$(cd "$folder" && bash --norc -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1));
                _atw; printf "%s\n" "${COMPREPLY[@]}"' _ "$script" "$@" 2>/dev/null)
    if grep -qxF -- "$expected" <<<"$reply"; then ok; else
        fail "completing '$*' offers no '$expected' (got: $(tr '\n' ' ' <<<"$reply"))"
    fi
}

check_completion() { # check_completion SCRIPT ATW
    local script=$1 atw=$2 folder="$work/pages"
    mkdir -p "$folder/site"
    touch "$folder/menu.htm" "$folder/notes.txt"
    completes "$script" "$folder" move-template "$atw" mo
    completes "$script" "$folder" "X\\'mas" "$atw" delete-template X
    completes "$script" "$folder" "products\\ tree" "$atw" move-template pro
    completes "$script" "$folder" down "$atw" move-template Normal d
    completes "$script" "$folder" --auto-size "$atw" check -
    completes "$script" "$folder" --no-runtime "$atw" html -
    completes "$script" "$folder" check-links "$atw" check-
    completes "$script" "$folder" notes.txt "$atw" import no
    completes "$script" "$folder" menu.htm "$atw" check ""
    completes "$script" "$folder" site "$atw" save menu.htm ""
    local reply
    reply=$(cd "$folder" && bash --norc -c 'source "$1"; COMP_WORDS=(atw html ""); COMP_CWORD=2; _atw;
                printf "%s\n" "${COMPREPLY[@]}"' _ "$script" 2>/dev/null)
    grep -q notes.txt <<<"$reply" && fail "a page argument is offered a .txt file" || ok
}

check_man() { # check_man PAGE.gz
    command -v man >/dev/null || return 0
    local warnings
    warnings=$(MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)
    [ -z "$warnings" ] && ok || fail "$1: $warnings"
}

echo "== staged install (DESTDIR) and its layout"
stage="$work/stage"
DESTDIR="$stage" cmake --install "$build" --prefix /usr >"$work/install.log" || {
    cat "$work/install.log"
    exit 1
}
check_layout "$stage/usr"
check "AppStream data valid" appstreamcli validate-tree --no-net "$stage"
check "desktop entry valid" desktop-file-validate "$stage/usr/share/applications/$pkg.desktop"
check_man "$stage/usr/share/man/man1/atw.1.gz"
check_man "$stage/usr/share/man/man1/AppletTavelinWizard.1.gz"

# The staged atw finds ../share/applettavelinwizard and works in a copy of it.
user="$work/user-staged"
mkdir -p "$work/site" "$work/home-site"
check "staged atw new" as_new_user "$user" "$stage/usr/bin/atw" new --template 6 "$work/site/menu.htm"
check "staged atw check" as_new_user "$user" "$stage/usr/bin/atw" check "$work/site/menu.htm"
[ -f "$user/.local/share/Quorvex/AppletTavelinWizard/help/index.htm" ] && ok ||
    fail "no per-user copy of the staged data"
check_completion "$stage/usr/share/bash-completion/completions/atw" "$stage/usr/bin/atw"

build_deb() {
    cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 || {
        cat "$work/cpack.log"
        exit 1
    }
    deb=$(ls "$work"/deb/${pkg}_*.deb)
    dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./usr/||' >"$work/deb.list"
    local f d depends
    for f in $(expected_files); do grep -qxF "$f" "$work/deb.list" || fail "the .deb lacks /usr/$f"; done
    depends=$(dpkg-deb -f "$deb" Depends)
    for d in libqt6widgets6 libqt6svg6 libstdc++6 qt6-qpa-plugins; do
        grep -q "$d" <<<"$depends" && ok || fail "the .deb does not depend on $d ($depends)"
    done
    echo "   $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB; Depends: $depends"
}

install_run_purge() {
    installed=yes
    apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" >"$work/apt.log" 2>&1 || {
        cat "$work/apt.log"
        exit 1
    }
    dpkg -L "$pkg" >"$work/owned"
    touch "$work/marker"
    local user="$work/user" rc=0 written left
    check "installed atw --version" as_new_user "$user" /usr/bin/atw --version
    grep -q "1.0.0" "$work/out" || fail "atw --version says: $(cat "$work/out")"
    check "installed atw new" as_new_user "$user" /usr/bin/atw new "$work/home-site/menu.htm"
    check "installed atw check" as_new_user "$user" /usr/bin/atw check "$work/home-site/menu.htm"
    [ -f "$work/home-site/menu.tvx" ] && ok || fail "atw new wrote no project file"
    [ -f "$user/.local/share/Quorvex/AppletTavelinWizard/AppletTavelinWizard.tpl" ] && ok ||
        fail "the installed atw made no per-user copy"

    # The editor starts, shows its window and ends when asked; left alone it
    # stays up until it is stopped.
    check "installed editor starts and quits" as_new_user "$user" env ATW_QUIT_AFTER_SHOW=1 \
        timeout 60 /usr/bin/AppletTavelinWizard
    as_new_user "$user" timeout 5 /usr/bin/AppletTavelinWizard "$work/home-site/menu.htm" \
        >"$work/editor.log" 2>&1 || rc=$?
    [ "$rc" -eq 124 ] && ok || {
        fail "the editor ended by itself (exit $rc) instead of running"
        cat "$work/editor.log" >&2
    }

    # The plug-in finds every library it needs among the installed packages.
    if [ -f /usr/lib/$pkg/libatwwebpreview.so ]; then
        ldd /usr/lib/$pkg/libatwwebpreview.so >"$work/ldd" 2>&1 && ! grep -q "not found" "$work/ldd" && ok ||
            fail "the browser engine's plug-in lacks libraries: $(grep 'not found' "$work/ldd" | tr '\n' ' ')"
    fi

    # Run as root, yet nothing was written into the package's folder.
    written=$(find /usr/share/applettavelinwizard -newer "$work/marker")
    [ -z "$written" ] && ok || fail "the programs wrote into the installed data: $written"

    dpkg --purge "$pkg" >"$work/purge.log" 2>&1 || fail "dpkg --purge: $(cat "$work/purge.log")"
    installed=""
    left=$(while read -r f; do if [ -e "$f" ] && [ ! -d "$f" ]; then echo "$f"; fi; done <"$work/owned")
    [ -z "$left" ] && ok || fail "left after purging: $left"
    [ ! -e /usr/share/applettavelinwizard ] && ok || fail "/usr/share/applettavelinwizard left after purging"
}

if [ "$(id -u)" -ne 0 ] || ! command -v dpkg-deb >/dev/null; then
    echo "== the .deb: skipped (needs root and dpkg)"
else
    echo "== the .deb: build and list"
    build_deb
    if dpkg -s "$pkg" >/dev/null 2>&1 && [ "${CI:-}" != true ]; then
        echo "== $pkg is installed on this machine already: left alone, install test skipped"
    else
        dpkg --purge "$pkg" >/dev/null 2>&1 || true # a leftover of an interrupted run
        echo "== the .deb: install, run as a new user, purge"
        install_run_purge
    fi
fi

echo "install: $passes passed, $fails failed"
[ "$fails" -eq 0 ]
