// The only way the rules talk to the player: four modal prompts behind a small interface.
#pragma once

#include <string>

namespace barkmoor {

// Codes of the platform's message boxes; callers compare against these.
enum class Answer : int { Yes = 6, No = 7 };

class Prompter {
public:
    virtual ~Prompter() = default;
    // A message with one OK button. "\r" in texts starts a new line.
    virtual void ShowNote(const std::string &text) = 0;
    // A Yes/No question captioned "Information".
    virtual Answer ConfirmYesNo(const std::string &text) = 0;
    // A Yes/No question with the caller's caption; it cannot be dismissed without an answer.
    virtual Answer AskTitled(const std::string &text, const std::string &title) = 0;
    // One line of text. On OK value becomes the typed text and the result is true;
    // otherwise value is left as passed in and the result is false.
    virtual bool QueryValue(const std::string &caption, const std::string &prompt, std::string &value) = 0;
};

// Installs the prompter used by the functions below; nullptr installs one that shows
// nothing and answers No / Cancel.
void SetPrompter(Prompter *prompter);

void ShowNote(const std::string &text);
Answer ConfirmYesNo(const std::string &text);
Answer AskTitled(const std::string &text, const std::string &title);
bool QueryValue(const std::string &caption, const std::string &prompt, std::string &value);

} // namespace barkmoor
