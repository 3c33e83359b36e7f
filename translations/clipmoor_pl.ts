<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>About</name>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>, built %1</source>
        <translation>, zbudowana %1</translation>
    </message>
    <message>
        <source>Machine identifier: %1</source>
        <translation>Identyfikator komputera: %1</translation>
    </message>
</context>
<context>
    <name>DesktopNotifier</name>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Film pobrany</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Pobieranie nie powiodło się</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
</context>
<context>
    <name>DoNotShowWindowAgain</name>
    <message>
        <source>Do Not Show This Update Window Again for 2 Weeks</source>
        <translation>Nie pokazuj tego okna przez 2 tygodnie</translation>
    </message>
</context>
<context>
    <name>DownloadChoices</name>
    <message>
        <source>Choose Download Folder…</source>
        <translation>Wybierz folder pobierania…</translation>
    </message>
    <message>
        <source>Use Cookies From</source>
        <translation>Użyj plików cookie z</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Choose Download Folder</source>
        <translation>Wybierz folder pobierania</translation>
    </message>
    <message>
        <source>Prepare Copied Links</source>
        <translation>Przygotowuj skopiowane linki</translation>
    </message>
    <message>
        <source>yt-dlp Channel</source>
        <translation>Kanał yt-dlp</translation>
    </message>
    <message>
        <source>Stable</source>
        <translation>Stabilny</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatyczny</translation>
    </message>
    <message>
        <source>Nightly</source>
        <translation>Nightly</translation>
    </message>
    <message>
        <source>Embed Title, Chapters and Cover</source>
        <translation>Osadzaj tytuł, rozdziały i okładkę</translation>
    </message>
</context>
<context>
    <name>DownloadPage</name>
    <message>
        <source>Back to the Formats</source>
        <translation>Wróć do formatów</translation>
    </message>
    <message>
        <source>Downloading: </source>
        <translation>Pobieranie: </translation>
    </message>
    <message>
        <source>title</source>
        <translation>tytuł</translation>
    </message>
    <message>
        <source>Video Successfully Downloaded</source>
        <translation>Film pobrany</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>Open Folder with File</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Postęp pobierania</translation>
    </message>
    <message>
        <source>Sound Successfully Saved</source>
        <translation>Dźwięk zapisany</translation>
    </message>
</context>
<context>
    <name>EngineWarnings</name>
    <message>
        <source>WARNING</source>
        <translation>OSTRZEŻENIE</translation>
    </message>
    <message>
        <source>The download folder %1 is gone or cannot be written. This download goes to %2.</source>
        <translation>Folder pobierania %1 już nie istnieje lub nie można w nim zapisywać. To pobieranie trafi do %2.</translation>
    </message>
    <message>
        <source>The current yt-dlp is still being installed, so this video is asked of the yt-dlp installed on your system, which may be too old for the site. If it fails, try again in a few minutes.</source>
        <translation>Aktualna wersja yt-dlp jest jeszcze instalowana, więc o ten film pyta yt-dlp zainstalowany w Twoim systemie, który może być zbyt stary dla tej witryny. Jeśli się nie uda, spróbuj ponownie za kilka minut.</translation>
    </message>
</context>
<context>
    <name>ErrorMessage</name>
    <message>
        <source>Code: #0x%1</source>
        <translation>Kod: #0x%1</translation>
    </message>
    <message>
        <source>Try Again with %1 Cookies</source>
        <translation>Spróbuj ponownie z plikami cookie z %1</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
</context>
<context>
    <name>FormatChoices</name>
    <message>
        <source>Subtitles:</source>
        <translation>Napisy:</translation>
    </message>
    <message>
        <source>Download Part…</source>
        <translation>Fragment…</translation>
    </message>
    <message>
        <source>Subtitles</source>
        <translation>Napisy</translation>
    </message>
    <message>
        <source>Subtitles to put into the video</source>
        <translation>Napisy do umieszczenia w filmie</translation>
    </message>
    <message>
        <source>Part to download</source>
        <translation>Fragment do pobrania</translation>
    </message>
    <message>
        <source>Download only a part of the video</source>
        <translation>Pobierz tylko fragment filmu</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>%1 (automatic)</source>
        <translation>%1 (automatyczne)</translation>
    </message>
