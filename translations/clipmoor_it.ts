<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>, compilata il %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>Identificativo del computer: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Video scaricato</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download non riuscito</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>Non mostrare più questa finestra per 2 settimane</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>Scegli la cartella dei download…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Usa i cookie di</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>Scegli la cartella dei download</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>Prepara i link copiati</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>Canale di yt-dlp</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Stabile</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatico</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>Incorpora titolo, capitoli e copertina</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>Torna ai formati</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Download in corso: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>titolo</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Video scaricato</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Avanzamento del download</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>Audio salvato</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>AVVISO</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>La cartella dei download %1 non esiste più o non è scrivibile. Questo download va in %2.</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>La versione attuale di yt-dlp è ancora in fase di installazione, quindi questo video viene richiesto allo yt-dlp installato nel tuo sistema, che potrebbe essere troppo vecchio per il sito. Se non riesce, riprova tra qualche minuto.</translation>
    </message>
</context>
<context>
    <name>ErrorMessage</name>
    <message>
        <source>Code: #0x%1</source>
        <translation>Codice: #0x%1</translation>
    </message>
    <message>
        <source>Try Again with %1 Cookies</source>
        <translation>Riprova con i cookie di %1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>Sottotitoli:</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>Estratto…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Sottotitoli</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>Sottotitoli da inserire nel video</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>Estratto da scaricare</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>Scarica solo un estratto del video</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (automatici)</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>Torna all’indirizzo</translation>
    </message>
    <message>
        <source>title</source>
        <translation>titolo</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formati</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>Questo video non offre formati da scaricare. Controlla l’indirizzo o riprova più tardi.</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>Lettura dei formati del video</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Solo audio</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>Salva solo l’audio</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>Salva solo l’audio in MP3</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>Audio in MP3</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
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
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>Video con audio, %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Scarica %1</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>La dimensione del flusso video; l’audio si aggiunge</translation>
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
        <translation>impossibile recuperare %1: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>nessun dato da %1 s</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>non completato entro %1 s</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>è consentito solo https</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>stato HTTP %1 senza un nuovo indirizzo</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>troppi reindirizzamenti</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>reindirizzamento verso %1 rifiutato</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>più di %1 byte</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>stato HTTP %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>impossibile scrivere: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>il contenuto è compresso (%1) senza che sia stato richiesto</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>la risposta è vuota</translation>
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
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>Indirizzo del video</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>AVVISO</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>AVVISO: inserisci un indirizzo YouTube valido per continuare</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>Mostra i formati del video a questo indirizzo</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Elabora</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>In attesa che i server di rilascio inviino le versioni attuali di yt-dlp e Deno. Con una connessione lenta possono servire alcuni minuti.</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>Incolla l’indirizzo di un video di YouTube</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>L’indirizzo del video di YouTube da scaricare, poi premi Invio</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupato</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>Scrivi l’inizio come m:ss o h:mm:ss, per esempio 1:05.</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>Scrivi la fine come m:ss o h:mm:ss, per esempio 2:30.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>La fine deve venire dopo l’inizio.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>Il video dura solo %1.</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>Scarica un estratto</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Inizio:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Fine:</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>&amp;Video intero</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>Estratto del video da scaricare, come m:ss o h:mm:ss:</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>Unione di video e audio…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>mancano %1</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Download in corso…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>È in corso un download. Interromperlo e uscire?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>Apri file</translation>
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
        <translation>Identificativo del computer</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>L’identificativo di questo computer:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>ThumbnailView</name>
    <message>
        <source>Thumbnail</source>
        <translation>Miniatura</translation>
    </message>
