#!/usr/bin/env bash
# The program as a Debian user gets it:
#   1. `cmake --install` into a staging folder: the layout, the AppStream data,
#      the desktop entry, the manual pages, atw's completion, and the staged atw
#      finding its data in share/ and working in a per-user copy;
#   2. (as root) the .debs from CPack: their contents and dependencies, lintian
#      (clean but for the overrides the packages carry, each with its reason),
#      the hardening of every program; the editor's package installed with apt
#      without the Live Preview's, the installed atw and editor run as a new
#      user (and in German), the project file's MIME type known and
#      text/html's default application left alone; then the Live Preview package added, and both
#      purged, leaving nothing behind.
# usage: tests/install/run.sh [BUILD_DIR]   (default build; built beforehand)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
pkg=applettavelinwizard
preview_pkg=$pkg-live-preview
mime=application/x-tavelina-project
work=$(mktemp -d)
installed=""
cleanup()
{
    if [ -n "$installed" ]; then
        dpkg --purge "$preview_pkg" "$pkg" >/dev/null 2>&1 || true
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
        share/applettavelinwizard/translations/atw_de.qm \
        share/applications/$pkg.desktop share/metainfo/com.quorvex.AppletTavelinWizard.metainfo.xml \
        share/icons/hicolor/scalable/apps/$pkg.svg lib/$pkg/plugins/libatwsound.so \
        share/man/man1/atw.1.gz share/man/man1/AppletTavelinWizard.1.gz \
        share/bash-completion/completions/atw
    for s in 16 22 24 32 48 64 128 256; do echo "share/icons/hicolor/${s}x$s/apps/$pkg.png"; done
    # The Live Preview's browser engine, a plug-in the editor loads when the pane is shown.
    if has_preview; then preview_files; fi
}

has_preview() { [ -f "$build/bin/libatwwebpreview.so" ]; }
preview_files() {
    printf '%s\n' "lib/$pkg/plugins/libatwwebpreview.so" share/doc/$preview_pkg/copyright \
        share/doc/$preview_pkg/changelog.Debian.gz
}