</context>
<context>
    <name>FormatPage</name>
    <message>
        <source>Back to the Address</source>
        <translation>Wróć do adresu</translation>
    </message>
    <message>
        <source>title</source>
        <translation>tytuł</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>Formaty</translation>
    </message>
    <message>
        <source>This video offers no formats to download. Check the address, or try again later.</source>
        <translation>Ten film nie oferuje formatów do pobrania. Sprawdź adres lub spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>Reading the video&apos;s formats</source>
        <translation>Odczytywanie formatów filmu</translation>
    </message>
    <message>
        <source>Audio only</source>
        <translation>Tylko dźwięk</translation>
    </message>
    <message>
        <source>Save the sound alone</source>
        <translation>Zapisz sam dźwięk</translation>
    </message>
    <message>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <source>Save the sound alone as MP3</source>
        <translation>Zapisz sam dźwięk jako MP3</translation>
    </message>
    <message>
        <source>Audio as MP3</source>
        <translation>Dźwięk jako MP3</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
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
        <translation>Typ</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Video with audio, %1</source>
        <translation>Wideo z dźwiękiem, %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Pobierz %1</translation>
    </message>
    <message>
        <source>The size of the video stream; the audio adds to it</source>
        <translation>Rozmiar strumienia wideo; dźwięk dochodzi do tego</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 kl./s</translation>
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
        <translation>nie można pobrać %1: %2</translation>
    </message>
    <message>
        <source>no data for %1 s</source>
        <translation>brak danych od %1 s</translation>
    </message>
    <message>
        <source>not done within %1 s</source>
        <translation>nie ukończono w ciągu %1 s</translation>
    </message>
    <message>
        <source>only https is allowed</source>
        <translation>dozwolony jest tylko https</translation>
    </message>
    <message>
        <source>HTTP status %1 without a new address</source>
        <translation>status HTTP %1 bez nowego adresu</translation>
    </message>
    <message>
        <source>too many redirects</source>
        <translation>zbyt wiele przekierowań</translation>
    </message>
    <message>
        <source>refused the redirect to %1</source>
        <translation>odrzucono przekierowanie do %1</translation>
    </message>
    <message>
        <source>larger than %1 bytes</source>
        <translation>więcej niż %1 bajtów</translation>
    </message>
    <message>
        <source>HTTP status %1</source>
        <translation>status HTTP %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>nie można zapisać: %1</translation>
    </message>
    <message>
        <source>the body is compressed (%1), which was not asked for</source>
        <translation>treść jest skompresowana (%1), choć nie o to proszono</translation>
    </message>
    <message>
        <source>the answer is empty</source>
        <translation>odpowiedź jest pusta</translation>
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
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Video Address</source>
        <translation>Adres filmu</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>WARNING</source>
        <translation>OSTRZEŻENIE</translation>
    </message>
    <message>
        <source>WARNING: You must provide at least some valid YouTube URL to proceed</source>
        <translation>OSTRZEŻENIE: podaj prawidłowy adres filmu z YouTube, aby kontynuować</translation>
    </message>
    <message>
        <source>Show the formats of the video at this address</source>
        <translation>Pokaż formaty filmu spod tego adresu</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Przetwórz</translation>
    </message>
    <message>
        <source>Waiting for the release servers to send the current yt-dlp and Deno. On a slow connection this can take some minutes.</source>
        <translation>Oczekiwanie, aż serwery wydań prześlą aktualne wersje yt-dlp i Deno. Przy wolnym połączeniu może to potrwać kilka minut.</translation>
    </message>
    <message>
        <source>Paste a YouTube video address</source>
        <translation>Wklej adres filmu z YouTube</translation>
    </message>
    <message>
        <source>The address of the YouTube video to download, then press Enter</source>
        <translation>Adres filmu z YouTube do pobrania, potem naciśnij Enter</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Zajęty</translation>
    </message>
</context>
<context>
    <name>PartDialog</name>
    <message>
        <source>Type the start as m:ss or h:mm:ss, for example 1:05.</source>
        <translation>Wpisz początek jako m:ss lub h:mm:ss, na przykład 1:05.</translation>
    </message>
    <message>
        <source>Type the end as m:ss or h:mm:ss, for example 2:30.</source>
        <translation>Wpisz koniec jako m:ss lub h:mm:ss, na przykład 2:30.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Koniec musi być po początku.</translation>
    </message>
    <message>
        <source>The video is only %1 long.</source>
        <translation>Film trwa tylko %1.</translation>
    </message>
    <message>
        <source>Download Part</source>
        <translation>Pobierz fragment</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>&amp;Start:</source>
        <translation>&amp;Początek:</translation>
    </message>
    <message>
        <source>&amp;End:</source>
        <translation>&amp;Koniec:</translation>
    </message>
    <message>
        <source>&amp;Whole Video</source>
        <translation>&amp;Cały film</translation>
    </message>
    <message>
        <source>Which part of the video to download, as m:ss or h:mm:ss:</source>
        <translation>Fragment filmu do pobrania, jako m:ss lub h:mm:ss:</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Merging video and audio…</source>
        <translation>Łączenie obrazu i dźwięku…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>pozostało %1</translation>
    </message>
    <message>
        <source>Downloading...</source>
        <translation>Pobieranie…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>QuitGuard</name>
    <message>
        <source>A download is running. Stop it and quit?</source>
        <translation>Trwa pobieranie. Przerwać je i zakończyć?</translation>
    </message>
