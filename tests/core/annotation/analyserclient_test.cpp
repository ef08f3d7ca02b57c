#include "annotation/analyserclient.h"
#include "common/prompter.h"
#include "loopbackhttpserver.h"
#include "settings/settings.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <chrono>

namespace pelmora {
namespace {

using test::LoopbackHttpServer;
using test::LoopbackReply;

// One analysis as the analyser writes it.
struct PageAnalysis {
    std::string lemma;
    std::string partOfSpeech;
    std::vector<std::string> tags;
};

// A page in the analyser's shape: the red word marker, one maroon lemma per analysis with its
// part of speech in bold and each tag after a "+" font element, then "</pre>".
std::string analyserPage(const std::string& word, const std::vector<PageAnalysis>& analyses)
{
    std::string page = "<html><body><h2>Analysis</h2>\n<pre><font color=\"red\">" + word + "</font>\n";
    for (const PageAnalysis& analysis : analyses) {
        page += "\t<font color=\"maroon\">" + analysis.lemma + "</font> <b>" + analysis.partOfSpeech + "</b>";
        for (const std::string& tag : analysis.tags)
            page += "<font color=\"white\">+</font>" + tag;
        page += "\n";
    }
    return page + "</pre>\n</body></html>\n";
}

struct EncodingCase {
    const char* name;
    const char* word;
    const char* encoded;
};

class AnalyserEncoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(AnalyserEncoding, EncodesTheWordForTheQuery)
{
    EXPECT_EQ(encodeAnalyserWord(GetParam().word), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(Cases, AnalyserEncoding,
                         ::testing::Values(EncodingCase{"Ascii", "kala", "kala"},
                                           EncodingCase{"OTilde", "õ", "%c3%b5"},
                                           EncodingCase{"LivonianWord", "pūoga", "p%c5%abog" "a"},
                                           EncodingCase{"ApostropheKept", "pu'o", "pu'o"},
                                           EncodingCase{"BlankEscaped", "a b", "a%20b"},
                                           EncodingCase{"QuerySeparatorsEscaped", "a&b#c+d%", "a%26b%23c%2bd%25"},
                                           EncodingCase{"MarkupBracesEscaped", "kal{a}", "kal%7ba%7d"},
                                           EncodingCase{"Empty", "", ""}),
                         test::ByName{});

TEST(AnalyserRequest, PathQueryAndAddress)
{
    EXPECT_EQ(analyserRequestTarget("kala"), "/cgi-bin/smi/smi.cgi?text=kala&action=analyze&lang=liv&plang=eng");
    EXPECT_EQ(analyserRequestTarget("sõna"), "/cgi-bin/smi/smi.cgi?text=s%c3%b5na&action=analyze&lang=liv&plang=eng");
    EXPECT_EQ(analyserRequestUrl("http://example.org/", "kala"),
              "http://example.org/cgi-bin/smi/smi.cgi?text=kala&action=analyze&lang=liv&plang=eng");
    EXPECT_EQ(analyserRequestUrl("http://example.org:8080", "a"),
              "http://example.org:8080/cgi-bin/smi/smi.cgi?text=a&action=analyze&lang=liv&plang=eng");
}

struct ParseCase {
    const char* name;
    std::vector<PageAnalysis> analyses;
    std::vector<AnalyserResult> results;
};

class AnalyserPage : public ::testing::TestWithParam<ParseCase> {};

TEST_P(AnalyserPage, GivesOneRecordPerAnalysis)
{
    const std::string word = "sõnā";
    EXPECT_EQ(parseAnalyserPage(analyserPage(word, GetParam().analyses), word), GetParam().results);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalyserPage,
    ::testing::Values(
        ParseCase{"VoiceGoesFirst", {{"vȱlda", "V", {"Pss", "Prs", "Sg3"}}}, {{"vȱlda", "verb", "pas.pr.sg.3."}}},
        ParseCase{"ActiveIndicative", {{"vȱlda", "V", {"Act", "Ind", "Prs", "Sg1"}}}, {{"vȱlda", "verb", "pers.ind.pr.sg.1."}}},
        ParseCase{"CardinalTagNamesThePartOfSpeech", {{"kakš", "Num", {"Card", "Sg", "Nom"}}},
                  {{"kakš", "põhiarvsõna", "sg.nom."}}},
        ParseCase{"AuxiliaryTag", {{"vȱlda", "V", {"Aux", "Ind"}}}, {{"vȱlda", "abiverb", "ind."}}},
        ParseCase{"NoTagGivesDash", {{"ja", "CC", {}}}, {{"ja", "konjunktsioon", "-"}}},
        ParseCase{"UnknownPartOfSpeech", {{"x", "Prop", {"Sg", "Gen"}}}, {{"x", "-", "sg.gen."}}},
        ParseCase{"UnknownTagAddsNothing", {{"kala", "N", {"Sg", "Foo", "Ill"}}}, {{"kala", "substantiiv", "sg.ill."}}},
        ParseCase{"EmptyLemmaSkipped", {{" ", "N", {"Sg"}}, {"kala", "N", {"Pl", "Nom"}}},
                  {{"kala", "substantiiv", "pl.nom."}}},
        // Each analysis keeps its own tags, also when several follow one word marker.
        ParseCase{"AnalysesKeepTheirOwnTags", {{"kala", "N", {"Sg", "Nom"}}, {"kalā", "N", {"Pl", "Par"}}},
                  {{"kala", "substantiiv", "sg.nom."}, {"kalā", "substantiiv", "pl.part."}}},
        ParseCase{"NoAnalysis", {}, {}}),
    test::ByName{});

TEST(AnalyserPage, PagesWithoutTheShapeGiveNothing)
{
    const std::string page = analyserPage("kala", {{"kala", "N", {"Sg", "Nom"}}});
    // Expected: the marker must carry the word as it was sent.
    EXPECT_EQ(parseAnalyserPage(page, "kala").size(), 1u);
    EXPECT_TRUE(parseAnalyserPage(page, "Kala").empty());
    // Expected: no closing "</pre>" means no analysis block.
    EXPECT_TRUE(parseAnalyserPage(page.substr(0, page.find("</pre>")), "kala").empty());
    EXPECT_TRUE(parseAnalyserPage("", "kala").empty());
    EXPECT_TRUE(parseAnalyserPage("\x01\xff<pre><font color=\"maroon\">", "kala").empty());
    // Expected: a maroon tag right before "</font>" gives no lemma and is skipped.
    EXPECT_TRUE(parseAnalyserPage("<pre><font color=\"red\">a</font><font color=\"maroon\"></font> <b>N</b></pre>", "a")
                    .empty());
}

// A client with a small page limit for the servers below; the timeout is short only where a
// server is meant to keep silent.
AnalyserClient quickClient(const std::string& address, std::chrono::milliseconds timeout = std::chrono::seconds(10))
{
    return AnalyserClient(address, timeout, 256 * 1024);
}

constexpr std::chrono::milliseconds kShortTimeout{700};

TEST(AnalyserClient, AsksTheServerAndParsesItsPage)
{
    const std::string word = "kõrž";
    LoopbackHttpServer server([&](const std::string&) {
        return test::httpOk(analyserPage(word, {{"kõrž", "N", {"Sg", "Nom"}}, {"kõrž", "N", {"Sg", "Gen"}}}));
    });
    RecordingPrompter prompter;
    AnalyserClient client = quickClient(server.address() + "/");

    const std::vector<AnalyserResult> results = client.analyse(word, prompter);

    // Expected: both analyses, the request in the analyser's encoding, no message.
    EXPECT_EQ(results, (std::vector<AnalyserResult>{{"kõrž", "substantiiv", "sg.nom."}, {"kõrž", "substantiiv", "sg.gen."}}));
    EXPECT_EQ(server.targets(), std::vector<std::string>{analyserRequestTarget(word)});
    EXPECT_EQ(server.targets().front(), "/cgi-bin/smi/smi.cgi?text=k%c3%b5r%c5%be&action=analyze&lang=liv&plang=eng");
    EXPECT_TRUE(prompter.entries().empty());
    EXPECT_FALSE(client.lastRequestFailed());
    // Expected: a fresh copy is asked for, never a cached one.
    EXPECT_NE(server.requests().front().find("Cache-Control: no-cache\r\n"), std::string::npos);
}

TEST(AnalyserClient, OnlyHttpAddressesAreAsked)
{
    test::TempDir dir;
    const std::string word = "kala";
    test::writeFile(dir.file("page"), analyserPage(word, {{"kala", "N", {"Sg", "Nom"}}}));
    RecordingPrompter prompter;
    AnalyserClient client("file://" + dir.file("page") + "?");

    // Expected: a local file is not read as an analyser page; the address counts as unreachable.
    EXPECT_TRUE(client.analyse(word, prompter).empty());
    EXPECT_TRUE(client.lastRequestFailed());
    EXPECT_EQ(prompter.lastText(), "Mingi internetiviga");
}

TEST(AnalyserClient, EmptyAddressMakesNoRequest)
{
    RecordingPrompter prompter;
    AnalyserClient client;
    EXPECT_TRUE(client.analyse("kala", prompter).empty());
    EXPECT_TRUE(prompter.entries().empty());
    EXPECT_FALSE(client.lastRequestFailed());
}

TEST(AnalyserClient, UnreachableServerIsReportedOnceUntilSettingsAreConfirmed)
{
    RecordingPrompter prompter;
    const std::string address = test::unusedLoopbackAddress();
    AnalyserClient client = quickClient(address);

    // Expected: the first failure shows the message, the following tokens stay quiet.
    EXPECT_TRUE(client.analyse("kala", prompter).empty());
    EXPECT_TRUE(client.analyse("kalad", prompter).empty());
    EXPECT_TRUE(client.lastRequestFailed());
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].text, "Mingi internetiviga");
    EXPECT_EQ(prompter.entries()[0].kind, MessageKind::Information);

