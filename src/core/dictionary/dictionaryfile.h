// The dictionary file on disk: reading it with the stamp of exactly the version read, writing it
// through the safe replacement, and telling by stamp and content digest whether another process
// has rewritten it since this one last read or wrote it. It knows bytes and versions, not entries.
#pragma once

#include "dictionary/dictionarylock.h"
#include "xml/xmldocument.h"

#include <string>
#include <string_view>

namespace pelmora {

// Writes the template to a new file. False when a file already exists at the path or the new
// one cannot be written (nothing is left behind then).
bool createDictionaryFile(const std::string& path);

// Whether the file is a dictionary: its root is "pelmora" with the type "sonastik" (a corpus text
// has the same root without the type). Reads the file; false when it cannot be read or parsed.
bool isDictionaryFile(const std::string& path);

class DictionaryFile {
public:
    void setPath(const std::string& path) { m_path = path; }
    const std::string& path() const { return m_path; }

    enum class LoadOutcome { Loaded, Missing, Unreadable, NotXml };
    // Reads and parses the file into the document; when loaded, the version read is the one known.
    LoadOutcome load(XmlDocument& xml);
    // Creates the file from the template unless one exists already (then it is left alone, and
    // true). False when it cannot be created.
    bool createFromTemplate();
    // Writes the document through the safe replacement; the version written is the one known.
    bool save(const XmlDocument& xml, std::string* error);
    // True when the file on disk is, byte for byte, the version last loaded or saved. An equal
    // stamp does not prove that nobody rewrote the file since (an inode freed and taken again
    // within one clock tick, a rewrite in place with its time set back), equal bytes do.
    bool isUnchanged() const;
    // No version is known: the next isUnchanged() is false.
    void forget();

private:
    std::string m_path;
    // The version of the file last loaded or saved: its stamp and the digest of its bytes.
    FileStamp m_stamp;
    ContentDigest m_digest;
};

}  // namespace pelmora
