#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# build/fuzz and runs each for a fixed time (FUZZ_SECONDS, default 60) from its seed corpus.
# Fails when a fuzzer finds a crash, a leak, undefined behaviour or a broken check; the input
# that did it is left in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-60}"
build=build/fuzz
fuzzers=(IniDocumentFuzzer CommentFileFuzzer ImageDecoderFuzzer ExifReaderFuzzer CodeTableFuzzer)

cmake -S . -B "$build" -G Ninja \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DVISTREL_BUILD_FUZZERS=ON -DVISTREL_SANITIZERS=ON -DVISTREL_BUILD_TESTS=OFF
cmake --build "$build" --target "${fuzzers[@]}" ExifSeedCorpus

# Seeds are generated, never committed: the EXIF ones from the test fixture writer.
seeds="$build/seeds"
rm -rf "$seeds"
"$build/fuzz/ExifSeedCorpus" "$seeds"
cp data/vtdcode.vtd "$seeds/CodeTableFuzzer/"

mkdir -p "$build/artifacts"
for fuzzer in "${fuzzers[@]}"; do
    corpus="$build/corpus/$fuzzer"
    mkdir -p "$corpus" "$seeds/$fuzzer"
    echo "run-fuzzers: $fuzzer for ${seconds} s"
    "$build/fuzz/$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$fuzzer-" \
        "$corpus" "$seeds/$fuzzer"
done
