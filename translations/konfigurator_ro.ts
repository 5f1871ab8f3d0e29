<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ACL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Модуль объявлен</translation>
    </message>
    <message>
        <source>ACL</source>
        <translation>ACL</translation>
    </message>
    <message>
        <source>Moduł Komunikacji Adresowalnej</source>
        <translation>Модуль адресной связи</translation>
    </message>
    <message>
        <source>Brak komunikacji z modułem ACL</source>
        <translation>Нет связи с модулем ACL</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Ustawienia aplikacji</source>
        <translation>Настройки программы</translation>
    </message>
    <message>
        <source>Język:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Język interfejsu; zmiana obowiązuje od następnego uruchomienia programu</source>
        <translation>Язык интерфейса; изменение вступает в силу при следующем запуске программы</translation>
    </message>
    <message>
        <source>Czcionka:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Wielkość czcionki w pikselach</source>
        <translation>Размер шрифта в пикселях</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Żywotność akumulatorów:</source>
        <translation>Срок службы аккумуляторов:</translation>
    </message>
    <message>
        <source>Po ilu latach od montażu akumulator należy wymienić</source>
        <translation>Через сколько лет после установки аккумулятор следует заменить</translation>
    </message>
    <message>
        <source> lat</source>
        <translation> лет</translation>
    </message>
    <message>
        <source>Archiwum firmowe (PostgreSQL)</source>
        <translation>Архив компании (PostgreSQL)</translation>
    </message>
    <message>
        <source>Serwer:</source>
        <translation>Сервер:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Baza danych:</source>
        <translation>База данных:</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation>Пользователь:</translation>
    </message>
    <message>
        <source>Szyfrowanie (SSL):</source>
        <translation>Шифрование (SSL):</translation>
    </message>
    <message>
        <source>Technik (autor rekordów):</source>
        <translation>Техник (автор записей):</translation>
    </message>
    <message>
        <source>Hasła nie zapisujemy: PostgreSQL (libpq) bierze je z pliku haseł użytkownika: ~/.pgpass, pliku wskazanego zmienną PGPASSFILE albo %APPDATA%\postgresql\pgpass.conf w Windows.</source>
        <translation>Пароль не сохраняется: PostgreSQL (libpq) берёт его из файла паролей пользователя: ~/.pgpass, из файла, указанного переменной PGPASSFILE, или из %APPDATA%\postgresql\pgpass.conf в Windows.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: synchronizacja z archiwum jest niedostępna.</source>
        <translation>В этой установке нет драйвера PostgreSQL (QPSQL): синхронизация с архивом недоступна.</translation>
    </message>
    <message>
        <source>Wybrany język interfejsu zostanie użyty po ponownym uruchomieniu programu.</source>
        <translation>Выбранный язык интерфейса будет применён после перезапуска программы.</translation>
    </message>
    <message>
        <source>Certyfikat CA firmy:</source>
        <translation>Сертификат ЦС компании:</translation>
    </message>
    <message>
        <source>Wybierz plik…</source>
        <translation>Выбрать файл…</translation>
    </message>
    <message>
        <source>Dla verify-full certyfikat CA firmy musi być w %1.</source>
        <translation>Для verify-full сертификат ЦС компании должен быть в %1.</translation>
    </message>
    <message>
        <source>Jest.</source>
        <translation>Он там есть.</translation>
    </message>
    <message>
        <source>Jeszcze go tam nie ma.</source>
        <translation>Его там ещё нет.</translation>
    </message>
    <message>
        <source>Certyfikat CA firmy</source>
        <translation>Сертификат ЦС компании</translation>
    </message>
    <message>
        <source>Certyfikaty (*.crt *.pem *.cer);;Wszystkie pliki (*)</source>
        <translation>Сертификаты (*.crt *.pem *.cer);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Nie skopiowano certyfikatu %1: %2</source>
        <translation>Сертификат %1 не скопирован: %2</translation>
    </message>
    <message>
        <source>Na tym komputerze:</source>
        <translation>На этом компьютере:</translation>
    </message>
    <message>
        <source>Szukaj obiektu</source>
        <translation>Найти объект</translation>
    </message>
    <message>
        <source>wszystko</source>
        <translation>всё</translation>
    </message>
    <message>
        <source>Każdy rekord firmy trafia na ten komputer w całości.</source>
        <translation>Каждая запись компании целиком попадает на этот компьютер.</translation>
    </message>
    <message>
        <source>moje obiekty</source>
        <translation>мои объекты</translation>
    </message>
    <message>
        <source>W całości trafiają tu obiekty, w których były Twoje wizyty, i rekordy, które sam zapisałeś w archiwum. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</source>
        <translation>Целиком сюда попадают объекты ваших визитов и записи, которые вы сами сохранили в архиве. Об остальных этот компьютер знает только описание и загружает их при открытии.</translation>
    </message>
    <message>
        <source>wybrane obiekty</source>
        <translation>выбранные объекты</translation>
    </message>
    <message>
        <source>W całości trafiają tu obiekty zaznaczone poniżej i Twoje własne rekordy. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</source>
        <translation>Целиком сюда попадают отмеченные ниже объекты и ваши собственные записи. Об остальных этот компьютер знает только описание и загружает их при открытии.</translation>
    </message>
    <message>
        <source>obiekt jeszcze nieznany na tym komputerze (%1)</source>
        <translation>объект, ещё неизвестный на этом компьютере (%1)</translation>
    </message>
</context>
<context>
    <name>ArchiveMarkProxy</name>
    <message>
        <source>Wycofany z archiwum firmowego</source>
        <translation>Отозвана из архива компании</translation>
    </message>
</context>
<context>
    <name>ArchiveRecordsDialog</name>
    <message>
        <source>Archiwum firmowe</source>
        <translation>Архив компании</translation>
    </message>
    <message>
        <source>Odrzucone z archiwum</source>
        <translation>Отклонённые из архива</translation>
    </message>
    <message>
        <source>Rekordy kolegów, których ta baza nie przyjęła, i te, które czekają na rekord, do którego się odwołują. Żaden z nich nie zmienił niczego w tej bazie.</source>
        <translation>Записи коллег, которые эта база не приняла, и записи, ожидающие запись, на которую они ссылаются. Ни одна из них ничего не изменила в этой базе.</translation>
    </message>
    <message>
        <source>Rekordy w archiwum</source>
        <translation>Записи в архиве</translation>
    </message>
    <message>
        <source>Wycofaj z archiwum</source>
        <translation>Отозвать из архива</translation>
    </message>
    <message>
        <source>Przywróć z archiwum</source>
        <translation>Восстановить из архива</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>конфигурация</translation>
    </message>
    <message>
        <source>rejestr zdarzeń</source>
        <translation>журнал событий</translation>
    </message>
    <message>
        <source>lista uszkodzeń</source>
        <translation>список неисправностей</translation>
    </message>
    <message>
        <source>wersje oprogramowania</source>
        <translation>версии ПО</translation>
    </message>
    <message>
        <source>obiekt</source>
        <translation>объект</translation>
    </message>
    <message>
        <source>centrala</source>
        <translation>прибор</translation>
    </message>
    <message>
        <source>wizyta</source>
        <translation>визит</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Kiedy</source>
        <translation>Когда</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Autor</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>Powód</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>wycofany</source>
        <translation>отозвана</translation>
    </message>
    <message>
        <source>w archiwum</source>
        <translation>в архиве</translation>
    </message>
    <message>
        <source>usunięty w tej bazie</source>
        <translation>удалена в этой базе</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Łączenie z archiwum…</source>
        <translation>Подключение к архиву…</translation>
    </message>
    <message>
        <source>Nazwa, obiekt lub centrala</source>
        <translation>Название, объект или прибор</translation>
    </message>
    <message>
        <source>Szukaj</source>
        <translation>Искать</translation>
    </message>
    <message>
        <source>Wszystkie obiekty</source>
        <translation>Все объекты</translation>
    </message>
    <message>
        <source>Więcej</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Rekordy tego obiektu</source>
        <translation>Записи этого объекта</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Centrale firmy</source>
        <translation>Приборы компании</translation>
    </message>
    <message>
        <source>Centrala lub obiekt</source>
        <translation>Прибор или объект</translation>
    </message>
    <message>
        <source>Rekordy tej centrali</source>
        <translation>Записи этого прибора</translation>
    </message>
    <message>
        <source>brak sterownika PostgreSQL w tej instalacji</source>
        <translation>в этой установке нет драйвера PostgreSQL</translation>
    </message>
    <message>
        <source>archiwum nie jest ustawione w Ustawienia &gt; Widok</source>
        <translation>архив не настроен в Настройки &gt; Вид</translation>
    </message>
    <message>
        <source>wszystkie rodzaje</source>
        <translation>все виды</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Объект</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Rozmiar</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Ostatnia wizyta</source>
        <translation>Последний визит</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Следующее обслуживание</translation>
    </message>
    <message>
        <source>Wizyty</source>
        <translation>Визиты</translation>
    </message>
    <message>
        <source>Termin</source>
        <translation>Срок</translation>
    </message>
    <message>
        <source>Tylko obiekt: %1</source>
        <translation>Только объект: %1</translation>
    </message>
    <message>
        <source>Tylko centrala: %1</source>
        <translation>Только прибор: %1</translation>
    </message>
    <message>
        <source>Szukanie w archiwum firmowym…</source>
        <translation>Поиск в архиве компании…</translation>
    </message>
    <message>
        <source>Wyniki z serwera archiwum firmowego.</source>
        <translation>Результаты с сервера архива компании.</translation>
    </message>
    <message>
        <source>Wyniki z katalogu na tym komputerze (stan z ostatniej synchronizacji): serwer archiwum nie odpowiada: %1</source>
        <translation>Результаты из каталога на этом компьютере (на момент последней синхронизации): сервер архива не отвечает: %1</translation>
    </message>
    <message>
        <source>Nie znaleziono rekordów.</source>
        <translation>Записи не найдены.</translation>
    </message>
    <message>
        <source>nie na tym komputerze</source>
        <translation>не на этом компьютере</translation>
    </message>
    <message>
        <source>Tylko w archiwum firmowym: otwarcie pobierze go na ten komputer</source>
        <translation>Только в архиве компании: открытие загрузит запись на этот компьютер</translation>
    </message>
    <message>
        <source>Pobierz i otwórz</source>
        <translation>Загрузить и открыть</translation>
    </message>
    <message>
        <source>Pobieranie „%1” z archiwum…</source>
        <translation>Загрузка «%1» из архива…</translation>
    </message>
    <message>
        <source>Rekordu „%1” nie udało się otworzyć po pobraniu: %2</source>
        <translation>Запись «%1» не удалось открыть после загрузки: %2</translation>
    </message>
    <message>
        <source>Pobieranie przerwane: na tym komputerze nic nie zapisano.</source>
        <translation>Загрузка прервана: на этом компьютере ничего не записано.</translation>
    </message>
    <message>
        <source>Rekord tylko w archiwum</source>
        <translation>Запись только в архиве</translation>
    </message>
    <message>
        <source>Rekord „%1” jest w archiwum firmowym, ale nie na tym komputerze, a serwera archiwum nie udało się teraz osiągnąć (%2).

Na tym komputerze niczego nie zapisano. Połącz komputer z siecią firmy i otwórz rekord ponownie. Żeby rekordy obiektu były tu także bez sieci, wybierz w Ustawienia &gt; Widok zakres archiwum, który go obejmuje, i zsynchronizuj.</source>
        <translation>Запись «%1» есть в архиве компании, но не на этом компьютере, а сервер архива сейчас недоступен (%2).

На этом компьютере ничего не записано. Подключите компьютер к сети компании и откройте запись снова. Чтобы записи объекта были здесь и без сети, выберите в Настройки &gt; Вид объём архива, который его включает, и синхронизируйте.</translation>
    </message>
    <message>
        <source>Centrale firmy podaje serwer archiwum, a ten jest niedostępny: %1</source>
        <translation>Приборы компании сообщает сервер архива, а он недоступен: %1</translation>
    </message>
    <message>
        <source>Czytanie central z archiwum firmowego…</source>
        <translation>Чтение приборов из архива компании…</translation>
    </message>
    <message>
        <source>Centrale firmy podaje serwer archiwum, a ten nie odpowiada: %1</source>
        <translation>Приборы компании сообщает сервер архива, а он не отвечает: %1</translation>
    </message>
    <message>
        <source>po terminie</source>
        <translation>просрочено</translation>
    </message>
    <message>
        <source>wkrótce</source>
        <translation>скоро</translation>
    </message>
    <message>
        <source>Nie znaleziono central.</source>
        <translation>Приборы не найдены.</translation>
    </message>
    <message>
        <source>Centrale firmy z serwera archiwum: %1.</source>
        <translation>Приборы компании с сервера архива: %1.</translation>
    </message>
    <message>
        <source>Jest ich więcej.</source>
        <translation>Есть ещё.</translation>
    </message>
</context>
<context>
    <name>ArchiveSettings</name>
    <message>
        <source>to nie jest certyfikat w formacie PEM</source>
        <translation>это не сертификат в формате PEM</translation>
    </message>
</context>
<context>
    <name>ArchiveStatus</name>
    <message>
        <source>Synchronizuj z archiwum</source>
        <translation>Синхронизировать с архивом</translation>
    </message>
    <message>
        <source>Wymienia rekordy z archiwum firmowym</source>
        <translation>Обменивается записями с архивом компании</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Synchronizacja przerwana.</source>
        <translation>Синхронизация прервана.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</source>
        <translation>В этой установке нет драйвера PostgreSQL (QPSQL): архив недоступен.</translation>
    </message>
    <message>
        <source>Archiwum nie jest ustawione: podaj serwer i użytkownika w Ustawienia &gt; Widok.</source>
        <translation>Архив не настроен: укажите сервер и пользователя в меню Настройки &gt; Вид.</translation>
    </message>
    <message>
        <source>nigdy</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>Archiwum: %1, czeka %2</source>
        <translation>Архив: %1, в очереди %2</translation>
    </message>
    <message>
        <source>Odrzucone z archiwum…</source>
        <translation>Отклонённые из архива…</translation>
    </message>
    <message>
        <source>Rekordy w archiwum…</source>
        <translation>Записи в архиве…</translation>
    </message>
    <message>
        <source>Rekordy kolegów, których ta baza nie przyjęła</source>
        <translation>Записи коллег, которые эта база не приняла</translation>
    </message>
    <message>
        <source>Archiwum niedostępne: brak sterownika PostgreSQL</source>
        <translation>Архив недоступен: нет драйвера PostgreSQL</translation>
    </message>
    <message>
        <source>Centrale firmy…</source>
        <translation>Приборы компании…</translation>
    </message>
    <message>
        <source>Wyszukiwanie i otwieranie rekordów archiwum, wycofanie własnych rekordów i przywracanie usuniętych</source>
        <translation>Поиск и открытие записей архива, отзыв своих записей и восстановление удалённых</translation>
    </message>
    <message>
        <source>Centrale firmy z ostatnią wizytą i terminem przeglądu</source>
        <translation>Приборы компании с последним визитом и сроком обслуживания</translation>
    </message>
</context>
<context>
    <name>ArchiveSync</name>
    <message>
        <source>Archiwum odrzuciło użytkownika %1: sprawdź jego hasło w pliku haseł PostgreSQL (pgpass).</source>
        <translation>Архив отклонил пользователя %1: проверьте его пароль в файле паролей PostgreSQL (pgpass).</translation>
    </message>
    <message>
        <source>Serwer archiwum nie zestawił połączenia szyfrowanego (SSL), którego wymagają ustawienia: %1</source>
        <translation>Сервер архива не установил шифрованное соединение (SSL), которое требуется настройками: %1</translation>
    </message>
    <message>
        <source>Brak połączenia z archiwum %1:%2: %3</source>
        <translation>Нет подключения к архиву %1:%2: %3</translation>
    </message>
    <message>
        <source>Baza %1 nie jest archiwum programu: brak tabeli archive_schema (uruchom scripts/archive-server).</source>
        <translation>База %1 не является архивом программы: нет таблицы archive_schema (запустите scripts/archive-server).</translation>
    </message>
    <message>
        <source>Archiwum ma schemat w wersji %1, a program obsługuje wersję %2: synchronizacja odrzucona, nic nie zmieniono.</source>
        <translation>Схема архива имеет версию %1, а программа поддерживает версию %2: синхронизация отклонена, ничего не изменено.</translation>
    </message>
    <message>
        <source>Archiwum przysłało wiersz katalogu w niepoprawnej postaci; synchronizacja przerwana, nic z niego nie zapisano.</source>
        <translation>Архив прислал строку каталога в неверном виде; синхронизация прервана, из неё ничего не сохранено.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</source>
        <translation>В этой установке нет драйвера PostgreSQL (QPSQL): архив недоступен.</translation>
    </message>
    <message>
        <source>Nie można otworzyć lokalnej bazy: %1</source>
        <translation>Не удаётся открыть локальную базу: %1</translation>
    </message>
    <message>
        <source>Błąd zapisu do lokalnej bazy: %1</source>
        <translation>Ошибка записи в локальную базу: %1</translation>
    </message>
    <message>
        <source>Połączenie z archiwum zostało przerwane; synchronizacja nie dokończona, zapisane dotąd rekordy są zachowane. Spróbuj ponownie. (%1)</source>
        <translation>Соединение с архивом прервано; синхронизация не завершена, записи, сохранённые до этого момента, не потеряны. Повторите попытку. (%1)</translation>
    </message>
    <message>
        <source>Synchronizacja zakończona: pobrano %1, wysłano %2.</source>
        <translation>Синхронизация завершена: получено %1, отправлено %2.</translation>
    </message>
    <message>
        <source>Rekord nie został wycofany: wycofać może go tylko jego autor.</source>
        <translation>Запись не отозвана: отозвать её может только её автор.</translation>
    </message>
    <message>
        <source>Rekord wycofany; pozostaje w archiwum.</source>
        <translation>Запись отозвана; она остаётся в архиве.</translation>
    </message>
    <message>
        <source>Brak certyfikatu CA firmy, którym program sprawdza serwer archiwum: umieść go w %1 (Ustawienia &gt; Widok &gt; Certyfikat CA…). Hasła nie wysłano.</source>
        <translation>Нет сертификата ЦС компании, которым программа проверяет сервер архива: поместите его в %1 (Настройки &gt; Вид &gt; Сертификат ЦС…). Пароль не отправлен.</translation>
    </message>
    <message>
        <source>Certyfikat serwera nie jest wystawiony na nazwę %1: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%2)</source>
        <translation>Сертификат сервера выдан не на имя %1: возможно, это не сервер архива компании. Пароль не отправлен. (%2)</translation>
    </message>
    <message>
        <source>Certyfikat serwera nie pochodzi od CA firmy: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</source>
        <translation>Сертификат сервера выдан не ЦС компании: возможно, это не сервер архива компании. Пароль не отправлен. (%1)</translation>
    </message>
    <message>
        <source>Serwer nie potwierdził swojej tożsamości wiązaniem kanału (SCRAM): to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</source>
        <translation>Сервер не подтвердил свою подлинность привязкой канала (SCRAM): возможно, это не сервер архива компании. Пароль не отправлен. (%1)</translation>
    </message>
    <message>
        <source>Synchronizacja przerwana.</source>
        <translation>Синхронизация прервана.</translation>
    </message>
    <message>
        <source>Archiwum nie zna loginu %1 jako technika: administrator dodaje go poleceniem scripts/archive-server add-technician. Nic nie wysłano.</source>
        <translation>Архив не знает логин %1 как техника: администратор добавляет его командой scripts/archive-server add-technician. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Archiwum na serwerze zostało odtworzone z kopii lub zastąpione: wysłano ponownie %1 rekordów, których w nim brakowało, i pobrano to, czego brakowało tutaj.</source>
        <translation>Архив на сервере восстановлен из копии или заменён: повторно отправлено записей, которых в нём не было: %1; получено то, чего не было здесь.</translation>
    </message>
    <message>
        <source>Odrzucono rekordów z archiwum: %1 (zobacz „Odrzucone z archiwum”).</source>
        <translation>Отклонено записей из архива: %1 (см. «Отклонённые из архива»).</translation>
    </message>
    <message>
        <source>Rekordy z archiwum czekające na rekord, do którego się odwołują: %1.</source>
        <translation>Записи из архива, ожидающие запись, на которую они ссылаются: %1.</translation>
    </message>
    <message>
        <source>Archiwum nie przyjęło: %1.</source>
        <translation>Архив не принял: %1.</translation>
    </message>
    <message>
        <source>Archiwum nie ma tego rekordu.</source>
        <translation>В архиве нет этой записи.</translation>
    </message>
    <message>
        <source>Nie przywrócono rekordu %1: %2</source>
        <translation>Запись %1 не восстановлена: %2</translation>
    </message>
    <message>
        <source>Przywrócono z archiwum: %1.</source>
        <translation>Восстановлено из архива: %1.</translation>
    </message>
    <message>
        <source>Pobieranie przerwane; nic nie zapisano.</source>
        <translation>Загрузка прервана; ничего не сохранено.</translation>
    </message>
    <message>
        <source>Pobrano z archiwum: %1 B.</source>
        <translation>Загружено из архива: %1 Б.</translation>
    </message>
    <message>
        <source>Rekord z archiwum odrzucony: %1</source>
        <translation>Запись архива отклонена: %1</translation>
    </message>
    <message>
        <source>Nowe w katalogu archiwum, bez danych na tym komputerze: %1 (otwórz je w „Rekordy w archiwum”).</source>
        <translation>Новые в каталоге архива, без данных на этом компьютере: %1 (откройте их в «Записи в архиве»).</translation>
    </message>
</context>
<context>
    <name>CTM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Модуль объявлен</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активен / неактивен</translation>
    </message>
    <message>
        <source>Wejście alarmu zewnętrznego (CSP)</source>
        <translation>Вход внешней тревоги (CSP)</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał alarmu zewnętrznego</source>
        <translation>Сигнал внешней тревоги активен / неактивен</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA - kontrola ciągłości</source>
        <translation>Реле тревоги PKA - контроль целостности</translation>
    </message>
    <message>
        <source>Aktywna / nieaktywna kontrola ciągłości toru wyjściowego PKA</source>
        <translation>Контроль целостности выходной цепи PKA активен / неактивен</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu - czas Top</source>
        <translation>Реле тревоги - время Top</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania przekaźnika alarmu</source>
        <translation>Задержка включения реле тревоги</translation>
    </message>
    <message>
        <source>Automatyka pogodowa</source>
        <translation>Погодная автоматика</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał z czujnika deszczu/wiatru</source>
        <translation>Сигнал датчика дождя/ветра активен / неактивен</translation>
    </message>
    <message>
        <source>Zasilanie LNM nr %1 - PSV nr </source>
        <translation>Питание LNM № %1 - PSV № </translation>
    </message>
    <message>
        <source>Zasilanie modułu LNM-60 nr %1 z modułu PSV-60 nr</source>
        <translation>Питание модуля LNM-60 № %1 от модуля PSV-60 №</translation>
    </message>
    <message>
        <source>Sygnalizowanie stanów na BZ7x</source>
        <translation>Индикация состояний на BZ7x</translation>
    </message>
    <message>
        <source>TAK- Sygnalizowanie optyczne stanu wszystkich modułów (stan całej centrali)
NIE- Sygnalizowanie optyczne stanu tylko modułu LNM nr 1</source>
        <translation>ДА- Световая индикация состояния всех модулей (состояние всего прибора)
НЕТ- Световая индикация состояния только модуля LNM № 1</translation>
    </message>
    <message>
        <source>Blokowanie odłączenia baterii w alarmie</source>
        <translation>Блокировка отключения аккумулятора при тревоге</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do LNM %1</source>
        <translation>Проветривание – кнопки с LNM1 на LNM %1</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach LNM nr %1</source>
        <translation>Использование кнопок проветривания ОТКРЫТЬ/ЗАКРЫТЬ 
подключённых к модулю LNM № 1, для управления проветриванием
 в модулях LNM № %1</translation>
    </message>
    <message>
        <source>Scenariusz</source>
        <translation>Сценарий</translation>
    </message>
    <message>
        <source>Scenariusz dedykowany dla obiektu</source>
        <translation>Сценарий для конкретного объекта</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do RLH %1 PK%2</source>
        <translation>Проветривание – кнопки с LNM1 на RLH %1 PK%2</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach RLH nr %1 PK nr %2</source>
        <translation>Использование кнопок проветривания ОТКРЫТЬ/ЗАКРЫТЬ 
