#!/bin/sh
# A full frame of the document window against the bare program's, side by
# side on one X server, at scale factors 1 and 2: both medians and their ratio;
# then a step of the animation slider with the Analysis panel shown, after 10
# and after 10,000 steps, against the same bare frame.
#   sh bench/compare.sh BUILD_DIR [RUNS]
# Starts its own Xvfb unless DISPLAY is set. WINDOW_BENCHMARK and
# SLIDER_BENCHMARK may name another build's programs, to compare two versions
# in one run.
set -eu
build=${1:?usage: sh bench/compare.sh BUILD_DIR [RUNS]}
runs=${2:-300}
example="$(dirname "$0")/../examples/restarted-with-points.quorvel"
window=${WINDOW_BENCHMARK:-$build/bench/window_benchmark}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$@"
fi
median() { sed -n 's/^median full frame[^:]*: \([0-9.]*\) ms$/\1/p'; }
bare=$("$build/bench/bare_frame_benchmark" "$example" "$runs" | median)
for scale in 1 2; do
    full=$(QT_SCALE_FACTOR=$scale "$window" "$example" "$runs" 2>/dev/null | median)
    awk -v s="$scale" -v f="$full" -v b="$bare" 'BEGIN {
        printf "scale %s: full frame %.2f ms, bare program %.2f ms, ratio %.2f\n", s, f, b, f / b }'
done
slider=${SLIDER_BENCHMARK:-$build/bench/slider_benchmark}
"$slider" "$example" "$(( runs / 3 + 1 ))" 2>/dev/null |
    sed -n 's/^median slider step after \([0-9]*\) steps: \([0-9.]*\) ms$/\1 \2/p' |
    while read -r steps step; do
        awk -v n="$steps" -v s="$step" -v b="$bare" 'BEGIN {
            printf "slider step after %s steps: %.2f ms, bare program %.2f ms, ratio %.2f\n", n, s, b, s / b }'
    done
