<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>ACL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Module declared</translation>
    </message>
    <message>
        <source>ACL</source>
        <translation>ACL</translation>
    </message>
    <message>
        <source>Moduł Komunikacji Adresowalnej</source>
        <translation>Addressable Communication Module</translation>
    </message>
    <message>
        <source>Brak komunikacji z modułem ACL</source>
        <translation>No communication with the ACL module</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Ustawienia aplikacji</source>
        <translation>Application settings</translation>
    </message>
    <message>
        <source>Język:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Język interfejsu; zmiana obowiązuje od następnego uruchomienia programu</source>
        <translation>Interface language; a change takes effect the next time the program starts</translation>
    </message>
    <message>
        <source>Czcionka:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Wielkość czcionki w pikselach</source>
        <translation>Font size in pixels</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Żywotność akumulatorów:</source>
        <translation>Battery service life:</translation>
    </message>
    <message>
        <source>Po ilu latach od montażu akumulator należy wymienić</source>
        <translation>Number of years after installation after which a battery must be replaced</translation>
    </message>
    <message>
        <source> lat</source>
        <translation> years</translation>
    </message>
    <message>
        <source>Archiwum firmowe (PostgreSQL)</source>
        <translation>Company archive (PostgreSQL)</translation>
    </message>
    <message>
        <source>Serwer:</source>
        <translation>Server:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Baza danych:</source>
        <translation>Database:</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation>User:</translation>
    </message>
    <message>
        <source>Szyfrowanie (SSL):</source>
        <translation>Encryption (SSL):</translation>
    </message>
    <message>
        <source>Technik (autor rekordów):</source>
        <translation>Technician (record author):</translation>
    </message>
    <message>
        <source>Hasła nie zapisujemy: PostgreSQL (libpq) bierze je z pliku haseł użytkownika: ~/.pgpass, pliku wskazanego zmienną PGPASSFILE albo %APPDATA%\postgresql\pgpass.conf w Windows.</source>
        <translation>The password is not stored: PostgreSQL (libpq) takes it from the user&apos;s password file: ~/.pgpass, the file named by the PGPASSFILE variable or %APPDATA%\postgresql\pgpass.conf on Windows.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: synchronizacja z archiwum jest niedostępna.</source>
        <translation>This installation has no PostgreSQL driver (QPSQL): synchronisation with the archive is unavailable.</translation>
    </message>
    <message>
        <source>Wybrany język interfejsu zostanie użyty po ponownym uruchomieniu programu.</source>
        <translation>The selected interface language will be used after the program is restarted.</translation>
    </message>
    <message>
        <source>Certyfikat CA firmy:</source>
        <translation>Company CA certificate:</translation>
    </message>
    <message>
        <source>Wybierz plik…</source>
        <translation>Choose file…</translation>
    </message>
    <message>
        <source>Dla verify-full certyfikat CA firmy musi być w %1.</source>
        <translation>For verify-full the company CA certificate must be in %1.</translation>
    </message>
    <message>
        <source>Jest.</source>
        <translation>It is there.</translation>
    </message>
    <message>
        <source>Jeszcze go tam nie ma.</source>
        <translation>It is not there yet.</translation>
    </message>
    <message>
        <source>Certyfikat CA firmy</source>
        <translation>Company CA certificate</translation>
    </message>
    <message>
        <source>Certyfikaty (*.crt *.pem *.cer);;Wszystkie pliki (*)</source>
        <translation>Certificates (*.crt *.pem *.cer);;All files (*)</translation>
    </message>
    <message>
        <source>Nie skopiowano certyfikatu %1: %2</source>
        <translation>The certificate %1 was not copied: %2</translation>
    </message>
    <message>
        <source>Na tym komputerze:</source>
        <translation>On this computer:</translation>
    </message>
    <message>
        <source>Szukaj obiektu</source>
        <translation>Find a site</translation>
    </message>
    <message>
        <source>wszystko</source>
        <translation>everything</translation>
    </message>
    <message>
        <source>Każdy rekord firmy trafia na ten komputer w całości.</source>
        <translation>Every record of the company comes to this computer in full.</translation>
    </message>
    <message>
        <source>moje obiekty</source>
        <translation>my sites</translation>
    </message>
    <message>
        <source>W całości trafiają tu obiekty, w których były Twoje wizyty, i rekordy, które sam zapisałeś w archiwum. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</source>
        <translation>What comes here in full: the sites of your visits and the records you archived yourself. Of the rest this computer knows only the description; it fetches them when you open them.</translation>
    </message>
    <message>
        <source>wybrane obiekty</source>
        <translation>chosen sites</translation>
    </message>
    <message>
        <source>W całości trafiają tu obiekty zaznaczone poniżej i Twoje własne rekordy. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</source>
        <translation>What comes here in full: the sites ticked below and your own records. Of the rest this computer knows only the description; it fetches them when you open them.</translation>
    </message>
    <message>
        <source>obiekt jeszcze nieznany na tym komputerze (%1)</source>
        <translation>site not yet known on this computer (%1)</translation>
    </message>
</context>
<context>
    <name>ArchiveMarkProxy</name>
    <message>
        <source>Wycofany z archiwum firmowego</source>
        <translation>Withdrawn from the company archive</translation>
    </message>
</context>
<context>
    <name>ArchiveRecordsDialog</name>
    <message>
        <source>Archiwum firmowe</source>
        <translation>Company archive</translation>
    </message>
    <message>
        <source>Odrzucone z archiwum</source>
        <translation>Refused from the archive</translation>
    </message>
    <message>
        <source>Rekordy kolegów, których ta baza nie przyjęła, i te, które czekają na rekord, do którego się odwołują. Żaden z nich nie zmienił niczego w tej bazie.</source>
        <translation>Colleagues&apos; records this database did not accept, and those waiting for a record they refer to. None of them changed anything in this database.</translation>
    </message>
    <message>
        <source>Rekordy w archiwum</source>
        <translation>Records in the archive</translation>
    </message>
    <message>
        <source>Wycofaj z archiwum</source>
        <translation>Withdraw from the archive</translation>
    </message>
    <message>
        <source>Przywróć z archiwum</source>
        <translation>Restore from the archive</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>configuration</translation>
    </message>
    <message>
        <source>rejestr zdarzeń</source>
        <translation>event log</translation>
    </message>
    <message>
        <source>lista uszkodzeń</source>
        <translation>fault list</translation>
    </message>
    <message>
        <source>wersje oprogramowania</source>
        <translation>software versions</translation>
    </message>
    <message>
        <source>obiekt</source>
        <translation>site</translation>
    </message>
    <message>
        <source>centrala</source>
        <translation>unit</translation>
    </message>
    <message>
        <source>wizyta</source>
        <translation>visit</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kiedy</source>
        <translation>When</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Autor</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Powód</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>wycofany</source>
        <translation>withdrawn</translation>
    </message>
    <message>
        <source>w archiwum</source>
        <translation>in the archive</translation>
    </message>
    <message>
        <source>usunięty w tej bazie</source>
        <translation>deleted in this database</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Łączenie z archiwum…</source>
        <translation>Connecting to the archive…</translation>
    </message>
    <message>
        <source>Nazwa, obiekt lub centrala</source>
        <translation>Name, site or unit</translation>
    </message>
    <message>
        <source>Szukaj</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Wszystkie obiekty</source>
        <translation>All sites</translation>
    </message>
    <message>
        <source>Więcej</source>
        <translation>More</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Rekordy tego obiektu</source>
        <translation>Records of this site</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Centrale firmy</source>
        <translation>Company units</translation>
    </message>
    <message>
        <source>Centrala lub obiekt</source>
        <translation>Unit or site</translation>
    </message>
    <message>
        <source>Rekordy tej centrali</source>
        <translation>Records of this unit</translation>
    </message>
    <message>
        <source>brak sterownika PostgreSQL w tej instalacji</source>
        <translation>this installation lacks the PostgreSQL driver</translation>
    </message>
    <message>
        <source>archiwum nie jest ustawione w Ustawienia &gt; Widok</source>
        <translation>the archive is not set up in Settings &gt; View</translation>
    </message>
    <message>
        <source>wszystkie rodzaje</source>
        <translation>all kinds</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rozmiar</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Ostatnia wizyta</source>
        <translation>Last visit</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Next service</translation>
    </message>
    <message>
        <source>Wizyty</source>
        <translation>Visits</translation>
    </message>
    <message>
        <source>Termin</source>
        <translation>Due</translation>
    </message>
    <message>
        <source>Tylko obiekt: %1</source>
        <translation>Only site: %1</translation>
    </message>
    <message>
        <source>Tylko centrala: %1</source>
        <translation>Only unit: %1</translation>
    </message>
    <message>
        <source>Szukanie w archiwum firmowym…</source>
        <translation>Searching the company archive…</translation>
    </message>
    <message>
        <source>Wyniki z serwera archiwum firmowego.</source>
        <translation>Results from the company archive server.</translation>
    </message>
    <message>
        <source>Wyniki z katalogu na tym komputerze (stan z ostatniej synchronizacji): serwer archiwum nie odpowiada: %1</source>
        <translation>Results from the catalogue on this computer (as of the last synchronisation): the archive server does not answer: %1</translation>
    </message>
    <message>
        <source>Nie znaleziono rekordów.</source>
        <translation>No records found.</translation>
    </message>
    <message>
        <source>nie na tym komputerze</source>
        <translation>not on this computer</translation>
    </message>
    <message>
        <source>Tylko w archiwum firmowym: otwarcie pobierze go na ten komputer</source>
        <translation>Only in the company archive: opening it fetches it to this computer</translation>
    </message>
    <message>
        <source>Pobierz i otwórz</source>
        <translation>Fetch and open</translation>
    </message>
    <message>
        <source>Pobieranie „%1” z archiwum…</source>
        <translation>Fetching “%1” from the archive…</translation>
    </message>
    <message>
        <source>Rekordu „%1” nie udało się otworzyć po pobraniu: %2</source>
        <translation>Record “%1” could not be opened after fetching: %2</translation>
    </message>
    <message>
        <source>Pobieranie przerwane: na tym komputerze nic nie zapisano.</source>
        <translation>Fetch stopped: nothing was written on this computer.</translation>
    </message>
    <message>
        <source>Rekord tylko w archiwum</source>
        <translation>Record only in the archive</translation>
    </message>
    <message>
        <source>Rekord „%1” jest w archiwum firmowym, ale nie na tym komputerze, a serwera archiwum nie udało się teraz osiągnąć (%2).

Na tym komputerze niczego nie zapisano. Połącz komputer z siecią firmy i otwórz rekord ponownie. Żeby rekordy obiektu były tu także bez sieci, wybierz w Ustawienia &gt; Widok zakres archiwum, który go obejmuje, i zsynchronizuj.</source>
        <translation>Record “%1” is in the company archive but not on this computer, and the archive server cannot be reached now (%2).

Nothing was written on this computer. Connect the computer to the company network and open the record again. To have the site’s records here without a network too, choose an archive scope that includes it in Settings &gt; View, and synchronise.</translation>
    </message>
    <message>
        <source>Centrale firmy podaje serwer archiwum, a ten jest niedostępny: %1</source>
        <translation>The company units come from the archive server, which is unavailable: %1</translation>
    </message>
    <message>
        <source>Czytanie central z archiwum firmowego…</source>
        <translation>Reading the units from the company archive…</translation>
    </message>
    <message>
        <source>Centrale firmy podaje serwer archiwum, a ten nie odpowiada: %1</source>
        <translation>The company units come from the archive server, which does not answer: %1</translation>
    </message>
    <message>
        <source>po terminie</source>
        <translation>overdue</translation>
    </message>
    <message>
        <source>wkrótce</source>
        <translation>due soon</translation>
    </message>
    <message>
        <source>Nie znaleziono central.</source>
        <translation>No units found.</translation>
    </message>
    <message>
        <source>Centrale firmy z serwera archiwum: %1.</source>
        <translation>Company units from the archive server: %1.</translation>
    </message>
    <message>
        <source>Jest ich więcej.</source>
        <translation>There are more.</translation>
    </message>
</context>
<context>
    <name>ArchiveSettings</name>
    <message>
        <source>to nie jest certyfikat w formacie PEM</source>
        <translation>this is not a certificate in PEM format</translation>
    </message>
</context>
<context>
    <name>ArchiveStatus</name>
    <message>
        <source>Synchronizuj z archiwum</source>
        <translation>Synchronise with archive</translation>
    </message>
    <message>
        <source>Wymienia rekordy z archiwum firmowym</source>
        <translation>Exchanges records with the company archive</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Synchronizacja przerwana.</source>
        <translation>Synchronisation stopped.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</source>
        <translation>This installation has no PostgreSQL driver (QPSQL): the archive is unavailable.</translation>
    </message>
    <message>
        <source>Archiwum nie jest ustawione: podaj serwer i użytkownika w Ustawienia &gt; Widok.</source>
        <translation>The archive is not set up: enter the server and user in Settings &gt; View.</translation>
    </message>
    <message>
        <source>nigdy</source>
        <translation>never</translation>
    </message>
    <message>
        <source>Archiwum: %1, czeka %2</source>
        <translation>Archive: %1, %2 pending</translation>
    </message>
    <message>
        <source>Odrzucone z archiwum…</source>
        <translation>Refused from the archive…</translation>
    </message>
    <message>
        <source>Rekordy w archiwum…</source>
        <translation>Records in the archive…</translation>
    </message>
    <message>
        <source>Rekordy kolegów, których ta baza nie przyjęła</source>
        <translation>Colleagues&apos; records this database did not accept</translation>
    </message>
    <message>
        <source>Archiwum niedostępne: brak sterownika PostgreSQL</source>
        <translation>Archive unavailable: no PostgreSQL driver</translation>
    </message>
    <message>
        <source>Centrale firmy…</source>
        <translation>Company units…</translation>
    </message>
    <message>
        <source>Wyszukiwanie i otwieranie rekordów archiwum, wycofanie własnych rekordów i przywracanie usuniętych</source>
        <translation>Find and open the archive’s records, withdraw your own records and restore deleted ones</translation>
    </message>
    <message>
        <source>Centrale firmy z ostatnią wizytą i terminem przeglądu</source>
        <translation>The company’s units with their last visit and service due date</translation>
    </message>
</context>
<context>
    <name>ArchiveSync</name>
    <message>
        <source>Archiwum odrzuciło użytkownika %1: sprawdź jego hasło w pliku haseł PostgreSQL (pgpass).</source>
        <translation>The archive rejected user %1: check their password in the PostgreSQL password file (pgpass).</translation>
    </message>
    <message>
        <source>Serwer archiwum nie zestawił połączenia szyfrowanego (SSL), którego wymagają ustawienia: %1</source>
        <translation>The archive server did not establish the encrypted (SSL) connection that the settings require: %1</translation>
    </message>
    <message>
        <source>Brak połączenia z archiwum %1:%2: %3</source>
        <translation>No connection to archive %1:%2: %3</translation>
    </message>
    <message>
        <source>Baza %1 nie jest archiwum programu: brak tabeli archive_schema (uruchom scripts/archive-server).</source>
        <translation>Database %1 is not the program&apos;s archive: the archive_schema table is missing (run scripts/archive-server).</translation>
    </message>
    <message>
        <source>Archiwum ma schemat w wersji %1, a program obsługuje wersję %2: synchronizacja odrzucona, nic nie zmieniono.</source>
        <translation>The archive has schema version %1, but the program supports version %2: synchronisation refused, nothing was changed.</translation>
    </message>
    <message>
        <source>Archiwum przysłało wiersz katalogu w niepoprawnej postaci; synchronizacja przerwana, nic z niego nie zapisano.</source>
        <translation>The archive sent a catalogue row in an invalid form; synchronisation stopped, nothing of it was saved.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</source>
        <translation>This installation has no PostgreSQL driver (QPSQL): the archive is unavailable.</translation>
    </message>
    <message>
        <source>Nie można otworzyć lokalnej bazy: %1</source>
        <translation>The local database cannot be opened: %1</translation>
    </message>
    <message>
        <source>Błąd zapisu do lokalnej bazy: %1</source>
        <translation>Error writing to the local database: %1</translation>
    </message>
    <message>
        <source>Połączenie z archiwum zostało przerwane; synchronizacja nie dokończona, zapisane dotąd rekordy są zachowane. Spróbuj ponownie. (%1)</source>
        <translation>The connection to the archive was interrupted; synchronisation is incomplete, but the records saved so far are kept. Please try again. (%1)</translation>
    </message>
    <message>
        <source>Synchronizacja zakończona: pobrano %1, wysłano %2.</source>
        <translation>Synchronisation finished: %1 received, %2 sent.</translation>
    </message>
    <message>
        <source>Rekord nie został wycofany: wycofać może go tylko jego autor.</source>
        <translation>The record was not withdrawn: only its author can withdraw it.</translation>
    </message>
    <message>
        <source>Rekord wycofany; pozostaje w archiwum.</source>
        <translation>Record withdrawn; it remains in the archive.</translation>
    </message>
    <message>
        <source>Brak certyfikatu CA firmy, którym program sprawdza serwer archiwum: umieść go w %1 (Ustawienia &gt; Widok &gt; Certyfikat CA…). Hasła nie wysłano.</source>
        <translation>The company CA certificate with which the program checks the archive server is missing: put it in %1 (Settings &gt; View &gt; CA certificate…). The password was not sent.</translation>
    </message>
    <message>
        <source>Certyfikat serwera nie jest wystawiony na nazwę %1: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%2)</source>
        <translation>The server&apos;s certificate is not issued for the name %1: this may not be the company archive server. The password was not sent. (%2)</translation>
    </message>
    <message>
        <source>Certyfikat serwera nie pochodzi od CA firmy: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</source>
        <translation>The server&apos;s certificate does not come from the company CA: this may not be the company archive server. The password was not sent. (%1)</translation>
    </message>
    <message>
        <source>Serwer nie potwierdził swojej tożsamości wiązaniem kanału (SCRAM): to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</source>
        <translation>The server did not prove its identity with channel binding (SCRAM): this may not be the company archive server. The password was not sent. (%1)</translation>
    </message>
    <message>
        <source>Synchronizacja przerwana.</source>
        <translation>Synchronisation stopped.</translation>
    </message>
    <message>
        <source>Archiwum nie zna loginu %1 jako technika: administrator dodaje go poleceniem scripts/archive-server add-technician. Nic nie wysłano.</source>
        <translation>The archive does not know the login %1 as a technician: the administrator adds it with scripts/archive-server add-technician. Nothing was sent.</translation>
    </message>
    <message>
        <source>Archiwum na serwerze zostało odtworzone z kopii lub zastąpione: wysłano ponownie %1 rekordów, których w nim brakowało, i pobrano to, czego brakowało tutaj.</source>
        <translation>The archive on the server was restored from a backup or replaced: %1 records it lacked were sent again, and what was missing here was fetched.</translation>
    </message>
    <message>
        <source>Odrzucono rekordów z archiwum: %1 (zobacz „Odrzucone z archiwum”).</source>
        <translation>Records refused from the archive: %1 (see “Refused from the archive”).</translation>
    </message>
    <message>
        <source>Rekordy z archiwum czekające na rekord, do którego się odwołują: %1.</source>
        <translation>Archive records waiting for a record they refer to: %1.</translation>
    </message>
    <message>
        <source>Archiwum nie przyjęło: %1.</source>
        <translation>The archive did not accept: %1.</translation>
    </message>
    <message>
        <source>Archiwum nie ma tego rekordu.</source>
        <translation>The archive does not hold this record.</translation>
    </message>
    <message>
        <source>Nie przywrócono rekordu %1: %2</source>
        <translation>The record %1 was not restored: %2</translation>
    </message>
    <message>
        <source>Przywrócono z archiwum: %1.</source>
        <translation>Restored from the archive: %1.</translation>
    </message>
    <message>
        <source>Pobieranie przerwane; nic nie zapisano.</source>
        <translation>Download cancelled; nothing was saved.</translation>
    </message>
    <message>
        <source>Pobrano z archiwum: %1 B.</source>
        <translation>Downloaded from the archive: %1 B.</translation>
    </message>
    <message>
        <source>Rekord z archiwum odrzucony: %1</source>
        <translation>Archive record refused: %1</translation>
    </message>
    <message>
        <source>Nowe w katalogu archiwum, bez danych na tym komputerze: %1 (otwórz je w „Rekordy w archiwum”).</source>
        <translation>New in the archive catalogue, without their data on this computer: %1 (open them in “Records in the archive”).</translation>
    </message>
</context>
<context>
    <name>CTM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Module declared</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Module active / inactive</translation>
    </message>
    <message>
        <source>Wejście alarmu zewnętrznego (CSP)</source>
        <translation>External alarm input (CSP)</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał alarmu zewnętrznego</source>
        <translation>External alarm signal active / inactive</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA - kontrola ciągłości</source>
        <translation>PKA alarm relay - continuity monitoring</translation>
    </message>
    <message>
        <source>Aktywna / nieaktywna kontrola ciągłości toru wyjściowego PKA</source>
        <translation>Continuity monitoring of the PKA output circuit active / inactive</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu - czas Top</source>
        <translation>Alarm relay - Top time</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania przekaźnika alarmu</source>
        <translation>Activation delay of the alarm relay</translation>
    </message>
    <message>
        <source>Automatyka pogodowa</source>
        <translation>Weather control</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał z czujnika deszczu/wiatru</source>
        <translation>Rain/wind sensor signal active / inactive</translation>
    </message>
    <message>
        <source>Zasilanie LNM nr %1 - PSV nr </source>
        <translation>Supply of LNM no. %1 - PSV no. </translation>
    </message>
    <message>
        <source>Zasilanie modułu LNM-60 nr %1 z modułu PSV-60 nr</source>
        <translation>Supply of module LNM-60 no. %1 from module PSV-60 no.</translation>
    </message>
    <message>
        <source>Sygnalizowanie stanów na BZ7x</source>
        <translation>State indication on BZ7x</translation>
    </message>
    <message>
        <source>TAK- Sygnalizowanie optyczne stanu wszystkich modułów (stan całej centrali)
NIE- Sygnalizowanie optyczne stanu tylko modułu LNM nr 1</source>
        <translation>YES- Visual indication of the state of all modules (state of the whole panel)
NO- Visual indication of the state of LNM no. 1 only</translation>
    </message>
    <message>
        <source>Blokowanie odłączenia baterii w alarmie</source>
        <translation>Battery disconnection blocked in alarm</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do LNM %1</source>
        <translation>Ventilation – LNM1 buttons to LNM %1</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach LNM nr %1</source>
        <translation>Use of the OPEN/CLOSE ventilation buttons 
connected to module LNM no. 1 to control ventilation
 in modules LNM no. %1</translation>
    </message>
    <message>
        <source>Scenariusz</source>
        <translation>Scenario</translation>
    </message>
    <message>
        <source>Scenariusz dedykowany dla obiektu</source>
        <translation>Scenario dedicated to the site</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do RLH %1 PK%2</source>
        <translation>Ventilation – LNM1 buttons to RLH %1 PK%2</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach RLH nr %1 PK nr %2</source>
        <translation>Use of the OPEN/CLOSE ventilation buttons 
