<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="de">
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
        <translation>Dziennik debugowania</translation>
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
        <source>Änderungen an der Untersuchung speichern?</source>
        <translation>Zapisać zmiany w inspekcji?</translation>
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
