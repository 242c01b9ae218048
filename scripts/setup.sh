#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# As root it installs them itself; otherwise it prints the command to run.
set -eu
packages=(
  cmake make g++ python3 googletest libgtest-dev libbenchmark-dev valgrind
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth x11-utils xdotool
  fp-utils fonts-ipafont-gothic imagemagick zip locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# The Wine runs use the players' Japanese locale (code page 932).
japanese_locale() { locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; }
make_japanese_locale() {
  japanese_locale && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "The Japanese locale is missing; create it with: sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8" >&2
    return 0
  fi
  localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
}
if [ ${#missing[@]} -eq 0 ]; then
  make_japanese_locale
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Install them with: sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
make_japanese_locale
