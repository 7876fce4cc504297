#include "TrafficText.h"


namespace {
// Appends into a fixed buffer; output beyond its end is dropped.
class TextOut {
public:
    TextOut(char* buffer, size_t size) : buffer_(buffer), size_(size) { buffer_[0] = 0; }

    void Char(char c)
    {
        if (used_ + 1 < size_) {
            buffer_[used_++] = c;
            buffer_[used_] = 0;
        }
    }
    void Text(const char* s)
    {
        while (*s)
            Char(*s++);
    }
    // A byte in hexadecimal inside literal text: the format holds one
    // "%02X" (zero-padded) or "%2X" (blank-padded), as printf would read it.
    // Every frame shown passes here, so it is done without printf.
    void Hex(const char* format, uint8_t value)
    {
        static constexpr char kDigits[] = "0123456789ABCDEF";
        for (const char* f = format; *f; ++f) {
            if (*f != '%') {
                Char(*f);
                continue;
            }
            const bool zeroPadded = f[1] == '0';
            f += zeroPadded ? 3 : 2; // onto the 'X'
            Char(value > 0xF ? kDigits[value >> 4] : zeroPadded ? '0' : ' ');
            Char(kDigits[value & 0xF]);
        }
    }
    size_t used() const { return used_; }

private:
    char* buffer_;
    size_t size_;
    size_t used_ = 0;
};

bool Plain(uint8_t b) { return b == '*' || b == '#' || b == ' ' || b == '/'; }

size_t BinaryLength(const uint8_t* frame, size_t length)
{
    size_t n = length >= 2 ? static_cast<size_t>(frame[1]) + 2 : length;
    return n < length ? n : length;
}

// Calls f for each byte from `from` up to the zero terminator.
template <typename F>
void EachByte(const uint8_t* frame, size_t from, size_t length, F f)
{
    for (size_t i = from; i < length && frame[i] != 0; ++i)
        f(frame[i]);
}

// " STX " or " F8 " by mode, then the address byte.
void AsciiHead(TextOut& t, const uint8_t* frame, size_t length, int mode)
{
    t.Text(mode != 0 ? " F8 " : " STX ");
    if (length > 1)
        t.Hex("%02X ", frame[1]);
}

void Binary(TextOut& t, const uint8_t* frame, size_t length)
{
    const size_t n = BinaryLength(frame, length);
    for (size_t i = 0; i < n; ++i)
        t.Hex(" %02X ", frame[i]);
}
} // namespace

size_t FormatTxFrame(const uint8_t* frame, size_t length, int mode, char (&out)[kTxTextSize])
{
    TextOut t(out, sizeof out);
    if (length == 0)
        return 0;
    const uint8_t first = frame[0];
    if (first == 0xFF) {
        Binary(t, frame, length);
    } else if (first == 0xFE) {
        t.Hex(" %02X ", first);
    } else if (first == '#') {
        EachByte(frame, 0, length, [&](uint8_t b) {
            if (b == 0x0D)
                t.Text(" <CR>");
            else if (!Plain(b) && (b < '0' || b > 0x7F))
                t.Hex(" 0x%2X", b);
            else
                t.Char(static_cast<char>(b));
        });
    } else {
        AsciiHead(t, frame, length, mode);
        EachByte(frame, 2, length, [&](uint8_t b) {
            if (!Plain(b) && (b < '0' || b > 0x7F))
                t.Hex(" %2X", b);
            else
                t.Char(static_cast<char>(b));
        });
    }
    return t.used();
}

size_t FormatRxFrame(const uint8_t* frame, size_t length, int mode, char (&out)[kRxTextSize])
{
    TextOut t(out, sizeof out);
    if (length == 0)
        return 0;
    const uint8_t first = frame[0];
    if (first == 0xFF) {
        Binary(t, frame, length);
    } else if (first == '#') {
        t.Char('#');
        EachByte(frame, 1, length, [&](uint8_t b) {
            if (b > 0x7F)
                t.Hex(" %2X ", b);
            else if (b == 0x0A)
                t.Text(" LF");
            else
                t.Char(static_cast<char>(b));
        });
    } else {
        AsciiHead(t, frame, length, mode);
        EachByte(frame, 2, length, [&](uint8_t b) {
            if (b < 33 || b == '&' || b > 0x7F)
                t.Hex(" %2X ", b);
            else
                t.Char(static_cast<char>(b));
        });
    }
    return t.used();
}
