#pragma once
#include <atomic>
#include <filesystem>
#include <string>
#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

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

    // A UTF-8 path, as the program passes paths around.
    std::string File(const std::string& name) const
    {
        const std::u8string utf8 = (path_ / std::filesystem::u8path(name)).u8string();
        return std::string(utf8.begin(), utf8.end());
    }

private:
    std::filesystem::path path_;
};
