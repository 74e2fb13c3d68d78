<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb" sourcelanguage="de">
<context>
    <name>MainWindow</name>
    <message>
        <source>ZOZOrure</source>
        <translation>ZOZOrure</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspeksjoner</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Observasjoner</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Legg til</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Rediger</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Slett</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Ledningstrasé</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>laster brukergrensesnittet...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>laster brukerdata...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>initialiserer programmet...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>konverterer prosjekter...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Prosjekter</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspeksjon</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Verktøy</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Lagre</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Start inspeksjon</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Eksporter</translation>
    </message>
    <message>
        <source>Verwaltung</source>
        <translation>Administrasjon</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Innstillinger</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Firmadata</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Feilsøkingslogg</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Visning</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiketter</translation>
    </message>
    <message>
        <source>Referenzpunkte</source>
        <translation>Referansepunkter</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Målsettinger</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>2D-projeksjon</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Perspektiv</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Grunnkart</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Sett inn</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Opprett</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Kum</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Referansepunkt</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Målsetting</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Referanse</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Kum/punkt</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Stikkledning</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Alternativer</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Lagre endringene i prosjektet?</translation>
    </message>
    <message>
        <source>Änderungen an der Untersuchung speichern?</source>
        <translation>Lagre endringene i inspeksjonen?</translation>
    </message>
    <message>
        <source>ZOZOrure %1</source>
        <translation>ZOZOrure %1</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Prosjekt</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>init environment...</source>
        <translation>initialiserer miljøet...</translation>
    </message>
    <message>
        <source>init video...</source>
        <translation>initialiserer video...</translation>
    </message>
</context>
</TS>