    // Expected: confirming the settings arms the message again (and takes the new address).
    Settings settings;
    settings.analyserUrl = address;
    client.settingsConfirmed(settings);
    EXPECT_TRUE(client.analyse("kala", prompter).empty());
    EXPECT_EQ(prompter.entries().size(), 2u);
}

TEST(AnalyserClient, UnreachableServerCostsItsTimeLimitOnceUntilSettingsAreConfirmed)
{
    struct Case {
        HttpStatus status;
        int requestsForThreeWords;  // the server is asked again only after an error status
    };
    for (const Case c : {Case{HttpStatus::Unreachable, 1}, Case{HttpStatus::HttpError, 3}, Case{HttpStatus::BodyFailed, 3}}) {
        SCOPED_TRACE(static_cast<int>(c.status));
        RecordingPrompter prompter;
        AnalyserClient client("http://analyser.invalid");
        std::vector<std::string> asked;
        client.setFetch([&](const std::string& url, std::chrono::milliseconds timeout, std::size_t maxBytes) {
            asked.push_back(url);
            EXPECT_EQ(timeout, kAnalyserTimeout);
            EXPECT_EQ(maxBytes, kAnalyserMaxPageBytes);
            HttpResult result;
            result.status = c.status;
            return result;
        });
        for (const char* word : {"kala", "kalad", "kalast"})
            EXPECT_TRUE(client.analyse(word, prompter).empty());
        EXPECT_EQ(asked.size(), static_cast<std::size_t>(c.requestsForThreeWords));
        EXPECT_EQ(client.lastRequestFailed(), c.status != HttpStatus::BodyFailed);

        // Expected: confirming the settings makes the client ask again.
        Settings settings;
        settings.analyserUrl = "http://analyser.invalid";
        client.settingsConfirmed(settings);
        client.analyse("kala", prompter);
        EXPECT_EQ(asked.size(), static_cast<std::size_t>(c.requestsForThreeWords) + 1);
        EXPECT_EQ(asked.back(), analyserRequestUrl("http://analyser.invalid", "kala"));
    }
}

TEST(AnalyserClient, ServerThatNeverAnswersIsGivenUp)
{
    LoopbackHttpServer server([](const std::string&) {
        LoopbackReply reply;
        reply.hang = true;
        return reply;
    });
    RecordingPrompter prompter;
    AnalyserClient client = quickClient(server.address(), kShortTimeout);

    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(client.analyse("kala", prompter).empty());
    const auto waited = std::chrono::steady_clock::now() - start;

    // Expected: the request ends near its timeout (not after the server stops) and counts as unreachable.
    EXPECT_LT(waited, std::chrono::seconds(5));
    EXPECT_EQ(prompter.lastText(), "Mingi internetiviga");
}

struct BadAnswerCase {
    const char* name;
    std::function<LoopbackReply()> reply;
    bool reported;  // "Mingi internetiviga" shown
    bool silentServer = false;
};

class AnalyserBadAnswer : public ::testing::TestWithParam<BadAnswerCase> {};

TEST_P(AnalyserBadAnswer, GivesNoResultsAndBreaksNothing)
{
    const BadAnswerCase& c = GetParam();
    LoopbackHttpServer server([&](const std::string&) { return c.reply(); });
    RecordingPrompter prompter;
    AnalyserClient client = quickClient(server.address(), c.silentServer ? kShortTimeout : std::chrono::seconds(10));

    EXPECT_TRUE(client.analyse("kala", prompter).empty());
    EXPECT_EQ(prompter.entries().size(), c.reported ? 1u : 0u);
    EXPECT_EQ(client.lastRequestFailed(), c.reported);
}

const std::string kKalaPage = analyserPage("kala", {{"kala", "N", {"Sg", "Nom"}}});

LoopbackReply closedMidBody()
{
    // A whole page is sent, but the announced length is longer: the body was cut off.
    LoopbackReply reply = test::httpOk(kKalaPage);
    const std::string length = "Content-Length: " + std::to_string(kKalaPage.size());
    reply.bytes.replace(reply.bytes.find(length), length.size(), "Content-Length: 100000");
    return reply;
}

LoopbackReply hugeUnannouncedPage()
{
    LoopbackReply reply;
    reply.bytes = "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n" + kKalaPage;
    reply.paddingBytes = 64u * 1024u * 1024u;
    return reply;
}

LoopbackReply hugeAnnouncedPage()
{
    LoopbackReply reply = hugeUnannouncedPage();
    reply.bytes.replace(reply.bytes.find("Connection"), 0, "Content-Length: 67200000\r\n");
    return reply;
}

LoopbackReply stallsMidBody()
{
    LoopbackReply reply = closedMidBody();
    reply.hang = true;
    return reply;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnalyserBadAnswer,
    ::testing::Values(
        BadAnswerCase{"NotHttp", [] { return LoopbackReply{"garbage garbage\r\n\r\n\x01\x02", 0, false}; }, true},
        BadAnswerCase{"GarbageBody", [] { return test::httpOk("\x01<pre><font color=\"maroon\">\xff\xfe"); }, false},
        BadAnswerCase{"InvalidUtf8Page", [] { return test::httpOk(kKalaPage + "\xff"); }, false},
        BadAnswerCase{"ServerError",
                      [] {
                          LoopbackReply reply = test::httpOk(kKalaPage);
                          reply.bytes.replace(9, 6, "500 Internal Server Error");
                          return reply;
                      },
                      true},
        BadAnswerCase{"ClosedMidBody", closedMidBody, false},
        BadAnswerCase{"StallsMidBody", stallsMidBody, false, true},
        BadAnswerCase{"HugeUnannouncedPage", hugeUnannouncedPage, false},
        BadAnswerCase{"HugeAnnouncedPage", hugeAnnouncedPage, false}),
    test::ByName{});

TEST(HttpGet, ReadsAWholeBody)
{
    LoopbackHttpServer server([](const std::string&) { return test::httpOk("hello"); });
    const HttpResult result = httpGet(server.address() + "/x", std::chrono::seconds(5), 5);
    EXPECT_EQ(result.status, HttpStatus::Ok);
    EXPECT_EQ(result.body, "hello");
    // Expected: one byte over the limit is refused.
    EXPECT_EQ(httpGet(server.address() + "/x", std::chrono::seconds(5), 4).status, HttpStatus::BodyFailed);
}

}  // namespace
}  // namespace pelmora
