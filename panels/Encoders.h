#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// How a control's value becomes a command body. An empty body sends nothing.
using Encoder = std::function<std::string(int value)>;

// The same body whatever the value.
Encoder Fixed(std::string body);
// The prefix and '0' plus the value (10 to 15 become ':' to '?').
Encoder Digit(std::string prefix);
// The prefix and one character of code value + 16.
Encoder Offset16(std::string prefix);
// The prefix and the value plus add as one raw byte.
Encoder RawByte(std::string prefix, int add = 0);
// The prefix and the value in decimal, zero-padded to width digits.
Encoder Decimal(std::string prefix, int width);
// One body per value (index); values without a body send nothing.
Encoder PerValue(std::vector<std::string> bodies);
