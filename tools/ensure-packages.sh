#!/usr/bin/env bash
# Installs the Debian packages of the given groups from packages.txt that are not installed yet.
# Asks apt nothing when everything is already there, so a second run starts at once.
ensure_packages() {
    local list missing=() pkg group want
    list="$(dirname "${BASH_SOURCE[0]}")/../packages.txt"
    while read -r pkg group; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        for want in "$@"; do
            if [[ "$group" == "$want" ]]; then
                if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
                    missing+=("$pkg")
                fi
            fi
        done
    done <"$list"
    ((${#missing[@]} == 0)) && return 0

    echo "Installing missing packages: ${missing[*]}" >&2
    local sudo=()
    if ((EUID != 0)); then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo=(sudo)
        else
            echo "error: these Debian packages are missing: ${missing[*]}" >&2
            echo "Install them as root: apt-get install ${missing[*]}" >&2
            return 1
        fi
    fi
    "${sudo[@]}" apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq \
            "${missing[@]}" >/dev/null || {
        echo "error: could not install: ${missing[*]}" >&2
        return 1
    }
}
