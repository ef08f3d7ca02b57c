#include "exchange/xmlinput.h"

#include "common/translation.h"

namespace pelmora::exchange {

namespace {

// The reason for a parser's refusal, with the line it names.
std::string refusal(const XmlLoadResult& loaded)
{
    if (loaded.error == "fail on tühi")
        return translatedText(loaded.error);
    const std::string reason =
        formatText(QT_TRANSLATE_NOOP("core", "pole korrektne XML (%s)"), {translatedText(loaded.error)});
    return loaded.line > 0 ? formatText(QT_TRANSLATE_NOOP("core", "rida %s: %s"), {std::to_string(loaded.line), reason})
                           : reason;
}

bool checkRoot(const XmlDocument& xml, const char* rootName, std::string& reason)
{
    if (!isElement(xml.root(), rootName)) {
        reason = formatText(QT_TRANSLATE_NOOP("core", "juurelement on „%s“, peab olema „%s“"),
                            {xml.root().name(), rootName});
        return false;
    }
    return true;
}

}  // namespace

bool loadExchangeXml(std::string_view bytes, XmlDocument& xml, const char* rootName, std::string& reason)
{
    const XmlLoadResult loaded = xml.loadFromBuffer(bytes);
    if (!loaded) {
        reason = refusal(loaded);
        return false;
    }
    return checkRoot(xml, rootName, reason);
}

bool loadExchangeXmlFile(const std::string& path, XmlDocument& xml, const char* rootName, std::string& reason)
{
    const XmlLoadResult loaded = xml.load(path);
    if (!loaded) {
        reason = refusal(loaded);
        return false;
    }
    return checkRoot(xml, rootName, reason);
}

std::string meaningOfGlosses(const Glosses& glosses, bool withoutEstonian)
{
    if (const auto estonian = glosses.find("et"); estonian != glosses.end())
        return estonian->second;
    if (!withoutEstonian)
        return {};
    for (const auto& [language, text] : glosses)
        if (language != "lv" && language != "en")
            return text;
    const auto english = glosses.find("en");
    return english == glosses.end() ? std::string() : english->second;
}

bool usesEstonian(XmlNode element)
{
    // Document order without recursion: down to the first child, else on to the next sibling of the
    // nearest ancestor that has one.
    for (XmlNode node = element.first_child(); node && node != element;) {
        if (node.type() == pugi::node_element && attributeValue(node, "lang") == std::string_view("et"))
            return true;
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != element && !node.next_sibling())
            node = node.parent();
        if (node != element)
            node = node.next_sibling();
    }
    return false;
}

std::string runText(XmlNode element)
{
    std::string text;
    for (XmlNode child = element.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
            text += child.value();
        else if (isElement(child, "run"))
            text += elementText(child);  // a run holds text only; nothing deeper is read
    }
    return text;
}

}  // namespace pelmora::exchange
