#pragma once
// What a number field says at the field when it refuses a key or a paste, on either
// platform layer.
inline constexpr char16_t kDigitsOnlyHint[] = u"Only digits 0 to 9 can be typed here.";
