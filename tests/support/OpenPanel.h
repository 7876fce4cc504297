#pragma once
#include "ConsoleTimeline.h"
#include "ReplyFrames.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A queued feature panel open on the console's fake line as the console
// opens it (registered for its replies, shown and active), past the
// console's start-up requests.
template <class Panel> struct OpenPanel {
    OpenPanel(ConsoleSettings settings, ReplyWindow window) : t(settings), window_(window)
    {
        Settle(t);
        panel = std::make_unique<Panel>(*t.console, t.console.get());
        t.console->RegisterReplyWindow(window_, panel.get());
        t.console->SetQueuedPanel(panel.get());
        panel->Open();
        panel->show();
        QApplication::setActiveWindow(panel.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    }
    ~OpenPanel()
    {
        panel->done(QDialog::Accepted);
        t.console->SetQueuedPanel(nullptr);
        t.console->RegisterReplyWindow(window_, nullptr);
    }
    OpenPanel(const OpenPanel&) = delete;
    OpenPanel& operator=(const OpenPanel&) = delete;

    // The camera's answer on the line, through the console's routing.
    void Answer(const std::string& text) { t.line.Inject(ReplyFrames::Frame(text)); }
    template <class T> T* Find(const char* name)
    {
        T* w = panel->template findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton, {}, QPoint(6, 6)); }
    // Typed over the box's text, as the operator does.
    void Type(const char* name, const char* text)
    {
        auto* box = Find<QSpinBox>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void Choose(const char* name, int index) { Find<QComboBox>(name)->setCurrentIndex(index); }
    std::string ListText(const char* name) { return Find<QComboBox>(name)->currentText().trimmed().toStdString(); }
    bool Checked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    int Value(const char* name) { return Find<QSpinBox>(name)->value(); }
    // The command texts written in the next ms milliseconds, each acknowledged.
    std::vector<std::string> Sent(uint32_t ms) { return TextsOf(Follow(t, ms)); }

    TestConsole t;
    std::unique_ptr<Panel> panel;

private:
    ReplyWindow window_;
};
