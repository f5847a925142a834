// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fuzz targets. Each takes arbitrary bytes, must neither crash nor hang,
// and checks its invariants with FUZZ_CHECK. The libFuzzer build wraps one of
// them in LLVMFuzzerTestOneInput; the normal build replays the corpus.

#include <cstddef>
#include <cstdint>

int fuzzGifProbe(const uint8_t *data, size_t size);
int fuzzJpegProbe(const uint8_t *data, size_t size);
int fuzzOtherProbes(const uint8_t *data, size_t size);
int fuzzIni(const uint8_t *data, size_t size);
int fuzzGenerator(const uint8_t *data, size_t size);
int fuzzThumbnail(const uint8_t *data, size_t size);
int fuzzNames(const uint8_t *data, size_t size);
