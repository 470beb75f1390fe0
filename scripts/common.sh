# Shared by scripts/run and scripts/test: packages, the build folders, the main build.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_root="$root/build"
jobs=$(nproc 2>/dev/null || echo 2)

packages=(
  cmake ninja-build g++ pkg-config python3
  qt6-base-dev libxcb1-dev libxcb-shm0-dev libx11-dev libgl-dev
  libgtest-dev libbenchmark-dev
  xvfb xdotool wmctrl openbox x11-utils imagemagick fonts-wqy-microhei
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

ensure_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
      "${missing[@]}" >/dev/null
  fi
}

# configure_build DIR [cmake options...]: configure once, then only rebuild.
configure_build() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
  fi
}

build_main() {
  configure_build "$build_root/main" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQIRVO_BENCH=ON
  ninja -C "$build_root/main" -j "$jobs"
}

# Starts Xvfb on a free display with openbox; sets DISPLAY and started_pids.
started_pids=()
start_virtual_display() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  started_pids+=($!)
  local number
  read -r -t 15 number <"$fifo" || true
  rm -f "$fifo"
  if [ -z "$number" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
  fi
  openbox --sm-disable >/dev/null 2>&1 &
  started_pids+=($!)
  for _ in $(seq 50); do wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
}

stop_started() {
  local pid
  for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${started_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  started_pids=()
}
