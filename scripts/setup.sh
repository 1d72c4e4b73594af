#!/usr/bin/env bash
# Sets up a Debian 12 machine for Applet Tavelina Wizard, builds it, and then
#   run   starts the editor (extra arguments go to the editor),
#   test  runs every test: the normal build, the core under AddressSanitizer
#         and UndefinedBehaviorSanitizer, a short run of each fuzzer, the menu
#         script's decoder under node, the written pages in Chromium, and the
#         installation (staged layout; the .deb installed, run and purged),
#   package  builds the .debs as a Debian package build does (Debian's
#         compiler flags, reproducibly; scripts/build-deb.sh) into
#         build-deb/package/: applettavelinwizard_*.deb and
#         applettavelinwizard-live-preview_*.deb,
#   build only builds.
# Only missing Debian packages are installed (with sudo when not root).
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-build}
[ $# -gt 0 ] && shift

packages=(g++ clang libclang-rt-14-dev cmake ninja-build pkg-config
          qt6-base-dev qt6-svg-dev qt6-webengine-dev qt6-webchannel-dev libgl-dev
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n  # lupdate/lrelease; Qt's own German texts
          qt6-multimedia-dev qt6-image-formats-plugins
          googletest libgtest-dev libgmock-dev libbenchmark-dev
          libgumbo-dev libpugixml-dev libmimalloc-dev zlib1g-dev libmd4c-dev libyaml-cpp-dev
          xvfb xauth librsvg2-bin time esbuild
          openbox xdotool x11-apps)  # checking the windows by hand under a window manager
# CPack's .deb needs dpkg-shlibdeps and file; the installation test checks the
# AppStream data, the desktop entry, the MIME type (xdg-mime, which asks
# mimetype), the packages (lintian) and the programs' hardening.
case "$mode" in
package) packages+=(dpkg-dev file) ;;
test) packages+=(dpkg-dev file appstream desktop-file-utils clang-format clang-tidy lintian devscripts
                 xdg-utils shared-mime-info libfile-mimeinfo-perl) ;;
esac
# Only the menu script's tests need node, npm and a real browser.
if [ "$mode" = test ]; then
    packages+=(chromium)
    command -v node >/dev/null 2>&1 || packages+=(nodejs)
    command -v npm >/dev/null 2>&1 || packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

jobs=$(nproc)
if [ "$mode" = package ]; then
    scripts/build-deb.sh build-deb
    echo "Install them with: sudo apt install ./build-deb/package/applettavelinwizard_*.deb" \
         "./build-deb/package/applettavelinwizard-live-preview_*.deb"
    exit 0
fi
# The tests build with every warning an error, as CI does.
werror=OFF
[ "$mode" = test ] && werror=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DATW_WERROR=$werror
cmake --build build -j "$jobs"

case "$mode" in
build)
    echo "Built: build/bin/AppletTavelinWizard and build/bin/atw"
    ;;
run)
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: starting the editor on a virtual display (xvfb-run)."
        exec xvfb-run -a build/bin/AppletTavelinWizard "$@"
    fi
    exec build/bin/AppletTavelinWizard "$@"
    ;;
test)
    echo "== the house style and the static checks of the changed files"
    scripts/check-format.sh
    scripts/tidy-changed.sh build

    export QT_QPA_PLATFORM=offscreen
    # Tests never touch the user's own settings.
    XDG_CONFIG_HOME=$(mktemp -d)
    export XDG_CONFIG_HOME
    ctest --test-dir build --output-on-failure -j "$jobs"

    echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DATW_BUILD_GUI=OFF \
          -DATW_BUILD_BENCH=OFF -DATW_SANITIZE=address,undefined -DATW_WERROR=ON
    cmake --build build-asan -j "$jobs" --target core_tests editor_tests autosave_tests
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --test-dir build-asan --output-on-failure -j "$jobs"

    echo "== the autosaver and its worker thread under ThreadSanitizer"
    cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DATW_BUILD_GUI=OFF \
          -DATW_BUILD_BENCH=OFF -DATW_SANITIZE=thread -DATW_WERROR=ON
    cmake --build build-tsan -j "$jobs" --target autosave_tests
    TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/autosave/tsan.supp" build-tsan/bin/autosave_tests

    if [ -f fuzz/CMakeLists.txt ]; then
        echo "== fuzzers, a short fixed run each"
        CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DATW_BUILD_GUI=OFF \
              -DATW_BUILD_TESTS=OFF -DATW_BUILD_BENCH=OFF -DATW_BUILD_FUZZ=ON
        cmake --build build-fuzz -j "$jobs"
        fuzz/run_all.sh build-fuzz
    fi

    echo "== the menu script: lint and types, decoder under node, fixtures, pages in Chromium"
    (cd web && npm ci --no-audit --no-fund --loglevel=error && npx eslint . && npx tsc -p jsconfig.json)
    node --test tests/js/
    ATW="$PWD/build/bin/atw" tests/js/make_fixtures.sh --check
    ATW="$PWD/build/bin/atw" tests/browser/run.sh

    echo "== installation: the staged layout; the .deb installed, run and purged"
    tests/install/run.sh build
    ;;
*)
    echo "usage: scripts/setup.sh run|test|package|build [editor arguments]" >&2
    exit 2
    ;;
esac
