#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

// A bounded view of reply bytes: reading past the end gives 0, so a
// decoder can look ahead without checking every index.
struct ReplyView {
    const uint8_t* data = nullptr;
    size_t size = 0;

    // The reply text of a whole frame as the console hands it over: from
    // byte 3 (the reply letter, after start byte, address and class
    // letter) to the end of the text, before checksum and terminator. A
    // frame whose address byte is 254 carries the text from byte 7.
    static ReplyView Text(const uint8_t* frame, size_t length);
    // The same frame with its bytes counted from byte 0.
    static ReplyView Frame(const uint8_t* frame, size_t length);

    uint8_t operator[](size_t i) const { return i < size ? data[i] : 0; }
    bool Has(size_t count) const { return size >= count; }
    ReplyView From(size_t i) const { return i < size ? ReplyView{data + i, size - i} : ReplyView{}; }
    bool StartsWith(std::string_view key) const;
    // The view up to its first byte of 0x80 or above (a checksum, or the
    // end of a string of items).
    ReplyView BeforeHighByte() const;
    // count characters from i on taken as decimal digits by their low four
    // bits each, or -1 when one of them is missing.
    int LowDigitsAt(size_t i, size_t count) const;
    // The small number a digit character stands for ('0' plus n), or -1.
    int DigitAt(size_t i) const;
    // count decimal digits '0'-'9' from i on, or -1 when one is missing or not a digit.
    int DecimalAt(size_t i, size_t count) const;
};
