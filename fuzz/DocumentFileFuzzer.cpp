// Feeds arbitrary bytes to the readers of document files. Each reader has its
// own function below; LLVMFuzzerTestOneInput runs them all on every input.

#include "document/MyDocument.h"
#include "platform/PropertyList.h"

#include <cmath>
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

// Every number the model holds is finite.
void checkFinite(const StrainData& m) {
    for (int i = 0; i < 16; ++i)
        check(std::isfinite(m.strainEntry(i)) && std::isfinite(m.strainMin(i)) &&
              std::isfinite(m.strainMax(i)) && std::isfinite(m.savedStrainMatrix()[i]));
    for (int i = 0; i < 3; ++i)
        check(std::isfinite(m.translation(i)) && std::isfinite(m.translationMin(i)) &&
              std::isfinite(m.translationMax(i)) && std::isfinite(m.color(i)) &&
              std::isfinite(m.light(i)) && std::isfinite(m.point1(i)) &&
              std::isfinite(m.point2(i)) && std::isfinite(m.point3(i)));
    check(std::isfinite(m.translucency()) && std::isfinite(m.distance()));
}

// What the inspector does with a document that it shows and edits: read the
// quantity the animation slider drives and its bounds, set them, move the
// slider, restart the strain, undo it all and redo it. The indices come from
// the file's codes; the sanitizers catch any access outside the model.
void driveLikeTheInspector(MyDocument& document) {
    StrainData& m = document.strainData();
    const int index = m.animatedIndex();
    const bool translation = m.animationField() > 9;
    const float value = translation ? m.translation(index) : m.strainEntry(index);
    const float low = translation ? m.translationMin(index) : m.strainMin(index);
    const float high = translation ? m.translationMax(index) : m.strainMax(index);
    if (translation) {
        m.setTranslationMin(index, high);
        m.setTranslationMax(index, low);
        m.setTranslation(index, value * 2.0f);
    } else {
        m.setStrainMin(index, high);
        m.setStrainMax(index, low);
        m.setStrain(index, value * 2.0f);
    }
    m.setActingOnRight(!m.actingOnRight());
    m.setZoom(m.distance());
    document.undoManager().closeEventGroup();
    m.accumulateStrain();
    checkFinite(m);
    while (document.undoManager().canUndo())
        document.undoManager().undo();
    while (document.undoManager().canRedo())
        document.undoManager().redo();
    checkFinite(m);
}

// A refused file leaves the document exactly as it was and says why; a file
// that is read holds finite numbers only and saves to a text that reads back
// to itself.
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
    checkFinite(document.strainData());
    const std::string written = document.convertForStorage();
    MyDocument again;
    check(again.loadDataRepresentation(written, MyDocument::kTypeName, error));
    check(again.convertForStorage() == written);

    driveLikeTheInspector(document);
    MyDocument edited;
    check(edited.loadDataRepresentation(document.convertForStorage(), MyDocument::kTypeName, error));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzzPropertyListReader(text);
    fuzzDocumentRestore(text);
    return 0;
}
