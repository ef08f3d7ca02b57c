// Reading the XML files of other programs (FlexText, EAF, LIFT): parsed with the core's checks,
// with the reason for a refusal said in the user's words and the line it was found on.
#pragma once

#include "xml/xmldocument.h"

#include <map>
#include <string>
#include <string_view>

namespace pelmora::exchange {

// Parses the bytes; the root element must be named `rootName`. False with the reason ("rida 3: ...").
bool loadExchangeXml(std::string_view bytes, XmlDocument& xml, const char* rootName, std::string& reason);
// The same for a file, read straight into the parser's buffer (a long file is held once).
bool loadExchangeXmlFile(const std::string& path, XmlDocument& xml, const char* rootName, std::string& reason);

// The glosses of an entry or word by language.
using Glosses = std::map<std::string, std::string, std::less<>>;

// The meaning a corpus text keeps: the Estonian gloss. A file that glosses in no Estonian at all
// (`withoutEstonian`) gives instead the first gloss in a language other than Latvian and English,
// else the English one, so that its meanings are not lost.
std::string meaningOfGlosses(const Glosses& glosses, bool withoutEstonian);

// Whether an element holds an "item", "gloss" or "form" in Estonian anywhere below it, or declares
// Estonian as a language of the text; read without recursion.
bool usesEstonian(XmlNode element);

// The text of an element that holds plain text or FLEx's "run" elements (joined).
std::string runText(XmlNode element);

}  // namespace pelmora::exchange