connected to module LNM no. 1 to control ventilation
 in modules RLH no. %1 PK no. %2</translation>
    </message>
    <message>
        <source>CTM</source>
        <translation>CTM</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Main Control Module</translation>
    </message>
    <message>
        <source>LNM nr 1 – brak łączności </source>
        <translation>LNM no. 1 – no communication </translation>
    </message>
    <message>
        <source>LNM nr 2 – brak łączności </source>
        <translation>LNM no. 2 – no communication </translation>
    </message>
    <message>
        <source>LNM nr 3 – brak łączności </source>
        <translation>LNM no. 3 – no communication </translation>
    </message>
    <message>
        <source>LNM nr 4 – brak łączności </source>
        <translation>LNM no. 4 – no communication </translation>
    </message>
    <message>
        <source>LNM nr 5 – brak łączności </source>
        <translation>LNM no. 5 – no communication </translation>
    </message>
    <message>
        <source>LNM nr 6 – brak łączności </source>
        <translation>LNM no. 6 – no communication </translation>
    </message>
    <message>
        <source>LNM nr 7 – brak łączności </source>
        <translation>LNM no. 7 – no communication </translation>
    </message>
    <message>
        <source>LNM nr 8 – brak łączności </source>
        <translation>LNM no. 8 – no communication </translation>
    </message>
    <message>
        <source>RLH nr 1 – brak łączności </source>
        <translation>RLH no. 1 – no communication </translation>
    </message>
    <message>
        <source>RLH nr 2 – brak łączności </source>
        <translation>RLH no. 2 – no communication </translation>
    </message>
    <message>
        <source>RLH nr 3 – brak łączności </source>
        <translation>RLH no. 3 – no communication </translation>
    </message>
    <message>
        <source>RLH nr 4 – brak łączności </source>
        <translation>RLH no. 4 – no communication </translation>
    </message>
    <message>
        <source>PSV nr 1 – brak łączności </source>
        <translation>PSV no. 1 – no communication </translation>
    </message>
    <message>
        <source>PSV nr 2 – brak łączności </source>
        <translation>PSV no. 2 – no communication </translation>
    </message>
    <message>
        <source>PSV nr 3 – brak łączności </source>
        <translation>PSV no. 3 – no communication </translation>
    </message>
    <message>
        <source>PSV nr 4 – brak łączności </source>
        <translation>PSV no. 4 – no communication </translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – zwarcie</source>
        <translation>External alarm line – short circuit</translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – przerwa</source>
        <translation>External alarm line – open circuit</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA – brak ciągłości</source>
        <translation>PKA alarm relay – no continuity</translation>
    </message>
    <message>
        <source>Czujnik D/W – brak zasilania (bezpiecznik)</source>
        <translation>Rain/wind sensor – no supply (fuse)</translation>
    </message>
    <message>
        <source>Kalendarz - Brak synchronizacji zegara </source>
        <translation>Calendar - clock not synchronised </translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – checksum error</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Software version</translation>
    </message>
</context>
<context>
    <name>CheckTemplatesDialog</name>
    <message>
        <source>Listy sprawdzeń</source>
        <translation>Checklists</translation>
    </message>
    <message>
        <source>Część listy:</source>
        <translation>Part of the list:</translation>
    </message>
    <message>
        <source>Nowe przeglądy dostają wiersze, które nie są wycofane, w tej kolejności. Przeglądy już rozpoczęte zachowują swoje wiersze.</source>
        <translation>New visits get the rows that are not retired, in this order. Visits already started keep their rows.</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Add row</translation>
    </message>
    <message>
        <source>W górę</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>W dół</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Sprawdzenie</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Sposób</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>Wycofany</source>
        <translation>Retired</translation>
    </message>
</context>
<context>
    <name>Checklist</name>
    <message>
        <source>Przełączenie zasilania sieć / akumulator</source>
        <translation>Mains / battery changeover</translation>
    </message>
    <message>
        <source>Odłączyć zasilanie 230 V, obserwować pracę z akumulatora i powrót zasilania sieciowego</source>
        <translation>Disconnect the 230 V supply, observe operation on battery and the return of the mains supply</translation>
    </message>
    <message>
        <source>praca bez przerwy, zgłoszenie braku 230 V</source>
        <translation>uninterrupted operation, loss of 230 V reported</translation>
    </message>
    <message>
        <source>Ładowarka akumulatorów</source>
        <translation>Battery charger</translation>
    </message>
    <message>
        <source>Pomiar napięcia ładowania na zaciskach akumulatora</source>
        <translation>Measure the charging voltage at the battery terminals</translation>
    </message>
    <message>
        <source>27,3 V ± 0,3 V</source>
        <translation>27.3 V ± 0.3 V</translation>
    </message>
    <message>
        <source>Uszkodzenie przy odłączeniu akumulatora</source>
        <translation>Fault on battery disconnection</translation>
    </message>
    <message>
        <source>Odłączyć akumulator, odczytać uszkodzenia</source>
        <translation>Disconnect the battery, read the faults</translation>
    </message>
    <message>
        <source>zgłoszony brak akumulatora</source>
        <translation>missing battery reported</translation>
    </message>
    <message>
        <source>Nadzór linii</source>
        <translation>Line monitoring</translation>
    </message>
    <message>
        <source>Odczyt stanu linii w podglądzie na żywo</source>
        <translation>Read the line state in the live view</translation>
    </message>
    <message>
        <source>stan dozorowania</source>
        <translation>monitoring state</translation>
    </message>
    <message>
        <source>Wykrycie przerwy linii</source>
        <translation>Line open-circuit detection</translation>
    </message>
    <message>
        <source>Rozłączyć linię na końcu, odczytać uszkodzenia</source>
        <translation>Disconnect the line at its end, read the faults</translation>
    </message>
    <message>
        <source>zgłoszona przerwa</source>
        <translation>open circuit reported</translation>
    </message>
    <message>
        <source>Wykrycie zwarcia linii</source>
        <translation>Line short-circuit detection</translation>
    </message>
    <message>
        <source>Zewrzeć linię, odczytać uszkodzenia</source>
        <translation>Short-circuit the line, read the faults</translation>
    </message>
    <message>
        <source>zgłoszone zwarcie</source>
        <translation>short circuit reported</translation>
    </message>
    <message>
        <source>Wyjścia przekaźnikowe</source>
        <translation>Relay outputs</translation>
    </message>
    <message>
        <source>Wysterować każde wyjście, sprawdzić przełączenie styków</source>
        <translation>Activate each output, check that the contacts switch over</translation>
    </message>
    <message>
        <source>przełączenie styków, ciągłość obwodu</source>
        <translation>contacts switch over, circuit continuity</translation>
    </message>
    <message>
        <source>Blokada wyzwolenia</source>
        <translation>Release inhibit</translation>
    </message>
    <message>
        <source>Przed testem włączyć blokadę wyzwolenia gaszenia</source>
        <translation>Before the test, switch on the extinguishing release inhibit</translation>
    </message>
    <message>
        <source>blokada włączona i sygnalizowana</source>
        <translation>inhibit on and indicated</translation>
    </message>
    <message>
        <source>Obwody wyzwalające</source>
        <translation>Release circuits</translation>
    </message>
    <message>
        <source>Test przy wyłączonym wyzwalaniu: ciągłość i zwarcie obwodu</source>
        <translation>Test with release disabled: circuit continuity and short circuit</translation>
    </message>
    <message>
        <source>brak przerwy i zwarcia, bez wyzwolenia</source>
        <translation>no open circuit or short circuit, no release</translation>
    </message>
    <message>
        <source>Stan wizualny centrali i obudowy</source>
        <translation>Visual condition of the panel and its housing</translation>
    </message>
    <message>
        <source>Oględziny: uszkodzenia, zabrudzenia, mocowanie, zamknięcie</source>
        <translation>Inspection: damage, dirt, mounting, closure</translation>
    </message>
    <message>
        <source>bez uszkodzeń</source>
        <translation>no damage</translation>
    </message>
    <message>
        <source>Bezpieczniki</source>
        <translation>Fuses</translation>
    </message>
    <message>
        <source>Sprawdzenie wartości i stanu bezpieczników</source>
        <translation>Check of fuse ratings and condition</translation>
    </message>
    <message>
        <source>zgodne z dokumentacją</source>
        <translation>as documented</translation>
    </message>
    <message>
        <source>Obwód zasilania sieciowego</source>
        <translation>Mains supply circuit</translation>
    </message>
    <message>
        <source>Wydzielony obwód, oznaczenie, zabezpieczenie</source>
        <translation>Dedicated circuit, marking, protection</translation>
    </message>
    <message>
        <source>zgodny z projektem</source>
        <translation>as designed</translation>
    </message>
    <message>
        <source>Sygnalizacja do centrali SSP / monitoringu</source>
        <translation>Signalling to the fire alarm panel / monitoring</translation>
    </message>
    <message>
        <source>Wywołanie alarmu i uszkodzenia, potwierdzenie odbioru</source>
        <translation>Raise an alarm and a fault, confirm receipt</translation>
    </message>
    <message>
        <source>sygnały odebrane</source>
        <translation>signals received</translation>
    </message>
    <message>
        <source>Książka eksploatacji</source>
        <translation>Log book</translation>
    </message>
    <message>
        <source>Wpisy od poprzedniego przeglądu</source>
        <translation>Entries since the previous visit</translation>
    </message>
    <message>
        <source>prowadzona</source>
        <translation>kept</translation>
    </message>
    <message>
        <source>Instrukcja obsługi na miejscu</source>
        <translation>Operating instructions on site</translation>
    </message>
    <message>
        <source>Obecność i aktualność instrukcji przy centrali</source>
        <translation>Instructions present at the panel and up to date</translation>
    </message>
    <message>
        <source>dostępna</source>
        <translation>available</translation>
    </message>
    <message>
        <source>Czujki</source>
        <translation>Detectors</translation>
    </message>
    <message>
        <source>Pobudzenie testerem, zadziałanie na centrali</source>
        <translation>Triggered with a tester, response at the panel</translation>
    </message>
    <message>
        <source>alarm na centrali</source>
        <translation>alarm at the panel</translation>
    </message>
    <message>
        <source>Przyciski ROP i przyciski oddymiania</source>
        <translation>Manual call points and smoke-vent buttons</translation>
    </message>
    <message>
        <source>Uruchomienie kluczem testowym</source>
        <translation>Operated with the test key</translation>
    </message>
    <message>
        <source>Siłowniki</source>
        <translation>Actuators</translation>
    </message>
    <message>
        <source>Pełny cykl otwarcia i zamknięcia</source>
        <translation>Full opening and closing cycle</translation>
    </message>
    <message>
        <source>ruch bez zacięć</source>
        <translation>moves without jamming</translation>
    </message>
    <message>
        <source>Klapy i okna oddymiające</source>
        <translation>Smoke vents and dampers</translation>
    </message>
    <message>
        <source>Otwarcie z centrali, kontrola krańcówek</source>
        <translation>Opened from the panel, limit switches checked</translation>
    </message>
    <message>
        <source>otwarcie pełne</source>
        <translation>fully open</translation>
    </message>
    <message>
        <source>Sygnalizatory</source>
        <translation>Sounders</translation>
    </message>
    <message>
        <source>Wysterowanie z centrali</source>
        <translation>Driven from the panel</translation>
    </message>
    <message>
        <source>sygnał słyszalny</source>
        <translation>signal audible</translation>
    </message>
    <message>
        <source>Urządzenia wyzwalające i pojemniki</source>
        <translation>Release devices and containers</translation>
    </message>
    <message>
        <source>Oględziny, ciśnienie, masa, zabezpieczenia</source>
        <translation>Inspection, pressure, mass, safety catches</translation>
    </message>
    <message>
        <source>zgodne z kartą urządzenia</source>
        <translation>as per the device&apos;s record card</translation>
    </message>
    <message>
        <source>Sprawdzenia ogólne</source>
        <translation>General checks</translation>
    </message>
    <message>
        <source>Moduły zasilania</source>
        <translation>Power modules</translation>
    </message>
    <message>
        <source>Moduły liniowe</source>
        <translation>Line modules</translation>
    </message>
    <message>
        <source>Moduły przekaźników</source>
        <translation>Relay modules</translation>
    </message>
    <message>
        <source>Moduły sterowania gaszeniem</source>
        <translation>Extinguishing control modules</translation>
    </message>
    <message>
        <source>Urządzenia w obiekcie</source>
        <translation>Field devices</translation>
    </message>
</context>
<context>
    <name>CloseWarnings</name>
    <message>
        <source>Sprawdzenia bez wyniku: %1. W protokole będą opisane jako „nie sprawdzono”.</source>
        <translation>Checks without a result: %1. The report will show them as “not checked”.</translation>
    </message>
    <message>
        <source>Ocena „sprawna”, a przy odjeździe centrala zgłasza uszkodzenia: %1.</source>
        <translation>Verdict “operational”, but on departure the panel reports faults: %1.</translation>
    </message>
    <message>
        <source>Akumulator %1: termin wymiany %2 minął, a akumulatora nie wymieniono.</source>
        <translation>Battery %1: its replacement date %2 has passed and it was not replaced.</translation>
    </message>
    <message>
        <source>Akumulator %1: termin wymiany %2 przypada w ciągu 90 dni, a akumulatora nie wymieniono.</source>
        <translation>Battery %1: its replacement date %2 falls within 90 days and it was not replaced.</translation>
    </message>
</context>
<context>
    <name>ConfigDiffModel</name>
    <message>
        <source>cały moduł, tylko po lewej</source>
        <translation>whole module, left side only</translation>
    </message>
    <message>
        <source>cały moduł, tylko po prawej</source>
        <translation>whole module, right side only</translation>
    </message>
    <message>
        <source>(brak modułu)</source>
        <translation>(no module)</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Ustawienie</source>
        <translation>Setting</translation>
    </message>
</context>
<context>
    <name>ConfigEditor</name>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Filtruj</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Pokaż tylko zadeklarowane moduły na liście konfiguracyjnej</source>
        <translation>Show only the declared modules in the configuration list</translation>
    </message>
    <message>
        <source>Pokaż niezadeklarowane</source>
        <translation>Show undeclared</translation>
    </message>
    <message>
        <source>Rozwiń</source>
        <translation>Expand</translation>
    </message>
    <message>
        <source>ZAPISZ</source>
        <translation>SAVE</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została zmieniona. Czy zapisać zmiany?</source>
        <translation>Configuration %1 has been changed. Save the changes?</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:red&quot;&gt;&lt;i&gt;Czerwony napis&lt;/i&gt;&lt;/span&gt;: wartość inna niż w porównywanej konfiguracji (albo moduł, którego tam nie ma). &lt;span style=&quot;background-color:yellow&quot;&gt;&lt;i&gt;Żółte tło&lt;/i&gt;&lt;/span&gt;: wartość zmieniona i jeszcze niezapisana.</source>
        <translation>&lt;span style=&quot;color:red&quot;&gt;&lt;i&gt;Red text&lt;/i&gt;&lt;/span&gt;: a value different from the compared configuration (or a module that is not there). &lt;span style=&quot;background-color:yellow&quot;&gt;&lt;i&gt;Yellow background&lt;/i&gt;&lt;/span&gt;: a value changed and not yet saved.</translation>
    </message>
    <message>
        <source>Wczytaj ponownie</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Compare</translation>
    </message>
</context>
<context>
    <name>ConfigManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Read from the unit</translation>
    </message>
    <message>
        <source>Wyślij</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Wyślij do urządzenia</source>
        <translation>Send to the unit</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Dodaj nową konfigrację</source>
        <comment>Add new config</comment>
        <translation>Add a new configuration</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Zapisz do pdf</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Wczytaj z pliku</source>
        <translation>Load from file</translation>
    </message>
    <message>
        <source>Zapisz do pliku</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Ostrel Configurator</translation>
    </message>
    <message>
        <source>Błąd przy odczycie konfiguracji</source>
        <comment>Configuration error</comment>
        <translation>Error reading the configuration</translation>
    </message>
    <message>
        <source>Nazwa Konfiguracji</source>
        <translation>Configuration name</translation>
    </message>
    <message>
        <source>Wprowadź nazwę:</source>
        <translation>Enter a name:</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1 w bazie danych.</source>
        <translation>Configuration %1 could not be saved in the database.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Data sent successfully.</translation>
    </message>
    <message>
        <source>Czy wysłać konfigurację %1 do urządzenia?</source>
        <translation>Send configuration %1 to the unit?</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Konfiguracja została zapisana.</source>
        <translation>The configuration has been saved.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1.</source>
        <translation>Configuration %1 could not be saved.</translation>
    </message>
    <message>
        <source>Stwórz nową konfigurację</source>
        <translation>Create a new configuration</translation>
    </message>
    <message>
        <source>Wprowadź nową nazwę:</source>
        <translation>Enter the new name:</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż jedną konfigurację.Zaznacz jedną konfigurację, aby zmienić nazwę.</source>
        <translation>More than one configuration is selected. Select one configuration to rename it.</translation>
    </message>
    <message>
        <source>Zmiana nazwy.</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Zmieniono nazwe konfiguracji %1</source>
        <translation>Configuration renamed to: %1</translation>
    </message>
    <message>
        <source>Czy usunąć konfigurację %1</source>
        <translation>Delete configuration %1?</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji</source>
        <translation>Configuration deleted</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji o nazwie: %1</source>
        <translation>Deleted the configuration named: %1</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż 1 konfigurację na liście.
 Zaznacz jedną konfigurację, aby ją wyeksportować.</source>
        <translation>More than 1 configuration is selected in the list.
 Select one configuration to export it.</translation>
    </message>
    <message>
        <source>Eksport config</source>
        <translation>Export configuration</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>File %1 could not be saved.</translation>
    </message>
    <message>
        <source>Import conf</source>
        <translation>Import configuration</translation>
    </message>
    <message>
        <source>Plik %1 nie zawiera poprawnej konfiguracji.</source>
        <translation>File %1 does not hold a valid configuration.</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>urządzenia</source>
        <translation>of the unit</translation>
    </message>
    <message>
        <source>Urządzenie</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Porównaj otwartą konfigurację z inną</source>
        <translation>Compare the open configuration with another one</translation>
    </message>
    <message>
        <source>z zapisaną konfiguracją…</source>
        <translation>with a stored configuration…</translation>
    </message>
    <message>
        <source>z plikiem .cfg…</source>
        <translation>with a .cfg file…</translation>
    </message>
    <message>
        <source>z konfiguracją urządzenia</source>
        <translation>with the unit&apos;s configuration</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zawiera żadnego modułu.</source>
        <translation>Configuration %1 holds no module.</translation>
    </message>
    <message>
        <source>Konfiguracji %1 nie da się odczytać: jej dane są uszkodzone.</source>
        <translation>Configuration %1 cannot be read: its data is damaged.</translation>
    </message>
    <message>
        <source>Otwórz konfigurację, którą chcesz porównać.</source>
        <translation>Open the configuration you want to compare.</translation>
    </message>
    <message>
        <source>Nie ma innej zapisanej konfiguracji.</source>
        <translation>There is no other stored configuration.</translation>
    </message>
    <message>
        <source>Porównaj %1 z konfiguracją:</source>
        <translation>Compare %1 with the configuration:</translation>
    </message>
    <message>
        <source>Porównaj z plikiem</source>
        <translation>Compare with a file</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem.</source>
        <translation>No connection to the unit.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji</source>
        <translation>reading the configuration</translation>
    </message>
    <message>
        <source>Poprzednie polecenie dla urządzenia jeszcze trwa.</source>
        <translation>The previous request to the unit is still running.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji do porównania</source>
        <translation>reading the configuration to compare</translation>
    </message>
    <message>
        <source>Konfiguracja %1 ma niezapisane zmiany.

„Tak” zapisuje je i drukuje zapisaną konfigurację, „Nie” drukuje to, co widać w edytorze, bez zapisywania.</source>
        <translation>Configuration %1 has unsaved changes.

“Yes” saves them and prints the saved configuration, “No” prints what the editor shows, without saving.</translation>
    </message>
    <message>
        <source>Konfigurację %1 zapisano w pliku %2.</source>
        <translation>Configuration %1 saved in file %2.</translation>
    </message>
    <message>
        <source>ta stacja</source>
        <translation>this computer</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została w międzyczasie zmieniona przez synchronizację z archiwum, więc zmian nie zapisano na niej: zapisano je obok jako %2, konflikt do rozstrzygnięcia (Porównaj).</source>
        <translation>The configuration %1 was changed meanwhile by a synchronisation with the archive, so the changes were not saved over it: they were saved beside it as %2, a conflict to resolve (Compare).</translation>
    </message>
    <message>
        <source>Synchronizacja z archiwum przyniosła nowszą wersję konfiguracji %1. Edytor pokazuje wersję otwartą wcześniej; jej zapis trafi obok jako konflikt.</source>
        <translation>A synchronisation with the archive brought a newer version of the configuration %1. The editor shows the version opened earlier; saving it goes beside it as a conflict.</translation>
    </message>
    <message>
        <source>Konfiguracja %1 ma niezapisane zmiany. Zapisać je obok jako konflikt przed wczytaniem nowszej wersji?</source>
        <translation>The configuration %1 has unsaved changes. Save them beside it as a conflict before loading the newer version?</translation>
    </message>
    <message>
        <source>%1 (wersja z archiwum)</source>
        <translation>%1 (version from the archive)</translation>
    </message>
</context>
<context>
    <name>ConfigReviewDialog</name>
    <message>
        <source>Porównanie konfiguracji</source>
        <translation>Configuration comparison</translation>
    </message>
    <message>
        <source>Pokaż:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>tylko różnice</source>
        <translation>differences only</translation>
    </message>
    <message>
        <source>wszystkie</source>
        <translation>all</translation>
    </message>
    <message>
        <source>UWAGA: zestaw modułów się różni (tylko po lewej: %1, tylko po prawej: %2). Ta konfiguracja może należeć do innej centrali.</source>
        <translation>WARNING: the module sets differ (left only: %1, right only: %2). This configuration may belong to another unit.</translation>
    </message>
    <message>
        <source>Przegląd przed wysłaniem</source>
        <translation>Review before sending</translation>
    </message>
    <message>
        <source>Wyślij zaznaczone</source>
        <translation>Send ticked</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Moduły: %1 po lewej, %2 po prawej. Tylko po lewej: %3, tylko po prawej: %4. Zmienione ustawienia: %5, bez zmian: %6.</source>
        <translation>Modules: %1 on the left, %2 on the right. Left only: %3, right only: %4. Changed settings: %5, unchanged: %6.</translation>
    </message>
