<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ACL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Deklaracja modułu</translation>
    </message>
    <message>
        <source>ACL</source>
        <translation>ACL</translation>
    </message>
    <message>
        <source>Moduł Komunikacji Adresowalnej</source>
        <translation>Moduł Komunikacji Adresowalnej</translation>
    </message>
    <message>
        <source>Brak komunikacji z modułem ACL</source>
        <translation>Brak komunikacji z modułem ACL</translation>
    </message>
</context>
<context>
    <name>AppSettings</name>
    <message>
        <source>Ustawienia aplikacji</source>
        <translation>Ustawienia aplikacji</translation>
    </message>
    <message>
        <source>Język:</source>
        <translation>Język:</translation>
    </message>
    <message>
        <source>Język interfejsu; zmiana obowiązuje od następnego uruchomienia programu</source>
        <translation>Język interfejsu; zmiana obowiązuje od następnego uruchomienia programu</translation>
    </message>
    <message>
        <source>Czcionka:</source>
        <translation>Czcionka:</translation>
    </message>
    <message>
        <source>Wielkość czcionki w pikselach</source>
        <translation>Wielkość czcionki w pikselach</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Żywotność akumulatorów:</source>
        <translation>Żywotność akumulatorów:</translation>
    </message>
    <message>
        <source>Po ilu latach od montażu akumulator należy wymienić</source>
        <translation>Po ilu latach od montażu akumulator należy wymienić</translation>
    </message>
    <message>
        <source> lat</source>
        <translation> lat</translation>
    </message>
    <message>
        <source>Archiwum firmowe (PostgreSQL)</source>
        <translation>Archiwum firmowe (PostgreSQL)</translation>
    </message>
    <message>
        <source>Serwer:</source>
        <translation>Serwer:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Baza danych:</source>
        <translation>Baza danych:</translation>
    </message>
    <message>
        <source>Użytkownik:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>Szyfrowanie (SSL):</source>
        <translation>Szyfrowanie (SSL):</translation>
    </message>
    <message>
        <source>Technik (autor rekordów):</source>
        <translation>Technik (autor rekordów):</translation>
    </message>
    <message>
        <source>Hasła nie zapisujemy: PostgreSQL (libpq) bierze je z pliku haseł użytkownika: ~/.pgpass, pliku wskazanego zmienną PGPASSFILE albo %APPDATA%\postgresql\pgpass.conf w Windows.</source>
        <translation>Hasła nie zapisujemy: PostgreSQL (libpq) bierze je z pliku haseł użytkownika: ~/.pgpass, pliku wskazanego zmienną PGPASSFILE albo %APPDATA%\postgresql\pgpass.conf w Windows.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: synchronizacja z archiwum jest niedostępna.</source>
        <translation>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: synchronizacja z archiwum jest niedostępna.</translation>
    </message>
    <message>
        <source>Wybrany język interfejsu zostanie użyty po ponownym uruchomieniu programu.</source>
        <translation>Wybrany język interfejsu zostanie użyty po ponownym uruchomieniu programu.</translation>
    </message>
    <message>
        <source>Certyfikat CA firmy:</source>
        <translation>Certyfikat CA firmy:</translation>
    </message>
    <message>
        <source>Wybierz plik…</source>
        <translation>Wybierz plik…</translation>
    </message>
    <message>
        <source>Dla verify-full certyfikat CA firmy musi być w %1.</source>
        <translation>Dla verify-full certyfikat CA firmy musi być w %1.</translation>
    </message>
    <message>
        <source>Jest.</source>
        <translation>Jest.</translation>
    </message>
    <message>
        <source>Jeszcze go tam nie ma.</source>
        <translation>Jeszcze go tam nie ma.</translation>
    </message>
    <message>
        <source>Certyfikat CA firmy</source>
        <translation>Certyfikat CA firmy</translation>
    </message>
    <message>
        <source>Certyfikaty (*.crt *.pem *.cer);;Wszystkie pliki (*)</source>
        <translation>Certyfikaty (*.crt *.pem *.cer);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Nie skopiowano certyfikatu %1: %2</source>
        <translation>Nie skopiowano certyfikatu %1: %2</translation>
    </message>
    <message>
        <source>Na tym komputerze:</source>
        <translation>Na tym komputerze:</translation>
    </message>
    <message>
        <source>Szukaj obiektu</source>
        <translation>Szukaj obiektu</translation>
    </message>
    <message>
        <source>wszystko</source>
        <translation>wszystko</translation>
    </message>
    <message>
        <source>Każdy rekord firmy trafia na ten komputer w całości.</source>
        <translation>Każdy rekord firmy trafia na ten komputer w całości.</translation>
    </message>
    <message>
        <source>moje obiekty</source>
        <translation>moje obiekty</translation>
    </message>
    <message>
        <source>W całości trafiają tu obiekty, w których były Twoje wizyty, i rekordy, które sam zapisałeś w archiwum. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</source>
        <translation>W całości trafiają tu obiekty, w których były Twoje wizyty, i rekordy, które sam zapisałeś w archiwum. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</translation>
    </message>
    <message>
        <source>wybrane obiekty</source>
        <translation>wybrane obiekty</translation>
    </message>
    <message>
        <source>W całości trafiają tu obiekty zaznaczone poniżej i Twoje własne rekordy. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</source>
        <translation>W całości trafiają tu obiekty zaznaczone poniżej i Twoje własne rekordy. O pozostałych ten komputer zna tylko opis; pobiera je, gdy je otworzysz.</translation>
    </message>
    <message>
        <source>obiekt jeszcze nieznany na tym komputerze (%1)</source>
        <translation>obiekt jeszcze nieznany na tym komputerze (%1)</translation>
    </message>
</context>
<context>
    <name>ArchiveMarkProxy</name>
    <message>
        <source>Wycofany z archiwum firmowego</source>
        <translation>Wycofany z archiwum firmowego</translation>
    </message>
</context>
<context>
    <name>ArchiveRecordsDialog</name>
    <message>
        <source>Archiwum firmowe</source>
        <translation>Archiwum firmowe</translation>
    </message>
    <message>
        <source>Odrzucone z archiwum</source>
        <translation>Odrzucone z archiwum</translation>
    </message>
    <message>
        <source>Rekordy kolegów, których ta baza nie przyjęła, i te, które czekają na rekord, do którego się odwołują. Żaden z nich nie zmienił niczego w tej bazie.</source>
        <translation>Rekordy kolegów, których ta baza nie przyjęła, i te, które czekają na rekord, do którego się odwołują. Żaden z nich nie zmienił niczego w tej bazie.</translation>
    </message>
    <message>
        <source>Rekordy w archiwum</source>
        <translation>Rekordy w archiwum</translation>
    </message>
    <message>
        <source>Wycofaj z archiwum</source>
        <translation>Wycofaj z archiwum</translation>
    </message>
    <message>
        <source>Przywróć z archiwum</source>
        <translation>Przywróć z archiwum</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>konfiguracja</translation>
    </message>
    <message>
        <source>rejestr zdarzeń</source>
        <translation>rejestr zdarzeń</translation>
    </message>
    <message>
        <source>lista uszkodzeń</source>
        <translation>lista uszkodzeń</translation>
    </message>
    <message>
        <source>wersje oprogramowania</source>
        <translation>wersje oprogramowania</translation>
    </message>
    <message>
        <source>obiekt</source>
        <translation>obiekt</translation>
    </message>
    <message>
        <source>centrala</source>
        <translation>centrala</translation>
    </message>
    <message>
        <source>wizyta</source>
        <translation>wizyta</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Kiedy</source>
        <translation>Kiedy</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Autor</source>
        <translation>Autor</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Powód</source>
        <translation>Powód</translation>
    </message>
    <message>
        <source>wycofany</source>
        <translation>wycofany</translation>
    </message>
    <message>
        <source>w archiwum</source>
        <translation>w archiwum</translation>
    </message>
    <message>
        <source>usunięty w tej bazie</source>
        <translation>usunięty w tej bazie</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Łączenie z archiwum…</source>
        <translation>Łączenie z archiwum…</translation>
    </message>
    <message>
        <source>Nazwa, obiekt lub centrala</source>
        <translation>Nazwa, obiekt lub centrala</translation>
    </message>
    <message>
        <source>Szukaj</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Wszystkie obiekty</source>
        <translation>Wszystkie obiekty</translation>
    </message>
    <message>
        <source>Więcej</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Rekordy tego obiektu</source>
        <translation>Rekordy tego obiektu</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>Centrale firmy</source>
        <translation>Centrale firmy</translation>
    </message>
    <message>
        <source>Centrala lub obiekt</source>
        <translation>Centrala lub obiekt</translation>
    </message>
    <message>
        <source>Rekordy tej centrali</source>
        <translation>Rekordy tej centrali</translation>
    </message>
    <message>
        <source>brak sterownika PostgreSQL w tej instalacji</source>
        <translation>brak sterownika PostgreSQL w tej instalacji</translation>
    </message>
    <message>
        <source>archiwum nie jest ustawione w Ustawienia &gt; Widok</source>
        <translation>archiwum nie jest ustawione w Ustawienia &gt; Widok</translation>
    </message>
    <message>
        <source>wszystkie rodzaje</source>
        <translation>wszystkie rodzaje</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Obiekt</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Centrala</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Rozmiar</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Ostatnia wizyta</source>
        <translation>Ostatnia wizyta</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Następny przegląd</translation>
    </message>
    <message>
        <source>Wizyty</source>
        <translation>Wizyty</translation>
    </message>
    <message>
        <source>Termin</source>
        <translation>Termin</translation>
    </message>
    <message>
        <source>Tylko obiekt: %1</source>
        <translation>Tylko obiekt: %1</translation>
    </message>
    <message>
        <source>Tylko centrala: %1</source>
        <translation>Tylko centrala: %1</translation>
    </message>
    <message>
        <source>Szukanie w archiwum firmowym…</source>
        <translation>Szukanie w archiwum firmowym…</translation>
    </message>
    <message>
        <source>Wyniki z serwera archiwum firmowego.</source>
        <translation>Wyniki z serwera archiwum firmowego.</translation>
    </message>
    <message>
        <source>Wyniki z katalogu na tym komputerze (stan z ostatniej synchronizacji): serwer archiwum nie odpowiada: %1</source>
        <translation>Wyniki z katalogu na tym komputerze (stan z ostatniej synchronizacji): serwer archiwum nie odpowiada: %1</translation>
    </message>
    <message>
        <source>Nie znaleziono rekordów.</source>
        <translation>Nie znaleziono rekordów.</translation>
    </message>
    <message>
        <source>nie na tym komputerze</source>
        <translation>nie na tym komputerze</translation>
    </message>
    <message>
        <source>Tylko w archiwum firmowym: otwarcie pobierze go na ten komputer</source>
        <translation>Tylko w archiwum firmowym: otwarcie pobierze go na ten komputer</translation>
    </message>
    <message>
        <source>Pobierz i otwórz</source>
        <translation>Pobierz i otwórz</translation>
    </message>
    <message>
        <source>Pobieranie „%1” z archiwum…</source>
        <translation>Pobieranie „%1” z archiwum…</translation>
    </message>
    <message>
        <source>Rekordu „%1” nie udało się otworzyć po pobraniu: %2</source>
        <translation>Rekordu „%1” nie udało się otworzyć po pobraniu: %2</translation>
    </message>
    <message>
        <source>Pobieranie przerwane: na tym komputerze nic nie zapisano.</source>
        <translation>Pobieranie przerwane: na tym komputerze nic nie zapisano.</translation>
    </message>
    <message>
        <source>Rekord tylko w archiwum</source>
        <translation>Rekord tylko w archiwum</translation>
    </message>
    <message>
        <source>Rekord „%1” jest w archiwum firmowym, ale nie na tym komputerze, a serwera archiwum nie udało się teraz osiągnąć (%2).

Na tym komputerze niczego nie zapisano. Połącz komputer z siecią firmy i otwórz rekord ponownie. Żeby rekordy obiektu były tu także bez sieci, wybierz w Ustawienia &gt; Widok zakres archiwum, który go obejmuje, i zsynchronizuj.</source>
        <translation>Rekord „%1” jest w archiwum firmowym, ale nie na tym komputerze, a serwera archiwum nie udało się teraz osiągnąć (%2).

Na tym komputerze niczego nie zapisano. Połącz komputer z siecią firmy i otwórz rekord ponownie. Żeby rekordy obiektu były tu także bez sieci, wybierz w Ustawienia &gt; Widok zakres archiwum, który go obejmuje, i zsynchronizuj.</translation>
    </message>
    <message>
        <source>Centrale firmy podaje serwer archiwum, a ten jest niedostępny: %1</source>
        <translation>Centrale firmy podaje serwer archiwum, a ten jest niedostępny: %1</translation>
    </message>
    <message>
        <source>Czytanie central z archiwum firmowego…</source>
        <translation>Czytanie central z archiwum firmowego…</translation>
    </message>
    <message>
        <source>Centrale firmy podaje serwer archiwum, a ten nie odpowiada: %1</source>
        <translation>Centrale firmy podaje serwer archiwum, a ten nie odpowiada: %1</translation>
    </message>
    <message>
        <source>po terminie</source>
        <translation>po terminie</translation>
    </message>
    <message>
        <source>wkrótce</source>
        <translation>wkrótce</translation>
    </message>
    <message>
        <source>Nie znaleziono central.</source>
        <translation>Nie znaleziono central.</translation>
    </message>
    <message>
        <source>Centrale firmy z serwera archiwum: %1.</source>
        <translation>Centrale firmy z serwera archiwum: %1.</translation>
    </message>
    <message>
        <source>Jest ich więcej.</source>
        <translation>Jest ich więcej.</translation>
    </message>
</context>
<context>
    <name>ArchiveSettings</name>
    <message>
        <source>to nie jest certyfikat w formacie PEM</source>
        <translation>to nie jest certyfikat w formacie PEM</translation>
    </message>
</context>
<context>
    <name>ArchiveStatus</name>
    <message>
        <source>Synchronizuj z archiwum</source>
        <translation>Synchronizuj z archiwum</translation>
    </message>
    <message>
        <source>Wymienia rekordy z archiwum firmowym</source>
        <translation>Wymienia rekordy z archiwum firmowym</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>Synchronizacja przerwana.</source>
        <translation>Synchronizacja przerwana.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</source>
        <translation>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</translation>
    </message>
    <message>
        <source>Archiwum nie jest ustawione: podaj serwer i użytkownika w Ustawienia &gt; Widok.</source>
        <translation>Archiwum nie jest ustawione: podaj serwer i użytkownika w Ustawienia &gt; Widok.</translation>
    </message>
    <message>
        <source>nigdy</source>
        <translation>nigdy</translation>
    </message>
    <message>
        <source>Archiwum: %1, czeka %2</source>
        <translation>Archiwum: %1, czeka %2</translation>
    </message>
    <message>
        <source>Odrzucone z archiwum…</source>
        <translation>Odrzucone z archiwum…</translation>
    </message>
    <message>
        <source>Rekordy w archiwum…</source>
        <translation>Rekordy w archiwum…</translation>
    </message>
    <message>
        <source>Rekordy kolegów, których ta baza nie przyjęła</source>
        <translation>Rekordy kolegów, których ta baza nie przyjęła</translation>
    </message>
    <message>
        <source>Archiwum niedostępne: brak sterownika PostgreSQL</source>
        <translation>Archiwum niedostępne: brak sterownika PostgreSQL</translation>
    </message>
    <message>
        <source>Centrale firmy…</source>
        <translation>Centrale firmy…</translation>
    </message>
    <message>
        <source>Wyszukiwanie i otwieranie rekordów archiwum, wycofanie własnych rekordów i przywracanie usuniętych</source>
        <translation>Wyszukiwanie i otwieranie rekordów archiwum, wycofanie własnych rekordów i przywracanie usuniętych</translation>
    </message>
    <message>
        <source>Centrale firmy z ostatnią wizytą i terminem przeglądu</source>
        <translation>Centrale firmy z ostatnią wizytą i terminem przeglądu</translation>
    </message>
</context>
<context>
    <name>ArchiveSync</name>
    <message>
        <source>Archiwum odrzuciło użytkownika %1: sprawdź jego hasło w pliku haseł PostgreSQL (pgpass).</source>
        <translation>Archiwum odrzuciło użytkownika %1: sprawdź jego hasło w pliku haseł PostgreSQL (pgpass).</translation>
    </message>
    <message>
        <source>Serwer archiwum nie zestawił połączenia szyfrowanego (SSL), którego wymagają ustawienia: %1</source>
        <translation>Serwer archiwum nie zestawił połączenia szyfrowanego (SSL), którego wymagają ustawienia: %1</translation>
    </message>
    <message>
        <source>Brak połączenia z archiwum %1:%2: %3</source>
        <translation>Brak połączenia z archiwum %1:%2: %3</translation>
    </message>
    <message>
        <source>Baza %1 nie jest archiwum programu: brak tabeli archive_schema (uruchom scripts/archive-server).</source>
        <translation>Baza %1 nie jest archiwum programu: brak tabeli archive_schema (uruchom scripts/archive-server).</translation>
    </message>
    <message>
        <source>Archiwum ma schemat w wersji %1, a program obsługuje wersję %2: synchronizacja odrzucona, nic nie zmieniono.</source>
        <translation>Archiwum ma schemat w wersji %1, a program obsługuje wersję %2: synchronizacja odrzucona, nic nie zmieniono.</translation>
    </message>
    <message>
        <source>Archiwum przysłało wiersz katalogu w niepoprawnej postaci; synchronizacja przerwana, nic z niego nie zapisano.</source>
        <translation>Archiwum przysłało wiersz katalogu w niepoprawnej postaci; synchronizacja przerwana, nic z niego nie zapisano.</translation>
    </message>
    <message>
        <source>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</source>
        <translation>Brak sterownika PostgreSQL (QPSQL) w tej instalacji: archiwum jest niedostępne.</translation>
    </message>
    <message>
        <source>Nie można otworzyć lokalnej bazy: %1</source>
        <translation>Nie można otworzyć lokalnej bazy: %1</translation>
    </message>
    <message>
        <source>Błąd zapisu do lokalnej bazy: %1</source>
        <translation>Błąd zapisu do lokalnej bazy: %1</translation>
    </message>
    <message>
        <source>Połączenie z archiwum zostało przerwane; synchronizacja nie dokończona, zapisane dotąd rekordy są zachowane. Spróbuj ponownie. (%1)</source>
        <translation>Połączenie z archiwum zostało przerwane; synchronizacja nie dokończona, zapisane dotąd rekordy są zachowane. Spróbuj ponownie. (%1)</translation>
    </message>
    <message>
        <source>Synchronizacja zakończona: pobrano %1, wysłano %2.</source>
        <translation>Synchronizacja zakończona: pobrano %1, wysłano %2.</translation>
    </message>
    <message>
        <source>Rekord nie został wycofany: wycofać może go tylko jego autor.</source>
        <translation>Rekord nie został wycofany: wycofać może go tylko jego autor.</translation>
    </message>
    <message>
        <source>Rekord wycofany; pozostaje w archiwum.</source>
        <translation>Rekord wycofany; pozostaje w archiwum.</translation>
    </message>
    <message>
        <source>Brak certyfikatu CA firmy, którym program sprawdza serwer archiwum: umieść go w %1 (Ustawienia &gt; Widok &gt; Certyfikat CA…). Hasła nie wysłano.</source>
        <translation>Brak certyfikatu CA firmy, którym program sprawdza serwer archiwum: umieść go w %1 (Ustawienia &gt; Widok &gt; Certyfikat CA…). Hasła nie wysłano.</translation>
    </message>
    <message>
        <source>Certyfikat serwera nie jest wystawiony na nazwę %1: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%2)</source>
        <translation>Certyfikat serwera nie jest wystawiony na nazwę %1: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%2)</translation>
    </message>
    <message>
        <source>Certyfikat serwera nie pochodzi od CA firmy: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</source>
        <translation>Certyfikat serwera nie pochodzi od CA firmy: to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</translation>
    </message>
    <message>
        <source>Serwer nie potwierdził swojej tożsamości wiązaniem kanału (SCRAM): to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</source>
        <translation>Serwer nie potwierdził swojej tożsamości wiązaniem kanału (SCRAM): to może nie być serwer archiwum firmy. Hasła nie wysłano. (%1)</translation>
    </message>
    <message>
        <source>Synchronizacja przerwana.</source>
        <translation>Synchronizacja przerwana.</translation>
    </message>
    <message>
        <source>Archiwum nie zna loginu %1 jako technika: administrator dodaje go poleceniem scripts/archive-server add-technician. Nic nie wysłano.</source>
        <translation>Archiwum nie zna loginu %1 jako technika: administrator dodaje go poleceniem scripts/archive-server add-technician. Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Archiwum na serwerze zostało odtworzone z kopii lub zastąpione: wysłano ponownie %1 rekordów, których w nim brakowało, i pobrano to, czego brakowało tutaj.</source>
        <translation>Archiwum na serwerze zostało odtworzone z kopii lub zastąpione: wysłano ponownie %1 rekordów, których w nim brakowało, i pobrano to, czego brakowało tutaj.</translation>
    </message>
    <message>
        <source>Odrzucono rekordów z archiwum: %1 (zobacz „Odrzucone z archiwum”).</source>
        <translation>Odrzucono rekordów z archiwum: %1 (zobacz „Odrzucone z archiwum”).</translation>
    </message>
    <message>
        <source>Rekordy z archiwum czekające na rekord, do którego się odwołują: %1.</source>
        <translation>Rekordy z archiwum czekające na rekord, do którego się odwołują: %1.</translation>
    </message>
    <message>
        <source>Archiwum nie przyjęło: %1.</source>
        <translation>Archiwum nie przyjęło: %1.</translation>
    </message>
    <message>
        <source>Archiwum nie ma tego rekordu.</source>
        <translation>Archiwum nie ma tego rekordu.</translation>
    </message>
    <message>
        <source>Nie przywrócono rekordu %1: %2</source>
        <translation>Nie przywrócono rekordu %1: %2</translation>
    </message>
    <message>
        <source>Przywrócono z archiwum: %1.</source>
        <translation>Przywrócono z archiwum: %1.</translation>
    </message>
    <message>
        <source>Pobieranie przerwane; nic nie zapisano.</source>
        <translation>Pobieranie przerwane; nic nie zapisano.</translation>
    </message>
    <message>
        <source>Pobrano z archiwum: %1 B.</source>
        <translation>Pobrano z archiwum: %1 B.</translation>
    </message>
    <message>
        <source>Rekord z archiwum odrzucony: %1</source>
        <translation>Rekord z archiwum odrzucony: %1</translation>
    </message>
    <message>
        <source>Nowe w katalogu archiwum, bez danych na tym komputerze: %1 (otwórz je w „Rekordy w archiwum”).</source>
        <translation>Nowe w katalogu archiwum, bez danych na tym komputerze: %1 (otwórz je w „Rekordy w archiwum”).</translation>
    </message>
</context>
<context>
    <name>CTM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Deklaracja modułu</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Moduł aktywny / nieaktywny</translation>
    </message>
    <message>
        <source>Wejście alarmu zewnętrznego (CSP)</source>
        <translation>Wejście alarmu zewnętrznego (CSP)</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał alarmu zewnętrznego</source>
        <translation>Aktywny / nieaktywny sygnał alarmu zewnętrznego</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA - kontrola ciągłości</source>
        <translation>Przekaźnik alarmu PKA - kontrola ciągłości</translation>
    </message>
    <message>
        <source>Aktywna / nieaktywna kontrola ciągłości toru wyjściowego PKA</source>
        <translation>Aktywna / nieaktywna kontrola ciągłości toru wyjściowego PKA</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu - czas Top</source>
        <translation>Przekaźnik alarmu - czas Top</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania przekaźnika alarmu</source>
        <translation>Czas opóźnienia wysterowania przekaźnika alarmu</translation>
    </message>
    <message>
        <source>Automatyka pogodowa</source>
        <translation>Automatyka pogodowa</translation>
    </message>
    <message>
        <source>Aktywny / nieaktywny sygnał z czujnika deszczu/wiatru</source>
        <translation>Aktywny / nieaktywny sygnał z czujnika deszczu/wiatru</translation>
    </message>
    <message>
        <source>Zasilanie LNM nr %1 - PSV nr </source>
        <translation>Zasilanie LNM nr %1 - PSV nr </translation>
    </message>
    <message>
        <source>Zasilanie modułu LNM-60 nr %1 z modułu PSV-60 nr</source>
        <translation>Zasilanie modułu LNM-60 nr %1 z modułu PSV-60 nr</translation>
    </message>
    <message>
        <source>Sygnalizowanie stanów na BZ7x</source>
        <translation>Sygnalizowanie stanów na BZ7x</translation>
    </message>
    <message>
        <source>TAK- Sygnalizowanie optyczne stanu wszystkich modułów (stan całej centrali)
NIE- Sygnalizowanie optyczne stanu tylko modułu LNM nr 1</source>
        <translation>TAK- Sygnalizowanie optyczne stanu wszystkich modułów (stan całej centrali)
NIE- Sygnalizowanie optyczne stanu tylko modułu LNM nr 1</translation>
    </message>
    <message>
        <source>Blokowanie odłączenia baterii w alarmie</source>
        <translation>Blokowanie odłączenia baterii w alarmie</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do LNM %1</source>
        <translation>Przewietrzanie – przyciski z LNM1 do LNM %1</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach LNM nr %1</source>
        <translation>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach LNM nr %1</translation>
    </message>
    <message>
        <source>Scenariusz</source>
        <translation>Scenariusz</translation>
    </message>
    <message>
        <source>Scenariusz dedykowany dla obiektu</source>
        <translation>Scenariusz dedykowany dla obiektu</translation>
    </message>
    <message>
        <source>Przewietrzanie – przyciski z LNM1 do RLH %1 PK%2</source>
        <translation>Przewietrzanie – przyciski z LNM1 do RLH %1 PK%2</translation>
    </message>
    <message>
        <source>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach RLH nr %1 PK nr %2</source>
        <translation>Wykorzystanie przycisków przewietrzających OTWÓRZ/ZAMKNIJ 
podłączonych do modułu LNM nr 1 do sterowania przewietrzaniem
 w modułach RLH nr %1 PK nr %2</translation>
    </message>
    <message>
        <source>CTM</source>
        <translation>CTM</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Moduł Główny Sterowania</translation>
    </message>
    <message>
        <source>LNM nr 1 – brak łączności </source>
        <translation>LNM nr 1 – brak łączności </translation>
    </message>
    <message>
        <source>LNM nr 2 – brak łączności </source>
        <translation>LNM nr 2 – brak łączności </translation>
    </message>
    <message>
        <source>LNM nr 3 – brak łączności </source>
        <translation>LNM nr 3 – brak łączności </translation>
    </message>
    <message>
        <source>LNM nr 4 – brak łączności </source>
        <translation>LNM nr 4 – brak łączności </translation>
    </message>
    <message>
        <source>LNM nr 5 – brak łączności </source>
        <translation>LNM nr 5 – brak łączności </translation>
    </message>
    <message>
        <source>LNM nr 6 – brak łączności </source>
        <translation>LNM nr 6 – brak łączności </translation>
    </message>
    <message>
        <source>LNM nr 7 – brak łączności </source>
        <translation>LNM nr 7 – brak łączności </translation>
    </message>
    <message>
        <source>LNM nr 8 – brak łączności </source>
        <translation>LNM nr 8 – brak łączności </translation>
    </message>
    <message>
        <source>RLH nr 1 – brak łączności </source>
        <translation>RLH nr 1 – brak łączności </translation>
    </message>
    <message>
        <source>RLH nr 2 – brak łączności </source>
        <translation>RLH nr 2 – brak łączności </translation>
    </message>
    <message>
        <source>RLH nr 3 – brak łączności </source>
        <translation>RLH nr 3 – brak łączności </translation>
    </message>
    <message>
        <source>RLH nr 4 – brak łączności </source>
        <translation>RLH nr 4 – brak łączności </translation>
    </message>
    <message>
        <source>PSV nr 1 – brak łączności </source>
        <translation>PSV nr 1 – brak łączności </translation>
    </message>
    <message>
        <source>PSV nr 2 – brak łączności </source>
        <translation>PSV nr 2 – brak łączności </translation>
    </message>
    <message>
        <source>PSV nr 3 – brak łączności </source>
        <translation>PSV nr 3 – brak łączności </translation>
    </message>
    <message>
        <source>PSV nr 4 – brak łączności </source>
        <translation>PSV nr 4 – brak łączności </translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – zwarcie</source>
        <translation>Linia alarmu zewnętrznego – zwarcie</translation>
    </message>
    <message>
        <source>Linia alarmu zewnętrznego – przerwa</source>
        <translation>Linia alarmu zewnętrznego – przerwa</translation>
    </message>
    <message>
        <source>Przekaźnik alarmu PKA – brak ciągłości</source>
        <translation>Przekaźnik alarmu PKA – brak ciągłości</translation>
    </message>
    <message>
        <source>Czujnik D/W – brak zasilania (bezpiecznik)</source>
        <translation>Czujnik D/W – brak zasilania (bezpiecznik)</translation>
    </message>
    <message>
        <source>Kalendarz - Brak synchronizacji zegara </source>
        <translation>Kalendarz - Brak synchronizacji zegara </translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – błąd sumy kontrolnej</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Wersja oprogramowania</translation>
    </message>
