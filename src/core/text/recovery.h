// Crash recovery: while a text is modified the window writes its tree into the user's own data
// folder, never over the text. Each text has one recovery there: the content ("<name>-<key>.xml")
// and beside it a small record ("<name>-<key>.kirje") naming the text's full path and the time
// of writing, one "key=value" per line:
//     tekst=/home/kasutaja/tekstid/kuolka.xml
//     aeg=1765251000
// The key is a hash of the text's full path, so texts of the same name in different folders keep
// apart; the record's own path decides whose recovery it is.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

struct RecoveryFiles {
    std::string content;  // the recovered tree
    std::string record;   // the record beside it
};

// Where the recovery of the text at `textPath` lives inside `folder`.
RecoveryFiles recoveryFiles(const std::string& folder, const std::string& textPath);

// The record's bytes, and reading them back; false for anything malformed.
std::string formatRecoveryRecord(const std::string& textPath, std::int64_t time);
bool parseRecoveryRecord(std::string_view bytes, std::string& textPath, std::int64_t& time);

// Writes the content, then the record, each through the safe replacement, making the folder when
// needed. The text itself is never touched. False with the reason in `error` on failure; a
// recovery written before stays whole then.
bool writeRecovery(const std::string& folder, const std::string& textPath, std::string_view content,
                   std::int64_t time, std::string* error = nullptr);

enum class RecoveryState {
    None,        // no recovery for the text
    Older,       // a recovery older than the text on disk: the text was saved after it
    Newer,       // a recovery not older than the text (or the text is gone): offer it; one written
                 // in the same second as a save may hold later work, so it is offered too
    Unreadable,  // a record or content that cannot be read or names another text
};

struct RecoveryFound {
    RecoveryState state = RecoveryState::None;
    std::int64_t time = 0;  // when it was written (Older and Newer)
    std::string content;    // the recovered bytes (Newer)
};

// Looks for the recovery of the text; `textTime` is the text's modification time in seconds
// (ignored when the text does not exist).
RecoveryFound findRecovery(const std::string& folder, const std::string& textPath, std::int64_t textTime,
                           bool textExists);

// Removes the text's recovery (both files); true when none is left.
bool removeRecovery(const std::string& folder, const std::string& textPath);

// Renames an unreadable recovery aside ("<name>-<key>.vigane-<n>.xml" and ".kirje") so that it is
// kept and no longer offered. Returns the content's new path ("" when nothing could be moved).
std::string setRecoveryAside(const std::string& folder, const std::string& textPath);

// The time as the question shows it: "2026-12-09 05:20:00" in local time.
std::string recoveryTimeText(std::int64_t time);

class CPelmoraDoc;
class Prompter;

// Keeps the recovery of the open text in one folder, for the window's timer and its file
// commands. Messages and the restore question go through the prompter.
class RecoveryKeeper {
public:
    RecoveryKeeper(std::string folder, Prompter& prompter);
    const std::string& folder() const { return m_folder; }

    // Writes the document's tree as the recovery of `textPath` when the document is modified, no
    // command is half-way and the tree or the path changed since the last write. The first failure
    // says "Taastekoopiat ei saanud kirjutada: ..." once; the next success re-arms it. True when
    // written now.
    bool write(const CPelmoraDoc& doc, const std::string& textPath, std::int64_t now);

    // The text was saved, closed unchanged or its changes were dropped: its recovery goes.
    void discard(const std::string& textPath);

    enum class Offer {
        None,      // nothing to offer (an older recovery was removed)
        Restored,  // the recovery is open as the modified text
        Declined,  // No: the recovery was removed
        SetAside,  // unreadable: kept aside and reported
    };
    // After an attempt to open the text at `textPath` (`opened` tells whether it opened): asks
    // whether to restore a newer recovery. Yes opens it in `doc` under the text's path, modified;
    // the file is untouched. No removes it, unless the text itself did not open (then the recovery
    // may be the only copy and stays). A recovery that cannot be read or opened is kept aside and
    // its new place reported; when the text had opened it stays open.
    Offer offer(CPelmoraDoc& doc, const std::string& textPath, bool opened);

private:
    std::string m_folder;
    Prompter& m_prompter;
    std::string m_lastPath;
    std::uint64_t m_lastSerial = 0;
    bool m_written = false;
    bool m_failureShown = false;
};

}  // namespace pelmora
