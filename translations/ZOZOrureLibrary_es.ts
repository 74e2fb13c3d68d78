<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="de">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Nur %1 von %2 Bytes wurden geschrieben.</source>
        <translation>Solo se escribieron %1 de %2 bytes.</translation>
    </message>
</context>
<context>
    <name>ButtonWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Als Projektverzeichnis wurde %1 voreingestellt.</source>
        <translation>Se ha preestablecido %1 como carpeta de proyectos.</translation>
    </message>
    <message>
        <source>Sie enthält Werte in einer Form, die das Programm nicht schreibt.</source>
        <translation>Contiene valores en una forma que el programa no escribe.</translation>
    </message>
    <message>
        <source>Die Einstellungen in %1 konnten nicht gelesen werden; es gelten die Voreinstellungen.
%2</source>
        <translation>No se ha podido leer la configuración de %1; se aplican los valores predeterminados.
%2</translation>
    </message>
</context>
<context>
    <name>FileDirNameDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Ordnername</source>
        <translation>Nombre de la carpeta</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>Nombre del archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist als Name nicht erlaubt!
Bitte anderen Namen wählen!</source>
        <translation>¡&quot;%1&quot; no está permitido como nombre!
¡Elija otro nombre!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; existiert bereits!
Bitte anderen Namen wählen!</source>
        <translation>¡&quot;%1&quot; ya existe!
¡Elija otro nombre!</translation>
    </message>
</context>
<context>
    <name>FileHelper</name>
    <message>
        <source>Die Verknüpfung %1 kann nicht gelesen werden.</source>
        <translation>No se puede leer el enlace %1.</translation>
    </message>
    <message>
        <source>Eine Datei oder ein Ordner dieses Namens ist im Weg.</source>
        <translation>Ya existe un archivo o una carpeta con este nombre.</translation>
    </message>
    <message>
        <source>Die Verknüpfung kann nicht angelegt werden: %1</source>
        <translation>No se puede crear el enlace: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1</source>
        <translation>No se puede leer la carpeta: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelöscht werden: %1</source>
        <translation>No se puede eliminar el archivo: %1</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelöscht werden: %1</source>
        <translation>No se puede eliminar la carpeta: %1</translation>
    </message>
    <message>
        <source>Weder Datei noch Ordner.</source>
        <translation>Ni archivo ni carpeta.</translation>
    </message>
    <message>
        <source>Das ist kein Ordner.</source>
        <translation>No es una carpeta.</translation>
    </message>
    <message>
        <source>Der Ordner existiert nicht.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>Das Ziel liegt im Ordner %1, der kopiert werden soll.</source>
        <translation>El destino está dentro de la carpeta %1 que se va a copiar.</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht angelegt werden.</source>
        <translation>No se puede crear la carpeta.</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>No se puede leer el archivo: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht geschrieben werden: %1</source>
        <translation>No se puede escribir el archivo: %1</translation>
    </message>
    <message>
        <source>Lesefehler: %1</source>
        <translation>Error de lectura: %1</translation>
    </message>
    <message>
        <source>Schreibfehler: %1</source>
        <translation>Error de escritura: %1</translation>
    </message>
    <message>
        <source>Die Datei kann nicht ersetzt werden: %1</source>
        <translation>No se puede reemplazar el archivo: %1</translation>
    </message>
    <message>
        <source>Kein Ordner angegeben.</source>
        <translation>No se ha indicado ninguna carpeta.</translation>
    </message>
    <message>
        <source>%1 oder %2 liegt nicht im Ordner %3.</source>
        <translation>%1 o %2 no está en la carpeta %3.</translation>
    </message>
    <message>
        <source>%1 existiert bereits.</source>
        <translation>%1 ya existe.</translation>
    </message>
    <message>
        <source>%1 kann nicht in %2 umbenannt werden.</source>
        <translation>No se puede cambiar el nombre de %1 a %2.</translation>
    </message>
    <message>
        <source>Das Ziel liegt nicht im Ordner %1.</source>
        <translation>El destino no está en la carpeta %1.</translation>
    </message>
    <message>
        <source>Der Ordner liegt nicht im Ordner %1 und wird nicht gelöscht.</source>
        <translation>La carpeta no está en la carpeta %1 y no se elimina.</translation>
    </message>
    <message>
        <source>Das Kopieren wurde abgebrochen.</source>
        <translation>Se canceló la copia.</translation>
    </message>