подключённых к модулю LNM № 1, для управления проветриванием
 в модулях RLH № %1 PK № %2</translation>
    </message>
    <message>
        <source>CTM</source>
        <translation>CTM</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Главный модуль управления</translation>
    </message>
    <message>
        <source>LNM nr 1 – brak łączności </source>
        <translation>LNM № 1 – нет связи </translation>
    </message>
    <message>
        <source>LNM nr 2 – brak łączności </source>
        <translation>LNM № 2 – нет связи </translation>
    </message>
    <message>
        <source>LNM nr 3 – brak łączności </source>
        <translation>LNM № 3 – нет связи </translation>
    </message>
    <message>
        <source>LNM nr 4 – brak łączności </source>
        <translation>LNM № 4 – нет связи </translation>
    </message>
    <message>
        <source>LNM nr 5 – brak łączności </source>
        <translation>LNM № 5 – нет связи </translation>
    </message>
    <message>
        <source>LNM nr 6 – brak łączności </source>
        <translation>LNM № 6 – нет связи </translation>
    </message>
    <message>
        <source>LNM nr 7 – brak łączności </source>
        <translation>LNM № 7 – нет связи </translation>
    </message>
    <message>
        <source>LNM nr 8 – brak łączności </source>
        <translation>LNM № 8 – нет связи </translation>
    </message>
    <message>
        <source>RLH nr 1 – brak łączności </source>
        <translation>RLH № 1 – нет связи </translation>
    </message>
    <message>
        <source>RLH nr 2 – brak łączności </source>
        <translation>RLH № 2 – нет связи </translation>
    </message>
    <message>
        <source>RLH nr 3 – brak łączności </source>
        <translation>RLH № 3 – нет связи </translation>
    </message>
    <message>
        <source>RLH nr 4 – brak łączności </source>
        <translation>RLH № 4 – нет связи </translation>
    </message>
    <message>
        <source>PSV nr 1 – brak łączności </source>
        <translation>PSV № 1 – нет связи </translation>
    </message>
    <message>
        <source>PSV nr 2 – brak łączności </source>
        <translation>PSV № 2 – нет связи </translation>
    </message>
    <message>
        <source>PSV nr 3 – brak łączności </source>
        <translation>PSV № 3 – нет связи </translation>
    </message>
    <message>
        <source>PSV nr 4 – brak łączności </source>
        <translation>PSV № 4 – нет связи </translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – zwarcie</source>
        <translation>Линия внешней тревоги – КЗ</translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – przerwa</source>
        <translation>Линия внешней тревоги – обрыв</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA – brak ciągłości</source>
        <translation>Реле тревоги PKA – нарушение целостности</translation>
    </message>
    <message>
        <source>Czujnik D/W – brak zasilania (bezpiecznik)</source>
        <translation>Датчик Д/В – нет питания (предохранитель)</translation>
    </message>
    <message>
        <source>Kalendarz - Brak synchronizacji zegara </source>
        <translation>Календарь - часы не синхронизированы </translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – ошибка контрольной суммы</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версия ПО</translation>
    </message>
</context>
<context>
    <name>CheckTemplatesDialog</name>
    <message>
        <source>Listy sprawdzeń</source>
        <translation>Списки проверок</translation>
    </message>
    <message>
        <source>Część listy:</source>
        <translation>Часть списка:</translation>
    </message>
    <message>
        <source>Nowe przeglądy dostają wiersze, które nie są wycofane, w tej kolejności. Przeglądy już rozpoczęte zachowują swoje wiersze.</source>
        <translation>Новые визиты получают неотозванные строки в этом порядке. Уже начатые визиты сохраняют свои строки.</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Добавить строку</translation>
    </message>
    <message>
        <source>W górę</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>W dół</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Sprawdzenie</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Sposób</source>
        <translation>Метод</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Требование</translation>
    </message>
    <message>
        <source>Wycofany</source>
        <translation>Отозвана</translation>
    </message>
</context>
<context>
    <name>Checklist</name>
    <message>
        <source>Przełączenie zasilania sieć / akumulator</source>
        <translation>Переключение питания сеть / аккумулятор</translation>
    </message>
    <message>
        <source>Odłączyć zasilanie 230 V, obserwować pracę z akumulatora i powrót zasilania sieciowego</source>
        <translation>Отключить питание 230 V, наблюдать работу от аккумулятора и восстановление сетевого питания</translation>
    </message>
    <message>
        <source>praca bez przerwy, zgłoszenie braku 230 V</source>
        <translation>работа без перерыва, извещение об отсутствии 230 V</translation>
    </message>
    <message>
        <source>Ładowarka akumulatorów</source>
        <translation>Зарядное устройство аккумуляторов</translation>
    </message>
    <message>
        <source>Pomiar napięcia ładowania na zaciskach akumulatora</source>
        <translation>Измерение напряжения заряда на клеммах аккумулятора</translation>
    </message>
    <message>
        <source>27,3 V ± 0,3 V</source>
        <translation>27,3 V ± 0,3 V</translation>
    </message>
    <message>
        <source>Uszkodzenie przy odłączeniu akumulatora</source>
        <translation>Неисправность при отключении аккумулятора</translation>
    </message>
    <message>
        <source>Odłączyć akumulator, odczytać uszkodzenia</source>
        <translation>Отключить аккумулятор, считать неисправности</translation>
    </message>
    <message>
        <source>zgłoszony brak akumulatora</source>
        <translation>выдано извещение об отсутствии аккумулятора</translation>
    </message>
    <message>
        <source>Nadzór linii</source>
        <translation>Контроль линий</translation>
    </message>
    <message>
        <source>Odczyt stanu linii w podglądzie na żywo</source>
        <translation>Чтение состояния линий в режиме просмотра в реальном времени</translation>
    </message>
    <message>
        <source>stan dozorowania</source>
        <translation>дежурный режим</translation>
    </message>
    <message>
        <source>Wykrycie przerwy linii</source>
        <translation>Обнаружение обрыва линии</translation>
    </message>
    <message>
        <source>Rozłączyć linię na końcu, odczytać uszkodzenia</source>
        <translation>Отсоединить линию на конце, считать неисправности</translation>
    </message>
    <message>
        <source>zgłoszona przerwa</source>
        <translation>выдано извещение об обрыве</translation>
    </message>
    <message>
        <source>Wykrycie zwarcia linii</source>
        <translation>Обнаружение КЗ линии</translation>
    </message>
    <message>
        <source>Zewrzeć linię, odczytać uszkodzenia</source>
        <translation>Замкнуть линию накоротко, считать неисправности</translation>
    </message>
    <message>
        <source>zgłoszone zwarcie</source>
        <translation>выдано извещение о КЗ</translation>
    </message>
    <message>
        <source>Wyjścia przekaźnikowe</source>
        <translation>Релейные выходы</translation>
    </message>
    <message>
        <source>Wysterować każde wyjście, sprawdzić przełączenie styków</source>
        <translation>Активировать каждый выход, проверить переключение контактов</translation>
    </message>
    <message>
        <source>przełączenie styków, ciągłość obwodu</source>
        <translation>переключение контактов, целостность цепи</translation>
    </message>
    <message>
        <source>Blokada wyzwolenia</source>
        <translation>Блокировка пуска</translation>
    </message>
    <message>
        <source>Przed testem włączyć blokadę wyzwolenia gaszenia</source>
        <translation>Перед проверкой включить блокировку пуска тушения</translation>
    </message>
    <message>
        <source>blokada włączona i sygnalizowana</source>
        <translation>блокировка включена и индицируется</translation>
    </message>
    <message>
        <source>Obwody wyzwalające</source>
        <translation>Цепи пуска</translation>
    </message>
    <message>
        <source>Test przy wyłączonym wyzwalaniu: ciągłość i zwarcie obwodu</source>
        <translation>Проверка при отключённом пуске: целостность цепи и КЗ</translation>
    </message>
    <message>
        <source>brak przerwy i zwarcia, bez wyzwolenia</source>
        <translation>нет обрыва и КЗ, пуска нет</translation>
    </message>
    <message>
        <source>Stan wizualny centrali i obudowy</source>
        <translation>Внешнее состояние прибора и корпуса</translation>
    </message>
    <message>
        <source>Oględziny: uszkodzenia, zabrudzenia, mocowanie, zamknięcie</source>
        <translation>Осмотр: повреждения, загрязнения, крепление, закрытие</translation>
    </message>
    <message>
        <source>bez uszkodzeń</source>
        <translation>без повреждений</translation>
    </message>
    <message>
        <source>Bezpieczniki</source>
        <translation>Предохранители</translation>
    </message>
    <message>
        <source>Sprawdzenie wartości i stanu bezpieczników</source>
        <translation>Проверка номиналов и состояния предохранителей</translation>
    </message>
    <message>
        <source>zgodne z dokumentacją</source>
        <translation>соответствуют документации</translation>
    </message>
    <message>
        <source>Obwód zasilania sieciowego</source>
        <translation>Цепь сетевого питания</translation>
    </message>
    <message>
        <source>Wydzielony obwód, oznaczenie, zabezpieczenie</source>
        <translation>Отдельная цепь, маркировка, защита</translation>
    </message>
    <message>
        <source>zgodny z projektem</source>
        <translation>соответствует проекту</translation>
    </message>
    <message>
        <source>Sygnalizacja do centrali SSP / monitoringu</source>
        <translation>Передача сигналов на ППКП / мониторинг</translation>
    </message>
    <message>
        <source>Wywołanie alarmu i uszkodzenia, potwierdzenie odbioru</source>
        <translation>Вызов тревоги и неисправности, подтверждение приёма</translation>
    </message>
    <message>
        <source>sygnały odebrane</source>
        <translation>сигналы приняты</translation>
    </message>
    <message>
        <source>Książka eksploatacji</source>
        <translation>Журнал эксплуатации</translation>
    </message>
    <message>
        <source>Wpisy od poprzedniego przeglądu</source>
        <translation>Записи с предыдущего визита</translation>
    </message>
    <message>
        <source>prowadzona</source>
        <translation>ведётся</translation>
    </message>
    <message>
        <source>Instrukcja obsługi na miejscu</source>
        <translation>Инструкция по эксплуатации на месте</translation>
    </message>
    <message>
        <source>Obecność i aktualność instrukcji przy centrali</source>
        <translation>Наличие и актуальность инструкции у прибора</translation>
    </message>
    <message>
        <source>dostępna</source>
        <translation>имеется</translation>
    </message>
    <message>
        <source>Czujki</source>
        <translation>Извещатели</translation>
    </message>
    <message>
        <source>Pobudzenie testerem, zadziałanie na centrali</source>
        <translation>Срабатывание от тестера, реакция прибора</translation>
    </message>
    <message>
        <source>alarm na centrali</source>
        <translation>тревога на приборе</translation>
    </message>
    <message>
        <source>Przyciski ROP i przyciski oddymiania</source>
        <translation>Ручные извещатели и кнопки дымоудаления</translation>
    </message>
    <message>
        <source>Uruchomienie kluczem testowym</source>
        <translation>Запуск тестовым ключом</translation>
    </message>
    <message>
        <source>Siłowniki</source>
        <translation>Приводы</translation>
    </message>
    <message>
        <source>Pełny cykl otwarcia i zamknięcia</source>
        <translation>Полный цикл открытия и закрытия</translation>
    </message>
    <message>
        <source>ruch bez zacięć</source>
        <translation>движение без заеданий</translation>
    </message>
    <message>
        <source>Klapy i okna oddymiające</source>
        <translation>Клапаны и окна дымоудаления</translation>
    </message>
    <message>
        <source>Otwarcie z centrali, kontrola krańcówek</source>
        <translation>Открытие с прибора, проверка концевых выключателей</translation>
    </message>
    <message>
        <source>otwarcie pełne</source>
        <translation>полное открытие</translation>
    </message>
    <message>
        <source>Sygnalizatory</source>
        <translation>Оповещатели</translation>
    </message>
    <message>
        <source>Wysterowanie z centrali</source>
        <translation>Управление с прибора</translation>
    </message>
    <message>
        <source>sygnał słyszalny</source>
        <translation>сигнал слышен</translation>
    </message>
    <message>
        <source>Urządzenia wyzwalające i pojemniki</source>
        <translation>Пусковые устройства и баллоны</translation>
    </message>
    <message>
        <source>Oględziny, ciśnienie, masa, zabezpieczenia</source>
        <translation>Осмотр, давление, масса, предохранители</translation>
    </message>
    <message>
        <source>zgodne z kartą urządzenia</source>
        <translation>соответствуют паспорту устройства</translation>
    </message>
    <message>
        <source>Sprawdzenia ogólne</source>
        <translation>Общие проверки</translation>
    </message>
    <message>
        <source>Moduły zasilania</source>
        <translation>Модули питания</translation>
    </message>
    <message>
        <source>Moduły liniowe</source>
        <translation>Линейные модули</translation>
    </message>
    <message>
        <source>Moduły przekaźników</source>
        <translation>Модули реле</translation>
    </message>
    <message>
        <source>Moduły sterowania gaszeniem</source>
        <translation>Модули управления пожаротушением</translation>
    </message>
    <message>
        <source>Urządzenia w obiekcie</source>
        <translation>Устройства на объекте</translation>
    </message>
</context>
<context>
    <name>CloseWarnings</name>
    <message>
        <source>Sprawdzenia bez wyniku: %1. W protokole będą opisane jako „nie sprawdzono”.</source>
        <translation>Проверок без результата: %1. В акте они будут указаны как «не проверено».</translation>
    </message>
    <message>
        <source>Ocena „sprawna”, a przy odjeździe centrala zgłasza uszkodzenia: %1.</source>
        <translation>Оценка «работоспособен», но при отъезде прибор сообщает о неисправностях: %1.</translation>
    </message>
    <message>
        <source>Akumulator %1: termin wymiany %2 minął, a akumulatora nie wymieniono.</source>
        <translation>Аккумулятор %1: срок замены %2 прошёл, а аккумулятор не заменён.</translation>
    </message>
    <message>
        <source>Akumulator %1: termin wymiany %2 przypada w ciągu 90 dni, a akumulatora nie wymieniono.</source>
        <translation>Аккумулятор %1: срок замены %2 наступает в течение 90 дней, а аккумулятор не заменён.</translation>
    </message>
</context>
<context>
    <name>ConfigDiffModel</name>
    <message>
        <source>cały moduł, tylko po lewej</source>
        <translation>весь модуль, только слева</translation>
    </message>
    <message>
        <source>cały moduł, tylko po prawej</source>
        <translation>весь модуль, только справа</translation>
    </message>
    <message>
        <source>(brak modułu)</source>
        <translation>(нет модуля)</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Ustawienie</source>
        <translation>Параметр</translation>
    </message>
</context>
<context>
    <name>ConfigEditor</name>
    <message>
        <source>Frame</source>
        <translation>Рамка</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Filtruj</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Pokaż tylko zadeklarowane moduły na liście konfiguracyjnej</source>
        <translation>Показывать в списке конфигурации только объявленные модули</translation>
    </message>
    <message>
        <source>Pokaż niezadeklarowane</source>
        <translation>Показать необъявленные</translation>
    </message>
    <message>
        <source>Rozwiń</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>ZAPISZ</source>
        <translation>СОХРАНИТЬ</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została zmieniona. Czy zapisać zmiany?</source>
        <translation>Конфигурация %1 изменена. Сохранить изменения?</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:red&quot;&gt;&lt;i&gt;Czerwony napis&lt;/i&gt;&lt;/span&gt;: wartość inna niż w porównywanej konfiguracji (albo moduł, którego tam nie ma). &lt;span style=&quot;background-color:yellow&quot;&gt;&lt;i&gt;Żółte tło&lt;/i&gt;&lt;/span&gt;: wartość zmieniona i jeszcze niezapisana.</source>
        <translation>&lt;span style=&quot;color:red&quot;&gt;&lt;i&gt;Красный текст&lt;/i&gt;&lt;/span&gt;: значение отличается от сравниваемой конфигурации (или модуль, которого там нет). &lt;span style=&quot;background-color:yellow&quot;&gt;&lt;i&gt;Жёлтый фон&lt;/i&gt;&lt;/span&gt;: значение изменено и ещё не сохранено.</translation>
    </message>
    <message>
        <source>Wczytaj ponownie</source>
        <translation>Загрузить заново</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Сравнить</translation>
    </message>
</context>
<context>
    <name>ConfigManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Считать</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Считать с устройства</translation>
    </message>
    <message>
        <source>Wyślij</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Wyślij do urządzenia</source>
        <translation>Отправить в устройство</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Dodaj nową konfigrację</source>
        <comment>Add new config</comment>
        <translation>Добавить новую конфигурацию</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>Zapisz do pdf</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>Wczytaj z pliku</source>
        <translation>Загрузить из файла</translation>
    </message>
    <message>
        <source>Zapisz do pliku</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Конфигуратор Ostrel</translation>
    </message>
    <message>
        <source>Błąd przy odczycie konfiguracji</source>
        <comment>Configuration error</comment>
        <translation>Ошибка чтения конфигурации</translation>
    </message>
    <message>
        <source>Nazwa Konfiguracji</source>
        <translation>Имя конфигурации</translation>
    </message>
    <message>
        <source>Wprowadź nazwę:</source>
        <translation>Введите имя:</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1 w bazie danych.</source>
        <translation>Не удалось сохранить конфигурацию %1 в базе данных.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Данные успешно отправлены.</translation>
    </message>
    <message>
        <source>Czy wysłać konfigurację %1 do urządzenia?</source>
        <translation>Отправить конфигурацию %1 в устройство?</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Konfiguracja została zapisana.</source>
        <translation>Конфигурация сохранена.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1.</source>
        <translation>Не удалось сохранить конфигурацию %1.</translation>
    </message>
    <message>
        <source>Stwórz nową konfigurację</source>
        <translation>Создать новую конфигурацию</translation>
    </message>
    <message>
        <source>Wprowadź nową nazwę:</source>
        <translation>Введите новое имя:</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż jedną konfigurację.Zaznacz jedną konfigurację, aby zmienić nazwę.</source>
        <translation>Выбрано несколько конфигураций. Выберите одну конфигурацию, чтобы её переименовать.</translation>
    </message>
    <message>
        <source>Zmiana nazwy.</source>
        <translation>Переименование.</translation>
    </message>
    <message>
        <source>Zmieniono nazwe konfiguracji %1</source>
        <translation>Конфигурация переименована: %1</translation>
    </message>
    <message>
        <source>Czy usunąć konfigurację %1</source>
        <translation>Удалить конфигурацию %1</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Да</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji</source>
        <translation>Удаление конфигурации</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji o nazwie: %1</source>
        <translation>Удаление конфигурации с именем: %1</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż 1 konfigurację na liście.
 Zaznacz jedną konfigurację, aby ją wyeksportować.</source>
        <translation>В списке выбрано несколько конфигураций.
 Выберите одну конфигурацию, чтобы её экспортировать.</translation>
    </message>
    <message>
        <source>Eksport config</source>
        <translation>Экспорт конфигурации</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>Не удалось сохранить файл %1.</translation>
    </message>
    <message>
        <source>Import conf</source>
        <translation>Импорт конфигурации</translation>
    </message>
    <message>
        <source>Plik %1 nie zawiera poprawnej konfiguracji.</source>
        <translation>Файл %1 не содержит допустимой конфигурации.</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Экспорт PDF</translation>
    </message>
    <message>
        <source>urządzenia</source>
        <translation>устройства</translation>
    </message>
    <message>
        <source>Urządzenie</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Porównaj otwartą konfigurację z inną</source>
        <translation>Сравнить открытую конфигурацию с другой</translation>
    </message>
    <message>
        <source>z zapisaną konfiguracją…</source>
        <translation>с сохранённой конфигурацией…</translation>
    </message>
    <message>
        <source>z plikiem .cfg…</source>
        <translation>с файлом .cfg…</translation>
    </message>
    <message>
        <source>z konfiguracją urządzenia</source>
        <translation>с конфигурацией устройства</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zawiera żadnego modułu.</source>
        <translation>Конфигурация %1 не содержит ни одного модуля.</translation>
    </message>
    <message>
        <source>Konfiguracji %1 nie da się odczytać: jej dane są uszkodzone.</source>
        <translation>Конфигурацию %1 невозможно прочитать: её данные повреждены.</translation>
    </message>
    <message>
        <source>Otwórz konfigurację, którą chcesz porównać.</source>
        <translation>Откройте конфигурацию, которую нужно сравнить.</translation>
    </message>
    <message>
        <source>Nie ma innej zapisanej konfiguracji.</source>
        <translation>Другой сохранённой конфигурации нет.</translation>
    </message>
    <message>
        <source>Porównaj %1 z konfiguracją:</source>
        <translation>Сравнить %1 с конфигурацией:</translation>
    </message>
    <message>
        <source>Porównaj z plikiem</source>
        <translation>Сравнить с файлом</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem.</source>
        <translation>Нет подключения к устройству.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji</source>
        <translation>чтение конфигурации</translation>
    </message>
    <message>
        <source>Poprzednie polecenie dla urządzenia jeszcze trwa.</source>
        <translation>Предыдущая команда для устройства ещё выполняется.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji do porównania</source>
        <translation>чтение конфигурации для сравнения</translation>
    </message>
    <message>
        <source>Konfiguracja %1 ma niezapisane zmiany.

„Tak” zapisuje je i drukuje zapisaną konfigurację, „Nie” drukuje to, co widać w edytorze, bez zapisywania.</source>
        <translation>В конфигурации %1 есть несохранённые изменения.

«Да» сохраняет их и печатает сохранённую конфигурацию, «Нет» печатает то, что видно в редакторе, без сохранения.</translation>
    </message>
    <message>
        <source>Konfigurację %1 zapisano w pliku %2.</source>
        <translation>Конфигурация %1 сохранена в файле %2.</translation>
    </message>
    <message>
        <source>ta stacja</source>
        <translation>этот компьютер</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została w międzyczasie zmieniona przez synchronizację z archiwum, więc zmian nie zapisano na niej: zapisano je obok jako %2, konflikt do rozstrzygnięcia (Porównaj).</source>
        <translation>Конфигурация %1 тем временем изменена синхронизацией с архивом, поэтому изменения не записаны поверх неё: они записаны рядом как %2 — конфликт, который нужно разрешить (Сравнить).</translation>
    </message>
    <message>
        <source>Synchronizacja z archiwum przyniosła nowszą wersję konfiguracji %1. Edytor pokazuje wersję otwartą wcześniej; jej zapis trafi obok jako konflikt.</source>
        <translation>Синхронизация с архивом принесла более новую версию конфигурации %1. Редактор показывает версию, открытую ранее; её запись будет сохранена рядом как конфликт.</translation>
    </message>
    <message>
        <source>Konfiguracja %1 ma niezapisane zmiany. Zapisać je obok jako konflikt przed wczytaniem nowszej wersji?</source>
        <translation>В конфигурации %1 есть несохранённые изменения. Сохранить их рядом как конфликт перед загрузкой более новой версии?</translation>
    </message>
    <message>
        <source>%1 (wersja z archiwum)</source>
        <translation>%1 (версия из архива)</translation>
    </message>
</context>
<context>
    <name>ConfigReviewDialog</name>
    <message>
        <source>Porównanie konfiguracji</source>
        <translation>Сравнение конфигураций</translation>
    </message>
    <message>
        <source>Pokaż:</source>
        <translation>Показать:</translation>
    </message>
    <message>
        <source>tylko różnice</source>
        <translation>только различия</translation>
    </message>
    <message>
        <source>wszystkie</source>
        <translation>все</translation>
    </message>
    <message>
        <source>UWAGA: zestaw modułów się różni (tylko po lewej: %1, tylko po prawej: %2). Ta konfiguracja może należeć do innej centrali.</source>
        <translation>ВНИМАНИЕ: наборы модулей различаются (только слева: %1, только справа: %2). Эта конфигурация может относиться к другому прибору.</translation>
    </message>
    <message>
        <source>Przegląd przed wysłaniem</source>
        <translation>Просмотр перед отправкой</translation>
    </message>
    <message>
        <source>Wyślij zaznaczone</source>
        <translation>Отправить отмеченные</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Moduły: %1 po lewej, %2 po prawej. Tylko po lewej: %3, tylko po prawej: %4. Zmienione ustawienia: %5, bez zmian: %6.</source>
        <translation>Модули: %1 слева, %2 справа. Только слева: %3, только справа: %4. Изменённые параметры: %5, без изменений: %6.</translation>
    </message>
</context>
<context>
    <name>ConfigSender</name>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Конфигуратор Ostrel</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zostanie wysłana: jej zapisany obraz jest uszkodzony.</source>
        <translation>Конфигурация %1 не будет отправлена: её сохранённый образ повреждён.</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zostanie wysłana: nie zawiera żadnego modułu.</source>
        <translation>Конфигурация %1 не будет отправлена: она не содержит ни одного модуля.</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem.</source>
        <translation>Нет подключения к устройству.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać kopii konfiguracji urządzenia. Nic nie wysłano.</source>
        <translation>Не удалось сохранить копию конфигурации устройства. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Konfiguracji odczytanej z urządzenia nie da się odczytać, więc nie można jej porównać. Nic nie wysłano.</source>
        <translation>Конфигурацию, считанную с устройства, невозможно прочитать, поэтому её нельзя сравнить. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Urządzenie ma już konfigurację %1. Nic nie wysłano.</source>
        <translation>В устройстве уже есть конфигурация %1. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Urządzenie (teraz)</source>
        <translation>Устройство (сейчас)</translation>
    </message>
    <message>
        <source>Do wysłania: %1</source>
        <translation>К отправке: %1</translation>
    </message>
    <message>
        <source>Nie zaznaczono żadnej zmiany. Nic nie wysłano.</source>
        <translation>Не отмечено ни одного изменения. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Zestaw modułów w urządzeniu jest inny niż w konfiguracji %1 (tylko w urządzeniu: %2, tylko w wysyłanej: %3). Ta konfiguracja może należeć do innej centrali.

Czy na pewno wysłać ją do urządzenia?</source>
        <translation>Набор модулей в устройстве отличается от набора в конфигурации %1 (только в устройстве: %2, только в отправляемой: %3). Эта конфигурация может относиться к другому прибору.

