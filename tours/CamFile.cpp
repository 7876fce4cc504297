#include "CamFile.h"

#include "AtomicFile.h"

#include <filesystem>

std::string CamFileName(int cameraAddress)
{
    char name[32];
    std::snprintf(name, sizeof name, "Cam%03d.dat", cameraAddress);
    return name;
}

namespace {
std::FILE* OpenFile(const std::string& path, const char* mode)
{
#ifdef _WIN32
    // The narrow name would pass through the ANSI code page and lose what
    // it cannot hold: open by the UTF-16 name.
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(std::filesystem::u8path(path).c_str(), wideMode.c_str());
#else
    return std::fopen(std::filesystem::u8path(path).string().c_str(), mode);
#endif
}
} // namespace

CamFileWriter::CamFileWriter() = default;
CamFileWriter::~CamFileWriter() = default;

bool CamFileWriter::Create(const std::string& path)
{
    writer_ = std::make_unique<AtomicFileWriter>(path);
    if (!writer_->ok())
        writer_.reset();
    return writer_ != nullptr;
}

void CamFileWriter::WriteLine(const std::string& line)
{
    if (writer_)
        writer_->Write(line + '\n');
}

bool CamFileWriter::Commit()
{
    if (!writer_)
        return false;
    const bool committed = writer_->Commit();
    writer_.reset();
    return committed;
}

void CamFileWriter::Abandon()
{
    writer_.reset();
}

bool CamFileReader::Open(const std::string& path)
{
    Close();
    file_ = OpenFile(path, "rb");
    if (!file_)
        return false;
    position_ = 0;
    size_ = 0;
    if (std::fseek(file_, 0, SEEK_END) == 0) {
        size_ = std::ftell(file_);
        std::fseek(file_, 0, SEEK_SET);
    }
    if (size_ < 0)
        size_ = 0;
    return true;
}

void CamFileReader::Close()
{
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

CamFileReader::Line CamFileReader::Next(std::string& text)
{
    text.clear();
    if (!file_)
        return Line::End;
    bool any = false, tooLong = false;
    for (int c; (c = std::fgetc(file_)) != EOF;) {
        ++position_;
        any = true;
        if (c == '\n')
            break;
        if (text.size() < kLineLimit)
            text += static_cast<char>(c);
        else
            tooLong = true;
    }
    // The last line may end without a line feed.
    if (!any)
        return Line::End;
    if (tooLong) {
        text.clear();
        return Line::TooLong;
    }
    return Line::Text;
}
