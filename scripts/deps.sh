# Sourced by the other scripts: installs the Debian packages the build, the tests and the
# demo need, once, and only those that are missing.
OSTREL_PACKAGES="cmake g++ make qtbase5-dev libqt5sql5-sqlite libqt5serialport5-dev \
qttools5-dev qttools5-dev-tools xvfb xauth imagemagick poppler-utils fonts-dejavu-core \
qttranslations5-l10n libqt5sql5-psql postgresql openssl ccache"
# The sanitizer build and the fuzz targets (scripts/test --sanitize, scripts/fuzz): clang with
# its sanitizer runtimes and libFuzzer.
OSTREL_SANITIZER_PACKAGES="clang libclang-rt-14-dev"
# The Windows release (scripts/windows): the MinGW-w64 cross compilers, Debian's sources of
# qtbase and sqlite3 (dpkg-dev, tcl), Wine for the tests and NSIS for the installer.
OSTREL_WINDOWS_PACKAGES="g++-mingw-w64-x86-64-posix mingw-w64 wine wine64 nsis tcl dpkg-dev \
xvfb xauth x11-utils xdotool imagemagick poppler-utils fonts-dejavu-core sqlite3"

# Extra arguments are further package lists to install, e.g. "$OSTREL_SANITIZER_PACKAGES".
ostrel_install_deps() {
    local missing=()
    for pkg in $OSTREL_PACKAGES $*; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 install -y -q \
        "${missing[@]}"
}

# Arguments after the build directory go to the configure step.
ostrel_build() {
    local build_dir="$1"
    shift
    cmake -S "$OSTREL_ROOT" -B "$build_dir" -DCMAKE_BUILD_TYPE="${OSTREL_BUILD_TYPE:-RelWithDebInfo}" \
        "$@"
    cmake --build "$build_dir" --parallel "$(nproc)"
}
