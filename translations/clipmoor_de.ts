<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Video heruntergeladen</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
</context>
<context>
    <name>FormatTableModel</name>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>Video mit Ton, %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
</context>
<context>
    <name>Navigation</name>
    <message>
        <source>Clipmoor</source>
        <translation>Clipmoor</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>Videoadresse</translation>
    </message>
    <message>
        <source>Back to the Address</source>
        <translation>Zurück zur Adresse</translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formate</translation>
    </message>
    <message>
        <source>Back to the Formats</source>
        <translation>Zurück zu den Formaten</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Wird heruntergeladen: </translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Video heruntergeladen</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Von vorn</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Ein einfaches Programm zum Herunterladen einzelner YouTube-Videos.</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>WARNUNG: Bitte geben Sie eine gültige YouTube-Adresse ein, um fortzufahren</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>| %1 sec.</source>
        <translation>| %1 Sek.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>&lt;h3&gt;ERROR:&lt;/h3&gt;%1&lt;hr&gt;&lt;i&gt;Code: #0x%2&lt;/i&gt;</source>
        <translation>&lt;h3&gt;FEHLER:&lt;/h3&gt;%1&lt;hr&gt;&lt;i&gt;Code: #0x%2&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Cannot request metadata</source>
        <translation>Die Angaben zum Video konnten nicht abgefragt werden</translation>
    </message>
    <message>
        <source>crash exit on metadata request</source>
        <translation>Absturz beim Abfragen der Angaben zum Video</translation>
    </message>
    <message>
        <source>crash exit on formats request</source>
        <translation>Absturz beim Abfragen der Formate</translation>
    </message>
    <message>
        <source>crash exit at downloading process</source>
        <translation>Absturz beim Herunterladen</translation>
    </message>
    <message>
        <source>format count error</source>
        <translation>Fehler bei der Anzahl der Formate</translation>
    </message>
    <message>
        <source>the downloader could not be started</source>
        <translation>Das Download-Werkzeug konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>download failed</source>
        <translation>Herunterladen fehlgeschlagen</translation>
    </message>
    <message>
        <source>indefinite</source>
        <translation>unbestimmt</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>Aktualisierung nicht möglich. Bitte wenden Sie sich an den Support</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor wurde erfolgreich aktualisiert</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>Software manuell aktualisieren</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>Protokollierung aktiviert</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>Skalierung ändern</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>UUID anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>%1 Version: %2</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>Die Formate des Videos unter dieser Adresse anzeigen</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Verarbeiten</translation>
    </message>
    <message>
        <source>formats request failed</source>
        <translation>Abfrage der Formate fehlgeschlagen</translation>
    </message>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Ein Download läuft. Abbrechen und beenden?</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>Video und Ton werden zusammengeführt …</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>noch %1</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>diese Anwendung als die angegebene Version aktualisieren</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>UID anzeigen</translation>
    </message>
</context>
</TS>
