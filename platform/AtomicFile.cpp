#include "AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
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

bool WriteFileAtomically(const std::string& path, std::string_view contents)
{
    AtomicFileWriter writer(path);
    return writer.Write(contents) && writer.Commit();
}

bool ReadWholeFile(const std::string& path, size_t maxBytes, std::string& contents)
{
    contents.clear();
    std::ifstream in(path, std::ios::binary);
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