</context>
<context>
    <name>CheckTemplatesDialog</name>
    <message>
        <source>Listy sprawdzeń</source>
        <translation>Listy sprawdzeń</translation>
    </message>
    <message>
        <source>Część listy:</source>
        <translation>Część listy:</translation>
    </message>
    <message>
        <source>Nowe przeglądy dostają wiersze, które nie są wycofane, w tej kolejności. Przeglądy już rozpoczęte zachowują swoje wiersze.</source>
        <translation>Nowe przeglądy dostają wiersze, które nie są wycofane, w tej kolejności. Przeglądy już rozpoczęte zachowują swoje wiersze.</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Dodaj wiersz</translation>
    </message>
    <message>
        <source>W górę</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>W dół</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Sprawdzenie</source>
        <translation>Sprawdzenie</translation>
    </message>
    <message>
        <source>Sposób</source>
        <translation>Sposób</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Wymaganie</translation>
    </message>
    <message>
        <source>Wycofany</source>
        <translation>Wycofany</translation>
    </message>
</context>
<context>
    <name>Checklist</name>
    <message>
        <source>Przełączenie zasilania sieć / akumulator</source>
        <translation>Przełączenie zasilania sieć / akumulator</translation>
    </message>
    <message>
        <source>Odłączyć zasilanie 230 V, obserwować pracę z akumulatora i powrót zasilania sieciowego</source>
        <translation>Odłączyć zasilanie 230 V, obserwować pracę z akumulatora i powrót zasilania sieciowego</translation>
    </message>
    <message>
        <source>praca bez przerwy, zgłoszenie braku 230 V</source>
        <translation>praca bez przerwy, zgłoszenie braku 230 V</translation>
    </message>
    <message>
        <source>Ładowarka akumulatorów</source>
        <translation>Ładowarka akumulatorów</translation>
    </message>
    <message>
        <source>Pomiar napięcia ładowania na zaciskach akumulatora</source>
        <translation>Pomiar napięcia ładowania na zaciskach akumulatora</translation>
    </message>
    <message>
        <source>27,3 V ± 0,3 V</source>
        <translation>27,3 V ± 0,3 V</translation>
    </message>
    <message>
        <source>Uszkodzenie przy odłączeniu akumulatora</source>
        <translation>Uszkodzenie przy odłączeniu akumulatora</translation>
    </message>
    <message>
        <source>Odłączyć akumulator, odczytać uszkodzenia</source>
        <translation>Odłączyć akumulator, odczytać uszkodzenia</translation>
    </message>
    <message>
        <source>zgłoszony brak akumulatora</source>
        <translation>zgłoszony brak akumulatora</translation>
    </message>
    <message>
        <source>Nadzór linii</source>
        <translation>Nadzór linii</translation>
    </message>
    <message>
        <source>Odczyt stanu linii w podglądzie na żywo</source>
        <translation>Odczyt stanu linii w podglądzie na żywo</translation>
    </message>
    <message>
        <source>stan dozorowania</source>
        <translation>stan dozorowania</translation>
    </message>
    <message>
        <source>Wykrycie przerwy linii</source>
        <translation>Wykrycie przerwy linii</translation>
    </message>
    <message>
        <source>Rozłączyć linię na końcu, odczytać uszkodzenia</source>
        <translation>Rozłączyć linię na końcu, odczytać uszkodzenia</translation>
    </message>
    <message>
        <source>zgłoszona przerwa</source>
        <translation>zgłoszona przerwa</translation>
    </message>
    <message>
        <source>Wykrycie zwarcia linii</source>
        <translation>Wykrycie zwarcia linii</translation>
    </message>
    <message>
        <source>Zewrzeć linię, odczytać uszkodzenia</source>
        <translation>Zewrzeć linię, odczytać uszkodzenia</translation>
    </message>
    <message>
        <source>zgłoszone zwarcie</source>
        <translation>zgłoszone zwarcie</translation>
    </message>
    <message>
        <source>Wyjścia przekaźnikowe</source>
        <translation>Wyjścia przekaźnikowe</translation>
    </message>
    <message>
        <source>Wysterować każde wyjście, sprawdzić przełączenie styków</source>
        <translation>Wysterować każde wyjście, sprawdzić przełączenie styków</translation>
    </message>
    <message>
        <source>przełączenie styków, ciągłość obwodu</source>
        <translation>przełączenie styków, ciągłość obwodu</translation>
    </message>
    <message>
        <source>Blokada wyzwolenia</source>
        <translation>Blokada wyzwolenia</translation>
    </message>
    <message>
        <source>Przed testem włączyć blokadę wyzwolenia gaszenia</source>
        <translation>Przed testem włączyć blokadę wyzwolenia gaszenia</translation>
    </message>
    <message>
        <source>blokada włączona i sygnalizowana</source>
        <translation>blokada włączona i sygnalizowana</translation>
    </message>
    <message>
        <source>Obwody wyzwalające</source>
        <translation>Obwody wyzwalające</translation>
    </message>
    <message>
        <source>Test przy wyłączonym wyzwalaniu: ciągłość i zwarcie obwodu</source>
        <translation>Test przy wyłączonym wyzwalaniu: ciągłość i zwarcie obwodu</translation>
    </message>
    <message>
        <source>brak przerwy i zwarcia, bez wyzwolenia</source>
        <translation>brak przerwy i zwarcia, bez wyzwolenia</translation>
    </message>
    <message>
        <source>Stan wizualny centrali i obudowy</source>
        <translation>Stan wizualny centrali i obudowy</translation>
    </message>
    <message>
        <source>Oględziny: uszkodzenia, zabrudzenia, mocowanie, zamknięcie</source>
        <translation>Oględziny: uszkodzenia, zabrudzenia, mocowanie, zamknięcie</translation>
    </message>
    <message>
        <source>bez uszkodzeń</source>
        <translation>bez uszkodzeń</translation>
    </message>
    <message>
        <source>Bezpieczniki</source>
        <translation>Bezpieczniki</translation>
    </message>
    <message>
        <source>Sprawdzenie wartości i stanu bezpieczników</source>
        <translation>Sprawdzenie wartości i stanu bezpieczników</translation>
    </message>
    <message>
        <source>zgodne z dokumentacją</source>
        <translation>zgodne z dokumentacją</translation>
    </message>
    <message>
        <source>Obwód zasilania sieciowego</source>
        <translation>Obwód zasilania sieciowego</translation>
    </message>
    <message>
        <source>Wydzielony obwód, oznaczenie, zabezpieczenie</source>
        <translation>Wydzielony obwód, oznaczenie, zabezpieczenie</translation>
    </message>
    <message>
        <source>zgodny z projektem</source>
        <translation>zgodny z projektem</translation>
    </message>
    <message>
        <source>Sygnalizacja do centrali SSP / monitoringu</source>
        <translation>Sygnalizacja do centrali SSP / monitoringu</translation>
    </message>
    <message>
        <source>Wywołanie alarmu i uszkodzenia, potwierdzenie odbioru</source>
        <translation>Wywołanie alarmu i uszkodzenia, potwierdzenie odbioru</translation>
    </message>
    <message>
        <source>sygnały odebrane</source>
        <translation>sygnały odebrane</translation>
    </message>
    <message>
        <source>Książka eksploatacji</source>
        <translation>Książka eksploatacji</translation>
    </message>
    <message>
        <source>Wpisy od poprzedniego przeglądu</source>
        <translation>Wpisy od poprzedniego przeglądu</translation>
    </message>
    <message>
        <source>prowadzona</source>
        <translation>prowadzona</translation>
    </message>
    <message>
        <source>Instrukcja obsługi na miejscu</source>
        <translation>Instrukcja obsługi na miejscu</translation>
    </message>
    <message>
        <source>Obecność i aktualność instrukcji przy centrali</source>
        <translation>Obecność i aktualność instrukcji przy centrali</translation>
    </message>
    <message>
        <source>dostępna</source>
        <translation>dostępna</translation>
    </message>
    <message>
        <source>Czujki</source>
        <translation>Czujki</translation>
    </message>
    <message>
        <source>Pobudzenie testerem, zadziałanie na centrali</source>
        <translation>Pobudzenie testerem, zadziałanie na centrali</translation>
    </message>
    <message>
        <source>alarm na centrali</source>
        <translation>alarm na centrali</translation>
    </message>
    <message>
        <source>Przyciski ROP i przyciski oddymiania</source>
        <translation>Przyciski ROP i przyciski oddymiania</translation>
    </message>
    <message>
        <source>Uruchomienie kluczem testowym</source>
        <translation>Uruchomienie kluczem testowym</translation>
    </message>
    <message>
        <source>Siłowniki</source>
        <translation>Siłowniki</translation>
    </message>
    <message>
        <source>Pełny cykl otwarcia i zamknięcia</source>
        <translation>Pełny cykl otwarcia i zamknięcia</translation>
    </message>
    <message>
        <source>ruch bez zacięć</source>
        <translation>ruch bez zacięć</translation>
    </message>
    <message>
        <source>Klapy i okna oddymiające</source>
        <translation>Klapy i okna oddymiające</translation>
    </message>
    <message>
        <source>Otwarcie z centrali, kontrola krańcówek</source>
        <translation>Otwarcie z centrali, kontrola krańcówek</translation>
    </message>
    <message>
        <source>otwarcie pełne</source>
        <translation>otwarcie pełne</translation>
    </message>
    <message>
        <source>Sygnalizatory</source>
        <translation>Sygnalizatory</translation>
    </message>
    <message>
        <source>Wysterowanie z centrali</source>
        <translation>Wysterowanie z centrali</translation>
    </message>
    <message>
        <source>sygnał słyszalny</source>
        <translation>sygnał słyszalny</translation>
    </message>
    <message>
        <source>Urządzenia wyzwalające i pojemniki</source>
        <translation>Urządzenia wyzwalające i pojemniki</translation>
    </message>
    <message>
        <source>Oględziny, ciśnienie, masa, zabezpieczenia</source>
        <translation>Oględziny, ciśnienie, masa, zabezpieczenia</translation>
    </message>
    <message>
        <source>zgodne z kartą urządzenia</source>
        <translation>zgodne z kartą urządzenia</translation>
    </message>
    <message>
        <source>Sprawdzenia ogólne</source>
        <translation>Sprawdzenia ogólne</translation>
    </message>
    <message>
        <source>Moduły zasilania</source>
        <translation>Moduły zasilania</translation>
    </message>
    <message>
        <source>Moduły liniowe</source>
        <translation>Moduły liniowe</translation>
    </message>
    <message>
        <source>Moduły przekaźników</source>
        <translation>Moduły przekaźników</translation>
    </message>
    <message>
        <source>Moduły sterowania gaszeniem</source>
        <translation>Moduły sterowania gaszeniem</translation>
    </message>
    <message>
        <source>Urządzenia w obiekcie</source>
        <translation>Urządzenia w obiekcie</translation>
    </message>
</context>
<context>
    <name>CloseWarnings</name>
    <message>
        <source>Sprawdzenia bez wyniku: %1. W protokole będą opisane jako „nie sprawdzono”.</source>
        <translation>Sprawdzenia bez wyniku: %1. W protokole będą opisane jako „nie sprawdzono”.</translation>
    </message>
    <message>
        <source>Ocena „sprawna”, a przy odjeździe centrala zgłasza uszkodzenia: %1.</source>
        <translation>Ocena „sprawna”, a przy odjeździe centrala zgłasza uszkodzenia: %1.</translation>
    </message>
    <message>
        <source>Akumulator %1: termin wymiany %2 minął, a akumulatora nie wymieniono.</source>
        <translation>Akumulator %1: termin wymiany %2 minął, a akumulatora nie wymieniono.</translation>
    </message>
    <message>
        <source>Akumulator %1: termin wymiany %2 przypada w ciągu 90 dni, a akumulatora nie wymieniono.</source>
        <translation>Akumulator %1: termin wymiany %2 przypada w ciągu 90 dni, a akumulatora nie wymieniono.</translation>
    </message>
</context>
<context>
    <name>ConfigDiffModel</name>
    <message>
        <source>cały moduł, tylko po lewej</source>
        <translation>cały moduł, tylko po lewej</translation>
    </message>
    <message>
        <source>cały moduł, tylko po prawej</source>
        <translation>cały moduł, tylko po prawej</translation>
    </message>
    <message>
        <source>(brak modułu)</source>
        <translation>(brak modułu)</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Moduł</translation>
    </message>
    <message>
        <source>Ustawienie</source>
        <translation>Ustawienie</translation>
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
        <translation>Filtruj</translation>
    </message>
    <message>
        <source>Pokaż tylko zadeklarowane moduły na liście konfiguracyjnej</source>
        <translation>Pokaż tylko zadeklarowane moduły na liście konfiguracyjnej</translation>
    </message>
    <message>
        <source>Pokaż niezadeklarowane</source>
        <translation>Pokaż niezadeklarowane</translation>
    </message>
    <message>
        <source>Rozwiń</source>
        <translation>Rozwiń</translation>
    </message>
    <message>
        <source>ZAPISZ</source>
        <translation>ZAPISZ</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została zmieniona. Czy zapisać zmiany?</source>
        <translation>Konfiguracja %1 została zmieniona. Czy zapisać zmiany?</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:red&quot;&gt;&lt;i&gt;Czerwony napis&lt;/i&gt;&lt;/span&gt;: wartość inna niż w porównywanej konfiguracji (albo moduł, którego tam nie ma). &lt;span style=&quot;background-color:yellow&quot;&gt;&lt;i&gt;Żółte tło&lt;/i&gt;&lt;/span&gt;: wartość zmieniona i jeszcze niezapisana.</source>
        <translation>&lt;span style=&quot;color:red&quot;&gt;&lt;i&gt;Czerwony napis&lt;/i&gt;&lt;/span&gt;: wartość inna niż w porównywanej konfiguracji (albo moduł, którego tam nie ma). &lt;span style=&quot;background-color:yellow&quot;&gt;&lt;i&gt;Żółte tło&lt;/i&gt;&lt;/span&gt;: wartość zmieniona i jeszcze niezapisana.</translation>
    </message>
    <message>
        <source>Wczytaj ponownie</source>
        <translation>Wczytaj ponownie</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Porównaj</translation>
    </message>
</context>
<context>
    <name>ConfigManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Wczytaj z urządzenia</translation>
    </message>
    <message>
        <source>Wyślij</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Wyślij do urządzenia</source>
        <translation>Wyślij do urządzenia</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Dodaj nową konfigrację</source>
        <comment>Add new config</comment>
        <translation>Dodaj nową konfigurację</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Zapisz do PDF</translation>
    </message>
    <message>
        <source>Zapisz do pdf</source>
        <translation>Zapisz do pdf</translation>
    </message>
    <message>
        <source>Wczytaj z pliku</source>
        <translation>Wczytaj z pliku</translation>
    </message>
    <message>
        <source>Zapisz do pliku</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Konfigurator Ostrel</translation>
    </message>
    <message>
        <source>Błąd przy odczycie konfiguracji</source>
        <comment>Configuration error</comment>
        <translation>Błąd przy odczycie konfiguracji</translation>
    </message>
    <message>
        <source>Nazwa Konfiguracji</source>
        <translation>Nazwa Konfiguracji</translation>
    </message>
    <message>
        <source>Wprowadź nazwę:</source>
        <translation>Wprowadź nazwę:</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1 w bazie danych.</source>
        <translation>Nie udało się zapisać konfiguracji %1 w bazie danych.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Dane wysłane poprawnie.</translation>
    </message>
    <message>
        <source>Czy wysłać konfigurację %1 do urządzenia?</source>
        <translation>Czy wysłać konfigurację %1 do urządzenia?</translation>
    </message>
    <message>
        <source>Konfiguracja</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Konfiguracja została zapisana.</source>
        <translation>Konfiguracja została zapisana.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać konfiguracji %1.</source>
        <translation>Nie udało się zapisać konfiguracji %1.</translation>
    </message>
    <message>
        <source>Stwórz nową konfigurację</source>
        <translation>Stwórz nową konfigurację</translation>
    </message>
    <message>
        <source>Wprowadź nową nazwę:</source>
        <translation>Wprowadź nową nazwę:</translation>
    </message>
    <message>
        <source>Błąd</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż jedną konfigurację.Zaznacz jedną konfigurację, aby zmienić nazwę.</source>
        <translation>Zaznaczono więcej niż jedną konfigurację. Zaznacz jedną konfigurację, aby zmienić nazwę.</translation>
    </message>
    <message>
        <source>Zmiana nazwy.</source>
        <translation>Zmiana nazwy.</translation>
    </message>
    <message>
        <source>Zmieniono nazwe konfiguracji %1</source>
        <translation>Zmieniono nazwę konfiguracji na: %1</translation>
    </message>
    <message>
        <source>Czy usunąć konfigurację %1</source>
        <translation>Czy usunąć konfigurację %1</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji</source>
        <translation>Usunięcie konfiguracji</translation>
    </message>
    <message>
        <source>Usunięcie konfiguracji o nazwie: %1</source>
        <translation>Usunięcie konfiguracji o nazwie: %1</translation>
    </message>
    <message>
        <source>Zaznaczono więcej niż 1 konfigurację na liście.
 Zaznacz jedną konfigurację, aby ją wyeksportować.</source>
        <translation>Zaznaczono więcej niż 1 konfigurację na liście.
 Zaznacz jedną konfigurację, aby ją wyeksportować.</translation>
    </message>
    <message>
        <source>Eksport config</source>
        <translation>Eksport konfiguracji</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>Nie udało się zapisać pliku %1.</translation>
    </message>
    <message>
        <source>Import conf</source>
        <translation>Import konfiguracji</translation>
    </message>
    <message>
        <source>Plik %1 nie zawiera poprawnej konfiguracji.</source>
        <translation>Plik %1 nie zawiera poprawnej konfiguracji.</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Eksport PDF</translation>
    </message>
    <message>
        <source>urządzenia</source>
        <translation>urządzenia</translation>
    </message>
    <message>
        <source>Urządzenie</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Porównaj</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>Porównaj otwartą konfigurację z inną</source>
        <translation>Porównaj otwartą konfigurację z inną</translation>
    </message>
    <message>
        <source>z zapisaną konfiguracją…</source>
        <translation>z zapisaną konfiguracją…</translation>
    </message>
    <message>
        <source>z plikiem .cfg…</source>
        <translation>z plikiem .cfg…</translation>
    </message>
    <message>
        <source>z konfiguracją urządzenia</source>
        <translation>z konfiguracją urządzenia</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zawiera żadnego modułu.</source>
        <translation>Konfiguracja %1 nie zawiera żadnego modułu.</translation>
    </message>
    <message>
        <source>Konfiguracji %1 nie da się odczytać: jej dane są uszkodzone.</source>
        <translation>Konfiguracji %1 nie da się odczytać: jej dane są uszkodzone.</translation>
    </message>
    <message>
        <source>Otwórz konfigurację, którą chcesz porównać.</source>
        <translation>Otwórz konfigurację, którą chcesz porównać.</translation>
    </message>
    <message>
        <source>Nie ma innej zapisanej konfiguracji.</source>
        <translation>Nie ma innej zapisanej konfiguracji.</translation>
    </message>
    <message>
        <source>Porównaj %1 z konfiguracją:</source>
        <translation>Porównaj %1 z konfiguracją:</translation>
    </message>
    <message>
        <source>Porównaj z plikiem</source>
        <translation>Porównaj z plikiem</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem.</source>
        <translation>Brak połączenia z urządzeniem.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji</source>
        <translation>odczyt konfiguracji</translation>
    </message>
    <message>
        <source>Poprzednie polecenie dla urządzenia jeszcze trwa.</source>
        <translation>Poprzednie polecenie dla urządzenia jeszcze trwa.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji do porównania</source>
        <translation>odczyt konfiguracji do porównania</translation>
    </message>
    <message>
        <source>Konfiguracja %1 ma niezapisane zmiany.

„Tak” zapisuje je i drukuje zapisaną konfigurację, „Nie” drukuje to, co widać w edytorze, bez zapisywania.</source>
        <translation>Konfiguracja %1 ma niezapisane zmiany.

„Tak” zapisuje je i drukuje zapisaną konfigurację, „Nie” drukuje to, co widać w edytorze, bez zapisywania.</translation>
    </message>
    <message>
        <source>Konfigurację %1 zapisano w pliku %2.</source>
        <translation>Konfigurację %1 zapisano w pliku %2.</translation>
    </message>
    <message>
        <source>ta stacja</source>
        <translation>ta stacja</translation>
    </message>
    <message>
        <source>Konfiguracja %1 została w międzyczasie zmieniona przez synchronizację z archiwum, więc zmian nie zapisano na niej: zapisano je obok jako %2, konflikt do rozstrzygnięcia (Porównaj).</source>
        <translation>Konfiguracja %1 została w międzyczasie zmieniona przez synchronizację z archiwum, więc zmian nie zapisano na niej: zapisano je obok jako %2, konflikt do rozstrzygnięcia (Porównaj).</translation>
    </message>
    <message>
        <source>Synchronizacja z archiwum przyniosła nowszą wersję konfiguracji %1. Edytor pokazuje wersję otwartą wcześniej; jej zapis trafi obok jako konflikt.</source>
        <translation>Synchronizacja z archiwum przyniosła nowszą wersję konfiguracji %1. Edytor pokazuje wersję otwartą wcześniej; jej zapis trafi obok jako konflikt.</translation>
    </message>
    <message>
        <source>Konfiguracja %1 ma niezapisane zmiany. Zapisać je obok jako konflikt przed wczytaniem nowszej wersji?</source>
        <translation>Konfiguracja %1 ma niezapisane zmiany. Zapisać je obok jako konflikt przed wczytaniem nowszej wersji?</translation>
    </message>
    <message>
        <source>%1 (wersja z archiwum)</source>
        <translation>%1 (wersja z archiwum)</translation>
    </message>
</context>
<context>
    <name>ConfigReviewDialog</name>
    <message>
        <source>Porównanie konfiguracji</source>
        <translation>Porównanie konfiguracji</translation>
    </message>
    <message>
        <source>Pokaż:</source>
        <translation>Pokaż:</translation>
    </message>
    <message>
        <source>tylko różnice</source>
        <translation>tylko różnice</translation>
    </message>
    <message>
        <source>wszystkie</source>
        <translation>wszystkie</translation>
    </message>
    <message>
        <source>UWAGA: zestaw modułów się różni (tylko po lewej: %1, tylko po prawej: %2). Ta konfiguracja może należeć do innej centrali.</source>
        <translation>UWAGA: zestaw modułów się różni (tylko po lewej: %1, tylko po prawej: %2). Ta konfiguracja może należeć do innej centrali.</translation>
    </message>
    <message>
        <source>Przegląd przed wysłaniem</source>
        <translation>Przegląd przed wysłaniem</translation>
    </message>
    <message>
        <source>Wyślij zaznaczone</source>
        <translation>Wyślij zaznaczone</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Moduły: %1 po lewej, %2 po prawej. Tylko po lewej: %3, tylko po prawej: %4. Zmienione ustawienia: %5, bez zmian: %6.</source>
        <translation>Moduły: %1 po lewej, %2 po prawej. Tylko po lewej: %3, tylko po prawej: %4. Zmienione ustawienia: %5, bez zmian: %6.</translation>
    </message>
</context>
<context>
    <name>ConfigSender</name>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Konfigurator Ostrel</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zostanie wysłana: jej zapisany obraz jest uszkodzony.</source>
        <translation>Konfiguracja %1 nie zostanie wysłana: jej zapisany obraz jest uszkodzony.</translation>
    </message>
    <message>
        <source>Konfiguracja %1 nie zostanie wysłana: nie zawiera żadnego modułu.</source>
        <translation>Konfiguracja %1 nie zostanie wysłana: nie zawiera żadnego modułu.</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem.</source>
        <translation>Brak połączenia z urządzeniem.</translation>
    </message>
    <message>
        <source>Brak połączenia z urządzeniem. Nic nie wysłano.</source>
        <translation>Brak połączenia z urządzeniem. Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać kopii konfiguracji urządzenia. Nic nie wysłano.</source>
        <translation>Nie udało się zapisać kopii konfiguracji urządzenia. Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Konfiguracji odczytanej z urządzenia nie da się odczytać, więc nie można jej porównać. Nic nie wysłano.</source>
        <translation>Konfiguracji odczytanej z urządzenia nie da się odczytać, więc nie można jej porównać. Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Urządzenie ma już konfigurację %1. Nic nie wysłano.</source>
        <translation>Urządzenie ma już konfigurację %1. Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Urządzenie (teraz)</source>
        <translation>Urządzenie (teraz)</translation>
    </message>
    <message>
        <source>Do wysłania: %1</source>
        <translation>Do wysłania: %1</translation>
    </message>
    <message>
        <source>Nie zaznaczono żadnej zmiany. Nic nie wysłano.</source>
        <translation>Nie zaznaczono żadnej zmiany. Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Zestaw modułów w urządzeniu jest inny niż w konfiguracji %1 (tylko w urządzeniu: %2, tylko w wysyłanej: %3). Ta konfiguracja może należeć do innej centrali.

Czy na pewno wysłać ją do urządzenia?</source>
        <translation>Zestaw modułów w urządzeniu jest inny niż w konfiguracji %1 (tylko w urządzeniu: %2, tylko w wysyłanej: %3). Ta konfiguracja może należeć do innej centrali.

