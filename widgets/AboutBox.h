#pragma once
#include <QDialog>

// "About Pivora": the program's name, version and what it is for.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};
