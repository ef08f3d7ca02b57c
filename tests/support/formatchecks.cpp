// The checks of the exchange formats' own rules: libxml2 for the schemas, and what libxml2 leaves
// out (EAF's identifier references, CoNLL-U's validator rules).
#include "exchangesupport.h"

#include "common/normalisation.h"
#include "common/strings.h"
#include "exchange/conllu.h"

#include <libxml/parser.h>
#include <libxml/relaxng.h>
#include <libxml/xmlschemas.h>

#include <algorithm>
#include <cstdlib>
#include <array>
#include <filesystem>
#include <map>
#include <set>
#include <unordered_map>
#include <vector>

namespace pelmora::test {

namespace {

void collect(void* context, const xmlError* error)
{
    auto* out = static_cast<std::string*>(context);
    *out += "line " + std::to_string(error->line) + ": " + (error->message ? error->message : "?");
}

void collectStructured(void* context, xmlErrorPtr error) { collect(context, error); }

xmlDocPtr parse(std::string_view xml, std::string& errors)
{
    xmlDocPtr doc = xmlReadMemory(xml.data(), static_cast<int>(xml.size()), "export.xml", nullptr, XML_PARSE_NONET);
    if (doc == nullptr)
        errors = "not well-formed XML";
    return doc;
}

bool isNcName(std::string_view id)
{
    if (id.empty() || !(std::isalpha(static_cast<unsigned char>(id[0])) || id[0] == '_' || static_cast<unsigned char>(id[0]) >= 0x80))
        return false;
    return std::all_of(id.begin(), id.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return std::isalnum(b) || c == '_' || c == '-' || c == '.' || b >= 0x80;
    });
}

}  // namespace

std::string xsdErrors(std::string_view xml, const std::string& schemaPath)
{
    std::string errors;
    xmlSchemaParserCtxtPtr parser = xmlSchemaNewParserCtxt(schemaPath.c_str());
    xmlSchemaPtr schema = xmlSchemaParse(parser);
    xmlSchemaFreeParserCtxt(parser);
    if (schema == nullptr)
        return "schema " + schemaPath + " not readable";
    if (xmlDocPtr doc = parse(xml, errors)) {
        xmlSchemaValidCtxtPtr validation = xmlSchemaNewValidCtxt(schema);
        xmlSchemaSetValidStructuredErrors(validation, collectStructured, &errors);
        if (xmlSchemaValidateDoc(validation, doc) != 0 && errors.empty())
            errors = "invalid";
        xmlSchemaFreeValidCtxt(validation);
        xmlFreeDoc(doc);
    }
    xmlSchemaFree(schema);
    return errors;
}

std::string relaxNgErrors(std::string_view xml, const std::string& schemaPath)
{
    std::string errors;
    xmlRelaxNGParserCtxtPtr parser = xmlRelaxNGNewParserCtxt(schemaPath.c_str());
    xmlRelaxNGPtr schema = xmlRelaxNGParse(parser);
    xmlRelaxNGFreeParserCtxt(parser);
    if (schema == nullptr)
        return "schema " + schemaPath + " not readable";
    if (xmlDocPtr doc = parse(xml, errors)) {
        xmlRelaxNGValidCtxtPtr validation = xmlRelaxNGNewValidCtxt(schema);
        xmlRelaxNGSetValidStructuredErrors(validation, collectStructured, &errors);
        if (xmlRelaxNGValidateDoc(validation, doc) != 0 && errors.empty())
            errors = "invalid";
        xmlRelaxNGFreeValidCtxt(validation);
        xmlFreeDoc(doc);
    }
    xmlRelaxNGFree(schema);
    return errors;
}

