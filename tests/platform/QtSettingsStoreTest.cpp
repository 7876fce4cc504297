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
