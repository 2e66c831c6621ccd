#include "l10n/CatalogParts.h"

// Texts of an import that is stopping and of the window's care for the user's choices.
extern const CatalogParts::Part kCatalogStopping;
const CatalogParts::Part kCatalogStopping = {
    R"catalog(
[en]
stoppingButton = Stopping…
stoppingStatus = Stopping safely: the server ends the import’s sessions first, so no statement is cut short.
dumpHeld = %@ was opened during the import; it becomes the dump once the import has ended.
outcomeAbout = %1$@ into “%2$@”
[de]
stoppingButton = Wird gestoppt …
stoppingStatus = Sicheres Stoppen: Der Server beendet zuerst die Sitzungen des Imports, damit keine Anweisung mittendrin abgebrochen wird.
dumpHeld = %@ wurde während des Imports geöffnet; die Datei wird als Dump übernommen, sobald der Import beendet ist.
outcomeAbout = %1$@ in „%2$@“
[nl]
stoppingButton = Bezig met stoppen…
stoppingStatus = Veilig stoppen: de server beëindigt eerst de sessies van de import, zodat geen enkele opdracht halverwege wordt afgebroken.
dumpHeld = %@ is tijdens de import geopend; dit bestand wordt de dump zodra de import klaar is.
outcomeAbout = %1$@ in ‘%2$@’
[da]
stoppingButton = Stopper…
stoppingStatus = Stopper sikkert: serveren afslutter først importens sessioner, så ingen sætning afbrydes midtvejs.
dumpHeld = %@ blev åbnet under importen; filen bruges som dump, når importen er slut.
outcomeAbout = %1$@ til »%2$@«
[sv]
stoppingButton = Stoppar…
stoppingStatus = Stoppar säkert: servern avslutar först importens sessioner, så att ingen sats avbryts halvvägs.
dumpHeld = %@ öppnades under importen; filen används som dump när importen är klar.
outcomeAbout = %1$@ till ”%2$@”
[nb]
stoppingButton = Stopper…
stoppingStatus = Stopper trygt: serveren avslutter først importens økter, så ingen setning blir avbrutt midt i.
dumpHeld = %@ ble åpnet under importen; filen brukes som dump når importen er ferdig.
outcomeAbout = %1$@ til «%2$@»
[nn]
stoppingButton = Stoppar…
stoppingStatus = Stoppar trygt: tenaren avsluttar først øktene til importen, så inga setning blir avbroten midt i.
dumpHeld = %@ vart opna under importen; fila blir brukt som dump når importen er ferdig.
outcomeAbout = %1$@ til «%2$@»
[is]
stoppingButton = Stöðvar…
stoppingStatus = Stöðvar á öruggan hátt: þjónninn slítur fyrst setum innflutningsins svo að engin skipun er rofin í miðju kafi.
dumpHeld = Skráin %@ var opnuð meðan á innflutningi stóð; hún verður notuð sem afrit þegar innflutningnum er lokið.
outcomeAbout = %1$@ í „%2$@“
[fo]
stoppingButton = Steðgar…
stoppingStatus = Steðgar trygt: ambætarin endar fyrst setur innflytingarinnar, so einki boð verður avbrotið á miðjum vegi.
dumpHeld = Fílan %@ varð latin upp undir innflytingini; hon verður brúkt sum avrit, tá ið innflytingin er liðug.
outcomeAbout = %1$@ í „%2$@“
[lb]
stoppingButton = Gëtt gestoppt…
stoppingStatus = Sécher stoppen: De Server beent fir d'éischt d'Sessioune vum Import, sou datt keng Uweisung matzendra ofgebrach gëtt.
dumpHeld = %@ gouf wärend dem Import opgemaach; de Fichier gëtt als Dump iwwerholl, soubal den Import eriwwer ass.
outcomeAbout = %1$@ an „%2$@“
[fr]
stoppingButton = Arrêt en cours…
stoppingStatus = Arrêt en toute sécurité : le serveur ferme d’abord les sessions de l’importation, pour qu’aucune instruction ne soit interrompue en cours de route.
dumpHeld = %@ a été ouvert pendant l’importation ; ce fichier deviendra le dump une fois l’importation terminée.
outcomeAbout = %1$@ dans « %2$@ »
[es]
stoppingButton = Deteniendo…
stoppingStatus = Deteniendo de forma segura: el servidor cierra primero las sesiones de la importación, así ninguna sentencia queda a medias.
dumpHeld = Se abrió %@ durante la importación; pasará a ser el volcado cuando termine la importación.
outcomeAbout = %1$@ en «%2$@»
[it]
stoppingButton = Interruzione in corso…
stoppingStatus = Interruzione sicura: il server chiude prima le sessioni dell’importazione, così nessuna istruzione resta a metà.
dumpHeld = Il file %@ è stato aperto durante l’importazione; diventerà il dump al termine dell’importazione.
outcomeAbout = %1$@ in “%2$@”
[pt]
stoppingButton = Interrompendo…
stoppingStatus = Interrompendo com segurança: o servidor encerra primeiro as sessões da importação, assim nenhuma instrução fica pela metade.
dumpHeld = O arquivo %@ foi aberto durante a importação; ele passará a ser o dump quando a importação terminar.
outcomeAbout = %1$@ para “%2$@”
[ro]
stoppingButton = Se oprește…
stoppingStatus = Oprire în siguranță: serverul încheie mai întâi sesiunile importului, astfel încât nicio instrucțiune nu este întreruptă la jumătate.
dumpHeld = Fișierul %@ a fost deschis în timpul importului; va deveni dumpul după ce importul s-a încheiat.
outcomeAbout = %1$@ în „%2$@”
[ca]
stoppingButton = S’està aturant…
stoppingStatus = Aturada segura: el servidor tanca primer les sessions de la importació, així cap sentència no queda a mitges.
dumpHeld = S’ha obert %@ durant la importació; passarà a ser el bolcat quan la importació hagi acabat.
outcomeAbout = %1$@ a «%2$@»
[gl]
stoppingButton = Detendo…
stoppingStatus = Detención segura: o servidor pecha primeiro as sesións da importación, así ningunha instrución queda a medias.
dumpHeld = Abriuse %@ durante a importación; pasará a ser o envorcado cando remate a importación.
outcomeAbout = %1$@ en «%2$@»
[rm]
stoppingButton = Vegn fermà…
stoppingStatus = Fermar en moda segira: il server terminescha l’emprim las sesidas da l’import, uschia na vegn nagina instrucziun interrutta a mez.
dumpHeld = La datoteca %@ è vegnida averta durant l’import; ella vegn duvrada sco dump, uschespert che l’import è terminà.
outcomeAbout = %1$@ en «%2$@»
[pl]
stoppingButton = Zatrzymywanie…
stoppingStatus = Bezpieczne zatrzymywanie: serwer najpierw kończy sesje importu, więc żadna instrukcja nie zostaje przerwana w połowie.
dumpHeld = Plik %@ został otwarty w trakcie importu; po zakończeniu importu stanie się zrzutem.
outcomeAbout = %1$@ do „%2$@”
[cs]
stoppingButton = Zastavování…
stoppingStatus = Bezpečné zastavení: server nejprve ukončí relace importu, takže žádný příkaz není přerušen uprostřed.
dumpHeld = Soubor %@ byl otevřen během importu; po skončení importu se použije jako výpis.
outcomeAbout = %1$@ do „%2$@“
[sk]
stoppingButton = Zastavuje sa…
stoppingStatus = Bezpečné zastavenie: server najprv ukončí relácie importu, takže žiadny príkaz nie je prerušený uprostred.
dumpHeld = Súbor %@ bol otvorený počas importu; po skončení importu sa použije ako výpis.
outcomeAbout = %1$@ do „%2$@“
[sl]
stoppingButton = Ustavljanje…
stoppingStatus = Varna ustavitev: strežnik najprej konča seje uvoza, zato noben stavek ni prekinjen sredi izvajanja.
dumpHeld = Datoteka %@ je bila odprta med uvozom; ko se uvoz konča, bo uporabljena kot izpis.
outcomeAbout = %1$@ v „%2$@“
[hr]
stoppingButton = Zaustavljanje…
stoppingStatus = Sigurno zaustavljanje: poslužitelj najprije završava sesije uvoza, tako da nijedna naredba nije prekinuta na pola puta.
dumpHeld = Datoteka %@ otvorena je tijekom uvoza; koristit će se kao ispis kad uvoz završi.
outcomeAbout = %1$@ u „%2$@“
[bs]
stoppingButton = Zaustavljanje…
stoppingStatus = Sigurno zaustavljanje: server najprije završava sesije uvoza, tako da nijedna naredba nije prekinuta na pola puta.
dumpHeld = Datoteka %@ je otvorena tokom uvoza; koristit će se kao ispis kad uvoz završi.
outcomeAbout = %1$@ u „%2$@“
[sr]
stoppingButton = Заустављање…
stoppingStatus = Безбедно заустављање: сервер прво завршава сесије увоза, тако да ниједна наредба није прекинута на пола пута.
dumpHeld = Датотека %@ је отворена током увоза; користиће се као дамп када се увоз заврши.
outcomeAbout = %1$@ у „%2$@“
[sr-Latn]
stoppingButton = Zaustavljanje…
stoppingStatus = Bezbedno zaustavljanje: server prvo završava sesije uvoza, tako da nijedna naredba nije prekinuta na pola puta.
dumpHeld = Datoteka %@ je otvorena tokom uvoza; koristiće se kao damp kada se uvoz završi.
outcomeAbout = %1$@ u „%2$@“
[bg]
stoppingButton = Спиране…
stoppingStatus = Безопасно спиране: сървърът първо прекратява сесиите на импортирането, така че никоя команда не се прекъсва по средата.
dumpHeld = Файлът %@ беше отворен по време на импортирането; той ще бъде използван като дъмп, след като импортирането приключи.
outcomeAbout = %1$@ в „%2$@“
[mk]
stoppingButton = Запирање…
stoppingStatus = Безбедно запирање: серверот прво ги завршува сесиите на увезувањето, па ниедна наредба не се прекинува на половина.
dumpHeld = Датотеката %@ беше отворена за време на увезувањето; ќе се користи како дамп откако увезувањето ќе заврши.
outcomeAbout = %1$@ во „%2$@“
[be]
stoppingButton = Спыненне…
stoppingStatus = Бяспечнае спыненне: сервер спачатку завяршае сеансы імпарту, таму ніводны аператар не перарываецца на паўдарозе.
dumpHeld = Файл %@ быў адкрыты падчас імпарту; ён стане дампам, калі імпарт завершыцца.
outcomeAbout = %1$@ у «%2$@»
[ru]
stoppingButton = Остановка…
stoppingStatus = Безопасная остановка: сервер сначала завершает сеансы импорта, поэтому ни один оператор не прерывается на полпути.
dumpHeld = Файл %@ был открыт во время импорта; он станет дампом, когда импорт завершится.
outcomeAbout = %1$@ в «%2$@»
[zh-Hans]
stoppingButton = 正在停止…
stoppingStatus = 正在安全停止：服务器会先结束导入的各个会话，因此不会有语句在执行中途被打断。
dumpHeld = 导入期间打开了 %@；导入结束后，该文件将用作转储。
outcomeAbout = %1$@ 导入到“%2$@”
[zh-Hant]
stoppingButton = 正在停止…
stoppingStatus = 正在安全停止：伺服器會先結束匯入的各個工作階段，因此不會有陳述式在執行中途被打斷。
dumpHeld = 匯入期間開啟了 %@；匯入結束後，該檔案將用作傾印。
outcomeAbout = %1$@ 匯入到「%2$@」
[ja]
stoppingButton = 停止中…
stoppingStatus = 安全に停止しています：サーバがまずインポートのセッションを終了するため、途中で打ち切られる文はありません。
dumpHeld = インポート中に %@ が開かれました。インポートの終了後、このファイルをダンプとして使います。
outcomeAbout = %1$@ から「%2$@」へ
[ko]
stoppingButton = 중지하는 중…
stoppingStatus = 안전하게 중지하는 중: 서버가 먼저 가져오기의 세션을 끝내므로 도중에 끊기는 문은 없습니다.
dumpHeld = 가져오기 중에 %@ 파일이 열렸습니다. 가져오기가 끝나면 이 파일을 덤프로 사용합니다.
outcomeAbout = %1$@에서 “%2$@”(으)로
)catalog",
    "stoppingButton stoppingStatus dumpHeld outcomeAbout",
};
