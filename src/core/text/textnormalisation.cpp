#include "text/textnormalisation.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "common/translation.h"
#include "text/stepnames.h"
#include "text/textformat.h"

namespace pelmora {

namespace {

// Visits every element in document order (the node first), without recursion: texts are deep
// only by a few levels but may be long.
template <typename Visit>
void forEachElement(XmlNode node, Visit visit)
{
    const XmlNode stop = node;
    while (node) {
        if (node.type() == pugi::node_element)
            visit(node);
        if (XmlNode child = node.first_child()) {
            node = child;
            continue;
        }
        while (node && node != stop && !node.next_sibling())
            node = node.parent();
        if (!node || node == stop)
            return;
        node = node.next_sibling();
    }
}

std::string elementLabel(XmlNode element)
{
    const std::string_view id = attributeValue(element, text::kId);
    return id.empty() ? std::string(element.name()) : std::string(id);
}

}  // namespace

std::vector<UnnormalisedValue> findUnnormalisedValues(XmlNode node)
{
    std::vector<UnnormalisedValue> found;
    forEachElement(node, [&](XmlNode element) {
        if (!isNfc(elementText(element)))
            found.push_back({elementLabel(element), element.name()});
        for (const pugi::xml_attribute attribute : element.attributes())
            if (!isNfc(attribute.value()))
                found.push_back({elementLabel(element), attribute.name()});
    });
    return found;
}

std::size_t normaliseText(CPelmoraDoc& doc)
{
    if (!doc.hasText())
        return 0;
    // Collected first: the changes must not run under the walk.
    struct Value {
        XmlNode element;
        std::string attribute;  // "" for the element's text
        std::string normal;
    };
    std::vector<Value> values;
    forEachElement(doc.xml().root(), [&](XmlNode element) {
        if (const std::string_view text = elementText(element); !isNfc(text))
            values.push_back({element, {}, toNfc(text)});
        for (const pugi::xml_attribute attribute : element.attributes())
            if (!isNfc(attribute.value()))
                values.push_back({element, attribute.name(), toNfc(attribute.value())});
    });
    if (values.empty())
        return 0;
    {
        CPelmoraDoc::ChangeGroup group(doc, step::kNormalise);
        for (const Value& value : values) {
            if (value.attribute.empty())
                doc.setTokenText(value.element, value.normal);  // any element; a token's text moves the layout
            else
                doc.setNodeAttribute(value.element, value.attribute.c_str(), value.normal);
        }
    }
    doc.updateAllViews();
    return values.size();
}

std::string normalisationMessage(std::size_t changed)
{
    if (changed == 0)
        return translatedText(QT_TRANSLATE_NOOP("core", "Kõik teksti väärtused on juba NFC-kujul, midagi ei muudetud."));
    return formatMessage(
        QT_TRANSLATE_NOOP("core", "NFC-kujule viidi %s väärtust. Muudatuse saab tagasi võtta (Ctrl+Z)."),
        std::to_string(changed));
}

}  // namespace pelmora
