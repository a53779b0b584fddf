#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The libWidgetDeck authors
# SPDX-License-Identifier: MIT

# One entry point for setting up, building and running the project on Debian 12.
#   scripts/run.sh gallery   install what is missing, build, run the gallery
#                            (without a display: write its screenshots and say where)
#   scripts/run.sh test      install what is missing, build, run the whole test suite
#   scripts/run.sh bench     install what is missing, build, run the benchmark runner
#   scripts/run.sh asan      the test suite built with AddressSanitizer, UBSan and LeakSanitizer
#   scripts/run.sh tsan      the network worker's tests built with ThreadSanitizer
#   scripts/run.sh fuzz      every libFuzzer target for FUZZ_SECONDS (20) each, then its seeds
#   scripts/run.sh narrow FAMILY...  only those families (and the ones they need), in
#                            build-narrow-<families>/, with their tests, gallery and benchmarks
#   scripts/run.sh test6     the same on Qt 6, in build-qt6/ (gallery, benchmarks and fuzz
#                            targets are built too; the fuzz seeds are replayed)
#   scripts/run.sh package   install into a scratch prefix and build a host against it
#   scripts/run.sh package6  install the Qt 5 and the Qt 6 build into one scratch prefix and
#                            build the host against each
#   scripts/run.sh deb       build the Debian packages for Qt 5 and Qt 6, install them with dpkg,
#                            build a host against /usr, remove them again (needs root)
#   scripts/run.sh licence   list the tracked files without an SPDX licence header (fails if any)
#   scripts/run.sh abi       compare the libraries' ABI with scripts/abi-baseline or the last release (abidiff)
#   scripts/run.sh screenshots  build the gallery and rewrite docs/screenshots/ (both languages, 1x and 2x)
#   scripts/run.sh a11y      the gallery read over AT-SPI under Xvfb, in both languages (scripts/a11y.sh)
#   scripts/run.sh docs      write the API reference (build/docs/html); any Doxygen warning fails
#   scripts/run.sh desktop   real input on a real X server (Xvfb, openbox, xdotool) and a Wayland
#                            compositor (headless weston), reusing the test stage's tree
#   scripts/run.sh desktop6  the Wayland checks on Qt 6, reusing the test6 stage's build-qt6/
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${WIDGETDECK_BUILD_DIR:-$root/build}
jobs=$(nproc 2>/dev/null || echo 2)

packages=(build-essential cmake ninja-build pkg-config qtbase5-dev qttools5-dev-tools qttools5-dev
          fonts-dejavu-core fonts-wqy-microhei fonts-noto-cjk doxygen)
qt6_packages=(qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-5compat-dev linguist-qt6)
build6=${WIDGETDECK_BUILD6_DIR:-$root/build-qt6}

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages: ${missing[*]}; run as root or install them first." >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The test tree; the package, package6, deb, abi and windows stages reuse it (the compile
# commands are for windows).
configure() {
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
}

configure_and_build() {
    configure
    cmake --build "$build" -j "$jobs"
}

configure_and_build6() {
    # The fuzz targets are built with their seed-replay driver; their seeds run as tests.
    cmake -S "$root" -B "$build6" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWIDGETDECK_QT_MAJOR=6 \
        -DWIDGETDECK_BUILD_FUZZERS=ON
    cmake --build "$build6" -j "$jobs"
}

# Any sanitizer report fails the run: UBSan stops at the first finding, LeakSanitizer only
# accepts the checked-in suppressions (each names a frame outside this project).
sanitizer_env() {
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    export LSAN_OPTIONS=suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0
}

# A Debug tree of the tests built with sanitizer FLAGS: sanitizer_configure DIR FLAGS [CMAKE_ARGS...]
sanitizer_configure() {
    local dir=$1 flags=$2
    shift 2
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" -DCMAKE_SHARED_LINKER_FLAGS="$flags" \
        -DWIDGETDECK_BUILD_EXAMPLES=OFF -DWIDGETDECK_BUILD_BENCHMARKS=OFF "$@"
}

