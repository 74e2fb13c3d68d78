<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="de">
<context>
    <name>MainWindow</name>
    <message>
        <source>ZOZOrure</source>
        <translation>ZOZOrure</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Untersuchungen</source>
        <translation>Inspecciones</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Feststellungen</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Bearbeiten</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Rohrverlauf</source>
        <translation>Trazado de la tubería</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>loading ui...</source>
        <translation>cargando la interfaz...</translation>
    </message>
    <message>
        <source>loading user data...</source>
        <translation>cargando los datos de usuario...</translation>
    </message>
    <message>
        <source>initialize program...</source>
        <translation>inicializando el programa...</translation>
    </message>
    <message>
        <source>convert projects...</source>
        <translation>convirtiendo proyectos...</translation>
    </message>
    <message>
        <source>Projekte</source>
        <translation>Proyectos</translation>
    </message>
    <message>
        <source>Untersuchung</source>
        <translation>Inspección</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Untersuchung starten</source>
        <translation>Iniciar inspección</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Importieren</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Verwaltung</source>
        <translation>Administración</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Firmendaten</source>
        <translation>Datos de la empresa</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Debugausgabe</source>
        <translation>Salida de depuración</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>Vista</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Referenzpunkte</source>
        <translation>Puntos de referencia</translation>
    </message>
    <message>
        <source>Bemaßungen</source>
        <translation>Cotas</translation>
    </message>
    <message>
        <source>2D-Projektion</source>
        <translation>Proyección 2D</translation>
    </message>
    <message>
        <source>Perspektive</source>
        <translation>Perspectiva</translation>
    </message>
    <message>
        <source>Grundplan</source>
        <translation>Plano base</translation>
    </message>
    <message>
        <source>Einfügen</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Anlegen</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Schacht</source>
        <translation>Pozo</translation>
    </message>
    <message>
        <source>Punkt</source>
        <translation>Punto</translation>
    </message>
    <message>
        <source>Referenzpunkt</source>
        <translation>Punto de referencia</translation>
    </message>
    <message>
        <source>Bemaßung</source>
        <translation>Cota</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Schacht/Punkt</source>
        <translation>Pozo/punto</translation>
    </message>
    <message>
        <source>Abzweig</source>
        <translation>Acometida</translation>
    </message>
    <message>
        <source>2D</source>
        <translation>2D</translation>
    </message>
    <message>
        <source>Optionen</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Änderungen am Projekt speichern?</source>
        <translation>¿Guardar los cambios del proyecto?</translation>
    </message>
    <message>
        <source>Änderungen an der Untersuchung speichern?</source>
        <translation>¿Guardar los cambios de la inspección?</translation>
    </message>
    <message>
        <source>ZOZOrure %1</source>
        <translation>ZOZOrure %1</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Finalisieren</source>
        <translation>Finalizar</translation>
    </message>
    <message>
        <source>Untersuchung &quot;%1&quot; speichern?
Änderungen gehen sonst verloren!</source>
        <translation>¿Guardar la inspección &quot;%1&quot;?
¡De lo contrario se perderán los cambios!</translation>
    </message>
    <message>
        <source>Eintrag &quot;%1 %2 %3&quot; löschen?</source>
        <translation>¿Eliminar la entrada &quot;%1 %2 %3&quot;?</translation>
    </message>
    <message>
        <source>Bitte wählen Sie zunächst die relevante Feststellung aus!</source>
        <translation>¡Seleccione primero la observación correspondiente!</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das Projekt!</source>
        <translation>¡Cierre primero el proyecto!</translation>
    </message>
    <message>
        <source>Datei öffnen</source>
        <translation>Abrir archivo</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; ist keine Untersuchung, die geöffnet werden kann.</source>
        <translation>El archivo &quot;%1&quot; no es una inspección que se pueda abrir.</translation>
    </message>
    <message>
        <source>Zu dieser Untersuchung gibt es kein Video!</source>
        <translation>¡No hay ningún vídeo para esta inspección!</translation>
    </message>
    <message>
        <source>Video wird erstellt...</source>
        <translation>Creando el vídeo...</translation>
    </message>
    <message>
        <source>Erfolgreich abgeschlossen!</source>
        <translation>¡Completado correctamente!</translation>
    </message>
    <message>
        <source>Diese Norm ist in Ihrer Sprache derzeit nicht verfügbar!</source>
        <translation>¡Esta norma no está disponible actualmente en su idioma!</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; existiert bereits!</source>
        <translation>¡El archivo &quot;%1&quot; ya existe!</translation>
    </message>
    <message>
        <source>Sortieren</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>nach Datum</source>
        <translation>por fecha</translation>
    </message>
    <message>
        <source>nach Dateiname</source>
        <translation>por nombre de archivo</translation>
    </message>
    <message>
        <source>nach Haltungsname</source>
        <translation>por nombre del tramo</translation>
    </message>
    <message>
        <source>nach Videonummer</source>
        <translation>por número de vídeo</translation>
    </message>
    <message>
        <source>Lade Export-Daten...</source>
        <translation>Cargando los datos de exportación...</translation>
    </message>
    <message>
        <source>Bitte schließen Sie vorher das aktuelle Projekt!</source>
        <translation>¡Cierre primero el proyecto actual!</translation>
    </message>
    <message>
        <source>gestartet</source>
        <translation>iniciada</translation>
    </message>
    <message>
        <source>konnte nicht gestartet werden</source>
        <translation>no se ha podido iniciar</translation>
    </message>
    <message>
        <source>gestoppt</source>
        <translation>detenida</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>init environment...</source>
        <translation>inicializando el entorno...</translation>
    </message>
    <message>
        <source>init video...</source>
        <translation>inicializando el vídeo...</translation>
    </message>
</context>
</TS>
