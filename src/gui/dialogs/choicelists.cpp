#include "dialogs/choicelists.h"

#include "annotation/vocabularies.h"
#include "app/qtstrings.h"

#include <QComboBox>
#include <QCoreApplication>

namespace pelmora::gui {

namespace {

constexpr const char* kAnyShown = QT_TRANSLATE_NOOP("Vocabulary", "- - suvaline - -");
constexpr const char* kAnyValue = "*";

// The core's Estonian names of parts of speech, styles and reasons, the form-tag editor's
// captions and the form's navigation and proposal texts, listed for lupdate: their translations are display names only, files keep the values.
[[maybe_unused]] constexpr const char* kShownNames[] = {
    // The form's "show next" choices, its unset audio position and the markers of the proposals' sources.
    QT_TRANSLATE_NOOP("Vocabulary", "määramata"),
    QT_TRANSLATE_NOOP("Vocabulary", "Näita järgmist sõnet"),
    QT_TRANSLATE_NOOP("Vocabulary", "Näita järgmi&st"),
    QT_TRANSLATE_NOOP("Vocabulary", "Jäta &meelde ja näita järgmist"),
    QT_TRANSLATE_NOOP("Vocabulary", "Näita järgmist samasugust sõnet"),
    QT_TRANSLATE_NOOP("Vocabulary", ">> &samasugune"),
    QT_TRANSLATE_NOOP("Vocabulary", "Jäta &meelde ja >> samasugune"),
    QT_TRANSLATE_NOOP("Vocabulary", "Näita järgmist märksõnastamata sõnet"),
    QT_TRANSLATE_NOOP("Vocabulary", ">> märk&sõnata"),
    QT_TRANSLATE_NOOP("Vocabulary", "Jäta &meelde ja >> märksõnata"),
    QT_TRANSLATE_NOOP("Vocabulary", "Näita järgmist värviga tähistatud sõnet"),
    QT_TRANSLATE_NOOP("Vocabulary", ">> vä&rviline"),
    QT_TRANSLATE_NOOP("Vocabulary", "Jäta &meelde ja >> värviline"),
    QT_TRANSLATE_NOOP("Vocabulary", "Näita järgmist märgendust vajavat sõnet"),
    QT_TRANSLATE_NOOP("Vocabulary", ">> mär&gendatav"),
    QT_TRANSLATE_NOOP("Vocabulary", "Jäta &meelde ja >> märgendatav"),
    QT_TRANSLATE_NOOP("Vocabulary", "Näita järgmist märgendust vajavat, kuid märksõnata sõnet"),
    QT_TRANSLATE_NOOP("Vocabulary", ">> märk&sõna vajav"),
    QT_TRANSLATE_NOOP("Vocabulary", "Jäta &meelde ja >> märksõna vajav"),
    QT_TRANSLATE_NOOP("Vocabulary", "sõnastik"),
    QT_TRANSLATE_NOOP("Vocabulary", "tekstid"),
    QT_TRANSLATE_NOOP("Vocabulary", "märksõna"),
    QT_TRANSLATE_NOOP("Vocabulary", "analüsaator"),
    QT_TRANSLATE_NOOP("Vocabulary", "reeglid"),
    QT_TRANSLATE_NOOP("Vocabulary", "mittenormatiivne"),
    QT_TRANSLATE_NOOP("Vocabulary", "oletus"),
    QT_TRANSLATE_NOOP("Vocabulary", "verb"),
    QT_TRANSLATE_NOOP("Vocabulary", "abiverb"),
    QT_TRANSLATE_NOOP("Vocabulary", "eituss. liitvormis"),
    QT_TRANSLATE_NOOP("Vocabulary", "substantiiv"),
    QT_TRANSLATE_NOOP("Vocabulary", "pärisnimi"),
    QT_TRANSLATE_NOOP("Vocabulary", "prosubstantiiv"),
    QT_TRANSLATE_NOOP("Vocabulary", "prepositsioon"),
    QT_TRANSLATE_NOOP("Vocabulary", "postpositsioon"),
    QT_TRANSLATE_NOOP("Vocabulary", "adverb"),
    QT_TRANSLATE_NOOP("Vocabulary", "afiksaaladverb"),
    QT_TRANSLATE_NOOP("Vocabulary", "proadverb"),
    QT_TRANSLATE_NOOP("Vocabulary", "modaaladverb"),
    QT_TRANSLATE_NOOP("Vocabulary", "adjektiiv"),
    QT_TRANSLATE_NOOP("Vocabulary", "proadjektiiv"),
    QT_TRANSLATE_NOOP("Vocabulary", "võrdluss. liitsuperlatiivis"),
    QT_TRANSLATE_NOOP("Vocabulary", "järgarvsõna"),
    QT_TRANSLATE_NOOP("Vocabulary", "põhiarvsõna"),
    QT_TRANSLATE_NOOP("Vocabulary", "pronumeraal"),
    QT_TRANSLATE_NOOP("Vocabulary", "konjunktsioon"),
    QT_TRANSLATE_NOOP("Vocabulary", "küsisõna"),
    QT_TRANSLATE_NOOP("Vocabulary", "diskursusepartikkel"),
    QT_TRANSLATE_NOOP("Vocabulary", "interjektsioon"),
    QT_TRANSLATE_NOOP("Vocabulary", "onomatopoeetia"),
    QT_TRANSLATE_NOOP("Vocabulary", "suhtlussõna"),
    QT_TRANSLATE_NOOP("Vocabulary", "märkus"),
    QT_TRANSLATE_NOOP("Vocabulary", "pealkiri"),
    QT_TRANSLATE_NOOP("Vocabulary", "esiletõst"),
    QT_TRANSLATE_NOOP("Vocabulary", "intervjueerija"),
    QT_TRANSLATE_NOOP("Vocabulary", "kommentaar"),
    QT_TRANSLATE_NOOP("Vocabulary", "muukeelne"),
    QT_TRANSLATE_NOOP("Vocabulary", "vahemärk"),
    QT_TRANSLATE_NOOP("Vocabulary", "number"),
    QT_TRANSLATE_NOOP("Vocabulary", "poolik sõna"),
    QT_TRANSLATE_NOOP("Vocabulary", "Personaal (pers)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Impersonaalne passiiv (ips)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Personaalne passiiv (pas)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Indikatiiv (ind)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Konditsionaal (knd)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Imperatiiv (imp)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Jussiiv (jus)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Kvotatiiv (kvt)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Potentsiaal (pot)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Preesens (pr)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Imperfekt (ipf)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Futuurum (fut)"),
    QT_TRANSLATE_NOOP("Vocabulary", "da-infinitiiv (inf)"),
    QT_TRANSLATE_NOOP("Vocabulary", "des-vorm (ger)"),
    QT_TRANSLATE_NOOP("Vocabulary", "ma-supiin (sup)"),
    QT_TRANSLATE_NOOP("Vocabulary", "tav-partitsiip (tav)"),
    QT_TRANSLATE_NOOP("Vocabulary", "nud-partitsiip (nud)"),
    QT_TRANSLATE_NOOP("Vocabulary", "tud-partitsiip (tud)"),
    QT_TRANSLATE_NOOP("Vocabulary", "v-partitsiip (vpts)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Singular (sg)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Pluural (pl)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Esimene isik (1)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Teine isik (2)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Kolmas isik (3)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Nominatiiv (nom)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Genitiiv (gen)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Daativ (dat)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Partitiiv (part)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Illatiiv (ill)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Inessiiv (in)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Elatiiv (el)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Allatiiv (all)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Adessiiv (ad)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Ablatiiv (abl)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Translatiiv (tr)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Terminatiiv (ter)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Essiiv (es)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Abessiiv (ab)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Komitatiiv (kom)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Instruktiiv (inst)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Instrumentaal (instl)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Debitiiv (deb)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Komparatiiv (cmp)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Superlatiiv (sprl)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Prefiks (prf)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Tegijanimi (ag)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Possessiivsufiks (poss)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Eituse märgend\nverbivormi lõpus (neg)"),
    QT_TRANSLATE_NOOP("Vocabulary", "Kliitik (cli)"),
};

}  // namespace

QString shownName(std::string_view name)
{
    if (name.empty())
        return {};
    const std::string text(name);
    return QCoreApplication::translate("Vocabulary", text.c_str());
}

ChoiceList partOfSpeechChoices(bool withAny)
{
    ChoiceList choices;
    for (int i = 0; i < kPartOfSpeechFormCount; ++i)
        choices.push_back({shownName(partOfSpeechName(i)), partOfSpeechCode(i)});
    if (withAny)
        choices.push_back({shownName(kAnyShown), kAnyValue});
    return choices;
}

ChoiceList styleChoicesWithAny()
{
    ChoiceList choices;
    for (int i = 0; i < kStyleFormCount; ++i)
        choices.push_back({shownName(styleText(i)), styleText(i)});
    choices.push_back({shownName(kAnyShown), kAnyValue});
    return choices;
}

ChoiceList reasonChoicesWithAny()
{
    ChoiceList choices;
    for (int i = 0; i < kReasonFormCount; ++i)
        choices.push_back({shownName(reasonText(i)), reasonText(i)});
    choices.push_back({shownName(kAnyShown), kAnyValue});
    return choices;
}

void fillCombo(QComboBox& combo, const ChoiceList& choices)
{
    combo.clear();
    for (const Choice& choice : choices)
        combo.addItem(choice.shown);
}

std::string chosenValue(const QComboBox& combo, const ChoiceList& choices)
{
    const int index = combo.currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= choices.size())
        return "-";
    return choices[static_cast<std::size_t>(index)].value;
}

void selectValue(QComboBox& combo, const ChoiceList& choices, const std::string& value)
{
    int index = 0;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].value == value) {
            index = static_cast<int>(i);
            break;
        }
    }
    combo.setCurrentIndex(index);
}

}  // namespace pelmora::gui