case "${1:-}" in
gallery)
    install_missing
    configure_and_build
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        exec "$build/examples/gallery/widgetdeck-gallery"
    fi
    echo "No display available: writing the gallery's screenshots instead."
    QT_QPA_PLATFORM=offscreen "$build/examples/gallery/widgetdeck-gallery" --screenshots "$root/screenshots"
    ;;
test)
    install_missing
    configure_and_build
    cd "$build"
    ctest --output-on-failure -j "$jobs"
    ;;
narrow)
    install_missing
    [ $# -ge 2 ] || { echo "narrow: name the families to build" >&2; exit 2; }
    families=$(IFS=';'; echo "${*:2}")
    dir="$root/build-narrow-$(IFS=-; echo "${*:2}")"
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWIDGETDECK_FAMILIES="$families"
    cmake --build "$dir" -j "$jobs"
    cd "$dir"
    ctest --output-on-failure -j "$jobs"
    ;;
test6)
    packages+=("${qt6_packages[@]}")
    install_missing
    configure_and_build6
    cd "$build6"
    ctest --output-on-failure -j "$jobs"
    ;;
asan)
    install_missing
    sanitizer_configure "$root/build-asan" \
        "-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
    cmake --build "$root/build-asan" -j "$jobs"
    sanitizer_env
    cd "$root/build-asan"
    ctest --output-on-failure -j "$jobs"
    ;;
tsan)
    install_missing
    # Only the families the worker needs, and only its tests: the rest has no second thread.
    sanitizer_configure "$root/build-tsan" "-fsanitize=thread -fno-omit-frame-pointer" \
        -DWIDGETDECK_FAMILIES="dialogs;network"
    tsan_tests=(tst_networkplatform tst_websetclient tst_workerlifetime)
    cmake --build "$root/build-tsan" -j "$jobs" --target "${tsan_tests[@]}"
    export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/tests/sanitizers/tsan.supp"
    cd "$root/build-tsan"
    ctest --output-on-failure -j "$jobs" -R "^($(IFS='|'; echo "${tsan_tests[*]}"))\$"
    ;;
