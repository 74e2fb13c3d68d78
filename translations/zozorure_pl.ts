<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="de">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Projektverzeichnis</source>
        <translation>Folder projektów</translation>
    </message>
    <message>
        <source>In diesem Verzeichnis werden alle Projekte abgelegt.</source>
        <translation>W tym folderze przechowywane są wszystkie projekty.</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Wybierz folder</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Finnish</source>
        <translation>Suomi</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Hrvatski</source>
        <translation>Hrvatski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Wyświetlanie</translation>
    </message>
    <message>
        <source>Haltungsnamen mit Anzeigen</source>
        <translation>Pokazuj nazwy odcinków</translation>
    </message>
    <message>
        <source>Berichte</source>
        <translation>Raporty</translation>
    </message>
    <message>
        <source>Haltungsbericht erstellen</source>
        <translation>Twórz raport odcinka</translation>
    </message>
    <message>
        <source>Schäden im Protokoll komplett einfärben</source>
        <translation>Koloruj uszkodzenia w całości w raporcie</translation>
    </message>
    <message>
        <source>Projekte mit Schäden markieren</source>
        <translation>Oznaczaj projekty z uszkodzeniami</translation>
    </message>
    <message>
        <source>Anzeige: alle Maße sind ca.-Angaben</source>
        <translation>Uwaga: wszystkie wymiary są przybliżone</translation>
    </message>
    <message>
        <source>Haltungsgraphik</source>
        <translation>Grafika odcinka</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardowa</translation>
    </message>
    <message>
        <source>ausgerichtete Version</source>
        <translation>wersja wyrównana</translation>
    </message>
    <message>
        <source>Layout Fotobericht</source>
        <translation>Układ raportu fotograficznego</translation>
    </message>
    <message>
        <source>1 mal 2</source>
        <translation>1 x 2</translation>
    </message>
    <message>
        <source>1 mal 3</source>
        <translation>1 x 3</translation>
    </message>
    <message>
        <source>2 mal 2</source>
        <translation>2 x 2</translation>
    </message>
    <message>
        <source>2 mal 3</source>
        <translation>2 x 3</translation>
    </message>
    <message>
        <source>3 mal 2</source>
        <translation>3 x 2</translation>
    </message>
    <message>
        <source>3 mal 3</source>
        <translation>3 x 3</translation>
    </message>
    <message>
        <source>1 mal 2 mit Text</source>
        <translation>1 x 2 z tekstem</translation>
    </message>
    <message>
        <source>1 mal 3 mit Text</source>
        <translation>1 x 3 z tekstem</translation>
    </message>
    <message>
        <source>Aufnahme</source>
        <translation>Nagrywanie</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Sprzęt</translation>
    </message>
    <message>
        <source>Videoquelle:</source>
        <translation>Źródło wideo:</translation>
    </message>
    <message>
        <source>Texteinblendung</source>
        <translation>Nakładka tekstowa</translation>
    </message>
    <message>
        <source>Grundlagendaten:</source>
        <translation>Dane ogólne:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Texteinblendung:</source>
        <translation>Nakładka tekstowa:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metry</translation>
    </message>
    <message>
        <source>Firmentext</source>
        <translation>Tekst firmy</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Dodatki</translation>
    </message>
    <message>
        <source>Texteinschreibung in Fotos</source>
        <translation>Tekst na zdjęciach</translation>
    </message>
    <message>
        <source>Haltungsanfang automisch setzen</source>
        <translation>Ustawiaj początek odcinka automatycznie</translation>
    </message>
    <message>
        <source>Stopp Video bei Haltungsende</source>
        <translation>Zatrzymaj wideo na końcu odcinka</translation>
    </message>
    <message>
        <source>neue Daten einschreiben</source>
        <translation>wpisz nowe dane</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Schriftgröße der Label:</source>
        <translation>Rozmiar czcionki etykiet:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Der Projektpfad ist leer.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Ścieżka projektów jest pusta.
Ustaw prawidłową ścieżkę.</translation>
    </message>
    <message>
        <source>Der angegebene Projektpfad existiert nicht.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Podana ścieżka projektów nie istnieje.
