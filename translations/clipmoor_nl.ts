<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>, gebouwd op %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>Computer-ID: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Video gedownload</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Downloaden mislukt</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>Dit venster 2 weken niet meer tonen</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>Downloadmap kiezen…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Cookies gebruiken van</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>Downloadmap kiezen</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>Gekopieerde links voorbereiden</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>yt-dlp-kanaal</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Stabiel</translation>
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
        <source>Embed Title, Chapters and Cover</source>
        <translation>Titel, hoofdstukken en omslag insluiten</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>Terug naar de formaten</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Bezig met downloaden: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>titel</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Video gedownload</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Voortgang van de download</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>Geluid opgeslagen</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>WAARSCHUWING</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>De downloadmap %1 bestaat niet meer of is niet beschrijfbaar. Deze download gaat naar %2.</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>De huidige yt-dlp wordt nog geïnstalleerd, dus deze video wordt opgevraagd via de yt-dlp op uw systeem, die mogelijk te oud is voor de site. Mislukt het, probeer het dan over een paar minuten opnieuw.</translation>
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
        <translation>Opnieuw proberen met cookies van %1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>Ondertitels:</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>Fragment…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Ondertitels</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>Ondertitels die in de video komen</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>Te downloaden fragment</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>Alleen een fragment van de video downloaden</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (automatisch)</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>Terug naar het adres</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titel</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formaten</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>Deze video biedt geen formaten om te downloaden. Controleer het adres of probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>Formaten van de video lezen</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Alleen audio</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>Alleen het geluid opslaan</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>Alleen het geluid opslaan als MP3</translation>
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
        <translation>| %1 s</translation>
    </message>
</context>
<context>
    <name>FormatTableModel</name>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>Video met geluid, %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 downloaden</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>De grootte van de videostream; het geluid komt erbij</translation>
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
        <translation>kan %1 niet ophalen: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>al %1 s geen gegevens</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>niet klaar binnen %1 s</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>alleen https is toegestaan</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>HTTP-status %1 zonder nieuw adres</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>te veel doorverwijzingen</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>doorverwijzing naar %1 geweigerd</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>groter dan %1 bytes</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>HTTP-status %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>kan niet schrijven: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>de inhoud is gecomprimeerd (%1), terwijl daar niet om is gevraagd</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>het antwoord is leeg</translation>
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
        <translation>Terug</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>Videoadres</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>WAARSCHUWING</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>WAARSCHUWING: voer een geldig YouTube-adres in om verder te gaan</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>De formaten van de video op dit adres tonen</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Verwerken</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>Wachten tot de releaseservers de huidige yt-dlp en Deno sturen. Bij een trage verbinding kan dit enkele minuten duren.</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>Plak het adres van een YouTube-video</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>Het adres van de YouTube-video om te downloaden, druk daarna op Enter</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Bezig</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>Typ het begin als m:ss of h:mm:ss, bijvoorbeeld 1:05.</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>Typ het einde als m:ss of h:mm:ss, bijvoorbeeld 2:30.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Het einde moet na het begin liggen.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>De video duurt maar %1.</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>Fragment downloaden</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Begin:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Einde:</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>&amp;Hele video</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>Welk fragment van de video u wilt downloaden, als m:ss of h:mm:ss:</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>Video en geluid samenvoegen…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>nog %1</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Bezig met downloaden…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Er loopt een download. Stoppen en afsluiten?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>Bestand openen</translation>
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
        <translation>Computer-ID</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>De ID van deze computer:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatuur</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>Deze video is privé: alleen mensen die de eigenaar heeft uitgenodigd, kunnen hem bekijken. Kies een andere video.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Deze video is niet beschikbaar in uw land.</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>Deze livestream of première is nog niet begonnen. Probeer het opnieuw zodra hij is begonnen.</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>Deze video is verwijderd of niet beschikbaar. Controleer het adres.</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>De site is niet bereikbaar. Controleer de internetverbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>De site weigert het verzoek voorlopig. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Deze video is alleen voor betalende leden van het kanaal. Bent u lid, meld u dan in uw browser aan bij de site en kies die browser onder ‘Cookies gebruiken van’ in het menu (klik met de rechtermuisknop in het venster).</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Deze video heeft een leeftijdsgrens en wordt alleen getoond aan aangemelde volwassenen. Meld u in uw browser aan bij de site en kies die browser onder ‘Cookies gebruiken van’ in het menu (klik met de rechtermuisknop in het venster).</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>De site vraagt u zich aan te melden om te bevestigen dat u geen bot bent. Kies onder ‘Cookies gebruiken van’ in het menu (klik met de rechtermuisknop in het venster) een browser waarin u bent aangemeld, of probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>De cookies van de browser konden niet worden gelezen: er is geen profiel van die browser gevonden. Start die browser één keer en meld u aan bij de site, of kies een andere browser of ‘Geen’ onder ‘Cookies gebruiken van’ in het menu (klik met de rechtermuisknop in het venster).</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>De site biedt het gekozen formaat niet meer aan. Ga terug en kies een ander.</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>Een deel van de video kon niet van de site worden opgehaald. Probeer het later opnieuw.</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>De site is veranderd op een manier die deze yt-dlp nog niet kan volgen. Probeer het over een dag of twee opnieuw, of kies ‘Nightly’ onder ‘yt-dlp-kanaal’ in het menu.</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>De site bood geen formaat van deze video aan dat yt-dlp kan lezen. Probeer het over een dag of twee opnieuw, of kies ‘Nightly’ onder ‘yt-dlp-kanaal’ in het menu.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>De site weigert het verzoek voorlopig. Probeer het later opnieuw, of kies de cookies van een browser waarin u bent aangemeld.</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>De nightly-versie %1 van yt-dlp is geïnstalleerd en de download is opnieuw geprobeerd; de site weigert hem nog steeds.</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>yt-dlp %1 is geïnstalleerd en de download is opnieuw geprobeerd; de site weigert hem nog steeds.</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor heeft geen nieuwere yt-dlp gevonden dan de huidige.</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor heeft de site opnieuw om de video gevraagd; de site weigert hem nog steeds.</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>De site heeft de aanmelding van %1, waarvan de cookies zijn gebruikt, niet geaccepteerd: die is misschien verlopen. Meld u in %1 opnieuw aan bij de site en probeer het dan opnieuw.</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>De site heeft de opgeslagen link geweigerd; opnieuw vragen…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>Zoeken naar een nieuwere yt-dlp…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>yt-dlp bijwerken naar %1…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>De nightly-versie van yt-dlp proberen…</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>De titel en lengte van de video konden niet worden gelezen</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>Controleer het adres en de internetverbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>De lengte van de video kon niet worden gelezen</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>Probeer het opnieuw. Gebeurt het weer, werk het downloadprogramma dan bij met ‘Handmatig bijwerken’ in het menu.</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>Het downloadprogramma stopte tijdens het lezen van de titel van de video</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>Het downloadprogramma stopte tijdens het opsommen van de formaten</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>Het downloadprogramma stopte tijdens de download</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>Kies het formaat opnieuw om de download opnieuw te beginnen.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>De lijst met formaten van de video kon niet worden gelezen</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>Het downloadprogramma kon niet worden gestart</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>Installeer het programma opnieuw: het downloadprogramma ervan ontbreekt of kan niet worden uitgevoerd.</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>De download is mislukt</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>Probeer het opnieuw of kies een ander formaat.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>De lijst met formaten van de video kon niet worden opgehaald</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>Controleer de internetverbinding en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>Deze video biedt geen formaten om te downloaden</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Er is iets misgegaan</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>Controleer het adres of probeer het later opnieuw.</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>FOUT</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>Bijwerken niet mogelijk. Neem contact op met de ondersteuning</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Gelukt</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor is bijgewerkt</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>Geen updates beschikbaar
