// Helpers of the exchange tests: a generated corpus text with every value the formats carry, the
// comparison of two texts in those values, and the checks of the formats' own rules (the schemas
// through libxml2, EAF's identifier references, CoNLL-U's validator rules without syntax).
#pragma once

#include "xml/xmldocument.h"

#include <string>
#include <string_view>

namespace pelmora::test {

// A corpus text of `sentences` sentences with metadata and speakers, positions, translations, every
// token attribute, combinations of two and three words, and values that test escaping (blanks at
// the ends, tabs, line breaks, "|", "\", "<", "&", quotes, a decomposed letter). With
// `emptySentence`, the second sentence has no tokens.
std::string generatedCorpusText(int sentences, unsigned seed, bool emptySentence = false);

// The first difference between two corpus texts in what the exchange formats carry (text id,
// metadata, sentence ids and values, token texts and attributes, combinations), values compared in
// NFC; "" when there is none. With `skipEmptySentences`, sentences without tokens are passed over.
std::string exchangeDifference(XmlNode a, XmlNode b, bool skipEmptySentences = false);

// libxml2's complaints about the document under an XML Schema or a RELAX NG schema; "" when valid.
std::string xsdErrors(std::string_view xml, const std::string& schemaPath);
std::string relaxNgErrors(std::string_view xml, const std::string& schemaPath);

// The identifier rules of EAF that libxml2 does not check: every xsd:ID unique and an NCName,
// every reference resolving (time slots, annotations, previous annotations, constraints, parent
// tiers, linguistic types), a reference annotation hanging on an annotation of its parent tier and
// a previous annotation standing on the same tier under the same parent. "" when all hold.
std::string eafReferenceErrors(std::string_view xml);

// CoNLL-U's level-1 rules and the level-2 rules that need no syntax, as UD's validator states
// them; "" when all hold, else the first broken rule with its line.
std::string conlluErrors(std::string_view text);

// A file of tests/data/interop.
std::string interopData(const std::string& name);
// A sample of the shared interop folder ("eaf/x.eaf"); "" when it is not there (a fresh machine).
std::string sharedInteropSample(const std::string& name);

}  // namespace pelmora::test
