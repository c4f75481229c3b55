#!/usr/bin/env bash
# Installs the Debian packages that building and running need, when any is missing; with --test
# also those the tests use.
set -euo pipefail

packages=(
    cmake g++ make qt6-base-dev libgtest-dev libbenchmark-dev fonts-dejavu-core dpkg-dev file
)
if [[ ${1:-} == --test ]]; then
    packages+=(
        # the desktop entry and the metainfo
        desktop-file-utils appstream
        # the Debian package, as Debian and software centres check it
        lintian appstream-compose
        # the game played on an X server of its own
        xvfb xdotool x11-apps x11-utils libx11-dev
        at-spi2-core dbus-x11 python3-pyatspi  # what a screen reader reads, on the AT-SPI bus
        # the message for a Wayland display that is not there
        qt6-wayland
    )
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
