<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Projektverzeichnis</source>
        <translation>Dossier des projets</translation>
    </message>
    <message>
        <source>In diesem Verzeichnis werden alle Projekte abgelegt.</source>
        <translation>Tous les projets sont enregistrés dans ce dossier.</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Langue</translation>
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
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Haltungsnamen mit Anzeigen</source>
        <translation>Afficher les noms des tronçons</translation>
    </message>
    <message>
        <source>Berichte</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Haltungsbericht erstellen</source>
        <translation>Créer le rapport de tronçon</translation>
    </message>
    <message>
        <source>Schäden im Protokoll komplett einfärben</source>
        <translation>Colorer les défauts dans le rapport</translation>
    </message>
    <message>
        <source>Projekte mit Schäden markieren</source>
        <translation>Marquer les projets comportant des défauts</translation>
    </message>
    <message>
        <source>Anzeige: alle Maße sind ca.-Angaben</source>
        <translation>Mention : cotes approximatives</translation>
    </message>
    <message>
        <source>Haltungsgraphik</source>
        <translation>Graphique du tronçon</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>ausgerichtete Version</source>
        <translation>version alignée</translation>
    </message>
    <message>
        <source>Layout Fotobericht</source>
        <translation>Mise en page du rapport photo</translation>
    </message>
    <message>
        <source>1 mal 2</source>
        <translation>1 par 2</translation>
    </message>
    <message>
        <source>1 mal 3</source>
        <translation>1 par 3</translation>
    </message>
    <message>
        <source>2 mal 2</source>
        <translation>2 par 2</translation>
    </message>
    <message>
        <source>2 mal 3</source>
        <translation>2 par 3</translation>
    </message>
    <message>
        <source>3 mal 2</source>
        <translation>3 par 2</translation>
    </message>
    <message>
        <source>3 mal 3</source>
        <translation>3 par 3</translation>
    </message>
    <message>
        <source>1 mal 2 mit Text</source>
        <translation>1 par 2 avec texte</translation>
    </message>
    <message>
        <source>1 mal 3 mit Text</source>
        <translation>1 par 3 avec texte</translation>
    </message>
    <message>
        <source>Aufnahme</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Matériel</translation>
    </message>
    <message>
        <source>Videoquelle:</source>
        <translation>Source vidéo :</translation>
    </message>
    <message>
        <source>Texteinblendung</source>
        <translation>Incrustation de texte</translation>
    </message>
    <message>
        <source>Grundlagendaten:</source>
        <translation>Données générales :</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Texteinblendung:</source>
        <translation>Incrustation de texte :</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Firmentext</source>
        <translation>Texte de l&apos;entreprise</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Texteinschreibung in Fotos</source>
        <translation>Texte dans les photos</translation>
    </message>
    <message>
        <source>Haltungsanfang automisch setzen</source>
        <translation>Placer automatiquement le début du tronçon</translation>
    </message>
    <message>
        <source>Stopp Video bei Haltungsende</source>
        <translation>Arrêter la vidéo en fin de tronçon</translation>
    </message>
    <message>
        <source>neue Daten einschreiben</source>
        <translation>inscrire les nouvelles données</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Schriftgröße der Label:</source>
        <translation>Taille de police des étiquettes :</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Der Projektpfad ist leer.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Le chemin des projets est vide.
Veuillez indiquer un chemin valide.</translation>
    </message>
    <message>
        <source>Der angegebene Projektpfad existiert nicht.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Le chemin des projets indiqué n&apos;existe pas.
Veuillez indiquer un chemin valide.</translation>
    </message>
    <message>
        <source>Der Projektpfad ist nicht beschreibbar.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>Le chemin des projets n&apos;est pas accessible en écriture.
Veuillez indiquer un chemin valide.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Impossible d&apos;écrire les paramètres dans « %1 ».</translation>
    </message>
</context>
<context>
    <name>FirmDataDialog</name>
    <message>
        <source>Firmendaten</source>
        <translation>Données de l&apos;entreprise</translation>
    </message>
    <message>
        <source>aktuelle Firma</source>
        <translation>entreprise actuelle</translation>
    </message>
    <message>
        <source>gespeicherte Firmen</source>
        <translation>entreprises enregistrées</translation>
    </message>
    <message>
        <source>Firmenlogo</source>
        <translation>Logo de l&apos;entreprise</translation>
    </message>
    <message>
        <source>LOGO</source>
        <translation>LOGO</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Anschrift</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>F</source>
        <translation>G</translation>
    </message>
    <message>
        <source>K</source>
        <translation>I</translation>
    </message>
    <message>
        <source>U</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Personalisierte Firmendaten</source>
        <translation>Données d&apos;entreprise personnalisées</translation>
    </message>
    <message>
        <source>Firma importieren</source>
        <translation>Importer une entreprise</translation>
    </message>
    <message>
        <source>Firma exportieren</source>
        <translation>Exporter l&apos;entreprise</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gelesen werden.</source>
        <translation>Impossible de lire le fichier « %1 ».</translation>
    </message>
    <message>
        <source>Logo auswählen</source>
        <translation>Choisir un logo</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Löschen nicht möglich! Bitte einen anderen Eintrag wählen!</source>
        <translation>Suppression impossible ! Veuillez choisir une autre entrée !</translation>
    </message>
    <message>
        <source>Die Firma &quot;%1&quot; löschen?</source>
        <translation>Supprimer l&apos;entreprise « %1 » ?</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>Impossible d&apos;écrire les données de l&apos;entreprise dans « %1 ».</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Entreprise</translation>
    </message>
    <message>
        <source>FirmExport</source>
        <translation>Export de l&apos;entreprise</translation>
    </message>
    <message>
        <source>ZOZOrure FirmFile (*.tks)</source>
        <translation>Fichier d&apos;entreprise ZOZOrure (*.tks)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ».</translation>
    </message>
    <message>
        <source>FirmImport</source>
        <translation>Import d&apos;entreprise</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Images (%1)</translation>
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
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspections</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Observations</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Tracé de la conduite</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>chargement de l&apos;interface...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>chargement des données utilisateur...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>initialisation du programme...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>conversion des projets...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Projets</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspection</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Démarrer l&apos;inspection</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Verwaltung</source>
        <translation>Gestion</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Données société</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Sortie de débogage</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Referenzpunkte</source>
        <translation>Points de référence</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Cotes</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>Projection 2D</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Perspective</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Plan de fond</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Regard</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Point de référence</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Cote</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Regard/point</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Branchement</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>Enregistrer les modifications du projet ?</translation>
    </message>
    <message>
        <source>ZOZOrure %1</source>
        <translation>ZOZOrure %1</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Finalisieren</source>
        <translation>Finaliser</translation>
    </message>
    <message>
        <source>Untersuchung &quot;%1&quot; speichern?
