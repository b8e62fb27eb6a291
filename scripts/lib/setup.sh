# Shared by scripts/run and scripts/test: installs what is missing and builds.
# Sourced, not run.

LIR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
LIR_BUILD=${LIR_BUILD:-$LIR_ROOT/build}
LIR_JOBS=${LIR_JOBS:-$(nproc 2>/dev/null || echo 2)}

# Debian 12 packages the build, the tests and the program need.
LIR_PACKAGES=(
  cmake g++ make
  qt6-base-dev qt6-svg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libusb-dev libbz2-dev
  fonts-dejavu-core xvfb xauth
)

lir_say() { printf 'lir: %s\n' "$*" >&2; }

# Installs the packages that dpkg does not report as installed. apt's output goes
# to a log that is shown only when something fails.
lir_install_missing() {
  local missing=() pkg
  for pkg in "${LIR_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { lir_say "need root to install: ${missing[*]}"; return 1; }
    sudo=(sudo)
  fi
  local log
  log=$(mktemp -t lir-apt.XXXXXX.log)
  lir_say "installing ${missing[*]} (log: $log)"
  if ! { "${sudo[@]}" apt-get update && \
         DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; } \
       >"$log" 2>&1; then
    cat "$log" >&2
    lir_say "package installation failed"
    return 1
  fi
  rm -f "$log"
}

# Qt wants a private runtime folder; a fresh container or CI has none.
lir_runtime_dir() {
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d -t lir-runtime.XXXXXX)
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
  fi
}

# Configures the tree in $LIR_BUILD and builds it: the targets named as
# arguments, or everything.
lir_build() {
  cmake -S "$LIR_ROOT" -B "$LIR_BUILD" >/dev/null || return 1
  local targets=()
  [ $# -gt 0 ] && targets=(--target "$@")
  cmake --build "$LIR_BUILD" -j "$LIR_JOBS" "${targets[@]}"
}