Ustaw prawidłową ścieżkę.</translation>
    </message>
    <message>
        <source>Der Projektpfad ist nicht beschreibbar.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Ścieżka projektów nie jest zapisywalna.
Ustaw prawidłową ścieżkę.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Nie można było zapisać ustawień w &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>FirmDataDialog</name>
    <message>
        <source>Firmendaten</source>
        <translation>Dane firmy</translation>
    </message>
    <message>
        <source>aktuelle Firma</source>
        <translation>bieżąca firma</translation>
    </message>
    <message>
        <source>gespeicherte Firmen</source>
        <translation>zapisane firmy</translation>
    </message>
    <message>
        <source>Firmenlogo</source>
        <translation>Logo firmy</translation>
    </message>
    <message>
        <source>LOGO</source>
        <translation>LOGO</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Anschrift</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>F</source>
        <translation>B</translation>
    </message>
    <message>
        <source>K</source>
        <translation>I</translation>
    </message>
    <message>
        <source>U</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Ramka</translation>
    </message>
    <message>
        <source>Personalisierte Firmendaten</source>
        <translation>Spersonalizowane dane firmy</translation>
    </message>
    <message>
        <source>Firma importieren</source>
        <translation>Importuj firmę</translation>
    </message>
    <message>
        <source>Firma exportieren</source>
        <translation>Eksportuj firmę</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gelesen werden.</source>
        <translation>Nie można było odczytać pliku &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Logo auswählen</source>
        <translation>Wybierz logo</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Obrazy</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Löschen nicht möglich! Bitte einen anderen Eintrag wählen!</source>
        <translation>Usunięcie niemożliwe! Wybierz inny wpis!</translation>
    </message>
    <message>
        <source>Die Firma &quot;%1&quot; löschen?</source>
        <translation>Usunąć firmę &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Nie można było zapisać danych firmy w &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>FirmExport</source>
        <translation>Eksport firmy</translation>
    </message>
    <message>
        <source>ZOZOrure FirmFile (*.tks)</source>
        <translation>Plik firmy ZOZOrure (*.tks)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Nie można było zapisać pliku &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>FirmImport</source>
        <translation>Import firmy</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Wczytaj obraz</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Obrazy (%1)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>ZOZOrure</source>
        <translation>ZOZOrure</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Wideo</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspekcje</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Obserwacje</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Przebieg rury</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>wczytywanie interfejsu...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>wczytywanie danych użytkownika...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>inicjalizacja programu...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>konwersja projektów...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Projekty</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspekcja</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Dodatki</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Rozpocznij inspekcję</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importuj</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Eksportuj</translation>
    </message>
    <message>
        <source>Verwaltung</source>
        <translation>Zarządzanie</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Dane firmy</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Debugowanie</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Widok</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etykiety</translation>
    </message>
    <message>
        <source>Referenzpunkte</source>
        <translation>Punkty odniesienia</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Wymiary</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>Rzut 2D</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Perspektywa</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Podkład</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Studzienka</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Punkt odniesienia</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Wymiar</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Odniesienie</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Studzienka/punkt</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Przyłącze</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Zapisać zmiany w projekcie?</translation>
    </message>
    <message>
        <source>ZOZOrure %1</source>
        <translation>ZOZOrure %1</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Finalisieren</source>
        <translation>Sfinalizuj</translation>
    </message>
    <message>
        <source>Untersuchung &quot;%1&quot; speichern?
Änderungen gehen sonst verloren!</source>
        <translation>Zapisać inspekcję &quot;%1&quot;?
