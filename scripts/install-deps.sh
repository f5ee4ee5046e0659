#!/usr/bin/env bash
# Installs every Debian package Pavodin needs to build, run and test.
set -euo pipefail
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO=sudo; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  build-essential g++ cmake ninja-build pkg-config git \
  clang libclang-rt-14-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  libsdl2-dev libsdl2-ttf-dev libfontconfig-dev fonts-dejavu-core \
  libzip-dev libexpat1-dev pandoc libcups2-dev libespeak-ng-dev libspeechd-dev \
  python3 python3-docx tmux xvfb xauth xdotool imagemagick openbox sox espeak-ng \
  wbrazilian fortunes-br
