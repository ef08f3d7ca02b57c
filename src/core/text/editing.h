// The linguist's structural edits of the open text, on the document's current token (nothing
// happens without one): the token's text, adding and deleting tokens, merging and splitting
// sentences, the clipboard texts and the audio position of a sentence. Each edit that changes the
// text ends with a layout bump, a redraw and the modified flag, and is one undo step.
#pragma once

#include "text/pelmoradoc.h"

#include <string>
#include <string_view>

namespace pelmora {

// Sets the current token's text to the entered text trimmed of blanks. Blank input is refused
// with "Sõnet ei saa kustutada"; the same text changes nothing. True when the text changed.
bool modifyToken(CPelmoraDoc& doc, std::string_view entered);
// Adds a token with the entered text (trimmed) after the current token and renumbers the rest of
// the sentence and its combinations. Blank input: "Tühja sõnet ei saa lisaada".
bool addToken(CPelmoraDoc& doc, std::string_view entered);
// Asks, then deletes the current token, renumbers the sentence and its combinations. The first
// token of the sentence becomes current. A sentence left without tokens is removed and the body
// renumbered; the text's only token cannot be deleted.
bool deleteToken(CPelmoraDoc& doc);
// Appends the tokens of the sentence with the entered identifier to the current sentence, removes
// that sentence and renumbers the body. "Ei leia soovitud lauset." for an unknown identifier; the
// current sentence itself is refused.
bool mergeSentences(CPelmoraDoc& doc, std::string_view otherSentenceId);
// Moves the tokens after the current one into a new sentence right after the current one and
// renumbers the body. Nothing at the last token of a sentence.
bool splitSentence(CPelmoraDoc& doc);

// The current token's text, for the clipboard ("" without a current token).
std::string copyTokenText(const CPelmoraDoc& doc);
// "<page: sentence id> " and the sentence's tokens each followed by a blank, the current one
// between asterisks ("" without a current token).
std::string copySentenceWithReference(const CPelmoraDoc& doc);
// The identifier of the current token's sentence ("" without one), for the merge dialog.
std::string currentSentenceId(const CPelmoraDoc& doc);
// The identifier the merge dialog proposes: the next sentence number ("l<n+1>").
std::string proposedMergeSentenceId(const CPelmoraDoc& doc);

// The minutes and seconds the audio-position dialog starts with; -1 and -1 when not linked.
struct AudioPositionFields {
    int minutes = -1;
    int seconds = -1;
};

// The dialog's start values for the current token's sentence: "helipos" split into minutes and
// seconds, or -1 and -1 when it is absent or there is no current token.
AudioPositionFields audioPositionFields(const CPelmoraDoc& doc);
// Stores the position the dialog returned for the current token's sentence: minutes below 0
// remove it; otherwise minutes × 60 + seconds is written when it differs. Without an audio file
// named in the text's information, "Helifaili pole määratud." and the position is removed. A
// negative or too large time is refused. True when the text changed.
bool setAudioPosition(CPelmoraDoc& doc, int minutes, int seconds);

}  // namespace pelmora
