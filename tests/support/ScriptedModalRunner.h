#pragma once
#include "ModalRunner.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// Runs each modal dialog through the next scripted step, which may press
// its buttons, and ends it with the step's result (Rejected when unscripted).
class ScriptedModalRunner : public ModalRunner {
public:
    using Step = std::function<int(QDialog&)>;

    int Run(QDialog& dialog) override
    {
        titles.push_back(dialog.windowTitle().toStdString());
        if (steps.empty())
            return QDialog::Rejected;
        Step step = std::move(steps.front());
        steps.pop_front();
        return step(dialog);
    }

    std::deque<Step> steps;
    std::vector<std::string> titles;
};