</context>
<context>
    <name>ToolError</name>
    <message>
        <source>This video is private: only people its owner invited can watch it. Choose another video.</source>
        <translation>Questo video è privato: possono guardarlo solo le persone invitate dal proprietario. Scegli un altro video.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Questo video non è disponibile nel tuo Paese.</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>Questa diretta o prima visione non è ancora iniziata. Riprova quando sarà cominciata.</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>Questo video è stato rimosso o non è disponibile. Controlla l’indirizzo.</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>Impossibile raggiungere il sito. Controlla la connessione a Internet e riprova.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>Per ora il sito ha respinto la richiesta. Riprova più tardi.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Questo video è riservato ai membri paganti del canale. Se lo sei, accedi al sito nel tuo browser e scegli quel browser in «Usa i cookie di» nel menu (clic destro sulla finestra).</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Questo video ha un limite di età ed è visibile solo agli adulti che hanno eseguito l’accesso. Accedi al sito nel tuo browser e scegli quel browser in «Usa i cookie di» nel menu (clic destro sulla finestra).</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>Il sito chiede di accedere per confermare che non sei un bot. Scegli in «Usa i cookie di» nel menu (clic destro sulla finestra) un browser in cui hai eseguito l’accesso, oppure riprova più tardi.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Impossibile leggere i cookie del browser: non è stato trovato alcun profilo di quel browser. Avvia quel browser una volta e accedi al sito, oppure scegli un altro browser o «Nessuno» in «Usa i cookie di» nel menu (clic destro sulla finestra).</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>Il sito non offre più il formato scelto. Torna indietro e scegline un altro.</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>Impossibile recuperare dal sito una parte del video. Riprova più tardi.</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Il sito è cambiato in un modo che questo yt-dlp non sa ancora seguire. Riprova tra un giorno o due, oppure scegli «Nightly» in «Canale di yt-dlp» nel menu.</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Il sito non ha offerto alcun formato di questo video che yt-dlp sappia leggere. Riprova tra un giorno o due, oppure scegli «Nightly» in «Canale di yt-dlp» nel menu.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>Per ora il sito ha respinto la richiesta. Riprova più tardi, oppure scegli i cookie di un browser in cui hai eseguito l’accesso.</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>È stata installata la versione nightly %1 di yt-dlp e il download è stato ritentato; il sito lo rifiuta ancora.</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>È stato installato yt-dlp %1 e il download è stato ritentato; il sito lo rifiuta ancora.</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor non ha trovato uno yt-dlp più recente di quello che ha.</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor ha richiesto di nuovo il video al sito; il sito lo rifiuta ancora.</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>Il sito non ha accettato l’accesso di %1, di cui sono stati usati i cookie: potrebbe essere scaduto. Accedi di nuovo al sito in %1, poi riprova.</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>Il sito ha rifiutato il link salvato; nuova richiesta in corso…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>Ricerca di uno yt-dlp più recente…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>Aggiornamento di yt-dlp a %1…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>Tentativo con la versione nightly di yt-dlp…</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>Impossibile leggere il titolo e la durata del video</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>Controlla l’indirizzo e la connessione a Internet, poi riprova.</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>Impossibile leggere la durata del video</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>Riprova. Se succede di nuovo, aggiorna lo strumento di download con «Aggiorna manualmente» nel menu.</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>Lo strumento di download si è interrotto durante la lettura del titolo del video</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>Lo strumento di download si è interrotto durante l’elenco dei formati</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>Lo strumento di download si è interrotto durante il download</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>Scegli di nuovo il formato per ricominciare il download.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>Impossibile leggere l’elenco dei formati del video</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>Impossibile avviare lo strumento di download</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>Installa di nuovo il programma: il suo strumento di download manca o non può essere eseguito.</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Il download non è riuscito</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>Riprova oppure scegli un altro formato.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>Impossibile ottenere l’elenco dei formati del video</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>Controlla la connessione a Internet, poi riprova.</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>Questo video non offre formati da scaricare</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Qualcosa è andato storto</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Riprova.</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>Controlla l’indirizzo o riprova più tardi.</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>Impossibile aggiornare. Contatta l’assistenza</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor è stato aggiornato</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>Nessun aggiornamento disponibile
Hai la versione più recente</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>È disponibile un aggiornamento
Fai clic sul pulsante qui sotto per installarlo</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>AGGIORNA</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>È disponibile un aggiornamento
Aggiorna %1 con il gestore dei pacchetti del sistema</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>Errore di rete</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Download non riuscito</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Errore del server</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>Il server ha restituito HTML invece del file</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>Impossibile aprire il file %1 in scrittura: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>Stato HTTP: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>Il programma di installazione scaricato %1 non corrisponde al suo checksum SHA-256 pubblicato</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1. 

Indirizzo: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>Il server degli aggiornamenti non ha risposto entro %1 secondi</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>Le informazioni sull’aggiornamento superano %1 byte</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>Errore di lettura dei dati JSON</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>Errore di download dei dati JSON</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>Errore del programma di installazione</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>Errore nella cartella di destinazione</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Errore di file</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>L’indirizzo del programma di installazione %1 non è un indirizzo http o https</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>Impossibile creare la cartella di destinazione: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>L’indirizzo del programma di installazione %1 non indica alcun file da salvare</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>Il programma di installazione %1 non corrisponde al suo checksum SHA-256 pubblicato</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>Stiamo cercando di scaricare e installare l’aggiornamento, ma qualcosa sul tuo computer lo impedisce.

Chiudi questa finestra, controlla se sono in esecuzione programmi antivirus o antimalware e disattivali temporaneamente. Poi riprova l’aggiornamento.</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>ERRORE AGG.: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>Programma di installazione già scaricato</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>Il file di installazione esiste già:
%1

Vuoi eseguire il programma di installazione esistente o scaricarlo di nuovo?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>Avvia installazione</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Scarica di nuovo</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>L’aggiornamento è stato scaricato</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>L’aggiornamento è stato scaricato nella cartella Download:
%1

%2 ora si chiuderà e il programma di installazione ti guiderà nell’aggiornamento</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>Avvierò io l’installazione</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Download annullato</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>Il download è stato annullato dall’utente.</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>Aggiornamento di %1</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>Stiamo cercando di scaricare e installare l’aggiornamento, ma qualcosa è andato storto.

Chiudi questa finestra, controlla la connessione a Internet e lo spazio libero nella cartella Download, poi riprova l’aggiornamento.</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>Ti consigliamo vivamente di
disattivare temporaneamente
l’antivirus prima di procedere
con l’aggiornamento</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>Il programma si chiude quando
l’aggiornamento inizia: lascia
prima finire un download
in corso</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(versione attuale: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Un programma semplice per scaricare singoli video di YouTube.</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>Aggiorna manualmente</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>Registrazione attivata</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>Cambia scala</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>Mostra UUID</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>Versione di %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>aggiorna questa applicazione come una data versione</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>mostra UID</translation>
    </message>
</context>
</TS>
