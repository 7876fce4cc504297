#include "QtSettingsStore.h"

namespace {
QString KeyPath(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}
} // namespace

QtSettingsStore::QtSettingsStore() : settings_(QStringLiteral("Vexa"), QStringLiteral("Pivora")) {}

int QtSettingsStore::GetInt(const std::string& section, const std::string& key, int defaultValue)
{
    const QVariant v = settings_.value(KeyPath(section, key));
    if (!v.isValid())
        return defaultValue;
    bool ok = false;
    const int value = v.toInt(&ok);
    return ok ? value : defaultValue;
}

void QtSettingsStore::SetInt(const std::string& section, const std::string& key, int value)
{
    settings_.setValue(KeyPath(section, key), value);
    Written();
}

std::string QtSettingsStore::GetString(const std::string& section, const std::string& key,
                                       const std::string& defaultValue)
{
    const QVariant v = settings_.value(KeyPath(section, key));
    return v.isValid() ? v.toString().toStdString() : defaultValue;
}

void QtSettingsStore::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    settings_.setValue(KeyPath(section, key), QString::fromStdString(value));
    Written();
}

// On Linux every sync rewrites the whole settings file: a batch of writes
// is stored with one.
void QtSettingsStore::Written()
{
    if (batchDepth_ == 0)
        settings_.sync();
}

void QtSettingsStore::BeginBatch()
{
    ++batchDepth_;
}

void QtSettingsStore::EndBatch()
{
    if (batchDepth_ > 0 && --batchDepth_ == 0)
        settings_.sync();
}
