#pragma once
#include "SettingsStore.h"

#include <map>
#include <string>
#include <variant>
#include <vector>

// Settings in memory, with a log of every write in order.
class MemorySettingsStore : public SettingsStore {
public:
    using Value = std::variant<int, std::string>;

    int GetInt(const std::string& section, const std::string& key, int defaultValue) override
    {
        auto it = values.find(Path(section, key));
        if (it == values.end() || !std::holds_alternative<int>(it->second))
            return defaultValue;
        return std::get<int>(it->second);
    }
    void SetInt(const std::string& section, const std::string& key, int value) override
    {
        values[Path(section, key)] = value;
        writes.push_back(Path(section, key));
    }
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) override
    {
        auto it = values.find(Path(section, key));
        if (it == values.end() || !std::holds_alternative<std::string>(it->second))
            return defaultValue;
        return std::get<std::string>(it->second);
    }
    void SetString(const std::string& section, const std::string& key, const std::string& value) override
    {
        values[Path(section, key)] = value;
        writes.push_back(Path(section, key));
    }

    static std::string Path(const std::string& section, const std::string& key) { return section + "/" + key; }

    std::map<std::string, Value> values;
    std::vector<std::string> writes;
};
