#include "annotation/lemmatiser.h"
#include "annotation/sentencetranslation.h"
#include "annotation/vocabularies.h"
#include "dictionary/dictionary.h"
#include "search/textsearch.h"
#include "testsupport.h"
#include "text/metadata.h"
#include "text/pelmoradoc.h"
#include "text/editing.h"

#include <functional>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

const char* const kText =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><pelmora><info><tyyp>suuline</tyyp>"
    "<lindistus fail=\"lugu.mp3\"/></info><sisu id=\"t\">"
    "<lause id=\"l1\"><sone id=\"l1_s1\" keel=\"eesti\">kala</sone><sone id=\"l1_s2\" lemma=\"x\" auto=\"+\">b</sone></lause>"
    "<lause id=\"l2\"><sone id=\"l2_s1\">c</sone></lause>"
    "</sisu></pelmora>";

const char* const kDictionary =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
    "<pelmora tyyp=\"sonastik\"><soned><sone id=\"__\" lemma=\"__\"/>"
    "<sone id=\"kala\" lemma=\"kala\" vorm=\"sg.nom.\" kaal=\"1\"/></soned>"
    "<lemmad><lemma id=\"__\" tahendus=\"__\"/><lemma id=\"kala\" tahendus=\"kala\" liik=\"S\" kaal=\"1\"/></lemmad>"
    "<yhendid><yhend id=\"__\" ytahendus=\"__\"/></yhendid></pelmora>";

struct Fixture {
    RecordingPrompter prompter;
    CPelmoraDoc doc{prompter};
    CDictionary dictionary{prompter};
};

SuggestionFields tagged()
{
    SuggestionFields fields;
    fields.lemma = "kala";
    fields.meaning = "kala";
    fields.partOfSpeech = 0;
    fields.reason = 0;
    fields.style = 0;
    return fields;
}

struct NamedCase {
    const char* name;
    std::function<bool(Fixture&)> command;  // true when it changed the text
    const char* step;
};

class StepName : public ::testing::TestWithParam<NamedCase> {};

// Each command leaves one step named for the menu; undo hands the name over to redo and back.
TEST_P(StepName, NamesTheStepForUndoAndRedo)
{
    test::TempDir dir;
    test::writeFile(dir.file("d.xml"), kDictionary);
    Fixture f;
    f.prompter.setDefaultAnswer(true);
    ASSERT_TRUE(f.dictionary.openWithPath(dir.file("d.xml")));
    ASSERT_TRUE(f.doc.openFromBuffer(kText, "t.xml"));
    EXPECT_EQ(f.doc.undoName(), "");

    ASSERT_TRUE(GetParam().command(f));
    ASSERT_EQ(f.doc.undoCount(), 1u);
    EXPECT_EQ(f.doc.undoName(), GetParam().step);
    EXPECT_EQ(f.doc.redoName(), "");

    ASSERT_TRUE(f.doc.undo());
    EXPECT_EQ(f.doc.undoName(), "");
    EXPECT_EQ(f.doc.redoName(), GetParam().step);
    ASSERT_TRUE(f.doc.redo());
    EXPECT_EQ(f.doc.undoName(), GetParam().step);
    EXPECT_EQ(f.doc.redoName(), "");
}

