#include "common/translation.h"

#include <utility>

namespace pelmora {

namespace {

TextTranslator& translator()
{
    static TextTranslator instance;
    return instance;
}

}  // namespace

void setTextTranslator(TextTranslator translator_)
{
    translator() = std::move(translator_);
}

std::string translatedText(std::string_view text, const char* context)
{
    const TextTranslator& translate = translator();
    return translate && !text.empty() ? translate(context, std::string(text)) : std::string(text);
}

std::string formatText(std::string_view pattern, std::initializer_list<std::string_view> arguments)
{
    const std::string translated = translatedText(pattern);
    std::string out;
    out.reserve(translated.size());
    std::size_t from = 0;
    for (const std::string_view argument : arguments) {
        const std::size_t at = translated.find("%s", from);
        if (at == std::string::npos)
            break;
        out.append(translated, from, at - from);
        out += argument;
        from = at + 2;
    }
    out.append(translated, from);
    return out;
}

}  // namespace pelmora