</context>
<context>
    <name>SavedFile</name>
    <message>
        <source>Open File</source>
        <translation>Otwórz plik</translation>
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
        <translation>Identyfikator komputera</translation>
    </message>
    <message>
        <source>The identifier of this computer:

%1</source>
        <translation>Identyfikator tego komputera:

%1</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
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
        <translation>Ten film jest prywatny: mogą go oglądać tylko osoby zaproszone przez właściciela. Wybierz inny film.</translation>
    </message>
    <message>
        <source>This video is not available in your country.</source>
        <translation>Ten film nie jest dostępny w Twoim kraju.</translation>
    </message>
    <message>
        <source>This live stream or premiere has not started yet. Try again once it has begun.</source>
        <translation>Ta transmisja na żywo lub premiera jeszcze się nie rozpoczęła. Spróbuj ponownie, gdy się zacznie.</translation>
    </message>
    <message>
        <source>This video has been removed or is not available. Check the address.</source>
        <translation>Ten film został usunięty lub jest niedostępny. Sprawdź adres.</translation>
    </message>
    <message>
        <source>The site could not be reached. Check the internet connection and try again.</source>
        <translation>Nie udało się połączyć z witryną. Sprawdź połączenie z internetem i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later.</source>
        <translation>Witryna na razie odrzuca żądanie. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>This video is for the channel&apos;s paying members only. If you are one, sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Ten film jest dostępny tylko dla płacących członków kanału. Jeśli nim jesteś, zaloguj się w witrynie w swojej przeglądarce i wybierz tę przeglądarkę w pozycji „Użyj plików cookie z” w menu (kliknij okno prawym przyciskiem).</translation>
    </message>
    <message>
        <source>This video has an age limit and is shown only to signed-in adults. Sign in to the site in your browser and choose that browser under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Ten film ma ograniczenie wiekowe i jest pokazywany tylko zalogowanym dorosłym. Zaloguj się w witrynie w swojej przeglądarce i wybierz tę przeglądarkę w pozycji „Użyj plików cookie z” w menu (kliknij okno prawym przyciskiem).</translation>
    </message>
    <message>
        <source>The site asks to sign in to confirm that you are not a bot. Choose a browser you are signed in with under “Use Cookies From” in the menu (right-click the window), or try again later.</source>
        <translation>Witryna prosi o zalogowanie, aby potwierdzić, że nie jesteś botem. Wybierz w pozycji „Użyj plików cookie z” w menu (kliknij okno prawym przyciskiem) przeglądarkę, w której jesteś zalogowany, lub spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>The browser&apos;s cookies could not be read: no profile of that browser was found. Start that browser once and sign in to the site, or choose another browser or “None” under “Use Cookies From” in the menu (right-click the window).</source>
        <translation>Nie udało się odczytać plików cookie przeglądarki: nie znaleziono żadnego profilu tej przeglądarki. Uruchom tę przeglądarkę raz i zaloguj się w witrynie albo wybierz inną przeglądarkę lub „Brak” w pozycji „Użyj plików cookie z” w menu (kliknij okno prawym przyciskiem).</translation>
    </message>
    <message>
        <source>The site no longer offers the chosen format. Go back and choose another one.</source>
        <translation>Witryna nie oferuje już wybranego formatu. Wróć i wybierz inny.</translation>
    </message>
    <message>
        <source>A part of the video could not be fetched from the site. Try again later.</source>
        <translation>Nie udało się pobrać z witryny części filmu. Spróbuj ponownie później.</translation>
    </message>
    <message>
        <source>The site has changed in a way this yt-dlp cannot follow yet. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Witryna zmieniła się w sposób, za którym ten yt-dlp jeszcze nie nadąża. Spróbuj ponownie za dzień lub dwa albo wybierz „Nightly” w pozycji „Kanał yt-dlp” w menu.</translation>
    </message>
    <message>
        <source>The site offered no format of this video that yt-dlp can read. Try again in a day or two, or choose “Nightly” under “yt-dlp Channel” in the menu.</source>
        <translation>Witryna nie udostępniła żadnego formatu tego filmu, który yt-dlp potrafi odczytać. Spróbuj ponownie za dzień lub dwa albo wybierz „Nightly” w pozycji „Kanał yt-dlp” w menu.</translation>
    </message>
    <message>
        <source>The site turned the request away for now. Try again later, or choose cookies from a signed-in browser.</source>
        <translation>Witryna na razie odrzuca żądanie. Spróbuj ponownie później lub wybierz pliki cookie przeglądarki, w której jesteś zalogowany.</translation>
    </message>
    <message>
        <source>yt-dlp&apos;s nightly build %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>Zainstalowano wersję nightly %1 yt-dlp i ponowiono pobieranie; witryna nadal je odrzuca.</translation>
    </message>
    <message>
        <source>yt-dlp %1 was installed and the download tried again; the site still refuses it.</source>
        <translation>Zainstalowano yt-dlp %1 i ponowiono pobieranie; witryna nadal je odrzuca.</translation>
    </message>
    <message>
        <source>Clipmoor found no newer yt-dlp than the one it has.</source>
        <translation>Clipmoor nie znalazł nowszego yt-dlp niż ten, który ma.</translation>
    </message>
    <message>
        <source>Clipmoor asked the site for the video again; the site still refuses it.</source>
        <translation>Clipmoor ponownie poprosił witrynę o film; witryna nadal go odrzuca.</translation>
    </message>
    <message>
        <source>The site did not accept the sign-in of %1, whose cookies were used: it may have expired. Sign in to the site in %1 again, then try again.</source>
        <translation>Witryna nie zaakceptowała zalogowania w %1, którego pliki cookie zostały użyte: mogło ono wygasnąć. Zaloguj się ponownie w witrynie w %1, a potem spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>The site refused the stored link; asking again…</source>
        <translation>Witryna odrzuciła zapisany link; ponowne zapytanie…</translation>
    </message>
    <message>
        <source>Looking for a newer yt-dlp…</source>
        <translation>Szukanie nowszego yt-dlp…</translation>
    </message>
    <message>
        <source>Updating yt-dlp to %1…</source>
        <translation>Aktualizowanie yt-dlp do %1…</translation>
    </message>
    <message>
        <source>Trying yt-dlp&apos;s nightly build…</source>
        <translation>Próba z wersją nightly yt-dlp…</translation>
    </message>
    <message>
        <source>The video&apos;s title and length could not be read</source>
        <translation>Nie udało się odczytać tytułu i długości filmu</translation>
    </message>
    <message>
        <source>Check the address and the internet connection, then try again.</source>
        <translation>Sprawdź adres i połączenie z internetem, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The video&apos;s length could not be read</source>
        <translation>Nie udało się odczytać długości filmu</translation>
    </message>
    <message>
        <source>Try again. If it happens again, update the downloader with “Manually Update Software” in the menu.</source>
        <translation>Spróbuj ponownie. Jeśli to się powtórzy, zaktualizuj narzędzie do pobierania poleceniem „Zaktualizuj ręcznie” w menu.</translation>
    </message>
    <message>
        <source>The downloader stopped while reading the video&apos;s title</source>
        <translation>Narzędzie do pobierania przerwało pracę podczas odczytu tytułu filmu</translation>
    </message>
    <message>
        <source>The downloader stopped while listing the formats</source>
        <translation>Narzędzie do pobierania przerwało pracę podczas wyliczania formatów</translation>
    </message>
    <message>
        <source>The downloader stopped during the download</source>
        <translation>Narzędzie do pobierania przerwało pracę w trakcie pobierania</translation>
    </message>
    <message>
        <source>Choose the format again to start the download anew.</source>
        <translation>Wybierz format ponownie, aby zacząć pobieranie od nowa.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be read</source>
        <translation>Nie udało się odczytać listy formatów filmu</translation>
    </message>
    <message>
        <source>The downloader could not be started</source>
        <translation>Nie udało się uruchomić narzędzia do pobierania</translation>
    </message>
    <message>
        <source>Install the program again: its downloader is missing or cannot be run.</source>
        <translation>Zainstaluj program ponownie: brakuje jego narzędzia do pobierania lub nie można go uruchomić.</translation>
    </message>
    <message>
        <source>The download failed</source>
        <translation>Pobieranie nie powiodło się</translation>
    </message>
    <message>
        <source>Try again, or choose another format.</source>
        <translation>Spróbuj ponownie lub wybierz inny format.</translation>
    </message>
    <message>
        <source>The video&apos;s list of formats could not be fetched</source>
        <translation>Nie udało się pobrać listy formatów filmu</translation>
    </message>
    <message>
        <source>Check the internet connection, then try again.</source>
        <translation>Sprawdź połączenie z internetem, a potem spróbuj ponownie.</translation>
    </message>
    <message>
        <source>This video offers no formats to download</source>
        <translation>Ten film nie oferuje formatów do pobrania</translation>
    </message>
    <message>
        <source>Something went wrong</source>
        <translation>Coś poszło nie tak</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Check the address, or try again later.</source>
        <translation>Sprawdź adres lub spróbuj ponownie później.</translation>
    </message>