</context>
<context>
    <name>ConfigSender</name>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Ostrel Configurator</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zostanie wysłana: jej zapisany obraz jest uszkodzony.</source>
        <translation>Configuration %1 will not be sent: its stored image is damaged.</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zostanie wysłana: nie zawiera żadnego modułu.</source>
        <translation>Configuration %1 will not be sent: it holds no module.</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem.</source>
        <translation>No connection to the unit.</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem. Nic nie wysłano.</source>
        <translation>No connection to the unit. Nothing was sent.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać kopii konfiguracji urządzenia. Nic nie wysłano.</source>
        <translation>The unit&apos;s configuration could not be backed up. Nothing was sent.</translation>
    </message>
    <message>
        <source>Konfiguracji odczytanej z urządzenia nie da się odczytać, więc nie można jej porównać. Nic nie wysłano.</source>
        <translation>The configuration read from the unit cannot be decoded, so it cannot be compared. Nothing was sent.</translation>
    </message>
    <message>
        <source>Urządzenie ma już konfigurację %1. Nic nie wysłano.</source>
        <translation>The unit already holds configuration %1. Nothing was sent.</translation>
    </message>
    <message>
        <source>Urządzenie (teraz)</source>
        <translation>Unit (now)</translation>
    </message>
    <message>
        <source>Do wysłania: %1</source>
        <translation>To send: %1</translation>
    </message>
    <message>
        <source>Nie zaznaczono żadnej zmiany. Nic nie wysłano.</source>
        <translation>No change was ticked. Nothing was sent.</translation>
    </message>
    <message>
        <source>Zestaw modułów w urządzeniu jest inny niż w konfiguracji %1 (tylko w urządzeniu: %2, tylko w wysyłanej: %3). Ta konfiguracja może należeć do innej centrali.

Czy na pewno wysłać ją do urządzenia?</source>
        <translation>The unit&apos;s module set differs from configuration %1 (in the unit only: %2, in the configuration to send only: %3). This configuration may belong to another unit.

Send it to the unit anyway?</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Data sent successfully.</translation>
    </message>
    <message>
        <source>Konfiguracja zweryfikowana</source>
        <translation>Configuration verified</translation>
    </message>
    <message>
        <source>… i jeszcze %1</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>%1, %2: wysłano %3, urządzenie ma %4</source>
        <translation>%1, %2: sent %3, the unit has %4</translation>
    </message>
    <message>
        <source>%1: urządzenie nie ma tego modułu</source>
        <translation>%1: the unit does not have this module</translation>
    </message>
    <message>
        <source>%1: moduł, którego nie wysłano</source>
        <translation>%1: a module that was not sent</translation>
    </message>
    <message>
        <source>Urządzenie potwierdziło odbiór, ale nie przyjęło tych ustawień:</source>
        <translation>The unit acknowledged the configuration but did not take these settings:</translation>
    </message>
    <message>
        <source>Konfiguracji odczytanej po wysłaniu nie da się odczytać.</source>
        <translation>The configuration read back after sending cannot be decoded.</translation>
    </message>
    <message>
        <source>Weryfikacja konfiguracji</source>
        <translation>Configuration verification</translation>
    </message>
    <message>
        <source>Poprzednia konfiguracja urządzenia jest zapisana jako %1.</source>
        <translation>The unit&apos;s previous configuration is stored as %1.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji przed wysłaniem</source>
        <translation>reading the configuration before sending</translation>
    </message>
    <message>
        <source>Nic nie wysłano.</source>
        <translation>Nothing was sent.</translation>
    </message>
    <message>
        <source>Urządzenie potwierdziło odbiór, ale konfiguracja nie została zweryfikowana.</source>
        <translation>The unit acknowledged receipt, but the configuration was not verified.</translation>
    </message>
    <message>
        <source>odczyt kontrolny konfiguracji</source>
        <translation>verification read of the configuration</translation>
    </message>
    <message>
        <source>wysyłanie konfiguracji</source>
        <translation>sending the configuration</translation>
    </message>
    <message>
        <source>Nie wiadomo, czy urządzenie przyjęło konfigurację: odczytaj konfigurację, aby to sprawdzić.</source>
        <translation>It is not known whether the unit accepted the configuration: read the configuration to check.</translation>
    </message>
    <message>
        <source>Niezapisane zmiany z edytora nie zostały wysłane: użyto zapisanej wersji konfiguracji %1.</source>
        <translation>Unsaved changes from the editor were not sent: the saved version of configuration %1 was used.</translation>
    </message>
</context>
<context>
    <name>DetailsManagement</name>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Kalibracja</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>Autokalibracja</source>
        <translation>Autocalibration</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Instrukcja postępowania:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Wyłącz zasilanie Ostrel.&lt;/li&gt;&lt;li&gt;Odłącz złącze zasilania 24 V od modułu PSB (wejście zasilane z modułu zasilacza sieciowego).&lt;/li&gt;&lt;li&gt;Podłącz zasilacz laboratoryjny równolegle z woltomierzem do wejścia akumulatora i ustaw dokładnie 27.3 V.&lt;/li&gt;&lt;li&gt;Załącz akumulator.&lt;/li&gt;&lt;li&gt;Naciśnij przycisk „Autokalibracja”.&lt;/li&gt;&lt;li&gt;Po krótkim czasie pojawi się okno z informacją o poprawnie wykonanej kalibracji.&lt;/li&gt;&lt;li&gt;Zresetuj mikrokontroler.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Procedure:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Switch the Ostrel supply off.&lt;/li&gt;&lt;li&gt;Disconnect the 24 V supply connector from the PSB module (the input fed by the mains power supply module).&lt;/li&gt;&lt;li&gt;Connect a laboratory power supply, with a voltmeter in parallel, to the battery input and set exactly 27.3 V.&lt;/li&gt;&lt;li&gt;Switch the battery on.&lt;/li&gt;&lt;li&gt;Press the “Autocalibration” button.&lt;/li&gt;&lt;li&gt;After a short time a window reports that the calibration succeeded.&lt;/li&gt;&lt;li&gt;Reset the microcontroller.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Tester Ostrel</source>
        <translation>Ostrel tester</translation>
    </message>
    <message>
        <source>Testuj</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Skasuj</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Podgląd na żywo</source>
        <translation>Live view</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Brak funkcji</source>
        <translation>No function</translation>
    </message>
    <message>
        <source>Nazwa testu</source>
        <translation>Test name</translation>
    </message>
    <message>
        <source>Prawidłowy zakres</source>
        <translation>Valid range</translation>
    </message>
    <message>
        <source>Wartość bin</source>
        <translation>Bin value</translation>
    </message>
    <message>
        <source>Wartość str</source>
        <translation>Str value</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Kalibracja zakończona. Zresetuj mikrokontroler.</source>
        <translation>Calibration finished. Reset the microcontroller.</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Nie można wykonać testu ponieważ włączony jest tryb kalibracji</source>
        <translation>The test cannot run because calibration mode is on</translation>
    </message>
    <message>
        <source>Zakończono testowanie.</source>
        <translation>Testing finished.</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać autokalibracje Ostrel? Upewnij się czy masz podłączone zasilanie 27.3 V</source>
        <translation>Do you really want to run the Ostrel autocalibration? Make sure the 27.3 V supply is connected</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać test Ostrel? Upewnij się czy masz podłączony akumulator i włączone zasilanie Ostrel.</source>
        <translation>Do you really want to run the Ostrel test? Make sure the battery is connected and the Ostrel supply is on.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>BŁĄD</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Napięcie 230 V przed diodą</source>
        <translation>230 V voltage before the diode</translation>
    </message>
    <message>
        <source>Napięcie 230 V za diodą</source>
        <translation>230 V voltage after the diode</translation>
    </message>
    <message>
        <source>Napięcie akumulatora</source>
        <translation>Battery voltage</translation>
    </message>
    <message>
        <source>Prąd ładowania</source>
        <translation>Charging current</translation>
    </message>
    <message>
        <source>Rezystancja akumulatora</source>
        <translation>Battery resistance</translation>
    </message>
    <message>
        <source>Temp. wewnątrz obudowy</source>
        <translation>Temp. inside the enclosure</translation>
    </message>
    <message>
        <source>Dioda idealna</source>
        <translation>Ideal diode</translation>
    </message>
    <message>
        <source>Klucz akumulatora</source>
        <translation>Battery switch</translation>
    </message>
    <message>
        <source>Stan zasilacza Ostrel</source>
        <translation>Ostrel power supply state</translation>
    </message>
    <message>
        <source>Stan ładowania akumulatora</source>
        <translation>Battery charging state</translation>
    </message>
    <message>
        <source>Offset temperaturowy</source>
        <translation>Temperature offset</translation>
    </message>
    <message>
        <source>PWM sterowania binarnie</source>
        <translation>Control PWM, binary</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V przed dioda</source>
        <translation>Offset of 230 V voltage before the diode</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V za dioda</source>
        <translation>Offset of 230 V voltage after the diode</translation>
    </message>
    <message>
        <source>Offset napiecie akumulatora</source>
        <translation>Offset of battery voltage</translation>
    </message>
    <message>
        <source>Offset prąd ładowania</source>
        <translation>Offset of charging current</translation>
    </message>
    <message>
        <source>Ilość przejść do CC z CV</source>
        <translation>Number of changes from CV to CC</translation>
    </message>
    <message>
        <source>Ilość przeciążeń akumulatora</source>
        <translation>Number of battery overloads</translation>
    </message>
    <message>
        <source>Ilość pomiarów rezystancji</source>
        <translation>Number of resistance measurements</translation>
    </message>
    <message>
        <source>Ilość załączeń diody</source>
        <translation>Number of diode switch-ons</translation>
    </message>
    <message>
        <source>Ilość wyłączeń diody</source>
        <translation>Number of diode switch-offs</translation>
    </message>
    <message>
        <source>Ilość wylaczen diody podczas blokowania 2s</source>
        <translation>Number of diode switch-offs during the 2 s lock</translation>
    </message>
    <message>
        <source>Ilość prób zalaczen diody po sprawdeniu napiecia sieciowego</source>
        <translation>Number of diode switch-on attempts after the mains voltage check</translation>
    </message>
    <message>
        <source>Ilość zalaczen diody po sprawdeniu napiecia siecowego</source>
        <translation>Number of diode switch-ons after the mains voltage check</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout R</source>
        <translation>Number of R timeouts</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 5h</source>
        <translation>Number of CC 5h charging timeouts</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 48h</source>
        <translation>Number of CC 48h charging timeouts</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CC</source>
        <translation>Number of charger errors in CC</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CV</source>
        <translation>Number of charger errors in CV</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS1</source>
        <translation>Signalling line LS1 state</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS2</source>
        <translation>Signalling line LS2 state</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS3</source>
        <translation>Signalling line LS3 state</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS4</source>
        <translation>Signalling line LS4 state</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK1</source>
        <translation>Control line LK1 state</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK2</source>
        <translation>Control line LK2 state</translation>
    </message>
    <message>
        <source>BATTERY AND SUPPLY</source>
        <translation>BATTERY AND SUPPLY</translation>
    </message>
    <message>
        <source>ONLY BATTERY</source>
        <translation>ONLY BATTERY</translation>
    </message>
    <message>
        <source>ONLY SUPPLY</source>
        <translation>ONLY SUPPLY</translation>
    </message>
    <message>
        <source>CURRENT MODE</source>
        <translation>CURRENT MODE</translation>
    </message>
    <message>
        <source>VOLTAGE MODE</source>
        <translation>VOLTAGE MODE</translation>
    </message>
    <message>
        <source>TEMPERATURE MODE</source>
        <translation>TEMPERATURE MODE</translation>
    </message>
    <message>
        <source>WYSTEROWANIE</source>
        <translation>ACTIVATED</translation>
    </message>
    <message>
        <source>ZWARCIE</source>
        <translation>SHORT CIRCUIT</translation>
    </message>
    <message>
        <source>PRZECIĄŻENIE</source>
        <translation>OVERLOAD</translation>
    </message>
    <message>
        <source>PRZERWA</source>
        <translation>OPEN CIRCUIT</translation>
    </message>
    <message>
        <source>DOZÓR</source>
        <translation>STANDBY</translation>
    </message>
    <message>
        <source>NIEAKTYWNA</source>
        <translation>INACTIVE</translation>
    </message>
    <message>
        <source>Test RAM</source>
        <translation>RAM test</translation>
    </message>
    <message>
        <source>Test FLASH</source>
        <translation>FLASH test</translation>
    </message>
    <message>
        <source>Test czujnika prądu bez obciążenia</source>
        <translation>Current sensor test without load</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - rezystnacja</source>
        <translation>Resistance measurement test - resistance</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora bez obciążenia</source>
        <translation>Resistance measurement test - battery U without load</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora z obciążeniem</source>
        <translation>Resistance measurement test - battery U under load</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - I akumulatora z obciążeniem</source>
        <translation>Resistance measurement test - battery I under load</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie minimalne</source>
        <translation>Power supply test - minimum voltage</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie maksymalne</source>
        <translation>Power supply test - maximum voltage</translation>
    </message>
    <message>
        <source>Sprawny/Uszkodzony</source>
        <translation>OK/Faulty</translation>
    </message>
    <message>
        <source>od 0.1 do -0.1 A</source>
        <translation>from 0.1 to -0.1 A</translation>
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
        <translation>from 2.9 to 3.9 A</translation>
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
        <translation>STATE Y</translation>
    </message>
    <message>
        <source>STAN X</source>
        <translation>STATE X</translation>
    </message>
    <message>
        <source>STAN DOZOROWANIA</source>
        <translation>STANDBY STATE</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ON</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>Brak sondy</source>
        <translation>No probe</translation>
    </message>
    <message>
        <source>NIEDOTYCZY</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>0 - max. napiecie, 4095 - min. napięcie wyjściowe przetwornicy</source>
        <translation>0 - max. voltage, 4095 - min. converter output voltage</translation>
    </message>
    <message>
        <source>Wartość zeruje sie po resecie</source>
        <translation>The value is cleared on reset</translation>
    </message>
    <message>
        <source>Wartość zeruje się po resecie</source>
        <translation>The value is cleared on reset</translation>
    </message>
    <message>
        <source>brak danych</source>
        <translation>no data</translation>
    </message>
    <message>
        <source>Wartości poniżej nie są aktualne: port jest zamknięty albo centrala nie przysłała nowych przez dwa okresy odpytywania</source>
        <translation>The values below are not current: the port is closed or the unit has sent no new ones for two poll periods</translation>
    </message>
</context>
<context>
    <name>EnumList</name>
    <message>
        <source>Brak – wyjście nieaktywne</source>
        <translation>None – output inactive</translation>
    </message>
    <message>
        <source>Alarm - ogólny Halvo</source>
        <translation>Alarm - Halvo general</translation>
    </message>
    <message>
        <source>Alarm - wejście zewnętrzne</source>
        <translation>Alarm - external input</translation>
    </message>
    <message>
        <source>Alarm - system Tarven A/B</source>
        <translation>Alarm - Tarven A/B system</translation>
    </message>
    <message>
        <source>Alarm - suma stref LNM</source>
        <translation>Alarm - LNM zone sum</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref LNM</source>
        <translation>Alarm - LNM zone product</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + suma stref LNMn</source>
        <translation>Alarm – external input + LNMn zone sum</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + iloczyn stref LNMn</source>
        <translation>Alarm – external input + LNMn zone product</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + suma stref LNMn</source>
        <translation>Alarm – Tarven A/B + LNMn zone sum</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + iloczyn stref LNMn</source>
        <translation>Alarm – Tarven A/B + LNMn zone product</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + własny</source>
        <translation>Alarm – external input + own</translation>
    </message>
    <message>
        <source>Alarm – system Tarven A/B + własny</source>
        <translation>Alarm – Tarven A/B system + own</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref + wlasny</source>
        <translation>Alarm - zone product + own</translation>
    </message>
    <message>
        <source>Zarezerwowane</source>
        <translation>Reserved</translation>
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
        <translation>NO</translation>
    </message>
    <message>
        <source>Alarm - ogólny</source>
        <translation>Alarm - general</translation>
    </message>
    <message>
        <source>Alarm - LDK</source>
        <translation>Alarm - LDK</translation>
    </message>
    <message>
        <source>Alarm - BZ7x</source>
        <translation>Alarm - BZ7x</translation>
    </message>
    <message>
        <source>Osiągnięta pozycja pożarowa (FIRE SAFE)</source>
        <translation>Fire position reached (FIRE SAFE)</translation>
    </message>
    <message>
        <source>Nieaktywna</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Kontrola zadziałania PK</source>
        <translation>PK operation check</translation>
    </message>
    <message>
        <source>Wejście potwierdzenia zewnętrznego</source>
        <translation>External confirmation input</translation>
    </message>
    <message>
        <source>Wejście kasowania zewnętrznego</source>
        <translation>External reset input</translation>
    </message>
    <message>
        <source>Blokowanie wyjść</source>
        <translation>Output blocking</translation>
    </message>
    <message>
        <source>Blokowanie warunkowe wyjscia LNM</source>
        <translation>Conditional blocking of the LNM output</translation>
    </message>
    <message>
        <source>Zamrożenie stanu</source>
        <translation>State freeze</translation>
    </message>
    <message>
        <source>Wyjście nieaktywne</source>
        <translation>Output inactive</translation>
    </message>
    <message>
        <source>Załączenie na stałe</source>
        <translation>Steady on</translation>
    </message>
    <message>
        <source>Załączenie czasowe</source>
        <translation>Timed on</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-cykliczne</source>
        <translation>Pulsed, cyclic</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-ilościowe</source>
        <translation>Pulsed, counted</translation>
    </message>
    <message>
        <source>0-nieaktywny</source>
        <translation>0-inactive</translation>
    </message>
    <message>
        <source>1-załączenie na stałe</source>
        <translation>1-steady on</translation>
    </message>
    <message>
        <source>2-załączenie czasowe</source>
        <translation>2-timed on</translation>
    </message>
    <message>
        <source>3-załączenie impulsowo-cykliczne</source>
        <translation>3-pulsed, cyclic</translation>
    </message>
    <message>
        <source>4-załączenie impulsowo-ilościowe</source>
        <translation>4-pulsed, counted</translation>
    </message>
    <message>
        <source>5-klapy Gryfit czas T2 – wysterowanie w dozorowaniu</source>
        <translation>5-Gryfit dampers time T2 – activation in standby</translation>
    </message>
    <message>
        <source>0-nieaktywne</source>
        <translation>0-inactive</translation>
    </message>
    <message>
        <source>1-siłownik dwukierunkowy</source>
        <translation>1-two-way actuator</translation>
    </message>
    <message>
        <source>2-siłownik ze sprężyną powrotną</source>
        <translation>2-spring-return actuator</translation>
    </message>
    <message>
        <source>3-przerwa napięciowa lub impuls prądowy</source>
        <translation>3-voltage break or current pulse</translation>
    </message>
    <message>
        <source>Aktywne przewietrzanie</source>
        <translation>Ventilation active</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Control line LK1 (on state X in two-state mode, or on state Y or X in three-state mode)</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Control line LK2 (on state X in two-state mode, or on state Y or X in three-state mode)</translation>
    </message>
    <message>
        <source>System Tarven B</source>
        <translation>Tarven B system</translation>
    </message>
    <message>
        <source>Wejście nieaktywne</source>
        <translation>Input inactive</translation>
    </message>
    <message>
        <source>Tryb 2-stanowy</source>
        <translation>2-state mode</translation>
    </message>
    <message>
        <source>Tryb 3-stanowy</source>
        <translation>3-state mode</translation>
    </message>
    <message>
        <source>Brak – wejście nieaktywne</source>
        <translation>None – input inactive</translation>
    </message>
    <message>
        <source>Port nieaktywny</source>
        <translation>Port inactive</translation>
    </message>
    <message>
        <source>Protokół Modbus</source>
        <translation>Modbus protocol</translation>
    </message>
    <message>
        <source>Komunikacja z Ostrel nr. 2</source>
        <translation>Communication with Ostrel no. 2</translation>
    </message>
    <message>
        <source>Brak konfiguracji</source>
        <translation>Not configured</translation>
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
        <translation>Choose the battery capacity</translation>
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
        <translation>0 - Zone 1</translation>
    </message>
    <message>
        <source>1 - Strefa 2</source>
        <translation>1 - Zone 2</translation>
    </message>
    <message>
        <source>2 - Strefa 1 + 2</source>
        <translation>2 - Zone 1 + 2</translation>
    </message>
    <message>
        <source>3 - Nie związane z strefą</source>
        <translation>3 - Not tied to a zone</translation>
    </message>
    <message>
        <source>0 - Nieaktywne</source>
        <translation>0 - Inactive</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna aktywna</source>
        <translation>1 - Control line active</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna</source>
        <translation>1 - Control line</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa</source>
        <translation>2 - Potential line</translation>
    </message>
    <message>
        <source>1 - Linia Kontrolna</source>
        <translation>1 - Control line</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa</source>
        <translation>2 - Detection line</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa</source>
        <translation>3 - Potential line</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilające 24 V</source>
        <translation>4 - 24 V supply output</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa</source>
        <translation>1 - Potential-free line</translation>
    </message>
    <message>
        <source>0 - Urządzenie zewnętrzne</source>
        <translation>0 - External device</translation>
    </message>
    <message>
        <source>1 - Blokada Gaszenia</source>
        <translation>1 - Extinguishing inhibit</translation>
    </message>
    <message>
        <source>2 - Sterowanie ręczne</source>
        <translation>2 - Manual control</translation>
    </message>
    <message>
        <source>3 - Dodatek</source>
        <translation>3 - Supplementary</translation>
    </message>
    <message>
        <source>4 - Stop gaszenia</source>
        <translation>4 - Extinguishing stop</translation>
    </message>
    <message>
        <source>5 - Start gaszenia</source>
        <translation>5 - Extinguishing start</translation>
    </message>
    <message>
        <source>6 - LK. wypływu</source>
        <translation>6 - Flow LK</translation>
    </message>
    <message>
        <source>7 - Alarm zewnętrzny</source>
        <translation>7 - External alarm</translation>
    </message>
    <message>
        <source>8 - Ciśnienie/masa</source>
        <translation>8 - Pressure/weight</translation>
    </message>
    <message>
        <source>9 - Blok.Nieel.</source>
        <translation>9 - Non-el. inhibit</translation>
    </message>
    <message>
        <source>10 - Kasowanie alarmu</source>
        <translation>10 - Alarm reset</translation>
    </message>
    <message>
        <source>0 - Alarm 1 strefa</source>
        <translation>0 - Alarm zone 1</translation>
    </message>
    <message>
        <source>1 - Alarm 2 strefa</source>
        <translation>1 - Alarm zone 2</translation>
    </message>
    <message>
        <source>2 - Start gaszenia</source>
        <translation>2 - Extinguishing start</translation>
    </message>
    <message>
        <source>3 - EZ</source>
        <translation>3 - EZ</translation>
    </message>
    <message>
        <source>4 - Wyładowanie</source>
        <translation>4 - Release</translation>
    </message>
    <message>
        <source>5 - Wypływy</source>
        <translation>5 - Flows</translation>
    </message>
    <message>
        <source>0 - Tryb 1 stanowy</source>
        <translation>0 - 1-state mode</translation>
    </message>
    <message>
        <source>1 - Tryb 2 stanowy</source>
        <translation>1 - 2-state mode</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa aktywna</source>
        <translation>2 - Potential line active</translation>
    </message>
    <message>
        <source>0 - Alarm 1 stopnia</source>
        <translation>0 - Stage 1 alarm</translation>
    </message>
    <message>
        <source>1 - Alarm 2 stopnia</source>
        <translation>1 - Stage 2 alarm</translation>
    </message>
    <message>
        <source>5 - Wypływ</source>
        <translation>5 - Flow</translation>
    </message>
    <message>
        <source>6 - Wyładowanie dodatku</source>
        <translation>6 - Supplementary release</translation>
    </message>
    <message>
        <source>7 - Sterowanie ręczne</source>
        <translation>7 - Manual control</translation>
    </message>
    <message>
        <source>8 - Stop gaszenia</source>
        <translation>8 - Extinguishing stop</translation>
    </message>
    <message>
        <source>9 - Blokada gaszenia</source>
        <translation>9 - Extinguishing inhibit</translation>
    </message>
    <message>
        <source>10 - Blokada Nieelek</source>
        <translation>10 - Non-electrical inhibit</translation>
    </message>
    <message>
        <source>11 - Uszkodzenie</source>
        <translation>11 - Fault</translation>
    </message>
    <message>
        <source>12 - Kasowanie</source>
        <translation>12 - Reset</translation>
    </message>
    <message>
        <source>13 - Ciśń/masa</source>
        <translation>13 - Press./weight</translation>
    </message>
    <message>
        <source>0 - Grupa ogólna</source>
        <translation>0 - General group</translation>
    </message>
    <message>
        <source>1 - Sygnalizatory zewnętrzne</source>
        <translation>1 - External sounders</translation>
    </message>
    <message>
        <source>2 - Sygnalizatory ostrzegawcze</source>
        <translation>2 - Warning devices</translation>
    </message>
    <message>
        <source>3 - Urządzenia transmisji</source>
        <translation>3 - Transmission equipment</translation>
    </message>
    <message>
        <source>4 - Urządzenia zabezpieczające</source>
        <translation>4 - Fire protection equipment</translation>
    </message>
    <message>
        <source>0 - Brak kryterium</source>
        <translation>0 - No criterion</translation>
    </message>
    <message>
        <source>1 - L11 LD-alarm</source>
        <translation>1 - L11 LD-alarm</translation>
    </message>
    <message>
        <source>2 - L11 LD-alarm</source>
        <translation>2 - L11 LD-alarm</translation>
    </message>
    <message>
        <source>3 - L11 LD-alarm</source>
        <translation>3 - L11 LD-alarm</translation>
    </message>
    <message>
        <source>4 - L11 LD-alarm</source>
        <translation>4 - L11 LD-alarm</translation>
    </message>
    <message>
        <source>5 - L11 LD-alarm</source>
        <translation>5 - L11 LD-alarm</translation>
    </message>
    <message>
        <source>6 - L11 LD-alarm</source>
        <translation>6 - L11 LD-alarm</translation>
    </message>
    <message>
        <source>7 - LK-EZ Wspólny</source>
        <translation>7 - LK-EZ common</translation>
    </message>
    <message>
        <source>0 - Brak</source>
        <translation>0 - None</translation>
    </message>
    <message>
        <source>1 - ciągły</source>
        <translation>1 - continuous</translation>
    </message>
    <message>
        <source>2 - 1 impuls</source>
        <translation>2 - 1 pulse</translation>
    </message>
    <message>
        <source>3 - cykliczny</source>
        <translation>3 - cyclic</translation>
    </message>
    <message>
        <source>4 - cykliczny skończony</source>
        <translation>4 - cyclic, limited</translation>
    </message>
    <message>
        <source>0 - Wyłączone</source>
        <translation>0 - Off</translation>
    </message>
    <message>
        <source>1 - Włączone</source>
        <translation>1 - On</translation>
    </message>
    <message>
        <source>0 - 0 linii</source>
        <translation>0 - 0 lines</translation>
    </message>
    <message>
        <source>1 - 1 linia</source>
        <translation>1 - 1 line</translation>
    </message>
    <message>
        <source>2 - 2 linie</source>
        <translation>2 - 2 lines</translation>
    </message>
    <message>
        <source>3 - 3 linie</source>
        <translation>3 - 3 lines</translation>
    </message>
    <message>
        <source>0 - Nie</source>
        <translation>0 - No</translation>
    </message>
    <message>
        <source>1 - Tak</source>
        <translation>1 - Yes</translation>
    </message>
    <message>
        <source>0 - Tak</source>
        <translation>0 - Yes</translation>
    </message>
    <message>
        <source>1 - Nie</source>
        <translation>1 - No</translation>
    </message>
    <message>
        <source>0 - Z wyjścia EZ</source>
        <translation>0 - From the EZ output</translation>
    </message>
    <message>
        <source>1 - Z wejścia LK-wypływ</source>
        <translation>1 - From the LK-flow input</translation>
    </message>
    <message>
        <source>1 - Nieblokowane</source>
        <translation>1 - Not blocked</translation>
    </message>
    <message>
        <source>2 - Blokowane</source>
        <translation>2 - Blocked</translation>
    </message>
    <message>
        <source>0 - Strefa 2</source>
        <translation>0 - Zone 2</translation>
    </message>
    <message>
        <source>0 - Brak modułu</source>
        <translation>0 - No module</translation>
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
        <translation>1 - Potential line active</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa aktywna</source>
        <translation>1 - Potential-free line active</translation>
    </message>
    <message>
        <source>3 - Wyjście zasilajace 24 V aktywne</source>
        <translation>3 - 24 V supply output active</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa aktywna</source>
        <translation>2 - Detection line active</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa aktywna</source>
        <translation>3 - Potential line active</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilajace 24 V aktywne</source>
        <translation>4 - 24 V supply output active</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel</source>
        <translation>Ostrel fault</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel + wysterowanie z Tarven B</source>
        <translation>Ostrel fault + activation from Tarven B</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Module</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Szukaj w zdarzeniach i modułach (Ctrl+F)</source>
        <translation>Search events and modules (Ctrl+F)</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Zdarzenia aktywne i usunięte</source>
        <translation>Active and removed events</translation>
    </message>
    <message>
        <source>wszystkie</source>
        <translation>all</translation>
    </message>
    <message>
        <source>tylko aktywne</source>
        <translation>active only</translation>
    </message>
    <message>
        <source>tylko usunięte</source>
        <translation>removed only</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>do:</source>
        <translation>to:</translation>
    </message>
    <message>
        <source>Wyczyść filtr</source>
        <translation>Clear filter</translation>
    </message>
    <message>
        <source>wszystkie moduły</source>
        <translation>all modules</translation>
    </message>
    <message>
        <source>pokazano %1 z %2</source>
        <translation>showing %1 of %2</translation>
    </message>
