<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="de">
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
        <translation>Données de l&apos;entreprise</translation>
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
        <source>Änderungen an der Untersuchung speichern?</source>
        <translation>Enregistrer les modifications de l&apos;inspection ?</translation>
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
