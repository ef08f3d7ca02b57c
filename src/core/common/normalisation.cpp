#include "common/normalisation.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>

#include <algorithm>

namespace pelmora {

namespace {

const icu::Normalizer2& nfc()
{
    static const icu::Normalizer2* const instance = [] {
        UErrorCode error = U_ZERO_ERROR;
        const icu::Normalizer2* n = icu::Normalizer2::getNFCInstance(error);
        return U_SUCCESS(error) ? n : nullptr;
    }();
    return *instance;
}

// Every character below U+0300 is its own NFC and never combines with what stands before it. Their
// UTF-8 bytes are all below 0xCC (0xCC 0x80 is U+0300), so such text needs no look-up at all.
bool isBelowCombiningMarks(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0xCC; });
}

icu::StringPiece piece(std::string_view text)
{
    return icu::StringPiece(text.data(), static_cast<int32_t>(text.size()));
}

}  // namespace

bool isNfc(std::string_view text)
{
    if (isBelowCombiningMarks(text))
        return true;
    UErrorCode error = U_ZERO_ERROR;
    const UBool normalised = nfc().isNormalizedUTF8(piece(text), error);
    return U_FAILURE(error) || normalised;
}

std::string toNfc(std::string_view text)
{
    std::string storage;
    const std::string_view normal = nfcView(text, storage);
    return normal.data() == storage.data() ? std::move(storage) : std::string(normal);
}

std::string_view nfcView(std::string_view text, std::string& storage)
{
    if (isNfc(text))
        return text;
    storage.clear();
    icu::StringByteSink<std::string> sink(&storage, static_cast<int32_t>(text.size()));
    UErrorCode error = U_ZERO_ERROR;
    nfc().normalizeUTF8(0, piece(text), sink, nullptr, error);
    if (U_FAILURE(error))
        return text;
    return storage;
}

bool normaliseInPlace(std::string& text)
{
    std::string storage;
    const std::string_view normal = nfcView(text, storage);
    if (normal.data() == text.data())
        return false;
    text = std::move(storage);
    return true;
}

bool standsAloneInNfc(char32_t c)
{
    if (c < 0x300)
        return true;
    const auto cp = static_cast<UChar32>(c);
    return u_getCombiningClass(cp) == 0 &&
           u_getIntPropertyValue(cp, UCHAR_NFC_QUICK_CHECK) == UNORM_YES;
}

bool sameText(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    if (isNfc(a) && isNfc(b))
        return false;
    std::string storageA;
    std::string storageB;
    return nfcView(a, storageA) == nfcView(b, storageB);
}

}  // namespace pelmora
