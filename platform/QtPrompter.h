#pragma once
#include "Prompter.h"

class QWidget;

// Message boxes, input and file dialogs of Qt, centred on the parent.
class QtPrompter : public Prompter {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer ShowMessage(const std::string& text, const std::string& caption, MessageButtons buttons,
                              MessageIcon icon, MessageAnswer defaultAnswer) override;
    bool GetText(const std::string& caption, const std::string& label, bool password,
                 std::string& value) override;
    std::string ChooseFile(const std::string& caption, const std::string& filter, FileChoice choice) override;

private:
    QWidget* parent_ = nullptr;
};
