#include "AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fstream>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <filesystem>

namespace {
// Paths are UTF-8 throughout the program; Windows takes them as UTF-16.
std::wstring WidePath(const std::string& path)
{
    if (path.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()),
                                      nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()), wide.data(), n);
    return wide;
}

HANDLE AsHandle(intptr_t fd)
{
    return reinterpret_cast<HANDLE>(fd);
}

// A temporary name beside the target that no other writer (another
// process, another thread) picks at the same time.
std::string TemporaryName(const std::string& path, unsigned attempt)
{
    static std::atomic<unsigned> counter{0};
    const unsigned long long stamp = GetTickCount64();
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, ".%lu.%u.%llx.tmp", static_cast<unsigned long>(GetCurrentProcessId()),
                  counter.fetch_add(1) + attempt, stamp);
    return path + suffix;
}
} // namespace

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path))
{
    // CREATE_NEW fails on a name that exists, so a clash is tried again
    // under another name rather than written over.
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        const std::string name = TemporaryName(path_, attempt);
        const std::wstring wide = WidePath(name);
        if (wide.empty())
            return;
        const HANDLE h = CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            fd_ = reinterpret_cast<intptr_t>(h);
            temporary_ = name;
            ok_ = true;
            return;
        }
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return;
    }
}

AtomicFileWriter::~AtomicFileWriter()
{
    Abandon();
}

bool AtomicFileWriter::Write(std::string_view bytes)
{
    while (ok_ && !bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(AsHandle(fd_), bytes.data(), chunk, &written, nullptr) || written == 0)
            ok_ = false;
        else
            bytes.remove_prefix(written);
    }
    return ok_;
}

bool AtomicFileWriter::Commit()
{
    if (fd_ < 0)
        return false;
    if (ok_ && !FlushFileBuffers(AsHandle(fd_)))
        ok_ = false;
    if (!CloseHandle(AsHandle(fd_)))
        ok_ = false;
    fd_ = -1;
    // MOVEFILE_WRITE_THROUGH returns only once the rename is on the disk.
    if (ok_ && !MoveFileExW(WidePath(temporary_).c_str(), WidePath(path_).c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        ok_ = false;
    if (!ok_) {
        DeleteFileW(WidePath(temporary_).c_str());
        temporary_.clear();
        return false;
    }
    temporary_.clear();
    return true;
}

void AtomicFileWriter::Abandon()
{
    if (fd_ >= 0) {
        CloseHandle(AsHandle(fd_));
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        DeleteFileW(WidePath(temporary_).c_str());
        temporary_.clear();
    }
    ok_ = false;
}

namespace {
std::filesystem::path NativePath(const std::string& path)
{
    return std::filesystem::path(WidePath(path));
}
} // namespace

#else // POSIX

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename is only durable once the folder's entry is on the disk too.
void SyncFolder(const std::string& path)
{
    const int fd = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}
} // namespace

AtomicFileWriter::AtomicFileWriter(std::string path) : path_(std::move(path))
{
    std::string name = path_ + ".XXXXXX";
    fd_ = mkstemp(name.data());
    if (fd_ < 0)
        return;
    temporary_ = name;
    // A new file gets the permissions an ordinary one would (mkstemp makes 0600).
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd_, 0666 & ~mask);
    ok_ = true;
}

AtomicFileWriter::~AtomicFileWriter()
{
    Abandon();
}

bool AtomicFileWriter::Write(std::string_view bytes)
{
    while (ok_ && !bytes.empty()) {
        const ssize_t n = write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ok_ = false;
        else
            bytes.remove_prefix(static_cast<size_t>(n));
    }
    return ok_;
}

bool AtomicFileWriter::Commit()
{
    if (fd_ < 0)
        return false;
    if (ok_ && fsync(fd_) != 0)
        ok_ = false;
    if (close(fd_) != 0)
        ok_ = false;
    fd_ = -1;
    if (ok_ && std::rename(temporary_.c_str(), path_.c_str()) != 0)
        ok_ = false;
    if (!ok_) {
        std::remove(temporary_.c_str());
        temporary_.clear();
        return false;
    }
    temporary_.clear();
    SyncFolder(path_);
    return true;
}

void AtomicFileWriter::Abandon()
{
    if (fd_ >= 0) {
        close(fd_);
        fd_ = -1;
    }
    if (!temporary_.empty()) {
        std::remove(temporary_.c_str());
        temporary_.clear();
    }
    ok_ = false;
}

namespace {
const std::string& NativePath(const std::string& path)
{
    return path;
}
} // namespace

#endif

bool WriteFileAtomically(const std::string& path, std::string_view contents)
{
    AtomicFileWriter writer(path);
    return writer.Write(contents) && writer.Commit();
}

bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& contents)
{
    contents.clear();
    std::ifstream in(NativePath(path), std::ios::binary);
    if (!in)
        return false;
    char buffer[4096];
    while (in) {
        in.read(buffer, sizeof buffer);
        const size_t got = static_cast<size_t>(in.gcount());
        if (contents.size() + got > maxBytes) {
            contents.clear();
            return false;
        }
        contents.append(buffer, got);
    }
    if (in.bad()) {
        contents.clear();
        return false;
    }
    return true;
}