Änderungen gehen sonst verloren!</source>
        <translation>Enregistrer l&apos;inspection « %1 » ?
Sinon, les modifications seront perdues !</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1 %2 %3&quot; löschen?</source>
        <translation>Supprimer l&apos;entrée « %1 %2 %3 » ?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst die relevante Feststellung aus!</source>
        <translation>Veuillez d&apos;abord choisir l&apos;observation concernée !</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das Projekt!</source>
        <translation>Veuillez d&apos;abord fermer le projet !</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Ouvrir un fichier</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Untersuchung, die geöffnet werden kann.</source>
        <translation>Le fichier « %1 » n&apos;est pas une inspection pouvant être ouverte.</translation>
    </message>
    <message>
        <source>Zu dieser Untersuchung gibt es kein Video!</source>
        <translation>Il n&apos;existe aucune vidéo pour cette inspection !</translation>
    </message>
    <message>
        <source>Video wird erstellt...</source>
        <translation>Création de la vidéo...</translation>
    </message>
    <message>
        <source>Erfolgreich abgeschlossen!</source>
        <translation>Terminé avec succès !</translation>
    </message>
    <message>
        <source>Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!</source>
        <translation>Cette norme n&apos;est pas disponible actuellement dans votre langue !</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; existiert bereits!</source>
        <translation>Le fichier « %1 » existe déjà !</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Trier</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>par date</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>par nom de fichier</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>par nom de tronçon</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>par numéro de vidéo</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Chargement des données d&apos;export...</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das aktuelle Projekt!</source>
        <translation>Veuillez d&apos;abord fermer le projet en cours !</translation>
    </message>
    <message>
        <source>gestartet</source>
        <translation>démarrée</translation>
    </message>
    <message>
        <source>konnte nicht gestartet werden</source>
        <translation>n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>gestoppt</source>
        <translation>arrêtée</translation>
    </message>
    <message>
        <source>Der vorhandene Grundplan wird überschrieben!</source>
        <translation>Le plan de fond existant sera écrasé !</translation>
    </message>
    <message>
        <source>Plan aus Datei laden oder selber erstellen?</source>
        <translation>Charger le plan depuis un fichier ou le créer vous-même ?</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Charger</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Plan wird erstellt!</source>
        <translation>Création du plan !</translation>
    </message>
    <message>
        <source>Plan wird gespeichert!</source>
        <translation>Enregistrement du plan !</translation>
    </message>
    <message>
        <source>3D-Ansicht wird aktualisiert!</source>
        <translation>Mise à jour de la vue 3D !</translation>
    </message>
    <message>
        <source>Den Grundplan entfernen?</source>
        <translation>Retirer le plan de fond ?</translation>
    </message>
    <message>
        <source>Einmesspunkt einfügen:</source>
        <translation>Insérer un point de relevé :</translation>
    </message>
    <message>
        <source>Einmessen</source>
        <translation>Relever</translation>
    </message>
    <message>
        <source>Freihand</source>
        <translation>À main levée</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Einmessen auswählen!</source>
        <translation>Veuillez choisir 2 points pour le relevé !</translation>
    </message>
    <message>
        <source>Bitte Einmesspunkt setzen!</source>
        <translation>Veuillez placer le point de relevé !</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Bemaßen auswählen!</source>
        <translation>Veuillez choisir 2 points à coter !</translation>
    </message>
    <message>
        <source>Das Element wirklich löschen?
Alle angeschlossenen Elemente werden ebenfalls gelöscht!</source>
        <translation>Supprimer vraiment l&apos;élément ?
Tous les éléments qui y sont raccordés seront également supprimés !</translation>
    </message>
    <message>
        <source>Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?</source>
        <translation>Supprimer l&apos;inspection ainsi que toutes les inspections qui y sont raccordées ?</translation>
    </message>
    <message>
        <source>neue Untersuchung</source>
        <translation>nouvelle inspection</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Assistant</translation>
    </message>
    <message>
        <source>Das Projekt muss neu geladen werden.
Bitte warten Sie einen Moment!</source>
        <translation>Le projet doit être rechargé.
Veuillez patienter un instant !</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!</source>
        <translation>Veuillez redémarrer le programme pour appliquer entièrement les modifications !</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Feststellung</source>
        <translation>Observation</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>init environment...</source>
        <translation>initialisation de l&apos;environnement...</translation>
    </message>
    <message>
        <source>init video...</source>
        <translation>initialisation de la vidéo...</translation>
    </message>
</context>
</TS>
