#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UBSan
# into build/fuzz/, then runs each one for a bounded time.
#   fuzz/run.sh [seconds per target, default 20] [target ...]
# Exits non-zero if any target fails to build or finds a crash; crash inputs
# are kept under build/fuzz/artifacts/<target>/.
set -euo pipefail

seconds="${1:-20}"
shift || true
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$root/build/fuzz"
cxx="${CXX_FUZZ:-clang++}"

# Each target with the portable sources it needs.
declare -A sources=(
    [fuzz_utf8_encode]="platform/utf.cpp settings_window/utf8_encode.cpp"
    [fuzz_shop_links]="platform/utf.cpp settings_window/utf8_encode.cpp settings_window/shop_links.cpp"
    [fuzz_key_row]="pointer_core/key_name_table.cpp"
    [fuzz_utf]="platform/utf.cpp"
    [fuzz_step_text]="settings_window/step_text.cpp"
    [fuzz_input_path]="pointer_core/keyboard_mouse.cpp pointer_core/pointer_engine.cpp pointer_core/hold_curve.cpp forms/controls.cpp forms/form.cpp forms/form_input.cpp forms/form_keys.cpp forms/runtime.cpp platform/sim/sim_platform.cpp forms/sim/sim_backend.cpp platform/key_gate.cpp platform/input_health.cpp platform/utf.cpp"
    [fuzz_kept_settings]="pointer_core/kept_settings.cpp pointer_core/key_name_table.cpp platform/sim/sim_platform.cpp platform/key_gate.cpp platform/input_health.cpp"
)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets < <(printf '%s\n' "${!sources[@]}" | sort)
fi

flags=(-std=c++20 -O1 -g -Wall -Wextra -I"$root"
       -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

mkdir -p "$out"
for target in "${targets[@]}"; do
    if [ -z "${sources[$target]+set}" ]; then
        echo "unknown fuzz target: $target" >&2
        exit 2
    fi
    echo "== building $target"
    read -ra files <<< "${sources[$target]}"
    "$cxx" "${flags[@]}" "$root/fuzz/$target.cpp" "${files[@]/#/$root/}" -o "$out/$target"
done

failed=()
for target in "${targets[@]}"; do
    # New inputs go to the build folder; the committed seeds are only read.
    work="$out/corpus/$target"
    artifacts="$out/artifacts/$target"
    mkdir -p "$work" "$artifacts"
    echo "== running $target for ${seconds}s"
    if ! "$out/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
            -artifact_prefix="$artifacts/" "$work" "$root/fuzz/corpus/$target"; then
        failed+=("$target")
    fi
done

if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz failures: ${failed[*]} (inputs under $out/artifacts/)" >&2
    exit 1
fi
echo "all fuzz targets ran clean"