check_layout() { # check_layout PREFIX_ROOT
    local root=$1 f s
    for f in $(expected_files); do
        [ -e "$root/$f" ] || fail "missing $f"
    done
    # Nothing outside these places (no libraries, headers, or data left in bin/).
    tree_of "$root" | grep -Ev '^(bin/(atw|AppletTavelinWizard)$|lib/applettavelinwizard/plugins/libatw(webpreview|sound)\.so$|share/(applettavelinwizard|applications|metainfo|mime/packages|icons/hicolor|man/man1|bash-completion/completions|doc/applettavelinwizard(-live-preview)?|lintian/overrides)/)' \
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

# The editor in German, as the desktop's language asks for it: its usage
# (Qt reads LANGUAGE and LANG itself, so no de_DE locale need be generated)
# and its window, started offscreen and ended once shown.
speaks_german() { # speaks_german WHICH HOME EDITOR
    local which=$1 home=$2 editor=$3
    local german=(env -u LC_ALL -u LC_MESSAGES LANGUAGE=de LANG=de_DE.UTF-8)
    check "$which editor --help in German" as_new_user "$home" "${german[@]}" "$editor" --help
    grep -q "^Aufruf: AppletTavelinWizard" "$work/out" && grep -q "Diese Hilfe zeigen" "$work/out" && ok ||
        fail "the $which editor's --help in German says: $(head -c 300 "$work/out")"
    check "$which editor starts in German" as_new_user "$home" "${german[@]}" ATW_QUIT_AFTER_SHOW=1 \
        timeout 60 "$editor"
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
# The editor claims its own project files, and no one else's.
grep -qx "MimeType=$mime;" "$stage/usr/share/applications/$pkg.desktop" && ok ||
    fail "the desktop entry does not declare MimeType=$mime; alone"
check_man "$stage/usr/share/man/man1/AppletTavelinWizard.1.gz"

# The staged atw finds ../share/applettavelinwizard and works in a copy of its
# template file and scripts; the samples a template uses are read in place.
user="$work/user-staged"
mkdir -p "$work/site" "$work/home-site"
check "staged atw new" as_new_user "$user" "$stage/usr/bin/atw" new --template 6 "$work/site/menu.htm"
check "staged atw check" as_new_user "$user" "$stage/usr/bin/atw" check "$work/site/menu.htm"
[ -f "$user/.local/share/Quorvex/AppletTavelinWizard/AppletTavelinWizard.tpl" ] && ok ||
    fail "no per-user copy of the staged template file"
compgen -G "$work/site/*.gif" >/dev/null && ok || fail "the template's shipped sample pictures did not come beside the page"
check_completion "$stage/usr/share/bash-completion/completions/atw" "$stage/usr/bin/atw"

# The staged editor finds its translations in ../share/applettavelinwizard.
speaks_german "staged" "$user" "$stage/usr/bin/AppletTavelinWizard"

# The staged MIME type names a project by its name and by its Notice line
# (a project under another name), and leaves other text alone.
if command -v update-mime-database >/dev/null && command -v mimetype >/dev/null; then
    cp -r "$stage/usr/share/mime" "$work/mime" && update-mime-database "$work/mime" 2>/dev/null
    cp "$work/site/menu.tvx" "$work/site/menu-copy"
    printf 'Notice=nothing of ours\n' >"$work/site/other"
    for f in menu.tvx:$mime menu-copy:$mime other:text/plain; do
        got=$(XDG_DATA_DIRS="$work:/usr/share" mimetype --brief "$work/site/${f%%:*}")
        [ "$got" = "${f#*:}" ] && ok || fail "the staged MIME data calls ${f%%:*} $got, not ${f#*:}"
    done
fi

build_deb() {
    cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 || {
        cat "$work/cpack.log"
        exit 1
    }
    deb=$(ls "$work"/deb/${pkg}_*.deb)
    preview_deb=$(ls "$work"/deb/${preview_pkg}_*.deb 2>/dev/null || true)
    dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./usr/||' >"$work/deb.list"
    local f d depends
    for f in $(expected_files); do
        case "$f" in lib/*/plugins/libatwwebpreview.so | share/doc/$preview_pkg/*) continue ;; esac
        grep -qxF "$f" "$work/deb.list" || fail "the .deb lacks /usr/$f"
    done
    depends=$(dpkg-deb -f "$deb" Depends)
    for d in libqt6widgets6 libqt6svg6 libstdc++6 qt6-qpa-plugins; do
        grep -q "$d" <<<"$depends" && ok || fail "the .deb does not depend on $d ($depends)"
    done
    # Qt WebEngine is for the Live Preview's package alone.
    grep -q webengine <<<"$depends" && fail "the editor's package depends on Qt WebEngine: $depends" || ok
    [ "$(dpkg-deb -f "$deb" Maintainer)" = "Quorvex <packages@quorvex.example>" ] && ok ||
        fail "Maintainer: $(dpkg-deb -f "$deb" Maintainer)"
    # A private plug-in needs no ldconfig: no maintainer scripts at all.
    dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'postinst|postrm' && fail "the .deb has maintainer scripts" || ok
    echo "   $(basename "$deb"): $(du -k "$deb" | cut -f1) KiB; Depends: $depends"
    if has_preview; then
        [ -n "$preview_deb" ] || fail "no $preview_pkg package"
        dpkg-deb -c "$preview_deb" | awk '{print $NF}' | sed 's|^\./usr/||' >"$work/preview.list"
        for f in $(preview_files); do grep -qxF "$f" "$work/preview.list" || fail "$preview_pkg lacks /usr/$f"; done
        grep -q "$pkg (= " <<<"$(dpkg-deb -f "$preview_deb" Depends)" && ok || fail "$preview_pkg does not depend on $pkg"
        grep -q "$preview_pkg" <<<"$(dpkg-deb -f "$deb" Recommends)" && ok || fail "$pkg does not recommend $preview_pkg"
        dpkg-deb --ctrl-tarfile "$preview_deb" | tar -t | grep -E 'postinst|postrm' &&
            fail "$preview_pkg has maintainer scripts" || ok
        echo "   $(basename "$preview_deb"): $(du -k "$preview_deb" | cut -f1) KiB"
    fi
}

# lintian on every package: nothing left but what the packages' own
# overrides take back, and every override says why.
check_lintian() {
    command -v lintian >/dev/null || {
        fail "lintian is not installed"
        return
    }
    local d name
    for d in "$deb" $preview_deb; do
        name=$(dpkg-deb -f "$d" Package)
        if lintian --fail-on error,warning,info --display-info "$d" >"$work/lintian" 2>&1; then ok; else
            fail "lintian on $name:"
            sed 's/^/    /' "$work/lintian" >&2
        fi
        dpkg-deb --fsys-tarfile "$d" | tar -xO "./usr/share/lintian/overrides/$name" 2>/dev/null |
            awk '/^#/ { why = 1; next } /^[^[:space:]]/ { if (!why) print; why = 0 }' >"$work/bare"
        [ -s "$work/bare" ] && fail "$name overrides without a reason: $(cat "$work/bare")" || ok
    done
}

# Every installed program and the plug-in: read-only relocations bound at
# start, a stack protector, and (hardening-check) fortified C library calls;
# the programs are position independent.
check_hardening() { # check_hardening FILE...
    local f
    for f in "$@"; do
        readelf -hlW "$f" >"$work/elf"
        readelf -dW "$f" >"$work/dynamic"
        readelf -sW --dyn-syms "$f" >"$work/symbols"
        case "$f" in */bin/*)
            grep -q 'Type:.*DYN' "$work/elf" && ok || fail "$f is no position-independent executable" ;;
        esac
        grep -q GNU_RELRO "$work/elf" && ok || fail "$f has no RELRO segment"
        grep -Eq 'BIND_NOW|FLAGS.*[[:space:]]NOW' "$work/dynamic" && ok || fail "$f is not bound at start (BIND_NOW)"
        grep -q __stack_chk_fail "$work/symbols" && ok || fail "$f has no stack protector"
        # Control-flow protection is compiled in, but Debian 12's C start files
        # (crt1.o, crti.o) carry no IBT/SHSTK marking, so no program linked
        # there is marked as a whole: that one check is left out.
        if command -v hardening-check >/dev/null; then
            check "hardening-check $f" hardening-check --nocfprotection "$f"
        fi
    done
}

# What xdg-open would start for a web page, as a new user sees it.
html_default() { as_new_user "$work/user-mime" xdg-mime query default text/html 2>/dev/null || true; }

install_run_purge() {
    local html_before
    html_before=$(html_default)
    installed=yes
    # The editor's package alone: the Live Preview is only recommended.
    apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" >"$work/apt.log" 2>&1 || {
        cat "$work/apt.log"
        exit 1
    }
    dpkg -s "$preview_pkg" >/dev/null 2>&1 && fail "$preview_pkg came with the editor's package" || ok
    dpkg -L "$pkg" >"$work/owned"
    touch "$work/marker"
    local user="$work/user" rc=0 written left
    check "installed atw --version" as_new_user "$user" /usr/bin/atw --version
    grep -q "1.0.0" "$work/out" || fail "atw --version says: $(cat "$work/out")"
    check "installed editor --version" as_new_user "$user" /usr/bin/AppletTavelinWizard --version
    grep -qx "Applet Tavelina Wizard 1.0.0" "$work/out" || fail "the editor's --version says: $(cat "$work/out")"
    # A wrong option, without any display: the usage and status 2, no abort.
    rc=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$user" /usr/bin/AppletTavelinWizard --bogus \
        >"$work/out" 2>&1 || rc=$?
    [ "$rc" -eq 2 ] && grep -q "^Usage:" "$work/out" && ok ||
        fail "--bogus without a display: status $rc, $(head -c 300 "$work/out")"
    check "installed atw new" as_new_user "$user" /usr/bin/atw new "$work/home-site/menu.htm"
    check "installed atw check" as_new_user "$user" /usr/bin/atw check "$work/home-site/menu.htm"
    [ -f "$work/home-site/menu.tvx" ] && ok || fail "atw new wrote no project file"
    [ -f "$user/.local/share/Quorvex/AppletTavelinWizard/AppletTavelinWizard.tpl" ] && ok ||
        fail "the installed atw made no per-user copy"

    # The desktop knows the project file's type and who opens it; what opens
    # a web page is as it was before.
    local got
    got=$(as_new_user "$user" xdg-mime query filetype "$work/home-site/menu.tvx" 2>&1)
    [ "$got" = "$mime" ] && ok || fail "xdg-mime calls a project $got, not $mime"
    got=$(as_new_user "$user" xdg-mime query default "$mime" 2>&1)
    [ "$got" = "$pkg.desktop" ] && ok || fail "xdg-mime opens $mime with '$got', not $pkg.desktop"
    got=$(html_default)
    [ "$got" = "$html_before" ] && ok || fail "the install made '$got' the default for text/html (was '$html_before')"

    check_hardening /usr/bin/atw /usr/bin/AppletTavelinWizard /usr/lib/$pkg/plugins/libatwsound.so

    # The editor starts without the Live Preview's package, shows its window
    # and ends when asked; left alone, given a project file, it stays up until
    # it is stopped.
    check "installed editor starts and quits" as_new_user "$user" env ATW_QUIT_AFTER_SHOW=1 \
        timeout 60 /usr/bin/AppletTavelinWizard
    speaks_german "installed" "$user" /usr/bin/AppletTavelinWizard
    # Help and samples are read where they are installed: no user gets a copy.
    local copied
    copied=$(cd "$user/.local/share/Quorvex/AppletTavelinWizard" && { ls -d help Sample 2>/dev/null || true; } | tr '\n' ' ')
    [ -z "$copied" ] && ok || fail "the editor copied shipped data into the user's folder: $copied"
    rc=0
    as_new_user "$user" timeout 5 /usr/bin/AppletTavelinWizard "$work/home-site/menu.tvx" \
        >"$work/editor.log" 2>&1 || rc=$?
    [ "$rc" -eq 124 ] && ok || {
        fail "the editor ended by itself (exit $rc) instead of running"
        cat "$work/editor.log" >&2
    }

    # The Live Preview's package on top: its plug-in finds every library it
    # needs among the installed packages.
    if [ -n "$preview_deb" ]; then
        apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 "$preview_deb" \
            >"$work/apt.log" 2>&1 || {
            cat "$work/apt.log"
            exit 1
        }
        dpkg -L "$preview_pkg" >>"$work/owned"
        local plugin=/usr/lib/$pkg/plugins/libatwwebpreview.so
        ldd "$plugin" >"$work/ldd" 2>&1 && ! grep -q "not found" "$work/ldd" && ok ||
            fail "the browser engine's plug-in lacks libraries: $(grep 'not found' "$work/ldd" | tr '\n' ' ')"
        check_hardening "$plugin"
    fi

    # Run as root, yet nothing was written into the package's folder.
    written=$(find /usr/share/applettavelinwizard -newer "$work/marker")
    [ -z "$written" ] && ok || fail "the programs wrote into the installed data: $written"

    dpkg --purge "$preview_pkg" "$pkg" >"$work/purge.log" 2>&1 || fail "dpkg --purge: $(cat "$work/purge.log")"
    installed=""
    left=$(while read -r f; do if [ -e "$f" ] && [ ! -d "$f" ]; then echo "$f"; fi; done <"$work/owned")
    [ -z "$left" ] && ok || fail "left after purging: $left"
    [ ! -e /usr/share/applettavelinwizard ] && ok || fail "/usr/share/applettavelinwizard left after purging"
    [ ! -e /usr/lib/applettavelinwizard ] && ok || fail "/usr/lib/applettavelinwizard left after purging"
    got=$(as_new_user "$user" xdg-mime query filetype "$work/home-site/menu.tvx" 2>&1)
    [ "$got" != "$mime" ] && ok || fail "the MIME type outlived the package"
}

if [ "$(id -u)" -ne 0 ] || ! command -v dpkg-deb >/dev/null; then
    echo "== the .deb: skipped (needs root and dpkg)"
else
    echo "== the .debs: build, list and lintian"
    build_deb
    check_lintian
    if dpkg -s "$pkg" >/dev/null 2>&1 && [ "${CI:-}" != true ]; then
        echo "== $pkg is installed on this machine already: left alone, install test skipped"
    else
        dpkg --purge "$preview_pkg" "$pkg" >/dev/null 2>&1 || true # a leftover of an interrupted run
        echo "== the .debs: install, run as a new user, purge"
        install_run_purge
    fi
fi

echo "install: $passes passed, $fails failed"
[ "$fails" -eq 0 ]
