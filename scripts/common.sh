# Shared by the scripts: installs what is missing and builds. Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="$ROOT/build"
# The sanitizer build of ./scripts/test --sanitize and the fuzz build of ./scripts/fuzz; both can be
# moved with VESK4_SANITIZE_BUILD and VESK4_FUZZ_BUILD.
SANITIZE_BUILD="${VESK4_SANITIZE_BUILD:-$ROOT/build-sanitize}"
FUZZ_BUILD="${VESK4_FUZZ_BUILD:-$ROOT/build-fuzz}"
# ./scripts/lint's compile commands: configured only, never built, and without precompiled headers,
# which clang-tidy cannot read from GCC.
LINT_BUILD="${VESK4_LINT_BUILD:-$ROOT/build-lint}"

# ccache (where installed) reuses objects compiled with a precompiled header only when it may ignore
# the header's time stamps and the macros defined before it. Settings already in the environment win.
export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"

# help2man makes the manual pages from the programs' --help, rsvg-convert the icon's PNGs.
# qt6-tools-dev and qt6-l10n-tools compile the translations; qt6-translations-l10n holds Qt's own
# (the standard buttons' texts).
BUILD_PACKAGES=(qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n cmake g++ make
    libgtest-dev libbenchmark-dev fonts-ipafont-gothic help2man librsvg2-bin)
# ./scripts/lint checks the formatting with clang-format and src/ with clang-tidy (./scripts/tidy).
LINT_PACKAGES=(clang-tidy clang-format)
# The install test of ./scripts/test checks the installed files with these; xdg-mime needs
# libfile-mimeinfo-perl's mimetype to read the installed MIME database.
INSTALL_CHECK_PACKAGES=(desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl man-db)
# ./scripts/package: CPack's Debian generator finds the programs with file and their library
# dependencies with dpkg-shlibdeps.
PACKAGE_PACKAGES=(dpkg-dev file)
DISPLAY_PACKAGES=(xvfb xauth imagemagick x11-utils)
# g++ brings the sanitizer runtimes of ./scripts/test --sanitize. ./scripts/fuzz needs clang, its
# runtime libraries (libFuzzer, the sanitizers) and llvm-symbolizer for readable reports.
FUZZ_PACKAGES=(clang libclang-rt-dev llvm)

# Installs the Debian packages among "$@" that are not installed yet.
install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds every target into build/, programs into build/bin; the benchmarks
# only when named: build_all vesk4-bench.
build_all() {
    cmake -S "$ROOT" -B "$BUILD" >/dev/null
    cmake --build "$BUILD" -j "$(nproc)"
    [ $# -eq 0 ] || cmake --build "$BUILD" -j "$(nproc)" --target "$@"
}

# Configures (once) build-lint/ for clang-tidy: the compile commands and the generated headers.
configure_lint() {
    cmake -S "$ROOT" -B "$LINT_BUILD" -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON >/dev/null
}

# Configures (once) and builds every target with AddressSanitizer and UndefinedBehaviorSanitizer,
# asserts on, into build-sanitize/; the benchmarks too, so that CI sees them compile.
build_sanitized() {
    cmake -S "$ROOT" -B "$SANITIZE_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESK4_SANITIZE=ON >/dev/null
    cmake --build "$SANITIZE_BUILD" -j "$(nproc)" --target all vesk4-bench
}

# Sanitizer settings for the programs of a sanitized build: any report fails the program, with a
# stack. Options already in the environment come last and so win.
export_sanitizer_options() {
    local asan="detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
    export ASAN_OPTIONS="$asan${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
    export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
}

