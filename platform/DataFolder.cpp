#include "DataFolder.h"

#include <QDir>
#include <QStandardPaths>

DataFolder::DataFolder(std::string path) : path_(std::move(path))
{
    if (path_.empty())
        path_ = qEnvironmentVariable("PIVORA_DATA_DIR").toStdString();
    if (path_.empty())
        path_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
}

std::string DataFolder::FilePath(const std::string& fileName) const
{
    QDir dir(QString::fromStdString(path_));
    dir.mkpath(QStringLiteral("."));
    return dir.filePath(QString::fromStdString(fileName)).toStdString();
}
