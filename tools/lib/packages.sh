# Installs the Debian packages named as arguments when any is missing.
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

native_packages=(cmake make g++ libgtest-dev clang libclang-rt-14-dev libbenchmark-dev time)
mingw_packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools)
wine_packages=(wine wine64 xvfb xauth fonts-wqy-microhei locales x11-utils imagemagick)
