#pragma once
#include "SettingsStore.h"

#include <map>
#include <string>
#include <variant>
#include <vector>

// Settings in memory, with a log of every write in order and of how the
// writes reached the profile: one store per write outside a batch, one per
// outermost batch that wrote something.
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
        Write(section, key, value);
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
        Write(section, key, value);
    }
    void BeginBatch() override { ++batchDepth; }
    void EndBatch() override
    {
        if (batchDepth > 0 && --batchDepth == 0 && !pending.empty()) {
            stores.push_back(pending);
            pending.clear();
        }
    }

    static std::string Path(const std::string& section, const std::string& key) { return section + "/" + key; }

    std::map<std::string, Value> values;
    std::vector<std::string> writes;
    std::vector<std::vector<std::string>> stores;
    int batchDepth = 0;

private:
    void Write(const std::string& section, const std::string& key, Value value)
    {
        values[Path(section, key)] = std::move(value);
        writes.push_back(Path(section, key));
        if (batchDepth > 0)
            pending.push_back(Path(section, key));
        else
            stores.push_back({Path(section, key)});
    }

    std::vector<std::string> pending;
};
