#include "DomeFile.h"

#include "AtomicFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>

DomeRead ParseDomeData(const uint8_t* bytes, size_t size, DomeData& data)
{
    DomeReader in(bytes, size);
    uint32_t version = 0;
    if (!in.U32(version))
        return DomeRead::Unreadable;
    if (version != kDomeFileVersion)
        return DomeRead::OtherVersion;
    // Read into a copy: a file that breaks off half-way changes nothing.
    DomeData read;
    for (CSector& s : read.sectors)
        if (!s.Read(in))
            return DomeRead::Unreadable;
    for (CPriZone& z : read.zones)
        if (!z.Read(in))
            return DomeRead::Unreadable;
    for (CCameraTour& t : read.tours)
        if (!t.Read(in))
            return DomeRead::Unreadable;
    data = std::move(read);
    return DomeRead::Read;
}

std::vector<uint8_t> SerializeDomeData(const DomeData& data)
{
    DomeWriter out;
    out.U32(kDomeFileVersion);
    for (const CSector& s : data.sectors)
        s.Write(out);
    for (const CPriZone& z : data.zones)
        z.Write(out);
    for (const CCameraTour& t : data.tours)
        t.Write(out);
    return out.bytes();
}

DomeRead LoadDomeFile(const std::string& path, DomeData& data)
{
    DomeRead result = DomeRead::Unreadable;
    std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
    if (in) {
        std::vector<uint8_t> bytes;
        char block[4096];
        while (in && bytes.size() <= kDomeFileLimit) {
            in.read(block, sizeof block);
            bytes.insert(bytes.end(), block, block + in.gcount());
        }
        if (bytes.size() <= kDomeFileLimit)
            result = ParseDomeData(bytes.data(), bytes.size(), data);
    }
    if (result == DomeRead::Unreadable)
        data = DefaultDomeData();
    return result;
}

bool SaveDomeFile(const std::string& path, const DomeData& data)
{
    const std::vector<uint8_t> bytes = SerializeDomeData(data);
    return WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
