<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="et">
<context>
    <name>AboutBox</name>
    <message>
        <source>Mis on Pelmora</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelmora arendajad, 2026</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPelmoraFormView</name>
    <message>
        <source>Märksõ&amp;na:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tähendus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sõna&amp;liik:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morf. &amp;vorm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vormiinfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;äti vaste:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inglise v&amp;aste:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;iil:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ei märgenda, sest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K&amp;ommentaar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loetud:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positsioon helifailis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>määramata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mängi lause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mängib lause helifailist; uuesti vajutades peatab (Ctrl+Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Jäta meelde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Näita järgmi&amp;st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vali, millist sõnet näidata järgmisena</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jäta &amp;meelde ja näita järgmist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ta&amp;gasi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La&amp;use kontroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Märksõna in&amp;fo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Näita kasutust ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Märksõna kasutus korpuses (Ctrl+K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa lause t&amp;õlge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asenda märgid tippimise ajal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormTagDialog</name>
    <message>
        <source>Vormiinfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisainfo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tühista kõik valikud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotesDialog</name>
    <message>
        <source>Märkmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otsi märksõna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Otsi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salvesta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ulge</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SentenceCheckDialog</name>
    <message>
        <source>Kontrolli märgendust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sulge (klõpsa siia või vajuta Enter või Esc)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Pelmora: seadistus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pelmorase soovitaja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kasuta ainult avatud faili</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kasuta tekstipõhist sõnastikku:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vali sõnastik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ära soovita</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa kõik uued sõnad sõnastikku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignoreeri järgmisi sõnalõppe:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Näita soovitusi ainult siis, kui sõne kohta pole veel vastavat infot sisestatud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ära soovita läti vasteid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ära soovita inglise vasteid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liivi keele abi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soovita morfoloogilist vormi sõnalõpu järgi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tamberlin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analüsaatori &amp;aadress:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analüsaatori &amp;fail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tühi: aadressil olev analüsaator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vali ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liivi keele analüsaatori (.hfstol) avaldab&lt;br&gt;GiellaLT projekt: &lt;a href=&quot;https://github.com/giellalt/lang-liv&quot;&gt;github.com/giellalt/lang-liv&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Helifailiga sidumine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisan lausetele alguspositsiooni helifailis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tõlked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisan lausetele tõlked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kontroll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Märkmed failist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vali fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Näita märksõnastatud lauseid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suured fondid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ära näita tekstiaknas vormingut </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Et font muutuks, pead programmi uuesti käivitama)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Näita tekstiaknas märgendatud sõnu &amp;hallina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Märgendatud sõned on tekstiaknas hallid, nii et märgendamata sõned paistavad silma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taastamine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Taastekoopia muudatustest iga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ei tee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Näita järgmisel programmi käivitamisel seda seadistusdialoogi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TranslationDialog</name>
    <message>
        <source>Lause tõlge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eesti keeles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inglise keeles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lä&amp;ti keeles:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::AudioPositionDialog</name>
    <message>
        <source>Helifailiga sidumine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lause algus helifailis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m&amp;in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::CombinationDialog</name>
    <message>
        <source>Ühend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sõnad:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Märksõna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tähendus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sõna&amp;liik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pakkumised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa kõik uued sõnad sõnastikku</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::DictionaryEditorDialog</name>
    <message>
        <source>Sõnastik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sõned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sõne:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Märksõna:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morf. &amp;vorm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koosta vormi märgend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eelmine (PageUp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Järgmine (PageDown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa väljade väärtused sõnastikku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kustuta näidatud kirje sõnastikust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mitmes kirje sama märksõna all ja mitu neid on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Otsi sõnet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otsi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lemmad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tähendus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sõna&amp;liik:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;äti:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inglise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Otsi märksõna:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ühendid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::DictionaryTableDialog</name>
    <message>
        <source>Sõnastiku tabel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Filtreeri:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sõnavormi algus (suurtähed ja märgid ei loe)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sõned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lemmad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ü&amp;hendid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Katkesta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lõpeta kasutuse lugemine</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::GoToIdentifierDialog</name>
    <message>
        <source>Otsi ID järgi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lause ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lause järjenumber tekstis, alates 1-st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sõne ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sõne järjenumber lauses, alates 1-st</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::GoToPageDialog</name>
    <message>
        <source>Mine leheküljele ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lk number:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::ImportFilesDialog</name>
    <message>
        <source>&amp;Vali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Väl&amp;jundfail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;ali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jaga laused lõpu&amp;märkide järgi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laused lõpevad ka rea sees punkti, küsi- ja hüüumärgi ning mõttepunktide järel (tekstile, kus iga lause pole eraldi real).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lü&amp;hendid, mis lauset ei lõpeta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tühikute või komadega eraldatud, nt „nt. jne. dr.“</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::LemmatisationDialog</name>
    <message>
        <source>Automaatne lemmatiseerimine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kasuta &amp;sõnastikku</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sõnastiku fai&amp;l:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vali sõnastik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kasuta &amp;Filosofti morfanalüsaatorit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mitme analüüsivõimaluse korral ära lisa midagi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teisendused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Õigekirja teisenduste loend</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::MergeSentencesDialog</name>
    <message>
        <source>Ühenda laused ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Praegune lause:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ü&amp;henda lausega:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Suulises tekstis
kõnelejaks jääb praeguse lause kõneleja</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::MergeTextsDialog</name>
    <message>
        <source>Tekstide ühendamine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Failid ühendamise järjekorras:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lisa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eemalda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ü&amp;les</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uue faili &amp;nimi:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vali fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leheküljenumbreid ei &amp;muudeta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leheküljenumbri ees teksti &amp;ID</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::MultiFileQueryDialog</name>
    <message>
        <source>Päring mitmest failist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failid, kust soovi&amp;d otsida:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lis&amp;a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Eemalda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa leitud s&amp;õnede ette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa leitud sõne info &amp;rea algusesse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa &amp;märgendus kõikidele sõnedele</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa täpne faili &amp;info iga rea algusesse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa &amp;XML märgendus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa faili algusesse &amp;BOM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V&amp;äljundfail:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vali &amp;fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sõne (1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sõne:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lemma:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tähendus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sõnalii&amp;k:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vorm:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vormi märgendi redaktor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K&amp;ommentaar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samas lausu&amp;ngis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mitte kau&amp;gemal kui</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sõnet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sõne (2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otsi ainult keele&amp;juhi tekstist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::PartOfWordDialog</name>
    <message>
        <source>Otsi ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Otsi märgijada:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;sõne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;märksõna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tä&amp;hendus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sõna&amp;liik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>morf. v&amp;orm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;märgendamata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>st&amp;iil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;inglise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;läti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;kommentaar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otsi kirje</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;algusest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lõ&amp;pust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k&amp;eskelt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Märgin leitud sõnad selle taustavärviga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vali muu värv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::ReplaceDialog</name>
    <message>
        <source>Asenda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otsi:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asenda:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lemma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tähendus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sõnaliik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vorm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vormiinfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;äti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Inglise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tähista asendatud infoga sõned selle taustavärviga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vali &amp;uus värv</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::SearchDialog</name>
    <message>
        <source>Otsi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;sõne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;märksõna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tä&amp;hendus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sõna&amp;liik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>morf. v&amp;orm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vormiinfo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;märgendamata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>st&amp;iil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;inglise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;läti</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;kommentaar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mä&amp;rgi leitud sõnad selle taustavärviga</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vali muu värv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;ne esimesele leitud sõnale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otsi praegusest asukohast &amp;ettepoole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otsi praegusest asukohast lõ&amp;pu poole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Otsi alates teksti &amp;algusest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::SimpleDictionaryDialog</name>
    <message>
        <source>Päring: Lihtne sõnastik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa sõnastikku:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ühendid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;näitelaused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Salvesta faili:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vali fail ...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::SpeakerDialog</name>
    <message>
        <source>Keelejuhi andmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keelejuht</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;ntervjueerija</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ni&amp;mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sugu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sünni&amp;aasta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vanus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sünni&amp;paik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Haridus</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::TextInfoDialog</name>
    <message>
        <source>Teksti andmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teksti tüüp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>suuli&amp;ne </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;kirjalik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;eema</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kül&amp;a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;ongituud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La&amp;tituud</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ki&amp;helkond</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K&amp;eel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mu&amp;rre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kirjaviis/
transkri&amp;ptsioon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lin&amp;distuse arhiiviviide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lindista&amp;ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lindistamisaas&amp;ta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heli&amp;fail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Litereerin&amp;gu arhiiviviide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Litereer&amp;ija</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Litereerimisaa&amp;sta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;utor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pealki&amp;ri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilmumisaa&amp;sta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ilmumiskoh&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muu inf&amp;o</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Vestluses osalejad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lisa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Muuda</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ku&amp;stuta</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>pelmora::gui::TransformationsDialog</name>
    <message>
        <source>Teisendused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Teisendused:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Milleks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Mis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi&amp;lleks:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lisa loendisse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Muuda valitud rida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pane väljade väärtused valitud rea asemele</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kustuta valitud rida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kustuta kõik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Üles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tõsta valitud rida üles (Ctrl+Üles)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alla</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tõsta valitud rida alla (Ctrl+Alla)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrapäratu kirjaviis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sisseehitatud loend (208 paari)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vana kirjaviis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sisseehitatud loend (28 paari)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loe failist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvesta faili</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loendis on tühik näidatud märgiga ␣ (sõna piir).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
