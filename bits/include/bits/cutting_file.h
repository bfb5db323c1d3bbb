#pragma once
// Packing of a cutting file: runs of equal "A;B" keys in DECOUPE.TXT become
// one "count-A;B*C" line of DECOUPE.DPC.
#include "platform/variant.h"

namespace bits {

// Raises File not found (53) without the input, Invalid procedure call (5)
// for a line without ";" or "*" or with "*" before ";"; the files are closed
// and the input is kept whenever the call fails.
void Compact_rs(platform::Variant& totnbpas, platform::Variant& szPath);

}  // namespace bits
