#include "common/normalisation.h"

#include "common/strings.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <bitset>
#include <mutex>

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
// UTF-8 bytes are all below 0xCC (0xCC 0x80 is U+0300; continuation bytes are below it too), so
// such text needs no look-up at all; the characters above that stand alone (ḑ, ‿) need one each.
bool standsAloneThroughout(std::string_view text)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (true) {
        // The tight loop over the common bytes; a character from U+0300 up is looked at alone.
        while (i < size && bytes[i] < 0xCC)
            ++i;
        if (i == size)
            return true;
        if (!standsAloneInNfc(decodeUtf8(text, i)))
            return false;
    }
}

icu::StringPiece piece(std::string_view text)
{
    return icu::StringPiece(text.data(), static_cast<int32_t>(text.size()));
}

}  // namespace

bool isNfc(std::string_view text)
{
    if (standsAloneThroughout(text))
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

namespace {

bool standsAloneByProperties(UChar32 c)
{
    return u_getCombiningClass(c) == 0 && u_getIntPropertyValue(c, UCHAR_NFC_QUICK_CHECK) == UNORM_YES;
}

}  // namespace

bool standsAloneInNfc(char32_t c)
{
    if (c < 0x300)
        return true;
    // Scans ask this of every character of a text (ḑ and ‿ are common): the answers for the basic
    // plane are looked up once per block of 256 characters, when a character of the block is first
    // met (any thread may be the first).
    if (c >= 0x10000)
        return standsAloneByProperties(static_cast<UChar32>(c));
    constexpr std::size_t kBlocks = 0x100;
    static std::array<std::once_flag, kBlocks> filled;
    static std::array<std::bitset<0x100>, kBlocks> answers;
    const std::size_t block = c >> 8;
    std::call_once(filled[block], [block] {
        for (std::size_t i = 0; i < 0x100; ++i)
            answers[block][i] = standsAloneByProperties(static_cast<UChar32>((block << 8) | i));
    });
    return answers[block][c & 0xFF];
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