W przeciwnym razie zmiany zostaną utracone!</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1 %2 %3&quot; löschen?</source>
        <translation>Usunąć wpis &quot;%1 %2 %3&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst die relevante Feststellung aus!</source>
        <translation>Najpierw wybierz odpowiednią obserwację!</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das Projekt!</source>
        <translation>Najpierw zamknij projekt!</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Otwórz plik</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Untersuchung, die geöffnet werden kann.</source>
        <translation>Plik &quot;%1&quot; nie jest inspekcją, którą można otworzyć.</translation>
    </message>
    <message>
        <source>Zu dieser Untersuchung gibt es kein Video!</source>
        <translation>Dla tej inspekcji nie ma wideo!</translation>
    </message>
    <message>
        <source>Video wird erstellt...</source>
        <translation>Tworzenie wideo...</translation>
    </message>
    <message>
        <source>Erfolgreich abgeschlossen!</source>
        <translation>Zakończono pomyślnie!</translation>
    </message>
    <message>
        <source>Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!</source>
        <translation>Ta norma nie jest obecnie dostępna w Twoim języku!</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; existiert bereits!</source>
        <translation>Plik &quot;%1&quot; już istnieje!</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>według daty</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>według nazwy pliku</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>według nazwy odcinka</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>według numeru wideo</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Wczytywanie danych eksportu...</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das aktuelle Projekt!</source>
        <translation>Najpierw zamknij bieżący projekt!</translation>
    </message>
    <message>
        <source>gestartet</source>
        <translation>uruchomiony</translation>
    </message>
    <message>
        <source>konnte nicht gestartet werden</source>
        <translation>nie mógł zostać uruchomiony</translation>
    </message>
    <message>
        <source>gestoppt</source>
        <translation>zatrzymany</translation>
    </message>
    <message>
        <source>Der vorhandene Grundplan wird überschrieben!</source>
        <translation>Istniejący podkład zostanie nadpisany!</translation>
    </message>
    <message>
        <source>Plan aus Datei laden oder selber erstellen?</source>
        <translation>Wczytać plan z pliku czy utworzyć go samodzielnie?</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Utwórz</translation>
    </message>
    <message>
        <source>Plan wird erstellt!</source>
        <translation>Tworzenie planu!</translation>
    </message>
    <message>
        <source>Plan wird gespeichert!</source>
        <translation>Zapisywanie planu!</translation>
    </message>
    <message>
        <source>3D-Ansicht wird aktualisiert!</source>
        <translation>Aktualizowanie widoku 3D!</translation>
    </message>
    <message>
        <source>Den Grundplan entfernen?</source>
        <translation>Usunąć podkład?</translation>
    </message>
    <message>
        <source>Einmesspunkt einfügen:</source>
        <translation>Wstaw punkt pomiarowy:</translation>
    </message>
    <message>
        <source>Einmessen</source>
        <translation>Pomiar</translation>
    </message>
    <message>
        <source>Freihand</source>
        <translation>Odręcznie</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Einmessen auswählen!</source>
        <translation>Wybierz 2 punkty do pomiaru!</translation>
    </message>
    <message>
        <source>Bitte Einmesspunkt setzen!</source>
        <translation>Ustaw punkt pomiarowy!</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Bemaßen auswählen!</source>
        <translation>Wybierz 2 punkty do zwymiarowania!</translation>
    </message>
    <message>
        <source>Das Element wirklich löschen?
Alle angeschlossenen Elemente werden ebenfalls gelöscht!</source>
        <translation>Czy na pewno usunąć element?
Wszystkie podłączone elementy również zostaną usunięte!</translation>
    </message>
    <message>
        <source>Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?</source>
        <translation>Usunąć inspekcję wraz ze wszystkimi podłączonymi inspekcjami?</translation>
    </message>
    <message>
        <source>neue Untersuchung</source>
        <translation>nowa inspekcja</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Kreator</translation>
    </message>
    <message>
        <source>Das Projekt muss neu geladen werden.
Bitte warten Sie einen Moment!</source>
        <translation>Projekt musi zostać ponownie wczytany.
Proszę chwilę poczekać!</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!</source>
        <translation>Uruchom program ponownie, aby w pełni zastosować zmiany!</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Odległość</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Feststellung</source>
        <translation>Obserwacja</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>init environment...</source>
        <translation>inicjalizacja środowiska...</translation>
    </message>
    <message>
        <source>init video...</source>
        <translation>inicjalizacja wideo...</translation>
    </message>
</context>
</TS>