</context>
<context>
    <name>EventSummary</name>
    <message>
        <source>alarmy i wysterowania</source>
        <translation>alarms and activations</translation>
    </message>
    <message>
        <source>uszkodzenia</source>
        <translation>faults</translation>
    </message>
    <message>
        <source>zaniki zasilania</source>
        <translation>power failures</translation>
    </message>
    <message>
        <source>starty i resety</source>
        <translation>starts and resets</translation>
    </message>
    <message>
        <source>zapisy konfiguracji</source>
        <translation>configuration writes</translation>
    </message>
    <message>
        <source>ustawienia zegara</source>
        <translation>clock sets</translation>
    </message>
    <message>
        <source>pozostałe</source>
        <translation>other</translation>
    </message>
</context>
<context>
    <name>EventsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Read from the unit</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń</source>
        <translation>Delete event log</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń o nazwie: %1</source>
        <translation>Deleted the event log named: %1</translation>
    </message>
    <message>
        <source>odczyt rejestru zdarzeń</source>
        <translation>reading the event log</translation>
    </message>
    <message>
        <source>Czy usunąć rejestr zdarzeń %1?</source>
        <translation>Delete event log %1?</translation>
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
        <translation>Module declared</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Module active / inactive</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Module address</translation>
    </message>
    <message>
        <source>PK%1 - numer strefy</source>
        <translation>PK%1 - Zone number</translation>
    </message>
    <message>
        <source>PK%1 - Deklaracja linii bezpotencjałowej</source>
        <translation>PK%1 - Potential-free line declared</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Grupa wyjść</source>
        <translation>PK%1 - Potential-free line - Output group</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 1</source>
        <translation>PK%1 - Potential-free line - Criterion 1</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 2</source>
        <translation>PK%1 - Potential-free line - Criterion 2</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Logika</source>
        <translation>PK%1 - Potential-free line - Logic</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>PK%1 - Potential-free line - Output switch-on signal type</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>PK%1 - Potential-free line - Operation delay Ton</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>PK%1 - Potential-free line - Switch-off delay Toff</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp</source>
        <translation>PK%1 - Potential-free line - Pulse duration T-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw</source>
        <translation>PK%1 - Potential-free line - Pause duration T-przerw</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp</source>
        <translation>PK%1 - Potential-free line - Number of pulses N-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kontrola ciągłości</source>
        <translation>PK%1 - Potential-free line - Continuity monitoring</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - Zone number</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii potencjałowej</source>
        <translation>L%1 - Potential line declared</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Potential line - Output group</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Potential line - Criterion 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Potential line - Criterion 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Potential line - Logic</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Potential line - Output switch-on signal type</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Potential line - Operation delay Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Potential line - Switch-off delay Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Potential line - Pulse duration T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Potential line - Pause duration T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Potential line - Number of pulses N-imp</translation>
    </message>
</context>
<context>
    <name>FaultsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Read from the unit</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Usunięcie uszkodzeń</source>
        <translation>Delete faults</translation>
    </message>
    <message>
        <source>Usunięcie listy uszkodzeń o nazwie: %1</source>
        <translation>Deleted the fault list named: %1</translation>
    </message>
    <message>
        <source>odczyt listy uszkodzeń</source>
        <translation>reading the faults list</translation>
    </message>
    <message>
        <source>Czy usunąć listę uszkodzeń %1?</source>
        <translation>Delete fault list %1?</translation>
    </message>
</context>
<context>
    <name>Konfiguracja</name>
    <message>
        <source>Konfiguracja Ostrel: %1</source>
        <translation>Ostrel configuration: %1</translation>
    </message>
</context>
<context>
    <name>LNM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Module declared</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Module active / inactive</translation>
    </message>
    <message>
        <source>Prąd grupy [A]</source>
        <translation>Group current [A]</translation>
    </message>
    <message>
        <source>Prąd modułu:</source>
        <translation>Module current:</translation>
    </message>
    <message>
        <source>Linia dozorowa konwencjonalna</source>
        <translation>Conventional detection line</translation>
    </message>
    <message>
        <source>Linia dozorowa aktywna/ nieaktywna</source>
        <translation>Detection line active/ inactive</translation>
    </message>
    <message>
        <source>Kasowanie wstępne czujek (60s)</source>
        <translation>Detector pre-reset (60s)</translation>
    </message>
    <message>
        <source>Kasowanie aktywne / nieaktywne</source>
        <translation>Reset active / inactive</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia WYZWOLENIE</source>
        <translation>BZ7x smoke vent button - TRIGGER line</translation>
    </message>
    <message>
        <source>Przycisk - Linia WYZW aktywna / nieaktywna</source>
        <translation>Button - TRIG line active / inactive</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia KASOWANIE</source>
        <translation>BZ7x smoke vent button - RESET line</translation>
    </message>
    <message>
        <source>Przycisk - Linia KASOW aktywna / nieaktywna</source>
        <translation>Button - RESET line active / inactive</translation>
    </message>
    <message>
        <source>Wyjście grupy -  tryb pracy</source>
        <translation>Group output - operating mode</translation>
    </message>
    <message>
        <source>Tryb pracy wyjścia 0-nieaktywne</source>
        <translation>Output operating mode 0-inactive</translation>
    </message>
    <message>
        <source>Wyjscie grupy - kryterium wysterowania</source>
        <translation>Group output - activation criterion</translation>
    </message>
    <message>
        <source>Kryterium – warianty wysterowania</source>
        <translation>Criterion – activation variants</translation>
    </message>
    <message>
        <source>Wyjście grupy - sterowanie 3 przewodowe</source>
        <translation>Group output - 3-wire control</translation>
    </message>
    <message>
        <source>Sterowanie w trybie pracy 1; 0: 2-przew. 1: 3-przew. </source>
        <translation>Control in operating mode 1; 0: 2-wire 1: 3-wire </translation>
    </message>
    <message>
        <source>Wyjście grupy -  kontrola ciągłości zasilania</source>
        <translation>Group output - supply continuity monitoring</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy zasilania </source>
        <translation>Monitoring of supply short and open circuits </translation>
    </message>
    <message>
        <source>Wyjście grupy - T1 - czas  opóźnienia zadziałania</source>
        <translation>Group output - T1 - operation delay</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Output activation delay in modes 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T2 - czas wysterowania</source>
        <translation>Group output - T2 - activation time</translation>
    </message>
    <message>
        <source>Czas wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Output activation time in modes 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T3 - czas przerwy wysterowania</source>
        <translation>Group output - T3 - activation pause time</translation>
    </message>
    <message>
        <source>Czas przerwy w trybie 3</source>
        <translation>Pause time in mode 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - liczba impulsów</source>
        <translation>Group output - number of pulses</translation>
    </message>
    <message>
        <source>Liczba impulsów na wyjściu w trybie 3</source>
        <translation>Number of output pulses in mode 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola krańcówek</source>
        <translation>Group output - limit switch monitoring</translation>
    </message>
    <message>
        <source>Kontrola pozycji urządzenia sterowanego</source>
        <translation>Position monitoring of the controlled device</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola ciągłości krańcówek</source>
        <translation>Group output - limit switch continuity monitoring</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy obwodów krańcówek</source>
        <translation>Monitoring of limit switch circuits for short and open circuits</translation>
    </message>
    <message>
        <source>Wyjście grupy - odłączanie napięcia</source>
        <translation>Group output - voltage disconnection</translation>
    </message>
    <message>
        <source>Odłączanie napięcia w trybie pracy 1</source>
        <translation>Voltage disconnection in operating mode 1</translation>
    </message>
    <message>
        <source>Wyjście grupy - forsowanie (deadlock)</source>
        <translation>Group output - forcing (deadlock)</translation>
    </message>
    <message>
        <source>Funkcja forsowania wyjścia – funkcja przeciwoblodzeniowa</source>
        <translation>Output forcing function – anti-icing function</translation>
    </message>
    <message>
        <source>Przewietrzanie - przyciski - tryb pracy</source>
        <translation>Ventilation - buttons - operating mode</translation>
    </message>
    <message>
        <source>Sposób działania przycisków przewietrzania</source>
        <translation>How the ventilation buttons work</translation>
    </message>
    <message>
        <source>Przewietrzanie - blokowanie pogodowe</source>
        <translation>Ventilation - weather blocking</translation>
    </message>
    <message>
        <source>Blokowanie przewietrzania w przypadku deszczu / wiatru</source>
        <translation>Ventilation blocked in rain / wind</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp1</source>
        <translation>Ventilation - Tp1 time</translation>
    </message>
    <message>
        <source>Czas otwierania</source>
        <translation>Opening time</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp2</source>
        <translation>Ventilation - Tp2 time</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie</source>
        <translation>Time after which automatic closing follows</translation>
    </message>
    <message>
        <source>Strefa LNM nr %1</source>
        <translation>LNM zone no. %1</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO</source>
        <translation>0 – NO 1 – General al. 2 – LDK alarm 3 – RPO alarm</translation>
    </message>
    <message>
        <source>Wyjście grupy -  czas TKA</source>
        <translation>Group output - TKA time</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Switch-off delay after reset</translation>
    </message>
    <message>
        <source>LNM</source>
        <translation>LNM</translation>
    </message>
    <message>
        <source>Moduł Główny Liniowy</source>
        <translation>Main Line Module</translation>
    </message>
    <message>
        <source>Linia dozorowa – zwarcie </source>
        <translation>Detection line – short circuit </translation>
    </message>
    <message>
        <source>Linia dozorowa – przerwa </source>
        <translation>Detection line – open circuit </translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – zwarcie</source>
        <translation>BZ7x TRIGGER button line – short circuit</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – przerwa</source>
        <translation>BZ7x TRIGGER button line – open circuit</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – zwarcie</source>
        <translation>BZ7x RESET button line – short circuit</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – przerwa</source>
        <translation>BZ7x RESET button line – open circuit</translation>
    </message>
    <message>
        <source>BZ7x przycisk KASOWANIE – brak lub uszkodzenie</source>
        <translation>BZ7x RESET button – missing or faulty</translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1  – zwarcie </source>
        <translation>Limit switch KR1 – short circuit </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1 – przerwa </source>
        <translation>Limit switch KR1 – open circuit </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2  – zwarcie </source>
        <translation>Limit switch KR2 – short circuit </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2 – przerwa </source>
        <translation>Limit switch KR2 – open circuit </translation>
    </message>
    <message>
        <source>Wyjście główne – brak ciągłości zasilania</source>
        <translation>Main output – no supply continuity</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja</source>
        <translation>Main output – wrong position</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR1</source>
        <translation>Main output – wrong position KR1</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR2</source>
        <translation>Main output – wrong position KR2</translation>
    </message>
    <message>
        <source>Wyjście główne – bezpiecznik</source>
        <translation>Main output – fuse</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania OTWÓRZ – zwarcie</source>
        <translation>Ventilation button OPEN – short circuit</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania ZAMKNIJ – zwarcie</source>
        <translation>Ventilation button CLOSE – short circuit</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – checksum error</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Software version</translation>
    </message>
</context>
<context>
    <name>LinkHealthWidget</name>
    <message>
        <source>&lt;b&gt;Stan łącza z centralą&lt;/b&gt;&lt;br&gt;Kolor: szary – brak otwartego portu; czerwony – port otwarty, ale centrala nie odpowiada dłużej niż 2 s; zielony – centrala odpowiada (podany jest wiek ostatniej odpowiedzi).&lt;br&gt;&lt;b&gt;Powtórzenia&lt;/b&gt;: ramki wysłane ponownie, bo odpowiedź nie przyszła w 2 s.&lt;br&gt;&lt;b&gt;Utracone&lt;/b&gt;: zapytania porzucone po trzeciej próbie bez odpowiedzi.&lt;br&gt;&lt;b&gt;CRC&lt;/b&gt;: odebrane ramki odrzucone z powodu błędnej sumy kontrolnej.&lt;br&gt;Liczniki są zerowane przy każdym połączeniu.</source>
        <translation>&lt;b&gt;State of the link to the unit&lt;/b&gt;&lt;br&gt;Colour: grey – no port open; red – port open but the unit has not answered for more than 2 s; green – the unit answers (the age of its last answer is shown).&lt;br&gt;&lt;b&gt;Repeats&lt;/b&gt;: frames sent again because no answer came within 2 s.&lt;br&gt;&lt;b&gt;Lost&lt;/b&gt;: requests given up after the third attempt without an answer.&lt;br&gt;&lt;b&gt;CRC&lt;/b&gt;: received frames rejected for a wrong checksum.&lt;br&gt;The counters are reset on every connection.</translation>
    </message>
    <message>
        <source>Brak portu</source>
        <translation>No port</translation>
    </message>
    <message>
        <source>Port otwarty, oczekiwanie na centralę</source>
        <translation>Port open, waiting for the unit</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada</source>
        <translation>The unit is not answering</translation>
    </message>
    <message>
        <source>Centrala odpowiada (%1 s temu)</source>
        <translation>The unit answers (%1 s ago)</translation>
    </message>
    <message>
        <source> · powtórzenia: %1 · utracone: %2 · CRC: %3</source>
        <translation> · repeats: %1 · lost: %2 · CRC: %3</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>Monitor łącza</source>
        <translation>Link monitor</translation>
    </message>
    <message>
        <source>Wstrzymaj</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Wstrzymuje zapis ramek, aby można je było spokojnie przeczytać</source>
        <translation>Stops recording frames so that they can be read at leisure</translation>
    </message>
    <message>
        <source>Wyczyść</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Kopiuj</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Kopiuje zaznaczone ramki (bez zaznaczenia: wszystkie) do schowka</source>
        <translation>Copies the selected frames (all of them when none is selected) to the clipboard</translation>
    </message>
</context>
<context>
    <name>LocalArchive</name>
    <message>
        <source>Treść nie zgadza się z sumą kontrolną rekordu</source>
        <translation>The content does not match the record&apos;s checksum</translation>
    </message>
    <message>
        <source>Rekord jest większy niż 8 MiB</source>
        <translation>The record is larger than 8 MiB</translation>
    </message>
    <message>
        <source>Niedozwolona nazwa rekordu</source>
        <translation>Record name not allowed</translation>
    </message>
    <message>
        <source>Treść nie jest poprawnym dokumentem JSON (%1)</source>
        <translation>The content is not a valid JSON document (%1)</translation>
    </message>
    <message>
        <source>Nieznane pole „%1”</source>
        <translation>Unknown field “%1”</translation>
    </message>
    <message>
        <source>Niedozwolona wartość pola „%1”</source>
        <translation>Value of the field “%1” not allowed</translation>
    </message>
    <message>
        <source>Brak wymaganego pola „%1”</source>
        <translation>The required field “%1” is missing</translation>
    </message>
    <message>
        <source>Pole „%1” nie wskazuje rekordu archiwum właściwego rodzaju</source>
        <translation>The field “%1” does not name an archive record of the right kind</translation>
    </message>
    <message>
        <source>Czeka na rekord archiwum %1, do którego się odwołuje</source>
        <translation>Waits for the archive record %1 it refers to</translation>
    </message>
    <message>
        <source>Lokalna baza nie przyjęła rekordu: %1</source>
        <translation>The local database did not accept the record: %1</translation>
    </message>
    <message>
        <source>Rekord nie jest usunięty w tej bazie.</source>
        <translation>The record is not deleted in this database.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Konfiguracja</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Zdarzenia</source>
        <translation>Events</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>Wersje oprogramowania</source>
        <translation>Software versions</translation>
    </message>
    <message>
        <source>Data i czas</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Serwis</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Ostrel Configurator</translation>
    </message>
    <message>
        <source>&amp;Połącz</source>
        <comment>Connect</comment>
        <translation>&amp;Connect</translation>
    </message>
    <message>
        <source>Connect over USB</source>
        <translation>Connect over USB</translation>
    </message>
    <message>
        <source>&amp;Rozłącz</source>
        <comment>Disconnect</comment>
        <translation>&amp;Disconnect</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>&amp;O programie</source>
        <comment>About</comment>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Wyświetla informacje o programie</source>
        <comment>About programm</comment>
        <translation>Shows information about the program</translation>
    </message>
    <message>
        <source>&amp;Widok</source>
        <comment>View</comment>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Parametry wyświetlania</source>
        <comment>Window view settings</comment>
        <translation>Display settings</translation>
    </message>
    <message>
        <source>&amp;Połączenie</source>
        <translation>&amp;Connection</translation>
    </message>
    <message>
        <source>&amp;Ustawienia</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Połączenie</source>
        <comment>Connection</comment>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Czas komputera</source>
        <translation>PC time</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>Port komunikacyjny</comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Wybierz port:</source>
        <translation>Choose the port:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Port nie został otwarty: %1</source>
        <translation>The port could not be opened: %1</translation>
    </message>
    <message>
        <source>O programie konfigurator Ostrel</source>
        <translation>About Ostrel Configurator</translation>
    </message>
    <message>
        <source>Wersja programu %1 
