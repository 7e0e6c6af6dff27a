#pragma once
// The rule by which a block dimension is read from text, whether it comes
// from the settings file or from a field of the settings dialog.

#include <cstdint>
#include <string_view>

// Skips leading spaces, tabs, carriage returns and line feeds. Text that then
// begins with "&" is an integer in the radix named by the next letter (H
// hexadecimal, B binary, O or Q octal, either case); any other character after
// the "&" is the first digit of an octal number. Other text is a decimal
// number: an optional sign, digits, an optional fraction and an optional
// exponent introduced by E or D. Reading stops at the first character that
// does not fit, and text without a number reads as 0. The number is rounded to
// the nearest integer, a tie going to the even one; a result outside
// -32768..32767 gives -32768. Never fails, whatever the text holds.
std::int16_t ReadNumber(std::string_view text);
