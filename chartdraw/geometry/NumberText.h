#pragma once

// Printf-style texts of doubles for the axis arithmetic, which decides on the digits of a value's
// text. The digits are those of the exact binary value (0.1 prints 0.1000000000000000055...), the
// same in every build whatever the C runtime, and a text is as long as the value needs: 1e300 in
// fixed form is 301 digits, with no buffer to overflow.

#include <string>
#include <string_view>

// "%0.<decimals>f"; "inf", "-inf" or "nan" for a value that is not finite.
std::string FixedText(double value, int decimals);
// "%0.<decimals>e" with at least two exponent digits.
std::string ExponentText(double value, int decimals);

// Removes every trailing ch.
void TrimTrailing(std::string& text, char ch);
// Replaces the first occurrence of from by to again and again while one is left; returns how often.
// to must not contain from, so that the replacing ends.
int ReplaceWhileFound(std::string& text, std::string_view from, std::string_view to);
