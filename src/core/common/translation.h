// The core's texts that the window shows in the interface's language.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text of the core that the window shows translated: Qt's lupdate finds the texts by this
// name (in the context "core"), and the window looks them up when the core hands them over. The
// text itself stays as written; with Qt's own definition present, this is the same.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace pelmora {

// Gives a marked text of a context in the interface's language, or the text itself where it has no
// translation. The core's own texts are in the context "core"; the stored words of the vocabularies
// (reasons, styles) that the window names in its language are in "Vocabulary".
using TextTranslator = std::function<std::string(const char* context, const std::string& text)>;

// Set once at start, before any work runs on other threads. Without one (the batch tool, the
// tests) the core's texts stay as written.
void setTextTranslator(TextTranslator translator);

// The text in the interface's language.
std::string translatedText(std::string_view text, const char* context = "core");

// The pattern in the interface's language, each "%s" replaced by the next argument in turn (the
// values themselves are never translated). A "%s" without an argument stays. formatMessage
// (strings.h) translates its pattern in the same way.
std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> arguments);

}  // namespace pelmora