</context>
<context>
    <name>Firm</name>
    <message>
        <source>Das Bild hat %1 × %2 Bildpunkte, mehr als die Firmendaten aufnehmen können; es wurde auf %3 × %4 Bildpunkte verkleinert.</source>
        <translation>La imagen tiene %1 × %2 píxeles, más de los que admiten los datos de la empresa; se ha reducido a %3 × %4 píxeles.</translation>
    </message>
    <message>
        <source>Das Logo der Firma &quot;%1&quot; kann nicht gelesen werden und wird nicht gedruckt.</source>
        <translation>El logotipo de la empresa &quot;%1&quot; no se puede leer y no se imprime.</translation>
    </message>
    <message>
        <source>Der gestaltete Briefkopf der Firma &quot;%1&quot; kann nicht gelesen werden; Berichte erhalten den Standard-Briefkopf.</source>
        <translation>No se puede leer el membrete personalizado de la empresa &quot;%1&quot;; los informes llevan el membrete estándar.</translation>
    </message>
</context>
<context>
    <name>FirmStore</name>
    <message>
        <source>Die Firmendaten &quot;%1&quot; konnten nicht gelesen werden.</source>
        <translation>No se han podido leer los datos de la empresa &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Die Firmendaten &quot;%1&quot; wurden nicht gelesen und werden nicht überschrieben.</source>
        <translation>Los datos de la empresa &quot;%1&quot; no se han leído y no se sobrescriben.</translation>
    </message>
</context>
<context>
    <name>InfoDialog</name>
    <message>
        <source>über ZOZOrure</source>
        <translation>Acerca de ZOZOrure</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Qt %1 (LGPL), BE: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</source>
        <translation>Qt %1 (LGPL), compilado con: %2&lt;br/&gt;libvlc %3 (LGPL)&lt;br/&gt;</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>Versión: </translation>
    </message>
    <message>
        <source>ZOZOrure nutzt:</source>
        <translation>ZOZOrure utiliza:</translation>
    </message>
    <message>
        <source>Haftungsausschluss: Für Datenverluste sowie für Schäden, die durch unsachgemäße Verwendung dieser Software entstehen, wird keine Haftung übernommen.</source>
        <translation>Exención de responsabilidad: No se asume ninguna responsabilidad por la pérdida de datos ni por los daños causados por un uso inadecuado de este software.</translation>
    </message>
    <message>
        <source>Disclaimer: No liability is accepted for loss of data or for damage caused by improper use of this software.</source>
        <translation>Disclaimer: No liability is accepted for loss of data or for damage caused by improper use of this software.</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Die Datei wurde nicht vollständig geschrieben.</source>
        <translation>El archivo no se escribió por completo.</translation>
    </message>
</context>
<context>
    <name>InputDoubleDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>InputListDialog</name>
    <message>
        <source>Übernehmen</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>MessageDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PrintPage</name>
    <message>
        <source>* alle Maße sind ca.-Angaben</source>
        <translation>* todas las medidas son aproximadas</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>Gesamt:</source>
        <translation>Total:</translation>
    </message>
</context>
<context>
    <name>ReadGuard</name>
    <message>
        <source>Die Datei ist %1 MB groß; Dateien dieser Art werden nur bis %2 MB gelesen.</source>
        <translation>El archivo tiene %1 MB; los archivos de este tipo solo se leen hasta %2 MB.</translation>
    </message>
    <message>
        <source>Die Datei deklariert eigene Entitäten; solche Dateien werden nicht gelesen.</source>
        <translation>El archivo declara entidades propias; estos archivos no se leen.</translation>
    </message>
    <message>
        <source>Die Elemente sind tiefer als %1 Ebenen verschachtelt.</source>
        <translation>Los elementos están anidados a más de %1 niveles.</translation>
    </message>
</context>
</TS>
