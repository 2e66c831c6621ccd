#include "l10n/CatalogParts.h"

// Texts about rows loaded in several sessions at once.
extern const CatalogParts::Part kCatalogParallel;
const CatalogParts::Part kCatalogParallel = {
    R"catalog(
[en]
fixLockTables = Line %d: LOCK TABLES and UNLOCK TABLES are left out: the rows of a table go in several sessions at once, and one session’s lock would stop the others.
confirmParallel = Rows of the tables the dump creates load in %d sessions at once; views, triggers and routines follow once all rows are in.
settingJobs = Sessions loading rows
settingJobsAutomatic = Automatic (%d)
settingJobsHint = How many sessions load rows at once. More load a large dump faster on a server with several cores; 1 runs the whole dump in one session, in its order.
tableRowsDone = Table %1$@: all its rows are in (%2$d batches committed).
fixKeysLater = Line %d: the secondary keys of the tables the dump creates are added once their rows are in, which loads the rows faster.
[de]
fixLockTables = Zeile %d: LOCK TABLES und UNLOCK TABLES ausgelassen: Die Datensätze einer Tabelle werden in mehreren Sitzungen gleichzeitig geladen, und die Sperre einer Sitzung würde die anderen aufhalten.
confirmParallel = Die Datensätze der Tabellen, die der Dump anlegt, werden in %d Sitzungen gleichzeitig geladen; Views, Trigger und Routinen folgen, sobald alle Datensätze geladen sind.
settingJobs = Sitzungen zum Laden der Datensätze
settingJobsAutomatic = Automatisch (%d)
settingJobsHint = Wie viele Sitzungen gleichzeitig Datensätze laden. Mit mehr Sitzungen wird ein großer Dump auf einem Server mit mehreren Kernen schneller geladen; bei 1 läuft der ganze Dump in einer Sitzung, in seiner Reihenfolge.
tableRowsDone = Tabelle %1$@: Alle Datensätze sind geladen (%2$d Stapel festgeschrieben).
fixKeysLater = Zeile %d: Die Sekundärindizes der Tabellen, die der Dump anlegt, werden erst hinzugefügt, wenn ihre Datensätze geladen sind; so werden die Datensätze schneller geladen.
[nl]
fixLockTables = Regel %d: LOCK TABLES en UNLOCK TABLES weggelaten: de rijen van een tabel worden in meerdere sessies tegelijk geladen, en de vergrendeling van één sessie zou de andere tegenhouden.
confirmParallel = Rijen van de tabellen die de dump aanmaakt, worden in %d sessies tegelijk geladen; views, triggers en routines volgen zodra alle rijen erin staan.
settingJobs = Sessies die rijen laden
settingJobsAutomatic = Automatisch (%d)
settingJobsHint = Hoeveel sessies tegelijk rijen laden. Met meer sessies wordt een grote dump sneller geladen op een server met meerdere kernen; bij 1 loopt de hele dump in één sessie, in zijn eigen volgorde.
tableRowsDone = Tabel %1$@: alle rijen staan erin (vastgelegde batches: %2$d).
fixKeysLater = Regel %d: de secundaire indexen van de tabellen die de dump aanmaakt, worden pas toegevoegd zodra hun rijen erin staan; zo worden de rijen sneller geladen.
[da]
fixLockTables = Linje %d: LOCK TABLES og UNLOCK TABLES udeladt: rækkerne i en tabel indlæses i flere sessioner på én gang, og én sessions lås ville standse de andre.
confirmParallel = Rækkerne i de tabeller, dumpet opretter, indlæses i %d sessioner på én gang; views, triggere og rutiner følger, når alle rækker er indlæst.
settingJobs = Sessioner, der indlæser rækker
settingJobsAutomatic = Automatisk (%d)
settingJobsHint = Hvor mange sessioner der indlæser rækker på én gang. Flere sessioner indlæser et stort dump hurtigere på en server med flere kerner; med 1 kører hele dumpet i én session, i sin egen rækkefølge.
tableRowsDone = Tabel %1$@: alle dens rækker er indlæst (bekræftede portioner: %2$d).
fixKeysLater = Linje %d: de sekundære indekser for de tabeller, dumpet opretter, tilføjes først, når deres rækker er indlæst; så indlæses rækkerne hurtigere.
[sv]
fixLockTables = Rad %d: LOCK TABLES och UNLOCK TABLES utelämnades: posterna i en tabell läses in i flera sessioner samtidigt, och en sessions lås skulle stoppa de andra.
confirmParallel = Posterna i tabellerna som dumpen skapar läses in i %d sessioner samtidigt; vyer, triggrar och rutiner följer när alla poster är inlästa.
settingJobs = Sessioner som läser in poster
settingJobsAutomatic = Automatiskt (%d)
settingJobsHint = Hur många sessioner som läser in poster samtidigt. Fler sessioner läser in en stor dump snabbare på en server med flera kärnor; med 1 körs hela dumpen i en session, i sin ordning.
tableRowsDone = Tabell %1$@: alla dess poster är inlästa (bekräftade omgångar: %2$d).
fixKeysLater = Rad %d: de sekundära indexen för tabellerna som dumpen skapar läggs till först när deras poster är inlästa; då läses posterna in snabbare.
[nb]
fixLockTables = Linje %d: LOCK TABLES og UNLOCK TABLES utelatt: radene i en tabell lastes inn i flere økter samtidig, og låsen til én økt ville stoppe de andre.
confirmParallel = Radene i tabellene som dumpen oppretter, lastes inn i %d økter samtidig; visninger, triggere og rutiner følger når alle radene er lastet inn.
settingJobs = Økter som laster inn rader
settingJobsAutomatic = Automatisk (%d)
settingJobsHint = Hvor mange økter som laster inn rader samtidig. Flere økter laster inn en stor dump raskere på en server med flere kjerner; med 1 kjøres hele dumpen i én økt, i sin rekkefølge.
tableRowsDone = Tabell %1$@: alle radene er lastet inn (bekreftede bolker: %2$d).
fixKeysLater = Linje %d: de sekundære indeksene for tabellene som dumpen oppretter, legges til først når radene deres er lastet inn; da lastes radene inn raskere.
[nn]
fixLockTables = Linje %d: LOCK TABLES og UNLOCK TABLES utelate: radene i ein tabell blir lasta inn i fleire økter samstundes, og låsen til éi økt ville stoppa dei andre.
confirmParallel = Radene i tabellane som dumpen opprettar, blir lasta inn i %d økter samstundes; visingar, triggarar og rutinar følgjer når alle radene er lasta inn.
settingJobs = Økter som lastar inn rader
settingJobsAutomatic = Automatisk (%d)
settingJobsHint = Kor mange økter som lastar inn rader samstundes. Fleire økter lastar inn ein stor dump raskare på ein tenar med fleire kjernar; med 1 blir heile dumpen køyrd i éi økt, i si rekkjefølgje.
tableRowsDone = Tabell %1$@: alle radene er lasta inn (stadfesta bolkar: %2$d).
fixKeysLater = Linje %d: dei sekundære indeksane for tabellane som dumpen opprettar, blir lagde til først når radene deira er lasta inn; då blir radene lasta inn raskare.
[is]
fixLockTables = Lína %d: LOCK TABLES og UNLOCK TABLES sleppt: raðir hverrar töflu eru hlaðnar inn í nokkrum setum í einu og lás einnar setu myndi stöðva hinar.
confirmParallel = Raðir taflnanna sem afritið býr til eru hlaðnar inn í nokkrum setum í einu (fjöldi seta: %d); sýnir, gikkir og stefjur koma á eftir þegar allar raðir eru komnar inn.
settingJobs = Setur sem hlaða inn röðum
settingJobsAutomatic = Sjálfvirkt (%d)
settingJobsHint = Hversu margar setur hlaða inn röðum í einu. Með fleiri setum hleðst stórt afrit hraðar inn á þjóni með marga kjarna; með 1 keyrir allt afritið í einni setu, í upprunalegri röð.
tableRowsDone = Tafla %1$@: allar raðir hennar eru komnar inn (staðfestar lotur: %2$d).
fixKeysLater = Lína %d: aukalyklum taflnanna sem afritið býr til er bætt við þegar raðir þeirra eru komnar inn; þannig hlaðast raðirnar hraðar inn.
[fo]
fixLockTables = Linja %d: LOCK TABLES og UNLOCK TABLES tikin burtur: raðirnar í einari talvu verða lisnar inn í fleiri setum í senn, og lásurin hjá einari setu hevði steðgað hinum.
confirmParallel = Raðirnar í talvunum, sum avritið stovnar, verða lisnar inn í fleiri setum í senn (tal av setum: %d); sýnir, triggarar og rutinir koma aftaná, tá ið allar raðirnar eru komnar inn.
settingJobs = Setur, sum lesa raðir inn
settingJobsAutomatic = Sjálvvirkið (%d)
settingJobsHint = Hvussu nógvar setur lesa raðir inn í senn. Við fleiri setum verður eitt stórt avrit skjótari lisið inn á einum ambætara við fleiri kjarnum; við 1 koyrir alt avritið í einari setu, í upprunaligu raðfylgjuni.
tableRowsDone = Talva %1$@: allar raðirnar eru komnar inn (váttaðir bólkar: %2$d).
fixKeysLater = Linja %d: eykalyklarnir í talvunum, sum avritið stovnar, verða lagdir afturat, tá ið raðirnar í teimum eru komnar inn; soleiðis verða raðirnar skjótari lisnar inn.
[lb]
fixLockTables = Linn %d: LOCK TABLES an UNLOCK TABLES ausgelooss: D'Datesätz vun enger Tabell gi gläichzäiteg a méi Sessioune gelueden, an d'Spär vun enger Sessioun géif déi aner ophalen.
confirmParallel = D'Datesätz vun den Tabellen, déi den Dump uleet, gi gläichzäiteg mat %d Sessioune gelueden; Views, Triggeren a Routine kommen duerno, soubal all Datesätz gelueden sinn.
settingJobs = Sessiounen, déi Datesätz lueden
settingJobsAutomatic = Automatesch (%d)
settingJobsHint = Wéi vill Sessiounen zur selwechter Zäit Datesätz lueden. Mat méi Sessioune gëtt e groussen Dump op engem Server mat e puer Käer méi séier gelueden; bei 1 leeft de ganzen Dump an enger Sessioun, a senger Reiefolleg.
tableRowsDone = Tabell %1$@: All hir Datesätz sinn dran (festgeschriwwe Portiounen: %2$d).
fixKeysLater = Linn %d: D'Sekundärindexe vun den Tabellen, déi den Dump uleet, ginn eréischt derbäigesat, wann hir Datesätz dra sinn; esou ginn d'Datesätz méi séier gelueden.
[fr]
fixLockTables = Ligne %d : LOCK TABLES et UNLOCK TABLES omis : les enregistrements d’une table sont chargés dans plusieurs sessions à la fois, et le verrou d’une session bloquerait les autres.
confirmParallel = Les enregistrements des tables créées par le dump sont chargés dans %d sessions à la fois ; les vues, déclencheurs et routines suivent une fois tous les enregistrements chargés.
settingJobs = Sessions de chargement des enregistrements
settingJobsAutomatic = Automatique (%d)
settingJobsHint = Nombre de sessions qui chargent des enregistrements en même temps. Avec plus de sessions, un gros dump se charge plus vite sur un serveur à plusieurs cœurs ; avec 1, tout le dump s’exécute dans une seule session, dans son ordre.
tableRowsDone = Table %1$@ : tous ses enregistrements sont chargés (lots validés : %2$d).
fixKeysLater = Ligne %d : les index secondaires des tables créées par le dump sont ajoutés une fois leurs enregistrements chargés, ce qui accélère le chargement des enregistrements.
[es]
fixLockTables = Línea %d: se omitieron LOCK TABLES y UNLOCK TABLES: las filas de una tabla se cargan en varias sesiones a la vez, y el bloqueo de una sesión detendría a las demás.
confirmParallel = Las filas de las tablas que crea el volcado se cargan en %d sesiones a la vez; las vistas, disparadores y rutinas vienen después, cuando estén cargadas todas las filas.
settingJobs = Sesiones que cargan filas
settingJobsAutomatic = Automático (%d)
settingJobsHint = Cuántas sesiones cargan filas a la vez. Con más sesiones, un volcado grande se carga más rápido en un servidor con varios núcleos; con 1, todo el volcado se ejecuta en una sola sesión, en su orden.
tableRowsDone = Tabla %1$@: todas sus filas están cargadas (lotes confirmados: %2$d).
fixKeysLater = Línea %d: los índices secundarios de las tablas que crea el volcado se añaden cuando sus filas ya están cargadas, lo que acelera la carga de las filas.
[it]
fixLockTables = Riga %d: LOCK TABLES e UNLOCK TABLES omessi: i record di una tabella vengono caricati in più sessioni contemporaneamente e il blocco di una sessione fermerebbe le altre.
confirmParallel = I record delle tabelle create dal dump vengono caricati in %d sessioni contemporaneamente; viste, trigger e routine seguono quando tutti i record sono stati caricati.
settingJobs = Sessioni che caricano i record
settingJobsAutomatic = Automatico (%d)
settingJobsHint = Quante sessioni caricano record contemporaneamente. Con più sessioni un dump grande si carica più in fretta su un server con più core; con 1 l’intero dump viene eseguito in una sola sessione, nel suo ordine.
tableRowsDone = Tabella %1$@: tutti i suoi record sono stati caricati (blocchi confermati: %2$d).
fixKeysLater = Riga %d: gli indici secondari delle tabelle create dal dump vengono aggiunti dopo il caricamento dei loro record, così i record si caricano più in fretta.
[pt]
fixLockTables = Linha %d: LOCK TABLES e UNLOCK TABLES omitidos: os registros de uma tabela são carregados em várias sessões ao mesmo tempo, e o bloqueio de uma sessão impediria as outras.
confirmParallel = Os registros das tabelas que o dump cria são carregados em %d sessões ao mesmo tempo; views, triggers e rotinas vêm depois, quando todos os registros estiverem carregados.
settingJobs = Sessões que carregam registros
settingJobsAutomatic = Automático (%d)
settingJobsHint = Quantas sessões carregam registros ao mesmo tempo. Com mais sessões, um dump grande é carregado mais rápido em um servidor com vários núcleos; com 1, o dump inteiro roda em uma única sessão, na sua ordem.
tableRowsDone = Tabela %1$@: todos os seus registros foram carregados (lotes confirmados: %2$d).
fixKeysLater = Linha %d: os índices secundários das tabelas que o dump cria são adicionados depois que seus registros são carregados, o que acelera o carregamento dos registros.
[ro]
fixLockTables = Linia %d: LOCK TABLES și UNLOCK TABLES au fost omise: rândurile unui tabel se încarcă în mai multe sesiuni deodată, iar blocarea unei sesiuni le-ar opri pe celelalte.
confirmParallel = Rândurile tabelelor create de dump se încarcă în mai multe sesiuni deodată (sesiuni: %d); vederile, triggerele și rutinele urmează după ce toate rândurile sunt încărcate.
settingJobs = Sesiuni care încarcă rânduri
settingJobsAutomatic = Automat (%d)
settingJobsHint = Câte sesiuni încarcă rânduri deodată. Cu mai multe sesiuni, un dump mare se încarcă mai repede pe un server cu mai multe nuclee; cu 1, tot dumpul rulează într-o singură sesiune, în ordinea sa.
tableRowsDone = Tabelul %1$@: toate rândurile sale sunt încărcate (loturi validate: %2$d).
fixKeysLater = Linia %d: indecșii secundari ai tabelelor create de dump se adaugă după ce rândurile lor sunt încărcate, astfel încât rândurile se încarcă mai repede.
[ca]
fixLockTables = Línia %d: s’han omès LOCK TABLES i UNLOCK TABLES: les files d’una taula es carreguen en diverses sessions alhora, i el bloqueig d’una sessió aturaria les altres.
confirmParallel = Les files de les taules que crea el bolcat es carreguen en %d sessions alhora; les vistes, els activadors i les rutines venen després, quan totes les files s’han carregat.
settingJobs = Sessions que carreguen files
settingJobsAutomatic = Automàtic (%d)
settingJobsHint = Quantes sessions carreguen files alhora. Amb més sessions, un bolcat gran es carrega més de pressa en un servidor amb diversos nuclis; amb 1, tot el bolcat s’executa en una sola sessió, en el seu ordre.
tableRowsDone = Taula %1$@: totes les seves files s’han carregat (lots confirmats: %2$d).
fixKeysLater = Línia %d: els índexs secundaris de les taules que crea el bolcat s’afegeixen un cop carregades les seves files, cosa que fa que les files es carreguin més de pressa.
[gl]
fixLockTables = Liña %d: omitíronse LOCK TABLES e UNLOCK TABLES: as filas dunha táboa cárganse en varias sesións á vez, e o bloqueo dunha sesión detería as demais.
confirmParallel = As filas das táboas que crea o envorcado cárganse en %d sesións á vez; as vistas, os disparadores e as rutinas veñen despois, cando todas as filas estean cargadas.
settingJobs = Sesións que cargan filas
settingJobsAutomatic = Automático (%d)
settingJobsHint = Cantas sesións cargan filas á vez. Con máis sesións, un envorcado grande cárgase máis rápido nun servidor con varios núcleos; con 1, todo o envorcado execútase nunha soa sesión, na súa orde.
tableRowsDone = Táboa %1$@: todas as súas filas están cargadas (lotes confirmados: %2$d).
fixKeysLater = Liña %d: os índices secundarios das táboas que crea o envorcado engádense unha vez cargadas as súas filas, o que fai que as filas se carguen máis rápido.
[rm]
fixLockTables = Lingia %d: LOCK TABLES ed UNLOCK TABLES laschads davent: las retschas d’ina tabella vegnan chargiadas en pliras sesidas a medem temp, e la bloccaziun d’ina sesida fermass las autras.
confirmParallel = Las retschas da las tabellas ch’il dump creescha vegnan chargiadas en %d sesidas a medem temp; vistas, triggers e rutinas suondan, uschespert che tut las retschas èn chargiadas.
settingJobs = Sesidas che chargian retschas
settingJobsAutomatic = Automatic (%d)
settingJobsHint = Quantas sesidas che chargian retschas a medem temp. Cun dapli sesidas vegn in grond dump chargià pli svelt sin in server cun plirs nuclis; cun 1 vegn l’entir dump exequì en ina suletta sesida, en ses urden.
tableRowsDone = Tabella %1$@: tut sias retschas èn chargiadas (pachets confermads: %2$d).
fixKeysLater = Lingia %d: ils indexs secundars da las tabellas ch’il dump creescha vegnan agiuntads pir cura che lur retschas èn chargiadas; uschia vegnan las retschas chargiadas pli svelt.
[pl]
fixLockTables = Wiersz %d: pominięto LOCK TABLES i UNLOCK TABLES: rekordy jednej tabeli są ładowane w kilku sesjach naraz, a blokada jednej sesji zatrzymałaby pozostałe.
confirmParallel = Rekordy tabel tworzonych przez zrzut są ładowane w kilku sesjach naraz (liczba sesji: %d); widoki, wyzwalacze, procedury i funkcje powstają dopiero po załadowaniu wszystkich rekordów.
settingJobs = Sesje ładujące rekordy
settingJobsAutomatic = Automatycznie (%d)
settingJobsHint = Ile sesji ładuje rekordy naraz. Przy większej liczbie sesji duży zrzut ładuje się szybciej na serwerze z wieloma rdzeniami; przy 1 cały zrzut wykonuje się w jednej sesji, w swojej kolejności.
tableRowsDone = Tabela %1$@: wszystkie jej rekordy są załadowane (zatwierdzone partie: %2$d).
fixKeysLater = Wiersz %d: indeksy wtórne tabel tworzonych przez zrzut są dodawane dopiero po załadowaniu ich rekordów, dzięki czemu rekordy ładują się szybciej.
[cs]
fixLockTables = Řádek %d: LOCK TABLES a UNLOCK TABLES vynechány: záznamy jedné tabulky se načítají v několika relacích najednou a zámek jedné relace by zastavil ostatní.
confirmParallel = Záznamy tabulek, které výpis vytváří, se načítají v několika relacích najednou (počet relací: %d); pohledy, triggery a rutiny následují, jakmile jsou načteny všechny záznamy.
settingJobs = Relace načítající záznamy
settingJobsAutomatic = Automaticky (%d)
settingJobsHint = Kolik relací načítá záznamy najednou. S více relacemi se velký výpis načte rychleji na serveru s více jádry; při 1 proběhne celý výpis v jedné relaci, v původním pořadí.
tableRowsDone = Tabulka %1$@: všechny její záznamy jsou načteny (potvrzené dávky: %2$d).
fixKeysLater = Řádek %d: sekundární indexy tabulek, které výpis vytváří, se přidávají až po načtení jejich záznamů, takže se záznamy načítají rychleji.
[sk]
fixLockTables = Riadok %d: LOCK TABLES a UNLOCK TABLES vynechané: záznamy jednej tabuľky sa načítavajú vo viacerých reláciách naraz a zámok jednej relácie by zastavil ostatné.
confirmParallel = Záznamy tabuliek, ktoré výpis vytvára, sa načítavajú vo viacerých reláciách naraz (počet relácií: %d); pohľady, triggery a rutiny nasledujú, keď sú načítané všetky záznamy.
settingJobs = Relácie načítavajúce záznamy
settingJobsAutomatic = Automaticky (%d)
settingJobsHint = Koľko relácií načítava záznamy naraz. S viacerými reláciami sa veľký výpis načíta rýchlejšie na serveri s viacerými jadrami; pri 1 prebehne celý výpis v jednej relácii, v pôvodnom poradí.
tableRowsDone = Tabuľka %1$@: všetky jej záznamy sú načítané (potvrdené dávky: %2$d).
fixKeysLater = Riadok %d: sekundárne indexy tabuliek, ktoré výpis vytvára, sa pridávajú až po načítaní ich záznamov, takže sa záznamy načítavajú rýchlejšie.
[sl]
fixLockTables = Vrstica %d: LOCK TABLES in UNLOCK TABLES izpuščena: zapisi tabele se nalagajo v več sejah hkrati in zaklep ene seje bi ustavil druge.
confirmParallel = Zapisi tabel, ki jih ustvari izpis, se nalagajo v več sejah hkrati (število sej: %d); pogledi, sprožilci in rutine sledijo, ko so naloženi vsi zapisi.
settingJobs = Seje za nalaganje zapisov
settingJobsAutomatic = Samodejno (%d)
settingJobsHint = Koliko sej hkrati nalaga zapise. Z več sejami se velik izpis na strežniku z več jedri naloži hitreje; pri 1 se celoten izpis izvede v eni seji, v izvirnem vrstnem redu.
tableRowsDone = Tabela %1$@: vsi njeni zapisi so naloženi (potrjeni paketi: %2$d).
fixKeysLater = Vrstica %d: sekundarni indeksi tabel, ki jih ustvari izpis, se dodajo šele, ko so njihovi zapisi naloženi, zato se zapisi naložijo hitreje.
[hr]
fixLockTables = Redak %d: LOCK TABLES i UNLOCK TABLES izostavljeni: zapisi jedne tablice učitavaju se u više sesija istodobno, a zaključavanje jedne sesije zaustavilo bi ostale.
confirmParallel = Zapisi tablica koje ispis stvara učitavaju se u više sesija istodobno (broj sesija: %d); pogledi, okidači i rutine slijede kada se učitaju svi zapisi.
settingJobs = Sesije koje učitavaju zapise
settingJobsAutomatic = Automatski (%d)
settingJobsHint = Koliko sesija istodobno učitava zapise. S više sesija velik se ispis brže učitava na poslužitelju s više jezgri; s 1 cijeli se ispis izvodi u jednoj sesiji, izvornim redoslijedom.
tableRowsDone = Tablica %1$@: svi su njezini zapisi učitani (potvrđeni paketi: %2$d).
fixKeysLater = Redak %d: sekundarni indeksi tablica koje ispis stvara dodaju se tek kada se učitaju njihovi zapisi, pa se zapisi brže učitavaju.
[bs]
fixLockTables = Red %d: LOCK TABLES i UNLOCK TABLES izostavljeni: zapisi jedne tabele učitavaju se u više sesija istovremeno, a zaključavanje jedne sesije zaustavilo bi ostale.
confirmParallel = Zapisi tabela koje ispis kreira učitavaju se u više sesija istovremeno (broj sesija: %d); pogledi, okidači i rutine slijede kada se učitaju svi zapisi.
settingJobs = Sesije koje učitavaju zapise
settingJobsAutomatic = Automatski (%d)
settingJobsHint = Koliko sesija istovremeno učitava zapise. Sa više sesija veliki ispis se brže učitava na serveru s više jezgara; s 1 cijeli ispis se izvodi u jednoj sesiji, izvornim redoslijedom.
tableRowsDone = Tabela %1$@: svi njeni zapisi su učitani (potvrđeni paketi: %2$d).
fixKeysLater = Red %d: sekundarni indeksi tabela koje ispis kreira dodaju se tek kada se učitaju njihovi zapisi, pa se zapisi brže učitavaju.
[sr]
fixLockTables = Ред %d: LOCK TABLES и UNLOCK TABLES изостављени: записи једне табеле учитавају се у више сесија истовремено, а закључавање једне сесије зауставило би остале.
confirmParallel = Записи табела које дамп прави учитавају се у више сесија истовремено (број сесија: %d); погледи, окидачи и рутине следе када се учитају сви записи.
settingJobs = Сесије које учитавају записе
settingJobsAutomatic = Аутоматски (%d)
settingJobsHint = Колико сесија истовремено учитава записе. Са више сесија велики дамп се брже учитава на серверу са више језгара; са 1 цео дамп се извршава у једној сесији, изворним редоследом.
tableRowsDone = Табела %1$@: сви њени записи су учитани (потврђени пакети: %2$d).
fixKeysLater = Ред %d: секундарни индекси табела које дамп прави додају се тек када се учитају њихови записи, па се записи брже учитавају.
[sr-Latn]
fixLockTables = Red %d: LOCK TABLES i UNLOCK TABLES izostavljeni: zapisi jedne tabele učitavaju se u više sesija istovremeno, a zaključavanje jedne sesije zaustavilo bi ostale.
confirmParallel = Zapisi tabela koje damp pravi učitavaju se u više sesija istovremeno (broj sesija: %d); pogledi, okidači i rutine slede kada se učitaju svi zapisi.
settingJobs = Sesije koje učitavaju zapise
settingJobsAutomatic = Automatski (%d)
settingJobsHint = Koliko sesija istovremeno učitava zapise. Sa više sesija veliki damp se brže učitava na serveru sa više jezgara; sa 1 ceo damp se izvršava u jednoj sesiji, izvornim redosledom.
tableRowsDone = Tabela %1$@: svi njeni zapisi su učitani (potvrđeni paketi: %2$d).
fixKeysLater = Red %d: sekundarni indeksi tabela koje damp pravi dodaju se tek kada se učitaju njihovi zapisi, pa se zapisi brže učitavaju.
[bg]
fixLockTables = Ред %d: LOCK TABLES и UNLOCK TABLES са пропуснати: записите на една таблица се зареждат в няколко сесии едновременно и заключването от една сесия би спряло останалите.
confirmParallel = Записите на таблиците, които дъмпът създава, се зареждат в няколко сесии едновременно (брой сесии: %d); изгледите, тригерите, процедурите и функциите следват, след като всички записи са заредени.
settingJobs = Сесии за зареждане на записи
settingJobsAutomatic = Автоматично (%d)
settingJobsHint = Колко сесии зареждат записи едновременно. С повече сесии голям дъмп се зарежда по-бързо на сървър с няколко ядра; при 1 целият дъмп се изпълнява в една сесия, в първоначалния си ред.
tableRowsDone = Таблица %1$@: всички нейни записи са заредени (потвърдени пакети: %2$d).
fixKeysLater = Ред %d: вторичните индекси на таблиците, които дъмпът създава, се добавят, след като записите им са заредени, така записите се зареждат по-бързо.
[mk]
fixLockTables = Ред %d: LOCK TABLES и UNLOCK TABLES се изоставени: записите на една табела се вчитуваат во повеќе сесии истовремено, а заклучувањето од една сесија би ги запрело другите.
confirmParallel = Записите на табелите што ги создава дампот се вчитуваат во повеќе сесии истовремено (број на сесии: %d); погледите, тригерите и рутините следуваат откако ќе се вчитаат сите записи.
settingJobs = Сесии што вчитуваат записи
settingJobsAutomatic = Автоматски (%d)
settingJobsHint = Колку сесии вчитуваат записи истовремено. Со повеќе сесии голем дамп се вчитува побрзо на сервер со повеќе јадра; со 1 целиот дамп се извршува во една сесија, по првобитниот редослед.
tableRowsDone = Табела %1$@: сите нејзини записи се вчитани (потврдени пакети: %2$d).
fixKeysLater = Ред %d: секундарните индекси на табелите што ги создава дампот се додаваат откако ќе се вчитаат нивните записи, па записите се вчитуваат побрзо.
[be]
fixLockTables = Радок %d: LOCK TABLES і UNLOCK TABLES прапушчаны: запісы адной табліцы загружаюцца ў некалькіх сеансах адначасова, і блакіроўка аднаго сеанса спыніла б астатнія.
confirmParallel = Запісы табліц, якія стварае дамп, загружаюцца ў некалькіх сеансах адначасова (колькасць сеансаў: %d); прадстаўленні, трыгеры, працэдуры і функцыі ствараюцца пасля таго, як загружаны ўсе запісы.
settingJobs = Сеансы загрузкі запісаў
settingJobsAutomatic = Аўтаматычна (%d)
settingJobsHint = Колькі сеансаў адначасова загружаюць запісы. З большай колькасцю сеансаў вялікі дамп загружаецца хутчэй на серверы з некалькімі ядрамі; пры 1 увесь дамп выконваецца ў адным сеансе, у зыходным парадку.
tableRowsDone = Табліца %1$@: усе яе запісы загружаны (зафіксавана пакетаў: %2$d).
fixKeysLater = Радок %d: другасныя індэксы табліц, якія стварае дамп, дадаюцца пасля таго, як загружаны іх запісы, таму запісы загружаюцца хутчэй.
[ru]
fixLockTables = Строка %d: LOCK TABLES и UNLOCK TABLES пропущены: записи одной таблицы загружаются в нескольких сеансах одновременно, и блокировка одного сеанса остановила бы остальные.
confirmParallel = Записи таблиц, которые создаёт дамп, загружаются в нескольких сеансах одновременно (число сеансов: %d); представления, триггеры, процедуры и функции создаются после того, как загружены все записи.
settingJobs = Сеансы загрузки записей
settingJobsAutomatic = Автоматически (%d)
settingJobsHint = Сколько сеансов одновременно загружают записи. При большем числе сеансов большой дамп загружается быстрее на сервере с несколькими ядрами; при 1 весь дамп выполняется в одном сеансе, в исходном порядке.
tableRowsDone = Таблица %1$@: все её записи загружены (зафиксировано пакетов: %2$d).
fixKeysLater = Строка %d: вторичные индексы таблиц, которые создаёт дамп, добавляются после того, как загружены их записи, поэтому записи загружаются быстрее.
[zh-Hans]
fixLockTables = 第 %d 行：已略去 LOCK TABLES 和 UNLOCK TABLES；一个表的数据行会同时在多个会话中加载，一个会话加的锁会阻挡其他会话。
confirmParallel = 转储所创建的表的数据行将同时在 %d 个会话中加载；所有数据行加载完毕后，再创建视图、触发器、存储过程和函数。
settingJobs = 加载数据行的会话数
settingJobsAutomatic = 自动（%d）
settingJobsHint = 同时加载数据行的会话数。会话越多，在多核服务器上加载大型转储就越快；设为 1 时，整个转储在一个会话中按原有顺序执行。
tableRowsDone = 表 %1$@：所有数据行均已加载（已提交 %2$d 批）。
fixKeysLater = 第 %d 行：转储所创建的表的二级索引会在其数据行加载完毕后再添加，这样数据行加载得更快。
[zh-Hant]
fixLockTables = 第 %d 行：已略過 LOCK TABLES 和 UNLOCK TABLES；一個資料表的資料列會同時在多個工作階段中載入，一個工作階段的鎖定會擋住其他工作階段。
confirmParallel = 傾印所建立之資料表的資料列將同時在 %d 個工作階段中載入；所有資料列載入完畢後，再建立檢視表、觸發程序、預存程序和函式。
settingJobs = 載入資料列的工作階段數
settingJobsAutomatic = 自動（%d）
settingJobsHint = 同時載入資料列的工作階段數。工作階段越多，在多核心伺服器上載入大型傾印就越快；設為 1 時，整個傾印會在單一工作階段中依原有順序執行。
tableRowsDone = 資料表 %1$@：所有資料列皆已載入（已提交 %2$d 批）。
fixKeysLater = 第 %d 行：傾印所建立之資料表的次要索引會在其資料列載入完畢後再新增，這樣資料列載入得更快。
[ja]
fixLockTables = %d 行目：LOCK TABLES と UNLOCK TABLES を省きました。1 つのテーブルのレコードを複数のセッションで同時に読み込むため、あるセッションのロックが他のセッションを止めてしまいます。
confirmParallel = ダンプが作成するテーブルのレコードは %d 個のセッションで同時に読み込まれます。ビュー、トリガー、ストアドルーチンは、すべてのレコードを読み込んだ後に続きます。
settingJobs = レコードを読み込むセッション数
settingJobsAutomatic = 自動（%d）
settingJobsHint = 同時にレコードを読み込むセッションの数です。複数のコアを持つサーバでは、数を増やすと大きなダンプを速く読み込めます。1 にすると、ダンプ全体を 1 つのセッションで元の順序どおりに実行します。
tableRowsDone = テーブル %1$@：すべてのレコードを読み込みました（コミット済みのバッチ：%2$d）。
fixKeysLater = %d 行目：ダンプが作成するテーブルのセカンダリインデックスは、レコードを読み込んだ後に追加します。こうするとレコードを速く読み込めます。
[ko]
fixLockTables = %d행: LOCK TABLES와 UNLOCK TABLES를 제외했습니다. 한 테이블의 레코드를 여러 세션에서 동시에 로드하므로 한 세션의 잠금이 다른 세션을 멈추게 됩니다.
confirmParallel = 덤프가 만드는 테이블의 레코드는 세션 %d개에서 동시에 로드됩니다. 뷰, 트리거, 저장 루틴은 모든 레코드가 로드된 뒤에 이어집니다.
settingJobs = 레코드를 로드하는 세션 수
settingJobsAutomatic = 자동(%d)
settingJobsHint = 동시에 레코드를 로드하는 세션 수입니다. 코어가 여러 개인 서버에서는 세션이 많을수록 큰 덤프를 더 빨리 로드합니다. 1이면 전체 덤프를 한 세션에서 원래 순서대로 실행합니다.
tableRowsDone = 테이블 %1$@: 모든 레코드가 로드되었습니다(커밋된 배치: %2$d개).
fixKeysLater = %d행: 덤프가 만드는 테이블의 보조 인덱스는 레코드가 로드된 뒤에 추가합니다. 이렇게 하면 레코드가 더 빨리 로드됩니다.
)catalog",
    "fixLockTables confirmParallel settingJobs settingJobsAutomatic settingJobsHint tableRowsDone fixKeysLater",
};
