#include "io/plaintextinput.h"

#include "common/strings.h"
#include "common/translation.h"

#include <unicode/ucnv.h>
#include <unicode/utf16.h>

#include <memory>
#include <vector>

namespace pelmora {

namespace {

constexpr const char* kNotUnicode = QT_TRANSLATE_NOOP("core", "Fail ei ole unicode'is.\nEi saa avada.");
// The explanations are one line each: the message box wraps them to its width.
constexpr const char* kUnknownEncoding =
    QT_TRANSLATE_NOOP("core",
        "Fail ei ole unicode'is.\n"
        "Salvesta fail UTF-8 või UTF-16 (Unicode) kodeeringus (nt Notepadis \"Salvesta nimega\", kodeering UTF-8).\n"
        "Ei saa avada.");
constexpr const char* kNoTag =
    QT_TRANSLATE_NOOP("core",
        "Fail ei alga märgendiga.\n"
        "Imporditav tekst algab märgendiga nurksulgudes: päisega <info>...</info> (küla <kla>, pealkiri <plk>, "
        "keelejuht <kj>), suulises tekstis kõneleja märgendiga <u who=ID>, kirjalikus tekstis lehekülje märgendiga "
        "<lk=NUMBER>. Iga rida on üks lause (või jaga laused lõpumärkide järgi).\n"
        "\n"
        "Näide:\n"
        "<info><kla>Kuolka</kla><kj>Marta</kj></info>\n"
        "<u who=i1>Mis sinā tīed?</u>\n"
        "<u who=k1>Minā um kalāmīez.</u>\n"
        "\n"
        "Ei saa avada.");

enum class Encoding { Utf16Le, Utf16Be, Utf8, Unknown };

// The encoding and the length of the byte-order mark.
Encoding detect(std::string_view bytes, std::size_t& markLength)
{
    markLength = 0;
    if (bytes.starts_with("\xFF\xFE")) {
        markLength = 2;
        return Encoding::Utf16Le;
    }
    if (bytes.starts_with("\xFE\xFF")) {
        markLength = 2;
        return Encoding::Utf16Be;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        markLength = 3;
        return Encoding::Utf8;
    }
    std::size_t oddZeros = 0;
    std::size_t evenZeros = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\0')
            ++(i % 2 == 0 ? evenZeros : oddZeros);
    if (oddZeros + evenZeros > 0)
        return oddZeros >= evenZeros ? Encoding::Utf16Le : Encoding::Utf16Be;
    return isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Unknown;
}

// The bytes converted by ICU into code points; what does not convert becomes U+FFFD.
std::u32string convert(std::string_view bytes, const char* encoding)
{
    std::u32string out;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UConverter, decltype(&ucnv_close)> converter(ucnv_open(encoding, &status), &ucnv_close);
    if (U_FAILURE(status))
        return out;
    std::vector<UChar> units(bytes.size() + 1);
    const int32_t length = ucnv_toUChars(converter.get(), units.data(), static_cast<int32_t>(units.size()), bytes.data(),
                                         static_cast<int32_t>(bytes.size()), &status);
    if (U_FAILURE(status))
        return out;
    out.reserve(static_cast<std::size_t>(length));
    for (int32_t i = 0; i < length;) {
        UChar32 c = 0;
        U16_NEXT(units.data(), i, length, c);
        out.push_back(U_IS_SURROGATE(c) ? U'\uFFFD' : static_cast<char32_t>(c));
    }
    return out;
}

}  // namespace

PlainTextInput readPlainTextInput(std::string_view bytes)
{
    PlainTextInput input;
    std::size_t markLength = 0;
    const Encoding encoding = detect(bytes, markLength);
    if (bytes.empty() || ((encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be) && bytes.size() % 2 != 0)) {
        input.refusal = kNotUnicode;
        return input;
    }
    if (encoding == Encoding::Unknown) {
        input.refusal = translatedText(kUnknownEncoding);
        return input;
    }
    const char* name = encoding == Encoding::Utf16Le ? "UTF-16LE" : encoding == Encoding::Utf16Be ? "UTF-16BE" : "UTF-8";
    input.text = convert(bytes.substr(markLength), name);
    const std::size_t first = input.text.find_first_not_of(U" \t\r\n");
    input.text.erase(0, first == std::u32string::npos ? input.text.size() : first);
    if (input.text.empty() || input.text.front() != U'<') {
        input.text.clear();
        input.refusal = translatedText(kNoTag);
    }
    return input;
}

}  // namespace pelmora
