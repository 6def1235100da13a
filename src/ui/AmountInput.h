#pragma once
// The amount box takes integers only: its key filter, its normalisation when it loses the
// keyboard focus, and the wrapping arithmetic of its spin arrows.
#include <cstdint>
#include <string>

// Whether a typed character reaches the box: control characters and '-', '0'..'9'.
bool AcceptsAmountChar(unsigned int character);

// The text the box holds after losing the focus: read as a 64-bit integer (leading blanks, one
// sign, digits up to the first other character), clamped to 32 bits, "%d"; "0" becomes "".
std::string NormaliseAmount(const std::string& text);

// The value a spin arrow writes: delta > 0 is the up arrow, delta < 0 the down arrow. Stepping
// past either end of lower..upper wraps; a text without leading digits counts as 0.
std::int32_t SpinAmount(const std::string& text, std::int32_t delta, std::int32_t lower, std::int32_t upper);
