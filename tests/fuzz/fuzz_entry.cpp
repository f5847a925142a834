// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer's entry point for the target named by QUORVANT_FUZZ_TARGET.
#include "tests/fuzz/FuzzTargets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return QUORVANT_FUZZ_TARGET(data, size);
}
