#include "common/files.h"
#include "common/prompter.h"
#include "exchange/convert.h"
#include "exchangesupport.h"
#include "testsupport.h"
#include "text/pelmoradoc.h"

#include <gtest/gtest.h>

namespace pelmora::exchange {
namespace {

const std::string kConllu = "# sent_id = 1\n1\tMinā\tminā\tPRON\t_\t_\t_\t_\t_\t_\n2\tum\tvõlda\tVERB\t_\t_\t_\t_\t_\t_\n\n";

// The open text of the window exported to a file: written whole, read back by the import, and the
// report of what the format could not hold told after it; a file that cannot be written is told.
TEST(OpenedText, IsExportedToAFileTheImportReadsBack)
{
    test::TempDir dir;
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(test::generatedCorpusText(3, 7, true), "tekst.xml"));
    const std::string path = dir.file("tekst.conllu");
    ASSERT_TRUE(exportCorpusFile(doc.xml().root(), ExchangeFormat::Conllu, path, {}, prompter));
    const ImportResult back = importExchangeFile(path, ExchangeFormat::Conllu, {});
    ASSERT_TRUE(back.ok) << back.reason;
    EXPECT_GE(back.texts[0].sentences, 2u);
    // The text has a sentence without tokens, which CoNLL-U cannot hold, and that is told.
    ASSERT_FALSE(prompter.entries().empty());
    EXPECT_NE(prompter.lastText().find("Vorming CoNLL-U ei hoia kõike; välja jäi:"), std::string::npos)
        << prompter.lastText();

    prompter.clear();
    const std::string nowhere = dir.file("puudub/tekst.eaf");
    EXPECT_FALSE(exportCorpusFile(doc.xml().root(), ExchangeFormat::Eaf, nowhere, {}, prompter));
    EXPECT_EQ(prompter.lastText(), "Viga faili " + nowhere + " salvestamisel.");
    EXPECT_FALSE(pathExists(nowhere));
}

// An imported text is saved as a new corpus text and takes the open text's place; over the file it
// was read from, or where it cannot be written, the open text stays.
TEST(OpenedText, AnImportedTextIsSavedAndOpenedOrTheOpenTextStays)
{
    test::TempDir dir;
    const std::string source = dir.file("laused.conllu");
    test::writeFile(source, kConllu);
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    const std::string before = test::generatedCorpusText(2, 3);
    ASSERT_TRUE(doc.openFromBuffer(before, "vana.xml"));
    const std::string unchanged = doc.xml().serialize();

    for (const std::string& refused : {source, dir.file("puudub/uus.xml")}) {
        ImportResult imported = importExchangeFile(source, ExchangeFormat::Conllu, {});
        ASSERT_TRUE(imported.ok) << imported.reason;
        EXPECT_FALSE(openImportedText(doc, *imported.texts[0].builder, source, refused, prompter)) << refused;
        EXPECT_FALSE(prompter.lastText().empty());
        EXPECT_EQ(doc.xml().serialize(), unchanged);
    }
    EXPECT_EQ(test::readFile(source), kConllu);

    ImportResult imported = importExchangeFile(source, ExchangeFormat::Conllu, {});
    const std::string path = dir.file("uus.xml");
    ASSERT_TRUE(openImportedText(doc, *imported.texts[0].builder, source, path, prompter));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(CPelmoraDoc::tokenText(doc.firstToken()), "Minā");
    CPelmoraDoc reopened(prompter);
    ASSERT_TRUE(reopened.openDocument(path));
    EXPECT_EQ(reopened.xml().serialize(), doc.xml().serialize());
}

}  // namespace
}  // namespace pelmora::exchange
