#include "annotation/sentencecheck.h"

#include "text/pelmoradoc.h"
#include "text/textformat.h"

namespace pelmora {

std::vector<TokenCheckRecord> sentenceCheckRecords(XmlNode sentence)
{
    std::vector<TokenCheckRecord> records;
    for (XmlNode token = firstChildElement(sentence, text::kToken); token;
         token = nextSiblingElement(token, text::kToken)) {
        const auto value = [&](const char* name) { return std::string(attributeValue(token, name)); };
        records.push_back({CPelmoraDoc::tokenText(token), value(text::kLemma), value(text::kMeaning),
                           value(text::kPartOfSpeech), value(text::kForm), value(text::kMeta),
                           value(text::kStyle)});
    }
    return records;
}

namespace {

// Appends the characters to the runs, joining them to the last run when its format is the same.
class RunBuilder {
public:
    explicit RunBuilder(CheckFormat start) : m_current(start) {}

    // The value in its format, with blanks before and after it in the format then in effect.
    void piece(const std::string& before, const std::string& value, const std::string& after, CheckFormat format)
    {
        if (value.empty())
            return;
        append(before, m_current);
        append(value, format);
        m_current = format;
        append(after, m_current);
    }

    std::vector<CheckRun> take() { return std::move(m_runs); }

private:
    void append(const std::string& text, const CheckFormat& format)
    {
        if (text.empty())
            return;
        if (!m_runs.empty() && m_runs.back().format == format)
            m_runs.back().text += text;
        else
            m_runs.push_back({text, format});
    }

    CheckFormat m_current;
    std::vector<CheckRun> m_runs;
};

}  // namespace

std::vector<CheckRun> sentenceCheckRuns(const std::vector<TokenCheckRecord>& records, bool largeFonts)
{
    const double grow = largeFonts ? kLargeFontsStep : 0.0;
    constexpr Rgb kBlack{0, 0, 0};
    constexpr Rgb kDarkBlue{0, 0, 128};
    const CheckFormat tokenText{12.0 + grow, true, false, kBlack};
    const CheckFormat plain{11.0 + grow, false, false, kBlack};
    const CheckFormat partOfSpeech{11.0 + grow, false, true, kBlack};
    const CheckFormat form{8.0 + grow, false, false, kBlack};
    const CheckFormat note{8.0 + grow, false, false, kDarkBlue};

    RunBuilder runs(plain);
    for (const TokenCheckRecord& record : records) {
        runs.piece(" ", record.text, " ", tokenText);
        runs.piece("", record.lemma, " ", plain);
        if (!record.meaning.empty())
            runs.piece("", "'" + record.meaning + "'", " ", plain);
        runs.piece("", record.partOfSpeech, "    ", partOfSpeech);
        runs.piece("", record.form, " ", form);
        runs.piece("", record.meta, " ", note);
        runs.piece("", record.style, " ", note);
    }
    return runs.take();
}

}  // namespace pelmora
