#!/bin/sh
# Installs the Debian packages that Quorvel builds, runs and tests with
# (lintian checks the Debian package in the install test).
set -eu
packages="cmake g++ pkg-config libgtest-dev locales \
  qt6-base-dev libqt6opengl6-dev libglu1-mesa-dev libgl-dev libegl-dev libegl-mesa0 \
  libgl1-mesa-dri xvfb xauth dpkg-dev file desktop-file-utils appstream \
  libqt6svg6 qt6-tools-dev qt6-l10n-tools \
  libeigen3-dev qt6-charts-dev qt6-svg-dev shared-mime-info lintian"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
# Skip the network when everything is already there.
if dpkg-query -W -f='${Status}\n' $packages 2>/dev/null | grep -qv 'install ok installed' ||
   [ "$(dpkg-query -W -f='${Status}\n' $packages 2>/dev/null | wc -l)" -ne "$(echo $packages | wc -w)" ]; then
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $packages
fi
