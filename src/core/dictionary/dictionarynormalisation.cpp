#include "dictionary/dictionarynormalisation.h"

#include "common/normalisation.h"
#include "common/strings.h"

#include <map>
#include <set>

namespace pelmora {

namespace {

constexpr DictSection kSections[] = {DictSection::WordForms, DictSection::Lemmas, DictSection::Combinations};

// The analyses of a section in file order: each entry, then its child analyses.
std::vector<XmlNode> analysesOf(XmlNode root, DictSection section)
{
    std::vector<XmlNode> analyses;
    const char* name = entryName(section);
    for (XmlNode entry = firstChildElement(firstChildElement(root, sectionName(section)), name); entry;
         entry = nextSiblingElement(entry, name)) {
        analyses.push_back(entry);
        for (XmlNode child = firstChildElement(entry, name); child; child = nextSiblingElement(child, name))
            analyses.push_back(child);
    }
    return analyses;
}

void addWeight(XmlNode into, XmlNode from)
{
    if (!from.attribute(dict::kWeight) && !into.attribute(dict::kWeight))
        return;  // combinations carry no weight
    const long long sum = analysisWeight(into) + analysisWeight(from);
    setAttribute(into, dict::kWeight, std::to_string(sum));
}

bool sameAnalysis(XmlNode a, XmlNode b, DictSection section)
{
    for (const char* attribute : identifyingAttributes(section))
        if (attributeValue(a, attribute) != attributeValue(b, attribute))
            return false;
    return true;
}

// Normalises every value of the section; returns the analyses whose values changed.
std::set<pugi::xml_node_struct*> normaliseValues(const std::vector<XmlNode>& analyses, std::size_t& count)
{
    std::set<pugi::xml_node_struct*> changed;
    for (const XmlNode analysis : analyses) {
        for (pugi::xml_attribute attribute : analysis.attributes()) {
            std::string value = attribute.value();
            if (normaliseInPlace(value)) {
                attribute.set_value(value.c_str());
                changed.insert(analysis.internal_object());
                ++count;
            }
        }
    }
    return changed;
}

// Joins the entries and analyses of one section that normalisation made equal: an entry joins the
// first entry with its id when their ids differed before; an analysis joins an equal one of its
// entry when either of them changed. Two equal entries or analyses that a hand-edited file held
// before are left as they were.
void mergeSection(XmlNode root, DictSection section, std::set<pugi::xml_node_struct*>& changed,
                  const std::map<pugi::xml_node_struct*, std::string>& idsBefore, std::size_t& merged)
{
    const char* name = entryName(section);
    const auto idBefore = [&idsBefore](XmlNode entry) { return idsBefore.at(entry.internal_object()); };
    std::map<std::string, XmlNode> entries;  // by id: the first entry with it
    XmlNode sectionNode = firstChildElement(root, sectionName(section));
    for (XmlNode entry = firstChildElement(sectionNode, name); entry;) {
        const XmlNode next = nextSiblingElement(entry, name);
        const auto [at, first] = entries.emplace(std::string(attributeValue(entry, dict::kId)), entry);
        if (!first && idBefore(entry) != idBefore(at->second)) {
            // The entry's own analysis and its children go to the first entry as its children.
            XmlNode target = at->second;
            const XmlNode moved = target.append_child(name);
            for (const pugi::xml_attribute attribute : entry.attributes())
                setAttribute(moved, attribute.name(), attribute.value());
            changed.insert(moved.internal_object());
            while (const XmlNode child = firstChildElement(entry, name)) {
                changed.insert(child.internal_object());
                target.append_move(child);
            }
            sectionNode.remove_child(entry);
            ++merged;
        }
        entry = next;
    }
    // Within each entry: an analysis equal to an earlier one adds its weight to it.
    for (auto& [id, entry] : entries) {
        std::vector<XmlNode> group{entry};
        for (XmlNode child = firstChildElement(entry, name); child;) {
            const XmlNode next = nextSiblingElement(child, name);
            const bool mayJoin = changed.count(child.internal_object()) > 0;
            XmlNode same;
            for (const XmlNode earlier : group)
                if (!same && (mayJoin || changed.count(earlier.internal_object()) > 0) &&
                    sameAnalysis(earlier, child, section))
                    same = earlier;
            if (same) {
                addWeight(same, child);
                entry.remove_child(child);
                ++merged;
            } else {
                group.push_back(child);
            }
            child = next;
        }
    }
}

}  // namespace

std::size_t countUnnormalisedValues(const CDictionary& dictionary)
{
    std::size_t count = 0;
    for (const DictSection section : kSections)
        for (const XmlNode analysis : analysesOf(dictionary.xml().root(), section))
            for (const pugi::xml_attribute attribute : analysis.attributes())
                count += isNfc(attribute.value()) ? 0 : 1;
    return count;
}

bool normaliseDictionary(CDictionary& dictionary, DictionaryNormalisation& result)
{
    result = {};
    return dictionary.rewriteUnderLock([&result](XmlNode root) {
        std::map<pugi::xml_node_struct*, std::string> idsBefore;
        for (const DictSection section : kSections)
            for (const XmlNode analysis : analysesOf(root, section))
                idsBefore.emplace(analysis.internal_object(), attributeValue(analysis, dict::kId));
        std::set<pugi::xml_node_struct*> changed;
        for (const DictSection section : kSections)
            changed.merge(normaliseValues(analysesOf(root, section), result.values));
        if (result.values == 0)
            return false;  // nothing to write
        for (const DictSection section : kSections)
            mergeSection(root, section, changed, idsBefore, result.merged);
        return true;
    }) || result.values == 0;
}

}  // namespace pelmora
