#include "ReplyView.h"

#include "ReplyFields.h"

ReplyView ReplyView::Frame(const uint8_t* frame, size_t length)
{
    return {frame, frame ? ReplyTextEnd(frame, length) : 0};
}

ReplyView ReplyView::Text(const uint8_t* frame, size_t length)
{
    const ReplyView all = Frame(frame, length);
    return all.From(all[1] == 254 ? 7 : 3);
}

bool ReplyView::StartsWith(std::string_view key) const
{
    if (key.size() > size)
        return false;
    for (size_t i = 0; i < key.size(); ++i)
        if (data[i] != static_cast<uint8_t>(key[i]))
            return false;
    return true;
}

ReplyView ReplyView::BeforeHighByte() const
{
    size_t n = 0;
    while (n < size && data[n] < 0x80)
        ++n;
    return {data, n};
}

int ReplyView::LowDigitsAt(size_t i, size_t count) const
{
    if (i + count > size || count > 9)
        return -1;
    int value = 0;
    for (size_t k = i; k < i + count; ++k)
        value = value * 10 + (data[k] & 0x0F);
    return value;
}

int ReplyView::DigitAt(size_t i) const
{
    return i < size && data[i] >= '0' && data[i] <= '?' ? data[i] - '0' : -1;
}

int ReplyView::DecimalAt(size_t i, size_t count) const
{
    if (i + count > size || count > 9)
        return -1;
    int value = 0;
    for (size_t k = i; k < i + count; ++k) {
        if (data[k] < '0' || data[k] > '9')
            return -1;
        value = value * 10 + (data[k] - '0');
    }
    return value;
}