std::string eafReferenceErrors(std::string_view xml)
{
    XmlDocument doc;
    if (!doc.loadFromBuffer(xml))
        return "not well-formed XML";
    const XmlNode root = doc.root();
    // Every xsd:ID of the schema, in one name space.
    static const std::map<std::string, std::string, std::less<>> kIdAttributes{
        {"TIME_SLOT", "TIME_SLOT_ID"}, {"ALIGNABLE_ANNOTATION", "ANNOTATION_ID"}, {"REF_ANNOTATION", "ANNOTATION_ID"},
        {"CONSTRAINT", "STEREOTYPE"},  {"LANGUAGE", "LANG_ID"},                  {"LOCALE", "LANGUAGE_CODE"},
        {"EXTERNAL_REF", "EXT_REF_ID"}, {"LEXICON_REF", "LEX_REF_ID"}};
    static const std::array<const char*, 8> kReferences{"TIME_SLOT_REF1", "TIME_SLOT_REF2", "ANNOTATION_REF", "PREVIOUS_ANNOTATION",
                                                        "CONSTRAINTS",    "LANG_REF",       "DEFAULT_LOCALE", "EXT_REF"};
    std::set<std::string> ids;
    std::vector<std::pair<std::string, std::string>> references;  // (attribute, value)
    std::unordered_map<std::string, std::string> tierOfAnnotation, parentOfAnnotation;
    std::vector<XmlNode> stack{root};
    while (!stack.empty()) {
        const XmlNode node = stack.back();
        stack.pop_back();
        for (XmlNode child = firstChildElement(node); child; child = child.next_sibling())
            if (child.type() == pugi::node_element)
                stack.push_back(child);
        if (const auto id = kIdAttributes.find(node.name()); id != kIdAttributes.end() && node.attribute(id->second.c_str())) {
            const std::string value(attributeValue(node, id->second.c_str()));
            if (!isNcName(value) || !ids.insert(value).second)
                return std::string("xsd:ID not an NCName or repeated: ") + value;
        }
        for (const char* name : kReferences)
            if (node.attribute(name))
                references.emplace_back(name, attributeValue(node, name));
    }
    for (const auto& [name, value] : references)
        if (!ids.count(value))
            return name + " refers to nothing: " + value;

    std::map<std::string, std::string> parentTier;
    std::set<std::string> types;
    for (XmlNode type = firstChildElement(root, "LINGUISTIC_TYPE"); type; type = nextSiblingElement(type, "LINGUISTIC_TYPE"))
        types.emplace(attributeValue(type, "LINGUISTIC_TYPE_ID"));
    for (XmlNode tier = firstChildElement(root, "TIER"); tier; tier = nextSiblingElement(tier, "TIER")) {
        const std::string id(attributeValue(tier, "TIER_ID"));
        if (!parentTier.emplace(id, attributeValue(tier, "PARENT_REF")).second)
            return "TIER_ID repeated: " + id;
        if (!types.count(std::string(attributeValue(tier, "LINGUISTIC_TYPE_REF"))))
            return "LINGUISTIC_TYPE_REF refers to nothing on tier " + id;
        for (XmlNode a = firstChildElement(tier, "ANNOTATION"); a; a = nextSiblingElement(a, "ANNOTATION")) {
            const XmlNode inner = firstChildElement(a);
            tierOfAnnotation[std::string(attributeValue(inner, "ANNOTATION_ID"))] = id;
            parentOfAnnotation[std::string(attributeValue(inner, "ANNOTATION_ID"))] = attributeValue(inner, "ANNOTATION_REF");
        }
    }
    for (const auto& [tier, parent] : parentTier)
        if (!parent.empty() && !parentTier.count(parent))
            return "PARENT_REF refers to nothing on tier " + tier;
    for (XmlNode tier = firstChildElement(root, "TIER"); tier; tier = nextSiblingElement(tier, "TIER")) {
        const std::string tierId(attributeValue(tier, "TIER_ID"));
        for (XmlNode a = firstChildElement(tier, "ANNOTATION"); a; a = nextSiblingElement(a, "ANNOTATION")) {
            const XmlNode inner = firstChildElement(a);
            const std::string reference(attributeValue(inner, "ANNOTATION_REF"));
            const std::string previous(attributeValue(inner, "PREVIOUS_ANNOTATION"));
            if (!reference.empty() && tierOfAnnotation[reference] != parentTier[tierId])
                return "annotation " + std::string(attributeValue(inner, "ANNOTATION_ID")) + " hangs outside its parent tier";
            if (!previous.empty() && (tierOfAnnotation[previous] != tierId || parentOfAnnotation[previous] != reference))
                return "annotation " + std::string(attributeValue(inner, "ANNOTATION_ID")) + " follows one of another parent";
        }
    }
    return {};
}

std::string interopData(const std::string& name) { return std::string(PELMORA_TEST_DATA) + "/interop/" + name; }

std::string sharedInteropSample(const std::string& name)
{
    // PELMORA_INTEROP_SAMPLES names the folder where the workspace keeps it elsewhere.
    const char* folder = std::getenv("PELMORA_INTEROP_SAMPLES");
    const std::string path = (folder != nullptr ? std::string(folder) : std::string(PELMORA_SHARED_DATA) + "/../interop/samples") +
                             "/" + name;
    return std::filesystem::exists(path) ? path : std::string();
}

}  // namespace pelmora::test
