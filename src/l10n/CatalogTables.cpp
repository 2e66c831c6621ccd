#include "l10n/CatalogParts.h"

// Texts of the window's list of tables during and after an import.
extern const CatalogParts::Part kCatalogTables;
const CatalogParts::Part kCatalogTables = {
    R"catalog(
[en]
tablesHeading = Tables: %1$d of %2$d done
tableColumnName = Table
tableColumnState = State
tableColumnSize = Size
tableColumnRows = Rows
tableWaiting = Waiting
tableLoading = Loading
tableLoadingIn = Loading in %d sessions
tableDone = Done
tableFailed = Failed
tableStopped = Stopped here
[de]
tablesHeading = Tabellen: %1$d von %2$d fertig
tableColumnName = Tabelle
tableColumnState = Status
tableColumnSize = Größe
tableColumnRows = Datensätze
tableWaiting = Wartet
tableLoading = Wird geladen
tableLoadingIn = Wird in %d Sitzungen geladen
tableDone = Fertig
tableFailed = Fehlgeschlagen
tableStopped = Hier gestoppt
[nl]
tablesHeading = Tabellen: %1$d van %2$d klaar
tableColumnName = Tabel
tableColumnState = Status
tableColumnSize = Grootte
tableColumnRows = Rijen
tableWaiting = Wacht
tableLoading = Wordt geladen
tableLoadingIn = Wordt in %d sessies geladen
tableDone = Klaar
tableFailed = Mislukt
tableStopped = Hier gestopt
[da]
tablesHeading = Færdige tabeller: %1$d af %2$d
tableColumnName = Tabel
tableColumnState = Status
tableColumnSize = Størrelse
tableColumnRows = Rækker
tableWaiting = Venter
tableLoading = Indlæses
tableLoadingIn = Indlæses i %d sessioner
tableDone = Færdig
tableFailed = Mislykkedes
tableStopped = Stoppet her
[sv]
tablesHeading = Klara tabeller: %1$d av %2$d
tableColumnName = Tabell
tableColumnState = Status
tableColumnSize = Storlek
tableColumnRows = Poster
tableWaiting = Väntar
tableLoading = Läses in
tableLoadingIn = Läses in i %d sessioner
tableDone = Klar
tableFailed = Misslyckades
tableStopped = Stoppad här
[nb]
tablesHeading = Ferdige tabeller: %1$d av %2$d
tableColumnName = Tabell
tableColumnState = Status
tableColumnSize = Størrelse
tableColumnRows = Rader
tableWaiting = Venter
tableLoading = Lastes inn
tableLoadingIn = Lastes inn i %d økter
tableDone = Ferdig
tableFailed = Mislyktes
tableStopped = Stoppet her
[nn]
tablesHeading = Ferdige tabellar: %1$d av %2$d
tableColumnName = Tabell
tableColumnState = Status
tableColumnSize = Storleik
tableColumnRows = Rader
tableWaiting = Ventar
tableLoading = Blir lasta inn
tableLoadingIn = Blir lasta inn i %d økter
tableDone = Ferdig
tableFailed = Feila
tableStopped = Stoppa her
[is]
tablesHeading = Töflum lokið: %1$d af %2$d
tableColumnName = Tafla
tableColumnState = Staða
tableColumnSize = Stærð
tableColumnRows = Raðir
tableWaiting = Bíður
tableLoading = Í hleðslu
tableLoadingIn = Í hleðslu (setur: %d)
tableDone = Lokið
tableFailed = Mistókst
tableStopped = Stöðvað hér
[fo]
tablesHeading = Liðugar talvur: %1$d av %2$d
tableColumnName = Talva
tableColumnState = Støða
tableColumnSize = Stødd
tableColumnRows = Raðir
tableWaiting = Bíðar
tableLoading = Í innlesing
tableLoadingIn = Í innlesing (setur: %d)
tableDone = Liðugt
tableFailed = Miseydnaðist
tableStopped = Steðgað her
[lb]
tablesHeading = Tabellen: %1$d vun %2$d fäerdeg
tableColumnName = Tabell
tableColumnState = Status
tableColumnSize = Gréisst
tableColumnRows = Datesätz
tableWaiting = Waart
tableLoading = Gëtt gelueden
tableLoadingIn = Gëtt mat %d Sessioune gelueden
tableDone = Fäerdeg
tableFailed = Feelgeschloen
tableStopped = Hei gestoppt
[fr]
tablesHeading = Tables terminées : %1$d sur %2$d
tableColumnName = Table
tableColumnState = État
tableColumnSize = Taille
tableColumnRows = Enregistrements
tableWaiting = En attente
tableLoading = Chargement
tableLoadingIn = Chargement dans %d sessions
tableDone = Terminé
tableFailed = Échec
tableStopped = Arrêté ici
[es]
tablesHeading = Tablas terminadas: %1$d de %2$d
tableColumnName = Tabla
tableColumnState = Estado
tableColumnSize = Tamaño
tableColumnRows = Filas
tableWaiting = En espera
tableLoading = Cargando
tableLoadingIn = Cargando en %d sesiones
tableDone = Terminada
tableFailed = Falló
tableStopped = Detenida aquí
[it]
tablesHeading = Tabelle completate: %1$d di %2$d
tableColumnName = Tabella
tableColumnState = Stato
tableColumnSize = Dimensione
tableColumnRows = Record
tableWaiting = In attesa
tableLoading = In caricamento
tableLoadingIn = Caricamento in %d sessioni
tableDone = Completata
tableFailed = Non riuscita
tableStopped = Interrotta qui
[pt]
tablesHeading = Tabelas concluídas: %1$d de %2$d
tableColumnName = Tabela
tableColumnState = Status
tableColumnSize = Tamanho
tableColumnRows = Registros
tableWaiting = Aguardando
tableLoading = Carregando
tableLoadingIn = Carregando em %d sessões
tableDone = Concluída
tableFailed = Falhou
tableStopped = Interrompida aqui
[ro]
tablesHeading = Tabele finalizate: %1$d din %2$d
tableColumnName = Tabel
tableColumnState = Stare
tableColumnSize = Dimensiune
tableColumnRows = Rânduri
tableWaiting = În așteptare
tableLoading = Se încarcă
tableLoadingIn = Se încarcă (sesiuni: %d)
tableDone = Finalizat
tableFailed = Eșuat
tableStopped = Oprit aici
[ca]
tablesHeading = Taules acabades: %1$d de %2$d
tableColumnName = Taula
tableColumnState = Estat
tableColumnSize = Mida
tableColumnRows = Files
tableWaiting = En espera
tableLoading = Carregant
tableLoadingIn = Carregant en %d sessions
tableDone = Acabada
tableFailed = Ha fallat
tableStopped = Aturada aquí
[gl]
tablesHeading = Táboas rematadas: %1$d de %2$d
tableColumnName = Táboa
tableColumnState = Estado
tableColumnSize = Tamaño
tableColumnRows = Filas
tableWaiting = En espera
tableLoading = Cargando
tableLoadingIn = Cargando en %d sesións
tableDone = Rematada
tableFailed = Fallou
tableStopped = Detida aquí
[rm]
tablesHeading = Tabellas terminadas: %1$d da %2$d
tableColumnName = Tabella
tableColumnState = Status
tableColumnSize = Grondezza
tableColumnRows = Retschas
tableWaiting = Spetga
tableLoading = Vegn chargiada
tableLoadingIn = Vegn chargiada en %d sesidas
tableDone = Terminada
tableFailed = Fallida
tableStopped = Fermada qua
[pl]
tablesHeading = Tabele: ukończono %1$d z %2$d
tableColumnName = Tabela
tableColumnState = Stan
tableColumnSize = Rozmiar
tableColumnRows = Rekordy
tableWaiting = Oczekuje
tableLoading = Ładowanie
tableLoadingIn = Ładowanie (sesje: %d)
tableDone = Ukończono
tableFailed = Niepowodzenie
tableStopped = Zatrzymano tutaj
[cs]
tablesHeading = Tabulky: hotovo %1$d z %2$d
tableColumnName = Tabulka
tableColumnState = Stav
tableColumnSize = Velikost
tableColumnRows = Záznamy
tableWaiting = Čeká
tableLoading = Načítá se
tableLoadingIn = Načítá se (relace: %d)
tableDone = Hotovo
tableFailed = Selhalo
tableStopped = Zastaveno zde
[sk]
tablesHeading = Tabuľky: hotovo %1$d z %2$d
tableColumnName = Tabuľka
tableColumnState = Stav
tableColumnSize = Veľkosť
tableColumnRows = Záznamy
tableWaiting = Čaká
tableLoading = Načítava sa
tableLoadingIn = Načítava sa (relácie: %d)
tableDone = Hotovo
tableFailed = Zlyhalo
tableStopped = Zastavené tu
[sl]
tablesHeading = Tabele: končano %1$d od %2$d
tableColumnName = Tabela
tableColumnState = Stanje
tableColumnSize = Velikost
tableColumnRows = Zapisi
tableWaiting = Čaka
tableLoading = Nalaganje
tableLoadingIn = Nalaganje (seje: %d)
tableDone = Končano
tableFailed = Ni uspelo
tableStopped = Ustavljeno tukaj
[hr]
tablesHeading = Tablice: dovršeno %1$d od %2$d
tableColumnName = Tablica
tableColumnState = Stanje
tableColumnSize = Veličina
tableColumnRows = Zapisi
tableWaiting = Čeka
tableLoading = Učitava se
tableLoadingIn = Učitava se (sesije: %d)
tableDone = Dovršeno
tableFailed = Nije uspjelo
tableStopped = Zaustavljeno ovdje
[bs]
tablesHeading = Tabele: završeno %1$d od %2$d
tableColumnName = Tabela
tableColumnState = Stanje
tableColumnSize = Veličina
tableColumnRows = Zapisi
tableWaiting = Čeka
tableLoading = Učitava se
tableLoadingIn = Učitava se (sesije: %d)
tableDone = Završeno
tableFailed = Nije uspjelo
tableStopped = Zaustavljeno ovdje
[sr]
tablesHeading = Табеле: завршено %1$d од %2$d
tableColumnName = Табела
tableColumnState = Стање
tableColumnSize = Величина
tableColumnRows = Записи
tableWaiting = Чека
tableLoading = Учитава се
tableLoadingIn = Учитава се (сесије: %d)
tableDone = Завршено
tableFailed = Није успело
tableStopped = Заустављено овде
[sr-Latn]
tablesHeading = Tabele: završeno %1$d od %2$d
tableColumnName = Tabela
tableColumnState = Stanje
tableColumnSize = Veličina
tableColumnRows = Zapisi
tableWaiting = Čeka
tableLoading = Učitava se
tableLoadingIn = Učitava se (sesije: %d)
tableDone = Završeno
tableFailed = Nije uspelo
tableStopped = Zaustavljeno ovde
[bg]
tablesHeading = Завършени таблици: %1$d от %2$d
tableColumnName = Таблица
tableColumnState = Състояние
tableColumnSize = Размер
tableColumnRows = Записи
tableWaiting = Изчаква
tableLoading = Зарежда се
tableLoadingIn = Зарежда се (сесии: %d)
tableDone = Готово
tableFailed = Неуспешно
tableStopped = Спряно тук
[mk]
tablesHeading = Завршени табели: %1$d од %2$d
tableColumnName = Табела
tableColumnState = Состојба
tableColumnSize = Големина
tableColumnRows = Записи
tableWaiting = Чека
tableLoading = Се вчитува
tableLoadingIn = Се вчитува (сесии: %d)
tableDone = Готово
tableFailed = Неуспешно
tableStopped = Запрено тука
[be]
tablesHeading = Табліцы: гатова %1$d з %2$d
tableColumnName = Табліца
tableColumnState = Стан
tableColumnSize = Памер
tableColumnRows = Запісы
tableWaiting = Чакае
tableLoading = Загружаецца
tableLoadingIn = Загружаецца (сеансаў: %d)
tableDone = Гатова
tableFailed = Не ўдалося
tableStopped = Спынена тут
[ru]
tablesHeading = Таблицы: готово %1$d из %2$d
tableColumnName = Таблица
tableColumnState = Состояние
tableColumnSize = Размер
tableColumnRows = Записи
tableWaiting = Ожидает
tableLoading = Загружается
tableLoadingIn = Загружается (сеансов: %d)
tableDone = Готово
tableFailed = Ошибка
tableStopped = Остановлено здесь
[zh-Hans]
tablesHeading = 表：已完成 %1$d 个，共 %2$d 个
tableColumnName = 表
tableColumnState = 状态
tableColumnSize = 大小
tableColumnRows = 数据行
tableWaiting = 等待中
tableLoading = 加载中
tableLoadingIn = 加载中（%d 个会话）
tableDone = 已完成
tableFailed = 失败
tableStopped = 在此停止
[zh-Hant]
tablesHeading = 資料表：已完成 %1$d 個，共 %2$d 個
tableColumnName = 資料表
tableColumnState = 狀態
tableColumnSize = 大小
tableColumnRows = 資料列
tableWaiting = 等待中
tableLoading = 載入中
tableLoadingIn = 載入中（%d 個工作階段）
tableDone = 已完成
tableFailed = 失敗
tableStopped = 在此停止
[ja]
tablesHeading = テーブル：%2$d 個中 %1$d 個完了
tableColumnName = テーブル
tableColumnState = 状態
tableColumnSize = サイズ
tableColumnRows = レコード
tableWaiting = 待機中
tableLoading = 読み込み中
tableLoadingIn = 読み込み中（%d セッション）
tableDone = 完了
tableFailed = 失敗
tableStopped = ここで停止
[ko]
tablesHeading = 테이블: %2$d개 중 %1$d개 완료
tableColumnName = 테이블
tableColumnState = 상태
tableColumnSize = 크기
tableColumnRows = 레코드
tableWaiting = 대기 중
tableLoading = 로드 중
tableLoadingIn = 로드 중(세션 %d개)
tableDone = 완료
tableFailed = 실패
tableStopped = 여기서 중지됨
)catalog",
    "tablesHeading tableColumnName tableColumnState tableColumnSize tableColumnRows tableWaiting tableLoading "
    "tableLoadingIn tableDone tableFailed tableStopped",
};
