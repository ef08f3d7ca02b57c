<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="et">
<context>
    <name>AboutBox</name>
    <message>
        <source>Mis on Pelmora</source>
        <translation>About Pelmora</translation>
    </message>
    <message>
        <source>Pelmora arendajad, 2026</source>
        <translation>Pelmora developers, 2026</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Pelmora, versioon %1 </source>
        <translation>Pelmora, version %1 </translation>
    </message>
</context>
<context>
    <name>AnalyserCommands</name>
    <message>
        <source>Eelmärgendamiseks on vaja kohalikku analüsaatorit (.hfstol faili).
Kas valid selle soovitaja seadetes?</source>
        <translation>Pre-annotation needs a local analyser (an .hfstol file).
Do you want to choose it in the suggester settings?</translation>
    </message>
    <message>
        <source>Eelmärgendamine</source>
        <translation>Pre-annotation</translation>
    </message>
    <message>
        <source>Eelmärgendan: %1 / %2 sõnet</source>
        <translation>Pre-annotating: %1 / %2 tokens</translation>
    </message>
</context>
<context>
    <name>AudioPositionDialog</name>
    <message>
        <source>&amp;Määramata</source>
        <translation>&amp;Not set</translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>See funktsioon ei tööta veel õigesti
murdetekstidega ja liivi tekstidega
Ei soovita kasutada.

Kui seda on siiski vaja, anna teada
pelmora@example.org</source>
        <translation>This function does not yet work correctly
with dialect texts and Livonian texts.
We do not recommend using it.

If you need it all the same, let us know:
pelmora@example.org</translation>
    </message>
    <message>
        <source>Märkmete faili pole valitud.
Vali see: Töövahendid, Soovitaja seaded, Märkmed failist.</source>
        <translation>No notes file has been chosen.
Choose one: Tools, Suggester settings, Notes from file.</translation>
    </message>
    <message>
        <source>Tekstide ühendamine</source>
        <translation>Merging texts</translation>
    </message>
    <message>
        <source>Nupuriba</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>CPelmoraApp</name>
    <message>
        <source>Keel / Language</source>
        <translation>Language / Keel</translation>
    </message>
    <message>
        <source>Valitud keel tuleb kasutusele, kui Pelmora uuesti käivitada.</source>
        <translation>The chosen language takes effect when Pelmora is started again.</translation>
    </message>
</context>
<context>
    <name>CPelmoraFormView</name>
    <message>
        <source>Märksõ&amp;na:</source>
        <translation>&amp;Lemma:</translation>
    </message>
    <message>
        <source>&amp;Tähendus:</source>
        <translation>&amp;Meaning:</translation>
    </message>
    <message>
        <source>Sõna&amp;liik:</source>
        <translation>&amp;Part of speech:</translation>
    </message>
    <message>
        <source>Morf. &amp;vorm:</source>
        <translation>&amp;Form tag:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Vormiinfo</source>
        <translation>Form tag</translation>
    </message>
    <message>
        <source>L&amp;äti vaste:</source>
        <translation>La&amp;tvian equivalent:</translation>
    </message>
    <message>
        <source>Inglise v&amp;aste:</source>
        <translation>En&amp;glish equivalent:</translation>
    </message>
    <message>
        <source>St&amp;iil:</source>
        <translation>St&amp;yle:</translation>
    </message>
    <message>
        <source>&amp;Ei märgenda, sest:</source>
        <translation>&amp;Not annotated because:</translation>
    </message>
    <message>
        <source>K&amp;ommentaar:</source>
        <translation>&amp;Comment:</translation>
    </message>
    <message>
        <source>Loetud:</source>
        <translation>Read:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Positsioon helifailis:</source>
        <translation>Position in the audio file:</translation>
    </message>
    <message>
        <source>määramata</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>Mängi lause</source>
        <translation>Play sentence</translation>
    </message>
    <message>
        <source>Mängib lause helifailist; uuesti vajutades peatab (Ctrl+Space)</source>
        <translation>Plays the sentence from the audio file; pressing again stops it (Ctrl+Space)</translation>
    </message>
    <message>
        <source>&amp;Jäta meelde</source>
        <translation>&amp;Remember</translation>
    </message>
    <message>
        <source>Näita järgmi&amp;st</source>
        <translation>Show ne&amp;xt</translation>
    </message>
    <message>
        <source>Vali, millist sõnet näidata järgmisena</source>
        <translation>Choose which token to show next</translation>
    </message>
    <message>
        <source>Jäta &amp;meelde ja näita järgmist</source>
        <translation>Remember an&amp;d show next</translation>
    </message>
    <message>
        <source>Ta&amp;gasi</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>La&amp;use kontroll</source>
        <translation>&amp;Sentence check</translation>
    </message>
    <message>
        <source>Märksõna in&amp;fo</source>
        <translation>Lemma &amp;info</translation>
    </message>
    <message>
        <source>Näita kasutust ...</source>
        <translation>Show usage ...</translation>
    </message>
    <message>
        <source>Märksõna kasutus korpuses (Ctrl+K)</source>
        <translation>The lemma&apos;s usage in the corpus (Ctrl+K)</translation>
    </message>
    <message>
        <source>Lisa lause t&amp;õlge</source>
        <translation>Add sentence transl&amp;ation</translation>
    </message>
    <message>
        <source>Asenda märgid tippimise ajal</source>
        <translation>Replace characters while typing</translation>
    </message>
</context>
<context>
    <name>CTextView</name>
    <message>
        <source>Kustuta ühend	</source>
        <translation>Delete combination	</translation>
    </message>
    <message>
        <source>Näita ühendi kasutust ...	</source>
        <translation>Show the combination&apos;s usage ...	</translation>
    </message>
</context>
<context>
    <name>CombinationDialog</name>
    <message>
        <source>   (sõnastik)</source>
        <translation>   (dictionary)</translation>
    </message>
    <message>
        <source>   (tekst)</source>
        <translation>   (text)</translation>
    </message>
    <message>
        <source>Loobu</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Command</name>
    <message>
        <source>&amp;Ava ...	Ctrl+O</source>
        <translation>&amp;Open ...	Ctrl+O</translation>
    </message>
    <message>
        <source>Ava tekst</source>
        <translation>Open a text</translation>
    </message>
    <message>
        <source>&amp;Impordi tekst ...</source>
        <translation>&amp;Import text ...</translation>
    </message>
    <message>
        <source>Impordi tekst</source>
        <translation>Import a text</translation>
    </message>
    <message>
        <source>Impordi vana &amp;murdekorpuse tekst ...</source>
        <translation>Import an old dia&amp;lect corpus text ...</translation>
    </message>
    <message>
        <source>Impordi vo&amp;rmingust ...</source>
        <translation>Import from a &amp;format ...</translation>
    </message>
    <message>
        <source>&amp;Salvesta	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>Salvesta tekst</source>
        <translation>Save the text</translation>
    </message>
    <message>
        <source>Salvesta &amp;koopia ...</source>
        <translation>Save a &amp;copy ...</translation>
    </message>
    <message>
        <source>&amp;Ekspordi tekst ...</source>
        <translation>&amp;Export text ...</translation>
    </message>
    <message>
        <source>Ekspordi &amp;vormingusse ...</source>
        <translation>Export to a fo&amp;rmat ...</translation>
    </message>
    <message>
        <source>Ü&amp;henda tekstid ...</source>
        <translation>&amp;Merge texts ...</translation>
    </message>
    <message>
        <source>Teksti in&amp;fo ...</source>
        <translation>Text i&amp;nfo ...</translation>
    </message>
    <message>
        <source>Lemmatiseeri aut&amp;omaatselt ...</source>
        <translation>Lemmatise a&amp;utomatically ...</translation>
    </message>
    <message>
        <source>Lemmatiseeri automaatselt</source>
        <translation>Lemmatise automatically</translation>
    </message>
    <message>
        <source>Eelmär&amp;genda analüsaatoriga ...</source>
        <translation>Pre-annotate with the &amp;analyser ...</translation>
    </message>
    <message>
        <source>&amp;Lisa avatud teksti sõned sõnastikku ...</source>
        <translation>Add the open text&apos;s tokens to the &amp;dictionary ...</translation>
    </message>
    <message>
        <source>Lisa avatud teksti sõned sõnastikku</source>
        <translation>Add the open text&apos;s tokens to the dictionary</translation>
    </message>
    <message>
        <source>P&amp;uhkaks vahepeal</source>
        <translation>Take a &amp;break</translation>
    </message>
    <message>
        <source>&amp;Otsi ...</source>
        <translation>&amp;Find ...</translation>
    </message>
    <message>
        <source>Otsi</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Otsi &amp;järgmine	F3</source>
        <translation>Find &amp;next	F3</translation>
    </message>
    <message>
        <source>&amp;Sõnaosa otsing ...</source>
        <translation>&amp;Part-of-word search ...</translation>
    </message>
    <message>
        <source>&amp;Asenda ...</source>
        <translation>&amp;Replace ...</translation>
    </message>
    <message>
        <source>Otsi vi&amp;gu ...</source>
        <translation>Find suspected &amp;errors ...</translation>
    </message>
    <message>
        <source>Otsi a&amp;utomaatselt muudetud kirjed</source>
        <translation>Find a&amp;utomatically changed entries</translation>
    </message>
    <message>
        <source>&amp;Kustusta failist automaatsete muutuste märgendid</source>
        <translation>Re&amp;move the automatic change marks from the file</translation>
    </message>
    <message>
        <source>&amp;Tühista senised otsingud</source>
        <translation>&amp;Clear the previous searches</translation>
    </message>
    <message>
        <source>Jäta meelde &amp;praegune asukoht</source>
        <translation>Remember the current &amp;location</translation>
    </message>
    <message>
        <source>&amp;Mine meelde jäetud kohta</source>
        <translation>&amp;Go to the remembered location</translation>
    </message>
    <message>
        <source>Mine &amp;leheküljele ...</source>
        <translation>Go to p&amp;age ...</translation>
    </message>
    <message>
        <source>Otsi I&amp;D ...</source>
        <translation>Find I&amp;D ...</translation>
    </message>
    <message>
        <source>Jä&amp;rgmine värviga märgitud sõna</source>
        <translation>Ne&amp;xt colour-marked word</translation>
    </message>
    <message>
        <source>&amp;Eelmine värviga märgitud sõna</source>
        <translation>Pre&amp;vious colour-marked word</translation>
    </message>
    <message>
        <source>&amp;Lihtne sõnastik ...</source>
        <translation>&amp;Simple dictionary ...</translation>
    </message>
    <message>
        <source>&amp;Statistika</source>
        <translation>S&amp;tatistics</translation>
    </message>
    <message>
        <source>&amp;Päring mitmest failist</source>
        <translation>&amp;Query over many files</translation>
    </message>
    <message>
        <source>Näita kasutust ...	Ctrl+K</source>
        <translation>Show usage ...	Ctrl+K</translation>
    </message>
    <message>
        <source>&amp;Korpuse ülevaade	Ctrl+Shift+O</source>
        <translation>&amp;Corpus overview	Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Soovitaja seaded ...</source>
        <translation>&amp;Suggester settings ...</translation>
    </message>
    <message>
        <source>Soovitaja seaded</source>
        <translation>Suggester settings</translation>
    </message>
    <message>
        <source>&amp;Redigeeri sõnastikku ...</source>
        <translation>&amp;Edit the dictionary ...</translation>
    </message>
    <message>
        <source>Redigeeri sõnastikku</source>
        <translation>Edit the dictionary</translation>
    </message>
    <message>
        <source>Sõnastiku ta&amp;bel</source>
        <translation>Dictionary ta&amp;ble</translation>
    </message>
    <message>
        <source>&amp;Ekspordi sõnastik ...</source>
        <translation>E&amp;xport the dictionary ...</translation>
    </message>
    <message>
        <source>Sõnastiku &amp;analüüs</source>
        <translation>Dictionary &amp;analysis</translation>
    </message>
    <message>
        <source>&amp;Teisendused ...</source>
        <translation>&amp;Transformations ...</translation>
    </message>
    <message>
        <source>&amp;Normaliseeri tekstis tähed (NFC)</source>
        <translation>&amp;Normalise the letters in the text (NFC)</translation>
    </message>
    <message>
        <source>&amp;Võta tagasi	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>Võta tagasi</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>T&amp;ee uuesti	Ctrl+Y</source>
        <translation>&amp;Redo	Ctrl+Y</translation>
    </message>
    <message>
        <source>Tee uuesti</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Lõika	Ctrl+X</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>Lõika</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>&amp;Kopeeri	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>Kopeeri</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>&amp;Pista	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>Pista</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Kopeeri &amp;sõne	Ctrl+W</source>
        <translation>Copy to&amp;ken	Ctrl+W</translation>
    </message>
    <message>
        <source>&amp;Muuda sõnet ...</source>
        <translation>&amp;Modify token ...</translation>
    </message>
    <message>
        <source>K&amp;ustuta sõne</source>
        <translation>&amp;Delete token</translation>
    </message>
    <message>
        <source>L&amp;isa sõne ...</source>
        <translation>&amp;Add token ...</translation>
    </message>
    <message>
        <source>Ü&amp;henda laused ...	Ctrl+M</source>
        <translation>Mer&amp;ge sentences ...	Ctrl+M</translation>
    </message>
    <message>
        <source>&amp;Tükelda lause	Ctrl+D</source>
        <translation>&amp;Split sentence	Ctrl+D</translation>
    </message>
    <message>
        <source>Lause algus heli&amp;failis ...	Ctrl+F</source>
        <translation>Sentence start in the audio &amp;file ...	Ctrl+F</translation>
    </message>
    <message>
        <source>Mä&amp;ngi lause	Ctrl+Space</source>
        <translation>P&amp;lay sentence	Ctrl+Space</translation>
    </message>
    <message>
        <source>&amp;Nupuriba</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Mis on Pelmora...</source>
        <translation>&amp;About Pelmora...</translation>
    </message>
    <message>
        <source>Mis on Pelmora</source>
        <translation>About Pelmora</translation>
    </message>
    <message>
        <source>Uus</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Prindi</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Prindi tekst</source>
        <translation>Print the text</translation>
    </message>
    <message>
        <source>Otsib sõneID</source>
        <translation>Finds a token ID</translation>
    </message>
    <message>
        <source>Otsib sõneID (lõikelaual olev sõne ID)</source>
        <translation>Finds a token ID (the token ID on the clipboard)</translation>
    </message>
    <message>
        <source>Kopeeri lause</source>
        <translation>Copy sentence</translation>
    </message>
    <message>
        <source>Näita kasutust ...</source>
        <translation>Show usage ...</translation>
    </message>
    <message>
        <source>Esimene sõne</source>
        <translation>First token</translation>
    </message>
    <message>
        <source>Viimane sõne</source>
        <translation>Last token</translation>
    </message>
    <message>
        <source>Järgmine sõne</source>
        <translation>Next token</translation>
    </message>
    <message>
        <source>Eelmine sõne</source>
        <translation>Previous token</translation>
    </message>
    <message>
        <source>Järgmine lause</source>
        <translation>Next sentence</translation>
    </message>
    <message>
        <source>Eelmine lause</source>
        <translation>Previous sentence</translation>
    </message>
    <message>
        <source>Järgmine paan</source>
        <translation>Next pane</translation>
    </message>
    <message>
        <source>Eelmine paan</source>
        <translation>Previous pane</translation>
    </message>
    <message>
        <source>1. ühendi täiendsõna</source>
        <translation>1st modifier of a combination</translation>
    </message>
    <message>
        <source>&amp;Tekst</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>&amp;Otsing</source>
        <translation>&amp;Search</translation>
    </message>
    <message>
        <source>&amp;Päringud</source>
        <translation>&amp;Queries</translation>
    </message>
    <message>
        <source>Töö&amp;vahendid</source>
        <translation>T&amp;ools</translation>
    </message>
    <message>
        <source>&amp;Redaktor</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Aken</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>&amp;Info</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Kopeeri sõne</source>
        <translation>Copy token</translation>
    </message>
    <message>
        <source>Muuda sõnet ...</source>
        <translation>Modify token ...</translation>
    </message>
    <message>
        <source>Kustuta sõne</source>
        <translation>Delete token</translation>
    </message>
    <message>
        <source>Lisa sõne ...</source>
        <translation>Add token ...</translation>
    </message>
    <message>
        <source>Ühenda laused</source>
        <translation>Merge sentences</translation>
    </message>
    <message>
        <source>Tükelda lause</source>
        <translation>Split sentence</translation>
    </message>