INSTANTIATE_TEST_SUITE_P(Commands, StepName, ::testing::Values(
    NamedCase{"ModifyToken", [](Fixture& f) { return modifyToken(f.doc, "kalad"); }, "muuda sõne"},
    NamedCase{"AddToken", [](Fixture& f) { return addToken(f.doc, "uus"); }, "lisa sõne"},
    NamedCase{"DeleteToken", [](Fixture& f) { return deleteToken(f.doc); }, "kustuta sõne"},
    NamedCase{"MergeSentences", [](Fixture& f) { return mergeSentences(f.doc, "l2"); }, "ühenda laused"},
    NamedCase{"SplitSentence", [](Fixture& f) { return splitSentence(f.doc); }, "tükelda lause"},
    NamedCase{"AudioPosition", [](Fixture& f) { return setAudioPosition(f.doc, 1, 5); }, "helifailiga sidumine"},
    NamedCase{"Metadata",
              [](Fixture& f) {
                  TextMetadata data = readTextMetadata(f.doc);
                  data.topic = "kalad";
                  return acceptTextMetadata(f.doc, data).status == MetadataAcceptStatus::Accepted;
              },
              "teksti andmed"},
    NamedCase{"SentenceTranslations",
              [](Fixture& f) {
                  SentenceTranslations translations;
                  translations.estonian = "kala";
                  return acceptSentenceTranslations(f.doc, f.doc.currentToken().parent(), translations);
              },
              "lause tõlked"},
    NamedCase{"Remember",
              [](Fixture& f) {
                  rememberToken(f.doc, tagged(), &f.dictionary, false);
                  return f.doc.isModified();
              },
              "jäta meelde"},
    // The dictionary keeps what remember stored in it: the name says so.
    NamedCase{"RememberIntoDictionary",
              [](Fixture& f) {
                  rememberToken(f.doc, tagged(), &f.dictionary, true);
                  return f.doc.isModified();
              },
              "jäta meelde (sõnastik jääb)"},
    // A token left untagged stores nothing into the dictionary, so nothing stays behind.
    NamedCase{"RememberUntaggedWithDictionaryOn",
              [](Fixture& f) {
                  SuggestionFields fields = tagged();
                  fields.reason = reasonIndex("vahemärk");
                  rememberToken(f.doc, fields, &f.dictionary, true);
                  return f.doc.isModified();
              },
              "jäta meelde"},
    NamedCase{"Lemmatise",
              [](Fixture& f) { return lemmatiseText(f.doc, f.dictionary, false).lemmatised > 0; }, "lemmatiseeri"},
    NamedCase{"Replace",
              [](Fixture& f) {
                  TextSearch search(f.doc);
                  ReplaceRequest request;
                  request.replacements.push_back({TokenAttribute::Lemma, "x", "y"});
                  return search.replace(request) > 0;
              },
              "asenda"},
    NamedCase{"RemoveAutomaticMarks",
              [](Fixture& f) {
                  TextSearch search(f.doc);
                  return search.removeAutomaticChangeMarks() > 0;
              },
              "eemalda automaatmuudatuste märgid"}),
    [](const ::testing::TestParamInfo<NamedCase>& param) { return std::string(param.param.name); });

// The outermost group names the step; the groups of the changes inside it do not rename it, and
// a change made outside any group is a step without a name.
TEST(StepNameNesting, OutermostNameWinsAndRenameReplacesIt)
{
    RecordingPrompter prompter;
    CPelmoraDoc doc(prompter);
    ASSERT_TRUE(doc.openFromBuffer(kText, "t.xml"));

    ASSERT_TRUE(doc.setTokenText(doc.currentToken(), "a"));
    EXPECT_EQ(doc.undoName(), "");
    {
        CPelmoraDoc::ChangeGroup outer(doc, "välimine");
        CPelmoraDoc::ChangeGroup inner(doc, "sisemine");
        doc.setTokenText(doc.currentToken(), "b");
    }
    EXPECT_EQ(doc.undoName(), "välimine");
    {
        CPelmoraDoc::ChangeGroup unnamed(doc);
        CPelmoraDoc::ChangeGroup inner(doc, "sisemine");
        doc.setTokenText(doc.currentToken(), "c");
    }
    EXPECT_EQ(doc.undoName(), "sisemine");
    {
        CPelmoraDoc::ChangeGroup group(doc, "esialgne");
        doc.setTokenText(doc.currentToken(), "d");
        doc.renameChange("hilisem");
    }
    EXPECT_EQ(doc.undoName(), "hilisem");
    // A command that cancels its changes half-way and goes on keeps its name.
    {
        CPelmoraDoc::ChangeGroup group(doc, "katkestatud");
        doc.setTokenText(doc.currentToken(), "e");
        doc.cancelChanges();
        doc.setTokenText(doc.currentToken(), "f");
    }
    EXPECT_EQ(doc.undoName(), "katkestatud");
    // A named group without changes leaves no step and so no name.
    {
        CPelmoraDoc::ChangeGroup group(doc, "tühi");
    }
    EXPECT_EQ(doc.undoName(), "katkestatud");

    ASSERT_TRUE(doc.undo());
    ASSERT_TRUE(doc.undo());
    EXPECT_EQ(doc.undoName(), "sisemine");
    EXPECT_EQ(doc.redoName(), "hilisem");
    // A new change drops the redo steps and their names.
    ASSERT_TRUE(doc.setTokenText(doc.currentToken(), "g"));
    EXPECT_EQ(doc.redoName(), "");
}

}  // namespace
}  // namespace pelmora