SHA %2 
DATA %3 %4</source>
        <translation>Program version %1 
SHA %2 
DATE %3 %4</translation>
    </message>
    <message>
        <source>Monitor łącza</source>
        <translation>Link monitor</translation>
    </message>
    <message>
        <source>Pokazuje ramki wymieniane z centralą</source>
        <translation>Shows the frames exchanged with the unit</translation>
    </message>
    <message>
        <source>Przeglądy</source>
        <translation>Service visits</translation>
    </message>
    <message>
        <source>&amp;Przegląd</source>
        <comment>Service visit</comment>
        <translation>Service v&amp;isit</translation>
    </message>
    <message>
        <source>Rozpoczyna przegląd centrali</source>
        <translation>Starts a service visit to the control unit</translation>
    </message>
    <message>
        <source>Gotowy</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Port szeregowy (np. COM3) albo adres serwera portu szeregowego w sieci: host:port, tcp://host:port lub [adres IPv6]:port.&lt;br&gt;Serwer portu musi pracować w trybie raw TCP z ustawieniami 19200 bodów, 8N1.&lt;br&gt;Połączenie raw TCP nie ma uwierzytelniania: używaj go tylko w sieci VPN albo przez tunel SSH.</source>
        <translation>Serial port (e.g. COM3) or the network address of a serial device server: host:port, tcp://host:port or [IPv6 address]:port.&lt;br&gt;The device server must work in raw TCP mode at 19200 baud, 8N1.&lt;br&gt;A raw TCP connection has no authentication: use it only within a VPN or through an SSH tunnel.</translation>
    </message>
    <message>
        <source>Połączenie sieciowe</source>
        <translation>Network connection</translation>
    </message>
    <message>
        <source>Łączenie z %1…</source>
        <translation>Connecting to %1…</translation>
    </message>
    <message>
        <source>Trwa odczyt z centrali. Zamknięcie programu przerwie go i nic z tego odczytu nie zostanie zapisane.

Zamknąć program?</source>
        <translation>A read from the unit is running. Closing the program ends it, and nothing of that read is stored.

Close the program?</translation>
    </message>
</context>
<context>
    <name>Modul</name>
    <message>
        <source>Moduł: </source>
        <translation>Module: </translation>
    </message>
    <message>
        <source> ,nr </source>
        <translation> ,no. </translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>USUNIĘTE</source>
        <translation>CLEARED</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Short circuit of signalling line output 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Short circuit of signalling line output 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Short circuit of signalling line output 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Short circuit of signalling line output 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Open circuit of signalling line output 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Open circuit of signalling line output 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Open circuit of signalling line output 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Open circuit of signalling line output 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Overload of signalling line output 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Overload of signalling line output 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Overload of signalling line output 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Overload of signalling line output 4 (LS4) </translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Fuse number 2 fault</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Fuse number 3 fault</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Fuse number 4 fault</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza nr. 2</source>
        <translation>General fault of power supply no. 2</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2</source>
        <translation>No communication with Ostrel power supply no. 2</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>No communication over the Modbus protocol</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Short circuit of control line input 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Short circuit of control line input 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Open circuit of control line input 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Open circuit of control line input 2 (LK2)</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>System start / reset</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Event log cleared</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>New configuration written</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>New date and time written</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>PU fault relay activated</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika bezpotencjałowego PK</source>
        <translation>PK potential-free relay activated</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Signalling line LS1 activated</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Signalling line LS2 activated</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Signalling line LS3 activated</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Signalling line LS4 activated</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Event log read</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Faults read</translation>
    </message>
