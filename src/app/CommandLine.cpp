#include "app/CommandLine.h"

#include "document/MyDocument.h"

#include <ostream>

int printDocument(const std::string& path, std::ostream& out, std::ostream& err) {
    MyDocument document;
    std::string error;
    if (!document.readFromFile(path, error)) {
        err << "quorvel: " << path << ": " << error << '\n';
        return 1;
    }
    out << *document.dataRepresentationOfType(MyDocument::kTypeName);
    out.flush();
    if (!out) {
        err << "quorvel: " << path << ": the document could not be written out\n";
        return 1;
    }
    return 0;
}
