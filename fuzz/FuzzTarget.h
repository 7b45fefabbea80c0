#pragma once
// One fuzz target: a function that hands bytes from outside the program to
// the real readers through the in-memory file systems. Built with clang's
// libFuzzer each target is its own program; built for the replay test every
// target registers itself under its name instead.
//
//     PLOTWISE_FUZZ_TARGET(scan) { ...use data, size...; return 0; }
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace plotwise::fuzz {

using TargetFunction = int (*)(const std::uint8_t* data, std::size_t size);

#ifdef PLOTWISE_FUZZ_REPLAY
// Adds a target to the replay's registry; returns true.
bool registerTarget(const char* name, TargetFunction function);
// The registered target of this name, nullptr when there is none.
TargetFunction findTarget(const std::string& name);
#endif

// The input split into selector bytes at the front and the rest.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : bytes_(reinterpret_cast<const char*>(data), size) {}
    // The next selector byte, 0 when the input has run out.
    std::uint8_t take() {
        if (bytes_.empty()) return 0;
        auto byte = static_cast<std::uint8_t>(bytes_.front());
        bytes_.remove_prefix(1);
        return byte;
    }
    std::string_view rest() const { return bytes_; }

private:
    std::string_view bytes_;
};

} // namespace plotwise::fuzz

#ifdef PLOTWISE_FUZZ_REPLAY
#define PLOTWISE_FUZZ_ENTRY(name)                                                                \
    [[maybe_unused]] static const bool registered_##name =                                       \
        plotwise::fuzz::registerTarget(#name, fuzz_##name);
#else
#define PLOTWISE_FUZZ_ENTRY(name)                                                                \
    extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {          \
        return fuzz_##name(data, size);                                                          \
    }
#endif

#define PLOTWISE_FUZZ_TARGET(name)                                                               \
    static int fuzz_##name(const std::uint8_t* data, std::size_t size);                          \
    PLOTWISE_FUZZ_ENTRY(name)                                                                    \
    static int fuzz_##name(const std::uint8_t* data, std::size_t size)
