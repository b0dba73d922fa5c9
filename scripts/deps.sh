# Sourced by the scripts: install the Debian packages that are missing.
deps_missing() {
    local p missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    echo "${missing[@]:-}"
}

deps_install() {
    local missing
    missing=$(deps_missing "$@")
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages: $missing (install them, or run as root)" >&2
        return 1
    fi
    echo "installing: $missing" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing >/dev/null
}

# Let dpkg install packages of a foreign architecture (e.g. arm64).
deps_enable_arch() {
    dpkg --print-foreign-architectures | grep -qx "$1" && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "the $1 architecture is not enabled (dpkg --add-architecture $1, as root)" >&2
        return 1
    fi
    dpkg --add-architecture "$1"
    apt-get update -qq
}
