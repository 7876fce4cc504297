#pragma once
#include <QDialog>

// Stands in for a dialog or feature panel this version does not have yet:
// it carries the real window's title and says so.
class PlaceholderDialog : public QDialog {
    Q_OBJECT
public:
    explicit PlaceholderDialog(const QString& title, QWidget* parent = nullptr);
};
