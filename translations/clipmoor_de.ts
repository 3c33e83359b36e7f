<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>, erstellt am %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>Rechnerkennung: %1</translation>
    </message>
</context>
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
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>Dieses Fenster 2 Wochen lang nicht mehr anzeigen</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>Download-Ordner wählen…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Cookies verwenden von</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keinem</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>Download-Ordner wählen</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>yt-dlp-Kanal</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Stabil</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>Kopierte Links vorbereiten</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>Titel, Kapitel und Titelbild einbetten</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>Zurück zu den Formaten</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Wird heruntergeladen: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>Titel</translation>
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
        <source>Download progress</source>
        <translation>Fortschritt des Downloads</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>Ton gespeichert</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>WARNUNG</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>Den Download-Ordner %1 gibt es nicht mehr, oder er ist nicht beschreibbar. Dieser Download wird in %2 gespeichert.</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>Das aktuelle yt-dlp wird noch installiert. Deshalb wird dieses Video mit dem yt-dlp Ihres Systems abgefragt, das für die Website zu alt sein kann. Schlägt es fehl, versuchen Sie es in einigen Minuten erneut.</translation>
    </message>
</context>
<context>
    <name>ErrorMessage</name>
    <message>
        <source>Code: #0x%1</source>
        <translation>Code: #0x%1</translation>
    </message>
    <message>
        <source>Try Again with %1 Cookies</source>
        <translation>Mit Cookies von %1 erneut versuchen</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>Untertitel:</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>Ausschnitt…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Untertitel</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>Untertitel, die ins Video kommen</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>Nur einen Ausschnitt des Videos herunterladen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (automatisch)</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>Herunterzuladender Ausschnitt</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
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
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>Für dieses Video werden keine Formate zum Herunterladen angeboten. Prüfen Sie die Adresse oder versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>Formate des Videos werden gelesen</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Nur Audio</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>Nur den Ton speichern</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>Nur den Ton als MP3 speichern</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>Audio als MP3</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>| %1 sec.</source>
        <translation>| %1 Sek.</translation>
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
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>Die Größe des Videostroms; der Ton kommt noch hinzu</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>HttpGet</name>
    <message>
        <source>cannot fetch %1: %2</source>
        <translation>%1 kann nicht abgerufen werden: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>seit %1 s keine Daten</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>nicht innerhalb von %1 s fertig</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>nur https ist erlaubt</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>HTTP-Status %1 ohne neue Adresse</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>zu viele Weiterleitungen</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>Weiterleitung nach %1 abgelehnt</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>größer als %1 Byte</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-Status %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>der Inhalt ist komprimiert (%1), obwohl das nicht verlangt wurde</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>die Antwort ist leer</translation>
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
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <source>Show the formats of the video at this address</source>
        <translation>Die Formate des Videos unter dieser Adresse anzeigen</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Verarbeiten</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>YouTube-Videoadresse einfügen</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>Die Adresse des YouTube-Videos, das heruntergeladen werden soll, dann die Eingabetaste drücken</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>Warten auf die Release-Server, die das aktuelle yt-dlp und Deno senden. Bei einer langsamen Verbindung kann das einige Minuten dauern.</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>Geben Sie den Anfang als m:ss oder h:mm:ss ein, zum Beispiel 1:05.</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>Geben Sie das Ende als m:ss oder h:mm:ss ein, zum Beispiel 2:30.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Das Ende muss nach dem Anfang liegen.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>Das Video ist nur %1 lang.</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>Ausschnitt herunterladen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Anfang:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Ende:</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>&amp;Ganzes Video</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>Welcher Ausschnitt des Videos heruntergeladen wird, als m:ss oder h:mm:ss:</translation>
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
    <message>
        <source>Downloading...</source>
        <translation>Wird heruntergeladen …</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Ein Download läuft. Abbrechen und beenden?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>Machine identifier</source>
        <translation>Rechnerkennung</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>Die Kennung dieses Rechners:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Vorschaubild</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>Dieses Video ist privat: Nur vom Eigentümer eingeladene Personen können es ansehen. Wählen Sie ein anderes Video.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Dieses Video ist in Ihrem Land nicht verfügbar.</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>Dieser Livestream oder diese Premiere hat noch nicht begonnen. Versuchen Sie es erneut, sobald sie läuft.</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>Dieses Video wurde entfernt oder ist nicht verfügbar. Prüfen Sie die Adresse.</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>Die Website war nicht erreichbar. Prüfen Sie die Internetverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>Die Website hat die Anfrage vorerst abgewiesen. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Dieses Video ist nur für zahlende Mitglieder des Kanals. Wenn Sie Mitglied sind, melden Sie sich in Ihrem Browser bei der Website an und wählen Sie diesen Browser im Menü (Rechtsklick ins Fenster) unter „Cookies verwenden von“.</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Dieses Video hat eine Altersbeschränkung und wird nur angemeldeten Erwachsenen gezeigt. Melden Sie sich in Ihrem Browser bei der Website an und wählen Sie diesen Browser im Menü (Rechtsklick ins Fenster) unter „Cookies verwenden von“.</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>Die Website verlangt eine Anmeldung als Nachweis, dass Sie kein Bot sind. Wählen Sie im Menü (Rechtsklick ins Fenster) unter „Cookies verwenden von“ einen Browser, in dem Sie angemeldet sind, oder versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>Dieses Video bietet keine Formate zum Herunterladen an</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>Titel und Länge des Videos konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>Prüfen Sie die Adresse und die Internetverbindung und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>Die Länge des Videos konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>Versuchen Sie es erneut. Geschieht es wieder, aktualisieren Sie das Download-Programm mit „Software manuell aktualisieren“ im Menü.</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>Das Download-Programm brach beim Lesen des Videotitels ab</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>Das Download-Programm brach beim Auflisten der Formate ab</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>Das Download-Programm brach während des Downloads ab</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>Wählen Sie das Format erneut, um den Download neu zu beginnen.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>Die Formatliste des Videos konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>Das Download-Programm konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>Installieren Sie das Programm erneut: Sein Download-Programm fehlt oder lässt sich nicht ausführen.</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Der Download ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>Versuchen Sie es erneut oder wählen Sie ein anderes Format.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>Die Formatliste des Videos konnte nicht abgerufen werden</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>Prüfen Sie die Internetverbindung und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Etwas ist schiefgegangen</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Die Cookies des Browsers konnten nicht gelesen werden: Es wurde kein Profil dieses Browsers gefunden. Starten Sie den Browser einmal und melden Sie sich bei der Website an, oder wählen Sie im Menü (Rechtsklick ins Fenster) unter „Cookies verwenden von“ einen anderen Browser oder „Keinem“.</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>Die Seite bietet das gewählte Format nicht mehr an. Gehen Sie zurück und wählen Sie ein anderes.</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>Ein Teil des Videos konnte nicht von der Seite geholt werden. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Die Seite hat sich so geändert, dass dieses yt-dlp ihr noch nicht folgen kann. Versuchen Sie es in ein, zwei Tagen erneut, oder wählen Sie „Nightly“ unter „yt-dlp-Kanal“ im Menü.</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Die Seite bot kein Format dieses Videos an, das yt-dlp lesen kann. Versuchen Sie es in ein, zwei Tagen erneut, oder wählen Sie „Nightly“ unter „yt-dlp-Kanal“ im Menü.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>Die Seite hat die Anfrage vorerst abgewiesen. Versuchen Sie es später erneut, oder verwenden Sie Cookies eines angemeldeten Browsers.</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>Der Nightly-Build %1 von yt-dlp wurde installiert und der Download erneut versucht; die Seite verweigert ihn weiterhin.</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>yt-dlp %1 wurde installiert und der Download erneut versucht; die Seite verweigert ihn weiterhin.</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor hat kein neueres yt-dlp als das vorhandene gefunden.</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor hat die Seite erneut nach dem Video gefragt; die Seite verweigert es weiterhin.</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>Die Seite hat die Anmeldung von %1, dessen Cookies verwendet wurden, nicht angenommen: Sie ist vielleicht abgelaufen. Melden Sie sich in %1 erneut bei der Seite an und versuchen Sie es dann noch einmal.</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>Die Seite hat den gespeicherten Link abgelehnt; erneute Anfrage …</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>Suche nach einem neueren yt-dlp …</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>yt-dlp wird auf %1 aktualisiert …</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>Nightly-Build von yt-dlp wird versucht …</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>Prüfen Sie die Adresse oder versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
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
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>Keine Aktualisierung verfügbar
Sie haben die aktuelle Version</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>Eine Aktualisierung ist verfügbar
Klicken Sie auf die Schaltfläche unten, um sie auszuführen</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>AKTUALISIEREN</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>Eine Aktualisierung ist verfügbar
Aktualisieren Sie %1 über die Paketverwaltung Ihres Systems</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>Netzwerkfehler</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download fehlgeschlagen</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Serverfehler</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>Der Server lieferte HTML statt der Datei</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>Die Datei %1 kann nicht zum Schreiben geöffnet werden: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>HTTP-Status: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>Das heruntergeladene Installationsprogramm %1 stimmt nicht mit seiner veröffentlichten SHA-256-Prüfsumme überein</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1. 

