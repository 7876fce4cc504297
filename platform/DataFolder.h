#pragma once
#include <string>

// Where Dome.dat, Cam%03d.dat and PRESET.DAT live: the per-user application
// data folder, or a folder given on the command line or by the environment
// variable PIVORA_DATA_DIR.
class DataFolder {
public:
    explicit DataFolder(std::string path = {});
    const std::string& path() const { return path_; }
    // Full name of a file in the folder; the folder is created on first use.
    std::string FilePath(const std::string& fileName) const;

private:
    std::string path_;
};
