#pragma once

class QDialog;

// The one way a window opens a modal dialog, so tests can drive it.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual int Run(QDialog& dialog) = 0; // QDialog::Accepted or Rejected
};

class ExecModalRunner : public ModalRunner {
public:
    int Run(QDialog& dialog) override;
};