fuzz)
    packages+=(clang libclang-rt-dev)
    install_missing
    flags="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
    CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DWIDGETDECK_BUILD_TESTS=OFF -DWIDGETDECK_BUILD_EXAMPLES=OFF -DWIDGETDECK_BUILD_BENCHMARKS=OFF \
        -DWIDGETDECK_BUILD_FUZZERS=ON
    cmake --build "$root/build-fuzz" -j "$jobs" --target widgetdeck-fuzzers
    sanitizer_env
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    for fuzzer in "$root"/build-fuzz/fuzz/fuzz_*; do
        [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
        name=$(basename "$fuzzer")
        seeds="$root/fuzz/corpus/$name"
        mkdir -p "$work/$name"
        echo "== $name: fuzzing for ${FUZZ_SECONDS:-20} s"
        # New inputs go to the scratch corpus; the checked-in seeds are only read.
        status=0
        "$fuzzer" -max_total_time="${FUZZ_SECONDS:-20}" -timeout=10 -rss_limit_mb=4096 \
            -print_final_stats=1 -artifact_prefix="$work/$name-" "$work/$name" "$seeds" \
            >"$work/$name.log" 2>&1 || status=$?
        grep -E '^(stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|invariant failed)' "$work/$name.log" || true
        if [ "$status" -ne 0 ]; then
            tail -n 60 "$work/$name.log" >&2
            echo "$name failed; reproducer and log in $work" >&2
            trap - EXIT
            exit 1
        fi
        echo "== $name: replaying the seeds"
        "$fuzzer" "$seeds"/* >"$work/$name.replay.log" 2>&1 \
            || { tail -n 60 "$work/$name.replay.log" >&2; echo "$name failed on a seed" >&2; exit 1; }
    done
    ;;
package)
    install_missing
    configure_and_build
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$build" --prefix "$prefix" >/dev/null
    bash "$root/tests/package/run.sh" "$prefix"
    ;;
package6)
    packages+=("${qt6_packages[@]}")
    install_missing
    # Reuses the trees of the test and test6 stages when they are there.
    configure_and_build
    configure_and_build6
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$build" --prefix "$prefix" >/dev/null
    cmake --install "$build6" --prefix "$prefix" >/dev/null
    bash "$root/tests/package/run.sh" "$prefix" 5
    bash "$root/tests/package/run.sh" "$prefix" 6
    ;;
deb)
    packages+=(dpkg-dev qt6-base-dev qt6-tools-dev qt6-5compat-dev designer-qt6)
    install_missing
    if [ "$(id -u)" -ne 0 ]; then
        echo "deb: installs packages with dpkg, run as root" >&2
        exit 1
    fi
    # The test stages' trees are reused: only the install prefix changes, so nothing recompiles.
    declare -A tree=([5]=$build [6]=${WIDGETDECK_BUILD_DIR_QT6:-$root/build-qt6})
    declare -A qtpaths=([5]=/usr/lib/qt5/bin/qmake [6]=/usr/lib/qt6/bin/qtpaths6)
    majors=(${DEB_QT_MAJORS:-5 6})
    installed=()
    remove_packages() {
        [ ${#installed[@]} -eq 0 ] && return 0
        echo "== removing ${installed[*]}"
        dpkg --purge "${installed[@]}" >/dev/null || true
    }
    trap remove_packages EXIT
    for major in "${majors[@]}"; do
        dir=${tree[$major]}
        echo "== Qt $major: packages from $dir"
        cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
            -DWIDGETDECK_QT_MAJOR="$major" >/dev/null
        targets=(WidgetDeck FormCore)
        cmake --build "$dir" --target help | grep '^widgetdeck_designer:' >/dev/null && targets+=(widgetdeck_designer)
        cmake --build "$dir" -j "$jobs" --target "${targets[@]}"
        rm -rf "$dir/packages"
        (cd "$dir" && cpack -G DEB -C RelWithDebInfo >/dev/null)
        debs=("$dir"/packages/*.deb)
        for deb in "${debs[@]}"; do
            dpkg-deb -f "$deb" Package Depends | sed 's/^/    /'
            installed+=("$(dpkg-deb -f "$deb" Package)")
        done
        # Both majors' packages go into one system at once: no file may collide.
        dpkg -i "${debs[@]}"
        plugins=$(${qtpaths[$major]} -query QT_INSTALL_PLUGINS)/designer
        # grep reads the whole list: with -q it would stop early and pipefail would see dpkg's SIGPIPE.
        if ! dpkg -L "${installed[@]}" | grep "^$plugins/libwidgetdeck.*\.so$" >/dev/null; then
            echo "deb: no designer plugin in $plugins" >&2
            exit 1
        fi
    done
    for major in "${majors[@]}"; do
        echo "== Qt $major: host built against /usr"
        WIDGETDECK_QT_MAJOR=$major bash "$root/tests/package/run.sh" /usr "$major"
    done
    ;;
licence)
    bash "$root/scripts/spdx.sh" check
    ;;
abi)
    packages+=(abigail-tools git)
    install_missing
    scratch=${WIDGETDECK_ABI_DIR:-$root/build-abi}
    mkdir -p "$scratch"
    # The commit whose ABI the current SOVERSION promises, kept in the tree because a clone may carry
    # no tags; raise it with the SOVERSION. Without it, the last release tag.
    base=$(sed -n 's/^\([0-9a-f]\{7,40\}\).*/\1/p' "$root/scripts/abi-baseline" 2>/dev/null | head -n 1)
    if [ -n "$base" ] && ! git -C "$root" cat-file -e "$base^{commit}" 2>/dev/null; then
        echo "abi: the baseline commit $base is not in this clone; fetch the history (git fetch --unshallow)" >&2
        exit 1
    fi
    [ -n "$base" ] || base=$(git -C "$root" describe --tags --abbrev=0 --match 'v*' 2>/dev/null || true)
    if [ -z "$base" ]; then
        # No release tag in this clone: the commit that started the current version series.
        version=$(sed -n 's/^project(WidgetDeck VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
        base=$(git -C "$root" log -n 1 --format=%H -G "^project\\(WidgetDeck VERSION ${version//./\\.}[ )]" -- CMakeLists.txt)
    fi
    if [ -z "$base" ]; then
        echo "abi: no release tag and no commit setting the version; fetch the history (git fetch --tags --unshallow)" >&2
        exit 1
    fi
    commit=$(git -C "$root" rev-parse "$base^{commit}")
    echo "== baseline $base ($commit)"
    # The baseline is checked out once per commit and its build kept, so reruns are incremental.
    if [ "$(git -C "$scratch/base-src" rev-parse HEAD 2>/dev/null)" != "$commit" ]; then
        git -C "$root" worktree remove --force "$scratch/base-src" 2>/dev/null || rm -rf "$scratch/base-src"
        git -C "$root" worktree prune
        git -C "$root" worktree add --detach "$scratch/base-src" "$commit" >/dev/null
        rm -rf "$scratch/base"
    fi
    # The libraries and headers only, with the test tree's flags (optimised, with debug
    # information): the current side is the test tree itself, so only the baseline compiles.
    # Options an older tree lacks are ignored.
    # abi_install DIR PREFIX [COMPONENT...]: without components, everything the tree installs.
    abi_install() {
        local dir=$1 prefix=$2 component
        cmake --build "$dir" -j "$jobs" --target WidgetDeck FormCore
        rm -rf "$prefix"
        [ $# -gt 2 ] || cmake --install "$dir" --prefix "$prefix" >/dev/null
        for component in "${@:3}"; do
            cmake --install "$dir" --prefix "$prefix" --component "$component" >/dev/null
        done
    }
    cmake -S "$scratch/base-src" -B "$scratch/base" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DWIDGETDECK_BUILD_TESTS=OFF -DWIDGETDECK_BUILD_EXAMPLES=OFF -DWIDGETDECK_BUILD_BENCHMARKS=OFF \
        -DWIDGETDECK_BUILD_FUZZERS=OFF -DWIDGETDECK_BUILD_DESIGNER_PLUGIN=OFF -Wno-dev >/dev/null
    abi_install "$scratch/base" "$scratch/base-install"
    configure >/dev/null
    # The test tree also holds what is not built here (tests, plugin): only the libraries and headers.
    abi_install "$build" "$scratch/current-install" runtime dev
    failed=0
    for lib in WidgetDeck FormCore; do
        old=$(find "$scratch/base-install" -name "lib$lib*.so.*.*" -type f | head -n 1)
        new=$(find "$scratch/current-install" -name "lib$lib*.so.*.*" -type f | head -n 1)
        headers_old=(); headers_new=()
        for d in "$scratch"/base-install/include/*/; do headers_old+=(--headers-dir1 "$d"); done
        for d in "$scratch"/current-install/include/*/; do headers_new+=(--headers-dir2 "$d"); done
        soname_old=$(readelf -d "$old" | sed -n 's/.*SONAME.*\[\(.*\)\]/\1/p')
        soname_new=$(readelf -d "$new" | sed -n 's/.*SONAME.*\[\(.*\)\]/\1/p')
        status=0
        abidiff "${headers_old[@]}" "${headers_new[@]}" "$old" "$new" >"$scratch/$lib.abidiff" 2>&1 || status=$?
        echo "== $soname_old -> $soname_new: abidiff status $status"
        if [ $((status & 3)) -ne 0 ]; then
            cat "$scratch/$lib.abidiff" >&2
            echo "abi: abidiff could not compare lib$lib" >&2
            failed=1
        elif [ "$status" -eq 0 ]; then
            continue
        elif [ "$soname_old" != "$soname_new" ]; then
            echo "   the SONAME was raised on purpose; changes (not a failure):"
            grep -E 'summary:' "$scratch/$lib.abidiff" | sed 's/^/   /'
        elif [ $((status & 8)) -eq 0 ] && ! grep -qE 'summary: [1-9][0-9]* Removed|, [1-9][0-9]* Changed' "$scratch/$lib.abidiff"; then
            echo "   only additions"
        else
            cat "$scratch/$lib.abidiff" >&2
            echo "abi: lib$lib changed incompatibly since $base without a new SOVERSION" >&2
            failed=1
        fi
    done
    exit "$failed"
    ;;
screenshots)
    install_missing
    configure_and_build
    rm -rf "$root/docs/screenshots"
    QT_QPA_PLATFORM=offscreen "$build/examples/gallery/widgetdeck-gallery" --screenshots "$root/docs/screenshots"
    ;;
a11y)
    packages+=(xvfb xauth x11-utils dbus-x11 at-spi2-core python3-pyatspi fonts-noto-cjk)
    install_missing
    # The test stage's tree; only the gallery is built.
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build" -j "$jobs" --target widgetdeck-gallery
    bash "$root/scripts/a11y.sh" "$build/examples/gallery/widgetdeck-gallery"
    ;;
docs)
    install_missing
    configure
    cmake --build "$build" --target docs
    echo "API reference: $build/docs/html/index.html"
    ;;
