#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

class AtomicFileWriter;

// Cam%03d.dat, the dome's configuration as text: one reply per line, each
// ended by a single line feed.

// The file name for a camera address ("Cam005.dat" for address 5).
std::string CamFileName(int cameraAddress);

// A download being written: the lines go into a new file beside the old
// one, which replaces the old one only when the download is complete, so
// a download that is ended early leaves the old file as it was.
class CamFileWriter {
public:
    CamFileWriter();
    ~CamFileWriter();
    CamFileWriter(const CamFileWriter&) = delete;
    CamFileWriter& operator=(const CamFileWriter&) = delete;

    // False when the new file cannot be created.
    bool Create(const std::string& path);
    bool isOpen() const { return writer_ != nullptr; }
    void WriteLine(const std::string& line);
    // Closes the new file and renames it over the old one.
    bool Commit();
    // Closes and removes the new file; the old one stays.
    void Abandon();

private:
    std::unique_ptr<AtomicFileWriter> writer_;
};

// An upload being read, one line at a time, never more of a line than a
// command can carry.
class CamFileReader {
public:
    // The longest line sent: what a queue slot holds.
    static constexpr size_t kLineLimit = 63;

    CamFileReader() = default;
    ~CamFileReader() { Close(); }
    CamFileReader(const CamFileReader&) = delete;
    CamFileReader& operator=(const CamFileReader&) = delete;

    bool Open(const std::string& path);
    bool isOpen() const { return file_ != nullptr; }
    void Close();

    enum class Line { Text, TooLong, End };
    // The next line without its line feed. A longer line than kLineLimit is
    // skipped whole and reported as TooLong.
    Line Next(std::string& text);

    // Bytes read so far and the file's size, for the progress bar.
    long position() const { return position_; }
    long size() const { return size_; }

private:
    std::FILE* file_ = nullptr;
    long position_ = 0;
    long size_ = 0;
};
