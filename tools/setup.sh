#!/usr/bin/env bash
# Sets up a Debian machine for Pemro, builds it, then runs it or its tests.
#   tools/setup.sh run    build and start the program on the sample course
#   tools/setup.sh test   build and run all tests, then the checked tests
#                         (tools/checked_test.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-run}

packages=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
          libgtest-dev libbenchmark-dev libboost-math-dev
          fonts-wqy-microhei fonts-arphic-uming fonts-arphic-ukai
          clang libclang-rt-14-dev xvfb xdotool)
# Formula letters (a serif italic) and Qt's own dialogs in Chinese.
packages+=(fonts-liberation fonts-dejavu-core qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

jobs=$(nproc)
[ "$jobs" -gt 4 ] && jobs=4
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build -j "$jobs"

case "$mode" in
  run)
    cd build/run
    exec ../pemro
    ;;
  test)
    cd build
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs"
    # Then under the sanitizers, the fuzzer and the GUI soak (PEMRO_CHECKED=0 skips them).
    cd ..
    [ "${PEMRO_CHECKED:-1}" = 0 ] || tools/checked_test.sh "$jobs"
    ;;
  *)
    echo "usage: tools/setup.sh run|test" >&2
    exit 1
    ;;
esac
