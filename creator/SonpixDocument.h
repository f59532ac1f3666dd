// TSonpixDocument: the four parts of the file being made, where it is saved, and whether it has
// unsaved changes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One part as the form holds it: the file it came from (shown to the user) and its bytes.
struct TDraftPart {
    std::string source;  // ANSI: a file's name, or a text of the creator's ("Запись")
    std::vector<std::uint8_t> bytes;
    bool Empty() const { return bytes.empty(); }
};

// What an opened Sonpix file holds, part by part.
struct TDraftContents {
    TDraftPart picture;
    TDraftPart sound;
    TDraftPart makerPicture;  // empty when the file has none
    std::string makerText;    // Windows-1251 as stored; empty when the file has none
};

class TSonpixDocument {
public:
    const TDraftContents& Contents() const { return m_contents; }
    // The parts for a save that hands their bytes on in place of copies; it must leave them as
    // they were (nothing here marks the document changed).
    TDraftContents& ContentsInPlace() { return m_contents; }
    // The file it was opened from or last saved to (ANSI, full path); empty for a new one.
    const std::string& Path() const { return m_path; }
    bool Modified() const { return m_modified; }

    // Each change marks the document modified; setting what it holds already changes nothing.
    void SetPicture(TDraftPart part);
    void SetSound(TDraftPart part);
    void SetMakerPicture(TDraftPart part);  // an empty part removes the maker's picture
    // Takes the field's text and keeps it as StoredMakerText gives it.
    void SetMakerText(const std::string& fieldText);

    // The contents, given up: the document is then a new, empty one.
    TDraftContents TakeContents();
    // The contents of an opened file, under its path, with nothing unsaved.
    void Load(const std::string& path, TDraftContents contents);
    // The file is now on disk under path.
    void MarkSaved(const std::string& path);

private:
    TDraftContents m_contents;
    std::string m_path;
    bool m_modified = false;
};
