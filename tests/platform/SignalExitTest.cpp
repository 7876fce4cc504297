// SIGTERM while a list's drop-down and a modal message box are open: both
// are left and the program goes on to its end (run in a child process).
#include "SignalExit.h"
#include "TestConsole.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <gtest/gtest.h>

TEST(SignalExitDeathTest, ADropDownAndAModalBoxAreLeftOnSigterm)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SignalExit signalExit;
            TestConsole t;
            t.console->show();
            auto* list = t.console->findChild<QComboBox*>(QStringLiteral("PresetList"));
            list->showPopup();
            const bool popupOpen = QApplication::activePopupWidget() != nullptr;
            QTimer::singleShot(100, [] { ::raise(SIGTERM); });
            // Yes and No, no escape button: the box cannot simply be closed.
            QMessageBox box(QMessageBox::Question, QStringLiteral("Vexa - Pivora"), QStringLiteral("Save?"),
                            QMessageBox::Yes | QMessageBox::No);
            box.exec();
            // A further modal run returns at once.
            QMessageBox again(QMessageBox::Question, QStringLiteral("Vexa - Pivora"), QStringLiteral("Again?"),
                              QMessageBox::Yes | QMessageBox::No);
            again.exec();
            const bool ended = signalExit.signal() == SIGTERM && QApplication::activePopupWidget() == nullptr;
            std::fprintf(stderr, "popup open %d, signal %d, popup left %d\n", popupOpen, signalExit.signal(),
                         QApplication::activePopupWidget() != nullptr);
            // Straight out: what the process leaves behind is not this test's.
            _exit(popupOpen && ended ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}
