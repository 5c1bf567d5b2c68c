// Feeds arbitrary bytes to the readers of document files. Each reader has its
// own function below; LLVMFuzzerTestOneInput runs them all on every input.

#include "platform/PropertyList.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

// A refusal names a place inside the text; whatever is read is written in the
// standard form, and that form reads back to the same value and the same text.
void fuzzPropertyListReader(std::string_view text) {
    const PlistReadResult result = readPropertyList(text);
    if (!result.value) {
        check(result.error.line >= 1 && result.error.column >= 1);
        check(!result.error.message.empty());
        return;
    }
    const std::string written = writePropertyList(*result.value);
    const PlistReadResult reread = readPropertyList(written);
    check(reread.value && *reread.value == *result.value);
    check(writePropertyList(*reread.value) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzzPropertyListReader(text);
    return 0;
}
