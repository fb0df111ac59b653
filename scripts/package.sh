#!/usr/bin/env bash
# Builds a release build in ./build-release and makes the Debian package vorlane_<version>_amd64.deb in ./dist.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DVORLANE_BUILD_TESTS=OFF -DVORLANE_BUILD_BENCHMARKS=OFF
cmake --build build-release --parallel "$(nproc)"
mkdir -p dist
cpack --config build-release/CPackConfig.cmake -G DEB -B dist
rm -rf dist/_CPack_Packages
ls dist/*.deb
