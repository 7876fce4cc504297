#pragma once
#include <QDialog>

class QPlainTextEdit;

// Asks for a comment to put into the command log.
class CommentDialog : public QDialog {
    Q_OBJECT
public:
    explicit CommentDialog(QWidget* parent = nullptr);
    QString comment() const;
    QPlainTextEdit* editor() const { return editor_; }

private:
    QPlainTextEdit* editor_ = nullptr;
};