Czy na pewno wysłać ją do urządzenia?</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Dane wysłane poprawnie.</translation>
    </message>
    <message>
        <source>Konfiguracja zweryfikowana</source>
        <translation>Konfiguracja zweryfikowana</translation>
    </message>
    <message>
        <source>… i jeszcze %1</source>
        <translation>… i jeszcze %1</translation>
    </message>
    <message>
        <source>%1, %2: wysłano %3, urządzenie ma %4</source>
        <translation>%1, %2: wysłano %3, urządzenie ma %4</translation>
    </message>
    <message>
        <source>%1: urządzenie nie ma tego modułu</source>
        <translation>%1: urządzenie nie ma tego modułu</translation>
    </message>
    <message>
        <source>%1: moduł, którego nie wysłano</source>
        <translation>%1: moduł, którego nie wysłano</translation>
    </message>
    <message>
        <source>Urządzenie potwierdziło odbiór, ale nie przyjęło tych ustawień:</source>
        <translation>Urządzenie potwierdziło odbiór, ale nie przyjęło tych ustawień:</translation>
    </message>
    <message>
        <source>Konfiguracji odczytanej po wysłaniu nie da się odczytać.</source>
        <translation>Konfiguracji odczytanej po wysłaniu nie da się odczytać.</translation>
    </message>
    <message>
        <source>Weryfikacja konfiguracji</source>
        <translation>Weryfikacja konfiguracji</translation>
    </message>
    <message>
        <source>Poprzednia konfiguracja urządzenia jest zapisana jako %1.</source>
        <translation>Poprzednia konfiguracja urządzenia jest zapisana jako %1.</translation>
    </message>
    <message>
        <source>odczyt konfiguracji przed wysłaniem</source>
        <translation>odczyt konfiguracji przed wysłaniem</translation>
    </message>
    <message>
        <source>Nic nie wysłano.</source>
        <translation>Nic nie wysłano.</translation>
    </message>
    <message>
        <source>Urządzenie potwierdziło odbiór, ale konfiguracja nie została zweryfikowana.</source>
        <translation>Urządzenie potwierdziło odbiór, ale konfiguracja nie została zweryfikowana.</translation>
    </message>
    <message>
        <source>odczyt kontrolny konfiguracji</source>
        <translation>odczyt kontrolny konfiguracji</translation>
    </message>
    <message>
        <source>wysyłanie konfiguracji</source>
        <translation>wysyłanie konfiguracji</translation>
    </message>
    <message>
        <source>Nie wiadomo, czy urządzenie przyjęło konfigurację: odczytaj konfigurację, aby to sprawdzić.</source>
        <translation>Nie wiadomo, czy urządzenie przyjęło konfigurację: odczytaj konfigurację, aby to sprawdzić.</translation>
    </message>
    <message>
        <source>Niezapisane zmiany z edytora nie zostały wysłane: użyto zapisanej wersji konfiguracji %1.</source>
        <translation>Niezapisane zmiany z edytora nie zostały wysłane: użyto zapisanej wersji konfiguracji %1.</translation>
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
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>Autokalibracja</source>
        <translation>Autokalibracja</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Instrukcja postępowania:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Wyłącz zasilanie Ostrel.&lt;/li&gt;&lt;li&gt;Odłącz złącze zasilania 24 V od modułu PSB (wejście zasilane z modułu zasilacza sieciowego).&lt;/li&gt;&lt;li&gt;Podłącz zasilacz laboratoryjny równolegle z woltomierzem do wejścia akumulatora i ustaw dokładnie 27.3 V.&lt;/li&gt;&lt;li&gt;Załącz akumulator.&lt;/li&gt;&lt;li&gt;Naciśnij przycisk „Autokalibracja”.&lt;/li&gt;&lt;li&gt;Po krótkim czasie pojawi się okno z informacją o poprawnie wykonanej kalibracji.&lt;/li&gt;&lt;li&gt;Zresetuj mikrokontroler.&lt;/li&gt;&lt;/ol&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Instrukcja postępowania:&lt;/b&gt;&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Wyłącz zasilanie Ostrel.&lt;/li&gt;&lt;li&gt;Odłącz złącze zasilania 24 V od modułu PSB (wejście zasilane z modułu zasilacza sieciowego).&lt;/li&gt;&lt;li&gt;Podłącz zasilacz laboratoryjny równolegle z woltomierzem do wejścia akumulatora i ustaw dokładnie 27.3 V.&lt;/li&gt;&lt;li&gt;Załącz akumulator.&lt;/li&gt;&lt;li&gt;Naciśnij przycisk „Autokalibracja”.&lt;/li&gt;&lt;li&gt;Po krótkim czasie pojawi się okno z informacją o poprawnie wykonanej kalibracji.&lt;/li&gt;&lt;li&gt;Zresetuj mikrokontroler.&lt;/li&gt;&lt;/ol&gt;</translation>
    </message>
    <message>
        <source>Tester Ostrel</source>
        <translation>Tester Ostrel</translation>
    </message>
    <message>
        <source>Testuj</source>
        <translation>Testuj</translation>
    </message>
    <message>
        <source>Skasuj</source>
        <translation>Skasuj</translation>
    </message>
    <message>
        <source>Podgląd na żywo</source>
        <translation>Podgląd na żywo</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Bin</source>
        <translation>Bin</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Brak funkcji</source>
        <translation>Brak funkcji</translation>
    </message>
    <message>
        <source>Nazwa testu</source>
        <translation>Nazwa testu</translation>
    </message>
    <message>
        <source>Prawidłowy zakres</source>
        <translation>Prawidłowy zakres</translation>
    </message>
    <message>
        <source>Wartość bin</source>
        <translation>Wartość bin</translation>
    </message>
    <message>
        <source>Wartość str</source>
        <translation>Wartość str</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Kalibracja zakończona. Zresetuj mikrokontroler.</source>
        <translation>Kalibracja zakończona. Zresetuj mikrokontroler.</translation>
    </message>
    <message>
        <source>Tester</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>Nie można wykonać testu ponieważ włączony jest tryb kalibracji</source>
        <translation>Nie można wykonać testu ponieważ włączony jest tryb kalibracji</translation>
    </message>
    <message>
        <source>Zakończono testowanie.</source>
        <translation>Zakończono testowanie.</translation>
    </message>
    <message>
        <source>Tak</source>
        <comment>YES</comment>
        <translation>Tak</translation>
    </message>
    <message>
        <source>Nie</source>
        <comment>No</comment>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać autokalibracje Ostrel? Upewnij się czy masz podłączone zasilanie 27.3 V</source>
        <translation>Czy na pewno chcesz wykonać autokalibrację Ostrel? Upewnij się, czy masz podłączone zasilanie 27.3 V</translation>
    </message>
    <message>
        <source>Czy napewno chcesz wykonać test Ostrel? Upewnij się czy masz podłączony akumulator i włączone zasilanie Ostrel.</source>
        <translation>Czy na pewno chcesz wykonać test Ostrel? Upewnij się, czy masz podłączony akumulator i włączone zasilanie Ostrel.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>BŁĄD</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Napięcie 230 V przed diodą</source>
        <translation>Napięcie 230 V przed diodą</translation>
    </message>
    <message>
        <source>Napięcie 230 V za diodą</source>
        <translation>Napięcie 230 V za diodą</translation>
    </message>
    <message>
        <source>Napięcie akumulatora</source>
        <translation>Napięcie akumulatora</translation>
    </message>
    <message>
        <source>Prąd ładowania</source>
        <translation>Prąd ładowania</translation>
    </message>
    <message>
        <source>Rezystancja akumulatora</source>
        <translation>Rezystancja akumulatora</translation>
    </message>
    <message>
        <source>Temp. wewnątrz obudowy</source>
        <translation>Temp. wewnątrz obudowy</translation>
    </message>
    <message>
        <source>Dioda idealna</source>
        <translation>Dioda idealna</translation>
    </message>
    <message>
        <source>Klucz akumulatora</source>
        <translation>Klucz akumulatora</translation>
    </message>
    <message>
        <source>Stan zasilacza Ostrel</source>
        <translation>Stan zasilacza Ostrel</translation>
    </message>
    <message>
        <source>Stan ładowania akumulatora</source>
        <translation>Stan ładowania akumulatora</translation>
    </message>
    <message>
        <source>Offset temperaturowy</source>
        <translation>Offset temperaturowy</translation>
    </message>
    <message>
        <source>PWM sterowania binarnie</source>
        <translation>PWM sterowania binarnie</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V przed dioda</source>
        <translation>Offset napięcie 230 V przed diodą</translation>
    </message>
    <message>
        <source>Offset napiecie 230 V za dioda</source>
        <translation>Offset napięcie 230 V za diodą</translation>
    </message>
    <message>
        <source>Offset napiecie akumulatora</source>
        <translation>Offset napięcie akumulatora</translation>
    </message>
    <message>
        <source>Offset prąd ładowania</source>
        <translation>Offset prąd ładowania</translation>
    </message>
    <message>
        <source>Ilość przejść do CC z CV</source>
        <translation>Ilość przejść do CC z CV</translation>
    </message>
    <message>
        <source>Ilość przeciążeń akumulatora</source>
        <translation>Ilość przeciążeń akumulatora</translation>
    </message>
    <message>
        <source>Ilość pomiarów rezystancji</source>
        <translation>Ilość pomiarów rezystancji</translation>
    </message>
    <message>
        <source>Ilość załączeń diody</source>
        <translation>Ilość załączeń diody</translation>
    </message>
    <message>
        <source>Ilość wyłączeń diody</source>
        <translation>Ilość wyłączeń diody</translation>
    </message>
    <message>
        <source>Ilość wylaczen diody podczas blokowania 2s</source>
        <translation>Ilość wyłączeń diody podczas blokowania 2s</translation>
    </message>
    <message>
        <source>Ilość prób zalaczen diody po sprawdeniu napiecia sieciowego</source>
        <translation>Ilość prób załączeń diody po sprawdzeniu napięcia sieciowego</translation>
    </message>
    <message>
        <source>Ilość zalaczen diody po sprawdeniu napiecia siecowego</source>
        <translation>Ilość załączeń diody po sprawdzeniu napięcia sieciowego</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout R</source>
        <translation>Ilość wejścia w timeout R</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 5h</source>
        <translation>Ilość wejścia w timeout ładowania CC 5h</translation>
    </message>
    <message>
        <source>Ilość wejscia w timeout ladowania CC 48h</source>
        <translation>Ilość wejścia w timeout ładowania CC 48h</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CC</source>
        <translation>Ilość wejścia w błąd ładowarki w CC</translation>
    </message>
    <message>
        <source>Ilość wejścia w błąd ładowarki w CV</source>
        <translation>Ilość wejścia w błąd ładowarki w CV</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS1</source>
        <translation>Stan linii sygnałowej LS1</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS2</source>
        <translation>Stan linii sygnałowej LS2</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS3</source>
        <translation>Stan linii sygnałowej LS3</translation>
    </message>
    <message>
        <source>Stan linii sygnałowej LS4</source>
        <translation>Stan linii sygnałowej LS4</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK1</source>
        <translation>Stan linii kontrolnej LK1</translation>
    </message>
    <message>
        <source>Stan linii kontrolnej LK2</source>
        <translation>Stan linii kontrolnej LK2</translation>
    </message>
    <message>
        <source>BATTERY AND SUPPLY</source>
        <translation>AKUMULATOR I ZASILACZ</translation>
    </message>
    <message>
        <source>ONLY BATTERY</source>
        <translation>TYLKO AKUMULATOR</translation>
    </message>
    <message>
        <source>ONLY SUPPLY</source>
        <translation>TYLKO ZASILACZ</translation>
    </message>
    <message>
        <source>CURRENT MODE</source>
        <translation>TRYB PRĄDOWY</translation>
    </message>
    <message>
        <source>VOLTAGE MODE</source>
        <translation>TRYB NAPIĘCIOWY</translation>
    </message>
    <message>
        <source>TEMPERATURE MODE</source>
        <translation>TRYB TEMPERATUROWY</translation>
    </message>
    <message>
        <source>WYSTEROWANIE</source>
        <translation>WYSTEROWANIE</translation>
    </message>
    <message>
        <source>ZWARCIE</source>
        <translation>ZWARCIE</translation>
    </message>
    <message>
        <source>PRZECIĄŻENIE</source>
        <translation>PRZECIĄŻENIE</translation>
    </message>
    <message>
        <source>PRZERWA</source>
        <translation>PRZERWA</translation>
    </message>
    <message>
        <source>DOZÓR</source>
        <translation>DOZÓR</translation>
    </message>
    <message>
        <source>NIEAKTYWNA</source>
        <translation>NIEAKTYWNA</translation>
    </message>
    <message>
        <source>Test RAM</source>
        <translation>Test RAM</translation>
    </message>
    <message>
        <source>Test FLASH</source>
        <translation>Test FLASH</translation>
    </message>
    <message>
        <source>Test czujnika prądu bez obciążenia</source>
        <translation>Test czujnika prądu bez obciążenia</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - rezystnacja</source>
        <translation>Test pomiaru rezystancji - rezystancja</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora bez obciążenia</source>
        <translation>Test pomiaru rezystancji - U akumulatora bez obciążenia</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - U akumulatora z obciążeniem</source>
        <translation>Test pomiaru rezystancji - U akumulatora z obciążeniem</translation>
    </message>
    <message>
        <source>Test pomiaru rezystancji - I akumulatora z obciążeniem</source>
        <translation>Test pomiaru rezystancji - I akumulatora z obciążeniem</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie minimalne</source>
        <translation>Test zasilacza - napięcie minimalne</translation>
    </message>
    <message>
        <source>Test zasilacza - napięcie maksymalne</source>
        <translation>Test zasilacza - napięcie maksymalne</translation>
    </message>
    <message>
        <source>Sprawny/Uszkodzony</source>
        <translation>Sprawny/Uszkodzony</translation>
    </message>
    <message>
        <source>od 0.1 do -0.1 A</source>
        <translation>od 0.1 do -0.1 A</translation>
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
        <translation>od 2.9 do 3.9 A</translation>
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
        <translation>STAN Y</translation>
    </message>
    <message>
        <source>STAN X</source>
        <translation>STAN X</translation>
    </message>
    <message>
        <source>STAN DOZOROWANIA</source>
        <translation>STAN DOZOROWANIA</translation>
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
        <translation>Brak sondy</translation>
    </message>
    <message>
        <source>NIEDOTYCZY</source>
        <translation>NIE DOTYCZY</translation>
    </message>
    <message>
        <source>0 - max. napiecie, 4095 - min. napięcie wyjściowe przetwornicy</source>
        <translation>0 - max. napięcie, 4095 - min. napięcie wyjściowe przetwornicy</translation>
    </message>
    <message>
        <source>Wartość zeruje sie po resecie</source>
        <translation>Wartość zeruje się po resecie</translation>
    </message>
    <message>
        <source>Wartość zeruje się po resecie</source>
        <translation>Wartość zeruje się po resecie</translation>
    </message>
    <message>
        <source>brak danych</source>
        <translation>brak danych</translation>
    </message>
    <message>
        <source>Wartości poniżej nie są aktualne: port jest zamknięty albo centrala nie przysłała nowych przez dwa okresy odpytywania</source>
        <translation>Wartości poniżej nie są aktualne: port jest zamknięty albo centrala nie przysłała nowych przez dwa okresy odpytywania</translation>
    </message>
</context>
<context>
    <name>EnumList</name>
    <message>
        <source>Brak – wyjście nieaktywne</source>
        <translation>Brak – wyjście nieaktywne</translation>
    </message>
    <message>
        <source>Alarm - ogólny Halvo</source>
        <translation>Alarm - ogólny Halvo</translation>
    </message>
    <message>
        <source>Alarm - wejście zewnętrzne</source>
        <translation>Alarm - wejście zewnętrzne</translation>
    </message>
    <message>
        <source>Alarm - system Tarven A/B</source>
        <translation>Alarm - system Tarven A/B</translation>
    </message>
    <message>
        <source>Alarm - suma stref LNM</source>
        <translation>Alarm - suma stref LNM</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref LNM</source>
        <translation>Alarm - iloczyn stref LNM</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + suma stref LNMn</source>
        <translation>Alarm – wejście zewnętrzne + suma stref LNMn</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + iloczyn stref LNMn</source>
        <translation>Alarm – wejście zewnętrzne + iloczyn stref LNMn</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + suma stref LNMn</source>
        <translation>Alarm – Tarven A/B + suma stref LNMn</translation>
    </message>
    <message>
        <source>Alarm – Tarven A/B + iloczyn stref LNMn</source>
        <translation>Alarm – Tarven A/B + iloczyn stref LNMn</translation>
    </message>
    <message>
        <source>Alarm – wejście zewnętrzne + własny</source>
        <translation>Alarm – wejście zewnętrzne + własny</translation>
    </message>
    <message>
        <source>Alarm – system Tarven A/B + własny</source>
        <translation>Alarm – system Tarven A/B + własny</translation>
    </message>
    <message>
        <source>Alarm - iloczyn stref + wlasny</source>
        <translation>Alarm - iloczyn stref + własny</translation>
    </message>
    <message>
        <source>Zarezerwowane</source>
        <translation>Zarezerwowane</translation>
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
        <translation>NIE</translation>
    </message>
    <message>
        <source>Alarm - ogólny</source>
        <translation>Alarm - ogólny</translation>
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
        <translation>Osiągnięta pozycja pożarowa (FIRE SAFE)</translation>
    </message>
    <message>
        <source>Nieaktywna</source>
        <translation>Nieaktywna</translation>
    </message>
    <message>
        <source>Kontrola zadziałania PK</source>
        <translation>Kontrola zadziałania PK</translation>
    </message>
    <message>
        <source>Wejście potwierdzenia zewnętrznego</source>
        <translation>Wejście potwierdzenia zewnętrznego</translation>
    </message>
    <message>
        <source>Wejście kasowania zewnętrznego</source>
        <translation>Wejście kasowania zewnętrznego</translation>
    </message>
    <message>
        <source>Blokowanie wyjść</source>
        <translation>Blokowanie wyjść</translation>
    </message>
    <message>
        <source>Blokowanie warunkowe wyjscia LNM</source>
        <translation>Blokowanie warunkowe wyjścia LNM</translation>
    </message>
    <message>
        <source>Zamrożenie stanu</source>
        <translation>Zamrożenie stanu</translation>
    </message>
    <message>
        <source>Wyjście nieaktywne</source>
        <translation>Wyjście nieaktywne</translation>
    </message>
    <message>
        <source>Załączenie na stałe</source>
        <translation>Załączenie na stałe</translation>
    </message>
    <message>
        <source>Załączenie czasowe</source>
        <translation>Załączenie czasowe</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-cykliczne</source>
        <translation>Załączenie impulsowo-cykliczne</translation>
    </message>
    <message>
        <source>Załączenie impulsowo-ilościowe</source>
        <translation>Załączenie impulsowo-ilościowe</translation>
    </message>
    <message>
        <source>0-nieaktywny</source>
        <translation>0-nieaktywny</translation>
    </message>
    <message>
        <source>1-załączenie na stałe</source>
        <translation>1-załączenie na stałe</translation>
    </message>
    <message>
        <source>2-załączenie czasowe</source>
        <translation>2-załączenie czasowe</translation>
    </message>
    <message>
        <source>3-załączenie impulsowo-cykliczne</source>
        <translation>3-załączenie impulsowo-cykliczne</translation>
    </message>
    <message>
        <source>4-załączenie impulsowo-ilościowe</source>
        <translation>4-załączenie impulsowo-ilościowe</translation>
    </message>
    <message>
        <source>5-klapy Gryfit czas T2 – wysterowanie w dozorowaniu</source>
        <translation>5-klapy Gryfit czas T2 – wysterowanie w dozorowaniu</translation>
    </message>
    <message>
        <source>0-nieaktywne</source>
        <translation>0-nieaktywne</translation>
    </message>
    <message>
        <source>1-siłownik dwukierunkowy</source>
        <translation>1-siłownik dwukierunkowy</translation>
    </message>
    <message>
        <source>2-siłownik ze sprężyną powrotną</source>
        <translation>2-siłownik ze sprężyną powrotną</translation>
    </message>
    <message>
        <source>3-przerwa napięciowa lub impuls prądowy</source>
        <translation>3-przerwa napięciowa lub impuls prądowy</translation>
    </message>
    <message>
        <source>Aktywne przewietrzanie</source>
        <translation>Aktywne przewietrzanie</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Linia kontrolna LK1 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</source>
        <translation>Linia kontrolna LK2 (od stanu X przy trybie dwustanowym lub od stanu Y lub X w trybie trójstanowym)</translation>
    </message>
    <message>
        <source>System Tarven B</source>
        <translation>System Tarven B</translation>
    </message>
    <message>
        <source>Wejście nieaktywne</source>
        <translation>Wejście nieaktywne</translation>
    </message>
    <message>
        <source>Tryb 2-stanowy</source>
        <translation>Tryb 2-stanowy</translation>
    </message>
    <message>
        <source>Tryb 3-stanowy</source>
        <translation>Tryb 3-stanowy</translation>
    </message>
    <message>
        <source>Brak – wejście nieaktywne</source>
        <translation>Brak – wejście nieaktywne</translation>
    </message>
    <message>
        <source>Port nieaktywny</source>
        <translation>Port nieaktywny</translation>
    </message>
    <message>
        <source>Protokół Modbus</source>
        <translation>Protokół Modbus</translation>
    </message>
    <message>
        <source>Komunikacja z Ostrel nr. 2</source>
        <translation>Komunikacja z Ostrel nr. 2</translation>
    </message>
    <message>
        <source>Brak konfiguracji</source>
        <translation>Brak konfiguracji</translation>
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
        <translation>Wybierz pojemność akumulatora</translation>
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
        <translation>0 - Strefa 1</translation>
    </message>
    <message>
        <source>1 - Strefa 2</source>
        <translation>1 - Strefa 2</translation>
    </message>
    <message>
        <source>2 - Strefa 1 + 2</source>
        <translation>2 - Strefa 1 + 2</translation>
    </message>
    <message>
        <source>3 - Nie związane z strefą</source>
        <translation>3 - Nie związane z strefą</translation>
    </message>
    <message>
        <source>0 - Nieaktywne</source>
        <translation>0 - Nieaktywne</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna aktywna</source>
        <translation>1 - Linia kontrolna aktywna</translation>
    </message>
    <message>
        <source>1 - Linia kontrolna</source>
        <translation>1 - Linia kontrolna</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa</source>
        <translation>2 - Linia potencjałowa</translation>
    </message>
    <message>
        <source>1 - Linia Kontrolna</source>
        <translation>1 - Linia Kontrolna</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa</source>
        <translation>2 - Linia dozorowa</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa</source>
        <translation>3 - Linia potencjałowa</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilające 24 V</source>
        <translation>4 - Wyjście zasilające 24 V</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa</source>
        <translation>1 - Linia bezpotencjałowa</translation>
    </message>
    <message>
        <source>0 - Urządzenie zewnętrzne</source>
        <translation>0 - Urządzenie zewnętrzne</translation>
    </message>
    <message>
        <source>1 - Blokada Gaszenia</source>
        <translation>1 - Blokada Gaszenia</translation>
    </message>
    <message>
        <source>2 - Sterowanie ręczne</source>
        <translation>2 - Sterowanie ręczne</translation>
    </message>
    <message>
        <source>3 - Dodatek</source>
        <translation>3 - Dodatek</translation>
    </message>
    <message>
        <source>4 - Stop gaszenia</source>
        <translation>4 - Stop gaszenia</translation>
    </message>
    <message>
        <source>5 - Start gaszenia</source>
        <translation>5 - Start gaszenia</translation>
    </message>
    <message>
        <source>6 - LK. wypływu</source>
        <translation>6 - LK. wypływu</translation>
    </message>
    <message>
        <source>7 - Alarm zewnętrzny</source>
        <translation>7 - Alarm zewnętrzny</translation>
    </message>
    <message>
        <source>8 - Ciśnienie/masa</source>
        <translation>8 - Ciśnienie/masa</translation>
    </message>
    <message>
        <source>9 - Blok.Nieel.</source>
        <translation>9 - Blok.Nieel.</translation>
    </message>
    <message>
        <source>10 - Kasowanie alarmu</source>
        <translation>10 - Kasowanie alarmu</translation>
    </message>
    <message>
        <source>0 - Alarm 1 strefa</source>
        <translation>0 - Alarm 1 strefa</translation>
    </message>
    <message>
        <source>1 - Alarm 2 strefa</source>
        <translation>1 - Alarm 2 strefa</translation>
    </message>
    <message>
        <source>2 - Start gaszenia</source>
        <translation>2 - Start gaszenia</translation>
    </message>
    <message>
        <source>3 - EZ</source>
        <translation>3 - EZ</translation>
    </message>
    <message>
        <source>4 - Wyładowanie</source>
        <translation>4 - Wyładowanie</translation>
    </message>
    <message>
        <source>5 - Wypływy</source>
        <translation>5 - Wypływy</translation>
    </message>
    <message>
        <source>0 - Tryb 1 stanowy</source>
        <translation>0 - Tryb 1 stanowy</translation>
    </message>
    <message>
        <source>1 - Tryb 2 stanowy</source>
        <translation>1 - Tryb 2 stanowy</translation>
    </message>
    <message>
        <source>2 - Linia potencjałowa aktywna</source>
        <translation>2 - Linia potencjałowa aktywna</translation>
    </message>
    <message>
        <source>0 - Alarm 1 stopnia</source>
        <translation>0 - Alarm 1 stopnia</translation>
    </message>
    <message>
        <source>1 - Alarm 2 stopnia</source>
        <translation>1 - Alarm 2 stopnia</translation>
    </message>
    <message>
        <source>5 - Wypływ</source>
        <translation>5 - Wypływ</translation>
    </message>
    <message>
        <source>6 - Wyładowanie dodatku</source>
        <translation>6 - Wyładowanie dodatku</translation>
    </message>
    <message>
        <source>7 - Sterowanie ręczne</source>
        <translation>7 - Sterowanie ręczne</translation>
    </message>
    <message>
        <source>8 - Stop gaszenia</source>
        <translation>8 - Stop gaszenia</translation>
    </message>
    <message>
        <source>9 - Blokada gaszenia</source>
        <translation>9 - Blokada gaszenia</translation>
    </message>
    <message>
        <source>10 - Blokada Nieelek</source>
        <translation>10 - Blokada Nieelek</translation>
    </message>
    <message>
        <source>11 - Uszkodzenie</source>
        <translation>11 - Uszkodzenie</translation>
    </message>
    <message>
        <source>12 - Kasowanie</source>
        <translation>12 - Kasowanie</translation>
    </message>
    <message>
        <source>13 - Ciśń/masa</source>
        <translation>13 - Ciśń/masa</translation>
    </message>
    <message>
        <source>0 - Grupa ogólna</source>
        <translation>0 - Grupa ogólna</translation>
    </message>
    <message>
        <source>1 - Sygnalizatory zewnętrzne</source>
        <translation>1 - Sygnalizatory zewnętrzne</translation>
    </message>
    <message>
        <source>2 - Sygnalizatory ostrzegawcze</source>
        <translation>2 - Sygnalizatory ostrzegawcze</translation>
    </message>
    <message>
        <source>3 - Urządzenia transmisji</source>
        <translation>3 - Urządzenia transmisji</translation>
    </message>
    <message>
        <source>4 - Urządzenia zabezpieczające</source>
        <translation>4 - Urządzenia zabezpieczające</translation>
    </message>
    <message>
        <source>0 - Brak kryterium</source>
        <translation>0 - Brak kryterium</translation>
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
        <translation>7 - LK-EZ Wspólny</translation>
    </message>
    <message>
        <source>0 - Brak</source>
        <translation>0 - Brak</translation>
    </message>
    <message>
        <source>1 - ciągły</source>
        <translation>1 - ciągły</translation>
    </message>
    <message>
        <source>2 - 1 impuls</source>
        <translation>2 - 1 impuls</translation>
    </message>
    <message>
        <source>3 - cykliczny</source>
        <translation>3 - cykliczny</translation>
    </message>
    <message>
        <source>4 - cykliczny skończony</source>
        <translation>4 - cykliczny skończony</translation>
    </message>
    <message>
        <source>0 - Wyłączone</source>
        <translation>0 - Wyłączone</translation>
    </message>
    <message>
        <source>1 - Włączone</source>
        <translation>1 - Włączone</translation>
    </message>
    <message>
        <source>0 - 0 linii</source>
        <translation>0 - 0 linii</translation>
    </message>
    <message>
        <source>1 - 1 linia</source>
        <translation>1 - 1 linia</translation>
    </message>
    <message>
        <source>2 - 2 linie</source>
        <translation>2 - 2 linie</translation>
    </message>
    <message>
        <source>3 - 3 linie</source>
        <translation>3 - 3 linie</translation>
    </message>
    <message>
        <source>0 - Nie</source>
        <translation>0 - Nie</translation>
    </message>
    <message>
        <source>1 - Tak</source>
        <translation>1 - Tak</translation>
    </message>
    <message>
        <source>0 - Tak</source>
        <translation>0 - Tak</translation>
    </message>
    <message>
        <source>1 - Nie</source>
        <translation>1 - Nie</translation>
    </message>
    <message>
        <source>0 - Z wyjścia EZ</source>
        <translation>0 - Z wyjścia EZ</translation>
    </message>
    <message>
        <source>1 - Z wejścia LK-wypływ</source>
        <translation>1 - Z wejścia LK-wypływ</translation>
    </message>
    <message>
        <source>1 - Nieblokowane</source>
        <translation>1 - Nieblokowane</translation>
    </message>
    <message>
        <source>2 - Blokowane</source>
        <translation>2 - Blokowane</translation>
    </message>
    <message>
        <source>0 - Strefa 2</source>
        <translation>0 - Strefa 2</translation>
    </message>
    <message>
        <source>0 - Brak modułu</source>
        <translation>0 - Brak modułu</translation>
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
        <translation>1 - Linia potencjałowa aktywna</translation>
    </message>
    <message>
        <source>1 - Linia bezpotencjałowa aktywna</source>
        <translation>1 - Linia bezpotencjałowa aktywna</translation>
    </message>
    <message>
        <source>3 - Wyjście zasilajace 24 V aktywne</source>
        <translation>3 - Wyjście zasilające 24 V aktywne</translation>
    </message>
    <message>
        <source>2 - Linia dozorowa aktywna</source>
        <translation>2 - Linia dozorowa aktywna</translation>
    </message>
    <message>
        <source>3 - Linia potencjałowa aktywna</source>
        <translation>3 - Linia potencjałowa aktywna</translation>
    </message>
    <message>
        <source>4 - Wyjście zasilajace 24 V aktywne</source>
        <translation>4 - Wyjście zasilające 24 V aktywne</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel</source>
        <translation>Uszkodzenie Ostrel</translation>
    </message>
    <message>
        <source>Uszkodzenie Ostrel + wysterowanie z Tarven B</source>
        <translation>Uszkodzenie Ostrel + wysterowanie z Tarven B</translation>
    </message>
