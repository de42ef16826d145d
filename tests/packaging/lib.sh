# Shared steps of the package tests: a skip (77) when a tool is missing,
# a failure that says why.

readonly SKIP=77

need_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            echo "SKIP: $tool is not installed (scripts/install-deps.sh installs it)"
            exit "$SKIP"
        fi
    done
}

fail() {
    echo "FAIL: $*"
    exit 1
}

# The installed tree that build_deb.sh unpacked, or a failure.
installed_root() {
    local root="$1"
    [ -d "$root/usr" ] || fail "no unpacked package at $root (package.Build failed or was skipped)"
    realpath "$root"
}

# A settings-free home for a program run from the unpacked tree, so that
# whoever runs the tests cannot point it at other data.
fresh_home() {
    local home
    home=$(mktemp -d "${TMPDIR:-/tmp}/tagwright-package-XXXXXX")
    export HOME="$home"
    unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_DATA_DIRS
    echo "$home"
}
