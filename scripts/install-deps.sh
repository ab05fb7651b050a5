#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Vokabit
# need, skipping the ones already present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6svg6-dev
  qt6-qpa-plugins libqt6multimedia6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  # Qt's own texts (file dialogs, standard buttons) in Swedish and German
  qt6-translations-l10n
  libgl-dev fonts-dejavu-core fonts-liberation2
  # words in any script: DejaVu covers Latin, Greek, Cyrillic, Hebrew and the
  # common Arabic letters, Scheherazade (2 MB) the whole Arabic block,
  # WenQuanYi Micro Hei (5 MB) Chinese, Japanese and Korean
  fonts-sil-scheherazade fonts-wqy-microhei
  clang libclang-rt-14-dev libbenchmark-dev libx11-dev bc
  xvfb xauth poppler-utils
  # the Debian package (cpack -G DEB) and the checks of its desktop files
  dpkg-dev appstream desktop-file-utils shared-mime-info xdg-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
