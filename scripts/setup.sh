#!/usr/bin/env bash
# Installs whatever this project needs on a Debian machine and is missing.
# Quick when everything is there already.
set -euo pipefail

packages=(cmake g++ make googletest libgtest-dev libgmock-dev libbenchmark-dev clang-format
          g++-mingw-w64-i686-posix wine wine32:i386 fonts-wine fonts-wqy-microhei locales
          xvfb x11-apps imagemagick xdotool fping)

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  sudo_if_needed dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_if_needed apt-get update -qq
  DEBIAN_FRONTEND=noninteractive sudo_if_needed apt-get install -y -qq "${missing[@]}" >/dev/null
elif [ -n "${need_update:-}" ]; then
  sudo_if_needed apt-get update -qq
fi

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  sudo_if_needed sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | sudo_if_needed tee -a /etc/locale.gen >/dev/null
  sudo_if_needed locale-gen >/dev/null
fi