</context>
<context>
    <name>ToolUpdatePage</name>
    <message>
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message>
        <source>Unable to update. Please contact support</source>
        <translation>Nie można zaktualizować. Skontaktuj się z pomocą techniczną</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Clipmoor was successfully updated</source>
        <translation>Clipmoor został zaktualizowany</translation>
    </message>
</context>
<context>
    <name>UpdateNOT</name>
    <message>
        <source>No Updates are Available
You Have the Current Version</source>
        <translation>Brak dostępnych aktualizacji
Masz bieżącą wersję</translation>
    </message>
</context>
<context>
    <name>UpdateYES</name>
    <message>
        <source>An Update is Available
Click the button below to process the update</source>
        <translation>Dostępna jest aktualizacja
Kliknij przycisk poniżej, aby ją zainstalować</translation>
    </message>
    <message>
        <source>UPDATE</source>
        <translation>AKTUALIZUJ</translation>
    </message>
    <message>
        <source>An Update is Available
Update %1 through your system&apos;s package manager</source>
        <translation>Dostępna jest aktualizacja
Zaktualizuj %1 menedżerem pakietów systemu</translation>
    </message>
</context>
<context>
    <name>Updater</name>
    <message>
        <source>Network error</source>
        <translation>Błąd sieci</translation>
    </message>
    <message>
        <source>Download failed</source>
        <translation>Pobieranie nie powiodło się</translation>
    </message>
    <message>
        <source>Server error</source>
        <translation>Błąd serwera</translation>
    </message>
    <message>
        <source>Server returned HTML instead of file</source>
        <translation>Serwer zwrócił HTML zamiast pliku</translation>
    </message>
    <message>
        <source>Cannot open file %1 for writing: %2</source>
        <translation>Nie można otworzyć pliku %1 do zapisu: %2</translation>
    </message>
    <message>
        <source>HTTP status: %1
