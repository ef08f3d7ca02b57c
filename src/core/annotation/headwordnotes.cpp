#include "annotation/headwordnotes.h"

#include "common/filemessages.h"
#include "common/normalisation.h"
#include "common/strings.h"
#include "common/translation.h"

#include <algorithm>

namespace pelmora {

namespace {

std::string_view headwordOf(XmlNode note) { return attributeValue(note, kNoteHeadword); }

}  // namespace

HeadwordNotes::HeadwordNotes(std::string path, Prompter& prompter) : m_path(std::move(path)), m_prompter(prompter) {}

bool HeadwordNotes::ensureLoaded()
{
    if (m_state != State::NotRead)
        return isUsable();
    m_state = State::Broken;
    const XmlNode root = m_xml.load(m_path) ? m_xml.root() : XmlNode();
    if (isElement(root, kNotesRoot)) {
        for (XmlNode note = firstChildElement(root, kNoteElement); note; note = nextSiblingElement(note, kNoteElement))
            m_notes.push_back({note, toNfc(headwordOf(note))});
    }
    if (m_notes.empty()) {
        m_xml.clear();
        m_prompter.error(formatMessage(kInvalidFileMessage, m_path));
        return false;
    }
    // Stable: of two notes for one headword, the first in the file is the one found.
    std::stable_sort(m_notes.begin(), m_notes.end(),
                     [](const IndexedNote& a, const IndexedNote& b) { return compareOrdinal(a.key, b.key) < 0; });
    m_state = State::Loaded;
    return true;
}

HeadwordNotes::Position HeadwordNotes::find(std::string_view sought)
{
    std::string storage;
    const std::string_view headword = nfcView(sought, storage);
    Position position;
    if (!ensureLoaded())
        return position;
    std::size_t lo = 0;
    std::size_t hi = m_notes.size();
    while (lo < hi) {
        const std::size_t mid = (lo + hi) / 2;
        const int order = compareOrdinal(m_notes[mid].key, headword);
        if (order < 0) {
            lo = mid + 1;
        } else if (order == 0) {
            // The first of equal headwords, so that a duplicate never hides the original.
            std::size_t first = mid;
            while (first > 0 && m_notes[first - 1].key == headword)
                --first;
            return {first, true};
        } else {
            hi = mid;
        }
    }
    position.index = lo;
    return position;
}

HeadwordNote HeadwordNotes::noteAt(std::size_t index) const
{
    const XmlNode note = m_notes[index].note;
    return {std::string(headwordOf(note)), std::string(elementText(note))};
}

bool HeadwordNotes::lookUp(std::string_view headword, HeadwordNote& note)
{
    const Position position = find(headword);
    note = position.found ? noteAt(position.index) : HeadwordNote{};
    return position.found;
}

bool HeadwordNotes::lookUpOrFirst(std::string_view headword, HeadwordNote& note)
{
    if (lookUp(headword, note))
        return true;
    if (!isUsable())
        return false;
    note = noteAt(0);
    return true;
}

bool HeadwordNotes::store(std::string_view enteredHeadword, std::string_view enteredText)
{
    const std::string headword = toNfc(enteredHeadword);
    const std::string text = toNfc(enteredText);
    if (!ensureLoaded())
        return false;
    if (!headword.empty()) {
        const Position position = find(headword);
        if (position.found) {
            const XmlNode note = m_notes[position.index].note;
            if (elementText(note) != text)
                setElementText(note, text);
        } else {
            XmlNode root = m_xml.root();
            const XmlNode note = position.index < m_notes.size()
                ? root.insert_child_before(kNoteElement, m_notes[position.index].note)
                : root.insert_child_after(kNoteElement, m_notes.back().note);
            setAttribute(note, kNoteHeadword, headword);
            setElementText(note, text);
            m_notes.insert(m_notes.begin() + static_cast<std::ptrdiff_t>(position.index), {note, headword});
        }
    }
    if (!m_xml.save(m_path)) {
        m_prompter.message(MessageKind::Error, kNotesSaveFailedTitle, m_path);
        return false;
    }
    return true;
}

}  // namespace pelmora
