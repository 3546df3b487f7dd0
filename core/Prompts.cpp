// Forwards the rules' prompts to whichever prompter is installed.
#include "Prompts.h"

namespace barkmoor {
namespace {

class SilentPrompter final : public Prompter {
public:
    void ShowNote(const std::string &) override { }
    Answer ConfirmYesNo(const std::string &) override { return Answer::No; }
    Answer AskTitled(const std::string &, const std::string &) override { return Answer::No; }
    bool QueryValue(const std::string &, const std::string &, std::string &) override { return false; }
};

SilentPrompter silent;
Prompter *current = &silent;

} // namespace

void SetPrompter(Prompter *prompter)
{
    current = prompter ? prompter : &silent;
}

void ShowNote(const std::string &text)
{
    current->ShowNote(text);
}

Answer ConfirmYesNo(const std::string &text)
{
    return current->ConfirmYesNo(text);
}

Answer AskTitled(const std::string &text, const std::string &title)
{
    return current->AskTitled(text, title);
}

bool QueryValue(const std::string &caption, const std::string &prompt, std::string &value)
{
    return current->QueryValue(caption, prompt, value);
}

} // namespace barkmoor
