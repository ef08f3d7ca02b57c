#include "annotation/vocabularies.h"

#include <utility>

namespace pelmora {

namespace {

struct PartOfSpeech {
    const char* code;
    const char* name;
};

constexpr std::array<PartOfSpeech, kPartOfSpeechCount> kPartsOfSpeech{{
    {"-", "-"},
    {"V", "verb"},
    {"Va", "abiverb"},
    {"Mn", "eituss. liitvormis"},
    {"S", "substantiiv"},
    {"H", "pärisnimi"},
    {"ProS", "prosubstantiiv"},
    {"Pre", "prepositsioon"},
    {"Post", "postpositsioon"},
    {"Adv", "adverb"},
    {"Adva", "afiksaaladverb"},
    {"ProAdv", "proadverb"},
    {"ModAdv", "modaaladverb"},
    {"A", "adjektiiv"},
    {"ProA", "proadjektiiv"},
    {"Ms", "võrdluss. liitsuperlatiivis"},
    {"Numj", "järgarvsõna"},
    {"Nump", "põhiarvsõna"},
    {"ProNum", "pronumeraal"},
    {"Konj", "konjunktsioon"},
    {"Intr", "küsisõna"},
    {"Par", "diskursusepartikkel"},
    {"Intj", "interjektsioon"},
    {"Ono", "onomatopoeetia"},
    {"Suht", "suhtlussõna"},
    {"*", "*"},
}};

constexpr std::array<const char*, kStyleCount> kStyles{"-", "märkus", "pealkiri", "esiletõst", "*"};

constexpr std::array<const char*, kReasonCount> kReasons{
    "-", "intervjueerija", "kommentaar", "muukeelne", "vahemärk", "number", "poolik sõna", "*"};

using G = FormTagGroup;

constexpr std::array<FormTagBox, kFormTagBoxCount> kFormTagBoxes{{
    {"pers.", G::Voice, "Personaal (pers)"},
    {"ips.", G::Voice, "Impersonaalne passiiv (ips)"},
    {"pas.", G::Voice, "Personaalne passiiv (pas)"},
    {"ind.", G::Mood, "Indikatiiv (ind)"},
    {"knd.", G::Mood, "Konditsionaal (knd)"},
    {"imp.", G::Mood, "Imperatiiv (imp)"},
    {"jus.", G::Mood, "Jussiiv (jus)"},
    {"kvt.", G::Mood, "Kvotatiiv (kvt)"},
    {"pot.", G::Mood, "Potentsiaal (pot)"},
    {"pr.", G::Tense, "Preesens (pr)"},
    {"ipf.", G::Tense, "Imperfekt (ipf)"},
    {"fut.", G::Tense, "Futuurum (fut)"},
    {"inf.", G::NonFinite, "da-infinitiiv (inf)"},
    {"ger.", G::NonFinite, "des-vorm (ger)"},
    {"sup.", G::NonFinite, "ma-supiin (sup)"},
    {"tav.", G::NonFinite, "tav-partitsiip (tav)"},
    {"nud.", G::NonFinite, "nud-partitsiip (nud)"},
    {"tud.", G::NonFinite, "tud-partitsiip (tud)"},
    {"vpts.", G::NonFinite, "v-partitsiip (vpts)"},
    {"sg.", G::Number, "Singular (sg)"},
    {"pl.", G::Number, "Pluural (pl)"},
    {"1.", G::Person, "Esimene isik (1)"},
    {"2.", G::Person, "Teine isik (2)"},
    {"3.", G::Person, "Kolmas isik (3)"},
    {"nom.", G::Case, "Nominatiiv (nom)"},
    {"gen.", G::Case, "Genitiiv (gen)"},
    {"dat.", G::Case, "Daativ (dat)"},
    {"part.", G::Case, "Partitiiv (part)"},
    {"ill.", G::Case, "Illatiiv (ill)"},
    {"in.", G::Case, "Inessiiv (in)"},
    {"el.", G::Case, "Elatiiv (el)"},
    {"all.", G::Case, "Allatiiv (all)"},
    {"ad.", G::Case, "Adessiiv (ad)"},
    {"abl.", G::Case, "Ablatiiv (abl)"},
    {"tr.", G::Case, "Translatiiv (tr)"},
    {"ter.", G::Case, "Terminatiiv (ter)"},
    {"es.", G::Case, "Essiiv (es)"},
    {"ab.", G::Case, "Abessiiv (ab)"},
    {"kom.", G::Case, "Komitatiiv (kom)"},
    {"inst.", G::Case, "Instruktiiv (inst)"},
    {"instl.", G::Case, "Instrumentaal (instl)"},
    {"deb.", G::NonFinite, "Debitiiv (deb)"},
    {"cmp.", G::Comparison, "Komparatiiv (cmp)"},
    {"sprl.", G::Comparison, "Superlatiiv (sprl)"},
    {"prf.", G::Other, "Prefiks (prf)"},
    {"ag.", G::Other, "Tegijanimi (ag)"},
    {"poss.", G::Other, "Possessiivsufiks (poss)"},
    {"neg.", G::Other, "Eituse märgend\nverbivormi lõpus (neg)"},
    {"cli.", G::Other, "Kliitik (cli)"},
}};

using Pair = std::pair<std::string_view, std::string_view>;

constexpr std::array<Pair, 13> kOnlinePartsOfSpeech{{
    {"?", "-"},
    {"V", "verb"},
    {"N", "substantiiv"},
    {"Pron", "prosubstantiiv"},
    {"Pr", "prepositsioon"},
    {"Po", "postpositsioon"},
    {"Adv", "adverb"},
    {"A", "adjektiiv"},
    {"Num", "põhiarvsõna"},
    {"CS", "konjunktsioon"},
    {"CC", "konjunktsioon"},
    {"Pcle", "diskursusepartikkel"},
    {"Interj", "interjektsioon"},
}};

constexpr std::array<Pair, 47> kOnlineForms{{
    {"Sg", "sg."},
    {"Pl", "pl."},
    {"Abe", "ab."},
    {"Abl", "abl."},
    {"Ade", "ad."},
    {"All", "all."},
    {"Dat", "dat."},
    {"Ela", "el."},
    {"Ess", "es."},
    {"Exe", "es."},
    {"Gen", "gen."},
    {"Ill", "ill."},
    {"Ine", "in."},
    {"Ins", "instl."},
    {"Instr", "inst."},
    {"Nom", "nom."},
    {"Par", "part."},
    {"Tra", "tr."},
    {"Comp", "cmp."},
    {"Superl", "sprl."},
    {"Card", "põhiarvsõna"},
    {"Ord", "järgarvsõna"},
    {"Cond", "knd."},
    {"Ind", "ind."},
    {"Imprt", "imp."},
    {"Jus", "jus."},
    {"Quo", "kvt."},
    {"Prs", "pr."},
    {"Prt", "ipf."},
    {"Act", "pers."},
    {"Pss", "pas."},
    {"Sg1", "sg.1."},
    {"Sg2", "sg.2."},
    {"Sg3", "sg.3."},
    {"Pl1", "pl.1."},
    {"Pl2", "pl.2."},
    {"Pl3", "pl.3."},
    {"Ger", "ger."},
    {"Inf", "inf."},
    {"Neg", "eituss. liitvormis"},
    {"Sup", "sup."},
    {"Aux", "abiverb"},
    {"ActPrfPrc", "nud."},
    {"ActPrsPrc", "vpts."},
    {"PssPrfPrc", "tud."},
    {"PssPrsPrc", "tav."},
    {"ConNeg", "eituss. liitvormis"},
}};

template <std::size_t N>
int indexIn(const std::array<const char*, N>& table, std::string_view text)
{
    for (std::size_t i = 0; i < N; ++i)
        if (text == table[i])
            return static_cast<int>(i);
    return -1;
}

template <std::size_t N>
std::string textAt(const std::array<const char*, N>& table, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= N)
        return {};
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

std::string partOfSpeechCode(int index)
{
    if (index < 0 || index >= kPartOfSpeechCount)
        return {};
    return kPartsOfSpeech[static_cast<std::size_t>(index)].code;
}

std::string partOfSpeechName(int index)
{
    if (index < 0 || index >= kPartOfSpeechCount)
        return {};
    return kPartsOfSpeech[static_cast<std::size_t>(index)].name;
}

int partOfSpeechIndex(std::string_view text)
{
    for (std::size_t i = 0; i < kPartsOfSpeech.size(); ++i)
        if (text == kPartsOfSpeech[i].code)
            return static_cast<int>(i);
    for (std::size_t i = 0; i < kPartsOfSpeech.size(); ++i)
        if (text == kPartsOfSpeech[i].name)
            return static_cast<int>(i);
    return -1;
}

std::string togglePartOfSpeech(std::string_view text)
{
    for (const PartOfSpeech& entry : kPartsOfSpeech)
        if (text == entry.code)
            return entry.name;
    for (const PartOfSpeech& entry : kPartsOfSpeech)
        if (text == entry.name)
            return entry.code;
    return {};
}

std::string styleText(int index) { return textAt(kStyles, index); }
int styleIndex(std::string_view text) { return indexIn(kStyles, text); }
std::string reasonText(int index) { return textAt(kReasons, index); }
int reasonIndex(std::string_view text) { return indexIn(kReasons, text); }

const std::array<FormTagBox, kFormTagBoxCount>& formTagBoxes() { return kFormTagBoxes; }

int formTagBoxIndex(std::string_view abbreviation)
{
    for (std::size_t i = 0; i < kFormTagBoxes.size(); ++i)
        if (kFormTagBoxes[i].abbreviation == abbreviation)
            return static_cast<int>(i);
    return -1;
}

std::string onlinePartOfSpeechName(std::string_view analyserTag)
{
    for (const Pair& pair : kOnlinePartsOfSpeech)
        if (pair.first == analyserTag)
            return std::string(pair.second);
    return {};
}

std::string onlineFormAbbreviation(std::string_view analyserTag)
{
    for (const Pair& pair : kOnlineForms)
        if (pair.first == analyserTag)
            return std::string(pair.second);
    for (const Pair& pair : kOnlineForms)
        if (pair.second == analyserTag)
            return std::string(pair.second);
    return {};
}

}  // namespace pelmora
