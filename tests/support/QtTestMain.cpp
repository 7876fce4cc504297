// Test entry point for everything that needs Qt: an offscreen application
// and a private settings folder, so no test touches the user's profile.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vexa"));
    QApplication::setApplicationName(QStringLiteral("Pivora"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