</context>
<context>
    <name>EventLogModel</name>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Moduł</translation>
    </message>
</context>
<context>
    <name>EventLogView</name>
    <message>
        <source>Szukaj w zdarzeniach i modułach (Ctrl+F)</source>
        <translation>Szukaj w zdarzeniach i modułach (Ctrl+F)</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Moduł</translation>
    </message>
    <message>
        <source>Zdarzenia aktywne i usunięte</source>
        <translation>Zdarzenia aktywne i usunięte</translation>
    </message>
    <message>
        <source>wszystkie</source>
        <translation>wszystkie</translation>
    </message>
    <message>
        <source>tylko aktywne</source>
        <translation>tylko aktywne</translation>
    </message>
    <message>
        <source>tylko usunięte</source>
        <translation>tylko usunięte</translation>
    </message>
    <message>
        <source>Od:</source>
        <translation>Od:</translation>
    </message>
    <message>
        <source>do:</source>
        <translation>do:</translation>
    </message>
    <message>
        <source>Wyczyść filtr</source>
        <translation>Wyczyść filtr</translation>
    </message>
    <message>
        <source>wszystkie moduły</source>
        <translation>wszystkie moduły</translation>
    </message>
    <message>
        <source>pokazano %1 z %2</source>
        <translation>pokazano %1 z %2</translation>
    </message>
</context>
<context>
    <name>EventSummary</name>
    <message>
        <source>alarmy i wysterowania</source>
        <translation>alarmy i wysterowania</translation>
    </message>
    <message>
        <source>uszkodzenia</source>
        <translation>uszkodzenia</translation>
    </message>
    <message>
        <source>zaniki zasilania</source>
        <translation>zaniki zasilania</translation>
    </message>
    <message>
        <source>starty i resety</source>
        <translation>starty i resety</translation>
    </message>
    <message>
        <source>zapisy konfiguracji</source>
        <translation>zapisy konfiguracji</translation>
    </message>
    <message>
        <source>ustawienia zegara</source>
        <translation>ustawienia zegara</translation>
    </message>
    <message>
        <source>pozostałe</source>
        <translation>pozostałe</translation>
    </message>
</context>
<context>
    <name>EventsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Wczytaj z urządzenia</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Zapisz do PDF</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń</source>
        <translation>Usunięcie rejestru zdarzeń</translation>
    </message>
    <message>
        <source>Usunięcie rejestru zdarzeń o nazwie: %1</source>
        <translation>Usunięcie rejestru zdarzeń o nazwie: %1</translation>
    </message>
    <message>
        <source>odczyt rejestru zdarzeń</source>
        <translation>odczyt rejestru zdarzeń</translation>
    </message>
    <message>
        <source>Czy usunąć rejestr zdarzeń %1?</source>
        <translation>Czy usunąć rejestr zdarzeń %1?</translation>
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
        <translation>Deklaracja modułu</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Moduł aktywny / nieaktywny</translation>
    </message>
    <message>
        <source>Adres modułu</source>
        <translation>Adres modułu</translation>
    </message>
    <message>
        <source>PK%1 - numer strefy</source>
        <translation>PK%1 - numer strefy</translation>
    </message>
    <message>
        <source>PK%1 - Deklaracja linii bezpotencjałowej</source>
        <translation>PK%1 - Deklaracja linii bezpotencjałowej</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Grupa wyjść</source>
        <translation>PK%1 - Linia bezpotencjałowa - Grupa wyjść</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 1</source>
        <translation>PK%1 - Linia bezpotencjałowa - Kryterium 1</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kryterium 2</source>
        <translation>PK%1 - Linia bezpotencjałowa - Kryterium 2</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Logika</source>
        <translation>PK%1 - Linia bezpotencjałowa - Logika</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>PK%1 - Linia bezpotencjałowa - Typ sygnału włączenia wyjścia</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>PK%1 - Linia bezpotencjałowa - czas opóźnienia zadziałania Ton</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>PK%1 - Linia bezpotencjałowa - czas opóźnienia wyłączenia Toff</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp</source>
        <translation>PK%1 - Linia bezpotencjałowa - czas trwania impulsu T-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw</source>
        <translation>PK%1 - Linia bezpotencjałowa - czas trwania przerwy T-przerw</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp</source>
        <translation>PK%1 - Linia bezpotencjałowa - Liczba impulsów N-imp</translation>
    </message>
    <message>
        <source>PK%1 - Linia bezpotencjałowa - Kontrola ciągłości</source>
        <translation>PK%1 - Linia bezpotencjałowa - Kontrola ciągłości</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - numer strefy</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii potencjałowej</source>
        <translation>L%1 - Deklaracja linii potencjałowej</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Linia Potencjałowa - Grupa wyjść</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Linia Potencjałowa - Kryterium 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Linia Potencjałowa - Kryterium 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Linia Potencjałowa - Logika</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</translation>
    </message>
</context>
<context>
    <name>FaultsManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Wczytaj z urządzenia</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Zapisz do PDF</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Usunięcie uszkodzeń</source>
        <translation>Usunięcie uszkodzeń</translation>
    </message>
    <message>
        <source>Usunięcie listy uszkodzeń o nazwie: %1</source>
        <translation>Usunięcie listy uszkodzeń o nazwie: %1</translation>
    </message>
    <message>
        <source>odczyt listy uszkodzeń</source>
        <translation>odczyt listy uszkodzeń</translation>
    </message>
    <message>
        <source>Czy usunąć listę uszkodzeń %1?</source>
        <translation>Czy usunąć listę uszkodzeń %1?</translation>
    </message>
</context>
<context>
    <name>Konfiguracja</name>
    <message>
        <source>Konfiguracja Ostrel: %1</source>
        <translation>Konfiguracja Ostrel: %1</translation>
    </message>
</context>
<context>
    <name>LNM</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Deklaracja modułu</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Moduł aktywny / nieaktywny</translation>
    </message>
    <message>
        <source>Prąd grupy [A]</source>
        <translation>Prąd grupy [A]</translation>
    </message>
    <message>
        <source>Prąd modułu:</source>
        <translation>Prąd modułu:</translation>
    </message>
    <message>
        <source>Linia dozorowa konwencjonalna</source>
        <translation>Linia dozorowa konwencjonalna</translation>
    </message>
    <message>
        <source>Linia dozorowa aktywna/ nieaktywna</source>
        <translation>Linia dozorowa aktywna/ nieaktywna</translation>
    </message>
    <message>
        <source>Kasowanie wstępne czujek (60s)</source>
        <translation>Kasowanie wstępne czujek (60s)</translation>
    </message>
    <message>
        <source>Kasowanie aktywne / nieaktywne</source>
        <translation>Kasowanie aktywne / nieaktywne</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia WYZWOLENIE</source>
        <translation>Przycisk oddymiania BZ7x - linia WYZWOLENIE</translation>
    </message>
    <message>
        <source>Przycisk - Linia WYZW aktywna / nieaktywna</source>
        <translation>Przycisk - Linia WYZW aktywna / nieaktywna</translation>
    </message>
    <message>
        <source>Przycisk oddymiania BZ7x - linia KASOWANIE</source>
        <translation>Przycisk oddymiania BZ7x - linia KASOWANIE</translation>
    </message>
    <message>
        <source>Przycisk - Linia KASOW aktywna / nieaktywna</source>
        <translation>Przycisk - Linia KASOW aktywna / nieaktywna</translation>
    </message>
    <message>
        <source>Wyjście grupy -  tryb pracy</source>
        <translation>Wyjście grupy -  tryb pracy</translation>
    </message>
    <message>
        <source>Tryb pracy wyjścia 0-nieaktywne</source>
        <translation>Tryb pracy wyjścia 0-nieaktywne</translation>
    </message>
    <message>
        <source>Wyjscie grupy - kryterium wysterowania</source>
        <translation>Wyjście grupy - kryterium wysterowania</translation>
    </message>
    <message>
        <source>Kryterium – warianty wysterowania</source>
        <translation>Kryterium – warianty wysterowania</translation>
    </message>
    <message>
        <source>Wyjście grupy - sterowanie 3 przewodowe</source>
        <translation>Wyjście grupy - sterowanie 3 przewodowe</translation>
    </message>
    <message>
        <source>Sterowanie w trybie pracy 1; 0: 2-przew. 1: 3-przew. </source>
        <translation>Sterowanie w trybie pracy 1; 0: 2-przew. 1: 3-przew. </translation>
    </message>
    <message>
        <source>Wyjście grupy -  kontrola ciągłości zasilania</source>
        <translation>Wyjście grupy -  kontrola ciągłości zasilania</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy zasilania </source>
        <translation>Kontrola zwarcia i przerwy zasilania </translation>
    </message>
    <message>
        <source>Wyjście grupy - T1 - czas  opóźnienia zadziałania</source>
        <translation>Wyjście grupy - T1 - czas  opóźnienia zadziałania</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Czas opóźnienia wysterowania wyjścia w trybie 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T2 - czas wysterowania</source>
        <translation>Wyjście grupy - T2 - czas wysterowania</translation>
    </message>
    <message>
        <source>Czas wysterowania wyjścia w trybie 1,2,3</source>
        <translation>Czas wysterowania wyjścia w trybie 1,2,3</translation>
    </message>
    <message>
        <source>Wyjście grupy - T3 - czas przerwy wysterowania</source>
        <translation>Wyjście grupy - T3 - czas przerwy wysterowania</translation>
    </message>
    <message>
        <source>Czas przerwy w trybie 3</source>
        <translation>Czas przerwy w trybie 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - liczba impulsów</source>
        <translation>Wyjście grupy - liczba impulsów</translation>
    </message>
    <message>
        <source>Liczba impulsów na wyjściu w trybie 3</source>
        <translation>Liczba impulsów na wyjściu w trybie 3</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola krańcówek</source>
        <translation>Wyjście grupy - kontrola krańcówek</translation>
    </message>
    <message>
        <source>Kontrola pozycji urządzenia sterowanego</source>
        <translation>Kontrola pozycji urządzenia sterowanego</translation>
    </message>
    <message>
        <source>Wyjście grupy - kontrola ciągłości krańcówek</source>
        <translation>Wyjście grupy - kontrola ciągłości krańcówek</translation>
    </message>
    <message>
        <source>Kontrola zwarcia i przerwy obwodów krańcówek</source>
        <translation>Kontrola zwarcia i przerwy obwodów krańcówek</translation>
    </message>
    <message>
        <source>Wyjście grupy - odłączanie napięcia</source>
        <translation>Wyjście grupy - odłączanie napięcia</translation>
    </message>
    <message>
        <source>Odłączanie napięcia w trybie pracy 1</source>
        <translation>Odłączanie napięcia w trybie pracy 1</translation>
    </message>
    <message>
        <source>Wyjście grupy - forsowanie (deadlock)</source>
        <translation>Wyjście grupy - forsowanie (deadlock)</translation>
    </message>
    <message>
        <source>Funkcja forsowania wyjścia – funkcja przeciwoblodzeniowa</source>
        <translation>Funkcja forsowania wyjścia – funkcja przeciwoblodzeniowa</translation>
    </message>
    <message>
        <source>Przewietrzanie - przyciski - tryb pracy</source>
        <translation>Przewietrzanie - przyciski - tryb pracy</translation>
    </message>
    <message>
        <source>Sposób działania przycisków przewietrzania</source>
        <translation>Sposób działania przycisków przewietrzania</translation>
    </message>
    <message>
        <source>Przewietrzanie - blokowanie pogodowe</source>
        <translation>Przewietrzanie - blokowanie pogodowe</translation>
    </message>
    <message>
        <source>Blokowanie przewietrzania w przypadku deszczu / wiatru</source>
        <translation>Blokowanie przewietrzania w przypadku deszczu / wiatru</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp1</source>
        <translation>Przewietrzanie - czas Tp1</translation>
    </message>
    <message>
        <source>Czas otwierania</source>
        <translation>Czas otwierania</translation>
    </message>
    <message>
        <source>Przewietrzanie - czas Tp2</source>
        <translation>Przewietrzanie - czas Tp2</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie</source>
        <translation>Czas, po którym nastąpi automatyczne zamknięcie</translation>
    </message>
    <message>
        <source>Strefa LNM nr %1</source>
        <translation>Strefa LNM nr %1</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO</source>
        <translation>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO</translation>
    </message>
    <message>
        <source>Wyjście grupy -  czas TKA</source>
        <translation>Wyjście grupy -  czas TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Czas opóźnienia wyłączenia po kasowaniu</translation>
    </message>
    <message>
        <source>LNM</source>
        <translation>LNM</translation>
    </message>
    <message>
        <source>Moduł Główny Liniowy</source>
        <translation>Moduł Główny Liniowy</translation>
    </message>
    <message>
        <source>Linia dozorowa – zwarcie </source>
        <translation>Linia dozorowa – zwarcie </translation>
    </message>
    <message>
        <source>Linia dozorowa – przerwa </source>
        <translation>Linia dozorowa – przerwa </translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – zwarcie</source>
        <translation>BZ7x linia przycisku WYZWOLENIE – zwarcie</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku WYZWOLENIE – przerwa</source>
        <translation>BZ7x linia przycisku WYZWOLENIE – przerwa</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – zwarcie</source>
        <translation>BZ7x linia przycisku KASOWANIE – zwarcie</translation>
    </message>
    <message>
        <source>BZ7x linia przycisku KASOWANIE – przerwa</source>
        <translation>BZ7x linia przycisku KASOWANIE – przerwa</translation>
    </message>
    <message>
        <source>BZ7x przycisk KASOWANIE – brak lub uszkodzenie</source>
        <translation>BZ7x przycisk KASOWANIE – brak lub uszkodzenie</translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1  – zwarcie </source>
        <translation>Przełącznik krańcowy KR1  – zwarcie </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR1 – przerwa </source>
        <translation>Przełącznik krańcowy KR1 – przerwa </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2  – zwarcie </source>
        <translation>Przełącznik krańcowy KR2  – zwarcie </translation>
    </message>
    <message>
        <source>Przełącznik krańcowy KR2 – przerwa </source>
        <translation>Przełącznik krańcowy KR2 – przerwa </translation>
    </message>
    <message>
        <source>Wyjście główne – brak ciągłości zasilania</source>
        <translation>Wyjście główne – brak ciągłości zasilania</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja</source>
        <translation>Wyjście główne – nieprawidłowa pozycja</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR1</source>
        <translation>Wyjście główne – nieprawidłowa pozycja KR1</translation>
    </message>
    <message>
        <source>Wyjście główne – nieprawidłowa pozycja KR2</source>
        <translation>Wyjście główne – nieprawidłowa pozycja KR2</translation>
    </message>
    <message>
        <source>Wyjście główne – bezpiecznik</source>
        <translation>Wyjście główne – bezpiecznik</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania OTWÓRZ – zwarcie</source>
        <translation>Przycisk przewietrzania OTWÓRZ – zwarcie</translation>
    </message>
    <message>
        <source>Przycisk przewietrzania ZAMKNIJ – zwarcie</source>
        <translation>Przycisk przewietrzania ZAMKNIJ – zwarcie</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – błąd sumy kontrolnej</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Wersja oprogramowania</translation>
    </message>
</context>
<context>
    <name>LinkHealthWidget</name>
    <message>
        <source>&lt;b&gt;Stan łącza z centralą&lt;/b&gt;&lt;br&gt;Kolor: szary – brak otwartego portu; czerwony – port otwarty, ale centrala nie odpowiada dłużej niż 2 s; zielony – centrala odpowiada (podany jest wiek ostatniej odpowiedzi).&lt;br&gt;&lt;b&gt;Powtórzenia&lt;/b&gt;: ramki wysłane ponownie, bo odpowiedź nie przyszła w 2 s.&lt;br&gt;&lt;b&gt;Utracone&lt;/b&gt;: zapytania porzucone po trzeciej próbie bez odpowiedzi.&lt;br&gt;&lt;b&gt;CRC&lt;/b&gt;: odebrane ramki odrzucone z powodu błędnej sumy kontrolnej.&lt;br&gt;Liczniki są zerowane przy każdym połączeniu.</source>
        <translation>&lt;b&gt;Stan łącza z centralą&lt;/b&gt;&lt;br&gt;Kolor: szary – brak otwartego portu; czerwony – port otwarty, ale centrala nie odpowiada dłużej niż 2 s; zielony – centrala odpowiada (podany jest wiek ostatniej odpowiedzi).&lt;br&gt;&lt;b&gt;Powtórzenia&lt;/b&gt;: ramki wysłane ponownie, bo odpowiedź nie przyszła w 2 s.&lt;br&gt;&lt;b&gt;Utracone&lt;/b&gt;: zapytania porzucone po trzeciej próbie bez odpowiedzi.&lt;br&gt;&lt;b&gt;CRC&lt;/b&gt;: odebrane ramki odrzucone z powodu błędnej sumy kontrolnej.&lt;br&gt;Liczniki są zerowane przy każdym połączeniu.</translation>
    </message>
    <message>
        <source>Brak portu</source>
        <translation>Brak portu</translation>
    </message>
    <message>
        <source>Port otwarty, oczekiwanie na centralę</source>
        <translation>Port otwarty, oczekiwanie na centralę</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada</source>
        <translation>Centrala nie odpowiada</translation>
    </message>
    <message>
        <source>Centrala odpowiada (%1 s temu)</source>
        <translation>Centrala odpowiada (%1 s temu)</translation>
    </message>
    <message>
        <source> · powtórzenia: %1 · utracone: %2 · CRC: %3</source>
        <translation> · powtórzenia: %1 · utracone: %2 · CRC: %3</translation>
    </message>
</context>
<context>
    <name>LinkMonitor</name>
    <message>
        <source>Monitor łącza</source>
        <translation>Monitor łącza</translation>
    </message>
    <message>
        <source>Wstrzymaj</source>
        <translation>Wstrzymaj</translation>
    </message>
    <message>
        <source>Wstrzymuje zapis ramek, aby można je było spokojnie przeczytać</source>
        <translation>Wstrzymuje zapis ramek, aby można je było spokojnie przeczytać</translation>
    </message>
    <message>
        <source>Wyczyść</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Kopiuj</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Kopiuje zaznaczone ramki (bez zaznaczenia: wszystkie) do schowka</source>
        <translation>Kopiuje zaznaczone ramki (bez zaznaczenia: wszystkie) do schowka</translation>
    </message>
</context>
<context>
    <name>LocalArchive</name>
    <message>
        <source>Treść nie zgadza się z sumą kontrolną rekordu</source>
        <translation>Treść nie zgadza się z sumą kontrolną rekordu</translation>
    </message>
    <message>
        <source>Rekord jest większy niż 8 MiB</source>
        <translation>Rekord jest większy niż 8 MiB</translation>
    </message>
    <message>
        <source>Niedozwolona nazwa rekordu</source>
        <translation>Niedozwolona nazwa rekordu</translation>
    </message>
    <message>
        <source>Treść nie jest poprawnym dokumentem JSON (%1)</source>
        <translation>Treść nie jest poprawnym dokumentem JSON (%1)</translation>
    </message>
    <message>
        <source>Nieznane pole „%1”</source>
        <translation>Nieznane pole „%1”</translation>
    </message>
    <message>
        <source>Niedozwolona wartość pola „%1”</source>
        <translation>Niedozwolona wartość pola „%1”</translation>
    </message>
    <message>
        <source>Brak wymaganego pola „%1”</source>
        <translation>Brak wymaganego pola „%1”</translation>
    </message>
    <message>
        <source>Pole „%1” nie wskazuje rekordu archiwum właściwego rodzaju</source>
        <translation>Pole „%1” nie wskazuje rekordu archiwum właściwego rodzaju</translation>
    </message>
    <message>
        <source>Czeka na rekord archiwum %1, do którego się odwołuje</source>
        <translation>Czeka na rekord archiwum %1, do którego się odwołuje</translation>
    </message>
    <message>
        <source>Lokalna baza nie przyjęła rekordu: %1</source>
        <translation>Lokalna baza nie przyjęła rekordu: %1</translation>
    </message>
    <message>
        <source>Rekord nie jest usunięty w tej bazie.</source>
        <translation>Rekord nie jest usunięty w tej bazie.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Konfiguracja</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Zdarzenia</source>
        <translation>Zdarzenia</translation>
    </message>
    <message>
        <source>Debug</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Uszkodzenia</translation>
    </message>
    <message>
        <source>Wersje oprogramowania</source>
        <translation>Wersje oprogramowania</translation>
    </message>
    <message>
        <source>Data i czas</source>
        <translation>Data i czas</translation>
    </message>
    <message>
        <source>Serwis</source>
        <translation>Serwis</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Konfigurator Ostrel</translation>
    </message>
    <message>
        <source>&amp;Połącz</source>
        <comment>Connect</comment>
        <translation>&amp;Połącz</translation>
    </message>
    <message>
        <source>Connect over USB</source>
        <translation>Połącz z centralą przez USB lub sieć</translation>
    </message>
    <message>
        <source>&amp;Rozłącz</source>
        <comment>Disconnect</comment>
        <translation>&amp;Rozłącz</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz z centralą</translation>
    </message>
    <message>
        <source>&amp;O programie</source>
        <comment>About</comment>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Wyświetla informacje o programie</source>
        <comment>About programm</comment>
        <translation>Wyświetla informacje o programie</translation>
    </message>
    <message>
        <source>&amp;Widok</source>
        <comment>View</comment>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Parametry wyświetlania</source>
        <comment>Window view settings</comment>
        <translation>Parametry wyświetlania</translation>
    </message>
    <message>
        <source>&amp;Połączenie</source>
        <translation>&amp;Połączenie</translation>
    </message>
    <message>
        <source>&amp;Ustawienia</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>Połączenie</source>
        <comment>Connection</comment>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Czas komputera</source>
        <translation>Czas komputera</translation>
    </message>
    <message>
        <source>Port:</source>
        <comment>Port komunikacyjny</comment>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Wybierz port:</source>
        <translation>Wybierz port:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Port nie został otwarty: %1</source>
        <translation>Port nie został otwarty: %1</translation>
    </message>
    <message>
        <source>O programie konfigurator Ostrel</source>
        <translation>O programie konfigurator Ostrel</translation>
    </message>
    <message>
        <source>Wersja programu %1 
SHA %2 
DATA %3 %4</source>
        <translation>Wersja programu %1 
SHA %2 
DATA %3 %4</translation>
    </message>
    <message>
        <source>Monitor łącza</source>
        <translation>Monitor łącza</translation>
    </message>
    <message>
        <source>Pokazuje ramki wymieniane z centralą</source>
        <translation>Pokazuje ramki wymieniane z centralą</translation>
    </message>
    <message>
        <source>Przeglądy</source>
        <translation>Przeglądy</translation>
    </message>
    <message>
        <source>&amp;Przegląd</source>
        <comment>Service visit</comment>
        <translation>&amp;Przegląd</translation>
    </message>
    <message>
        <source>Rozpoczyna przegląd centrali</source>
        <translation>Rozpoczyna przegląd centrali</translation>
    </message>
    <message>
        <source>Gotowy</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Port szeregowy (np. COM3) albo adres serwera portu szeregowego w sieci: host:port, tcp://host:port lub [adres IPv6]:port.&lt;br&gt;Serwer portu musi pracować w trybie raw TCP z ustawieniami 19200 bodów, 8N1.&lt;br&gt;Połączenie raw TCP nie ma uwierzytelniania: używaj go tylko w sieci VPN albo przez tunel SSH.</source>
        <translation>Port szeregowy (np. COM3) albo adres serwera portu szeregowego w sieci: host:port, tcp://host:port lub [adres IPv6]:port.&lt;br&gt;Serwer portu musi pracować w trybie raw TCP z ustawieniami 19200 bodów, 8N1.&lt;br&gt;Połączenie raw TCP nie ma uwierzytelniania: używaj go tylko w sieci VPN albo przez tunel SSH.</translation>
    </message>
    <message>
        <source>Połączenie sieciowe</source>
        <translation>Połączenie sieciowe</translation>
    </message>
    <message>
        <source>Łączenie z %1…</source>
        <translation>Łączenie z %1…</translation>
    </message>
    <message>
        <source>Trwa odczyt z centrali. Zamknięcie programu przerwie go i nic z tego odczytu nie zostanie zapisane.

Zamknąć program?</source>
        <translation>Trwa odczyt z centrali. Zamknięcie programu przerwie go i nic z tego odczytu nie zostanie zapisane.

Zamknąć program?</translation>
    </message>
</context>
<context>
    <name>Modul</name>
    <message>
        <source>Moduł: </source>
        <translation>Moduł: </translation>
    </message>
    <message>
        <source> ,nr </source>
        <translation> ,nr </translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>Lp</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>USUNIĘTE</source>
        <translation>USUNIĘTE</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Uszkodzenie bezpiecznika numer 2</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Uszkodzenie bezpiecznika numer 3</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Uszkodzenie bezpiecznika numer 4</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza nr. 2</source>
        <translation>Uszkodzenie ogólne zasilacza nr. 2</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2</source>
        <translation>Brak komunikacji z zasilaczem Ostrel nr. 2</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>Brak komunikacji przez protokół Modbus</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>Start systemu / reset</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Skasowanie rejestru zdarzeń</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>Zapis nowej konfiguracji</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>Zapis nowej daty i czasu</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>Wysterowanie przekaźnika uszkodzenia PU</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika bezpotencjałowego PK</source>
        <translation>Wysterowanie przekaźnika bezpotencjałowego PK</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Wysterowanie linii sygnałowej LS1</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Wysterowanie linii sygnałowej LS2</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Wysterowanie linii sygnałowej LS3</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Wysterowanie linii sygnałowej LS4</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Odczyt rejestru zdarzeń</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Odczyt uszkodzeń</translation>
    </message>