%2</source>
        <translation>Status HTTP: %1
%2</translation>
    </message>
    <message>
        <source>The downloaded installer %1 does not match its published SHA-256 checksum</source>
        <translation>Pobrany instalator %1 nie zgadza się z opublikowaną sumą kontrolną SHA-256</translation>
    </message>
    <message>
        <source>%1. 

URL: %2</source>
        <translation>%1. 

Adres: %2</translation>
    </message>
    <message>
        <source>The update server did not answer within %1 seconds</source>
        <translation>Serwer aktualizacji nie odpowiedział w ciągu %1 sekund</translation>
    </message>
    <message>
        <source>The manifest is larger than %1 bytes</source>
        <translation>Informacje o aktualizacji mają więcej niż %1 bajtów</translation>
    </message>
    <message>
        <source>JSON parse error</source>
        <translation>Błąd odczytu danych JSON</translation>
    </message>
    <message>
        <source>JSON download error</source>
        <translation>Błąd pobierania danych JSON</translation>
    </message>
    <message>
        <source>Installer error</source>
        <translation>Błąd instalatora</translation>
    </message>
    <message>
        <source>Output dir error</source>
        <translation>Błąd folderu docelowego</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Błąd pliku</translation>
    </message>
    <message>
        <source>The installer address %1 is not an http or https address</source>
        <translation>Adres instalatora %1 nie jest adresem http ani https</translation>
    </message>
    <message>
        <source>Cannot create output directory: %1</source>
        <translation>Nie można utworzyć folderu docelowego: %1</translation>
    </message>
    <message>
        <source>The installer address %1 names no file to save</source>
        <translation>Adres instalatora %1 nie wskazuje pliku do zapisania</translation>
    </message>
    <message>
        <source>The installer %1 does not match its published SHA-256 checksum</source>
        <translation>Instalator %1 nie zgadza się z opublikowaną sumą kontrolną SHA-256</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something is blocking this on your machine.

