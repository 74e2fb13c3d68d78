<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="de">
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Einstellungen</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Projektverzeichnis</source>
        <translation>Carpeta de proyectos</translation>
    </message>
    <message>
        <source>In diesem Verzeichnis werden alle Projekte abgelegt.</source>
        <translation>Todos los proyectos se guardan en esta carpeta.</translation>
    </message>
    <message>
        <source>Verzeichnis wählen</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Idioma</translation>
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
        <translation>Visualización</translation>
    </message>
    <message>
        <source>Haltungsnamen mit Anzeigen</source>
        <translation>Mostrar los nombres de los tramos</translation>
    </message>
    <message>
        <source>Berichte</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Haltungsbericht erstellen</source>
        <translation>Crear informe del tramo</translation>
    </message>
    <message>
        <source>Schäden im Protokoll komplett einfärben</source>
        <translation>Colorear los defectos en el informe</translation>
    </message>
    <message>
        <source>Projekte mit Schäden markieren</source>
        <translation>Marcar los proyectos con defectos</translation>
    </message>
    <message>
        <source>Anzeige: alle Maße sind ca.-Angaben</source>
        <translation>Aviso: todas las medidas son aproximadas</translation>
    </message>
    <message>
        <source>Haltungsgraphik</source>
        <translation>Gráfico del tramo</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>ausgerichtete Version</source>
        <translation>versión alineada</translation>
    </message>
    <message>
        <source>Layout Fotobericht</source>
        <translation>Diseño del informe fotográfico</translation>
    </message>
    <message>
        <source>1 mal 2</source>
        <translation>1 por 2</translation>
    </message>
    <message>
        <source>1 mal 3</source>
        <translation>1 por 3</translation>
    </message>
    <message>
        <source>2 mal 2</source>
        <translation>2 por 2</translation>
    </message>
    <message>
        <source>2 mal 3</source>
        <translation>2 por 3</translation>
    </message>
    <message>
        <source>3 mal 2</source>
        <translation>3 por 2</translation>
    </message>
    <message>
        <source>3 mal 3</source>
        <translation>3 por 3</translation>
    </message>
    <message>
        <source>1 mal 2 mit Text</source>
        <translation>1 por 2 con texto</translation>
    </message>
    <message>
        <source>1 mal 3 mit Text</source>
        <translation>1 por 3 con texto</translation>
    </message>
    <message>
        <source>Aufnahme</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Videoquelle:</source>
        <translation>Fuente de vídeo:</translation>
    </message>
    <message>
        <source>Texteinblendung</source>
        <translation>Superposición de texto</translation>
    </message>
    <message>
        <source>Grundlagendaten:</source>
        <translation>Datos generales:</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Texteinblendung:</source>
        <translation>Superposición de texto:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metros</translation>
    </message>
    <message>
        <source>Firmentext</source>
        <translation>Texto de la empresa</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Texteinschreibung in Fotos</source>
        <translation>Texto en las fotos</translation>
    </message>
    <message>
        <source>Haltungsanfang automisch setzen</source>
        <translation>Fijar automáticamente el inicio del tramo</translation>
    </message>
    <message>
        <source>Stopp Video bei Haltungsende</source>
        <translation>Detener el vídeo al final del tramo</translation>
    </message>
    <message>
        <source>neue Daten einschreiben</source>
        <translation>escribir datos nuevos</translation>
    </message>
    <message>
        <source>3D</source>
        <translation>3D</translation>
    </message>
    <message>
        <source>Schriftgröße der Label:</source>
        <translation>Tamaño de letra de las etiquetas:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Der Projektpfad ist leer.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>La ruta de proyectos está vacía.
Indique una ruta válida.</translation>
    </message>
    <message>
        <source>Der angegebene Projektpfad existiert nicht.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>La ruta de proyectos indicada no existe.
Indique una ruta válida.</translation>
    </message>
    <message>
        <source>Der Projektpfad ist nicht beschreibbar.
Bitte stellen Sie einen gültigen Pfad ein.</source>
        <translation>No se puede escribir en la ruta de proyectos.