Adresse: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>Der Aktualisierungsserver hat nicht innerhalb von %1 Sekunden geantwortet</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>Die Aktualisierungsangaben sind größer als %1 Byte</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>Fehler beim Lesen der JSON-Daten</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>Fehler beim Laden der JSON-Daten</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>Fehler beim Installationsprogramm</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>Fehler im Zielordner</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>Die Adresse des Installationsprogramms %1 ist keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>Der Zielordner kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>Die Adresse des Installationsprogramms %1 nennt keine Datei zum Speichern</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>Das Installationsprogramm %1 stimmt nicht mit seiner veröffentlichten SHA-256-Prüfsumme überein</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>Wir versuchen, die Aktualisierung herunterzuladen und auszuführen, aber etwas auf Ihrem Rechner blockiert dies.

Bitte schließen Sie dieses Fenster, prüfen Sie, ob Antiviren- oder Schutzprogramme laufen, und deaktivieren Sie sie vorübergehend. Versuchen Sie die Aktualisierung danach erneut.</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>AKT.-FEHLER: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>Installationsprogramm bereits heruntergeladen</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>Die Installationsdatei ist bereits vorhanden:
%1

Möchten Sie das vorhandene Installationsprogramm ausführen oder es erneut herunterladen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>Installation starten</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Erneut herunterladen</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>Die Aktualisierung wurde heruntergeladen</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>Die Aktualisierung wurde in Ihren Download-Ordner geladen:
%1

%2 wird jetzt beendet, und das Installationsprogramm führt Sie durch die Aktualisierung</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>Installation selbst starten</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>Der Download wurde vom Benutzer abgebrochen.</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>%1-Aktualisierung</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>Wir versuchen, die Aktualisierung herunterzuladen und auszuführen, aber dabei ist etwas schiefgegangen.

Bitte schließen Sie dieses Fenster, prüfen Sie die Internetverbindung und den freien Platz in Ihrem Download-Ordner und versuchen Sie die Aktualisierung danach erneut.</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>Wir empfehlen dringend, Ihr
Antivirenprogramm vor der
Aktualisierung vorübergehend
zu deaktivieren</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>Das Programm wird beim Start
der Aktualisierung beendet:
lassen Sie laufende Downloads
vorher zu Ende laufen</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(aktuelle Version: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Ein einfaches Programm zum Herunterladen einzelner YouTube-Videos.</translation>
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
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>%1 Version: %2</translation>
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
