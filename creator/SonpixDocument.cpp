// TSonpixDocument: changing the parts and marking the document saved.
#include "creator/SonpixDocument.h"

#include <utility>

#include "creator/CreatorRules.h"

namespace {
void Replace(TDraftPart& held, TDraftPart part, bool& modified) {
    if (held.bytes == part.bytes && held.source == part.source) return;
    held = std::move(part);
    modified = true;
}
}  // namespace

void TSonpixDocument::SetPicture(TDraftPart part) { Replace(m_contents.picture, std::move(part), m_modified); }
void TSonpixDocument::SetSound(TDraftPart part) { Replace(m_contents.sound, std::move(part), m_modified); }
void TSonpixDocument::SetMakerPicture(TDraftPart part) {
    Replace(m_contents.makerPicture, std::move(part), m_modified);
}

void TSonpixDocument::SetMakerText(const std::string& fieldText) {
    std::string text = StoredMakerText(fieldText);
    if (text == m_contents.makerText) return;
    m_contents.makerText = std::move(text);
    m_modified = true;
}

TDraftContents TSonpixDocument::TakeContents() {
    TDraftContents contents = std::move(m_contents);
    *this = TSonpixDocument();
    return contents;
}

void TSonpixDocument::Load(const std::string& path, TDraftContents contents) {
    m_contents = std::move(contents);
    m_path = path;
    m_modified = false;
}

void TSonpixDocument::MarkSaved(const std::string& path) {
    m_path = path;
    m_modified = false;
}
