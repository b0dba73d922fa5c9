# Sourced by the scripts: the Debian packages the project builds with, and
# installing those that are missing.

# The library and the tool: json-c is the library's one dependency;
# nlohmann-json3-dev writes the JSON Schemas of devcap schema; rapidjson-dev is
# the reader devcap lint checks files with (it knows lines and columns).
DEVCAP_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libjson-c-dev nlohmann-json3-dev rapidjson-dev)
# The test suite besides: GoogleTest; python3-jsonschema, the validator the
# schemas and lint's SARIF are checked with; chromium, whose headless mode
# loads the HTML page of devcap matrix.
DEVCAP_TEST_PACKAGES=(googletest libgtest-dev python3 python3-jsonschema chromium)
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
