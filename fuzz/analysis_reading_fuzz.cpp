// Fuzzes the reading of a finite-state analyser's analysis strings: each line of the input is one
// analysis of one word.
#include "annotation/analysisreading.h"
#include "annotation/formtag.h"
#include "annotation/vocabularies.h"
#include "common/strings.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace pelmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> analyses = split(input, '\n');
    std::vector<std::string> unknown;
    for (const AnalysisReading& reading : readAnalyses(analyses, &unknown)) {
        // A reading has a lemma, a known part of speech or none, and a form tag in canonical order.
        if (reading.lemma.empty() || (!reading.partOfSpeech.empty() && partOfSpeechIndex(reading.partOfSpeech) <= 0) ||
            canonicalFormTag(reading.form) != reading.form)
            __builtin_trap();
    }
    for (const std::string& tag : unknown)
        if (tag.empty() || tag.find('+') != std::string::npos)
            __builtin_trap();
    return 0;
}
