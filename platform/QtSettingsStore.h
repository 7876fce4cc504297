#pragma once
#include "SettingsStore.h"

#include <QSettings>

// QSettings("Vexa", "Pivora") in the native format: the registry on
// Windows, $XDG_CONFIG_HOME/Vexa/Pivora.conf on Linux. Each write is stored
// at once, except inside a batch, which is stored in one go at its end.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    int GetInt(const std::string& section, const std::string& key, int defaultValue) override;
    void SetInt(const std::string& section, const std::string& key, int value) override;
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) override;
    void SetString(const std::string& section, const std::string& key, const std::string& value) override;
    void BeginBatch() override;
    void EndBatch() override;

private:
    void Written();

    QSettings settings_;
    int batchDepth_ = 0;
};