</context>
<context>
    <name>PSB</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Module declared</translation>
    </message>
    <message>
        <source>Pojemność Akumulatorów</source>
        <translation>Battery capacity</translation>
    </message>
    <message>
        <source>Przekaźnik PU - tryb pracy</source>
        <translation>PU relay - operating mode</translation>
    </message>
    <message>
        <source>Przekaźnik PK - tryb pracy</source>
        <translation>PK relay - operating mode</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kryterium wysterowania</source>
        <translation>PK relay - activation criterion</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T1 - czas opóźnienia wysterowania</source>
        <translation>PK relay - T1 - activation delay</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T2 - czas wysterowania</source>
        <translation>PK relay - T2 - activation time</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T3 - czas przerwy wysterowania</source>
        <translation>PK relay - T3 - activation pause time</translation>
    </message>
    <message>
        <source>Przekaźnik PK - liczba impulsów</source>
        <translation>PK relay - number of pulses</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kontrola ciągłości</source>
        <translation>PK relay - continuity monitoring</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 - tryb pracy</source>
        <translation>Control line LK1 - operating mode</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 - tryb pracy</source>
        <translation>Control line LK2 - operating mode</translation>
    </message>
    <message>
        <source>Złącze RS232 - tryb pracy</source>
        <translation>RS232 port - operating mode</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - prędkość transmisji</source>
        <translation>RS232 port - Modbus protocol - baud rate</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - adres</source>
        <translation>RS232 port - Modbus protocol - address</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - Time Out</source>
        <translation>RS232 port - Modbus protocol - Time Out</translation>
    </message>
    <message>
        <source>Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave</source>
        <translation>RS232 port - Communication with Ostrel no. 2 - Master/Slave</translation>
    </message>
    <message>
        <source>PSB</source>
        <translation>PSB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Main Control Module</translation>
    </message>
    <message>
        <source>Brak napięcia sieciowego 230V</source>
        <translation>No 230V mains voltage</translation>
    </message>
    <message>
        <source>Niskie napięcie akumulatora (poniżej 22 V)</source>
        <translation>Low battery voltage (below 22 V)</translation>
    </message>
    <message>
        <source>Akumulator został odłączony (napięcie akumulatora poniżej 19 V)</source>
        <translation>Battery disconnected (battery voltage below 19 V)</translation>
    </message>
    <message>
        <source>Brak podłączonych akumulatorów</source>
        <translation>No batteries connected</translation>
    </message>
    <message>
        <source>Wysoka rezystancja toru akumulatora (Uszkodzone akumulatory)</source>
        <translation>High battery circuit resistance (Faulty batteries)</translation>
    </message>
    <message>
        <source>Zadziałanie kontroli doziemienia</source>
        <translation>Earth fault detected</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowarki akumulatorów</source>
        <translation>Battery charger fault</translation>
    </message>
    <message>
        <source>Wysoka temperatura wewnątrz Ostrel (powyżej 40 st. C)</source>
        <translation>High temperature inside Ostrel (above 40 deg. C)</translation>
    </message>
    <message>
        <source>Brak podłączonej sondy temperaturowej</source>
        <translation>No temperature probe connected</translation>
    </message>
    <message>
        <source>Rozwarty obwód przekaźnika konfigurowalnego PK</source>
        <translation>Open circuit of the PK configurable relay</translation>
    </message>
    <message>
        <source>Uszkodzenie pamięci flash mikrokontrolera</source>
        <translation>Microcontroller flash memory fault</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 1</source>
        <translation>Fuse number 1 fault</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Fuse number 2 fault</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Fuse number 3 fault</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Fuse number 4 fault</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza Ostrel nr. 2 (slave)</source>
        <translation>General fault of Ostrel power supply no. 2 (slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2 (slave)</source>
        <translation>No communication with Ostrel power supply no. 2 (slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>No communication over the Modbus protocol</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Short circuit of control line input 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Short circuit of control line input 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Open circuit of control line input 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Open circuit of control line input 2 (LK2)</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne z systemu Tarven B</source>
        <translation>General fault from the Tarven B system</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>System start / reset</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Event log cleared</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>New configuration written</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>New date and time written</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>PU fault relay activated</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika konfigurowalnego PK</source>
        <translation>PK configurable relay activated</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Signalling line LS1 activated</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Signalling line LS2 activated</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Signalling line LS3 activated</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Signalling line LS4 activated</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Event log read</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Faults read</translation>
    </message>
</context>
<context>
    <name>PSL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Module declared</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - tryb pracy</source>
        <translation>Signalling line LS%1 - operating mode</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kryterium wysterowania</source>
        <translation>Signalling line LS%1 - activation criterion</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Signalling line LS%1 - T1 - activation delay</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T2 - czas wysterowania</source>
        <translation>Signalling line LS%1 - T2 - activation time</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T3 - czas przerwy wysterowania</source>
        <translation>Signalling line LS%1 - T3 - activation pause time</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - liczba impulsów</source>
        <translation>Signalling line LS%1 - number of pulses</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kontrola ciągłości</source>
        <translation>Signalling line LS%1 - continuity monitoring</translation>
    </message>
    <message>
        <source>PSL</source>
        <translation>PSL</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Additional Relays Module</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Short circuit of signalling line output 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Short circuit of signalling line output 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Short circuit of signalling line output 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Short circuit of signalling line output 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Open circuit of signalling line output 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Open circuit of signalling line output 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Open circuit of signalling line output 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Open circuit of signalling line output 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Overload of signalling line output 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Overload of signalling line output 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Overload of signalling line output 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Overload of signalling line output 4 (LS4) </translation>
    </message>
</context>
<context>
    <name>PSR</name>
    <message>
        <source>Deklaracja modułu - modułu PSR nie trzeba konfigurować</source>
        <translation>Module declared - the PSR module needs no configuration</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Module active / inactive</translation>
    </message>
    <message>
        <source>PSR</source>
        <translation>PSR</translation>
    </message>
    <message>
        <source>Moduł Zasilania Redundantnego</source>
        <translation>Redundant Power Module</translation>
    </message>
    <message>
        <source>Brak łączności z dodatkowym PSB</source>
        <translation>No communication with the additional PSB</translation>
    </message>
</context>
<context>
    <name>PSV</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Module declared</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Module active/inactive</translation>
    </message>
    <message>
        <source>PSV</source>
        <translation>PSV</translation>
    </message>
    <message>
        <source>Moduł Zasilania Uniwersalnego</source>
        <translation>Universal Power Module</translation>
    </message>
    <message>
        <source>Zasilacz lub brak 230V</source>
        <translation>Power supply or no 230V</translation>
    </message>
    <message>
        <source>Niskie napiecie baterii akumulatorów</source>
        <translation>Low battery voltage</translation>
    </message>
    <message>
        <source>Zwarcie wejscia baterii akumulatorów</source>
        <translation>Short circuit of the battery input</translation>
    </message>
    <message>
        <source>Brak baterii akumulatorów</source>
        <translation>No batteries</translation>
    </message>
    <message>
        <source>Doziemienie</source>
        <translation>Earth fault</translation>
    </message>
    <message>
        <source>Wysoka rezystancja baterii akumulatorów</source>
        <translation>High battery resistance</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowania</source>
        <translation>Charging fault</translation>
    </message>
    <message>
        <source>24 V zewnętrzne (bezpiecznik)</source>
        <translation>External 24 V (fuse)</translation>
    </message>
    <message>
        <source>Sterowanie zasilacza</source>
        <translation>Power supply control</translation>
    </message>
    <message>
        <source>Wysoka temperatura</source>
        <translation>High temperature</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – checksum error</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Software version</translation>
    </message>
</context>
<context>
    <name>Pamietnik</name>
    <message>
        <source>Zdarzenia Ostrel: %1</source>
        <translation>Ostrel events: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Event</translation>
    </message>
</context>
<context>
    <name>ProtocolCheckDialog</name>
    <message>
        <source>Sprawdź protokół</source>
        <translation>Check a report</translation>
    </message>
    <message>
        <source>Wskaż plik PDF protokołu albo wpisz skrót SHA-256 z jego stopki. Program poda, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</source>
        <translation>Choose a report&apos;s PDF file or type the SHA-256 digest from its footer. The program tells which visit the report belongs to and whether it matches the one stored at the close.</translation>
    </message>
    <message>
        <source>Sprawdź plik PDF…</source>
        <translation>Check a PDF file…</translation>
    </message>
    <message>
        <source>skrót SHA-256 (64 znaki)</source>
        <translation>SHA-256 digest (64 characters)</translation>
    </message>
    <message>
        <source>Sprawdź skrót</source>
        <translation>Check digest</translation>
    </message>
    <message>
        <source>Pliki PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>Sprawdzanie pliku…</source>
        <translation>Checking the file…</translation>
    </message>
</context>
<context>
    <name>ProtocolFile</name>
    <message>
        <source>protokół %1 (identyfikator %2), obiekt „%3”, centrala „%4”, przegląd zamknięty %5</source>
        <translation>report %1 (id %2), site “%3”, panel “%4”, visit closed %5</translation>
    </message>
    <message>
        <source>Uwaga: ten protokół zastąpiono protokołem korygującym %1.</source>
        <translation>Note: this report was replaced by the correcting report %1.</translation>
    </message>
</context>
<context>
    <name>ProtocolPrint</name>
    <message>
        <source>Podgląd protokołu</source>
        <translation>Report preview</translation>
    </message>
    <message>
        <source>Protokół ma około %1 stron: podgląd zablokowałby program na długo.

Zapisać go do pliku PDF?</source>
        <translation>The report has about %1 pages: a preview would block the program for long.

Save it to a PDF file?</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>File %1 could not be saved.</translation>
    </message>
    <message>
        <source>To nie jest skrót SHA-256: skrót ma 64 znaki 0-9 i a-f, tak jak w stopce protokołu.</source>
        <translation>This is no SHA-256 digest: a digest has 64 characters 0-9 and a-f, as in the report&apos;s footer.</translation>
    </message>
    <message>
        <source>Żaden zamknięty przegląd w tej bazie nie ma protokołu o tym skrócie.</source>
        <translation>No closed visit in this database has a report with this digest.</translation>
    </message>
    <message>
        <source>Skrót zgodny.</source>
        <translation>Digest matches.</translation>
    </message>
    <message>
        <source>To %1.</source>
        <translation>It is %1.</translation>
    </message>
    <message>
        <source>Skrót potwierdza protokół, nie treść papierowej kopii: porównaj ją z podglądem protokołu albo sprawdź plik PDF.</source>
        <translation>The digest confirms the report, not the content of a paper copy: compare it with the report preview or check the PDF file.</translation>
    </message>
    <message>
        <source>Nie udało się odczytać pliku PDF %1.</source>
        <translation>The PDF file %1 could not be read.</translation>
    </message>
    <message>
        <source>Plik nie ma skrótu protokołu: nie jest to protokół zamkniętego przeglądu wydany przez program (projekt otwartego przeglądu nie ma skrótu).</source>
        <translation>The file carries no report digest: it is no report of a closed visit issued by the program (the draft of an open visit has no digest).</translation>
    </message>
    <message>
        <source>Plik podaje skrót %1, którego nie ma żaden zamknięty przegląd w tej bazie.</source>
        <translation>The file names digest %1, which no closed visit in this database has.</translation>
    </message>
    <message>
        <source>Plik zgodny.</source>
        <translation>File matches.</translation>
    </message>
    <message>
        <source>To %1, taki jak zapisany przy zamknięciu przeglądu.</source>
        <translation>It is %1, as stored at the close of the visit.</translation>
    </message>
    <message>
        <source>Plik NIEZGODNY.</source>
        <translation>File does NOT match.</translation>
    </message>
    <message>
        <source>Podaje się za %1, ale jego treść różni się od protokołu zapisanego przy zamknięciu: plik zmieniono (albo wydrukowano go inną wersją programu). Nie jest to wiarygodna kopia.</source>
        <translation>It claims to be %1, but its content differs from the report stored at the close: the file was changed (or written by another version of the program). It is no trustworthy copy.</translation>
    </message>
</context>
<context>
    <name>RLA</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Module declared</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Module active / inactive</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>PK%1 relay - operating mode</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>PK%1 relay - activation criterion</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>PK%1 relay - T1 - activation delay</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>PK%1 relay - T2 - activation time</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>PK%1 relay - T3 - activation pause time</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>PK%1 relay - number of pulses</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kontrola ciągłości</source>
        <translation>PK%1 relay - continuity monitoring</translation>
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
        <translation>Relay inactive
Steady activation, activation may be delayed – time T1
Timed activation, times T1 and T2
Pulsed – cyclic activation: times T1, T2 and T3
Pulsed – counted activation: times T1, T2 and T3 
and the number of control pulses n 
Reset pulse lasting T2 with activation
delay TKA (for PK1 activation criterion: 1 - Alarm - Halvo general)
(fig. 6.7.5)
Rain/wind (DW) signal repeater for cascaded 
Halvo B units - one shared weather sensor
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
        <translation>0 – None. Relay inactive
1 – Alarm - Halvo general.
 Any alarm in Halvo, also from the Tarven A/B system
2 – Alarm - external input.
 Alarm from an external system, e.g. Vardel
3 – Alarm – Tarven A/B system.
 Command from the master Tarven A/B system
4 – Alarm - LNM zone sum.
 At least 1 LNM zone in alarm – see items 22-29
5 – Alarm - LNM zone product.
 At least 2 LNM zones in alarm – see items 22-29
6 – Alarm - external input and/or LNM zone sum.
 External alarm and/or at least 
1 LNM zone in alarm – see items 22-29
7 – Alarm - external input 
and/or LNM zone product
. External alarm and/or at least 
2 LNM zones in alarm – see items 22-29
8 – Alarm - Tarven A/B system 
and/or LNM zone sum.
 Command from the Tarven system and/or at least 
1 LNM zone in alarm – see items 22-29
9 – Alarm - Tarven A/B system 
and/or LNM zone product.
 Command from the Tarven system and/or at least 
2 LNM zones in alarm – see items 22-29
10 – Ventilation active– see items 22-29
</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania (rys 6.7.1)</source>
        <translation>Activation delay (fig 6.7.1)</translation>
    </message>
    <message>
        <source>Czas wysterowania PK1 (rys 6.7.1)</source>
        <translation>PK1 activation time (fig 6.7.1)</translation>
    </message>
    <message>
        <source>Czas przerwy wysterowania (rys 6.7.1)</source>
        <translation>Activation pause time (fig 6.7.1)</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Number of pulses</translation>
    </message>
    <message>
        <source>Kontrola ciągłości obwodu wyjściowego przekaźnika</source>
        <translation>Continuity monitoring of the relay output circuit</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>under development</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Activation delay</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Activation time</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Control line LK%1 - operating mode</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - Czas Tk%1</source>
        <translation>Control line LK%1 - Time Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Operation confirmation time in mode 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - LNM zone no. %2</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO 4 – zadziałanie krańcówki </source>
        <translation>0 – NO 1 – General al. 2 – LDK alarm 3 – RPO alarm 4 – limit switch operated </translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - czas TKA</source>
        <translation>PK%1 relay - TKA time</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Switch-off delay after reset</translation>
    </message>
    <message>
        <source>RLA</source>
        <translation>RLA</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Additional Relays Module</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- zwarcie</source>
        <translation>Control line LK1- short circuit</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- przerwa</source>
        <translation>Control line LK1- open circuit</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2- zwarcie</source>
        <translation>Control line LK2- short circuit</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2– przerwa</source>
        <translation>Control line LK2– open circuit</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 – brak ciągłości</source>
        <translation>PK1 relay – no continuity</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 – brak ciągłości</source>
        <translation>PK2 relay – no continuity</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 1 – zwarcie w trybie 4 i 5</source>
        <translation>Control line no. 1 – short circuit in modes 4 and 5</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 2 – zwarcie w trybie 4 i 5</source>
        <translation>Control line no. 2 – short circuit in modes 4 and 5</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – checksum error</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Software version</translation>
    </message>
</context>
<context>
    <name>RLH</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Module declared</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Module active/inactive</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>PK%1 relay - operating mode</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>PK%1 relay - activation criterion</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>PK%1 relay - T1 - activation delay</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Activation delay</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>PK%1 relay - T2 - activation time</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Activation time</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>PK%1 relay - T3 - activation pause time</translation>
    </message>
    <message>
        <source>Czas przerwy</source>
        <translation>Pause time</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>PK%1 relay - number of pulses</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Number of pulses</translation>
    </message>
    <message>
        <source>....</source>
        <translation>....</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>under development</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu ..</source>
        <translation>under development ..</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Control line LK%1 - operating mode</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - czas Tk%1</source>
        <translation>Control line LK%1 - time Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Operation confirmation time in mode 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - LNM zone no. %2</translation>
    </message>
    <message>
        <source>Al. ogólny LNM 6 – alarm z czujki (LDK) lub RPO</source>
        <translation>General al. LNM 6 – alarm from a detector (LDK) or RPO</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TKA</source>
        <translation>PK1 relay - TKA time</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Switch-off delay after reset</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TKA</source>
        <translation>PK2 relay - TKA time</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TP[minuty]</source>
        <translation>PK1 relay - TP time[minutes]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK1 [minuty]</source>
        <translation>Time after which PK1 closes automatically [minutes]</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TP[minuty]</source>
        <translation>PK2 relay - TP time[minutes]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK2 [minuty]</source>
        <translation>Time after which PK2 closes automatically [minutes]</translation>
    </message>
    <message>
        <source>RLH</source>
        <translation>RLH</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Wysokonapięciowych</source>
        <translation>High-Voltage Relays Module</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – zwarcie</source>
        <translation>Control line LK1 – short circuit</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – przerwa</source>
        <translation>Control line LK1 – open circuit</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – zwarcie</source>
        <translation>Control line LK2 – short circuit</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – przerwa</source>
        <translation>Control line LK2 – open circuit</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – checksum error</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Software version</translation>
    </message>
</context>
<context>
    <name>RecordCsv</name>
    <message>
        <source>Lp</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Kod</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Usunięte</source>
        <translation>Removed</translation>
    </message>
    <message>
        <source>Uszkodzenie</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>CRC checksum</translation>
    </message>
</context>
<context>
    <name>RecordManagement</name>
    <message>
        <source>Eksport CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Zapisz jako plik CSV dla arkusza kalkulacyjnego</source>
        <translation>Save as a CSV file for a spreadsheet</translation>
    </message>
    <message>
        <source>Filtr w zakładce pokazuje %1 z %2 wierszy.</source>
        <translation>The tab&apos;s filter shows %1 of %2 rows.</translation>
    </message>
    <message>
        <source>Całość</source>
        <translation>Whole register</translation>
    </message>
    <message>
        <source>tylko widoczne wiersze</source>
        <translation>visible rows only</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</source>
        <translation>A read from the unit is already running; wait for it to end.</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Eksport PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Przygotowanie wydruku...</source>
        <translation>Preparing the printout...</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Raport ma około %1 stron: podgląd tak długiego raportu zablokowałby program na długo.

Zapisać raport do pliku PDF? Plik można potem wydrukować w całości lub w części.</source>
        <translation>The report has about %1 pages: previewing such a long report would block the program for a long time.

Save the report as a PDF file? The file can then be printed in full or in part.</translation>
    </message>
    <message>
        <source>strona %1 z %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>Wydruk</source>
        <translation>Printout</translation>
    </message>
    <message>
        <source>Nie udało się wydrukować raportu:
%1</source>
        <translation>The report could not be printed:
%1</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku PDF %1:
%2</source>
        <translation>The PDF file %1 could not be saved:
%2</translation>
    </message>
    <message>
        <source>Raport ma %1 stron; wybrany zakres jest poza nim.</source>
        <translation>The report has %1 pages; the chosen range lies beyond them.</translation>
    </message>
    <message>
        <source>Nie można rozpocząć wydruku.</source>
        <translation>The printout cannot be started.</translation>
    </message>
    <message>
        <source>Raport jest za długi, by go wydrukować w całości.</source>
        <translation>The report is too long to be printed in full.</translation>
    </message>
    <message>
        <source>Tabeli raportu nie udało się podzielić na strony.</source>
        <translation>The report&apos;s table could not be divided into pages.</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1:
%2</source>
        <translation>Could not write the file %1:
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
        <translation>Module declared</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Module active / inactive</translation>
    </message>
    <message>
        <source>Automatyczne ponawianie włączenia urządzeń alarmowych</source>
        <translation>Automatic re-activation of alarm devices</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T1</source>
        <translation>Zone %1 - Stage 2 alarm delay - T1</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T2</source>
        <translation>Zone %1 - Stage 2 alarm delay - T2</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas ewakuacji Tewak.</source>
        <translation>Zone %1 - Evacuation time Tewak.</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas blokowania kasowania alarmu</source>
        <translation>Zone %1 - Alarm reset blocking time</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1</source>
        <translation>Zone %1 - Release indication from the signal in zone %1</translation>
    </message>
    <message>
        <source>Strefa %1 - Wyładowanie do więcej niż 1 strefy</source>
        <translation>Zone %1 - Release into more than 1 zone</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1 </source>
        <translation>Zone %1 - Release indication from the signal in zone %1 </translation>
    </message>
    <message>
        <source>Strefa %1 - Wymagana liczba linii w stanie alarmowania - Grupa %2 koincydencji</source>
        <translation>Zone %1 - Required number of lines in alarm - Coincidence group %2</translation>
    </message>
    <message>
        <source>Strefa %1 - Linia Dozorowa - L1%3 należy do grupy %2</source>
        <translation>Zone %1 - Detection line - L1%3 belongs to group %2</translation>
    </message>
    <message>
        <source>SCA</source>
        <translation>SCA</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Main Control Module</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 1</source>
        <translation>no extinguishing agent flow - zone 1</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 1</source>
        <translation>no pressure or weight - zone 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 1</source>
        <translation>system fault - zone 1</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 1</source>
        <translation>supply fault - zone 1</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 2</source>
        <translation>no extinguishing agent flow - zone 2</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 2</source>
        <translation>no pressure or weight - zone 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 2</source>
        <translation>system fault - zone 2</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 2</source>
        <translation>supply fault - zone 2</translation>
    </message>
    <message>
        <source>za duża rezystancja wewnętrzna akumulatorów</source>
        <translation>battery internal resistance too high</translation>
    </message>
    <message>
        <source>brak baterii akumulatorów</source>
        <translation>no batteries</translation>
    </message>
    <message>
        <source>brak zasilania sieciowego 230V</source>
        <translation>no 230V mains supply</translation>
    </message>
    <message>
        <source>obnizenie napiecia akumulatorów</source>
        <translation>battery voltage low</translation>
    </message>
    <message>
        <source>doziemienie</source>
        <translation>earth fault</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B0-Can.A,</source>
        <translation>24V fault on bus B0-Can.A,</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B1-Can.B</source>
        <translation>24V fault on bus B1-Can.B</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr1</source>
        <translation>no supply after B=6,3A in SCBno1</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr2</source>
        <translation>no supply after B=6,3A in SCBno2</translation>
    </message>
    <message>
        <source>moduł nr 1 nie odpowiada</source>
        <translation>module no. 1 not responding</translation>
    </message>
    <message>
        <source>moduł nr 2 nie odpowiada</source>
        <translation>module no. 2 not responding</translation>
    </message>
    <message>
        <source>moduł nr 3 nie odpowiada</source>
        <translation>module no. 3 not responding</translation>
    </message>
    <message>
        <source>moduł nr 4 nie odpowiada</source>
        <translation>module no. 4 not responding</translation>
    </message>
    <message>
        <source>moduł nr 5 nie odpowiada</source>
        <translation>module no. 5 not responding</translation>
    </message>
    <message>
        <source>moduł nr 6 nie odpowiada</source>
        <translation>module no. 6 not responding</translation>
    </message>
    <message>
        <source>moduł nr 7 nie odpowiada</source>
        <translation>module no. 7 not responding</translation>
    </message>
    <message>
        <source>moduł nr 8 nie odpowiada</source>
        <translation>module no. 8 not responding</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 1</source>
        <translation>system fault of module no. 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 2</source>
        <translation>system fault of module no. 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 3</source>
        <translation>system fault of module no. 3</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 4</source>
        <translation>system fault of module no. 4</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 5</source>
        <translation>system fault of module no. 5</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 6</source>
        <translation>system fault of module no. 6</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 7</source>
        <translation>system fault of module no. 7</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 8</source>
        <translation>system fault of module no. 8</translation>
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
        <translation>L%1 - Zone number</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja Linii kontrolnej</source>
        <translation>L%1 - Control line declared</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Control line declared</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - Zone number</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja wyjścia/wejścia</source>
        <translation>L%1 - Output/input declared</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Funkcja wejścia</source>
        <translation>L%1 - Control line - Input function</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Stan</source>
        <translation>L%1 - Control line - State</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Ilość stanów</source>
        <translation>L%1 - Control line - Number of states</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie X</source>
        <translation>L%1 - Control line - Delay X</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie Y</source>
        <translation>L%1 - Control line - Delay Y</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Potential line - Output group</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Potential line - Criterion 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Potential line - Criterion 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Potential line - Logic</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Potential line - Output switch-on signal type</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Potential line - Operation delay Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Potential line - Switch-off delay Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Potential line - Pulse duration T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Potential line - Pause duration T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Potential line - Number of pulses N-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Wstępne kasowanie</source>
        <translation>L%1 - Detection line - Pre-reset</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Opóźnienie</source>
        <translation>L%1 - Detection line - Delay</translation>
    </message>
    <message>
        <source>SCB</source>
        <translation>SCB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Main Control Module</translation>
    </message>
    <message>
        <source>L%1 - przerwa</source>
        <translation>L%1 - open circuit</translation>
    </message>
    <message>
        <source>L%1 - zwarcie</source>
        <translation>L%1 - short circuit</translation>
    </message>
    <message>
        <source>L%1 - przeciążenie lub brak wysterowania</source>
        <translation>L%1 - overload or no activation</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L%1 - no active state X of ext. device</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L%1 - no active state Y of ext. device</translation>
    </message>
    <message>
        <source>L%1 - brak ciągłości obwodu styków PK %2</source>
        <translation>L%1 - no continuity of PK %2 contact circuit</translation>
    </message>
    <message>
        <source>L%1 - ---</source>
        <translation>L%1 - ---</translation>
    </message>
    <message>
        <source>L9 - brak stanu aktywnego Y</source>
        <translation>L9 - no active state Y</translation>
    </message>
    <message>
        <source>L12 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L12 - no active state Y of ext. device </translation>
    </message>
    <message>
        <source>L14 - brak stanu aktywnego Y urządz. zewn.  </source>
        <translation>L14 - no active state Y of ext. device  </translation>
    </message>
    <message>
        <source>L15 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L15 - no active state Y of ext. device </translation>
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
        <translation>Main Control Module</translation>
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
        <translation>L%1 - Zone number</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Control line declared</translation>
    </message>
    <message>
        <source>L%1 - Funkcja wejścia</source>
        <translation>L%1 - Input function</translation>
    </message>
    <message>
        <source>L%1 - Kryterium wysterowania</source>
        <translation>L%1 - Activation criterion</translation>
    </message>
    <message>
        <source>L%1 - Ilość stanów</source>
        <translation>L%1 - Number of states</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie X</source>
        <translation>L%1 - Delay X</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie Y</source>
        <translation>L%1 - Delay Y</translation>
    </message>
    <message>
        <source>SCD</source>
        <translation>SCD</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Main Control Module</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - no continuity of PK 1 contact circuit</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania PK 1</source>
        <translation>L1 - overload or no activation PK 1</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - no continuity of PK 2 contact circuit</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania PK 2</source>
        <translation>L2 - overload or no activation PK 2</translation>
    </message>
    <message>
        <source>L3 - przerwa LK 1</source>
        <translation>L3 - open circuit LK 1</translation>
    </message>
    <message>
        <source>L3 - zwarcie LK 1</source>
        <translation>L3 - short circuit LK 1</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L3 - no active state X of ext. device</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L3 - no active state Y of ext. device</translation>
    </message>
    <message>
        <source>L4 - przerwa LK 2</source>
        <translation>L4 - open circuit LK 2</translation>
    </message>
    <message>
        <source>L4 - zwarcie LK 2</source>
        <translation>L4 - short circuit LK 2</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L4 - no active state X of ext. device</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L4 - no active state Y of ext. device</translation>
    </message>
    <message>
        <source>L5 - przerwa</source>
        <translation>L5 - open circuit</translation>
    </message>
    <message>
        <source>L5 - zwarcie</source>
        <translation>L5 - short circuit</translation>
    </message>
    <message>
        <source>L5 - przeciążenie lub brak wysterowania</source>
        <translation>L5 - overload or no activation</translation>
    </message>
    <message>
        <source>L6 - przerwa</source>
        <translation>L6 - open circuit</translation>
    </message>
    <message>
        <source>L6 - zwarcie</source>
        <translation>L6 - short circuit</translation>
    </message>
    <message>
        <source>L6 - przeciążenie lub brak wysterowania</source>
        <translation>L6 - overload or no activation</translation>
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
        <translation>Main Control Module</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - no continuity of PK 1 contact circuit</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - overload or no activation</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - no continuity of PK 2 contact circuit</translation>
    </message>
    <message>
        <source>L3 - brak ciągłości obwodu styków PK 3</source>
        <translation>L3 - no continuity of PK 3 contact circuit</translation>
    </message>
    <message>
        <source>L4 - brak ciągłości obwodu styków PK 4</source>
        <translation>L4 - no continuity of PK 4 contact circuit</translation>
    </message>
    <message>
        <source>L2 - brak wysterowania</source>
        <translation>L2 - no activation</translation>
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
        <translation>Main Control Module</translation>
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
        <translation>Main Control Module</translation>
    </message>
    <message>
        <source>L1 - przerwa</source>
        <translation>L1 - open circuit</translation>
    </message>
    <message>
        <source>L1 - zwarcie</source>
        <translation>L1 - short circuit</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania</source>
        <translation>L1 - overload or no activation</translation>
    </message>
    <message>
        <source>L2 - przerwa</source>
        <translation>L2 - open circuit</translation>
    </message>
    <message>
        <source>L2 - zwarcie</source>
        <translation>L2 - short circuit</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - overload or no activation</translation>
    </message>
    <message>
        <source>L3 - przerwa</source>
        <translation>L3 - open circuit</translation>
    </message>
    <message>
        <source>L3 - zwarcie</source>
        <translation>L3 - short circuit</translation>
    </message>
    <message>
        <source>L3 - przeciążenie lub brak wysterowania</source>
        <translation>L3 - overload or no activation</translation>
    </message>
    <message>
        <source>L4 - przerwa</source>
        <translation>L4 - open circuit</translation>
    </message>
    <message>
        <source>L4 - zwarcie</source>
        <translation>L4 - short circuit</translation>
    </message>
    <message>
        <source>L4 - przeciążenie lub brak wysterowania</source>
        <translation>L4 - overload or no activation</translation>
    </message>
</context>
<context>
    <name>ServiceManagement</name>
    <message>
        <source>Serwis</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Funkcje serwisowe</source>
        <translation>Service functions</translation>
    </message>
    <message>
        <source>Wyczyść rejestr zdarzeń</source>
        <translation>Clear the event log</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Data sent successfully.</translation>
    </message>
    <message>
        <source>czyszczenie rejestru zdarzeń</source>
        <translation>clearing the event log</translation>
    </message>
    <message>
        <source>Nie wiadomo, czy centrala wykonała polecenie.</source>
        <translation>It is not known whether the unit carried out the command.</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń sprzed wyczyszczenia zapisano jako %1.</source>
        <translation>The event log from before clearing was saved as %1.</translation>
    </message>
    <message>
        <source>Odczytaj, zapisz i wyczyść</source>
        <translation>Read, save and clear</translation>
    </message>
    <message>
        <source>Wyczyść bez odczytu</source>
        <translation>Clear without reading</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń w centrali zostanie skasowany i nie da się go odtworzyć.

„Odczytaj, zapisz i wyczyść” najpierw odczytuje rejestr i zapisuje go w bazie danych; centrala jest czyszczona dopiero po zapisaniu.</source>
        <translation>The event log in the control unit will be erased and cannot be restored.

“Read, save and clear” first reads the log and saves it in the database; the control unit is cleared only after saving.</translation>
    </message>
    <message>
        <source>Rejestru zdarzeń nie odczytano, więc nie został wyczyszczony.</source>
        <translation>The event log was not read, so it was not cleared.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać rejestru zdarzeń w bazie danych. Rejestru w centrali nie wyczyszczono.</source>
        <translation>The event log could not be saved in the database. The log in the control unit was not cleared.</translation>
    </message>
    <message>
        <source>odczyt rejestru zdarzeń przed wyczyszczeniem</source>
        <translation>reading the event register before clearing it</translation>
    </message>
    <message>
        <source>sprawdzenie, czy centrala nie dopisała zdarzeń</source>
        <translation>checking that the unit has logged nothing new</translation>
    </message>
    <message>
        <source>Centrala dopisywała zdarzenia w trakcie każdego z %1 odczytów. Wszystkie odczyty zapisano (%2), ale rejestru w centrali nie wyczyszczono. Spróbuj ponownie za chwilę.</source>
        <translation>The unit kept logging events during each of the %1 reads. Every read was stored (%2), but the unit&apos;s register was not cleared. Try again in a moment.</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
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
        <translation>Range: %1 – %2</translation>
    </message>
    <message>
        <source>Zakres: pozycje listy od 0 do %1</source>
        <translation>Range: list entries 0 to %1</translation>
    </message>
</context>
<context>
    <name>SettingDelegate</name>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>SoftwareManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Read from the unit</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Usunięcie wersji oprogramowania</source>
        <translation>Delete software versions</translation>
    </message>
    <message>
        <source>Usunięcie wersji o nazwie: %1</source>
        <translation>Deleted the versions named: %1</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>CRC sum</translation>
    </message>
    <message>
        <source>Oprogramowanie Ostrel: %1</source>
        <translation>Ostrel software: %1</translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>No.</translation>
    </message>
    <message>
        <source>Suma</source>
        <translation>Checksum</translation>
    </message>
    <message>
        <source>odczyt wersji oprogramowania</source>
        <translation>reading the software versions</translation>
    </message>
    <message>
        <source>Czy usunąć wersje oprogramowania %1?</source>
        <translation>Delete software versions %1?</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Folder nie istnieje i nie można go utworzyć.</source>
        <translation>The folder does not exist and cannot be created.</translation>
    </message>
    <message>
        <source>W miejscu pliku %1 jest folder.</source>
        <translation>There is a folder where the file %1 should be.</translation>
    </message>
    <message>
        <source>Brak prawa zapisu w tym folderze. Folder programu (na przykład w Program Files) nie nadaje się na dane: uruchom program ze skrótu w menu Start albo z folderu, w którym można zapisywać.</source>
        <translation>No permission to write in this folder. The program&apos;s folder (for example under Program Files) is no place for data: start the program from its Start-menu shortcut or from a folder you can write to.</translation>
    </message>
    <message>
        <source>Plik %1 jest uszkodzony albo nie jest bazą danych programu.</source>
        <translation>The file %1 is damaged or is not the program&apos;s database.</translation>
    </message>
    <message>
        <source>Nie udało się utworzyć pliku %1. %2</source>
        <translation>Could not create the file %1. %2</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Ostrel Configurator</translation>
    </message>
    <message>
        <source>Nie można otworzyć bazy danych programu w folderze:
%1

%2

Program zostanie zamknięty.</source>
        <translation>Cannot open the program&apos;s database in the folder:
%1

%2

The program will close.</translation>
    </message>
</context>
<context>
    <name>TimeManagement</name>
    <message>
        <source>Data i czas</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Aktualna data i czas w centrali</source>
        <translation>Current date and time in the panel</translation>
    </message>
    <message>
        <source>Odczytaj datę i czas z centrali</source>
        <translation>Read the date and time from the panel</translation>
    </message>
    <message>
        <source>Automatyczna zmiana czasu LATO/ZIMA</source>
        <translation>Automatic SUMMER/WINTER time change</translation>
    </message>
    <message>
        <source>Moment pobrania czasu:</source>
        <translation>Time read at:</translation>
    </message>
    <message>
        <source>Ustaw datę i czas w centrali</source>
        <translation>Set the date and time in the panel</translation>
    </message>
    <message>
        <source>Wyślij podaną datę i czas do centrali</source>
        <translation>Send the entered date and time to the panel</translation>
    </message>
    <message>
        <source>Wyślij czas z komputer</source>
        <translation>Send the PC time</translation>
    </message>
    <message>
        <source>Nieprawidłowa data</source>
        <translation>Invalid date</translation>
    </message>
    <message>
        <source>odczyt lub ustawienie zegara</source>
        <translation>reading or setting the clock</translation>
    </message>
    <message>
        <source>włączona</source>
        <translation>on</translation>
    </message>
    <message>
        <source>wyłączona</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Centrala ma teraz datę i czas %1, automatyczna zmiana czasu LATO/ZIMA: %2.</source>
        <translation>The control unit now has date and time %1, automatic SUMMER/WINTER time change: %2.</translation>
    </message>
    <message>
        <source>bieżący czas komputera (teraz %1)</source>
        <translation>current PC time (now %1)</translation>
    </message>
    <message>
        <source>Ustawić w centrali datę i czas: %1, automatyczna zmiana czasu LATO/ZIMA: %2?</source>
        <translation>Set the date and time in the control unit to %1, automatic SUMMER/WINTER time change: %2?</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>Czas</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Kierunek</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Polecenie</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Długość</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Ramka</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>PC → centrala</source>
        <translation>PC → unit</translation>
    </message>
    <message>
        <source>centrala → PC</source>
        <translation>unit → PC</translation>
    </message>
    <message>
        <source>%1 (błędne CRC)</source>
        <translation>%1 (bad CRC)</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>Nic nie zostało zapisane.</source>
        <translation>Nothing has been stored.</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Przerywa tę operację; nic z niej nie zostanie zapisane</source>
        <translation>Stops this operation; nothing of it will be stored</translation>
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
        <translation>waiting for the answer…</translation>
    </message>
    <message>
        <source>część %1 z %2</source>
        <translation>part %1 of %2</translation>
    </message>
    <message>
        <source>wpisów: %1</source>
        <translation>entries: %1</translation>
    </message>
    <message>
        <source>pozostało ok. %1</source>
        <translation>about %1 left</translation>
    </message>
    <message>
        <source>Anulowano: %1. Nic nie zostało zapisane.</source>
        <translation>Cancelled: %1. Nothing has been stored.</translation>
    </message>
    <message>
        <source>Urządzenie nie odpowiada</source>
        <translation>The unit is not answering</translation>
    </message>
    <message>
        <source>Brak odpowiedzi na %1 po trzech próbach. Sprawdź kabel i zasilanie centrali.</source>
        <translation>No answer to %1 after three attempts. Check the cable and the power supply of the unit.</translation>
    </message>
    <message>
        <source>Połączenie z urządzeniem zostało przerwane (%1)</source>
        <translation>The connection to the unit was interrupted (%1)</translation>
    </message>
    <message>
        <source>Port został zamknięty.</source>
        <translation>The port was closed.</translation>
    </message>
    <message>
        <source>Przyczyna: %1.</source>
        <translation>Cause: %1.</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Ostrel Configurator</translation>
    </message>
    <message>
        <source>Nieoczekiwana odpowiedź urządzenia na %1</source>
        <translation>Unexpected answer from the unit to %1</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>WĘZEŁ</source>
        <translation>NODE</translation>
    </message>
    <message>
        <source>WARTOŚĆ</source>
        <translation>VALUE</translation>
    </message>
    <message>
        <source>OPIS</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>ACTIVE MODULE %1</source>
        <translation>ACTIVE MODULE %1</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Wartość %1 jest poza zakresem.</source>
        <translation>The value %1 is out of range.</translation>
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
        <translation>The port is open. Trying to reach the unit on port </translation>
    </message>
    <message>
        <source>Brak odpowiedzi na ramkę. Ponowna próba połączenia...</source>
        <translation>No answer to the frame. Trying again...</translation>
    </message>
    <message>
        <source>nie znaleziono urządzenia na tym porcie</source>
        <translation>no device found on this port</translation>
    </message>
    <message>
        <source>brak dostępu do portu (może używa go inny program)</source>
        <translation>no access to the port (another program may be using it)</translation>
    </message>
    <message>
        <source>port jest już otwarty przez inny program</source>
        <translation>the port is already open in another program</translation>
    </message>
    <message>
        <source>błąd parzystości na łączu</source>
        <translation>parity error on the line</translation>
    </message>
    <message>
        <source>błąd ramki na łączu (zakłócenia lub zła prędkość)</source>
        <translation>framing error on the line (interference or wrong speed)</translation>
    </message>
    <message>
        <source>przerwa w linii transmisyjnej</source>
        <translation>break on the transmission line</translation>
    </message>
    <message>
        <source>nie można wysłać danych do portu</source>
        <translation>cannot send data to the port</translation>
    </message>
    <message>
        <source>nie można odczytać danych z portu (kabel odłączony?)</source>
        <translation>cannot read data from the port (cable unplugged?)</translation>
    </message>
    <message>
        <source>port zniknął: kabel USB odłączony lub centrala wyłączona</source>
        <translation>the port is gone: USB cable unplugged or the unit switched off</translation>
    </message>
    <message>
        <source>port nie obsługuje tej operacji</source>
        <translation>the port does not support this operation</translation>
    </message>
    <message>
        <source>nieznany błąd portu</source>
        <translation>unknown port error</translation>
    </message>
    <message>
        <source>przekroczony czas operacji na porcie</source>
        <translation>port operation timed out</translation>
    </message>
    <message>
        <source>port nie jest otwarty</source>
        <translation>the port is not open</translation>
    </message>
    <message>
        <source>%1 odrzucił połączenie: serwer portu nie nasłuchuje na tym porcie albo obsługuje już innego klienta</source>
        <translation>%1 refused the connection: the device server is not listening on this port or is already serving another client</translation>
    </message>
    <message>
        <source>%1 nie odpowiada od 5 s: sprawdź adres, połączenie VPN i zaporę sieciową</source>
        <translation>%1 has not answered for 5 s: check the address, the VPN connection and the firewall</translation>
    </message>
    <message>
        <source>Nie znaleziono komputera %1: sprawdź nazwę lub adres</source>
        <translation>Host %1 not found: check the name or address</translation>
    </message>
    <message>
        <source>Serwer portu %1 zamknął połączenie (centrala odłączona od serwera lub serwer wyłączony)</source>
        <translation>Device server %1 closed the connection (control unit disconnected from the server or server switched off)</translation>
    </message>
    <message>
        <source>Błąd połączenia sieciowego z %1 (kod %2)</source>
        <translation>Network connection error with %1 (code %2)</translation>
    </message>
    <message>
        <source>Port zamknięty: %1</source>
        <translation>Port closed: %1</translation>
    </message>
    <message>
        <source>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</source>
        <translation>A read from the unit is already running; wait for it to end.</translation>
    </message>
    <message>
        <source>Centrala odpowiedziała poleceniem %1 zamiast %2.</source>
        <translation>The unit answered with command %1 instead of %2.</translation>
    </message>
</context>
<context>
    <name>Uszkodzenia</name>
    <message>
        <source>Uszkodzenia Ostrel: %1</source>
        <translation>Ostrel faults: %1</translation>
    </message>
</context>
<context>
    <name>VisitReport</name>
    <message>
        <source>brak</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Moduły centrali</source>
        <translation>Control unit modules</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Software version</translation>
    </message>
    <message>
        <source>nie odczytano</source>
        <translation>not read</translation>
    </message>
    <message>
        <source>Uszkodzenie</source>
        <translation>Fault</translation>
    </message>
    <message>
        <source>brak danych do porównania</source>
        <translation>no data to compare</translation>
    </message>
    <message>
        <source>bez zmian</source>
        <translation>unchanged</translation>
    </message>
    <message>
        <source>moduł usunięty</source>
        <translation>module removed</translation>
    </message>
    <message>
        <source>moduł dodany</source>
        <translation>module added</translation>
    </message>
    <message>
        <source>Ustawienie</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Przed</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>Po</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>Liczba</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń</source>
        <translation>Event log</translation>
    </message>
    <message>
        <source>Uszkodzenia aktywne według rejestru</source>
        <translation>Active faults according to the log</translation>
    </message>
    <message>
        <source>Lp</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Załącznik: pełny rejestr zdarzeń</source>
        <translation>Appendix: full event log</translation>
    </message>
    <message>
        <source>Sprawdzenie</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Sposób</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Requirement</translation>
    </message>
    <message>
        <source>Pomiar</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Akumulatory</source>
        <translation>Batteries</translation>
    </message>
    <message>
        <source>Okres eksploatacji akumulatorów w latach: %1.</source>
        <translation>Battery service life in years: %1.</translation>
    </message>
    <message>
        <source>Marka i typ</source>
        <translation>Make and type</translation>
    </message>
    <message>
        <source>Pojemność [Ah]</source>
        <translation>Capacity [Ah]</translation>
    </message>
    <message>
        <source>Kod daty</source>
        <translation>Date code</translation>
    </message>
    <message>
        <source>Montaż</source>
        <translation>Installed</translation>
    </message>
    <message>
        <source>Napięcie [V]</source>
        <translation>Voltage [V]</translation>
    </message>
    <message>
        <source>Rezystancja [mΩ]</source>
        <translation>Resistance [mΩ]</translation>
    </message>
    <message>
        <source>Wymiana do</source>
        <translation>Replace by</translation>
    </message>
    <message>
        <source>(termin minął)</source>
        <translation>(overdue)</translation>
    </message>
    <message>
        <source>(wymiana w ciągu 90 dni)</source>
        <translation>(replacement due within 90 days)</translation>
    </message>
    <message>
        <source>Autotest i kalibracja</source>
        <translation>Self-test and calibration</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Zakres</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>autotest</source>
        <translation>self-test</translation>
    </message>
    <message>
        <source>kalibracja</source>
        <translation>calibration</translation>
    </message>
    <message>
        <source>%1 s (czas centrali minus czas komputera)</source>
        <translation>%1 s (control unit time minus PC time)</translation>
    </message>
    <message>
        <source>Protokół serwisowy nr %1</source>
        <translation>Service report no. %1</translation>
    </message>
    <message>
        <source>Identyfikator</source>
        <translation>Identifier</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>Technik</source>
        <translation>Technician</translation>
    </message>
    <message>
        <source>Rodzaj wizyty</source>
        <translation>Visit type</translation>
    </message>
    <message>
        <source>Rozpoczęcie</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Zakończenie</source>
        <translation>End</translation>
    </message>
    <message>
        <source>wizyta otwarta</source>
        <translation>visit open</translation>
    </message>
    <message>
        <source>Obiekt i centrala</source>
        <translation>Site and control unit</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Właściciel / zarządca</source>
        <translation>Owner / manager</translation>
    </message>
    <message>
        <source>Osoba kontaktowa</source>
        <translation>Contact person</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telephone</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Control unit</translation>
    </message>
    <message>
        <source>Miejsce montażu</source>
        <translation>Installation location</translation>
    </message>
    <message>
        <source>Numer fabryczny</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Data instalacji</source>
        <translation>Installation date</translation>
    </message>
    <message>
        <source>Zegar centrali</source>
        <translation>Control unit clock</translation>
    </message>
    <message>
        <source>Odchyłka zegara</source>
        <translation>Clock drift</translation>
    </message>
    <message>
        <source>Zegar ustawiony</source>
        <translation>Clock set</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Uszkodzenia przy odjeździe</source>
        <translation>Faults on departure</translation>
    </message>
    <message>
        <source>Odczyt pominięto: %1</source>
        <translation>Reading skipped: %1</translation>
    </message>
    <message>
        <source>Zmiany konfiguracji podczas wizyty</source>
        <translation>Configuration changes during the visit</translation>
    </message>
    <message>
        <source>Zmiany konfiguracji od poprzedniej wizyty</source>
        <translation>Configuration changes since the previous visit</translation>
    </message>
    <message>
        <source>brak poprzedniej wizyty</source>
        <translation>no previous visit</translation>
    </message>
    <message>
        <source>Poprzednia wizyta: %1, %2.</source>
        <translation>Previous visit: %1, %2.</translation>
    </message>
    <message>
        <source>Wynik wizyty</source>
        <translation>Visit outcome</translation>
    </message>
    <message>
        <source>Ustalenia</source>
        <translation>Findings</translation>
    </message>
    <message>
        <source>Zalecenia</source>
        <translation>Recommendations</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Assessment</translation>
    </message>
    <message>
        <source>nie wystawiono</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Next inspection</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Moduł adresowy</source>
        <translation>Address module</translation>
    </message>
    <message>
        <source>Moduł przekaźników i linii</source>
        <translation>Relay and line module</translation>
    </message>
    <message>
        <source>Moduł wyjść potencjałowych</source>
        <translation>Potential output module</translation>
    </message>
    <message>
        <source>Moduł przekaźników</source>
        <translation>Relay module</translation>
    </message>
    <message>
        <source>Moduł sterowania liniami i przekaźnikami</source>
        <translation>Line and relay control module</translation>
    </message>
    <message>
        <source>Moduł sterowania gaszeniem</source>
        <translation>Extinguishing control module</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Faults</translation>
    </message>
    <message>
        <source>Stwierdzone przy przyjeździe i usunięte</source>
        <translation>Found on arrival and removed</translation>
    </message>
    <message>
        <source>bez odczytu przy odjeździe: stwierdzone przy przyjeździe</source>
        <translation>no reading on departure: found on arrival</translation>
    </message>
    <message>
        <source>Pozostające przy odjeździe</source>
        <translation>Remaining on departure</translation>
    </message>
    <message>
        <source>Usterki stwierdzone podczas sprawdzeń</source>
        <translation>Defects found by the checks</translation>
    </message>
    <message>
        <source>pozostałe (%1)</source>
        <translation>others (%1)</translation>
    </message>
    <message>
        <source>razem</source>
        <translation>total</translation>
    </message>
    <message>
        <source>Brak poprzedniej wizyty: zdarzenia od początku rejestru, %1 wpisów.</source>
        <translation>No previous visit: events since the start of the log, %1 entries.</translation>
    </message>
    <message>
        <source>Zdarzenia od poprzedniej wizyty %1 (rejestr był wtedy pusty): %2 z %3 wpisów.</source>
        <translation>Events since the previous visit %1 (the log was empty then): %2 of %3 entries.</translation>
    </message>
    <message>
        <source>Zdarzenia od poprzedniej wizyty %1, po wpisie nr %2 — ostatnim odczytanym przy tamtej wizycie: %3 z %4 wpisów.</source>
        <translation>Events since the previous visit %1, after entry no. %2 — the last one read at that visit: %3 of %4 entries.</translation>
    </message>
    <message>
        <source>Pominięto wpisy zapisane jeszcze w czasie tamtej wizyty (odczyt przy odjeździe, ustawienie zegara): %1.</source>
        <translation>Entries written still during that visit (the departure reading, the clock set) were left out: %1.</translation>
    </message>
    <message>
        <source>Rejestr wyczyszczony od poprzedniej wizyty %1: wpisu odczytanego przy tamtej wizycie już w nim nie ma. Liczone są wszystkie wpisy: %2.</source>
        <translation>Log cleared since the previous visit %1: the entry read at that visit is no longer in it. All entries are counted: %2.</translation>
    </message>
    <message>
        <source>Od poprzedniej wizyty %1 przybyło więcej wpisów, niż mieści rejestr: wpis odczytany przy tamtej wizycie został nadpisany. Liczone są wszystkie wpisy: %2.</source>
        <translation>Since the previous visit %1 more entries came than the log holds: the entry read at that visit was overwritten. All entries are counted: %2.</translation>
    </message>
    <message>
        <source>zegar ustawiono wtedy na czas komputera, przyjęto odchyłkę 0 s</source>
        <translation>the clock was then set to the PC&apos;s time, a drift of 0 s assumed</translation>
    </message>
    <message>
        <source>przyjęto odchyłkę zegara zmierzoną wtedy: %1 s</source>
        <translation>the clock drift measured then assumed: %1 s</translation>
    </message>
    <message>
        <source>odchyłki zegara wtedy nie zmierzono, przyjęto 0 s</source>
        <translation>the clock drift was not measured then, 0 s assumed</translation>
    </message>
    <message>
        <source>Poprzednia wizyta %1 nie odczytała rejestru, więc zdarzenia liczone są wg zegara centrali: wpisy późniejsze niż %2 (koniec tamtej wizyty; %3): %4 z %5 wpisów.</source>
        <translation>The previous visit %1 read no log, so events are counted by the panel&apos;s clock: entries later than %2 (the end of that visit; %3): %4 of %5 entries.</translation>
    </message>
    <message>
        <source>Rodzaj zdarzeń</source>
        <translation>Kind of events</translation>
    </message>
    <message>
        <source>Najwięcej wpisów według modułu</source>
        <translation>Most entries by module</translation>
    </message>
    <message>
        <source>Najczęstsze zdarzenia</source>
        <translation>Most frequent events</translation>
    </message>
    <message>
        <source>Rejestr odczytany przy tej wizycie: %1 wpisów, SHA-256 jego bajtów: %2.</source>
        <translation>Log read at this visit: %1 entries, SHA-256 of its bytes: %2.</translation>
    </message>
    <message>
        <source>nie sprawdzono</source>
        <translation>not checked</translation>
    </message>
    <message>
        <source>Zakres przeglądu i wyniki sprawdzeń</source>
        <translation>Scope of the visit and results of the checks</translation>
    </message>
    <message>
        <source>Sprawdzenia ogólne</source>
        <translation>General checks</translation>
    </message>
    <message>
        <source>Sprawdzenia modułów centrali</source>
        <translation>Checks of the panel&apos;s modules</translation>
    </message>
    <message>
        <source>Urządzenia w obiekcie (sprawdzone albo wyłączone z zakresu, z powodem w uwagach)</source>
        <translation>Field devices (checked, or excluded from the scope with the reason in the remarks)</translation>
    </message>
    <message>
        <source>Próba pojemności / obciążenia</source>
        <translation>Capacity / load test</translation>
    </message>
    <message>
        <source>wymaganie spełnione</source>
        <translation>requirement met</translation>
    </message>
    <message>
        <source>wymaganie NIESPEŁNIONE</source>
        <translation>requirement NOT met</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów</source>
        <translation>Required battery standby time</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów</source>
        <translation>Achieved battery standby time</translation>
    </message>
    <message>
        <source>PRZEGLĄD ANULOWANY (powód: %1). Protokołu nie wystawiono.</source>
        <translation>VISIT ABANDONED (reason: %1). No report was issued.</translation>
    </message>
    <message>
        <source>Projekt protokołu: przegląd jest otwarty, projekt nie ma skrótu. Skrót nadaje zamknięcie przeglądu.</source>
        <translation>Draft report: the visit is open, a draft has no digest. Closing the visit gives the digest.</translation>
    </message>
    <message>
        <source>Skrót SHA-256 w stopce każdej strony obejmuje całą treść tego protokołu (bez załącznika z pełnym rejestrem zdarzeń, którego bajty opisuje skrót w części „Rejestr zdarzeń”). Sprawdzenie: Konfigurator Ostrel, karta „Przeglądy”, przycisk „Sprawdź protokół”: wskaż plik PDF albo wpisz skrót ze stopki. Program podaje, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</source>
        <translation>The SHA-256 digest in the footer of every page covers the whole content of this report (without the appendix with the full event log, whose bytes are described by the digest in the part “Event log”). To check: Ostrel Configurator, tab “Service visits”, button “Check a report”: choose the PDF file or type the digest from the footer. The program tells which visit the report belongs to and whether it matches the one stored at the close.</translation>
    </message>
    <message>
        <source>urządzenie dopuszczone do dalszej eksploatacji</source>
        <translation>equipment admitted to further operation</translation>
    </message>
    <message>
        <source>urządzenie niedopuszczone do dalszej eksploatacji</source>
        <translation>equipment not admitted to further operation</translation>
    </message>
    <message>
        <source>Obiekt / centrala</source>
        <translation>Site / panel</translation>
    </message>
    <message>
        <source>Wynik przeglądu</source>
        <translation>Result of the visit</translation>
    </message>
    <message>
        <source>Orzeczenie</source>
        <translation>Ruling</translation>
    </message>
    <message>
        <source>Podstawa</source>
        <translation>Basis</translation>
    </message>
    <message>
        <source>przegląd okresowy wykonywany co najmniej raz w roku zgodnie z rozporządzeniem Ministra Spraw Wewnętrznych i Administracji z dnia 7 czerwca 2010 r. w sprawie ochrony przeciwpożarowej budynków, innych obiektów budowlanych i terenów (§ 3 ust. 3) oraz z instrukcją serwisową producenta</source>
        <translation>periodic service at least once a year under the Polish Regulation of the Minister of the Interior and Administration of 7 June 2010 on the fire protection of buildings, other structures and grounds (§ 3(3)) and the manufacturer&apos;s service instructions</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe</source>
        <translation>Measuring instruments</translation>
    </message>
    <message>
        <source>Przyrząd</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Data wzorcowania</source>
        <translation>Calibration date</translation>
    </message>
    <message>
        <source>Z poprzedniego przeglądu %1</source>
        <translation>From the previous visit %1</translation>
    </message>
    <message>
        <source>Wykonanie zaleceń</source>
        <translation>Recommendations carried out</translation>
    </message>
    <message>
        <source>nie oceniono</source>
        <translation>not assessed</translation>
    </message>
    <message>
        <source>Uszkodzenia pozostawione przy odjeździe</source>
        <translation>Faults left on departure</translation>
    </message>
    <message>
        <source>Miejsce i data: %1, %2</source>
        <translation>Place and date: %1, %2</translation>
    </message>
    <message>
        <source>Konserwator (wykonał przegląd)</source>
        <translation>Service technician (carried out the visit)</translation>
    </message>
    <message>
        <source>podpis</source>
        <translation>signature</translation>
    </message>
    <message>
        <source>Pieczęć firmy</source>
        <translation>Company stamp</translation>
    </message>
    <message>
        <source>Protokół otrzymałem (użytkownik / zarządca)</source>
        <translation>Report received (user / manager)</translation>
    </message>
    <message>
        <source>PROJEKT — przegląd otwarty</source>
        <translation>DRAFT — visit open</translation>
    </message>
    <message>
        <source>PRZEGLĄD ANULOWANY</source>
        <translation>VISIT ABANDONED</translation>
    </message>
    <message>
        <source>koryguje protokół %1 (powód: %2)</source>
        <translation>corrects report %1 (reason: %2)</translation>
    </message>
    <message>
        <source>Wykonawca</source>
        <translation>Contractor</translation>
    </message>
    <message>
        <source>Adres firmy</source>
        <translation>Company address</translation>
    </message>
    <message>
        <source>NIP</source>
        <translation>Tax number (NIP)</translation>
    </message>
    <message>
        <source>Telefon firmy</source>
        <translation>Company phone</translation>
    </message>
    <message>
        <source>Konserwator</source>
        <translation>Service technician</translation>
    </message>
    <message>
        <source>Nr świadectwa / uprawnień</source>
        <translation>Certificate / authorisation no.</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do</source>
        <translation>Authorisation valid until</translation>
    </message>
    <message>
        <source>Producent</source>
        <translation>Maker</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Nr świadectwa dopuszczenia</source>
        <translation>Certificate of admission no.</translation>
    </message>
    <message>
        <source>Wykonane prace i wymienione części</source>
        <translation>Work done and parts replaced</translation>
    </message>
    <message>
        <source>Wykonane prace</source>
        <translation>Work done</translation>
    </message>
    <message>
        <source>Wymienione części</source>
        <translation>Parts replaced</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Akumulatory do wymiany</source>
        <translation>Batteries due</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>anulowany</source>
        <translation>abandoned</translation>
    </message>
    <message>
        <source>zastąpiony przez %1</source>
        <translation>replaced by %1</translation>
    </message>
    <message>
        <source>zamknięty</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>otwarty</source>
        <translation>open</translation>
    </message>
</context>
<context>
    <name>VisitSession</name>
    <message>
        <source>zegar</source>
        <translation>clock</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>configuration</translation>
    </message>
    <message>
        <source>uszkodzenia</source>
        <translation>faults</translation>
    </message>
    <message>
        <source>wersje oprogramowania</source>
        <translation>software versions</translation>
    </message>
    <message>
        <source>rejestr zdarzeń</source>
        <translation>event log</translation>
    </message>
    <message>
        <source>Odczyt przerwany. Nic z tego odczytu nie zapisano.</source>
        <translation>Reading aborted. Nothing from this reading was saved.</translation>
    </message>
    <message>
        <source>Łącze nie przyjęło zapytania. Nic nie zapisano.</source>
        <translation>The link did not accept the request. Nothing was saved.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać odczytu w bazie danych.</source>
        <translation>The reading could not be saved in the database.</translation>
    </message>
    <message>
        <source>Odczyt przerwany (%1). Nic z tego odczytu nie zapisano.</source>
        <translation>Reading aborted (%1). Nothing from this reading was saved.</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada (%1). Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</source>
        <translation>The control unit is not answering (%1). Nothing from this reading was saved; the visit remains open.</translation>
    </message>
    <message>
        <source>Połączenie z centralą zostało przerwane (%1). Nic z tego odczytu nie zapisano.</source>
        <translation>The connection to the control unit was interrupted (%1). Nothing from this reading was saved.</translation>
    </message>
    <message>
        <source>przyjazd</source>
        <translation>arrival</translation>
    </message>
    <message>
        <source>odjazd</source>
        <translation>departure</translation>
    </message>
</context>
<context>
    <name>VisitStartDialog</name>
    <message>
        <source>Nowy przegląd</source>
        <translation>New service visit</translation>
    </message>
    <message>
        <source>Centrale pasujące do podłączonej</source>
        <translation>Control units matching the connected one</translation>
    </message>
    <message>
        <source>Rozpoznaj podłączoną centralę</source>
        <translation>Identify the connected control unit</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Obiekt:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Adres:</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>Właściciel lub zarządca:</source>
        <translation>Owner or manager:</translation>
    </message>
    <message>
        <source>Osoba kontaktowa:</source>
        <translation>Contact person:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Telephone:</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Control unit</translation>
    </message>
    <message>
        <source>Centrala:</source>
        <translation>Control unit:</translation>
    </message>
    <message>
        <source>Oznaczenie:</source>
        <translation>Designation:</translation>
    </message>
    <message>
        <source>np. Centrala oddymiania — klatka A</source>
        <translation>e.g. Smoke-vent control unit — staircase A</translation>
    </message>
    <message>
        <source>Miejsce w budynku:</source>
        <translation>Location in the building:</translation>
    </message>
    <message>
        <source>Numer fabryczny:</source>
        <translation>Serial number:</translation>
    </message>
    <message>
        <source>z tabliczki znamionowej</source>
        <translation>from the rating plate</translation>
    </message>
    <message>
        <source>Data instalacji:</source>
        <translation>Installation date:</translation>
    </message>
    <message>
        <source>rrrr-mm-dd</source>
        <translation>yyyy-mm-dd</translation>
    </message>
    <message>
        <source>Przegląd</source>
        <translation>Visit</translation>
    </message>
    <message>
        <source>Rodzaj:</source>
        <translation>Type:</translation>
    </message>
    <message>
        <source>Serwisant:</source>
        <translation>Service technician:</translation>
    </message>
    <message>
        <source>Nr świadectwa:</source>
        <translation>Certificate no.:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Rozpocznij przegląd</source>
        <translation>Start visit</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nie rozpoznano konfiguracji centrali.</source>
        <translation>The control unit configuration was not recognised.</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada.</source>
        <translation>The control unit is not answering.</translation>
    </message>
    <message>
        <source>Odczyt konfiguracji…</source>
        <translation>Reading the configuration…</translation>
    </message>
    <message>
        <source>Żadna zapisana centrala nie ma tych modułów.</source>
        <translation>No saved control unit has these modules.</translation>
    </message>
    <message>
        <source>— nowy obiekt —</source>
        <translation>— new site —</translation>
    </message>
    <message>
        <source>— nowa centrala —</source>
        <translation>— new control unit —</translation>
    </message>
    <message>
        <source>Data instalacji</source>
        <translation>Installation date</translation>
    </message>
</context>
<context>
    <name>VisitStore</name>
    <message>
        <source>Nie znaleziono wizyty serwisowej.</source>
        <translation>Service visit not found.</translation>
    </message>
    <message>
        <source>Wizyta jest zamknięta i nie można jej zmieniać. Popraw ją nową wizytą korygującą.</source>
        <translation>The visit is closed and cannot be changed. Correct it with a new correcting visit.</translation>
    </message>
    <message>
        <source>Podaj nazwę obiektu.</source>
        <translation>Enter the site name.</translation>
    </message>
    <message>
        <source>Nie zapisano obiektu w bazie danych.</source>
        <translation>The site could not be saved in the database.</translation>
    </message>
    <message>
        <source>Wybierz obiekt, do którego należy centrala.</source>
        <translation>Select the site the control unit belongs to.</translation>
    </message>
    <message>
        <source>Podaj oznaczenie centrali.</source>
        <translation>Enter the control unit designation.</translation>
    </message>
    <message>
        <source>Data instalacji centrali nie może być późniejsza niż dzisiejsza.</source>
        <translation>The installation date of the control unit cannot be later than today.</translation>
    </message>
    <message>
        <source>Nie zapisano centrali w bazie danych.</source>
        <translation>The control unit could not be saved in the database.</translation>
    </message>
    <message>
        <source>Nie znaleziono centrali.</source>
        <translation>Control unit not found.</translation>
    </message>
    <message>
        <source>Wybierz centralę, której dotyczy wizyta.</source>
        <translation>Select the control unit the visit concerns.</translation>
    </message>
    <message>
        <source>Wybierz rodzaj wizyty.</source>
        <translation>Select the visit type.</translation>
    </message>
    <message>
        <source>Data następnego przeglądu musi być późniejsza niż data wizyty.</source>
        <translation>The next inspection date must be later than the visit date.</translation>
    </message>
    <message>
        <source>Nie zapisano wizyty w bazie danych.</source>
        <translation>The visit could not be saved in the database.</translation>
    </message>
    <message>
        <source>Nieprawidłowy rodzaj wizyty lub ocena.</source>
        <translation>Invalid visit type or assessment.</translation>
    </message>
    <message>
        <source>Nieprawidłowa odchyłka zegara centrali.</source>
        <translation>Invalid control unit clock drift.</translation>
    </message>
    <message>
        <source>Wybierz ocenę stanu centrali, aby zamknąć wizytę.</source>
        <translation>Select an assessment of the control unit condition to close the visit.</translation>
    </message>
    <message>
        <source>Wizyty nie można zamknąć bez odczytu przy odjeździe. Wykonaj odczyt albo wpisz, dlaczego go pominięto.</source>
        <translation>The visit cannot be closed without a reading on departure. Take the reading or enter why it was skipped.</translation>
    </message>
    <message>
        <source>Wizyta jest jeszcze otwarta: popraw ją bezpośrednio.</source>
        <translation>The visit is still open: correct it directly.</translation>
    </message>
    <message>
        <source>Nie znaleziono zapisanego odczytu.</source>
        <translation>Saved reading not found.</translation>
    </message>
    <message>
        <source>Nie zapisano odczytu w bazie danych.</source>
        <translation>The reading could not be saved in the database.</translation>
    </message>
    <message>
        <source>Nieprawidłowy wynik sprawdzenia.</source>
        <translation>Invalid check result.</translation>
    </message>
    <message>
        <source>Nie zapisano listy sprawdzeń w bazie danych.</source>
        <translation>The checklist could not be saved in the database.</translation>
    </message>
    <message>
        <source>Nie znaleziono sprawdzenia.</source>
        <translation>Check not found.</translation>
    </message>
    <message>
        <source>Nie zapisano sprawdzenia w bazie danych.</source>
        <translation>The check could not be saved in the database.</translation>
    </message>
    <message>
        <source>Pojemność akumulatora musi leżeć między %1 a %2 Ah.</source>
        <translation>Battery capacity must be between %1 and %2 Ah.</translation>
    </message>
    <message>
        <source>Napięcie akumulatora musi leżeć między 0 a %1 V.</source>
        <translation>Battery voltage must be between 0 and %1 V.</translation>
    </message>
    <message>
        <source>Rezystancja wewnętrzna musi leżeć między 0 a %1 mΩ.</source>
        <translation>Internal resistance must be between 0 and %1 mΩ.</translation>
    </message>
    <message>
        <source>Podaj datę montażu akumulatora, nie późniejszą niż dzisiejsza.</source>
        <translation>Enter the battery installation date, no later than today.</translation>
    </message>
    <message>
        <source>Nie zapisano akumulatora w bazie danych.</source>
        <translation>The battery could not be saved in the database.</translation>
    </message>
    <message>
        <source>Nie znaleziono akumulatora.</source>
        <translation>Battery not found.</translation>
    </message>
    <message>
        <source>Nie usunięto akumulatora z bazy danych.</source>
        <translation>The battery could not be deleted from the database.</translation>
    </message>
    <message>
        <source>Nie zapisano wyników w bazie danych.</source>
        <translation>The results could not be saved in the database.</translation>
    </message>
    <message>
        <source>Okres eksploatacji akumulatora musi wynosić od 1 do 20 lat.</source>
        <translation>Battery service life must be from 1 to 20 years.</translation>
    </message>
    <message>
        <source>Nie zapisano ustawienia w bazie danych.</source>
        <translation>The setting could not be saved in the database.</translation>
    </message>
    <message>
        <source>Korekta nie odczytuje centrali: poprawia tylko zapis przeglądu, który koryguje.</source>
        <translation>A correction reads nothing from the panel: it only corrects the record of the visit it corrects.</translation>
    </message>
    <message>
        <source>Anulowanego przeglądu nie można poprawić.</source>
        <translation>An abandoned visit cannot be corrected.</translation>
    </message>
    <message>
        <source>Ten protokół zastąpiono już protokołem %1: popraw tamten.</source>
        <translation>This report was already replaced by report %1: correct that one.</translation>
    </message>
    <message>
        <source>Korekta %1 tego przeglądu jest już otwarta.</source>
        <translation>Correction %1 of this visit is already open.</translation>
    </message>
    <message>
        <source>Podaj powód korekty: drukuje się w protokole korygującym.</source>
        <translation>Give the reason for the correction: it is printed in the correcting report.</translation>
    </message>
    <message>
        <source>Podaj powód anulowania przeglądu.</source>
        <translation>Give the reason for abandoning the visit.</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do</source>
        <translation>Authorisation valid until</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów [h]</source>
        <translation>Required battery standby time [h]</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów [h]</source>
        <translation>Achieved battery standby time [h]</translation>
    </message>
    <message>
        <source>Nieprawidłowa odpowiedź o wykonaniu zaleceń.</source>
        <translation>Invalid answer on whether the recommendations were carried out.</translation>
    </message>
    <message>
        <source>Podaj nazwę przyrządu pomiarowego.</source>
        <translation>Give the name of the measuring instrument.</translation>
    </message>
    <message>
        <source>Data wzorcowania nie może być późniejsza niż dzisiejsza.</source>
        <translation>The calibration date cannot be later than today.</translation>
    </message>
    <message>
        <source>Nie zapisano przyrządu w bazie danych.</source>
        <translation>The instrument was not saved in the database.</translation>
    </message>
    <message>
        <source>Nieznana część listy sprawdzeń.</source>
        <translation>Unknown part of the checklist.</translation>
    </message>
    <message>
        <source>Każdy wiersz listy sprawdzeń musi mieć nazwę sprawdzenia.</source>
        <translation>Every row of the checklist needs the name of its check.</translation>
    </message>
    <message>
        <source>Podaj, co sprawdzono.</source>
        <translation>Give what was checked.</translation>
    </message>
</context>
<context>
    <name>VisitWindow</name>
    <message>
        <source>Lista przeglądów</source>
        <translation>List of visits</translation>
    </message>
    <message>
        <source>Odczyt przy przyjeździe</source>
        <translation>Reading on arrival</translation>
    </message>
    <message>
        <source>Odczytuje zegar, konfigurację, uszkodzenia i wersje oprogramowania centrali i zapisuje je przy przeglądzie</source>
        <translation>Reads the control unit&apos;s clock, configuration, faults and software versions and saves them with the visit</translation>
    </message>
    <message>
        <source>z rejestrem zdarzeń</source>
        <translation>with the event log</translation>
    </message>
    <message>
        <source>Odczyt przy odjeździe</source>
        <translation>Reading on departure</translation>
    </message>
    <message>
        <source>Odczytuje ponownie uszkodzenia i konfigurację centrali</source>
        <translation>Reads the control unit&apos;s faults and configuration again</translation>
    </message>
    <message>
        <source>Porównaj konfiguracje</source>
        <translation>Compare configurations</translation>
    </message>
    <message>
        <source>Kontrole</source>
        <translation>Checks</translation>
    </message>
    <message>
        <source>Akumulatory</source>
        <translation>Batteries</translation>
    </message>
    <message>
        <source>Dodaj akumulator</source>
        <translation>Add battery</translation>
    </message>
    <message>
        <source>Usuń akumulator</source>
        <translation>Delete battery</translation>
    </message>
    <message>
        <source>Zamknięcie</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Ocena:</source>
        <translation>Assessment:</translation>
    </message>
    <message>
        <source>Ustalenia:</source>
        <translation>Findings:</translation>
    </message>
    <message>
        <source>Zalecenia:</source>
        <translation>Recommendations:</translation>
    </message>
    <message>
        <source>Następny przegląd:</source>
        <translation>Next inspection:</translation>
    </message>
    <message>
        <source>rrrr-mm-dd</source>
        <translation>yyyy-mm-dd</translation>
    </message>
    <message>
        <source>Brak odczytu przy odjeździe, bo:</source>
        <translation>No reading on departure, because:</translation>
    </message>
    <message>
        <source>np. centrala nie odpowiadała</source>
        <translation>e.g. the control unit was not answering</translation>
    </message>
    <message>
        <source>Zamknij przegląd</source>
        <translation>Close visit</translation>
    </message>
    <message>
        <source>Podgląd protokołu</source>
        <translation>Report preview</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>z pełnym rejestrem zdarzeń</source>
        <translation>with the full event log</translation>
    </message>
    <message>
        <source>Popraw przegląd</source>
        <translation>Correct visit</translation>
    </message>
    <message>
        <source>Zamknięty przegląd nie zmienia się; poprawka to nowy przegląd, który go wskazuje</source>
        <translation>A closed visit does not change; a correction is a new visit that refers to it</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Module</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Sposób sprawdzenia</source>
        <translation>Check method</translation>
    </message>
    <message>
        <source>Kryterium</source>
        <translation>Criterion</translation>
    </message>
    <message>
        <source>Wartość zmierzona</source>
        <translation>Measured value</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Producent i typ</source>
        <translation>Manufacturer and type</translation>
    </message>
    <message>
        <source>Pojemność [Ah]</source>
        <translation>Capacity [Ah]</translation>
    </message>
    <message>
        <source>Kod daty</source>
        <translation>Date code</translation>
    </message>
    <message>
        <source>Data montażu</source>
        <translation>Installation date</translation>
    </message>
    <message>
        <source>Napięcie [V]</source>
        <translation>Voltage [V]</translation>
    </message>
    <message>
        <source>Rezystancja [mΩ]</source>
        <translation>Resistance [mΩ]</translation>
    </message>
    <message>
        <source>Termin wymiany</source>
        <translation>Replacement due</translation>
    </message>
    <message>
        <source>odczyt centrali</source>
        <translation>control unit reading</translation>
    </message>
    <message>
        <source>Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</source>
        <translation>Nothing from this reading was saved; the visit remains open.</translation>
    </message>
    <message>
        <source> — &lt;b&gt;zamknięty&lt;/b&gt;</source>
        <translation> — &lt;b&gt;closed&lt;/b&gt;</translation>
    </message>
    <message>
        <source> — otwarty</source>
        <translation> — open</translation>
    </message>
    <message>
        <source>Odchyłka zegara centrali: %1 s%2</source>
        <translation>Control unit clock drift: %1 s%2</translation>
    </message>
    <message>
        <source> (zegar ustawiony)</source>
        <translation> (clock set)</translation>
    </message>
    <message>
        <source>odczyt przy odjeździe wykonany</source>
        <translation>reading on departure taken</translation>
    </message>
    <message>
        <source>niezapisany: podaj pojemność i datę montażu</source>
        <translation>not saved: enter the capacity and installation date</translation>
    </message>
    <message>
        <source>%1 — po terminie</source>
        <translation>%1 — overdue</translation>
    </message>
    <message>
        <source>%1 — wymiana wkrótce</source>
        <translation>%1 — replacement soon</translation>
    </message>
    <message>
        <source>Przegląd zamknięty</source>
        <translation>Visit closed</translation>
    </message>
    <message>
        <source>Zamkniętego przeglądu nie można zmienić. Użyj „Popraw przegląd”.</source>
        <translation>A closed visit cannot be changed. Use “Correct visit”.</translation>
    </message>
    <message>
        <source>Odczyt centrali</source>
        <translation>Control unit reading</translation>
    </message>
    <message>
        <source>Odczyt nie może się rozpocząć: centrala nie jest połączona albo trwa inny odczyt.</source>
        <translation>The reading cannot start: the control unit is not connected or another reading is in progress.</translation>
    </message>
    <message>
        <source>Przegląd</source>
        <translation>Visit</translation>
    </message>
    <message>
        <source>Zegar centrali</source>
        <translation>Control unit clock</translation>
    </message>
    <message>
        <source>Zegar centrali różni się od zegara komputera o %1 s. Ustawić zegar centrali na czas komputera?</source>
        <translation>The control unit clock differs from the PC clock by %1 s. Set the control unit clock to the PC time?</translation>
    </message>
    <message>
        <source>Po przeglądzie %1</source>
        <translation>After visit %1</translation>
    </message>
    <message>
        <source>Przyjazd</source>
        <translation>Arrival</translation>
    </message>
    <message>
        <source>UWAGA: konfiguracja centrali różni się od zapisanej po poprzednim przeglądzie (%1). Ktoś zmienił centralę między przeglądami.</source>
        <translation>WARNING: the control unit configuration differs from the one saved after the previous visit (%1). Someone changed the control unit between visits.</translation>
    </message>
    <message>
        <source>Odjazd</source>
        <translation>Departure</translation>
    </message>
    <message>
        <source>Konfiguracja zmieniona podczas przeglądu — zmiany są w protokole.</source>
        <translation>Configuration changed during the visit — the changes are in the report.</translation>
    </message>
    <message>
        <source>Nie udało się ustawić zegara centrali.</source>
        <translation>The control unit clock could not be set.</translation>
    </message>
    <message>
        <source>Porównanie</source>
        <translation>Comparison</translation>
    </message>
    <message>
        <source>Nie ma z czym porównać: brak odczytu przy odjeździe i brak poprzedniego przeglądu.</source>
        <translation>Nothing to compare with: no reading on departure and no previous visit.</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Next inspection</translation>
    </message>
    <message>
        <source>Zamknięcie przeglądu</source>
        <translation>Closing the visit</translation>
    </message>
    <message>
        <source>Dodaj wiersz…</source>
        <translation>Add a row…</translation>
    </message>
    <message>
        <source>Dodaje sprawdzenie na miejscu: do modułu zaznaczonego wiersza albo do sprawdzeń ogólnych</source>
        <translation>Adds a check on the spot: to the module of the selected row or to the general checks</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Dane przeglądu do protokołu</source>
        <translation>Visit details for the report</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do:</source>
        <translation>Authorisation valid until:</translation>
    </message>
    <message>
        <source>Wykonane prace:</source>
        <translation>Work done:</translation>
    </message>
    <message>
        <source>Wymienione części:</source>
        <translation>Parts replaced:</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów [h]:</source>
        <translation>Required battery standby time [h]:</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów [h]:</source>
        <translation>Achieved battery standby time [h]:</translation>
    </message>
    <message>
        <source>Protokół otrzymuje:</source>
        <translation>Report received by:</translation>
    </message>
    <message>
        <source>imię, nazwisko i funkcja przedstawiciela użytkownika</source>
        <translation>name and role of the user&apos;s representative</translation>
    </message>
    <message>
        <source>Miejscowość:</source>
        <translation>Place:</translation>
    </message>
    <message>
        <source>Z poprzedniego przeglądu</source>
        <translation>From the previous visit</translation>
    </message>
    <message>
        <source>Zalecenia wykonano:</source>
        <translation>Recommendations carried out:</translation>
    </message>
    <message>
        <source>Uwagi:</source>
        <translation>Remarks:</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe użyte w przeglądzie</source>
        <translation>Measuring instruments used in the visit</translation>
    </message>
    <message>
        <source>nazwa przyrządu</source>
        <translation>instrument name</translation>
    </message>
    <message>
        <source>numer fabryczny</source>
        <translation>serial number</translation>
    </message>
    <message>
        <source>wzorcowanie rrrr-mm-dd</source>
        <translation>calibration yyyy-mm-dd</translation>
    </message>
    <message>
        <source>Dodaj przyrząd</source>
        <translation>Add instrument</translation>
    </message>
    <message>
        <source>Wpisywane raz: centrala i firma</source>
        <translation>Typed once: panel and company</translation>
    </message>
    <message>
        <source>Producent centrali:</source>
        <translation>Panel maker:</translation>
    </message>
    <message>
        <source>Typ centrali:</source>
        <translation>Panel type:</translation>
    </message>
    <message>
        <source>Nr świadectwa dopuszczenia:</source>
        <translation>Certificate of admission no.:</translation>
    </message>
    <message>
        <source>Adres firmy:</source>
        <translation>Company address:</translation>
    </message>
    <message>
        <source>NIP firmy:</source>
        <translation>Company tax number (NIP):</translation>
    </message>
    <message>
        <source>Telefon firmy:</source>
        <translation>Company phone:</translation>
    </message>
    <message>
        <source>Anuluj przegląd…</source>
        <translation>Abandon the visit…</translation>
    </message>
    <message>
        <source>Przegląd rozpoczęty przez pomyłkę: zostaje z numerem i powodem jako anulowany</source>
        <translation>A visit started by mistake: it stays, with its number and the reason, as abandoned</translation>
    </message>
    <message>
        <source>Moduł zasilania</source>
        <translation>Power module</translation>
    </message>
    <message>
        <source>Próba pojemności / obciążenia</source>
        <translation>Capacity / load test</translation>
    </message>
    <message>
        <source> (koryguje protokół %1, powód: %2)</source>
        <translation> (corrects report %1, reason: %2)</translation>
    </message>
    <message>
        <source> — &lt;b&gt;anulowany&lt;/b&gt; (powód: %1)</source>
        <translation> — &lt;b&gt;abandoned&lt;/b&gt; (reason: %1)</translation>
    </message>
    <message>
        <source> — &lt;b&gt;zastąpiony przez %1&lt;/b&gt;</source>
        <translation> — &lt;b&gt;replaced by %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Brak poprzedniego przeglądu tej centrali.</source>
        <translation>No previous visit of this panel.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Przegląd %1&lt;/b&gt;, zalecenia: %2</source>
        <translation>&lt;b&gt;Visit %1&lt;/b&gt;, recommendations: %2</translation>
    </message>
    <message>
        <source>brak</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1, nr %2, wzorcowany %3</source>
        <translation>%1, no. %2, calibrated %3</translation>
    </message>
    <message>
        <source>Data wzorcowania</source>
        <translation>Calibration date</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe</source>
        <translation>Measuring instruments</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Add row</translation>
    </message>
    <message>
        <source>Co sprawdzono:</source>
        <translation>What was checked:</translation>
    </message>
    <message>
        <source>Przed zamknięciem:

• %1

Zamknąć przegląd mimo to?</source>
        <translation>Before closing:

• %1

Close the visit anyway?</translation>
    </message>
    <message>
        <source>Powód korekty protokołu %1 (drukuje się w protokole korygującym):</source>
        <translation>Reason for correcting report %1 (printed in the correcting report):</translation>
    </message>
    <message>
        <source>Anuluj przegląd</source>
        <translation>Abandon the visit</translation>
    </message>
    <message>
        <source>Przegląd %1 zostanie zamknięty jako anulowany, bez protokołu; jego numer nie wróci. Powód:</source>
        <translation>Visit %1 will be closed as abandoned, without a report; its number will not come back. Reason:</translation>
    </message>
</context>
<context>
    <name>Visits</name>
    <message>
        <source>przegląd okresowy</source>
        <translation>periodic inspection</translation>
    </message>
    <message>
        <source>naprawa</source>
        <translation>repair</translation>
    </message>
    <message>
        <source>uruchomienie</source>
        <translation>commissioning</translation>
    </message>
    <message>
        <source>inny</source>
        <translation>other</translation>
    </message>
    <message>
        <source>sprawna</source>
        <translation>operational</translation>
    </message>
    <message>
        <source>sprawna z uwagami</source>
        <translation>operational with remarks</translation>
    </message>
    <message>
        <source>niesprawna</source>
        <translation>not operational</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>usterka</source>
        <translation>defect</translation>
    </message>
    <message>
        <source>nie dotyczy</source>
        <translation>not applicable</translation>
    </message>
    <message>
        <source>%1: nieprawidłowa data &quot;%2&quot; (oczekiwano RRRR-MM-DD, lata 1990-2100).</source>
        <translation>%1: invalid date &quot;%2&quot; (expected YYYY-MM-DD, years 1990-2100).</translation>
    </message>
    <message>
        <source>%1: nieprawidłowa liczba &quot;%2&quot; (dozwolony zakres %3 - %4).</source>
        <translation>%1: invalid number &quot;%2&quot; (allowed range %3 - %4).</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>częściowo</source>
        <translation>partly</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>VisitsManagement</name>
    <message>
        <source>Przeglądy</source>
        <translation>Service visits</translation>
    </message>
    <message>
        <source>Nowy przegląd</source>
        <translation>New service visit</translation>
    </message>
    <message>
        <source>Otwórz przegląd</source>
        <translation>Open visit</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Rozpoczęty</source>
        <translation>Started</translation>
    </message>
    <message>
        <source>Zakończony</source>
        <translation>Finished</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Assessment</translation>
    </message>
    <message>
        <source>zamknięty</source>
        <translation>closed</translation>
    </message>
    <message>
        <source>otwarty</source>
        <translation>open</translation>
    </message>
    <message>
        <source>Sprawdź protokół</source>
        <translation>Check a report</translation>
    </message>
    <message>
        <source>Sprawdza plik PDF albo skrót SHA-256 protokołu z zapisanym przy zamknięciu przeglądu</source>
        <translation>Checks a PDF file or a report&apos;s SHA-256 digest against the one stored at the close of the visit</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Przeglądy wybranej centrali, po jednym wierszu, do arkusza lub planu przeglądów</source>
        <translation>The visits of the chosen panel, one row each, for a spreadsheet or a planner</translation>
    </message>
    <message>
        <source>Listy sprawdzeń…</source>
        <translation>Checklists…</translation>
    </message>
    <message>
        <source>Wiersze list sprawdzeń, które dostają nowe przeglądy</source>
        <translation>The checklist rows new visits get</translation>
    </message>
    <message>
        <source>Przejąć akumulatory z przeglądu %1 (%2 szt.) z ich datami montażu? Zmień je w nowym przeglądzie, jeśli coś wymieniono.</source>
        <translation>Take over the batteries of visit %1 (%2) with their installation dates? Change them in the new visit if anything was replaced.</translation>
    </message>
    <message>
        <source> (koryguje %1)</source>
        <translation> (corrects %1)</translation>
    </message>
    <message>
        <source>anulowany</source>
        <translation>abandoned</translation>
    </message>
    <message>
        <source>zastąpiony przez %1</source>
        <translation>replaced by %1</translation>
    </message>
    <message>
        <source>Przeglady_%1</source>
        <translation>Visits_%1</translation>
    </message>
</context>
</TS>
