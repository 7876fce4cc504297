#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Saving a data file so that whoever reads it next (this program after a
// crash, a kill or a power cut included) finds the old contents or the new
// ones, never a mixture: the bytes go to a temporary file beside the target,
// are flushed to the disk, and the temporary is renamed over the target.
// Plain C++ and the system's file calls: no Qt, so file writers in the
// protocol libraries can use it.
class AtomicFileWriter {
public:
    // Creates the temporary file; ok() is false when it cannot be created.
    explicit AtomicFileWriter(std::string path);
    // A writer that was not committed removes its temporary file.
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    bool ok() const { return ok_; }
    // Appends to the temporary file; false (and not ok) when that fails.
    bool Write(std::string_view bytes);
    // Flushes, closes and renames the temporary over the target. False when
    // anything failed since the start: the target is then untouched.
    bool Commit();
    // Drops the temporary file; the target is untouched.
    void Abandon();

    const std::string& temporaryPath() const { return temporary_; }

private:
    std::string path_;
    std::string temporary_;
#ifdef _WIN32
    intptr_t fd_ = -1; // the temporary's HANDLE
#else
    int fd_ = -1;
#endif
    bool ok_ = false;
};

// The whole file at once, as above.
bool WriteFileAtomically(const std::string& path, std::string_view contents);

// Reads a whole file of at most maxBytes; false when it cannot be opened,
// cannot be read or is longer (contents then empty).
bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& contents);
