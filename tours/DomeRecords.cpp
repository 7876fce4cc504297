#include "DomeRecords.h"

#include <cstdio>

DomeData DefaultDomeData()
{
    DomeData d;
    for (int n = 1; n <= DomeData::kSectors; ++n) {
        char title[32];
        std::snprintf(title, sizeof title, "Sector %02d ID text", n);
        d.sectors[static_cast<size_t>(n - 1)].title = title;
    }
    return d;
}

void DomeWriter::U16(uint16_t v)
{
    U8(static_cast<uint8_t>(v));
    U8(static_cast<uint8_t>(v >> 8));
}

void DomeWriter::U32(uint32_t v)
{
    U16(static_cast<uint16_t>(v));
    U16(static_cast<uint16_t>(v >> 16));
}

void DomeWriter::Title(const std::string& text)
{
    const size_t length = text.size();
    if (length < 255) {
        U8(static_cast<uint8_t>(length));
    } else if (length < 65534) {
        U8(255);
        U16(static_cast<uint16_t>(length));
    } else {
        U8(255);
        U16(65535);
        U32(static_cast<uint32_t>(length));
    }
    bytes_.insert(bytes_.end(), text.begin(), text.end());
}

bool DomeReader::U8(uint8_t& v)
{
    if (left() < 1)
        return false;
    v = data_[at_++];
    return true;
}

bool DomeReader::U16(uint16_t& v)
{
    if (left() < 2)
        return false;
    v = static_cast<uint16_t>(data_[at_] | data_[at_ + 1] << 8);
    at_ += 2;
    return true;
}

bool DomeReader::U32(uint32_t& v)
{
    uint16_t low = 0, high = 0;
    if (left() < 4 || !U16(low) || !U16(high))
        return false;
    v = static_cast<uint32_t>(low) | static_cast<uint32_t>(high) << 16;
    return true;
}

bool DomeReader::I32(int32_t& v)
{
    uint32_t u = 0;
    if (!U32(u))
        return false;
    v = static_cast<int32_t>(u);
    return true;
}

bool DomeReader::Title(std::string& text)
{
    uint8_t first = 0;
    if (!U8(first))
        return false;
    uint32_t length = first;
    if (first == 255) {
        uint16_t wide = 0;
        if (!U16(wide))
            return false;
        length = wide;
        // 65534 is never written: such a length goes as 65535 and 32 bits.
        if (wide == 65534)
            return false;
        if (wide == 65535 && !U32(length))
            return false;
    }
    // The characters must be there before anything is kept of them.
    if (length > left())
        return false;
    text.assign(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return true;
}

void CSector::Write(DomeWriter& out) const
{
    out.U16(leftLimit);
    out.U16(rightLimit);
    out.Title(title);
    out.U32(static_cast<uint32_t>(enabled));
}

bool CSector::Read(DomeReader& in)
{
    return in.U16(leftLimit) && in.U16(rightLimit) && in.Title(title) && in.I32(enabled);
}

void CPriZone::Write(DomeWriter& out) const
{
    out.U16(leftLimit);
    out.U16(rightLimit);
    out.U32(static_cast<uint32_t>(enabled));
}

bool CPriZone::Read(DomeReader& in)
{
    return in.U16(leftLimit) && in.U16(rightLimit) && in.I32(enabled);
}

void CCameraTour::Write(DomeWriter& out) const
{
    for (const TourStep& s : steps) {
        out.U32(static_cast<uint32_t>(s.preset));
        out.U32(static_cast<uint32_t>(s.dwell));
    }
}

bool CCameraTour::Read(DomeReader& in)
{
    for (TourStep& s : steps)
        if (!in.I32(s.preset) || !in.I32(s.dwell))
            return false;
    return true;
}