desktop)
    exec bash "$root/scripts/desktop.sh"
    ;;
desktop6)
    exec bash "$root/scripts/desktop.sh" qt6
    ;;
bench)
    install_missing
    configure_and_build
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "$build/benchmarks/widgetdeck-bench" "${@:2}"
    ;;
windows)
    # Every library translation unit through MinGW-w64 with -fsyntax-only and the Windows branches
    # active, against Qt's headers; a Linux tree supplies the generated ui and moc files.
    packages+=(g++-mingw-w64-x86-64 python3)
    install_missing
    configure
    # The moc and uic outputs of every family's object library and of libFormCore (already there
    # after the test stage). Ninja names them by their output: a target per library, or the
    # autogen timestamp file.
    autogen=($(cmake --build "$build" --target help \
        | sed -n 's/^\(\(WidgetDeck_[a-z]*\|FormCore\)_autogen\|.*\/\(WidgetDeck_[a-z]*\|FormCore\)_autogen\/timestamp\): .*/\1/p'))
    cmake --build "$build" -j "$jobs" --target "${autogen[@]}"
    python3 - "$build/compile_commands.json" "$jobs" <<'EOF'
import concurrent.futures, json, os, re, shlex, subprocess, sys
entries = [e for e in json.load(open(sys.argv[1]))
           if re.search(r'CMakeFiles/(WidgetDeck_[a-z]+|FormCore)\.dir/', e.get('output', e['command']))]
