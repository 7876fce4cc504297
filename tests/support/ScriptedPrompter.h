#pragma once
#include "Prompter.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Answers prompts from a script (OK / the default when the script is empty)
// and records every text shown.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        std::string text;
        std::string caption;
        MessageButtons buttons;
        MessageIcon icon;
        bool masked = false; // a text input that hides what is typed
    };

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                              MessageIcon icon, MessageAnswer defaultAnswer) override
    {
        shown.push_back(Shown{text, caption, buttons, icon});
        if (whileShown) {
            const Shown current = shown.back();
            whileShown(current);
        }
        if (answers.empty())
            return defaultAnswer;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    bool GetText(const std::string& caption, const std::string& label, bool password, std::string& value) override
    {
        shown.push_back(Shown{label, caption, MessageButtons::OkCancel, MessageIcon::None, password});
        if (texts.empty())
            return false;
        value = texts.front();
        texts.pop_front();
        return true;
    }
    std::string ChooseFile(const std::string& caption, const std::string&, FileChoice choice) override
    {
        shown.push_back(Shown{"", caption, MessageButtons::OkCancel, MessageIcon::None});
        fileChoices.push_back(choice);
        if (files.empty())
            return {};
        std::string f = files.front();
        files.pop_front();
        return f;
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> t;
        for (const Shown& s : shown)
            t.push_back(s.text);
        return t;
    }

    // Every text shown, one per line, for a failure message.
    std::string Joined() const
    {
        std::string all;
        for (const Shown& s : shown)
            all += s.caption + ": " + s.text + "\n";
        return all;
    }

    // Runs while a message is shown, as the events that arrive while a
    // real message box waits for the operator.
    std::function<void(const Shown&)> whileShown;
    std::deque<MessageAnswer> answers;
    std::deque<std::string> texts;
    std::deque<std::string> files;
    std::vector<Shown> shown;
    std::vector<FileChoice> fileChoices;
};