</context>
<context>
    <name>ConcordanceDock</name>
    <message>
        <source>Vasak kontekst</source>
        <translation>Left context</translation>
    </message>
    <message>
        <source>Sõne</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>Parem kontekst</source>
        <translation>Right context</translation>
    </message>
    <message>
        <source>Lemma</source>
        <translation>Lemma</translation>
    </message>
    <message>
        <source>Vorm</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Lause</source>
        <translation>Sentence</translation>
    </message>
    <message>
        <source>Lehekülg</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Kasutus</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>Failid:</source>
        <translation>Files:</translation>
    </message>
    <message>
        <source>Vali k&amp;aust ...</source>
        <translation>Choose a f&amp;older ...</translation>
    </message>
    <message>
        <source>Vali faili&amp;d ...</source>
        <translation>Choose fi&amp;les ...</translation>
    </message>
    <message>
        <source>&amp;Praeguse teksti kaust</source>
        <translation>The current &amp;text&apos;s folder</translation>
    </message>
    <message>
        <source>Filt&amp;reeri:</source>
        <translation>Filt&amp;er:</translation>
    </message>
    <message>
        <source>näita ridu, kus see tekst esineb</source>
        <translation>show the lines where this text occurs</translation>
    </message>
    <message>
        <source>%v / %m faili</source>
        <translation>%v / %m files</translation>
    </message>
    <message>
        <source>&amp;Katkesta</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Lemma: %1</source>
        <translation>Lemma: %1</translation>
    </message>
    <message>
        <source>Ühend: %1</source>
        <translation>Combination: %1</translation>
    </message>
    <message>
        <source>Sõnaliik: %1</source>
        <translation>Part of speech: %1</translation>
    </message>
    <message>
        <source>Sõnavorm: %1</source>
        <translation>Word form: %1</translation>
    </message>
    <message>
        <source>Vali kaust</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Vali failid</source>
        <translation>Choose files</translation>
    </message>
    <message>
        <source>XML-failid (*.xml)</source>
        <translation>XML files (*.xml)</translation>
    </message>
    <message>
        <source>(avatud teksti kaust)</source>
        <translation>(the open text&apos;s folder)</translation>
    </message>
    <message>
        <source>  (avatud teksti kaust)</source>
        <translation>  (the open text&apos;s folder)</translation>
    </message>
    <message>
        <source>Leitud %1 rida</source>
        <translation>Found %1 lines</translation>
    </message>
    <message>
        <source>Näitan %1 rida %2-st</source>
        <translation>Showing %1 of %2 lines</translation>
    </message>
    <message>
        <source> (katkestatud)</source>
        <translation> (stopped)</translation>
    </message>
    <message>
        <source>Faile pole: vali kaust või failid</source>
        <translation>No files: choose a folder or files</translation>
    </message>
    <message numerus="yes">
        <source>, vahele jäetud %n faili</source>
        <translation>
            <numerusform>, %n file skipped</numerusform>
            <numerusform>, %n files skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DictionaryCommands</name>
    <message>
        <source>Lisan sõned sõnastikku: %1 / %2 kirjet</source>
        <translation>Adding tokens to the dictionary: %1 / %2 entries</translation>
    </message>
    <message>
        <source>Ekspordi sõnastik</source>
        <translation>Export the dictionary</translation>
    </message>
    <message>
        <source>Tekstifailid (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Tekstide ühendamine</source>
        <translation>Merging texts</translation>
    </message>
    <message>
        <source>Seda funktsiooni veel pole, sry.</source>
        <translation>This function does not exist yet, sorry.</translation>
    </message>
    <message>
        <source>Lemmatiseerin: %1 / %2 sõnet</source>
        <translation>Lemmatising: %1 / %2 tokens</translation>
    </message>
</context>
<context>
    <name>DictionaryEditorDialog</name>
    <message>
        <source>Lõpeta</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Näita &amp;kasutust ...</source>
        <translation>Show &amp;usage ...</translation>
    </message>
    <message>
        <source>LI&amp;FT</source>
        <translation>LI&amp;FT</translation>
    </message>
    <message>
        <source>Sõnastik LIFT-vormingus teistele programmidele ja neilt</source>
        <translation>The dictionary in the LIFT format, to and from other programs</translation>
    </message>
    <message>
        <source>&amp;Ekspordi LIFT-vormingusse ...</source>
        <translation>&amp;Export to LIFT ...</translation>
    </message>
    <message>
        <source>&amp;Impordi LIFT-vormingust ...</source>
        <translation>&amp;Import from LIFT ...</translation>
    </message>
</context>
<context>
    <name>DictionaryTableDialog</name>
    <message>
        <source>Sulge</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 kirjet, näha %2</source>
        <translation>%1 entries, %2 shown</translation>
    </message>
    <message>
        <source> · kasutuse lugemiseks pole korpuse faile</source>
        <translation> · no corpus files to read the usage from</translation>
    </message>
    <message>
        <source> · loen kasutust failidest</source>
        <translation> · reading the usage from the files</translation>
    </message>
    <message>
        <source> · kasutuse lugemine katkestati</source>
        <translation> · reading the usage was stopped</translation>
    </message>
    <message>
        <source> · kasutus %1 failist, %2 sõnet</source>
        <translation> · usage from %1 files, %2 tokens</translation>
    </message>
    <message numerus="yes">
        <source>, %n faili jäi vahele</source>
        <translation>
            <numerusform>, %n file skipped</numerusform>
            <numerusform>, %n files skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DictionaryTableModel</name>
    <message>
        <source>Sõne</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>Märksõna</source>
        <translation>Lemma</translation>
    </message>
    <message>
        <source>Morf. vorm</source>
        <translation>Form tag</translation>
    </message>
    <message>
        <source>Kaal</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Kasutus</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>Tähendus</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>Sõnaliik</source>
        <translation>Part of speech</translation>
    </message>
    <message>
        <source>Läti</source>
        <translation>Latvian</translation>
    </message>
    <message>
        <source>Inglise</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>EditingCommands</name>
    <message>
        <source>Sisesta faili nimi</source>
        <translation>Enter the file&apos;s name</translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Faili import</source>
        <translation>File import</translation>
    </message>
    <message>
        <source>märki</source>
        <translation>characters</translation>
    </message>
    <message>
        <source>Murdekorpuse import</source>
        <translation>Dialect corpus import</translation>
    </message>
    <message>
        <source>lõiku</source>
        <translation>paragraphs</translation>
    </message>
</context>
<context>
    <name>ExchangeCommands</name>
    <message>
        <source>Ekspordi vormingusse</source>
        <translation>Export to a format</translation>
    </message>
    <message>
        <source>Impordi vormingust</source>
        <translation>Import from a format</translation>
    </message>
    <message>
        <source>Vigane fail %1.
</source>
        <translation>Faulty file %1.
</translation>
    </message>
    <message>
        <source>Salvesta imporditud tekst</source>
        <translation>Save the imported text</translation>
    </message>
    <message>
        <source>Ekspordi LIFT-vormingusse</source>
        <translation>Export to LIFT</translation>
    </message>
    <message>
        <source>Impordi LIFT-vormingust</source>
        <translation>Import from LIFT</translation>
    </message>
    <message>
        <source>Faili %1 vormingut ei tunne.
Tuntud laiendid: .conllu, .flextext, .eaf.</source>
        <translation>The format of the file %1 is not known.
Known extensions: .conllu, .flextext, .eaf.</translation>
    </message>
    <message>
        <source>Eksporditud faili %1.</source>
        <translation>Exported to %1.</translation>
    </message>
</context>
<context>
    <name>ExchangeImportDialog</name>
    <message>
        <source>Import jätab välja:</source>
        <translation>The import leaves out:</translation>
    </message>
    <message>
        <source>Impordi vormingust</source>
        <translation>Import from a format</translation>
    </message>
    <message>
        <source>Fail: %1 (%2)</source>
        <translation>File: %1 (%2)</translation>
    </message>
    <message>
        <source>&amp;Transkriptsiooni kiht:</source>
        <translation>&amp;Transcription tier:</translation>
    </message>
    <message>
        <source>Te&amp;kst:</source>
        <translation>Te&amp;xt:</translation>
    </message>
    <message>
        <source>Tekst</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Laused</source>
        <translation>Sentences</translation>
    </message>
    <message>
        <source>Sõned</source>
        <translation>Tokens</translation>
    </message>
    <message>
        <source>Märgendatud sõned</source>
        <translation>Annotated tokens</translation>
    </message>
    <message>
        <source>&amp;Sisu:</source>
        <translation>C&amp;ontents:</translation>
    </message>
    <message>
        <source>&amp;Välja jääb:</source>
        <translation>&amp;Left out:</translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Impordi</source>
        <translation>&amp;Import</translation>
    </message>
    <message>
        <source>Faili ei saa selle kihiga lugeda:
%1</source>
        <translation>The file cannot be read with this tier:
%1</translation>
    </message>
    <message>
        <source>Midagi ei jää välja.</source>
        <translation>Nothing is left out.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Nimetu</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Kas salvestada muudatused failis %1?</source>
        <translation>Save the changes in the file %1?</translation>
    </message>
    <message>
        <source>Ava</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Salvesta koopia</source>
        <translation>Save a copy</translation>
    </message>
    <message>
        <source>XML-failid (*.xml);;Kõik failid (*)</source>
        <translation>XML files (*.xml);;All files (*)</translation>
    </message>
    <message>
        <source>Viga</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Salvesta koopia &amp;mujale ...</source>
        <translation>Save a copy &amp;elsewhere ...</translation>
    </message>
    <message>
        <source>&amp;Sulge</source>
        <translation>C&amp;lose</translation>
    </message>
</context>
<context>
    <name>FileListField</name>
    <message>
        <source>Fail %s
on juba loendis või uue faili lahtris.</source>
        <translation>The file %s
is already in the list or in the new file&apos;s field.</translation>
    </message>
    <message>
        <source>Fail %s
on loendis olemas.
Vali mõni muu fail.</source>
        <translation>The file %s
is in the list.
Choose another file.</translation>
    </message>
    <message>
        <source>Vali failid</source>
        <translation>Choose files</translation>
    </message>
</context>
<context>
    <name>FileRequest</name>
    <message>
        <source>XML-failid (*.xml)</source>
        <translation>XML files (*.xml)</translation>
    </message>
</context>
<context>
    <name>FormTagDialog</name>
    <message>
        <source>Vormiinfo</source>
        <translation>Form tag</translation>
    </message>
    <message>
        <source>Lisainfo:</source>
        <translation>Extra information:</translation>
    </message>
    <message>
        <source>Tühista kõik valikud</source>
        <translation>Clear all choices</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Kääne</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>Arv</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Võrre</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Isik</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Aeg</source>
        <translation>Tense</translation>
    </message>
    <message>
        <source>Kõneviis</source>
        <translation>Mood</translation>
    </message>
    <message>
        <source>Tegumood</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>Käändeline vorm</source>
        <translation>Non-finite form</translation>
    </message>
</context>
<context>
    <name>ImportFilesDialog</name>
    <message>
        <source>Faili import</source>
        <translation>File import</translation>
    </message>
    <message>
        <source>&amp;Sisendfail</source>
        <translation>&amp;Input file</translation>
    </message>
    <message>
        <source>Murdekorpuse import</source>
        <translation>Dialect corpus import</translation>
    </message>
    <message>
        <source>&amp;Impordi fail (ISO-8859-1, XML)</source>
        <translation>&amp;Import file (ISO-8859-1, XML)</translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Vali sisendfail</source>
        <translation>Choose the input file</translation>
    </message>
    <message>
        <source>Tekstifailid (*.txt);;Kõik failid (*)</source>
        <translation>Text files (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Vali väljundfail</source>
        <translation>Choose the output file</translation>
    </message>
    <message>
        <source>Tekstifailid (*.xml);;Kõik failid (*)</source>
        <translation>Text files (*.xml);;All files (*)</translation>
    </message>
</context>
<context>
    <name>InconsistencyCommands</name>
    <message>
        <source>Ebakõlad</source>
        <translation>Inconsistencies</translation>
    </message>
    <message>
        <source>Lemmata analüüsi ei saa rakendada.</source>
        <translation>An analysis without a lemma cannot be applied.</translation>
    </message>
    <message>
        <source>Loen faile: %1 / %2</source>
        <translation>Reading files: %1 / %2</translation>
    </message>
    <message>
        <source>

Vahele jäetakse:
</source>
        <translation>

To be skipped:
</translation>
    </message>
    <message>
        <source>Valitud sõnedel on see analüüs juba olemas.</source>
        <translation>The selected tokens already have this analysis.</translation>
    </message>
    <message>
        <source>Rakendan analüüsi „%1“ %2 sõnele %3 failis.%4

Kas jätkan?</source>
        <translation>Applying the analysis “%1” to %2 tokens in %3 files.%4

Continue?</translation>
    </message>
    <message>
        <source>Rakendan analüüsi: %1 / %2 faili</source>
        <translation>Applying the analysis: %1 / %2 files</translation>
    </message>
    <message>
        <source>Muudetud %1 sõnet %2 failis.</source>
        <translation>Changed %1 tokens in %2 files.</translation>
    </message>
    <message>
        <source>
Avatud tekstis %1 sõnet (salvestamata, Võta tagasi taastab).</source>
        <translation>
In the open text: %1 tokens (not saved; Undo restores them).</translation>
    </message>
    <message>
        <source>
Katkestatud: ülejäänud faile ei muudetud.</source>
        <translation>
Stopped: the remaining files were not changed.</translation>
    </message>
    <message>
        <source>

Vahele jäetud:
</source>
        <translation>

Skipped:
</translation>
    </message>
</context>
<context>
    <name>InconsistencyModel</name>
    <message>
        <source>Eri analüüsid</source>
        <translation>Different analyses</translation>
    </message>
    <message>
        <source>Sõnastikus pole</source>
        <translation>Not in the dictionary</translation>
    </message>
    <message>
        <source>Ühendis</source>
        <translation>In a combination</translation>
    </message>
    <message>
        <source>(lemmata)</source>
        <translation>(no lemma)</translation>
    </message>
    <message>
        <source> sõnastikus</source>
        <translation> in the dictionary</translation>
    </message>
    <message>
        <source>%1 (ühendis „%2“)</source>
        <translation>%1 (in the combination “%2”)</translation>
    </message>
    <message>
        <source>Liik</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Sõnavorm</source>
        <translation>Word form</translation>
    </message>
    <message>
        <source>Sõnesid</source>
        <translation>Tokens</translation>
    </message>
    <message>
        <source>Analüüsid</source>
        <translation>Analyses</translation>
    </message>
</context>
<context>
    <name>InconsistencyView</name>
    <message>
        <source>Rü&amp;hmad:</source>
        <translation>&amp;Groups:</translation>
    </message>
    <message>
        <source>Kõik rühmad</source>
        <translation>All groups</translation>
    </message>
    <message>
        <source>&amp;Näita:</source>
        <translation>Sho&amp;w:</translation>
    </message>
    <message>
        <source>Vali analüüs, mis antakse valitud esinemistele</source>
        <translation>Choose the analysis to give the selected occurrences</translation>
    </message>
    <message>
        <source>Analü&amp;üsid:</source>
        <translation>A&amp;nalyses:</translation>
    </message>
    <message>
        <source>Topeltklõps või Enter avab teksti selle sõne juurest</source>
        <translation>Double-click or Enter opens the text at this token</translation>
    </message>
    <message>
        <source>Esine&amp;mised:</source>
        <translation>&amp;Occurrences:</translation>
    </message>
    <message>
        <source>Ra&amp;kenda valitutele</source>
        <translation>Appl&amp;y to selected</translation>
    </message>
    <message>
        <source>Annab valitud analüüsi valitud esinemistele (enne küsib kinnitust)</source>
        <translation>Gives the selected occurrences the chosen analysis (asks for confirmation first)</translation>
    </message>
    <message>
        <source>Lemma</source>
        <translation>Lemma</translation>
    </message>
    <message>
        <source>Vorm</source>
        <translation>Form tag</translation>
    </message>
    <message>
        <source>Liik</source>
        <translation>Part of speech</translation>
    </message>
    <message>
        <source>Sõnesid</source>
        <translation>Tokens</translation>
    </message>
    <message>
        <source>Osa</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Vasak kontekst</source>
        <translation>Left context</translation>
    </message>
    <message>
        <source>Sõne</source>
        <translation>Token</translation>
    </message>
    <message>
        <source>Parem kontekst</source>
        <translation>Right context</translation>
    </message>
    <message>
        <source>Analüüs</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>File</translation>
    </message>
    <message>
        <source>sõnastikus</source>
        <translation>in the dictionary</translation>
    </message>
    <message>
        <source>Loen ...</source>
        <translation>Reading ...</translation>
    </message>
    <message>
        <source>Ebakõlad leitakse ülevaate failidest</source>
        <translation>Inconsistencies are looked for in the overview&apos;s files</translation>
    </message>
    <message>
        <source>Loen faile ...</source>
        <translation>Reading files ...</translation>
    </message>
    <message>
        <source>Otsin ebakõlasid ...</source>
        <translation>Looking for inconsistencies ...</translation>
    </message>
    <message>
        <source>Ebakõlasid ei leitud</source>
        <translation>No inconsistencies found</translation>
    </message>
    <message>
        <source>%1 rühma, %2 sõnet</source>
        <translation>%1 groups, %2 tokens</translation>
    </message>
    <message>
        <source> (katkestatud)</source>
        <translation> (stopped)</translation>
    </message>
    <message numerus="yes">
        <source>vahele jäetud %n faili</source>
        <translation>
            <numerusform>%n file skipped</numerusform>
            <numerusform>%n files skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>IoCommands</name>
    <message>
        <source>Sõnu loetud: %1
Ühendeid loetud: %2
Sõnesid sõnastikus: %3
Lemmasid sõnastikus: %4
Ühendeid sõnastikus: %5</source>
        <translation>Words read: %1
Combinations read: %2
Tokens in the dictionary: %3
Lemmas in the dictionary: %4
Combinations in the dictionary: %5</translation>
    </message>
    <message>
        <source>Vali fail</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>Tekstifailid (*.txt)</source>
        <translation>Text files (*.txt)</translation>
    </message>
    <message>
        <source>Ekspordi tekst</source>
        <translation>Export the text</translation>
    </message>
    <message>
        <source>Lauseid: 0</source>
        <translation>Sentences: 0</translation>
    </message>
    <message>
        <source>Lauseid: %1/%2</source>
        <translation>Sentences: %1/%2</translation>
    </message>
    <message>
        <source>Leitud %1 rida
%2</source>
        <translation>Found %1 lines
%2</translation>
    </message>
    <message>
        <source>Päring ...</source>
        <translation>Query ...</translation>
    </message>
    <message>
        <source>Valmis</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Päring mitmest failist</source>
        <translation>Query over many files</translation>
    </message>
    <message>
        <source>Päring</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>Statistika</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Sõnesid: %1
Märksõnaga sõnesid: %2
(Ei arvestata kirjavahemärke ja numbreid)</source>
        <translation>Tokens: %1
Tokens with a lemma: %2
(Punctuation and numbers are not counted)</translation>
    </message>
    <message>
        <source>Ühendatud %1 faili %2-st</source>
        <translation>Merged %1 of %2 files</translation>
    </message>
    <message>
        <source>Tekstide ühendamine</source>
        <translation>Merging texts</translation>
    </message>
    <message>
        <source>&amp;Ava tulemus</source>
        <translation>&amp;Open the result</translation>
    </message>
</context>
<context>
    <name>LemmatisationDialog</name>
    <message>
        <source>Vali sõnastikufail</source>
        <translation>Choose the dictionary file</translation>
    </message>
</context>
<context>
    <name>LongRun</name>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>MergeSentencesDialog</name>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>MergeTextsDialog</name>
    <message>
        <source>Loobu</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vali ühendatud fail</source>
        <translation>Choose the merged file</translation>
    </message>
</context>
<context>
    <name>MultiFileQueryDialog</name>
    <message>
        <source>Otsi</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>S&amp;ulge</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Vali väljundfailfail</source>
        <translation>Choose the output file</translation>
    </message>
    <message>
        <source>Tekstifailid (*.txt);;XML-failid (*.xml);;Kõik failid (*)</source>
        <translation>Text files (*.txt);;XML files (*.xml);;All files (*)</translation>
    </message>
    <message>
        <source>Täpne vaste</source>
        <translation>Exact match</translation>
    </message>
    <message>
        <source>Alguses</source>
        <translation>At the start</translation>
    </message>
    <message>
        <source>Keskel</source>
        <translation>In the middle</translation>
    </message>
    <message>
        <source>Lõpus</source>
        <translation>At the end</translation>
    </message>
</context>
<context>
    <name>NotesDialog</name>
    <message>
        <source>Märkmed</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Otsi märksõna</source>
        <translation>Find a lemma</translation>
    </message>
    <message>
        <source>&amp;Otsi</source>
        <translation>&amp;Find</translation>
    </message>
    <message>
        <source>&amp;Salvesta</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>S&amp;ulge</source>
        <translation>C&amp;lose</translation>
    </message>
</context>
<context>
    <name>OverviewCharts</name>
    <message>
        <source>Tekstid</source>
        <translation>Texts</translation>
    </message>
    <message>
        <source>Sõnaliigid</source>
        <translation>Parts of speech</translation>
    </message>
    <message>
        <source>Märgendamata</source>
        <translation>Unannotated</translation>
    </message>
    <message>
        <source>(liik puudub)</source>
        <translation>(no part of speech)</translation>
    </message>
    <message>
        <source>Märgendatud osa tekstides (%)</source>
        <translation>Annotated share of the texts (%)</translation>
    </message>
    <message>
        <source>Märgendatud %</source>
        <translation>Annotated %</translation>
    </message>
    <message>
        <source>Märgendatud sõnede sõnaliigid</source>
        <translation>Parts of speech of the annotated tokens</translation>
    </message>
    <message>
        <source>Sõnesid</source>
        <translation>Tokens</translation>
    </message>
    <message>
        <source>%1 sagedasemat märgendamata sõnavormi</source>
        <translation>The %1 most frequent unannotated word forms</translation>
    </message>
    <message>
        <source> – andmeid pole</source>
        <translation> – no data</translation>
    </message>
</context>
<context>
    <name>OverviewCommands</name>
    <message>
        <source>Märgendatud %1/%2 (%3)</source>
        <translation>Annotated %1/%2 (%3)</translation>
    </message>
    <message>
        <source>Märgendatud sõned märgendamist vajavatest avatud tekstis</source>
        <translation>Annotated tokens of those needing annotation in the open text</translation>
    </message>
</context>
<context>
    <name>OverviewDock</name>
    <message>
        <source>Korpuse ülevaade</source>
        <translation>Corpus overview</translation>
    </message>
    <message>
        <source>Failid:</source>
        <translation>Files:</translation>
    </message>
    <message>
        <source>Loe uuesti failid, mis on pärast viimast lugemist muutunud (F5)</source>
        <translation>Read again the files changed since the last reading (F5)</translation>
    </message>
    <message>
        <source>%v / %m faili</source>
        <translation>%v / %m files</translation>
    </message>
    <message>
        <source>Vali kaust</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>Vali failid</source>
        <translation>Choose files</translation>
    </message>
    <message>
        <source>(avatud teksti kaust)</source>
        <translation>(the open text&apos;s folder)</translation>
    </message>
    <message>
        <source>  (avatud teksti kaust)</source>
        <translation>  (the open text&apos;s folder)</translation>
    </message>
    <message>
        <source>%1 teksti, märgendatud %2/%3 (%4)</source>
        <translation>%1 texts, annotated %2/%3 (%4)</translation>
    </message>
    <message>
        <source> (katkestatud)</source>
        <translation> (stopped)</translation>
    </message>
    <message>
        <source>Faile pole: vali kaust või failid</source>
        <translation>No files: choose a folder or files</translation>
    </message>
    <message>
        <source>Salvesta tabel</source>
        <translation>Save the table</translation>
    </message>
    <message>
        <source>TSV-failid (*.tsv)</source>
        <translation>TSV files (*.tsv)</translation>
    </message>
    <message>
        <source>Faili %1 ei saanud kirjutada.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>Salvesta joonis</source>
        <translation>Save the chart</translation>
    </message>
    <message>
        <source>PNG-pildid (*.png);;SVG-joonised (*.svg);;Joonise arvud TSV-failina (*.tsv)</source>
        <translation>PNG images (*.png);;SVG drawings (*.svg);;The chart&apos;s figures as a TSV file (*.tsv)</translation>
    </message>
    <message>
        <source>Teksti&amp;d</source>
        <translation>Te&amp;xts</translation>
    </message>
    <message>
        <source>E&amp;bakõlad</source>
        <translation>&amp;Inconsistencies</translation>
    </message>
    <message>
        <source>Vali ka&amp;ust ...</source>
        <translation>Choose fol&amp;der ...</translation>
    </message>
    <message>
        <source>Vali &amp;failid ...</source>
        <translation>Choose &amp;files ...</translation>
    </message>
    <message>
        <source>Prae&amp;guse teksti kaust</source>
        <translation>C&amp;urrent text&apos;s folder</translation>
    </message>
    <message>
        <source>&amp;Loe uuesti</source>
        <translation>&amp;Read again</translation>
    </message>
    <message>
        <source>Katke&amp;sta</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Kopeeri tab&amp;el</source>
        <translation>Copy t&amp;able</translation>
    </message>
    <message>
        <source>Sal&amp;vesta tabel ...</source>
        <translation>Sa&amp;ve table ...</translation>
    </message>
    <message>
        <source>Kopeeri &amp;joonis</source>
        <translation>Copy c&amp;hart</translation>
    </message>
    <message>
        <source>Salvesta j&amp;oonis ...</source>
        <translation>Save char&amp;t ...</translation>
    </message>
    <message numerus="yes">
        <source>, vahele jäetud %n faili</source>
        <translation>
            <numerusform>, %n file skipped</numerusform>
            <numerusform>, %n files skipped</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OverviewModel</name>
    <message>
        <source>Fail</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Teksti ID</source>
        <translation>Text ID</translation>
    </message>
    <message>
        <source>Tüüp</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Keelejuhid</source>
        <translation>Speakers</translation>
    </message>
    <message>
        <source>Sõnesid</source>
        <translation>Tokens</translation>
    </message>
    <message>
        <source>Märgendada</source>
        <translation>To annotate</translation>
    </message>
    <message>
        <source>Märgendatud</source>
        <translation>Annotated</translation>
    </message>
    <message>
        <source>Osa</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Muudetud</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>
(avatud tekst, salvestamata muudatustega)</source>
        <translation>
(the open text, with unsaved changes)</translation>
    </message>
    <message numerus="yes">
        <source>Kokku (%n teksti)</source>
        <translation>
            <numerusform>Total (%n text)</numerusform>
            <numerusform>Total (%n texts)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PelmoraFormView</name>
    <message>
        <source>Vormi muudetakse vormiinfo aknas: nupp „...“, Enter või kirjutamine</source>
        <translation>The form tag is changed in the form tag window: the “...” button, Enter or typing</translation>
    </message>
    <message>
        <source>Seda sõnet ei märgendata: </source>
        <translation>This token is not annotated: </translation>
    </message>
</context>
<context>
    <name>PreannotationDialog</name>
    <message>
        <source>Eelmärgenda analüsaatoriga</source>
        <translation>Pre-annotate with the analyser</translation>
    </message>
    <message>
        <source>Analüsaator: %1</source>
        <translation>Analyser: %1</translation>
    </message>
    <message>
        <source>Lemma, vormi ja sõnaliigi saavad sõned, millel lemmat veel pole ja mille analüüs on ühene. Täidetud sõned märgitakse automaatselt muudetuks: „Otsi automaatselt muudetud kirjed“ leiab need ülevaatamiseks.</source>
        <translation>Tokens without a lemma whose analysis is unambiguous get a lemma, a form tag and a part of speech. The filled tokens are marked as automatically changed: “Find automatically changed entries” finds them for review.</translation>
    </message>
    <message>
        <source>Mitme analüüsi korral peab sõnastiku &amp;kinnitatud analüüs kaaluma teisi üles vähemalt</source>
        <translation>With several analyses, the dictionary&apos;s &amp;confirmed analysis must outweigh the others at least</translation>
    </message>
    <message>
        <source> korda</source>
        <translation> times</translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Eelmärgenda</source>
        <translation>&amp;Pre-annotate</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>ProposalMarkers</name>
    <message>
        <source>Allikas: </source>
        <translation>Source: </translation>
    </message>
</context>
<context>
    <name>SentenceCheckDialog</name>
    <message>
        <source>Kontrolli märgendust</source>
        <translation>Check the annotation</translation>
    </message>
    <message>
        <source>Sulge (klõpsa siia või vajuta Enter või Esc)</source>
        <translation>Close (click here or press Enter or Esc)</translation>
    </message>
</context>
<context>
    <name>SentencePlayer</name>
    <message>
        <source>Mängi edasi</source>
        <translation>Play on</translation>
    </message>
    <message>
        <source>Koht helifailis</source>
        <translation>Position in the audio file</translation>
    </message>
    <message>
        <source>Helifail:</source>
        <translation>Audio file:</translation>
    </message>
    <message>
        <source>Peata (Ctrl+Space)</source>
        <translation>Pause (Ctrl+Space)</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Pelmora: seadistus</source>
        <translation>Pelmora: settings</translation>
    </message>
    <message>
        <source>Pelmorase soovitaja</source>
        <translation>Pelmora&apos;s suggester</translation>
    </message>
    <message>
        <source>Kasuta ainult avatud faili</source>
        <translation>Use the open file only</translation>
    </message>
    <message>
        <source>Kasuta tekstipõhist sõnastikku:</source>
        <translation>Use a text-based dictionary:</translation>
    </message>
    <message>
        <source>&amp;Vali sõnastik</source>
        <translation>Choose the &amp;dictionary</translation>
    </message>
    <message>
        <source>Ära soovita</source>
        <translation>Do not suggest</translation>
    </message>
    <message>
        <source>Lisa kõik uued sõnad sõnastikku</source>
        <translation>Add all new words to the dictionary</translation>
    </message>
    <message>
        <source>Ignoreeri järgmisi sõnalõppe:</source>
        <translation>Ignore the following word endings:</translation>
    </message>
    <message>
        <source>Näita soovitusi ainult siis, kui sõne kohta pole veel vastavat infot sisestatud</source>
        <translation>Show suggestions only when that information has not been entered for the token yet</translation>
    </message>
    <message>
        <source>Ära soovita läti vasteid</source>
        <translation>Do not suggest Latvian equivalents</translation>
    </message>
    <message>
        <source>Ära soovita inglise vasteid</source>
        <translation>Do not suggest English equivalents</translation>
    </message>
    <message>
        <source>Liivi keele abi</source>
        <translation>Livonian language help</translation>
    </message>
    <message>
        <source>Soovita morfoloogilist vormi sõnalõpu järgi</source>
        <translation>Suggest the morphological form by the word ending</translation>
    </message>
    <message>
        <source>Tamberlin</source>
        <translation>Tamberlin</translation>
    </message>
    <message>
        <source>Analüsaatori &amp;aadress:</source>
        <translation>Analyser&apos;s &amp;address:</translation>
    </message>
    <message>
        <source>Analüsaatori &amp;fail:</source>
        <translation>Analyser&apos;s &amp;file:</translation>
    </message>
    <message>
        <source>tühi: aadressil olev analüsaator</source>
        <translation>empty: the analyser at the address</translation>
    </message>
    <message>
        <source>Vali ...</source>
        <translation>Choose ...</translation>
    </message>
    <message>
        <source>Liivi keele analüsaatori (.hfstol) avaldab&lt;br&gt;GiellaLT projekt: &lt;a href=&quot;https://github.com/giellalt/lang-liv&quot;&gt;github.com/giellalt/lang-liv&lt;/a&gt;</source>
        <translation>The Livonian analyser (.hfstol) is published&lt;br&gt;by the GiellaLT project: &lt;a href=&quot;https://github.com/giellalt/lang-liv&quot;&gt;github.com/giellalt/lang-liv&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Helifailiga sidumine</source>
        <translation>Linking to the audio file</translation>
    </message>
    <message>
        <source>Lisan lausetele alguspositsiooni helifailis</source>
        <translation>I add the sentences&apos; start positions in the audio file</translation>
    </message>
    <message>
        <source>Tõlked</source>
        <translation>Translations</translation>
    </message>
    <message>
        <source>Lisan lausetele tõlked</source>
        <translation>I add translations to the sentences</translation>
    </message>
    <message>
        <source>Kontroll</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>Märkmed failist:</source>
        <translation>Notes from file:</translation>
    </message>
    <message>
        <source>Vali fail</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>Näita märksõnastatud lauseid</source>
        <translation>Show the lemmatised sentences</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Typeface</translation>
    </message>
    <message>
        <source>Suured fondid</source>
        <translation>Large fonts</translation>
    </message>
    <message>
        <source>Ära näita tekstiaknas vormingut </source>
        <translation>Do not show formatting in the text pane </translation>
    </message>
    <message>
        <source>(Et font muutuks, pead programmi uuesti käivitama)</source>
        <translation>(For the font to change, restart the program)</translation>
    </message>
    <message>
        <source>Näita tekstiaknas märgendatud sõnu &amp;hallina</source>
        <translation>Show annotated words &amp;grey in the text pane</translation>
    </message>
    <message>
        <source>Märgendatud sõned on tekstiaknas hallid, nii et märgendamata sõned paistavad silma</source>
        <translation>Annotated tokens are grey in the text pane, so that unannotated tokens stand out</translation>
    </message>
    <message>
        <source>Taastamine</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>&amp;Taastekoopia muudatustest iga</source>
        <translation>&amp;Recovery copy of the changes every</translation>
    </message>
    <message>
        <source>ei tee</source>
        <translation>never</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Näita järgmisel programmi käivitamisel seda seadistusdialoogi</source>
        <translation>Show this settings dialog the next time the program starts</translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Keel / Language:</source>
        <translation>Keel / &amp;Language:</translation>
    </message>
    <message>
        <source>Vali sõnastikufail</source>
        <translation>Choose the dictionary file</translation>
    </message>
    <message>
        <source>XML-failid (*.xml)</source>
        <translation>XML files (*.xml)</translation>
    </message>
    <message>
        <source>Vali analüsaatori fail</source>
        <translation>Choose the analyser file</translation>
    </message>
    <message>
        <source>HFST-i analüsaatorid (*.hfstol *.hfst)</source>
        <translation>HFST analysers (*.hfstol *.hfst)</translation>
    </message>
    <message>
        <source>Vali märkmete fail</source>
        <translation>Choose the notes file</translation>
    </message>
    <message>
        <source>Märkmete failid (*.xml)</source>
        <translation>Notes files (*.xml)</translation>
    </message>
</context>
<context>
    <name>SimpleDictionaryDialog</name>
    <message>
        <source>Loobu</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Vali fail</source>
        <translation>Choose a file</translation>
    </message>
</context>
<context>
    <name>SpeakerDialog</name>
    <message>
        <source>Loobu</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TextInfoDialog</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Nimi</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Snd</source>
        <translation>Born</translation>
    </message>
    <message>
        <source>Vanus</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Haridus</source>
        <translation>Education</translation>
    </message>
    <message>
        <source>Sünnikoht</source>
        <translation>Birthplace</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>Sugu</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Loo&amp;bu</source>
        <translation>Ca&amp;ncel</translation>
    </message>
</context>
<context>
    <name>TokenTextDialog</name>
    <message>
        <source>Sõne muutmine</source>
        <translation>Modify token</translation>
    </message>
    <message>
        <source>Sõne lisamine</source>
        <translation>Add token</translation>
    </message>
    <message>
        <source>&amp;Sõne:</source>
        <translation>&amp;Token:</translation>
    </message>
    <message>
        <source>&amp;Sisesta sõne</source>
        <translation>&amp;Enter the token</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>TransformationsDialog</name>
    <message>
        <source>Vali teisenduste fail</source>
        <translation>Choose the transformations file</translation>
    </message>
    <message>
        <source>Teisenduste failid (*.vtf)</source>
        <translation>Transformation files (*.vtf)</translation>
    </message>
</context>
<context>
    <name>TranslationDialog</name>
    <message>
        <source>Lause tõlge</source>
        <translation>Sentence translation</translation>
    </message>
    <message>
        <source>&amp;Eesti keeles:</source>
        <translation>In &amp;Estonian:</translation>
    </message>
    <message>
        <source>&amp;Inglise keeles:</source>
        <translation>In E&amp;nglish:</translation>
    </message>
    <message>
        <source>Lä&amp;ti keeles:</source>
        <translation>In &amp;Latvian:</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Loobu</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>Vocabulary</name>
    <message>
        <source>- - suvaline - -</source>
        <translation>- - any - -</translation>
    </message>
    <message>
        <source>verb</source>
        <translation>verb</translation>
    </message>
    <message>
        <source>abiverb</source>
        <translation>auxiliary verb</translation>
    </message>
    <message>
        <source>eituss. liitvormis</source>
        <translation>negation verb in a compound form</translation>
    </message>
    <message>
        <source>substantiiv</source>
        <translation>noun</translation>
    </message>
    <message>
        <source>pärisnimi</source>
        <translation>proper noun</translation>
    </message>
    <message>
        <source>prosubstantiiv</source>
        <translation>pronoun</translation>
    </message>
    <message>
        <source>prepositsioon</source>
        <translation>preposition</translation>
    </message>
    <message>
        <source>postpositsioon</source>
        <translation>postposition</translation>
    </message>
    <message>
        <source>adverb</source>
        <translation>adverb</translation>
    </message>
    <message>
        <source>afiksaaladverb</source>
        <translation>affixal adverb</translation>
    </message>
    <message>
        <source>proadverb</source>
        <translation>proadverb</translation>
    </message>
    <message>
        <source>modaaladverb</source>
        <translation>modal adverb</translation>
    </message>
    <message>
        <source>adjektiiv</source>
        <translation>adjective</translation>
    </message>
    <message>
        <source>proadjektiiv</source>
        <translation>proadjective</translation>
    </message>
    <message>
        <source>võrdluss. liitsuperlatiivis</source>
        <translation>comparison word in a compound superlative</translation>
    </message>
    <message>
        <source>järgarvsõna</source>
        <translation>ordinal numeral</translation>
    </message>
    <message>
        <source>põhiarvsõna</source>
        <translation>cardinal numeral</translation>
    </message>
    <message>
        <source>pronumeraal</source>
        <translation>pronumeral</translation>
    </message>
    <message>
        <source>konjunktsioon</source>
        <translation>conjunction</translation>
    </message>
    <message>
        <source>küsisõna</source>
        <translation>interrogative word</translation>
    </message>
    <message>
        <source>diskursusepartikkel</source>
        <translation>discourse particle</translation>
    </message>
    <message>
        <source>interjektsioon</source>
        <translation>interjection</translation>
    </message>
    <message>
        <source>onomatopoeetia</source>
        <translation>onomatopoeia</translation>
    </message>
    <message>
        <source>suhtlussõna</source>
        <translation>social formula</translation>
    </message>
    <message>
        <source>märkus</source>
        <translation>note</translation>
    </message>
    <message>
        <source>pealkiri</source>
        <translation>heading</translation>
    </message>
    <message>
        <source>esiletõst</source>
        <translation>emphasis</translation>
    </message>
    <message>
        <source>intervjueerija</source>
        <translation>interviewer</translation>
    </message>
    <message>
        <source>kommentaar</source>
        <translation>comment</translation>
    </message>
    <message>
        <source>muukeelne</source>
        <translation>other language</translation>
    </message>
    <message>
        <source>vahemärk</source>
        <translation>punctuation</translation>
    </message>
    <message>
        <source>number</source>
        <translation>number</translation>
    </message>
    <message>
        <source>poolik sõna</source>
        <translation>incomplete word</translation>
    </message>
    <message>
        <source>Personaal (pers)</source>
        <translation>Active (pers)</translation>
    </message>
    <message>
        <source>Impersonaalne passiiv (ips)</source>
        <translation>Impersonal passive (ips)</translation>
    </message>
    <message>
        <source>Personaalne passiiv (pas)</source>
        <translation>Personal passive (pas)</translation>
    </message>
    <message>
        <source>Indikatiiv (ind)</source>
        <translation>Indicative (ind)</translation>
    </message>
    <message>
        <source>Konditsionaal (knd)</source>
        <translation>Conditional (knd)</translation>
    </message>
    <message>
        <source>Imperatiiv (imp)</source>
        <translation>Imperative (imp)</translation>
    </message>
    <message>
        <source>Jussiiv (jus)</source>
        <translation>Jussive (jus)</translation>
    </message>
    <message>
        <source>Kvotatiiv (kvt)</source>
        <translation>Quotative (kvt)</translation>
    </message>
    <message>
        <source>Potentsiaal (pot)</source>
        <translation>Potential (pot)</translation>
    </message>
    <message>
        <source>Preesens (pr)</source>
        <translation>Present (pr)</translation>
    </message>
    <message>
        <source>Imperfekt (ipf)</source>
        <translation>Past (ipf)</translation>
    </message>
    <message>
        <source>Futuurum (fut)</source>
        <translation>Future (fut)</translation>
    </message>
    <message>
        <source>da-infinitiiv (inf)</source>
        <translation>da-infinitive (inf)</translation>
    </message>
    <message>
        <source>des-vorm (ger)</source>
        <translation>des-gerund (ger)</translation>
    </message>
    <message>
        <source>ma-supiin (sup)</source>
        <translation>ma-supine (sup)</translation>
    </message>
    <message>
        <source>tav-partitsiip (tav)</source>
        <translation>tav-participle (tav)</translation>
    </message>
    <message>
        <source>nud-partitsiip (nud)</source>
        <translation>nud-participle (nud)</translation>
    </message>
    <message>
        <source>tud-partitsiip (tud)</source>
        <translation>tud-participle (tud)</translation>
    </message>
    <message>
        <source>v-partitsiip (vpts)</source>
        <translation>v-participle (vpts)</translation>
    </message>
    <message>
        <source>Singular (sg)</source>
        <translation>Singular (sg)</translation>
    </message>
    <message>
        <source>Pluural (pl)</source>
        <translation>Plural (pl)</translation>
    </message>
    <message>
        <source>Esimene isik (1)</source>
        <translation>1st person (1)</translation>
    </message>
    <message>
        <source>Teine isik (2)</source>
        <translation>2nd person (2)</translation>
    </message>
    <message>
        <source>Kolmas isik (3)</source>
        <translation>3rd person (3)</translation>
    </message>
    <message>
        <source>Nominatiiv (nom)</source>
        <translation>Nominative (nom)</translation>
    </message>
    <message>
        <source>Genitiiv (gen)</source>
        <translation>Genitive (gen)</translation>
    </message>
    <message>
        <source>Daativ (dat)</source>
        <translation>Dative (dat)</translation>
    </message>
    <message>
        <source>Partitiiv (part)</source>
        <translation>Partitive (part)</translation>
    </message>
    <message>
        <source>Illatiiv (ill)</source>
        <translation>Illative (ill)</translation>
    </message>
    <message>
        <source>Inessiiv (in)</source>
        <translation>Inessive (in)</translation>
    </message>
    <message>
        <source>Elatiiv (el)</source>
        <translation>Elative (el)</translation>
    </message>
    <message>
        <source>Allatiiv (all)</source>
        <translation>Allative (all)</translation>
    </message>
    <message>
        <source>Adessiiv (ad)</source>
        <translation>Adessive (ad)</translation>
    </message>
    <message>
        <source>Ablatiiv (abl)</source>
        <translation>Ablative (abl)</translation>
    </message>
    <message>
        <source>Translatiiv (tr)</source>
        <translation>Translative (tr)</translation>
    </message>
    <message>
        <source>Terminatiiv (ter)</source>
        <translation>Terminative (ter)</translation>
    </message>
    <message>
        <source>Essiiv (es)</source>
        <translation>Essive (es)</translation>
    </message>
    <message>
        <source>Abessiiv (ab)</source>
        <translation>Abessive (ab)</translation>
    </message>
    <message>
        <source>Komitatiiv (kom)</source>
        <translation>Comitative (kom)</translation>
    </message>
    <message>
        <source>Instruktiiv (inst)</source>
        <translation>Instructive (inst)</translation>
    </message>
    <message>
        <source>Instrumentaal (instl)</source>
        <translation>Instrumental (instl)</translation>
    </message>
    <message>
        <source>Debitiiv (deb)</source>
        <translation>Debitive (deb)</translation>
    </message>
    <message>
        <source>Komparatiiv (cmp)</source>
        <translation>Comparative (cmp)</translation>
    </message>
    <message>
        <source>Superlatiiv (sprl)</source>
        <translation>Superlative (sprl)</translation>
    </message>
    <message>
        <source>Prefiks (prf)</source>
        <translation>Prefix (prf)</translation>
    </message>
    <message>
        <source>Tegijanimi (ag)</source>
        <translation>Agent noun (ag)</translation>
    </message>
    <message>
        <source>Possessiivsufiks (poss)</source>
        <translation>Possessive suffix (poss)</translation>
    </message>
    <message>
        <source>Eituse märgend
verbivormi lõpus (neg)</source>
        <translation>Negative marker
at the end of the verb form (neg)</translation>
    </message>
    <message>
        <source>Kliitik (cli)</source>
        <translation>Clitic (cli)</translation>
    </message>
    <message>
        <source>Näita järgmist sõnet</source>
        <translation>Show the next token</translation>
    </message>
    <message>
        <source>Näita järgmi&amp;st</source>
        <translation>Show ne&amp;xt</translation>
    </message>
    <message>
        <source>Jäta &amp;meelde ja näita järgmist</source>
        <translation>Remember an&amp;d show next</translation>
    </message>
    <message>
        <source>Näita järgmist samasugust sõnet</source>
        <translation>Show the next token with the same word</translation>
    </message>
    <message>
        <source>&gt;&gt; &amp;samasugune</source>
        <translation>&gt;&gt; same &amp;word</translation>
    </message>
    <message>
        <source>Jäta &amp;meelde ja &gt;&gt; samasugune</source>
        <translation>Remember an&amp;d &gt;&gt; same word</translation>
    </message>
    <message>
        <source>Näita järgmist märksõnastamata sõnet</source>
        <translation>Show the next token without a lemma</translation>
    </message>
    <message>
        <source>&gt;&gt; märk&amp;sõnata</source>
        <translation>&gt;&gt; &amp;without lemma</translation>
    </message>
    <message>
        <source>Jäta &amp;meelde ja &gt;&gt; märksõnata</source>
        <translation>Remember an&amp;d &gt;&gt; without lemma</translation>
    </message>
    <message>
        <source>Näita järgmist värviga tähistatud sõnet</source>
        <translation>Show the next colour-marked token</translation>
    </message>
    <message>
        <source>&gt;&gt; vä&amp;rviline</source>
        <translation>&gt;&gt; colo&amp;ured</translation>
    </message>
    <message>
        <source>Jäta &amp;meelde ja &gt;&gt; värviline</source>
        <translation>Remember an&amp;d &gt;&gt; coloured</translation>
    </message>
    <message>
        <source>Näita järgmist märgendust vajavat sõnet</source>
        <translation>Show the next token to annotate</translation>
    </message>
    <message>
        <source>&gt;&gt; mär&amp;gendatav</source>
        <translation>&gt;&gt; to ann&amp;otate</translation>
    </message>
    <message>
        <source>Jäta &amp;meelde ja &gt;&gt; märgendatav</source>
        <translation>Remember an&amp;d &gt;&gt; to annotate</translation>
    </message>
    <message>
        <source>Näita järgmist märgendust vajavat, kuid märksõnata sõnet</source>
        <translation>Show the next token to annotate that has no lemma</translation>
    </message>
    <message>
        <source>&gt;&gt; märk&amp;sõna vajav</source>
        <translation>&gt;&gt; n&amp;eeds lemma</translation>
    </message>
    <message>
        <source>Jäta &amp;meelde ja &gt;&gt; märksõna vajav</source>
        <translation>Remember an&amp;d &gt;&gt; needs lemma</translation>
    </message>
    <message>
        <source>sõnastik</source>
        <translation>dictionary</translation>
    </message>
    <message>
        <source>tekstid</source>
        <translation>texts</translation>
    </message>
    <message>
        <source>märksõna</source>
        <translation>headword</translation>
    </message>
    <message>
        <source>analüsaator</source>
        <translation>analyser</translation>
    </message>
    <message>
        <source>reeglid</source>
        <translation>rules</translation>
    </message>
    <message>
        <source>mittenormatiivne</source>
        <translation>non-standard</translation>
    </message>
    <message>
        <source>oletus</source>
        <translation>guess</translation>
    </message>
    <message>
        <source>määramata</source>
        <translation>not set</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Viga</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Teade</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>&quot;Mis&quot; ja &quot;Milleks&quot; lahtrid ei või olla tühjad</source>
        <translation>The &quot;What&quot; and &quot;Into&quot; fields must not be empty</translation>
    </message>
    <message>
        <source>Viga salvestamisel</source>
        <translation>Error while saving</translation>
    </message>
    <message>
        <source>Mingi internetiviga</source>
        <translation>Some internet error</translation>
    </message>
    <message>
        <source>Rohkem sõnu pole</source>
        <translation>There are no more words</translation>
    </message>
    <message>
        <source>Rohkem sobivaid sõnu pole</source>
        <translation>There are no more matching words</translation>
    </message>
    <message>
        <source>Hoiatus</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Lause algus helifailis on määramata.</source>
        <translation>The sentence&apos;s start in the audio file is not set.</translation>
    </message>
    <message>
        <source>Helifaili pole määratud.</source>
        <translation>No audio file has been set.</translation>
    </message>
    <message>
        <source>Helifaile ei saa mängida: selles arvutis puudub Qt Multimedia taustaprogramm.</source>
        <translation>Audio files cannot be played: this computer lacks a Qt Multimedia backend.</translation>
    </message>
    <message>
        <source>Teksti tüüpi ei saa muuta</source>
        <translation>The text&apos;s type cannot be changed</translation>
    </message>
    <message>
        <source>Helifail peab olema .mp3 formaadis.
Ei salvestanud failinime.</source>
        <translation>The audio file must be in the .mp3 format.
The file name was not saved.</translation>
    </message>
    <message>
        <source>Sisesta teksti ID
ja vali teksti tüüp.</source>
        <translation>Enter the text ID
and choose the text type.</translation>
    </message>
    <message>
        <source>Sisesta ID, nimi ja roll</source>
        <translation>Enter the ID, name and role</translation>
    </message>
    <message>
        <source>Kustutan sõnega seotud ühendi.</source>
        <translation>Deleting the combination linked to the token.</translation>
    </message>
    <message>
        <source>Sõnet ei saa kustutada</source>
        <translation>The token cannot be deleted</translation>
    </message>
    <message>
        <source>Tühja sõnet ei saa lisaada</source>
        <translation>An empty token cannot be added</translation>
    </message>
    <message>
        <source>Ei leia soovitud lauset.</source>
        <translation>Cannot find the sentence asked for.</translation>
    </message>
    <message>
        <source>Lauset ei saa iseendaga ühendada.</source>
        <translation>A sentence cannot be merged with itself.</translation>
    </message>
    <message>
        <source>Kustutan lausest ühendid ...</source>
        <translation>Deleting the combinations of the sentence ...</translation>
    </message>
    <message>
        <source>Lause algus helifailis ei saa olla negatiivne.</source>
        <translation>The sentence&apos;s start in the audio file cannot be negative.</translation>
    </message>
    <message>
        <source>Lause algus helifailis on liiga suur.</source>
        <translation>The sentence&apos;s start in the audio file is too large.</translation>
    </message>
    <message>
        <source>Ühendi sõnade valimine on pooleli,
ei saa põhisõna muuta</source>
        <translation>Choosing the combination&apos;s words is under way,
the head word cannot be changed</translation>
    </message>
    <message>
        <source>Ühendi märksõna ei saa olla tühi.</source>
        <translation>The combination&apos;s lemma cannot be empty.</translation>
    </message>
    <message>
        <source>Otsing</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Ei leidnud lehekülge</source>
        <translation>Page not found</translation>
    </message>
    <message>
        <source>ID otsing</source>
        <translation>ID search</translation>
    </message>
    <message>
        <source>ID viga</source>
        <translation>ID error</translation>
    </message>
    <message>
        <source>Lõikelaud tühi</source>
        <translation>The clipboard is empty</translation>
    </message>
    <message>
        <source>Eks muuda siis seadistusdialoogis
sõnastiku fail ära!</source>
        <translation>Then change the dictionary file
in the settings dialog!</translation>
    </message>
    <message>
        <source>Tekstide ühendamine</source>
        <translation>Merging texts</translation>
    </message>
    <message>
        <source>Ei saanud faili avada</source>
        <translation>Could not open the file</translation>
    </message>
    <message>
        <source>Sisesta sõnastikufaili nimi.</source>
        <translation>Enter the dictionary file&apos;s name.</translation>
    </message>
    <message>
        <source>Sõnastikus on kõik juba olemas; seda ei muudetud.</source>
        <translation>The dictionary already has everything; it was not changed.</translation>
    </message>
    <message>
        <source>Sisend ja väljund on mõlemad Pelmora tekstid; teisendada pole midagi.</source>
        <translation>The input and the output are both Pelmora texts; there is nothing to convert.</translation>
    </message>
    <message>
        <source>Ei saa väljundfaili faili avada</source>
        <translation>Cannot open the output file</translation>
    </message>
    <message>
        <source>Sisesta faili nimi</source>
        <translation>Enter the file&apos;s name</translation>
    </message>
    <message>
        <source>Ei saa faili avada/luua</source>
        <translation>Cannot open or create the file</translation>
    </message>
    <message>
        <source>Ei saa väljundfaili kirjutada</source>
        <translation>Cannot write the output file</translation>
    </message>
    <message>
        <source>Teksti import</source>
        <translation>Text import</translation>
    </message>
    <message>
        <source>Ühtegi faili pole avatud.
Ei saa sõnastikku luua.</source>
        <translation>No file is open.
The dictionary cannot be made.</translation>
    </message>
    <message>
        <source>Ühtegi faili pole avatud</source>
        <translation>No file is open</translation>
    </message>
    <message>
        <source>Leidsin %s rida.<byte value="xd"/>
Kas jätkad uue päringuga?</source>
        <translation>Found %s lines.<byte value="xd"/>
Do you want to go on with a new query?</translation>
    </message>
    <message>
        <source>Analüsaatori faili %s ei leitud.</source>
        <translation>The analyser file %s was not found.</translation>
    </message>
    <message>
        <source>Analüsaatori faili %s ei saa lugeda.</source>
        <translation>The analyser file %s cannot be read.</translation>
    </message>
    <message>
        <source>Fail %s ei ole HFST-i analüsaator (lõplik muundur, näiteks .hfstol).</source>
        <translation>The file %s is not an HFST analyser (a finite-state transducer such as .hfstol).</translation>
    </message>
    <message>
        <source>Analüsaatori fail %s on vigane või poolik.</source>
        <translation>The analyser file %s is damaged or incomplete.</translation>
    </message>
    <message>
        <source>Fail %s on sõnavormide generaator, mitte analüsaator: vali analüsaatori fail.</source>
        <translation>The file %s is a word-form generator, not an analyser: choose an analyser file.</translation>
    </message>
    <message>
        <source>Analüsaatori märgend %s on tundmatu ja jäetakse vahele.</source>
        <translation>The analyser tag %s is unknown and is skipped.</translation>
    </message>
    <message>
        <source>Analüsaatori %s vormingut ei saa kasutada: %s. Teisenda see optimeeritud otsingu vormingusse: hfst-fst2fst -O -i %s -o analüsaator.hfstol</source>
        <translation>The format of the analyser %s cannot be used: %s. Convert it to the optimized-lookup format: hfst-fst2fst -O -i %s -o analyser.hfstol</translation>
    </message>
    <message>
        <source>Eelmärgendatud sõnesid: %s
Mitme võimaliku analüüsiga (jäid märgendamata): %s
Analüsaatorile tundmatuid: %s</source>
        <translation>Tokens pre-annotated: %s
With several possible analyses (left unannotated): %s
Unknown to the analyser: %s</translation>
    </message>
    <message>
        <source>Teisendust &quot;%s&quot; ei saa faili kirjutada: &quot;!&quot; ja reavahetus pole lubatud.</source>
        <translation>The transformation &quot;%s&quot; cannot be written to the file: &quot;!&quot; and line breaks are not allowed.</translation>
    </message>
    <message>
        <source>Fail %s on pärast lugemist muutunud.</source>
        <translation>The file %s has changed since it was read.</translation>
    </message>
    <message>
        <source>Faili %s ei saanud salvestada.</source>
        <translation>The file %s could not be saved.</translation>
    </message>
    <message>
        <source>Lemma puudub.</source>
        <translation>The lemma is missing.</translation>
    </message>
    <message>
        <source>Sõnavormil pole võtit.</source>
        <translation>The word form has no key.</translation>
    </message>
    <message>
        <source>Fail %s on tühi.</source>
        <translation>The file %s is empty.</translation>
    </message>
    <message>
        <source>Vigane fail %s.</source>
        <translation>Invalid file %s.</translation>
    </message>
    <message>
        <source>Fail %s ei ole korpuse tekst.</source>
        <translation>The file %s is not a corpus text.</translation>
    </message>
    <message>
        <source>Ei leia faili %s. Kas loon uue sõnastiku?</source>
        <translation>The file %s was not found. Create a new dictionary?</translation>
    </message>
    <message>
        <source>Ei saa avada/luua faili %s.
Vali uus fail.</source>
        <translation>Cannot open or create the file %s.
Choose another file.</translation>
    </message>
    <message>
        <source>Fail %s pole sõnastik.
Ei saa seda faili avada.
Vali uus fail.</source>
        <translation>The file %s is not a dictionary.
It cannot be opened.
Choose another file.</translation>
    </message>
    <message>
        <source>Fail %s pole sõnastik.
Muudatust ei tehtud.</source>
        <translation>The file %s is not a dictionary.
Nothing was changed.</translation>
    </message>
    <message>
        <source>Sõnastikku %s muudab praegu teine kasutaja.
Muudatust ei tehtud.</source>
        <translation>Another user is changing the dictionary %s right now.
Nothing was changed.</translation>
    </message>
    <message>
        <source>Viga faili %s salvestamisel.</source>
        <translation>Error saving the file %s.</translation>
    </message>
    <message>
        <source>Ei leidnud.</source>
        <translation>Not found.</translation>
    </message>
    <message>
        <source>Kas ekspordin sõnastiku
%s?</source>
        <translation>Export the dictionary
%s?</translation>
    </message>
    <message>
        <source>Kas lisan sõned faili?
%s</source>
        <translation>Add the tokens to the file?
%s</translation>
    </message>
    <message>
        <source>helipos, mis pole täisarv sekundeid (jäi välja)</source>
        <translation>audio positions that are not whole seconds (left out)</translation>
    </message>
    <message>
        <source>Ei leidnud faili %s</source>
        <translation>The file %s was not found</translation>
    </message>
    <message>
        <source>Fail %s on juba olemas.
Kas kirjutan selle üle?</source>
        <translation>The file %s already exists.
Overwrite it?</translation>
    </message>
    <message>
        <source>Faili %s vormingut ei tunne.
Tuntud laiendid: .xml (Pelmora tekst), .conllu, .flextext, .eaf.</source>
        <translation>The format of the file %s is not known.
Known extensions: .xml (Pelmora text), .conllu, .flextext, .eaf.</translation>
    </message>
    <message>
        <source>Väljundfail %s
on sama mis sisendfail.
Vali mõni muu fail.</source>
        <translation>The output file %s
is the same as the input file.
Choose another file.</translation>
    </message>
    <message>
        <source>Failis %s pole nii mitmendat teksti.</source>
        <translation>The file %s has no text with that number.</translation>
    </message>
    <message>
        <source>Vorming %s ei hoia kõike; välja jäi:</source>
        <translation>The format %s does not hold everything; left out:</translation>
    </message>
    <message>
        <source>Failist %s jäi lugemata:</source>
        <translation>Not read from the file %s:</translation>
    </message>
    <message>
        <source>Kirjutasin faili %s.</source>
        <translation>Wrote the file %s.</translation>
    </message>
    <message>
        <source>laused ilma sõnedeta</source>
        <translation>sentences without tokens</translation>
    </message>
    <message>
        <source>lause id, mis pole kujul l&lt;number&gt; või kordub (nummerdatakse ümber)</source>
        <translation>sentence ids not of the form l&lt;number&gt; or repeated (renumbered)</translation>
    </message>
    <message>
        <source>sõne id, mis ei ole lause id ja järjenumber (nummerdatakse ümber)</source>
        <translation>token ids that are not the sentence id and a number (renumbered)</translation>
    </message>
    <message>
        <source>ühendid, mille sõna puudub lausest</source>
        <translation>combinations with a word missing from the sentence</translation>
    </message>
    <message>
        <source>muu sisu lausetes (kommentaarid, tundmatud elemendid)</source>
        <translation>other content in sentences (comments, unknown elements)</translation>
    </message>
    <message>
        <source>muu sisu tekstis lausete kõrval</source>
        <translation>other content in the text beside the sentences</translation>
    </message>
    <message>
        <source>teksti andmete pesastatud sisu</source>
        <translation>nested content of the text metadata</translation>
    </message>
    <message>
        <source>LIFT-failis %s: uusi kirjeid %s, samu %s, erinevaid %s.</source>
        <translation>In the LIFT file %s: new entries %s, the same %s, different %s.</translation>
    </message>
    <message>
        <source>Kas lisan need sõnastikku %s?</source>
        <translation>Add them to the dictionary %s?</translation>
    </message>
    <message>
        <source>Vorming LIFT ei hoia kõike; välja jäi:</source>
        <translation>The LIFT format does not hold everything; left out:</translation>
    </message>
    <message>
        <source>märgid, mida XML ei luba (asendati märgiga „�“)</source>
        <translation>characters XML does not allow (replaced with “�”)</translation>
    </message>
    <message>
        <source>tundmatud teksti andmete väljad</source>
        <translation>unknown text metadata fields</translation>
    </message>
    <message>
        <source>Vigaste märgenditega fail (1).
Positsioon: %i.
Sõna: %s</source>
        <translation>A file with faulty markup (1).
Position: %i.
Word: %s</translation>
    </message>
    <message>
        <source>Vigaste märgenditega fail (2).
Positsioon: %i</source>
        <translation>A file with faulty markup (2).
Position: %i</translation>
    </message>
    <message>
        <source>Sobimatu struktuuriga fail %s.</source>
        <translation>The file %s has an unsuitable structure.</translation>
    </message>
    <message>
        <source>Ei saa avada/luua faili %s</source>
        <translation>Cannot open or create the file %s</translation>
    </message>
    <message>
        <source>Kahtlased kohad (~%s) on tekstis värvilise taustaga esile tõstetud
ja kommentaari lahtris on märge &quot;import: viga&quot;.</source>
        <translation>Doubtful places (~%s) are highlighted in the text with a coloured background
and their comment field says &quot;import: viga&quot;.</translation>
    </message>
    <message>
        <source>Fail %s
on loendis olemas.
Vali mõni muu fail.</source>
        <translation>The file %s
is already in the list.
Choose another file.</translation>
    </message>
    <message>
        <source>varem v. hiljem</source>
        <translation>before or after</translation>
    </message>
    <message>
        <source>varem</source>
        <translation>before</translation>
    </message>
    <message>
        <source>hiljem</source>
        <translation>after</translation>
    </message>
    <message>
        <source>Fail ei ole unicode&apos;is.
Ei saa avada.</source>
        <translation>The file is not in Unicode.
It cannot be opened.</translation>
    </message>
    <message>
        <source>Kas lisan faili märksõnad jm info?</source>
        <translation>Add the lemmas and the other annotation to the file?</translation>
    </message>
    <message>
        <source>Kas väljastan märksõnastamata teksti<byte value="xd"/>
veebi päringusüsteemi jaoks?</source>
        <translation>Write the text without lemmas<byte value="xd"/>
for the web query system?</translation>
    </message>
    <message>
        <source>Ei leia</source>
        <translation>Not found</translation>
    </message>
    <message>
        <source>Ei leia %s.</source>
        <translation>Cannot find %s.</translation>
    </message>
    <message>
        <source>Ühendis peab olema vähemalt kaks sõna.</source>
        <translation>A combination must have at least two words.</translation>
    </message>
    <message>
        <source>Ühendi sõnad peavad olema ühes lauses.</source>
        <translation>The words of a combination must be in one sentence.</translation>
    </message>
    <message>
        <source>Ühendi sõnal puudub korrektne ID, ühendit ei saa luua.</source>
        <translation>A word of the combination has no valid ID; the combination cannot be created.</translation>
    </message>
    <message>
        <source>Nendest sõnadest on ühend juba olemas.</source>
        <translation>These words already form a combination.</translation>
    </message>
    <message>
        <source>Kas oled kindel,
et soovid kustutada sõne
%s?</source>
        <translation>Are you sure
you want to delete the token
%s?</translation>
    </message>
    <message>
        <source>Teksti ainsat sõnet ei saa kustutada.</source>
        <translation>The only token of the text cannot be deleted.</translation>
    </message>
    <message>
        <source>Sõnet ei saa kustutada: teksti esimene lause jääks tühjaks.</source>
        <translation>The token cannot be deleted: the first sentence of the text would be empty.</translation>
    </message>
    <message>
        <source>Helifaili %s ei leitud.</source>
        <translation>The audio file %s was not found.</translation>
    </message>
    <message>
        <source>Helifaili %s ei saa mängida.</source>
        <translation>The audio file %s cannot be played.</translation>
    </message>
    <message>
        <source>Lause algab helifailis kohal %s, aga fail on ainult %s pikk.</source>
        <translation>The sentence starts at %s in the audio file, but the file is only %s long.</translation>
    </message>
    <message>
        <source>jäta meelde</source>
        <translation>remember</translation>
    </message>
    <message>
        <source>jäta meelde (sõnastik jääb)</source>
        <translation>remember (the dictionary keeps it)</translation>
    </message>
    <message>
        <source>muuda sõne</source>
        <translation>edit token</translation>
    </message>
    <message>
        <source>lisa sõne</source>
        <translation>add token</translation>
    </message>
    <message>
        <source>kustuta sõne</source>
        <translation>delete token</translation>
    </message>
    <message>
        <source>ühenda laused</source>
        <translation>join sentences</translation>
    </message>
    <message>
        <source>tükelda lause</source>
        <translation>split sentence</translation>
    </message>
    <message>
        <source>teksti andmed</source>
        <translation>text metadata</translation>
    </message>
    <message>
        <source>helifailiga sidumine</source>
        <translation>link to audio</translation>
    </message>
    <message>
        <source>asenda</source>
        <translation>replace</translation>
    </message>
    <message>
        <source>eemalda automaatmuudatuste märgid</source>
        <translation>remove automatic-change marks</translation>
    </message>
    <message>
        <source>lemmatiseeri</source>
        <translation>lemmatise</translation>
    </message>
    <message>
        <source>eelmärgenda</source>
        <translation>pre-annotate</translation>
    </message>
    <message>
        <source>lause tõlked</source>
        <translation>sentence translations</translation>
    </message>
    <message>
        <source>loo ühend</source>
        <translation>create combination</translation>
    </message>
    <message>
        <source>loo ühend (sõnastik jääb)</source>
        <translation>create combination (the dictionary keeps it)</translation>
    </message>
    <message>
        <source>kustuta ühend</source>
        <translation>delete combination</translation>
    </message>
    <message>
        <source>normaliseeri tähed</source>
        <translation>normalise letters</translation>
    </message>
    <message>
        <source>rakenda analüüs</source>
        <translation>apply analysis</translation>
    </message>
    <message>
        <source>NFC-kujule viidi %s väärtust. Muudatuse saab tagasi võtta (Ctrl+Z).</source>
        <translation>%s values were brought to NFC. The change can be undone (Ctrl+Z).</translation>
    </message>
    <message>
        <source>ühend: </source>
        <translation>combination: </translation>
    </message>
    <message>
        <source>lk </source>
        <translation>p. </translation>
    </message>
    <message>
        <source>Ei saanud teisenduste faili avada</source>
        <translation>Could not open the transformations file</translation>
    </message>
    <message>
        <source>Teisenduste fail ei ole unicode&apos;is.
Ei saa avada.</source>
        <translation>The transformations file is not in Unicode.
It cannot be opened.</translation>
    </message>
    <message>
        <source>Ei saanud faili salvestada: %s (%s)</source>
        <translation>Could not save the file: %s (%s)</translation>
    </message>
    <message>
        <source>Sõnastikus on ainult üks sõne,
ei saa seda kustutada</source>
        <translation>The dictionary has only one token;
it cannot be deleted</translation>
    </message>
    <message>
        <source>Sõnastikus on ainult üks lemma,
ei saa seda kustutada</source>
        <translation>The dictionary has only one lemma;
it cannot be deleted</translation>
    </message>
    <message>
        <source>Sõnastikus on ainult üks ühend,
ei saa seda kustutada</source>
        <translation>The dictionary has only one combination;
it cannot be deleted</translation>
    </message>
    <message>
        <source>Pole rohkem sõnesid</source>
        <translation>No more tokens</translation>
    </message>
    <message>
        <source>Pole rohkem lemmasid</source>
        <translation>No more lemmas</translation>
    </message>
    <message>
        <source>Pole rohkem ühendeid</source>
        <translation>No more combinations</translation>
    </message>
    <message>
        <source>Teine kasutaja on vahepeal sõnastikku muutnud.
Muudatusi võib olla ka juba läbi vaadatud sõnede seas.</source>
        <translation>Another user has changed the dictionary meanwhile.
Some changes may be among the tokens already reviewed.</translation>
    </message>
    <message>
        <source>Teine kasutaja on vahepeal sõnastikku muutnud.
Muudatusi võib olla ka juba läbi vaadatud lemmade seas.</source>
        <translation>Another user has changed the dictionary meanwhile.
Some changes may be among the lemmas already reviewed.</translation>
    </message>
    <message>
        <source>Teine kasutaja on vahepeal sõnestikku muutnud.
Muudatusi võib olla ka juba läbi vaadatud ühendite seas.</source>
        <translation>Another user has changed the dictionary meanwhile.
Some changes may be among the combinations already reviewed.</translation>
    </message>
    <message>
        <source>Teine kasutaja on vahepeal sõnastikku muutnud.
Muudatusi võib olla ka juba läbi vaadatud ühendite seas.</source>
        <translation>Another user has changed the dictionary meanwhile.
Some changes may be among the combinations already reviewed.</translation>
    </message>
    <message>
        <source>Ei lisanud midagi.</source>
        <translation>Nothing was added.</translation>
    </message>
    <message>
        <source>Kirje on sõnastikus, aga faili ei saanud salvestada.</source>
        <translation>The entry is in the dictionary, but the file could not be saved.</translation>
    </message>
    <message>
        <source>Sõnastikus on nüüd see kirje.</source>
        <translation>The dictionary now has this entry.</translation>
    </message>
    <message>
        <source>Sõnastikus on nüüd see kirje (kaal %s).</source>
        <translation>The dictionary now has this entry (weight %s).</translation>
    </message>
    <message>
        <source>kirje %s/%s</source>
        <translation>entry %s/%s</translation>
    </message>
    <message>
        <source>See funktsioon ei tööta veel õigesti
murdetekstidega ja liivi tekstidega
Ei soovita kasutada.

Kui seda on siiski vaja, anna teada
%s</source>
        <translation>This function does not yet work correctly
with dialect texts and Livonian texts.
It is not recommended.

If you need it all the same, write to
%s</translation>
    </message>
    <message>
        <source>Vigane fail %s: %s</source>
        <translation>Invalid file %s: %s</translation>
    </message>
    <message>
        <source>Taastekoopiat ei saanud kirjutada:
%s</source>
        <translation>The recovery copy could not be written:
%s</translation>
    </message>
    <message>
        <source>Teksti %s taastekoopiat ei saanud lugeda.
See jäi kausta %s.</source>
        <translation>The recovery copy of the text %s could not be read.
It was left in the folder %s.</translation>
    </message>
    <message>
        <source>Teksti %s taastekoopiat ei saanud lugeda.
See on alles failina %s.</source>
        <translation>The recovery copy of the text %s could not be read.
It is kept as the file %s.</translation>
    </message>
    <message>
        <source>Tekstil %s on salvestamata muudatuste taastekoopia ajast %s.
Kas taastada muudatused?</source>
        <translation>The text %s has a recovery copy of unsaved changes from %s.
Restore the changes?</translation>
    </message>
    <message>
        <source>Teksti %s taastekoopiat ei saanud avada.
See on alles failina %s.</source>
        <translation>The recovery copy of the text %s could not be opened.
It is kept as the file %s.</translation>
    </message>
    <message>
        <source>rida %s: %s</source>
        <translation>line %s: %s</translation>
    </message>
    <message>
        <source>ei ole UTF-8 tekst</source>
        <translation>not UTF-8 text</translation>
    </message>
    <message>
        <source>kommentaar lause sõnade vahel</source>
        <translation>a comment between the words of a sentence</translation>
    </message>
    <message>
        <source>tundmatu rida (ei ole sõna, kommentaar ega tühi rida)</source>
        <translation>an unknown line (not a word, a comment or an empty line)</translation>
    </message>
    <message>
        <source>%s veergu, peab olema %s</source>
        <translation>%s columns, must be %s</translation>
    </message>
    <message>
        <source>tühi veerg</source>
        <translation>an empty column</translation>
    </message>
    <message>
        <source>vigane mitmesõnalise sõne vahemik „%s“</source>
        <translation>an invalid multiword token range “%s”</translation>
    </message>
    <message>
        <source>mitmesõnalised sõned (loeti sõnadena)</source>
        <translation>multiword tokens (read as words)</translation>
    </message>
    <message>
        <source>vigane tühja sõlme ID „%s“</source>
        <translation>an invalid empty node ID “%s”</translation>
    </message>
    <message>
        <source>tühjad sõlmed (jäeti välja)</source>
        <translation>empty nodes (left out)</translation>
    </message>
    <message>
        <source>vigane ID „%s“</source>
        <translation>an invalid ID “%s”</translation>
    </message>
    <message>
        <source>sõna ID %s, oodati %s</source>
        <translation>word ID %s, expected %s</translation>
    </message>
    <message>
        <source>CoNLL-U kommentaar „%s“</source>
        <translation>CoNLL-U comment “%s”</translation>
    </message>
    <message>
        <source>vigased ühendid (jäeti välja)</source>
        <translation>faulty combinations (left out)</translation>
    </message>
    <message>
        <source>vigased audio_start väärtused</source>
        <translation>invalid audio_start values</translation>
    </message>
    <message>
        <source>süntaks (HEAD, DEPREL, DEPS)</source>
        <translation>syntax (HEAD, DEPREL, DEPS)</translation>
    </message>
    <message>
        <source>XPOS, mis pole Pelmora sõnaliik</source>
        <translation>XPOS that is not a Pelmora part of speech</translation>
    </message>
    <message>
        <source>UD tunnus %s=%s</source>
        <translation>UD feature %s=%s</translation>
    </message>
    <message>
        <source>MISC „%s“</source>
        <translation>MISC “%s”</translation>
    </message>
    <message>
        <source>sõne atribuut %s</source>
        <translation>token attribute %s</translation>
    </message>
    <message>
        <source>lause atribuut %s</source>
        <translation>sentence attribute %s</translation>
    </message>
    <message>
        <source>aeg %s: vigane TIME_VALUE %s</source>
        <translation>time %s: invalid TIME_VALUE %s</translation>
    </message>
    <message>
        <source>aeg %s: TIME_SLOT_ID puudub või kordub</source>
        <translation>time %s: TIME_SLOT_ID missing or repeated</translation>
    </message>
    <message>
        <source>kiht %s: tundmatu LINGUISTIC_TYPE_REF %s</source>
        <translation>tier %s: unknown LINGUISTIC_TYPE_REF %s</translation>
    </message>
    <message>
        <source>kiht %s kordub</source>
        <translation>tier %s is repeated</translation>
    </message>
    <message>
        <source>kiht %s: tundmatu PARENT_REF %s</source>
        <translation>tier %s: unknown PARENT_REF %s</translation>
    </message>
    <message>
        <source>annotatsioon %s: ANNOTATION_ID puudub või kordub</source>
        <translation>annotation %s: ANNOTATION_ID missing or repeated</translation>
    </message>
    <message>
        <source>annotatsioon %s: tundmatu TIME_SLOT_REF</source>
        <translation>annotation %s: unknown TIME_SLOT_REF</translation>
    </message>
    <message>
        <source>annotatsioon %s: tundmatu liik %s</source>
        <translation>annotation %s: unknown kind %s</translation>
    </message>
    <message>
        <source>annotatsioon %s: tundmatu PREVIOUS_ANNOTATION %s</source>
        <translation>annotation %s: unknown PREVIOUS_ANNOTATION %s</translation>
    </message>
    <message>
        <source>annotatsioon %s: tundmatu ANNOTATION_REF %s</source>
        <translation>annotation %s: unknown ANNOTATION_REF %s</translation>
    </message>
    <message>
        <source>kihti %s pole failis; kihid: %s</source>
        <translation>the file has no tier %s; tiers: %s</translation>
    </message>
    <message>
        <source>failis pole ühtegi lausete kihti</source>
        <translation>the file has no sentence tier</translation>
    </message>
    <message>
        <source>EAF kiht %s (annotatsioone)</source>
        <translation>EAF tier %s (annotations)</translation>
    </message>
    <message>
        <source>FlexText teksti väli „%s“</source>
        <translation>FlexText text field “%s”</translation>
    </message>
    <message>
        <source>FlexText lause väli „%s“</source>
        <translation>FlexText sentence field “%s”</translation>
    </message>
    <message>
        <source>vigased lause algusajad (jäeti välja)</source>
        <translation>invalid sentence start times (left out)</translation>
    </message>
    <message>
        <source>lause tõlge keelde „%s“</source>
        <translation>sentence translation into “%s”</translation>
    </message>
    <message>
        <source>FlexText sõna väli „%s“</source>
        <translation>FlexText word field “%s”</translation>
    </message>
    <message>
        <source>sõna tähendus keeles „%s“</source>
        <translation>word gloss in “%s”</translation>
    </message>
    <message>
        <source>sõnaliik, millel pole vastet: „%s“</source>
        <translation>a part of speech without a match: “%s”</translation>
    </message>
    <message>
        <source>morfeemid tüve kõrval</source>
        <translation>morphemes beside the stem</translation>
    </message>
    <message>
        <source>FlexText morfeemi väli „%s“</source>
        <translation>FlexText morpheme field “%s”</translation>
    </message>
    <message>
        <source>kaalud üle %s (võeti %s)</source>
        <translation>weights over %s (%s taken)</translation>
    </message>
    <message>
        <source>kirjed ilma märksõnata</source>
        <translation>entries without a headword</translation>
    </message>
    <message>
        <source>LIFT kirje osa „%s“</source>
        <translation>LIFT entry part “%s”</translation>
    </message>
    <message>
        <source>tähendused keeles „%s“</source>
        <translation>glosses in “%s”</translation>
    </message>
    <message>
        <source>LIFT tähenduse osa „%s“</source>
        <translation>LIFT sense part “%s”</translation>
    </message>
    <message>
        <source>pole korrektne XML (%s)</source>
        <translation>not well-formed XML (%s)</translation>
    </message>
    <message>
        <source>juurelement on „%s“, peab olema „%s“</source>
        <translation>the root element is “%s”, must be “%s”</translation>
    </message>
    <message>
        <source>Viga faili %s salvestamisel: %s.</source>
        <translation>Error saving the file %s: %s.</translation>
    </message>
    <message>
        <source>tekstil pole sisu (element „%s“ puudub)</source>
        <translation>the text has no content (the element “%s” is missing)</translation>
    </message>
    <message>
        <source>tekstis pole ühtegi lauset</source>
        <translation>the text has no sentences</translation>
    </message>
    <message>
        <source>esimeses lauses pole ühtegi sõnet</source>
        <translation>the first sentence has no tokens</translation>
    </message>
    <message>
        <source>faili ei saa lugeda</source>
        <translation>the file cannot be read</translation>
    </message>
    <message>
        <source>faili ei saa lugeda (%s)</source>
        <translation>the file cannot be read (%s)</translation>
    </message>
    <message>
        <source>See funktsioon ei tööta veel õigesti
murdekorpuse ja liivi korpuse failidega
Ei soovita kasutada.

Kui seda on siiski vaja, anna teada
%s</source>
        <translation>This function does not yet work correctly
with dialect corpus and Livonian corpus files.
It is not recommended.

If you need it all the same, write to
%s</translation>
    </message>
    <message>
        <source>faili ei leitud</source>
        <translation>the file was not found</translation>
    </message>
    <message>
        <source>mälu ei jätku</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>tundmatu märgend</source>
        <translation>an unknown tag</translation>
    </message>
    <message>
        <source>vigane töötlusjuhis (&lt;?...?&gt;)</source>
        <translation>an invalid processing instruction (&lt;?...?&gt;)</translation>
    </message>
    <message>
        <source>vigane või lõpetamata kommentaar</source>
        <translation>an invalid or unfinished comment</translation>
    </message>
    <message>
        <source>vigane CDATA-lõik</source>
        <translation>an invalid CDATA section</translation>
    </message>
    <message>
        <source>vigane dokumenditüübi kirjeldus</source>
        <translation>an invalid document type declaration</translation>
    </message>
    <message>
        <source>vigane tekst elementide vahel</source>
        <translation>invalid text between elements</translation>
    </message>
    <message>
        <source>vigane algusmärgend</source>
        <translation>an invalid start tag</translation>
    </message>
    <message>
        <source>vigane atribuut</source>
        <translation>an invalid attribute</translation>
    </message>
    <message>
        <source>vigane lõpumärgend</source>
        <translation>an invalid end tag</translation>
    </message>
    <message>
        <source>lõpumärgend ei vasta algusmärgendile</source>
        <translation>the end tag does not match the start tag</translation>
    </message>
    <message>
        <source>elemendi lõpp puudub</source>
        <translation>an element is not closed</translation>
    </message>
    <message>
        <source>failis pole ühtegi elementi</source>
        <translation>the file has no element</translation>
    </message>
    <message>
        <source>fail on tühi</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>tundmatu olemiviide (&amp;...;)</source>
        <translation>an unknown entity reference (&amp;...;)</translation>
    </message>
    <message>
        <source>enne esimest märgendit on teksti (fail pole XML)</source>
        <translation>there is text before the first tag (the file is not XML)</translation>
    </message>
    <message>
        <source>failis peab olema täpselt üks juurelement</source>
        <translation>the file must have exactly one root element</translation>
    </message>
    <message>
        <source>XML-deklaratsioon peab olema faili alguses</source>
        <translation>the XML declaration must be at the start of the file</translation>
    </message>
    <message>
        <source>tundmatu kodeering</source>
        <translation>an unknown encoding</translation>
    </message>
    <message>
        <source>Kui soovid selle faili vahele jätta, vajuta &apos;Jah&apos;,
Kui soovid katkestada, vajuta &apos;Ei&apos;.</source>
        <translation>To skip this file, press &apos;Yes&apos;;
to stop, press &apos;No&apos;.</translation>
    </message>
    <message>
        <source>Fail ei ole unicode&apos;is.
Salvesta fail UTF-8 või UTF-16 (Unicode) kodeeringus (nt Notepadis &quot;Salvesta nimega&quot;, kodeering UTF-8).
Ei saa avada.</source>
        <translation>The file is not in Unicode.
Save the file in the UTF-8 or UTF-16 (Unicode) encoding (in Notepad, for example, &quot;Save as&quot;, encoding UTF-8).
It cannot be opened.</translation>
    </message>
    <message>
        <source>Fail ei alga märgendiga.
Imporditav tekst algab märgendiga nurksulgudes: päisega &lt;info&gt;...&lt;/info&gt; (küla &lt;kla&gt;, pealkiri &lt;plk&gt;, keelejuht &lt;kj&gt;), suulises tekstis kõneleja märgendiga &lt;u who=ID&gt;, kirjalikus tekstis lehekülje märgendiga &lt;lk=NUMBER&gt;. Iga rida on üks lause (või jaga laused lõpumärkide järgi).

Näide:
&lt;info&gt;&lt;kla&gt;Kuolka&lt;/kla&gt;&lt;kj&gt;Marta&lt;/kj&gt;&lt;/info&gt;
&lt;u who=i1&gt;Mis sinā tīed?&lt;/u&gt;
&lt;u who=k1&gt;Minā um kalāmīez.&lt;/u&gt;

Ei saa avada.</source>
        <translation>The file does not start with a tag.
A text to import starts with a tag in angle brackets: the header &lt;info&gt;...&lt;/info&gt; (village &lt;kla&gt;, title &lt;plk&gt;, speaker &lt;kj&gt;), in a spoken text the speaker tag &lt;u who=ID&gt;, in a written text the page tag &lt;lk=NUMBER&gt;. Each line is one sentence (or split the sentences at their end marks).

Example:
&lt;info&gt;&lt;kla&gt;Kuolka&lt;/kla&gt;&lt;kj&gt;Marta&lt;/kj&gt;&lt;/info&gt;
&lt;u who=i1&gt;Mis sinā tīed?&lt;/u&gt;
&lt;u who=k1&gt;Minā um kalāmīez.&lt;/u&gt;

It cannot be opened.</translation>
    </message>
    <message>
        <source>pole tavaline fail</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>puudub juurdepääsuõigus</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>kettal pole ruumi</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>faili või kausta pole olemas</source>
        <translation>the file or folder does not exist</translation>
    </message>
    <message>
        <source>tee osa pole kaust</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>see on kaust, mitte fail</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>ketas on ainult lugemiseks</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>failinimi on liiga pikk</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>sisend-väljundviga</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>sisu ei õnnestunud kirjutada</source>
        <translation>the content could not be written</translation>
    </message>
    <message>
        <source>failis pole ühtegi lauset</source>
        <translation>the file has no sentences</translation>
    </message>
    <message>
        <source>pole vahetusvorming</source>
        <translation>not an exchange format</translation>
    </message>
    <message>
        <source>failis pole ühtegi teksti (interlinear-text)</source>
        <translation>the file has no text (interlinear-text)</translation>
    </message>
    <message>
        <source>failis pole ühtegi sõnet</source>
        <translation>the file has no tokens</translation>
    </message>
    <message>
        <source>See funktsioon ei tööta veel õigesti
suuliste tekstidega ja
kaotab ära tekstiinfo
Ei soovita kasutada.

Kui seda on siiski vaja, anna teada
</source>
        <translation>This function does not yet work correctly
with spoken texts and
loses the text info.
We do not recommend using it.

If you need it all the same, let us know:
</translation>
    </message>
    <message>
        <source>See funktsioon ei tööta veel õigesti
murdetekstidega ja liivi tekstidega
Ei soovita kasutada.

Kui seda on siiski vaja, anna teada
</source>
        <translation>This function does not yet work correctly
with dialect texts and Livonian texts.
We do not recommend using it.

If you need it all the same, let us know:
</translation>
    </message>
    <message>
        <source>sõne</source>
        <translation>token</translation>
    </message>
    <message>
        <source>märksõna</source>
        <translation>lemma</translation>
    </message>
    <message>
        <source>tähendus</source>
        <translation>meaning</translation>
    </message>
    <message>
        <source>sõnaliik</source>
        <translation>part of speech</translation>
    </message>
    <message>
        <source>morf. vorm</source>
        <translation>form tag</translation>
    </message>
    <message>
        <source>märgendamata</source>
        <translation>unannotated</translation>
    </message>
    <message>
        <source>stiil</source>
        <translation>style</translation>
    </message>
    <message>
        <source>läti</source>
        <translation>Latvian</translation>
    </message>
    <message>
        <source>inglise</source>
        <translation>English</translation>
    </message>
    <message>
        <source>kommentaar</source>
        <translation>comment</translation>
    </message>
    <message>
        <source>suvaline</source>
        <translation>any</translation>
    </message>
    <message>
        <source>tühi</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>Otsiti: %s</source>
        <translation>Searched for: %s</translation>
    </message>
    <message>
        <source>Leitud %s sõne</source>
        <translation>Found %s token</translation>
    </message>
    <message>
        <source>Leitud %s sõnet</source>
        <translation>Found %s tokens</translation>
    </message>
    <message>
        <source>Keelejuhi/intervjueerija nr %s andmetest
puudu ID, nimi või roll
Ei salvestanud selle keelejuhi andmeid.
Teksti andmete muutmiseks menüüst Tekst &gt; Teksti info.</source>
        <translation>The data of speaker/interviewer no. %s
lack the ID, the name or the role.
This speaker&apos;s data were not saved.
To change the text&apos;s data, use the menu Text &gt; Text info.</translation>
    </message>
    <message>
        <source>Kõik teksti väärtused on juba NFC-kujul, midagi ei muudetud.</source>
        <translation>All values of the text are already in NFC; nothing was changed.</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::AudioPositionDialog</name>
    <message>
        <source>Helifailiga sidumine</source>
        <translation>Linking to the audio file</translation>
    </message>
    <message>
        <source>Lause algus helifailis:</source>
        <translation>Sentence start in the audio file:</translation>
    </message>
    <message>
        <source>m&amp;in</source>
        <translation>m&amp;in</translation>
    </message>
    <message>
        <source>&amp;s</source>
        <translation>&amp;s</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::CombinationDialog</name>
    <message>
        <source>Ühend</source>
        <translation>Combination</translation>
    </message>
    <message>
        <source>Sõnad:</source>
        <translation>Words:</translation>
    </message>
    <message>
        <source>&amp;Märksõna</source>
        <translation>&amp;Lemma</translation>
    </message>
    <message>
        <source>&amp;Tähendus</source>
        <translation>&amp;Meaning</translation>
    </message>
    <message>
        <source>Sõna&amp;liik</source>
        <translation>&amp;Part of speech</translation>
    </message>
    <message>
        <source>&amp;Pakkumised</source>
        <translation>P&amp;roposals</translation>
    </message>
    <message>
        <source>Lisa kõik uued sõnad sõnastikku</source>
        <translation>Add all new words to the dictionary</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::DictionaryEditorDialog</name>
    <message>
        <source>Sõnastik</source>
        <translation>Dictionary</translation>
    </message>
    <message>
        <source>Sõned</source>
        <translation>Tokens</translation>
    </message>
    <message>
        <source>&amp;Sõne:</source>
        <translation>&amp;Token:</translation>
    </message>
    <message>
        <source>&amp;Märksõna:</source>
        <translation>&amp;Lemma:</translation>
    </message>
    <message>
        <source>Morf. &amp;vorm:</source>
        <translation>Fo&amp;rm tag:</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>Koosta vormi märgend</source>
        <translation>Compose the form tag</translation>
    </message>
    <message>
        <source>&lt;&lt;</source>
        <translation>&lt;&lt;</translation>
    </message>
    <message>
        <source>Eelmine (PageUp)</source>
        <translation>Previous (PageUp)</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Järgmine (PageDown)</source>
        <translation>Next (PageDown)</translation>
    </message>
    <message>
        <source>Lisa</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Lisa väljade väärtused sõnastikku</source>
        <translation>Add the fields&apos; values to the dictionary</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Kustuta näidatud kirje sõnastikust</source>
        <translation>Delete the shown entry from the dictionary</translation>
    </message>
    <message>
        <source>Mitmes kirje sama märksõna all ja mitu neid on</source>
        <translation>Which entry under the same lemma, and how many there are</translation>
    </message>
    <message>
        <source>&amp;Otsi sõnet:</source>
        <translation>Find t&amp;oken:</translation>
    </message>
    <message>
        <source>Otsi</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Lemmad</source>
        <translation>Lemmas</translation>
    </message>
    <message>
        <source>&amp;Tähendus:</source>
        <translation>&amp;Meaning:</translation>
    </message>
    <message>
        <source>Sõna&amp;liik:</source>
        <translation>&amp;Part of speech:</translation>
    </message>
    <message>
        <source>L&amp;äti:</source>
        <translation>La&amp;tvian:</translation>
    </message>
    <message>
        <source>&amp;Inglise:</source>
        <translation>&amp;English:</translation>
    </message>
    <message>
        <source>&amp;Otsi märksõna:</source>
        <translation>Find lemm&amp;a:</translation>
    </message>
    <message>
        <source>Ühendid</source>
        <translation>Combinations</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::DictionaryTableDialog</name>
    <message>
        <source>Sõnastiku tabel</source>
        <translation>Dictionary table</translation>
    </message>
    <message>
        <source>&amp;Filtreeri:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>sõnavormi algus (suurtähed ja märgid ei loe)</source>
        <translation>start of the word form (case and marks do not matter)</translation>
    </message>
    <message>
        <source>&amp;Sõned</source>
        <translation>&amp;Tokens</translation>
    </message>
    <message>
        <source>&amp;Lemmad</source>
        <translation>&amp;Lemmas</translation>
    </message>
    <message>
        <source>Ü&amp;hendid</source>
        <translation>&amp;Combinations</translation>
    </message>
    <message>
        <source>&amp;Katkesta</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Lõpeta kasutuse lugemine</source>
        <translation>Stop reading the usage</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::GoToIdentifierDialog</name>
    <message>
        <source>Otsi ID järgi</source>
        <translation>Find by ID</translation>
    </message>
    <message>
        <source>&amp;Lause ID</source>
        <translation>&amp;Sentence ID</translation>
    </message>
    <message>
        <source>Lause järjenumber tekstis, alates 1-st</source>
        <translation>The sentence&apos;s number in the text, from 1</translation>
    </message>
    <message>
        <source>&amp;Sõne ID</source>
        <translation>&amp;Token ID</translation>
    </message>
    <message>
        <source>Sõne järjenumber lauses, alates 1-st</source>
        <translation>The token&apos;s number in the sentence, from 1</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::GoToPageDialog</name>
    <message>
        <source>Mine leheküljele ...</source>
        <translation>Go to page ...</translation>
    </message>
    <message>
        <source>&amp;Lk number:</source>
        <translation>&amp;Page number:</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::ImportFilesDialog</name>
    <message>
        <source>&amp;Vali</source>
        <translation>Choo&amp;se</translation>
    </message>
    <message>
        <source>Väl&amp;jundfail</source>
        <translation>&amp;Output file</translation>
    </message>
    <message>
        <source>V&amp;ali</source>
        <translation>C&amp;hoose</translation>
    </message>
    <message>
        <source>Jaga laused lõpu&amp;märkide järgi</source>
        <translation>Split sentences at &amp;end marks</translation>
    </message>
    <message>
        <source>Laused lõpevad ka rea sees punkti, küsi- ja hüüumärgi ning mõttepunktide järel (tekstile, kus iga lause pole eraldi real).</source>
        <translation>Sentences also end within a line after a full stop, a question or exclamation mark and an ellipsis (for a text where each sentence is not on a line of its own).</translation>
    </message>
    <message>
        <source>Lü&amp;hendid, mis lauset ei lõpeta</source>
        <translation>A&amp;bbreviations that do not end a sentence</translation>
    </message>
    <message>
        <source>Tühikute või komadega eraldatud, nt „nt. jne. dr.“</source>
        <translation>Separated by blanks or commas, e.g. “nt. jne. dr.”</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::LemmatisationDialog</name>
    <message>
        <source>Automaatne lemmatiseerimine</source>
        <translation>Automatic lemmatisation</translation>
    </message>
    <message>
        <source>Kasuta &amp;sõnastikku</source>
        <translation>Use the &amp;dictionary</translation>
    </message>
    <message>
        <source>Sõnastiku fai&amp;l:</source>
        <translation>Dictionary fi&amp;le:</translation>
    </message>
    <message>
        <source>&amp;Vali sõnastik</source>
        <translation>C&amp;hoose the dictionary</translation>
    </message>
    <message>
        <source>Kasuta &amp;Filosofti morfanalüsaatorit</source>
        <translation>Use &amp;Filosoft&apos;s morphological analyser</translation>
    </message>
    <message>
        <source>&amp;Mitme analüüsivõimaluse korral ära lisa midagi</source>
        <translation>With several possible analyses, add &amp;nothing</translation>
    </message>
    <message>
        <source>Teisendused</source>
        <translation>Transformations</translation>
    </message>
    <message>
        <source>Õigekirja teisenduste loend</source>
        <translation>List of spelling transformations</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::MergeSentencesDialog</name>
    <message>
        <source>Ühenda laused ...</source>
        <translation>Merge sentences ...</translation>
    </message>
    <message>
        <source>Praegune lause:</source>
        <translation>Current sentence:</translation>
    </message>
    <message>
        <source>Ü&amp;henda lausega:</source>
        <translation>&amp;Merge with sentence:</translation>
    </message>
    <message>
        <source>Suulises tekstis
kõnelejaks jääb praeguse lause kõneleja</source>
        <translation>In a spoken text
the speaker stays the current sentence&apos;s speaker</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::MergeTextsDialog</name>
    <message>
        <source>Tekstide ühendamine</source>
        <translation>Merging texts</translation>
    </message>
    <message>
        <source>&amp;Failid ühendamise järjekorras:</source>
        <translation>&amp;Files in the order of merging:</translation>
    </message>
    <message>
        <source>&amp;Lisa</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Eemalda</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Ü&amp;les</source>
        <translation>&amp;Up</translation>
    </message>
    <message>
        <source>&amp;Alla</source>
        <translation>Do&amp;wn</translation>
    </message>
    <message>
        <source>Uue faili &amp;nimi:</source>
        <translation>The new file&apos;s &amp;name:</translation>
    </message>
    <message>
        <source>&amp;Vali fail</source>
        <translation>C&amp;hoose file</translation>
    </message>
    <message>
        <source>Leheküljenumbreid ei &amp;muudeta</source>
        <translation>Page numbers are not &amp;changed</translation>
    </message>
    <message>
        <source>Leheküljenumbri ees teksti &amp;ID</source>
        <translation>Text &amp;ID before the page number</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::MultiFileQueryDialog</name>
    <message>
        <source>Päring mitmest failist</source>
        <translation>Query over many files</translation>
    </message>
    <message>
        <source>Failid, kust soovi&amp;d otsida:</source>
        <translation>Files to search &amp;in:</translation>
    </message>
    <message>
        <source>Lis&amp;a</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>&amp;Eemalda</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>Lisa leitud s&amp;õnede ette</source>
        <translation>Add before the found t&amp;okens</translation>
    </message>
    <message>
        <source>Lisa leitud sõne info &amp;rea algusesse</source>
        <translation>Add the found token&apos;s information at the line&apos;s &amp;start</translation>
    </message>
    <message>
        <source>Lisa &amp;märgendus kõikidele sõnedele</source>
        <translation>Add the a&amp;nnotation to all tokens</translation>
    </message>
    <message>
        <source>Lisa täpne faili &amp;info iga rea algusesse</source>
        <translation>Add the exact file information at eac&amp;h line&apos;s start</translation>
    </message>
    <message>
        <source>Lisa &amp;XML märgendus</source>
        <translation>Add &amp;XML markup</translation>
    </message>
    <message>
        <source>Lisa faili algusesse &amp;BOM</source>
        <translation>Add a &amp;BOM at the file&apos;s start</translation>
    </message>
    <message>
        <source>V&amp;äljundfail:</source>
        <translation>O&amp;utput file:</translation>
    </message>
    <message>
        <source>Vali &amp;fail</source>
        <translation>Choose fil&amp;e</translation>
    </message>
    <message>
        <source>Sõne (1)</source>
        <translation>Token (1)</translation>
    </message>
    <message>
        <source>&amp;Sõne:</source>
        <translation>&amp;Token:</translation>
    </message>
    <message>
        <source>&amp;Lemma:</source>
        <translation>&amp;Lemma:</translation>
    </message>
    <message>
        <source>&amp;Tähendus:</source>
        <translation>&amp;Meaning:</translation>
    </message>
    <message>
        <source>Sõnalii&amp;k:</source>
        <translation>Part of s&amp;peech:</translation>
    </message>
    <message>
        <source>&amp;Vorm:</source>
        <translation>&amp;Form:</translation>
    </message>
    <message>
        <source>&gt;&gt;</source>
        <translation>&gt;&gt;</translation>
    </message>
    <message>
        <source>Vormi märgendi redaktor</source>
        <translation>Form tag editor</translation>
    </message>
    <message>
        <source>K&amp;ommentaar:</source>
        <translation>&amp;Comment:</translation>
    </message>
    <message>
        <source>Samas lausu&amp;ngis</source>
        <translation>In the s&amp;ame utterance</translation>
    </message>
    <message>
        <source>mitte kau&amp;gemal kui</source>
        <translation>&amp;within</translation>
    </message>
    <message>
        <source>sõnet</source>
        <translation>tokens</translation>
    </message>
    <message>
        <source>Sõne (2)</source>
        <translation>Token (2)</translation>
    </message>
    <message>
        <source>Otsi ainult keele&amp;juhi tekstist</source>
        <translation>Search only the spea&amp;ker&apos;s text</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::PartOfWordDialog</name>
    <message>
        <source>Otsi ...</source>
        <translation>Find ...</translation>
    </message>
    <message>
        <source>&amp;Otsi märgijada:</source>
        <translation>Find the character st&amp;ring:</translation>
    </message>
    <message>
        <source>&amp;sõne</source>
        <translation>&amp;token</translation>
    </message>
    <message>
        <source>&amp;märksõna</source>
        <translation>&amp;lemma</translation>
    </message>
    <message>
        <source>tä&amp;hendus</source>
        <translation>&amp;meaning</translation>
    </message>
    <message>
        <source>sõna&amp;liik</source>
        <translation>&amp;part of speech</translation>
    </message>
    <message>
        <source>morf. v&amp;orm</source>
        <translation>&amp;form tag</translation>
    </message>
    <message>
        <source>&amp;märgendamata</source>
        <translation>&amp;unannotated</translation>
    </message>
    <message>
        <source>st&amp;iil</source>
        <translation>st&amp;yle</translation>
    </message>
    <message>
        <source>&amp;inglise</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;läti</source>
        <translation>Lat&amp;vian</translation>
    </message>
    <message>
        <source>&amp;kommentaar</source>
        <translation>&amp;comment</translation>
    </message>
    <message>
        <source>Otsi kirje</source>
        <translation>Find in the entry</translation>
    </message>
    <message>
        <source>&amp;algusest</source>
        <translation>at the &amp;start</translation>
    </message>
    <message>
        <source>lõ&amp;pust</source>
        <translation>at the en&amp;d</translation>
    </message>
    <message>
        <source>k&amp;eskelt</source>
        <translation>in the m&amp;iddle</translation>
    </message>
    <message>
        <source>Märgin leitud sõnad selle taustavärviga</source>
        <translation>I mark the found words with this background colour</translation>
    </message>
    <message>
        <source>&amp;Vali muu värv</source>
        <translation>C&amp;hoose another colour</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::ReplaceDialog</name>
    <message>
        <source>Asenda</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Otsi:</source>
        <translation>Find:</translation>
    </message>
    <message>
        <source>Asenda:</source>
        <translation>Replace:</translation>
    </message>
    <message>
        <source>&amp;Lemma</source>
        <translation>&amp;Lemma</translation>
    </message>
    <message>
        <source>&amp;Tähendus</source>
        <translation>&amp;Meaning</translation>
    </message>
    <message>
        <source>&amp;Sõnaliik</source>
        <translation>&amp;Part of speech</translation>
    </message>
    <message>
        <source>&amp;Vorm</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <source>Vormiinfo</source>
        <translation>Form tag</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>L&amp;äti</source>
        <translation>La&amp;tvian</translation>
    </message>
    <message>
        <source>&amp;Inglise</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>Tähista asendatud infoga sõned selle taustavärviga</source>
        <translation>Mark the tokens with replaced information with this background colour</translation>
    </message>
    <message>
        <source>Vali &amp;uus värv</source>
        <translation>Choose a ne&amp;w colour</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::SearchDialog</name>
    <message>
        <source>Otsi</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;sõne</source>
        <translation>&amp;token</translation>
    </message>
    <message>
        <source>&amp;märksõna</source>
        <translation>&amp;lemma</translation>
    </message>
    <message>
        <source>tä&amp;hendus</source>
        <translation>&amp;meaning</translation>
    </message>
    <message>
        <source>sõna&amp;liik</source>
        <translation>&amp;part of speech</translation>
    </message>
    <message>
        <source>morf. v&amp;orm</source>
        <translation>&amp;form tag</translation>
    </message>
    <message>
        <source>Vormiinfo</source>
        <translation>Form tag</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>&amp;märgendamata</source>
        <translation>&amp;unannotated</translation>
    </message>
    <message>
        <source>st&amp;iil</source>
        <translation>st&amp;yle</translation>
    </message>
    <message>
        <source>&amp;inglise</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>&amp;läti</source>
        <translation>Lat&amp;vian</translation>
    </message>
    <message>
        <source>&amp;kommentaar</source>
        <translation>&amp;comment</translation>
    </message>
    <message>
        <source>Mä&amp;rgi leitud sõnad selle taustavärviga</source>
        <translation>Ma&amp;rk the found words with this background colour</translation>
    </message>
    <message>
        <source>&amp;Vali muu värv</source>
        <translation>C&amp;hoose another colour</translation>
    </message>
    <message>
        <source>Mi&amp;ne esimesele leitud sõnale</source>
        <translation>&amp;Go to the first word found</translation>
    </message>
    <message>
        <source>Otsi praegusest asukohast &amp;ettepoole</source>
        <translation>Search &amp;backwards from the current position</translation>
    </message>
    <message>
        <source>Otsi praegusest asukohast lõ&amp;pu poole</source>
        <translation>Search forwards from the current position to the en&amp;d</translation>
    </message>
    <message>
        <source>Otsi alates teksti &amp;algusest</source>
        <translation>Search from the text&apos;s &amp;start</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::SimpleDictionaryDialog</name>
    <message>
        <source>Päring: Lihtne sõnastik</source>
        <translation>Query: Simple dictionary</translation>
    </message>
    <message>
        <source>Lisa sõnastikku:</source>
        <translation>Add to the dictionary:</translation>
    </message>
    <message>
        <source>&amp;ühendid</source>
        <translation>&amp;combinations</translation>
    </message>
    <message>
        <source>&amp;näitelaused</source>
        <translation>e&amp;xample sentences</translation>
    </message>
    <message>
        <source>&amp;Salvesta faili:</source>
        <translation>&amp;Save to file:</translation>
    </message>
    <message>
        <source>&amp;Vali fail ...</source>
        <translation>C&amp;hoose file ...</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::SpeakerDialog</name>
    <message>
        <source>Keelejuhi andmed</source>
        <translation>Speaker&apos;s details</translation>
    </message>
    <message>
        <source>&amp;ID</source>
        <translation>&amp;ID</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>&amp;Keelejuht</source>
        <translation>&amp;Speaker</translation>
    </message>
    <message>
        <source>I&amp;ntervjueerija</source>
        <translation>I&amp;nterviewer</translation>
    </message>
    <message>
        <source>Ni&amp;mi</source>
        <translation>Na&amp;me</translation>
    </message>
    <message>
        <source>&amp;Sugu</source>
        <translation>Se&amp;x</translation>
    </message>
    <message>
        <source>Sünni&amp;aasta</source>
        <translation>&amp;Year of birth</translation>
    </message>
    <message>
        <source>&amp;Vanus</source>
        <translation>&amp;Age</translation>
    </message>
    <message>
        <source>Sünni&amp;paik</source>
        <translation>&amp;Birthplace</translation>
    </message>
    <message>
        <source>&amp;Haridus</source>
        <translation>&amp;Education</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::TextInfoDialog</name>
    <message>
        <source>Teksti andmed</source>
        <translation>Text details</translation>
    </message>
    <message>
        <source>&amp;ID</source>
        <translation>&amp;ID</translation>
    </message>
    <message>
        <source>Teksti tüüp</source>
        <translation>Text type</translation>
    </message>
    <message>
        <source>suuli&amp;ne </source>
        <translation>spo&amp;ken </translation>
    </message>
    <message>
        <source>&amp;kirjalik</source>
        <translation>&amp;written</translation>
    </message>
    <message>
        <source>T&amp;eema</source>
        <translation>T&amp;opic</translation>
    </message>
    <message>
        <source>Kül&amp;a</source>
        <translation>&amp;Village</translation>
    </message>
    <message>
        <source>L&amp;ongituud</source>
        <translation>Lon&amp;gitude</translation>
    </message>
    <message>
        <source>La&amp;tituud</source>
        <translation>Lati&amp;tude</translation>
    </message>
    <message>
        <source>Ki&amp;helkond</source>
        <translation>&amp;Parish</translation>
    </message>
    <message>
        <source>K&amp;eel</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Mu&amp;rre</source>
        <translation>&amp;Dialect</translation>
    </message>
    <message>
        <source>Kirjaviis/
transkri&amp;ptsioon</source>
        <translation>Orthography/
transc&amp;ription</translation>
    </message>
    <message>
        <source>Lin&amp;distuse arhiiviviide</source>
        <translation>Recording&apos;s archi&amp;ve reference</translation>
    </message>
    <message>
        <source>Lindista&amp;ja</source>
        <translation>Re&amp;corder</translation>
    </message>
    <message>
        <source>Lindistamisaas&amp;ta</source>
        <translation>Year of rec&amp;ording</translation>
    </message>
    <message>
        <source>Heli&amp;fail</source>
        <translation>Audio &amp;file</translation>
    </message>
    <message>
        <source>Litereerin&amp;gu arhiiviviide</source>
        <translation>Transcript&apos;s arc&amp;hive reference</translation>
    </message>
    <message>
        <source>Litereer&amp;ija</source>
        <translation>Transcri&amp;ber</translation>
    </message>
    <message>
        <source>Litereerimisaa&amp;sta</source>
        <translation>Year of tran&amp;scription</translation>
    </message>
    <message>
        <source>A&amp;utor</source>
        <translation>A&amp;uthor</translation>
    </message>
    <message>
        <source>Pealki&amp;ri</source>
        <translation>Titl&amp;e</translation>
    </message>
    <message>
        <source>Ilmumisaa&amp;sta</source>
        <translation>Year of p&amp;ublication</translation>
    </message>
    <message>
        <source>Ilmumiskoh&amp;t</source>
        <translation>Place of publicatio&amp;n</translation>
    </message>
    <message>
        <source>Muu inf&amp;o</source>
        <translation>Other informat&amp;ion</translation>
    </message>
    <message>
        <source>&amp;Vestluses osalejad</source>
        <translation>Participants in the conversa&amp;tion</translation>
    </message>
    <message>
        <source>&amp;Lisa</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Muuda</source>
        <translation>&amp;Modify</translation>
    </message>
    <message>
        <source>Ku&amp;stuta</source>
        <translation>&amp;Delete</translation>
    </message>
</context>
<context>
    <name>pelmora::gui::TransformationsDialog</name>
    <message>
        <source>Teisendused</source>
        <translation>Transformations</translation>
    </message>
    <message>
        <source>&amp;Teisendused:</source>
        <translation>&amp;Transformations:</translation>
    </message>
    <message>
        <source>Mis</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Milleks</source>
        <translation>Into</translation>
    </message>
    <message>
        <source>&amp;Mis:</source>
        <translation>&amp;What:</translation>
    </message>
    <message>
        <source>Mi&amp;lleks:</source>
        <translation>&amp;Into:</translation>
    </message>
    <message>
        <source>Lisa loendisse</source>
        <translation>Add to the list</translation>
    </message>
    <message>
        <source>Muuda valitud rida</source>
        <translation>Change the chosen line</translation>
    </message>
    <message>
        <source>Pane väljade väärtused valitud rea asemele</source>
        <translation>Put the fields&apos; values in place of the chosen line</translation>
    </message>
    <message>
        <source>Kustuta valitud rida</source>
        <translation>Delete the chosen line</translation>
    </message>
    <message>
        <source>Kustuta kõik</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>Üles</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Tõsta valitud rida üles (Ctrl+Üles)</source>
        <translation>Move the chosen line up (Ctrl+Up)</translation>
    </message>
    <message>
        <source>Alla</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Tõsta valitud rida alla (Ctrl+Alla)</source>
        <translation>Move the chosen line down (Ctrl+Down)</translation>
    </message>
    <message>
        <source>Korrapäratu kirjaviis</source>
        <translation>Irregular spelling</translation>
    </message>
    <message>
        <source>Sisseehitatud loend (208 paari)</source>
        <translation>Built-in list (208 pairs)</translation>
    </message>
    <message>
        <source>Vana kirjaviis</source>
        <translation>Old spelling</translation>
    </message>
    <message>
        <source>Sisseehitatud loend (28 paari)</source>
        <translation>Built-in list (28 pairs)</translation>
    </message>
    <message>
        <source>Loe failist</source>
        <translation>Read from file</translation>
    </message>
    <message>
        <source>Salvesta faili</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Loendis on tühik näidatud märgiga ␣ (sõna piir).</source>
        <translation>In the list a blank is shown as ␣ (a word boundary).</translation>
    </message>
</context>
</TS>