Indique una ruta válida.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>No se ha podido escribir la configuración en &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>FirmDataDialog</name>
    <message>
        <source>Firmendaten</source>
        <translation>Datos de la empresa</translation>
    </message>
    <message>
        <source>aktuelle Firma</source>
        <translation>empresa actual</translation>
    </message>
    <message>
        <source>gespeicherte Firmen</source>
        <translation>empresas guardadas</translation>
    </message>
    <message>
        <source>Firmenlogo</source>
        <translation>Logotipo de la empresa</translation>
    </message>
    <message>
        <source>LOGO</source>
        <translation>LOGOTIPO</translation>
    </message>
    <message>
        <source>Auswählen</source>
        <translation>Seleccionar</translation>
    </message>
    <message>
        <source>Anschrift</source>
        <translation>Dirección postal</translation>
    </message>
    <message>
        <source>Kontakt</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>F</source>
        <translation>N</translation>
    </message>
    <message>
        <source>K</source>
        <translation>C</translation>
    </message>
    <message>
        <source>U</source>
        <translation>S</translation>
    </message>
    <message>
        <source>Rahmen</source>
        <translation>Marco</translation>
    </message>
    <message>
        <source>Personalisierte Firmendaten</source>
        <translation>Datos de la empresa personalizados</translation>
    </message>
    <message>
        <source>Firma importieren</source>
        <translation>Importar empresa</translation>
    </message>
    <message>
        <source>Firma exportieren</source>
        <translation>Exportar empresa</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht gelesen werden.</source>
        <translation>No se ha podido leer el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Logo auswählen</source>
        <translation>Seleccionar logotipo</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Löschen nicht möglich! Bitte einen anderen Eintrag wählen!</source>
        <translation>¡No se puede eliminar! ¡Seleccione otra entrada!</translation>
    </message>
    <message>
        <source>Die Firma &quot;%1&quot; löschen?</source>
        <translation>¿Eliminar la empresa &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Die Firmendaten konnten nicht in &quot;%1&quot; geschrieben werden.</source>
        <translation>No se han podido escribir los datos de la empresa en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Firma</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>FirmExport</source>
        <translation>Exportación de la empresa</translation>
    </message>
    <message>
        <source>ZOZOrure FirmFile (*.tks)</source>
        <translation>Archivo de empresa de ZOZOrure (*.tks)</translation>
    </message>
    <message>
        <source>Die Datei &quot;%1&quot; konnte nicht geschrieben werden.</source>
        <translation>No se ha podido escribir el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>FirmImport</source>
        <translation>Importación de la empresa</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Bild laden</source>
        <translation>Cargar imagen</translation>
    </message>
    <message>
        <source>Bilder (%1)</source>
        <translation>Imágenes (%1)</translation>
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
    <message>
        <source>Der vorhandene Grundplan wird überschrieben!</source>
        <translation>¡Se sobrescribirá el plano base existente!</translation>
    </message>
    <message>
        <source>Plan aus Datei laden oder selber erstellen?</source>
        <translation>¿Cargar el plano desde un archivo o crearlo usted mismo?</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Erstellen</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Plan wird erstellt!</source>
        <translation>¡Creando el plano!</translation>
    </message>
    <message>
        <source>Plan wird gespeichert!</source>
        <translation>¡Guardando el plano!</translation>
    </message>
    <message>
        <source>3D-Ansicht wird aktualisiert!</source>
        <translation>¡Actualizando la vista 3D!</translation>
    </message>
    <message>
        <source>Den Grundplan entfernen?</source>
        <translation>¿Quitar el plano base?</translation>
    </message>
    <message>
        <source>Einmesspunkt einfügen:</source>
        <translation>Insertar punto de replanteo:</translation>
    </message>
    <message>
        <source>Einmessen</source>
        <translation>Replantear</translation>
    </message>
    <message>
        <source>Freihand</source>
        <translation>A mano alzada</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Einmessen auswählen!</source>
        <translation>¡Seleccione 2 puntos para el replanteo!</translation>
    </message>
    <message>
        <source>Bitte Einmesspunkt setzen!</source>
        <translation>¡Coloque el punto de replanteo!</translation>
    </message>
    <message>
        <source>Bitte 2 Punkte zum Bemaßen auswählen!</source>
        <translation>¡Seleccione 2 puntos para acotar!</translation>
    </message>
    <message>
        <source>Das Element wirklich löschen?
Alle angeschlossenen Elemente werden ebenfalls gelöscht!</source>
        <translation>¿Eliminar realmente el elemento?
¡También se eliminarán todos los elementos conectados!</translation>
    </message>
    <message>
        <source>Die Untersuchung inklusive aller angeschlossener Untersuchungen löschen?</source>
        <translation>¿Eliminar la inspección junto con todas las inspecciones conectadas?</translation>
    </message>
    <message>
        <source>neue Untersuchung</source>
        <translation>nueva inspección</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Assistent</source>
        <translation>Asistente</translation>
    </message>
    <message>
        <source>Das Projekt muss neu geladen werden.
Bitte warten Sie einen Moment!</source>
        <translation>Hay que volver a cargar el proyecto.
¡Espere un momento!</translation>
    </message>
    <message>
        <source>Bitte starten Sie das Programm neu, um die Änderungen vollständig zu übernehmen!</source>
        <translation>¡Reinicie el programa para aplicar completamente los cambios!</translation>
    </message>
    <message>
        <source>Station</source>
        <translation>Distancia</translation>
    </message>
    <message>
        <source>Kürzel</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Feststellung</source>
        <translation>Observación</translation>
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
