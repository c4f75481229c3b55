#!/usr/bin/env bash
# Installs the Debian packages a command needs, when any is missing:
#   bash tools/install-deps.sh [--test] [--bench] [--format]
# Without an option: what building and running the game needs, with Qt's Wayland plugin and GTK
# platform theme; --test adds what the tests use, --bench Google Benchmark (for
# -DKETTERLINE_BENCH=ON), --format clang-format (for tools/check-format.sh).
# Nothing needs root when nothing is missing. A user who is not root installs through sudo where
# it can be used; otherwise the script names the missing packages and the command to run as
# root, and exits with status 1.
set -euo pipefail

packages=(
    cmake g++ make qt6-base-dev fonts-dejavu-core
    # the Chinese font and the Japanese one, each drawing Han characters in its language's forms
    fonts-wqy-microhei fonts-vlgothic
    # lrelease, which compiles the translations into the game, and Qt's own translations
    qt6-l10n-tools qt6-translations-l10n
    # the desktop: Qt's Wayland plugin, and the GTK platform theme through which the game takes a
    # GNOME or GTK desktop's colours, dark mode and font
    qt6-wayland qt6-gtk-platformtheme
)
for option in "$@"; do
    case $option in
        --test)
            packages+=(
                libgtest-dev
                # the desktop entry and the metainfo
                desktop-file-utils appstream
                # the Debian package, as Debian and software centres check it
                dpkg-dev file lintian appstream-compose
                # the game played on an X server of its own
                xvfb xdotool x11-apps x11-utils libx11-dev
                # the accessibility bus, read by the tests, and the screen reader Orca
                at-spi2-core dbus-x11 python3-pyatspi orca
            )
            ;;
        --bench) packages+=(libbenchmark-dev) ;;
        --format) packages+=(clang-format) ;;
        *)
            echo "usage: bash tools/install-deps.sh [--test] [--bench] [--format]" >&2
            exit 2
            ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

as_root=()
if ((EUID != 0)); then
    # sudo is used when it runs without a password, or can ask for one on this terminal.
    if command -v sudo >/dev/null && { sudo -n true 2>/dev/null || [[ -t 0 ]]; }; then
        echo "Installing with sudo: ${missing[*]}"
        as_root=(sudo)
    else
        echo "Missing Debian packages: ${missing[*]}"
        echo "Install them as root (for example after 'su -'), then run this command again:"
        echo "    apt-get install --no-install-recommends ${missing[*]}"
        exit 1
    fi
else
    echo "Installing: ${missing[*]}"
fi
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