Действительно отправить её в устройство?</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem. Nic nie wysłano.</source>
        <translation>Нет подключения к устройству. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Данные успешно отправлены.</translation>
    </message>
    <message>
        <source>Konfiguracja zweryfikowana</source>
        <translation>Конфигурация проверена</translation>
    </message>
    <message>
        <source>… i jeszcze %1</source>
        <translation>… и ещё %1</translation>
    </message>
    <message>
        <source>%1, %2: wysłano %3, urządzenie ma %4</source>
        <translation>%1, %2: отправлено %3, в устройстве %4</translation>
    </message>
    <message>
        <source>%1: urządzenie nie ma tego modułu</source>
        <translation>%1: в устройстве нет этого модуля</translation>
    </message>
    <message>
        <source>%1: moduł, którego nie wysłano</source>
        <translation>%1: модуль, который не отправлялся</translation>
    </message>
    <message>
        <source>Urządzenie potwierdziło odbiór, ale nie przyjęło tych ustawień:</source>
        <translation>Устройство подтвердило приём, но не приняло эти параметры:</translation>
    </message>
    <message>
        <source>Konfiguracji odczytanej po wysłaniu nie da się odczytać.</source>
        <translation>Конфигурацию, считанную после отправки, невозможно прочитать.</translation>
    </message>
    <message>
        <source>Weryfikacja konfiguracji</source>
        <translation>Проверка конфигурации</translation>
    </message>
    <message>
        <source>Poprzednia konfiguracja urządzenia jest zapisana jako %1.</source>
        <translation>Предыдущая конфигурация устройства сохранена как %1.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji przed wysłaniem</source>
        <translation>чтение конфигурации перед отправкой</translation>
    </message>
    <message>
        <source>Nic nie wysłano.</source>
        <translation>Ничего не отправлено.</translation>
    </message>
    <message>
        <source>Urządzenie potwierdziło odbiór, ale konfiguracja nie została zweryfikowana.</source>
        <translation>Устройство подтвердило приём, но конфигурация не проверена.</translation>
    </message>
    <message>
        <source>odczyt kontrolny konfiguracji</source>
        <translation>контрольное чтение конфигурации</translation>
    </message>
    <message>
        <source>wysyłanie konfiguracji</source>
        <translation>отправка конфигурации</translation>
    </message>
    <message>
        <source>Nie wiadomo, czy urządzenie przyjęło konfigurację: odczytaj konfigurację, aby to sprawdzić.</source>
        <translation>Неизвестно, приняло ли устройство конфигурацию: считайте конфигурацию, чтобы это проверить.</translation>
    </message>
    <message>
        <source>Niezapisane zmiany z edytora nie zostały wysłane: użyto zapisanej wersji konfiguracji %1.</source>
        <translation>Несохранённые изменения из редактора не отправлены: использована сохранённая версия конфигурации %1.</translation>
    </message>
</context>
<context>
    <name>DetailsManagement</name>
    <message>
        <source>Debug</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Kalibracja</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>Autokalibracja</source>
        <translation>Автокалибровка</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Instrukcja postępowania:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Wyłącz zasilanie Ostrel.&lt;/li&gt;&lt;li&gt;Odłącz złącze zasilania 24 V od modułu PSB (wejście zasilane z modułu zasilacza sieciowego).&lt;/li&gt;&lt;li&gt;Podłącz zasilacz laboratoryjny równolegle z woltomierzem do wejścia akumulatora i ustaw dokładnie 27.3 V.&lt;/li&gt;&lt;li&gt;Załącz akumulator.&lt;/li&gt;&lt;li&gt;Naciśnij przycisk „Autokalibracja”.&lt;/li&gt;&lt;li&gt;Po krótkim czasie pojawi się okno z informacją o poprawnie wykonanej kalibracji.&lt;/li&gt;&lt;li&gt;Zresetuj mikrokontroler.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Порядок действий:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Отключите питание Ostrel.&lt;/li&gt;&lt;li&gt;Отсоедините разъём питания 24 V от модуля PSB (вход, питаемый от модуля сетевого источника питания).&lt;/li&gt;&lt;li&gt;Подключите лабораторный источник питания параллельно с вольтметром ко входу аккумулятора и установите ровно 27.3 V.&lt;/li&gt;&lt;li&gt;Включите аккумулятор.&lt;/li&gt;&lt;li&gt;Нажмите кнопку «Автокалибровка».&lt;/li&gt;&lt;li&gt;Через короткое время появится окно с сообщением об успешной калибровке.&lt;/li&gt;&lt;li&gt;Перезапустите микроконтроллер.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Tester Ostrel</source>
        <translation>Тестер Ostrel</translation>
    </message>
    <message>
        <source>Testuj</source>
        <translation>Тестировать</translation>
    </message>
    <message>
        <source>Skasuj</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Podgląd na żywo</source>
        <translation>Просмотр в реальном времени</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Brak funkcji</source>
        <translation>Нет функции</translation>
    </message>
    <message>
        <source>Nazwa testu</source>
        <translation>Название теста</translation>
    </message>
    <message>
        <source>Prawidłowy zakres</source>
        <translation>Допустимый диапазон</translation>
    </message>
    <message>
        <source>Wartość bin</source>
        <translation>Значение bin</translation>
    </message>
    <message>
        <source>Wartość str</source>
        <translation>Значение str</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Kalibracja zakończona. Zresetuj mikrokontroler.</source>
        <translation>Калибровка завершена. Перезапустите микроконтроллер.</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Тестер</translation>
    </message>
    <message>
        <source>Nie można wykonać testu ponieważ włączony jest tryb kalibracji</source>
        <translation>Тест невозможен, так как включён режим калибровки</translation>
    </message>
    <message>
        <source>Zakończono testowanie.</source>
        <translation>Тестирование завершено.</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Да</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać autokalibracje Ostrel? Upewnij się czy masz podłączone zasilanie 27.3 V</source>
        <translation>Вы действительно хотите выполнить автокалибровку Ostrel? Убедитесь, что подключено питание 27.3 V</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać test Ostrel? Upewnij się czy masz podłączony akumulator i włączone zasilanie Ostrel.</source>
        <translation>Вы действительно хотите выполнить тест Ostrel? Убедитесь, что аккумулятор подключён и питание Ostrel включено.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>BŁĄD</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Napięcie 230 V przed diodą</source>
        <translation>Напряжение 230 V до диода</translation>
    </message>
    <message>
        <source>Napięcie 230 V za diodą</source>
        <translation>Напряжение 230 V после диода</translation>
    </message>
    <message>
        <source>Napięcie akumulatora</source>
        <translation>Напряжение аккумулятора</translation>
    </message>
    <message>
        <source>Prąd ładowania</source>
        <translation>Ток заряда</translation>
    </message>
    <message>
        <source>Rezystancja akumulatora</source>
        <translation>Сопротивление аккумулятора</translation>
    </message>
    <message>
        <source>Temp. wewnątrz obudowy</source>
        <translation>Темп. внутри корпуса</translation>
    </message>
    <message>
        <source>Dioda idealna</source>
        <translation>Идеальный диод</translation>
    </message>
    <message>
        <source>Klucz akumulatora</source>
        <translation>Ключ аккумулятора</translation>
    </message>
    <message>
        <source>Stan zasilacza Ostrel</source>
        <translation>Состояние ИП Ostrel</translation>
    </message>
    <message>
        <source>Stan ładowania akumulatora</source>
        <translation>Состояние заряда аккумулятора</translation>
    </message>
    <message>
        <source>Offset temperaturowy</source>
        <translation>Смещение температуры</translation>
    </message>
    <message>
        <source>PWM sterowania binarnie</source>
        <translation>ШИМ управления, двоичный</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V przed dioda</source>
        <translation>Смещение напряжения 230 V до диода</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V za dioda</source>
        <translation>Смещение напряжения 230 V после диода</translation>
    </message>
    <message>
        <source>Offset napiecie akumulatora</source>
        <translation>Смещение напряжения аккумулятора</translation>
    </message>
    <message>
        <source>Offset prąd ładowania</source>
        <translation>Смещение тока заряда</translation>
    </message>
    <message>
        <source>Ilość przejść do CC z CV</source>
        <translation>Число переходов из CV в CC</translation>
    </message>
    <message>
        <source>Ilość przeciążeń akumulatora</source>
        <translation>Число перегрузок аккумулятора</translation>
    </message>
    <message>
        <source>Ilość pomiarów rezystancji</source>
        <translation>Число измерений сопротивления</translation>
    </message>
    <message>
        <source>Ilość załączeń diody</source>
        <translation>Число включений диода</translation>
    </message>
    <message>
        <source>Ilość wyłączeń diody</source>
        <translation>Число отключений диода</translation>
    </message>
    <message>
        <source>Ilość wylaczen diody podczas blokowania 2s</source>
        <translation>Число отключений диода во время блокировки 2 s</translation>
    </message>
    <message>
        <source>Ilość prób zalaczen diody po sprawdeniu napiecia sieciowego</source>
        <translation>Число попыток включения диода после проверки сетевого напряжения</translation>
    </message>
    <message>
        <source>Ilość zalaczen diody po sprawdeniu napiecia siecowego</source>
        <translation>Число включений диода после проверки сетевого напряжения</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout R</source>
        <translation>Число тайм-аутов R</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 5h</source>
        <translation>Число тайм-аутов заряда CC 5h</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 48h</source>
        <translation>Число тайм-аутов заряда CC 48h</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CC</source>
        <translation>Число ошибок зарядного устройства в CC</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CV</source>
        <translation>Число ошибок зарядного устройства в CV</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS1</source>
        <translation>Состояние сигнальной линии LS1</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS2</source>
        <translation>Состояние сигнальной линии LS2</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS3</source>
        <translation>Состояние сигнальной линии LS3</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS4</source>
        <translation>Состояние сигнальной линии LS4</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK1</source>
        <translation>Состояние контрольной линии LK1</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK2</source>
        <translation>Состояние контрольной линии LK2</translation>
    </message>
    <message>
        <source>BATTERY AND SUPPLY</source>
        <translation>АККУМУЛЯТОР И СЕТЬ</translation>
    </message>
    <message>
        <source>ONLY BATTERY</source>
        <translation>ТОЛЬКО АККУМУЛЯТОР</translation>
    </message>
    <message>
        <source>ONLY SUPPLY</source>
        <translation>ТОЛЬКО СЕТЬ</translation>
    </message>
    <message>
        <source>CURRENT MODE</source>
        <translation>РЕЖИМ ТОКА</translation>
    </message>
    <message>
        <source>VOLTAGE MODE</source>
        <translation>РЕЖИМ НАПРЯЖЕНИЯ</translation>
    </message>
    <message>
        <source>TEMPERATURE MODE</source>
        <translation>РЕЖИМ ТЕМПЕРАТУРЫ</translation>
    </message>
    <message>
        <source>WYSTEROWANIE</source>
        <translation>АКТИВАЦИЯ</translation>
    </message>
    <message>
        <source>ZWARCIE</source>
        <translation>КЗ</translation>
    </message>
    <message>
        <source>PRZECIĄŻENIE</source>
        <translation>ПЕРЕГРУЗКА</translation>
    </message>
    <message>
        <source>PRZERWA</source>
        <translation>ОБРЫВ</translation>
    </message>
    <message>
        <source>DOZÓR</source>
        <translation>ДЕЖУРНЫЙ</translation>
    </message>
    <message>
        <source>NIEAKTYWNA</source>
        <translation>НЕАКТИВНА</translation>
    </message>
    <message>
        <source>Test RAM</source>
        <translation>Тест RAM</translation>
    </message>
    <message>
        <source>Test FLASH</source>
        <translation>Тест FLASH</translation>
    </message>
    <message>
        <source>Test czujnika prądu bez obciążenia</source>
        <translation>Тест датчика тока без нагрузки</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - rezystnacja</source>
        <translation>Тест измерения сопротивления - сопротивление</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora bez obciążenia</source>
        <translation>Тест измерения сопротивления - U аккумулятора без нагрузки</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora z obciążeniem</source>
        <translation>Тест измерения сопротивления - U аккумулятора под нагрузкой</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - I akumulatora z obciążeniem</source>
        <translation>Тест измерения сопротивления - I аккумулятора под нагрузкой</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie minimalne</source>
        <translation>Тест ИП - минимальное напряжение</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie maksymalne</source>
        <translation>Тест ИП - максимальное напряжение</translation>
    </message>
    <message>
        <source>Sprawny/Uszkodzony</source>
        <translation>Исправен/Неисправен</translation>
    </message>
    <message>
        <source>od 0.1 do -0.1 A</source>
        <translation>от 0.1 до -0.1 A</translation>
    </message>
    <message>
        <source>&lt; 0.300 ohm</source>
        <translation>&lt; 0.300 ohm</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>od 2.9 do 3.9 A</source>
        <translation>от 2.9 до 3.9 A</translation>
    </message>
    <message>
        <source>&lt; 20 V</source>
        <translation>&lt; 20 V</translation>
    </message>
    <message>
        <source>&gt; 30 V</source>
        <translation>&gt; 30 V</translation>
    </message>
    <message>
        <source>STAN Y</source>
        <translation>СОСТОЯНИЕ Y</translation>
    </message>
    <message>
        <source>STAN X</source>
        <translation>СОСТОЯНИЕ X</translation>
    </message>
    <message>
        <source>STAN DOZOROWANIA</source>
        <translation>ДЕЖУРНЫЙ РЕЖИМ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>Brak sondy</source>
        <translation>Нет датчика</translation>
    </message>
    <message>
        <source>NIEDOTYCZY</source>
        <translation>НЕ ПРИМЕНИМО</translation>
    </message>
    <message>
        <source>0 - max. napiecie, 4095 - min. napięcie wyjściowe przetwornicy</source>
        <translation>0 - макс. напряжение, 4095 - мин. выходное напряжение преобразователя</translation>
    </message>
    <message>
        <source>Wartość zeruje sie po resecie</source>
        <translation>Значение обнуляется после сброса</translation>
    </message>
    <message>
        <source>Wartość zeruje się po resecie</source>
        <translation>Значение обнуляется после сброса</translation>
    </message>
    <message>
        <source>brak danych</source>
        <translation>нет данных</translation>
    </message>
    <message>
        <source>Wartości poniżej nie są aktualne: port jest zamknięty albo centrala nie przysłała nowych przez dwa okresy odpytywania</source>
        <translation>Значения ниже неактуальны: порт закрыт или прибор не присылал новых в течение двух периодов опроса</translation>
    </message>
</context>
<context>
    <name>EnumList</name>
    <message>
        <source>Brak – wyjście nieaktywne</source>
        <translation>Нет – выход неактивен</translation>
    </message>
    <message>
        <source>Alarm - ogólny Halvo</source>
        <translation>Тревога - общая Halvo</translation>
    </message>
    <message>
        <source>Alarm - wejście zewnętrzne</source>
        <translation>Тревога - внешний вход</translation>
    </message>
    <message>
        <source>Alarm - system Tarven A/B</source>
        <translation>Тревога - система Tarven A/B</translation>
    </message>
    <message>
        <source>Alarm - suma stref LNM</source>
        <translation>Тревога - сумма зон LNM</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref LNM</source>
        <translation>Тревога - произведение зон LNM</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + suma stref LNMn</source>
        <translation>Тревога – внешний вход + сумма зон LNMn</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + iloczyn stref LNMn</source>
        <translation>Тревога – внешний вход + произведение зон LNMn</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + suma stref LNMn</source>
        <translation>Тревога – Tarven A/B + сумма зон LNMn</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + iloczyn stref LNMn</source>
        <translation>Тревога – Tarven A/B + произведение зон LNMn</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + własny</source>
        <translation>Тревога – внешний вход + собственная</translation>
    </message>
    <message>
        <source>Alarm – system Tarven A/B + własny</source>
        <translation>Тревога – система Tarven A/B + собственная</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref + wlasny</source>
        <translation>Тревога - произведение зон + собственная</translation>
    </message>
    <message>
        <source>Zarezerwowane</source>
        <translation>Зарезервировано</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>NIE</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>Alarm - ogólny</source>
        <translation>Тревога - общая</translation>
    </message>
    <message>
        <source>Alarm - LDK</source>
        <translation>Тревога - LDK</translation>
    </message>
    <message>
        <source>Alarm - BZ7x</source>
        <translation>Тревога - BZ7x</translation>
    </message>
    <message>
        <source>Osiągnięta pozycja pożarowa (FIRE SAFE)</source>
        <translation>Достигнуто пожарное положение (FIRE SAFE)</translation>
    </message>
    <message>
        <source>Nieaktywna</source>
        <translation>Неактивна</translation>
    </message>
    <message>
        <source>Kontrola zadziałania PK</source>
        <translation>Контроль срабатывания PK</translation>
    </message>
    <message>
        <source>Wejście potwierdzenia zewnętrznego</source>
        <translation>Вход внешнего подтверждения</translation>
    </message>
    <message>
        <source>Wejście kasowania zewnętrznego</source>
        <translation>Вход внешнего сброса</translation>
    </message>
    <message>
        <source>Blokowanie wyjść</source>
        <translation>Блокировка выходов</translation>
    </message>
    <message>
        <source>Blokowanie warunkowe wyjscia LNM</source>
        <translation>Условная блокировка выхода LNM</translation>
    </message>
    <message>
        <source>Zamrożenie stanu</source>
        <translation>Фиксация состояния</translation>
    </message>
    <message>
        <source>Wyjście nieaktywne</source>
        <translation>Выход неактивен</translation>
    </message>
    <message>
        <source>Załączenie na stałe</source>
        <translation>Постоянное включение</translation>
    </message>
    <message>
        <source>Załączenie czasowe</source>
        <translation>Включение на время</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-cykliczne</source>
        <translation>Импульсно-циклическое включение</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-ilościowe</source>
        <translation>Импульсно-счётное включение</translation>
    </message>
    <message>
        <source>0-nieaktywny</source>
        <translation>0-неактивен</translation>
    </message>
    <message>
        <source>1-załączenie na stałe</source>
        <translation>1-постоянное включение</translation>
    </message>
    <message>
        <source>2-załączenie czasowe</source>
        <translation>2-включение на время</translation>
    </message>
    <message>
        <source>3-załączenie impulsowo-cykliczne</source>
        <translation>3-импульсно-циклическое включение</translation>
    </message>
    <message>
        <source>4-załączenie impulsowo-ilościowe</source>
        <translation>4-импульсно-счётное включение</translation>
    </message>
    <message>
        <source>5-klapy Gryfit czas T2 – wysterowanie w dozorowaniu</source>
        <translation>5-клапаны Gryfit время T2 – активация в дежурном режиме</translation>
    </message>
    <message>
        <source>0-nieaktywne</source>
        <translation>0-неактивно</translation>
    </message>
    <message>
        <source>1-siłownik dwukierunkowy</source>
        <translation>1-реверсивный привод</translation>
    </message>
    <message>
        <source>2-siłownik ze sprężyną powrotną</source>
        <translation>2-привод с возвратной пружиной</translation>
    </message>
    <message>
        <source>3-przerwa napięciowa lub impuls prądowy</source>
        <translation>3-снятие напряжения или импульс тока</translation>
    </message>
    <message>
        <source>Aktywne przewietrzanie</source>
        <translation>Проветривание активно</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Контрольная линия LK1 (от состояния X в двухпозиционном режиме или от состояния Y или X в трёхпозиционном режиме)</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Контрольная линия LK2 (от состояния X в двухпозиционном режиме или от состояния Y или X в трёхпозиционном режиме)</translation>
    </message>
    <message>
        <source>System Tarven B</source>
        <translation>Система Tarven B</translation>
    </message>
    <message>
        <source>Wejście nieaktywne</source>
        <translation>Вход неактивен</translation>
    </message>
    <message>
        <source>Tryb 2-stanowy</source>
        <translation>2-позиционный режим</translation>
    </message>
    <message>
        <source>Tryb 3-stanowy</source>
        <translation>3-позиционный режим</translation>
    </message>
    <message>
        <source>Brak – wejście nieaktywne</source>
        <translation>Нет – вход неактивен</translation>
    </message>
    <message>
        <source>Port nieaktywny</source>
        <translation>Порт неактивен</translation>
    </message>
    <message>
        <source>Protokół Modbus</source>
        <translation>Протокол Modbus</translation>
    </message>
    <message>
        <source>Komunikacja z Ostrel nr. 2</source>
        <translation>Связь с Ostrel № 2</translation>
    </message>
    <message>
        <source>Brak konfiguracji</source>
        <translation>Нет конфигурации</translation>
    </message>
    <message>
        <source>1200</source>
        <translation>1200</translation>
    </message>
    <message>
        <source>2400</source>
        <translation>2400</translation>
    </message>
    <message>
        <source>4800</source>
        <translation>4800</translation>
    </message>
    <message>
        <source>9600</source>
        <translation>9600</translation>
    </message>
    <message>
        <source>19200</source>
        <translation>19200</translation>
    </message>
    <message>
        <source>38400</source>
        <translation>38400</translation>
    </message>
    <message>
        <source>57600</source>
        <translation>57600</translation>
    </message>
    <message>
        <source>115200</source>
        <translation>115200</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Slave</source>
        <translation>Slave</translation>
    </message>
    <message>
        <source>Wybierz pojemność akumulatora</source>
        <translation>Выберите ёмкость аккумулятора</translation>
    </message>
    <message>
        <source>7 Ah</source>
        <translation>7 Ah</translation>
    </message>
    <message>
        <source>18 Ah</source>
        <translation>18 Ah</translation>
    </message>
    <message>
        <source>28 Ah</source>
        <translation>28 Ah</translation>
    </message>
    <message>
        <source>40 Ah</source>
        <translation>40 Ah</translation>
    </message>
    <message>
        <source>80 Ah</source>
        <translation>80 Ah</translation>
    </message>
    <message>
        <source>134 Ah</source>
        <translation>134 Ah</translation>
    </message>
    <message>
        <source>0 - Strefa 1</source>
        <translation>0 - Зона 1</translation>
    </message>
    <message>
        <source>1 - Strefa 2</source>
        <translation>1 - Зона 2</translation>
    </message>
    <message>
        <source>2 - Strefa 1 + 2</source>
        <translation>2 - Зона 1 + 2</translation>
    </message>
    <message>
        <source>3 - Nie związane z strefą</source>
        <translation>3 - Не связано с зоной</translation>
    </message>
    <message>
        <source>0 - Nieaktywne</source>
        <translation>0 - Неактивно</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna aktywna</source>
        <translation>1 - Контрольная линия активна</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna</source>
        <translation>1 - Контрольная линия</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa</source>
        <translation>2 - Потенциальная линия</translation>
    </message>
    <message>
        <source>1 - Linia Kontrolna</source>
        <translation>1 - Контрольная линия</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa</source>
        <translation>2 - Шлейф сигнализации</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa</source>
        <translation>3 - Потенциальная линия</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilające 24 V</source>
        <translation>4 - Выход питания 24 V</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa</source>
        <translation>1 - Беспотенциальная линия</translation>
    </message>
    <message>
        <source>0 - Urządzenie zewnętrzne</source>
        <translation>0 - Внешнее устройство</translation>
    </message>
    <message>
        <source>1 - Blokada Gaszenia</source>
        <translation>1 - Блокировка тушения</translation>
    </message>
    <message>
        <source>2 - Sterowanie ręczne</source>
        <translation>2 - Ручное управление</translation>
    </message>
    <message>
        <source>3 - Dodatek</source>
        <translation>3 - Дополнительный</translation>
    </message>
    <message>
        <source>4 - Stop gaszenia</source>
        <translation>4 - Стоп тушения</translation>
    </message>
    <message>
        <source>5 - Start gaszenia</source>
        <translation>5 - Пуск тушения</translation>
    </message>
    <message>
        <source>6 - LK. wypływu</source>
        <translation>6 - LK выхода ОТВ</translation>
    </message>
    <message>
        <source>7 - Alarm zewnętrzny</source>
        <translation>7 - Внешняя тревога</translation>
    </message>
    <message>
        <source>8 - Ciśnienie/masa</source>
        <translation>8 - Давление/масса</translation>
    </message>
    <message>
        <source>9 - Blok.Nieel.</source>
        <translation>9 - Неэл. блок.</translation>
    </message>
    <message>
        <source>10 - Kasowanie alarmu</source>
        <translation>10 - Сброс тревоги</translation>
    </message>
    <message>
        <source>0 - Alarm 1 strefa</source>
        <translation>0 - Тревога зона 1</translation>
    </message>
    <message>
        <source>1 - Alarm 2 strefa</source>
        <translation>1 - Тревога зона 2</translation>
    </message>
    <message>
        <source>2 - Start gaszenia</source>
        <translation>2 - Пуск тушения</translation>
    </message>
    <message>
        <source>3 - EZ</source>
        <translation>3 - EZ</translation>
    </message>
    <message>
        <source>4 - Wyładowanie</source>
        <translation>4 - Выпуск</translation>
    </message>
    <message>
        <source>5 - Wypływy</source>
        <translation>5 - Выходы ОТВ</translation>
    </message>
    <message>
        <source>0 - Tryb 1 stanowy</source>
        <translation>0 - 1-позиционный режим</translation>
    </message>
    <message>
        <source>1 - Tryb 2 stanowy</source>
        <translation>1 - 2-позиционный режим</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa aktywna</source>
        <translation>2 - Потенциальная линия активна</translation>
    </message>
    <message>
        <source>0 - Alarm 1 stopnia</source>
        <translation>0 - Тревога 1 ступени</translation>
    </message>
    <message>
        <source>1 - Alarm 2 stopnia</source>
        <translation>1 - Тревога 2 ступени</translation>
    </message>
    <message>
        <source>5 - Wypływ</source>
        <translation>5 - Выход ОТВ</translation>
    </message>
    <message>
        <source>6 - Wyładowanie dodatku</source>
        <translation>6 - Дополнительный выпуск</translation>
    </message>
    <message>
        <source>7 - Sterowanie ręczne</source>
        <translation>7 - Ручное управление</translation>
    </message>
    <message>
        <source>8 - Stop gaszenia</source>
        <translation>8 - Стоп тушения</translation>
    </message>
    <message>
        <source>9 - Blokada gaszenia</source>
        <translation>9 - Блокировка тушения</translation>
    </message>
    <message>
        <source>10 - Blokada Nieelek</source>
        <translation>10 - Неэлектрическая блокировка</translation>
    </message>
    <message>
        <source>11 - Uszkodzenie</source>
        <translation>11 - Неисправность</translation>
    </message>
    <message>
        <source>12 - Kasowanie</source>
        <translation>12 - Сброс</translation>
    </message>
    <message>
        <source>13 - Ciśń/masa</source>
        <translation>13 - Давл./масса</translation>
    </message>
    <message>
        <source>0 - Grupa ogólna</source>
        <translation>0 - Общая группа</translation>
    </message>
    <message>
        <source>1 - Sygnalizatory zewnętrzne</source>
        <translation>1 - Внешние оповещатели</translation>
    </message>
    <message>
        <source>2 - Sygnalizatory ostrzegawcze</source>
        <translation>2 - Предупредительные оповещатели</translation>
    </message>
    <message>
        <source>3 - Urządzenia transmisji</source>
        <translation>3 - Устройства передачи извещений</translation>
    </message>
    <message>
        <source>4 - Urządzenia zabezpieczające</source>
        <translation>4 - Устройства противопожарной защиты</translation>
    </message>
    <message>
        <source>0 - Brak kryterium</source>
        <translation>0 - Нет критерия</translation>
    </message>
    <message>
        <source>1 - L11 LD-alarm</source>
        <translation>1 - L11 LD-тревога</translation>
    </message>
    <message>
        <source>2 - L11 LD-alarm</source>
        <translation>2 - L11 LD-тревога</translation>
    </message>
    <message>
        <source>3 - L11 LD-alarm</source>
        <translation>3 - L11 LD-тревога</translation>
    </message>
    <message>
        <source>4 - L11 LD-alarm</source>
        <translation>4 - L11 LD-тревога</translation>
    </message>
    <message>
        <source>5 - L11 LD-alarm</source>
        <translation>5 - L11 LD-тревога</translation>
    </message>
    <message>
        <source>6 - L11 LD-alarm</source>
        <translation>6 - L11 LD-тревога</translation>
    </message>
    <message>
        <source>7 - LK-EZ Wspólny</source>
        <translation>7 - LK-EZ общая</translation>
    </message>
    <message>
        <source>0 - Brak</source>
        <translation>0 - Нет</translation>
    </message>
    <message>
        <source>1 - ciągły</source>
        <translation>1 - непрерывный</translation>
    </message>
    <message>
        <source>2 - 1 impuls</source>
        <translation>2 - 1 импульс</translation>
    </message>
    <message>
        <source>3 - cykliczny</source>
        <translation>3 - циклический</translation>
    </message>
    <message>
        <source>4 - cykliczny skończony</source>
        <translation>4 - циклический ограниченный</translation>
    </message>
    <message>
        <source>0 - Wyłączone</source>
        <translation>0 - Выключено</translation>
    </message>
    <message>
        <source>1 - Włączone</source>
        <translation>1 - Включено</translation>
    </message>
    <message>
        <source>0 - 0 linii</source>
        <translation>0 - 0 линий</translation>
    </message>
    <message>
        <source>1 - 1 linia</source>
        <translation>1 - 1 линия</translation>
    </message>
    <message>
        <source>2 - 2 linie</source>
        <translation>2 - 2 линии</translation>
    </message>
    <message>
        <source>3 - 3 linie</source>
        <translation>3 - 3 линии</translation>
    </message>
    <message>
        <source>0 - Nie</source>
        <translation>0 - Нет</translation>
    </message>
    <message>
        <source>1 - Tak</source>
        <translation>1 - Да</translation>
    </message>
    <message>
        <source>0 - Tak</source>
        <translation>0 - Да</translation>
    </message>
    <message>
        <source>1 - Nie</source>
        <translation>1 - Нет</translation>
    </message>
    <message>
        <source>0 - Z wyjścia EZ</source>
        <translation>0 - С выхода EZ</translation>
    </message>
    <message>
        <source>1 - Z wejścia LK-wypływ</source>
        <translation>1 - Со входа LK-выход ОТВ</translation>
    </message>
    <message>
        <source>1 - Nieblokowane</source>
        <translation>1 - Не блокируется</translation>
    </message>
    <message>
        <source>2 - Blokowane</source>
        <translation>2 - Блокируется</translation>
    </message>
    <message>
        <source>0 - Strefa 2</source>
        <translation>0 - Зона 2</translation>
    </message>
    <message>
        <source>0 - Brak modułu</source>
        <translation>0 - Нет модуля</translation>
    </message>
    <message>
        <source>1 - SCA</source>
        <translation>1 - SCA</translation>
    </message>
    <message>
        <source>2 - SCB</source>
        <translation>2 - SCB</translation>
    </message>
    <message>
        <source>3 - SCC</source>
        <translation>3 - SCC</translation>
    </message>
    <message>
        <source>4 - SCD</source>
        <translation>4 - SCD</translation>
    </message>
    <message>
        <source>5 - SCG</source>
        <translation>5 - SCG</translation>
    </message>
    <message>
        <source>6 - SCE</source>
        <translation>6 - SCE</translation>
    </message>
    <message>
        <source>7 - SCF</source>
        <translation>7 - SCF</translation>
    </message>
    <message>
        <source>1 - Linia potencjałowa aktywna</source>
        <translation>1 - Потенциальная линия активна</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa aktywna</source>
        <translation>1 - Беспотенциальная линия активна</translation>
    </message>
    <message>
        <source>3 - Wyjście zasilajace 24 V aktywne</source>
        <translation>3 - Выход питания 24 V активен</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa aktywna</source>
        <translation>2 - Шлейф сигнализации активен</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa aktywna</source>
        <translation>3 - Потенциальная линия активна</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilajace 24 V aktywne</source>
        <translation>4 - Выход питания 24 V активен</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel</source>
        <translation>Неисправность Ostrel</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel + wysterowanie z Tarven B</source>
        <translation>Неисправность Ostrel + активация от Tarven B</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>Data</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Модуль</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Szukaj w zdarzeniach i modułach (Ctrl+F)</source>
        <translation>Поиск по событиям и модулям (Ctrl+F)</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Zdarzenia aktywne i usunięte</source>
        <translation>Активные и удалённые события</translation>
    </message>
    <message>
        <source>wszystkie</source>
        <translation>все</translation>
    </message>
    <message>
        <source>tylko aktywne</source>
        <translation>только активные</translation>
    </message>
    <message>
        <source>tylko usunięte</source>
        <translation>только удалённые</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>С:</translation>
    </message>
    <message>
        <source>do:</source>
        <translation>по:</translation>
    </message>
    <message>
        <source>Wyczyść filtr</source>
        <translation>Очистить фильтр</translation>
    </message>
    <message>
        <source>wszystkie moduły</source>
        <translation>все модули</translation>
    </message>
    <message>
        <source>pokazano %1 z %2</source>
        <translation>показано %1 из %2</translation>
    </message>
</context>
<context>
    <name>EventSummary</name>
    <message>
        <source>alarmy i wysterowania</source>
        <translation>тревоги и срабатывания выходов</translation>
    </message>
    <message>
        <source>uszkodzenia</source>
        <translation>неисправности</translation>
    </message>
    <message>
        <source>zaniki zasilania</source>
        <translation>пропадания питания</translation>
    </message>
    <message>
        <source>starty i resety</source>
        <translation>запуски и сбросы</translation>
    </message>
    <message>
        <source>zapisy konfiguracji</source>
        <translation>записи конфигурации</translation>
    </message>
    <message>
        <source>ustawienia zegara</source>
        <translation>установки часов</translation>
    </message>
    <message>
        <source>pozostałe</source>
        <translation>прочие</translation>
    </message>
</context>
<context>
    <name>EventsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Считать</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Считать с устройства</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń</source>
        <translation>Удаление журнала событий</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń o nazwie: %1</source>
        <translation>Удаление журнала событий с именем: %1</translation>
    </message>
    <message>
        <source>odczyt rejestru zdarzeń</source>
        <translation>чтение журнала событий</translation>
    </message>
    <message>
        <source>Czy usunąć rejestr zdarzeń %1?</source>
        <translation>Удалить журнал событий %1?</translation>
    </message>
</context>
<context>
    <name>ExtinguishingBlocks</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Модуль объявлен</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активен / неактивен</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Адрес модуля</translation>
    </message>
    <message>
        <source>PK%1 - numer strefy</source>
        <translation>PK%1 - номер зоны</translation>
    </message>
    <message>
        <source>PK%1 - Deklaracja linii bezpotencjałowej</source>
        <translation>PK%1 - Объявление беспотенциальной линии</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Grupa wyjść</source>
        <translation>PK%1 - Беспотенциальная линия - Группа выходов</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 1</source>
        <translation>PK%1 - Беспотенциальная линия - Критерий 1</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 2</source>
        <translation>PK%1 - Беспотенциальная линия - Критерий 2</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Logika</source>
        <translation>PK%1 - Беспотенциальная линия - Логика</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>PK%1 - Беспотенциальная линия - Тип сигнала включения выхода</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>PK%1 - Беспотенциальная линия - задержка срабатывания Ton</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>PK%1 - Беспотенциальная линия - задержка выключения Toff</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp</source>
        <translation>PK%1 - Беспотенциальная линия - длительность импульса T-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw</source>
        <translation>PK%1 - Беспотенциальная линия - длительность паузы T-przerw</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp</source>
        <translation>PK%1 - Беспотенциальная линия - Число импульсов N-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kontrola ciągłości</source>
        <translation>PK%1 - Беспотенциальная линия - Контроль целостности</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - номер зоны</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii potencjałowej</source>
        <translation>L%1 - Объявление потенциальной линии</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Потенциальная линия - Группа выходов</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Потенциальная линия - Критерий 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Потенциальная линия - Критерий 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Потенциальная линия - Логика</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Потенциальная линия - Тип сигнала включения выхода</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Потенциальная линия - задержка срабатывания Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Потенциальная линия - задержка выключения Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Потенциальная линия - длительность импульса T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Потенциальная линия - длительность паузы T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Потенциальная линия - Число импульсов N-imp</translation>
    </message>
</context>
<context>
    <name>FaultsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Считать</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Считать с устройства</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Usunięcie uszkodzeń</source>
        <translation>Удаление неисправностей</translation>
    </message>
    <message>
        <source>Usunięcie listy uszkodzeń o nazwie: %1</source>
        <translation>Удаление списка неисправностей с именем: %1</translation>
    </message>
    <message>
        <source>odczyt listy uszkodzeń</source>
        <translation>чтение списка неисправностей</translation>
    </message>
    <message>
        <source>Czy usunąć listę uszkodzeń %1?</source>
        <translation>Удалить список неисправностей %1?</translation>
    </message>
</context>
<context>
    <name>Konfiguracja</name>
    <message>
        <source>Konfiguracja Ostrel: %1</source>
        <translation>Конфигурация Ostrel: %1</translation>
    </message>
</context>
<context>
    <name>LNM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Модуль объявлен</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активен / неактивен</translation>
    </message>
    <message>
        <source>Prąd grupy [A]</source>
        <translation>Ток группы [A]</translation>
    </message>
    <message>
        <source>Prąd modułu:</source>
        <translation>Ток модуля:</translation>
    </message>
    <message>
        <source>Linia dozorowa konwencjonalna</source>
        <translation>Неадресный шлейф сигнализации</translation>
    </message>
    <message>
        <source>Linia dozorowa aktywna/ nieaktywna</source>
        <translation>Шлейф сигнализации активен/ неактивен</translation>
    </message>
    <message>
        <source>Kasowanie wstępne czujek (60s)</source>
        <translation>Предварительный сброс извещателей (60s)</translation>
    </message>
    <message>
        <source>Kasowanie aktywne / nieaktywne</source>
        <translation>Сброс активен / неактивен</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia WYZWOLENIE</source>
        <translation>Кнопка дымоудаления BZ7x - линия ПУСК</translation>
    </message>
    <message>
        <source>Przycisk - Linia WYZW aktywna / nieaktywna</source>
        <translation>Кнопка - Линия ПУСК активна / неактивна</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia KASOWANIE</source>
        <translation>Кнопка дымоудаления BZ7x - линия СБРОС</translation>
    </message>
    <message>
        <source>Przycisk - Linia KASOW aktywna / nieaktywna</source>
        <translation>Кнопка - Линия СБРОС активна / неактивна</translation>
    </message>
    <message>
        <source>Wyjście grupy -  tryb pracy</source>
        <translation>Выход группы -  режим работы</translation>
    </message>
    <message>
        <source>Tryb pracy wyjścia 0-nieaktywne</source>
        <translation>Режим работы выхода 0-неактивно</translation>
    </message>
    <message>
        <source>Wyjscie grupy - kryterium wysterowania</source>
        <translation>Выход группы - критерий активации</translation>
    </message>
    <message>
        <source>Kryterium – warianty wysterowania</source>
        <translation>Критерий – варианты активации</translation>
    </message>
    <message>
        <source>Wyjście grupy - sterowanie 3 przewodowe</source>
        <translation>Выход группы - 3-проводное управление</translation>
    </message>
    <message>
        <source>Sterowanie w trybie pracy 1; 0: 2-przew. 1: 3-przew. </source>
        <translation>Управление в режиме работы 1; 0: 2-пров. 1: 3-пров. </translation>
    </message>
    <message>
        <source>Wyjście grupy -  kontrola ciągłości zasilania</source>
        <translation>Выход группы -  контроль целостности питания</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy zasilania </source>
        <translation>Контроль КЗ и обрыва питания </translation>
    </message>
    <message>
        <source>Wyjście grupy - T1 - czas  opóźnienia zadziałania</source>
        <translation>Выход группы - T1 - задержка  срабатывания</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Задержка активации выхода в режимах 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T2 - czas wysterowania</source>
        <translation>Выход группы - T2 - время активации</translation>
    </message>
    <message>
        <source>Czas wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Время активации выхода в режимах 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T3 - czas przerwy wysterowania</source>
        <translation>Выход группы - T3 - время паузы активации</translation>
    </message>
    <message>
        <source>Czas przerwy w trybie 3</source>
        <translation>Время паузы в режиме 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - liczba impulsów</source>
        <translation>Выход группы - число импульсов</translation>
    </message>
    <message>
        <source>Liczba impulsów na wyjściu w trybie 3</source>
        <translation>Число импульсов на выходе в режиме 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola krańcówek</source>
        <translation>Выход группы - контроль концевых выключателей</translation>
    </message>
    <message>
        <source>Kontrola pozycji urządzenia sterowanego</source>
        <translation>Контроль положения управляемого устройства</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola ciągłości krańcówek</source>
        <translation>Выход группы - контроль целостности концевых выключателей</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy obwodów krańcówek</source>
        <translation>Контроль КЗ и обрыва цепей концевых выключателей</translation>
    </message>
    <message>
        <source>Wyjście grupy - odłączanie napięcia</source>
        <translation>Выход группы - снятие напряжения</translation>
    </message>
    <message>
        <source>Odłączanie napięcia w trybie pracy 1</source>
        <translation>Снятие напряжения в режиме работы 1</translation>
    </message>
    <message>
        <source>Wyjście grupy - forsowanie (deadlock)</source>
        <translation>Выход группы - форсирование (deadlock)</translation>
    </message>
    <message>
        <source>Funkcja forsowania wyjścia – funkcja przeciwoblodzeniowa</source>
        <translation>Функция форсирования выхода – защита от обледенения</translation>
    </message>
    <message>
        <source>Przewietrzanie - przyciski - tryb pracy</source>
        <translation>Проветривание - кнопки - режим работы</translation>
    </message>
    <message>
        <source>Sposób działania przycisków przewietrzania</source>
        <translation>Способ работы кнопок проветривания</translation>
    </message>
    <message>
        <source>Przewietrzanie - blokowanie pogodowe</source>
        <translation>Проветривание - погодная блокировка</translation>
    </message>
    <message>
        <source>Blokowanie przewietrzania w przypadku deszczu / wiatru</source>
        <translation>Блокировка проветривания при дожде / ветре</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp1</source>
        <translation>Проветривание - время Tp1</translation>
    </message>
    <message>
        <source>Czas otwierania</source>
        <translation>Время открывания</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp2</source>
        <translation>Проветривание - время Tp2</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie</source>
        <translation>Время, по истечении которого произойдёт автоматическое закрытие</translation>
    </message>
    <message>
        <source>Strefa LNM nr %1</source>
        <translation>Зона LNM № %1</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO</source>
        <translation>0 – НЕТ 1 – Общ. трев. 2 – тревога LDK 3 – тревога RPO</translation>
    </message>
    <message>
        <source>Wyjście grupy -  czas TKA</source>
        <translation>Выход группы -  время TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Задержка выключения после сброса</translation>
    </message>
    <message>
        <source>LNM</source>
        <translation>LNM</translation>
    </message>
    <message>
        <source>Moduł Główny Liniowy</source>
        <translation>Главный линейный модуль</translation>
    </message>
    <message>
        <source>Linia dozorowa – zwarcie </source>
        <translation>Шлейф сигнализации – КЗ </translation>
    </message>
    <message>
        <source>Linia dozorowa – przerwa </source>
        <translation>Шлейф сигнализации – обрыв </translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – zwarcie</source>
        <translation>BZ7x линия кнопки ПУСК – КЗ</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – przerwa</source>
        <translation>BZ7x линия кнопки ПУСК – обрыв</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – zwarcie</source>
        <translation>BZ7x линия кнопки СБРОС – КЗ</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – przerwa</source>
        <translation>BZ7x линия кнопки СБРОС – обрыв</translation>
    </message>
    <message>
        <source>BZ7x przycisk KASOWANIE – brak lub uszkodzenie</source>
        <translation>BZ7x кнопка СБРОС – отсутствует или неисправна</translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1  – zwarcie </source>
        <translation>Концевой выключатель KR1  – КЗ </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1 – przerwa </source>
        <translation>Концевой выключатель KR1 – обрыв </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2  – zwarcie </source>
        <translation>Концевой выключатель KR2  – КЗ </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2 – przerwa </source>
        <translation>Концевой выключатель KR2 – обрыв </translation>
    </message>
    <message>
        <source>Wyjście główne – brak ciągłości zasilania</source>
        <translation>Основной выход – нарушение целостности питания</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja</source>
        <translation>Основной выход – неверное положение</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR1</source>
        <translation>Основной выход – неверное положение KR1</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR2</source>
        <translation>Основной выход – неверное положение KR2</translation>
    </message>
    <message>
        <source>Wyjście główne – bezpiecznik</source>
        <translation>Основной выход – предохранитель</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania OTWÓRZ – zwarcie</source>
        <translation>Кнопка проветривания ОТКРЫТЬ – КЗ</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania ZAMKNIJ – zwarcie</source>
        <translation>Кнопка проветривания ЗАКРЫТЬ – КЗ</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – ошибка контрольной суммы</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версия ПО</translation>
    </message>
</context>
<context>
    <name>LinkHealthWidget</name>
    <message>
        <source>&lt;b&gt;Stan łącza z centralą&lt;/b&gt;&lt;br&gt;Kolor: szary – brak otwartego portu; czerwony – port otwarty, ale centrala nie odpowiada dłużej niż 2 s; zielony – centrala odpowiada (podany jest wiek ostatniej odpowiedzi).&lt;br&gt;&lt;b&gt;Powtórzenia&lt;/b&gt;: ramki wysłane ponownie, bo odpowiedź nie przyszła w 2 s.&lt;br&gt;&lt;b&gt;Utracone&lt;/b&gt;: zapytania porzucone po trzeciej próbie bez odpowiedzi.&lt;br&gt;&lt;b&gt;CRC&lt;/b&gt;: odebrane ramki odrzucone z powodu błędnej sumy kontrolnej.&lt;br&gt;Liczniki są zerowane przy każdym połączeniu.</source>
        <translation>&lt;b&gt;Состояние связи с прибором&lt;/b&gt;&lt;br&gt;Цвет: серый – порт не открыт; красный – порт открыт, но прибор не отвечает дольше 2 s; зелёный – прибор отвечает (показано, сколько времени прошло с его последнего ответа).&lt;br&gt;&lt;b&gt;Повторы&lt;/b&gt;: кадры, отправленные повторно, так как ответ не пришёл за 2 s.&lt;br&gt;&lt;b&gt;Потеряно&lt;/b&gt;: запросы, оставленные без ответа после третьей попытки.&lt;br&gt;&lt;b&gt;CRC&lt;/b&gt;: принятые кадры, отброшенные из-за неверной контрольной суммы.&lt;br&gt;Счётчики обнуляются при каждом подключении.</translation>
    </message>
    <message>
        <source>Brak portu</source>
        <translation>Нет порта</translation>
    </message>
    <message>
        <source>Port otwarty, oczekiwanie na centralę</source>
        <translation>Порт открыт, ожидание прибора</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada</source>
        <translation>Прибор не отвечает</translation>
    </message>
    <message>
        <source>Centrala odpowiada (%1 s temu)</source>
        <translation>Прибор отвечает (%1 s назад)</translation>
    </message>
    <message>
        <source> · powtórzenia: %1 · utracone: %2 · CRC: %3</source>
        <translation> · повторы: %1 · потеряно: %2 · CRC: %3</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>Monitor łącza</source>
        <translation>Монитор связи</translation>
    </message>
    <message>
        <source>Wstrzymaj</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Wstrzymuje zapis ramek, aby można je było spokojnie przeczytać</source>
        <translation>Приостанавливает запись кадров, чтобы их можно было спокойно прочитать</translation>
    </message>
    <message>
        <source>Wyczyść</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Kopiuj</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Kopiuje zaznaczone ramki (bez zaznaczenia: wszystkie) do schowka</source>
        <translation>Копирует выделенные кадры (без выделения: все) в буфер обмена</translation>
    </message>
</context>
<context>
    <name>LocalArchive</name>
    <message>
        <source>Treść nie zgadza się z sumą kontrolną rekordu</source>
        <translation>Содержимое не совпадает с контрольной суммой записи</translation>
    </message>
    <message>
        <source>Rekord jest większy niż 8 MiB</source>
        <translation>Запись больше 8 МиБ</translation>
    </message>
    <message>
        <source>Niedozwolona nazwa rekordu</source>
        <translation>Недопустимое название записи</translation>
    </message>
    <message>
        <source>Treść nie jest poprawnym dokumentem JSON (%1)</source>
        <translation>Содержимое не является корректным документом JSON (%1)</translation>
    </message>
    <message>
        <source>Nieznane pole „%1”</source>
        <translation>Неизвестное поле «%1»</translation>
    </message>
    <message>
        <source>Niedozwolona wartość pola „%1”</source>
        <translation>Недопустимое значение поля «%1»</translation>
    </message>
    <message>
        <source>Brak wymaganego pola „%1”</source>
        <translation>Нет обязательного поля «%1»</translation>
    </message>
    <message>
        <source>Pole „%1” nie wskazuje rekordu archiwum właściwego rodzaju</source>
        <translation>Поле «%1» не указывает на запись архива нужного вида</translation>
    </message>
    <message>
        <source>Czeka na rekord archiwum %1, do którego się odwołuje</source>
        <translation>Ожидает запись архива %1, на которую ссылается</translation>
    </message>
    <message>
        <source>Lokalna baza nie przyjęła rekordu: %1</source>
        <translation>Локальная база не приняла запись: %1</translation>
    </message>
    <message>
        <source>Rekord nie jest usunięty w tej bazie.</source>
        <translation>Запись не удалена в этой базе.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Konfiguracja</source>
        <translation>Конфигурация</translation>
    </message>
    <message>
        <source>Zdarzenia</source>
        <translation>События</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Отладка</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Неисправности</translation>
    </message>
    <message>
        <source>Wersje oprogramowania</source>
        <translation>Версии ПО</translation>
    </message>
    <message>
        <source>Data i czas</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Serwis</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Конфигуратор Ostrel</translation>
    </message>
    <message>
        <source>&amp;Połącz</source>
        <comment>Connect</comment>
        <translation>&amp;Подключить</translation>
    </message>
    <message>
        <source>Connect over USB</source>
        <translation>Подключиться через USB</translation>
    </message>
    <message>
        <source>&amp;Rozłącz</source>
        <comment>Disconnect</comment>
        <translation>&amp;Отключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Отключиться</translation>
    </message>
    <message>
        <source>&amp;O programie</source>
        <comment>About</comment>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>Wyświetla informacje o programie</source>
        <comment>About programm</comment>
        <translation>Показывает сведения о программе</translation>
    </message>
    <message>
        <source>&amp;Widok</source>
        <comment>View</comment>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Parametry wyświetlania</source>
        <comment>Window view settings</comment>
        <translation>Параметры отображения</translation>
    </message>
    <message>
        <source>&amp;Połączenie</source>
        <translation>&amp;Подключение</translation>
    </message>
    <message>
        <source>&amp;Ustawienia</source>
        <translation>&amp;Настройки</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Połączenie</source>
        <comment>Connection</comment>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Czas komputera</source>
        <translation>Время компьютера</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>Port komunikacyjny</comment>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Wybierz port:</source>
        <translation>Выберите порт:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Port nie został otwarty: %1</source>
        <translation>Не удалось открыть порт: %1</translation>
    </message>
    <message>
        <source>O programie konfigurator Ostrel</source>
        <translation>О программе Конфигуратор Ostrel</translation>
    </message>
    <message>
        <source>Wersja programu %1 
SHA %2 
DATA %3 %4</source>
        <translation>Версия программы %1 
SHA %2 
ДАТА %3 %4</translation>
    </message>
    <message>
        <source>Monitor łącza</source>
        <translation>Монитор связи</translation>
    </message>
    <message>
        <source>Pokazuje ramki wymieniane z centralą</source>
        <translation>Показывает кадры обмена с прибором</translation>
    </message>
    <message>
        <source>Przeglądy</source>
        <translation>Сервисные визиты</translation>
    </message>
    <message>
        <source>&amp;Przegląd</source>
        <comment>Service visit</comment>
        <translation>&amp;Обслуживание</translation>
    </message>
    <message>
        <source>Rozpoczyna przegląd centrali</source>
        <translation>Начинает обслуживание прибора</translation>
    </message>
    <message>
        <source>Gotowy</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Port szeregowy (np. COM3) albo adres serwera portu szeregowego w sieci: host:port, tcp://host:port lub [adres IPv6]:port.&lt;br&gt;Serwer portu musi pracować w trybie raw TCP z ustawieniami 19200 bodów, 8N1.&lt;br&gt;Połączenie raw TCP nie ma uwierzytelniania: używaj go tylko w sieci VPN albo przez tunel SSH.</source>
        <translation>Последовательный порт (например, COM3) или адрес сервера последовательного порта в сети: host:port, tcp://host:port или [адрес IPv6]:port.&lt;br&gt;Сервер порта должен работать в режиме raw TCP с параметрами 19200 бод, 8N1.&lt;br&gt;Соединение raw TCP не имеет аутентификации: используйте его только в сети VPN или через туннель SSH.</translation>
    </message>
    <message>
        <source>Połączenie sieciowe</source>
        <translation>Сетевое подключение</translation>
    </message>
    <message>
        <source>Łączenie z %1…</source>
        <translation>Подключение к %1…</translation>
    </message>
    <message>
        <source>Trwa odczyt z centrali. Zamknięcie programu przerwie go i nic z tego odczytu nie zostanie zapisane.

Zamknąć program?</source>
        <translation>Идёт чтение из прибора. Закрытие программы прервёт его, и ничего из этого чтения не будет сохранено.

Закрыть программу?</translation>
    </message>
</context>
<context>
    <name>Modul</name>
    <message>
        <source>Moduł: </source>
        <translation>Модуль: </translation>
    </message>
    <message>
        <source> ,nr </source>
        <translation> ,№ </translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>№</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>USUNIĘTE</source>
        <translation>УДАЛЕНО</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>КЗ выхода сигнальной линии № 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>КЗ выхода сигнальной линии № 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>КЗ выхода сигнальной линии № 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>КЗ выхода сигнальной линии № 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Обрыв выхода сигнальной линии № 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Обрыв выхода сигнальной линии № 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Обрыв выхода сигнальной линии № 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Обрыв выхода сигнальной линии № 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Перегрузка выхода сигнальной линии № 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Перегрузка выхода сигнальной линии № 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Перегрузка выхода сигнальной линии № 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Перегрузка выхода сигнальной линии № 4 (LS4) </translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Неисправность предохранителя № 2</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Неисправность предохранителя № 3</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Неисправность предохранителя № 4</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza nr. 2</source>
        <translation>Общая неисправность ИП № 2</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2</source>
        <translation>Нет связи с ИП Ostrel № 2</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>Нет связи по протоколу Modbus</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>КЗ входа контрольной линии № 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>КЗ входа контрольной линии № 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Обрыв входа контрольной линии № 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Обрыв входа контрольной линии № 2 (LK2)</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>Запуск системы / сброс</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Очистка журнала событий</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>Запись новой конфигурации</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>Запись новой даты и времени</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>Активация реле неисправности PU</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika bezpotencjałowego PK</source>
        <translation>Активация беспотенциального реле PK</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Активация сигнальной линии LS1</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Активация сигнальной линии LS2</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Активация сигнальной линии LS3</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Активация сигнальной линии LS4</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Чтение журнала событий</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Чтение неисправностей</translation>
    </message>
