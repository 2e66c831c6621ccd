#include "l10n/CatalogParts.h"

// Texts about rows committed in batches, and what an import that stopped early keeps of them.
extern const CatalogParts::Part kCatalogBatches;
const CatalogParts::Part kCatalogBatches = {
    R"catalog(
[en]
batchesKept = Rows are committed in batches: the database keeps what the dump’s statements up to line %1$d (table %2$@) made, at least; the batch that was loading was undone.
batchesNoneKept = No batch of rows was committed yet: the rows this import sent were undone; tables it created or dropped stay so.
confirmBatches = Rows are committed in batches of %d statements: if the import stops early, each table keeps its rows up to the last batch committed.
[de]
batchesKept = Datensätze werden stapelweise festgeschrieben: Die Datenbank behält mindestens, was die Anweisungen des Dumps bis einschließlich Zeile %1$d (Tabelle %2$@) bewirkt haben; der Stapel, der gerade geladen wurde, wurde rückgängig gemacht.
batchesNoneKept = Noch kein Stapel von Datensätzen wurde festgeschrieben: Die von diesem Import gesendeten Datensätze wurden rückgängig gemacht; Tabellen, die er angelegt oder gelöscht hat, bleiben angelegt bzw. gelöscht.
confirmBatches = Datensätze werden in Stapeln von je %d Anweisungen festgeschrieben: Endet der Import vorzeitig, behält jede Tabelle ihre Datensätze bis zum zuletzt festgeschriebenen Stapel.
[nl]
batchesKept = Rijen worden per batch vastgelegd: de database behoudt ten minste wat de opdrachten uit de dump tot en met regel %1$d (tabel %2$@) hebben gedaan; de batch die werd geladen, is ongedaan gemaakt.
batchesNoneKept = Er is nog geen batch rijen vastgelegd: de rijen die deze import heeft verstuurd, zijn ongedaan gemaakt; tabellen die hij heeft aangemaakt of verwijderd, blijven aangemaakt of verwijderd.
confirmBatches = Rijen worden vastgelegd in batches van %d opdrachten: als de import voortijdig stopt, behoudt elke tabel haar rijen tot en met de laatst vastgelegde batch.
[da]
batchesKept = Rækker bekræftes i portioner: databasen beholder mindst det, som dumpets sætninger til og med linje %1$d (tabel %2$@) udførte; den portion, der var ved at blive indlæst, blev rullet tilbage.
batchesNoneKept = Endnu ingen portion af rækker er bekræftet: de rækker, denne import sendte, blev rullet tilbage; tabeller, den oprettede eller slettede, forbliver oprettet eller slettet.
confirmBatches = Rækker bekræftes i portioner på %d sætninger: hvis importen stopper før tid, beholder hver tabel sine rækker til og med den sidst bekræftede portion.
[sv]
batchesKept = Poster bekräftas i omgångar: databasen behåller minst det som dumpens satser till och med rad %1$d (tabell %2$@) gjorde; omgången som höll på att läsas in ångrades.
batchesNoneKept = Ingen omgång poster har bekräftats än: posterna som den här importen skickade ångrades; tabeller som den skapade eller tog bort förblir skapade eller borttagna.
confirmBatches = Poster bekräftas i omgångar om %d satser: om importen stoppas i förtid behåller varje tabell sina poster till och med den senast bekräftade omgången.
[nb]
batchesKept = Rader bekreftes i bolker: databasen beholder minst det som setningene i dumpen til og med linje %1$d (tabell %2$@) gjorde; bolken som ble lastet inn, ble rullet tilbake.
batchesNoneKept = Ingen bolk med rader er bekreftet ennå: radene denne importen sendte, ble rullet tilbake; tabeller den opprettet eller slettet, forblir opprettet eller slettet.
confirmBatches = Rader bekreftes i bolker på %d setninger: hvis importen stopper før tiden, beholder hver tabell radene sine til og med den sist bekreftede bolken.
[nn]
batchesKept = Rader blir stadfesta i bolkar: databasen held på minst det som setningane i dumpen til og med linje %1$d (tabell %2$@) gjorde; bolken som vart lasta inn, vart rulla tilbake.
batchesNoneKept = Ingen bolk med rader er stadfesta enno: radene denne importen sende, vart rulla tilbake; tabellar han oppretta eller sletta, blir verande oppretta eller sletta.
confirmBatches = Rader blir stadfesta i bolkar på %d setningar: dersom importen stoppar før tida, held kvar tabell på radene sine til og med den sist stadfesta bolken.
[is]
batchesKept = Raðir eru staðfestar í lotum: gagnagrunnurinn heldur að minnsta kosti því sem skipanir afritsins til og með línu %1$d (tafla %2$@) gerðu; lotan sem var í hleðslu var afturkölluð.
batchesNoneKept = Engin lota af röðum hefur verið staðfest enn: raðirnar sem þessi innflutningur sendi voru afturkallaðar; töflur sem hann bjó til eða eyddi haldast þannig.
confirmBatches = Raðir eru staðfestar í lotum með %d skipunum: ef innflutningurinn stöðvast of snemma heldur hver tafla röðum sínum fram að síðustu staðfestu lotu.
[fo]
batchesKept = Raðir verða váttaðar í bólkum: dátugrunnurin varðveitir í minsta lagi tað, sum boðini í avritinum til og við linju %1$d (talva %2$@) gjørdu; bólkurin, sum var í innlesing, varð afturkallaður.
batchesNoneKept = Eingin bólkur av røðum er váttaður enn: raðirnar, sum hesin innflutningurin sendi, vórðu afturkallaðar; talvur, sum hann stovnaði ella strikaði, verða verandi soleiðis.
confirmBatches = Raðir verða váttaðar í bólkum við %d boðum: um innflutningurin steðgar ov tíðliga, varðveitir hvør talva raðir sínar til og við seinasta váttaða bólkin.
[lb]
batchesKept = Datesätz ginn a Portioune festgeschriwwen: D'Datebank behält op d'mannst dat, wat d'Uweisunge vum Dump bis zur Linn %1$d (Tabell %2$@) gemaach hunn; d'Portioun, déi grad gelueden gouf, gouf réckgängeg gemaach.
batchesNoneKept = Nach keng Portioun vun Datesätz gouf festgeschriwwen: D'Datesätz, déi dësen Import geschéckt huet, goufe réckgängeg gemaach; Tabellen, déi en ugeluecht oder geläscht huet, bleiwen esou.
confirmBatches = Datesätz ginn a Portioune vun %d Uweisunge festgeschriwwen: Wann den Import virzäiteg ophält, behält all Tabell hir Datesätz bis zur leschter festgeschriwwener Portioun.
[fr]
batchesKept = Les enregistrements sont validés par lots : la base de données conserve au moins ce qu’ont produit les instructions du dump jusqu’à la ligne %1$d (table %2$@) ; le lot en cours de chargement a été annulé.
batchesNoneKept = Aucun lot d’enregistrements n’a encore été validé : les enregistrements envoyés par cette importation ont été annulés ; les tables qu’elle a créées ou supprimées le restent.
confirmBatches = Les enregistrements sont validés par lots de %d instructions : si l’importation s’arrête avant la fin, chaque table conserve ses enregistrements jusqu’au dernier lot validé.
[es]
batchesKept = Las filas se confirman por lotes: la base de datos conserva al menos lo que hicieron las sentencias del volcado hasta la línea %1$d (tabla %2$@); el lote que se estaba cargando se deshizo.
batchesNoneKept = Aún no se ha confirmado ningún lote de filas: las filas que envió esta importación se deshicieron; las tablas que creó o eliminó siguen creadas o eliminadas.
confirmBatches = Las filas se confirman en lotes de %d sentencias: si la importación se detiene antes de tiempo, cada tabla conserva sus filas hasta el último lote confirmado.
[it]
batchesKept = I record vengono confermati a blocchi: il database conserva almeno ciò che hanno prodotto le istruzioni del dump fino alla riga %1$d (tabella %2$@); il blocco che si stava caricando è stato annullato.
batchesNoneKept = Nessun blocco di record è stato ancora confermato: i record inviati da questa importazione sono stati annullati; le tabelle che ha creato o eliminato restano tali.
confirmBatches = I record vengono confermati a blocchi di %d istruzioni: se l’importazione si interrompe prima del tempo, ogni tabella conserva i propri record fino all’ultimo blocco confermato.
[pt]
batchesKept = Os registros são confirmados em lotes: o banco de dados mantém pelo menos o que as instruções do dump até a linha %1$d (tabela %2$@) fizeram; o lote que estava sendo carregado foi desfeito.
batchesNoneKept = Nenhum lote de registros foi confirmado ainda: os registros que esta importação enviou foram desfeitos; as tabelas que ela criou ou excluiu continuam criadas ou excluídas.
confirmBatches = Os registros são confirmados em lotes de %d instruções: se a importação parar antes do fim, cada tabela mantém seus registros até o último lote confirmado.
[ro]
batchesKept = Rândurile sunt validate în loturi: baza de date păstrează cel puțin ce au făcut instrucțiunile dumpului până la linia %1$d inclusiv (tabelul %2$@); lotul care se încărca a fost anulat.
batchesNoneKept = Niciun lot de rânduri nu a fost încă validat: rândurile trimise de acest import au fost anulate; tabelele create sau șterse de acesta rămân așa.
confirmBatches = Rândurile sunt validate în loturi (instrucțiuni pe lot: %d): dacă importul se oprește înainte de final, fiecare tabel își păstrează rândurile până la ultimul lot validat.
[ca]
batchesKept = Les files es confirmen per lots: la base de dades conserva com a mínim el que han fet les sentències del bolcat fins a la línia %1$d (taula %2$@); el lot que s’estava carregant s’ha desfet.
batchesNoneKept = Encara no s’ha confirmat cap lot de files: les files que ha enviat aquesta importació s’han desfet; les taules que ha creat o eliminat continuen creades o eliminades.
confirmBatches = Les files es confirmen en lots de %d sentències: si la importació s’atura abans d’hora, cada taula conserva les seves files fins a l’últim lot confirmat.
[gl]
batchesKept = As filas confírmanse por lotes: a base de datos conserva polo menos o que fixeron as instrucións do envorcado ata a liña %1$d (táboa %2$@); o lote que se estaba a cargar desfíxose.
batchesNoneKept = Aínda non se confirmou ningún lote de filas: as filas que enviou esta importación desfixéronse; as táboas que creou ou eliminou seguen creadas ou eliminadas.
confirmBatches = As filas confírmanse en lotes de %d instrucións: se a importación se detén antes de tempo, cada táboa conserva as súas filas ata o último lote confirmado.
[rm]
batchesKept = Las retschas vegnan confermadas en pachets: la banca da datas tegna almain quai che las instrucziuns dal dump fin la lingia %1$d (tabella %2$@) han fatg; il pachet che vegniva chargià è vegnì annullà.
batchesNoneKept = Anc nagin pachet da retschas n’è vegnì confermà: las retschas che quest import ha tramess èn vegnidas annulladas; tabellas ch’el ha creà u stizzà restan uschia.
confirmBatches = Las retschas vegnan confermadas en pachets da %d instrucziuns: sche l’import sa ferma memia baud, tegna mintga tabella sias retschas fin l’ultim pachet confermà.
[pl]
batchesKept = Rekordy są zatwierdzane partiami: baza danych zachowuje co najmniej to, co zrobiły instrukcje zrzutu do wiersza %1$d włącznie (tabela %2$@); partia, która była ładowana, została wycofana.
batchesNoneKept = Nie zatwierdzono jeszcze żadnej partii rekordów: rekordy wysłane przez ten import zostały wycofane; tabele, które utworzył lub usunął, pozostają utworzone lub usunięte.
confirmBatches = Rekordy są zatwierdzane partiami (instrukcji na partię: %d): jeśli import zatrzyma się przedwcześnie, każda tabela zachowa swoje rekordy do ostatniej zatwierdzonej partii.
[cs]
batchesKept = Záznamy se potvrzují po dávkách: databáze si ponechá přinejmenším to, co provedly příkazy výpisu až po řádek %1$d včetně (tabulka %2$@); dávka, která se právě načítala, byla vrácena zpět.
batchesNoneKept = Zatím nebyla potvrzena žádná dávka záznamů: záznamy, které tento import odeslal, byly vráceny zpět; tabulky, které vytvořil nebo odstranil, tak zůstávají.
confirmBatches = Záznamy se potvrzují po dávkách (příkazů v dávce: %d): pokud se import zastaví předčasně, každá tabulka si ponechá své záznamy až po poslední potvrzenou dávku.
[sk]
batchesKept = Záznamy sa potvrdzujú po dávkach: databáza si ponechá prinajmenšom to, čo vykonali príkazy výpisu až po riadok %1$d vrátane (tabuľka %2$@); dávka, ktorá sa práve načítavala, bola vrátená späť.
batchesNoneKept = Zatiaľ nebola potvrdená žiadna dávka záznamov: záznamy, ktoré tento import odoslal, boli vrátené späť; tabuľky, ktoré vytvoril alebo odstránil, tak zostávajú.
confirmBatches = Záznamy sa potvrdzujú po dávkach (príkazov v dávke: %d): ak sa import zastaví predčasne, každá tabuľka si ponechá svoje záznamy až po poslednú potvrdenú dávku.
[sl]
batchesKept = Zapisi se potrjujejo v paketih: zbirka podatkov obdrži vsaj to, kar so naredili stavki izpisa do vključno vrstice %1$d (tabela %2$@); paket, ki se je nalagal, je bil razveljavljen.
batchesNoneKept = Potrjen ni bil še noben paket zapisov: zapisi, ki jih je poslal ta uvoz, so bili razveljavljeni; tabele, ki jih je ustvaril ali odstranil, ostanejo ustvarjene oziroma odstranjene.
confirmBatches = Zapisi se potrjujejo v paketih (stavkov na paket: %d): če se uvoz predčasno ustavi, vsaka tabela obdrži svoje zapise do zadnjega potrjenega paketa.
[hr]
batchesKept = Zapisi se potvrđuju u paketima: baza podataka zadržava barem ono što su učinile naredbe ispisa zaključno s retkom %1$d (tablica %2$@); paket koji se učitavao poništen je.
batchesNoneKept = Još nije potvrđen nijedan paket zapisa: zapisi koje je poslao ovaj uvoz poništeni su; tablice koje je stvorio ili uklonio ostaju stvorene odnosno uklonjene.
confirmBatches = Zapisi se potvrđuju u paketima (naredbi po paketu: %d): ako se uvoz prijevremeno zaustavi, svaka tablica zadržava svoje zapise do posljednjeg potvrđenog paketa.
[bs]
batchesKept = Zapisi se potvrđuju u paketima: baza podataka zadržava barem ono što su učinile naredbe ispisa zaključno s redom %1$d (tabela %2$@); paket koji se učitavao je poništen.
batchesNoneKept = Još nije potvrđen nijedan paket zapisa: zapisi koje je poslao ovaj uvoz su poništeni; tabele koje je kreirao ili uklonio ostaju kreirane odnosno uklonjene.
confirmBatches = Zapisi se potvrđuju u paketima (naredbi po paketu: %d): ako se uvoz prijevremeno zaustavi, svaka tabela zadržava svoje zapise do posljednjeg potvrđenog paketa.
[sr]
batchesKept = Записи се потврђују у пакетима: база података задржава бар оно што су урадиле наредбе дампа закључно са редом %1$d (табела %2$@); пакет који се учитавао је поништен.
batchesNoneKept = Још није потврђен ниједан пакет записа: записи које је послао овај увоз су поништени; табеле које је направио или уклонио остају направљене односно уклоњене.
confirmBatches = Записи се потврђују у пакетима (наредби по пакету: %d): ако се увоз прерано заустави, свака табела задржава своје записе до последњег потврђеног пакета.
[sr-Latn]
batchesKept = Zapisi se potvrđuju u paketima: baza podataka zadržava bar ono što su uradile naredbe dampa zaključno sa redom %1$d (tabela %2$@); paket koji se učitavao je poništen.
batchesNoneKept = Još nije potvrđen nijedan paket zapisa: zapisi koje je poslao ovaj uvoz su poništeni; tabele koje je napravio ili uklonio ostaju napravljene odnosno uklonjene.
confirmBatches = Zapisi se potvrđuju u paketima (naredbi po paketu: %d): ako se uvoz prerano zaustavi, svaka tabela zadržava svoje zapise do poslednjeg potvrđenog paketa.
[bg]
batchesKept = Записите се потвърждават на пакети: базата данни запазва поне това, което са направили командите от дъмпа до ред %1$d включително (таблица %2$@); пакетът, който се зареждаше, беше отменен.
batchesNoneKept = Още не е потвърден нито един пакет записи: записите, изпратени от този импорт, бяха отменени; таблиците, които той е създал или изтрил, остават съответно създадени или изтрити.
confirmBatches = Записите се потвърждават на пакети (команди в пакет: %d): ако импортът спре преждевременно, всяка таблица запазва записите си до последния потвърден пакет.
[mk]
batchesKept = Записите се потврдуваат во пакети: базата на податоци го задржува барем она што го направија наредбите од дампот до редот %1$d вклучително (табела %2$@); пакетот што се вчитуваше беше поништен.
batchesNoneKept = Сè уште не е потврден ниеден пакет записи: записите што ги испрати овој увоз беа поништени; табелите што ги создаде или отстрани остануваат создадени, односно отстранети.
confirmBatches = Записите се потврдуваат во пакети (наредби по пакет: %d): ако увозот запре предвреме, секоја табела ги задржува своите записи до последниот потврден пакет.
[be]
batchesKept = Запісы фіксуюцца пакетамі: база даных захоўвае прынамсі тое, што зрабілі аператары дампа да радка %1$d уключна (табліца %2$@); пакет, які загружаўся, быў адменены.
batchesNoneKept = Яшчэ не зафіксаваны ніводзін пакет запісаў: запісы, якія адправіў гэты імпарт, былі адменены; табліцы, якія ён стварыў або выдаліў, застаюцца створанымі або выдаленымі.
confirmBatches = Запісы фіксуюцца пакетамі (аператараў у пакеце: %d): калі імпарт заўчасна спыніцца, кожная табліца захавае свае запісы да апошняга зафіксаванага пакета.
[ru]
batchesKept = Записи фиксируются пакетами: база данных сохраняет как минимум то, что сделали операторы дампа до строки %1$d включительно (таблица %2$@); пакет, который загружался, был отменён.
batchesNoneKept = Ещё не зафиксирован ни один пакет записей: записи, отправленные этим импортом, были отменены; таблицы, которые он создал или удалил, остаются созданными или удалёнными.
confirmBatches = Записи фиксируются пакетами (операторов в пакете: %d): если импорт прервётся досрочно, каждая таблица сохранит свои записи до последнего зафиксированного пакета.
[zh-Hans]
batchesKept = 数据行按批提交：数据库至少保留转储中截至第 %1$d 行（表 %2$@）的语句所做的更改；正在加载的那一批已被撤销。
batchesNoneKept = 尚未提交任何一批数据行：本次导入发送的数据行已被撤销；它创建的表仍然存在，删除的表也不会恢复。
confirmBatches = 数据行按批提交，每批 %d 条语句：如果导入提前停止，每个表都会保留截至最后一个已提交批次的数据行。
[zh-Hant]
batchesKept = 資料列分批提交：資料庫至少會保留傾印中到第 %1$d 行（資料表 %2$@）為止的陳述式所做的變更；正在載入的那一批已被復原。
batchesNoneKept = 尚未提交任何一批資料列：本次匯入送出的資料列已被復原；它建立的資料表仍然存在，刪除的資料表也不會恢復。
confirmBatches = 資料列分批提交，每批 %d 個陳述式：如果匯入提前停止，每個資料表都會保留到最後一個已提交批次為止的資料列。
[ja]
batchesKept = レコードはバッチ単位でコミットされます：データベースには、少なくともダンプの %1$d 行目（テーブル %2$@）までの文による変更が残ります。読み込み中だったバッチは取り消されました。
batchesNoneKept = まだどのバッチもコミットされていません：このインポートが送ったレコードは取り消されました。作成したテーブルは残り、削除したテーブルは元に戻りません。
confirmBatches = レコードは %d 文ずつのバッチでコミットされます：インポートが途中で止まった場合、各テーブルには最後にコミットされたバッチまでのレコードが残ります。
[ko]
batchesKept = 레코드는 배치 단위로 커밋됩니다: 데이터베이스에는 적어도 덤프의 %1$d행(테이블 %2$@)까지의 문이 만든 변경 사항이 남습니다. 로드 중이던 배치는 취소되었습니다.
batchesNoneKept = 아직 커밋된 레코드 배치가 없습니다: 이 가져오기에서 보낸 레코드는 취소되었습니다. 가져오기가 만든 테이블은 남아 있고, 삭제한 테이블은 복구되지 않습니다.
confirmBatches = 레코드는 문 %d개씩 배치로 커밋됩니다: 가져오기가 중간에 멈추면 각 테이블에는 마지막으로 커밋된 배치까지의 레코드가 남습니다.
)catalog",
    "batchesKept batchesNoneKept confirmBatches",
};
