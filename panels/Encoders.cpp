#include "Encoders.h"

#include <cstdio>

Encoder Fixed(std::string body)
{
    return [body = std::move(body)](int) { return body; };
}

Encoder Digit(std::string prefix)
{
    return [prefix = std::move(prefix)](int v) { return prefix + static_cast<char>('0' + v); };
}

Encoder Offset16(std::string prefix)
{
    return [prefix = std::move(prefix)](int v) { return prefix + static_cast<char>(v + 16); };
}

Encoder RawByte(std::string prefix, int add)
{
    return [prefix = std::move(prefix), add](int v) { return prefix + static_cast<char>(v + add); };
}

Encoder Decimal(std::string prefix, int width)
{
    return [prefix = std::move(prefix), width](int v) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%0*d", width, v);
        return prefix + digits;
    };
}

Encoder PerValue(std::vector<std::string> bodies)
{
    return [bodies = std::move(bodies)](int v) {
        return v >= 0 && static_cast<size_t>(v) < bodies.size() ? bodies[static_cast<size_t>(v)] : std::string();
    };
}
