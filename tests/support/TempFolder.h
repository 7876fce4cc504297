#pragma once
#include <atomic>
#include <filesystem>
#include <string>
#include <unistd.h>

// A fresh folder for one test's files, removed with everything in it.
class TempFolder {
public:
    TempFolder()
    {
        static std::atomic<int> count{0};
        path_ = std::filesystem::temp_directory_path() /
                ("pivora-test-" + std::to_string(::getpid()) + "-" + std::to_string(count++));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
