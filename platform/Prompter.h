#pragma once
#include <string>

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Information, Warning, Stop, Question };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };
// What the file chooser accepts: an existing file, a name to save under, or
// either (a name typed for a file that does not exist yet).
enum class FileChoice { Existing, Save, ExistingOrNew };

// Everything that asks the operator something: message boxes, text input,
// the file chooser.
class Prompter {
public:
    virtual ~Prompter() = default;
    virtual MessageAnswer ShowMessage(const std::string& text, const std::string& caption,
                                      MessageButtons buttons = MessageButtons::Ok,
                                      MessageIcon icon = MessageIcon::None,
                                      MessageAnswer defaultAnswer = MessageAnswer::Ok) = 0;
    // False when the operator cancels; value holds the text shown first and the answer.
    virtual bool GetText(const std::string& caption, const std::string& label, bool password,
                         std::string& value) = 0;
    // Empty when the operator cancels. filter is "Text Files (*.txt)" style.
    virtual std::string ChooseFile(const std::string& caption, const std::string& filter, FileChoice choice) = 0;
};

// The application's title, the caption of its message boxes.
inline const char* ApplicationTitle() { return "Vexa - Pivora"; }
