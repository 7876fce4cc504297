#pragma once
// A feature panel open on the console's fake line as the console opens it,
// shown and active, with what the operator does and what went out.
#include "ConsoleTimeline.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

template <class Panel> struct PanelOnConsole {
    using Texts = std::vector<std::string>;

    template <class... Args>
    PanelOnConsole(const ConsoleSettings& settings, ReplyWindow window, Args&&... args)
        : t(settings), window_(window)
    {
        Settle(t);
        panel = std::make_unique<Panel>(*t.console, std::forward<Args>(args)..., t.console.get());
        t.console->RegisterReplyWindow(window_, panel.get());
        t.console->SetQueuedPanel(panel.get());
        panel->Open();
        panel->show();
        QApplication::setActiveWindow(panel.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }
    ~PanelOnConsole()
    {
        panel->done(QDialog::Accepted);
        t.console->SetQueuedPanel(nullptr);
        t.console->RegisterReplyWindow(window_, nullptr);
    }

    // The camera's answer in an 0xF8 frame, through the console's routing.
    void Answer(const std::string& text)
    {
        FakeLine::Bytes f{0xF8, 0x01};
        f.insert(f.end(), text.begin(), text.end());
        f.push_back(0x80);
        t.line.Inject(f);
    }
    void Click(const char* name)
    {
        auto* button = Find<QAbstractButton>(name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, 6));
    }
    // Types into a box the way an operator does: focus, select, keys.
    void Type(const char* name, const char* text)
    {
        auto* box = Find<QSpinBox>(name);
        ASSERT_NE(box, nullptr) << name;
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void Choose(const char* list, int index) { Find<QComboBox>(list)->setCurrentIndex(index); }
    template <class T> T* Find(const char* name) { return panel->template findChild<T*>(QString::fromLatin1(name)); }
    std::string ListText(const char* name) { return Find<QComboBox>(name)->currentText().toStdString(); }
    std::string LabelText(const char* name) { return Find<QLabel>(name)->text().toStdString(); }
    int Value(const char* name) { return Find<QSpinBox>(name)->value(); }
    bool Checked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    bool Enabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
    // What went out in the next ms milliseconds, each acknowledged at once.
    Texts Sent(uint32_t ms) { return TextsOf(Follow(t, ms)); }
    // Messages shown since the last call.
    std::vector<std::string> Shown()
    {
        QCoreApplication::processEvents();
        std::vector<std::string> out = t.prompter.Texts();
        t.prompter.shown.clear();
        return out;
    }

    TestConsole t;
    std::unique_ptr<Panel> panel;

private:
    ReplyWindow window_;
};
