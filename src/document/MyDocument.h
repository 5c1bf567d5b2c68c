// One strain document: its model, its undo history, its file and the
// conversion between the model and the document file's text.
#pragma once

#include "model/StrainData.h"
#include "platform/PropertyList.h"
#include "platform/UndoManager.h"

#include <optional>
#include <string>
#include <string_view>

class MyDocument {
public:
    // The only type that documents are saved and read as.
    static constexpr std::string_view kTypeName = "Quorvel document";
    // The extension of document files.
    static constexpr std::string_view kFileExtension = "quorvel";

    MyDocument();
    MyDocument(const MyDocument&) = delete;
    MyDocument& operator=(const MyDocument&) = delete;

    StrainData& strainData() { return strainData_; }
    const StrainData& strainData() const { return strainData_; }
    UndoManager& undoManager() { return undoManager_; }
    const UndoManager& undoManager() const { return undoManager_; }

    // The file's bytes for a save as type, or nothing for any other type.
    std::optional<std::string> dataRepresentationOfType(std::string_view type) const;
    // After the bytes are safely written: the file is now fileName, nothing
    // can be undone and the document is unedited. Done only once the write
    // has succeeded, so that a failed save loses no undo history.
    void didSave(const std::string& fileName);

    // Applies a file's bytes to the model. The text is parsed and checked
    // completely first: a refused file leaves the model, the undo history and
    // the edited state as they were, and error says why.
    bool loadDataRepresentation(std::string_view data, std::string_view type, std::string& error);
    // Reads path as Open does and makes it the document's file.
    bool readFromFile(const std::string& path, std::string& error);
    // Reads the document's file again; nothing can be undone afterwards and
    // the document is unedited.
    bool revertToSaved(std::string& error);
    // Whether the file holds other bytes than this document last read from
    // it or saved to it: another program, or another window, wrote it. A
    // file that exists but cannot be read back counts as changed.
    bool fileChangedOnDisk() const;

    // The conversion steps between the model and the file's bytes.
    PlistValue::Dictionary setupDictionaryFromMemory() const;
    std::string convertForStorage() const;
    static PlistReadResult setupDictionaryFromStorage(std::string_view data);
    bool restoreFromStorage(std::string_view data, std::string& error);

    // Whether a menu item with this (localized) title is enabled: "Save"
    // while edited, "Revert To Saved" while edited and with a file.
    bool validateMenuItem(std::string_view title) const;

    bool isDocumentEdited() const { return undoManager_.changeCount() != 0; }
    const std::string& fileName() const { return fileName_; }
    // The file's name without its folder, or "Untitled".
    std::string displayName() const;

private:
    UndoManager undoManager_;
    StrainData strainData_;
    std::string fileName_;
    // The file's bytes as last read or saved.
    std::string fileBytes_;
};
