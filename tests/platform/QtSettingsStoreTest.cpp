#include "ConsoleSettings.h"
#include "QtSettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <gtest/gtest.h>

TEST(QtSettingsStore, KeysLandInTheVexaPivoraFileWithTheirSections)
{
    {
        QtSettingsStore store;
        ConsoleSettings s;
        PresetNameTable names;
        LoadSettings(store, s, names);
        store.SetString("Presets", "P2", "North gate");
    }
    const QString path = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/Vexa/Pivora.conf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("[Setup]"));
    EXPECT_TRUE(text.contains("[TourSetup]"));
    EXPECT_TRUE(text.contains("[Presets]"));

    QSettings read(path, QSettings::IniFormat);
    EXPECT_EQ(read.value(QStringLiteral("Setup/Port Index")).toInt(), 0);
    EXPECT_EQ(read.value(QStringLiteral("Setup/PTImage")).toInt(), 7);
    EXPECT_EQ(read.value(QStringLiteral("TourSetup/DwellTime")).toInt(), 5);
    EXPECT_EQ(read.value(QStringLiteral("Presets/P2")).toString(), QStringLiteral("North gate"));

    // A second start reads what the first one wrote.
    QtSettingsStore again;
    ConsoleSettings s;
    PresetNameTable names;
    LoadSettings(again, s, names);
    EXPECT_EQ(names[1], "North gate");
    EXPECT_EQ(again.GetInt("Setup", "Nope", -1), -1);
}

// Outside a batch a write is in the file the moment it is made; inside one
// (nested or not) it is readable through the store but reaches the file
// only when the outermost batch ends. The file's bytes are read: settings
// objects of one process share what they hold.
TEST(QtSettingsStore, ABatchReachesTheFileAtItsEndOtherWritesAtOnce)
{
    const QString path = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/Vexa/Pivora.conf");
    auto inFile = [&](const char* line) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.readAll().split('\n').contains(QByteArray(line));
    };

    QtSettingsStore store;
    store.SetInt("Setup", "Baud", 6);
    EXPECT_TRUE(inFile("Baud=6"));
    {
        SettingsBatch outer(store);
        store.SetInt("TourSetup", "DwellTime", 47);
        {
            SettingsBatch inner(store);
            store.SetString("Presets", "P5", "Loading dock");
        }
        EXPECT_FALSE(inFile("DwellTime=47")) << "stored before the batch ended";
        EXPECT_FALSE(inFile("P5=Loading dock")) << "stored by the inner batch";
        EXPECT_EQ(store.GetInt("TourSetup", "DwellTime", -1), 47);
        EXPECT_EQ(store.GetString("Presets", "P5", ""), "Loading dock");
    }
    EXPECT_TRUE(inFile("DwellTime=47"));
    EXPECT_TRUE(inFile("P5=Loading dock"));

    // After the batch, writes are stored at once again.
    store.SetInt("Setup", "Baud", 7);
    EXPECT_TRUE(inFile("Baud=7"));
}