def command(entry):
    source = entry['file']
    # Where a family has per-platform sources, the Windows one replaces the Linux one.
    if source.endswith('_linux.cpp') and os.path.exists(source[:-len('_linux.cpp')] + '_win.cpp'):
        source = source[:-len('_linux.cpp')] + '_win.cpp'
    args = ['x86_64-w64-mingw32-g++', '-fsyntax-only']
    words = shlex.split(entry['command'])[1:]
    skip = False
    for word in words:
        if skip:
            skip = False
            continue
        if word in ('-o', '-c', '-MF', '-MT', '-MQ'):
            skip = word != '-c'
            continue
        if word in ('-fPIC', '-MD') or word.startswith('-fvisibility') or word == entry['file']:
            continue
        args.append(word.replace('mkspecs/linux-g++', 'mkspecs/win32-g++'))
    return source, args + [source]
def run(entry):
    source, args = command(entry)
    result = subprocess.run(args, cwd=entry['directory'], capture_output=True, text=True)
    return source, result.returncode, result.stderr
failed = 0
with concurrent.futures.ThreadPoolExecutor(int(sys.argv[2])) as pool:
    for source, code, errors in pool.map(run, entries):
        if code != 0 or 'error' in errors:
            failed += 1
            print('FAILED:', source, '\n', errors, file=sys.stderr)
print('windows: %d translation units checked, %d failed' % (len(entries), failed))
sys.exit(1 if failed or not entries else 0)
EOF
    ;;
*)
    sed -n '2,/^set -e/{/^#/p}' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac
