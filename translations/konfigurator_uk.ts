<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>ACL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Оголошення модуля</translation>
    </message>
    <message>
        <source>ACL</source>
        <translation>ACL</translation>
    </message>
    <message>
        <source>Moduł Komunikacji Adresowalnej</source>
        <translation>Модуль адресного зв’язку</translation>
    </message>
    <message>
        <source>Brak komunikacji z modułem ACL</source>
        <translation>Немає зв’язку з модулем ACL</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Ustawienia aplikacji</source>
        <translation>Налаштування програми</translation>
    </message>
    <message>
        <source>Język:</source>
        <translation>Мова:</translation>
    </message>
    <message>
        <source>Język interfejsu; zmiana obowiązuje od następnego uruchomienia programu</source>
        <translation>Мова інтерфейсу; зміна набуде чинності після наступного запуску програми</translation>
    </message>
    <message>
        <source>Czcionka:</source>
        <translation>Шрифт:</translation>
    </message>
    <message>
        <source>Wielkość czcionki w pikselach</source>
        <translation>Розмір шрифту в пікселях</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Żywotność akumulatorów:</source>
        <translation>Термін служби акумуляторів:</translation>
    </message>
    <message>
        <source>Po ilu latach od montażu akumulator należy wymienić</source>
        <translation>Через скільки років після встановлення акумулятор слід замінити</translation>
    </message>
    <message>
        <source> lat</source>
        <translation> р.</translation>
    </message>
    <message>
        <source>Archiwum firmowe (PostgreSQL)</source>
        <translation>Архів компанії (PostgreSQL)</translation>
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
        <translation>База даних:</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation>Користувач:</translation>
    </message>
    <message>
        <source>Szyfrowanie (SSL):</source>
        <translation>Шифрування (SSL):</translation>
    </message>
    <message>
        <source>Technik (autor rekordów):</source>
        <translation>Технік (автор записів):</translation>
    </message>
    <message>
        <source>Hasła nie zapisujemy: PostgreSQL (libpq) bierze je z pliku haseł użytkownika: ~/.pgpass, pliku wskazanego zmienną PGPASSFILE albo %APPDATA%\postgresql\pgpass.conf w Windows.</source>
        <translation>Пароль не зберігається: PostgreSQL (libpq) бере його з файлу паролів користувача: ~/.pgpass, файлу, вказаного змінною PGPASSFILE, або %APPDATA%\postgresql\pgpass.conf у Windows.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: synchronizacja z archiwum jest niedostępna.</source>
        <translation>У цій інсталяції немає драйвера PostgreSQL (QPSQL): синхронізація з архівом недоступна.</translation>
    </message>
    <message>
        <source>Wybrany język interfejsu zostanie użyty po ponownym uruchomieniu programu.</source>
        <translation>Вибрану мову інтерфейсу буде застосовано після перезапуску програми.</translation>
    </message>
    <message>
        <source>Certyfikat CA firmy:</source>
        <translation>Сертифікат ЦС компанії:</translation>
    </message>
    <message>
        <source>Wybierz plik…</source>
        <translation>Вибрати файл…</translation>
    </message>
    <message>
        <source>Dla verify-full certyfikat CA firmy musi być w %1.</source>
        <translation>Для verify-full сертифікат ЦС компанії має бути в %1.</translation>
    </message>
    <message>
        <source>Jest.</source>
        <translation>Він там є.</translation>
    </message>
    <message>
        <source>Jeszcze go tam nie ma.</source>
        <translation>Його там ще немає.</translation>
    </message>
    <message>
        <source>Certyfikat CA firmy</source>
        <translation>Сертифікат ЦС компанії</translation>
    </message>
    <message>
        <source>Certyfikaty (*.crt *.pem *.cer);;Wszystkie pliki (*)</source>
        <translation>Сертифікати (*.crt *.pem *.cer);;Усі файли (*)</translation>
    </message>
    <message>
        <source>Nie skopiowano certyfikatu %1: %2</source>
        <translation>Сертифікат %1 не скопійовано: %2</translation>
    </message>
    <message>
        <source>Na tym komputerze:</source>
        <translation>На цьому комп’ютері:</translation>
    </message>
    <message>
        <source>Szukaj obiektu</source>
        <translation>Знайти об’єкт</translation>
    </message>
    <message>
        <source>wszystko</source>
        <translation>усе</translation>
    </message>
    <message>
        <source>Każdy rekord firmy trafia na ten komputer w całości.</source>
        <translation>Кожен запис компанії повністю потрапляє на цей комп’ютер.</translation>
    </message>
    <message>
        <source>moje obiekty</source>
        <translation>мої об’єкти</translation>
    </message>
    <message>
        <source>W całości trafiają tu obiekty, w których były Twoje wizyty, i rekordy, które sam zapisałeś w archiwum. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</source>
        <translation>Повністю сюди потрапляють об’єкти ваших візитів і записи, які ви самі зберегли в архіві. Про решту цей комп’ютер знає лише опис і завантажує їх, коли ви їх відкриваєте.</translation>
    </message>
    <message>
        <source>wybrane obiekty</source>
        <translation>вибрані об’єкти</translation>
    </message>
    <message>
        <source>W całości trafiają tu obiekty zaznaczone poniżej i Twoje własne rekordy. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</source>
        <translation>Повністю сюди потрапляють позначені нижче об’єкти та ваші власні записи. Про решту цей комп’ютер знає лише опис і завантажує їх, коли ви їх відкриваєте.</translation>
    </message>
    <message>
        <source>obiekt jeszcze nieznany na tym komputerze (%1)</source>
        <translation>об’єкт, ще невідомий на цьому комп’ютері (%1)</translation>
    </message>
</context>
<context>
    <name>ArchiveMarkProxy</name>
    <message>
        <source>Wycofany z archiwum firmowego</source>
        <translation>Відкликано з архіву компанії</translation>
    </message>
</context>
<context>
    <name>ArchiveRecordsDialog</name>
    <message>
        <source>Archiwum firmowe</source>
        <translation>Архів компанії</translation>
    </message>
    <message>
        <source>Odrzucone z archiwum</source>
        <translation>Відхилені з архіву</translation>
    </message>
    <message>
        <source>Rekordy kolegów, których ta baza nie przyjęła, i te, które czekają na rekord, do którego się odwołują. Żaden z nich nie zmienił niczego w tej bazie.</source>
        <translation>Записи колег, яких ця база не прийняла, і ті, що чекають на запис, на який посилаються. Жоден із них нічого не змінив у цій базі.</translation>
    </message>
    <message>
        <source>Rekordy w archiwum</source>
        <translation>Записи в архіві</translation>
    </message>
    <message>
        <source>Wycofaj z archiwum</source>
        <translation>Відкликати з архіву</translation>
    </message>
    <message>
        <source>Przywróć z archiwum</source>
        <translation>Відновити з архіву</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>конфігурація</translation>
    </message>
    <message>
        <source>rejestr zdarzeń</source>
        <translation>журнал подій</translation>
    </message>
    <message>
        <source>lista uszkodzeń</source>
        <translation>список несправностей</translation>
    </message>
    <message>
        <source>wersje oprogramowania</source>
        <translation>версії ПЗ</translation>
    </message>
    <message>
        <source>obiekt</source>
        <translation>об’єкт</translation>
    </message>
    <message>
        <source>centrala</source>
        <translation>прилад</translation>
    </message>
    <message>
        <source>wizyta</source>
        <translation>візит</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Kiedy</source>
        <translation>Коли</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Autor</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Логін</translation>
    </message>
    <message>
        <source>Powód</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>wycofany</source>
        <translation>відкликано</translation>
    </message>
    <message>
        <source>w archiwum</source>
        <translation>в архіві</translation>
    </message>
    <message>
        <source>usunięty w tej bazie</source>
        <translation>видалено в цій базі</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Łączenie z archiwum…</source>
        <translation>Підключення до архіву…</translation>
    </message>
    <message>
        <source>Nazwa, obiekt lub centrala</source>
        <translation>Назва, об’єкт або прилад</translation>
    </message>
    <message>
        <source>Szukaj</source>
        <translation>Шукати</translation>
    </message>
    <message>
        <source>Wszystkie obiekty</source>
        <translation>Усі об’єкти</translation>
    </message>
    <message>
        <source>Więcej</source>
        <translation>Ще</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Rekordy tego obiektu</source>
        <translation>Записи цього об’єкта</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Перервати</translation>
    </message>
    <message>
        <source>Centrale firmy</source>
        <translation>Прилади компанії</translation>
    </message>
    <message>
        <source>Centrala lub obiekt</source>
        <translation>Прилад або об’єкт</translation>
    </message>
    <message>
        <source>Rekordy tej centrali</source>
        <translation>Записи цього приладу</translation>
    </message>
    <message>
        <source>brak sterownika PostgreSQL w tej instalacji</source>
        <translation>у цьому встановленні немає драйвера PostgreSQL</translation>
    </message>
    <message>
        <source>archiwum nie jest ustawione w Ustawienia &gt; Widok</source>
        <translation>архів не налаштовано в Налаштування &gt; Вигляд</translation>
    </message>
    <message>
        <source>wszystkie rodzaje</source>
        <translation>усі види</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Об’єкт</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Прилад</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Rozmiar</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>Ostatnia wizyta</source>
        <translation>Останній візит</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Наступне обслуговування</translation>
    </message>
    <message>
        <source>Wizyty</source>
        <translation>Візити</translation>
    </message>
    <message>
        <source>Termin</source>
        <translation>Термін</translation>
    </message>
    <message>
        <source>Tylko obiekt: %1</source>
        <translation>Лише об’єкт: %1</translation>
    </message>
    <message>
        <source>Tylko centrala: %1</source>
        <translation>Лише прилад: %1</translation>
    </message>
    <message>
        <source>Szukanie w archiwum firmowym…</source>
        <translation>Пошук в архіві компанії…</translation>
    </message>
    <message>
        <source>Wyniki z serwera archiwum firmowego.</source>
        <translation>Результати з сервера архіву компанії.</translation>
    </message>
    <message>
        <source>Wyniki z katalogu na tym komputerze (stan z ostatniej synchronizacji): serwer archiwum nie odpowiada: %1</source>
        <translation>Результати з каталогу на цьому комп’ютері (стан останньої синхронізації): сервер архіву не відповідає: %1</translation>
    </message>
    <message>
        <source>Nie znaleziono rekordów.</source>
        <translation>Записів не знайдено.</translation>
    </message>
    <message>
        <source>nie na tym komputerze</source>
        <translation>не на цьому комп’ютері</translation>
    </message>
    <message>
        <source>Tylko w archiwum firmowym: otwarcie pobierze go na ten komputer</source>
        <translation>Лише в архіві компанії: відкриття завантажить запис на цей комп’ютер</translation>
    </message>
    <message>
        <source>Pobierz i otwórz</source>
        <translation>Завантажити й відкрити</translation>
    </message>
    <message>
        <source>Pobieranie „%1” z archiwum…</source>
        <translation>Завантаження «%1» з архіву…</translation>
    </message>
    <message>
        <source>Rekordu „%1” nie udało się otworzyć po pobraniu: %2</source>
        <translation>Запис «%1» не вдалося відкрити після завантаження: %2</translation>
    </message>
    <message>
        <source>Pobieranie przerwane: na tym komputerze nic nie zapisano.</source>
        <translation>Завантаження перервано: на цьому комп’ютері нічого не записано.</translation>
    </message>
    <message>
        <source>Rekord tylko w archiwum</source>
        <translation>Запис лише в архіві</translation>
    </message>
    <message>
        <source>Rekord „%1” jest w archiwum firmowym, ale nie na tym komputerze, a serwera archiwum nie udało się teraz osiągnąć (%2).

Na tym komputerze niczego nie zapisano. Połącz komputer z siecią firmy i otwórz rekord ponownie. Żeby rekordy obiektu były tu także bez sieci, wybierz w Ustawienia &gt; Widok zakres archiwum, który go obejmuje, i zsynchronizuj.</source>
        <translation>Запис «%1» є в архіві компанії, але не на цьому комп’ютері, а сервер архіву зараз недоступний (%2).

На цьому комп’ютері нічого не записано. Підключіть комп’ютер до мережі компанії й відкрийте запис знову. Щоб записи об’єкта були тут і без мережі, виберіть у Налаштування &gt; Вигляд обсяг архіву, який його охоплює, і синхронізуйте.</translation>
    </message>
    <message>
        <source>Centrale firmy podaje serwer archiwum, a ten jest niedostępny: %1</source>
        <translation>Прилади компанії надає сервер архіву, а він недоступний: %1</translation>
    </message>
    <message>
        <source>Czytanie central z archiwum firmowego…</source>
        <translation>Читання приладів з архіву компанії…</translation>
    </message>
    <message>
        <source>Centrale firmy podaje serwer archiwum, a ten nie odpowiada: %1</source>
        <translation>Прилади компанії надає сервер архіву, а він не відповідає: %1</translation>
    </message>
    <message>
        <source>po terminie</source>
        <translation>прострочено</translation>
    </message>
    <message>
        <source>wkrótce</source>
        <translation>незабаром</translation>
    </message>
    <message>
        <source>Nie znaleziono central.</source>
        <translation>Приладів не знайдено.</translation>
    </message>
    <message>
        <source>Centrale firmy z serwera archiwum: %1.</source>
        <translation>Прилади компанії з сервера архіву: %1.</translation>
    </message>
    <message>
        <source>Jest ich więcej.</source>
        <translation>Є ще.</translation>
    </message>
</context>
<context>
    <name>ArchiveSettings</name>
    <message>
        <source>to nie jest certyfikat w formacie PEM</source>
        <translation>це не сертифікат у форматі PEM</translation>
    </message>
</context>
<context>
    <name>ArchiveStatus</name>
    <message>
        <source>Synchronizuj z archiwum</source>
        <translation>Синхронізувати з архівом</translation>
    </message>
    <message>
        <source>Wymienia rekordy z archiwum firmowym</source>
        <translation>Обмінюється записами з архівом компанії</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Перервати</translation>
    </message>
    <message>
        <source>Synchronizacja przerwana.</source>
        <translation>Синхронізацію перервано.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</source>
        <translation>У цій інсталяції немає драйвера PostgreSQL (QPSQL): архів недоступний.</translation>
    </message>
    <message>
        <source>Archiwum nie jest ustawione: podaj serwer i użytkownika w Ustawienia &gt; Widok.</source>
        <translation>Архів не налаштовано: вкажіть сервер і користувача в розділі Налаштування &gt; Вигляд.</translation>
    </message>
    <message>
        <source>nigdy</source>
        <translation>ніколи</translation>
    </message>
    <message>
        <source>Archiwum: %1, czeka %2</source>
        <translation>Архів: %1, очікує %2</translation>
    </message>
    <message>
        <source>Odrzucone z archiwum…</source>
        <translation>Відхилені з архіву…</translation>
    </message>
    <message>
        <source>Rekordy w archiwum…</source>
        <translation>Записи в архіві…</translation>
    </message>
    <message>
        <source>Rekordy kolegów, których ta baza nie przyjęła</source>
        <translation>Записи колег, яких ця база не прийняла</translation>
    </message>
    <message>
        <source>Archiwum niedostępne: brak sterownika PostgreSQL</source>
        <translation>Архів недоступний: немає драйвера PostgreSQL</translation>
    </message>
    <message>
        <source>Centrale firmy…</source>
        <translation>Прилади компанії…</translation>
    </message>
    <message>
        <source>Wyszukiwanie i otwieranie rekordów archiwum, wycofanie własnych rekordów i przywracanie usuniętych</source>
        <translation>Пошук і відкриття записів архіву, відкликання власних записів і відновлення видалених</translation>
    </message>
    <message>
        <source>Centrale firmy z ostatnią wizytą i terminem przeglądu</source>
        <translation>Прилади компанії з останнім візитом і терміном обслуговування</translation>
    </message>
</context>
<context>
    <name>ArchiveSync</name>
    <message>
        <source>Archiwum odrzuciło użytkownika %1: sprawdź jego hasło w pliku haseł PostgreSQL (pgpass).</source>
        <translation>Архів відхилив користувача %1: перевірте його пароль у файлі паролів PostgreSQL (pgpass).</translation>
    </message>
    <message>
        <source>Serwer archiwum nie zestawił połączenia szyfrowanego (SSL), którego wymagają ustawienia: %1</source>
        <translation>Сервер архіву не встановив зашифроване з’єднання (SSL), якого вимагають налаштування: %1</translation>
    </message>
    <message>
        <source>Brak połączenia z archiwum %1:%2: %3</source>
        <translation>Немає з’єднання з архівом %1:%2: %3</translation>
    </message>
    <message>
        <source>Baza %1 nie jest archiwum programu: brak tabeli archive_schema (uruchom scripts/archive-server).</source>
        <translation>База %1 не є архівом програми: немає таблиці archive_schema (запустіть scripts/archive-server).</translation>
    </message>
    <message>
        <source>Archiwum ma schemat w wersji %1, a program obsługuje wersję %2: synchronizacja odrzucona, nic nie zmieniono.</source>
        <translation>Архів має схему версії %1, а програма підтримує версію %2: синхронізацію відхилено, нічого не змінено.</translation>
    </message>
    <message>
        <source>Archiwum przysłało wiersz katalogu w niepoprawnej postaci; synchronizacja przerwana, nic z niego nie zapisano.</source>
        <translation>Архів надіслав рядок каталогу в неправильному вигляді; синхронізацію перервано, з нього нічого не збережено.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</source>
        <translation>У цій інсталяції немає драйвера PostgreSQL (QPSQL): архів недоступний.</translation>
    </message>
    <message>
        <source>Nie można otworzyć lokalnej bazy: %1</source>
        <translation>Неможливо відкрити локальну базу: %1</translation>
    </message>
    <message>
        <source>Błąd zapisu do lokalnej bazy: %1</source>
        <translation>Помилка запису до локальної бази: %1</translation>
    </message>
    <message>
        <source>Połączenie z archiwum zostało przerwane; synchronizacja nie dokończona, zapisane dotąd rekordy są zachowane. Spróbuj ponownie. (%1)</source>
        <translation>З’єднання з архівом перервано; синхронізацію не завершено, записи, збережені до цього моменту, залишаються. Спробуйте ще раз. (%1)</translation>
    </message>
    <message>
        <source>Synchronizacja zakończona: pobrano %1, wysłano %2.</source>
        <translation>Синхронізацію завершено: отримано %1, надіслано %2.</translation>
    </message>
    <message>
        <source>Rekord nie został wycofany: wycofać może go tylko jego autor.</source>
        <translation>Запис не відкликано: відкликати його може лише його автор.</translation>
    </message>
    <message>
        <source>Rekord wycofany; pozostaje w archiwum.</source>
        <translation>Запис відкликано; він залишається в архіві.</translation>
    </message>
    <message>
        <source>Brak certyfikatu CA firmy, którym program sprawdza serwer archiwum: umieść go w %1 (Ustawienia &gt; Widok &gt; Certyfikat CA…). Hasła nie wysłano.</source>
        <translation>Немає сертифіката ЦС компанії, яким програма перевіряє сервер архіву: розмістіть його в %1 (Налаштування &gt; Вигляд &gt; Сертифікат ЦС…). Пароль не надіслано.</translation>
    </message>
    <message>
        <source>Certyfikat serwera nie jest wystawiony na nazwę %1: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%2)</source>
        <translation>Сертифікат сервера видано не на ім’я %1: можливо, це не сервер архіву компанії. Пароль не надіслано. (%2)</translation>
    </message>
    <message>
        <source>Certyfikat serwera nie pochodzi od CA firmy: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</source>
        <translation>Сертифікат сервера видано не ЦС компанії: можливо, це не сервер архіву компанії. Пароль не надіслано. (%1)</translation>
    </message>
    <message>
        <source>Serwer nie potwierdził swojej tożsamości wiązaniem kanału (SCRAM): to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</source>
        <translation>Сервер не підтвердив свою автентичність прив’язкою каналу (SCRAM): можливо, це не сервер архіву компанії. Пароль не надіслано. (%1)</translation>
    </message>
    <message>
        <source>Synchronizacja przerwana.</source>
        <translation>Синхронізацію перервано.</translation>
    </message>
    <message>
        <source>Archiwum nie zna loginu %1 jako technika: administrator dodaje go poleceniem scripts/archive-server add-technician. Nic nie wysłano.</source>
        <translation>Архів не знає логін %1 як техніка: адміністратор додає його командою scripts/archive-server add-technician. Нічого не надіслано.</translation>
    </message>
    <message>
        <source>Archiwum na serwerze zostało odtworzone z kopii lub zastąpione: wysłano ponownie %1 rekordów, których w nim brakowało, i pobrano to, czego brakowało tutaj.</source>
        <translation>Архів на сервері відновлено з копії або замінено: повторно надіслано записів, яких у ньому бракувало: %1; отримано те, чого бракувало тут.</translation>
    </message>
    <message>
        <source>Odrzucono rekordów z archiwum: %1 (zobacz „Odrzucone z archiwum”).</source>
        <translation>Відхилено записів з архіву: %1 (див. «Відхилені з архіву»).</translation>
    </message>
    <message>
        <source>Rekordy z archiwum czekające na rekord, do którego się odwołują: %1.</source>
        <translation>Записи з архіву, що чекають на запис, на який посилаються: %1.</translation>
    </message>
    <message>
        <source>Archiwum nie przyjęło: %1.</source>
        <translation>Архів не прийняв: %1.</translation>
    </message>
    <message>
        <source>Archiwum nie ma tego rekordu.</source>
        <translation>В архіві немає цього запису.</translation>
    </message>
    <message>
        <source>Nie przywrócono rekordu %1: %2</source>
        <translation>Запис %1 не відновлено: %2</translation>
    </message>
    <message>
        <source>Przywrócono z archiwum: %1.</source>
        <translation>Відновлено з архіву: %1.</translation>
    </message>
    <message>
        <source>Pobieranie przerwane; nic nie zapisano.</source>
        <translation>Завантаження перервано; нічого не збережено.</translation>
    </message>
    <message>
        <source>Pobrano z archiwum: %1 B.</source>
        <translation>Завантажено з архіву: %1 Б.</translation>
    </message>
    <message>
        <source>Rekord z archiwum odrzucony: %1</source>
        <translation>Запис архіву відхилено: %1</translation>
    </message>
    <message>
        <source>Nowe w katalogu archiwum, bez danych na tym komputerze: %1 (otwórz je w „Rekordy w archiwum”).</source>
        <translation>Нові в каталозі архіву, без даних на цьому комп’ютері: %1 (відкрийте їх у «Записи в архіві»).</translation>
    </message>
</context>
<context>
    <name>CTM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Оголошення модуля</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активний / неактивний</translation>
    </message>
    <message>
        <source>Wejście alarmu zewnętrznego (CSP)</source>
        <translation>Вхід зовнішньої тривоги (CSP)</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał alarmu zewnętrznego</source>
        <translation>Сигнал зовнішньої тривоги активний / неактивний</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA - kontrola ciągłości</source>
        <translation>Реле тривоги PKA - контроль цілісності</translation>
    </message>
    <message>
        <source>Aktywna / nieaktywna kontrola ciągłości toru wyjściowego PKA</source>
        <translation>Контроль цілісності вихідного кола PKA активний / неактивний</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu - czas Top</source>
        <translation>Реле тривоги - час Top</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania przekaźnika alarmu</source>
        <translation>Затримка активації реле тривоги</translation>
    </message>
    <message>
        <source>Automatyka pogodowa</source>
        <translation>Погодна автоматика</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał z czujnika deszczu/wiatru</source>
        <translation>Сигнал датчика дощу/вітру активний / неактивний</translation>
    </message>
    <message>
        <source>Zasilanie LNM nr %1 - PSV nr </source>
        <translation>Живлення LNM № %1 - PSV № </translation>
    </message>
    <message>
        <source>Zasilanie modułu LNM-60 nr %1 z modułu PSV-60 nr</source>
        <translation>Живлення модуля LNM-60 № %1 від модуля PSV-60 №</translation>
    </message>
    <message>
        <source>Sygnalizowanie stanów na BZ7x</source>
        <translation>Індикація станів на BZ7x</translation>
    </message>
    <message>
        <source>TAK- Sygnalizowanie optyczne stanu wszystkich modułów (stan całej centrali)
NIE- Sygnalizowanie optyczne stanu tylko modułu LNM nr 1</source>
        <translation>ТАК- Світлова індикація стану всіх модулів (стан усього приладу)
НІ- Світлова індикація стану лише модуля LNM № 1</translation>
    </message>
    <message>
        <source>Blokowanie odłączenia baterii w alarmie</source>
        <translation>Блокування відключення батареї під час тривоги</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do LNM %1</source>
        <translation>Провітрювання – кнопки з LNM1 до LNM %1</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach LNM nr %1</source>
        <translation>Використання кнопок провітрювання ВІДКРИТИ/ЗАКРИТИ 
під’єднаних до модуля LNM № 1 для керування провітрюванням
 у модулях LNM № %1</translation>
    </message>
    <message>
        <source>Scenariusz</source>
        <translation>Сценарій</translation>
    </message>
    <message>
        <source>Scenariusz dedykowany dla obiektu</source>
        <translation>Сценарій, призначений для об’єкта</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do RLH %1 PK%2</source>
        <translation>Провітрювання – кнопки з LNM1 до RLH %1 PK%2</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach RLH nr %1 PK nr %2</source>
        <translation>Використання кнопок провітрювання ВІДКРИТИ/ЗАКРИТИ 
під’єднаних до модуля LNM № 1 для керування провітрюванням
 у модулях RLH № %1 PK № %2</translation>
    </message>
    <message>
        <source>CTM</source>
        <translation>CTM</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Головний модуль керування</translation>
    </message>
    <message>
        <source>LNM nr 1 – brak łączności </source>
        <translation>LNM № 1 – немає зв’язку </translation>
    </message>
    <message>
        <source>LNM nr 2 – brak łączności </source>
        <translation>LNM № 2 – немає зв’язку </translation>
    </message>
    <message>
        <source>LNM nr 3 – brak łączności </source>
        <translation>LNM № 3 – немає зв’язку </translation>
    </message>
    <message>
        <source>LNM nr 4 – brak łączności </source>
        <translation>LNM № 4 – немає зв’язку </translation>
    </message>
    <message>
        <source>LNM nr 5 – brak łączności </source>
        <translation>LNM № 5 – немає зв’язку </translation>
    </message>
    <message>
        <source>LNM nr 6 – brak łączności </source>
        <translation>LNM № 6 – немає зв’язку </translation>
    </message>
    <message>
        <source>LNM nr 7 – brak łączności </source>
        <translation>LNM № 7 – немає зв’язку </translation>
    </message>
    <message>
        <source>LNM nr 8 – brak łączności </source>
        <translation>LNM № 8 – немає зв’язку </translation>
    </message>
    <message>
        <source>RLH nr 1 – brak łączności </source>
        <translation>RLH № 1 – немає зв’язку </translation>
    </message>
    <message>
        <source>RLH nr 2 – brak łączności </source>
        <translation>RLH № 2 – немає зв’язку </translation>
    </message>
    <message>
        <source>RLH nr 3 – brak łączności </source>
        <translation>RLH № 3 – немає зв’язку </translation>
    </message>
    <message>
        <source>RLH nr 4 – brak łączności </source>
        <translation>RLH № 4 – немає зв’язку </translation>
    </message>
    <message>
        <source>PSV nr 1 – brak łączności </source>
        <translation>PSV № 1 – немає зв’язку </translation>
    </message>
    <message>
        <source>PSV nr 2 – brak łączności </source>
        <translation>PSV № 2 – немає зв’язку </translation>
    </message>
    <message>
        <source>PSV nr 3 – brak łączności </source>
        <translation>PSV № 3 – немає зв’язку </translation>
    </message>
    <message>
        <source>PSV nr 4 – brak łączności </source>
        <translation>PSV № 4 – немає зв’язку </translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – zwarcie</source>
        <translation>Лінія зовнішньої тривоги – коротке замикання</translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – przerwa</source>
        <translation>Лінія зовнішньої тривоги – обрив</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA – brak ciągłości</source>
        <translation>Реле тривоги PKA – порушення цілісності</translation>
    </message>
    <message>
        <source>Czujnik D/W – brak zasilania (bezpiecznik)</source>
        <translation>Датчик дощу/вітру – немає живлення (запобіжник)</translation>
    </message>
    <message>
        <source>Kalendarz - Brak synchronizacji zegara </source>
        <translation>Календар - Годинник не синхронізовано </translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – помилка контрольної суми</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версія програмного забезпечення</translation>
    </message>
</context>
<context>
    <name>CheckTemplatesDialog</name>
    <message>
        <source>Listy sprawdzeń</source>
        <translation>Списки перевірок</translation>
    </message>
    <message>
        <source>Część listy:</source>
        <translation>Частина списку:</translation>
    </message>
    <message>
        <source>Nowe przeglądy dostają wiersze, które nie są wycofane, w tej kolejności. Przeglądy już rozpoczęte zachowują swoje wiersze.</source>
        <translation>Нові огляди отримують невідкликані рядки в цьому порядку. Уже розпочаті огляди зберігають свої рядки.</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Додати рядок</translation>
    </message>
    <message>
        <source>W górę</source>
        <translation>Угору</translation>
    </message>
    <message>
        <source>W dół</source>
        <translation>Униз</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Sprawdzenie</source>
        <translation>Перевірка</translation>
    </message>
    <message>
        <source>Sposób</source>
        <translation>Спосіб</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Вимога</translation>
    </message>
    <message>
        <source>Wycofany</source>
        <translation>Відкликано</translation>
    </message>
</context>
<context>
    <name>Checklist</name>
    <message>
        <source>Przełączenie zasilania sieć / akumulator</source>
        <translation>Перемикання живлення мережа / акумулятор</translation>
    </message>
    <message>
        <source>Odłączyć zasilanie 230 V, obserwować pracę z akumulatora i powrót zasilania sieciowego</source>
        <translation>Від’єднати живлення 230 V, спостерігати роботу від акумулятора та відновлення мережевого живлення</translation>
    </message>
    <message>
        <source>praca bez przerwy, zgłoszenie braku 230 V</source>
        <translation>робота без перерви, повідомлення про відсутність 230 V</translation>
    </message>
    <message>
        <source>Ładowarka akumulatorów</source>
        <translation>Зарядний пристрій акумуляторів</translation>
    </message>
    <message>
        <source>Pomiar napięcia ładowania na zaciskach akumulatora</source>
        <translation>Вимірювання напруги заряджання на клемах акумулятора</translation>
    </message>
    <message>
        <source>27,3 V ± 0,3 V</source>
        <translation>27,3 V ± 0,3 V</translation>
    </message>
    <message>
        <source>Uszkodzenie przy odłączeniu akumulatora</source>
        <translation>Несправність при від’єднанні акумулятора</translation>
    </message>
    <message>
        <source>Odłączyć akumulator, odczytać uszkodzenia</source>
        <translation>Від’єднати акумулятор, зчитати несправності</translation>
    </message>
    <message>
        <source>zgłoszony brak akumulatora</source>
        <translation>повідомлено про відсутність акумулятора</translation>
    </message>
    <message>
        <source>Nadzór linii</source>
        <translation>Контроль ліній</translation>
    </message>
    <message>
        <source>Odczyt stanu linii w podglądzie na żywo</source>
        <translation>Зчитування стану ліній у перегляді наживо</translation>
    </message>
    <message>
        <source>stan dozorowania</source>
        <translation>черговий режим</translation>
    </message>
    <message>
        <source>Wykrycie przerwy linii</source>
        <translation>Виявлення обриву лінії</translation>
    </message>
    <message>
        <source>Rozłączyć linię na końcu, odczytać uszkodzenia</source>
        <translation>Розімкнути лінію на кінці, зчитати несправності</translation>
    </message>
    <message>
        <source>zgłoszona przerwa</source>
        <translation>повідомлено про обрив</translation>
    </message>
    <message>
        <source>Wykrycie zwarcia linii</source>
        <translation>Виявлення короткого замикання лінії</translation>
    </message>
    <message>
        <source>Zewrzeć linię, odczytać uszkodzenia</source>
        <translation>Замкнути лінію накоротко, зчитати несправності</translation>
    </message>
    <message>
        <source>zgłoszone zwarcie</source>
        <translation>повідомлено про коротке замикання</translation>
    </message>
    <message>
        <source>Wyjścia przekaźnikowe</source>
        <translation>Релейні виходи</translation>
    </message>
    <message>
        <source>Wysterować każde wyjście, sprawdzić przełączenie styków</source>
        <translation>Активувати кожен вихід, перевірити перемикання контактів</translation>
    </message>
    <message>
        <source>przełączenie styków, ciągłość obwodu</source>
        <translation>перемикання контактів, цілісність кола</translation>
    </message>
    <message>
        <source>Blokada wyzwolenia</source>
        <translation>Блокування пуску</translation>
    </message>
    <message>
        <source>Przed testem włączyć blokadę wyzwolenia gaszenia</source>
        <translation>Перед тестом увімкнути блокування пуску гасіння</translation>
    </message>
    <message>
        <source>blokada włączona i sygnalizowana</source>
        <translation>блокування ввімкнено й сигналізується</translation>
    </message>
    <message>
        <source>Obwody wyzwalające</source>
        <translation>Пускові кола</translation>
    </message>
    <message>
        <source>Test przy wyłączonym wyzwalaniu: ciągłość i zwarcie obwodu</source>
        <translation>Тест при вимкненому пуску: цілісність і коротке замикання кола</translation>
    </message>
    <message>
        <source>brak przerwy i zwarcia, bez wyzwolenia</source>
        <translation>немає обриву та короткого замикання, без пуску</translation>
    </message>
    <message>
        <source>Stan wizualny centrali i obudowy</source>
        <translation>Зовнішній стан приладу та корпусу</translation>
    </message>
    <message>
        <source>Oględziny: uszkodzenia, zabrudzenia, mocowanie, zamknięcie</source>
        <translation>Огляд: пошкодження, забруднення, кріплення, закриття</translation>
    </message>
    <message>
        <source>bez uszkodzeń</source>
        <translation>без пошкоджень</translation>
    </message>
    <message>
        <source>Bezpieczniki</source>
        <translation>Запобіжники</translation>
    </message>
    <message>
        <source>Sprawdzenie wartości i stanu bezpieczników</source>
        <translation>Перевірка номіналів і стану запобіжників</translation>
    </message>
    <message>
        <source>zgodne z dokumentacją</source>
        <translation>відповідають документації</translation>
    </message>
    <message>
        <source>Obwód zasilania sieciowego</source>
        <translation>Коло мережевого живлення</translation>
    </message>
    <message>
        <source>Wydzielony obwód, oznaczenie, zabezpieczenie</source>
        <translation>Окреме коло, маркування, захист</translation>
    </message>
    <message>
        <source>zgodny z projektem</source>
        <translation>відповідає проєкту</translation>
    </message>
    <message>
        <source>Sygnalizacja do centrali SSP / monitoringu</source>
        <translation>Передавання сигналів до ППКП / моніторингу</translation>
    </message>
    <message>
        <source>Wywołanie alarmu i uszkodzenia, potwierdzenie odbioru</source>
        <translation>Виклик тривоги та несправності, підтвердження прийому</translation>
    </message>
    <message>
        <source>sygnały odebrane</source>
        <translation>сигнали прийнято</translation>
    </message>
    <message>
        <source>Książka eksploatacji</source>
        <translation>Журнал експлуатації</translation>
    </message>
    <message>
        <source>Wpisy od poprzedniego przeglądu</source>
        <translation>Записи від попереднього огляду</translation>
    </message>
    <message>
        <source>prowadzona</source>
        <translation>ведеться</translation>
    </message>
    <message>
        <source>Instrukcja obsługi na miejscu</source>
        <translation>Інструкція з експлуатації на місці</translation>
    </message>
    <message>
        <source>Obecność i aktualność instrukcji przy centrali</source>
        <translation>Наявність і актуальність інструкції біля приладу</translation>
    </message>
    <message>
        <source>dostępna</source>
        <translation>наявна</translation>
    </message>
    <message>
        <source>Czujki</source>
        <translation>Сповіщувачі</translation>
    </message>
    <message>
        <source>Pobudzenie testerem, zadziałanie na centrali</source>
        <translation>Спрацювання від тестера, реакція приладу</translation>
    </message>
    <message>
        <source>alarm na centrali</source>
        <translation>тривога на приладі</translation>
    </message>
    <message>
        <source>Przyciski ROP i przyciski oddymiania</source>
        <translation>Ручні сповіщувачі та кнопки димовидалення</translation>
    </message>
    <message>
        <source>Uruchomienie kluczem testowym</source>
        <translation>Запуск тестовим ключем</translation>
    </message>
    <message>
        <source>Siłowniki</source>
        <translation>Приводи</translation>
    </message>
    <message>
        <source>Pełny cykl otwarcia i zamknięcia</source>
        <translation>Повний цикл відкриття та закриття</translation>
    </message>
    <message>
        <source>ruch bez zacięć</source>
        <translation>рух без заїдань</translation>
    </message>
    <message>
        <source>Klapy i okna oddymiające</source>
        <translation>Клапани та вікна димовидалення</translation>
    </message>
    <message>
        <source>Otwarcie z centrali, kontrola krańcówek</source>
        <translation>Відкриття з приладу, перевірка кінцевих вимикачів</translation>
    </message>
    <message>
        <source>otwarcie pełne</source>
        <translation>повне відкриття</translation>
    </message>
    <message>
        <source>Sygnalizatory</source>
        <translation>Оповіщувачі</translation>
    </message>
    <message>
        <source>Wysterowanie z centrali</source>
        <translation>Керування з приладу</translation>
    </message>
    <message>
        <source>sygnał słyszalny</source>
        <translation>сигнал чутно</translation>
    </message>
    <message>
        <source>Urządzenia wyzwalające i pojemniki</source>
        <translation>Пускові пристрої та балони</translation>
    </message>
    <message>
        <source>Oględziny, ciśnienie, masa, zabezpieczenia</source>
        <translation>Огляд, тиск, маса, запобіжники</translation>
    </message>
    <message>
        <source>zgodne z kartą urządzenia</source>
        <translation>відповідають паспорту пристрою</translation>
    </message>
    <message>
        <source>Sprawdzenia ogólne</source>
        <translation>Загальні перевірки</translation>
    </message>
    <message>
        <source>Moduły zasilania</source>
        <translation>Модулі живлення</translation>
    </message>
    <message>
        <source>Moduły liniowe</source>
        <translation>Лінійні модулі</translation>
    </message>
    <message>
        <source>Moduły przekaźników</source>
        <translation>Модулі реле</translation>
    </message>
    <message>
        <source>Moduły sterowania gaszeniem</source>
        <translation>Модулі керування пожежогасінням</translation>
    </message>
    <message>
        <source>Urządzenia w obiekcie</source>
        <translation>Пристрої на об’єкті</translation>
    </message>
</context>
<context>
    <name>CloseWarnings</name>
    <message>
        <source>Sprawdzenia bez wyniku: %1. W protokole będą opisane jako „nie sprawdzono”.</source>
        <translation>Перевірок без результату: %1. У протоколі їх буде вказано як «не перевірено».</translation>
    </message>
    <message>
        <source>Ocena „sprawna”, a przy odjeździe centrala zgłasza uszkodzenia: %1.</source>
        <translation>Оцінка «справний», але під час від’їзду прилад повідомляє про несправності: %1.</translation>
    </message>
    <message>
        <source>Akumulator %1: termin wymiany %2 minął, a akumulatora nie wymieniono.</source>
        <translation>Акумулятор %1: термін заміни %2 минув, а акумулятор не замінено.</translation>
    </message>
    <message>
        <source>Akumulator %1: termin wymiany %2 przypada w ciągu 90 dni, a akumulatora nie wymieniono.</source>
        <translation>Акумулятор %1: термін заміни %2 настає протягом 90 днів, а акумулятор не замінено.</translation>
    </message>
</context>
<context>
    <name>ConfigDiffModel</name>
    <message>
        <source>cały moduł, tylko po lewej</source>
        <translation>весь модуль, лише ліворуч</translation>
    </message>
    <message>
        <source>cały moduł, tylko po prawej</source>
        <translation>весь модуль, лише праворуч</translation>
    </message>
    <message>
        <source>(brak modułu)</source>
        <translation>(немає модуля)</translation>
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
        <translation>Фільтрувати</translation>
    </message>
    <message>
        <source>Pokaż tylko zadeklarowane moduły na liście konfiguracyjnej</source>
        <translation>Показувати лише оголошені модулі в списку конфігурації</translation>
    </message>
    <message>
        <source>Pokaż niezadeklarowane</source>
        <translation>Показати неоголошені</translation>
    </message>
    <message>
        <source>Rozwiń</source>
        <translation>Розгорнути</translation>
    </message>
    <message>
        <source>ZAPISZ</source>
        <translation>ЗБЕРЕГТИ</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Конфігурація</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została zmieniona. Czy zapisać zmiany?</source>
        <translation>Конфігурацію %1 змінено. Зберегти зміни?</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:red&quot;&gt;&lt;i&gt;Czerwony napis&lt;/i&gt;&lt;/span&gt;: wartość inna niż w porównywanej konfiguracji (albo moduł, którego tam nie ma). &lt;span style=&quot;background-color:yellow&quot;&gt;&lt;i&gt;Żółte tło&lt;/i&gt;&lt;/span&gt;: wartość zmieniona i jeszcze niezapisana.</source>
        <translation>&lt;span style=&quot;color:red&quot;&gt;&lt;i&gt;Червоний напис&lt;/i&gt;&lt;/span&gt;: значення відрізняється від порівнюваної конфігурації (або модуль, якого там немає). &lt;span style=&quot;background-color:yellow&quot;&gt;&lt;i&gt;Жовтий фон&lt;/i&gt;&lt;/span&gt;: значення змінено й ще не збережено.</translation>
    </message>
    <message>
        <source>Wczytaj ponownie</source>
        <translation>Завантажити знову</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Порівняти</translation>
    </message>
</context>
<context>
    <name>ConfigManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Зчитати</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Зчитати з пристрою</translation>
    </message>
    <message>
        <source>Wyślij</source>
        <translation>Надіслати</translation>
    </message>
    <message>
        <source>Wyślij do urządzenia</source>
        <translation>Надіслати в пристрій</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Додати</translation>
    </message>
    <message>
        <source>Dodaj nową konfigrację</source>
        <comment>Add new config</comment>
        <translation>Додати нову конфігурацію</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Зберегти в PDF</translation>
    </message>
    <message>
        <source>Zapisz do pdf</source>
        <translation>Зберегти в PDF</translation>
    </message>
    <message>
        <source>Wczytaj z pliku</source>
        <translation>Завантажити з файлу</translation>
    </message>
    <message>
        <source>Zapisz do pliku</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Конфігуратор Ostrel</translation>
    </message>
    <message>
        <source>Błąd przy odczycie konfiguracji</source>
        <comment>Configuration error</comment>
        <translation>Помилка зчитування конфігурації</translation>
    </message>
    <message>
        <source>Nazwa Konfiguracji</source>
        <translation>Назва конфігурації</translation>
    </message>
    <message>
        <source>Wprowadź nazwę:</source>
        <translation>Введіть назву:</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1 w bazie danych.</source>
        <translation>Не вдалося зберегти конфігурацію %1 у базі даних.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Дані успішно надіслано.</translation>
    </message>
    <message>
        <source>Czy wysłać konfigurację %1 do urządzenia?</source>
        <translation>Надіслати конфігурацію %1 в пристрій?</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Конфігурація</translation>
    </message>
    <message>
        <source>Konfiguracja została zapisana.</source>
        <translation>Конфігурацію збережено.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1.</source>
        <translation>Не вдалося зберегти конфігурацію %1.</translation>
    </message>
    <message>
        <source>Stwórz nową konfigurację</source>
        <translation>Створити нову конфігурацію</translation>
    </message>
    <message>
        <source>Wprowadź nową nazwę:</source>
        <translation>Введіть нову назву:</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż jedną konfigurację.Zaznacz jedną konfigurację, aby zmienić nazwę.</source>
        <translation>Вибрано більше ніж одну конфігурацію. Виберіть одну конфігурацію, щоб перейменувати її.</translation>
    </message>
    <message>
        <source>Zmiana nazwy.</source>
        <translation>Перейменування.</translation>
    </message>
    <message>
        <source>Zmieniono nazwe konfiguracji %1</source>
        <translation>Конфігурацію перейменовано: %1</translation>
    </message>
    <message>
        <source>Czy usunąć konfigurację %1</source>
        <translation>Видалити конфігурацію %1?</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Так</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji</source>
        <translation>Видалення конфігурації</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji o nazwie: %1</source>
        <translation>Видалено конфігурацію з назвою: %1</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż 1 konfigurację na liście.
 Zaznacz jedną konfigurację, aby ją wyeksportować.</source>
        <translation>У списку вибрано більше ніж 1 конфігурацію.
 Виберіть одну конфігурацію, щоб її експортувати.</translation>
    </message>
    <message>
        <source>Eksport config</source>
        <translation>Експорт конфігурації</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>Не вдалося зберегти файл %1.</translation>
    </message>
    <message>
        <source>Import conf</source>
        <translation>Імпорт конфігурації</translation>
    </message>
    <message>
        <source>Plik %1 nie zawiera poprawnej konfiguracji.</source>
        <translation>Файл %1 не містить коректної конфігурації.</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Експорт PDF</translation>
    </message>
    <message>
        <source>urządzenia</source>
        <translation>пристрою</translation>
    </message>
    <message>
        <source>Urządzenie</source>
        <translation>Пристрій</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Порівняти</translation>
    </message>
    <message>
        <source>Porównaj otwartą konfigurację z inną</source>
        <translation>Порівняти відкриту конфігурацію з іншою</translation>
    </message>
    <message>
        <source>z zapisaną konfiguracją…</source>
        <translation>зі збереженою конфігурацією…</translation>
    </message>
    <message>
        <source>z plikiem .cfg…</source>
        <translation>з файлом .cfg…</translation>
    </message>
    <message>
        <source>z konfiguracją urządzenia</source>
        <translation>з конфігурацією пристрою</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zawiera żadnego modułu.</source>
        <translation>Конфігурація %1 не містить жодного модуля.</translation>
    </message>
    <message>
        <source>Konfiguracji %1 nie da się odczytać: jej dane są uszkodzone.</source>
        <translation>Конфігурацію %1 неможливо прочитати: її дані пошкоджено.</translation>
    </message>
    <message>
        <source>Otwórz konfigurację, którą chcesz porównać.</source>
        <translation>Відкрийте конфігурацію, яку потрібно порівняти.</translation>
    </message>
    <message>
        <source>Nie ma innej zapisanej konfiguracji.</source>
        <translation>Іншої збереженої конфігурації немає.</translation>
    </message>
    <message>
        <source>Porównaj %1 z konfiguracją:</source>
        <translation>Порівняти %1 з конфігурацією:</translation>
    </message>
    <message>
        <source>Porównaj z plikiem</source>
        <translation>Порівняти з файлом</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem.</source>
        <translation>Немає з’єднання з пристроєм.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji</source>
        <translation>зчитування конфігурації</translation>
    </message>
    <message>
        <source>Poprzednie polecenie dla urządzenia jeszcze trwa.</source>
        <translation>Попередня команда для пристрою ще виконується.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji do porównania</source>
        <translation>зчитування конфігурації для порівняння</translation>
    </message>
    <message>
        <source>Konfiguracja %1 ma niezapisane zmiany.

„Tak” zapisuje je i drukuje zapisaną konfigurację, „Nie” drukuje to, co widać w edytorze, bez zapisywania.</source>
        <translation>Конфігурація %1 має незбережені зміни.

«Так» зберігає їх і друкує збережену конфігурацію, «Ні» друкує те, що видно в редакторі, без збереження.</translation>
    </message>
    <message>
        <source>Konfigurację %1 zapisano w pliku %2.</source>
        <translation>Конфігурацію %1 збережено у файлі %2.</translation>
    </message>
    <message>
        <source>ta stacja</source>
        <translation>цей комп’ютер</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została w międzyczasie zmieniona przez synchronizację z archiwum, więc zmian nie zapisano na niej: zapisano je obok jako %2, konflikt do rozstrzygnięcia (Porównaj).</source>
        <translation>Конфігурацію %1 тим часом змінено синхронізацією з архівом, тому зміни не записано поверх неї: їх записано поруч як %2 — конфлікт, який треба розв’язати (Порівняти).</translation>
    </message>
    <message>
        <source>Synchronizacja z archiwum przyniosła nowszą wersję konfiguracji %1. Edytor pokazuje wersję otwartą wcześniej; jej zapis trafi obok jako konflikt.</source>
        <translation>Синхронізація з архівом принесла новішу версію конфігурації %1. Редактор показує версію, відкриту раніше; її запис буде збережено поруч як конфлікт.</translation>
    </message>
    <message>
        <source>Konfiguracja %1 ma niezapisane zmiany. Zapisać je obok jako konflikt przed wczytaniem nowszej wersji?</source>
        <translation>У конфігурації %1 є незбережені зміни. Зберегти їх поруч як конфлікт перед завантаженням новішої версії?</translation>
    </message>
    <message>
        <source>%1 (wersja z archiwum)</source>
        <translation>%1 (версія з архіву)</translation>
    </message>
</context>
<context>
    <name>ConfigReviewDialog</name>
    <message>
        <source>Porównanie konfiguracji</source>
        <translation>Порівняння конфігурацій</translation>
    </message>
    <message>
        <source>Pokaż:</source>
        <translation>Показати:</translation>
    </message>
    <message>
        <source>tylko różnice</source>
        <translation>лише відмінності</translation>
    </message>
    <message>
        <source>wszystkie</source>
        <translation>усі</translation>
    </message>
    <message>
        <source>UWAGA: zestaw modułów się różni (tylko po lewej: %1, tylko po prawej: %2). Ta konfiguracja może należeć do innej centrali.</source>
        <translation>УВАГА: набори модулів відрізняються (лише ліворуч: %1, лише праворуч: %2). Ця конфігурація може належати іншому приладу.</translation>
    </message>
    <message>
        <source>Przegląd przed wysłaniem</source>
        <translation>Перегляд перед надсиланням</translation>
    </message>
    <message>
        <source>Wyślij zaznaczone</source>
        <translation>Надіслати позначені</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Moduły: %1 po lewej, %2 po prawej. Tylko po lewej: %3, tylko po prawej: %4. Zmienione ustawienia: %5, bez zmian: %6.</source>
        <translation>Модулі: %1 ліворуч, %2 праворуч. Лише ліворуч: %3, лише праворуч: %4. Змінені параметри: %5, без змін: %6.</translation>
    </message>
</context>
<context>
    <name>ConfigSender</name>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Конфігуратор Ostrel</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zostanie wysłana: jej zapisany obraz jest uszkodzony.</source>
        <translation>Конфігурацію %1 не буде надіслано: її збережений образ пошкоджено.</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zostanie wysłana: nie zawiera żadnego modułu.</source>
        <translation>Конфігурацію %1 не буде надіслано: вона не містить жодного модуля.</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem.</source>
        <translation>Немає з’єднання з пристроєм.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać kopii konfiguracji urządzenia. Nic nie wysłano.</source>
        <translation>Не вдалося зберегти копію конфігурації пристрою. Нічого не надіслано.</translation>
    </message>
    <message>
        <source>Konfiguracji odczytanej z urządzenia nie da się odczytać, więc nie można jej porównać. Nic nie wysłano.</source>
        <translation>Конфігурацію, зчитану з пристрою, неможливо прочитати, тому її не можна порівняти. Нічого не надіслано.</translation>
    </message>
    <message>
        <source>Urządzenie ma już konfigurację %1. Nic nie wysłano.</source>
        <translation>Пристрій уже має конфігурацію %1. Нічого не надіслано.</translation>
    </message>
    <message>
        <source>Urządzenie (teraz)</source>
        <translation>Пристрій (зараз)</translation>
    </message>
    <message>
        <source>Do wysłania: %1</source>
        <translation>До надсилання: %1</translation>
    </message>
    <message>
        <source>Nie zaznaczono żadnej zmiany. Nic nie wysłano.</source>
        <translation>Не позначено жодної зміни. Нічого не надіслано.</translation>
    </message>
    <message>
        <source>Zestaw modułów w urządzeniu jest inny niż w konfiguracji %1 (tylko w urządzeniu: %2, tylko w wysyłanej: %3). Ta konfiguracja może należeć do innej centrali.

Czy na pewno wysłać ją do urządzenia?</source>
        <translation>Набір модулів у пристрої відрізняється від набору в конфігурації %1 (лише в пристрої: %2, лише в тій, що надсилається: %3). Ця конфігурація може належати іншому приладу.

Справді надіслати її в пристрій?</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem. Nic nie wysłano.</source>
        <translation>Немає з’єднання з пристроєм. Нічого не надіслано.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Дані успішно надіслано.</translation>
    </message>
    <message>
        <source>Konfiguracja zweryfikowana</source>
        <translation>Конфігурацію перевірено</translation>
    </message>
    <message>
        <source>… i jeszcze %1</source>
        <translation>… і ще %1</translation>
    </message>
    <message>
        <source>%1, %2: wysłano %3, urządzenie ma %4</source>
        <translation>%1, %2: надіслано %3, у пристрої %4</translation>
    </message>
    <message>
        <source>%1: urządzenie nie ma tego modułu</source>
        <translation>%1: у пристрої немає цього модуля</translation>
    </message>
    <message>
        <source>%1: moduł, którego nie wysłano</source>
        <translation>%1: модуль, який не надсилали</translation>
    </message>
    <message>
        <source>Urządzenie potwierdziło odbiór, ale nie przyjęło tych ustawień:</source>
        <translation>Пристрій підтвердив отримання, але не прийняв ці параметри:</translation>
    </message>
    <message>
        <source>Konfiguracji odczytanej po wysłaniu nie da się odczytać.</source>
        <translation>Конфігурацію, зчитану після надсилання, неможливо прочитати.</translation>
    </message>
    <message>
        <source>Weryfikacja konfiguracji</source>
        <translation>Перевірка конфігурації</translation>
    </message>
    <message>
        <source>Poprzednia konfiguracja urządzenia jest zapisana jako %1.</source>
        <translation>Попередню конфігурацію пристрою збережено як %1.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji przed wysłaniem</source>
        <translation>зчитування конфігурації перед надсиланням</translation>
    </message>
    <message>
        <source>Nic nie wysłano.</source>
        <translation>Нічого не надіслано.</translation>
    </message>
    <message>
        <source>Urządzenie potwierdziło odbiór, ale konfiguracja nie została zweryfikowana.</source>
        <translation>Пристрій підтвердив отримання, але конфігурацію не перевірено.</translation>
    </message>
    <message>
        <source>odczyt kontrolny konfiguracji</source>
        <translation>контрольне зчитування конфігурації</translation>
    </message>
    <message>
        <source>wysyłanie konfiguracji</source>
        <translation>надсилання конфігурації</translation>
    </message>
    <message>
        <source>Nie wiadomo, czy urządzenie przyjęło konfigurację: odczytaj konfigurację, aby to sprawdzić.</source>
        <translation>Невідомо, чи прийняв пристрій конфігурацію: зчитайте конфігурацію, щоб це перевірити.</translation>
    </message>
    <message>
        <source>Niezapisane zmiany z edytora nie zostały wysłane: użyto zapisanej wersji konfiguracji %1.</source>
        <translation>Незбережені зміни з редактора не надіслано: використано збережену версію конфігурації %1.</translation>
    </message>
</context>
<context>
    <name>DetailsManagement</name>
    <message>
        <source>Debug</source>
        <translation>Діагностика</translation>
    </message>
    <message>
        <source>Kalibracja</source>
        <translation>Калібрування</translation>
    </message>
    <message>
        <source>Autokalibracja</source>
        <translation>Автокалібрування</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Instrukcja postępowania:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Wyłącz zasilanie Ostrel.&lt;/li&gt;&lt;li&gt;Odłącz złącze zasilania 24 V od modułu PSB (wejście zasilane z modułu zasilacza sieciowego).&lt;/li&gt;&lt;li&gt;Podłącz zasilacz laboratoryjny równolegle z woltomierzem do wejścia akumulatora i ustaw dokładnie 27.3 V.&lt;/li&gt;&lt;li&gt;Załącz akumulator.&lt;/li&gt;&lt;li&gt;Naciśnij przycisk „Autokalibracja”.&lt;/li&gt;&lt;li&gt;Po krótkim czasie pojawi się okno z informacją o poprawnie wykonanej kalibracji.&lt;/li&gt;&lt;li&gt;Zresetuj mikrokontroler.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Порядок дій:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Вимкніть живлення Ostrel.&lt;/li&gt;&lt;li&gt;Від’єднайте роз’єм живлення 24 V від модуля PSB (вхід, що живиться від модуля мережевого блока живлення).&lt;/li&gt;&lt;li&gt;Підключіть лабораторне джерело живлення паралельно з вольтметром до входу акумулятора та встановіть точно 27.3 V.&lt;/li&gt;&lt;li&gt;Увімкніть акумулятор.&lt;/li&gt;&lt;li&gt;Натисніть кнопку «Автокалібрування».&lt;/li&gt;&lt;li&gt;Через короткий час з’явиться вікно з повідомленням про успішне калібрування.&lt;/li&gt;&lt;li&gt;Перезапустіть мікроконтролер.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Tester Ostrel</source>
        <translation>Тестер Ostrel</translation>
    </message>
    <message>
        <source>Testuj</source>
        <translation>Тестувати</translation>
    </message>
    <message>
        <source>Skasuj</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Podgląd na żywo</source>
        <translation>Перегляд наживо</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>Brak funkcji</source>
        <translation>Немає функції</translation>
    </message>
    <message>
        <source>Nazwa testu</source>
        <translation>Назва тесту</translation>
    </message>
    <message>
        <source>Prawidłowy zakres</source>
        <translation>Допустимий діапазон</translation>
    </message>
    <message>
        <source>Wartość bin</source>
        <translation>Значення bin</translation>
    </message>
    <message>
        <source>Wartość str</source>
        <translation>Значення str</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Kalibracja zakończona. Zresetuj mikrokontroler.</source>
        <translation>Калібрування завершено. Перезапустіть мікроконтролер.</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Тестер</translation>
    </message>
    <message>
        <source>Nie można wykonać testu ponieważ włączony jest tryb kalibracji</source>
        <translation>Неможливо виконати тест, оскільки ввімкнено режим калібрування</translation>
    </message>
    <message>
        <source>Zakończono testowanie.</source>
        <translation>Тестування завершено.</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Так</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać autokalibracje Ostrel? Upewnij się czy masz podłączone zasilanie 27.3 V</source>
        <translation>Ви дійсно бажаєте виконати автокалібрування Ostrel? Переконайтеся, що підключено живлення 27.3 V</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać test Ostrel? Upewnij się czy masz podłączony akumulator i włączone zasilanie Ostrel.</source>
        <translation>Ви дійсно бажаєте виконати тест Ostrel? Переконайтеся, що акумулятор підключено, а живлення Ostrel увімкнено.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>BŁĄD</source>
        <translation>ПОМИЛКА</translation>
    </message>
    <message>
        <source>Napięcie 230 V przed diodą</source>
        <translation>Напруга 230 V перед діодом</translation>
    </message>
    <message>
        <source>Napięcie 230 V za diodą</source>
        <translation>Напруга 230 V після діода</translation>
    </message>
    <message>
        <source>Napięcie akumulatora</source>
        <translation>Напруга акумулятора</translation>
    </message>
    <message>
        <source>Prąd ładowania</source>
        <translation>Струм заряджання</translation>
    </message>
    <message>
        <source>Rezystancja akumulatora</source>
        <translation>Опір акумулятора</translation>
    </message>
    <message>
        <source>Temp. wewnątrz obudowy</source>
        <translation>Темп. усередині корпусу</translation>
    </message>
    <message>
        <source>Dioda idealna</source>
        <translation>Ідеальний діод</translation>
    </message>
    <message>
        <source>Klucz akumulatora</source>
        <translation>Ключ акумулятора</translation>
    </message>
    <message>
        <source>Stan zasilacza Ostrel</source>
        <translation>Стан блока живлення Ostrel</translation>
    </message>
    <message>
        <source>Stan ładowania akumulatora</source>
        <translation>Стан заряджання акумулятора</translation>
    </message>
    <message>
        <source>Offset temperaturowy</source>
        <translation>Зміщення температури</translation>
    </message>
    <message>
        <source>PWM sterowania binarnie</source>
        <translation>ШІМ керування, двійкове значення</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V przed dioda</source>
        <translation>Зміщення напруги 230 V перед діодом</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V za dioda</source>
        <translation>Зміщення напруги 230 V після діода</translation>
    </message>
    <message>
        <source>Offset napiecie akumulatora</source>
        <translation>Зміщення напруги акумулятора</translation>
    </message>
    <message>
        <source>Offset prąd ładowania</source>
        <translation>Зміщення струму заряджання</translation>
    </message>
    <message>
        <source>Ilość przejść do CC z CV</source>
        <translation>Кількість переходів з CV у CC</translation>
    </message>
    <message>
        <source>Ilość przeciążeń akumulatora</source>
        <translation>Кількість перевантажень акумулятора</translation>
    </message>
    <message>
        <source>Ilość pomiarów rezystancji</source>
        <translation>Кількість вимірювань опору</translation>
    </message>
    <message>
        <source>Ilość załączeń diody</source>
        <translation>Кількість увімкнень діода</translation>
    </message>
    <message>
        <source>Ilość wyłączeń diody</source>
        <translation>Кількість вимкнень діода</translation>
    </message>
    <message>
        <source>Ilość wylaczen diody podczas blokowania 2s</source>
        <translation>Кількість вимкнень діода під час блокування 2s</translation>
    </message>
    <message>
        <source>Ilość prób zalaczen diody po sprawdeniu napiecia sieciowego</source>
        <translation>Кількість спроб увімкнення діода після перевірки напруги мережі</translation>
    </message>
    <message>
        <source>Ilość zalaczen diody po sprawdeniu napiecia siecowego</source>
        <translation>Кількість увімкнень діода після перевірки напруги мережі</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout R</source>
        <translation>Кількість тайм-аутів R</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 5h</source>
        <translation>Кількість тайм-аутів заряджання CC 5h</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 48h</source>
        <translation>Кількість тайм-аутів заряджання CC 48h</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CC</source>
        <translation>Кількість помилок зарядного пристрою в CC</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CV</source>
        <translation>Кількість помилок зарядного пристрою в CV</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS1</source>
        <translation>Стан сигнальної лінії LS1</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS2</source>
        <translation>Стан сигнальної лінії LS2</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS3</source>
        <translation>Стан сигнальної лінії LS3</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS4</source>
        <translation>Стан сигнальної лінії LS4</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK1</source>
        <translation>Стан контрольної лінії LK1</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK2</source>
        <translation>Стан контрольної лінії LK2</translation>
    </message>
    <message>
        <source>BATTERY AND SUPPLY</source>
        <translation>АКУМУЛЯТОР І МЕРЕЖА</translation>
    </message>
    <message>
        <source>ONLY BATTERY</source>
        <translation>ЛИШЕ АКУМУЛЯТОР</translation>
    </message>
    <message>
        <source>ONLY SUPPLY</source>
        <translation>ЛИШЕ МЕРЕЖА</translation>
    </message>
    <message>
        <source>CURRENT MODE</source>
        <translation>РЕЖИМ СТРУМУ</translation>
    </message>
    <message>
        <source>VOLTAGE MODE</source>
        <translation>РЕЖИМ НАПРУГИ</translation>
    </message>
    <message>
        <source>TEMPERATURE MODE</source>
        <translation>РЕЖИМ ТЕМПЕРАТУРИ</translation>
    </message>
    <message>
        <source>WYSTEROWANIE</source>
        <translation>АКТИВОВАНО</translation>
    </message>
    <message>
        <source>ZWARCIE</source>
        <translation>ЗАМИКАННЯ</translation>
    </message>
    <message>
        <source>PRZECIĄŻENIE</source>
        <translation>ПЕРЕВАНТАЖЕННЯ</translation>
    </message>
    <message>
        <source>PRZERWA</source>
        <translation>ОБРИВ</translation>
    </message>
    <message>
        <source>DOZÓR</source>
        <translation>ЧЕРГУВАННЯ</translation>
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
        <translation>Тест датчика струму без навантаження</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - rezystnacja</source>
        <translation>Тест вимірювання опору - опір</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora bez obciążenia</source>
        <translation>Тест вимірювання опору - U акумулятора без навантаження</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora z obciążeniem</source>
        <translation>Тест вимірювання опору - U акумулятора під навантаженням</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - I akumulatora z obciążeniem</source>
        <translation>Тест вимірювання опору - I акумулятора під навантаженням</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie minimalne</source>
        <translation>Тест блока живлення - мінімальна напруга</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie maksymalne</source>
        <translation>Тест блока живлення - максимальна напруга</translation>
    </message>
    <message>
        <source>Sprawny/Uszkodzony</source>
        <translation>Справний/Несправний</translation>
    </message>
    <message>
        <source>od 0.1 do -0.1 A</source>
        <translation>від 0.1 до -0.1 A</translation>
    </message>
    <message>
        <source>&lt; 0.300 ohm</source>
        <translation>&lt; 0.300 Ом</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>od 2.9 do 3.9 A</source>
        <translation>від 2.9 до 3.9 A</translation>
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
        <translation>СТАН Y</translation>
    </message>
    <message>
        <source>STAN X</source>
        <translation>СТАН X</translation>
    </message>
    <message>
        <source>STAN DOZOROWANIA</source>
        <translation>ЧЕРГОВИЙ РЕЖИМ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>УВІМК.</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВИМК.</translation>
    </message>
    <message>
        <source>Brak sondy</source>
        <translation>Немає зонда</translation>
    </message>
    <message>
        <source>NIEDOTYCZY</source>
        <translation>Н/Д</translation>
    </message>
    <message>
        <source>0 - max. napiecie, 4095 - min. napięcie wyjściowe przetwornicy</source>
        <translation>0 - макс. напруга, 4095 - мін. вихідна напруга перетворювача</translation>
    </message>
    <message>
        <source>Wartość zeruje sie po resecie</source>
        <translation>Значення обнуляється після скидання</translation>
    </message>
    <message>
        <source>Wartość zeruje się po resecie</source>
        <translation>Значення обнуляється після скидання</translation>
    </message>
    <message>
        <source>brak danych</source>
        <translation>немає даних</translation>
    </message>
    <message>
        <source>Wartości poniżej nie są aktualne: port jest zamknięty albo centrala nie przysłała nowych przez dwa okresy odpytywania</source>
        <translation>Значення нижче неактуальні: порт закрито або прилад не надіслав нових протягом двох періодів опитування</translation>
    </message>
</context>
<context>
    <name>EnumList</name>
    <message>
        <source>Brak – wyjście nieaktywne</source>
        <translation>Немає – вихід неактивний</translation>
    </message>
    <message>
        <source>Alarm - ogólny Halvo</source>
        <translation>Тривога - загальна Halvo</translation>
    </message>
    <message>
        <source>Alarm - wejście zewnętrzne</source>
        <translation>Тривога - зовнішній вхід</translation>
    </message>
    <message>
        <source>Alarm - system Tarven A/B</source>
        <translation>Тривога - система Tarven A/B</translation>
    </message>
    <message>
        <source>Alarm - suma stref LNM</source>
        <translation>Тривога - сума зон LNM</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref LNM</source>
        <translation>Тривога - добуток зон LNM</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + suma stref LNMn</source>
        <translation>Тривога – зовнішній вхід + сума зон LNMn</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + iloczyn stref LNMn</source>
        <translation>Тривога – зовнішній вхід + добуток зон LNMn</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + suma stref LNMn</source>
        <translation>Тривога – Tarven A/B + сума зон LNMn</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + iloczyn stref LNMn</source>
        <translation>Тривога – Tarven A/B + добуток зон LNMn</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + własny</source>
        <translation>Тривога – зовнішній вхід + власна</translation>
    </message>
    <message>
        <source>Alarm – system Tarven A/B + własny</source>
        <translation>Тривога – система Tarven A/B + власна</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref + wlasny</source>
        <translation>Тривога - добуток зон + власна</translation>
    </message>
    <message>
        <source>Zarezerwowane</source>
        <translation>Зарезервовано</translation>
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
        <translation>НІ</translation>
    </message>
    <message>
        <source>Alarm - ogólny</source>
        <translation>Тривога - загальна</translation>
    </message>
    <message>
        <source>Alarm - LDK</source>
        <translation>Тривога - LDK</translation>
    </message>
    <message>
        <source>Alarm - BZ7x</source>
        <translation>Тривога - BZ7x</translation>
    </message>
    <message>
        <source>Osiągnięta pozycja pożarowa (FIRE SAFE)</source>
        <translation>Досягнуто пожежного положення (FIRE SAFE)</translation>
    </message>
    <message>
        <source>Nieaktywna</source>
        <translation>Неактивна</translation>
    </message>
    <message>
        <source>Kontrola zadziałania PK</source>
        <translation>Контроль спрацювання PK</translation>
    </message>
    <message>
        <source>Wejście potwierdzenia zewnętrznego</source>
        <translation>Вхід зовнішнього підтвердження</translation>
    </message>
    <message>
        <source>Wejście kasowania zewnętrznego</source>
        <translation>Вхід зовнішнього скидання</translation>
    </message>
    <message>
        <source>Blokowanie wyjść</source>
        <translation>Блокування виходів</translation>
    </message>
    <message>
        <source>Blokowanie warunkowe wyjscia LNM</source>
        <translation>Умовне блокування виходу LNM</translation>
    </message>
    <message>
        <source>Zamrożenie stanu</source>
        <translation>Заморожування стану</translation>
    </message>
    <message>
        <source>Wyjście nieaktywne</source>
        <translation>Вихід неактивний</translation>
    </message>
    <message>
        <source>Załączenie na stałe</source>
        <translation>Постійне увімкнення</translation>
    </message>
    <message>
        <source>Załączenie czasowe</source>
        <translation>Увімкнення на час</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-cykliczne</source>
        <translation>Імпульсно-циклічне увімкнення</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-ilościowe</source>
        <translation>Імпульсно-кількісне увімкнення</translation>
    </message>
    <message>
        <source>0-nieaktywny</source>
        <translation>0-неактивний</translation>
    </message>
    <message>
        <source>1-załączenie na stałe</source>
        <translation>1-постійне увімкнення</translation>
    </message>
    <message>
        <source>2-załączenie czasowe</source>
        <translation>2-увімкнення на час</translation>
    </message>
    <message>
        <source>3-załączenie impulsowo-cykliczne</source>
        <translation>3-імпульсно-циклічне увімкнення</translation>
    </message>
    <message>
        <source>4-załączenie impulsowo-ilościowe</source>
        <translation>4-імпульсно-кількісне увімкнення</translation>
    </message>
    <message>
        <source>5-klapy Gryfit czas T2 – wysterowanie w dozorowaniu</source>
        <translation>5-клапани Gryfit час T2 – активація в черговому режимі</translation>
    </message>
    <message>
        <source>0-nieaktywne</source>
        <translation>0-неактивне</translation>
    </message>
    <message>
        <source>1-siłownik dwukierunkowy</source>
        <translation>1-реверсивний привод</translation>
    </message>
    <message>
        <source>2-siłownik ze sprężyną powrotną</source>
        <translation>2-привод із зворотною пружиною</translation>
    </message>
    <message>
        <source>3-przerwa napięciowa lub impuls prądowy</source>
        <translation>3-переривання напруги або імпульс струму</translation>
    </message>
    <message>
        <source>Aktywne przewietrzanie</source>
        <translation>Активне провітрювання</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Контрольна лінія LK1 (від стану X у режимі 2 станів або від стану Y чи X у режимі 3 станів)</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Контрольна лінія LK2 (від стану X у режимі 2 станів або від стану Y чи X у режимі 3 станів)</translation>
    </message>
    <message>
        <source>System Tarven B</source>
        <translation>Система Tarven B</translation>
    </message>
    <message>
        <source>Wejście nieaktywne</source>
        <translation>Вхід неактивний</translation>
    </message>
    <message>
        <source>Tryb 2-stanowy</source>
        <translation>Режим 2 станів</translation>
    </message>
    <message>
        <source>Tryb 3-stanowy</source>
        <translation>Режим 3 станів</translation>
    </message>
    <message>
        <source>Brak – wejście nieaktywne</source>
        <translation>Немає – вхід неактивний</translation>
    </message>
    <message>
        <source>Port nieaktywny</source>
        <translation>Порт неактивний</translation>
    </message>
    <message>
        <source>Protokół Modbus</source>
        <translation>Протокол Modbus</translation>
    </message>
    <message>
        <source>Komunikacja z Ostrel nr. 2</source>
        <translation>Зв’язок з Ostrel № 2</translation>
    </message>
    <message>
        <source>Brak konfiguracji</source>
        <translation>Не налаштовано</translation>
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
        <translation>Виберіть ємність акумулятора</translation>
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
        <translation>3 - Не пов’язано із зоною</translation>
    </message>
    <message>
        <source>0 - Nieaktywne</source>
        <translation>0 - Неактивне</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna aktywna</source>
        <translation>1 - Контрольна лінія активна</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna</source>
        <translation>1 - Контрольна лінія</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa</source>
        <translation>2 - Потенційна лінія</translation>
    </message>
    <message>
        <source>1 - Linia Kontrolna</source>
        <translation>1 - Контрольна лінія</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa</source>
        <translation>2 - Шлейф сигналізації</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa</source>
        <translation>3 - Потенційна лінія</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilające 24 V</source>
        <translation>4 - Вихід живлення 24 V</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa</source>
        <translation>1 - Безпотенційна лінія</translation>
    </message>
    <message>
        <source>0 - Urządzenie zewnętrzne</source>
        <translation>0 - Зовнішній пристрій</translation>
    </message>
    <message>
        <source>1 - Blokada Gaszenia</source>
        <translation>1 - Блокування гасіння</translation>
    </message>
    <message>
        <source>2 - Sterowanie ręczne</source>
        <translation>2 - Ручне керування</translation>
    </message>
    <message>
        <source>3 - Dodatek</source>
        <translation>3 - Додаткова подача</translation>
    </message>
    <message>
        <source>4 - Stop gaszenia</source>
        <translation>4 - Стоп гасіння</translation>
    </message>
    <message>
        <source>5 - Start gaszenia</source>
        <translation>5 - Пуск гасіння</translation>
    </message>
    <message>
        <source>6 - LK. wypływu</source>
        <translation>6 - LK. витікання</translation>
    </message>
    <message>
        <source>7 - Alarm zewnętrzny</source>
        <translation>7 - Зовнішня тривога</translation>
    </message>
    <message>
        <source>8 - Ciśnienie/masa</source>
        <translation>8 - Тиск/маса</translation>
    </message>
    <message>
        <source>9 - Blok.Nieel.</source>
        <translation>9 - Блок.Неел.</translation>
    </message>
    <message>
        <source>10 - Kasowanie alarmu</source>
        <translation>10 - Скидання тривоги</translation>
    </message>
    <message>
        <source>0 - Alarm 1 strefa</source>
        <translation>0 - Тривога зона 1</translation>
    </message>
    <message>
        <source>1 - Alarm 2 strefa</source>
        <translation>1 - Тривога зона 2</translation>
    </message>
    <message>
        <source>2 - Start gaszenia</source>
        <translation>2 - Пуск гасіння</translation>
    </message>
    <message>
        <source>3 - EZ</source>
        <translation>3 - EZ</translation>
    </message>
    <message>
        <source>4 - Wyładowanie</source>
        <translation>4 - Випуск</translation>
    </message>
    <message>
        <source>5 - Wypływy</source>
        <translation>5 - Витікання</translation>
    </message>
    <message>
        <source>0 - Tryb 1 stanowy</source>
        <translation>0 - Режим 1 стану</translation>
    </message>
    <message>
        <source>1 - Tryb 2 stanowy</source>
        <translation>1 - Режим 2 станів</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa aktywna</source>
        <translation>2 - Потенційна лінія активна</translation>
    </message>
    <message>
        <source>0 - Alarm 1 stopnia</source>
        <translation>0 - Тривога 1 ступеня</translation>
    </message>
    <message>
        <source>1 - Alarm 2 stopnia</source>
        <translation>1 - Тривога 2 ступеня</translation>
    </message>
    <message>
        <source>5 - Wypływ</source>
        <translation>5 - Витікання</translation>
    </message>
    <message>
        <source>6 - Wyładowanie dodatku</source>
        <translation>6 - Випуск додаткової подачі</translation>
    </message>
    <message>
        <source>7 - Sterowanie ręczne</source>
        <translation>7 - Ручне керування</translation>
    </message>
    <message>
        <source>8 - Stop gaszenia</source>
        <translation>8 - Стоп гасіння</translation>
    </message>
    <message>
        <source>9 - Blokada gaszenia</source>
        <translation>9 - Блокування гасіння</translation>
    </message>
    <message>
        <source>10 - Blokada Nieelek</source>
        <translation>10 - Блокування неелектр.</translation>
    </message>
    <message>
        <source>11 - Uszkodzenie</source>
        <translation>11 - Несправність</translation>
    </message>
    <message>
        <source>12 - Kasowanie</source>
        <translation>12 - Скидання</translation>
    </message>
    <message>
        <source>13 - Ciśń/masa</source>
        <translation>13 - Тиск/маса</translation>
    </message>
    <message>
        <source>0 - Grupa ogólna</source>
        <translation>0 - Загальна група</translation>
    </message>
    <message>
        <source>1 - Sygnalizatory zewnętrzne</source>
        <translation>1 - Зовнішні оповіщувачі</translation>
    </message>
    <message>
        <source>2 - Sygnalizatory ostrzegawcze</source>
        <translation>2 - Попереджувальні оповіщувачі</translation>
    </message>
    <message>
        <source>3 - Urządzenia transmisji</source>
        <translation>3 - Обладнання передавання</translation>
    </message>
    <message>
        <source>4 - Urządzenia zabezpieczające</source>
        <translation>4 - Обладнання протипожежного захисту</translation>
    </message>
    <message>
        <source>0 - Brak kryterium</source>
        <translation>0 - Немає критерію</translation>
    </message>
    <message>
        <source>1 - L11 LD-alarm</source>
        <translation>1 - L11 LD-тривога</translation>
    </message>
    <message>
        <source>2 - L11 LD-alarm</source>
        <translation>2 - L11 LD-тривога</translation>
    </message>
    <message>
        <source>3 - L11 LD-alarm</source>
        <translation>3 - L11 LD-тривога</translation>
    </message>
    <message>
        <source>4 - L11 LD-alarm</source>
        <translation>4 - L11 LD-тривога</translation>
    </message>
    <message>
        <source>5 - L11 LD-alarm</source>
        <translation>5 - L11 LD-тривога</translation>
    </message>
    <message>
        <source>6 - L11 LD-alarm</source>
        <translation>6 - L11 LD-тривога</translation>
    </message>
    <message>
        <source>7 - LK-EZ Wspólny</source>
        <translation>7 - LK-EZ спільна</translation>
    </message>
    <message>
        <source>0 - Brak</source>
        <translation>0 - Немає</translation>
    </message>
    <message>
        <source>1 - ciągły</source>
        <translation>1 - безперервний</translation>
    </message>
    <message>
        <source>2 - 1 impuls</source>
        <translation>2 - 1 імпульс</translation>
    </message>
    <message>
        <source>3 - cykliczny</source>
        <translation>3 - циклічний</translation>
    </message>
    <message>
        <source>4 - cykliczny skończony</source>
        <translation>4 - циклічний обмежений</translation>
    </message>
    <message>
        <source>0 - Wyłączone</source>
        <translation>0 - Вимкнено</translation>
    </message>
    <message>
        <source>1 - Włączone</source>
        <translation>1 - Увімкнено</translation>
    </message>
    <message>
        <source>0 - 0 linii</source>
        <translation>0 - 0 ліній</translation>
    </message>
    <message>
        <source>1 - 1 linia</source>
        <translation>1 - 1 лінія</translation>
    </message>
    <message>
        <source>2 - 2 linie</source>
        <translation>2 - 2 лінії</translation>
    </message>
    <message>
        <source>3 - 3 linie</source>
        <translation>3 - 3 лінії</translation>
    </message>
    <message>
        <source>0 - Nie</source>
        <translation>0 - Ні</translation>
    </message>
    <message>
        <source>1 - Tak</source>
        <translation>1 - Так</translation>
    </message>
    <message>
        <source>0 - Tak</source>
        <translation>0 - Так</translation>
    </message>
    <message>
        <source>1 - Nie</source>
        <translation>1 - Ні</translation>
    </message>
    <message>
        <source>0 - Z wyjścia EZ</source>
        <translation>0 - Від виходу EZ</translation>
    </message>
    <message>
        <source>1 - Z wejścia LK-wypływ</source>
        <translation>1 - Від входу LK-витікання</translation>
    </message>
    <message>
        <source>1 - Nieblokowane</source>
        <translation>1 - Неблоковане</translation>
    </message>
    <message>
        <source>2 - Blokowane</source>
        <translation>2 - Блоковане</translation>
    </message>
    <message>
        <source>0 - Strefa 2</source>
        <translation>0 - Зона 2</translation>
    </message>
    <message>
        <source>0 - Brak modułu</source>
        <translation>0 - Немає модуля</translation>
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
        <translation>1 - Потенційна лінія активна</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa aktywna</source>
        <translation>1 - Безпотенційна лінія активна</translation>
    </message>
    <message>
        <source>3 - Wyjście zasilajace 24 V aktywne</source>
        <translation>3 - Вихід живлення 24 V активний</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa aktywna</source>
        <translation>2 - Шлейф сигналізації активний</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa aktywna</source>
        <translation>3 - Потенційна лінія активна</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilajace 24 V aktywne</source>
        <translation>4 - Вихід живлення 24 V активний</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel</source>
        <translation>Несправність Ostrel</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel + wysterowanie z Tarven B</source>
        <translation>Несправність Ostrel + активація від Tarven B</translation>
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
        <translation>Подія</translation>
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
        <translation>Пошук у подіях і модулях (Ctrl+F)</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Zdarzenia aktywne i usunięte</source>
        <translation>Активні та усунені події</translation>
    </message>
    <message>
        <source>wszystkie</source>
        <translation>усі</translation>
    </message>
    <message>
        <source>tylko aktywne</source>
        <translation>лише активні</translation>
    </message>
    <message>
        <source>tylko usunięte</source>
        <translation>лише усунені</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>Від:</translation>
    </message>
    <message>
        <source>do:</source>
        <translation>до:</translation>
    </message>
    <message>
        <source>Wyczyść filtr</source>
        <translation>Очистити фільтр</translation>
    </message>
    <message>
        <source>wszystkie moduły</source>
        <translation>усі модулі</translation>
    </message>
    <message>
        <source>pokazano %1 z %2</source>
        <translation>показано %1 з %2</translation>
    </message>
</context>
<context>
    <name>EventSummary</name>
    <message>
        <source>alarmy i wysterowania</source>
        <translation>тривоги та спрацювання виходів</translation>
    </message>
    <message>
        <source>uszkodzenia</source>
        <translation>несправності</translation>
    </message>
    <message>
        <source>zaniki zasilania</source>
        <translation>зникнення живлення</translation>
    </message>
    <message>
        <source>starty i resety</source>
        <translation>запуски та скидання</translation>
    </message>
    <message>
        <source>zapisy konfiguracji</source>
        <translation>записи конфігурації</translation>
    </message>
    <message>
        <source>ustawienia zegara</source>
        <translation>встановлення годинника</translation>
    </message>
    <message>
        <source>pozostałe</source>
        <translation>інші</translation>
    </message>
</context>
<context>
    <name>EventsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Зчитати</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Зчитати з пристрою</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>У PDF</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń</source>
        <translation>Видалення журналу подій</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń o nazwie: %1</source>
        <translation>Видалено журнал подій з назвою: %1</translation>
    </message>
    <message>
        <source>odczyt rejestru zdarzeń</source>
        <translation>зчитування журналу подій</translation>
    </message>
    <message>
        <source>Czy usunąć rejestr zdarzeń %1?</source>
        <translation>Видалити журнал подій %1?</translation>
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
        <translation>Оголошення модуля</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активний / неактивний</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Адреса модуля</translation>
    </message>
    <message>
        <source>PK%1 - numer strefy</source>
        <translation>PK%1 - номер зони</translation>
    </message>
    <message>
        <source>PK%1 - Deklaracja linii bezpotencjałowej</source>
        <translation>PK%1 - Оголошення безпотенційної лінії</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Grupa wyjść</source>
        <translation>PK%1 - Безпотенційна лінія - Група виходів</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 1</source>
        <translation>PK%1 - Безпотенційна лінія - Критерій 1</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 2</source>
        <translation>PK%1 - Безпотенційна лінія - Критерій 2</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Logika</source>
        <translation>PK%1 - Безпотенційна лінія - Логіка</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>PK%1 - Безпотенційна лінія - Тип сигналу увімкнення виходу</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>PK%1 - Безпотенційна лінія - затримка спрацювання Ton</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>PK%1 - Безпотенційна лінія - затримка вимкнення Toff</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp</source>
        <translation>PK%1 - Безпотенційна лінія - тривалість імпульсу T-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw</source>
        <translation>PK%1 - Безпотенційна лінія - тривалість паузи T-przerw</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp</source>
        <translation>PK%1 - Безпотенційна лінія - Кількість імпульсів N-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kontrola ciągłości</source>
        <translation>PK%1 - Безпотенційна лінія - Контроль цілісності</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - номер зони</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii potencjałowej</source>
        <translation>L%1 - Оголошення потенційної лінії</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Потенційна лінія - Група виходів</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Потенційна лінія - Критерій 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Потенційна лінія - Критерій 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Потенційна лінія - Логіка</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Потенційна лінія - Тип сигналу увімкнення виходу</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Потенційна лінія - затримка спрацювання Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Потенційна лінія - затримка вимкнення Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Потенційна лінія - тривалість імпульсу T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Потенційна лінія - тривалість паузи T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Потенційна лінія - Кількість імпульсів N-imp</translation>
    </message>
</context>
<context>
    <name>FaultsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Зчитати</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Зчитати з пристрою</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>У PDF</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Друкувати</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Usunięcie uszkodzeń</source>
        <translation>Видалення несправностей</translation>
    </message>
    <message>
        <source>Usunięcie listy uszkodzeń o nazwie: %1</source>
        <translation>Видалено список несправностей з назвою: %1</translation>
    </message>
    <message>
        <source>odczyt listy uszkodzeń</source>
        <translation>зчитування списку несправностей</translation>
    </message>
    <message>
        <source>Czy usunąć listę uszkodzeń %1?</source>
        <translation>Видалити список несправностей %1?</translation>
    </message>
</context>
<context>
    <name>Konfiguracja</name>
    <message>
        <source>Konfiguracja Ostrel: %1</source>
        <translation>Конфігурація Ostrel: %1</translation>
    </message>
</context>
<context>
    <name>LNM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Оголошення модуля</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активний / неактивний</translation>
    </message>
    <message>
        <source>Prąd grupy [A]</source>
        <translation>Струм групи [A]</translation>
    </message>
    <message>
        <source>Prąd modułu:</source>
        <translation>Струм модуля:</translation>
    </message>
    <message>
        <source>Linia dozorowa konwencjonalna</source>
        <translation>Неадресний шлейф сигналізації</translation>
    </message>
    <message>
        <source>Linia dozorowa aktywna/ nieaktywna</source>
        <translation>Шлейф сигналізації активний/ неактивний</translation>
    </message>
    <message>
        <source>Kasowanie wstępne czujek (60s)</source>
        <translation>Попереднє скидання сповіщувачів (60s)</translation>
    </message>
    <message>
        <source>Kasowanie aktywne / nieaktywne</source>
        <translation>Скидання активне / неактивне</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia WYZWOLENIE</source>
        <translation>Кнопка димовидалення BZ7x - лінія ПУСК</translation>
    </message>
    <message>
        <source>Przycisk - Linia WYZW aktywna / nieaktywna</source>
        <translation>Кнопка - Лінія ПУСК активна / неактивна</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia KASOWANIE</source>
        <translation>Кнопка димовидалення BZ7x - лінія СКИДАННЯ</translation>
    </message>
    <message>
        <source>Przycisk - Linia KASOW aktywna / nieaktywna</source>
        <translation>Кнопка - Лінія СКИД активна / неактивна</translation>
    </message>
    <message>
        <source>Wyjście grupy -  tryb pracy</source>
        <translation>Вихід групи - режим роботи</translation>
    </message>
    <message>
        <source>Tryb pracy wyjścia 0-nieaktywne</source>
        <translation>Режим роботи виходу 0-неактивне</translation>
    </message>
    <message>
        <source>Wyjscie grupy - kryterium wysterowania</source>
        <translation>Вихід групи - критерій активації</translation>
    </message>
    <message>
        <source>Kryterium – warianty wysterowania</source>
        <translation>Критерій – варіанти активації</translation>
    </message>
    <message>
        <source>Wyjście grupy - sterowanie 3 przewodowe</source>
        <translation>Вихід групи - 3-провідне керування</translation>
    </message>
    <message>
        <source>Sterowanie w trybie pracy 1; 0: 2-przew. 1: 3-przew. </source>
        <translation>Керування в режимі роботи 1; 0: 2-пров. 1: 3-пров. </translation>
    </message>
    <message>
        <source>Wyjście grupy -  kontrola ciągłości zasilania</source>
        <translation>Вихід групи - контроль цілісності живлення</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy zasilania </source>
        <translation>Контроль замикання та обриву живлення </translation>
    </message>
    <message>
        <source>Wyjście grupy - T1 - czas  opóźnienia zadziałania</source>
        <translation>Вихід групи - T1 - затримка спрацювання</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Затримка активації виходу в режимах 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T2 - czas wysterowania</source>
        <translation>Вихід групи - T2 - час активації</translation>
    </message>
    <message>
        <source>Czas wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Час активації виходу в режимах 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T3 - czas przerwy wysterowania</source>
        <translation>Вихід групи - T3 - час паузи активації</translation>
    </message>
    <message>
        <source>Czas przerwy w trybie 3</source>
        <translation>Час паузи в режимі 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - liczba impulsów</source>
        <translation>Вихід групи - кількість імпульсів</translation>
    </message>
    <message>
        <source>Liczba impulsów na wyjściu w trybie 3</source>
        <translation>Кількість імпульсів на виході в режимі 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola krańcówek</source>
        <translation>Вихід групи - контроль кінцевих вимикачів</translation>
    </message>
    <message>
        <source>Kontrola pozycji urządzenia sterowanego</source>
        <translation>Контроль положення керованого пристрою</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola ciągłości krańcówek</source>
        <translation>Вихід групи - контроль цілісності кінцевих вимикачів</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy obwodów krańcówek</source>
        <translation>Контроль замикання та обриву кіл кінцевих вимикачів</translation>
    </message>
    <message>
        <source>Wyjście grupy - odłączanie napięcia</source>
        <translation>Вихід групи - відключення напруги</translation>
    </message>
    <message>
        <source>Odłączanie napięcia w trybie pracy 1</source>
        <translation>Відключення напруги в режимі роботи 1</translation>
    </message>
    <message>
        <source>Wyjście grupy - forsowanie (deadlock)</source>
        <translation>Вихід групи - форсування (deadlock)</translation>
    </message>
    <message>
        <source>Funkcja forsowania wyjścia – funkcja przeciwoblodzeniowa</source>
        <translation>Функція форсування виходу – функція проти обмерзання</translation>
    </message>
    <message>
        <source>Przewietrzanie - przyciski - tryb pracy</source>
        <translation>Провітрювання - кнопки - режим роботи</translation>
    </message>
    <message>
        <source>Sposób działania przycisków przewietrzania</source>
        <translation>Спосіб роботи кнопок провітрювання</translation>
    </message>
    <message>
        <source>Przewietrzanie - blokowanie pogodowe</source>
        <translation>Провітрювання - погодне блокування</translation>
    </message>
    <message>
        <source>Blokowanie przewietrzania w przypadku deszczu / wiatru</source>
        <translation>Блокування провітрювання в разі дощу / вітру</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp1</source>
        <translation>Провітрювання - час Tp1</translation>
    </message>
    <message>
        <source>Czas otwierania</source>
        <translation>Час відкривання</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp2</source>
        <translation>Провітрювання - час Tp2</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie</source>
        <translation>Час, після якого відбудеться автоматичне закриття</translation>
    </message>
    <message>
        <source>Strefa LNM nr %1</source>
        <translation>Зона LNM № %1</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO</source>
        <translation>0 – НІ 1 – Заг. тривога 2 – тривога LDK 3 – тривога RPO</translation>
    </message>
    <message>
        <source>Wyjście grupy -  czas TKA</source>
        <translation>Вихід групи - час TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Затримка вимкнення після скидання</translation>
    </message>
    <message>
        <source>LNM</source>
        <translation>LNM</translation>
    </message>
    <message>
        <source>Moduł Główny Liniowy</source>
        <translation>Головний лінійний модуль</translation>
    </message>
    <message>
        <source>Linia dozorowa – zwarcie </source>
        <translation>Шлейф сигналізації – коротке замикання </translation>
    </message>
    <message>
        <source>Linia dozorowa – przerwa </source>
        <translation>Шлейф сигналізації – обрив </translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – zwarcie</source>
        <translation>BZ7x лінія кнопки ПУСК – коротке замикання</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – przerwa</source>
        <translation>BZ7x лінія кнопки ПУСК – обрив</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – zwarcie</source>
        <translation>BZ7x лінія кнопки СКИДАННЯ – коротке замикання</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – przerwa</source>
        <translation>BZ7x лінія кнопки СКИДАННЯ – обрив</translation>
    </message>
    <message>
        <source>BZ7x przycisk KASOWANIE – brak lub uszkodzenie</source>
        <translation>BZ7x кнопка СКИДАННЯ – відсутня або несправна</translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1  – zwarcie </source>
        <translation>Кінцевий вимикач KR1 – коротке замикання </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1 – przerwa </source>
        <translation>Кінцевий вимикач KR1 – обрив </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2  – zwarcie </source>
        <translation>Кінцевий вимикач KR2 – коротке замикання </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2 – przerwa </source>
        <translation>Кінцевий вимикач KR2 – обрив </translation>
    </message>
    <message>
        <source>Wyjście główne – brak ciągłości zasilania</source>
        <translation>Головний вихід – порушення цілісності живлення</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja</source>
        <translation>Головний вихід – неправильне положення</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR1</source>
        <translation>Головний вихід – неправильне положення KR1</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR2</source>
        <translation>Головний вихід – неправильне положення KR2</translation>
    </message>
    <message>
        <source>Wyjście główne – bezpiecznik</source>
        <translation>Головний вихід – запобіжник</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania OTWÓRZ – zwarcie</source>
        <translation>Кнопка провітрювання ВІДКРИТИ – коротке замикання</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania ZAMKNIJ – zwarcie</source>
        <translation>Кнопка провітрювання ЗАКРИТИ – коротке замикання</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – помилка контрольної суми</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версія програмного забезпечення</translation>
    </message>
</context>
<context>
    <name>LinkHealthWidget</name>
    <message>
        <source>&lt;b&gt;Stan łącza z centralą&lt;/b&gt;&lt;br&gt;Kolor: szary – brak otwartego portu; czerwony – port otwarty, ale centrala nie odpowiada dłużej niż 2 s; zielony – centrala odpowiada (podany jest wiek ostatniej odpowiedzi).&lt;br&gt;&lt;b&gt;Powtórzenia&lt;/b&gt;: ramki wysłane ponownie, bo odpowiedź nie przyszła w 2 s.&lt;br&gt;&lt;b&gt;Utracone&lt;/b&gt;: zapytania porzucone po trzeciej próbie bez odpowiedzi.&lt;br&gt;&lt;b&gt;CRC&lt;/b&gt;: odebrane ramki odrzucone z powodu błędnej sumy kontrolnej.&lt;br&gt;Liczniki są zerowane przy każdym połączeniu.</source>
        <translation>&lt;b&gt;Стан зв’язку з приладом&lt;/b&gt;&lt;br&gt;Колір: сірий – порт не відкрито; червоний – порт відкрито, але прилад не відповідає понад 2 s; зелений – прилад відповідає (показано, скільки часу минуло від його останньої відповіді).&lt;br&gt;&lt;b&gt;Повтори&lt;/b&gt;: кадри, надіслані повторно, бо відповідь не надійшла за 2 s.&lt;br&gt;&lt;b&gt;Втрачені&lt;/b&gt;: запити, від яких відмовилися після третьої спроби без відповіді.&lt;br&gt;&lt;b&gt;CRC&lt;/b&gt;: отримані кадри, відхилені через неправильну контрольну суму.&lt;br&gt;Лічильники обнуляються під час кожного з’єднання.</translation>
    </message>
    <message>
        <source>Brak portu</source>
        <translation>Немає порту</translation>
    </message>
    <message>
        <source>Port otwarty, oczekiwanie na centralę</source>
        <translation>Порт відкрито, очікування приладу</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada</source>
        <translation>Прилад не відповідає</translation>
    </message>
    <message>
        <source>Centrala odpowiada (%1 s temu)</source>
        <translation>Прилад відповідає (%1 s тому)</translation>
    </message>
    <message>
        <source> · powtórzenia: %1 · utracone: %2 · CRC: %3</source>
        <translation> · повтори: %1 · втрачені: %2 · CRC: %3</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>Monitor łącza</source>
        <translation>Монітор зв’язку</translation>
    </message>
    <message>
        <source>Wstrzymaj</source>
        <translation>Призупинити</translation>
    </message>
    <message>
        <source>Wstrzymuje zapis ramek, aby można je było spokojnie przeczytać</source>
        <translation>Призупиняє запис кадрів, щоб їх можна було спокійно прочитати</translation>
    </message>
    <message>
        <source>Wyczyść</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Kopiuj</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Kopiuje zaznaczone ramki (bez zaznaczenia: wszystkie) do schowka</source>
        <translation>Копіює виділені кадри (без виділення: усі) до буфера обміну</translation>
    </message>
</context>
<context>
    <name>LocalArchive</name>
    <message>
        <source>Treść nie zgadza się z sumą kontrolną rekordu</source>
        <translation>Вміст не збігається з контрольною сумою запису</translation>
    </message>
    <message>
        <source>Rekord jest większy niż 8 MiB</source>
        <translation>Запис більший за 8 МіБ</translation>
    </message>
    <message>
        <source>Niedozwolona nazwa rekordu</source>
        <translation>Неприпустима назва запису</translation>
    </message>
    <message>
        <source>Treść nie jest poprawnym dokumentem JSON (%1)</source>
        <translation>Вміст не є коректним документом JSON (%1)</translation>
    </message>
    <message>
        <source>Nieznane pole „%1”</source>
        <translation>Невідоме поле «%1»</translation>
    </message>
    <message>
        <source>Niedozwolona wartość pola „%1”</source>
        <translation>Неприпустиме значення поля «%1»</translation>
    </message>
    <message>
        <source>Brak wymaganego pola „%1”</source>
        <translation>Немає обов’язкового поля «%1»</translation>
    </message>
    <message>
        <source>Pole „%1” nie wskazuje rekordu archiwum właściwego rodzaju</source>
        <translation>Поле «%1» не вказує на запис архіву потрібного виду</translation>
    </message>
    <message>
        <source>Czeka na rekord archiwum %1, do którego się odwołuje</source>
        <translation>Чекає на запис архіву %1, на який посилається</translation>
    </message>
    <message>
        <source>Lokalna baza nie przyjęła rekordu: %1</source>
        <translation>Локальна база не прийняла запис: %1</translation>
    </message>
    <message>
        <source>Rekord nie jest usunięty w tej bazie.</source>
        <translation>Запис не видалено в цій базі.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Konfiguracja</source>
        <translation>Конфігурація</translation>
    </message>
    <message>
        <source>Zdarzenia</source>
        <translation>Події</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Діагностика</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Несправності</translation>
    </message>
    <message>
        <source>Wersje oprogramowania</source>
        <translation>Версії ПЗ</translation>
    </message>
    <message>
        <source>Data i czas</source>
        <translation>Дата і час</translation>
    </message>
    <message>
        <source>Serwis</source>
        <translation>Сервіс</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Конфігуратор Ostrel</translation>
    </message>
    <message>
        <source>&amp;Połącz</source>
        <comment>Connect</comment>
        <translation>&amp;Під’єднати</translation>
    </message>
    <message>
        <source>Connect over USB</source>
        <translation>Під’єднатися через USB</translation>
    </message>
    <message>
        <source>&amp;Rozłącz</source>
        <comment>Disconnect</comment>
        <translation>&amp;Від’єднати</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Від’єднатися</translation>
    </message>
    <message>
        <source>&amp;O programie</source>
        <comment>About</comment>
        <translation>&amp;Про програму</translation>
    </message>
    <message>
        <source>Wyświetla informacje o programie</source>
        <comment>About programm</comment>
        <translation>Показує відомості про програму</translation>
    </message>
    <message>
        <source>&amp;Widok</source>
        <comment>View</comment>
        <translation>&amp;Вигляд</translation>
    </message>
    <message>
        <source>Parametry wyświetlania</source>
        <comment>Window view settings</comment>
        <translation>Параметри відображення</translation>
    </message>
    <message>
        <source>&amp;Połączenie</source>
        <translation>&amp;З’єднання</translation>
    </message>
    <message>
        <source>&amp;Ustawienia</source>
        <translation>&amp;Налаштування</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>Połączenie</source>
        <comment>Connection</comment>
        <translation>З’єднання</translation>
    </message>
    <message>
        <source>Czas komputera</source>
        <translation>Час комп’ютера</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>Port komunikacyjny</comment>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Wybierz port:</source>
        <translation>Виберіть порт:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Port nie został otwarty: %1</source>
        <translation>Не вдалося відкрити порт: %1</translation>
    </message>
    <message>
        <source>O programie konfigurator Ostrel</source>
        <translation>Про програму Конфігуратор Ostrel</translation>
    </message>
    <message>
        <source>Wersja programu %1 
SHA %2 
DATA %3 %4</source>
        <translation>Версія програми %1 
SHA %2 
ДАТА %3 %4</translation>
    </message>
    <message>
        <source>Monitor łącza</source>
        <translation>Монітор зв’язку</translation>
    </message>
    <message>
        <source>Pokazuje ramki wymieniane z centralą</source>
        <translation>Показує кадри обміну з приладом</translation>
    </message>
    <message>
        <source>Przeglądy</source>
        <translation>Огляди</translation>
    </message>
    <message>
        <source>&amp;Przegląd</source>
        <comment>Service visit</comment>
        <translation>&amp;Огляд</translation>
    </message>
    <message>
        <source>Rozpoczyna przegląd centrali</source>
        <translation>Розпочинає огляд приладу</translation>
    </message>
    <message>
        <source>Gotowy</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Port szeregowy (np. COM3) albo adres serwera portu szeregowego w sieci: host:port, tcp://host:port lub [adres IPv6]:port.&lt;br&gt;Serwer portu musi pracować w trybie raw TCP z ustawieniami 19200 bodów, 8N1.&lt;br&gt;Połączenie raw TCP nie ma uwierzytelniania: używaj go tylko w sieci VPN albo przez tunel SSH.</source>
        <translation>Послідовний порт (напр. COM3) або адреса сервера послідовного порту в мережі: host:port, tcp://host:port або [адреса IPv6]:port.&lt;br&gt;Сервер порту має працювати в режимі raw TCP з параметрами 19200 бод, 8N1.&lt;br&gt;З’єднання raw TCP не має автентифікації: використовуйте його лише в мережі VPN або через тунель SSH.</translation>
    </message>
    <message>
        <source>Połączenie sieciowe</source>
        <translation>Мережеве з’єднання</translation>
    </message>
    <message>
        <source>Łączenie z %1…</source>
        <translation>Підключення до %1…</translation>
    </message>
    <message>
        <source>Trwa odczyt z centrali. Zamknięcie programu przerwie go i nic z tego odczytu nie zostanie zapisane.

Zamknąć program?</source>
        <translation>Триває зчитування з приладу. Закриття програми перерве його, і нічого з цього зчитування не буде збережено.

Закрити програму?</translation>
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
        <translation>Назва</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>USUNIĘTE</source>
        <translation>УСУНЕНО</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Коротке замикання виходу сигнальної лінії № 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Коротке замикання виходу сигнальної лінії № 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Коротке замикання виходу сигнальної лінії № 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Коротке замикання виходу сигнальної лінії № 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Обрив виходу сигнальної лінії № 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Обрив виходу сигнальної лінії № 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Обрив виходу сигнальної лінії № 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Обрив виходу сигнальної лінії № 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Перевантаження виходу сигнальної лінії № 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Перевантаження виходу сигнальної лінії № 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Перевантаження виходу сигнальної лінії № 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Перевантаження виходу сигнальної лінії № 4 (LS4) </translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Несправність запобіжника № 2</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Несправність запобіжника № 3</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Несправність запобіжника № 4</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza nr. 2</source>
        <translation>Загальна несправність блока живлення № 2</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2</source>
        <translation>Немає зв’язку з блоком живлення Ostrel № 2</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>Немає зв’язку за протоколом Modbus</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Коротке замикання входу контрольної лінії № 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Коротке замикання входу контрольної лінії № 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Обрив входу контрольної лінії № 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Обрив входу контрольної лінії № 2 (LK2)</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>Запуск системи / скидання</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Очищення журналу подій</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>Запис нової конфігурації</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>Запис нових дати і часу</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>Активація реле несправності PU</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika bezpotencjałowego PK</source>
        <translation>Активація безпотенційного реле PK</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Активація сигнальної лінії LS1</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Активація сигнальної лінії LS2</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Активація сигнальної лінії LS3</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Активація сигнальної лінії LS4</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Зчитування журналу подій</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Зчитування несправностей</translation>
    </message>
</context>
<context>
    <name>PSB</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Оголошення модуля</translation>
    </message>
    <message>
        <source>Pojemność Akumulatorów</source>
        <translation>Ємність акумуляторів</translation>
    </message>
    <message>
        <source>Przekaźnik PU - tryb pracy</source>
        <translation>Реле PU - режим роботи</translation>
    </message>
    <message>
        <source>Przekaźnik PK - tryb pracy</source>
        <translation>Реле PK - режим роботи</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kryterium wysterowania</source>
        <translation>Реле PK - критерій активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T1 - czas opóźnienia wysterowania</source>
        <translation>Реле PK - T1 - затримка активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T2 - czas wysterowania</source>
        <translation>Реле PK - T2 - час активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T3 - czas przerwy wysterowania</source>
        <translation>Реле PK - T3 - час паузи активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK - liczba impulsów</source>
        <translation>Реле PK - кількість імпульсів</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kontrola ciągłości</source>
        <translation>Реле PK - контроль цілісності</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 - tryb pracy</source>
        <translation>Контрольна лінія LK1 - режим роботи</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 - tryb pracy</source>
        <translation>Контрольна лінія LK2 - режим роботи</translation>
    </message>
    <message>
        <source>Złącze RS232 - tryb pracy</source>
        <translation>Порт RS232 - режим роботи</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - prędkość transmisji</source>
        <translation>Порт RS232 - Протокол Modbus - швидкість передавання</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - adres</source>
        <translation>Порт RS232 - Протокол Modbus - адреса</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - Time Out</source>
        <translation>Порт RS232 - Протокол Modbus - тайм-аут</translation>
    </message>
    <message>
        <source>Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave</source>
        <translation>Порт RS232 - Зв’язок з Ostrel № 2 - Master/Slave</translation>
    </message>
    <message>
        <source>PSB</source>
        <translation>PSB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Головний модуль керування</translation>
    </message>
    <message>
        <source>Brak napięcia sieciowego 230V</source>
        <translation>Немає напруги мережі 230V</translation>
    </message>
    <message>
        <source>Niskie napięcie akumulatora (poniżej 22 V)</source>
        <translation>Низька напруга акумулятора (нижче 22 V)</translation>
    </message>
    <message>
        <source>Akumulator został odłączony (napięcie akumulatora poniżej 19 V)</source>
        <translation>Акумулятор відключено (напруга акумулятора нижче 19 V)</translation>
    </message>
    <message>
        <source>Brak podłączonych akumulatorów</source>
        <translation>Акумулятори не підключено</translation>
    </message>
    <message>
        <source>Wysoka rezystancja toru akumulatora (Uszkodzone akumulatory)</source>
        <translation>Високий опір кола акумулятора (Несправні акумулятори)</translation>
    </message>
    <message>
        <source>Zadziałanie kontroli doziemienia</source>
        <translation>Спрацював контроль замикання на землю</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowarki akumulatorów</source>
        <translation>Несправність зарядного пристрою акумуляторів</translation>
    </message>
    <message>
        <source>Wysoka temperatura wewnątrz Ostrel (powyżej 40 st. C)</source>
        <translation>Висока температура всередині Ostrel (вище 40 °C)</translation>
    </message>
    <message>
        <source>Brak podłączonej sondy temperaturowej</source>
        <translation>Не підключено температурний зонд</translation>
    </message>
    <message>
        <source>Rozwarty obwód przekaźnika konfigurowalnego PK</source>
        <translation>Розімкнене коло конфігурованого реле PK</translation>
    </message>
    <message>
        <source>Uszkodzenie pamięci flash mikrokontrolera</source>
        <translation>Несправність flash-пам’яті мікроконтролера</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 1</source>
        <translation>Несправність запобіжника № 1</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Несправність запобіжника № 2</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Несправність запобіжника № 3</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Несправність запобіжника № 4</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza Ostrel nr. 2 (slave)</source>
        <translation>Загальна несправність блока живлення Ostrel № 2 (slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2 (slave)</source>
        <translation>Немає зв’язку з блоком живлення Ostrel № 2 (slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>Немає зв’язку за протоколом Modbus</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Коротке замикання входу контрольної лінії № 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Коротке замикання входу контрольної лінії № 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Обрив входу контрольної лінії № 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Обрив входу контрольної лінії № 2 (LK2)</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne z systemu Tarven B</source>
        <translation>Загальна несправність від системи Tarven B</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>Запуск системи / скидання</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Очищення журналу подій</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>Запис нової конфігурації</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>Запис нових дати і часу</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>Активація реле несправності PU</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika konfigurowalnego PK</source>
        <translation>Активація конфігурованого реле PK</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Активація сигнальної лінії LS1</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Активація сигнальної лінії LS2</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Активація сигнальної лінії LS3</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Активація сигнальної лінії LS4</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Зчитування журналу подій</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Зчитування несправностей</translation>
    </message>
</context>
<context>
    <name>PSL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Оголошення модуля</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - tryb pracy</source>
        <translation>Сигнальна лінія LS%1 - режим роботи</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kryterium wysterowania</source>
        <translation>Сигнальна лінія LS%1 - критерій активації</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Сигнальна лінія LS%1 - T1 - затримка активації</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T2 - czas wysterowania</source>
        <translation>Сигнальна лінія LS%1 - T2 - час активації</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T3 - czas przerwy wysterowania</source>
        <translation>Сигнальна лінія LS%1 - T3 - час паузи активації</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - liczba impulsów</source>
        <translation>Сигнальна лінія LS%1 - кількість імпульсів</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kontrola ciągłości</source>
        <translation>Сигнальна лінія LS%1 - контроль цілісності</translation>
    </message>
    <message>
        <source>PSL</source>
        <translation>PSL</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Модуль додаткових реле</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Коротке замикання виходу сигнальної лінії № 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Коротке замикання виходу сигнальної лінії № 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Коротке замикання виходу сигнальної лінії № 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Коротке замикання виходу сигнальної лінії № 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Обрив виходу сигнальної лінії № 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Обрив виходу сигнальної лінії № 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Обрив виходу сигнальної лінії № 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Обрив виходу сигнальної лінії № 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Перевантаження виходу сигнальної лінії № 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Перевантаження виходу сигнальної лінії № 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Перевантаження виходу сигнальної лінії № 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Перевантаження виходу сигнальної лінії № 4 (LS4) </translation>
    </message>
</context>
<context>
    <name>PSR</name>
    <message>
        <source>Deklaracja modułu - modułu PSR nie trzeba konfigurować</source>
        <translation>Оголошення модуля - модуль PSR не потребує налаштування</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активний / неактивний</translation>
    </message>
    <message>
        <source>PSR</source>
        <translation>PSR</translation>
    </message>
    <message>
        <source>Moduł Zasilania Redundantnego</source>
        <translation>Модуль резервного живлення</translation>
    </message>
    <message>
        <source>Brak łączności z dodatkowym PSB</source>
        <translation>Немає зв’язку з додатковим PSB</translation>
    </message>
</context>
<context>
    <name>PSV</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Оголошення модуля</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Модуль активний/неактивний</translation>
    </message>
    <message>
        <source>PSV</source>
        <translation>PSV</translation>
    </message>
    <message>
        <source>Moduł Zasilania Uniwersalnego</source>
        <translation>Модуль універсального живлення</translation>
    </message>
    <message>
        <source>Zasilacz lub brak 230V</source>
        <translation>Блок живлення або немає 230V</translation>
    </message>
    <message>
        <source>Niskie napiecie baterii akumulatorów</source>
        <translation>Низька напруга акумуляторної батареї</translation>
    </message>
    <message>
        <source>Zwarcie wejscia baterii akumulatorów</source>
        <translation>Коротке замикання входу акумуляторної батареї</translation>
    </message>
    <message>
        <source>Brak baterii akumulatorów</source>
        <translation>Немає акумуляторної батареї</translation>
    </message>
    <message>
        <source>Doziemienie</source>
        <translation>Замикання на землю</translation>
    </message>
    <message>
        <source>Wysoka rezystancja baterii akumulatorów</source>
        <translation>Високий опір акумуляторної батареї</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowania</source>
        <translation>Несправність заряджання</translation>
    </message>
    <message>
        <source>24 V zewnętrzne (bezpiecznik)</source>
        <translation>Зовнішні 24 V (запобіжник)</translation>
    </message>
    <message>
        <source>Sterowanie zasilacza</source>
        <translation>Керування блоком живлення</translation>
    </message>
    <message>
        <source>Wysoka temperatura</source>
        <translation>Висока температура</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – помилка контрольної суми</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версія програмного забезпечення</translation>
    </message>
</context>
<context>
    <name>Pamietnik</name>
    <message>
        <source>Zdarzenia Ostrel: %1</source>
        <translation>Події Ostrel: %1</translation>
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
        <translation>Подія</translation>
    </message>
</context>
<context>
    <name>ProtocolCheckDialog</name>
    <message>
        <source>Sprawdź protokół</source>
        <translation>Перевірити протокол</translation>
    </message>
    <message>
        <source>Wskaż plik PDF protokołu albo wpisz skrót SHA-256 z jego stopki. Program poda, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</source>
        <translation>Вкажіть PDF-файл протоколу або введіть хеш SHA-256 з його нижнього колонтитула. Програма повідомить, до якого огляду належить протокол і чи збігається він зі збереженим під час закриття.</translation>
    </message>
    <message>
        <source>Sprawdź plik PDF…</source>
        <translation>Перевірити PDF-файл…</translation>
    </message>
    <message>
        <source>skrót SHA-256 (64 znaki)</source>
        <translation>хеш SHA-256 (64 символи)</translation>
    </message>
    <message>
        <source>Sprawdź skrót</source>
        <translation>Перевірити хеш</translation>
    </message>
    <message>
        <source>Pliki PDF (*.pdf)</source>
        <translation>Файли PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Sprawdzanie pliku…</source>
        <translation>Перевірка файлу…</translation>
    </message>
</context>
<context>
    <name>ProtocolFile</name>
    <message>
        <source>protokół %1 (identyfikator %2), obiekt „%3”, centrala „%4”, przegląd zamknięty %5</source>
        <translation>протокол %1 (ідентифікатор %2), об’єкт «%3», прилад «%4», огляд закрито %5</translation>
    </message>
    <message>
        <source>Uwaga: ten protokół zastąpiono protokołem korygującym %1.</source>
        <translation>Увага: цей протокол замінено виправним протоколом %1.</translation>
    </message>
</context>
<context>
    <name>ProtocolPrint</name>
    <message>
        <source>Podgląd protokołu</source>
        <translation>Перегляд протоколу</translation>
    </message>
    <message>
        <source>Protokół ma około %1 stron: podgląd zablokowałby program na długo.

Zapisać go do pliku PDF?</source>
        <translation>Протокол має близько %1 сторінок: перегляд надовго заблокує програму.

Зберегти його у PDF-файл?</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Експорт PDF</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>Не вдалося зберегти файл %1.</translation>
    </message>
    <message>
        <source>To nie jest skrót SHA-256: skrót ma 64 znaki 0-9 i a-f, tak jak w stopce protokołu.</source>
        <translation>Це не хеш SHA-256: хеш має 64 символи 0-9 та a-f, як у колонтитулі протоколу.</translation>
    </message>
    <message>
        <source>Żaden zamknięty przegląd w tej bazie nie ma protokołu o tym skrócie.</source>
        <translation>Жоден закритий огляд у цій базі не має протоколу з цим хешем.</translation>
    </message>
    <message>
        <source>Skrót zgodny.</source>
        <translation>Хеш збігається.</translation>
    </message>
    <message>
        <source>To %1.</source>
        <translation>Це %1.</translation>
    </message>
    <message>
        <source>Skrót potwierdza protokół, nie treść papierowej kopii: porównaj ją z podglądem protokołu albo sprawdź plik PDF.</source>
        <translation>Хеш підтверджує протокол, а не вміст паперової копії: порівняйте її з переглядом протоколу або перевірте PDF-файл.</translation>
    </message>
    <message>
        <source>Nie udało się odczytać pliku PDF %1.</source>
        <translation>Не вдалося прочитати PDF-файл %1.</translation>
    </message>
    <message>
        <source>Plik nie ma skrótu protokołu: nie jest to protokół zamkniętego przeglądu wydany przez program (projekt otwartego przeglądu nie ma skrótu).</source>
        <translation>У файлі немає хешу протоколу: це не виданий програмою протокол закритого огляду (проєкт відкритого огляду хешу не має).</translation>
    </message>
    <message>
        <source>Plik podaje skrót %1, którego nie ma żaden zamknięty przegląd w tej bazie.</source>
        <translation>Файл вказує хеш %1, якого немає в жодного закритого огляду в цій базі.</translation>
    </message>
    <message>
        <source>Plik zgodny.</source>
        <translation>Файл збігається.</translation>
    </message>
    <message>
        <source>To %1, taki jak zapisany przy zamknięciu przeglądu.</source>
        <translation>Це %1 у тому вигляді, у якому його збережено під час закриття огляду.</translation>
    </message>
    <message>
        <source>Plik NIEZGODNY.</source>
        <translation>Файл НЕ збігається.</translation>
    </message>
    <message>
        <source>Podaje się za %1, ale jego treść różni się od protokołu zapisanego przy zamknięciu: plik zmieniono (albo wydrukowano go inną wersją programu). Nie jest to wiarygodna kopia.</source>
        <translation>Він видає себе за %1, але його вміст відрізняється від протоколу, збереженого під час закриття: файл змінено (або створено іншою версією програми). Це не достовірна копія.</translation>
    </message>
</context>
<context>
    <name>RLA</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Оголошення модуля</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активний / неактивний</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>Реле PK%1 - режим роботи</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>Реле PK%1 - критерій активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Реле PK%1 - T1 - затримка активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>Реле PK%1 - T2 - час активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>Реле PK%1 - T3 - час паузи активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>Реле PK%1 - кількість імпульсів</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kontrola ciągłości</source>
        <translation>Реле PK%1 - контроль цілісності</translation>
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
        <translation>Реле неактивне
Постійна активація, можлива затримка активації – час T1
Активація на час, часи T1 і T2
Імпульсно – циклічна активація: часи T1, T2 і T3
Імпульсно – кількісна активація: часи T1, T2 і T3 
та кількість керувальних імпульсів n 
Скидальний імпульс тривалістю T2 із затримкою
активації TKA (для критерію активації PK1: 1 - Тривога - загальна Halvo)
(рис.6.7.5)
Повторювач сигналу DW у разі каскадного 
з’єднання Halvo B - один спільний погодний датчик
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
        <translation>0 – Немає. Реле неактивне
1 – Тривога - загальна Halvo.
 Будь-яка тривога в Halvo, також від системи Tarven A/B
2 – Тривога - зовнішній вхід.
 Тривога від зовнішньої системи, напр. Vardel
3 – Тривога – система Tarven A/B.
 Команда від системи верхнього рівня Tarven A/B
4 – Тривога - сума зон LNM.
 Щонайменше 1 зона LNM у тривозі – див. поз. 22-29
5 – Тривога - добуток зон LNM.
 Щонайменше 2 зони LNM у тривозі – див. поз. 22-29
6 – Тривога - зовнішній вхід і/або сума зон LNM.
 Зовнішня тривога і/або щонайменше 
1 зона LNM у тривозі – див. поз. 22-29
7 – Тривога - зовнішній вхід 
і/або добуток зон LNM
. Зовнішня тривога і/або щонайменше 
2 зони LNM у тривозі – див. поз. 22-29
8 – Тривога - система Tarven A/B 
і/або сума зон LNM.
 Команда від системи Tarven і/або щонайменше 
1 зона LNM у тривозі – див. поз. 22-29
9 – Тривога - система Tarven A/B 
і/або добуток зон LNM.
 Команда від системи Tarven і/або щонайменше 
2 зони LNM у тривозі – див. поз. 22-29
10 – Активне провітрювання– див. поз. 22-29
</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania (rys 6.7.1)</source>
        <translation>Затримка активації (рис 6.7.1)</translation>
    </message>
    <message>
        <source>Czas wysterowania PK1 (rys 6.7.1)</source>
        <translation>Час активації PK1 (рис 6.7.1)</translation>
    </message>
    <message>
        <source>Czas przerwy wysterowania (rys 6.7.1)</source>
        <translation>Час паузи активації (рис 6.7.1)</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Кількість імпульсів</translation>
    </message>
    <message>
        <source>Kontrola ciągłości obwodu wyjściowego przekaźnika</source>
        <translation>Контроль цілісності вихідного кола реле</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>у розробці</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Затримка активації</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Час активації</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Контрольна лінія LK%1 - режим роботи</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - Czas Tk%1</source>
        <translation>Контрольна лінія LK%1 - Час Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Час підтвердження спрацювання в режимі 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - зона LNM № %2</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO 4 – zadziałanie krańcówki </source>
        <translation>0 – НІ 1 – Заг. тривога 2 – тривога LDK 3 – тривога RPO 4 – спрацювання кінцевого вимикача </translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - czas TKA</source>
        <translation>Реле PK%1 - час TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Затримка вимкнення після скидання</translation>
    </message>
    <message>
        <source>RLA</source>
        <translation>RLA</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Модуль додаткових реле</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- zwarcie</source>
        <translation>Контрольна лінія LK1- коротке замикання</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- przerwa</source>
        <translation>Контрольна лінія LK1- обрив</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2- zwarcie</source>
        <translation>Контрольна лінія LK2- коротке замикання</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2– przerwa</source>
        <translation>Контрольна лінія LK2– обрив</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 – brak ciągłości</source>
        <translation>Реле PK1 – порушення цілісності</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 – brak ciągłości</source>
        <translation>Реле PK2 – порушення цілісності</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 1 – zwarcie w trybie 4 i 5</source>
        <translation>Контрольна лінія № 1 – коротке замикання в режимах 4 і 5</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 2 – zwarcie w trybie 4 i 5</source>
        <translation>Контрольна лінія № 2 – коротке замикання в режимах 4 і 5</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – помилка контрольної суми</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версія програмного забезпечення</translation>
    </message>
</context>
<context>
    <name>RLH</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Оголошення модуля</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Модуль активний/неактивний</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>Реле PK%1 - режим роботи</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>Реле PK%1 - критерій активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Реле PK%1 - T1 - затримка активації</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Затримка активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>Реле PK%1 - T2 - час активації</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Час активації</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>Реле PK%1 - T3 - час паузи активації</translation>
    </message>
    <message>
        <source>Czas przerwy</source>
        <translation>Час паузи</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>Реле PK%1 - кількість імпульсів</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Кількість імпульсів</translation>
    </message>
    <message>
        <source>....</source>
        <translation>....</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>у розробці</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu ..</source>
        <translation>у розробці ..</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Контрольна лінія LK%1 - режим роботи</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - czas Tk%1</source>
        <translation>Контрольна лінія LK%1 - час Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Час підтвердження спрацювання в режимі 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - зона LNM № %2</translation>
    </message>
    <message>
        <source>Al. ogólny LNM 6 – alarm z czujki (LDK) lub RPO</source>
        <translation>Заг. тривога LNM 6 – тривога від сповіщувача (LDK) або RPO</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TKA</source>
        <translation>Реле PK1 - час TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Затримка вимкнення після скидання</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TKA</source>
        <translation>Реле PK2 - час TKA</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TP[minuty]</source>
        <translation>Реле PK1 - час TP[хвилини]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK1 [minuty]</source>
        <translation>Час, після якого відбудеться автоматичне закриття для PK1 [хвилини]</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TP[minuty]</source>
        <translation>Реле PK2 - час TP[хвилини]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK2 [minuty]</source>
        <translation>Час, після якого відбудеться автоматичне закриття для PK2 [хвилини]</translation>
    </message>
    <message>
        <source>RLH</source>
        <translation>RLH</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Wysokonapięciowych</source>
        <translation>Модуль високовольтних реле</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – zwarcie</source>
        <translation>Контрольна лінія LK1 – коротке замикання</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – przerwa</source>
        <translation>Контрольна лінія LK1 – обрив</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – zwarcie</source>
        <translation>Контрольна лінія LK2 – коротке замикання</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – przerwa</source>
        <translation>Контрольна лінія LK2 – обрив</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – помилка контрольної суми</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версія програмного забезпечення</translation>
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
        <translation>Подія</translation>
    </message>
    <message>
        <source>Kod</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Usunięte</source>
        <translation>Усунено</translation>
    </message>
    <message>
        <source>Uszkodzenie</source>
        <translation>Несправність</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>Сума CRC</translation>
    </message>
</context>
<context>
    <name>RecordManagement</name>
    <message>
        <source>Eksport CSV</source>
        <translation>Експорт CSV</translation>
    </message>
    <message>
        <source>Zapisz jako plik CSV dla arkusza kalkulacyjnego</source>
        <translation>Зберегти як файл CSV для електронної таблиці</translation>
    </message>
    <message>
        <source>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</source>
        <translation>Зчитування з пристрою вже триває; дочекайтеся його завершення.</translation>
    </message>
    <message>
        <source>Filtr w zakładce pokazuje %1 z %2 wierszy.</source>
        <translation>Фільтр на вкладці показує %1 з %2 рядків.</translation>
    </message>
    <message>
        <source>Całość</source>
        <translation>Повністю</translation>
    </message>
    <message>
        <source>tylko widoczne wiersze</source>
        <translation>лише видимі рядки</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Eksport PDF</source>
        <translation>Експорт PDF</translation>
    </message>
    <message>
        <source>Przygotowanie wydruku...</source>
        <translation>Підготовка друку...</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Попередній перегляд друку</translation>
    </message>
    <message>
        <source>Raport ma około %1 stron: podgląd tak długiego raportu zablokowałby program na długo.

Zapisać raport do pliku PDF? Plik można potem wydrukować w całości lub w części.</source>
        <translation>Звіт має близько %1 сторінок: попередній перегляд такого довгого звіту надовго заблокував би програму.

Зберегти звіт у файл PDF? Файл потім можна надрукувати повністю або частково.</translation>
    </message>
    <message>
        <source>strona %1 z %2</source>
        <translation>сторінка %1 з %2</translation>
    </message>
    <message>
        <source>Wydruk</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Nie udało się wydrukować raportu:
%1</source>
        <translation>Не вдалося надрукувати звіт:
%1</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku PDF %1:
%2</source>
        <translation>Не вдалося зберегти PDF-файл %1:
%2</translation>
    </message>
    <message>
        <source>Raport ma %1 stron; wybrany zakres jest poza nim.</source>
        <translation>Звіт має %1 стор.; вибраний діапазон поза його межами.</translation>
    </message>
    <message>
        <source>Nie można rozpocząć wydruku.</source>
        <translation>Не вдається розпочати друк.</translation>
    </message>
    <message>
        <source>Raport jest za długi, by go wydrukować w całości.</source>
        <translation>Звіт задовгий, щоб надрукувати його повністю.</translation>
    </message>
    <message>
        <source>Tabeli raportu nie udało się podzielić na strony.</source>
        <translation>Не вдалося розбити таблицю звіту на сторінки.</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Експорт CSV</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1:
%2</source>
        <translation>Не вдалося зберегти файл %1:
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
        <translation>Оголошення модуля</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Модуль активний / неактивний</translation>
    </message>
    <message>
        <source>Automatyczne ponawianie włączenia urządzeń alarmowych</source>
        <translation>Автоматичне повторне увімкнення пристроїв оповіщення</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T1</source>
        <translation>Зона %1 - Затримка тривоги 2 ступеня - T1</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T2</source>
        <translation>Зона %1 - Затримка тривоги 2 ступеня - T2</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas ewakuacji Tewak.</source>
        <translation>Зона %1 - Час евакуації Tewak.</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas blokowania kasowania alarmu</source>
        <translation>Зона %1 - Час блокування скидання тривоги</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1</source>
        <translation>Зона %1 - Сигналізація випуску за сигналом у зоні %1</translation>
    </message>
    <message>
        <source>Strefa %1 - Wyładowanie do więcej niż 1 strefy</source>
        <translation>Зона %1 - Випуск у більш ніж 1 зону</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1 </source>
        <translation>Зона %1 - Сигналізація випуску за сигналом у зоні %1 </translation>
    </message>
    <message>
        <source>Strefa %1 - Wymagana liczba linii w stanie alarmowania - Grupa %2 koincydencji</source>
        <translation>Зона %1 - Потрібна кількість ліній у стані тривоги - Група збігу %2</translation>
    </message>
    <message>
        <source>Strefa %1 - Linia Dozorowa - L1%3 należy do grupy %2</source>
        <translation>Зона %1 - Шлейф сигналізації - L1%3 належить до групи %2</translation>
    </message>
    <message>
        <source>SCA</source>
        <translation>SCA</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Головний модуль керування</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 1</source>
        <translation>немає витікання вогнегасної речовини - зона 1</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 1</source>
        <translation>немає тиску або маси - зона 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 1</source>
        <translation>системна несправність - зона 1</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 1</source>
        <translation>несправність живлення - зона 1</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 2</source>
        <translation>немає витікання вогнегасної речовини - зона 2</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 2</source>
        <translation>немає тиску або маси - зона 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 2</source>
        <translation>системна несправність - зона 2</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 2</source>
        <translation>несправність живлення - зона 2</translation>
    </message>
    <message>
        <source>za duża rezystancja wewnętrzna akumulatorów</source>
        <translation>завеликий внутрішній опір акумуляторів</translation>
    </message>
    <message>
        <source>brak baterii akumulatorów</source>
        <translation>немає акумуляторної батареї</translation>
    </message>
    <message>
        <source>brak zasilania sieciowego 230V</source>
        <translation>немає мережевого живлення 230V</translation>
    </message>
    <message>
        <source>obnizenie napiecia akumulatorów</source>
        <translation>знижена напруга акумуляторів</translation>
    </message>
    <message>
        <source>doziemienie</source>
        <translation>замикання на землю</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B0-Can.A,</source>
        <translation>несправність 24V на шині B0-Can.A,</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B1-Can.B</source>
        <translation>несправність 24V на шині B1-Can.B</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr1</source>
        <translation>немає живлення після B=6,3A в SCB№1</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr2</source>
        <translation>немає живлення після B=6,3A в SCB№2</translation>
    </message>
    <message>
        <source>moduł nr 1 nie odpowiada</source>
        <translation>модуль № 1 не відповідає</translation>
    </message>
    <message>
        <source>moduł nr 2 nie odpowiada</source>
        <translation>модуль № 2 не відповідає</translation>
    </message>
    <message>
        <source>moduł nr 3 nie odpowiada</source>
        <translation>модуль № 3 не відповідає</translation>
    </message>
    <message>
        <source>moduł nr 4 nie odpowiada</source>
        <translation>модуль № 4 не відповідає</translation>
    </message>
    <message>
        <source>moduł nr 5 nie odpowiada</source>
        <translation>модуль № 5 не відповідає</translation>
    </message>
    <message>
        <source>moduł nr 6 nie odpowiada</source>
        <translation>модуль № 6 не відповідає</translation>
    </message>
    <message>
        <source>moduł nr 7 nie odpowiada</source>
        <translation>модуль № 7 не відповідає</translation>
    </message>
    <message>
        <source>moduł nr 8 nie odpowiada</source>
        <translation>модуль № 8 не відповідає</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 1</source>
        <translation>системна несправність модуля № 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 2</source>
        <translation>системна несправність модуля № 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 3</source>
        <translation>системна несправність модуля № 3</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 4</source>
        <translation>системна несправність модуля № 4</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 5</source>
        <translation>системна несправність модуля № 5</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 6</source>
        <translation>системна несправність модуля № 6</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 7</source>
        <translation>системна несправність модуля № 7</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 8</source>
        <translation>системна несправність модуля № 8</translation>
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
        <translation>L%1 - Номер зони</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja Linii kontrolnej</source>
        <translation>L%1 - Оголошення контрольної лінії</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Оголошення контрольної лінії</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - номер зони</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja wyjścia/wejścia</source>
        <translation>L%1 - Оголошення виходу/входу</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Funkcja wejścia</source>
        <translation>L%1 - Контрольна лінія - Функція входу</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Stan</source>
        <translation>L%1 - Контрольна лінія - Стан</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Ilość stanów</source>
        <translation>L%1 - Контрольна лінія - Кількість станів</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie X</source>
        <translation>L%1 - Контрольна лінія - Затримка X</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie Y</source>
        <translation>L%1 - Контрольна лінія - Затримка Y</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Потенційна лінія - Група виходів</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Потенційна лінія - Критерій 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Потенційна лінія - Критерій 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Потенційна лінія - Логіка</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Потенційна лінія - Тип сигналу увімкнення виходу</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Потенційна лінія - затримка спрацювання Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Потенційна лінія - затримка вимкнення Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Потенційна лінія - тривалість імпульсу T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Потенційна лінія - тривалість паузи T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Потенційна лінія - Кількість імпульсів N-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Wstępne kasowanie</source>
        <translation>L%1 - Шлейф сигналізації - Попереднє скидання</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Opóźnienie</source>
        <translation>L%1 - Шлейф сигналізації - Затримка</translation>
    </message>
    <message>
        <source>SCB</source>
        <translation>SCB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Головний модуль керування</translation>
    </message>
    <message>
        <source>L%1 - przerwa</source>
        <translation>L%1 - обрив</translation>
    </message>
    <message>
        <source>L%1 - zwarcie</source>
        <translation>L%1 - коротке замикання</translation>
    </message>
    <message>
        <source>L%1 - przeciążenie lub brak wysterowania</source>
        <translation>L%1 - перевантаження або немає активації</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L%1 - немає активного стану X зовн. пристрою</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L%1 - немає активного стану Y зовн. пристрою</translation>
    </message>
    <message>
        <source>L%1 - brak ciągłości obwodu styków PK %2</source>
        <translation>L%1 - порушення цілісності кола контактів PK %2</translation>
    </message>
    <message>
        <source>L%1 - ---</source>
        <translation>L%1 - ---</translation>
    </message>
    <message>
        <source>L9 - brak stanu aktywnego Y</source>
        <translation>L9 - немає активного стану Y</translation>
    </message>
    <message>
        <source>L12 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L12 - немає активного стану Y зовн. пристрою </translation>
    </message>
    <message>
        <source>L14 - brak stanu aktywnego Y urządz. zewn.  </source>
        <translation>L14 - немає активного стану Y зовн. пристрою  </translation>
    </message>
    <message>
        <source>L15 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L15 - немає активного стану Y зовн. пристрою </translation>
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
        <translation>Головний модуль керування</translation>
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
        <translation>L%1 - номер зони</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Оголошення контрольної лінії</translation>
    </message>
    <message>
        <source>L%1 - Funkcja wejścia</source>
        <translation>L%1 - Функція входу</translation>
    </message>
    <message>
        <source>L%1 - Kryterium wysterowania</source>
        <translation>L%1 - Критерій активації</translation>
    </message>
    <message>
        <source>L%1 - Ilość stanów</source>
        <translation>L%1 - Кількість станів</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie X</source>
        <translation>L%1 - Затримка X</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie Y</source>
        <translation>L%1 - Затримка Y</translation>
    </message>
    <message>
        <source>SCD</source>
        <translation>SCD</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Головний модуль керування</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - порушення цілісності кола контактів PK 1</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania PK 1</source>
        <translation>L1 - перевантаження або немає активації PK 1</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - порушення цілісності кола контактів PK 2</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania PK 2</source>
        <translation>L2 - перевантаження або немає активації PK 2</translation>
    </message>
    <message>
        <source>L3 - przerwa LK 1</source>
        <translation>L3 - обрив LK 1</translation>
    </message>
    <message>
        <source>L3 - zwarcie LK 1</source>
        <translation>L3 - коротке замикання LK 1</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L3 - немає активного стану X зовн. пристрою</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L3 - немає активного стану Y зовн. пристрою</translation>
    </message>
    <message>
        <source>L4 - przerwa LK 2</source>
        <translation>L4 - обрив LK 2</translation>
    </message>
    <message>
        <source>L4 - zwarcie LK 2</source>
        <translation>L4 - коротке замикання LK 2</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L4 - немає активного стану X зовн. пристрою</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L4 - немає активного стану Y зовн. пристрою</translation>
    </message>
    <message>
        <source>L5 - przerwa</source>
        <translation>L5 - обрив</translation>
    </message>
    <message>
        <source>L5 - zwarcie</source>
        <translation>L5 - коротке замикання</translation>
    </message>
    <message>
        <source>L5 - przeciążenie lub brak wysterowania</source>
        <translation>L5 - перевантаження або немає активації</translation>
    </message>
    <message>
        <source>L6 - przerwa</source>
        <translation>L6 - обрив</translation>
    </message>
    <message>
        <source>L6 - zwarcie</source>
        <translation>L6 - коротке замикання</translation>
    </message>
    <message>
        <source>L6 - przeciążenie lub brak wysterowania</source>
        <translation>L6 - перевантаження або немає активації</translation>
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
        <translation>Головний модуль керування</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - порушення цілісності кола контактів PK 1</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - перевантаження або немає активації</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - порушення цілісності кола контактів PK 2</translation>
    </message>
    <message>
        <source>L3 - brak ciągłości obwodu styków PK 3</source>
        <translation>L3 - порушення цілісності кола контактів PK 3</translation>
    </message>
    <message>
        <source>L4 - brak ciągłości obwodu styków PK 4</source>
        <translation>L4 - порушення цілісності кола контактів PK 4</translation>
    </message>
    <message>
        <source>L2 - brak wysterowania</source>
        <translation>L2 - немає активації</translation>
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
        <translation>Головний модуль керування</translation>
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
        <translation>Головний модуль керування</translation>
    </message>
    <message>
        <source>L1 - przerwa</source>
        <translation>L1 - обрив</translation>
    </message>
    <message>
        <source>L1 - zwarcie</source>
        <translation>L1 - коротке замикання</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania</source>
        <translation>L1 - перевантаження або немає активації</translation>
    </message>
    <message>
        <source>L2 - przerwa</source>
        <translation>L2 - обрив</translation>
    </message>
    <message>
        <source>L2 - zwarcie</source>
        <translation>L2 - коротке замикання</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - перевантаження або немає активації</translation>
    </message>
    <message>
        <source>L3 - przerwa</source>
        <translation>L3 - обрив</translation>
    </message>
    <message>
        <source>L3 - zwarcie</source>
        <translation>L3 - коротке замикання</translation>
    </message>
    <message>
        <source>L3 - przeciążenie lub brak wysterowania</source>
        <translation>L3 - перевантаження або немає активації</translation>
    </message>
    <message>
        <source>L4 - przerwa</source>
        <translation>L4 - обрив</translation>
    </message>
    <message>
        <source>L4 - zwarcie</source>
        <translation>L4 - коротке замикання</translation>
    </message>
    <message>
        <source>L4 - przeciążenie lub brak wysterowania</source>
        <translation>L4 - перевантаження або немає активації</translation>
    </message>
</context>
<context>
    <name>ServiceManagement</name>
    <message>
        <source>Serwis</source>
        <translation>Сервіс</translation>
    </message>
    <message>
        <source>Funkcje serwisowe</source>
        <translation>Сервісні функції</translation>
    </message>
    <message>
        <source>Wyczyść rejestr zdarzeń</source>
        <translation>Очистити журнал подій</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Інформація</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Дані успішно надіслано.</translation>
    </message>
    <message>
        <source>czyszczenie rejestru zdarzeń</source>
        <translation>очищення журналу подій</translation>
    </message>
    <message>
        <source>Nie wiadomo, czy centrala wykonała polecenie.</source>
        <translation>Невідомо, чи виконав прилад команду.</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń sprzed wyczyszczenia zapisano jako %1.</source>
        <translation>Журнал подій до очищення збережено як %1.</translation>
    </message>
    <message>
        <source>Odczytaj, zapisz i wyczyść</source>
        <translation>Зчитати, зберегти й очистити</translation>
    </message>
    <message>
        <source>Wyczyść bez odczytu</source>
        <translation>Очистити без зчитування</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń w centrali zostanie skasowany i nie da się go odtworzyć.

„Odczytaj, zapisz i wyczyść” najpierw odczytuje rejestr i zapisuje go w bazie danych; centrala jest czyszczona dopiero po zapisaniu.</source>
        <translation>Журнал подій у приладі буде очищено, і відновити його буде неможливо.

«Зчитати, зберегти й очистити» спочатку зчитує журнал і зберігає його в базі даних; прилад очищається лише після збереження.</translation>
    </message>
    <message>
        <source>Rejestru zdarzeń nie odczytano, więc nie został wyczyszczony.</source>
        <translation>Журнал подій не зчитано, тому його не очищено.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać rejestru zdarzeń w bazie danych. Rejestru w centrali nie wyczyszczono.</source>
        <translation>Не вдалося зберегти журнал подій у базі даних. Журнал у приладі не очищено.</translation>
    </message>
    <message>
        <source>odczyt rejestru zdarzeń przed wyczyszczeniem</source>
        <translation>зчитування журналу подій перед очищенням</translation>
    </message>
    <message>
        <source>sprawdzenie, czy centrala nie dopisała zdarzeń</source>
        <translation>перевірка, чи прилад не записав нових подій</translation>
    </message>
    <message>
        <source>Centrala dopisywała zdarzenia w trakcie każdego z %1 odczytów. Wszystkie odczyty zapisano (%2), ale rejestru w centrali nie wyczyszczono. Spróbuj ponownie za chwilę.</source>
        <translation>Прилад записував події під час кожного з %1 зчитувань. Усі зчитування збережено (%2), але журнал подій приладу не очищено. Спробуйте ще раз за хвилину.</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Nie</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Так</translation>
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
        <translation>Діапазон: %1 – %2</translation>
    </message>
    <message>
        <source>Zakres: pozycje listy od 0 do %1</source>
        <translation>Діапазон: позиції списку від 0 до %1</translation>
    </message>
</context>
<context>
    <name>SettingDelegate</name>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Так</translation>
    </message>
</context>
<context>
    <name>SoftwareManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Зчитати</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Зчитати з пристрою</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>У PDF</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Друкувати</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Друкувати</translation>
    </message>
    <message>
        <source>Usunięcie wersji oprogramowania</source>
        <translation>Видалення версій ПЗ</translation>
    </message>
    <message>
        <source>Usunięcie wersji o nazwie: %1</source>
        <translation>Видалено версії з назвою: %1</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>Сума CRC</translation>
    </message>
    <message>
        <source>Oprogramowanie Ostrel: %1</source>
        <translation>Програмне забезпечення Ostrel: %1</translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>№</translation>
    </message>
    <message>
        <source>Suma</source>
        <translation>Сума</translation>
    </message>
    <message>
        <source>odczyt wersji oprogramowania</source>
        <translation>зчитування версій ПЗ</translation>
    </message>
    <message>
        <source>Czy usunąć wersje oprogramowania %1?</source>
        <translation>Видалити версії ПЗ %1?</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Folder nie istnieje i nie można go utworzyć.</source>
        <translation>Папка не існує, і створити її не вдається.</translation>
    </message>
    <message>
        <source>W miejscu pliku %1 jest folder.</source>
        <translation>На місці файлу %1 знаходиться папка.</translation>
    </message>
    <message>
        <source>Brak prawa zapisu w tym folderze. Folder programu (na przykład w Program Files) nie nadaje się na dane: uruchom program ze skrótu w menu Start albo z folderu, w którym można zapisywać.</source>
        <translation>Немає права запису в цю папку. Папка програми (наприклад, у Program Files) не підходить для даних: запустіть програму ярликом із меню «Пуск» або з папки, до якої можна записувати.</translation>
    </message>
    <message>
        <source>Plik %1 jest uszkodzony albo nie jest bazą danych programu.</source>
        <translation>Файл %1 пошкоджений або не є базою даних програми.</translation>
    </message>
    <message>
        <source>Nie udało się utworzyć pliku %1. %2</source>
        <translation>Не вдалося створити файл %1. %2</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Конфігуратор Ostrel</translation>
    </message>
    <message>
        <source>Nie można otworzyć bazy danych programu w folderze:
%1

%2

Program zostanie zamknięty.</source>
        <translation>Не вдається відкрити базу даних програми в папці:
%1

%2

Програму буде закрито.</translation>
    </message>
</context>
<context>
    <name>TimeManagement</name>
    <message>
        <source>Data i czas</source>
        <translation>Дата і час</translation>
    </message>
    <message>
        <source>Aktualna data i czas w centrali</source>
        <translation>Поточні дата і час у приладі</translation>
    </message>
    <message>
        <source>Odczytaj datę i czas z centrali</source>
        <translation>Зчитати дату і час із приладу</translation>
    </message>
    <message>
        <source>Automatyczna zmiana czasu LATO/ZIMA</source>
        <translation>Автоматичний перехід на ЛІТНІЙ/ЗИМОВИЙ час</translation>
    </message>
    <message>
        <source>Moment pobrania czasu:</source>
        <translation>Момент зчитування часу:</translation>
    </message>
    <message>
        <source>Ustaw datę i czas w centrali</source>
        <translation>Встановити дату і час у приладі</translation>
    </message>
    <message>
        <source>Wyślij podaną datę i czas do centrali</source>
        <translation>Надіслати введені дату і час у прилад</translation>
    </message>
    <message>
        <source>Wyślij czas z komputer</source>
        <translation>Надіслати час комп’ютера</translation>
    </message>
    <message>
        <source>Nieprawidłowa data</source>
        <translation>Неправильна дата</translation>
    </message>
    <message>
        <source>odczyt lub ustawienie zegara</source>
        <translation>зчитування або встановлення годинника</translation>
    </message>
    <message>
        <source>włączona</source>
        <translation>увімкнено</translation>
    </message>
    <message>
        <source>wyłączona</source>
        <translation>вимкнено</translation>
    </message>
    <message>
        <source>Centrala ma teraz datę i czas %1, automatyczna zmiana czasu LATO/ZIMA: %2.</source>
        <translation>Прилад тепер має дату і час %1, автоматичний перехід на ЛІТНІЙ/ЗИМОВИЙ час: %2.</translation>
    </message>
    <message>
        <source>bieżący czas komputera (teraz %1)</source>
        <translation>поточний час комп’ютера (зараз %1)</translation>
    </message>
    <message>
        <source>Ustawić w centrali datę i czas: %1, automatyczna zmiana czasu LATO/ZIMA: %2?</source>
        <translation>Встановити в приладі дату і час: %1, автоматичний перехід на ЛІТНІЙ/ЗИМОВИЙ час: %2?</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>Czas</source>
        <translation>Час</translation>
    </message>
    <message>
        <source>Kierunek</source>
        <translation>Напрямок</translation>
    </message>
    <message>
        <source>Polecenie</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Długość</source>
        <translation>Довжина</translation>
    </message>
    <message>
        <source>Ramka</source>
        <translation>Кадр</translation>
    </message>
    <message>
        <source>PC → centrala</source>
        <translation>ПК → прилад</translation>
    </message>
    <message>
        <source>centrala → PC</source>
        <translation>прилад → ПК</translation>
    </message>
    <message>
        <source>%1 (błędne CRC)</source>
        <translation>%1 (неправильна CRC)</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>Nic nie zostało zapisane.</source>
        <translation>Нічого не збережено.</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Przerywa tę operację; nic z niej nie zostanie zapisane</source>
        <translation>Перериває цю операцію; нічого з неї не буде збережено</translation>
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
        <translation>очікування відповіді…</translation>
    </message>
    <message>
        <source>część %1 z %2</source>
        <translation>частина %1 з %2</translation>
    </message>
    <message>
        <source>wpisów: %1</source>
        <translation>записів: %1</translation>
    </message>
    <message>
        <source>pozostało ok. %1</source>
        <translation>залишилося бл. %1</translation>
    </message>
    <message>
        <source>Anulowano: %1. Nic nie zostało zapisane.</source>
        <translation>Скасовано: %1. Нічого не збережено.</translation>
    </message>
    <message>
        <source>Urządzenie nie odpowiada</source>
        <translation>Пристрій не відповідає</translation>
    </message>
    <message>
        <source>Brak odpowiedzi na %1 po trzech próbach. Sprawdź kabel i zasilanie centrali.</source>
        <translation>Немає відповіді на %1 після трьох спроб. Перевірте кабель і живлення приладу.</translation>
    </message>
    <message>
        <source>Połączenie z urządzeniem zostało przerwane (%1)</source>
        <translation>З’єднання з пристроєм перервано (%1)</translation>
    </message>
    <message>
        <source>Port został zamknięty.</source>
        <translation>Порт закрито.</translation>
    </message>
    <message>
        <source>Przyczyna: %1.</source>
        <translation>Причина: %1.</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Конфігуратор Ostrel</translation>
    </message>
    <message>
        <source>Nieoczekiwana odpowiedź urządzenia na %1</source>
        <translation>Неочікувана відповідь приладу на %1</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>WĘZEŁ</source>
        <translation>ВУЗОЛ</translation>
    </message>
    <message>
        <source>WARTOŚĆ</source>
        <translation>ЗНАЧЕННЯ</translation>
    </message>
    <message>
        <source>OPIS</source>
        <translation>ОПИС</translation>
    </message>
    <message>
        <source>ACTIVE MODULE %1</source>
        <translation>АКТИВНИЙ МОДУЛЬ %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Wartość %1 jest poza zakresem.</source>
        <translation>Значення %1 поза діапазоном.</translation>
    </message>
</context>
<context>
    <name>USBManager</name>
    <message>
        <source>NoError</source>
        <translation>Немає помилки</translation>
    </message>
    <message>
        <source>DeviceNotFoundError</source>
        <translation>Пристрій не знайдено</translation>
    </message>
    <message>
        <source>PermissionError</source>
        <translation>Немає прав доступу до порту</translation>
    </message>
    <message>
        <source>OpenError</source>
        <translation>Помилка відкриття порту</translation>
    </message>
    <message>
        <source>ParityError</source>
        <translation>Помилка парності</translation>
    </message>
    <message>
        <source>FramingError</source>
        <translation>Помилка кадру</translation>
    </message>
    <message>
        <source>BreakConditionError</source>
        <translation>Стан розриву лінії</translation>
    </message>
    <message>
        <source>WriteError</source>
        <translation>Помилка запису</translation>
    </message>
    <message>
        <source>ReadError</source>
        <translation>Помилка читання</translation>
    </message>
    <message>
        <source>ResourceError</source>
        <translation>Ресурс недоступний</translation>
    </message>
    <message>
        <source>UnsupportedOperationError</source>
        <translation>Непідтримувана операція</translation>
    </message>
    <message>
        <source>UnknownError</source>
        <translation>Невідома помилка</translation>
    </message>
    <message>
        <source>TimeoutError</source>
        <translation>Тайм-аут</translation>
    </message>
    <message>
        <source>NotOpenError</source>
        <translation>Порт не відкрито</translation>
    </message>
    <message>
        <source>Port został otwarty. Próba komunikacji z urządzeniem na porcie </source>
        <translation>Порт відкрито. Спроба зв’язку з пристроєм на порту </translation>
    </message>
    <message>
        <source>Brak odpowiedzi na ramkę. Ponowna próba połączenia...</source>
        <translation>Немає відповіді на кадр. Повторна спроба з’єднання...</translation>
    </message>
    <message>
        <source>nie znaleziono urządzenia na tym porcie</source>
        <translation>на цьому порту пристрій не знайдено</translation>
    </message>
    <message>
        <source>brak dostępu do portu (może używa go inny program)</source>
        <translation>немає доступу до порту (можливо, його використовує інша програма)</translation>
    </message>
    <message>
        <source>port jest już otwarty przez inny program</source>
        <translation>порт уже відкрито іншою програмою</translation>
    </message>
    <message>
        <source>błąd parzystości na łączu</source>
        <translation>помилка парності в каналі зв’язку</translation>
    </message>
    <message>
        <source>błąd ramki na łączu (zakłócenia lub zła prędkość)</source>
        <translation>помилка кадру в каналі зв’язку (завади або неправильна швидкість)</translation>
    </message>
    <message>
        <source>przerwa w linii transmisyjnej</source>
        <translation>розрив лінії передавання</translation>
    </message>
    <message>
        <source>nie można wysłać danych do portu</source>
        <translation>неможливо надіслати дані в порт</translation>
    </message>
    <message>
        <source>nie można odczytać danych z portu (kabel odłączony?)</source>
        <translation>неможливо зчитати дані з порту (кабель від’єднано?)</translation>
    </message>
    <message>
        <source>port zniknął: kabel USB odłączony lub centrala wyłączona</source>
        <translation>порт зник: кабель USB від’єднано або прилад вимкнено</translation>
    </message>
    <message>
        <source>port nie obsługuje tej operacji</source>
        <translation>порт не підтримує цієї операції</translation>
    </message>
    <message>
        <source>nieznany błąd portu</source>
        <translation>невідома помилка порту</translation>
    </message>
    <message>
        <source>przekroczony czas operacji na porcie</source>
        <translation>перевищено час очікування операції на порту</translation>
    </message>
    <message>
        <source>port nie jest otwarty</source>
        <translation>порт не відкрито</translation>
    </message>
    <message>
        <source>%1 odrzucił połączenie: serwer portu nie nasłuchuje na tym porcie albo obsługuje już innego klienta</source>
        <translation>%1 відхилив з’єднання: сервер порту не прослуховує цей порт або вже обслуговує іншого клієнта</translation>
    </message>
    <message>
        <source>%1 nie odpowiada od 5 s: sprawdź adres, połączenie VPN i zaporę sieciową</source>
        <translation>%1 не відповідає протягом 5 s: перевірте адресу, з’єднання VPN і брандмауер</translation>
    </message>
    <message>
        <source>Nie znaleziono komputera %1: sprawdź nazwę lub adres</source>
        <translation>Комп’ютер %1 не знайдено: перевірте ім’я або адресу</translation>
    </message>
    <message>
        <source>Serwer portu %1 zamknął połączenie (centrala odłączona od serwera lub serwer wyłączony)</source>
        <translation>Сервер порту %1 закрив з’єднання (прилад від’єднано від сервера або сервер вимкнено)</translation>
    </message>
    <message>
        <source>Błąd połączenia sieciowego z %1 (kod %2)</source>
        <translation>Помилка мережевого з’єднання з %1 (код %2)</translation>
    </message>
    <message>
        <source>Port zamknięty: %1</source>
        <translation>Порт закрито: %1</translation>
    </message>
    <message>
        <source>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</source>
        <translation>Зчитування з приладу вже триває; дочекайтеся його завершення.</translation>
    </message>
    <message>
        <source>Centrala odpowiedziała poleceniem %1 zamiast %2.</source>
        <translation>Прилад відповів командою %1 замість %2.</translation>
    </message>
</context>
<context>
    <name>Uszkodzenia</name>
    <message>
        <source>Uszkodzenia Ostrel: %1</source>
        <translation>Несправності Ostrel: %1</translation>
    </message>
</context>
<context>
    <name>VisitReport</name>
    <message>
        <source>brak</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>Moduły centrali</source>
        <translation>Модулі приладу</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Опис</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Версія програмного забезпечення</translation>
    </message>
    <message>
        <source>nie odczytano</source>
        <translation>не зчитано</translation>
    </message>
    <message>
        <source>Uszkodzenie</source>
        <translation>Несправність</translation>
    </message>
    <message>
        <source>brak danych do porównania</source>
        <translation>немає даних для порівняння</translation>
    </message>
    <message>
        <source>bez zmian</source>
        <translation>без змін</translation>
    </message>
    <message>
        <source>moduł usunięty</source>
        <translation>модуль видалено</translation>
    </message>
    <message>
        <source>moduł dodany</source>
        <translation>модуль додано</translation>
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
        <translation>Після</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Подія</translation>
    </message>
    <message>
        <source>Liczba</source>
        <translation>Кількість</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń</source>
        <translation>Журнал подій</translation>
    </message>
    <message>
        <source>Uszkodzenia aktywne według rejestru</source>
        <translation>Активні несправності за журналом</translation>
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
        <translation>Додаток: повний журнал подій</translation>
    </message>
    <message>
        <source>Sprawdzenie</source>
        <translation>Перевірка</translation>
    </message>
    <message>
        <source>Sposób</source>
        <translation>Спосіб</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Вимога</translation>
    </message>
    <message>
        <source>Pomiar</source>
        <translation>Вимірювання</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Зауваження</translation>
    </message>
    <message>
        <source>Akumulatory</source>
        <translation>Акумулятори</translation>
    </message>
    <message>
        <source>Okres eksploatacji akumulatorów w latach: %1.</source>
        <translation>Термін експлуатації акумуляторів у роках: %1.</translation>
    </message>
    <message>
        <source>Marka i typ</source>
        <translation>Марка і тип</translation>
    </message>
    <message>
        <source>Pojemność [Ah]</source>
        <translation>Ємність [Ah]</translation>
    </message>
    <message>
        <source>Kod daty</source>
        <translation>Код дати</translation>
    </message>
    <message>
        <source>Montaż</source>
        <translation>Встановлення</translation>
    </message>
    <message>
        <source>Napięcie [V]</source>
        <translation>Напруга [V]</translation>
    </message>
    <message>
        <source>Rezystancja [mΩ]</source>
        <translation>Опір [mΩ]</translation>
    </message>
    <message>
        <source>Wymiana do</source>
        <translation>Заміна до</translation>
    </message>
    <message>
        <source>(termin minął)</source>
        <translation>(термін минув)</translation>
    </message>
    <message>
        <source>(wymiana w ciągu 90 dni)</source>
        <translation>(заміна протягом 90 днів)</translation>
    </message>
    <message>
        <source>Autotest i kalibracja</source>
        <translation>Автотест і калібрування</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>Zakres</source>
        <translation>Діапазон</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>autotest</source>
        <translation>автотест</translation>
    </message>
    <message>
        <source>kalibracja</source>
        <translation>калібрування</translation>
    </message>
    <message>
        <source>%1 s (czas centrali minus czas komputera)</source>
        <translation>%1 s (час приладу мінус час комп’ютера)</translation>
    </message>
    <message>
        <source>Protokół serwisowy nr %1</source>
        <translation>Сервісний протокол № %1</translation>
    </message>
    <message>
        <source>Identyfikator</source>
        <translation>Ідентифікатор</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Компанія</translation>
    </message>
    <message>
        <source>Technik</source>
        <translation>Технік</translation>
    </message>
    <message>
        <source>Rodzaj wizyty</source>
        <translation>Вид візиту</translation>
    </message>
    <message>
        <source>Rozpoczęcie</source>
        <translation>Початок</translation>
    </message>
    <message>
        <source>Zakończenie</source>
        <translation>Завершення</translation>
    </message>
    <message>
        <source>wizyta otwarta</source>
        <translation>візит відкритий</translation>
    </message>
    <message>
        <source>Obiekt i centrala</source>
        <translation>Об’єкт і прилад</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Об’єкт</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Адреса</translation>
    </message>
    <message>
        <source>Właściciel / zarządca</source>
        <translation>Власник / управитель</translation>
    </message>
    <message>
        <source>Osoba kontaktowa</source>
        <translation>Контактна особа</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Прилад</translation>
    </message>
    <message>
        <source>Miejsce montażu</source>
        <translation>Місце встановлення</translation>
    </message>
    <message>
        <source>Numer fabryczny</source>
        <translation>Заводський номер</translation>
    </message>
    <message>
        <source>Data instalacji</source>
        <translation>Дата встановлення</translation>
    </message>
    <message>
        <source>Zegar centrali</source>
        <translation>Годинник приладу</translation>
    </message>
    <message>
        <source>Odchyłka zegara</source>
        <translation>Відхилення годинника</translation>
    </message>
    <message>
        <source>Zegar ustawiony</source>
        <translation>Годинник встановлено</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>так</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>ні</translation>
    </message>
    <message>
        <source>Uszkodzenia przy odjeździe</source>
        <translation>Несправності під час від’їзду</translation>
    </message>
    <message>
        <source>Odczyt pominięto: %1</source>
        <translation>Зчитування пропущено: %1</translation>
    </message>
    <message>
        <source>Zmiany konfiguracji podczas wizyty</source>
        <translation>Зміни конфігурації під час візиту</translation>
    </message>
    <message>
        <source>Zmiany konfiguracji od poprzedniej wizyty</source>
        <translation>Зміни конфігурації з попереднього візиту</translation>
    </message>
    <message>
        <source>brak poprzedniej wizyty</source>
        <translation>попереднього візиту немає</translation>
    </message>
    <message>
        <source>Poprzednia wizyta: %1, %2.</source>
        <translation>Попередній візит: %1, %2.</translation>
    </message>
    <message>
        <source>Wynik wizyty</source>
        <translation>Результат візиту</translation>
    </message>
    <message>
        <source>Ustalenia</source>
        <translation>Висновки</translation>
    </message>
    <message>
        <source>Zalecenia</source>
        <translation>Рекомендації</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Оцінка</translation>
    </message>
    <message>
        <source>nie wystawiono</source>
        <translation>не виставлено</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Наступний огляд</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Moduł adresowy</source>
        <translation>Адресний модуль</translation>
    </message>
    <message>
        <source>Moduł przekaźników i linii</source>
        <translation>Модуль реле та ліній</translation>
    </message>
    <message>
        <source>Moduł wyjść potencjałowych</source>
        <translation>Модуль потенціальних виходів</translation>
    </message>
    <message>
        <source>Moduł przekaźników</source>
        <translation>Модуль реле</translation>
    </message>
    <message>
        <source>Moduł sterowania liniami i przekaźnikami</source>
        <translation>Модуль керування лініями та реле</translation>
    </message>
    <message>
        <source>Moduł sterowania gaszeniem</source>
        <translation>Модуль керування пожежогасінням</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Несправності</translation>
    </message>
    <message>
        <source>Stwierdzone przy przyjeździe i usunięte</source>
        <translation>Виявлені під час приїзду та усунені</translation>
    </message>
    <message>
        <source>bez odczytu przy odjeździe: stwierdzone przy przyjeździe</source>
        <translation>без зчитування під час від’їзду: виявлені під час приїзду</translation>
    </message>
    <message>
        <source>Pozostające przy odjeździe</source>
        <translation>Залишаються під час від’їзду</translation>
    </message>
    <message>
        <source>Usterki stwierdzone podczas sprawdzeń</source>
        <translation>Дефекти, виявлені під час перевірок</translation>
    </message>
    <message>
        <source>pozostałe (%1)</source>
        <translation>інші (%1)</translation>
    </message>
    <message>
        <source>razem</source>
        <translation>разом</translation>
    </message>
    <message>
        <source>Brak poprzedniej wizyty: zdarzenia od początku rejestru, %1 wpisów.</source>
        <translation>Попереднього огляду немає: події від початку журналу, записів: %1.</translation>
    </message>
    <message>
        <source>Zdarzenia od poprzedniej wizyty %1 (rejestr był wtedy pusty): %2 z %3 wpisów.</source>
        <translation>Події від попереднього огляду %1 (журнал тоді був порожній): %2 з %3 записів.</translation>
    </message>
    <message>
        <source>Zdarzenia od poprzedniej wizyty %1, po wpisie nr %2 — ostatnim odczytanym przy tamtej wizycie: %3 z %4 wpisów.</source>
        <translation>Події від попереднього огляду %1, після запису № %2 — останнього зчитаного під час того огляду: %3 з %4 записів.</translation>
    </message>
    <message>
        <source>Pominięto wpisy zapisane jeszcze w czasie tamtej wizyty (odczyt przy odjeździe, ustawienie zegara): %1.</source>
        <translation>Пропущено записи, зроблені ще під час того огляду (зчитування під час від’їзду, встановлення годинника): %1.</translation>
    </message>
    <message>
        <source>Rejestr wyczyszczony od poprzedniej wizyty %1: wpisu odczytanego przy tamtej wizycie już w nim nie ma. Liczone są wszystkie wpisy: %2.</source>
        <translation>Журнал очищено після попереднього огляду %1: запису, зчитаного під час того огляду, у ньому вже немає. Враховано всі записи: %2.</translation>
    </message>
    <message>
        <source>Od poprzedniej wizyty %1 przybyło więcej wpisów, niż mieści rejestr: wpis odczytany przy tamtej wizycie został nadpisany. Liczone są wszystkie wpisy: %2.</source>
        <translation>Після попереднього огляду %1 додалося більше записів, ніж уміщує журнал: запис, зчитаний під час того огляду, перезаписано. Враховано всі записи: %2.</translation>
    </message>
    <message>
        <source>zegar ustawiono wtedy na czas komputera, przyjęto odchyłkę 0 s</source>
        <translation>годинник тоді встановлено за часом комп’ютера, прийнято відхилення 0 с</translation>
    </message>
    <message>
        <source>przyjęto odchyłkę zegara zmierzoną wtedy: %1 s</source>
        <translation>прийнято відхилення годинника, виміряне тоді: %1 с</translation>
    </message>
    <message>
        <source>odchyłki zegara wtedy nie zmierzono, przyjęto 0 s</source>
        <translation>відхилення годинника тоді не вимірювалося, прийнято 0 с</translation>
    </message>
    <message>
        <source>Poprzednia wizyta %1 nie odczytała rejestru, więc zdarzenia liczone są wg zegara centrali: wpisy późniejsze niż %2 (koniec tamtej wizyty; %3): %4 z %5 wpisów.</source>
        <translation>Попередній огляд %1 не зчитував журнал, тому події враховано за годинником приладу: записи пізніші за %2 (кінець того огляду; %3): %4 з %5 записів.</translation>
    </message>
    <message>
        <source>Rodzaj zdarzeń</source>
        <translation>Вид подій</translation>
    </message>
    <message>
        <source>Najwięcej wpisów według modułu</source>
        <translation>Найбільше записів за модулями</translation>
    </message>
    <message>
        <source>Najczęstsze zdarzenia</source>
        <translation>Найчастіші події</translation>
    </message>
    <message>
        <source>Rejestr odczytany przy tej wizycie: %1 wpisów, SHA-256 jego bajtów: %2.</source>
        <translation>Журнал, зчитаний під час цього огляду: записів %1, SHA-256 його байтів: %2.</translation>
    </message>
    <message>
        <source>nie sprawdzono</source>
        <translation>не перевірено</translation>
    </message>
    <message>
        <source>Zakres przeglądu i wyniki sprawdzeń</source>
        <translation>Обсяг огляду та результати перевірок</translation>
    </message>
    <message>
        <source>Sprawdzenia ogólne</source>
        <translation>Загальні перевірки</translation>
    </message>
    <message>
        <source>Sprawdzenia modułów centrali</source>
        <translation>Перевірки модулів приладу</translation>
    </message>
    <message>
        <source>Urządzenia w obiekcie (sprawdzone albo wyłączone z zakresu, z powodem w uwagach)</source>
        <translation>Пристрої на об’єкті (перевірені або виключені з обсягу, причина в зауваженнях)</translation>
    </message>
    <message>
        <source>Próba pojemności / obciążenia</source>
        <translation>Перевірка ємності / навантаження</translation>
    </message>
    <message>
        <source>wymaganie spełnione</source>
        <translation>вимогу виконано</translation>
    </message>
    <message>
        <source>wymaganie NIESPEŁNIONE</source>
        <translation>вимогу НЕ виконано</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów</source>
        <translation>Необхідний час роботи від акумуляторів</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 год</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów</source>
        <translation>Отриманий час роботи від акумуляторів</translation>
    </message>
    <message>
        <source>PRZEGLĄD ANULOWANY (powód: %1). Protokołu nie wystawiono.</source>
        <translation>ОГЛЯД СКАСОВАНО (причина: %1). Протокол не видано.</translation>
    </message>
    <message>
        <source>Projekt protokołu: przegląd jest otwarty, projekt nie ma skrótu. Skrót nadaje zamknięcie przeglądu.</source>
        <translation>Проєкт протоколу: огляд відкритий, проєкт не має хешу. Хеш присвоюється під час закриття огляду.</translation>
    </message>
    <message>
        <source>Skrót SHA-256 w stopce każdej strony obejmuje całą treść tego protokołu (bez załącznika z pełnym rejestrem zdarzeń, którego bajty opisuje skrót w części „Rejestr zdarzeń”). Sprawdzenie: Konfigurator Ostrel, karta „Przeglądy”, przycisk „Sprawdź protokół”: wskaż plik PDF albo wpisz skrót ze stopki. Program podaje, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</source>
        <translation>Хеш SHA-256 у нижньому колонтитулі кожної сторінки охоплює весь вміст цього протоколу (без додатка з повним журналом подій, байти якого описує хеш у розділі «Журнал подій»). Перевірка: Конфігуратор Ostrel, вкладка «Огляди», кнопка «Перевірити протокол»: вкажіть PDF-файл або введіть хеш із колонтитула. Програма повідомить, до якого огляду належить протокол і чи збігається він зі збереженим під час закриття.</translation>
    </message>
    <message>
        <source>urządzenie dopuszczone do dalszej eksploatacji</source>
        <translation>пристрій допущено до подальшої експлуатації</translation>
    </message>
    <message>
        <source>urządzenie niedopuszczone do dalszej eksploatacji</source>
        <translation>пристрій не допущено до подальшої експлуатації</translation>
    </message>
    <message>
        <source>Obiekt / centrala</source>
        <translation>Об’єкт / прилад</translation>
    </message>
    <message>
        <source>Wynik przeglądu</source>
        <translation>Результат огляду</translation>
    </message>
    <message>
        <source>Orzeczenie</source>
        <translation>Висновок</translation>
    </message>
    <message>
        <source>Podstawa</source>
        <translation>Підстава</translation>
    </message>
    <message>
        <source>przegląd okresowy wykonywany co najmniej raz w roku zgodnie z rozporządzeniem Ministra Spraw Wewnętrznych i Administracji z dnia 7 czerwca 2010 r. w sprawie ochrony przeciwpożarowej budynków, innych obiektów budowlanych i terenów (§ 3 ust. 3) oraz z instrukcją serwisową producenta</source>
        <translation>періодичне обслуговування не рідше одного разу на рік згідно з розпорядженням міністра внутрішніх справ і адміністрації Польщі від 7 червня 2010 р. про протипожежний захист будівель, інших споруд і територій (§ 3 п. 3) та сервісною інструкцією виробника</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe</source>
        <translation>Засоби вимірювання</translation>
    </message>
    <message>
        <source>Przyrząd</source>
        <translation>Прилад</translation>
    </message>
    <message>
        <source>Data wzorcowania</source>
        <translation>Дата повірки</translation>
    </message>
    <message>
        <source>Z poprzedniego przeglądu %1</source>
        <translation>З попереднього огляду %1</translation>
    </message>
    <message>
        <source>Wykonanie zaleceń</source>
        <translation>Виконання рекомендацій</translation>
    </message>
    <message>
        <source>nie oceniono</source>
        <translation>не оцінено</translation>
    </message>
    <message>
        <source>Uszkodzenia pozostawione przy odjeździe</source>
        <translation>Несправності, що залишилися під час від’їзду</translation>
    </message>
    <message>
        <source>Miejsce i data: %1, %2</source>
        <translation>Місце та дата: %1, %2</translation>
    </message>
    <message>
        <source>Konserwator (wykonał przegląd)</source>
        <translation>Технік (виконав огляд)</translation>
    </message>
    <message>
        <source>podpis</source>
        <translation>підпис</translation>
    </message>
    <message>
        <source>Pieczęć firmy</source>
        <translation>Печатка фірми</translation>
    </message>
    <message>
        <source>Protokół otrzymałem (użytkownik / zarządca)</source>
        <translation>Протокол отримав (користувач / управитель)</translation>
    </message>
    <message>
        <source>PROJEKT — przegląd otwarty</source>
        <translation>ПРОЄКТ — огляд відкритий</translation>
    </message>
    <message>
        <source>PRZEGLĄD ANULOWANY</source>
        <translation>ОГЛЯД СКАСОВАНО</translation>
    </message>
    <message>
        <source>koryguje protokół %1 (powód: %2)</source>
        <translation>виправляє протокол %1 (причина: %2)</translation>
    </message>
    <message>
        <source>Wykonawca</source>
        <translation>Виконавець</translation>
    </message>
    <message>
        <source>Adres firmy</source>
        <translation>Адреса фірми</translation>
    </message>
    <message>
        <source>NIP</source>
        <translation>Податковий номер (NIP)</translation>
    </message>
    <message>
        <source>Telefon firmy</source>
        <translation>Телефон фірми</translation>
    </message>
    <message>
        <source>Konserwator</source>
        <translation>Технік</translation>
    </message>
    <message>
        <source>Nr świadectwa / uprawnień</source>
        <translation>№ свідоцтва / допуску</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do</source>
        <translation>Допуск дійсний до</translation>
    </message>
    <message>
        <source>Producent</source>
        <translation>Виробник</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Nr świadectwa dopuszczenia</source>
        <translation>№ сертифіката допуску</translation>
    </message>
    <message>
        <source>Wykonane prace i wymienione części</source>
        <translation>Виконані роботи та замінені частини</translation>
    </message>
    <message>
        <source>Wykonane prace</source>
        <translation>Виконані роботи</translation>
    </message>
    <message>
        <source>Wymienione części</source>
        <translation>Замінені частини</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Akumulatory do wymiany</source>
        <translation>Акумулятори до заміни</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>anulowany</source>
        <translation>скасований</translation>
    </message>
    <message>
        <source>zastąpiony przez %1</source>
        <translation>замінений %1</translation>
    </message>
    <message>
        <source>zamknięty</source>
        <translation>закритий</translation>
    </message>
    <message>
        <source>otwarty</source>
        <translation>відкритий</translation>
    </message>
</context>
<context>
    <name>VisitSession</name>
    <message>
        <source>zegar</source>
        <translation>годинник</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>конфігурація</translation>
    </message>
    <message>
        <source>uszkodzenia</source>
        <translation>несправності</translation>
    </message>
    <message>
        <source>wersje oprogramowania</source>
        <translation>версії ПЗ</translation>
    </message>
    <message>
        <source>rejestr zdarzeń</source>
        <translation>журнал подій</translation>
    </message>
    <message>
        <source>Odczyt przerwany. Nic z tego odczytu nie zapisano.</source>
        <translation>Зчитування перервано. Нічого з цього зчитування не збережено.</translation>
    </message>
    <message>
        <source>Łącze nie przyjęło zapytania. Nic nie zapisano.</source>
        <translation>Канал зв’язку не прийняв запит. Нічого не збережено.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać odczytu w bazie danych.</source>
        <translation>Не вдалося зберегти зчитані дані в базі даних.</translation>
    </message>
    <message>
        <source>Odczyt przerwany (%1). Nic z tego odczytu nie zapisano.</source>
        <translation>Зчитування перервано (%1). Нічого з цього зчитування не збережено.</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada (%1). Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</source>
        <translation>Прилад не відповідає (%1). Нічого з цього зчитування не збережено; огляд залишається відкритим.</translation>
    </message>
    <message>
        <source>Połączenie z centralą zostało przerwane (%1). Nic z tego odczytu nie zapisano.</source>
        <translation>З’єднання з приладом перервано (%1). Нічого з цього зчитування не збережено.</translation>
    </message>
    <message>
        <source>przyjazd</source>
        <translation>прибуття</translation>
    </message>
    <message>
        <source>odjazd</source>
        <translation>від’їзд</translation>
    </message>
</context>
<context>
    <name>VisitStartDialog</name>
    <message>
        <source>Nowy przegląd</source>
        <translation>Новий огляд</translation>
    </message>
    <message>
        <source>Centrale pasujące do podłączonej</source>
        <translation>Прилади, що відповідають під’єднаному</translation>
    </message>
    <message>
        <source>Rozpoznaj podłączoną centralę</source>
        <translation>Розпізнати під’єднаний прилад</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Об’єкт</translation>
    </message>
    <message>
        <source>Obiekt:</source>
        <translation>Об’єкт:</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Назва:</translation>
    </message>
    <message>
        <source>Adres:</source>
        <translation>Адреса:</translation>
    </message>
    <message>
        <source>Właściciel lub zarządca:</source>
        <translation>Власник або управитель:</translation>
    </message>
    <message>
        <source>Osoba kontaktowa:</source>
        <translation>Контактна особа:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Прилад</translation>
    </message>
    <message>
        <source>Centrala:</source>
        <translation>Прилад:</translation>
    </message>
    <message>
        <source>Oznaczenie:</source>
        <translation>Позначення:</translation>
    </message>
    <message>
        <source>np. Centrala oddymiania — klatka A</source>
        <translation>напр. Прилад димовидалення — сходова клітка A</translation>
    </message>
    <message>
        <source>Miejsce w budynku:</source>
        <translation>Місце в будівлі:</translation>
    </message>
    <message>
        <source>Numer fabryczny:</source>
        <translation>Заводський номер:</translation>
    </message>
    <message>
        <source>z tabliczki znamionowej</source>
        <translation>із заводської таблички</translation>
    </message>
    <message>
        <source>Data instalacji:</source>
        <translation>Дата встановлення:</translation>
    </message>
    <message>
        <source>rrrr-mm-dd</source>
        <translation>рррр-мм-дд</translation>
    </message>
    <message>
        <source>Przegląd</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>Rodzaj:</source>
        <translation>Вид:</translation>
    </message>
    <message>
        <source>Serwisant:</source>
        <translation>Сервісний технік:</translation>
    </message>
    <message>
        <source>Nr świadectwa:</source>
        <translation>№ свідоцтва:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Компанія:</translation>
    </message>
    <message>
        <source>Rozpocznij przegląd</source>
        <translation>Розпочати огляд</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Nie rozpoznano konfiguracji centrali.</source>
        <translation>Конфігурацію приладу не розпізнано.</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada.</source>
        <translation>Прилад не відповідає.</translation>
    </message>
    <message>
        <source>Odczyt konfiguracji…</source>
        <translation>Зчитування конфігурації…</translation>
    </message>
    <message>
        <source>Żadna zapisana centrala nie ma tych modułów.</source>
        <translation>Жоден збережений прилад не має цих модулів.</translation>
    </message>
    <message>
        <source>— nowy obiekt —</source>
        <translation>— новий об’єкт —</translation>
    </message>
    <message>
        <source>— nowa centrala —</source>
        <translation>— новий прилад —</translation>
    </message>
    <message>
        <source>Data instalacji</source>
        <translation>Дата встановлення</translation>
    </message>
</context>
<context>
    <name>VisitStore</name>
    <message>
        <source>Nie znaleziono wizyty serwisowej.</source>
        <translation>Сервісний візит не знайдено.</translation>
    </message>
    <message>
        <source>Wizyta jest zamknięta i nie można jej zmieniać. Popraw ją nową wizytą korygującą.</source>
        <translation>Візит закрито, і змінювати його не можна. Виправте його новим коригувальним візитом.</translation>
    </message>
    <message>
        <source>Podaj nazwę obiektu.</source>
        <translation>Вкажіть назву об’єкта.</translation>
    </message>
    <message>
        <source>Nie zapisano obiektu w bazie danych.</source>
        <translation>Об’єкт не збережено в базі даних.</translation>
    </message>
    <message>
        <source>Wybierz obiekt, do którego należy centrala.</source>
        <translation>Виберіть об’єкт, до якого належить прилад.</translation>
    </message>
    <message>
        <source>Podaj oznaczenie centrali.</source>
        <translation>Вкажіть позначення приладу.</translation>
    </message>
    <message>
        <source>Data instalacji centrali nie może być późniejsza niż dzisiejsza.</source>
        <translation>Дата встановлення приладу не може бути пізнішою за сьогоднішню.</translation>
    </message>
    <message>
        <source>Nie zapisano centrali w bazie danych.</source>
        <translation>Прилад не збережено в базі даних.</translation>
    </message>
    <message>
        <source>Nie znaleziono centrali.</source>
        <translation>Прилад не знайдено.</translation>
    </message>
    <message>
        <source>Wybierz centralę, której dotyczy wizyta.</source>
        <translation>Виберіть прилад, якого стосується візит.</translation>
    </message>
    <message>
        <source>Wybierz rodzaj wizyty.</source>
        <translation>Виберіть вид візиту.</translation>
    </message>
    <message>
        <source>Data następnego przeglądu musi być późniejsza niż data wizyty.</source>
        <translation>Дата наступного огляду має бути пізнішою за дату візиту.</translation>
    </message>
    <message>
        <source>Nie zapisano wizyty w bazie danych.</source>
        <translation>Візит не збережено в базі даних.</translation>
    </message>
    <message>
        <source>Nieprawidłowy rodzaj wizyty lub ocena.</source>
        <translation>Неправильний вид візиту або оцінка.</translation>
    </message>
    <message>
        <source>Nieprawidłowa odchyłka zegara centrali.</source>
        <translation>Неправильне відхилення годинника приладу.</translation>
    </message>
    <message>
        <source>Wybierz ocenę stanu centrali, aby zamknąć wizytę.</source>
        <translation>Виберіть оцінку стану приладу, щоб закрити візит.</translation>
    </message>
    <message>
        <source>Wizyty nie można zamknąć bez odczytu przy odjeździe. Wykonaj odczyt albo wpisz, dlaczego go pominięto.</source>
        <translation>Візит не можна закрити без зчитування під час від’їзду. Виконайте зчитування або вкажіть, чому його пропущено.</translation>
    </message>
    <message>
        <source>Wizyta jest jeszcze otwarta: popraw ją bezpośrednio.</source>
        <translation>Візит ще відкритий: виправте його безпосередньо.</translation>
    </message>
    <message>
        <source>Nie znaleziono zapisanego odczytu.</source>
        <translation>Збережене зчитування не знайдено.</translation>
    </message>
    <message>
        <source>Nie zapisano odczytu w bazie danych.</source>
        <translation>Зчитування не збережено в базі даних.</translation>
    </message>
    <message>
        <source>Nieprawidłowy wynik sprawdzenia.</source>
        <translation>Неправильний результат перевірки.</translation>
    </message>
    <message>
        <source>Nie zapisano listy sprawdzeń w bazie danych.</source>
        <translation>Список перевірок не збережено в базі даних.</translation>
    </message>
    <message>
        <source>Nie znaleziono sprawdzenia.</source>
        <translation>Перевірку не знайдено.</translation>
    </message>
    <message>
        <source>Nie zapisano sprawdzenia w bazie danych.</source>
        <translation>Перевірку не збережено в базі даних.</translation>
    </message>
    <message>
        <source>Pojemność akumulatora musi leżeć między %1 a %2 Ah.</source>
        <translation>Ємність акумулятора має бути в межах від %1 до %2 Ah.</translation>
    </message>
    <message>
        <source>Napięcie akumulatora musi leżeć między 0 a %1 V.</source>
        <translation>Напруга акумулятора має бути в межах від 0 до %1 V.</translation>
    </message>
    <message>
        <source>Rezystancja wewnętrzna musi leżeć między 0 a %1 mΩ.</source>
        <translation>Внутрішній опір має бути в межах від 0 до %1 mΩ.</translation>
    </message>
    <message>
        <source>Podaj datę montażu akumulatora, nie późniejszą niż dzisiejsza.</source>
        <translation>Вкажіть дату встановлення акумулятора, не пізнішу за сьогоднішню.</translation>
    </message>
    <message>
        <source>Nie zapisano akumulatora w bazie danych.</source>
        <translation>Акумулятор не збережено в базі даних.</translation>
    </message>
    <message>
        <source>Nie znaleziono akumulatora.</source>
        <translation>Акумулятор не знайдено.</translation>
    </message>
    <message>
        <source>Nie usunięto akumulatora z bazy danych.</source>
        <translation>Акумулятор не видалено з бази даних.</translation>
    </message>
    <message>
        <source>Nie zapisano wyników w bazie danych.</source>
        <translation>Результати не збережено в базі даних.</translation>
    </message>
    <message>
        <source>Okres eksploatacji akumulatora musi wynosić od 1 do 20 lat.</source>
        <translation>Термін експлуатації акумулятора має становити від 1 до 20 років.</translation>
    </message>
    <message>
        <source>Nie zapisano ustawienia w bazie danych.</source>
        <translation>Налаштування не збережено в базі даних.</translation>
    </message>
    <message>
        <source>Korekta nie odczytuje centrali: poprawia tylko zapis przeglądu, który koryguje.</source>
        <translation>Виправлення не зчитує прилад: воно виправляє лише запис виправлюваного огляду.</translation>
    </message>
    <message>
        <source>Anulowanego przeglądu nie można poprawić.</source>
        <translation>Скасований огляд не можна виправити.</translation>
    </message>
    <message>
        <source>Ten protokół zastąpiono już protokołem %1: popraw tamten.</source>
        <translation>Цей протокол уже замінено протоколом %1: виправляйте його.</translation>
    </message>
    <message>
        <source>Korekta %1 tego przeglądu jest już otwarta.</source>
        <translation>Виправлення %1 цього огляду вже відкрите.</translation>
    </message>
    <message>
        <source>Podaj powód korekty: drukuje się w protokole korygującym.</source>
        <translation>Вкажіть причину виправлення: вона друкується у виправному протоколі.</translation>
    </message>
    <message>
        <source>Podaj powód anulowania przeglądu.</source>
        <translation>Вкажіть причину скасування огляду.</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do</source>
        <translation>Допуск дійсний до</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów [h]</source>
        <translation>Необхідний час роботи від акумуляторів [год]</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów [h]</source>
        <translation>Отриманий час роботи від акумуляторів [год]</translation>
    </message>
    <message>
        <source>Nieprawidłowa odpowiedź o wykonaniu zaleceń.</source>
        <translation>Неприпустима відповідь щодо виконання рекомендацій.</translation>
    </message>
    <message>
        <source>Podaj nazwę przyrządu pomiarowego.</source>
        <translation>Вкажіть назву засобу вимірювання.</translation>
    </message>
    <message>
        <source>Data wzorcowania nie może być późniejsza niż dzisiejsza.</source>
        <translation>Дата повірки не може бути пізнішою за сьогоднішню.</translation>
    </message>
    <message>
        <source>Nie zapisano przyrządu w bazie danych.</source>
        <translation>Засіб вимірювання не збережено в базі даних.</translation>
    </message>
    <message>
        <source>Nieznana część listy sprawdzeń.</source>
        <translation>Невідома частина списку перевірок.</translation>
    </message>
    <message>
        <source>Każdy wiersz listy sprawdzeń musi mieć nazwę sprawdzenia.</source>
        <translation>Кожен рядок списку перевірок повинен мати назву перевірки.</translation>
    </message>
    <message>
        <source>Podaj, co sprawdzono.</source>
        <translation>Вкажіть, що перевірено.</translation>
    </message>
</context>
<context>
    <name>VisitWindow</name>
    <message>
        <source>Lista przeglądów</source>
        <translation>Список оглядів</translation>
    </message>
    <message>
        <source>Odczyt przy przyjeździe</source>
        <translation>Зчитування під час прибуття</translation>
    </message>
    <message>
        <source>Odczytuje zegar, konfigurację, uszkodzenia i wersje oprogramowania centrali i zapisuje je przy przeglądzie</source>
        <translation>Зчитує годинник, конфігурацію, несправності та версії ПЗ приладу й зберігає їх в огляді</translation>
    </message>
    <message>
        <source>z rejestrem zdarzeń</source>
        <translation>з журналом подій</translation>
    </message>
    <message>
        <source>Odczyt przy odjeździe</source>
        <translation>Зчитування під час від’їзду</translation>
    </message>
    <message>
        <source>Odczytuje ponownie uszkodzenia i konfigurację centrali</source>
        <translation>Повторно зчитує несправності та конфігурацію приладу</translation>
    </message>
    <message>
        <source>Porównaj konfiguracje</source>
        <translation>Порівняти конфігурації</translation>
    </message>
    <message>
        <source>Kontrole</source>
        <translation>Перевірки</translation>
    </message>
    <message>
        <source>Akumulatory</source>
        <translation>Акумулятори</translation>
    </message>
    <message>
        <source>Dodaj akumulator</source>
        <translation>Додати акумулятор</translation>
    </message>
    <message>
        <source>Usuń akumulator</source>
        <translation>Видалити акумулятор</translation>
    </message>
    <message>
        <source>Zamknięcie</source>
        <translation>Закриття</translation>
    </message>
    <message>
        <source>Ocena:</source>
        <translation>Оцінка:</translation>
    </message>
    <message>
        <source>Ustalenia:</source>
        <translation>Висновки:</translation>
    </message>
    <message>
        <source>Zalecenia:</source>
        <translation>Рекомендації:</translation>
    </message>
    <message>
        <source>Następny przegląd:</source>
        <translation>Наступний огляд:</translation>
    </message>
    <message>
        <source>rrrr-mm-dd</source>
        <translation>рррр-мм-дд</translation>
    </message>
    <message>
        <source>Brak odczytu przy odjeździe, bo:</source>
        <translation>Немає зчитування під час від’їзду, тому що:</translation>
    </message>
    <message>
        <source>np. centrala nie odpowiadała</source>
        <translation>напр. прилад не відповідав</translation>
    </message>
    <message>
        <source>Zamknij przegląd</source>
        <translation>Закрити огляд</translation>
    </message>
    <message>
        <source>Podgląd protokołu</source>
        <translation>Перегляд протоколу</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Експорт PDF</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Експорт CSV</translation>
    </message>
    <message>
        <source>z pełnym rejestrem zdarzeń</source>
        <translation>з повним журналом подій</translation>
    </message>
    <message>
        <source>Popraw przegląd</source>
        <translation>Виправити огляд</translation>
    </message>
    <message>
        <source>Zamknięty przegląd nie zmienia się; poprawka to nowy przegląd, który go wskazuje</source>
        <translation>Закритий огляд не змінюється; виправлення — це новий огляд, який на нього посилається</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Елемент</translation>
    </message>
    <message>
        <source>Sposób sprawdzenia</source>
        <translation>Спосіб перевірки</translation>
    </message>
    <message>
        <source>Kryterium</source>
        <translation>Критерій</translation>
    </message>
    <message>
        <source>Wartość zmierzona</source>
        <translation>Виміряне значення</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Зауваження</translation>
    </message>
    <message>
        <source>Producent i typ</source>
        <translation>Виробник і тип</translation>
    </message>
    <message>
        <source>Pojemność [Ah]</source>
        <translation>Ємність [Ah]</translation>
    </message>
    <message>
        <source>Kod daty</source>
        <translation>Код дати</translation>
    </message>
    <message>
        <source>Data montażu</source>
        <translation>Дата встановлення</translation>
    </message>
    <message>
        <source>Napięcie [V]</source>
        <translation>Напруга [V]</translation>
    </message>
    <message>
        <source>Rezystancja [mΩ]</source>
        <translation>Опір [mΩ]</translation>
    </message>
    <message>
        <source>Termin wymiany</source>
        <translation>Термін заміни</translation>
    </message>
    <message>
        <source>odczyt centrali</source>
        <translation>зчитування приладу</translation>
    </message>
    <message>
        <source>Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</source>
        <translation>Нічого з цього зчитування не збережено; огляд залишається відкритим.</translation>
    </message>
    <message>
        <source> — &lt;b&gt;zamknięty&lt;/b&gt;</source>
        <translation> — &lt;b&gt;закритий&lt;/b&gt;</translation>
    </message>
    <message>
        <source> — otwarty</source>
        <translation> — відкритий</translation>
    </message>
    <message>
        <source>Odchyłka zegara centrali: %1 s%2</source>
        <translation>Відхилення годинника приладу: %1 s%2</translation>
    </message>
    <message>
        <source> (zegar ustawiony)</source>
        <translation> (годинник встановлено)</translation>
    </message>
    <message>
        <source>odczyt przy odjeździe wykonany</source>
        <translation>зчитування під час від’їзду виконано</translation>
    </message>
    <message>
        <source>niezapisany: podaj pojemność i datę montażu</source>
        <translation>не збережено: вкажіть ємність і дату встановлення</translation>
    </message>
    <message>
        <source>%1 — po terminie</source>
        <translation>%1 — термін минув</translation>
    </message>
    <message>
        <source>%1 — wymiana wkrótce</source>
        <translation>%1 — незабаром заміна</translation>
    </message>
    <message>
        <source>Przegląd zamknięty</source>
        <translation>Огляд закрито</translation>
    </message>
    <message>
        <source>Zamkniętego przeglądu nie można zmienić. Użyj „Popraw przegląd”.</source>
        <translation>Закритий огляд не можна змінити. Скористайтеся кнопкою «Виправити огляд».</translation>
    </message>
    <message>
        <source>Odczyt centrali</source>
        <translation>Зчитування приладу</translation>
    </message>
    <message>
        <source>Odczyt nie może się rozpocząć: centrala nie jest połączona albo trwa inny odczyt.</source>
        <translation>Неможливо розпочати зчитування: прилад не під’єднано або триває інше зчитування.</translation>
    </message>
    <message>
        <source>Przegląd</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>Zegar centrali</source>
        <translation>Годинник приладу</translation>
    </message>
    <message>
        <source>Zegar centrali różni się od zegara komputera o %1 s. Ustawić zegar centrali na czas komputera?</source>
        <translation>Годинник приладу відрізняється від годинника комп’ютера на %1 s. Встановити на годиннику приладу час комп’ютера?</translation>
    </message>
    <message>
        <source>Po przeglądzie %1</source>
        <translation>Після огляду %1</translation>
    </message>
    <message>
        <source>Przyjazd</source>
        <translation>Прибуття</translation>
    </message>
    <message>
        <source>UWAGA: konfiguracja centrali różni się od zapisanej po poprzednim przeglądzie (%1). Ktoś zmienił centralę między przeglądami.</source>
        <translation>УВАГА: конфігурація приладу відрізняється від збереженої після попереднього огляду (%1). Хтось змінив прилад між оглядами.</translation>
    </message>
    <message>
        <source>Odjazd</source>
        <translation>Від’їзд</translation>
    </message>
    <message>
        <source>Konfiguracja zmieniona podczas przeglądu — zmiany są w protokole.</source>
        <translation>Конфігурацію змінено під час огляду — зміни наведено в протоколі.</translation>
    </message>
    <message>
        <source>Nie udało się ustawić zegara centrali.</source>
        <translation>Не вдалося встановити годинник приладу.</translation>
    </message>
    <message>
        <source>Porównanie</source>
        <translation>Порівняння</translation>
    </message>
    <message>
        <source>Nie ma z czym porównać: brak odczytu przy odjeździe i brak poprzedniego przeglądu.</source>
        <translation>Немає з чим порівняти: немає зчитування під час від’їзду і немає попереднього огляду.</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Наступний огляд</translation>
    </message>
    <message>
        <source>Zamknięcie przeglądu</source>
        <translation>Закриття огляду</translation>
    </message>
    <message>
        <source>Dodaj wiersz…</source>
        <translation>Додати рядок…</translation>
    </message>
    <message>
        <source>Dodaje sprawdzenie na miejscu: do modułu zaznaczonego wiersza albo do sprawdzeń ogólnych</source>
        <translation>Додає перевірку на місці: до модуля вибраного рядка або до загальних перевірок</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Dane przeglądu do protokołu</source>
        <translation>Дані огляду для протоколу</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do:</source>
        <translation>Допуск дійсний до:</translation>
    </message>
    <message>
        <source>Wykonane prace:</source>
        <translation>Виконані роботи:</translation>
    </message>
    <message>
        <source>Wymienione części:</source>
        <translation>Замінені частини:</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów [h]:</source>
        <translation>Необхідний час роботи від акумуляторів [год]:</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów [h]:</source>
        <translation>Отриманий час роботи від акумуляторів [год]:</translation>
    </message>
    <message>
        <source>Protokół otrzymuje:</source>
        <translation>Протокол отримує:</translation>
    </message>
    <message>
        <source>imię, nazwisko i funkcja przedstawiciela użytkownika</source>
        <translation>ім’я, прізвище та посада представника користувача</translation>
    </message>
    <message>
        <source>Miejscowość:</source>
        <translation>Населений пункт:</translation>
    </message>
    <message>
        <source>Z poprzedniego przeglądu</source>
        <translation>З попереднього огляду</translation>
    </message>
    <message>
        <source>Zalecenia wykonano:</source>
        <translation>Рекомендації виконано:</translation>
    </message>
    <message>
        <source>Uwagi:</source>
        <translation>Зауваження:</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe użyte w przeglądzie</source>
        <translation>Засоби вимірювання, використані під час огляду</translation>
    </message>
    <message>
        <source>nazwa przyrządu</source>
        <translation>назва приладу</translation>
    </message>
    <message>
        <source>numer fabryczny</source>
        <translation>заводський номер</translation>
    </message>
    <message>
        <source>wzorcowanie rrrr-mm-dd</source>
        <translation>повірка рррр-мм-дд</translation>
    </message>
    <message>
        <source>Dodaj przyrząd</source>
        <translation>Додати прилад</translation>
    </message>
    <message>
        <source>Wpisywane raz: centrala i firma</source>
        <translation>Вводиться один раз: прилад і фірма</translation>
    </message>
    <message>
        <source>Producent centrali:</source>
        <translation>Виробник приладу:</translation>
    </message>
    <message>
        <source>Typ centrali:</source>
        <translation>Тип приладу:</translation>
    </message>
    <message>
        <source>Nr świadectwa dopuszczenia:</source>
        <translation>№ сертифіката допуску:</translation>
    </message>
    <message>
        <source>Adres firmy:</source>
        <translation>Адреса фірми:</translation>
    </message>
    <message>
        <source>NIP firmy:</source>
        <translation>Податковий номер (NIP) фірми:</translation>
    </message>
    <message>
        <source>Telefon firmy:</source>
        <translation>Телефон фірми:</translation>
    </message>
    <message>
        <source>Anuluj przegląd…</source>
        <translation>Скасувати огляд…</translation>
    </message>
    <message>
        <source>Przegląd rozpoczęty przez pomyłkę: zostaje z numerem i powodem jako anulowany</source>
        <translation>Огляд, розпочатий помилково: залишається з номером і причиною як скасований</translation>
    </message>
    <message>
        <source>Moduł zasilania</source>
        <translation>Модуль живлення</translation>
    </message>
    <message>
        <source>Próba pojemności / obciążenia</source>
        <translation>Перевірка ємності / навантаження</translation>
    </message>
    <message>
        <source> (koryguje protokół %1, powód: %2)</source>
        <translation> (виправляє протокол %1, причина: %2)</translation>
    </message>
    <message>
        <source> — &lt;b&gt;anulowany&lt;/b&gt; (powód: %1)</source>
        <translation> — &lt;b&gt;скасований&lt;/b&gt; (причина: %1)</translation>
    </message>
    <message>
        <source> — &lt;b&gt;zastąpiony przez %1&lt;/b&gt;</source>
        <translation> — &lt;b&gt;замінений %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Brak poprzedniego przeglądu tej centrali.</source>
        <translation>Попереднього огляду цього приладу немає.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Przegląd %1&lt;/b&gt;, zalecenia: %2</source>
        <translation>&lt;b&gt;Огляд %1&lt;/b&gt;, рекомендації: %2</translation>
    </message>
    <message>
        <source>brak</source>
        <translation>немає</translation>
    </message>
    <message>
        <source>%1, nr %2, wzorcowany %3</source>
        <translation>%1, № %2, повірено %3</translation>
    </message>
    <message>
        <source>Data wzorcowania</source>
        <translation>Дата повірки</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe</source>
        <translation>Засоби вимірювання</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Додати рядок</translation>
    </message>
    <message>
        <source>Co sprawdzono:</source>
        <translation>Що перевірено:</translation>
    </message>
    <message>
        <source>Przed zamknięciem:

• %1

Zamknąć przegląd mimo to?</source>
        <translation>Перед закриттям:

• %1

Усе одно закрити огляд?</translation>
    </message>
    <message>
        <source>Powód korekty protokołu %1 (drukuje się w protokole korygującym):</source>
        <translation>Причина виправлення протоколу %1 (друкується у виправному протоколі):</translation>
    </message>
    <message>
        <source>Anuluj przegląd</source>
        <translation>Скасувати огляд</translation>
    </message>
    <message>
        <source>Przegląd %1 zostanie zamknięty jako anulowany, bez protokołu; jego numer nie wróci. Powód:</source>
        <translation>Огляд %1 буде закрито як скасований, без протоколу; його номер не повернеться. Причина:</translation>
    </message>
</context>
<context>
    <name>Visits</name>
    <message>
        <source>przegląd okresowy</source>
        <translation>періодичний огляд</translation>
    </message>
    <message>
        <source>naprawa</source>
        <translation>ремонт</translation>
    </message>
    <message>
        <source>uruchomienie</source>
        <translation>введення в експлуатацію</translation>
    </message>
    <message>
        <source>inny</source>
        <translation>інший</translation>
    </message>
    <message>
        <source>sprawna</source>
        <translation>справний</translation>
    </message>
    <message>
        <source>sprawna z uwagami</source>
        <translation>справний із зауваженнями</translation>
    </message>
    <message>
        <source>niesprawna</source>
        <translation>несправний</translation>
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
        <translation>не застосовується</translation>
    </message>
    <message>
        <source>%1: nieprawidłowa data &quot;%2&quot; (oczekiwano RRRR-MM-DD, lata 1990-2100).</source>
        <translation>%1: неправильна дата &quot;%2&quot; (очікується РРРР-ММ-ДД, роки 1990-2100).</translation>
    </message>
    <message>
        <source>%1: nieprawidłowa liczba &quot;%2&quot; (dozwolony zakres %3 - %4).</source>
        <translation>%1: неправильне число &quot;%2&quot; (допустимий діапазон %3 - %4).</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>так</translation>
    </message>
    <message>
        <source>częściowo</source>
        <translation>частково</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>ні</translation>
    </message>
</context>
<context>
    <name>VisitsManagement</name>
    <message>
        <source>Przeglądy</source>
        <translation>Огляди</translation>
    </message>
    <message>
        <source>Nowy przegląd</source>
        <translation>Новий огляд</translation>
    </message>
    <message>
        <source>Otwórz przegląd</source>
        <translation>Відкрити огляд</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Rozpoczęty</source>
        <translation>Розпочато</translation>
    </message>
    <message>
        <source>Zakończony</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Оцінка</translation>
    </message>
    <message>
        <source>zamknięty</source>
        <translation>закритий</translation>
    </message>
    <message>
        <source>otwarty</source>
        <translation>відкритий</translation>
    </message>
    <message>
        <source>Sprawdź protokół</source>
        <translation>Перевірити протокол</translation>
    </message>
    <message>
        <source>Sprawdza plik PDF albo skrót SHA-256 protokołu z zapisanym przy zamknięciu przeglądu</source>
        <translation>Перевіряє PDF-файл або хеш SHA-256 протоколу за збереженим під час закриття огляду</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Експорт CSV</translation>
    </message>
    <message>
        <source>Przeglądy wybranej centrali, po jednym wierszu, do arkusza lub planu przeglądów</source>
        <translation>Огляди вибраного приладу, по рядку на огляд, для таблиці або плану оглядів</translation>
    </message>
    <message>
        <source>Listy sprawdzeń…</source>
        <translation>Списки перевірок…</translation>
    </message>
    <message>
        <source>Wiersze list sprawdzeń, które dostają nowe przeglądy</source>
        <translation>Рядки списків перевірок, які отримують нові огляди</translation>
    </message>
    <message>
        <source>Przejąć akumulatory z przeglądu %1 (%2 szt.) z ich datami montażu? Zmień je w nowym przeglądzie, jeśli coś wymieniono.</source>
        <translation>Перенести акумулятори з огляду %1 (%2 шт.) з датами встановлення? Змініть їх у новому огляді, якщо щось замінено.</translation>
    </message>
    <message>
        <source> (koryguje %1)</source>
        <translation> (виправляє %1)</translation>
    </message>
    <message>
        <source>anulowany</source>
        <translation>скасований</translation>
    </message>
    <message>
        <source>zastąpiony przez %1</source>
        <translation>замінений %1</translation>
    </message>
    <message>
        <source>Przeglady_%1</source>
        <translation>Ohliady_%1</translation>
    </message>
</context>
</TS>
