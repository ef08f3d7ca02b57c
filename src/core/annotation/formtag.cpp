#include "annotation/formtag.h"

namespace pelmora {

void FormTagTicks::set(std::string_view abbreviation, bool on)
{
    const int index = formTagBoxIndex(abbreviation);
    if (index >= 0)
        ticked.set(static_cast<std::size_t>(index), on);
}

bool FormTagTicks::isTicked(std::string_view abbreviation) const
{
    const int index = formTagBoxIndex(abbreviation);
    return index >= 0 && ticked.test(static_cast<std::size_t>(index));
}

void FormTagTicks::clear()
{
    ticked.reset();
    extraInfo.clear();
}

FormTagTicks takeApartFormTag(std::string_view tag)
{
    FormTagTicks ticks;
    if (tag.empty())
        return ticks;
    // The free text after the first "#" is the user's note: an abbreviation mentioned there
    // ("sg. #vt ka pl.") does not become part of the form, or OK in the editor would change the
    // analysis the user only looked at.
    const std::size_t hash = tag.find('#');
    const std::string_view dotted = tag.substr(0, hash);
    if (hash != std::string_view::npos)
        ticks.extraInfo = std::string(tag.substr(hash + 1));
    // Plain substring search, no tokenising: "sup.ab." ticks both, and "1." is found anywhere.
    const auto& boxes = formTagBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (dotted.find(boxes[i].abbreviation) != std::string_view::npos)
            ticks.ticked.set(i);
    return ticks;
}

std::string putTogetherFormTag(const FormTagTicks& ticks)
{
    std::string tag;
    const auto& boxes = formTagBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (ticks.ticked.test(i))
            tag += boxes[i].abbreviation;
    if (!ticks.extraInfo.empty()) {
        tag += " #";
        tag += ticks.extraInfo;
    }
    return tag;
}

std::string canonicalFormTag(std::string_view tag) { return putTogetherFormTag(takeApartFormTag(tag)); }

Rgb captionRgb(CaptionColour colour)
{
    switch (colour) {
    case CaptionColour::Green: return {30, 225, 60};
    case CaptionColour::Orange: return {255, 120, 0};
    case CaptionColour::Red: return {255, 0, 0};
    case CaptionColour::Black: break;
    }
    return {0, 0, 0};
}

std::string_view captionColourName(CaptionColour colour)
{
    switch (colour) {
    case CaptionColour::Green: return "green";
    case CaptionColour::Orange: return "orange";
    case CaptionColour::Red: return "red";
    case CaptionColour::Black: break;
    }
    return "black";
}

bool isOneChoiceGroup(FormTagGroup group)
{
    switch (group) {
    case FormTagGroup::Case:
    case FormTagGroup::Number:
    case FormTagGroup::Person:
    case FormTagGroup::Tense:
    case FormTagGroup::Mood:
    case FormTagGroup::Voice:
        return true;
    case FormTagGroup::NonFinite:
    case FormTagGroup::Comparison:
    case FormTagGroup::Other:
        break;
    }
    return false;
}

bool hasTooManyTicks(const FormTagTicks& ticks, FormTagGroup group)
{
    if (!isOneChoiceGroup(group))
        return false;
    const auto& boxes = formTagBoxes();
    int count = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i].group == group && ticks.ticked.test(i))
            ++count;
    return count > 1;
}

namespace {

// Which groups and single boxes are ticked; the letters follow the rules of the colouring.
struct TickSummary {
    bool N = false;  // number
    bool C = false;  // case
    bool P = false;  // person
    bool T = false;  // tense
    bool M = false;  // mood
    bool V = false;  // voice
    bool F = false;  // non-finite, including the debitive
    bool K = false;  // comparison
    bool ips = false, sup = false, ger = false, tav = false, nud = false, vpts = false;
    bool poss = false, ag = false, neg = false;

    bool finite() const { return P || T || M || V; }
};

TickSummary summarise(const FormTagTicks& ticks)
{
    TickSummary s;
    const auto& boxes = formTagBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (!ticks.ticked.test(i))
            continue;
        switch (boxes[i].group) {
        case FormTagGroup::Number: s.N = true; break;
        case FormTagGroup::Case: s.C = true; break;
        case FormTagGroup::Person: s.P = true; break;
        case FormTagGroup::Tense: s.T = true; break;
        case FormTagGroup::Mood: s.M = true; break;
        case FormTagGroup::Voice: s.V = true; break;
        case FormTagGroup::NonFinite: s.F = true; break;
        case FormTagGroup::Comparison: s.K = true; break;
        case FormTagGroup::Other: break;
        }
    }
    s.ips = ticks.isTicked("ips.");
    s.sup = ticks.isTicked("sup.");
    s.ger = ticks.isTicked("ger.");
    s.tav = ticks.isTicked("tav.");
    s.nud = ticks.isTicked("nud.");
    s.vpts = ticks.isTicked("vpts.");
    s.poss = ticks.isTicked("poss.");
    s.ag = ticks.isTicked("ag.");
    s.neg = ticks.isTicked("neg.");
    return s;
}

