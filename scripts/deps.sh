# Sourced by ./run and ./test: makes sure the Debian packages the build needs are installed.
DUROVID_PACKAGES=(g++ clang cmake ninja-build qt6-base-dev libpugixml-dev libgl-dev
  qt6-image-formats-plugins fonts-dejavu-core libxml2-utils poppler-utils qt6-translations-l10n
  desktop-file-utils)

durovid_missing_packages() {
  local missing=() p
  for p in "${DUROVID_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  echo "${missing[@]}"
}

durovid_ensure_packages() {
  local missing
  missing=$(durovid_missing_packages)
  [ -z "$missing" ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Не хватает пакетов. Установите их командой / Missing packages, install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y $missing" >&2
    exit 1
  fi
  echo "Устанавливаются пакеты / installing: $missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  # shellcheck disable=SC2086
  apt-get install -y -q $missing
}
