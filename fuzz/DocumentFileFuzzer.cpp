// Feeds arbitrary bytes to the readers of document files. Each reader has its
// own function below; LLVMFuzzerTestOneInput runs them all on every input.

#include "document/MyDocument.h"
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

// A refused file leaves the document exactly as it was and says why; a file
// that is read saves to a text that reads back to itself.
void fuzzDocumentRestore(std::string_view text) {
    MyDocument document;
    document.strainData().setTranslucency(0.3f);
    document.undoManager().closeEventGroup();
    const std::string before = document.convertForStorage();

    std::string error;
    if (!document.loadDataRepresentation(text, MyDocument::kTypeName, error)) {
        check(!error.empty());
        check(document.convertForStorage() == before);
        check(document.undoManager().canUndo() && document.isDocumentEdited());
        return;
    }
    // Values beyond a float are saved as "inf", which reads as 0, so the
    // first save may still change; from then on the text is stable.
    MyDocument copy;
    check(copy.loadDataRepresentation(document.convertForStorage(), MyDocument::kTypeName, error));
    const std::string written = copy.convertForStorage();
    MyDocument again;
    check(again.loadDataRepresentation(written, MyDocument::kTypeName, error));
    check(again.convertForStorage() == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzzPropertyListReader(text);
    fuzzDocumentRestore(text);
    return 0;
}
