#include "annotation/confirmedanalyses.h"

#include "annotation/formtag.h"
#include "common/normalisation.h"
#include "common/strings.h"
#include "io/corpusfilereader.h"
#include "text/textformat.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>

namespace pelmora {

namespace {

std::string canonicalPath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(path, error);
    return error ? path : canonical.string();
}

bool annotatedByHand(XmlNode token)
{
    const std::string_view meta = attributeValue(token, text::kMeta);
    return (meta.empty() || meta == "-") && attributeValue(token, text::kAuto) != "+";
}

}  // namespace

bool tokenConfirms(XmlNode token, std::string_view lemma, std::string_view form)
{
    if (!annotatedByHand(token) || !sameText(attributeValue(token, text::kLemma), lemma))
        return false;
    const std::string_view tokenForm = attributeValue(token, text::kForm);
    return tokenForm.empty() || canonicalFormTag(tokenForm) == form;
}

std::optional<ConfirmedAnalyses> ConfirmedAnalyses::build(const std::vector<std::string>& files, const Progress& progress)
{
    ConfirmedAnalyses analyses;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress && !progress(i, files.size()))
            return std::nullopt;
        CorpusFileReader reader;
        if (reader.load(files[i]))
            analyses.setText(files[i], reader.body());
    }
    if (progress && !progress(files.size(), files.size()))
        return std::nullopt;
    return analyses;
}

std::uint32_t ConfirmedAnalyses::textNumber(const std::string& canonical) const
{
    const auto found = m_textNumbers.find(canonical);
    return found == m_textNumbers.end() ? UINT32_MAX : found->second;
}

void ConfirmedAnalyses::setText(const std::string& path, XmlNode body)
{
    removeText(path);
    const std::string canonical = canonicalPath(path);
    std::uint32_t number = textNumber(canonical);
    if (number == UINT32_MAX) {
        number = static_cast<std::uint32_t>(m_textNumbers.size());
        m_textNumbers.emplace(canonical, number);
    }
    std::map<std::tuple<std::string, std::string, std::string>, std::uint32_t> counts;
    for (XmlNode sentence = firstChildElement(body, text::kSentence); sentence;
         sentence = nextSiblingElement(sentence, text::kSentence)) {
        for (XmlNode token = firstChildElement(sentence, text::kToken); token;
             token = nextSiblingElement(token, text::kToken)) {
            const std::string_view lemma = attributeValue(token, text::kLemma);
            if (lemma.empty() || !annotatedByHand(token))
                continue;
            const std::string_view form = attributeValue(token, text::kForm);
            ++counts[{MakeWordFormKey(elementText(token)), toNfc(lemma), form.empty() ? std::string() : canonicalFormTag(form)}];
        }
    }
    std::vector<std::string>& keys = m_keysOfText[number];
    for (auto& [analysis, count] : counts) {
        auto& [key, lemma, form] = analysis;
        if (keys.empty() || keys.back() != key)
            keys.push_back(key);
        m_byKey[key].push_back({std::move(lemma), std::move(form), number, count});
    }
}

void ConfirmedAnalyses::removeText(const std::string& path)
{
    const auto keys = m_keysOfText.find(textNumber(canonicalPath(path)));
    if (keys == m_keysOfText.end())
        return;
    const std::uint32_t number = keys->first;
    for (const std::string& key : keys->second) {
        const auto entries = m_byKey.find(key);
        if (entries == m_byKey.end())
            continue;
        std::erase_if(entries->second, [number](const Entry& entry) { return entry.text == number; });
        if (entries->second.empty())
            m_byKey.erase(entries);
    }
    m_keysOfText.erase(keys);
}

std::uint32_t ConfirmedAnalyses::count(const std::string& key, std::string_view lemma, std::string_view form,
                                       const std::string& exceptPath, bool formRequired) const
{
    const auto entries = m_byKey.find(key);
    if (entries == m_byKey.end())
        return 0;
    const std::uint32_t except = exceptPath.empty() ? UINT32_MAX : textNumber(canonicalPath(exceptPath));
    std::uint32_t total = 0;
    for (const Entry& entry : entries->second)
        if (entry.text != except && entry.lemma == lemma && (entry.form == form || (entry.form.empty() && !formRequired)))
            total += entry.count;
    return total;
}

}  // namespace pelmora