CaptionColour groupColour(bool expected, bool ticked)
{
    if (expected)
        return ticked ? CaptionColour::Green : CaptionColour::Red;
    return ticked ? CaptionColour::Orange : CaptionColour::Black;
}

}  // namespace

std::array<CaptionColouring, kColouredCaptionCount> formTagColours(const FormTagTicks& ticks)
{
    const TickSummary s = summarise(ticks);
    const bool noTMV = !s.T && !s.M && !s.V;
    const bool possessiveException = s.poss && s.N && s.P && noTMV;
    const bool agentException = s.ag && s.N && s.P && noTMV;
    const bool plainFinite = !s.C && !s.F && !s.K;

    const bool caseExpected = (!s.finite() && !s.F && (s.N || s.K))
        || ((s.sup || s.ger) && !s.N && !s.P && noTMV && !s.K)
        || possessiveException || agentException;

    const bool numberExpected = (!s.finite() && !s.F && (s.C || s.K))
        || ((s.tav || s.nud || s.vpts) && !s.C && !s.P && noTMV && !s.K)
        || (s.finite() && !s.C && !s.F && !s.K && !s.ips)
        || ((s.poss || s.ag) && s.C && s.P && noTMV);
    const bool nothingRelevant = !s.N && !s.C && !s.K && !s.finite() && !s.F;
    const CaptionColour numberColour =
        nothingRelevant ? CaptionColour::Black : groupColour(numberExpected, s.N);

    const bool personExpected = (plainFinite && !s.ips && (s.N || s.T || s.M || s.V))
        || ((s.poss || s.ag) && s.N && s.C && noTMV);
    const bool tenseExpected = plainFinite && (s.N || s.P || s.M || s.V);
    const bool moodExpected = plainFinite && (s.N || s.P || s.T || s.V);
    const bool voiceExpected = plainFinite && (s.N || s.P || s.T || s.M);

    CaptionColour comparison = CaptionColour::Black;
    if (s.K)
        comparison = (!s.P && noTMV && !s.F && (s.C || s.N)) ? CaptionColour::Green : CaptionColour::Orange;

    CaptionColour nonFinite = CaptionColour::Black;
    if (s.F)
        nonFinite = s.finite() ? CaptionColour::Orange : CaptionColour::Green;

    const auto suffixColour = [&](bool on) {
        if (!on)
            return CaptionColour::Black;
        return (s.P && s.N && s.C && noTMV) ? CaptionColour::Green : CaptionColour::Orange;
    };
    CaptionColour negation = CaptionColour::Black;
    if (s.neg)
        negation = (s.T && s.M && s.V) ? CaptionColour::Green : CaptionColour::Orange;

    // A one-choice group with two ticks is wrong whatever the other ticks call for.
    const auto oneChoice = [&](FormTagGroup group, CaptionColour colour) {
        return hasTooManyTicks(ticks, group) ? CaptionColour::Red : colour;
    };
    return {{
        {"Kääne", oneChoice(FormTagGroup::Case, groupColour(caseExpected, s.C))},
        {"Arv", oneChoice(FormTagGroup::Number, numberColour)},
        {"Isik", oneChoice(FormTagGroup::Person, groupColour(personExpected, s.P))},
        {"Aeg", oneChoice(FormTagGroup::Tense, groupColour(tenseExpected, s.T))},
        {"Kõneviis", oneChoice(FormTagGroup::Mood, groupColour(moodExpected, s.M))},
        {"Tegumood", oneChoice(FormTagGroup::Voice, groupColour(voiceExpected, s.V))},
        {"Käändeline vorm", nonFinite},
        {"Võrre", comparison},
        {"Possessiivsufiks (poss)", suffixColour(s.poss)},
        {"Tegijanimi (ag)", suffixColour(s.ag)},
        {"Eituse märgend\nverbivormi lõpus (neg)", negation},
    }};
}

}  // namespace pelmora
