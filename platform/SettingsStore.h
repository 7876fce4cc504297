#pragma once
#include <string>

// Per-user settings: integers and texts by section and key.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int GetInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    virtual void SetInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string GetString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) = 0;
    virtual void SetString(const std::string& section, const std::string& key, const std::string& value) = 0;

    // Writes made between BeginBatch and the matching EndBatch may reach the
    // stored profile together, at EndBatch, instead of one by one (reading
    // them back in between still gives the new values). Batches nest; only
    // the outermost EndBatch writes. Outside a batch every write is stored
    // at once.
    virtual void BeginBatch() {}
    virtual void EndBatch() {}
};

// A batch for the lifetime of a scope.
class SettingsBatch {
public:
    explicit SettingsBatch(SettingsStore& store) : store_(store) { store_.BeginBatch(); }
    ~SettingsBatch() { store_.EndBatch(); }
    SettingsBatch(const SettingsBatch&) = delete;
    SettingsBatch& operator=(const SettingsBatch&) = delete;

private:
    SettingsStore& store_;
};
