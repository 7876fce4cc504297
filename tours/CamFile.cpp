#include "CamFile.h"

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
    return std::fopen(std::filesystem::u8path(path).string().c_str(), mode);
}
} // namespace

bool CamFileWriter::Create(const std::string& path)
{
    Abandon();
    path_ = path;
    temporary_ = path + ".new";
    failed_ = false;
    file_ = OpenFile(temporary_, "wb");
    return file_ != nullptr;
}

void CamFileWriter::WriteLine(const std::string& line)
{
    if (!file_)
        return;
    if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() || std::fputc('\n', file_) == EOF)
        failed_ = true;
}

bool CamFileWriter::Commit()
{
    if (!file_)
        return false;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    std::error_code error;
    if (!closed || failed_) {
        std::filesystem::remove(std::filesystem::u8path(temporary_), error);
        return false;
    }
    std::filesystem::rename(std::filesystem::u8path(temporary_), std::filesystem::u8path(path_), error);
    if (error) {
        std::filesystem::remove(std::filesystem::u8path(temporary_), error);
        return false;
    }
    return true;
}

void CamFileWriter::Abandon()
{
    if (!file_)
        return;
    std::fclose(file_);
    file_ = nullptr;
    std::error_code ignored;
    std::filesystem::remove(std::filesystem::u8path(temporary_), ignored);
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
