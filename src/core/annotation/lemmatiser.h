// Automatic lemmatisation of the open text from the dictionary, and the writing of a remembered
// annotation into the text and the dictionary.
#pragma once

#include "annotation/suggester.h"

#include <cstddef>
#include <functional>
#include <string>

namespace pelmora {

class CDictionary;

struct LemmatisationResult {
    std::size_t visited = 0;      // tokens in Estonian without a lemma
    std::size_t lemmatised = 0;   // of those, tokens that got a lemma
    bool cancelled = false;       // the progress callback stopped the run; the text is as before
};

// Told (tokens walked, tokens in the text) now and then; returning false stops the run.
using LemmatisationProgress = std::function<bool(std::size_t done, std::size_t total)>;

// The warning shown before the lemmatisation dialog (caption "Tekstide ühendamine"), ending with
// the contact address.
std::string lemmatisationWarning();

// Fills lemma and form, then meaning and part of speech, of every token whose language ("keel")
// is "eesti" and whose lemma is empty, from the dictionary's exact word-form lookup. With
// `skipAmbiguous`, a word form or a lemma with more than one analysis writes nothing. Tokens
// with a lemma, in another language or unknown to the dictionary are left as they are. The run
// is one undo step; a run stopped by `progress` takes back what it wrote and leaves no step.
LemmatisationResult lemmatiseText(CPelmoraDoc& doc, const CDictionary& dictionary, bool skipAmbiguous,
                                  const LemmatisationProgress& progress = {});

// Writes the form's fields into the current token as "remember" does: with no reason chosen
// the annotation, the reason and the style; with a reason only the reason (the annotation
// attributes are emptied); the comment in both cases. With `toDictionary` and no reason the word
// form and the lemma are then stored in the dictionary ("-" made empty); a token with a reason
// stores nothing there. A mark of an automatic change ("auto"="+") is removed: the user has
// confirmed the token. Nothing without a current token.
void rememberToken(CPelmoraDoc& doc, const SuggestionFields& fields, CDictionary* dictionary, bool toDictionary);

// True when the fields give the current token a reason not to tag it and remembering them would
// write nothing the token does not hold already: the form then moves on without counting it as
// remembered.
bool rememberLeavesNotTaggedTokenAsItIs(const CPelmoraDoc& doc, const SuggestionFields& fields);

}  // namespace pelmora
