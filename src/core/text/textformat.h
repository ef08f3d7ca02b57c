// The vocabulary of a corpus text file (element and attribute names) and the new-file templates.
#pragma once

#include <string_view>

namespace pelmora::text {

// Elements.
inline constexpr const char* kRoot = "pelmora";
inline constexpr const char* kInfo = "info";
inline constexpr const char* kBody = "sisu";
inline constexpr const char* kSentence = "lause";
inline constexpr const char* kToken = "sone";
inline constexpr const char* kCombination = "yhend";

// Attributes shared by several elements.
inline constexpr const char* kId = "id";

// Token attributes.
inline constexpr const char* kPage = "lk";
inline constexpr const char* kLanguage = "keel";
inline constexpr const char* kLemma = "lemma";
inline constexpr const char* kMeaning = "tahendus";
inline constexpr const char* kPartOfSpeech = "liik";
inline constexpr const char* kForm = "vorm";
inline constexpr const char* kStyle = "stiil";
inline constexpr const char* kMeta = "meta";
inline constexpr const char* kLatvian = "lati";
inline constexpr const char* kEnglish = "ingl";
inline constexpr const char* kComment = "kommentaar";
inline constexpr const char* kCombinationMark = "yhend";
inline constexpr const char* kAuto = "auto";

// Sentence attributes.
inline constexpr const char* kSpeaker = "koneleja";
inline constexpr const char* kAudioPosition = "helipos";
inline constexpr const char* kEstonianTranslation = "eelause";
inline constexpr const char* kLatvianTranslation = "ltlause";
inline constexpr const char* kEnglishTranslation = "inglause";

// Combination attributes.
inline constexpr const char* kCombinationLemma = "ylemma";
inline constexpr const char* kCombinationMeaning = "ytahendus";
inline constexpr const char* kCombinationPartOfSpeech = "yliik";

// The text of the single token of a freshly created file.
inline constexpr std::string_view kPlaceholderToken = "__UUS_FAIL__";

// A new text with one sentence "l1" holding the placeholder token (plain-text import).
std::string_view newTextTemplate();

// A new text with an empty body (dialect-corpus import); opens only through the body-only open.
std::string_view emptyBodyTemplate();

}  // namespace pelmora::text