Please close this window and check for any antivirus/malware programs that might be running and temporarily disable them. Then try running the update again.</source>
        <translation>Próbujemy pobrać i zainstalować aktualizację, ale coś na Twoim komputerze to blokuje.

Zamknij to okno, sprawdź, czy działa program antywirusowy lub chroniący przed złośliwym oprogramowaniem, i tymczasowo go wyłącz. Następnie spróbuj ponownie przeprowadzić aktualizację.</translation>
    </message>
    <message>
        <source>UPD. ERROR: %1</source>
        <translation>BŁĄD AKT.: %1</translation>
    </message>
    <message>
        <source>Installer already downloaded</source>
        <translation>Instalator jest już pobrany</translation>
    </message>
    <message>
        <source>The installer file already exists:
%1

Do you want to run the existing installer, or download it again?</source>
        <translation>Plik instalatora już istnieje:
%1

Czy uruchomić istniejący instalator, czy pobrać go ponownie?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Run Installer</source>
        <translation>Uruchom instalator</translation>
    </message>
    <message>
        <source>Download Again</source>
        <translation>Pobierz ponownie</translation>
    </message>
    <message>
        <source>The update has been downloaded</source>
        <translation>Aktualizacja została pobrana</translation>
    </message>
    <message>
        <source>The update has been downloaded to your Downloads folder:
%1

The %2 will now close and the installer will guide you through the update process</source>
        <translation>Aktualizacja została pobrana do folderu Pobrane:
%1

%2 zostanie teraz zamknięty, a instalator przeprowadzi Cię przez aktualizację</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Launch Installer Myself</source>
        <translation>Sam uruchomię instalator</translation>
    </message>
    <message>
        <source>Download cancelled</source>
        <translation>Pobieranie anulowane</translation>
    </message>
    <message>
        <source>The download was cancelled by the user.</source>
        <translation>Pobieranie zostało anulowane przez użytkownika.</translation>
    </message>
    <message>
        <source>%1 Updater</source>
        <translation>Aktualizacja %1</translation>
    </message>
    <message>
        <source>We are attempting to download and process the update but something went wrong on the way.

Please close this window, check the internet connection and the free space in your Downloads folder, then try running the update again.</source>
        <translation>Próbujemy pobrać i zainstalować aktualizację, ale po drodze coś poszło nie tak.

Zamknij to okno, sprawdź połączenie z internetem i wolne miejsce w folderze Pobrane, a następnie spróbuj ponownie przeprowadzić aktualizację.</translation>
    </message>
    <message>
        <source>We strongly suggest that you
temporarily disable your antivirus
program before proceeding with
the update</source>
        <translation>Zdecydowanie zalecamy
tymczasowe wyłączenie programu
antywirusowego przed
rozpoczęciem aktualizacji</translation>
    </message>
    <message>
        <source>The program closes when the
update starts: let a running
download finish before
proceeding</source>
        <translation>Program zamyka się, gdy
zaczyna się aktualizacja:
pozwól najpierw zakończyć
trwające pobieranie</translation>
    </message>
</context>
<context>
    <name>UpdaterHeader</name>
    <message>
        <source>(curr. version: %1)</source>
        <translation>(bieżąca wersja: %1)</translation>
    </message>
</context>
<context>
    <name>WindowMenu</name>
    <message>
        <source>A simple downloader for single YouTube videos.</source>
        <translation>Prosty program do pobierania pojedynczych filmów z YouTube.</translation>
    </message>
    <message>
        <source>Manually Update Software</source>
        <translation>Zaktualizuj ręcznie</translation>
    </message>
    <message>
        <source>Logging enabled</source>
        <translation>Rejestrowanie włączone</translation>
    </message>
    <message>
        <source>Change Scale Size</source>
        <translation>Zmień skalę</translation>
    </message>
    <message>
        <source>Show UUID</source>
        <translation>Pokaż UUID</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 version: %2</source>
        <translation>Wersja %1: %2</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>update this app as some version</source>
        <translation>zaktualizuj tę aplikację jako podaną wersję</translation>
    </message>
    <message>
        <source>show UID</source>
        <translation>pokaż UID</translation>
    </message>
</context>
</TS>
