#pragma once
#include "Prompter.h"

#include <deque>
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
    };

    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                              MessageIcon icon, MessageAnswer defaultAnswer) override
    {
        shown.push_back(Shown{text, caption, buttons, icon});
        if (answers.empty())
            return defaultAnswer;
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    bool GetText(const std::string& caption, const std::string& label, bool, std::string& value) override
    {
        shown.push_back(Shown{label, caption, MessageButtons::OkCancel, MessageIcon::None});
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

    std::deque<MessageAnswer> answers;
    std::deque<std::string> texts;
    std::deque<std::string> files;
    std::vector<Shown> shown;
    std::vector<FileChoice> fileChoices;
};