U hebt de nieuwste versie</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>Er is een update beschikbaar
Klik op de knop hieronder om hem te installeren</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>BIJWERKEN</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>Er is een update beschikbaar
Werk %1 bij via de pakketbeheerder van het systeem</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>Netwerkfout</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Downloaden mislukt</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Serverfout</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>De server gaf HTML in plaats van het bestand</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>Kan het bestand %1 niet openen om te schrijven: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>HTTP-status: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>Het gedownloade installatieprogramma %1 komt niet overeen met de gepubliceerde SHA-256-controlesom</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1. 

Adres: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>De updateserver heeft niet binnen %1 seconden geantwoord</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>De update-informatie is groter dan %1 bytes</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>Fout bij het lezen van de JSON-gegevens</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>Fout bij het downloaden van de JSON-gegevens</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>Fout in het installatieprogramma</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>Fout in de doelmap</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Bestandsfout</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>Het adres van het installatieprogramma %1 is geen http- of https-adres</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>Kan de doelmap niet maken: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>Het adres van het installatieprogramma %1 noemt geen bestand om op te slaan</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>Het installatieprogramma %1 komt niet overeen met de gepubliceerde SHA-256-controlesom</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>We proberen de update te downloaden en te installeren, maar iets op uw computer blokkeert dit.

Sluit dit venster, controleer of er antivirus- of antimalwareprogramma’s actief zijn en schakel ze tijdelijk uit. Probeer de update daarna opnieuw.</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>UPDATEFOUT: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>Installatieprogramma al gedownload</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>Het installatiebestand bestaat al:
%1

Wilt u het bestaande installatieprogramma uitvoeren of het opnieuw downloaden?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>Installatie starten</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Opnieuw downloaden</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>De update is gedownload</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>De update is gedownload naar uw map Downloads:
%1

%2 wordt nu afgesloten en het installatieprogramma leidt u door de update</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>Installatie zelf starten</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Download geannuleerd</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>De download is door de gebruiker geannuleerd.</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>%1 bijwerken</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>We proberen de update te downloaden en te installeren, maar onderweg is er iets misgegaan.

Sluit dit venster, controleer de internetverbinding en de vrije ruimte in uw map Downloads en probeer de update daarna opnieuw.</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>We raden u sterk aan uw
antivirusprogramma tijdelijk
uit te schakelen voordat u
met de update verdergaat</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>Het programma sluit af als de
update begint: laat een lopende
download eerst afronden
voordat u verdergaat</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(huidige versie: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Een eenvoudig programma om losse YouTube-video’s te downloaden.</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>Handmatig bijwerken</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>Logboek ingeschakeld</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>Schaal wijzigen</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>UUID tonen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>%1-versie: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>deze toepassing bijwerken als een bepaalde versie</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>UID tonen</translation>
    </message>
</context>
</TS>
