#include "settings/CatalogParts.h"

// Texts for Podman and remote engines.
extern const CatalogParts::Part kCatalogEngines;
const CatalogParts::Part kCatalogEngines = {
    R"catalog(
[en]
podmanNotRunning = The Podman engine is not responding. Run podman info in a terminal to see why.
podmanNotRunningDetail = The Podman engine is not responding. %@
podmanMissing = Podman was not found. Is the podman command installed (on Debian and Ubuntu: the podman package)?
podmanTimeout = The Podman engine did not answer within %d seconds, so the command was stopped.
engineRootless = %@ (rootless)
engineAt = %1$@ at %2$@
engineSetting = Container engine
engineAsFound = As found (Docker first)
engineLine = Engine: %@
readingPodman = Reading Podman…
startPodman = Check the Podman engine (for example: podman info in a terminal), then refresh the list.
[de]
podmanNotRunning = Die Podman-Engine antwortet nicht. Führen Sie podman info in einem Terminal aus, um den Grund zu sehen.
podmanNotRunningDetail = Die Podman-Engine antwortet nicht. %@
podmanMissing = Podman wurde nicht gefunden. Ist der Befehl podman installiert (unter Debian und Ubuntu: das Paket podman)?
podmanTimeout = Die Podman-Engine hat nicht innerhalb von %d Sekunden geantwortet, daher wurde der Befehl abgebrochen.
engineRootless = %@ (ohne Root)
engineAt = %1$@ auf %2$@
engineSetting = Container-Engine
engineAsFound = Wie gefunden (Docker zuerst)
engineLine = Engine: %@
readingPodman = Podman wird abgefragt …
startPodman = Prüfen Sie die Podman-Engine (zum Beispiel: podman info in einem Terminal) und aktualisieren Sie dann die Liste.
[nl]
podmanNotRunning = De Podman-engine reageert niet. Voer podman info uit in een terminal om te zien waarom.
podmanNotRunningDetail = De Podman-engine reageert niet. %@
podmanMissing = Podman is niet gevonden. Is de opdracht podman geïnstalleerd (op Debian en Ubuntu: het pakket podman)?
podmanTimeout = De Podman-engine reageerde niet binnen %d seconden, daarom is de opdracht afgebroken.
engineRootless = %@ (zonder root)
engineAt = %1$@ op %2$@
engineSetting = Container-engine
engineAsFound = Zoals gevonden (Docker eerst)
engineLine = Engine: %@
readingPodman = Podman wordt uitgelezen…
startPodman = Controleer de Podman-engine (bijvoorbeeld: podman info in een terminal) en vernieuw daarna de lijst.
[da]
podmanNotRunning = Podman-motoren svarer ikke. Kør podman info i en terminal for at se hvorfor.
podmanNotRunningDetail = Podman-motoren svarer ikke. %@
podmanMissing = Podman blev ikke fundet. Er kommandoen podman installeret (på Debian og Ubuntu: pakken podman)?
podmanTimeout = Podman-motoren svarede ikke inden for %d sekunder, så kommandoen blev afbrudt.
engineRootless = %@ (uden root)
engineAt = %1$@ på %2$@
engineSetting = Containermotor
engineAsFound = Som fundet (Docker først)
engineLine = Motor: %@
readingPodman = Læser Podman…
startPodman = Kontrollér Podman-motoren (for eksempel: podman info i en terminal), og opdater derefter listen.
[sv]
podmanNotRunning = Podman-motorn svarar inte. Kör podman info i en terminal för att se varför.
podmanNotRunningDetail = Podman-motorn svarar inte. %@
podmanMissing = Podman hittades inte. Är kommandot podman installerat (på Debian och Ubuntu: paketet podman)?
podmanTimeout = Podman-motorn svarade inte inom %d sekunder, så kommandot avbröts.
engineRootless = %@ (utan root)
engineAt = %1$@ på %2$@
engineSetting = Containermotor
engineAsFound = Som den hittas (Docker först)
engineLine = Motor: %@
readingPodman = Läser Podman…
startPodman = Kontrollera Podman-motorn (till exempel: podman info i en terminal) och uppdatera sedan listan.
[nb]
podmanNotRunning = Podman-motoren svarer ikke. Kjør podman info i en terminal for å se hvorfor.
podmanNotRunningDetail = Podman-motoren svarer ikke. %@
podmanMissing = Fant ikke Podman. Er kommandoen podman installert (på Debian og Ubuntu: pakken podman)?
podmanTimeout = Podman-motoren svarte ikke innen %d sekunder, så kommandoen ble avbrutt.
engineRootless = %@ (uten root)
engineAt = %1$@ på %2$@
engineSetting = Containermotor
engineAsFound = Slik den blir funnet (Docker først)
engineLine = Motor: %@
readingPodman = Leser Podman…
startPodman = Kontroller Podman-motoren (for eksempel: podman info i en terminal), og oppdater deretter listen.
[nn]
podmanNotRunning = Podman-motoren svarar ikkje. Køyr podman info i ein terminal for å sjå kvifor.
podmanNotRunningDetail = Podman-motoren svarar ikkje. %@
podmanMissing = Fann ikkje Podman. Er kommandoen podman installert (på Debian og Ubuntu: pakken podman)?
podmanTimeout = Podman-motoren svarte ikkje innan %d sekund, så kommandoen vart avbroten.
engineRootless = %@ (utan root)
engineAt = %1$@ på %2$@
engineSetting = Containermotor
engineAsFound = Slik han vert funnen (Docker først)
engineLine = Motor: %@
readingPodman = Les Podman…
startPodman = Kontroller Podman-motoren (til dømes: podman info i ein terminal), og oppdater så lista.
[is]
podmanNotRunning = Podman-vélin svarar ekki. Keyrðu podman info í skipanaglugga til að sjá hvers vegna.
podmanNotRunningDetail = Podman-vélin svarar ekki. %@
podmanMissing = Podman fannst ekki. Er skipunin podman uppsett (á Debian og Ubuntu: pakkinn podman)?
podmanTimeout = Podman-vélin svaraði ekki innan %d sekúndna, svo skipunin var stöðvuð.
engineRootless = %@ (án rótar)
engineAt = %1$@ á %2$@
engineSetting = Gámavél
engineAsFound = Eins og hún finnst (Docker fyrst)
engineLine = Vél: %@
readingPodman = Les Podman…
startPodman = Athugaðu Podman-vélina (til dæmis: podman info í skipanaglugga) og endurnýjaðu svo listann.
[fo]
podmanNotRunning = Podman-motorurin svarar ikki. Koyr podman info í einum terminali fyri at síggja hví.
podmanNotRunningDetail = Podman-motorurin svarar ikki. %@
podmanMissing = Podman varð ikki funnið. Er boðið podman innlagt (á Debian og Ubuntu: pakkin podman)?
podmanTimeout = Podman-motorurin svaraði ikki innan %d sekund, so boðið varð steðgað.
engineRootless = %@ (uttan root)
engineAt = %1$@ á %2$@
engineSetting = Konteinaramotorur
engineAsFound = Sum funnið (Docker fyrst)
engineLine = Motorur: %@
readingPodman = Lesur Podman…
startPodman = Kanna Podman-motorin (til dømis: podman info í einum terminali), og dagfør síðan listan.
[lb]
podmanNotRunning = D'Podman-Engine äntwert net. Start podman info an engem Terminal, fir ze gesinn firwat.
podmanNotRunningDetail = D'Podman-Engine äntwert net. %@
podmanMissing = Podman gouf net fonnt. Ass de Befehl podman installéiert (ënner Debian an Ubuntu: de Package podman)?
podmanTimeout = D'Podman-Engine huet net bannent %d Sekonnen geäntwert, dofir gouf de Befehl ofgebrach.
engineRootless = %@ (ouni Root)
engineAt = %1$@ op %2$@
engineSetting = Container-Engine
engineAsFound = Wéi fonnt (Docker als éischt)
engineLine = Engine: %@
readingPodman = Podman gëtt ausgelies…
startPodman = Kuckt d'Podman-Engine no (zum Beispill: podman info an engem Terminal) an aktualiséiert dann d'Lëscht.
[fr]
podmanNotRunning = Le moteur Podman ne répond pas. Lancez podman info dans un terminal pour en voir la raison.
podmanNotRunningDetail = Le moteur Podman ne répond pas. %@
podmanMissing = Podman est introuvable. La commande podman est-elle installée (sous Debian et Ubuntu : le paquet podman) ?
podmanTimeout = Le moteur Podman n’a pas répondu en %d secondes ; la commande a donc été arrêtée.
engineRootless = %@ (sans root)
engineAt = %1$@ sur %2$@
engineSetting = Moteur de conteneurs
engineAsFound = Celui qui est trouvé (Docker d’abord)
engineLine = Moteur : %@
readingPodman = Lecture de Podman…
startPodman = Vérifiez le moteur Podman (par exemple : podman info dans un terminal), puis actualisez la liste.
[es]
podmanNotRunning = El motor Podman no responde. Ejecute podman info en un terminal para ver por qué.
podmanNotRunningDetail = El motor Podman no responde. %@
podmanMissing = No se encontró Podman. ¿Está instalado el comando podman (en Debian y Ubuntu: el paquete podman)?
podmanTimeout = El motor Podman no respondió en %d segundos, así que se detuvo el comando.
engineRootless = %@ (sin root)
engineAt = %1$@ en %2$@
engineSetting = Motor de contenedores
engineAsFound = El que se encuentre (primero Docker)
engineLine = Motor: %@
readingPodman = Leyendo Podman…
startPodman = Compruebe el motor Podman (por ejemplo: podman info en un terminal) y después actualice la lista.
[it]
podmanNotRunning = Il motore Podman non risponde. Esegui podman info in un terminale per vedere perché.
podmanNotRunningDetail = Il motore Podman non risponde. %@
podmanMissing = Podman non è stato trovato. Il comando podman è installato (su Debian e Ubuntu: il pacchetto podman)?
podmanTimeout = Il motore Podman non ha risposto entro %d secondi, quindi il comando è stato interrotto.
engineRootless = %@ (senza root)
engineAt = %1$@ su %2$@
engineSetting = Motore dei container
engineAsFound = Quello trovato (prima Docker)
engineLine = Motore: %@
readingPodman = Lettura di Podman…
startPodman = Controlla il motore Podman (ad esempio: podman info in un terminale), poi aggiorna l’elenco.
[pt]
podmanNotRunning = O motor Podman não responde. Execute podman info num terminal para ver porquê.
podmanNotRunningDetail = O motor Podman não responde. %@
podmanMissing = O Podman não foi encontrado. O comando podman está instalado (no Debian e no Ubuntu: o pacote podman)?
podmanTimeout = O motor Podman não respondeu em %d segundos, por isso o comando foi interrompido.
engineRootless = %@ (sem root)
engineAt = %1$@ em %2$@
engineSetting = Motor de contentores
engineAsFound = O que for encontrado (Docker primeiro)
engineLine = Motor: %@
readingPodman = A ler o Podman…
startPodman = Verifique o motor Podman (por exemplo: podman info num terminal) e depois atualize a lista.
[ro]
podmanNotRunning = Motorul Podman nu răspunde. Rulați podman info într-un terminal pentru a vedea de ce.
podmanNotRunningDetail = Motorul Podman nu răspunde. %@
podmanMissing = Podman nu a fost găsit. Este instalată comanda podman (pe Debian și Ubuntu: pachetul podman)?
podmanTimeout = Motorul Podman nu a răspuns în %d secunde, așa că comanda a fost oprită.
engineRootless = %@ (fără root)
engineAt = %1$@ la %2$@
engineSetting = Motor de containere
engineAsFound = Cel găsit (întâi Docker)
engineLine = Motor: %@
readingPodman = Se citește Podman…
startPodman = Verificați motorul Podman (de exemplu: podman info într-un terminal), apoi reîmprospătați lista.
[ca]
podmanNotRunning = El motor Podman no respon. Executeu podman info en un terminal per veure per què.
podmanNotRunningDetail = El motor Podman no respon. %@
podmanMissing = No s’ha trobat Podman. Està instal·lada l’ordre podman (a Debian i Ubuntu: el paquet podman)?
podmanTimeout = El motor Podman no ha respost en %d segons, així que s’ha aturat l’ordre.
engineRootless = %@ (sense root)
engineAt = %1$@ a %2$@
engineSetting = Motor de contenidors
engineAsFound = El que es trobi (primer Docker)
engineLine = Motor: %@
readingPodman = S’està llegint Podman…
startPodman = Comproveu el motor Podman (per exemple: podman info en un terminal) i després actualitzeu la llista.
[gl]
podmanNotRunning = O motor Podman non responde. Execute podman info nun terminal para ver por que.
podmanNotRunningDetail = O motor Podman non responde. %@
podmanMissing = Non se atopou Podman. Está instalada a orde podman (en Debian e Ubuntu: o paquete podman)?
podmanTimeout = O motor Podman non respondeu en %d segundos, así que se detivo a orde.
engineRootless = %@ (sen root)
engineAt = %1$@ en %2$@
engineSetting = Motor de contedores
engineAsFound = O que se atope (primeiro Docker)
engineLine = Motor: %@
readingPodman = Lendo Podman…
startPodman = Comprobe o motor Podman (por exemplo: podman info nun terminal) e despois actualice a lista.
[rm]
podmanNotRunning = Il motor Podman na respunda betg. Exequi podman info en in terminal per vesair pertge.
podmanNotRunningDetail = Il motor Podman na respunda betg. %@
podmanMissing = Podman n’è betg vegnì chattà. È il cumond podman installà (sin Debian ed Ubuntu: il pachet podman)?
podmanTimeout = Il motor Podman n’ha betg respundì entaifer %d secundas, perquai è il cumond vegnì interrut.
engineRootless = %@ (senza root)
engineAt = %1$@ sin %2$@
engineSetting = Motor da containers
engineAsFound = Sco chattà (Docker l’emprim)
engineLine = Motor: %@
readingPodman = Podman vegn legì…
startPodman = Controllai il motor Podman (per exempel: podman info en in terminal) e actualisai lura la glista.
[pl]
podmanNotRunning = Silnik Podman nie odpowiada. Uruchom podman info w terminalu, aby zobaczyć dlaczego.
podmanNotRunningDetail = Silnik Podman nie odpowiada. %@
podmanMissing = Nie znaleziono Podmana. Czy polecenie podman jest zainstalowane (w Debianie i Ubuntu: pakiet podman)?
podmanTimeout = Silnik Podman nie odpowiedział w ciągu %d sekund, więc polecenie zostało przerwane.
engineRootless = %@ (bez roota)
engineAt = %1$@ pod adresem %2$@
engineSetting = Silnik kontenerów
engineAsFound = Wykryty (najpierw Docker)
engineLine = Silnik: %@
readingPodman = Odczytywanie Podmana…
startPodman = Sprawdź silnik Podman (na przykład: podman info w terminalu), a potem odśwież listę.
[cs]
podmanNotRunning = Engine Podman neodpovídá. Spusťte v terminálu podman info a uvidíte proč.
podmanNotRunningDetail = Engine Podman neodpovídá. %@
podmanMissing = Podman nebyl nalezen. Je nainstalován příkaz podman (v Debianu a Ubuntu: balíček podman)?
podmanTimeout = Engine Podman neodpověděl do %d sekund, proto byl příkaz zastaven.
engineRootless = %@ (bez roota)
engineAt = %1$@ na %2$@
engineSetting = Kontejnerový engine
engineAsFound = Podle nalezení (nejdřív Docker)
engineLine = Engine: %@
readingPodman = Načítá se Podman…
startPodman = Zkontrolujte engine Podman (například: podman info v terminálu) a pak obnovte seznam.
[sk]
podmanNotRunning = Engine Podman neodpovedá. Spustite v termináli podman info a uvidíte prečo.
podmanNotRunningDetail = Engine Podman neodpovedá. %@
podmanMissing = Podman sa nenašiel. Je nainštalovaný príkaz podman (v Debiane a Ubuntu: balík podman)?
podmanTimeout = Engine Podman neodpovedal do %d sekúnd, preto bol príkaz zastavený.
engineRootless = %@ (bez roota)
engineAt = %1$@ na %2$@
engineSetting = Kontajnerový engine
engineAsFound = Podľa nájdenia (najprv Docker)
engineLine = Engine: %@
readingPodman = Načítava sa Podman…
startPodman = Skontrolujte engine Podman (napríklad: podman info v termináli) a potom obnovte zoznam.
[sl]
podmanNotRunning = Pogon Podman se ne odziva. V terminalu zaženite podman info, da vidite zakaj.
podmanNotRunningDetail = Pogon Podman se ne odziva. %@
podmanMissing = Podmana ni bilo mogoče najti. Ali je ukaz podman nameščen (v Debianu in Ubuntuju: paket podman)?
podmanTimeout = Pogon Podman se ni odzval v %d sekundah, zato je bil ukaz ustavljen.
engineRootless = %@ (brez roota)
engineAt = %1$@ na %2$@
engineSetting = Pogon vsebnikov
engineAsFound = Kot je najden (najprej Docker)
engineLine = Pogon: %@
readingPodman = Branje Podmana …
startPodman = Preverite pogon Podman (na primer: podman info v terminalu) in nato osvežite seznam.
[hr]
podmanNotRunning = Podman pogon ne odgovara. Pokrenite podman info u terminalu da biste vidjeli zašto.
podmanNotRunningDetail = Podman pogon ne odgovara. %@
podmanMissing = Podman nije pronađen. Je li naredba podman instalirana (na Debianu i Ubuntuu: paket podman)?
podmanTimeout = Podman pogon nije odgovorio u roku od %d sekundi pa je naredba zaustavljena.
engineRootless = %@ (bez roota)
engineAt = %1$@ na %2$@
engineSetting = Pogon spremnika
engineAsFound = Kako je pronađen (prvo Docker)
engineLine = Pogon: %@
readingPodman = Čitanje Podmana…
startPodman = Provjerite Podman pogon (na primjer: podman info u terminalu), a zatim osvježite popis.
[bs]
podmanNotRunning = Podman pogon ne odgovara. Pokrenite podman info u terminalu da vidite zašto.
podmanNotRunningDetail = Podman pogon ne odgovara. %@
podmanMissing = Podman nije pronađen. Da li je naredba podman instalirana (na Debianu i Ubuntuu: paket podman)?
podmanTimeout = Podman pogon nije odgovorio u roku od %d sekundi, pa je naredba zaustavljena.
engineRootless = %@ (bez roota)
engineAt = %1$@ na %2$@
engineSetting = Pogon kontejnera
engineAsFound = Kako je pronađen (prvo Docker)
engineLine = Pogon: %@
readingPodman = Čitanje Podmana…
startPodman = Provjerite Podman pogon (na primjer: podman info u terminalu), a zatim osvježite listu.
[sr]
podmanNotRunning = Podman погон не одговара. Покрените podman info у терминалу да видите зашто.
podmanNotRunningDetail = Podman погон не одговара. %@
podmanMissing = Podman није пронађен. Да ли је наредба podman инсталирана (на Debian-у и Ubuntu-у: пакет podman)?
podmanTimeout = Podman погон није одговорио у року од %d секунди, па је наредба заустављена.
engineRootless = %@ (без root-а)
engineAt = %1$@ на %2$@
engineSetting = Погон контејнера
engineAsFound = Како је пронађен (прво Docker)
engineLine = Погон: %@
readingPodman = Читање Podman-а…
startPodman = Проверите Podman погон (на пример: podman info у терминалу), а затим освежите листу.
[sr-Latn]
podmanNotRunning = Podman pogon ne odgovara. Pokrenite podman info u terminalu da vidite zašto.
podmanNotRunningDetail = Podman pogon ne odgovara. %@
podmanMissing = Podman nije pronađen. Da li je naredba podman instalirana (na Debian-u i Ubuntu-u: paket podman)?
podmanTimeout = Podman pogon nije odgovorio u roku od %d sekundi, pa je naredba zaustavljena.
engineRootless = %@ (bez root-a)
engineAt = %1$@ na %2$@
engineSetting = Pogon kontejnera
engineAsFound = Kako je pronađen (prvo Docker)
engineLine = Pogon: %@
readingPodman = Čitanje Podman-a…
startPodman = Proverite Podman pogon (na primer: podman info u terminalu), a zatim osvežite listu.
[bg]
podmanNotRunning = Двигателят Podman не отговаря. Изпълнете podman info в терминал, за да видите защо.
podmanNotRunningDetail = Двигателят Podman не отговаря. %@
podmanMissing = Podman не е намерен. Инсталирана ли е командата podman (в Debian и Ubuntu: пакетът podman)?
podmanTimeout = Двигателят Podman не отговори в рамките на %d секунди, затова командата беше спряна.
engineRootless = %@ (без root)
engineAt = %1$@ на %2$@
engineSetting = Двигател за контейнери
engineAsFound = Както е намерен (първо Docker)
engineLine = Двигател: %@
readingPodman = Четене на Podman…
startPodman = Проверете двигателя Podman (например: podman info в терминал), след което обновете списъка.
[mk]
podmanNotRunning = Моторот Podman не одговара. Извршете podman info во терминал за да видите зошто.
podmanNotRunningDetail = Моторот Podman не одговара. %@
podmanMissing = Podman не е пронајден. Дали е инсталирана командата podman (на Debian и Ubuntu: пакетот podman)?
podmanTimeout = Моторот Podman не одговори во рок од %d секунди, па командата беше запрена.
engineRootless = %@ (без root)
engineAt = %1$@ на %2$@
engineSetting = Мотор за контејнери
engineAsFound = Како што е пронајден (прво Docker)
engineLine = Мотор: %@
readingPodman = Се чита Podman…
startPodman = Проверете го моторот Podman (на пример: podman info во терминал), потоа освежете ја листата.
[be]
podmanNotRunning = Рухавік Podman не адказвае. Запусціце podman info у тэрмінале, каб убачыць чаму.
podmanNotRunningDetail = Рухавік Podman не адказвае. %@
podmanMissing = Podman не знойдзены. Ці ўсталявана каманда podman (у Debian і Ubuntu: пакет podman)?
podmanTimeout = Рухавік Podman не адказаў на працягу %d секунд, таму каманда была спынена.
engineRootless = %@ (без root)
engineAt = %1$@ на %2$@
engineSetting = Рухавік кантэйнераў
engineAsFound = Які знойдзены (спачатку Docker)
engineLine = Рухавік: %@
readingPodman = Чытанне Podman…
startPodman = Праверце рухавік Podman (напрыклад: podman info у тэрмінале), потым абнавіце спіс.
[ru]
podmanNotRunning = Движок Podman не отвечает. Выполните podman info в терминале, чтобы узнать причину.
podmanNotRunningDetail = Движок Podman не отвечает. %@
podmanMissing = Podman не найден. Установлена ли команда podman (в Debian и Ubuntu: пакет podman)?
podmanTimeout = Движок Podman не ответил в течение %d секунд, поэтому команда была остановлена.
engineRootless = %@ (без root)
engineAt = %1$@ на %2$@
engineSetting = Движок контейнеров
engineAsFound = Какой найден (сначала Docker)
engineLine = Движок: %@
readingPodman = Чтение Podman…
startPodman = Проверьте движок Podman (например: podman info в терминале), затем обновите список.
[zh-Hans]
podmanNotRunning = Podman 引擎没有响应。请在终端中运行 podman info 查看原因。
podmanNotRunningDetail = Podman 引擎没有响应。%@
podmanMissing = 未找到 Podman。是否已安装 podman 命令（在 Debian 和 Ubuntu 上：podman 软件包）？
podmanTimeout = Podman 引擎在 %d 秒内没有响应，因此命令已停止。
engineRootless = %@（无 root）
engineAt = %1$@，位于 %2$@
engineSetting = 容器引擎
engineAsFound = 按找到的（优先 Docker）
engineLine = 引擎：%@
readingPodman = 正在读取 Podman…
startPodman = 请检查 Podman 引擎（例如：在终端中运行 podman info），然后刷新列表。
[zh-Hant]
podmanNotRunning = Podman 引擎沒有回應。請在終端機中執行 podman info 查看原因。
podmanNotRunningDetail = Podman 引擎沒有回應。%@
podmanMissing = 找不到 Podman。是否已安裝 podman 指令（在 Debian 和 Ubuntu 上：podman 套件）？
podmanTimeout = Podman 引擎在 %d 秒內沒有回應，因此指令已停止。
engineRootless = %@（無 root）
engineAt = %1$@，位於 %2$@
engineSetting = 容器引擎
engineAsFound = 依找到的（優先 Docker）
engineLine = 引擎：%@
readingPodman = 正在讀取 Podman…
startPodman = 請檢查 Podman 引擎（例如：在終端機中執行 podman info），然後重新整理清單。
[ja]
podmanNotRunning = Podman エンジンが応答しません。ターミナルで podman info を実行して原因を確認してください。
podmanNotRunningDetail = Podman エンジンが応答しません。%@
podmanMissing = Podman が見つかりません。podman コマンドはインストールされていますか（Debian と Ubuntu では podman パッケージ）？
podmanTimeout = Podman エンジンが %d 秒以内に応答しなかったため、コマンドを停止しました。
engineRootless = %@（ルートレス）
engineAt = %2$@ の %1$@
engineSetting = コンテナエンジン
engineAsFound = 見つかったもの（Docker を優先）
engineLine = エンジン: %@
readingPodman = Podman を読み込んでいます…
startPodman = Podman エンジンを確認してから（例: ターミナルで podman info）、一覧を更新してください。
[ko]
podmanNotRunning = Podman 엔진이 응답하지 않습니다. 터미널에서 podman info를 실행하여 원인을 확인하세요.
podmanNotRunningDetail = Podman 엔진이 응답하지 않습니다. %@
podmanMissing = Podman을 찾을 수 없습니다. podman 명령이 설치되어 있습니까(Debian 및 Ubuntu: podman 패키지)?
podmanTimeout = Podman 엔진이 %d초 안에 응답하지 않아 명령을 중지했습니다.
engineRootless = %@ (루트리스)
engineAt = %2$@의 %1$@
engineSetting = 컨테이너 엔진
engineAsFound = 찾은 대로 (Docker 우선)
engineLine = 엔진: %@
readingPodman = Podman 읽는 중…
startPodman = Podman 엔진을 확인한 다음(예: 터미널에서 podman info) 목록을 새로 고치세요.
)catalog",
    "podmanNotRunning podmanNotRunningDetail podmanMissing podmanTimeout engineRootless engineAt engineSetting engineAsFound engineLine readingPodman startPodman",
};
