// What the corpus texts confirm: for every word-form key, the lemma and form pairs that tokens
// annotated by hand carry, and how many tokens carry each. The evidence the analyser's proposals
// are ranked by, besides the dictionary.
#pragma once

#include "xml/xmldocument.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace pelmora {

// Whether a token confirms an analysis: it is to be annotated (no reason not to), was annotated
// by hand (not marked "auto" by a replacement or a pre-annotation), has this lemma and either
// this form tag (compared in canonical order) or none.
bool tokenConfirms(XmlNode token, std::string_view lemma, std::string_view form);

// The texts of a folder, counted once and kept: the window builds it on a worker thread, keeps it
// and gives it each text it saves. Paths are compared in their canonical form.
class ConfirmedAnalyses {
public:
    // Told (files read, files) after each file; returning false stops the building.
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;

    // Reads the files; unreadable ones and files that are not corpus texts are passed over.
    // Nothing when the progress function stopped it.
    static std::optional<ConfirmedAnalyses> build(const std::vector<std::string>& files, const Progress& progress = {});

    // Replaces what one text confirms with what its body confirms now (after a save).
    void setText(const std::string& path, XmlNode body);
    // Forgets a text.
    void removeText(const std::string& path);

    // How many tokens of every text but `exceptPath` (the open text, counted live elsewhere) have
    // this word-form key and confirm the lemma and form; with `formRequired` only tokens that carry
    // the form tag itself count.
    std::uint32_t count(const std::string& key, std::string_view lemma, std::string_view form,
                        const std::string& exceptPath = {}, bool formRequired = false) const;

    // Number of texts counted.
    std::size_t textCount() const { return m_keysOfText.size(); }

private:
    struct Entry {
        std::string lemma;
        std::string form;  // canonical; "" for tokens without a form tag
        std::uint32_t text = 0;
        std::uint32_t count = 0;
    };
    std::uint32_t textNumber(const std::string& canonicalPath) const;

    std::unordered_map<std::string, std::vector<Entry>> m_byKey;
    std::unordered_map<std::string, std::uint32_t> m_textNumbers;        // canonical path -> number
    std::unordered_map<std::uint32_t, std::vector<std::string>> m_keysOfText;
};

}  // namespace pelmora
