// Resources embedded in the program at build time (cmake/EmbedResources.cmake), found by type and name.
// Types and names compare without regard to case. Registration is explicit: a target's generated
// OlvaRegisterResources_<target>() registers its resources and is called from the start-up sequence.
#pragma once

#include "platform/rtl/Stream.h"
#include "platform/rtl/WinTypes.h"

#include <cstddef>
#include <string>
#include <string_view>

// One embedded resource; its bytes live as long as the program (they are followed by a zero byte that
// Size does not count).
struct TResourceData {
    std::string Type;
    std::string Name;
    const unsigned char* Data = nullptr;
    std::size_t Size = 0;

    std::string_view View() const { return {reinterpret_cast<const char*>(Data), Size}; }
};

// Registers (or replaces) a resource. Data must outlive every use: the generated code passes static arrays.
void RegisterResource(std::string_view Type, std::string_view Name, const void* Data, std::size_t Size);
// The resource, or null when there is none.
const TResourceData* FindResource(std::string_view Type, std::string_view Name);

// A read-only stream over an embedded resource.
class TResourceStream : public TStream {
public:
    // Raises EResNotFound "Resource <name> not found".
    TResourceStream(const std::string& ResName, const std::string& ResType);
    // The module handle is accepted for the callers' sake; all resources live in one registry.
    TResourceStream(HINSTANCE Instance, const std::string& ResName, const std::string& ResType)
        : TResourceStream(ResName, ResType) {}

    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    // Raises EStreamError "Can't write to a read-only resource stream".
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(FResource->Size); }
    void SetSize(std::int64_t NewSize) override;

    const void* Memory() const { return FResource->Data; }

private:
    const TResourceData* FResource;
    std::int64_t FPosition = 0;
};
