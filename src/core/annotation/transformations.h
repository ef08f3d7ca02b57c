// Spelling transformations: ordered pairs that map an older or irregular spelling to the modern one,
// the two built-in lists, the `.vtf` file (UTF-16LE with byte-order mark, one "source!target" a line)
// and the rebuilding of the list from the settings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class Prompter;
struct Settings;

// One pair: the "Mis" source and the "Milleks" target; blanks at either end mark a word boundary
// and the target may be empty.
struct TransformationPair {
    std::string source;
    std::string target;
    bool operator==(const TransformationPair&) const = default;
};

using TransformationList = std::vector<TransformationPair>;

// The built-in irregular-spelling list ("Korrapäratu kirjaviis", 208 pairs).
const TransformationList& irregularSpellingList();

// The built-in old-spelling list ("Vana kirjaviis", 28 pairs).
const TransformationList& oldSpellingList();

// Values of the `Changes` setting.
inline constexpr int kChangesIrregular = 0;
inline constexpr int kChangesOldSpelling = 1;
inline constexpr int kChangesFile = 2;
inline constexpr int kChangesEdited = 3;

// What a line without "!" means.
enum class LineWithoutSeparator {
    RepeatSource,     // a pair with the previous line's source (loading the list from the settings)
    ReplaceTarget,    // the previous pair gets the line as its target (the editing dialog's "Loe failist")
};

// Parses the text of a transformations file (after the byte-order mark): carriage returns are
// ignored, "!" ends the source, a line feed ends the target and adds the pair; text after the
// last line feed is ignored.
TransformationList parseTransformations(std::string_view text,
                                        LineWithoutSeparator rule = LineWithoutSeparator::RepeatSource);

// The file text of a list (without byte-order mark): source "!" target "\r\n" per pair.
std::string formatTransformations(const TransformationList& list);

// True when a pair can be written to a file and read back as it is: neither side holds "!",
// a carriage return or a line feed.
bool isWritableTransformation(const TransformationPair& pair);

// Which messages a failed read shows: those of loading the list from the settings, or those of
// the editing dialog.
enum class TransformationMessages { Settings, Dialog };

// Reads a transformations file into `list` (emptied first). A file that cannot be opened gives
// "Ei saanud teisenduste faili avada" ("Ei saanud faili avada" in the dialog); a file without the
// byte-order mark, or of odd length, gives "Teisenduste fail ei ole unicode'is.\nEi saa avada."
// ("Fail ei ole unicode'is.\nEi saa avada." in the dialog); both with the title "Viga" and the
// warning icon, and the list then stays empty. Returns true when the file was read.
bool readTransformationsFile(const std::string& path, TransformationList& list, Prompter& prompter,
                             TransformationMessages messages = TransformationMessages::Settings,
                             LineWithoutSeparator rule = LineWithoutSeparator::RepeatSource);

// Writes the list as a transformations file (created or replaced whole). A pair that could not be
// read back as written (see isWritableTransformation) stops the write before anything is touched;
// that and a failed write are reported as errors. Returns true when the file was written.
bool writeTransformationsFile(const std::string& path, const TransformationList& list, Prompter& prompter);

// Rebuilds the list from the settings: `Changes` 0 and 1 put the built-in list in its place, 2
// empties it and reads the file at `ChangesPath`, any other value leaves it as it is. Returns true
// when the list was replaced (also by an emptied list after a failed read).
bool rebuildTransformations(const Settings& settings, TransformationList& list, Prompter& prompter);

// The rows of the "Teisendused" dialog with the `Changes` and `ChangesPath` values its buttons
// set; on OK the caller takes all three over.
class TransformationEditor {
public:
    TransformationEditor(TransformationList rows, int changes, std::string changesPath);

    const TransformationList& rows() const { return m_rows; }
    int changes() const { return m_changes; }
    const std::string& changesPath() const { return m_changesPath; }

    // "Lisa loendisse": adds the pair as a new row (`Changes` 3); with an empty field shows
    // "\"Mis\" ja \"Milleks\" lahtrid ei või olla tühjad" (title "Teade", warning) and adds nothing.
    bool addPair(const std::string& source, const std::string& target, Prompter& prompter);
    // Puts the pair in place of the row (`Changes` 3), with the empty-field check of addPair; an
    // index outside the rows does nothing (false).
    bool replaceRow(int index, const std::string& source, const std::string& target, Prompter& prompter);
    // Moves the row one place up (step -1) or down (+1) (`Changes` 3); returns its new index, or
    // the index unchanged when it cannot move that way.
    int moveRow(int index, int step);
    // "Kustuta valitud rida": removes the row (`Changes` 3); an index outside the rows does nothing.
    void removeRow(int index);
    // "Kustuta kõik": removes every row (`Changes` 3).
    void removeAll();
    // "Korrapäratu kirjaviis" (0) / "Vana kirjaviis" (1): the built-in list and that `Changes`;
    // other values do nothing.
    void useBuiltIn(int changes);
    // "Loe failist": empties the rows, sets `Changes` 2 and the path, and reads the file (a line
    // without "!" replaces the previous row's target); failures show the dialog's messages.
    bool loadFile(const std::string& path, Prompter& prompter);
    // "Salvesta faili": writes the rows to the file; only when that worked do `Changes` become 2
    // and the path the file's.
    bool saveFile(const std::string& path, Prompter& prompter);

private:
    TransformationList m_rows;
    int m_changes;
    std::string m_changesPath;
};

}  // namespace pelmora
