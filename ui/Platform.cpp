// The installed desktop services, and the silent ones used until something is installed.
#include "Platform.h"

namespace barkmoor {
namespace {

class SilentPlatform final : public Platform {
public:
    int AudioOutputCount() override { return 0; }
    void PlayBark() override { }
    void OpenHelp(const QString &) override { }
    void OpenWebSite(const QString &) override { }
};

SilentPlatform silent;
Platform *installed = &silent;

} // namespace

Platform &platform()
{
    return *installed;
}

void SetPlatform(Platform *replacement)
{
    installed = replacement ? replacement : &silent;
}

} // namespace barkmoor
