// What every exchange reader's fuzz target checks of the texts an input gave: each opens as a corpus
// text, and each exports to every format and reads back from it.
#pragma once

#include "common/prompter.h"
#include "exchange/convert.h"
#include "text/pelmoradoc.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pelmora::fuzz {

inline void checkImport(std::string_view bytes, exchange::ExchangeFormat format)
{
    using namespace exchange;
    ImportOptions options;
    options.fallbackId = "fuzz";
    const ImportResult result = importExchangeBytes(bytes, format, options);
    if (!result.ok) {
        if (result.reason.empty())
            __builtin_trap();  // a refusal always says why
        return;
    }
    for (const ImportedText& text : result.texts) {
        SilentPrompter prompter;
        CPelmoraDoc document(prompter);
        if (!document.openFromBuffer(text.builder->document().serialize(), "fuzz.xml"))
            __builtin_trap();  // an import must never build a text that does not open
        for (const ExchangeFormat target : {ExchangeFormat::Conllu, ExchangeFormat::FlexText, ExchangeFormat::Eaf}) {
            ExchangeReport report;
            const std::string exported = exportCorpusText(document.xml().root(), target, {"", "2024-01-01T00:00:00Z"}, report);
            if (!importExchangeBytes(exported, target, {}).ok)
                __builtin_trap();  // what we write we must read
        }
    }
}

}  // namespace pelmora::fuzz
