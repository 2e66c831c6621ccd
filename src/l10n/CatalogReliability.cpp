#include "l10n/CatalogParts.h"

// Texts for faults during an import and unusual input.
extern const CatalogParts::Part kCatalogReliability;
const CatalogParts::Part kCatalogReliability = {
    R"catalog(
[en]
importContainerStopped = The container %@ stopped during the import. The database may hold part of the dump.
importContainerGone = The container %@ is gone: it was removed during the import.
importContainerPaused = The container %@ is paused, so no data is moving. Once it runs again, the database may hold part of the dump.
importEngineGone = Docker stopped answering during the import into %@. The database may hold part of the dump.
importClientSignalled = The import's client was ended by signal %1$d (%2$@), by another program or for lack of memory. The database may hold part of the dump.
progressStalled = %1$@ of %2$@ · no data is moving
nameNotUtf8 = %@: the file's name is not valid UTF-8, so it cannot be opened. Rename the file and try again.
paused = paused
blockedPaused = The container is paused. Unpause it, then try again.
[de]
importContainerStopped = Der Container %@ wurde während des Imports gestoppt. Die Datenbank enthält möglicherweise einen Teil des Dumps.
importContainerGone = Der Container %@ ist nicht mehr da: Er wurde während des Imports entfernt.
importContainerPaused = Der Container %@ ist pausiert, daher fließen keine Daten. Sobald er wieder läuft, enthält die Datenbank möglicherweise einen Teil des Dumps.
importEngineGone = Docker antwortet seit dem Import in %@ nicht mehr. Die Datenbank enthält möglicherweise einen Teil des Dumps.
importClientSignalled = Der Client des Imports wurde durch Signal %1$d (%2$@) beendet, von einem anderen Programm oder wegen Speichermangels. Die Datenbank enthält möglicherweise einen Teil des Dumps.
progressStalled = %1$@ von %2$@ · es fließen keine Daten
nameNotUtf8 = %@: Der Dateiname ist kein gültiges UTF-8 und kann daher nicht geöffnet werden. Benennen Sie die Datei um und versuchen Sie es erneut.
paused = pausiert
blockedPaused = Der Container ist pausiert. Setzen Sie ihn fort und versuchen Sie es dann erneut.
[nl]
importContainerStopped = De container %@ is tijdens de import gestopt. De database kan een deel van de dump bevatten.
importContainerGone = De container %@ is weg: hij is tijdens de import verwijderd.
importContainerPaused = De container %@ is gepauzeerd, dus er stromen geen gegevens. Zodra hij weer draait, kan de database een deel van de dump bevatten.
importEngineGone = Docker reageerde niet meer tijdens de import in %@. De database kan een deel van de dump bevatten.
importClientSignalled = De client van de import is beëindigd door signaal %1$d (%2$@), door een ander programma of door geheugengebrek. De database kan een deel van de dump bevatten.
progressStalled = %1$@ van %2$@ · er stromen geen gegevens
nameNotUtf8 = %@: de bestandsnaam is geen geldige UTF-8 en kan daarom niet worden geopend. Geef het bestand een andere naam en probeer het opnieuw.
paused = gepauzeerd
blockedPaused = De container is gepauzeerd. Hervat hem en probeer het dan opnieuw.
[da]
importContainerStopped = Containeren %@ stoppede under importen. Databasen kan indeholde en del af dumpet.
importContainerGone = Containeren %@ er væk: den blev fjernet under importen.
importContainerPaused = Containeren %@ er sat på pause, så der flyttes ingen data. Når den kører igen, kan databasen indeholde en del af dumpet.
importEngineGone = Docker holdt op med at svare under importen til %@. Databasen kan indeholde en del af dumpet.
importClientSignalled = Importens klient blev afsluttet af signal %1$d (%2$@), af et andet program eller på grund af manglende hukommelse. Databasen kan indeholde en del af dumpet.
progressStalled = %1$@ af %2$@ · ingen data flyttes
nameNotUtf8 = %@: filnavnet er ikke gyldig UTF-8, så filen kan ikke åbnes. Omdøb filen, og prøv igen.
paused = sat på pause
blockedPaused = Containeren er sat på pause. Genoptag den, og prøv så igen.
[sv]
importContainerStopped = Containern %@ stoppades under importen. Databasen kan innehålla en del av dumpen.
importContainerGone = Containern %@ är borta: den togs bort under importen.
importContainerPaused = Containern %@ är pausad, så inga data flyttas. När den körs igen kan databasen innehålla en del av dumpen.
importEngineGone = Docker slutade svara under importen till %@. Databasen kan innehålla en del av dumpen.
importClientSignalled = Importens klient avslutades av signal %1$d (%2$@), av ett annat program eller på grund av minnesbrist. Databasen kan innehålla en del av dumpen.
progressStalled = %1$@ av %2$@ · inga data flyttas
nameNotUtf8 = %@: filnamnet är inte giltig UTF-8, så filen kan inte öppnas. Byt namn på filen och försök igen.
paused = pausad
blockedPaused = Containern är pausad. Återuppta den och försök sedan igen.
[nb]
importContainerStopped = Containeren %@ stoppet under importen. Databasen kan inneholde en del av dumpen.
importContainerGone = Containeren %@ er borte: den ble fjernet under importen.
importContainerPaused = Containeren %@ er satt på pause, så ingen data flyttes. Når den kjører igjen, kan databasen inneholde en del av dumpen.
importEngineGone = Docker sluttet å svare under importen til %@. Databasen kan inneholde en del av dumpen.
importClientSignalled = Importens klient ble avsluttet av signal %1$d (%2$@), av et annet program eller på grunn av minnemangel. Databasen kan inneholde en del av dumpen.
progressStalled = %1$@ av %2$@ · ingen data flyttes
nameNotUtf8 = %@: filnavnet er ikke gyldig UTF-8, så filen kan ikke åpnes. Gi filen nytt navn og prøv igjen.
paused = satt på pause
blockedPaused = Containeren er satt på pause. Gjenoppta den, og prøv så igjen.
[nn]
importContainerStopped = Containeren %@ stoppa under importen. Databasen kan innehalde ein del av dumpen.
importContainerGone = Containeren %@ er borte: han vart fjerna under importen.
importContainerPaused = Containeren %@ er sett på pause, så ingen data vert flytte. Når han køyrer igjen, kan databasen innehalde ein del av dumpen.
importEngineGone = Docker slutta å svare under importen til %@. Databasen kan innehalde ein del av dumpen.
importClientSignalled = Klienten til importen vart avslutta av signal %1$d (%2$@), av eit anna program eller på grunn av minnemangel. Databasen kan innehalde ein del av dumpen.
progressStalled = %1$@ av %2$@ · ingen data vert flytte
nameNotUtf8 = %@: filnamnet er ikkje gyldig UTF-8, så fila kan ikkje opnast. Gje fila nytt namn og prøv igjen.
paused = sett på pause
blockedPaused = Containeren er sett på pause. Ta han opp att, og prøv så på nytt.
[is]
importContainerStopped = Gámurinn %@ stöðvaðist meðan á innflutningi stóð. Gagnagrunnurinn gæti innihaldið hluta af afritinu.
importContainerGone = Gámurinn %@ er horfinn: hann var fjarlægður meðan á innflutningi stóð.
importContainerPaused = Gámurinn %@ er í biðstöðu, svo engin gögn flytjast. Þegar hann keyrir aftur gæti gagnagrunnurinn innihaldið hluta af afritinu.
importEngineGone = Docker hætti að svara meðan á innflutningi í %@ stóð. Gagnagrunnurinn gæti innihaldið hluta af afritinu.
importClientSignalled = Biðlara innflutningsins var lokað með merki %1$d (%2$@), af öðru forriti eða vegna minnisskorts. Gagnagrunnurinn gæti innihaldið hluta af afritinu.
progressStalled = %1$@ af %2$@ · engin gögn flytjast
nameNotUtf8 = %@: heiti skrárinnar er ekki gilt UTF-8 og því er ekki hægt að opna hana. Endurnefndu skrána og reyndu aftur.
paused = í bið
blockedPaused = Gámurinn er í bið. Haltu honum áfram og reyndu svo aftur.
[fo]
importContainerStopped = Goymarin %@ steðgaði undir innflutninginum. Dátugrunnurin kann innihalda ein part av avritinum.
importContainerGone = Goymarin %@ er horvin: hann varð strikaður undir innflutninginum.
importContainerPaused = Goymarin %@ er settur á steðg, so eingi dátur flyta seg. Tá ið hann koyrir aftur, kann dátugrunnurin innihalda ein part av avritinum.
importEngineGone = Docker gavst at svara undir innflutninginum í %@. Dátugrunnurin kann innihalda ein part av avritinum.
importClientSignalled = Klienturin hjá innflutninginum varð endaður av signali %1$d (%2$@), av øðrum forriti ella vegna manglandi minni. Dátugrunnurin kann innihalda ein part av avritinum.
progressStalled = %1$@ av %2$@ · eingi dátur flyta seg
nameNotUtf8 = %@: fílunavnið er ikki gyldugt UTF-8, so fílan kann ikki latast upp. Gev fíluni nýtt navn og royn aftur.
paused = steðgaður í løtuni
blockedPaused = Konteinarin er steðgaður í løtuni. Halt honum fram, og royn so aftur.
[lb]
importContainerStopped = De Container %@ gouf während dem Import gestoppt. D'Datebank kéint en Deel vum Dump enthalen.
importContainerGone = De Container %@ ass net méi do: en gouf während dem Import ewechgeholl.
importContainerPaused = De Container %@ ass pauséiert, dofir fléissen keng Donnéeën. Soubal e rëm leeft, kéint d'Datebank en Deel vum Dump enthalen.
importEngineGone = Docker huet während dem Import an %@ net méi geäntwert. D'Datebank kéint en Deel vum Dump enthalen.
importClientSignalled = De Client vum Import gouf duerch Signal %1$d (%2$@) beendet, vun engem anere Programm oder wéinst Späichermangel. D'Datebank kéint en Deel vum Dump enthalen.
progressStalled = %1$@ vun %2$@ · et fléissen keng Donnéeën
nameNotUtf8 = %@: den Numm vum Fichier ass keen gëltegt UTF-8, dofir kann en net opgemaach ginn. Benennt de Fichier ëm a probéiert nach eng Kéier.
paused = pauséiert
blockedPaused = De Container ass pauséiert. Setzt en erëm fort a probéiert dann nach eng Kéier.
[fr]
importContainerStopped = Le conteneur %@ s’est arrêté pendant l’importation. La base de données peut contenir une partie du dump.
importContainerGone = Le conteneur %@ n’existe plus : il a été supprimé pendant l’importation.
importContainerPaused = Le conteneur %@ est en pause, aucune donnée ne circule. Une fois relancé, la base de données peut contenir une partie du dump.
importEngineGone = Docker a cessé de répondre pendant l’importation dans %@. La base de données peut contenir une partie du dump.
importClientSignalled = Le client de l’importation a été arrêté par le signal %1$d (%2$@), par un autre programme ou faute de mémoire. La base de données peut contenir une partie du dump.
progressStalled = %1$@ sur %2$@ · aucune donnée ne circule
nameNotUtf8 = %@ : le nom du fichier n’est pas en UTF-8 valide, il ne peut donc pas être ouvert. Renommez le fichier et réessayez.
paused = en pause
blockedPaused = Le conteneur est en pause. Reprenez-le, puis réessayez.
[es]
importContainerStopped = El contenedor %@ se detuvo durante la importación. La base de datos puede contener parte del volcado.
importContainerGone = El contenedor %@ ya no existe: se eliminó durante la importación.
importContainerPaused = El contenedor %@ está en pausa, así que no se mueven datos. Cuando vuelva a ejecutarse, la base de datos puede contener parte del volcado.
importEngineGone = Docker dejó de responder durante la importación en %@. La base de datos puede contener parte del volcado.
importClientSignalled = El cliente de la importación terminó por la señal %1$d (%2$@), por otro programa o por falta de memoria. La base de datos puede contener parte del volcado.
progressStalled = %1$@ de %2$@ · no se mueven datos
nameNotUtf8 = %@: el nombre del archivo no es UTF-8 válido, así que no se puede abrir. Cambie el nombre del archivo e inténtelo de nuevo.
paused = en pausa
blockedPaused = El contenedor está en pausa. Reanúdelo y vuelva a intentarlo.
[it]
importContainerStopped = Il container %@ si è fermato durante l’importazione. Il database potrebbe contenere parte del dump.
importContainerGone = Il container %@ non c’è più: è stato rimosso durante l’importazione.
importContainerPaused = Il container %@ è in pausa, quindi nessun dato si muove. Quando ripartirà, il database potrebbe contenere parte del dump.
importEngineGone = Docker ha smesso di rispondere durante l’importazione in %@. Il database potrebbe contenere parte del dump.
importClientSignalled = Il client dell’importazione è stato terminato dal segnale %1$d (%2$@), da un altro programma o per mancanza di memoria. Il database potrebbe contenere parte del dump.
progressStalled = %1$@ di %2$@ · nessun dato si muove
nameNotUtf8 = %@: il nome del file non è UTF-8 valido, quindi non può essere aperto. Rinomina il file e riprova.
paused = in pausa
blockedPaused = Il container è in pausa. Riprendilo, poi riprova.
[pt]
importContainerStopped = O contentor %@ parou durante a importação. A base de dados pode conter parte do dump.
importContainerGone = O contentor %@ já não existe: foi removido durante a importação.
importContainerPaused = O contentor %@ está em pausa, por isso nenhum dado se move. Quando voltar a correr, a base de dados pode conter parte do dump.
importEngineGone = O Docker deixou de responder durante a importação para %@. A base de dados pode conter parte do dump.
importClientSignalled = O cliente da importação foi terminado pelo sinal %1$d (%2$@), por outro programa ou por falta de memória. A base de dados pode conter parte do dump.
progressStalled = %1$@ de %2$@ · nenhum dado se move
nameNotUtf8 = %@: o nome do ficheiro não é UTF-8 válido, por isso não pode ser aberto. Mude o nome do ficheiro e tente novamente.
paused = em pausa
blockedPaused = O contêiner está em pausa. Retome-o e tente novamente.
[ro]
importContainerStopped = Containerul %@ s-a oprit în timpul importului. Baza de date poate conține o parte din dump.
importContainerGone = Containerul %@ nu mai există: a fost eliminat în timpul importului.
importContainerPaused = Containerul %@ este în pauză, deci nu se mută date. După ce rulează din nou, baza de date poate conține o parte din dump.
importEngineGone = Docker nu a mai răspuns în timpul importului în %@. Baza de date poate conține o parte din dump.
importClientSignalled = Clientul importului a fost încheiat de semnalul %1$d (%2$@), de alt program sau din lipsă de memorie. Baza de date poate conține o parte din dump.
progressStalled = %1$@ din %2$@ · nu se mută date
nameNotUtf8 = %@: numele fișierului nu este UTF-8 valid, deci nu poate fi deschis. Redenumiți fișierul și încercați din nou.
paused = în pauză
blockedPaused = Containerul este în pauză. Reluați-l, apoi încercați din nou.
[ca]
importContainerStopped = El contenidor %@ s’ha aturat durant la importació. La base de dades pot contenir part del bolcat.
importContainerGone = El contenidor %@ ja no existeix: s’ha eliminat durant la importació.
importContainerPaused = El contenidor %@ està en pausa, així que no es mouen dades. Quan torni a funcionar, la base de dades pot contenir part del bolcat.
importEngineGone = Docker ha deixat de respondre durant la importació a %@. La base de dades pot contenir part del bolcat.
importClientSignalled = El client de la importació ha acabat pel senyal %1$d (%2$@), per un altre programa o per manca de memòria. La base de dades pot contenir part del bolcat.
progressStalled = %1$@ de %2$@ · no es mouen dades
nameNotUtf8 = %@: el nom del fitxer no és UTF-8 vàlid, així que no es pot obrir. Canvieu el nom del fitxer i torneu-ho a provar.
paused = en pausa
blockedPaused = El contenidor està en pausa. Reprengueu-lo i torneu-ho a provar.
[gl]
importContainerStopped = O contedor %@ detívose durante a importación. A base de datos pode conter parte do volcado.
importContainerGone = O contedor %@ xa non existe: eliminouse durante a importación.
importContainerPaused = O contedor %@ está en pausa, así que non se moven datos. Cando volva funcionar, a base de datos pode conter parte do volcado.
importEngineGone = Docker deixou de responder durante a importación en %@. A base de datos pode conter parte do volcado.
importClientSignalled = O cliente da importación rematou polo sinal %1$d (%2$@), por outro programa ou por falta de memoria. A base de datos pode conter parte do volcado.
progressStalled = %1$@ de %2$@ · non se moven datos
nameNotUtf8 = %@: o nome do ficheiro non é UTF-8 válido, así que non se pode abrir. Cambie o nome do ficheiro e ténteo de novo.
paused = en pausa
blockedPaused = O contedor está en pausa. Retómao e téntao de novo.
[rm]
importContainerStopped = Il container %@ è vegnì fermà durant l’import. La banca da datas po cuntegnair ina part dal dump.
importContainerGone = Il container %@ n’exista betg pli: el è vegnì allontanà durant l’import.
importContainerPaused = Il container %@ è en pausa, perquai na sa movan naginas datas. Cur ch’el cuorra puspè, po la banca da datas cuntegnair ina part dal dump.
importEngineGone = Docker n’ha betg pli respundì durant l’import en %@. La banca da datas po cuntegnair ina part dal dump.
importClientSignalled = Il client da l’import è vegnì terminà dal signal %1$d (%2$@), d’in auter program u per mancanza da memoria. La banca da datas po cuntegnair ina part dal dump.
progressStalled = %1$@ da %2$@ · naginas datas na sa movan
nameNotUtf8 = %@: il num da la datoteca n’è betg UTF-8 valid, perquai na po ella betg vegnir averta. Renumnai la datoteca e empruvai anc ina giada.
paused = en pausa
blockedPaused = Il container è en pausa. Cuntinuescha el e emprova lura anc ina giada.
[pl]
importContainerStopped = Kontener %@ zatrzymał się podczas importu. Baza danych może zawierać część zrzutu.
importContainerGone = Kontenera %@ już nie ma: został usunięty podczas importu.
importContainerPaused = Kontener %@ jest wstrzymany, więc dane nie płyną. Gdy znów zostanie uruchomiony, baza danych może zawierać część zrzutu.
importEngineGone = Docker przestał odpowiadać podczas importu do %@. Baza danych może zawierać część zrzutu.
importClientSignalled = Klient importu został zakończony sygnałem %1$d (%2$@), przez inny program lub z braku pamięci. Baza danych może zawierać część zrzutu.
progressStalled = %1$@ z %2$@ · dane nie płyną
nameNotUtf8 = %@: nazwa pliku nie jest poprawnym UTF-8, więc nie można go otworzyć. Zmień nazwę pliku i spróbuj ponownie.
paused = wstrzymany
blockedPaused = Kontener jest wstrzymany. Wznów go i spróbuj ponownie.
[cs]
importContainerStopped = Kontejner %@ se během importu zastavil. Databáze může obsahovat část výpisu.
importContainerGone = Kontejner %@ už neexistuje: byl během importu odstraněn.
importContainerPaused = Kontejner %@ je pozastaven, takže se nepřenášejí žádná data. Jakmile znovu poběží, databáze může obsahovat část výpisu.
importEngineGone = Docker během importu do %@ přestal odpovídat. Databáze může obsahovat část výpisu.
importClientSignalled = Klient importu byl ukončen signálem %1$d (%2$@), jiným programem nebo kvůli nedostatku paměti. Databáze může obsahovat část výpisu.
progressStalled = %1$@ z %2$@ · nepřenášejí se žádná data
nameNotUtf8 = %@: název souboru není platné UTF-8, a proto ho nelze otevřít. Přejmenujte soubor a zkuste to znovu.
paused = pozastavený
blockedPaused = Kontejner je pozastaven. Obnovte jej a zkuste to znovu.
[sk]
importContainerStopped = Kontajner %@ sa počas importu zastavil. Databáza môže obsahovať časť výpisu.
importContainerGone = Kontajner %@ už neexistuje: bol počas importu odstránený.
importContainerPaused = Kontajner %@ je pozastavený, takže sa neprenášajú žiadne dáta. Keď znova pobeží, databáza môže obsahovať časť výpisu.
importEngineGone = Docker počas importu do %@ prestal odpovedať. Databáza môže obsahovať časť výpisu.
importClientSignalled = Klient importu bol ukončený signálom %1$d (%2$@), iným programom alebo pre nedostatok pamäte. Databáza môže obsahovať časť výpisu.
progressStalled = %1$@ z %2$@ · neprenášajú sa žiadne dáta
nameNotUtf8 = %@: názov súboru nie je platné UTF-8, a preto ho nemožno otvoriť. Premenujte súbor a skúste to znova.
paused = pozastavený
blockedPaused = Kontajner je pozastavený. Obnovte ho a skúste to znova.
[sl]
importContainerStopped = Vsebnik %@ se je med uvozom ustavil. Zbirka podatkov lahko vsebuje del izpisa.
importContainerGone = Vsebnika %@ ni več: med uvozom je bil odstranjen.
importContainerPaused = Vsebnik %@ je začasno ustavljen, zato se podatki ne premikajo. Ko bo spet tekel, lahko zbirka podatkov vsebuje del izpisa.
importEngineGone = Docker se med uvozom v %@ ni več odzival. Zbirka podatkov lahko vsebuje del izpisa.
importClientSignalled = Odjemalca uvoza je končal signal %1$d (%2$@), drug program ali pomanjkanje pomnilnika. Zbirka podatkov lahko vsebuje del izpisa.
progressStalled = %1$@ od %2$@ · podatki se ne premikajo
nameNotUtf8 = %@: ime datoteke ni veljaven UTF-8, zato je ni mogoče odpreti. Preimenujte datoteko in poskusite znova.
paused = začasno ustavljen
blockedPaused = Vsebnik je začasno ustavljen. Nadaljujte ga in poskusite znova.
[hr]
importContainerStopped = Kontejner %@ zaustavio se tijekom uvoza. Baza podataka može sadržavati dio dumpa.
importContainerGone = Kontejnera %@ više nema: uklonjen je tijekom uvoza.
importContainerPaused = Kontejner %@ je pauziran, pa se podaci ne kreću. Kad se ponovno pokrene, baza podataka može sadržavati dio dumpa.
importEngineGone = Docker je prestao odgovarati tijekom uvoza u %@. Baza podataka može sadržavati dio dumpa.
importClientSignalled = Klijent uvoza završen je signalom %1$d (%2$@), drugim programom ili zbog nedostatka memorije. Baza podataka može sadržavati dio dumpa.
progressStalled = %1$@ od %2$@ · podaci se ne kreću
nameNotUtf8 = %@: naziv datoteke nije valjani UTF-8, pa se ne može otvoriti. Preimenujte datoteku i pokušajte ponovno.
paused = pauziran
blockedPaused = Kontejner je pauziran. Nastavite ga pa pokušajte ponovno.
[bs]
importContainerStopped = Kontejner %@ se zaustavio tokom uvoza. Baza podataka može sadržavati dio dumpa.
importContainerGone = Kontejnera %@ više nema: uklonjen je tokom uvoza.
importContainerPaused = Kontejner %@ je pauziran, pa se podaci ne kreću. Kad ponovo bude radio, baza podataka može sadržavati dio dumpa.
importEngineGone = Docker je prestao odgovarati tokom uvoza u %@. Baza podataka može sadržavati dio dumpa.
importClientSignalled = Klijent uvoza je završen signalom %1$d (%2$@), drugim programom ili zbog nedostatka memorije. Baza podataka može sadržavati dio dumpa.
progressStalled = %1$@ od %2$@ · podaci se ne kreću
nameNotUtf8 = %@: naziv datoteke nije važeći UTF-8, pa se ne može otvoriti. Preimenujte datoteku i pokušajte ponovo.
paused = pauziran
blockedPaused = Kontejner je pauziran. Nastavite ga pa pokušajte ponovo.
[sr]
importContainerStopped = Контејнер %@ се зауставио током увоза. База података може садржати део дампа.
importContainerGone = Контејнера %@ више нема: уклоњен је током увоза.
importContainerPaused = Контејнер %@ је паузиран, па се подаци не крећу. Кад поново буде радио, база података може садржати део дампа.
importEngineGone = Docker је престао да одговара током увоза у %@. База података може садржати део дампа.
importClientSignalled = Клијент увоза је завршен сигналом %1$d (%2$@), другим програмом или због недостатка меморије. База података може садржати део дампа.
progressStalled = %1$@ од %2$@ · подаци се не крећу
nameNotUtf8 = %@: назив датотеке није исправан UTF-8, па не може да се отвори. Преименујте датотеку и покушајте поново.
paused = паузиран
blockedPaused = Контејнер је паузиран. Наставите га па покушајте поново.
[sr-Latn]
importContainerStopped = Kontejner %@ se zaustavio tokom uvoza. Baza podataka može sadržati deo dampa.
importContainerGone = Kontejnera %@ više nema: uklonjen je tokom uvoza.
importContainerPaused = Kontejner %@ je pauziran, pa se podaci ne kreću. Kad ponovo bude radio, baza podataka može sadržati deo dampa.
importEngineGone = Docker je prestao da odgovara tokom uvoza u %@. Baza podataka može sadržati deo dampa.
importClientSignalled = Klijent uvoza je završen signalom %1$d (%2$@), drugim programom ili zbog nedostatka memorije. Baza podataka može sadržati deo dampa.
progressStalled = %1$@ od %2$@ · podaci se ne kreću
nameNotUtf8 = %@: naziv datoteke nije ispravan UTF-8, pa ne može da se otvori. Preimenujte datoteku i pokušajte ponovo.
paused = pauziran
blockedPaused = Kontejner je pauziran. Nastavite ga pa pokušajte ponovo.
[bg]
importContainerStopped = Контейнерът %@ спря по време на импорта. Базата данни може да съдържа част от дъмпа.
importContainerGone = Контейнерът %@ вече го няма: беше премахнат по време на импорта.
importContainerPaused = Контейнерът %@ е на пауза, затова не се движат данни. Когато отново работи, базата данни може да съдържа част от дъмпа.
importEngineGone = Docker спря да отговаря по време на импорта в %@. Базата данни може да съдържа част от дъмпа.
importClientSignalled = Клиентът на импорта беше прекратен от сигнал %1$d (%2$@), от друга програма или поради липса на памет. Базата данни може да съдържа част от дъмпа.
progressStalled = %1$@ от %2$@ · не се движат данни
nameNotUtf8 = %@: името на файла не е валиден UTF-8, затова не може да бъде отворен. Преименувайте файла и опитайте отново.
paused = на пауза
blockedPaused = Контейнерът е на пауза. Възобновете го и опитайте отново.
[mk]
importContainerStopped = Контејнерот %@ запре за време на увозот. Базата на податоци може да содржи дел од дампот.
importContainerGone = Контејнерот %@ го нема: беше отстранет за време на увозот.
importContainerPaused = Контејнерот %@ е паузиран, па не се движат податоци. Кога повторно ќе работи, базата на податоци може да содржи дел од дампот.
importEngineGone = Docker престана да одговара за време на увозот во %@. Базата на податоци може да содржи дел од дампот.
importClientSignalled = Клиентот на увозот беше прекинат со сигнал %1$d (%2$@), од друга програма или поради недостиг на меморија. Базата на податоци може да содржи дел од дампот.
progressStalled = %1$@ од %2$@ · не се движат податоци
nameNotUtf8 = %@: името на датотеката не е валиден UTF-8, па не може да се отвори. Преименувајте ја датотеката и обидете се повторно.
paused = паузиран
blockedPaused = Контејнерот е паузиран. Продолжете го, па обидете се повторно.
[be]
importContainerStopped = Кантэйнер %@ спыніўся падчас імпарту. База даных можа змяшчаць частку дампу.
importContainerGone = Кантэйнера %@ больш няма: яго выдалілі падчас імпарту.
importContainerPaused = Кантэйнер %@ прыпынены, таму даныя не рухаюцца. Калі ён зноў запрацуе, база даных можа змяшчаць частку дампу.
importEngineGone = Docker перастаў адказваць падчас імпарту ў %@. База даных можа змяшчаць частку дампу.
importClientSignalled = Кліент імпарту быў завершаны сігналам %1$d (%2$@), іншай праграмай або праз нястачу памяці. База даных можа змяшчаць частку дампу.
progressStalled = %1$@ з %2$@ · даныя не рухаюцца
nameNotUtf8 = %@: назва файла не з'яўляецца сапраўдным UTF-8, таму яго нельга адкрыць. Перайменуйце файл і паспрабуйце зноў.
paused = прыпынены
blockedPaused = Кантэйнер прыпынены. Аднавіце яго і паспрабуйце зноў.
[ru]
importContainerStopped = Контейнер %@ остановился во время импорта. База данных может содержать часть дампа.
importContainerGone = Контейнера %@ больше нет: он был удалён во время импорта.
importContainerPaused = Контейнер %@ приостановлен, поэтому данные не передаются. Когда он снова заработает, база данных может содержать часть дампа.
importEngineGone = Docker перестал отвечать во время импорта в %@. База данных может содержать часть дампа.
importClientSignalled = Клиент импорта был завершён сигналом %1$d (%2$@), другой программой или из-за нехватки памяти. База данных может содержать часть дампа.
progressStalled = %1$@ из %2$@ · данные не передаются
nameNotUtf8 = %@: имя файла не является корректным UTF-8, поэтому его нельзя открыть. Переименуйте файл и попробуйте снова.
paused = приостановлен
blockedPaused = Контейнер приостановлен. Возобновите его и повторите попытку.
[zh-Hans]
importContainerStopped = 容器 %@ 在导入期间停止了。数据库可能只包含转储的一部分。
importContainerGone = 容器 %@ 已不存在：它在导入期间被删除了。
importContainerPaused = 容器 %@ 已暂停，因此没有数据在传输。它再次运行后，数据库可能只包含转储的一部分。
importEngineGone = 导入到 %@ 期间 Docker 停止了响应。数据库可能只包含转储的一部分。
importClientSignalled = 导入的客户端被信号 %1$d（%2$@）终止，原因是其他程序或内存不足。数据库可能只包含转储的一部分。
progressStalled = %1$@ / %2$@ · 没有数据在传输
nameNotUtf8 = %@：文件名不是有效的 UTF-8，因此无法打开。请重命名该文件后再试。
paused = 已暂停
blockedPaused = 该容器已暂停。请先恢复它，然后重试。
[zh-Hant]
importContainerStopped = 容器 %@ 在匯入期間停止了。資料庫可能只包含傾印的一部分。
importContainerGone = 容器 %@ 已不存在：它在匯入期間被移除了。
importContainerPaused = 容器 %@ 已暫停，因此沒有資料在傳輸。它再次執行後，資料庫可能只包含傾印的一部分。
importEngineGone = 匯入到 %@ 期間 Docker 停止了回應。資料庫可能只包含傾印的一部分。
importClientSignalled = 匯入的用戶端被訊號 %1$d（%2$@）終止，原因是其他程式或記憶體不足。資料庫可能只包含傾印的一部分。
progressStalled = %1$@ / %2$@ · 沒有資料在傳輸
nameNotUtf8 = %@：檔案名稱不是有效的 UTF-8，因此無法開啟。請重新命名該檔案後再試。
paused = 已暫停
blockedPaused = 此容器已暫停。請先恢復它，然後再試一次。
[ja]
importContainerStopped = インポート中にコンテナ %@ が停止しました。データベースにはダンプの一部だけが入っている可能性があります。
importContainerGone = コンテナ %@ はもうありません。インポート中に削除されました。
importContainerPaused = コンテナ %@ は一時停止中のため、データが流れていません。再び動き出すと、データベースにはダンプの一部だけが入っている可能性があります。
importEngineGone = %@ へのインポート中に Docker が応答しなくなりました。データベースにはダンプの一部だけが入っている可能性があります。
importClientSignalled = インポートのクライアントがシグナル %1$d（%2$@）で終了しました。別のプログラムによるものか、メモリ不足です。データベースにはダンプの一部だけが入っている可能性があります。
progressStalled = %1$@ / %2$@ · データが流れていません
nameNotUtf8 = %@: ファイル名が正しい UTF-8 ではないため、開けません。ファイル名を変更してもう一度お試しください。
paused = 一時停止中
blockedPaused = このコンテナは一時停止中です。再開してから、もう一度お試しください。
[ko]
importContainerStopped = 가져오는 동안 컨테이너 %@이(가) 중지되었습니다. 데이터베이스에 덤프의 일부만 들어 있을 수 있습니다.
importContainerGone = 컨테이너 %@이(가) 없습니다. 가져오는 동안 제거되었습니다.
importContainerPaused = 컨테이너 %@이(가) 일시 중지되어 데이터가 전송되지 않습니다. 다시 실행되면 데이터베이스에 덤프의 일부만 들어 있을 수 있습니다.
importEngineGone = %@(으)로 가져오는 동안 Docker가 응답을 멈췄습니다. 데이터베이스에 덤프의 일부만 들어 있을 수 있습니다.
importClientSignalled = 가져오기 클라이언트가 다른 프로그램이나 메모리 부족으로 인해 신호 %1$d(%2$@)로 종료되었습니다. 데이터베이스에 덤프의 일부만 들어 있을 수 있습니다.
progressStalled = %1$@ / %2$@ · 데이터가 전송되지 않음
nameNotUtf8 = %@: 파일 이름이 올바른 UTF-8이 아니어서 열 수 없습니다. 파일 이름을 바꾼 뒤 다시 시도하십시오.
paused = 일시 중지됨
blockedPaused = 컨테이너가 일시 중지되었습니다. 다시 시작한 후 다시 시도하세요.
)catalog",
    "importContainerStopped importContainerGone importContainerPaused importEngineGone importClientSignalled progressStalled nameNotUtf8 paused blockedPaused",
};
