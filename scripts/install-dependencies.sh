#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, test and run the program.
set -euo pipefail
# qt6-translations-l10n for Qt's own Hungarian texts, which the program builds in.
# clang and its runtimes (libFuzzer, AddressSanitizer, UndefinedBehaviorSanitizer) for scripts/sanitize.sh.
# python3 for the lexicon tools (tools/lexicon) and their tests; coinor-cbc for the word builder's
# integer programs, which the tests solve too.
packages=(cmake g++ ninja-build qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core libgtest-dev libgmock-dev libbenchmark-dev
          clang libclang-rt-dev python3 coinor-cbc)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y "${missing[@]}"
fi
