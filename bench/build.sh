# shellcheck shell=bash
# Sourced by the bench scripts, from the top of the repository.
#
# bench_build BUILD_DIR TARGET... builds the targets in BUILD_DIR. A folder
# without a cache is configured for the benchmarks: Release, the bench/
# targets on, the tests off, and every function starting a 64-byte line, so
# that two routines with the same instructions also lie alike in the cache
# and in the branch predictor (otherwise where the linker happens to put
# them shows as a difference of up to a third). A folder configured before
# only gets the bench/ targets turned on. What CMake says goes to
# BUILD_DIR/bench-build.log, and to the terminal when it fails.
bench_build() {
    local build=$1
    shift
    local missing=()
    for p in cmake make g++ pkg-config libncurses-dev libvterm-dev libbenchmark-dev; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    if [[ ${#missing[@]} -gt 0 ]]; then
        echo "The benchmarks need some packages. Install them with:" >&2
        echo "  sudo apt-get install -y ${missing[*]}" >&2
        return 1
    fi
    mkdir -p "$build"
    local log=$build/bench-build.log
    local configure=(cmake -S . -B "$build" -DORDINA_BENCH=ON)
    if [[ ! -f $build/CMakeCache.txt ]]; then
        configure+=(-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
            -DCMAKE_C_FLAGS=-falign-functions=64 -DCMAKE_CXX_FLAGS=-falign-functions=64)
    fi
    # Configured every time: a target added since the folder was made is
    # then known to the build.
    "${configure[@]}" >"$log" 2>&1 || {
        cat "$log" >&2
        return 1
    }
    cmake --build "$build" -j2 --target "$@" >"$log" 2>&1 || {
        cat "$log" >&2
        return 1
    }
}
