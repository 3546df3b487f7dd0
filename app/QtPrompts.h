// The four modal prompts as real windows.
#pragma once

#include "Prompts.h"

namespace barkmoor {

// Object names of the prompt windows, so tests and tools can find them.
inline constexpr const char *ShowNoteName = "ShowNote";
inline constexpr const char *ConfirmYesNoName = "ConfirmYesNo";
inline constexpr const char *AskTitledName = "AskTitled";
inline constexpr const char *QueryValueName = "QueryValue";

class QtPrompter final : public Prompter {
public:
    void ShowNote(const std::string &text) override;
    Answer ConfirmYesNo(const std::string &text) override;
    Answer AskTitled(const std::string &text, const std::string &title) override;
    bool QueryValue(const std::string &caption, const std::string &prompt, std::string &value) override;
};

} // namespace barkmoor