</context>
<context>
    <name>PSB</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Deklaracja modułu</translation>
    </message>
    <message>
        <source>Pojemność Akumulatorów</source>
        <translation>Pojemność Akumulatorów</translation>
    </message>
    <message>
        <source>Przekaźnik PU - tryb pracy</source>
        <translation>Przekaźnik PU - tryb pracy</translation>
    </message>
    <message>
        <source>Przekaźnik PK - tryb pracy</source>
        <translation>Przekaźnik PK - tryb pracy</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kryterium wysterowania</source>
        <translation>Przekaźnik PK - kryterium wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T1 - czas opóźnienia wysterowania</source>
        <translation>Przekaźnik PK - T1 - czas opóźnienia wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T2 - czas wysterowania</source>
        <translation>Przekaźnik PK - T2 - czas wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK - T3 - czas przerwy wysterowania</source>
        <translation>Przekaźnik PK - T3 - czas przerwy wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK - liczba impulsów</source>
        <translation>Przekaźnik PK - liczba impulsów</translation>
    </message>
    <message>
        <source>Przekaźnik PK - kontrola ciągłości</source>
        <translation>Przekaźnik PK - kontrola ciągłości</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 - tryb pracy</source>
        <translation>Linia kontrolna LK1 - tryb pracy</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 - tryb pracy</source>
        <translation>Linia kontrolna LK2 - tryb pracy</translation>
    </message>
    <message>
        <source>Złącze RS232 - tryb pracy</source>
        <translation>Złącze RS232 - tryb pracy</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - prędkość transmisji</source>
        <translation>Złącze RS232 - Protokół Modbus - prędkość transmisji</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - adres</source>
        <translation>Złącze RS232 - Protokół Modbus - adres</translation>
    </message>
    <message>
        <source>Złącze RS232 - Protokół Modbus - Time Out</source>
        <translation>Złącze RS232 - Protokół Modbus - Time Out</translation>
    </message>
    <message>
        <source>Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave</source>
        <translation>Złącze RS232 - Komunikacja z Ostrel nr. 2 - Master/Slave</translation>
    </message>
    <message>
        <source>PSB</source>
        <translation>PSB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Moduł Główny Sterowania</translation>
    </message>
    <message>
        <source>Brak napięcia sieciowego 230V</source>
        <translation>Brak napięcia sieciowego 230V</translation>
    </message>
    <message>
        <source>Niskie napięcie akumulatora (poniżej 22 V)</source>
        <translation>Niskie napięcie akumulatora (poniżej 22 V)</translation>
    </message>
    <message>
        <source>Akumulator został odłączony (napięcie akumulatora poniżej 19 V)</source>
        <translation>Akumulator został odłączony (napięcie akumulatora poniżej 19 V)</translation>
    </message>
    <message>
        <source>Brak podłączonych akumulatorów</source>
        <translation>Brak podłączonych akumulatorów</translation>
    </message>
    <message>
        <source>Wysoka rezystancja toru akumulatora (Uszkodzone akumulatory)</source>
        <translation>Wysoka rezystancja toru akumulatora (Uszkodzone akumulatory)</translation>
    </message>
    <message>
        <source>Zadziałanie kontroli doziemienia</source>
        <translation>Zadziałanie kontroli doziemienia</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowarki akumulatorów</source>
        <translation>Uszkodzenie ładowarki akumulatorów</translation>
    </message>
    <message>
        <source>Wysoka temperatura wewnątrz Ostrel (powyżej 40 st. C)</source>
        <translation>Wysoka temperatura wewnątrz Ostrel (powyżej 40 st. C)</translation>
    </message>
    <message>
        <source>Brak podłączonej sondy temperaturowej</source>
        <translation>Brak podłączonej sondy temperaturowej</translation>
    </message>
    <message>
        <source>Rozwarty obwód przekaźnika konfigurowalnego PK</source>
        <translation>Rozwarty obwód przekaźnika konfigurowalnego PK</translation>
    </message>
    <message>
        <source>Uszkodzenie pamięci flash mikrokontrolera</source>
        <translation>Uszkodzenie pamięci flash mikrokontrolera</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 1</source>
        <translation>Uszkodzenie bezpiecznika numer 1</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 2</source>
        <translation>Uszkodzenie bezpiecznika numer 2</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 3</source>
        <translation>Uszkodzenie bezpiecznika numer 3</translation>
    </message>
    <message>
        <source>Uszkodzenie bezpiecznika numer 4</source>
        <translation>Uszkodzenie bezpiecznika numer 4</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne zasilacza Ostrel nr. 2 (slave)</source>
        <translation>Uszkodzenie ogólne zasilacza Ostrel nr. 2 (slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji z zasilaczem Ostrel nr. 2 (slave)</source>
        <translation>Brak komunikacji z zasilaczem Ostrel nr. 2 (slave)</translation>
    </message>
    <message>
        <source>Brak komunikacji przez protokół Modbus</source>
        <translation>Brak komunikacji przez protokół Modbus</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Zwarcie wejścia linii kontrolnej numer 1 (LK1)</translation>
    </message>
    <message>
        <source>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Zwarcie wejścia linii kontrolnej numer 2 (LK2)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</source>
        <translation>Rozwarcie wejścia linii kontrolnej numer 1 (LK1)</translation>
    </message>
    <message>
        <source>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</source>
        <translation>Rozwarcie wejścia linii kontrolnej numer 2 (LK2)</translation>
    </message>
    <message>
        <source>Uszkodzenie ogólne z systemu Tarven B</source>
        <translation>Uszkodzenie ogólne z systemu Tarven B</translation>
    </message>
    <message>
        <source>Start systemu / reset</source>
        <translation>Start systemu / reset</translation>
    </message>
    <message>
        <source>Skasowanie rejestru zdarzeń</source>
        <translation>Skasowanie rejestru zdarzeń</translation>
    </message>
    <message>
        <source>Zapis nowej konfiguracji</source>
        <translation>Zapis nowej konfiguracji</translation>
    </message>
    <message>
        <source>Zapis nowej daty i czasu</source>
        <translation>Zapis nowej daty i czasu</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika uszkodzenia PU</source>
        <translation>Wysterowanie przekaźnika uszkodzenia PU</translation>
    </message>
    <message>
        <source>Wysterowanie przekaźnika konfigurowalnego PK</source>
        <translation>Wysterowanie przekaźnika konfigurowalnego PK</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS1</source>
        <translation>Wysterowanie linii sygnałowej LS1</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS2</source>
        <translation>Wysterowanie linii sygnałowej LS2</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS3</source>
        <translation>Wysterowanie linii sygnałowej LS3</translation>
    </message>
    <message>
        <source>Wysterowanie linii sygnałowej LS4</source>
        <translation>Wysterowanie linii sygnałowej LS4</translation>
    </message>
    <message>
        <source>Odczyt rejestru zdarzeń</source>
        <translation>Odczyt rejestru zdarzeń</translation>
    </message>
    <message>
        <source>Odczyt uszkodzeń</source>
        <translation>Odczyt uszkodzeń</translation>
    </message>
</context>
<context>
    <name>PSL</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Deklaracja modułu</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - tryb pracy</source>
        <translation>Linia sygnałowa LS%1 - tryb pracy</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kryterium wysterowania</source>
        <translation>Linia sygnałowa LS%1 - kryterium wysterowania</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Linia sygnałowa LS%1 - T1 - czas opóźnienia wysterowania</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T2 - czas wysterowania</source>
        <translation>Linia sygnałowa LS%1 - T2 - czas wysterowania</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - T3 - czas przerwy wysterowania</source>
        <translation>Linia sygnałowa LS%1 - T3 - czas przerwy wysterowania</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - liczba impulsów</source>
        <translation>Linia sygnałowa LS%1 - liczba impulsów</translation>
    </message>
    <message>
        <source>Linia sygnałowa LS%1 - kontrola ciągłości</source>
        <translation>Linia sygnałowa LS%1 - kontrola ciągłości</translation>
    </message>
    <message>
        <source>PSL</source>
        <translation>PSL</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Moduł Przekaźników Dodatkowych</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Zwarcie wyjścia linii sygnałowej numer 1 (LS1)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Zwarcie wyjścia linii sygnałowej numer 2 (LS2)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Zwarcie wyjścia linii sygnałowej numer 3 (LS3)</translation>
    </message>
    <message>
        <source>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Zwarcie wyjścia linii sygnałowej numer 4 (LS4)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</source>
        <translation>Przerwa wyjścia linii sygnałowej numer 1 (LS1)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</source>
        <translation>Przerwa wyjścia linii sygnałowej numer 2 (LS2)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</source>
        <translation>Przerwa wyjścia linii sygnałowej numer 3 (LS3)</translation>
    </message>
    <message>
        <source>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</source>
        <translation>Przerwa wyjścia linii sygnałowej numer 4 (LS4)</translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </source>
        <translation>Przeciążenie wyjścia linii sygnałowej numer 1 (LS1) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </source>
        <translation>Przeciążenie wyjścia linii sygnałowej numer 2 (LS2) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </source>
        <translation>Przeciążenie wyjścia linii sygnałowej numer 3 (LS3) </translation>
    </message>
    <message>
        <source>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </source>
        <translation>Przeciążenie wyjścia linii sygnałowej numer 4 (LS4) </translation>
    </message>
</context>
<context>
    <name>PSR</name>
    <message>
        <source>Deklaracja modułu - modułu PSR nie trzeba konfigurować</source>
        <translation>Deklaracja modułu - modułu PSR nie trzeba konfigurować</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Moduł aktywny / nieaktywny</translation>
    </message>
    <message>
        <source>PSR</source>
        <translation>PSR</translation>
    </message>
    <message>
        <source>Moduł Zasilania Redundantnego</source>
        <translation>Moduł Zasilania Redundantnego</translation>
    </message>
    <message>
        <source>Brak łączności z dodatkowym PSB</source>
        <translation>Brak łączności z dodatkowym PSB</translation>
    </message>
</context>
<context>
    <name>PSV</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Deklaracja modułu</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Moduł aktywny/nieaktywny</translation>
    </message>
    <message>
        <source>PSV</source>
        <translation>PSV</translation>
    </message>
    <message>
        <source>Moduł Zasilania Uniwersalnego</source>
        <translation>Moduł Zasilania Uniwersalnego</translation>
    </message>
    <message>
        <source>Zasilacz lub brak 230V</source>
        <translation>Zasilacz lub brak 230V</translation>
    </message>
    <message>
        <source>Niskie napiecie baterii akumulatorów</source>
        <translation>Niskie napięcie baterii akumulatorów</translation>
    </message>
    <message>
        <source>Zwarcie wejscia baterii akumulatorów</source>
        <translation>Zwarcie wejścia baterii akumulatorów</translation>
    </message>
    <message>
        <source>Brak baterii akumulatorów</source>
        <translation>Brak baterii akumulatorów</translation>
    </message>
    <message>
        <source>Doziemienie</source>
        <translation>Doziemienie</translation>
    </message>
    <message>
        <source>Wysoka rezystancja baterii akumulatorów</source>
        <translation>Wysoka rezystancja baterii akumulatorów</translation>
    </message>
    <message>
        <source>Uszkodzenie ładowania</source>
        <translation>Uszkodzenie ładowania</translation>
    </message>
    <message>
        <source>24 V zewnętrzne (bezpiecznik)</source>
        <translation>24 V zewnętrzne (bezpiecznik)</translation>
    </message>
    <message>
        <source>Sterowanie zasilacza</source>
        <translation>Sterowanie zasilacza</translation>
    </message>
    <message>
        <source>Wysoka temperatura</source>
        <translation>Wysoka temperatura</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – błąd sumy kontrolnej</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Wersja oprogramowania</translation>
    </message>
</context>
<context>
    <name>Pamietnik</name>
    <message>
        <source>Zdarzenia Ostrel: %1</source>
        <translation>Zdarzenia Ostrel: %1</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Moduł</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Zdarzenie</translation>
    </message>
</context>
<context>
    <name>ProtocolCheckDialog</name>
    <message>
        <source>Sprawdź protokół</source>
        <translation>Sprawdź protokół</translation>
    </message>
    <message>
        <source>Wskaż plik PDF protokołu albo wpisz skrót SHA-256 z jego stopki. Program poda, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</source>
        <translation>Wskaż plik PDF protokołu albo wpisz skrót SHA-256 z jego stopki. Program poda, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</translation>
    </message>
    <message>
        <source>Sprawdź plik PDF…</source>
        <translation>Sprawdź plik PDF…</translation>
    </message>
    <message>
        <source>skrót SHA-256 (64 znaki)</source>
        <translation>skrót SHA-256 (64 znaki)</translation>
    </message>
    <message>
        <source>Sprawdź skrót</source>
        <translation>Sprawdź skrót</translation>
    </message>
    <message>
        <source>Pliki PDF (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Sprawdzanie pliku…</source>
        <translation>Sprawdzanie pliku…</translation>
    </message>
</context>
<context>
    <name>ProtocolFile</name>
    <message>
        <source>protokół %1 (identyfikator %2), obiekt „%3”, centrala „%4”, przegląd zamknięty %5</source>
        <translation>protokół %1 (identyfikator %2), obiekt „%3”, centrala „%4”, przegląd zamknięty %5</translation>
    </message>
    <message>
        <source>Uwaga: ten protokół zastąpiono protokołem korygującym %1.</source>
        <translation>Uwaga: ten protokół zastąpiono protokołem korygującym %1.</translation>
    </message>
</context>
<context>
    <name>ProtocolPrint</name>
    <message>
        <source>Podgląd protokołu</source>
        <translation>Podgląd protokołu</translation>
    </message>
    <message>
        <source>Protokół ma około %1 stron: podgląd zablokowałby program na długo.

Zapisać go do pliku PDF?</source>
        <translation>Protokół ma około %1 stron: podgląd zablokowałby program na długo.

Zapisać go do pliku PDF?</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Eksport PDF</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1.</source>
        <translation>Nie udało się zapisać pliku %1.</translation>
    </message>
    <message>
        <source>To nie jest skrót SHA-256: skrót ma 64 znaki 0-9 i a-f, tak jak w stopce protokołu.</source>
        <translation>To nie jest skrót SHA-256: skrót ma 64 znaki 0-9 i a-f, tak jak w stopce protokołu.</translation>
    </message>
    <message>
        <source>Żaden zamknięty przegląd w tej bazie nie ma protokołu o tym skrócie.</source>
        <translation>Żaden zamknięty przegląd w tej bazie nie ma protokołu o tym skrócie.</translation>
    </message>
    <message>
        <source>Skrót zgodny.</source>
        <translation>Skrót zgodny.</translation>
    </message>
    <message>
        <source>To %1.</source>
        <translation>To %1.</translation>
    </message>
    <message>
        <source>Skrót potwierdza protokół, nie treść papierowej kopii: porównaj ją z podglądem protokołu albo sprawdź plik PDF.</source>
        <translation>Skrót potwierdza protokół, nie treść papierowej kopii: porównaj ją z podglądem protokołu albo sprawdź plik PDF.</translation>
    </message>
    <message>
        <source>Nie udało się odczytać pliku PDF %1.</source>
        <translation>Nie udało się odczytać pliku PDF %1.</translation>
    </message>
    <message>
        <source>Plik nie ma skrótu protokołu: nie jest to protokół zamkniętego przeglądu wydany przez program (projekt otwartego przeglądu nie ma skrótu).</source>
        <translation>Plik nie ma skrótu protokołu: nie jest to protokół zamkniętego przeglądu wydany przez program (projekt otwartego przeglądu nie ma skrótu).</translation>
    </message>
    <message>
        <source>Plik podaje skrót %1, którego nie ma żaden zamknięty przegląd w tej bazie.</source>
        <translation>Plik podaje skrót %1, którego nie ma żaden zamknięty przegląd w tej bazie.</translation>
    </message>
    <message>
        <source>Plik zgodny.</source>
        <translation>Plik zgodny.</translation>
    </message>
    <message>
        <source>To %1, taki jak zapisany przy zamknięciu przeglądu.</source>
        <translation>To %1, taki jak zapisany przy zamknięciu przeglądu.</translation>
    </message>
    <message>
        <source>Plik NIEZGODNY.</source>
        <translation>Plik NIEZGODNY.</translation>
    </message>
    <message>
        <source>Podaje się za %1, ale jego treść różni się od protokołu zapisanego przy zamknięciu: plik zmieniono (albo wydrukowano go inną wersją programu). Nie jest to wiarygodna kopia.</source>
        <translation>Podaje się za %1, ale jego treść różni się od protokołu zapisanego przy zamknięciu: plik zmieniono (albo wydrukowano go inną wersją programu). Nie jest to wiarygodna kopia.</translation>
    </message>
</context>
<context>
    <name>RLA</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Deklaracja modułu</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Moduł aktywny / nieaktywny</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>Przekaźnik PK%1 - tryb pracy</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>Przekaźnik PK%1 - kryterium wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>Przekaźnik PK%1 - T2 - czas wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>Przekaźnik PK%1 - liczba impulsów</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kontrola ciągłości</source>
        <translation>Przekaźnik PK%1 - kontrola ciągłości</translation>
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
        <translation>Przekaźnik nieaktywny
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
        <translation>0 – Brak. Przekaźnik nieaktywny
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
</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania (rys 6.7.1)</source>
        <translation>Czas opóźnienia wysterowania (rys 6.7.1)</translation>
    </message>
    <message>
        <source>Czas wysterowania PK1 (rys 6.7.1)</source>
        <translation>Czas wysterowania PK1 (rys 6.7.1)</translation>
    </message>
    <message>
        <source>Czas przerwy wysterowania (rys 6.7.1)</source>
        <translation>Czas przerwy wysterowania (rys 6.7.1)</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Liczba impulsów</translation>
    </message>
    <message>
        <source>Kontrola ciągłości obwodu wyjściowego przekaźnika</source>
        <translation>Kontrola ciągłości obwodu wyjściowego przekaźnika</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>w opracowaniu</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Czas opóźnienia wysterowania</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Czas wysterowania</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Linia kontrolna LK%1 - tryb pracy</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - Czas Tk%1</source>
        <translation>Linia kontrolna LK%1 - Czas Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Czas potwierdzenia zadziałania w trybie 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - strefa LNM nr %2</translation>
    </message>
    <message>
        <source>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO 4 – zadziałanie krańcówki </source>
        <translation>0 – NIE 1 – Al. ogólny 2 – alarm LDK 3 – alarm RPO 4 – zadziałanie krańcówki </translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - czas TKA</source>
        <translation>Przekaźnik PK%1 - czas TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Czas opóźnienia wyłączenia po kasowaniu</translation>
    </message>
    <message>
        <source>RLA</source>
        <translation>RLA</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Dodatkowych</source>
        <translation>Moduł Przekaźników Dodatkowych</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- zwarcie</source>
        <translation>Linia kontrolna LK1- zwarcie</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1- przerwa</source>
        <translation>Linia kontrolna LK1- przerwa</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2- zwarcie</source>
        <translation>Linia kontrolna LK2- zwarcie</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2– przerwa</source>
        <translation>Linia kontrolna LK2– przerwa</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 – brak ciągłości</source>
        <translation>Przekaźnik PK1 – brak ciągłości</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 – brak ciągłości</source>
        <translation>Przekaźnik PK2 – brak ciągłości</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 1 – zwarcie w trybie 4 i 5</source>
        <translation>Linia kontrolna nr 1 – zwarcie w trybie 4 i 5</translation>
    </message>
    <message>
        <source>Linia kontrolna nr 2 – zwarcie w trybie 4 i 5</source>
        <translation>Linia kontrolna nr 2 – zwarcie w trybie 4 i 5</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – błąd sumy kontrolnej</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Wersja oprogramowania</translation>
    </message>
</context>
<context>
    <name>RLH</name>
    <message>
        <source>Deklaracja modułu</source>
        <translation>Deklaracja modułu</translation>
    </message>
    <message>
        <source>Moduł aktywny/nieaktywny</source>
        <translation>Moduł aktywny/nieaktywny</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - tryb pracy</source>
        <translation>Przekaźnik PK%1 - tryb pracy</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - kryterium wysterowania</source>
        <translation>Przekaźnik PK%1 - kryterium wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</source>
        <translation>Przekaźnik PK%1 - T1 - czas opóźnienia wysterowania</translation>
    </message>
    <message>
        <source>Czas opóźnienia wysterowania</source>
        <translation>Czas opóźnienia wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T2 - czas wysterowania</source>
        <translation>Przekaźnik PK%1 - T2 - czas wysterowania</translation>
    </message>
    <message>
        <source>Czas wysterowania</source>
        <translation>Czas wysterowania</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</source>
        <translation>Przekaźnik PK%1 - T3 - czas przerwy wysterowania</translation>
    </message>
    <message>
        <source>Czas przerwy</source>
        <translation>Czas przerwy</translation>
    </message>
    <message>
        <source>Przekaźnik PK%1 - liczba impulsów</source>
        <translation>Przekaźnik PK%1 - liczba impulsów</translation>
    </message>
    <message>
        <source>Liczba impulsów</source>
        <translation>Liczba impulsów</translation>
    </message>
    <message>
        <source>....</source>
        <translation>....</translation>
    </message>
    <message>
        <source>w opracowaniu</source>
        <translation>w opracowaniu</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>w opracowaniu ..</source>
        <translation>w opracowaniu ..</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - tryb pracy</source>
        <translation>Linia kontrolna LK%1 - tryb pracy</translation>
    </message>
    <message>
        <source>Linia kontrolna LK%1 - czas Tk%1</source>
        <translation>Linia kontrolna LK%1 - czas Tk%1</translation>
    </message>
    <message>
        <source>Czas potwierdzenia zadziałania w trybie 1</source>
        <translation>Czas potwierdzenia zadziałania w trybie 1</translation>
    </message>
    <message>
        <source>PK%1 - strefa LNM nr %2</source>
        <translation>PK%1 - strefa LNM nr %2</translation>
    </message>
    <message>
        <source>Al. ogólny LNM 6 – alarm z czujki (LDK) lub RPO</source>
        <translation>Al. ogólny LNM 6 – alarm z czujki (LDK) lub RPO</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TKA</source>
        <translation>Przekaźnik PK1 - czas TKA</translation>
    </message>
    <message>
        <source>Czas opóźnienia wyłączenia po kasowaniu</source>
        <translation>Czas opóźnienia wyłączenia po kasowaniu</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TKA</source>
        <translation>Przekaźnik PK2 - czas TKA</translation>
    </message>
    <message>
        <source>Przekaźnik PK1 - czas TP[minuty]</source>
        <translation>Przekaźnik PK1 - czas TP[minuty]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK1 [minuty]</source>
        <translation>Czas, po którym nastąpi automatyczne zamknięcie dla PK1 [minuty]</translation>
    </message>
    <message>
        <source>Przekaźnik PK2 - czas TP[minuty]</source>
        <translation>Przekaźnik PK2 - czas TP[minuty]</translation>
    </message>
    <message>
        <source>Czas, po którym nastąpi automatyczne zamknięcie dla PK2 [minuty]</source>
        <translation>Czas, po którym nastąpi automatyczne zamknięcie dla PK2 [minuty]</translation>
    </message>
    <message>
        <source>RLH</source>
        <translation>RLH</translation>
    </message>
    <message>
        <source>Moduł Przekaźników Wysokonapięciowych</source>
        <translation>Moduł Przekaźników Wysokonapięciowych</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – zwarcie</source>
        <translation>Linia kontrolna LK1 – zwarcie</translation>
    </message>
    <message>
        <source>Linia kontrolna LK1 – przerwa</source>
        <translation>Linia kontrolna LK1 – przerwa</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – zwarcie</source>
        <translation>Linia kontrolna LK2 – zwarcie</translation>
    </message>
    <message>
        <source>Linia kontrolna LK2 – przerwa</source>
        <translation>Linia kontrolna LK2 – przerwa</translation>
    </message>
    <message>
        <source>Flash – błąd sumy kontrolnej</source>
        <translation>Flash – błąd sumy kontrolnej</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Wersja oprogramowania</translation>
    </message>
</context>
<context>
    <name>RecordCsv</name>
    <message>
        <source>Lp</source>
        <translation>Lp</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Moduł</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Kod</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Usunięte</source>
        <translation>Usunięte</translation>
    </message>
    <message>
        <source>Uszkodzenie</source>
        <translation>Uszkodzenie</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>Suma CRC</translation>
    </message>
</context>
<context>
    <name>RecordManagement</name>
    <message>
        <source>Eksport CSV</source>
        <translation>Eksport CSV</translation>
    </message>
    <message>
        <source>Zapisz jako plik CSV dla arkusza kalkulacyjnego</source>
        <translation>Zapisz jako plik CSV dla arkusza kalkulacyjnego</translation>
    </message>
    <message>
        <source>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</source>
        <translation>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</translation>
    </message>
    <message>
        <source>Filtr w zakładce pokazuje %1 z %2 wierszy.</source>
        <translation>Filtr w zakładce pokazuje %1 z %2 wierszy.</translation>
    </message>
    <message>
        <source>Całość</source>
        <translation>Całość</translation>
    </message>
    <message>
        <source>tylko widoczne wiersze</source>
        <translation>tylko widoczne wiersze</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>ReportPrinter</name>
    <message>
        <source>Eksport PDF</source>
        <translation>Eksport PDF</translation>
    </message>
    <message>
        <source>Przygotowanie wydruku...</source>
        <translation>Przygotowanie wydruku...</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Podgląd wydruku</translation>
    </message>
    <message>
        <source>Raport ma około %1 stron: podgląd tak długiego raportu zablokowałby program na długo.

Zapisać raport do pliku PDF? Plik można potem wydrukować w całości lub w części.</source>
        <translation>Raport ma około %1 stron: podgląd tak długiego raportu zablokowałby program na długo.

Zapisać raport do pliku PDF? Plik można potem wydrukować w całości lub w części.</translation>
    </message>
    <message>
        <source>strona %1 z %2</source>
        <translation>strona %1 z %2</translation>
    </message>
    <message>
        <source>Wydruk</source>
        <translation>Wydruk</translation>
    </message>
    <message>
        <source>Nie udało się wydrukować raportu:
%1</source>
        <translation>Nie udało się wydrukować raportu:
%1</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku PDF %1:
%2</source>
        <translation>Nie udało się zapisać pliku PDF %1:
%2</translation>
    </message>
    <message>
        <source>Raport ma %1 stron; wybrany zakres jest poza nim.</source>
        <translation>Raport ma %1 stron; wybrany zakres jest poza nim.</translation>
    </message>
    <message>
        <source>Nie można rozpocząć wydruku.</source>
        <translation>Nie można rozpocząć wydruku.</translation>
    </message>
    <message>
        <source>Raport jest za długi, by go wydrukować w całości.</source>
        <translation>Raport jest za długi, by go wydrukować w całości.</translation>
    </message>
    <message>
        <source>Tabeli raportu nie udało się podzielić na strony.</source>
        <translation>Tabeli raportu nie udało się podzielić na strony.</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Eksport CSV</translation>
    </message>
    <message>
        <source>Nie udało się zapisać pliku %1:
%2</source>
        <translation>Nie udało się zapisać pliku %1:
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
        <translation>Deklaracja modułu</translation>
    </message>
    <message>
        <source>Moduł aktywny / nieaktywny</source>
        <translation>Moduł aktywny / nieaktywny</translation>
    </message>
    <message>
        <source>Automatyczne ponawianie włączenia urządzeń alarmowych</source>
        <translation>Automatyczne ponawianie włączenia urządzeń alarmowych</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T1</source>
        <translation>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T1</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T2</source>
        <translation>Strefa %1 - Czas opóźnienia alarmu 2 stopnia - T2</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas ewakuacji Tewak.</source>
        <translation>Strefa %1 - Czas ewakuacji Tewak.</translation>
    </message>
    <message>
        <source>Strefa %1 - Czas blokowania kasowania alarmu</source>
        <translation>Strefa %1 - Czas blokowania kasowania alarmu</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1</source>
        <translation>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1</translation>
    </message>
    <message>
        <source>Strefa %1 - Wyładowanie do więcej niż 1 strefy</source>
        <translation>Strefa %1 - Wyładowanie do więcej niż 1 strefy</translation>
    </message>
    <message>
        <source>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1 </source>
        <translation>Strefa %1 - Sygnalizacja wyładowania na podstawie sygnału w strefie %1 </translation>
    </message>
    <message>
        <source>Strefa %1 - Wymagana liczba linii w stanie alarmowania - Grupa %2 koincydencji</source>
        <translation>Strefa %1 - Wymagana liczba linii w stanie alarmowania - Grupa %2 koincydencji</translation>
    </message>
    <message>
        <source>Strefa %1 - Linia Dozorowa - L1%3 należy do grupy %2</source>
        <translation>Strefa %1 - Linia Dozorowa - L1%3 należy do grupy %2</translation>
    </message>
    <message>
        <source>SCA</source>
        <translation>SCA</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Moduł Główny Sterowania</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 1</source>
        <translation>brak wypływu środka gaśniczego - strefa 1</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 1</source>
        <translation>brak ciśnienia lub masy - strefa 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 1</source>
        <translation>uszkodzenie systemowe - strefa 1</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 1</source>
        <translation>uszkodzenie zasilania - strefa 1</translation>
    </message>
    <message>
        <source>brak wyplywu srodka ganiczego - strefa 2</source>
        <translation>brak wypływu środka gaśniczego - strefa 2</translation>
    </message>
    <message>
        <source>brak cisnienia lub masy - strefa 2</source>
        <translation>brak ciśnienia lub masy - strefa 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe - strefa 2</source>
        <translation>uszkodzenie systemowe - strefa 2</translation>
    </message>
    <message>
        <source>uszkodzenie zasilania - strefa 2</source>
        <translation>uszkodzenie zasilania - strefa 2</translation>
    </message>
    <message>
        <source>za duża rezystancja wewnętrzna akumulatorów</source>
        <translation>za duża rezystancja wewnętrzna akumulatorów</translation>
    </message>
    <message>
        <source>brak baterii akumulatorów</source>
        <translation>brak baterii akumulatorów</translation>
    </message>
    <message>
        <source>brak zasilania sieciowego 230V</source>
        <translation>brak zasilania sieciowego 230V</translation>
    </message>
    <message>
        <source>obnizenie napiecia akumulatorów</source>
        <translation>obniżenie napięcia akumulatorów</translation>
    </message>
    <message>
        <source>doziemienie</source>
        <translation>doziemienie</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B0-Can.A,</source>
        <translation>uszkodzenie 24V na magistrali B0-Can.A,</translation>
    </message>
    <message>
        <source>uszkodzenie 24V na magistrali B1-Can.B</source>
        <translation>uszkodzenie 24V na magistrali B1-Can.B</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr1</source>
        <translation>brak zasil za B=6,3A w SCBnr1</translation>
    </message>
    <message>
        <source>brak zasil za B=6,3A w SCBnr2</source>
        <translation>brak zasil za B=6,3A w SCBnr2</translation>
    </message>
    <message>
        <source>moduł nr 1 nie odpowiada</source>
        <translation>moduł nr 1 nie odpowiada</translation>
    </message>
    <message>
        <source>moduł nr 2 nie odpowiada</source>
        <translation>moduł nr 2 nie odpowiada</translation>
    </message>
    <message>
        <source>moduł nr 3 nie odpowiada</source>
        <translation>moduł nr 3 nie odpowiada</translation>
    </message>
    <message>
        <source>moduł nr 4 nie odpowiada</source>
        <translation>moduł nr 4 nie odpowiada</translation>
    </message>
    <message>
        <source>moduł nr 5 nie odpowiada</source>
        <translation>moduł nr 5 nie odpowiada</translation>
    </message>
    <message>
        <source>moduł nr 6 nie odpowiada</source>
        <translation>moduł nr 6 nie odpowiada</translation>
    </message>
    <message>
        <source>moduł nr 7 nie odpowiada</source>
        <translation>moduł nr 7 nie odpowiada</translation>
    </message>
    <message>
        <source>moduł nr 8 nie odpowiada</source>
        <translation>moduł nr 8 nie odpowiada</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 1</source>
        <translation>uszkodzenie systemowe modułu nr 1</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 2</source>
        <translation>uszkodzenie systemowe modułu nr 2</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 3</source>
        <translation>uszkodzenie systemowe modułu nr 3</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 4</source>
        <translation>uszkodzenie systemowe modułu nr 4</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 5</source>
        <translation>uszkodzenie systemowe modułu nr 5</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 6</source>
        <translation>uszkodzenie systemowe modułu nr 6</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 7</source>
        <translation>uszkodzenie systemowe modułu nr 7</translation>
    </message>
    <message>
        <source>uszkodzenie systemowe modułu nmoduł nr 8</source>
        <translation>uszkodzenie systemowe modułu nr 8</translation>
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
        <translation>L%1 - Numer strefy</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja Linii kontrolnej</source>
        <translation>L%1 - Deklaracja Linii kontrolnej</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Deklaracja linii kontrolnej</translation>
    </message>
    <message>
        <source>L%1 - numer strefy</source>
        <translation>L%1 - numer strefy</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja wyjścia/wejścia</source>
        <translation>L%1 - Deklaracja wyjścia/wejścia</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Funkcja wejścia</source>
        <translation>L%1 - Linia Kontrolna - Funkcja wejścia</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Stan</source>
        <translation>L%1 - Linia Kontrolna - Stan</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Ilość stanów</source>
        <translation>L%1 - Linia Kontrolna - Ilość stanów</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie X</source>
        <translation>L%1 - Linia Kontrolna - Opóźnienie X</translation>
    </message>
    <message>
        <source>L%1 - Linia Kontrolna - Opóźnienie Y</source>
        <translation>L%1 - Linia Kontrolna - Opóźnienie Y</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Grupa wyjść</source>
        <translation>L%1 - Linia Potencjałowa - Grupa wyjść</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 1</source>
        <translation>L%1 - Linia Potencjałowa - Kryterium 1</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Kryterium 2</source>
        <translation>L%1 - Linia Potencjałowa - Kryterium 2</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Logika</source>
        <translation>L%1 - Linia Potencjałowa - Logika</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</source>
        <translation>L%1 - Linia Potencjałowa - Typ sygnału włączenia wyjścia</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</source>
        <translation>L%1 - Linia Potencjałowa - czas opóźnienia zadziałania Ton</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</source>
        <translation>L%1 - Linia Potencjałowa - czas opóźnienia wyłączenia Toff</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</source>
        <translation>L%1 - Linia Potencjałowa - czas trwania impulsu T-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</source>
        <translation>L%1 - Linia Potencjałowa - czas trwania przerwy T-przerw</translation>
    </message>
    <message>
        <source>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</source>
        <translation>L%1 - Linia Potencjałowa - Liczba impulsów N-imp</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Wstępne kasowanie</source>
        <translation>L%1 - Linia Dozorowa - Wstępne kasowanie</translation>
    </message>
    <message>
        <source>L%1 - Linia Dozorowa - Opóźnienie</source>
        <translation>L%1 - Linia Dozorowa - Opóźnienie</translation>
    </message>
    <message>
        <source>SCB</source>
        <translation>SCB</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Moduł Główny Sterowania</translation>
    </message>
    <message>
        <source>L%1 - przerwa</source>
        <translation>L%1 - przerwa</translation>
    </message>
    <message>
        <source>L%1 - zwarcie</source>
        <translation>L%1 - zwarcie</translation>
    </message>
    <message>
        <source>L%1 - przeciążenie lub brak wysterowania</source>
        <translation>L%1 - przeciążenie lub brak wysterowania</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L%1 - brak stanu aktywnego X urządz. zewn.</translation>
    </message>
    <message>
        <source>L%1 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L%1 - brak stanu aktywnego Y urządz. zewn.</translation>
    </message>
    <message>
        <source>L%1 - brak ciągłości obwodu styków PK %2</source>
        <translation>L%1 - brak ciągłości obwodu styków PK %2</translation>
    </message>
    <message>
        <source>L%1 - ---</source>
        <translation>L%1 - ---</translation>
    </message>
    <message>
        <source>L9 - brak stanu aktywnego Y</source>
        <translation>L9 - brak stanu aktywnego Y</translation>
    </message>
    <message>
        <source>L12 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L12 - brak stanu aktywnego Y urządz. zewn. </translation>
    </message>
    <message>
        <source>L14 - brak stanu aktywnego Y urządz. zewn.  </source>
        <translation>L14 - brak stanu aktywnego Y urządz. zewn.  </translation>
    </message>
    <message>
        <source>L15 - brak stanu aktywnego Y urządz. zewn. </source>
        <translation>L15 - brak stanu aktywnego Y urządz. zewn. </translation>
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
        <translation>Moduł Główny Sterowania</translation>
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
        <translation>L%1 - numer strefy</translation>
    </message>
    <message>
        <source>L%1 - Deklaracja linii kontrolnej</source>
        <translation>L%1 - Deklaracja linii kontrolnej</translation>
    </message>
    <message>
        <source>L%1 - Funkcja wejścia</source>
        <translation>L%1 - Funkcja wejścia</translation>
    </message>
    <message>
        <source>L%1 - Kryterium wysterowania</source>
        <translation>L%1 - Kryterium wysterowania</translation>
    </message>
    <message>
        <source>L%1 - Ilość stanów</source>
        <translation>L%1 - Ilość stanów</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie X</source>
        <translation>L%1 - Opóźnienie X</translation>
    </message>
    <message>
        <source>L%1 - Opóźnienie Y</source>
        <translation>L%1 - Opóźnienie Y</translation>
    </message>
    <message>
        <source>SCD</source>
        <translation>SCD</translation>
    </message>
    <message>
        <source>Moduł Główny Sterowania</source>
        <translation>Moduł Główny Sterowania</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - brak ciągłości obwodu styków PK 1</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania PK 1</source>
        <translation>L1 - przeciążenie lub brak wysterowania PK 1</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - brak ciągłości obwodu styków PK 2</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania PK 2</source>
        <translation>L2 - przeciążenie lub brak wysterowania PK 2</translation>
    </message>
    <message>
        <source>L3 - przerwa LK 1</source>
        <translation>L3 - przerwa LK 1</translation>
    </message>
    <message>
        <source>L3 - zwarcie LK 1</source>
        <translation>L3 - zwarcie LK 1</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L3 - brak stanu aktywnego X urządz. zewn.</translation>
    </message>
    <message>
        <source>L3 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L3 - brak stanu aktywnego Y urządz. zewn.</translation>
    </message>
    <message>
        <source>L4 - przerwa LK 2</source>
        <translation>L4 - przerwa LK 2</translation>
    </message>
    <message>
        <source>L4 - zwarcie LK 2</source>
        <translation>L4 - zwarcie LK 2</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego X urządz. zewn.</source>
        <translation>L4 - brak stanu aktywnego X urządz. zewn.</translation>
    </message>
    <message>
        <source>L4 - brak stanu aktywnego Y urządz. zewn.</source>
        <translation>L4 - brak stanu aktywnego Y urządz. zewn.</translation>
    </message>
    <message>
        <source>L5 - przerwa</source>
        <translation>L5 - przerwa</translation>
    </message>
    <message>
        <source>L5 - zwarcie</source>
        <translation>L5 - zwarcie</translation>
    </message>
    <message>
        <source>L5 - przeciążenie lub brak wysterowania</source>
        <translation>L5 - przeciążenie lub brak wysterowania</translation>
    </message>
    <message>
        <source>L6 - przerwa</source>
        <translation>L6 - przerwa</translation>
    </message>
    <message>
        <source>L6 - zwarcie</source>
        <translation>L6 - zwarcie</translation>
    </message>
    <message>
        <source>L6 - przeciążenie lub brak wysterowania</source>
        <translation>L6 - przeciążenie lub brak wysterowania</translation>
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
        <translation>Moduł Główny Sterowania</translation>
    </message>
    <message>
        <source>L1 - brak ciągłości obwodu styków PK 1</source>
        <translation>L1 - brak ciągłości obwodu styków PK 1</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - przeciążenie lub brak wysterowania</translation>
    </message>
    <message>
        <source>L2 - brak ciągłości obwodu styków PK 2</source>
        <translation>L2 - brak ciągłości obwodu styków PK 2</translation>
    </message>
    <message>
        <source>L3 - brak ciągłości obwodu styków PK 3</source>
        <translation>L3 - brak ciągłości obwodu styków PK 3</translation>
    </message>
    <message>
        <source>L4 - brak ciągłości obwodu styków PK 4</source>
        <translation>L4 - brak ciągłości obwodu styków PK 4</translation>
    </message>
    <message>
        <source>L2 - brak wysterowania</source>
        <translation>L2 - brak wysterowania</translation>
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
        <translation>Moduł Główny Sterowania</translation>
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
        <translation>Moduł Główny Sterowania</translation>
    </message>
    <message>
        <source>L1 - przerwa</source>
        <translation>L1 - przerwa</translation>
    </message>
    <message>
        <source>L1 - zwarcie</source>
        <translation>L1 - zwarcie</translation>
    </message>
    <message>
        <source>L1 - przeciążenie lub brak wysterowania</source>
        <translation>L1 - przeciążenie lub brak wysterowania</translation>
    </message>
    <message>
        <source>L2 - przerwa</source>
        <translation>L2 - przerwa</translation>
    </message>
    <message>
        <source>L2 - zwarcie</source>
        <translation>L2 - zwarcie</translation>
    </message>
    <message>
        <source>L2 - przeciążenie lub brak wysterowania</source>
        <translation>L2 - przeciążenie lub brak wysterowania</translation>
    </message>
    <message>
        <source>L3 - przerwa</source>
        <translation>L3 - przerwa</translation>
    </message>
    <message>
        <source>L3 - zwarcie</source>
        <translation>L3 - zwarcie</translation>
    </message>
    <message>
        <source>L3 - przeciążenie lub brak wysterowania</source>
        <translation>L3 - przeciążenie lub brak wysterowania</translation>
    </message>
    <message>
        <source>L4 - przerwa</source>
        <translation>L4 - przerwa</translation>
    </message>
    <message>
        <source>L4 - zwarcie</source>
        <translation>L4 - zwarcie</translation>
    </message>
    <message>
        <source>L4 - przeciążenie lub brak wysterowania</source>
        <translation>L4 - przeciążenie lub brak wysterowania</translation>
    </message>
</context>
<context>
    <name>ServiceManagement</name>
    <message>
        <source>Serwis</source>
        <translation>Serwis</translation>
    </message>
    <message>
        <source>Funkcje serwisowe</source>
        <translation>Funkcje serwisowe</translation>
    </message>
    <message>
        <source>Wyczyść rejestr zdarzeń</source>
        <translation>Wyczyść rejestr zdarzeń</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dane wysłane poprawnie.</source>
        <translation>Dane wysłane poprawnie.</translation>
    </message>
    <message>
        <source>czyszczenie rejestru zdarzeń</source>
        <translation>czyszczenie rejestru zdarzeń</translation>
    </message>
    <message>
        <source>Nie wiadomo, czy centrala wykonała polecenie.</source>
        <translation>Nie wiadomo, czy centrala wykonała polecenie.</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń sprzed wyczyszczenia zapisano jako %1.</source>
        <translation>Rejestr zdarzeń sprzed wyczyszczenia zapisano jako %1.</translation>
    </message>
    <message>
        <source>Odczytaj, zapisz i wyczyść</source>
        <translation>Odczytaj, zapisz i wyczyść</translation>
    </message>
    <message>
        <source>Wyczyść bez odczytu</source>
        <translation>Wyczyść bez odczytu</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń w centrali zostanie skasowany i nie da się go odtworzyć.

„Odczytaj, zapisz i wyczyść” najpierw odczytuje rejestr i zapisuje go w bazie danych; centrala jest czyszczona dopiero po zapisaniu.</source>
        <translation>Rejestr zdarzeń w centrali zostanie skasowany i nie da się go odtworzyć.

„Odczytaj, zapisz i wyczyść” najpierw odczytuje rejestr i zapisuje go w bazie danych; centrala jest czyszczona dopiero po zapisaniu.</translation>
    </message>
    <message>
        <source>Rejestru zdarzeń nie odczytano, więc nie został wyczyszczony.</source>
        <translation>Rejestru zdarzeń nie odczytano, więc nie został wyczyszczony.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać rejestru zdarzeń w bazie danych. Rejestru w centrali nie wyczyszczono.</source>
        <translation>Nie udało się zapisać rejestru zdarzeń w bazie danych. Rejestru w centrali nie wyczyszczono.</translation>
    </message>
    <message>
        <source>odczyt rejestru zdarzeń przed wyczyszczeniem</source>
        <translation>odczyt rejestru zdarzeń przed wyczyszczeniem</translation>
    </message>
    <message>
        <source>sprawdzenie, czy centrala nie dopisała zdarzeń</source>
        <translation>sprawdzenie, czy centrala nie dopisała zdarzeń</translation>
    </message>
    <message>
        <source>Centrala dopisywała zdarzenia w trakcie każdego z %1 odczytów. Wszystkie odczyty zapisano (%2), ale rejestru w centrali nie wyczyszczono. Spróbuj ponownie za chwilę.</source>
        <translation>Centrala dopisywała zdarzenia w trakcie każdego z %1 odczytów. Wszystkie odczyty zapisano (%2), ale rejestru w centrali nie wyczyszczono. Spróbuj ponownie za chwilę.</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>Nie</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>%1g:%2m:%3s</source>
        <translation>%1g:%2m:%3s</translation>
    </message>
    <message>
        <source>%1m</source>
        <translation>%1m</translation>
    </message>
    <message>
        <source>Zakres: %1 – %2</source>
        <translation>Zakres: %1 – %2</translation>
    </message>
    <message>
        <source>Zakres: pozycje listy od 0 do %1</source>
        <translation>Zakres: pozycje listy od 0 do %1</translation>
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
        <translation>Nie</translation>
    </message>
    <message>
        <source>Tak</source>
        <translation>Tak</translation>
    </message>
</context>
<context>
    <name>SoftwareManagement</name>
    <message>
        <source>Odczytaj</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Wczytaj z urządzenia</source>
        <translation>Wczytaj z urządzenia</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Zapisz do PDF</source>
        <translation>Zapisz do PDF</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Usunięcie wersji oprogramowania</source>
        <translation>Usunięcie wersji oprogramowania</translation>
    </message>
    <message>
        <source>Usunięcie wersji o nazwie: %1</source>
        <translation>Usunięcie wersji o nazwie: %1</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Wersja</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Suma CRC</source>
        <translation>Suma CRC</translation>
    </message>
    <message>
        <source>Oprogramowanie Ostrel: %1</source>
        <translation>Oprogramowanie Ostrel: %1</translation>
    </message>
    <message>
        <source>Lp</source>
        <comment>liczba porządkowa</comment>
        <translation>Lp</translation>
    </message>
    <message>
        <source>Suma</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>odczyt wersji oprogramowania</source>
        <translation>odczyt wersji oprogramowania</translation>
    </message>
    <message>
        <source>Czy usunąć wersje oprogramowania %1?</source>
        <translation>Czy usunąć wersje oprogramowania %1?</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Folder nie istnieje i nie można go utworzyć.</source>
        <translation>Folder nie istnieje i nie można go utworzyć.</translation>
    </message>
    <message>
        <source>W miejscu pliku %1 jest folder.</source>
        <translation>W miejscu pliku %1 jest folder.</translation>
    </message>
    <message>
        <source>Brak prawa zapisu w tym folderze. Folder programu (na przykład w Program Files) nie nadaje się na dane: uruchom program ze skrótu w menu Start albo z folderu, w którym można zapisywać.</source>
        <translation>Brak prawa zapisu w tym folderze. Folder programu (na przykład w Program Files) nie nadaje się na dane: uruchom program ze skrótu w menu Start albo z folderu, w którym można zapisywać.</translation>
    </message>
    <message>
        <source>Plik %1 jest uszkodzony albo nie jest bazą danych programu.</source>
        <translation>Plik %1 jest uszkodzony albo nie jest bazą danych programu.</translation>
    </message>
    <message>
        <source>Nie udało się utworzyć pliku %1. %2</source>
        <translation>Nie udało się utworzyć pliku %1. %2</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Konfigurator Ostrel</translation>
    </message>
    <message>
        <source>Nie można otworzyć bazy danych programu w folderze:
%1

%2

Program zostanie zamknięty.</source>
        <translation>Nie można otworzyć bazy danych programu w folderze:
%1

%2

Program zostanie zamknięty.</translation>
    </message>
</context>
<context>
    <name>TimeManagement</name>
    <message>
        <source>Data i czas</source>
        <translation>Data i czas</translation>
    </message>
    <message>
        <source>Aktualna data i czas w centrali</source>
        <translation>Aktualna data i czas w centrali</translation>
    </message>
    <message>
        <source>Odczytaj datę i czas z centrali</source>
        <translation>Odczytaj datę i czas z centrali</translation>
    </message>
    <message>
        <source>Automatyczna zmiana czasu LATO/ZIMA</source>
        <translation>Automatyczna zmiana czasu LATO/ZIMA</translation>
    </message>
    <message>
        <source>Moment pobrania czasu:</source>
        <translation>Moment pobrania czasu:</translation>
    </message>
    <message>
        <source>Ustaw datę i czas w centrali</source>
        <translation>Ustaw datę i czas w centrali</translation>
    </message>
    <message>
        <source>Wyślij podaną datę i czas do centrali</source>
        <translation>Wyślij podaną datę i czas do centrali</translation>
    </message>
    <message>
        <source>Wyślij czas z komputer</source>
        <translation>Wyślij czas z komputera</translation>
    </message>
    <message>
        <source>Nieprawidłowa data</source>
        <translation>Nieprawidłowa data</translation>
    </message>
    <message>
        <source>odczyt lub ustawienie zegara</source>
        <translation>odczyt lub ustawienie zegara</translation>
    </message>
    <message>
        <source>włączona</source>
        <translation>włączona</translation>
    </message>
    <message>
        <source>wyłączona</source>
        <translation>wyłączona</translation>
    </message>
    <message>
        <source>Centrala ma teraz datę i czas %1, automatyczna zmiana czasu LATO/ZIMA: %2.</source>
        <translation>Centrala ma teraz datę i czas %1, automatyczna zmiana czasu LATO/ZIMA: %2.</translation>
    </message>
    <message>
        <source>bieżący czas komputera (teraz %1)</source>
        <translation>bieżący czas komputera (teraz %1)</translation>
    </message>
    <message>
        <source>Ustawić w centrali datę i czas: %1, automatyczna zmiana czasu LATO/ZIMA: %2?</source>
        <translation>Ustawić w centrali datę i czas: %1, automatyczna zmiana czasu LATO/ZIMA: %2?</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>Czas</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Kierunek</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>Polecenie</source>
        <translation>Polecenie</translation>
    </message>
    <message>
        <source>Długość</source>
        <translation>Długość</translation>
    </message>
    <message>
        <source>Ramka</source>
        <translation>Ramka</translation>
    </message>
    <message>
        <source>PC → centrala</source>
        <translation>PC → centrala</translation>
    </message>
    <message>
        <source>centrala → PC</source>
        <translation>centrala → PC</translation>
    </message>
    <message>
        <source>%1 (błędne CRC)</source>
        <translation>%1 (błędne CRC)</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>Nic nie zostało zapisane.</source>
        <translation>Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Przerywa tę operację; nic z niej nie zostanie zapisane</source>
        <translation>Przerywa tę operację; nic z niej nie zostanie zapisane</translation>
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
        <translation>oczekiwanie na odpowiedź…</translation>
    </message>
    <message>
        <source>część %1 z %2</source>
        <translation>część %1 z %2</translation>
    </message>
    <message>
        <source>wpisów: %1</source>
        <translation>wpisów: %1</translation>
    </message>
    <message>
        <source>pozostało ok. %1</source>
        <translation>pozostało ok. %1</translation>
    </message>
    <message>
        <source>Anulowano: %1. Nic nie zostało zapisane.</source>
        <translation>Anulowano: %1. Nic nie zostało zapisane.</translation>
    </message>
    <message>
        <source>Urządzenie nie odpowiada</source>
        <translation>Urządzenie nie odpowiada</translation>
    </message>
    <message>
        <source>Brak odpowiedzi na %1 po trzech próbach. Sprawdź kabel i zasilanie centrali.</source>
        <translation>Brak odpowiedzi na %1 po trzech próbach. Sprawdź kabel i zasilanie centrali.</translation>
    </message>
    <message>
        <source>Połączenie z urządzeniem zostało przerwane (%1)</source>
        <translation>Połączenie z urządzeniem zostało przerwane (%1)</translation>
    </message>
    <message>
        <source>Port został zamknięty.</source>
        <translation>Port został zamknięty.</translation>
    </message>
    <message>
        <source>Przyczyna: %1.</source>
        <translation>Przyczyna: %1.</translation>
    </message>
    <message>
        <source>Konfigurator Ostrel</source>
        <translation>Konfigurator Ostrel</translation>
    </message>
    <message>
        <source>Nieoczekiwana odpowiedź urządzenia na %1</source>
        <translation>Nieoczekiwana odpowiedź urządzenia na %1</translation>
    </message>
</context>
<context>
    <name>TreeModel</name>
    <message>
        <source>WĘZEŁ</source>
        <translation>WĘZEŁ</translation>
    </message>
    <message>
        <source>WARTOŚĆ</source>
        <translation>WARTOŚĆ</translation>
    </message>
    <message>
        <source>OPIS</source>
        <translation>OPIS</translation>
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
        <translation>Wartość %1 jest poza zakresem.</translation>
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
        <translation>Port został otwarty. Próba komunikacji z urządzeniem na porcie </translation>
    </message>
    <message>
        <source>Brak odpowiedzi na ramkę. Ponowna próba połączenia...</source>
        <translation>Brak odpowiedzi na ramkę. Ponowna próba połączenia...</translation>
    </message>
    <message>
        <source>nie znaleziono urządzenia na tym porcie</source>
        <translation>nie znaleziono urządzenia na tym porcie</translation>
    </message>
    <message>
        <source>brak dostępu do portu (może używa go inny program)</source>
        <translation>brak dostępu do portu (może używa go inny program)</translation>
    </message>
    <message>
        <source>port jest już otwarty przez inny program</source>
        <translation>port jest już otwarty przez inny program</translation>
    </message>
    <message>
        <source>błąd parzystości na łączu</source>
        <translation>błąd parzystości na łączu</translation>
    </message>
    <message>
        <source>błąd ramki na łączu (zakłócenia lub zła prędkość)</source>
        <translation>błąd ramki na łączu (zakłócenia lub zła prędkość)</translation>
    </message>
    <message>
        <source>przerwa w linii transmisyjnej</source>
        <translation>przerwa w linii transmisyjnej</translation>
    </message>
    <message>
        <source>nie można wysłać danych do portu</source>
        <translation>nie można wysłać danych do portu</translation>
    </message>
    <message>
        <source>nie można odczytać danych z portu (kabel odłączony?)</source>
        <translation>nie można odczytać danych z portu (kabel odłączony?)</translation>
    </message>
    <message>
        <source>port zniknął: kabel USB odłączony lub centrala wyłączona</source>
        <translation>port zniknął: kabel USB odłączony lub centrala wyłączona</translation>
    </message>
    <message>
        <source>port nie obsługuje tej operacji</source>
        <translation>port nie obsługuje tej operacji</translation>
    </message>
    <message>
        <source>nieznany błąd portu</source>
        <translation>nieznany błąd portu</translation>
    </message>
    <message>
        <source>przekroczony czas operacji na porcie</source>
        <translation>przekroczony czas operacji na porcie</translation>
    </message>
    <message>
        <source>port nie jest otwarty</source>
        <translation>port nie jest otwarty</translation>
    </message>
    <message>
        <source>%1 odrzucił połączenie: serwer portu nie nasłuchuje na tym porcie albo obsługuje już innego klienta</source>
        <translation>%1 odrzucił połączenie: serwer portu nie nasłuchuje na tym porcie albo obsługuje już innego klienta</translation>
    </message>
    <message>
        <source>%1 nie odpowiada od 5 s: sprawdź adres, połączenie VPN i zaporę sieciową</source>
        <translation>%1 nie odpowiada od 5 s: sprawdź adres, połączenie VPN i zaporę sieciową</translation>
    </message>
    <message>
        <source>Nie znaleziono komputera %1: sprawdź nazwę lub adres</source>
        <translation>Nie znaleziono komputera %1: sprawdź nazwę lub adres</translation>
    </message>
    <message>
        <source>Serwer portu %1 zamknął połączenie (centrala odłączona od serwera lub serwer wyłączony)</source>
        <translation>Serwer portu %1 zamknął połączenie (centrala odłączona od serwera lub serwer wyłączony)</translation>
    </message>
    <message>
        <source>Błąd połączenia sieciowego z %1 (kod %2)</source>
        <translation>Błąd połączenia sieciowego z %1 (kod %2)</translation>
    </message>
    <message>
        <source>Port zamknięty: %1</source>
        <translation>Port zamknięty: %1</translation>
    </message>
    <message>
        <source>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</source>
        <translation>Odczyt z urządzenia już trwa; poczekaj na jego koniec.</translation>
    </message>
    <message>
        <source>Centrala odpowiedziała poleceniem %1 zamiast %2.</source>
        <translation>Centrala odpowiedziała poleceniem %1 zamiast %2.</translation>
    </message>
</context>
<context>
    <name>Uszkodzenia</name>
    <message>
        <source>Uszkodzenia Ostrel: %1</source>
        <translation>Uszkodzenia Ostrel: %1</translation>
    </message>
</context>
<context>
    <name>VisitReport</name>
    <message>
        <source>brak</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Moduły centrali</source>
        <translation>Moduły centrali</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Moduł</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Wersja oprogramowania</source>
        <translation>Wersja oprogramowania</translation>
    </message>
    <message>
        <source>nie odczytano</source>
        <translation>nie odczytano</translation>
    </message>
    <message>
        <source>Uszkodzenie</source>
        <translation>Uszkodzenie</translation>
    </message>
    <message>
        <source>brak danych do porównania</source>
        <translation>brak danych do porównania</translation>
    </message>
    <message>
        <source>bez zmian</source>
        <translation>bez zmian</translation>
    </message>
    <message>
        <source>moduł usunięty</source>
        <translation>moduł usunięty</translation>
    </message>
    <message>
        <source>moduł dodany</source>
        <translation>moduł dodany</translation>
    </message>
    <message>
        <source>Ustawienie</source>
        <translation>Ustawienie</translation>
    </message>
    <message>
        <source>Przed</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>Po</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>Zdarzenie</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Liczba</source>
        <translation>Liczba</translation>
    </message>
    <message>
        <source>Rejestr zdarzeń</source>
        <translation>Rejestr zdarzeń</translation>
    </message>
    <message>
        <source>Uszkodzenia aktywne według rejestru</source>
        <translation>Uszkodzenia aktywne według rejestru</translation>
    </message>
    <message>
        <source>Lp</source>
        <translation>Lp</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Załącznik: pełny rejestr zdarzeń</source>
        <translation>Załącznik: pełny rejestr zdarzeń</translation>
    </message>
    <message>
        <source>Sprawdzenie</source>
        <translation>Sprawdzenie</translation>
    </message>
    <message>
        <source>Sposób</source>
        <translation>Sposób</translation>
    </message>
    <message>
        <source>Wymaganie</source>
        <translation>Wymaganie</translation>
    </message>
    <message>
        <source>Pomiar</source>
        <translation>Pomiar</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Akumulatory</source>
        <translation>Akumulatory</translation>
    </message>
    <message>
        <source>Okres eksploatacji akumulatorów w latach: %1.</source>
        <translation>Okres eksploatacji akumulatorów w latach: %1.</translation>
    </message>
    <message>
        <source>Marka i typ</source>
        <translation>Marka i typ</translation>
    </message>
    <message>
        <source>Pojemność [Ah]</source>
        <translation>Pojemność [Ah]</translation>
    </message>
    <message>
        <source>Kod daty</source>
        <translation>Kod daty</translation>
    </message>
    <message>
        <source>Montaż</source>
        <translation>Montaż</translation>
    </message>
    <message>
        <source>Napięcie [V]</source>
        <translation>Napięcie [V]</translation>
    </message>
    <message>
        <source>Rezystancja [mΩ]</source>
        <translation>Rezystancja [mΩ]</translation>
    </message>
    <message>
        <source>Wymiana do</source>
        <translation>Wymiana do</translation>
    </message>
    <message>
        <source>(termin minął)</source>
        <translation>(termin minął)</translation>
    </message>
    <message>
        <source>(wymiana w ciągu 90 dni)</source>
        <translation>(wymiana w ciągu 90 dni)</translation>
    </message>
    <message>
        <source>Autotest i kalibracja</source>
        <translation>Autotest i kalibracja</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Zakres</source>
        <translation>Zakres</translation>
    </message>
    <message>
        <source>Wartość</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>autotest</source>
        <translation>autotest</translation>
    </message>
    <message>
        <source>kalibracja</source>
        <translation>kalibracja</translation>
    </message>
    <message>
        <source>%1 s (czas centrali minus czas komputera)</source>
        <translation>%1 s (czas centrali minus czas komputera)</translation>
    </message>
    <message>
        <source>Protokół serwisowy nr %1</source>
        <translation>Protokół serwisowy nr %1</translation>
    </message>
    <message>
        <source>Identyfikator</source>
        <translation>Identyfikator</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Technik</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>Rodzaj wizyty</source>
        <translation>Rodzaj wizyty</translation>
    </message>
    <message>
        <source>Rozpoczęcie</source>
        <translation>Rozpoczęcie</translation>
    </message>
    <message>
        <source>Zakończenie</source>
        <translation>Zakończenie</translation>
    </message>
    <message>
        <source>wizyta otwarta</source>
        <translation>wizyta otwarta</translation>
    </message>
    <message>
        <source>Obiekt i centrala</source>
        <translation>Obiekt i centrala</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Obiekt</translation>
    </message>
    <message>
        <source>Adres</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Właściciel / zarządca</source>
        <translation>Właściciel / zarządca</translation>
    </message>
    <message>
        <source>Osoba kontaktowa</source>
        <translation>Osoba kontaktowa</translation>
    </message>
    <message>
        <source>Telefon</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Centrala</translation>
    </message>
    <message>
        <source>Miejsce montażu</source>
        <translation>Miejsce montażu</translation>
    </message>
    <message>
        <source>Numer fabryczny</source>
        <translation>Numer fabryczny</translation>
    </message>
    <message>
        <source>Data instalacji</source>
        <translation>Data instalacji</translation>
    </message>
    <message>
        <source>Zegar centrali</source>
        <translation>Zegar centrali</translation>
    </message>
    <message>
        <source>Odchyłka zegara</source>
        <translation>Odchyłka zegara</translation>
    </message>
    <message>
        <source>Zegar ustawiony</source>
        <translation>Zegar ustawiony</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Uszkodzenia przy odjeździe</source>
        <translation>Uszkodzenia przy odjeździe</translation>
    </message>
    <message>
        <source>Odczyt pominięto: %1</source>
        <translation>Odczyt pominięto: %1</translation>
    </message>
    <message>
        <source>Zmiany konfiguracji podczas wizyty</source>
        <translation>Zmiany konfiguracji podczas wizyty</translation>
    </message>
    <message>
        <source>Zmiany konfiguracji od poprzedniej wizyty</source>
        <translation>Zmiany konfiguracji od poprzedniej wizyty</translation>
    </message>
    <message>
        <source>brak poprzedniej wizyty</source>
        <translation>brak poprzedniej wizyty</translation>
    </message>
    <message>
        <source>Poprzednia wizyta: %1, %2.</source>
        <translation>Poprzednia wizyta: %1, %2.</translation>
    </message>
    <message>
        <source>Wynik wizyty</source>
        <translation>Wynik wizyty</translation>
    </message>
    <message>
        <source>Ustalenia</source>
        <translation>Ustalenia</translation>
    </message>
    <message>
        <source>Zalecenia</source>
        <translation>Zalecenia</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Ocena</translation>
    </message>
    <message>
        <source>nie wystawiono</source>
        <translation>nie wystawiono</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Następny przegląd</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Protokół</translation>
    </message>
    <message>
        <source>Moduł adresowy</source>
        <translation>Moduł adresowy</translation>
    </message>
    <message>
        <source>Moduł przekaźników i linii</source>
        <translation>Moduł przekaźników i linii</translation>
    </message>
    <message>
        <source>Moduł wyjść potencjałowych</source>
        <translation>Moduł wyjść potencjałowych</translation>
    </message>
    <message>
        <source>Moduł przekaźników</source>
        <translation>Moduł przekaźników</translation>
    </message>
    <message>
        <source>Moduł sterowania liniami i przekaźnikami</source>
        <translation>Moduł sterowania liniami i przekaźnikami</translation>
    </message>
    <message>
        <source>Moduł sterowania gaszeniem</source>
        <translation>Moduł sterowania gaszeniem</translation>
    </message>
    <message>
        <source>Uszkodzenia</source>
        <translation>Uszkodzenia</translation>
    </message>
    <message>
        <source>Stwierdzone przy przyjeździe i usunięte</source>
        <translation>Stwierdzone przy przyjeździe i usunięte</translation>
    </message>
    <message>
        <source>bez odczytu przy odjeździe: stwierdzone przy przyjeździe</source>
        <translation>bez odczytu przy odjeździe: stwierdzone przy przyjeździe</translation>
    </message>
    <message>
        <source>Pozostające przy odjeździe</source>
        <translation>Pozostające przy odjeździe</translation>
    </message>
    <message>
        <source>Usterki stwierdzone podczas sprawdzeń</source>
        <translation>Usterki stwierdzone podczas sprawdzeń</translation>
    </message>
    <message>
        <source>pozostałe (%1)</source>
        <translation>pozostałe (%1)</translation>
    </message>
    <message>
        <source>razem</source>
        <translation>razem</translation>
    </message>
    <message>
        <source>Brak poprzedniej wizyty: zdarzenia od początku rejestru, %1 wpisów.</source>
        <translation>Brak poprzedniej wizyty: zdarzenia od początku rejestru, %1 wpisów.</translation>
    </message>
    <message>
        <source>Zdarzenia od poprzedniej wizyty %1 (rejestr był wtedy pusty): %2 z %3 wpisów.</source>
        <translation>Zdarzenia od poprzedniej wizyty %1 (rejestr był wtedy pusty): %2 z %3 wpisów.</translation>
    </message>
    <message>
        <source>Zdarzenia od poprzedniej wizyty %1, po wpisie nr %2 — ostatnim odczytanym przy tamtej wizycie: %3 z %4 wpisów.</source>
        <translation>Zdarzenia od poprzedniej wizyty %1, po wpisie nr %2 — ostatnim odczytanym przy tamtej wizycie: %3 z %4 wpisów.</translation>
    </message>
    <message>
        <source>Pominięto wpisy zapisane jeszcze w czasie tamtej wizyty (odczyt przy odjeździe, ustawienie zegara): %1.</source>
        <translation>Pominięto wpisy zapisane jeszcze w czasie tamtej wizyty (odczyt przy odjeździe, ustawienie zegara): %1.</translation>
    </message>
    <message>
        <source>Rejestr wyczyszczony od poprzedniej wizyty %1: wpisu odczytanego przy tamtej wizycie już w nim nie ma. Liczone są wszystkie wpisy: %2.</source>
        <translation>Rejestr wyczyszczony od poprzedniej wizyty %1: wpisu odczytanego przy tamtej wizycie już w nim nie ma. Liczone są wszystkie wpisy: %2.</translation>
    </message>
    <message>
        <source>Od poprzedniej wizyty %1 przybyło więcej wpisów, niż mieści rejestr: wpis odczytany przy tamtej wizycie został nadpisany. Liczone są wszystkie wpisy: %2.</source>
        <translation>Od poprzedniej wizyty %1 przybyło więcej wpisów, niż mieści rejestr: wpis odczytany przy tamtej wizycie został nadpisany. Liczone są wszystkie wpisy: %2.</translation>
    </message>
    <message>
        <source>zegar ustawiono wtedy na czas komputera, przyjęto odchyłkę 0 s</source>
        <translation>zegar ustawiono wtedy na czas komputera, przyjęto odchyłkę 0 s</translation>
    </message>
    <message>
        <source>przyjęto odchyłkę zegara zmierzoną wtedy: %1 s</source>
        <translation>przyjęto odchyłkę zegara zmierzoną wtedy: %1 s</translation>
    </message>
    <message>
        <source>odchyłki zegara wtedy nie zmierzono, przyjęto 0 s</source>
        <translation>odchyłki zegara wtedy nie zmierzono, przyjęto 0 s</translation>
    </message>
    <message>
        <source>Poprzednia wizyta %1 nie odczytała rejestru, więc zdarzenia liczone są wg zegara centrali: wpisy późniejsze niż %2 (koniec tamtej wizyty; %3): %4 z %5 wpisów.</source>
        <translation>Poprzednia wizyta %1 nie odczytała rejestru, więc zdarzenia liczone są wg zegara centrali: wpisy późniejsze niż %2 (koniec tamtej wizyty; %3): %4 z %5 wpisów.</translation>
    </message>
    <message>
        <source>Rodzaj zdarzeń</source>
        <translation>Rodzaj zdarzeń</translation>
    </message>
    <message>
        <source>Najwięcej wpisów według modułu</source>
        <translation>Najwięcej wpisów według modułu</translation>
    </message>
    <message>
        <source>Najczęstsze zdarzenia</source>
        <translation>Najczęstsze zdarzenia</translation>
    </message>
    <message>
        <source>Rejestr odczytany przy tej wizycie: %1 wpisów, SHA-256 jego bajtów: %2.</source>
        <translation>Rejestr odczytany przy tej wizycie: %1 wpisów, SHA-256 jego bajtów: %2.</translation>
    </message>
    <message>
        <source>nie sprawdzono</source>
        <translation>nie sprawdzono</translation>
    </message>
    <message>
        <source>Zakres przeglądu i wyniki sprawdzeń</source>
        <translation>Zakres przeglądu i wyniki sprawdzeń</translation>
    </message>
    <message>
        <source>Sprawdzenia ogólne</source>
        <translation>Sprawdzenia ogólne</translation>
    </message>
    <message>
        <source>Sprawdzenia modułów centrali</source>
        <translation>Sprawdzenia modułów centrali</translation>
    </message>
    <message>
        <source>Urządzenia w obiekcie (sprawdzone albo wyłączone z zakresu, z powodem w uwagach)</source>
        <translation>Urządzenia w obiekcie (sprawdzone albo wyłączone z zakresu, z powodem w uwagach)</translation>
    </message>
    <message>
        <source>Próba pojemności / obciążenia</source>
        <translation>Próba pojemności / obciążenia</translation>
    </message>
    <message>
        <source>wymaganie spełnione</source>
        <translation>wymaganie spełnione</translation>
    </message>
    <message>
        <source>wymaganie NIESPEŁNIONE</source>
        <translation>wymaganie NIESPEŁNIONE</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów</source>
        <translation>Wymagany czas pracy z akumulatorów</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów</source>
        <translation>Uzyskany czas pracy z akumulatorów</translation>
    </message>
    <message>
        <source>PRZEGLĄD ANULOWANY (powód: %1). Protokołu nie wystawiono.</source>
        <translation>PRZEGLĄD ANULOWANY (powód: %1). Protokołu nie wystawiono.</translation>
    </message>
    <message>
        <source>Projekt protokołu: przegląd jest otwarty, projekt nie ma skrótu. Skrót nadaje zamknięcie przeglądu.</source>
        <translation>Projekt protokołu: przegląd jest otwarty, projekt nie ma skrótu. Skrót nadaje zamknięcie przeglądu.</translation>
    </message>
    <message>
        <source>Skrót SHA-256 w stopce każdej strony obejmuje całą treść tego protokołu (bez załącznika z pełnym rejestrem zdarzeń, którego bajty opisuje skrót w części „Rejestr zdarzeń”). Sprawdzenie: Konfigurator Ostrel, karta „Przeglądy”, przycisk „Sprawdź protokół”: wskaż plik PDF albo wpisz skrót ze stopki. Program podaje, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</source>
        <translation>Skrót SHA-256 w stopce każdej strony obejmuje całą treść tego protokołu (bez załącznika z pełnym rejestrem zdarzeń, którego bajty opisuje skrót w części „Rejestr zdarzeń”). Sprawdzenie: Konfigurator Ostrel, karta „Przeglądy”, przycisk „Sprawdź protokół”: wskaż plik PDF albo wpisz skrót ze stopki. Program podaje, którego przeglądu to protokół i czy jest zgodny z zapisanym przy zamknięciu.</translation>
    </message>
    <message>
        <source>urządzenie dopuszczone do dalszej eksploatacji</source>
        <translation>urządzenie dopuszczone do dalszej eksploatacji</translation>
    </message>
    <message>
        <source>urządzenie niedopuszczone do dalszej eksploatacji</source>
        <translation>urządzenie niedopuszczone do dalszej eksploatacji</translation>
    </message>
    <message>
        <source>Obiekt / centrala</source>
        <translation>Obiekt / centrala</translation>
    </message>
    <message>
        <source>Wynik przeglądu</source>
        <translation>Wynik przeglądu</translation>
    </message>
    <message>
        <source>Orzeczenie</source>
        <translation>Orzeczenie</translation>
    </message>
    <message>
        <source>Podstawa</source>
        <translation>Podstawa</translation>
    </message>
    <message>
        <source>przegląd okresowy wykonywany co najmniej raz w roku zgodnie z rozporządzeniem Ministra Spraw Wewnętrznych i Administracji z dnia 7 czerwca 2010 r. w sprawie ochrony przeciwpożarowej budynków, innych obiektów budowlanych i terenów (§ 3 ust. 3) oraz z instrukcją serwisową producenta</source>
        <translation>przegląd okresowy wykonywany co najmniej raz w roku zgodnie z rozporządzeniem Ministra Spraw Wewnętrznych i Administracji z dnia 7 czerwca 2010 r. w sprawie ochrony przeciwpożarowej budynków, innych obiektów budowlanych i terenów (§ 3 ust. 3) oraz z instrukcją serwisową producenta</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe</source>
        <translation>Przyrządy pomiarowe</translation>
    </message>
    <message>
        <source>Przyrząd</source>
        <translation>Przyrząd</translation>
    </message>
    <message>
        <source>Data wzorcowania</source>
        <translation>Data wzorcowania</translation>
    </message>
    <message>
        <source>Z poprzedniego przeglądu %1</source>
        <translation>Z poprzedniego przeglądu %1</translation>
    </message>
    <message>
        <source>Wykonanie zaleceń</source>
        <translation>Wykonanie zaleceń</translation>
    </message>
    <message>
        <source>nie oceniono</source>
        <translation>nie oceniono</translation>
    </message>
    <message>
        <source>Uszkodzenia pozostawione przy odjeździe</source>
        <translation>Uszkodzenia pozostawione przy odjeździe</translation>
    </message>
    <message>
        <source>Miejsce i data: %1, %2</source>
        <translation>Miejsce i data: %1, %2</translation>
    </message>
    <message>
        <source>Konserwator (wykonał przegląd)</source>
        <translation>Konserwator (wykonał przegląd)</translation>
    </message>
    <message>
        <source>podpis</source>
        <translation>podpis</translation>
    </message>
    <message>
        <source>Pieczęć firmy</source>
        <translation>Pieczęć firmy</translation>
    </message>
    <message>
        <source>Protokół otrzymałem (użytkownik / zarządca)</source>
        <translation>Protokół otrzymałem (użytkownik / zarządca)</translation>
    </message>
    <message>
        <source>PROJEKT — przegląd otwarty</source>
        <translation>PROJEKT — przegląd otwarty</translation>
    </message>
    <message>
        <source>PRZEGLĄD ANULOWANY</source>
        <translation>PRZEGLĄD ANULOWANY</translation>
    </message>
    <message>
        <source>koryguje protokół %1 (powód: %2)</source>
        <translation>koryguje protokół %1 (powód: %2)</translation>
    </message>
    <message>
        <source>Wykonawca</source>
        <translation>Wykonawca</translation>
    </message>
    <message>
        <source>Adres firmy</source>
        <translation>Adres firmy</translation>
    </message>
    <message>
        <source>NIP</source>
        <translation>NIP</translation>
    </message>
    <message>
        <source>Telefon firmy</source>
        <translation>Telefon firmy</translation>
    </message>
    <message>
        <source>Konserwator</source>
        <translation>Konserwator</translation>
    </message>
    <message>
        <source>Nr świadectwa / uprawnień</source>
        <translation>Nr świadectwa / uprawnień</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do</source>
        <translation>Uprawnienia ważne do</translation>
    </message>
    <message>
        <source>Producent</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Nr świadectwa dopuszczenia</source>
        <translation>Nr świadectwa dopuszczenia</translation>
    </message>
    <message>
        <source>Wykonane prace i wymienione części</source>
        <translation>Wykonane prace i wymienione części</translation>
    </message>
    <message>
        <source>Wykonane prace</source>
        <translation>Wykonane prace</translation>
    </message>
    <message>
        <source>Wymienione części</source>
        <translation>Wymienione części</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Akumulatory do wymiany</source>
        <translation>Akumulatory do wymiany</translation>
    </message>
    <message>
        <source>SHA-256</source>
        <translation>SHA-256</translation>
    </message>
    <message>
        <source>anulowany</source>
        <translation>anulowany</translation>
    </message>
    <message>
        <source>zastąpiony przez %1</source>
        <translation>zastąpiony przez %1</translation>
    </message>
    <message>
        <source>zamknięty</source>
        <translation>zamknięty</translation>
    </message>
    <message>
        <source>otwarty</source>
        <translation>otwarty</translation>
    </message>
</context>
<context>
    <name>VisitSession</name>
    <message>
        <source>zegar</source>
        <translation>zegar</translation>
    </message>
    <message>
        <source>konfiguracja</source>
        <translation>konfiguracja</translation>
    </message>
    <message>
        <source>uszkodzenia</source>
        <translation>uszkodzenia</translation>
    </message>
    <message>
        <source>wersje oprogramowania</source>
        <translation>wersje oprogramowania</translation>
    </message>
    <message>
        <source>rejestr zdarzeń</source>
        <translation>rejestr zdarzeń</translation>
    </message>
    <message>
        <source>Odczyt przerwany. Nic z tego odczytu nie zapisano.</source>
        <translation>Odczyt przerwany. Nic z tego odczytu nie zapisano.</translation>
    </message>
    <message>
        <source>Łącze nie przyjęło zapytania. Nic nie zapisano.</source>
        <translation>Łącze nie przyjęło zapytania. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać odczytu w bazie danych.</source>
        <translation>Nie udało się zapisać odczytu w bazie danych.</translation>
    </message>
    <message>
        <source>Odczyt przerwany (%1). Nic z tego odczytu nie zapisano.</source>
        <translation>Odczyt przerwany (%1). Nic z tego odczytu nie zapisano.</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada (%1). Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</source>
        <translation>Centrala nie odpowiada (%1). Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</translation>
    </message>
    <message>
        <source>Połączenie z centralą zostało przerwane (%1). Nic z tego odczytu nie zapisano.</source>
        <translation>Połączenie z centralą zostało przerwane (%1). Nic z tego odczytu nie zapisano.</translation>
    </message>
    <message>
        <source>przyjazd</source>
        <translation>przyjazd</translation>
    </message>
    <message>
        <source>odjazd</source>
        <translation>odjazd</translation>
    </message>
</context>
<context>
    <name>VisitStartDialog</name>
    <message>
        <source>Nowy przegląd</source>
        <translation>Nowy przegląd</translation>
    </message>
    <message>
        <source>Centrale pasujące do podłączonej</source>
        <translation>Centrale pasujące do podłączonej</translation>
    </message>
    <message>
        <source>Rozpoznaj podłączoną centralę</source>
        <translation>Rozpoznaj podłączoną centralę</translation>
    </message>
    <message>
        <source>Obiekt</source>
        <translation>Obiekt</translation>
    </message>
    <message>
        <source>Obiekt:</source>
        <translation>Obiekt:</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Adres:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Właściciel lub zarządca:</source>
        <translation>Właściciel lub zarządca:</translation>
    </message>
    <message>
        <source>Osoba kontaktowa:</source>
        <translation>Osoba kontaktowa:</translation>
    </message>
    <message>
        <source>Telefon:</source>
        <translation>Telefon:</translation>
    </message>
    <message>
        <source>Centrala</source>
        <translation>Centrala</translation>
    </message>
    <message>
        <source>Centrala:</source>
        <translation>Centrala:</translation>
    </message>
    <message>
        <source>Oznaczenie:</source>
        <translation>Oznaczenie:</translation>
    </message>
    <message>
        <source>np. Centrala oddymiania — klatka A</source>
        <translation>np. Centrala oddymiania — klatka A</translation>
    </message>
    <message>
        <source>Miejsce w budynku:</source>
        <translation>Miejsce w budynku:</translation>
    </message>
    <message>
        <source>Numer fabryczny:</source>
        <translation>Numer fabryczny:</translation>
    </message>
    <message>
        <source>z tabliczki znamionowej</source>
        <translation>z tabliczki znamionowej</translation>
    </message>
    <message>
        <source>Data instalacji:</source>
        <translation>Data instalacji:</translation>
    </message>
    <message>
        <source>rrrr-mm-dd</source>
        <translation>rrrr-mm-dd</translation>
    </message>
    <message>
        <source>Przegląd</source>
        <translation>Przegląd</translation>
    </message>
    <message>
        <source>Rodzaj:</source>
        <translation>Rodzaj:</translation>
    </message>
    <message>
        <source>Serwisant:</source>
        <translation>Serwisant:</translation>
    </message>
    <message>
        <source>Nr świadectwa:</source>
        <translation>Nr świadectwa:</translation>
    </message>
    <message>
        <source>Firma:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <source>Rozpocznij przegląd</source>
        <translation>Rozpocznij przegląd</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <comment>Cancel</comment>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Nie rozpoznano konfiguracji centrali.</source>
        <translation>Nie rozpoznano konfiguracji centrali.</translation>
    </message>
    <message>
        <source>Centrala nie odpowiada.</source>
        <translation>Centrala nie odpowiada.</translation>
    </message>
    <message>
        <source>Odczyt konfiguracji…</source>
        <translation>Odczyt konfiguracji…</translation>
    </message>
    <message>
        <source>Żadna zapisana centrala nie ma tych modułów.</source>
        <translation>Żadna zapisana centrala nie ma tych modułów.</translation>
    </message>
    <message>
        <source>— nowy obiekt —</source>
        <translation>— nowy obiekt —</translation>
    </message>
    <message>
        <source>— nowa centrala —</source>
        <translation>— nowa centrala —</translation>
    </message>
    <message>
        <source>Data instalacji</source>
        <translation>Data instalacji</translation>
    </message>
</context>
<context>
    <name>VisitStore</name>
    <message>
        <source>Nie znaleziono wizyty serwisowej.</source>
        <translation>Nie znaleziono wizyty serwisowej.</translation>
    </message>
    <message>
        <source>Wizyta jest zamknięta i nie można jej zmieniać. Popraw ją nową wizytą korygującą.</source>
        <translation>Wizyta jest zamknięta i nie można jej zmieniać. Popraw ją nową wizytą korygującą.</translation>
    </message>
    <message>
        <source>Podaj nazwę obiektu.</source>
        <translation>Podaj nazwę obiektu.</translation>
    </message>
    <message>
        <source>Nie zapisano obiektu w bazie danych.</source>
        <translation>Nie zapisano obiektu w bazie danych.</translation>
    </message>
    <message>
        <source>Wybierz obiekt, do którego należy centrala.</source>
        <translation>Wybierz obiekt, do którego należy centrala.</translation>
    </message>
    <message>
        <source>Podaj oznaczenie centrali.</source>
        <translation>Podaj oznaczenie centrali.</translation>
    </message>
    <message>
        <source>Data instalacji centrali nie może być późniejsza niż dzisiejsza.</source>
        <translation>Data instalacji centrali nie może być późniejsza niż dzisiejsza.</translation>
    </message>
    <message>
        <source>Nie zapisano centrali w bazie danych.</source>
        <translation>Nie zapisano centrali w bazie danych.</translation>
    </message>
    <message>
        <source>Nie znaleziono centrali.</source>
        <translation>Nie znaleziono centrali.</translation>
    </message>
    <message>
        <source>Wybierz centralę, której dotyczy wizyta.</source>
        <translation>Wybierz centralę, której dotyczy wizyta.</translation>
    </message>
    <message>
        <source>Wybierz rodzaj wizyty.</source>
        <translation>Wybierz rodzaj wizyty.</translation>
    </message>
    <message>
        <source>Data następnego przeglądu musi być późniejsza niż data wizyty.</source>
        <translation>Data następnego przeglądu musi być późniejsza niż data wizyty.</translation>
    </message>
    <message>
        <source>Nie zapisano wizyty w bazie danych.</source>
        <translation>Nie zapisano wizyty w bazie danych.</translation>
    </message>
    <message>
        <source>Nieprawidłowy rodzaj wizyty lub ocena.</source>
        <translation>Nieprawidłowy rodzaj wizyty lub ocena.</translation>
    </message>
    <message>
        <source>Nieprawidłowa odchyłka zegara centrali.</source>
        <translation>Nieprawidłowa odchyłka zegara centrali.</translation>
    </message>
    <message>
        <source>Wybierz ocenę stanu centrali, aby zamknąć wizytę.</source>
        <translation>Wybierz ocenę stanu centrali, aby zamknąć wizytę.</translation>
    </message>
    <message>
        <source>Wizyty nie można zamknąć bez odczytu przy odjeździe. Wykonaj odczyt albo wpisz, dlaczego go pominięto.</source>
        <translation>Wizyty nie można zamknąć bez odczytu przy odjeździe. Wykonaj odczyt albo wpisz, dlaczego go pominięto.</translation>
    </message>
    <message>
        <source>Wizyta jest jeszcze otwarta: popraw ją bezpośrednio.</source>
        <translation>Wizyta jest jeszcze otwarta: popraw ją bezpośrednio.</translation>
    </message>
    <message>
        <source>Nie znaleziono zapisanego odczytu.</source>
        <translation>Nie znaleziono zapisanego odczytu.</translation>
    </message>
    <message>
        <source>Nie zapisano odczytu w bazie danych.</source>
        <translation>Nie zapisano odczytu w bazie danych.</translation>
    </message>
    <message>
        <source>Nieprawidłowy wynik sprawdzenia.</source>
        <translation>Nieprawidłowy wynik sprawdzenia.</translation>
    </message>
    <message>
        <source>Nie zapisano listy sprawdzeń w bazie danych.</source>
        <translation>Nie zapisano listy sprawdzeń w bazie danych.</translation>
    </message>
    <message>
        <source>Nie znaleziono sprawdzenia.</source>
        <translation>Nie znaleziono sprawdzenia.</translation>
    </message>
    <message>
        <source>Nie zapisano sprawdzenia w bazie danych.</source>
        <translation>Nie zapisano sprawdzenia w bazie danych.</translation>
    </message>
    <message>
        <source>Pojemność akumulatora musi leżeć między %1 a %2 Ah.</source>
        <translation>Pojemność akumulatora musi leżeć między %1 a %2 Ah.</translation>
    </message>
    <message>
        <source>Napięcie akumulatora musi leżeć między 0 a %1 V.</source>
        <translation>Napięcie akumulatora musi leżeć między 0 a %1 V.</translation>
    </message>
    <message>
        <source>Rezystancja wewnętrzna musi leżeć między 0 a %1 mΩ.</source>
        <translation>Rezystancja wewnętrzna musi leżeć między 0 a %1 mΩ.</translation>
    </message>
    <message>
        <source>Podaj datę montażu akumulatora, nie późniejszą niż dzisiejsza.</source>
        <translation>Podaj datę montażu akumulatora, nie późniejszą niż dzisiejsza.</translation>
    </message>
    <message>
        <source>Nie zapisano akumulatora w bazie danych.</source>
        <translation>Nie zapisano akumulatora w bazie danych.</translation>
    </message>
    <message>
        <source>Nie znaleziono akumulatora.</source>
        <translation>Nie znaleziono akumulatora.</translation>
    </message>
    <message>
        <source>Nie usunięto akumulatora z bazy danych.</source>
        <translation>Nie usunięto akumulatora z bazy danych.</translation>
    </message>
    <message>
        <source>Nie zapisano wyników w bazie danych.</source>
        <translation>Nie zapisano wyników w bazie danych.</translation>
    </message>
    <message>
        <source>Okres eksploatacji akumulatora musi wynosić od 1 do 20 lat.</source>
        <translation>Okres eksploatacji akumulatora musi wynosić od 1 do 20 lat.</translation>
    </message>
    <message>
        <source>Nie zapisano ustawienia w bazie danych.</source>
        <translation>Nie zapisano ustawienia w bazie danych.</translation>
    </message>
    <message>
        <source>Korekta nie odczytuje centrali: poprawia tylko zapis przeglądu, który koryguje.</source>
        <translation>Korekta nie odczytuje centrali: poprawia tylko zapis przeglądu, który koryguje.</translation>
    </message>
    <message>
        <source>Anulowanego przeglądu nie można poprawić.</source>
        <translation>Anulowanego przeglądu nie można poprawić.</translation>
    </message>
    <message>
        <source>Ten protokół zastąpiono już protokołem %1: popraw tamten.</source>
        <translation>Ten protokół zastąpiono już protokołem %1: popraw tamten.</translation>
    </message>
    <message>
        <source>Korekta %1 tego przeglądu jest już otwarta.</source>
        <translation>Korekta %1 tego przeglądu jest już otwarta.</translation>
    </message>
    <message>
        <source>Podaj powód korekty: drukuje się w protokole korygującym.</source>
        <translation>Podaj powód korekty: drukuje się w protokole korygującym.</translation>
    </message>
    <message>
        <source>Podaj powód anulowania przeglądu.</source>
        <translation>Podaj powód anulowania przeglądu.</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do</source>
        <translation>Uprawnienia ważne do</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów [h]</source>
        <translation>Wymagany czas pracy z akumulatorów [h]</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów [h]</source>
        <translation>Uzyskany czas pracy z akumulatorów [h]</translation>
    </message>
    <message>
        <source>Nieprawidłowa odpowiedź o wykonaniu zaleceń.</source>
        <translation>Nieprawidłowa odpowiedź o wykonaniu zaleceń.</translation>
    </message>
    <message>
        <source>Podaj nazwę przyrządu pomiarowego.</source>
        <translation>Podaj nazwę przyrządu pomiarowego.</translation>
    </message>
    <message>
        <source>Data wzorcowania nie może być późniejsza niż dzisiejsza.</source>
        <translation>Data wzorcowania nie może być późniejsza niż dzisiejsza.</translation>
    </message>
    <message>
        <source>Nie zapisano przyrządu w bazie danych.</source>
        <translation>Nie zapisano przyrządu w bazie danych.</translation>
    </message>
    <message>
        <source>Nieznana część listy sprawdzeń.</source>
        <translation>Nieznana część listy sprawdzeń.</translation>
    </message>
    <message>
        <source>Każdy wiersz listy sprawdzeń musi mieć nazwę sprawdzenia.</source>
        <translation>Każdy wiersz listy sprawdzeń musi mieć nazwę sprawdzenia.</translation>
    </message>
    <message>
        <source>Podaj, co sprawdzono.</source>
        <translation>Podaj, co sprawdzono.</translation>
    </message>
</context>
<context>
    <name>VisitWindow</name>
    <message>
        <source>Lista przeglądów</source>
        <translation>Lista przeglądów</translation>
    </message>
    <message>
        <source>Odczyt przy przyjeździe</source>
        <translation>Odczyt przy przyjeździe</translation>
    </message>
    <message>
        <source>Odczytuje zegar, konfigurację, uszkodzenia i wersje oprogramowania centrali i zapisuje je przy przeglądzie</source>
        <translation>Odczytuje zegar, konfigurację, uszkodzenia i wersje oprogramowania centrali i zapisuje je przy przeglądzie</translation>
    </message>
    <message>
        <source>z rejestrem zdarzeń</source>
        <translation>z rejestrem zdarzeń</translation>
    </message>
    <message>
        <source>Odczyt przy odjeździe</source>
        <translation>Odczyt przy odjeździe</translation>
    </message>
    <message>
        <source>Odczytuje ponownie uszkodzenia i konfigurację centrali</source>
        <translation>Odczytuje ponownie uszkodzenia i konfigurację centrali</translation>
    </message>
    <message>
        <source>Porównaj konfiguracje</source>
        <translation>Porównaj konfiguracje</translation>
    </message>
    <message>
        <source>Kontrole</source>
        <translation>Kontrole</translation>
    </message>
    <message>
        <source>Akumulatory</source>
        <translation>Akumulatory</translation>
    </message>
    <message>
        <source>Dodaj akumulator</source>
        <translation>Dodaj akumulator</translation>
    </message>
    <message>
        <source>Usuń akumulator</source>
        <translation>Usuń akumulator</translation>
    </message>
    <message>
        <source>Zamknięcie</source>
        <translation>Zamknięcie</translation>
    </message>
    <message>
        <source>Ocena:</source>
        <translation>Ocena:</translation>
    </message>
    <message>
        <source>Ustalenia:</source>
        <translation>Ustalenia:</translation>
    </message>
    <message>
        <source>Zalecenia:</source>
        <translation>Zalecenia:</translation>
    </message>
    <message>
        <source>Następny przegląd:</source>
        <translation>Następny przegląd:</translation>
    </message>
    <message>
        <source>rrrr-mm-dd</source>
        <translation>rrrr-mm-dd</translation>
    </message>
    <message>
        <source>Brak odczytu przy odjeździe, bo:</source>
        <translation>Brak odczytu przy odjeździe, bo:</translation>
    </message>
    <message>
        <source>np. centrala nie odpowiadała</source>
        <translation>np. centrala nie odpowiadała</translation>
    </message>
    <message>
        <source>Zamknij przegląd</source>
        <translation>Zamknij przegląd</translation>
    </message>
    <message>
        <source>Podgląd protokołu</source>
        <translation>Podgląd protokołu</translation>
    </message>
    <message>
        <source>Eksport PDF</source>
        <translation>Eksport PDF</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Eksport CSV</translation>
    </message>
    <message>
        <source>z pełnym rejestrem zdarzeń</source>
        <translation>z pełnym rejestrem zdarzeń</translation>
    </message>
    <message>
        <source>Popraw przegląd</source>
        <translation>Popraw przegląd</translation>
    </message>
    <message>
        <source>Zamknięty przegląd nie zmienia się; poprawka to nowy przegląd, który go wskazuje</source>
        <translation>Zamknięty przegląd nie zmienia się; poprawka to nowy przegląd, który go wskazuje</translation>
    </message>
    <message>
        <source>Moduł</source>
        <translation>Moduł</translation>
    </message>
    <message>
        <source>Element</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Sposób sprawdzenia</source>
        <translation>Sposób sprawdzenia</translation>
    </message>
    <message>
        <source>Kryterium</source>
        <translation>Kryterium</translation>
    </message>
    <message>
        <source>Wartość zmierzona</source>
        <translation>Wartość zmierzona</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Producent i typ</source>
        <translation>Producent i typ</translation>
    </message>
    <message>
        <source>Pojemność [Ah]</source>
        <translation>Pojemność [Ah]</translation>
    </message>
    <message>
        <source>Kod daty</source>
        <translation>Kod daty</translation>
    </message>
    <message>
        <source>Data montażu</source>
        <translation>Data montażu</translation>
    </message>
    <message>
        <source>Napięcie [V]</source>
        <translation>Napięcie [V]</translation>
    </message>
    <message>
        <source>Rezystancja [mΩ]</source>
        <translation>Rezystancja [mΩ]</translation>
    </message>
    <message>
        <source>Termin wymiany</source>
        <translation>Termin wymiany</translation>
    </message>
    <message>
        <source>odczyt centrali</source>
        <translation>odczyt centrali</translation>
    </message>
    <message>
        <source>Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</source>
        <translation>Nic z tego odczytu nie zapisano; przegląd pozostaje otwarty.</translation>
    </message>
    <message>
        <source> — &lt;b&gt;zamknięty&lt;/b&gt;</source>
        <translation> — &lt;b&gt;zamknięty&lt;/b&gt;</translation>
    </message>
    <message>
        <source> — otwarty</source>
        <translation> — otwarty</translation>
    </message>
    <message>
        <source>Odchyłka zegara centrali: %1 s%2</source>
        <translation>Odchyłka zegara centrali: %1 s%2</translation>
    </message>
    <message>
        <source> (zegar ustawiony)</source>
        <translation> (zegar ustawiony)</translation>
    </message>
    <message>
        <source>odczyt przy odjeździe wykonany</source>
        <translation>odczyt przy odjeździe wykonany</translation>
    </message>
    <message>
        <source>niezapisany: podaj pojemność i datę montażu</source>
        <translation>niezapisany: podaj pojemność i datę montażu</translation>
    </message>
    <message>
        <source>%1 — po terminie</source>
        <translation>%1 — po terminie</translation>
    </message>
    <message>
        <source>%1 — wymiana wkrótce</source>
        <translation>%1 — wymiana wkrótce</translation>
    </message>
    <message>
        <source>Przegląd zamknięty</source>
        <translation>Przegląd zamknięty</translation>
    </message>
    <message>
        <source>Zamkniętego przeglądu nie można zmienić. Użyj „Popraw przegląd”.</source>
        <translation>Zamkniętego przeglądu nie można zmienić. Użyj „Popraw przegląd”.</translation>
    </message>
    <message>
        <source>Odczyt centrali</source>
        <translation>Odczyt centrali</translation>
    </message>
    <message>
        <source>Odczyt nie może się rozpocząć: centrala nie jest połączona albo trwa inny odczyt.</source>
        <translation>Odczyt nie może się rozpocząć: centrala nie jest połączona albo trwa inny odczyt.</translation>
    </message>
    <message>
        <source>Przegląd</source>
        <translation>Przegląd</translation>
    </message>
    <message>
        <source>Zegar centrali</source>
        <translation>Zegar centrali</translation>
    </message>
    <message>
        <source>Zegar centrali różni się od zegara komputera o %1 s. Ustawić zegar centrali na czas komputera?</source>
        <translation>Zegar centrali różni się od zegara komputera o %1 s. Ustawić zegar centrali na czas komputera?</translation>
    </message>
    <message>
        <source>Po przeglądzie %1</source>
        <translation>Po przeglądzie %1</translation>
    </message>
    <message>
        <source>Przyjazd</source>
        <translation>Przyjazd</translation>
    </message>
    <message>
        <source>UWAGA: konfiguracja centrali różni się od zapisanej po poprzednim przeglądzie (%1). Ktoś zmienił centralę między przeglądami.</source>
        <translation>UWAGA: konfiguracja centrali różni się od zapisanej po poprzednim przeglądzie (%1). Ktoś zmienił centralę między przeglądami.</translation>
    </message>
    <message>
        <source>Odjazd</source>
        <translation>Odjazd</translation>
    </message>
    <message>
        <source>Konfiguracja zmieniona podczas przeglądu — zmiany są w protokole.</source>
        <translation>Konfiguracja zmieniona podczas przeglądu — zmiany są w protokole.</translation>
    </message>
    <message>
        <source>Nie udało się ustawić zegara centrali.</source>
        <translation>Nie udało się ustawić zegara centrali.</translation>
    </message>
    <message>
        <source>Porównanie</source>
        <translation>Porównanie</translation>
    </message>
    <message>
        <source>Nie ma z czym porównać: brak odczytu przy odjeździe i brak poprzedniego przeglądu.</source>
        <translation>Nie ma z czym porównać: brak odczytu przy odjeździe i brak poprzedniego przeglądu.</translation>
    </message>
    <message>
        <source>Następny przegląd</source>
        <translation>Następny przegląd</translation>
    </message>
    <message>
        <source>Zamknięcie przeglądu</source>
        <translation>Zamknięcie przeglądu</translation>
    </message>
    <message>
        <source>Dodaj wiersz…</source>
        <translation>Dodaj wiersz…</translation>
    </message>
    <message>
        <source>Dodaje sprawdzenie na miejscu: do modułu zaznaczonego wiersza albo do sprawdzeń ogólnych</source>
        <translation>Dodaje sprawdzenie na miejscu: do modułu zaznaczonego wiersza albo do sprawdzeń ogólnych</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Protokół</translation>
    </message>
    <message>
        <source>Dane przeglądu do protokołu</source>
        <translation>Dane przeglądu do protokołu</translation>
    </message>
    <message>
        <source>Uprawnienia ważne do:</source>
        <translation>Uprawnienia ważne do:</translation>
    </message>
    <message>
        <source>Wykonane prace:</source>
        <translation>Wykonane prace:</translation>
    </message>
    <message>
        <source>Wymienione części:</source>
        <translation>Wymienione części:</translation>
    </message>
    <message>
        <source>Wymagany czas pracy z akumulatorów [h]:</source>
        <translation>Wymagany czas pracy z akumulatorów [h]:</translation>
    </message>
    <message>
        <source>Uzyskany czas pracy z akumulatorów [h]:</source>
        <translation>Uzyskany czas pracy z akumulatorów [h]:</translation>
    </message>
    <message>
        <source>Protokół otrzymuje:</source>
        <translation>Protokół otrzymuje:</translation>
    </message>
    <message>
        <source>imię, nazwisko i funkcja przedstawiciela użytkownika</source>
        <translation>imię, nazwisko i funkcja przedstawiciela użytkownika</translation>
    </message>
    <message>
        <source>Miejscowość:</source>
        <translation>Miejscowość:</translation>
    </message>
    <message>
        <source>Z poprzedniego przeglądu</source>
        <translation>Z poprzedniego przeglądu</translation>
    </message>
    <message>
        <source>Zalecenia wykonano:</source>
        <translation>Zalecenia wykonano:</translation>
    </message>
    <message>
        <source>Uwagi:</source>
        <translation>Uwagi:</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe użyte w przeglądzie</source>
        <translation>Przyrządy pomiarowe użyte w przeglądzie</translation>
    </message>
    <message>
        <source>nazwa przyrządu</source>
        <translation>nazwa przyrządu</translation>
    </message>
    <message>
        <source>numer fabryczny</source>
        <translation>numer fabryczny</translation>
    </message>
    <message>
        <source>wzorcowanie rrrr-mm-dd</source>
        <translation>wzorcowanie rrrr-mm-dd</translation>
    </message>
    <message>
        <source>Dodaj przyrząd</source>
        <translation>Dodaj przyrząd</translation>
    </message>
    <message>
        <source>Wpisywane raz: centrala i firma</source>
        <translation>Wpisywane raz: centrala i firma</translation>
    </message>
    <message>
        <source>Producent centrali:</source>
        <translation>Producent centrali:</translation>
    </message>
    <message>
        <source>Typ centrali:</source>
        <translation>Typ centrali:</translation>
    </message>
    <message>
        <source>Nr świadectwa dopuszczenia:</source>
        <translation>Nr świadectwa dopuszczenia:</translation>
    </message>
    <message>
        <source>Adres firmy:</source>
        <translation>Adres firmy:</translation>
    </message>
    <message>
        <source>NIP firmy:</source>
        <translation>NIP firmy:</translation>
    </message>
    <message>
        <source>Telefon firmy:</source>
        <translation>Telefon firmy:</translation>
    </message>
    <message>
        <source>Anuluj przegląd…</source>
        <translation>Anuluj przegląd…</translation>
    </message>
    <message>
        <source>Przegląd rozpoczęty przez pomyłkę: zostaje z numerem i powodem jako anulowany</source>
        <translation>Przegląd rozpoczęty przez pomyłkę: zostaje z numerem i powodem jako anulowany</translation>
    </message>
    <message>
        <source>Moduł zasilania</source>
        <translation>Moduł zasilania</translation>
    </message>
    <message>
        <source>Próba pojemności / obciążenia</source>
        <translation>Próba pojemności / obciążenia</translation>
    </message>
    <message>
        <source> (koryguje protokół %1, powód: %2)</source>
        <translation> (koryguje protokół %1, powód: %2)</translation>
    </message>
    <message>
        <source> — &lt;b&gt;anulowany&lt;/b&gt; (powód: %1)</source>
        <translation> — &lt;b&gt;anulowany&lt;/b&gt; (powód: %1)</translation>
    </message>
    <message>
        <source> — &lt;b&gt;zastąpiony przez %1&lt;/b&gt;</source>
        <translation> — &lt;b&gt;zastąpiony przez %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Brak poprzedniego przeglądu tej centrali.</source>
        <translation>Brak poprzedniego przeglądu tej centrali.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Przegląd %1&lt;/b&gt;, zalecenia: %2</source>
        <translation>&lt;b&gt;Przegląd %1&lt;/b&gt;, zalecenia: %2</translation>
    </message>
    <message>
        <source>brak</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>%1, nr %2, wzorcowany %3</source>
        <translation>%1, nr %2, wzorcowany %3</translation>
    </message>
    <message>
        <source>Data wzorcowania</source>
        <translation>Data wzorcowania</translation>
    </message>
    <message>
        <source>Przyrządy pomiarowe</source>
        <translation>Przyrządy pomiarowe</translation>
    </message>
    <message>
        <source>Dodaj wiersz</source>
        <translation>Dodaj wiersz</translation>
    </message>
    <message>
        <source>Co sprawdzono:</source>
        <translation>Co sprawdzono:</translation>
    </message>
    <message>
        <source>Przed zamknięciem:

• %1

Zamknąć przegląd mimo to?</source>
        <translation>Przed zamknięciem:

• %1

Zamknąć przegląd mimo to?</translation>
    </message>
    <message>
        <source>Powód korekty protokołu %1 (drukuje się w protokole korygującym):</source>
        <translation>Powód korekty protokołu %1 (drukuje się w protokole korygującym):</translation>
    </message>
    <message>
        <source>Anuluj przegląd</source>
        <translation>Anuluj przegląd</translation>
    </message>
    <message>
        <source>Przegląd %1 zostanie zamknięty jako anulowany, bez protokołu; jego numer nie wróci. Powód:</source>
        <translation>Przegląd %1 zostanie zamknięty jako anulowany, bez protokołu; jego numer nie wróci. Powód:</translation>
    </message>
</context>
<context>
    <name>Visits</name>
    <message>
        <source>przegląd okresowy</source>
        <translation>przegląd okresowy</translation>
    </message>
    <message>
        <source>naprawa</source>
        <translation>naprawa</translation>
    </message>
    <message>
        <source>uruchomienie</source>
        <translation>uruchomienie</translation>
    </message>
    <message>
        <source>inny</source>
        <translation>inny</translation>
    </message>
    <message>
        <source>sprawna</source>
        <translation>sprawna</translation>
    </message>
    <message>
        <source>sprawna z uwagami</source>
        <translation>sprawna z uwagami</translation>
    </message>
    <message>
        <source>niesprawna</source>
        <translation>niesprawna</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>usterka</source>
        <translation>usterka</translation>
    </message>
    <message>
        <source>nie dotyczy</source>
        <translation>nie dotyczy</translation>
    </message>
    <message>
        <source>%1: nieprawidłowa data &quot;%2&quot; (oczekiwano RRRR-MM-DD, lata 1990-2100).</source>
        <translation>%1: nieprawidłowa data &quot;%2&quot; (oczekiwano RRRR-MM-DD, lata 1990-2100).</translation>
    </message>
    <message>
        <source>%1: nieprawidłowa liczba &quot;%2&quot; (dozwolony zakres %3 - %4).</source>
        <translation>%1: nieprawidłowa liczba &quot;%2&quot; (dozwolony zakres %3 - %4).</translation>
    </message>
    <message>
        <source>tak</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>częściowo</source>
        <translation>częściowo</translation>
    </message>
    <message>
        <source>nie</source>
        <translation>nie</translation>
    </message>
</context>
<context>
    <name>VisitsManagement</name>
    <message>
        <source>Przeglądy</source>
        <translation>Przeglądy</translation>
    </message>
    <message>
        <source>Nowy przegląd</source>
        <translation>Nowy przegląd</translation>
    </message>
    <message>
        <source>Otwórz przegląd</source>
        <translation>Otwórz przegląd</translation>
    </message>
    <message>
        <source>Protokół</source>
        <translation>Protokół</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Numer</translation>
    </message>
    <message>
        <source>Rodzaj</source>
        <translation>Rodzaj</translation>
    </message>
    <message>
        <source>Rozpoczęty</source>
        <translation>Rozpoczęty</translation>
    </message>
    <message>
        <source>Zakończony</source>
        <translation>Zakończony</translation>
    </message>
    <message>
        <source>Stan</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Ocena</source>
        <translation>Ocena</translation>
    </message>
    <message>
        <source>zamknięty</source>
        <translation>zamknięty</translation>
    </message>
    <message>
        <source>otwarty</source>
        <translation>otwarty</translation>
    </message>
    <message>
        <source>Sprawdź protokół</source>
        <translation>Sprawdź protokół</translation>
    </message>
    <message>
        <source>Sprawdza plik PDF albo skrót SHA-256 protokołu z zapisanym przy zamknięciu przeglądu</source>
        <translation>Sprawdza plik PDF albo skrót SHA-256 protokołu z zapisanym przy zamknięciu przeglądu</translation>
    </message>
    <message>
        <source>Eksport CSV</source>
        <translation>Eksport CSV</translation>
    </message>
    <message>
        <source>Przeglądy wybranej centrali, po jednym wierszu, do arkusza lub planu przeglądów</source>
        <translation>Przeglądy wybranej centrali, po jednym wierszu, do arkusza lub planu przeglądów</translation>
    </message>
    <message>
        <source>Listy sprawdzeń…</source>
        <translation>Listy sprawdzeń…</translation>
    </message>
    <message>
        <source>Wiersze list sprawdzeń, które dostają nowe przeglądy</source>
        <translation>Wiersze list sprawdzeń, które dostają nowe przeglądy</translation>
    </message>
    <message>
        <source>Przejąć akumulatory z przeglądu %1 (%2 szt.) z ich datami montażu? Zmień je w nowym przeglądzie, jeśli coś wymieniono.</source>
        <translation>Przejąć akumulatory z przeglądu %1 (%2 szt.) z ich datami montażu? Zmień je w nowym przeglądzie, jeśli coś wymieniono.</translation>
    </message>
    <message>
        <source> (koryguje %1)</source>
        <translation> (koryguje %1)</translation>
    </message>
    <message>
        <source>anulowany</source>
        <translation>anulowany</translation>
    </message>
    <message>
        <source>zastąpiony przez %1</source>
        <translation>zastąpiony przez %1</translation>
    </message>
    <message>
        <source>Przeglady_%1</source>
        <translation>Przeglady_%1</translation>
    </message>
</context>
</TS>