</context>
<context>
    <name>PSB</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Модуль объявлен</translation>
    </message>
    <message>
        <source>Pojemność Akumulatorów</source>
        <translation>Ёмкость аккумуляторов</translation>
    </message>
    <message>
        <source>Przekaźnik PU - tryb pracy</source>
        <translation>Реле PU - режим работы</translation>
    </message>
    <message>
        <source>Przekaźnik PK - tryb pracy</source>
        <translation>Реле PK - режим работы</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kryterium wysterowania</source>
        <translation>Реле PK - критерий активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T1 - czas opóźnienia wysterowania</source>
        <translation>Реле PK - T1 - задержка активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T2 - czas wysterowania</source>
        <translation>Реле PK - T2 - время активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T3 - czas przerwy wysterowania</source>
        <translation>Реле PK - T3 - время паузы активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK - liczba impulsów</source>
        <translation>Реле PK - число импульсов</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kontrola ciągłości</source>
        <translation>Реле PK - контроль целостности</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 - tryb pracy</source>
        <translation>Контрольная линия LK1 - режим работы</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 - tryb pracy</source>
        <translation>Контрольная линия LK2 - режим работы</translation>
    </message>
    <message>
        <source>Złącze RS232 - tryb pracy</source>
        <translation>Порт RS232 - режим работы</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - prędkość transmisji</source>
        <translation>Порт RS232 - Протокол Modbus - скорость передачи</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - adres</source>
        <translation>Порт RS232 - Протокол Modbus - адрес</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - Time Out</source>
        <translation>Порт RS232 - Протокол Modbus - Time Out</translation>
    </message>
    <message>
        <source>Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave</source>
        <translation>Порт RS232 - Связь с Ostrel № 2 - Master/Slave</translation>
    </message>
    <message>
        <source>PSB</source>
        <translation>PSB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Главный модуль управления</translation>
    </message>
    <message>
        <source>Brak napięcia sieciowego 230V</source>
        <translation>Нет сетевого напряжения 230V</translation>
    </message>
    <message>
        <source>Niskie napięcie akumulatora (poniżej 22 V)</source>
        <translation>Низкое напряжение аккумулятора (ниже 22 V)</translation>
    </message>
    <message>
        <source>Akumulator został odłączony (napięcie akumulatora poniżej 19 V)</source>
        <translation>Аккумулятор отключён (напряжение аккумулятора ниже 19 V)</translation>
    </message>
    <message>
        <source>Brak podłączonych akumulatorów</source>
        <translation>Аккумуляторы не подключены</translation>
    </message>
    <message>
        <source>Wysoka rezystancja toru akumulatora (Uszkodzone akumulatory)</source>
        <translation>Высокое сопротивление цепи аккумулятора (Неисправные аккумуляторы)</translation>
    </message>
    <message>
        <source>Zadziałanie kontroli doziemienia</source>
        <translation>Срабатывание контроля замыкания на землю</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowarki akumulatorów</source>
        <translation>Неисправность зарядного устройства аккумуляторов</translation>
    </message>
    <message>
        <source>Wysoka temperatura wewnątrz Ostrel (powyżej 40 st. C)</source>
        <translation>Высокая температура внутри Ostrel (выше 40 °C)</translation>
    </message>
    <message>
        <source>Brak podłączonej sondy temperaturowej</source>
        <translation>Не подключён датчик температуры</translation>
    </message>
    <message>
        <source>Rozwarty obwód przekaźnika konfigurowalnego PK</source>
        <translation>Обрыв цепи конфигурируемого реле PK</translation>
    </message>
    <message>
        <source>Uszkodzenie pamięci flash mikrokontrolera</source>
        <translation>Неисправность flash-памяти микроконтроллера</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 1</source>
        <translation>Неисправность предохранителя № 1</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Неисправность предохранителя № 2</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Неисправность предохранителя № 3</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Неисправность предохранителя № 4</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza Ostrel nr. 2 (slave)</source>
        <translation>Общая неисправность ИП Ostrel № 2 (slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2 (slave)</source>
        <translation>Нет связи с ИП Ostrel № 2 (slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>Нет связи по протоколу Modbus</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>КЗ входа контрольной линии № 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>КЗ входа контрольной линии № 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Обрыв входа контрольной линии № 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Обрыв входа контрольной линии № 2 (LK2)</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne z systemu Tarven B</source>
        <translation>Общая неисправность от системы Tarven B</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>Запуск системы / сброс</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Очистка журнала событий</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>Запись новой конфигурации</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>Запись новой даты и времени</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>Активация реле неисправности PU</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika konfigurowalnego PK</source>
        <translation>Активация конфигурируемого реле PK</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Активация сигнальной линии LS1</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Активация сигнальной линии LS2</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Активация сигнальной линии LS3</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Активация сигнальной линии LS4</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Чтение журнала событий</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Чтение неисправностей</translation>
    </message>
</context>
<context>
    <name>PSL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Модуль объявлен</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - tryb pracy</source>
        <translation>Сигнальная линия LS%1 - режим работы</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kryterium wysterowania</source>
        <translation>Сигнальная линия LS%1 - критерий активации</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Сигнальная линия LS%1 - T1 - задержка активации</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T2 - czas wysterowania</source>
        <translation>Сигнальная линия LS%1 - T2 - время активации</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T3 - czas przerwy wysterowania</source>
        <translation>Сигнальная линия LS%1 - T3 - время паузы активации</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - liczba impulsów</source>
        <translation>Сигнальная линия LS%1 - число импульсов</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kontrola ciągłości</source>
        <translation>Сигнальная линия LS%1 - контроль целостности</translation>
    </message>
    <message>
        <source>PSL</source>
        <translation>PSL</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Модуль дополнительных реле</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>КЗ выхода сигнальной линии № 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>КЗ выхода сигнальной линии № 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>КЗ выхода сигнальной линии № 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>КЗ выхода сигнальной линии № 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Обрыв выхода сигнальной линии № 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Обрыв выхода сигнальной линии № 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Обрыв выхода сигнальной линии № 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Обрыв выхода сигнальной линии № 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Перегрузка выхода сигнальной линии № 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Перегрузка выхода сигнальной линии № 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Перегрузка выхода сигнальной линии № 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Перегрузка выхода сигнальной линии № 4 (LS4) </translation>
    </message>
</context>
<context>
    <name>PSR</name>
    <message>
        <source>Deklaracja modułu - modułu PSR nie trzeba konfigurować</source>
        <translation>Модуль объявлен - модуль PSR не требует настройки</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активен / неактивен</translation>
    </message>
    <message>
        <source>PSR</source>
        <translation>PSR</translation>
    </message>
    <message>
        <source>Moduł Zasilania Redundantnego</source>
        <translation>Модуль резервного питания</translation>
    </message>
    <message>
        <source>Brak łączności z dodatkowym PSB</source>
        <translation>Нет связи с дополнительным PSB</translation>
    </message>
</context>
<context>
    <name>PSV</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Модуль объявлен</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Модуль активен/неактивен</translation>
    </message>
    <message>
        <source>PSV</source>
        <translation>PSV</translation>
    </message>
    <message>
        <source>Moduł Zasilania Uniwersalnego</source>
        <translation>Универсальный модуль питания</translation>
    </message>
    <message>
        <source>Zasilacz lub brak 230V</source>
        <translation>ИП или нет 230V</translation>
    </message>
    <message>
        <source>Niskie napiecie baterii akumulatorów</source>
        <translation>Низкое напряжение батареи аккумуляторов</translation>
    </message>
    <message>
        <source>Zwarcie wejscia baterii akumulatorów</source>
        <translation>КЗ входа батареи аккумуляторов</translation>
    </message>
    <message>
        <source>Brak baterii akumulatorów</source>
        <translation>Нет батареи аккумуляторов</translation>
    </message>
    <message>
        <source>Doziemienie</source>
        <translation>Замыкание на землю</translation>
    </message>
    <message>
        <source>Wysoka rezystancja baterii akumulatorów</source>
        <translation>Высокое сопротивление батареи аккумуляторов</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowania</source>
        <translation>Неисправность заряда</translation>
    </message>
    <message>
        <source>24 V zewnętrzne (bezpiecznik)</source>
        <translation>Внешнее 24 V (предохранитель)</translation>
    </message>
    <message>
        <source>Sterowanie zasilacza</source>
        <translation>Управление ИП</translation>
    </message>
    <message>
        <source>Wysoka temperatura</source>
        <translation>Высокая температура</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – ошибка контрольной суммы</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версия ПО</translation>
    </message>
</context>
<context>
    <name>Pamietnik</name>
    <message>
        <source>Zdarzenia Ostrel: %1</source>
        <translation>События Ostrel: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Событие</translation>
    </message>
</context>
<context>
    <name>ProtocolCheckDialog</name>
    <message>
        <source>Sprawdź protokół</source>
        <translation>Проверить акт</translation>
    </message>
    <message>
        <source>Wskaż plik PDF protokołu albo wpisz skrót SHA-256 z jego stopki. Program poda, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</source>
        <translation>Укажите PDF-файл акта или введите хеш SHA-256 из его нижнего колонтитула. Программа сообщит, к какому визиту относится акт и совпадает ли он с сохранённым при закрытии.</translation>
    </message>
    <message>
        <source>Sprawdź plik PDF…</source>
        <translation>Проверить PDF-файл…</translation>
    </message>
    <message>
        <source>skrót SHA-256 (64 znaki)</source>
        <translation>хеш SHA-256 (64 символа)</translation>
    </message>
    <message>
        <source>Sprawdź skrót</source>
        <translation>Проверить хеш</translation>
    </message>
    <message>
        <source>Pliki PDF (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Sprawdzanie pliku…</source>
        <translation>Проверка файла…</translation>
    </message>
</context>
<context>
    <name>ProtocolFile</name>
    <message>
        <source>protokół %1 (identyfikator %2), obiekt „%3”, centrala „%4”, przegląd zamknięty %5</source>
        <translation>акт %1 (идентификатор %2), объект «%3», прибор «%4», визит закрыт %5</translation>
    </message>
    <message>
        <source>Uwaga: ten protokół zastąpiono protokołem korygującym %1.</source>
        <translation>Внимание: этот акт заменён исправляющим актом %1.</translation>
    </message>
</context>
<context>
    <name>ProtocolPrint</name>
    <message>
        <source>Podgląd protokołu</source>
        <translation>Просмотр акта</translation>
    </message>
    <message>
        <source>Protokół ma około %1 stron: podgląd zablokowałby program na długo.

Zapisać go do pliku PDF?</source>
        <translation>В акте около %1 страниц: просмотр надолго заблокирует программу.

Сохранить его в PDF-файл?</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Экспорт PDF</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>Не удалось сохранить файл %1.</translation>
    </message>
    <message>
        <source>To nie jest skrót SHA-256: skrót ma 64 znaki 0-9 i a-f, tak jak w stopce protokołu.</source>
        <translation>Это не хеш SHA-256: хеш состоит из 64 символов 0-9 и a-f, как в колонтитуле акта.</translation>
    </message>
    <message>
        <source>Żaden zamknięty przegląd w tej bazie nie ma protokołu o tym skrócie.</source>
        <translation>Ни один закрытый визит в этой базе не имеет акта с этим хешем.</translation>
    </message>
    <message>
        <source>Skrót zgodny.</source>
        <translation>Хеш совпадает.</translation>
    </message>
    <message>
        <source>To %1.</source>
        <translation>Это %1.</translation>
    </message>
    <message>
        <source>Skrót potwierdza protokół, nie treść papierowej kopii: porównaj ją z podglądem protokołu albo sprawdź plik PDF.</source>
        <translation>Хеш подтверждает акт, но не содержимое бумажной копии: сравните её с просмотром акта или проверьте PDF-файл.</translation>
    </message>
    <message>
        <source>Nie udało się odczytać pliku PDF %1.</source>
        <translation>Не удалось прочитать PDF-файл %1.</translation>
    </message>
    <message>
        <source>Plik nie ma skrótu protokołu: nie jest to protokół zamkniętego przeglądu wydany przez program (projekt otwartego przeglądu nie ma skrótu).</source>
        <translation>В файле нет хеша акта: это не выданный программой акт закрытого визита (черновик открытого визита хеша не имеет).</translation>
    </message>
    <message>
        <source>Plik podaje skrót %1, którego nie ma żaden zamknięty przegląd w tej bazie.</source>
        <translation>Файл указывает хеш %1, которого нет ни у одного закрытого визита в этой базе.</translation>
    </message>
    <message>
        <source>Plik zgodny.</source>
        <translation>Файл совпадает.</translation>
    </message>
    <message>
        <source>To %1, taki jak zapisany przy zamknięciu przeglądu.</source>
        <translation>Это %1 в том виде, в каком он сохранён при закрытии визита.</translation>
    </message>
    <message>
        <source>Plik NIEZGODNY.</source>
        <translation>Файл НЕ совпадает.</translation>
    </message>
    <message>
        <source>Podaje się za %1, ale jego treść różni się od protokołu zapisanego przy zamknięciu: plik zmieniono (albo wydrukowano go inną wersją programu). Nie jest to wiarygodna kopia.</source>
        <translation>Он выдаёт себя за %1, но его содержимое отличается от акта, сохранённого при закрытии: файл изменён (или создан другой версией программы). Это не достоверная копия.</translation>
    </message>
</context>
<context>
    <name>RLA</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Модуль объявлен</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активен / неактивен</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>Реле PK%1 - режим работы</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>Реле PK%1 - критерий активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Реле PK%1 - T1 - задержка активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>Реле PK%1 - T2 - время активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>Реле PK%1 - T3 - время паузы активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>Реле PK%1 - число импульсов</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kontrola ciągłości</source>
        <translation>Реле PK%1 - контроль целостности</translation>
    </message>
    <message>
        <source>Przekaźnik nieaktywny
Wysterowanie na stałe, możliwość opóźnienia wysterowania – czas T1
Wysterowanie czasowe, czasy T1 i T2
Wysterowanie impulsowo – cykliczne: czasy T1, T2 i T3
Wysterowanie impulsowo – ilościowe Czasy T1, T2 i T3 
oraz liczba impulsów sterujących n 
Impuls kasujący o czasie trwania T2 z opóźnieniem
wysterowania TKA (dla kryterium wysterowania PK1: 1 - Alarm - ogólny Halvo)
(rys.6.7.5)
Wtórnik sygnału DW w przypadku kaskadowego 
łączenia Halvo B - jeden czujnik pogodowy wspólny
</source>
        <translation>Реле неактивно
Постоянная активация, возможна задержка активации – время T1
Активация на время, времена T1 и T2
Импульсно – циклическая активация: времена T1, T2 и T3
Импульсно – счётная активация: времена T1, T2 и T3 
и число управляющих импульсов n 
Импульс сброса длительностью T2 с задержкой
активации TKA (для критерия активации PK1: 1 - Тревога - общая Halvo)
(рис. 6.7.5)
Повторитель сигнала DW при каскадном 
соединении Halvo B - один общий погодный датчик
</translation>
    </message>
    <message>
        <source>0 – Brak. Przekaźnik nieaktywny
1 – Alarm - ogólny Halvo.
 Jakikolwiek alarm w Halvo, również z systemu Tarven A/B
2 – Alarm - wejście zewnętrzne.
 Alarm z systemu zewnętrznego np. Vardel
3 – Alarm – system Tarven A/B.
 Rozkaz z systemu nadrzędnego Tarven A/B
4 – Alarm - suma stref LNM.
 o najmniej 1 strefa LNM w alarmie – patrz poz. 22-29
5 – Alarm - iloczyn stref LNM.
 Co najmniej 2 strefy LNM w alarmie – patrz poz. 22-29
6 – Alarm - wejście zewnętrzne i/lub suma stref LNM.
 Alarm zewnętrzny lub/i co najmniej 
1 strefa LNM w alarmie – patrz poz. 22-29
7 – Alarm - wejście zewnętrzne 
i/lub iloczyn stref LNM
. Alarm zewnętrzny lub/i co najmniej 
2 strefy LNM w alarmie – patrz poz. 22-29
8 – Alarm - system Tarven A/B 
i/lub suma stref LNM.
 Rozkaz z systemu Tarven lub/i co najmniej 
1 strefa LNM w alarmie – patrz poz. 22-29
9 – Alarm - system Tarven A/B 
i/lub iloczyn stref LNM.
 Rozkaz z systemu Tarven lub/i co najmniej 
2 strefy LNM w alarmie – patrz poz. 22-29
10 – Aktywne przewietrzanie– patrz poz. 22-29
</source>
        <translation>0 – Нет. Реле неактивно
1 – Тревога - общая Halvo.
 Любая тревога в Halvo, в том числе от системы Tarven A/B
2 – Тревога - внешний вход.
 Тревога от внешней системы, напр. Vardel
3 – Тревога – система Tarven A/B.
 Команда от вышестоящей системы Tarven A/B
4 – Тревога - сумма зон LNM.
 Не менее 1 зоны LNM в тревоге – см. поз. 22-29
5 – Тревога - произведение зон LNM.
 Не менее 2 зон LNM в тревоге – см. поз. 22-29
6 – Тревога - внешний вход и/или сумма зон LNM.
 Внешняя тревога и/или не менее 
1 зоны LNM в тревоге – см. поз. 22-29
7 – Тревога - внешний вход 
и/или произведение зон LNM
. Внешняя тревога и/или не менее 
2 зон LNM в тревоге – см. поз. 22-29
8 – Тревога - система Tarven A/B 
и/или сумма зон LNM.
 Команда от системы Tarven и/или не менее 
1 зоны LNM в тревоге – см. поз. 22-29
9 – Тревога - система Tarven A/B 
и/или произведение зон LNM.
 Команда от системы Tarven и/или не менее 
2 зон LNM в тревоге – см. поз. 22-29
10 – Проветривание активно– см. поз. 22-29
</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania (rys 6.7.1)</source>
        <translation>Задержка активации (рис 6.7.1)</translation>
    </message>
    <message>
        <source>Czas wysterowania PK1 (rys 6.7.1)</source>
        <translation>Время активации PK1 (рис 6.7.1)</translation>
    </message>
    <message>
        <source>Czas przerwy wysterowania (rys 6.7.1)</source>
        <translation>Время паузы активации (рис 6.7.1)</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Число импульсов</translation>
    </message>
    <message>
        <source>Kontrola ciągłości obwodu wyjściowego przekaźnika</source>
        <translation>Контроль целостности выходной цепи реле</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>в разработке</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Задержка активации</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Время активации</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Контрольная линия LK%1 - режим работы</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - Czas Tk%1</source>
        <translation>Контрольная линия LK%1 - Время Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Время подтверждения срабатывания в режиме 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - зона LNM № %2</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO 4 – zadziałanie krańcówki </source>
        <translation>0 – НЕТ 1 – Общ. трев. 2 – тревога LDK 3 – тревога RPO 4 – срабатывание концевика </translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - czas TKA</source>
        <translation>Реле PK%1 - время TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Задержка выключения после сброса</translation>
    </message>
    <message>
        <source>RLA</source>
        <translation>RLA</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Модуль дополнительных реле</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- zwarcie</source>
        <translation>Контрольная линия LK1- КЗ</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- przerwa</source>
        <translation>Контрольная линия LK1- обрыв</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2- zwarcie</source>
        <translation>Контрольная линия LK2- КЗ</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2– przerwa</source>
        <translation>Контрольная линия LK2– обрыв</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 – brak ciągłości</source>
        <translation>Реле PK1 – нарушение целостности</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 – brak ciągłości</source>
        <translation>Реле PK2 – нарушение целостности</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 1 – zwarcie w trybie 4 i 5</source>
        <translation>Контрольная линия № 1 – КЗ в режимах 4 и 5</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 2 – zwarcie w trybie 4 i 5</source>
        <translation>Контрольная линия № 2 – КЗ в режимах 4 и 5</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – ошибка контрольной суммы</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версия ПО</translation>
    </message>
</context>
<context>
    <name>RLH</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Модуль объявлен</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Модуль активен/неактивен</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>Реле PK%1 - режим работы</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>Реле PK%1 - критерий активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Реле PK%1 - T1 - задержка активации</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Задержка активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>Реле PK%1 - T2 - время активации</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Время активации</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>Реле PK%1 - T3 - время паузы активации</translation>
    </message>
    <message>
        <source>Czas przerwy</source>
        <translation>Время паузы</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>Реле PK%1 - число импульсов</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Число импульсов</translation>
    </message>
    <message>
        <source>....</source>
        <translation>....</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>в разработке</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu ..</source>
        <translation>в разработке ..</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Контрольная линия LK%1 - режим работы</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - czas Tk%1</source>
        <translation>Контрольная линия LK%1 - время Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Время подтверждения срабатывания в режиме 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - зона LNM № %2</translation>
    </message>
    <message>
        <source>Al. ogólny LNM 6 – alarm z czujki (LDK) lub RPO</source>
        <translation>Общ. трев. LNM 6 – тревога от извещателя (LDK) или RPO</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TKA</source>
        <translation>Реле PK1 - время TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Задержка выключения после сброса</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TKA</source>
        <translation>Реле PK2 - время TKA</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TP[minuty]</source>
        <translation>Реле PK1 - время TP[минуты]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK1 [minuty]</source>
        <translation>Время, по истечении которого PK1 автоматически закроется [минуты]</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TP[minuty]</source>
        <translation>Реле PK2 - время TP[минуты]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK2 [minuty]</source>
        <translation>Время, по истечении которого PK2 автоматически закроется [минуты]</translation>
    </message>
    <message>
        <source>RLH</source>
        <translation>RLH</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Wysokonapięciowych</source>
        <translation>Модуль высоковольтных реле</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – zwarcie</source>
        <translation>Контрольная линия LK1 – КЗ</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – przerwa</source>
        <translation>Контрольная линия LK1 – обрыв</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – zwarcie</source>
        <translation>Контрольная линия LK2 – КЗ</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – przerwa</source>
        <translation>Контрольная линия LK2 – обрыв</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – ошибка контрольной суммы</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версия ПО</translation>
    </message>
</context>
<context>
    <name>RecordCsv</name>
    <message>
        <source>Lp</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Kod</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Usunięte</source>
        <translation>Удалено</translation>
    </message>
    <message>
        <source>Uszkodzenie</source>
        <translation>Неисправность</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>Сумма CRC</translation>
    </message>
</context>
<context>
    <name>RecordManagement</name>
    <message>
        <source>Eksport CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>Zapisz jako plik CSV dla arkusza kalkulacyjnego</source>
        <translation>Сохранить как файл CSV для электронной таблицы</translation>
    </message>
    <message>
        <source>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</source>
        <translation>Чтение из устройства уже идёт; дождитесь его окончания.</translation>
    </message>
    <message>
        <source>Filtr w zakładce pokazuje %1 z %2 wierszy.</source>
        <translation>Фильтр на вкладке показывает %1 из %2 строк.</translation>
    </message>
    <message>
        <source>Całość</source>
        <translation>Целиком</translation>
    </message>
    <message>
        <source>tylko widoczne wiersze</source>
        <translation>только видимые строки</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Eksport PDF</source>
        <translation>Экспорт PDF</translation>
    </message>
    <message>
        <source>Przygotowanie wydruku...</source>
        <translation>Подготовка к печати...</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Предварительный просмотр печати</translation>
    </message>
    <message>
        <source>Raport ma około %1 stron: podgląd tak długiego raportu zablokowałby program na długo.

Zapisać raport do pliku PDF? Plik można potem wydrukować w całości lub w części.</source>
        <translation>Отчёт содержит около %1 страниц: просмотр такого длинного отчёта надолго заблокировал бы программу.

Сохранить отчёт в файл PDF? Файл можно затем распечатать целиком или частично.</translation>
    </message>
    <message>
        <source>strona %1 z %2</source>
        <translation>страница %1 из %2</translation>
    </message>
    <message>
        <source>Wydruk</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Nie udało się wydrukować raportu:
%1</source>
        <translation>Не удалось напечатать отчёт:
%1</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku PDF %1:
%2</source>
        <translation>Не удалось сохранить PDF-файл %1:
%2</translation>
    </message>
    <message>
        <source>Raport ma %1 stron; wybrany zakres jest poza nim.</source>
        <translation>В отчёте %1 стр.; выбранный диапазон за его пределами.</translation>
    </message>
    <message>
        <source>Nie można rozpocząć wydruku.</source>
        <translation>Не удаётся начать печать.</translation>
    </message>
    <message>
        <source>Raport jest za długi, by go wydrukować w całości.</source>
        <translation>Отчёт слишком длинный, чтобы напечатать его полностью.</translation>
    </message>
    <message>
        <source>Tabeli raportu nie udało się podzielić na strony.</source>
        <translation>Не удалось разбить таблицу отчёта на страницы.</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1:
%2</source>
        <translation>Не удалось сохранить файл %1:
%2</translation>
    </message>
</context>
<context>
    <name>SCA</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Модуль объявлен</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активен / неактивен</translation>
    </message>
    <message>
        <source>Automatyczne ponawianie włączenia urządzeń alarmowych</source>
        <translation>Автоматическое повторное включение оповещателей</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T1</source>
        <translation>Зона %1 - Задержка тревоги 2 ступени - T1</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T2</source>
        <translation>Зона %1 - Задержка тревоги 2 ступени - T2</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas ewakuacji Tewak.</source>
        <translation>Зона %1 - Время эвакуации Tewak.</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas blokowania kasowania alarmu</source>
        <translation>Зона %1 - Время блокировки сброса тревоги</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1</source>
        <translation>Зона %1 - Индикация выпуска по сигналу в зоне %1</translation>
    </message>
    <message>
        <source>Strefa %1 - Wyładowanie do więcej niż 1 strefy</source>
        <translation>Зона %1 - Выпуск в более чем 1 зону</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1 </source>
        <translation>Зона %1 - Индикация выпуска по сигналу в зоне %1 </translation>
    </message>
    <message>
        <source>Strefa %1 - Wymagana liczba linii w stanie alarmowania - Grupa %2 koincydencji</source>
        <translation>Зона %1 - Требуемое число линий в состоянии тревоги - Группа %2 совпадения</translation>
    </message>
    <message>
        <source>Strefa %1 - Linia Dozorowa - L1%3 należy do grupy %2</source>
        <translation>Зона %1 - Шлейф сигнализации - L1%3 входит в группу %2</translation>
    </message>
    <message>
        <source>SCA</source>
        <translation>SCA</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Главный модуль управления</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 1</source>
        <translation>нет выхода огнетушащего вещества - зона 1</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 1</source>
        <translation>нет давления или массы - зона 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 1</source>
        <translation>системная неисправность - зона 1</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 1</source>
        <translation>неисправность питания - зона 1</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 2</source>
        <translation>нет выхода огнетушащего вещества - зона 2</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 2</source>
        <translation>нет давления или массы - зона 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 2</source>
        <translation>системная неисправность - зона 2</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 2</source>
        <translation>неисправность питания - зона 2</translation>
    </message>
    <message>
        <source>za duża rezystancja wewnętrzna akumulatorów</source>
        <translation>слишком высокое внутреннее сопротивление аккумуляторов</translation>
    </message>
    <message>
        <source>brak baterii akumulatorów</source>
        <translation>нет батареи аккумуляторов</translation>
    </message>
    <message>
        <source>brak zasilania sieciowego 230V</source>
        <translation>нет сетевого питания 230V</translation>
    </message>
    <message>
        <source>obnizenie napiecia akumulatorów</source>
        <translation>снижение напряжения аккумуляторов</translation>
    </message>
    <message>
        <source>doziemienie</source>
        <translation>замыкание на землю</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B0-Can.A,</source>
        <translation>неисправность 24V на шине B0-Can.A,</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B1-Can.B</source>
        <translation>неисправность 24V на шине B1-Can.B</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr1</source>
        <translation>нет питания за B=6,3A в SCB№1</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr2</source>
        <translation>нет питания за B=6,3A в SCB№2</translation>
    </message>
    <message>
        <source>moduł nr 1 nie odpowiada</source>
        <translation>модуль № 1 не отвечает</translation>
    </message>
    <message>
        <source>moduł nr 2 nie odpowiada</source>
        <translation>модуль № 2 не отвечает</translation>
    </message>
    <message>
        <source>moduł nr 3 nie odpowiada</source>
        <translation>модуль № 3 не отвечает</translation>
    </message>
    <message>
        <source>moduł nr 4 nie odpowiada</source>
        <translation>модуль № 4 не отвечает</translation>
    </message>
    <message>
        <source>moduł nr 5 nie odpowiada</source>
        <translation>модуль № 5 не отвечает</translation>
    </message>
    <message>
        <source>moduł nr 6 nie odpowiada</source>
        <translation>модуль № 6 не отвечает</translation>
    </message>
    <message>
        <source>moduł nr 7 nie odpowiada</source>
        <translation>модуль № 7 не отвечает</translation>
    </message>
    <message>
        <source>moduł nr 8 nie odpowiada</source>
        <translation>модуль № 8 не отвечает</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 1</source>
        <translation>системная неисправность модуля № 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 2</source>
        <translation>системная неисправность модуля № 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 3</source>
        <translation>системная неисправность модуля № 3</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 4</source>
        <translation>системная неисправность модуля № 4</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 5</source>
        <translation>системная неисправность модуля № 5</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 6</source>
        <translation>системная неисправность модуля № 6</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 7</source>
        <translation>системная неисправность модуля № 7</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 8</source>
        <translation>системная неисправность модуля № 8</translation>
    </message>
</context>
<context>
    <name>SCB</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>L%1 - Numer strefy</source>
        <translation>L%1 - Номер зоны</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja Linii kontrolnej</source>
        <translation>L%1 - Объявление контрольной линии</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Объявление контрольной линии</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - номер зоны</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja wyjścia/wejścia</source>
        <translation>L%1 - Объявление выхода/входа</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Funkcja wejścia</source>
        <translation>L%1 - Контрольная линия - Функция входа</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Stan</source>
        <translation>L%1 - Контрольная линия - Состояние</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Ilość stanów</source>
        <translation>L%1 - Контрольная линия - Число состояний</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie X</source>
        <translation>L%1 - Контрольная линия - Задержка X</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie Y</source>
        <translation>L%1 - Контрольная линия - Задержка Y</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Потенциальная линия - Группа выходов</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Потенциальная линия - Критерий 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Потенциальная линия - Критерий 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Потенциальная линия - Логика</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Потенциальная линия - Тип сигнала включения выхода</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Потенциальная линия - задержка срабатывания Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Потенциальная линия - задержка выключения Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Потенциальная линия - длительность импульса T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Потенциальная линия - длительность паузы T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Потенциальная линия - Число импульсов N-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Wstępne kasowanie</source>
        <translation>L%1 - Шлейф сигнализации - Предварительный сброс</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Opóźnienie</source>
        <translation>L%1 - Шлейф сигнализации - Задержка</translation>
    </message>
    <message>
        <source>SCB</source>
        <translation>SCB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Главный модуль управления</translation>
    </message>
    <message>
        <source>L%1 - przerwa</source>
        <translation>L%1 - обрыв</translation>
    </message>
    <message>
        <source>L%1 - zwarcie</source>
        <translation>L%1 - КЗ</translation>
    </message>
    <message>
        <source>L%1 - przeciążenie lub brak wysterowania</source>
        <translation>L%1 - перегрузка или нет активации</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L%1 - нет активного состояния X внеш. устр.</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L%1 - нет активного состояния Y внеш. устр.</translation>
    </message>
    <message>
        <source>L%1 - brak ciągłości obwodu styków PK %2</source>
        <translation>L%1 - нарушение целостности цепи контактов PK %2</translation>
    </message>
    <message>
        <source>L%1 - ---</source>
        <translation>L%1 - ---</translation>
    </message>
    <message>
        <source>L9 - brak stanu aktywnego Y</source>
        <translation>L9 - нет активного состояния Y</translation>
    </message>
    <message>
        <source>L12 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L12 - нет активного состояния Y внеш. устр. </translation>
    </message>
    <message>
        <source>L14 - brak stanu aktywnego Y urządz. zewn.  </source>
        <translation>L14 - нет активного состояния Y внеш. устр.  </translation>
    </message>
    <message>
        <source>L15 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L15 - нет активного состояния Y внеш. устр. </translation>
    </message>
    <message>
        <source>L17 - ---  </source>
        <translation>L17 - ---  </translation>
    </message>
    <message>
        <source>L18 - --  </source>
        <translation>L18 - --  </translation>
    </message>
    <message>
        <source>L19 - --- </source>
        <translation>L19 - --- </translation>
    </message>
    <message>
        <source>L20 - ---.</source>
        <translation>L20 - ---.</translation>
    </message>
    <message>
        <source>L20 - ---       </source>
        <translation>L20 - ---       </translation>
    </message>
</context>
<context>
    <name>SCC</name>
    <message>
        <source>SCC</source>
        <translation>SCC</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Главный модуль управления</translation>
    </message>
</context>
<context>
    <name>SCD</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - номер зоны</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Объявление контрольной линии</translation>
    </message>
    <message>
        <source>L%1 - Funkcja wejścia</source>
        <translation>L%1 - Функция входа</translation>
    </message>
    <message>
        <source>L%1 - Kryterium wysterowania</source>
        <translation>L%1 - Критерий активации</translation>
    </message>
    <message>
        <source>L%1 - Ilość stanów</source>
        <translation>L%1 - Число состояний</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie X</source>
        <translation>L%1 - Задержка X</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie Y</source>
        <translation>L%1 - Задержка Y</translation>
    </message>
    <message>
        <source>SCD</source>
        <translation>SCD</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Главный модуль управления</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - нарушение целостности цепи контактов PK 1</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania PK 1</source>
        <translation>L1 - перегрузка или нет активации PK 1</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - нарушение целостности цепи контактов PK 2</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania PK 2</source>
        <translation>L2 - перегрузка или нет активации PK 2</translation>
    </message>
    <message>
        <source>L3 - przerwa LK 1</source>
        <translation>L3 - обрыв LK 1</translation>
    </message>
    <message>
        <source>L3 - zwarcie LK 1</source>
        <translation>L3 - КЗ LK 1</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L3 - нет активного состояния X внеш. устр.</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L3 - нет активного состояния Y внеш. устр.</translation>
    </message>
    <message>
        <source>L4 - przerwa LK 2</source>
        <translation>L4 - обрыв LK 2</translation>
    </message>
    <message>
        <source>L4 - zwarcie LK 2</source>
        <translation>L4 - КЗ LK 2</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L4 - нет активного состояния X внеш. устр.</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L4 - нет активного состояния Y внеш. устр.</translation>
    </message>
    <message>
        <source>L5 - przerwa</source>
        <translation>L5 - обрыв</translation>
    </message>
    <message>
        <source>L5 - zwarcie</source>
        <translation>L5 - КЗ</translation>
    </message>
    <message>
        <source>L5 - przeciążenie lub brak wysterowania</source>
        <translation>L5 - перегрузка или нет активации</translation>
    </message>
    <message>
        <source>L6 - przerwa</source>
        <translation>L6 - обрыв</translation>
    </message>
    <message>
        <source>L6 - zwarcie</source>
        <translation>L6 - КЗ</translation>
    </message>
    <message>
        <source>L6 - przeciążenie lub brak wysterowania</source>
        <translation>L6 - перегрузка или нет активации</translation>
    </message>
</context>
<context>
    <name>SCE</name>
    <message>
        <source>SCE</source>
        <translation>SCE</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Главный модуль управления</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - нарушение целостности цепи контактов PK 1</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - перегрузка или нет активации</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - нарушение целостности цепи контактов PK 2</translation>
    </message>
    <message>
        <source>L3 - brak ciągłości obwodu styków PK 3</source>
        <translation>L3 - нарушение целостности цепи контактов PK 3</translation>
    </message>
    <message>
        <source>L4 - brak ciągłości obwodu styków PK 4</source>
        <translation>L4 - нарушение целостности цепи контактов PK 4</translation>
    </message>
    <message>
        <source>L2 - brak wysterowania</source>
        <translation>L2 - нет активации</translation>
    </message>
</context>
<context>
    <name>SCF</name>
    <message>
        <source>SCF</source>
        <translation>SCF</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Главный модуль управления</translation>
    </message>
</context>
<context>
    <name>SCG</name>
    <message>
        <source>SCG</source>
        <translation>SCG</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Главный модуль управления</translation>
    </message>
    <message>
        <source>L1 - przerwa</source>
        <translation>L1 - обрыв</translation>
    </message>
    <message>
        <source>L1 - zwarcie</source>
        <translation>L1 - КЗ</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania</source>
        <translation>L1 - перегрузка или нет активации</translation>
    </message>
    <message>
        <source>L2 - przerwa</source>
        <translation>L2 - обрыв</translation>
    </message>
    <message>
        <source>L2 - zwarcie</source>
        <translation>L2 - КЗ</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - перегрузка или нет активации</translation>
    </message>
    <message>
        <source>L3 - przerwa</source>
        <translation>L3 - обрыв</translation>
    </message>
    <message>
        <source>L3 - zwarcie</source>
        <translation>L3 - КЗ</translation>
    </message>
    <message>
        <source>L3 - przeciążenie lub brak wysterowania</source>
        <translation>L3 - перегрузка или нет активации</translation>
    </message>
    <message>
        <source>L4 - przerwa</source>
        <translation>L4 - обрыв</translation>
    </message>
    <message>
        <source>L4 - zwarcie</source>
        <translation>L4 - КЗ</translation>
    </message>
    <message>
        <source>L4 - przeciążenie lub brak wysterowania</source>
        <translation>L4 - перегрузка или нет активации</translation>
    </message>
</context>
<context>
    <name>ServiceManagement</name>
    <message>
        <source>Serwis</source>
        <translation>Сервис</translation>
    </message>
    <message>
        <source>Funkcje serwisowe</source>
        <translation>Сервисные функции</translation>
    </message>
    <message>
        <source>Wyczyść rejestr zdarzeń</source>
        <translation>Очистить журнал событий</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Инфо</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Данные успешно отправлены.</translation>
    </message>
    <message>
        <source>czyszczenie rejestru zdarzeń</source>
        <translation>очистка журнала событий</translation>
    </message>
    <message>
        <source>Nie wiadomo, czy centrala wykonała polecenie.</source>
        <translation>Неизвестно, выполнил ли прибор команду.</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń sprzed wyczyszczenia zapisano jako %1.</source>
        <translation>Журнал событий до очистки сохранён как %1.</translation>
    </message>
    <message>
        <source>Odczytaj, zapisz i wyczyść</source>
        <translation>Считать, сохранить и очистить</translation>
    </message>
    <message>
        <source>Wyczyść bez odczytu</source>
        <translation>Очистить без чтения</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń w centrali zostanie skasowany i nie da się go odtworzyć.

„Odczytaj, zapisz i wyczyść” najpierw odczytuje rejestr i zapisuje go w bazie danych; centrala jest czyszczona dopiero po zapisaniu.</source>
        <translation>Журнал событий в приборе будет очищен, и восстановить его будет невозможно.

«Считать, сохранить и очистить» сначала считывает журнал и сохраняет его в базе данных; прибор очищается только после сохранения.</translation>
    </message>
    <message>
        <source>Rejestru zdarzeń nie odczytano, więc nie został wyczyszczony.</source>
        <translation>Журнал событий не был считан, поэтому он не очищен.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać rejestru zdarzeń w bazie danych. Rejestru w centrali nie wyczyszczono.</source>
        <translation>Не удалось сохранить журнал событий в базе данных. Журнал в приборе не очищен.</translation>
    </message>
    <message>
        <source>odczyt rejestru zdarzeń przed wyczyszczeniem</source>
        <translation>чтение журнала событий перед очисткой</translation>
    </message>
    <message>
        <source>sprawdzenie, czy centrala nie dopisała zdarzeń</source>
        <translation>проверка, не записал ли прибор новых событий</translation>
    </message>
    <message>
        <source>Centrala dopisywała zdarzenia w trakcie każdego z %1 odczytów. Wszystkie odczyty zapisano (%2), ale rejestru w centrali nie wyczyszczono. Spróbuj ponownie za chwilę.</source>
        <translation>Прибор записывал события во время каждого из %1 чтений. Все чтения сохранены (%2), но журнал событий прибора не очищен. Повторите попытку через минуту.</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Nie</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>%1g:%2m:%3s</source>
        <translation>%1h:%2m:%3s</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1m</translation>
    </message>
    <message>
        <source>Zakres: %1 – %2</source>
        <translation>Диапазон: %1 – %2</translation>
    </message>
    <message>
        <source>Zakres: pozycje listy od 0 do %1</source>
        <translation>Диапазон: позиции списка от 0 до %1</translation>
    </message>
</context>
<context>
    <name>SettingDelegate</name>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Да</translation>
    </message>
</context>
<context>
    <name>SoftwareManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Считать</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Считать с устройства</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Usunięcie wersji oprogramowania</source>
        <translation>Удаление версий ПО</translation>
    </message>
    <message>
        <source>Usunięcie wersji o nazwie: %1</source>
        <translation>Удаление версий с именем: %1</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>Сумма CRC</translation>
    </message>
    <message>
        <source>Oprogramowanie Ostrel: %1</source>
        <translation>ПО Ostrel: %1</translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>№</translation>
    </message>
    <message>
        <source>Suma</source>
        <translation>Контр. сумма</translation>
    </message>
    <message>
        <source>odczyt wersji oprogramowania</source>
        <translation>чтение версий ПО</translation>
    </message>
    <message>
        <source>Czy usunąć wersje oprogramowania %1?</source>
        <translation>Удалить версии ПО %1?</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Folder nie istnieje i nie można go utworzyć.</source>
        <translation>Папка не существует, и создать её не удаётся.</translation>
    </message>
    <message>
        <source>W miejscu pliku %1 jest folder.</source>
        <translation>На месте файла %1 находится папка.</translation>
    </message>
    <message>
        <source>Brak prawa zapisu w tym folderze. Folder programu (na przykład w Program Files) nie nadaje się na dane: uruchom program ze skrótu w menu Start albo z folderu, w którym można zapisywać.</source>
        <translation>Нет права записи в эту папку. Папка программы (например, в Program Files) не подходит для данных: запустите программу ярлыком из меню «Пуск» или из папки, в которую можно записывать.</translation>
    </message>
    <message>
        <source>Plik %1 jest uszkodzony albo nie jest bazą danych programu.</source>
        <translation>Файл %1 повреждён или не является базой данных программы.</translation>
    </message>
    <message>
        <source>Nie udało się utworzyć pliku %1. %2</source>
        <translation>Не удалось создать файл %1. %2</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Конфигуратор Ostrel</translation>
    </message>
    <message>
        <source>Nie można otworzyć bazy danych programu w folderze:
%1

%2

Program zostanie zamknięty.</source>
        <translation>Не удаётся открыть базу данных программы в папке:
%1

%2

Программа будет закрыта.</translation>
    </message>
</context>
<context>
    <name>TimeManagement</name>
    <message>
        <source>Data i czas</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Aktualna data i czas w centrali</source>
        <translation>Текущие дата и время в приборе</translation>
    </message>
    <message>
        <source>Odczytaj datę i czas z centrali</source>
        <translation>Считать дату и время с прибора</translation>
    </message>
    <message>
        <source>Automatyczna zmiana czasu LATO/ZIMA</source>
        <translation>Автоматический переход на ЛЕТНЕЕ/ЗИМНЕЕ время</translation>
    </message>
    <message>
        <source>Moment pobrania czasu:</source>
        <translation>Момент считывания времени:</translation>
    </message>
    <message>
        <source>Ustaw datę i czas w centrali</source>
        <translation>Установить дату и время в приборе</translation>
    </message>
    <message>
        <source>Wyślij podaną datę i czas do centrali</source>
        <translation>Отправить указанные дату и время в прибор</translation>
    </message>
    <message>
        <source>Wyślij czas z komputer</source>
        <translation>Отправить время компьютера</translation>
    </message>
    <message>
        <source>Nieprawidłowa data</source>
        <translation>Неверная дата</translation>
    </message>
    <message>
        <source>odczyt lub ustawienie zegara</source>
        <translation>чтение или установка часов</translation>
    </message>
    <message>
        <source>włączona</source>
        <translation>включён</translation>
    </message>
    <message>
        <source>wyłączona</source>
        <translation>выключен</translation>
    </message>
    <message>
        <source>Centrala ma teraz datę i czas %1, automatyczna zmiana czasu LATO/ZIMA: %2.</source>
        <translation>В приборе теперь установлены дата и время %1, автоматический переход на ЛЕТНЕЕ/ЗИМНЕЕ время: %2.</translation>
    </message>
    <message>
        <source>bieżący czas komputera (teraz %1)</source>
        <translation>текущее время компьютера (сейчас %1)</translation>
    </message>
    <message>
        <source>Ustawić w centrali datę i czas: %1, automatyczna zmiana czasu LATO/ZIMA: %2?</source>
        <translation>Установить в приборе дату и время: %1, автоматический переход на ЛЕТНЕЕ/ЗИМНЕЕ время: %2?</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>Czas</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Kierunek</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Polecenie</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Długość</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>Ramka</source>
        <translation>Кадр</translation>
    </message>
    <message>
        <source>PC → centrala</source>
        <translation>ПК → прибор</translation>
    </message>
    <message>
        <source>centrala → PC</source>
        <translation>прибор → ПК</translation>
    </message>
    <message>
        <source>%1 (błędne CRC)</source>
        <translation>%1 (неверная CRC)</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>Nic nie zostało zapisane.</source>
        <translation>Ничего не сохранено.</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Przerywa tę operację; nic z niej nie zostanie zapisane</source>
        <translation>Прерывает эту операцию; ничего из неё не будет сохранено</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>oczekiwanie na odpowiedź…</source>
        <translation>ожидание ответа…</translation>
    </message>
    <message>
        <source>część %1 z %2</source>
        <translation>часть %1 из %2</translation>
    </message>
    <message>
        <source>wpisów: %1</source>
        <translation>записей: %1</translation>
    </message>
    <message>
        <source>pozostało ok. %1</source>
        <translation>осталось ок. %1</translation>
    </message>
    <message>
        <source>Anulowano: %1. Nic nie zostało zapisane.</source>
        <translation>Отменено: %1. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>Urządzenie nie odpowiada</source>
        <translation>Устройство не отвечает</translation>
    </message>
    <message>
        <source>Brak odpowiedzi na %1 po trzech próbach. Sprawdź kabel i zasilanie centrali.</source>
        <translation>Нет ответа на запрос (%1) после трёх попыток. Проверьте кабель и питание прибора.</translation>
    </message>
    <message>
        <source>Połączenie z urządzeniem zostało przerwane (%1)</source>
        <translation>Подключение к устройству прервано (%1)</translation>
    </message>
    <message>
        <source>Port został zamknięty.</source>
        <translation>Порт закрыт.</translation>
    </message>
    <message>
        <source>Przyczyna: %1.</source>
        <translation>Причина: %1.</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Конфигуратор Ostrel</translation>
    </message>
    <message>
        <source>Nieoczekiwana odpowiedź urządzenia na %1</source>
        <translation>Неожиданный ответ прибора на %1</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>WĘZEŁ</source>
        <translation>УЗЕЛ</translation>
    </message>
    <message>
        <source>WARTOŚĆ</source>
        <translation>ЗНАЧЕНИЕ</translation>
    </message>
    <message>
        <source>OPIS</source>
        <translation>ОПИСАНИЕ</translation>
    </message>
    <message>
        <source>ACTIVE MODULE %1</source>
        <translation>АКТИВНЫЙ МОДУЛЬ %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Wartość %1 jest poza zakresem.</source>
        <translation>Значение %1 вне диапазона.</translation>
    </message>
</context>
<context>
    <name>USBManager</name>
    <message>
        <source>NoError</source>
        <translation>NoError</translation>
    </message>
    <message>
        <source>DeviceNotFoundError</source>
        <translation>DeviceNotFoundError</translation>
    </message>
    <message>
        <source>PermissionError</source>
        <translation>PermissionError</translation>
    </message>
    <message>
        <source>OpenError</source>
        <translation>OpenError</translation>
    </message>
    <message>
        <source>ParityError</source>
        <translation>ParityError</translation>
    </message>
    <message>
        <source>FramingError</source>
        <translation>FramingError</translation>
    </message>
    <message>
        <source>BreakConditionError</source>
        <translation>BreakConditionError</translation>
    </message>
    <message>
        <source>WriteError</source>
        <translation>WriteError</translation>
    </message>
    <message>
        <source>ReadError</source>
        <translation>ReadError</translation>
    </message>
    <message>
        <source>ResourceError</source>
        <translation>ResourceError</translation>
    </message>
    <message>
        <source>UnsupportedOperationError</source>
        <translation>UnsupportedOperationError</translation>
    </message>
    <message>
        <source>UnknownError</source>
        <translation>UnknownError</translation>
    </message>
    <message>
        <source>TimeoutError</source>
        <translation>TimeoutError</translation>
    </message>
    <message>
        <source>NotOpenError</source>
        <translation>NotOpenError</translation>
    </message>
    <message>
        <source>Port został otwarty. Próba komunikacji z urządzeniem na porcie </source>
        <translation>Порт открыт. Попытка связи с устройством на порту </translation>
    </message>
    <message>
        <source>Brak odpowiedzi na ramkę. Ponowna próba połączenia...</source>
        <translation>Нет ответа на кадр. Повторная попытка подключения...</translation>
    </message>
    <message>
        <source>nie znaleziono urządzenia na tym porcie</source>
        <translation>на этом порту не найдено устройство</translation>
    </message>
    <message>
        <source>brak dostępu do portu (może używa go inny program)</source>
        <translation>нет доступа к порту (возможно, его использует другая программа)</translation>
    </message>
    <message>
        <source>port jest już otwarty przez inny program</source>
        <translation>порт уже открыт другой программой</translation>
    </message>
    <message>
        <source>błąd parzystości na łączu</source>
        <translation>ошибка чётности на линии</translation>
    </message>
    <message>
        <source>błąd ramki na łączu (zakłócenia lub zła prędkość)</source>
        <translation>ошибка кадра на линии (помехи или неверная скорость)</translation>
    </message>
    <message>
        <source>przerwa w linii transmisyjnej</source>
        <translation>обрыв линии передачи</translation>
    </message>
    <message>
        <source>nie można wysłać danych do portu</source>
        <translation>невозможно отправить данные в порт</translation>
    </message>
    <message>
        <source>nie można odczytać danych z portu (kabel odłączony?)</source>
        <translation>невозможно прочитать данные из порта (кабель отсоединён?)</translation>
    </message>
    <message>
        <source>port zniknął: kabel USB odłączony lub centrala wyłączona</source>
        <translation>порт исчез: кабель USB отсоединён или прибор выключен</translation>
    </message>
    <message>
        <source>port nie obsługuje tej operacji</source>
        <translation>порт не поддерживает эту операцию</translation>
    </message>
    <message>
        <source>nieznany błąd portu</source>
        <translation>неизвестная ошибка порта</translation>
    </message>
    <message>
        <source>przekroczony czas operacji na porcie</source>
        <translation>истекло время ожидания операции на порту</translation>
    </message>
    <message>
        <source>port nie jest otwarty</source>
        <translation>порт не открыт</translation>
    </message>
    <message>
        <source>%1 odrzucił połączenie: serwer portu nie nasłuchuje na tym porcie albo obsługuje już innego klienta</source>
        <translation>%1 отклонил подключение: сервер порта не прослушивает этот порт или уже обслуживает другого клиента</translation>
    </message>
    <message>
        <source>%1 nie odpowiada od 5 s: sprawdź adres, połączenie VPN i zaporę sieciową</source>
        <translation>%1 не отвечает уже 5 s: проверьте адрес, VPN-подключение и сетевой экран</translation>
    </message>
    <message>
        <source>Nie znaleziono komputera %1: sprawdź nazwę lub adres</source>
        <translation>Компьютер %1 не найден: проверьте имя или адрес</translation>
    </message>
    <message>
        <source>Serwer portu %1 zamknął połączenie (centrala odłączona od serwera lub serwer wyłączony)</source>
        <translation>Сервер порта %1 закрыл соединение (прибор отключён от сервера или сервер выключен)</translation>
    </message>
    <message>
        <source>Błąd połączenia sieciowego z %1 (kod %2)</source>
        <translation>Ошибка сетевого подключения к %1 (код %2)</translation>
    </message>
    <message>
        <source>Port zamknięty: %1</source>
        <translation>Порт закрыт: %1</translation>
    </message>
    <message>
        <source>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</source>
        <translation>Чтение из прибора уже выполняется; дождитесь его окончания.</translation>
    </message>
    <message>
        <source>Centrala odpowiedziała poleceniem %1 zamiast %2.</source>
        <translation>Прибор ответил командой %1 вместо %2.</translation>
    </message>
</context>
<context>
    <name>Uszkodzenia</name>
    <message>
        <source>Uszkodzenia Ostrel: %1</source>
        <translation>Неисправности Ostrel: %1</translation>
    </message>
</context>
<context>
    <name>VisitReport</name>
    <message>
        <source>brak</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Moduły centrali</source>
        <translation>Модули прибора</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версия ПО</translation>
    </message>
    <message>
        <source>nie odczytano</source>
        <translation>не считано</translation>
    </message>
    <message>
        <source>Uszkodzenie</source>
        <translation>Неисправность</translation>
    </message>
    <message>
        <source>brak danych do porównania</source>
        <translation>нет данных для сравнения</translation>
    </message>
    <message>
        <source>bez zmian</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>moduł usunięty</source>
        <translation>модуль удалён</translation>
    </message>
    <message>
        <source>moduł dodany</source>
        <translation>модуль добавлен</translation>
    </message>
    <message>
        <source>Ustawienie</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Przed</source>
        <translation>До</translation>
    </message>
    <message>
        <source>Po</source>
        <translation>После</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Liczba</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń</source>
        <translation>Журнал событий</translation>
    </message>
    <message>
        <source>Uszkodzenia aktywne według rejestru</source>
        <translation>Активные неисправности по журналу</translation>
    </message>
    <message>
        <source>Lp</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Załącznik: pełny rejestr zdarzeń</source>
        <translation>Приложение: полный журнал событий</translation>
    </message>
    <message>
        <source>Sprawdzenie</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Sposób</source>
        <translation>Метод</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Требование</translation>
    </message>
    <message>
        <source>Pomiar</source>
        <translation>Измерение</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Akumulatory</source>
        <translation>Аккумуляторы</translation>
    </message>
    <message>
        <source>Okres eksploatacji akumulatorów w latach: %1.</source>
        <translation>Срок службы аккумуляторов в годах: %1.</translation>
    </message>
    <message>
        <source>Marka i typ</source>
        <translation>Марка и тип</translation>
    </message>
    <message>
        <source>Pojemność [Ah]</source>
        <translation>Ёмкость [Ah]</translation>
    </message>
    <message>
        <source>Kod daty</source>
        <translation>Код даты</translation>
    </message>
    <message>
        <source>Montaż</source>
        <translation>Установка</translation>
    </message>
    <message>
        <source>Napięcie [V]</source>
        <translation>Напряжение [V]</translation>
    </message>
    <message>
        <source>Rezystancja [mΩ]</source>
        <translation>Сопротивление [mΩ]</translation>
    </message>
    <message>
        <source>Wymiana do</source>
        <translation>Замена до</translation>
    </message>
    <message>
        <source>(termin minął)</source>
        <translation>(срок истёк)</translation>
    </message>
    <message>
        <source>(wymiana w ciągu 90 dni)</source>
        <translation>(замена в течение 90 дней)</translation>
    </message>
    <message>
        <source>Autotest i kalibracja</source>
        <translation>Автотест и калибровка</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Zakres</source>
        <translation>Диапазон</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>autotest</source>
        <translation>автотест</translation>
    </message>
    <message>
        <source>kalibracja</source>
        <translation>калибровка</translation>
    </message>
    <message>
        <source>%1 s (czas centrali minus czas komputera)</source>
        <translation>%1 s (время прибора минус время компьютера)</translation>
    </message>
    <message>
        <source>Protokół serwisowy nr %1</source>
        <translation>Акт сервисного обслуживания № %1</translation>
    </message>
    <message>
        <source>Identyfikator</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Компания</translation>
    </message>
    <message>
        <source>Technik</source>
        <translation>Техник</translation>
    </message>
    <message>
        <source>Rodzaj wizyty</source>
        <translation>Тип визита</translation>
    </message>
    <message>
        <source>Rozpoczęcie</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Zakończenie</source>
        <translation>Окончание</translation>
    </message>
    <message>
        <source>wizyta otwarta</source>
        <translation>визит открыт</translation>
    </message>
    <message>
        <source>Obiekt i centrala</source>
        <translation>Объект и прибор</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Объект</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Właściciel / zarządca</source>
        <translation>Владелец / управляющий</translation>
    </message>
    <message>
        <source>Osoba kontaktowa</source>
        <translation>Контактное лицо</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Miejsce montażu</source>
        <translation>Место установки</translation>
    </message>
    <message>
        <source>Numer fabryczny</source>
        <translation>Заводской номер</translation>
    </message>
    <message>
        <source>Data instalacji</source>
        <translation>Дата монтажа</translation>
    </message>
    <message>
        <source>Zegar centrali</source>
        <translation>Часы прибора</translation>
    </message>
    <message>
        <source>Odchyłka zegara</source>
        <translation>Отклонение часов</translation>
    </message>
    <message>
        <source>Zegar ustawiony</source>
        <translation>Часы установлены</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>да</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Uszkodzenia przy odjeździe</source>
        <translation>Неисправности при отъезде</translation>
    </message>
    <message>
        <source>Odczyt pominięto: %1</source>
        <translation>Чтение пропущено: %1</translation>
    </message>
    <message>
        <source>Zmiany konfiguracji podczas wizyty</source>
        <translation>Изменения конфигурации во время визита</translation>
    </message>
    <message>
        <source>Zmiany konfiguracji od poprzedniej wizyty</source>
        <translation>Изменения конфигурации с предыдущего визита</translation>
    </message>
    <message>
        <source>brak poprzedniej wizyty</source>
        <translation>предыдущего визита нет</translation>
    </message>
    <message>
        <source>Poprzednia wizyta: %1, %2.</source>
        <translation>Предыдущий визит: %1, %2.</translation>
    </message>
    <message>
        <source>Wynik wizyty</source>
        <translation>Результат визита</translation>
    </message>
    <message>
        <source>Ustalenia</source>
        <translation>Выводы</translation>
    </message>
    <message>
        <source>Zalecenia</source>
        <translation>Рекомендации</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>nie wystawiono</source>
        <translation>не выставлена</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Следующее ТО</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Акт</translation>
    </message>
    <message>
        <source>Moduł adresowy</source>
        <translation>Адресный модуль</translation>
    </message>
    <message>
        <source>Moduł przekaźników i linii</source>
        <translation>Модуль реле и линий</translation>
    </message>
    <message>
        <source>Moduł wyjść potencjałowych</source>
        <translation>Модуль потенциальных выходов</translation>
    </message>
    <message>
        <source>Moduł przekaźników</source>
        <translation>Модуль реле</translation>
    </message>
    <message>
        <source>Moduł sterowania liniami i przekaźnikami</source>
        <translation>Модуль управления линиями и реле</translation>
    </message>
    <message>
        <source>Moduł sterowania gaszeniem</source>
        <translation>Модуль управления пожаротушением</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Неисправности</translation>
    </message>
    <message>
        <source>Stwierdzone przy przyjeździe i usunięte</source>
        <translation>Обнаружены при приезде и устранены</translation>
    </message>
    <message>
        <source>bez odczytu przy odjeździe: stwierdzone przy przyjeździe</source>
        <translation>без считывания при отъезде: обнаружены при приезде</translation>
    </message>
    <message>
        <source>Pozostające przy odjeździe</source>
        <translation>Остающиеся при отъезде</translation>
    </message>
    <message>
        <source>Usterki stwierdzone podczas sprawdzeń</source>
        <translation>Дефекты, обнаруженные при проверках</translation>
    </message>
    <message>
        <source>pozostałe (%1)</source>
        <translation>прочие (%1)</translation>
    </message>
    <message>
        <source>razem</source>
        <translation>итого</translation>
    </message>
    <message>
        <source>Brak poprzedniej wizyty: zdarzenia od początku rejestru, %1 wpisów.</source>
        <translation>Предыдущего визита нет: события с начала журнала, записей: %1.</translation>
    </message>
    <message>
        <source>Zdarzenia od poprzedniej wizyty %1 (rejestr był wtedy pusty): %2 z %3 wpisów.</source>
        <translation>События с предыдущего визита %1 (журнал тогда был пуст): %2 из %3 записей.</translation>
    </message>
    <message>
        <source>Zdarzenia od poprzedniej wizyty %1, po wpisie nr %2 — ostatnim odczytanym przy tamtej wizycie: %3 z %4 wpisów.</source>
        <translation>События с предыдущего визита %1, после записи № %2 — последней считанной при том визите: %3 из %4 записей.</translation>
    </message>
    <message>
        <source>Pominięto wpisy zapisane jeszcze w czasie tamtej wizyty (odczyt przy odjeździe, ustawienie zegara): %1.</source>
        <translation>Пропущены записи, сделанные ещё во время того визита (считывание при отъезде, установка часов): %1.</translation>
    </message>
    <message>
        <source>Rejestr wyczyszczony od poprzedniej wizyty %1: wpisu odczytanego przy tamtej wizycie już w nim nie ma. Liczone są wszystkie wpisy: %2.</source>
        <translation>Журнал очищен после предыдущего визита %1: записи, считанной при том визите, в нём больше нет. Учитываются все записи: %2.</translation>
    </message>
    <message>
        <source>Od poprzedniej wizyty %1 przybyło więcej wpisów, niż mieści rejestr: wpis odczytany przy tamtej wizycie został nadpisany. Liczone są wszystkie wpisy: %2.</source>
        <translation>После предыдущего визита %1 добавилось больше записей, чем вмещает журнал: запись, считанная при том визите, перезаписана. Учитываются все записи: %2.</translation>
    </message>
    <message>
        <source>zegar ustawiono wtedy na czas komputera, przyjęto odchyłkę 0 s</source>
        <translation>часы тогда установлены по времени компьютера, принято отклонение 0 с</translation>
    </message>
    <message>
        <source>przyjęto odchyłkę zegara zmierzoną wtedy: %1 s</source>
        <translation>принято отклонение часов, измеренное тогда: %1 с</translation>
    </message>
    <message>
        <source>odchyłki zegara wtedy nie zmierzono, przyjęto 0 s</source>
        <translation>отклонение часов тогда не измерялось, принято 0 с</translation>
    </message>
    <message>
        <source>Poprzednia wizyta %1 nie odczytała rejestru, więc zdarzenia liczone są wg zegara centrali: wpisy późniejsze niż %2 (koniec tamtej wizyty; %3): %4 z %5 wpisów.</source>
        <translation>Предыдущий визит %1 не считывал журнал, поэтому события считаются по часам прибора: записи позже %2 (конец того визита; %3): %4 из %5 записей.</translation>
    </message>
    <message>
        <source>Rodzaj zdarzeń</source>
        <translation>Вид событий</translation>
    </message>
    <message>
        <source>Najwięcej wpisów według modułu</source>
        <translation>Больше всего записей по модулям</translation>
    </message>
    <message>
        <source>Najczęstsze zdarzenia</source>
        <translation>Наиболее частые события</translation>
    </message>
    <message>
        <source>Rejestr odczytany przy tej wizycie: %1 wpisów, SHA-256 jego bajtów: %2.</source>
        <translation>Журнал, считанный при этом визите: записей %1, SHA-256 его байтов: %2.</translation>
    </message>
    <message>
        <source>nie sprawdzono</source>
        <translation>не проверено</translation>
    </message>
    <message>
        <source>Zakres przeglądu i wyniki sprawdzeń</source>
        <translation>Объём работ и результаты проверок</translation>
    </message>
    <message>
        <source>Sprawdzenia ogólne</source>
        <translation>Общие проверки</translation>
    </message>
    <message>
        <source>Sprawdzenia modułów centrali</source>
        <translation>Проверки модулей прибора</translation>
    </message>
    <message>
        <source>Urządzenia w obiekcie (sprawdzone albo wyłączone z zakresu, z powodem w uwagach)</source>
        <translation>Устройства на объекте (проверены или исключены из объёма, причина в примечаниях)</translation>
    </message>
    <message>
        <source>Próba pojemności / obciążenia</source>
        <translation>Проверка ёмкости / нагрузки</translation>
    </message>
    <message>
        <source>wymaganie spełnione</source>
        <translation>требование выполнено</translation>
    </message>
    <message>
        <source>wymaganie NIESPEŁNIONE</source>
        <translation>требование НЕ выполнено</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów</source>
        <translation>Требуемое время работы от аккумуляторов</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów</source>
        <translation>Полученное время работы от аккумуляторов</translation>
    </message>
    <message>
        <source>PRZEGLĄD ANULOWANY (powód: %1). Protokołu nie wystawiono.</source>
        <translation>ВИЗИТ ОТМЕНЁН (причина: %1). Акт не выдан.</translation>
    </message>
    <message>
        <source>Projekt protokołu: przegląd jest otwarty, projekt nie ma skrótu. Skrót nadaje zamknięcie przeglądu.</source>
        <translation>Черновик акта: визит открыт, у черновика нет хеша. Хеш присваивается при закрытии визита.</translation>
    </message>
    <message>
        <source>Skrót SHA-256 w stopce każdej strony obejmuje całą treść tego protokołu (bez załącznika z pełnym rejestrem zdarzeń, którego bajty opisuje skrót w części „Rejestr zdarzeń”). Sprawdzenie: Konfigurator Ostrel, karta „Przeglądy”, przycisk „Sprawdź protokół”: wskaż plik PDF albo wpisz skrót ze stopki. Program podaje, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</source>
        <translation>Хеш SHA-256 в нижнем колонтитуле каждой страницы охватывает всё содержимое этого акта (без приложения с полным журналом событий, байты которого описывает хеш в разделе «Журнал событий»). Проверка: Конфигуратор Ostrel, вкладка «Сервисные визиты», кнопка «Проверить акт»: укажите PDF-файл или введите хеш из колонтитула. Программа сообщит, к какому визиту относится акт и совпадает ли он с сохранённым при закрытии.</translation>
    </message>
    <message>
        <source>urządzenie dopuszczone do dalszej eksploatacji</source>
        <translation>устройство допущено к дальнейшей эксплуатации</translation>
    </message>
    <message>
        <source>urządzenie niedopuszczone do dalszej eksploatacji</source>
        <translation>устройство не допущено к дальнейшей эксплуатации</translation>
    </message>
    <message>
        <source>Obiekt / centrala</source>
        <translation>Объект / прибор</translation>
    </message>
    <message>
        <source>Wynik przeglądu</source>
        <translation>Результат визита</translation>
    </message>
    <message>
        <source>Orzeczenie</source>
        <translation>Заключение</translation>
    </message>
    <message>
        <source>Podstawa</source>
        <translation>Основание</translation>
    </message>
    <message>
        <source>przegląd okresowy wykonywany co najmniej raz w roku zgodnie z rozporządzeniem Ministra Spraw Wewnętrznych i Administracji z dnia 7 czerwca 2010 r. w sprawie ochrony przeciwpożarowej budynków, innych obiektów budowlanych i terenów (§ 3 ust. 3) oraz z instrukcją serwisową producenta</source>
        <translation>периодическое обслуживание не реже одного раза в год согласно распоряжению министра внутренних дел и администрации Польши от 7 июня 2010 г. о противопожарной защите зданий, других сооружений и территорий (§ 3 п. 3) и сервисной инструкции производителя</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe</source>
        <translation>Средства измерений</translation>
    </message>
    <message>
        <source>Przyrząd</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Data wzorcowania</source>
        <translation>Дата поверки</translation>
    </message>
    <message>
        <source>Z poprzedniego przeglądu %1</source>
        <translation>С предыдущего визита %1</translation>
    </message>
    <message>
        <source>Wykonanie zaleceń</source>
        <translation>Выполнение рекомендаций</translation>
    </message>
    <message>
        <source>nie oceniono</source>
        <translation>не оценено</translation>
    </message>
    <message>
        <source>Uszkodzenia pozostawione przy odjeździe</source>
        <translation>Неисправности, оставшиеся при отъезде</translation>
    </message>
    <message>
        <source>Miejsce i data: %1, %2</source>
        <translation>Место и дата: %1, %2</translation>
    </message>
    <message>
        <source>Konserwator (wykonał przegląd)</source>
        <translation>Техник (выполнил обслуживание)</translation>
    </message>
    <message>
        <source>podpis</source>
        <translation>подпись</translation>
    </message>
    <message>
        <source>Pieczęć firmy</source>
        <translation>Печать организации</translation>
    </message>
    <message>
        <source>Protokół otrzymałem (użytkownik / zarządca)</source>
        <translation>Акт получил (пользователь / управляющий)</translation>
    </message>
    <message>
        <source>PROJEKT — przegląd otwarty</source>
        <translation>ЧЕРНОВИК — визит открыт</translation>
    </message>
    <message>
        <source>PRZEGLĄD ANULOWANY</source>
        <translation>ВИЗИТ ОТМЕНЁН</translation>
    </message>
    <message>
        <source>koryguje protokół %1 (powód: %2)</source>
        <translation>исправляет акт %1 (причина: %2)</translation>
    </message>
    <message>
        <source>Wykonawca</source>
        <translation>Исполнитель</translation>
    </message>
    <message>
        <source>Adres firmy</source>
        <translation>Адрес организации</translation>
    </message>
    <message>
        <source>NIP</source>
        <translation>ИНН (NIP)</translation>
    </message>
    <message>
        <source>Telefon firmy</source>
        <translation>Телефон организации</translation>
    </message>
    <message>
        <source>Konserwator</source>
        <translation>Техник</translation>
    </message>
    <message>
        <source>Nr świadectwa / uprawnień</source>
        <translation>№ удостоверения / допуска</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do</source>
        <translation>Допуск действителен до</translation>
    </message>
    <message>
        <source>Producent</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Nr świadectwa dopuszczenia</source>
        <translation>№ сертификата допуска</translation>
    </message>
    <message>
        <source>Wykonane prace i wymienione części</source>
        <translation>Выполненные работы и заменённые детали</translation>
    </message>
    <message>
        <source>Wykonane prace</source>
        <translation>Выполненные работы</translation>
    </message>
    <message>
        <source>Wymienione części</source>
        <translation>Заменённые детали</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Akumulatory do wymiany</source>
        <translation>Аккумуляторы к замене</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>anulowany</source>
        <translation>отменён</translation>
    </message>
    <message>
        <source>zastąpiony przez %1</source>
        <translation>заменён %1</translation>
    </message>
    <message>
        <source>zamknięty</source>
        <translation>закрыт</translation>
    </message>
    <message>
        <source>otwarty</source>
        <translation>открыт</translation>
    </message>
</context>
<context>
    <name>VisitSession</name>
    <message>
        <source>zegar</source>
        <translation>часы</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>конфигурация</translation>
    </message>
    <message>
        <source>uszkodzenia</source>
        <translation>неисправности</translation>
    </message>
    <message>
        <source>wersje oprogramowania</source>
        <translation>версии ПО</translation>
    </message>
    <message>
        <source>rejestr zdarzeń</source>
        <translation>журнал событий</translation>
    </message>
    <message>
        <source>Odczyt przerwany. Nic z tego odczytu nie zapisano.</source>
        <translation>Чтение прервано. Из этого чтения ничего не сохранено.</translation>
    </message>
    <message>
        <source>Łącze nie przyjęło zapytania. Nic nie zapisano.</source>
        <translation>Связь не приняла запрос. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać odczytu w bazie danych.</source>
        <translation>Не удалось сохранить считанные данные в базе данных.</translation>
    </message>
    <message>
        <source>Odczyt przerwany (%1). Nic z tego odczytu nie zapisano.</source>
        <translation>Чтение прервано (%1). Из этого чтения ничего не сохранено.</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada (%1). Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</source>
        <translation>Прибор не отвечает (%1). Из этого чтения ничего не сохранено; визит остаётся открытым.</translation>
    </message>
    <message>
        <source>Połączenie z centralą zostało przerwane (%1). Nic z tego odczytu nie zapisano.</source>
        <translation>Подключение к прибору прервано (%1). Из этого чтения ничего не сохранено.</translation>
    </message>
    <message>
        <source>przyjazd</source>
        <translation>прибытие</translation>
    </message>
    <message>
        <source>odjazd</source>
        <translation>отъезд</translation>
    </message>
</context>
<context>
    <name>VisitStartDialog</name>
    <message>
        <source>Nowy przegląd</source>
        <translation>Новый визит</translation>
    </message>
    <message>
        <source>Centrale pasujące do podłączonej</source>
        <translation>Приборы, совпадающие с подключённым</translation>
    </message>
    <message>
        <source>Rozpoznaj podłączoną centralę</source>
        <translation>Распознать подключённый прибор</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Объект</translation>
    </message>
    <message>
        <source>Obiekt:</source>
        <translation>Объект:</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Adres:</source>
        <translation>Адрес:</translation>
    </message>
    <message>
        <source>Właściciel lub zarządca:</source>
        <translation>Владелец или управляющий:</translation>
    </message>
    <message>
        <source>Osoba kontaktowa:</source>
        <translation>Контактное лицо:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Прибор</translation>
    </message>
    <message>
        <source>Centrala:</source>
        <translation>Прибор:</translation>
    </message>
    <message>
        <source>Oznaczenie:</source>
        <translation>Обозначение:</translation>
    </message>
    <message>
        <source>np. Centrala oddymiania — klatka A</source>
        <translation>например, Прибор дымоудаления — лестничная клетка А</translation>
    </message>
    <message>
        <source>Miejsce w budynku:</source>
        <translation>Место в здании:</translation>
    </message>
    <message>
        <source>Numer fabryczny:</source>
        <translation>Заводской номер:</translation>
    </message>
    <message>
        <source>z tabliczki znamionowej</source>
        <translation>с заводской таблички</translation>
    </message>
    <message>
        <source>Data instalacji:</source>
        <translation>Дата монтажа:</translation>
    </message>
    <message>
        <source>rrrr-mm-dd</source>
        <translation>гггг-мм-дд</translation>
    </message>
    <message>
        <source>Przegląd</source>
        <translation>Визит</translation>
    </message>
    <message>
        <source>Rodzaj:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Serwisant:</source>
        <translation>Техник:</translation>
    </message>
    <message>
        <source>Nr świadectwa:</source>
        <translation>№ удостоверения:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Компания:</translation>
    </message>
    <message>
        <source>Rozpocznij przegląd</source>
        <translation>Начать визит</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Nie rozpoznano konfiguracji centrali.</source>
        <translation>Конфигурация прибора не распознана.</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada.</source>
        <translation>Прибор не отвечает.</translation>
    </message>
    <message>
        <source>Odczyt konfiguracji…</source>
        <translation>Чтение конфигурации…</translation>
    </message>
    <message>
        <source>Żadna zapisana centrala nie ma tych modułów.</source>
        <translation>Ни у одного сохранённого прибора нет этих модулей.</translation>
    </message>
    <message>
        <source>— nowy obiekt —</source>
        <translation>— новый объект —</translation>
    </message>
    <message>
        <source>— nowa centrala —</source>
        <translation>— новый прибор —</translation>
    </message>
    <message>
        <source>Data instalacji</source>
        <translation>Дата монтажа</translation>
    </message>
</context>
<context>
    <name>VisitStore</name>
    <message>
        <source>Nie znaleziono wizyty serwisowej.</source>
        <translation>Сервисный визит не найден.</translation>
    </message>
    <message>
        <source>Wizyta jest zamknięta i nie można jej zmieniać. Popraw ją nową wizytą korygującą.</source>
        <translation>Визит закрыт и не может быть изменён. Исправьте его новым корректирующим визитом.</translation>
    </message>
    <message>
        <source>Podaj nazwę obiektu.</source>
        <translation>Укажите название объекта.</translation>
    </message>
    <message>
        <source>Nie zapisano obiektu w bazie danych.</source>
        <translation>Объект не сохранён в базе данных.</translation>
    </message>
    <message>
        <source>Wybierz obiekt, do którego należy centrala.</source>
        <translation>Выберите объект, к которому относится прибор.</translation>
    </message>
    <message>
        <source>Podaj oznaczenie centrali.</source>
        <translation>Укажите обозначение прибора.</translation>
    </message>
    <message>
        <source>Data instalacji centrali nie może być późniejsza niż dzisiejsza.</source>
        <translation>Дата монтажа прибора не может быть позже сегодняшней.</translation>
    </message>
    <message>
        <source>Nie zapisano centrali w bazie danych.</source>
        <translation>Прибор не сохранён в базе данных.</translation>
    </message>
    <message>
        <source>Nie znaleziono centrali.</source>
        <translation>Прибор не найден.</translation>
    </message>
    <message>
        <source>Wybierz centralę, której dotyczy wizyta.</source>
        <translation>Выберите прибор, к которому относится визит.</translation>
    </message>
    <message>
        <source>Wybierz rodzaj wizyty.</source>
        <translation>Выберите тип визита.</translation>
    </message>
    <message>
        <source>Data następnego przeglądu musi być późniejsza niż data wizyty.</source>
        <translation>Дата следующего ТО должна быть позже даты визита.</translation>
    </message>
    <message>
        <source>Nie zapisano wizyty w bazie danych.</source>
        <translation>Визит не сохранён в базе данных.</translation>
    </message>
    <message>
        <source>Nieprawidłowy rodzaj wizyty lub ocena.</source>
        <translation>Недопустимый тип визита или оценка.</translation>
    </message>
    <message>
        <source>Nieprawidłowa odchyłka zegara centrali.</source>
        <translation>Недопустимое отклонение часов прибора.</translation>
    </message>
    <message>
        <source>Wybierz ocenę stanu centrali, aby zamknąć wizytę.</source>
        <translation>Выберите оценку состояния прибора, чтобы закрыть визит.</translation>
    </message>
    <message>
        <source>Wizyty nie można zamknąć bez odczytu przy odjeździe. Wykonaj odczyt albo wpisz, dlaczego go pominięto.</source>
        <translation>Визит нельзя закрыть без чтения при отъезде. Выполните чтение или укажите, почему оно пропущено.</translation>
    </message>
    <message>
        <source>Wizyta jest jeszcze otwarta: popraw ją bezpośrednio.</source>
        <translation>Визит ещё открыт: исправьте его напрямую.</translation>
    </message>
    <message>
        <source>Nie znaleziono zapisanego odczytu.</source>
        <translation>Сохранённые считанные данные не найдены.</translation>
    </message>
    <message>
        <source>Nie zapisano odczytu w bazie danych.</source>
        <translation>Считанные данные не сохранены в базе данных.</translation>
    </message>
    <message>
        <source>Nieprawidłowy wynik sprawdzenia.</source>
        <translation>Недопустимый результат проверки.</translation>
    </message>
    <message>
        <source>Nie zapisano listy sprawdzeń w bazie danych.</source>
        <translation>Список проверок не сохранён в базе данных.</translation>
    </message>
    <message>
        <source>Nie znaleziono sprawdzenia.</source>
        <translation>Проверка не найдена.</translation>
    </message>
    <message>
        <source>Nie zapisano sprawdzenia w bazie danych.</source>
        <translation>Проверка не сохранена в базе данных.</translation>
    </message>
    <message>
        <source>Pojemność akumulatora musi leżeć między %1 a %2 Ah.</source>
        <translation>Ёмкость аккумулятора должна быть в диапазоне от %1 до %2 Ah.</translation>
    </message>
    <message>
        <source>Napięcie akumulatora musi leżeć między 0 a %1 V.</source>
        <translation>Напряжение аккумулятора должно быть в диапазоне от 0 до %1 V.</translation>
    </message>
    <message>
        <source>Rezystancja wewnętrzna musi leżeć między 0 a %1 mΩ.</source>
        <translation>Внутреннее сопротивление должно быть в диапазоне от 0 до %1 mΩ.</translation>
    </message>
    <message>
        <source>Podaj datę montażu akumulatora, nie późniejszą niż dzisiejsza.</source>
        <translation>Укажите дату установки аккумулятора, не позже сегодняшней.</translation>
    </message>
    <message>
        <source>Nie zapisano akumulatora w bazie danych.</source>
        <translation>Аккумулятор не сохранён в базе данных.</translation>
    </message>
    <message>
        <source>Nie znaleziono akumulatora.</source>
        <translation>Аккумулятор не найден.</translation>
    </message>
    <message>
        <source>Nie usunięto akumulatora z bazy danych.</source>
        <translation>Аккумулятор не удалён из базы данных.</translation>
    </message>
    <message>
        <source>Nie zapisano wyników w bazie danych.</source>
        <translation>Результаты не сохранены в базе данных.</translation>
    </message>
    <message>
        <source>Okres eksploatacji akumulatora musi wynosić od 1 do 20 lat.</source>
        <translation>Срок службы аккумулятора должен составлять от 1 до 20 лет.</translation>
    </message>
    <message>
        <source>Nie zapisano ustawienia w bazie danych.</source>
        <translation>Настройка не сохранена в базе данных.</translation>
    </message>
    <message>
        <source>Korekta nie odczytuje centrali: poprawia tylko zapis przeglądu, który koryguje.</source>
        <translation>Исправление не считывает прибор: оно исправляет только запись исправляемого визита.</translation>
    </message>
    <message>
        <source>Anulowanego przeglądu nie można poprawić.</source>
        <translation>Отменённый визит нельзя исправить.</translation>
    </message>
    <message>
        <source>Ten protokół zastąpiono już protokołem %1: popraw tamten.</source>
        <translation>Этот акт уже заменён актом %1: исправляйте его.</translation>
    </message>
    <message>
        <source>Korekta %1 tego przeglądu jest już otwarta.</source>
        <translation>Исправление %1 этого визита уже открыто.</translation>
    </message>
    <message>
        <source>Podaj powód korekty: drukuje się w protokole korygującym.</source>
        <translation>Укажите причину исправления: она печатается в исправляющем акте.</translation>
    </message>
    <message>
        <source>Podaj powód anulowania przeglądu.</source>
        <translation>Укажите причину отмены визита.</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do</source>
        <translation>Допуск действителен до</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów [h]</source>
        <translation>Требуемое время работы от аккумуляторов [ч]</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów [h]</source>
        <translation>Полученное время работы от аккумуляторов [ч]</translation>
    </message>
    <message>
        <source>Nieprawidłowa odpowiedź o wykonaniu zaleceń.</source>
        <translation>Недопустимый ответ о выполнении рекомендаций.</translation>
    </message>
    <message>
        <source>Podaj nazwę przyrządu pomiarowego.</source>
        <translation>Укажите название средства измерений.</translation>
    </message>
    <message>
        <source>Data wzorcowania nie może być późniejsza niż dzisiejsza.</source>
        <translation>Дата поверки не может быть позже сегодняшней.</translation>
    </message>
    <message>
        <source>Nie zapisano przyrządu w bazie danych.</source>
        <translation>Средство измерений не сохранено в базе данных.</translation>
    </message>
    <message>
        <source>Nieznana część listy sprawdzeń.</source>
        <translation>Неизвестная часть списка проверок.</translation>
    </message>
    <message>
        <source>Każdy wiersz listy sprawdzeń musi mieć nazwę sprawdzenia.</source>
        <translation>Каждая строка списка проверок должна иметь название проверки.</translation>
    </message>
    <message>
        <source>Podaj, co sprawdzono.</source>
        <translation>Укажите, что проверено.</translation>
    </message>
</context>
<context>
    <name>VisitWindow</name>
    <message>
        <source>Lista przeglądów</source>
        <translation>Список визитов</translation>
    </message>
    <message>
        <source>Odczyt przy przyjeździe</source>
        <translation>Чтение при прибытии</translation>
    </message>
    <message>
        <source>Odczytuje zegar, konfigurację, uszkodzenia i wersje oprogramowania centrali i zapisuje je przy przeglądzie</source>
        <translation>Считывает часы, конфигурацию, неисправности и версии ПО прибора и сохраняет их в визите</translation>
    </message>
    <message>
        <source>z rejestrem zdarzeń</source>
        <translation>с журналом событий</translation>
    </message>
    <message>
        <source>Odczyt przy odjeździe</source>
        <translation>Чтение при отъезде</translation>
    </message>
    <message>
        <source>Odczytuje ponownie uszkodzenia i konfigurację centrali</source>
        <translation>Повторно считывает неисправности и конфигурацию прибора</translation>
    </message>
    <message>
        <source>Porównaj konfiguracje</source>
        <translation>Сравнить конфигурации</translation>
    </message>
    <message>
        <source>Kontrole</source>
        <translation>Проверки</translation>
    </message>
    <message>
        <source>Akumulatory</source>
        <translation>Аккумуляторы</translation>
    </message>
    <message>
        <source>Dodaj akumulator</source>
        <translation>Добавить аккумулятор</translation>
    </message>
    <message>
        <source>Usuń akumulator</source>
        <translation>Удалить аккумулятор</translation>
    </message>
    <message>
        <source>Zamknięcie</source>
        <translation>Закрытие</translation>
    </message>
    <message>
        <source>Ocena:</source>
        <translation>Оценка:</translation>
    </message>
    <message>
        <source>Ustalenia:</source>
        <translation>Выводы:</translation>
    </message>
    <message>
        <source>Zalecenia:</source>
        <translation>Рекомендации:</translation>
    </message>
    <message>
        <source>Następny przegląd:</source>
        <translation>Следующее ТО:</translation>
    </message>
    <message>
        <source>rrrr-mm-dd</source>
        <translation>гггг-мм-дд</translation>
    </message>
    <message>
        <source>Brak odczytu przy odjeździe, bo:</source>
        <translation>Нет чтения при отъезде, потому что:</translation>
    </message>
    <message>
        <source>np. centrala nie odpowiadała</source>
        <translation>например, прибор не отвечал</translation>
    </message>
    <message>
        <source>Zamknij przegląd</source>
        <translation>Закрыть визит</translation>
    </message>
    <message>
        <source>Podgląd protokołu</source>
        <translation>Просмотр акта</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Экспорт PDF</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>z pełnym rejestrem zdarzeń</source>
        <translation>с полным журналом событий</translation>
    </message>
    <message>
        <source>Popraw przegląd</source>
        <translation>Исправить визит</translation>
    </message>
    <message>
        <source>Zamknięty przegląd nie zmienia się; poprawka to nowy przegląd, który go wskazuje</source>
        <translation>Закрытый визит не изменяется; исправление — это новый визит, который ссылается на него</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Элемент</translation>
    </message>
    <message>
        <source>Sposób sprawdzenia</source>
        <translation>Метод проверки</translation>
    </message>
    <message>
        <source>Kryterium</source>
        <translation>Критерий</translation>
    </message>
    <message>
        <source>Wartość zmierzona</source>
        <translation>Измеренное значение</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>Producent i typ</source>
        <translation>Производитель и тип</translation>
    </message>
    <message>
        <source>Pojemność [Ah]</source>
        <translation>Ёмкость [Ah]</translation>
    </message>
    <message>
        <source>Kod daty</source>
        <translation>Код даты</translation>
    </message>
    <message>
        <source>Data montażu</source>
        <translation>Дата установки</translation>
    </message>
    <message>
        <source>Napięcie [V]</source>
        <translation>Напряжение [V]</translation>
    </message>
    <message>
        <source>Rezystancja [mΩ]</source>
        <translation>Сопротивление [mΩ]</translation>
    </message>
    <message>
        <source>Termin wymiany</source>
        <translation>Срок замены</translation>
    </message>
    <message>
        <source>odczyt centrali</source>
        <translation>чтение данных прибора</translation>
    </message>
    <message>
        <source>Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</source>
        <translation>Из этого чтения ничего не сохранено; визит остаётся открытым.</translation>
    </message>
    <message>
        <source> — &lt;b&gt;zamknięty&lt;/b&gt;</source>
        <translation> — &lt;b&gt;закрыт&lt;/b&gt;</translation>
    </message>
    <message>
        <source> — otwarty</source>
        <translation> — открыт</translation>
    </message>
    <message>
        <source>Odchyłka zegara centrali: %1 s%2</source>
        <translation>Отклонение часов прибора: %1 s%2</translation>
    </message>
    <message>
        <source> (zegar ustawiony)</source>
        <translation> (часы установлены)</translation>
    </message>
    <message>
        <source>odczyt przy odjeździe wykonany</source>
        <translation>чтение при отъезде выполнено</translation>
    </message>
    <message>
        <source>niezapisany: podaj pojemność i datę montażu</source>
        <translation>не сохранён: укажите ёмкость и дату установки</translation>
    </message>
    <message>
        <source>%1 — po terminie</source>
        <translation>%1 — срок истёк</translation>
    </message>
    <message>
        <source>%1 — wymiana wkrótce</source>
        <translation>%1 — скоро замена</translation>
    </message>
    <message>
        <source>Przegląd zamknięty</source>
        <translation>Визит закрыт</translation>
    </message>
    <message>
        <source>Zamkniętego przeglądu nie można zmienić. Użyj „Popraw przegląd”.</source>
        <translation>Закрытый визит нельзя изменить. Используйте «Исправить визит».</translation>
    </message>
    <message>
        <source>Odczyt centrali</source>
        <translation>Чтение данных прибора</translation>
    </message>
    <message>
        <source>Odczyt nie może się rozpocząć: centrala nie jest połączona albo trwa inny odczyt.</source>
        <translation>Чтение не может начаться: прибор не подключён или выполняется другое чтение.</translation>
    </message>
    <message>
        <source>Przegląd</source>
        <translation>Визит</translation>
    </message>
    <message>
        <source>Zegar centrali</source>
        <translation>Часы прибора</translation>
    </message>
    <message>
        <source>Zegar centrali różni się od zegara komputera o %1 s. Ustawić zegar centrali na czas komputera?</source>
        <translation>Часы прибора отличаются от часов компьютера на %1 s. Установить часы прибора по времени компьютера?</translation>
    </message>
    <message>
        <source>Po przeglądzie %1</source>
        <translation>После визита %1</translation>
    </message>
    <message>
        <source>Przyjazd</source>
        <translation>Прибытие</translation>
    </message>
    <message>
        <source>UWAGA: konfiguracja centrali różni się od zapisanej po poprzednim przeglądzie (%1). Ktoś zmienił centralę między przeglądami.</source>
        <translation>ВНИМАНИЕ: конфигурация прибора отличается от сохранённой после предыдущего визита (%1). Кто-то изменил прибор между визитами.</translation>
    </message>
    <message>
        <source>Odjazd</source>
        <translation>Отъезд</translation>
    </message>
    <message>
        <source>Konfiguracja zmieniona podczas przeglądu — zmiany są w protokole.</source>
        <translation>Конфигурация изменена во время визита — изменения внесены в акт.</translation>
    </message>
    <message>
        <source>Nie udało się ustawić zegara centrali.</source>
        <translation>Не удалось установить часы прибора.</translation>
    </message>
    <message>
        <source>Porównanie</source>
        <translation>Сравнение</translation>
    </message>
    <message>
        <source>Nie ma z czym porównać: brak odczytu przy odjeździe i brak poprzedniego przeglądu.</source>
        <translation>Не с чем сравнить: нет чтения при отъезде и нет предыдущего визита.</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Следующее ТО</translation>
    </message>
    <message>
        <source>Zamknięcie przeglądu</source>
        <translation>Закрытие визита</translation>
    </message>
    <message>
        <source>Dodaj wiersz…</source>
        <translation>Добавить строку…</translation>
    </message>
    <message>
        <source>Dodaje sprawdzenie na miejscu: do modułu zaznaczonego wiersza albo do sprawdzeń ogólnych</source>
        <translation>Добавляет проверку на месте: к модулю выбранной строки или к общим проверкам</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Акт</translation>
    </message>
    <message>
        <source>Dane przeglądu do protokołu</source>
        <translation>Данные визита для акта</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do:</source>
        <translation>Допуск действителен до:</translation>
    </message>
    <message>
        <source>Wykonane prace:</source>
        <translation>Выполненные работы:</translation>
    </message>
    <message>
        <source>Wymienione części:</source>
        <translation>Заменённые детали:</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów [h]:</source>
        <translation>Требуемое время работы от аккумуляторов [ч]:</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów [h]:</source>
        <translation>Полученное время работы от аккумуляторов [ч]:</translation>
    </message>
    <message>
        <source>Protokół otrzymuje:</source>
        <translation>Акт получает:</translation>
    </message>
    <message>
        <source>imię, nazwisko i funkcja przedstawiciela użytkownika</source>
        <translation>имя, фамилия и должность представителя пользователя</translation>
    </message>
    <message>
        <source>Miejscowość:</source>
        <translation>Населённый пункт:</translation>
    </message>
    <message>
        <source>Z poprzedniego przeglądu</source>
        <translation>С предыдущего визита</translation>
    </message>
    <message>
        <source>Zalecenia wykonano:</source>
        <translation>Рекомендации выполнены:</translation>
    </message>
    <message>
        <source>Uwagi:</source>
        <translation>Примечания:</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe użyte w przeglądzie</source>
        <translation>Средства измерений, использованные при визите</translation>
    </message>
    <message>
        <source>nazwa przyrządu</source>
        <translation>название прибора</translation>
    </message>
    <message>
        <source>numer fabryczny</source>
        <translation>заводской номер</translation>
    </message>
    <message>
        <source>wzorcowanie rrrr-mm-dd</source>
        <translation>поверка гггг-мм-дд</translation>
    </message>
    <message>
        <source>Dodaj przyrząd</source>
        <translation>Добавить прибор</translation>
    </message>
    <message>
        <source>Wpisywane raz: centrala i firma</source>
        <translation>Вводится один раз: прибор и организация</translation>
    </message>
    <message>
        <source>Producent centrali:</source>
        <translation>Производитель прибора:</translation>
    </message>
    <message>
        <source>Typ centrali:</source>
        <translation>Тип прибора:</translation>
    </message>
    <message>
        <source>Nr świadectwa dopuszczenia:</source>
        <translation>№ сертификата допуска:</translation>
    </message>
    <message>
        <source>Adres firmy:</source>
        <translation>Адрес организации:</translation>
    </message>
    <message>
        <source>NIP firmy:</source>
        <translation>ИНН (NIP) организации:</translation>
    </message>
    <message>
        <source>Telefon firmy:</source>
        <translation>Телефон организации:</translation>
    </message>
    <message>
        <source>Anuluj przegląd…</source>
        <translation>Отменить визит…</translation>
    </message>
    <message>
        <source>Przegląd rozpoczęty przez pomyłkę: zostaje z numerem i powodem jako anulowany</source>
        <translation>Визит, начатый по ошибке: остаётся с номером и причиной как отменённый</translation>
    </message>
    <message>
        <source>Moduł zasilania</source>
        <translation>Модуль питания</translation>
    </message>
    <message>
        <source>Próba pojemności / obciążenia</source>
        <translation>Проверка ёмкости / нагрузки</translation>
    </message>
    <message>
        <source> (koryguje protokół %1, powód: %2)</source>
        <translation> (исправляет акт %1, причина: %2)</translation>
    </message>
    <message>
        <source> — &lt;b&gt;anulowany&lt;/b&gt; (powód: %1)</source>
        <translation> — &lt;b&gt;отменён&lt;/b&gt; (причина: %1)</translation>
    </message>
    <message>
        <source> — &lt;b&gt;zastąpiony przez %1&lt;/b&gt;</source>
        <translation> — &lt;b&gt;заменён %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Brak poprzedniego przeglądu tej centrali.</source>
        <translation>Предыдущего визита к этому прибору нет.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Przegląd %1&lt;/b&gt;, zalecenia: %2</source>
        <translation>&lt;b&gt;Визит %1&lt;/b&gt;, рекомендации: %2</translation>
    </message>
    <message>
        <source>brak</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>%1, nr %2, wzorcowany %3</source>
        <translation>%1, № %2, поверен %3</translation>
    </message>
    <message>
        <source>Data wzorcowania</source>
        <translation>Дата поверки</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe</source>
        <translation>Средства измерений</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Добавить строку</translation>
    </message>
    <message>
        <source>Co sprawdzono:</source>
        <translation>Что проверено:</translation>
    </message>
    <message>
        <source>Przed zamknięciem:

• %1

Zamknąć przegląd mimo to?</source>
        <translation>Перед закрытием:

• %1

Всё равно закрыть визит?</translation>
    </message>
    <message>
        <source>Powód korekty protokołu %1 (drukuje się w protokole korygującym):</source>
        <translation>Причина исправления акта %1 (печатается в исправляющем акте):</translation>
    </message>
    <message>
        <source>Anuluj przegląd</source>
        <translation>Отменить визит</translation>
    </message>
    <message>
        <source>Przegląd %1 zostanie zamknięty jako anulowany, bez protokołu; jego numer nie wróci. Powód:</source>
        <translation>Визит %1 будет закрыт как отменённый, без акта; его номер не вернётся. Причина:</translation>
    </message>
</context>
<context>
    <name>Visits</name>
    <message>
        <source>przegląd okresowy</source>
        <translation>периодическое ТО</translation>
    </message>
    <message>
        <source>naprawa</source>
        <translation>ремонт</translation>
    </message>
    <message>
        <source>uruchomienie</source>
        <translation>пусконаладка</translation>
    </message>
    <message>
        <source>inny</source>
        <translation>другой</translation>
    </message>
    <message>
        <source>sprawna</source>
        <translation>работоспособен</translation>
    </message>
    <message>
        <source>sprawna z uwagami</source>
        <translation>работоспособен с замечаниями</translation>
    </message>
    <message>
        <source>niesprawna</source>
        <translation>неработоспособен</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>usterka</source>
        <translation>дефект</translation>
    </message>
    <message>
        <source>nie dotyczy</source>
        <translation>не применимо</translation>
    </message>
    <message>
        <source>%1: nieprawidłowa data &quot;%2&quot; (oczekiwano RRRR-MM-DD, lata 1990-2100).</source>
        <translation>%1: недопустимая дата &quot;%2&quot; (ожидается ГГГГ-ММ-ДД, годы 1990-2100).</translation>
    </message>
    <message>
        <source>%1: nieprawidłowa liczba &quot;%2&quot; (dozwolony zakres %3 - %4).</source>
        <translation>%1: недопустимое число &quot;%2&quot; (допустимый диапазон %3 - %4).</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>да</translation>
    </message>
    <message>
        <source>częściowo</source>
        <translation>частично</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>VisitsManagement</name>
    <message>
        <source>Przeglądy</source>
        <translation>Сервисные визиты</translation>
    </message>
    <message>
        <source>Nowy przegląd</source>
        <translation>Новый визит</translation>
    </message>
    <message>
        <source>Otwórz przegląd</source>
        <translation>Открыть визит</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Акт</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Rozpoczęty</source>
        <translation>Начат</translation>
    </message>
    <message>
        <source>Zakończony</source>
        <translation>Завершён</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Оценка</translation>
    </message>
    <message>
        <source>zamknięty</source>
        <translation>закрыт</translation>
    </message>
    <message>
        <source>otwarty</source>
        <translation>открыт</translation>
    </message>
    <message>
        <source>Sprawdź protokół</source>
        <translation>Проверить акт</translation>
    </message>
    <message>
        <source>Sprawdza plik PDF albo skrót SHA-256 protokołu z zapisanym przy zamknięciu przeglądu</source>
        <translation>Проверяет PDF-файл или хеш SHA-256 акта по сохранённому при закрытии визита</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>Przeglądy wybranej centrali, po jednym wierszu, do arkusza lub planu przeglądów</source>
        <translation>Визиты выбранного прибора, по строке на визит, для таблицы или плана обслуживания</translation>
    </message>
    <message>
        <source>Listy sprawdzeń…</source>
        <translation>Списки проверок…</translation>
    </message>
    <message>
        <source>Wiersze list sprawdzeń, które dostają nowe przeglądy</source>
        <translation>Строки списков проверок, которые получают новые визиты</translation>
    </message>
    <message>
        <source>Przejąć akumulatory z przeglądu %1 (%2 szt.) z ich datami montażu? Zmień je w nowym przeglądzie, jeśli coś wymieniono.</source>
        <translation>Перенести аккумуляторы из визита %1 (%2 шт.) с датами установки? Измените их в новом визите, если что-то заменено.</translation>
    </message>
    <message>
        <source> (koryguje %1)</source>
        <translation> (исправляет %1)</translation>
    </message>
    <message>
        <source>anulowany</source>
        <translation>отменён</translation>
    </message>
    <message>
        <source>zastąpiony przez %1</source>
        <translation>заменён %1</translation>
    </message>
    <message>
        <source>Przeglady_%1</source>
        <translation>Vizity_%1</translation>
    </message>
</context>
</TS>
