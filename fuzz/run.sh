#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each, from a seed corpus of the generated game data
# and the regression inputs under tests/fuzz/ (which must all pass first).
#   fuzz/run.sh FUZZ_BUILD RUN_DIR SECONDS
set -euo pipefail
build=$1 run=$2 seconds=$3
root=$(cd "$(dirname "$0")/.." && pwd)
regressions=$root/tests/fuzz

seeds() { # target, then the files that seed it
  local dir=$build/seeds/$1
  shift
  mkdir -p "$dir"
  cp -f "$@" "$dir/"
}
seeds fuzz_wave "$run"/Resource/Sound/*.wav
seeds fuzz_stage_csv "$run"/Resource/Data/*.csv
seeds fuzz_title_map "$run"/TitleMap.txt
seeds fuzz_image "$run"/Resource/Texture/*
mkdir -p "$build/seeds/fuzz_key_timeline"
cp -f "$root"/tests/e2e/data/*.keys "$build/seeds/fuzz_key_timeline/"
python3 "$root/tools/soak/random_timeline.py" --seed 1 --frames 20000 > "$build/seeds/fuzz_key_timeline/soak.keys"
# A recording, whose clock lines hold a frame's readings: from a line of a few dozen the fuzzer
# grows the long ones that a reader keeping every reading could not hold.
{
  printf 'open 1\ndata 3f2a9c1d0b7e4a55\nclock 0'
  for ((ms = 1200; ms < 1344; ms += 3)); do printf ' %d' "$ms"; done
  printf ' 1400x30\n1\n30 Enter\nclock 30 1700x4\n31\n45 Right Up\nclock 46 1990 1991\n90\n'
} > "$build/seeds/fuzz_key_timeline/recording.keys"
seeds fuzz_texts "$run"/Resource/Text/*.txt
seeds fuzz_text_stage "$root"/data/stage*.txt
# Every stage description is "Stage.ini": each seed is named by its stage's folder.
mkdir -p "$build/seeds/fuzz_stage_description"
for ini in "$run"/Resource/Data/Stage.ini "$run"/Resource/Stages/*/Stage.ini; do
  cp -f "$ini" "$build/seeds/fuzz_stage_description/$(basename "$(dirname "$ini")").ini"
done
# The files the game writes itself, from short runs of zem-headless: the settings after a visit
# to the options, and the best results and ghost of the first stage's recorded route.
made=$build/made
rm -rf "$made"
mkdir -p "$made"
headless() { SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy "$run/zem-headless" --dir "$run" --no-render "$@" > /dev/null; }
headless --frames 130 --keys "$root/tests/e2e/data/options.keys" --settings "$made/settings.ini"
headless --frames 3000 --keys "$root/tests/e2e/data/stage-1.keys" --best "$made/best-results.txt"
seeds fuzz_settings "$made/settings.ini"
seeds fuzz_best_results "$made/best-results.txt" "$root"/tests/e2e/data/*.best
seeds fuzz_ghost "$made/ghost-1.bin"
# The ghost's first frames as a ghost of their own, small enough for the fuzzer to change its
# frame count and its frames together.
python3 - "$made/ghost-1.bin" "$build/seeds/fuzz_ghost/ghost-4-frames.bin" <<'EOF'
import struct, sys
ghost = open(sys.argv[1], "rb").read()
frames = 4
open(sys.argv[2], "wb").write(ghost[:36] + struct.pack("<I", frames) + ghost[40:40 + 13 * frames])
EOF
# The regression inputs seed their targets too.
for target in "$regressions"/*/; do
  target=$(basename "$target")
  mkdir -p "$build/seeds/$target"
  cp -f "$regressions/$target"/* "$build/seeds/$target/"
done
# So do the corpora the long runs left (fuzz/corpus/TARGET, merged to the inputs that reach
# something new), so a short run starts where they ended.
for target in "$root"/fuzz/corpus/*/; do
  [ -d "$target" ] || continue
  target=$(basename "$target")
  mkdir -p "$build/seeds/$target"
  cp -f "$root/fuzz/corpus/$target"/* "$build/seeds/$target/"
done

# Limits: a text reader holds no more than a few times its input; a picture no more than its
# surfaces of at most 4096 x 2048 pixels (32 MB each). A file read within a bound (settings
# 8 KB, stage description 4 KB, translation and best results 64 KB) is fuzzed a little past it.
declare -A malloc_mb=([fuzz_wave]=64 [fuzz_stage_csv]=16 [fuzz_title_map]=16 [fuzz_key_timeline]=64 [fuzz_image]=160
                      [fuzz_settings]=16 [fuzz_texts]=16 [fuzz_stage_description]=16 [fuzz_ghost]=16
                      [fuzz_best_results]=16 [fuzz_text_stage]=16)
declare -A max_len=([fuzz_wave]=65536 [fuzz_stage_csv]=131072 [fuzz_title_map]=4096 [fuzz_key_timeline]=65536 [fuzz_image]=262144
                    [fuzz_settings]=16384 [fuzz_texts]=69632 [fuzz_stage_description]=8192 [fuzz_ghost]=65536
                    [fuzz_best_results]=69632 [fuzz_text_stage]=65536)

# The targets count their own operator new with malloc, which the sanitizer must not call a mismatch.
export ASAN_OPTIONS=${ASAN_OPTIONS:-alloc_dealloc_mismatch=0}

for target in fuzz_wave fuzz_stage_csv fuzz_title_map fuzz_key_timeline fuzz_image fuzz_settings fuzz_texts \
              fuzz_stage_description fuzz_ghost fuzz_best_results fuzz_text_stage; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  options=(-rss_limit_mb=2048 "-malloc_limit_mb=${malloc_mb[$target]}" "-max_len=${max_len[$target]}"
           -timeout=10 -close_fd_mask=3 -print_final_stats=1)
  if [ -d "$regressions/$target" ]; then
    echo "fuzz: $target: regression inputs"
    "$build/$target" "${options[@]}" "$regressions/$target"/* 2>&1 | tail -n 3
  fi
  echo "fuzz: $target for ${seconds} s"
  "$build/$target" "${options[@]}" -max_total_time="$seconds" "-artifact_prefix=$build/$target-" \
    "$corpus" "$build/seeds/$target" > "$build/$target.log" 2>&1 || {
      tail -n 40 "$build/$target.log"
      echo "fuzz: $target FAILED; the input is saved beside $build/$target.log" >&2
      exit 1
    }
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/$target.log" | tr '\n' ' '
  echo
done
