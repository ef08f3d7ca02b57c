// Sentence ends inside a line of running text, for texts that do not give each sentence a line
// of its own: a full stop, question mark, exclamation mark or ellipsis ends a sentence, unless it
// ends an abbreviation from a short list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The abbreviations kept whole unless the user gives others: common Estonian ones ("nt.", "jne.",
// "vm.", "u.", "dr.", "prof.", ...) and Latvian ones ("piem.", "u.c.", "utt.", "t.i.", ...), as
// one blank-separated list.
std::string defaultAbbreviationList();

// The entries of a list separated by blanks or commas, each with its full stop ("nt" becomes
// "nt."), in lower case; an empty list gives none.
std::vector<std::string> parseAbbreviations(std::string_view list);

// The positions (in code points of `text`) of the blanks or tabs at which a sentence ends. A
// sentence ends after a run of . ? ! … (with closing quotes, brackets and mark-up tags "<...>" right
// after it) that a blank follows, when the next word on the line does not begin with a small
// letter. A lone full stop does not end a sentence after an abbreviation of the list (compared in
// lower case), after a single capital letter (an initial: "J. Kalnin"), or after a number unless a
// capital letter follows ("3. mail" stays whole). A line end is no position here (it ends a
// sentence anyway), and neither is a blank after which the line holds nothing more, so no
// sentence comes out empty.
std::vector<std::size_t> sentenceEnds(std::u32string_view text, const std::vector<std::string>& abbreviations);

}  // namespace pelmora
