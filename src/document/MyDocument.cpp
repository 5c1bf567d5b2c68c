#include "document/MyDocument.h"

#include "model/DocumentValues.h"
#include "platform/Localization.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

MyDocument::MyDocument() : strainData_(&undoManager_) {}

std::optional<std::string> MyDocument::dataRepresentationOfType(std::string_view type) const {
    if (type != kTypeName)
        return std::nullopt;
    return convertForStorage();
}

void MyDocument::didSave(const std::string& fileName) {
    fileName_ = fileName;
    undoManager_.removeAllActions();
    undoManager_.clearChangeCount();
    fileBytes_ = convertForStorage(); // what was written: the model has not changed since
}

bool MyDocument::loadDataRepresentation(std::string_view data, std::string_view type,
                                        std::string& error) {
    if (type != kTypeName) {
        error = "documents of type \"" + std::string(type) + "\" cannot be read";
        return false;
    }
    return restoreFromStorage(data, error);
}

namespace {

bool readFileBytes(const std::string& path, std::string& data, std::string& error) {
    std::error_code code;
    const auto status = std::filesystem::status(path, code);
    if (code) {
        error = code.message();
        return false;
    }
    if (!std::filesystem::exists(status)) {
        error = "No such file or directory";
        return false;
    }
    if (!std::filesystem::is_regular_file(status)) {
        error = "not a file";
        return false;
    }
    // Read with plain system calls: a stream would throw from deep inside on
    // a read error (EIO from a failing disk), and the error would be lost.
    // The size is checked while reading, since files such as those under
    // /proc report none.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            error = std::strerror(errno);
            ::close(fd);
            return false;
        }
        if (count == 0)
            break;
        data.append(buffer, std::size_t(count));
        if (data.size() > kPlistMaxSize) {
            ::close(fd);
            error = "the file is too large to be a Quorvel document";
            return false;
        }
    }
    ::close(fd);
    return true;
}

} // namespace

bool MyDocument::readFromFile(const std::string& path, std::string& error) {
    std::string data;
    if (!readFileBytes(path, data, error) || !loadDataRepresentation(data, kTypeName, error))
        return false;
    fileName_ = path;
    fileBytes_ = std::move(data);
    return true;
}

bool MyDocument::revertToSaved(std::string& error) {
    if (fileName_.empty()) {
        error = "the document has no file";
        return false;
    }
    // The file name is kept whatever happens.
    const std::string fileName = fileName_;
    if (!readFromFile(fileName, error))
        return false;
    undoManager_.removeAllActions();
    undoManager_.clearChangeCount();
    return true;
}

bool MyDocument::fileChangedOnDisk() const {
    std::error_code missing;
    if (fileName_.empty() || !std::filesystem::exists(fileName_, missing))
        return false;
    std::string data, error;
    return !readFileBytes(fileName_, data, error) || data != fileBytes_;
}

PlistValue::Dictionary MyDocument::setupDictionaryFromMemory() const {
    StrainData::StringDictionary entries;
    entries["Class"] = "MyDocument";
    entries["Version"] = "1";
    strainData_.convertToDictionary(entries);

    PlistValue::Dictionary dictionary;
    for (auto& [key, value] : entries)
        dictionary.emplace(key, PlistValue{std::move(value)});
    return dictionary;
}

std::string MyDocument::convertForStorage() const {
    return writePropertyList(PlistValue{setupDictionaryFromMemory()});
}

PlistReadResult MyDocument::setupDictionaryFromStorage(std::string_view data) {
    return readPropertyList(data);
}

bool MyDocument::restoreFromStorage(std::string_view data, std::string& error) {
    const PlistReadResult parsed = setupDictionaryFromStorage(data);
    if (!parsed.value) {
        error = "line " + std::to_string(parsed.error.line) + ", column " +
                std::to_string(parsed.error.column) + ": " + parsed.error.message;
        return false;
    }
    const PlistValue::Dictionary* dictionary = parsed.value->dictionary();
    if (!dictionary) {
        error = "the file holds no document: its text is not a dictionary";
        return false;
    }

    // The keys the model reads; values of other keys are never looked at.
    const auto isModelKey = [](const std::string& key) {
        return std::ranges::any_of(documentValues(),
                                   [&key](const DocumentValue& v) { return key == v.key; });
    };

    StrainData::StringDictionary entries;
    for (const auto& [key, value] : *dictionary) {
        if (!isModelKey(key))
            continue;
        const std::string* text = value.string();
        if (!text) {
            error = "the value of \"" + key + "\" is not text";
            return false;
        }
        entries.emplace(key, *text);
    }
    strainData_.restoreFromDictionary(entries);
    return true;
}

bool MyDocument::validateMenuItem(std::string_view title) const {
    if (title == localizedString("Save"))
        return isDocumentEdited();
    if (title == localizedString("Revert To Saved"))
        return !fileName_.empty() && isDocumentEdited();
    return true;
}

std::string MyDocument::displayName() const {
    if (fileName_.empty())
        return localizedString("Untitled");
    return std::filesystem::path(fileName_).filename().string();
}
